// TskCustomShellTreeView: the root node, lazy children, selection by folder, the links to the
// look-in box and the file list, window creation and the shell's images.

#include "skin/input/skShellTreeView.h"

#include "classlib/Forms.h"
#include "classlib/ImgList.h"
#include "classlib/Menus.h"
#include "classlib/Resources.h"
#include "classlib/SysUtils.h"
#include "platform/shell/ShellExecute.h"
#include "platform/window/User.h"
#include "skin/input/skShellComboBox.h"

namespace {

// The small shell icons, nullptr when their pictures were not registered.
TImageList* SmallShellImages()
{
    try {
        return ShellImages(false);
    } catch (const EResNotFound&) {
        return nullptr;
    }
}

} // namespace

TskCustomShellTreeView::TskCustomShellTreeView(TComponent* AOwner) : TskSkinCustomTreeView(AOwner)
{
    SetShowRoot(false);
}

TskCustomShellTreeView::~TskCustomShellTreeView() = default;

void TskCustomShellTreeView::BeforeDestruction()
{
    if (FListView)
        FListView->LinkTreeView(nullptr);
    if (FComboBox)
        FComboBox->LinkTreeView(nullptr);
    FreeAllNodes();
    delete FRootFolder;
    FRootFolder = nullptr;
    TskSkinCustomTreeView::BeforeDestruction();
}

bool TskCustomShellTreeView::Loading() const
{
    return ComponentState().Contains(csLoading);
}

TskShellFolder* TskCustomShellTreeView::FolderOf(const TTreeNode* Node) const
{
    return Node ? static_cast<TskShellFolder*>(Node->GetData()) : nullptr;
}

TskShellFolder* TskCustomShellTreeView::SelectedFolder() const
{
    return FolderOf(GetSelected());
}

std::string TskCustomShellTreeView::GetPath()
{
    const TskShellFolder* folder = SelectedFolder();
    return folder ? folder->PathName() : std::string();
}

// --- root and object types ------------------------------------------------------------------------

void TskCustomShellTreeView::SetRoot(const TRoot& Value)
{
    if (SameText(Value, FRoot))
        return;
    FOldRoot = FRoot;
    FRoot = Value;
    ApplyRoot();
}

void TskCustomShellTreeView::SetObjectTypes(TShellObjectTypes Value)
{
    FObjectTypes = Value;
    ApplyRoot();
}

void TskCustomShellTreeView::ApplyRoot()
{
    if (FUpdating)
        return;
    TskFlagScope updating(FUpdating);
    RebuildFromRoot();
    if (FListView)
        FListView->SetRoot(FRoot);
}

void TskCustomShellTreeView::RebuildFromRoot()
{
    if (Loading())
        return;
    std::string failure;
    try {
        FRootFolder = ResolveRootFolder(FRootFolder, FOldRoot, FRoot);
    } catch (const Exception& e) {
        failure = e.what();
    }
    if (FRootFolder) {
        TskFlagScope loading(FLoadingRoot);
        if (Items()->Count() > 0)
            FreeAllNodes();
        auto* folder = new TskShellFolder(nullptr, FRootFolder->AbsoluteID());
        TTreeNode* node = Items()->AddChild(nullptr, ShellItemName(folder->AbsoluteID()));
        node->SetData(folder);
        SetNodeImages(node, folder);
        node->SetHasChildren(HasSubfolders(folder));
        node->Expand(false);
        SetSelected(node);
    }
    if (!failure.empty())
        throw Exception(failure);
}

// --- nodes ----------------------------------------------------------------------------------------

bool TskCustomShellTreeView::HasSubfolders(const TskShellFolder* Folder) const
{
    // With hidden items listed, a folder holding only dot-folders keeps its button.
    return ShellItemHasSubfolders(Folder->AbsoluteID(), FObjectTypes.Contains(otHidden));
}

void TskCustomShellTreeView::SetNodeImages(TTreeNode* Node, const TskShellFolder* Folder)
{
    if (!FUseShellImages || GetImages())
        return;
    Node->SetImageIndex(ShellIconIndex(Folder->AbsoluteID(), false, false));
    Node->SetSelectedIndex(ShellIconIndex(Folder->AbsoluteID(), false, true));
}

bool TskCustomShellTreeView::SetUpFolderNode(TTreeNode* Node, TskShellFolder* Folder)
{
    Node->SetData(Folder);
    Node->SetText(Folder->DisplayName());
    SetNodeImages(Node, Folder);
    if (Node->GetSelectedIndex() == 0)
        Node->SetSelectedIndex(Node->GetImageIndex());
    if (FObjectTypes.Contains(otNonFolders) && Folder->IsFolder())
        Node->SetHasChildren(FolderHasItems(Folder, ObjectTypesToFlags(FObjectTypes)));
    else
        Node->SetHasChildren(HasSubfolders(Folder));
    bool canAdd = true;
    if (auto handler = OnAddFolder)
        handler(this, Folder, canAdd);
    if (!canAdd)
        Node->Delete();
    return canAdd;
}

void TskCustomShellTreeView::EnumerateChildren(TTreeNode* Node)
{
    TskBusyCursor busy;
    std::vector<TskShellFolder*> children;
    try {
        children = ListShellFolder(FolderOf(Node), FObjectTypes);
    } catch (const Exception&) {
        return;  // a folder that cannot be read shows no children
    }
    // The model lists children in the shell's order already.
    for (TskShellFolder* child : children)
        SetUpFolderNode(Items()->AddChild(Node, ""), child);
}

void TskCustomShellTreeView::Delete(TTreeNode* Node)
{
    delete FolderOf(Node);
    Node->SetData(nullptr);
    if (Node == FNodeToMonitor)
        FNodeToMonitor = nullptr;
    TskSkinCustomTreeView::Delete(Node);
}

void TskCustomShellTreeView::FreeAllNodes()
{
    Items()->Clear();
}

void TskCustomShellTreeView::ClearNodes()
{
    FreeAllNodes();
}

TTreeNode* TskCustomShellTreeView::FindNodeByIdList(const ShellItemId& AbsoluteID, TTreeNode* Start) const
{
    if (!Start)
        return nullptr;
    const int level = Start->Level();
    for (TTreeNode* node = Start; node && (node == Start || node->Level() > level); node = node->GetNext())
        if (const TskShellFolder* folder = FolderOf(node); folder && folder->AbsoluteID() == AbsoluteID)
            return node;
    return nullptr;
}

// --- hooks ----------------------------------------------------------------------------------------

bool TskCustomShellTreeView::CanExpand(TTreeNode* Node)
{
    const bool result = TskSkinCustomTreeView::CanExpand(Node);
    if (!result)
        return false;
    if (TskShellFolder* folder = FolderOf(Node)) {
        if (folder->IsFolder()) {
            if (Node->GetHasChildren() && Node->Count() == 0)
                EnumerateChildren(Node);
        } else {
            const std::string path = folder->PathName();
            const std::string directory = ExtractFilePath(path);
            ShellExecute(HandleAllocated() ? GetHandle() : nullptr, nullptr, path.c_str(), nullptr, directory.c_str(), 0);
        }
    }
    Node->SetHasChildren(Node->Count() > 0);
    return result;
}

bool TskCustomShellTreeView::CanChange(TTreeNode* Node)
{
    const bool result = TskSkinCustomTreeView::CanChange(Node);
    if (!result || FUpdating || !Node)
        return result;
    const bool refresh = FAutoRefresh;
    SetAutoRefresh(false);
    const TskShellFolder* folder = FolderOf(Node);
    if (folder && !folder->IsFolder() && folder->Parent())
        folder = folder->Parent();
    if (folder) {
        const ShellItemId id = folder->AbsoluteID();
        TskFlagScope updating(FUpdating);
        if (FComboBox)
            FComboBox->FollowFolder(id);
        if (FListView)
            FListView->FollowFolder(id);
    }
    FNodeToMonitor = Node;
    SetAutoRefresh(refresh);
    FNodeToMonitor = nullptr;
    return result;
}

// --- selecting folders ------------------------------------------------------------------------------

void TskCustomShellTreeView::SelectIdList(const ShellItemId& AbsoluteID)
{
    if (Loading())
        return;
    // The nodes are built with the window: make it now when the tree can have one.
    if (!HandleAllocated() && GetParent())
        GetHandle();
    if (const TskShellFolder* selected = SelectedFolder(); selected && selected->AbsoluteID() == AbsoluteID)
        return;
    TTreeNode* node = nullptr;
    {
        TskFlagScope updating(FUpdating);
        TTreeNode* start = Items()->GetFirstNode();
        for (const ShellItemId& ancestor : AbsoluteID.Ancestors())
            if (TTreeNode* found = FindNodeByIdList(ancestor, start)) {
                found->Expand(false);
                start = found;
            }
        node = FindNodeByIdList(AbsoluteID, start);
        SetSelected(node);
    }
    if (!node)
        return;
    const ShellItemId id = FolderOf(node)->AbsoluteID();
    if (FListView)
        FListView->FollowFolder(id);
    if (FComboBox)
        FComboBox->FollowFolder(id);
}

void TskCustomShellTreeView::SetPath(const std::string& Value)
{
    FPath = Value;
    const std::optional<ShellItemId> id = ShellParsePath(Value);
    if (!id)
        throw EInvalidPath(Format("Error setting path: \"%s\"", {Value}));
    SelectIdList(*id);
    if (TTreeNode* selected = GetSelected()) {
        selected->Expand(false);
        CanChange(selected);
    }
    FPath = Value;
}

void TskCustomShellTreeView::ExpandMyComputer()
{
    SelectIdList(ShellItemId({ShellComputerSegment}));
    if (TTreeNode* selected = GetSelected())
        selected->Expand(false);
}

// --- links ------------------------------------------------------------------------------------------

void TskCustomShellTreeView::SetShellListView(TskShellListLink* Value)
{
    if (Value == FListView)
        return;
    if (FListView)
        FListView->LinkTreeView(nullptr);
    LinkListView(Value);
    if (Value) {
        Value->SetRoot(FRoot);
        Value->LinkTreeView(this);
    }
}

void TskCustomShellTreeView::SetShellComboBox(TskCustomShellComboBox* Value)
{
    if (Value == FComboBox)
        return;
    if (FComboBox)
        FComboBox->LinkTreeView(nullptr);
    LinkComboBox(Value);
    if (Value) {
        Value->SetRoot(FRoot);
        Value->LinkTreeView(this);
    }
}

void TskCustomShellTreeView::LinkListView(TskShellListLink* Value)
{
    if (auto* old = dynamic_cast<TComponent*>(FListView))
        old->RemoveFreeNotification(this);
    FListView = Value;
    if (auto* linked = dynamic_cast<TComponent*>(Value))
        linked->FreeNotification(this);
}

void TskCustomShellTreeView::LinkComboBox(TskCustomShellComboBox* Value)
{
    if (FComboBox)
        FComboBox->RemoveFreeNotification(this);
    FComboBox = Value;
    if (Value)
        Value->FreeNotification(this);
}

void TskCustomShellTreeView::Notification(TComponent* AComponent, TOperation Operation)
{
    TskSkinCustomTreeView::Notification(AComponent, Operation);
    if (Operation != TOperation::opRemove)
        return;
    if (FListView && dynamic_cast<TskShellListLink*>(AComponent) == FListView)
        FListView = nullptr;
    if (AComponent == FComboBox)
        FComboBox = nullptr;
    if (AComponent == FNotifier)
        FNotifier = nullptr;
}

// --- window, images and loading -------------------------------------------------------------------------

void TskCustomShellTreeView::SetUseShellImages(bool Value)
{
    FUseShellImages = Value;
    ApplyImageList();
}

void TskCustomShellTreeView::ApplyImageList()
{
    if (!HandleAllocated())
        return;
    TCustomImageList* images = GetImages() ? GetImages() : FUseShellImages ? SmallShellImages() : nullptr;
    SendMessage(GetHandle(), TVM_SETIMAGELIST, TVSIL_NORMAL, reinterpret_cast<LPARAM>(images));
}

void TskCustomShellTreeView::FillWindow()
{
    TskSkinCustomTreeView::FillWindow();
    ApplyImageList();
}

void TskCustomShellTreeView::CreateWnd()
{
    TskSkinCustomTreeView::CreateWnd();
    // Nodes kept from an earlier window lose their folders' order and state: build them anew.
    FreeAllNodes();
    if (!FLoadingRoot)
        RebuildFromRoot();
    if (FPath.empty())
        return;
    try {
        SetPath(FPath);
    } catch (const EInvalidPath&) {
        // The folder went away since it was set: the tree shows its root.
    }
}

void TskCustomShellTreeView::DestroyWnd()
{
    FreeAllNodes();
    TskSkinCustomTreeView::DestroyWnd();
}

void TskCustomShellTreeView::Loaded()
{
    TskSkinCustomTreeView::Loaded();
    RebuildFromRoot();
}

void TskCustomShellTreeView::Dispatch(TMessage& Message)
{
    if (Message.Msg == WM_CONTEXTMENU && FAutoContext && !(GetPopupMenu() && GetPopupMenu()->GetAutoPopup())) {
        POINT p{GET_X_LPARAM(Message.LParam), GET_Y_LPARAM(Message.LParam)};
        p = p.x == -1 && p.y == -1 ? POINT{0, 0} : ScreenToClient(p);
        Message.Result = 1;
        ShowShellContextMenu(this, SelectedFolder(), p.x, p.y);
        return;
    }
    TskSkinCustomTreeView::Dispatch(Message);
}
