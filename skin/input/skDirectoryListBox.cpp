// TskSkinDirectoryListBox: the shown folder as an indented list of its path and its subfolders.

#include "skin/input/skfilectrl.h"

#include "classlib/Bitmap.h"
#include "classlib/Canvas.h"
#include "classlib/FileSystem.h"
#include "classlib/SysUtils.h"
#include "skin/core/skTextUtils.h"
#include "skin/form/skSkinCtrls.h"

TskSkinDirectoryListBox::TskSkinDirectoryListBox(TComponent* AOwner)
    : TskSkinListBox(AOwner), ClosedBMP(LoadFileCtrlBitmap("BS_CLOSEDFOLDER")),
      OpenedBMP(LoadFileCtrlBitmap("BS_OPENFOLDER")), CurrentBMP(LoadFileCtrlBitmap("BS_CURRENTFOLDER"))
{
    OnDrawItem = [this](TCanvas* Cnvs, int Index, int, int, RECT TxtRect, TOwnerDrawState) {
        DrawFolderItem(Cnvs, Index, TxtRect);
    };
    SetWidth(145);
    SetSorted(false);
    // A working folder that cannot be read leaves the new list empty on it, rather than a
    // control half made.
    try {
        SetDirectory(GetCurrentDir());
    } catch (const EInOutError&) {
        FDirectory = GetCurrentDir();
    }
}

TskSkinDirectoryListBox::~TskSkinDirectoryListBox() = default;

void TskSkinDirectoryListBox::CreateWnd()
{
    TskSkinListBox::CreateWnd();
    // Showing the control never fails: a folder gone or unreadable since keeps its items.
    try {
        BuildFolderList();
    } catch (const EInOutError&) {
    }
    SetItemIndex(CountSlashes(FDirectory));
}

void TskSkinDirectoryListBox::Notification(TComponent* AComponent, TOperation Operation)
{
    TskSkinListBox::Notification(AComponent, Operation);
    if (Operation != TOperation::opRemove)
        return;
    if (AComponent == FFileList)
        FFileList = nullptr;
    if (AComponent == FDriveCombo)
        FDriveCombo = nullptr;
    if (AComponent == FDirLabel)
        FDirLabel = nullptr;
}

void TskSkinDirectoryListBox::SetDirectory(const std::string& Value)
{
    if (Value.empty() || FileCompareText(Value, FDirectory) == 0)
        return;
    // Taken from the working folder now: a drive change below moves it.
    const std::string folder = ExpandFileName(ResolvePathParts(Value).Folder);
    const std::string drive = VolumeOf(folder);
    if (drive != GetDrive()) {
        // The drive box (or this list) moves to the volume without reading it: the folder
        // change below reads the folder once.
        FInSetDir = true;
        try {
            if (FDriveCombo)
                FDriveCombo->SetDrive(drive);
            else
                DriveChange(drive);
        } catch (...) {
            FInSetDir = false;
            throw;
        }
        FInSetDir = false;
    }
    ChangeToFolder(folder);
}

void TskSkinDirectoryListBox::SetDrive(const std::string& Value)
{
    if (Value != GetDrive())
        SetDirectory(Value);
}

void TskSkinDirectoryListBox::DriveChange(const std::string& NewDrive)
{
    if (NewDrive == GetDrive())
        return;
    if (!NewDrive.empty() && SetCurrentDir(NewDrive))
        FDirectory = GetCurrentDir();
    if (!FInSetDir) {
        BuildFolderList();
        FolderChanged();
    }
}

void TskSkinDirectoryListBox::ChangeToFolder(const std::string& Path)
{
    EnterShownFolder(FDirectory, Path, [this] { BuildFolderList(); });
    FolderChanged();
}

void TskSkinDirectoryListBox::FolderChanged()
{
    if (FFileList)
        FFileList->EnterFolder(FDirectory);
    UpdateDirLabel();
    if (auto handler = OnChange)
        handler(this);
}

void TskSkinDirectoryListBox::UpdateList()
{
    BuildFolderList();
    FolderChanged();
}

void TskSkinDirectoryListBox::OpenCurrent()
{
    SetDirectory(GetItemPath(GetItemIndex()));
}

void TskSkinDirectoryListBox::ListBoxDblClick()
{
    TskSkinListBox::ListBoxDblClick();
    OpenCurrent();
}

void TskSkinDirectoryListBox::ListBoxKeyPress(char32_t& Key)
{
    TskSkinListBox::ListBoxKeyPress(Key);
    if (Key == 13)
        OpenCurrent();
}

std::string TskSkinDirectoryListBox::DisplayCase(const std::string& S) const
{
    return FPreserveCase || FCaseSensitive ? S : LowerCase(S);
}

int TskSkinDirectoryListBox::FileCompareText(const std::string& A, const std::string& B) const
{
    if (FCaseSensitive)
        return A.compare(B);
    return CompareText(A, B);
}

void TskSkinDirectoryListBox::SetFileList(TskSkinFileListBox* Value)
{
    if (FFileList)
        FFileList->FDirList = nullptr;
    FFileList = Value;
    if (Value) {
        Value->FreeNotification(this);
        Value->FDirList = this;
    }
}

void TskSkinDirectoryListBox::SetDirLabel(TskSkinStdLabel* Value)
{
    FDirLabel = Value;
    if (Value)
        Value->FreeNotification(this);
    UpdateDirLabel();
}

void TskSkinDirectoryListBox::UpdateDirLabel()
{
    if (!FDirLabel)
        return;
    const int width = FDirLabel->GetAutoSize() ? GetWidth() : FDirLabel->GetWidth();
    FDirLabel->SetCaption(ShortenPathToWidth(FDirectory, FDirLabel->Canvas(), width));
}

void TskSkinDirectoryListBox::BuildFolderList()
{
    // Read first: a folder that cannot be read leaves the items as they were.
    std::vector<TFolderItem> items = ::BuildFolderList(FDirectory);
    const TVolumeCase volumeCase = VolumeCaseOf(FDirectory);
    FPreserveCase = volumeCase.PreserveCase;
    FCaseSensitive = volumeCase.CaseSensitive;
    FStopUpDateHScrollBar = true;
    Items()->BeginUpdate();
    Items()->Clear();
    for (const TFolderItem& item : items)
        Items()->Add(item.Text);
    FFolderItems = std::move(items);
    Items()->EndUpdate();
    FStopUpDateHScrollBar = false;
    if (HandleAllocated()) {
        int current = 0;
        while (current + 1 < static_cast<int>(FFolderItems.size()) &&
               FFolderItems[static_cast<std::size_t>(current)].Kind != TFolderItemKind::Current)
            ++current;
        SetItemIndex(current);
        UpDateScrollBar();
    }
}

std::string TskSkinDirectoryListBox::GetItemPath(int Index) const
{
    return ::GetItemPath(FFolderItems, FDirectory, Index);
}

int TskSkinDirectoryListBox::Indent(int Index) const
{
    const bool subfolder = Index >= 0 && Index < static_cast<int>(FFolderItems.size()) &&
                           FFolderItems[static_cast<std::size_t>(Index)].Kind == TFolderItemKind::Closed;
    return (subfolder ? CountSlashes(FDirectory) + 1 : Index) * 4 + 2;
}

TBitmap* TskSkinDirectoryListBox::BitmapOf(int Index) const
{
    if (Index < 0 || Index >= static_cast<int>(FFolderItems.size()))
        return nullptr;
    switch (FFolderItems[static_cast<std::size_t>(Index)].Kind) {
    case TFolderItemKind::Opened: return OpenedBMP.get();
    case TFolderItemKind::Current: return CurrentBMP.get();
    case TFolderItemKind::Closed: break;
    }
    return ClosedBMP.get();
}

int TskSkinDirectoryListBox::GetItemTextWidth(int Index, TCanvas* Cnvs)
{
    const TBitmap* bitmap = BitmapOf(Index);
    return TskSkinListBox::GetItemTextWidth(Index, Cnvs) + (bitmap ? bitmap->GetWidth() : 16) + Indent(Index) + 4;
}

void TskSkinDirectoryListBox::DrawFolderItem(TCanvas* Cnvs, int Index, RECT TxtRect)
{
    if (Index < 0 || Index >= Items()->Count())
        return;
    const int offset = ListBox->FHorizontalExtentValue;
    const int indent = Indent(Index);
    int width = 16;
    if (TBitmap* bitmap = BitmapOf(Index)) {
        Cnvs->Draw(TxtRect.left + indent - offset, (TxtRect.top + TxtRect.bottom - bitmap->GetHeight()) / 2, bitmap);
        width = bitmap->GetWidth();
    }
    Cnvs->Brush()->SetStyle(TBrushStyle::bsClear);
    DrawClippedTextVCenteredIndent(Cnvs, Items()->Get(Index), TxtRect, width + indent + 4 - offset);
}
