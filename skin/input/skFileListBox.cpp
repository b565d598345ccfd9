// TskSkinFileListBox: the entries of a folder by mask and type, the selected name, typed paths.

#include "skin/input/skfilectrl.h"

#include "classlib/CustomEdit.h"
#include "classlib/FileSystem.h"
#include "classlib/Forms.h"
#include "classlib/SysUtils.h"

namespace {

// Past this many entries the listing shows the hourglass until it ends.
constexpr int kBusyCursorItems = 100;

} // namespace

TskSkinFileListBox::TskSkinFileListBox(TComponent* AOwner) : TskSkinListBox(AOwner), FDirectory(GetCurrentDir())
{
    SetWidth(145);
    SetMultiSelect(false);
    SetSorted(true);
}

void TskSkinFileListBox::CreateWnd()
{
    TskSkinListBox::CreateWnd();
    // Showing the control never fails: a folder gone or unreadable since lists nothing.
    try {
        ListFiles();
    } catch (const EInOutError&) {
    }
}

void TskSkinFileListBox::Notification(TComponent* AComponent, TOperation Operation)
{
    TskSkinListBox::Notification(AComponent, Operation);
    if (Operation != TOperation::opRemove)
        return;
    if (AComponent == FFileEdit)
        FFileEdit = nullptr;
    if (AComponent == FDirList)
        FDirList = nullptr;
    if (AComponent == FFilterCombo)
        FFilterCombo = nullptr;
}

void TskSkinFileListBox::UpdateList()
{
    ListFiles();
}

void TskSkinFileListBox::SetMask(const std::string& Value)
{
    if (Value == FMask)
        return;
    FMask = Value;
    ListFiles();
}

void TskSkinFileListBox::SetFileType(TskFileType Value)
{
    if (Value == FFileType)
        return;
    FFileType = Value;
    ListFiles();
}

void TskSkinFileListBox::SetDrive(const std::string& Value)
{
    if (Value != GetDrive())
        ApplyFilePath(Value);
}

void TskSkinFileListBox::EnterFolder(const std::string& Path)
{
    if (Path == FDirectory)
        return;
    EnterShownFolder(FDirectory, Path, [this] { ListFiles(); });
}

void TskSkinFileListBox::ListFiles()
{
    if (!HandleAllocated())
        return;
    ChDir(FDirectory);
    const std::vector<std::string> names = ::ListFiles(FDirectory, FMask, FFileType);
    const TCursor remembered = Screen->GetCursor();
    Items()->BeginUpdate();
    Clear();
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (i == kBusyCursorItems)
            Screen->SetCursor(crHourGlass);
        Items()->Add(names[i]);
    }
    Items()->EndUpdate();
    UpDateScrollBar();
    Screen->SetCursor(remembered);
    FileListChanged();
}

std::string TskSkinFileListBox::SelectedFileText()
{
    const int index = GetItemIndex();
    if (index < 0 || Items()->Count() == 0 || !GetSelected(index))
        return "";
    return Items()->Get(index);
}

std::string TskSkinFileListBox::GetFileName()
{
    const std::string selected = SelectedFileText();
    return selected.empty() ? std::string() : JoinFolderPath(FDirectory, selected);
}

void TskSkinFileListBox::SelectFileByName(const std::string& Name)
{
    if (Name == SelectedFileText())
        return;
    std::vector<std::string> names;
    names.reserve(static_cast<std::size_t>(Items()->Count()));
    for (int i = 0; i < Items()->Count(); ++i)
        names.push_back(Items()->Get(i));
    SetItemIndex(::SelectFileByName(names, Name));
    FileListChanged();
}

void TskSkinFileListBox::ListBoxClick()
{
    TskSkinListBox::ListBoxClick();
    if (GetItemIndex() != FLastSel)
        FileListChanged();
}

void TskSkinFileListBox::FileListChanged()
{
    FLastSel = GetItemIndex();
    if (FFileEdit) {
        const std::string selected = SelectedFileText();
        FFileEdit->SetText(selected.empty() ? FMask : selected);
        FFileEdit->SelectAll();
    }
    if (auto handler = OnChange)
        handler(this);
}

void TskSkinFileListBox::SetFileEdit(TCustomEdit* Value)
{
    FFileEdit = Value;
    if (!Value)
        return;
    Value->FreeNotification(this);
    const std::string selected = SelectedFileText();
    Value->SetText(selected.empty() ? FMask : selected);
}

void TskSkinFileListBox::ApplyFilePath(const std::string& EditText)
{
    if (EditText.empty() || EditText == GetFileName())
        return;
    const TPathParts parts = ResolvePathParts(EditText);
    if (FDirList)
        FDirList->SetDirectory(EditText);
    else
        EnterFolder(parts.Folder);
    if (parts.File.find_first_of("*?") != std::string::npos) {
        SetMask(parts.File);
    } else if (!parts.File.empty()) {
        SelectFileByName(parts.File);
        if (GetItemIndex() < 0 && FileExists(JoinFolderPath(GetCurrentDir(), parts.File))) {
            SetMask(parts.File);
            SelectFileByName(parts.File);
        }
    }
}
