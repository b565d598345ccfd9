// TskCustomShellComboBox: the folder list (root, children, the chain to the folder shown), the
// links to the tree and the file list, and the drawing of indented items with their icons.

#include "skin/input/skShellComboBox.h"

#include "classlib/ImgList.h"
#include "classlib/Resources.h"
#include "classlib/SysUtils.h"
#include "skin/input/skShellTreeView.h"

namespace {

int H(const RECT& r) { return r.bottom - r.top; }

// Holds a collection's update open for a scope.
class TUpdateScope {
public:
    explicit TUpdateScope(TCollection* Collection) : FCollection(Collection) { FCollection->BeginUpdate(); }
    ~TUpdateScope() { FCollection->EndUpdate(); }
    TUpdateScope(const TUpdateScope&) = delete;
    TUpdateScope& operator=(const TUpdateScope&) = delete;

private:
    TCollection* FCollection;
};

} // namespace

// --- the folder list ---------------------------------------------------------------------------

TskItemsEx::TskItemsEx() : TCollection(CollectionItemClass<TskItemEx>()) {}

TskItemEx* TskItemsEx::AddItem(const std::string& ACaption, int AImageIndex, int ASelectedIndex, int AIdent,
                               TskShellFolder* AFolder)
{
    TskItemEx* item = Add();
    item->Caption = ACaption;
    item->ImageIndex = AImageIndex;
    item->SelectedImageIndex = ASelectedIndex;
    item->Indent = AIdent;
    item->Data = AFolder;
    return item;
}

// --- the combo box ------------------------------------------------------------------------------

TskCustomShellComboBox::TskCustomShellComboBox(TComponent* AOwner)
    : TskSkinCustomComboBox(AOwner), FItemsEx(std::make_unique<TskItemsEx>())
{
    try {
        FImages = ShellImages(false);
        FImageWidth = FImages->GetWidth();
        FImageHeight = FImages->GetHeight();
    } catch (const EResNotFound&) {
        FImages = nullptr;
    }
    ListBoxWindow()->OnDrawItem = [this](TCanvas* C, int Index, int, int, RECT R, TOwnerDrawState) {
        DrawItem(C, Index, R, true);
    };
    OnComboBoxDrawItem = [this](TCanvas* C, int Index, int, int, RECT R, TOwnerDrawState) { DrawItem(C, Index, R, false); };
}

TskCustomShellComboBox::~TskCustomShellComboBox() = default;

void TskCustomShellComboBox::BeforeDestruction()
{
    if (FTreeView)
        FTreeView->LinkComboBox(nullptr);
    if (FListView)
        FListView->LinkComboBox(nullptr);
    for (int i = 0; i < FItemsEx->Count(); ++i) {
        delete FItemsEx->Items(i)->Data;
        FItemsEx->Items(i)->Data = nullptr;
    }
    FItemsEx->Clear();
    delete FRootFolder;
    FRootFolder = nullptr;
    TskSkinCustomComboBox::BeforeDestruction();
}

bool TskCustomShellComboBox::Loading() const
{
    return ComponentState().Contains(csLoading);
}

std::string TskCustomShellComboBox::GetPath()
{
    const int index = GetItemIndex();
    if (index < 0 || index >= FItemsEx->Count())
        return {};
    const TskShellFolder* folder = FItemsEx->Items(index)->Data;
    return folder ? folder->PathName() : std::string();
}

void TskCustomShellComboBox::SetPath(const std::string& Value)
{
    const std::optional<ShellItemId> id = ShellParsePath(Value);
    if (!id)
        throw EInvalidPath(Format("Error setting path: \"%s\"", {Value}));
    ShowIdList(*id);
}

void TskCustomShellComboBox::SetRoot(const TRoot& Value)
{
    if (SameText(Value, FRoot))
        return;
    FOldRoot = FRoot;
    FRoot = Value;
    ApplyRoot();
}

void TskCustomShellComboBox::SetObjectTypes(TShellObjectTypes Value)
{
    FObjectTypes = Value;
    ApplyRoot();
}

void TskCustomShellComboBox::ApplyRoot()
{
    TskFlagScope updating(FUpdating);
    ClearFolderItems();
    RebuildRootItems();
    if (FTreeView)
        FTreeView->SetRoot(FRoot);
    if (FListView)
        FListView->SetRoot(FRoot);
}

void TskCustomShellComboBox::SetShellTreeView(TskCustomShellTreeView* Value)
{
    if (Value == FTreeView)
        return;
    if (FTreeView)
        FTreeView->LinkComboBox(nullptr);
    LinkTreeView(Value);
    if (Value) {
        Value->SetRoot(FRoot);
        Value->LinkComboBox(this);
    }
}

void TskCustomShellComboBox::LinkTreeView(TskCustomShellTreeView* Value)
{
    if (FTreeView)
        FTreeView->RemoveFreeNotification(this);
    FTreeView = Value;
    if (Value)
        Value->FreeNotification(this);
}

void TskCustomShellComboBox::SetShellListView(TskShellListLink* Value)
{
    if (Value == FListView)
        return;
    if (FListView)
        FListView->LinkComboBox(nullptr);
    LinkListView(Value);
    if (Value) {
        Value->SetRoot(FRoot);
        Value->LinkComboBox(this);
    }
}

void TskCustomShellComboBox::LinkListView(TskShellListLink* Value)
{
    if (auto* old = dynamic_cast<TComponent*>(FListView))
        old->RemoveFreeNotification(this);
    FListView = Value;
    if (auto* linked = dynamic_cast<TComponent*>(Value))
        linked->FreeNotification(this);
}

void TskCustomShellComboBox::Notification(TComponent* AComponent, TOperation Operation)
{
    TskSkinCustomComboBox::Notification(AComponent, Operation);
    if (Operation != TOperation::opRemove)
        return;
    if (AComponent == FTreeView)
        FTreeView = nullptr;
    if (FListView && dynamic_cast<TskShellListLink*>(AComponent) == FListView)
        FListView = nullptr;
}

void TskCustomShellComboBox::FollowFolder(const ShellItemId& AbsoluteID)
{
    if (FUpdating)
        return;
    const TskShellFolder* selected = GetItemIndex() >= 0 ? FolderAt(GetItemIndex()) : nullptr;
    if (selected && selected->AbsoluteID() == AbsoluteID)
        return;
    TskFlagScope updating(FUpdating);
    ShowIdList(AbsoluteID);
}

void TskCustomShellComboBox::SelectionChanged()
{
    if (FItemsEx->UpdateCount() > 0)
        return;
    TskSkinCustomComboBox::SelectionChanged();
    const int index = GetItemIndex();
    if (index < 0 || FUpdating || IsPopupVisible())
        return;
    TskFlagScope updating(FUpdating);
    const TskShellFolder* folder = FolderAt(index);
    if (!folder)
        return;
    const ShellItemId id = folder->AbsoluteID();
    if (FTreeView)
        FTreeView->SelectIdList(id);
    if (FListView)
        FListView->FollowFolder(id);
}

void TskCustomShellComboBox::Click()
{
    // The list's own rebuilds select items too, and so do the arrows in the open list: those
    // only tell OnClick; a committed choice rebuilds.
    if (FUpdating || FItemsEx->UpdateCount() > 0 || IsPopupVisible()) {
        TskSkinCustomComboBox::Click();
        return;
    }
    const TskShellFolder* folder = GetItemIndex() >= 0 ? FolderAt(GetItemIndex()) : nullptr;
    if (!folder)
        return;
    {
        TskFlagScope updating(FUpdating);
        const ShellItemId id = folder->AbsoluteID();
        ShowIdList(id);
    }
    TskSkinCustomComboBox::Click();
}

// --- building the list ----------------------------------------------------------------------------

TskShellFolder* TskCustomShellComboBox::FolderAt(int Index) const
{
    if (FItemsEx->Count() == 0)
        return nullptr;
    return FItemsEx->Items(std::min(Index, FItemsEx->Count() - 1))->Data;
}

int TskCustomShellComboBox::IndexOfIdList(const ShellItemId& AbsoluteID) const
{
    for (int i = FItemsEx->Count() - 1; i >= 0; --i)
        if (const TskShellFolder* folder = FItemsEx->Items(i)->Data; folder && folder->AbsoluteID() == AbsoluteID)
            return i;
    return -1;
}

int TskCustomShellComboBox::FolderImageIndex(const TskShellFolder* Folder) const
{
    return FUseShellImages ? ShellIconIndex(Folder->AbsoluteID(), false, false) : -1;
}

void TskCustomShellComboBox::InsertFolderItem(int Index, const std::string& Caption, TskShellFolder* Folder)
{
    TskItemEx* item = FItemsEx->Insert(Index);
    item->Caption = Caption;
    item->Indent = Folder->Level();
    item->Data = Folder;
    item->ImageIndex = FolderImageIndex(Folder);
}

void TskCustomShellComboBox::SyncCaptions()
{
    TStrings* captions = Items();
    captions->BeginUpdate();
    captions->Clear();
    for (int i = 0; i < FItemsEx->Count(); ++i)
        captions->Add(FItemsEx->Items(i)->Caption);
    captions->EndUpdate();
}

void TskCustomShellComboBox::ClearFolderItems()
{
    {
        TUpdateScope update(FItemsEx.get());
        for (int i = 0; i < FItemsEx->Count(); ++i) {
            delete FItemsEx->Items(i)->Data;
            FItemsEx->Items(i)->Data = nullptr;
        }
        FItemsEx->Clear();
    }
    SyncCaptions();
}

void TskCustomShellComboBox::ApplyImageList(bool On)
{
    FUseShellImages = On;
    FImageWidth = On && FImages ? FImages->GetWidth() : 16;
    FImageHeight = On && FImages ? FImages->GetHeight() : 16;
}

void TskCustomShellComboBox::RebuildRootItems()
{
    if (Loading())
        return;
    TUpdateScope update(FItemsEx.get());
    ClearFolderItems();
    FRootFolder = ResolveRootFolder(FRootFolder, FOldRoot, FRoot);
    auto* root = new TskShellFolder(nullptr, FRootFolder->AbsoluteID());
    const int image = FolderImageIndex(root);
    FItemsEx->AddItem(root->DisplayName(), image, image, 0, root);
    AddRootChildren();
    SyncCaptions();
    SetItemIndex(0);
    if (FUseShellImages)
        ApplyImageList(true);
}

void TskCustomShellComboBox::AddRootChildren()
{
    TUpdateScope update(FItemsEx.get());
    InsertChildItems(0, FRootFolder);
    if (FRoot != "rfDesktop")
        return;
    const int computer = IndexOfIdList(ShellItemId({ShellComputerSegment}));
    if (computer >= 0)
        InsertChildItems(computer, FolderAt(computer));
}

void TskCustomShellComboBox::InsertChildItems(int Index, TskShellFolder* Folder)
{
    // The model lists children in the shell's order already.
    const std::vector<TskShellFolder*> children = ListShellFolder(Folder, FObjectTypes);
    TUpdateScope update(FItemsEx.get());
    int at = Index + 1;
    for (TskShellFolder* child : children) {
        InsertFolderItem(at++, child->DisplayName(), child);
        FItemsEx->Items(at - 1)->SelectedImageIndex = FItemsEx->Items(at - 1)->ImageIndex;
    }
}

void TskCustomShellComboBox::ShowIdList(const ShellItemId& AbsoluteID)
{
    TUpdateScope update(FItemsEx.get());
    RebuildRootItems();
    const std::vector<ShellItemId> ancestors = AbsoluteID.Ancestors();
    const int n = static_cast<int>(ancestors.size());
    int j = n - 1, i = -1;
    for (; j >= 0; --j)
        if ((i = IndexOfIdList(ancestors[static_cast<std::size_t>(j)])) >= 0)
            break;
    if (i < 0)
        return;
    for (++j; j < n; ++j, ++i) {
        auto* child = new TskShellFolder(FolderAt(i), ancestors[static_cast<std::size_t>(j)].LastItem());
        InsertFolderItem(i + 1, child->DisplayName(), child);
    }
    int selected = IndexOfIdList(AbsoluteID);
    if (selected < 0) {
        auto* folder = new TskShellFolder(FolderAt(i), AbsoluteID.LastItem());
        InsertFolderItem(i + 1, folder->DisplayName(), folder);
        selected = i + 1;
    }
    SyncCaptions();
    SetItemIndex(selected);
}

// --- window and loading ---------------------------------------------------------------------------

void TskCustomShellComboBox::CreateWnd()
{
    TskSkinCustomComboBox::CreateWnd();
    ApplyImageList(FUseShellImages);
    if (FItemsEx->Count() == 0)
        RebuildRootItems();
    SyncCaptions();
}

void TskCustomShellComboBox::DestroyWnd()
{
    ClearFolderItems();
    TskSkinCustomComboBox::DestroyWnd();
}

void TskCustomShellComboBox::Loaded()
{
    TskSkinCustomComboBox::Loaded();
    RebuildRootItems();
}

// --- drawing ----------------------------------------------------------------------------------------

void TskCustomShellComboBox::DrawItem(TCanvas* Cnvs, int Index, RECT R, bool Indented)
{
    if (Index < 0 || Index >= FItemsEx->Count())
        return;
    const TskItemEx* item = FItemsEx->Items(Index);
    if (FImages) {
        const int offset = Indented ? item->Indent * FImageWidth / 2 : 0;
        if (item->ImageIndex >= 0 && item->ImageIndex < FImages->Count())
            FImages->Draw(Cnvs, R.left + offset, R.top + (H(R) - FImageHeight) / 2, item->ImageIndex, true);
        R.left += offset + FImageWidth + 4;
    }
    Cnvs->Brush()->SetStyle(TBrushStyle::bsClear);
    Cnvs->TextOut(R.left, R.top + H(R) / 2 - Cnvs->TextHeight("Wg") / 2, item->Caption);
}
