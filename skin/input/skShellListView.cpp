// TskCustomShellListView: root and properties, navigation, the links to the folder tree and the
// look-in box, the window's life and the change notifier.

#include "skin/input/skShellListView.h"

#include "classlib/FileSystem.h"
#include "classlib/ImgList.h"
#include "classlib/Resources.h"
#include "classlib/SysUtils.h"
#include "skin/input/skShellComboBox.h"

#include <cstring>

namespace {

// A shell image list, nullptr when its pictures were not registered.
TImageList* ShellImagesOrNone(bool Large)
{
    try {
        return ShellImages(Large);
    } catch (const EResNotFound&) {
        return nullptr;
    }
}

} // namespace

TskCustomShellListView::TskCustomShellListView(TComponent* AOwner) : TskSkinCustomListView(AOwner)
{
    SetOwnerData(true);
    SetHideSelection(false);
}

TskCustomShellListView::~TskCustomShellListView() = default;

void TskCustomShellListView::BeforeDestruction()
{
    *FAlive = false;
    if (FTreeView)
        FTreeView->LinkListView(nullptr);
    if (FComboBox)
        FComboBox->LinkListView(nullptr);
    if (FNotifier) {
        TskShellChangeNotifier* notifier = FNotifier;
        FNotifier = nullptr;
        notifier->Free();
    }
    ReleaseFolders();
    delete FRootFolder;
    FRootFolder = nullptr;
    TskSkinCustomListView::BeforeDestruction();
}

bool TskCustomShellListView::Loading() const
{
    return ComponentState().Contains(csLoading);
}

// --- rows -----------------------------------------------------------------------------------------

void TskCustomShellListView::SetRowCount(int Count)
{
    if (!ComponentState().Contains(csDestroying))
        Items()->SetCount(Count);
}

void TskCustomShellListView::ReleaseFolders()
{
    SetRowCount(0);
    for (const TRow& row : FFolders)
        delete row.Folder;
    FFolders.clear();
    if (FPrefetched) {
        for (TskShellFolder* folder : *FPrefetched)
            delete folder;
        FPrefetched.reset();
    }
}

TskShellFolder* TskCustomShellListView::Folders(int Index) const
{
    return Index >= 0 && Index < FolderCount() ? FFolders[static_cast<std::size_t>(Index)].Folder : nullptr;
}

TskShellFolder* TskCustomShellListView::SelectedFolder() const
{
    return Folders(GetItemIndex());
}

std::string TskCustomShellListView::GetSelectedFile() const
{
    const TskShellFolder* folder = SelectedFolder();
    return folder && !folder->IsFolder() ? folder->FullObjectName() : std::string();
}

void TskCustomShellListView::GetSelectedFiles(TStrings* AFiles) const
{
    AFiles->Clear();
    for (int i = GetItemIndex(); i >= 0 && i < FolderCount(); ++i)
        if (IsSelected(i) && !Folders(i)->IsFolder())
            AFiles->Add(Folders(i)->FullObjectName());
}

// --- properties -------------------------------------------------------------------------------------

std::string TskCustomShellListView::GetPath() const
{
    return FRootFolder ? FRootFolder->PathName() : std::string();
}

void TskCustomShellListView::SetPath(const std::string& Value)
{
    const std::optional<ShellItemId> id = ShellParsePath(Value);
    if (!id)
        throw EInvalidPath(Format("Error setting path: \"%s\"", {Value}));
    OpenFolderID(*id);
}

void TskCustomShellListView::SetRoot(const TRoot& Value)
{
    if (SameText(Value, FRoot))
        return;
    FOldRoot = FRoot;
    FRoot = Value;
    if (Loading())
        return;
    MakeRootFolder();
    FSettingRoot = true;
    ReloadFolder();
}

void TskCustomShellListView::MakeRootFolder()
{
    try {
        FRootFolder = ResolveRootFolder(FRootFolder, FOldRoot, FRoot);
    } catch (const Exception& e) {
        throw EInvalidPath(e.what());
    }
}

void TskCustomShellListView::SetMask(const std::string& Value)
{
    if (Value == FMask)
        return;
    FMask = Value;
    ReloadFolder();
}

void TskCustomShellListView::SetObjectTypes(TShellObjectTypes Value)
{
    FObjectTypes = Value;
    if (!Loading())
        ReloadFolder();
}

void TskCustomShellListView::SetSorted(bool Value)
{
    if (Value == FSorted)
        return;
    FSorted = Value;
    FillFolders();
}

void TskCustomShellListView::SetAutoRefresh(bool Value)
{
    FAutoRefresh = Value;
    if (Loading())
        return;
    WatchShownFolder(FNotifier, this, Value ? GetPath() : std::string(), [this] {
        // A folder gone meanwhile keeps the rows shown; the next navigation tells.
        try {
            Refresh();
        } catch (const Exception&) {
        }
    });
}

void TskCustomShellListView::SetViewStyle(TViewStyle Value)
{
    TskSkinCustomListView::SetViewStyle(Value);
    if (Value == TViewStyle::vsReport)
        BuildColumns();
    UpdateItems(0, FolderCount() - 1);
}

// --- navigation ---------------------------------------------------------------------------------------

void TskCustomShellListView::OpenFolderID(const ShellItemId& AbsoluteID)
{
    if (FUpdating || (FRootFolder && FRootFolder->AbsoluteID() == AbsoluteID))
        return;
    EnterFolder(AbsoluteID);
}

void TskCustomShellListView::EnterFolder(const ShellItemId& AbsoluteID)
{
    TskShellFolder* folder = FolderFromIdList(AbsoluteID);
    std::vector<TskShellFolder*> children;
    try {
        children = ListShellFolder(folder, FObjectTypes);
    } catch (const EInOutError& e) {
        const std::string name = folder->PathName().empty() ? folder->DisplayName() : folder->PathName();
        delete folder;
        throw EInvalidPath(Format("Cannot open folder \"%s\": %s", {name, std::string(std::strerror(e.ErrorCode()))}));
    }
    ReleaseFolders();
    delete FRootFolder;
    FRootFolder = folder;
    FSettingRoot = false;
    FPrefetched = std::move(children);
    ReloadFolder();
    if (const TNotifyEvent handler = OnPathChanged)
        handler(this);
}

void TskCustomShellListView::FollowFolder(const ShellItemId& AbsoluteID)
{
    if (FUpdating)
        return;
    if (!FRootFolder || !(FRootFolder->AbsoluteID() == AbsoluteID))
        OpenFolderID(AbsoluteID);
}

void TskCustomShellListView::Back()
{
    if (!FRootFolder || FRootFolder->AbsoluteID().IsDesktop())
        return;
    OpenFolderID(FRootFolder->AbsoluteID().DropLast());
}

void TskCustomShellListView::Refresh()
{
    if (!FRootFolder)
        return;
    const int selected = GetItemIndex();
    ClearSelection();
    EnterFolder(ShellItemId(FRootFolder->AbsoluteID()));
    if (selected >= 0 && selected < FolderCount())
        SetItemIndex(selected);
}

void TskCustomShellListView::ReloadFolder()
{
    if (FUpdating)
        return;
    TskFlagScope updating(FUpdating);
    const bool refresh = FAutoRefresh;
    struct RestoreRefresh {
        TskCustomShellListView* View;
        bool Value;
        ~RestoreRefresh() { View->SetAutoRefresh(Value); }
    } restore{this, refresh};
    FAutoRefresh = false;
    SyncLinkedViews();
    FillFolders();
    if (GetViewStyle() == TViewStyle::vsReport)
        BuildColumns();
}

void TskCustomShellListView::SyncLinkedViews()
{
    const bool settingRoot = FSettingRoot;
    FSettingRoot = false;
    if (settingRoot) {
        if (FTreeView)
            FTreeView->SetRoot(FRoot);
        return;
    }
    if (!FRootFolder)
        return;
    const ShellItemId id = FRootFolder->AbsoluteID();
    if (FTreeView)
        FTreeView->SelectIdList(id);
    if (FComboBox)
        FComboBox->FollowFolder(id);
}

// --- links ----------------------------------------------------------------------------------------------

void TskCustomShellListView::SetShellTreeView(TskCustomShellTreeView* Value)
{
    if (Value == FTreeView)
        return;
    if (FTreeView)
        FTreeView->LinkListView(nullptr);
    LinkTreeView(Value);
    if (Value) {
        Value->SetRoot(FRoot);
        Value->LinkListView(this);
    }
}

void TskCustomShellListView::SetShellComboBox(TskCustomShellComboBox* Value)
{
    if (Value == FComboBox)
        return;
    if (FComboBox)
        FComboBox->LinkListView(nullptr);
    LinkComboBox(Value);
    if (Value) {
        Value->SetRoot(FRoot);
        Value->LinkListView(this);
    }
}

void TskCustomShellListView::LinkTreeView(TskCustomShellTreeView* Value)
{
    if (FTreeView)
        FTreeView->RemoveFreeNotification(this);
    FTreeView = Value;
    if (Value)
        Value->FreeNotification(this);
}

void TskCustomShellListView::LinkComboBox(TskCustomShellComboBox* Value)
{
    if (FComboBox)
        FComboBox->RemoveFreeNotification(this);
    FComboBox = Value;
    if (Value)
        Value->FreeNotification(this);
}

void TskCustomShellListView::Notification(TComponent* AComponent, TOperation Operation)
{
    TskSkinCustomListView::Notification(AComponent, Operation);
    if (Operation != TOperation::opRemove)
        return;
    if (AComponent == FTreeView)
        FTreeView = nullptr;
    if (AComponent == FComboBox)
        FComboBox = nullptr;
    if (AComponent == FNotifier)
        FNotifier = nullptr;
}

// --- window and loading -------------------------------------------------------------------------------

void TskCustomShellListView::CreateWnd()
{
    TskSkinCustomListView::CreateWnd();
    SetSmallImages(ShellImagesOrNone(false));
    SetLargeImages(ShellImagesOrNone(true));
    if (!FRootFolder) {
        // A root that does not resolve leaves the view empty; setting it told the caller.
        try {
            MakeRootFolder();
        } catch (const EInvalidPath&) {
            return;
        }
    } else if (!FFolders.empty()) {
        return;  // listed before the window came: the window has the rows' count already
    }
    ReloadFolder();
}

void TskCustomShellListView::DestroyWnd()
{
    ReleaseFolders();
    TskSkinCustomListView::DestroyWnd();
}

void TskCustomShellListView::Loaded()
{
    TskSkinCustomListView::Loaded();
    FillFolders();
    SetAutoRefresh(FAutoRefresh);
}

// --- the context menu's verbs ------------------------------------------------------------------------------

void TskCustomShellListView::ExecuteCommand(const std::string& Verb, bool& Handled)
{
    if (SameText(Verb, "rename")) {
        RenameSelected();
        Handled = true;
    } else if (SameText(Verb, "open")) {
        FSavePath = GetCurrentDir();
        if (const TskShellFolder* folder = SelectedFolder())
            SetCurrentDir(ExtractFilePath(folder->PathName()));
    }
}

void TskCustomShellListView::CommandCompleted(const std::string& Verb, bool Succeeded)
{
    if (!Succeeded)
        return;
    if (SameText(Verb, "delete") || SameText(Verb, "paste"))
        Refresh();
    else if (SameText(Verb, "open"))
        SetCurrentDir(FSavePath);
}

void TskCustomShellListView::RenameSelected()
{
    const int index = GetItemIndex();
    if (index >= 0)
        EditRow(index);
}
