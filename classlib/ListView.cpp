#include "classlib/ComCtrls.h"
#include "platform/window/User.h"

#include <algorithm>

namespace {

int FormatOf(TAlignment Alignment)
{
    switch (Alignment) {
    case TAlignment::taRightJustify: return LVCFMT_RIGHT;
    case TAlignment::taCenter: return LVCFMT_CENTER;
    default: return LVCFMT_LEFT;
    }
}

} // namespace

// --- columns ---------------------------------------------------------------------------------

TListColumn::TListColumn(TCollection* Collection) : TCollectionItem(Collection) {}

TCustomListView* TListColumn::view() const
{
    auto* columns = dynamic_cast<TListColumns*>(GetCollection());
    return columns ? columns->Owner() : nullptr;
}

void TListColumn::SetCaption(const std::string& Value)
{
    FCaption = Value;
    Changed(false);
}

int TListColumn::GetWidth() const
{
    TCustomListView* v = view();
    if (v && v->HandleAllocated())
        return static_cast<int>(SendMessage(v->GetHandle(), LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(GetIndex()), 0));
    return FWidth;
}

void TListColumn::SetWidth(int Value)
{
    FWidth = std::max(Value, 0);
    Changed(false);
}

void TListColumn::SetAlignment(TAlignment Value)
{
    FAlignment = Value;
    Changed(false);
}

void TListColumn::SetImageIndex(int Value)
{
    FImageIndex = Value;
    Changed(false);
}

void TListColumn::Assign(TPersistent* Source)
{
    if (auto* c = dynamic_cast<TListColumn*>(Source)) {
        FCaption = c->FCaption;
        FWidth = c->GetWidth();
        FAlignment = c->FAlignment;
        FImageIndex = c->FImageIndex;
        Changed(false);
        return;
    }
    TCollectionItem::Assign(Source);
}

TListColumns::TListColumns(TCustomListView* AOwner)
    : TOwnedCollection(AOwner, CollectionItemClass<TListColumn>()), FOwner(AOwner)
{
}

void TListColumns::Update(TCollectionItem* Item)
{
    (void)Item;
    FOwner->UpdateColumns();
}

// --- items -----------------------------------------------------------------------------------

TListItem::TListItem(TListItems* AOwner) : FOwner(AOwner), FSubItems(std::make_unique<TStringList>())
{
    FSubItems->OnChange = [this](TObject*) { push(); };
}

TListItem::~TListItem() = default;

int TListItem::GetIndex() const
{
    return FOwner->IndexOf(this);
}

void TListItem::SetCaption(const std::string& Value)
{
    FCaption = Value;
    push();
}

void TListItem::SetImageIndex(int Value)
{
    FImageIndex = Value;
    push();
}

bool TListItem::GetSelected() const
{
    TCustomListView* v = FOwner->Owner();
    if (v->HandleAllocated())
        return SendMessage(v->GetHandle(), LVM_GETITEMSTATE, static_cast<WPARAM>(GetIndex()), LVIS_SELECTED) != 0;
    return FSelected;
}

void TListItem::SetSelected(bool Value)
{
    FSelected = Value;
    TCustomListView* v = FOwner->Owner();
    if (!v->HandleAllocated())
        return;
    LVITEM state;
    state.stateMask = LVIS_SELECTED;
    state.state = Value ? LVIS_SELECTED : 0;
    SendMessage(v->GetHandle(), LVM_SETITEMSTATE, static_cast<WPARAM>(GetIndex()), reinterpret_cast<LPARAM>(&state));
}

RECT TListItem::DisplayRect(int Code) const
{
    RECT r{Code, 0, 0, 0};
    TCustomListView* v = FOwner->Owner();
    if (!v->HandleAllocated() ||
        !SendMessage(v->GetHandle(), LVM_GETITEMRECT, static_cast<WPARAM>(GetIndex()), reinterpret_cast<LPARAM>(&r)))
        return RECT{};
    return r;
}

// Sends the caption, image and sub-items to the window.
void TListItem::push() const
{
    TCustomListView* v = FOwner->Owner();
    if (!v->HandleAllocated())
        return;
    const int index = GetIndex();
    if (index < 0)
        return;
    HWND h = v->GetHandle();
    LVITEM item;
    item.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM;
    item.iItem = index;
    item.pszText = FCaption.c_str();
    item.iImage = FImageIndex;
    item.lParam = reinterpret_cast<LPARAM>(this);
    SendMessage(h, LVM_SETITEM, 0, reinterpret_cast<LPARAM>(&item));
    for (int s = 0; s < FSubItems->Count(); ++s) {
        const std::string text = FSubItems->Get(s);
        LVITEM sub;
        sub.mask = LVIF_TEXT;
        sub.iItem = index;
        sub.iSubItem = s + 1;
        sub.pszText = text.c_str();
        SendMessage(h, LVM_SETITEM, 0, reinterpret_cast<LPARAM>(&sub));
    }
}

TListItems::~TListItems() = default;

TListItem* TListItems::Insert(int Index)
{
    Index = std::clamp(Index, 0, Count());
    FItems.insert(FItems.begin() + Index, std::make_unique<TListItem>(this));
    FOwner->insertItem(Index);
    return FItems[static_cast<std::size_t>(Index)].get();
}

void TListItems::Delete(int Index)
{
    if (Index < 0 || Index >= Count())
        return;
    FOwner->deleteItem(Index);
    FItems.erase(FItems.begin() + Index);
}

void TListItems::Clear()
{
    if (FOwner->HandleAllocated())
        SendMessage(FOwner->GetHandle(), LVM_DELETEALLITEMS, 0, 0);
    FItems.clear();
}

int TListItems::IndexOf(const TListItem* Item) const
{
    for (std::size_t i = 0; i < FItems.size(); ++i)
        if (FItems[i].get() == Item)
            return static_cast<int>(i);
    return -1;
}

// --- the view --------------------------------------------------------------------------------

TCustomListView::TCustomListView(TComponent* AOwner)
    : TCommonControl(AOwner), FColumns(std::make_unique<TListColumns>(this)), FItems(std::make_unique<TListItems>(this))
{
    SetBounds(0, 0, 250, 150);
    SetTabStop(true);
    SetColor(clWindow);
    SetParentColor(false);
}

TCustomListView::~TCustomListView()
{
    FItems.reset();
    FColumns.reset();
}

void TCustomListView::CreateParams(TCreateParams& Params)
{
    TCommonControl::CreateParams(Params);
    CreateSubClass(Params, WC_LISTVIEW);
    static const DWORD styles[] = {LVS_ICON, LVS_SMALLICON, LVS_LIST, LVS_REPORT};
    Params.Style |= styles[static_cast<int>(FViewStyle)] | WS_HSCROLL | WS_VSCROLL;
    if (!FMultiSelect)
        Params.Style |= LVS_SINGLESEL;
    if (!FHideSelection)
        Params.Style |= LVS_SHOWSELALWAYS;
    if (!FShowColumnHeaders)
        Params.Style |= LVS_NOCOLUMNHEADER;
    Params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TCustomListView::FillWindow()
{
    FFilling = true;
    applyColors();
    SendToWindow(LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(FSmallImages));
    SendToWindow(LVM_SETIMAGELIST, LVSIL_NORMAL, reinterpret_cast<LPARAM>(FLargeImages));
    UpdateColumns();
    for (int i = 0; i < FItems->Count(); ++i) {
        insertItem(i);
        if (FItems->Item(i)->FSelected)
            FItems->Item(i)->SetSelected(true);
    }
    FFilling = false;
}

void TCustomListView::applyColors()
{
    const DWORD ex = (FRowSelect ? LVS_EX_FULLROWSELECT : 0) | (FGridLines ? LVS_EX_GRIDLINES : 0);
    SendToWindow(LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES, ex);
    SendToWindow(LVM_SETBKCOLOR, 0, static_cast<LPARAM>(ColorToRGB(GetColor())));
    SendToWindow(LVM_SETTEXTCOLOR, 0, static_cast<LPARAM>(ColorToRGB(Font()->GetColor())));
    if (HWND header = reinterpret_cast<HWND>(SendToWindow(LVM_GETHEADER, 0, 0))) {
        LONG_PTR style = GetWindowLongPtr(header, GWL_STYLE);
        style = FFullDrag ? (style | HDS_FULLDRAG) : (style & ~static_cast<LONG_PTR>(HDS_FULLDRAG));
        SetWindowLongPtr(header, GWL_STYLE, style);
    }
}

void TCustomListView::UpdateColumns()
{
    if (!HandleAllocated() || !FColumns)
        return;
    while (SendToWindow(LVM_DELETECOLUMN, 0, 0)) {
    }
    for (int i = 0; i < FColumns->Count(); ++i) {
        TListColumn* c = FColumns->Items(i);
        LVCOLUMN col;
        col.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT | LVCF_IMAGE;
        col.pszText = c->GetCaption().c_str();
        col.cx = c->FWidth;
        col.fmt = FormatOf(c->GetAlignment()) | (c->GetImageIndex() >= 0 ? LVCFMT_IMAGE : 0);
        col.iImage = c->GetImageIndex();
        SendToWindow(LVM_INSERTCOLUMN, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&col));
    }
    for (int i = 0; i < FItems->Count(); ++i)
        FItems->Item(i)->push();
}

void TCustomListView::insertItem(int Index)
{
    if (!HandleAllocated())
        return;
    LVITEM item;
    item.mask = LVIF_TEXT;
    item.iItem = Index;
    item.pszText = "";
    SendToWindow(LVM_INSERTITEM, 0, reinterpret_cast<LPARAM>(&item));
    FItems->Item(Index)->push();
}

void TCustomListView::deleteItem(int Index)
{
    SendToWindow(LVM_DELETEITEM, static_cast<WPARAM>(Index), 0);
}

void TCustomListView::restyle()
{
    RecreateWnd();
}

void TCustomListView::SetViewStyle(TViewStyle Value)
{
    if (Value == FViewStyle)
        return;
    FViewStyle = Value;
    if (HandleAllocated()) {
        static const DWORD styles[] = {LVS_ICON, LVS_SMALLICON, LVS_LIST, LVS_REPORT};
        const LONG_PTR style = GetWindowLongPtr(FHandle, GWL_STYLE);
        SetWindowLongPtr(FHandle, GWL_STYLE, (style & ~static_cast<LONG_PTR>(LVS_TYPEMASK)) | styles[static_cast<int>(Value)]);
        applyColors();
    }
}

void TCustomListView::SetShowColumnHeaders(bool Value)
{
    if (Value == FShowColumnHeaders)
        return;
    FShowColumnHeaders = Value;
    if (HandleAllocated()) {
        const LONG_PTR style = GetWindowLongPtr(FHandle, GWL_STYLE);
        SetWindowLongPtr(FHandle, GWL_STYLE,
                         Value ? (style & ~static_cast<LONG_PTR>(LVS_NOCOLUMNHEADER)) : (style | LVS_NOCOLUMNHEADER));
        UpdateColumns();
    }
}

void TCustomListView::SetRowSelect(bool Value)
{
    FRowSelect = Value;
    applyColors();
}

void TCustomListView::SetGridLines(bool Value)
{
    FGridLines = Value;
    applyColors();
}

void TCustomListView::SetFullDrag(bool Value)
{
    FFullDrag = Value;
    applyColors();
}

void TCustomListView::SetMultiSelect(bool Value)
{
    if (Value == FMultiSelect)
        return;
    FMultiSelect = Value;
    restyle();
}

void TCustomListView::SetHideSelection(bool Value)
{
    if (Value == FHideSelection)
        return;
    FHideSelection = Value;
    restyle();
}

void TCustomListView::SetSmallImages(TCustomImageList* Value)
{
    if (FSmallImages)
        FSmallImages->RemoveFreeNotification(this);
    FSmallImages = Value;
    if (Value)
        Value->FreeNotification(this);
    SendToWindow(LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(Value));
}

void TCustomListView::SetLargeImages(TCustomImageList* Value)
{
    if (FLargeImages)
        FLargeImages->RemoveFreeNotification(this);
    FLargeImages = Value;
    if (Value)
        Value->FreeNotification(this);
    SendToWindow(LVM_SETIMAGELIST, LVSIL_NORMAL, reinterpret_cast<LPARAM>(Value));
}

void TCustomListView::Notification(TComponent* AComponent, TOperation Operation)
{
    TCommonControl::Notification(AComponent, Operation);
    if (Operation != TOperation::opRemove)
        return;
    if (AComponent == FSmallImages)
        SetSmallImages(nullptr);
    if (AComponent == FLargeImages)
        SetLargeImages(nullptr);
}

TListItem* TCustomListView::GetSelected() const
{
    for (int i = 0; i < FItems->Count(); ++i)
        if (FItems->Item(i)->GetSelected())
            return FItems->Item(i);
    return nullptr;
}

void TCustomListView::SetSelected(TListItem* Value)
{
    for (int i = 0; i < FItems->Count(); ++i)
        FItems->Item(i)->SetSelected(FItems->Item(i) == Value);
}

TListItem* TCustomListView::GetTopItem()
{
    const int top = static_cast<int>(SendMessage(GetHandle(), LVM_GETTOPINDEX, 0, 0));
    return top >= 0 && top < FItems->Count() ? FItems->Item(top) : nullptr;
}

TListItem* TCustomListView::GetItemAt(int X, int Y)
{
    LVHITTESTINFO hit;
    hit.pt = POINT{X, Y};
    const int i = static_cast<int>(SendMessage(GetHandle(), LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
    return i >= 0 && i < FItems->Count() ? FItems->Item(i) : nullptr;
}

int TCustomListView::VisibleRowCount()
{
    return static_cast<int>(SendMessage(GetHandle(), LVM_GETCOUNTPERPAGE, 0, 0));
}

void TCustomListView::Scroll(int DX, int DY)
{
    SendMessage(GetHandle(), LVM_SCROLL, static_cast<WPARAM>(DX), static_cast<LPARAM>(DY));
}

void TCustomListView::Change(TListItem* Item, TItemChange Change)
{
    if (OnChange)
        OnChange(this, Item, Change);
}

void TCustomListView::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case CN_NOTIFY: {
        const auto* header = reinterpret_cast<const NMHDR*>(Message.LParam);
        if (header->code == LVN_ITEMCHANGED && !FFilling) {
            const auto* note = reinterpret_cast<const NMLISTVIEW*>(header);
            if (note->iItem >= 0 && note->iItem < FItems->Count()) {
                TListItem* item = FItems->Item(note->iItem);
                const bool selected = (note->uNewState & LVIS_SELECTED) != 0;
                item->FSelected = selected;
                Change(item, TItemChange::ctState);
                const TLVSelectItemEvent handler = OnSelectItem;
                if (handler && ((note->uOldState ^ note->uNewState) & LVIS_SELECTED))
                    handler(this, item, selected);
            }
        } else if (header->code == LVN_COLUMNCLICK) {
            const int column = reinterpret_cast<const NMLISTVIEW*>(header)->iSubItem;
            if (OnColumnClick && column >= 0 && column < FColumns->Count())
                OnColumnClick(this, FColumns->Items(column));
        } else if (header->code == NM_DBLCLK) {
            DblClick();
        }
        break;
    }
    case CM_COLORCHANGED:
    case CM_FONTCHANGED:
        TCommonControl::Dispatch(Message);
        applyColors();
        break;
    default:
        TCommonControl::Dispatch(Message);
        break;
    }
}
