#include "classlib/ComCtrls.h"
#include "platform/window/User.h"

#include <algorithm>
#include <cstring>
#include <functional>
#include <unordered_map>

// --- nodes -----------------------------------------------------------------------------------

TTreeNode::TTreeNode(TTreeNodes* AOwner, TTreeNode* AParent) : FOwner(AOwner), FParent(AParent) {}

TTreeNode::~TTreeNode()
{
    for (TTreeNode* c : FChildren)
        delete c;
}

int TTreeNode::GetIndex() const
{
    const std::vector<TTreeNode*>& siblings = FParent ? FParent->FChildren : FOwner->FRoots;
    const auto it = std::find(siblings.begin(), siblings.end(), this);
    return it == siblings.end() ? -1 : static_cast<int>(it - siblings.begin());
}

int TTreeNode::Level() const
{
    int level = 0;
    for (const TTreeNode* p = FParent; p; p = p->FParent)
        ++level;
    return level;
}

void TTreeNode::push(UINT Mask) const
{
    TCustomTreeView* view = FOwner->Owner();
    if (!FItem || !view->HandleAllocated())
        return;
    TVITEM item;
    item.mask = Mask;
    item.hItem = FItem;
    item.pszText = FText.c_str();
    item.iImage = FImageIndex;
    item.iSelectedImage = FSelectedIndex;
    item.cChildren = FHasChildren ? 1 : 0;
    item.stateMask = TVIS_STATEIMAGEMASK;
    item.state = static_cast<UINT>(std::max(FStateIndex, 0)) << 12;
    SendMessage(view->GetHandle(), TVM_SETITEM, 0, reinterpret_cast<LPARAM>(&item));
}

void TTreeNode::SetText(const std::string& Value)
{
    FText = Value;
    push(TVIF_TEXT);
}

void TTreeNode::SetImageIndex(int Value)
{
    FImageIndex = Value;
    push(TVIF_IMAGE);
}

void TTreeNode::SetSelectedIndex(int Value)
{
    FSelectedIndex = Value;
    push(TVIF_SELECTEDIMAGE);
}

void TTreeNode::SetStateIndex(int Value)
{
    FStateIndex = Value;
    push(TVIF_STATE);
}

void TTreeNode::SetHasChildren(bool Value)
{
    FHasChildren = Value;
    push(TVIF_CHILDREN);
}

void TTreeNode::SetExpanded(bool Value)
{
    TCustomTreeView* view = FOwner->Owner();
    if (FItem && view->HandleAllocated())
        SendMessage(view->GetHandle(), TVM_EXPAND, Value ? TVE_EXPAND : TVE_COLLAPSE, reinterpret_cast<LPARAM>(FItem));
    else if (Value != FExpanded && (Value ? view->CanExpand(this) : view->CanCollapse(this)))
        FExpanded = Value;
}

void TTreeNode::Expand(bool Recurse)
{
    SetExpanded(true);
    if (Recurse)
        for (TTreeNode* c : FChildren)
            c->Expand(true);
}

void TTreeNode::Collapse(bool Recurse)
{
    SetExpanded(false);
    if (Recurse)
        for (TTreeNode* c : FChildren)
            c->Collapse(true);
}

bool TTreeNode::GetSelected() const
{
    return FOwner->Owner()->GetSelected() == this;
}

void TTreeNode::SetSelected(bool Value)
{
    if (Value)
        FOwner->Owner()->SetSelected(this);
    else if (GetSelected())
        FOwner->Owner()->SetSelected(nullptr);
}

RECT TTreeNode::DisplayRect(bool TextOnly) const
{
    TCustomTreeView* view = FOwner->Owner();
    RECT r{};
    if (!FItem || !view->HandleAllocated())
        return r;
    std::memcpy(static_cast<void*>(&r), &FItem, sizeof FItem);
    if (!SendMessage(view->GetHandle(), TVM_GETITEMRECT, TextOnly ? TRUE : FALSE, reinterpret_cast<LPARAM>(&r)))
        return RECT{};
    return r;
}

TTreeNode* TTreeNode::GetNextSibling() const
{
    const std::vector<TTreeNode*>& siblings = FParent ? FParent->FChildren : FOwner->FRoots;
    const auto it = std::find(siblings.begin(), siblings.end(), this);
    return it == siblings.end() || it + 1 == siblings.end() ? nullptr : *(it + 1);
}

TTreeNode* TTreeNode::GetNext() const
{
    if (!FChildren.empty())
        return FChildren.front();
    for (const TTreeNode* n = this; n; n = n->FParent)
        if (TTreeNode* next = n->GetNextSibling())
            return next;
    return nullptr;
}

bool TTreeNode::HasAsParent(const TTreeNode* Value) const
{
    for (const TTreeNode* p = FParent; p; p = p->FParent)
        if (p == Value)
            return true;
    return false;
}

void TTreeNode::Delete()
{
    FOwner->Delete(this);
}

void TTreeNode::DeleteChildren()
{
    while (!FChildren.empty())
        FOwner->Delete(FChildren.back());
}

namespace {

int compareByPosition(LPARAM A, LPARAM B, LPARAM Positions)
{
    const auto& at = *reinterpret_cast<const std::unordered_map<LPARAM, int>*>(Positions);
    return at.at(A) - at.at(B);
}

// Sorts the nodes by Compare's sign (stable), then the window's items the same way.
void sortNodes(TCustomTreeView* View, std::vector<TTreeNode*>& Nodes, bool InWindow, HTREEITEM Parent,
               const std::function<int(TTreeNode*, TTreeNode*)>& Compare)
{
    std::stable_sort(Nodes.begin(), Nodes.end(), [&](TTreeNode* a, TTreeNode* b) { return Compare(a, b) < 0; });
    if (!InWindow || !View->HandleAllocated())
        return;
    std::unordered_map<LPARAM, int> positions;
    for (std::size_t i = 0; i < Nodes.size(); ++i)
        positions[reinterpret_cast<LPARAM>(Nodes[i])] = static_cast<int>(i);
    TVSORTCB sort;
    sort.hParent = Parent;
    sort.lpfnCompare = &compareByPosition;
    sort.lParam = reinterpret_cast<LPARAM>(&positions);
    SendMessage(View->GetHandle(), TVM_SORTCHILDRENCB, 0, reinterpret_cast<LPARAM>(&sort));
}

} // namespace

void TTreeNode::CustomSort(const std::function<int(TTreeNode* A, TTreeNode* B)>& Compare)
{
    sortNodes(FOwner->Owner(), FChildren, FItem != nullptr, FItem, Compare);
}

bool TTreeNode::EditText()
{
    TCustomTreeView* view = FOwner->Owner();
    return FItem && view->HandleAllocated() &&
           SendMessage(view->GetHandle(), TVM_EDITLABEL, 0, reinterpret_cast<LPARAM>(FItem)) != 0;
}

void TTreeNode::EndEdit(bool Cancel)
{
    TCustomTreeView* view = FOwner->Owner();
    if (view->HandleAllocated())
        SendMessage(view->GetHandle(), TVM_ENDEDITLABELNOW, Cancel ? TRUE : FALSE, 0);
}

// Gives the node (and its children) to the window after the sibling item `After`.
void TTreeNode::insertWindowItem(HTREEITEM After)
{
    TCustomTreeView* view = FOwner->Owner();
    if (!view->HandleAllocated())
        return;
    TVINSERTSTRUCT ins;
    ins.hParent = FParent ? FParent->FItem : TVI_ROOT;
    ins.hInsertAfter = After;
    ins.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_PARAM | TVIF_CHILDREN | TVIF_STATE;
    ins.item.pszText = FText.c_str();
    ins.item.iImage = FImageIndex;
    ins.item.iSelectedImage = FSelectedIndex;
    ins.item.lParam = reinterpret_cast<LPARAM>(this);
    ins.item.cChildren = FHasChildren ? 1 : 0;
    ins.item.stateMask = TVIS_STATEIMAGEMASK;
    ins.item.state = static_cast<UINT>(std::max(FStateIndex, 0)) << 12;
    FItem = reinterpret_cast<HTREEITEM>(SendMessage(view->GetHandle(), TVM_INSERTITEM, 0, reinterpret_cast<LPARAM>(&ins)));
    for (TTreeNode* c : FChildren)
        c->insertWindowItem(TVI_LAST);
    if (FExpanded)
        SendMessage(view->GetHandle(), TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(FItem));
}

// --- the node list ---------------------------------------------------------------------------

TTreeNodes::~TTreeNodes()
{
    for (TTreeNode* n : FRoots)
        delete n;
}

TTreeNode* TTreeNodes::insert(TTreeNode* Parent, const std::string& S, std::size_t Position)
{
    auto* node = new TTreeNode(this, Parent);
    node->FText = S;
    std::vector<TTreeNode*>& siblings = Parent ? Parent->FChildren : FRoots;
    Position = std::min(Position, siblings.size());
    siblings.insert(siblings.begin() + static_cast<std::ptrdiff_t>(Position), node);
    if (!Parent || Parent->FItem)
        node->insertWindowItem(Position == 0 ? TVI_FIRST : siblings[Position - 1]->FItem);
    return node;
}

TTreeNode* TTreeNodes::AddChild(TTreeNode* Parent, const std::string& S)
{
    return insert(Parent, S, static_cast<std::size_t>(-1));
}

TTreeNode* TTreeNodes::AddChildFirst(TTreeNode* Parent, const std::string& S)
{
    return insert(Parent, S, 0);
}

TTreeNode* TTreeNodes::Add(TTreeNode* Sibling, const std::string& S)
{
    return insert(Sibling ? Sibling->FParent : nullptr, S, static_cast<std::size_t>(-1));
}

TTreeNode* TTreeNodes::Insert(TTreeNode* Sibling, const std::string& S)
{
    if (!Sibling)
        return Add(nullptr, S);
    return insert(Sibling->FParent, S, static_cast<std::size_t>(Sibling->GetIndex()));
}

void TTreeNodes::Delete(TTreeNode* Node)
{
    if (!Node || Node->FOwner != this)
        return;
    // The hook hears of the children first, while the node still stands.
    std::function<void(TTreeNode*)> tell = [&](TTreeNode* n) {
        for (auto it = n->FChildren.rbegin(); it != n->FChildren.rend(); ++it)
            tell(*it);
        FOwner->Delete(n);
    };
    tell(Node);
    for (TTreeNode* p = FOwner->FSelected; p; p = p->FParent)
        if (p == Node) {
            FOwner->FSelected = nullptr;
            break;
        }
    if (Node->FItem && FOwner->HandleAllocated())
        SendMessage(FOwner->GetHandle(), TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(Node->FItem));
    std::vector<TTreeNode*>& siblings = Node->FParent ? Node->FParent->FChildren : FRoots;
    siblings.erase(std::find(siblings.begin(), siblings.end(), Node));
    delete Node;
}

void TTreeNodes::Clear()
{
    while (!FRoots.empty())
        Delete(FRoots.back());
}

int TTreeNodes::Count() const
{
    int count = 0;
    std::function<void(const std::vector<TTreeNode*>&)> walk = [&](const std::vector<TTreeNode*>& nodes) {
        for (const TTreeNode* n : nodes) {
            ++count;
            walk(n->FChildren);
        }
    };
    walk(FRoots);
    return count;
}

TTreeNode* TTreeNodes::Item(int Index) const
{
    TTreeNode* found = nullptr;
    std::function<bool(const std::vector<TTreeNode*>&)> walk = [&](const std::vector<TTreeNode*>& nodes) {
        for (TTreeNode* n : nodes) {
            if (Index-- == 0) {
                found = n;
                return true;
            }
            if (walk(n->FChildren))
                return true;
        }
        return false;
    };
    walk(FRoots);
    return found;
}

TTreeNode* TTreeNodes::FindNode(HTREEITEM Item) const
{
    if (!Item)
        return nullptr;
    std::function<TTreeNode*(const std::vector<TTreeNode*>&)> walk = [&](const std::vector<TTreeNode*>& nodes) -> TTreeNode* {
        for (TTreeNode* n : nodes) {
            if (n->FItem == Item)
                return n;
            if (TTreeNode* f = walk(n->FChildren))
                return f;
        }
        return nullptr;
    };
    return walk(FRoots);
}

// --- the view --------------------------------------------------------------------------------

TCustomTreeView::TCustomTreeView(TComponent* AOwner) : TCommonControl(AOwner), FNodes(std::make_unique<TTreeNodes>(this))
{
    SetBounds(0, 0, 121, 97);
    SetTabStop(true);
    SetColor(clWindow);
    SetParentColor(false);
}

TCustomTreeView::~TCustomTreeView()
{
    FNodes.reset();
}

void TCustomTreeView::CreateParams(TCreateParams& Params)
{
    TCommonControl::CreateParams(Params);
    CreateSubClass(Params, WC_TREEVIEW);
    Params.Style |= WS_HSCROLL | WS_VSCROLL;
    if (FShowButtons)
        Params.Style |= TVS_HASBUTTONS;
    if (FShowLines)
        Params.Style |= TVS_HASLINES;
    if (FShowRoot)
        Params.Style |= TVS_LINESATROOT;
    if (!FHideSelection)
        Params.Style |= TVS_SHOWSELALWAYS;
    if (!FReadOnly)
        Params.Style |= TVS_EDITLABELS;
    Params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TCustomTreeView::FillWindow()
{
    SendToWindow(TVM_SETBKCOLOR, 0, static_cast<LPARAM>(ColorToRGB(GetColor())));
    SendToWindow(TVM_SETTEXTCOLOR, 0, static_cast<LPARAM>(ColorToRGB(Font()->GetColor())));
    SendToWindow(TVM_SETINDENT, static_cast<WPARAM>(FIndent), 0);
    SendToWindow(TVM_SETIMAGELIST, TVSIL_NORMAL, reinterpret_cast<LPARAM>(FImages));
    SendToWindow(TVM_SETIMAGELIST, TVSIL_STATE, reinterpret_cast<LPARAM>(FStateImages));
    TTreeNode* selected = FSelected;
    for (TTreeNode* n : FNodes->FRoots)
        n->insertWindowItem(TVI_LAST);
    if (selected)
        SendToWindow(TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(selected->FItem));
}

void TCustomTreeView::restyle()
{
    if (!HandleAllocated())
        return;
    FSelected = GetSelected();
    RecreateWnd();
}

void TCustomTreeView::SetShowButtons(bool Value)
{
    FShowButtons = Value;
    restyle();
}

void TCustomTreeView::SetShowLines(bool Value)
{
    FShowLines = Value;
    restyle();
}

void TCustomTreeView::SetShowRoot(bool Value)
{
    FShowRoot = Value;
    restyle();
}

void TCustomTreeView::SetHideSelection(bool Value)
{
    FHideSelection = Value;
    restyle();
}

void TCustomTreeView::SetReadOnly(bool Value)
{
    FReadOnly = Value;
    restyle();
}

void TCustomTreeView::SetIndent(int Value)
{
    FIndent = Value;
    SendToWindow(TVM_SETINDENT, static_cast<WPARAM>(Value), 0);
}

void TCustomTreeView::SetImages(TCustomImageList* Value)
{
    if (FImages)
        FImages->RemoveFreeNotification(this);
    FImages = Value;
    if (Value)
        Value->FreeNotification(this);
    SendToWindow(TVM_SETIMAGELIST, TVSIL_NORMAL, reinterpret_cast<LPARAM>(Value));
}

void TCustomTreeView::SetStateImages(TCustomImageList* Value)
{
    if (FStateImages)
        FStateImages->RemoveFreeNotification(this);
    FStateImages = Value;
    if (Value)
        Value->FreeNotification(this);
    SendToWindow(TVM_SETIMAGELIST, TVSIL_STATE, reinterpret_cast<LPARAM>(Value));
}

void TCustomTreeView::Notification(TComponent* AComponent, TOperation Operation)
{
    TCommonControl::Notification(AComponent, Operation);
    if (Operation != TOperation::opRemove)
        return;
    if (AComponent == FImages)
        SetImages(nullptr);
    if (AComponent == FStateImages)
        SetStateImages(nullptr);
}

TTreeNode* TCustomTreeView::GetSelected() const
{
    if (!HandleAllocated())
        return FSelected;
    return FNodes->FindNode(reinterpret_cast<HTREEITEM>(SendMessage(FHandle, TVM_GETNEXTITEM, TVGN_CARET, 0)));
}

void TCustomTreeView::SetSelected(TTreeNode* Value)
{
    FSelected = Value;
    if (HandleAllocated())
        SendMessage(FHandle, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(Value ? Value->FItem : nullptr));
}

TTreeNode* TCustomTreeView::GetTopItem()
{
    return FNodes->FindNode(reinterpret_cast<HTREEITEM>(SendMessage(GetHandle(), TVM_GETNEXTITEM, TVGN_FIRSTVISIBLE, 0)));
}

void TCustomTreeView::SetTopItem(TTreeNode* Value)
{
    if (Value && Value->FItem && HandleAllocated())
        SendMessage(FHandle, TVM_SELECTITEM, TVGN_FIRSTVISIBLE, reinterpret_cast<LPARAM>(Value->FItem));
}

bool TCustomTreeView::IsEditing()
{
    return HandleAllocated() && SendMessage(FHandle, TVM_GETEDITCONTROL, 0, 0) != 0;
}

void TCustomTreeView::CustomSort(const std::function<int(TTreeNode* A, TTreeNode* B)>& Compare)
{
    sortNodes(this, FNodes->FRoots, true, TVI_ROOT, Compare);
}

TTreeNode* TCustomTreeView::GetNodeAt(int X, int Y)
{
    TVHITTESTINFO hit;
    hit.pt = POINT{X, Y};
    SendMessage(GetHandle(), TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit));
    return (hit.flags & (TVHT_ONITEMLABEL | TVHT_ONITEMICON | TVHT_ONITEMSTATEICON)) ? FNodes->FindNode(hit.hItem) : nullptr;
}

int TCustomTreeView::VisibleCount()
{
    return static_cast<int>(SendMessage(GetHandle(), TVM_GETVISIBLECOUNT, 0, 0));
}

void TCustomTreeView::Change(TTreeNode* Node)
{
    if (auto handler = OnChange)
        handler(this, Node);
}

namespace {

bool ask(const TTVExpandingEvent& Event, TObject* Sender, TTreeNode* Node)
{
    bool allow = true;
    if (auto handler = Event)
        handler(Sender, Node, allow);
    return allow;
}

} // namespace

bool TCustomTreeView::CanChange(TTreeNode* Node)
{
    return ask(OnChanging, this, Node);
}

bool TCustomTreeView::CanExpand(TTreeNode* Node)
{
    return ask(OnExpanding, this, Node);
}

bool TCustomTreeView::CanCollapse(TTreeNode* Node)
{
    return ask(OnCollapsing, this, Node);
}

bool TCustomTreeView::CanEdit(TTreeNode* Node)
{
    return ask(OnEditing, this, Node);
}

void TCustomTreeView::Edit(TTreeNode* Node, const std::string* Text)
{
    if (!Text)
        return;
    std::string s = *Text;
    if (auto handler = OnEdited)
        handler(this, Node, s);
    Node->SetText(s);
}

void TCustomTreeView::Delete(TTreeNode* Node)
{
    if (auto handler = OnDeletion)
        handler(this, Node);
}

LRESULT TCustomTreeView::notify(const NMHDR* Header)
{
    const auto* note = reinterpret_cast<const NMTREEVIEW*>(Header);
    switch (Header->code) {
    case TVN_SELCHANGED:
        FSelected = FNodes->FindNode(note->itemNew.hItem);
        Change(FSelected);
        return 0;
    case TVN_SELCHANGING: return CanChange(FNodes->FindNode(note->itemNew.hItem)) ? 0 : 1;
    case TVN_ITEMEXPANDING: {
        TTreeNode* node = FNodes->FindNode(note->itemNew.hItem);
        if (!node)
            return 0;
        return (note->action == TVE_EXPAND ? CanExpand(node) : CanCollapse(node)) ? 0 : 1;
    }
    case TVN_BEGINLABELEDIT: {
        const auto* info = reinterpret_cast<const NMTVDISPINFO*>(Header);
        TTreeNode* node = FNodes->FindNode(info->item.hItem);
        return node && CanEdit(node) ? 0 : 1;
    }
    case TVN_ENDLABELEDIT: {
        const auto* info = reinterpret_cast<const NMTVDISPINFO*>(Header);
        if (TTreeNode* node = FNodes->FindNode(info->item.hItem)) {
            const std::string text = info->item.pszText ? info->item.pszText : "";
            Edit(node, info->item.pszText ? &text : nullptr);
        }
        return 0;
    }
    case TVN_ITEMEXPANDED: {
        TTreeNode* node = FNodes->FindNode(note->itemNew.hItem);
        if (!node)
            return 0;
        node->FExpanded = (note->itemNew.state & TVIS_EXPANDED) != 0;
        const auto& event = node->FExpanded ? OnExpanded : OnCollapsed;
        if (event)
            event(this, node);
        return 0;
    }
    case NM_DBLCLK: DblClick(); return 0;
    default: return 0;
    }
}

void TCustomTreeView::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case CN_NOTIFY:
        Message.Result = notify(reinterpret_cast<const NMHDR*>(Message.LParam));
        break;
    case CM_COLORCHANGED:
    case CM_FONTCHANGED:
        TCommonControl::Dispatch(Message);
        SendToWindow(TVM_SETBKCOLOR, 0, static_cast<LPARAM>(ColorToRGB(GetColor())));
        SendToWindow(TVM_SETTEXTCOLOR, 0, static_cast<LPARAM>(ColorToRGB(Font()->GetColor())));
        break;
    case WM_DESTROY: {
        // The window's items go with it; the nodes keep their data for the next window.
        FSelected = GetSelected();
        std::function<void(const std::vector<TTreeNode*>&)> forget = [&](const std::vector<TTreeNode*>& nodes) {
            for (TTreeNode* n : nodes) {
                n->FItem = nullptr;
                forget(n->FChildren);
            }
        };
        TCommonControl::Dispatch(Message);
        forget(FNodes->FRoots);
        break;
    }
    default:
        TCommonControl::Dispatch(Message);
        break;
    }
}
