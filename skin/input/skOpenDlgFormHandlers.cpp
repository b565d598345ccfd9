// TskOpenDlgForm's handlers: the list's changes and keys, the edit, the filter, the tool buttons,
// the view-style menu and the accept button.

#include "skin/input/skSkinOpenDialog.h"

#include "classlib/FileSystem.h"
#include "platform/shell/FolderReader.h"
#include "skin/input/skMessages.h"

#include <cerrno>
#include <sys/stat.h>

void TskOpenDlgForm::RaiseFolderChange()
{
    if (auto handler = OnFolderChange)
        handler(this);
}

void TskOpenDlgForm::FLVChange()
{
    const std::string selected = FileListView->GetSelectedFile();
    if (!selected.empty())
        FileNameEdit->SetText(ShownFileName(selected));
    RaiseFolderChange();
}

void TskOpenDlgForm::FLVPathChange()
{
    if (!StopAddToHistory && FileListView->RootFolder())
        FFolderHistory.Add(FileListView->RootFolder()->AbsoluteID());
    if (FileListView->FolderCount() > 0)
        FileListView->SetFocusedIndex(0);
    RaiseFolderChange();
}

void TskOpenDlgForm::InitHistory()
{
    if (FileListView->RootFolder())
        FFolderHistory.Add(FileListView->RootFolder()->AbsoluteID());
}

std::string TskOpenDlgForm::CurrentFilterExtension(bool WithDefaultExt)
{
    return FilterExtension(FilterComboBox->GetMask(), WithDefaultExt ? DefaultExt : std::string());
}

void TskOpenDlgForm::FCBChange()
{
    FileListView->SetMask(FilterComboBox->GetMask());
    if (SaveMode)
        FileNameEdit->SetText(ChangeTypedExtension(FileNameEdit->GetText(), CurrentFilterExtension(false)));
}

bool TskOpenDlgForm::ConfirmOverwrite()
{
    struct Freed {
        void operator()(TskSkinMessage* Message) const { Message->Free(); }
    };
    std::unique_ptr<TskSkinMessage, Freed> message(new TskSkinMessage(nullptr));
    message->SetSkinData(BSF->GetSkinData());
    message->SetCtrlSkinData(CtrlSD);
    return message->MessageDlg(Text("MSG_OVERWRITE", "Do you want to overwrite old file?"), mtWarning, {mbOK, mbCancel}, 0) ==
           mrOk;
}

void TskOpenDlgForm::Accept(const std::string& Name, bool FromSelection)
{
    FileName = Name;
    FileNameFromSelection = FromSelection;
    SetModalResult(mrOk);
}

std::string TskOpenDlgForm::ShownSelectedFile(const std::string& EditText) const
{
    TStringList files;
    FileListView->GetSelectedFiles(&files);
    for (int i = 0; i < files.Count(); ++i)
        if (SelectionInForce(EditText, files.Get(i)))
            return files.Get(i);
    return FileListView->GetSelectedFile();
}

void TskOpenDlgForm::OpenButtonClick()
{
    TAcceptInput input;
    input.SaveMode = SaveMode;
    input.CheckFileExists = CheckFileExists;
    input.OverwritePrompt = OverwritePromt;
    input.Folder = FileListView->GetPath();
    input.Text = FileNameEdit->GetText();
    input.SelectedFile = ShownSelectedFile(input.Text);
    input.Extension = CurrentFilterExtension(true);
    const TAcceptDecision decision = DecideAccept(input);
    if (decision.Action == TAcceptAction::Nothing)
        return;
    if (decision.Action == TAcceptAction::AskOverwrite && !ConfirmOverwrite())
        return;
    Accept(decision.FileName, decision.FromSelection);
}

void TskOpenDlgForm::FLVDBLClick()
{
    // The list has entered a double-clicked folder already.
    const std::string selected = FileListView->GetSelectedFile();
    if (selected.empty())
        return;
    if (SaveMode && OverwritePromt && !ConfirmOverwrite())
        return;
    Accept(selected, true);
}

void TskOpenDlgForm::FLVKeyPress(char32_t& Key)
{
    if (Key == U'\r' && !FileListView->GetSelectedFile().empty())
        OpenButtonClick();
}

void TskOpenDlgForm::EditKeyPress(char32_t& Key)
{
    if (Key != U'\r')
        return;
    Key = 0;
    const std::string text = FileNameEdit->GetText();
    if (text.find('*') != std::string::npos) {
        FileListView->SetMask(text);
        return;
    }
    if (text.find('/') != std::string::npos) {
        const std::optional<std::string> full = FullTypedName(FileListView->GetPath(), text);
        if (full && IsExistingDirectory(*full)) {
            FileListView->SetPath(*full);
            return;
        }
    }
    OpenButtonClick();
}

void TskOpenDlgForm::BackToolButtonClick()
{
    const std::optional<ShellItemId> folder = FFolderHistory.Back();
    if (!folder)
        return;
    TskFlagScope stop(StopAddToHistory);
    FileListView->FollowFolder(*folder);
}

void TskOpenDlgForm::UpToolButtonClick()
{
    FileListView->Back();
}

void TskOpenDlgForm::NewFolderToolButtonClick()
{
    const std::string folder = FileListView->GetPath();
    // Only a folder of the file system can hold the new one (Computer has no path).
    if (folder.empty())
        return;
    ++NewFolderCount;
    const std::string name = NewFolderName(Text("MSG_NEWFOLDER", "New Folder"), NewFolderCount);
    const std::string full = JoinPath(folder, name);
    if (IsExistingDirectory(full))
        return;
    if (mkdir(full.c_str(), 0777) != 0)
        throw EInOutError(full, errno);
    FileListView->ReloadFolder();
    Application->ProcessMessages();
    for (int row = 0; row < FileListView->FolderCount(); ++row) {
        if (FileListView->Folders(row)->DisplayName() == name) {
            FileListView->SetItemIndex(row);
            FileListView->EditRow(row);
            break;
        }
    }
}

void TskOpenDlgForm::CheckStyleItem(TViewStyle Style)
{
    IconMenuItem->SetChecked(Style == TViewStyle::vsIcon);
    SmallIconMenuItem->SetChecked(Style == TViewStyle::vsSmallIcon);
    ListMenuItem->SetChecked(Style == TViewStyle::vsList);
    ReportMenuItem->SetChecked(Style == TViewStyle::vsReport);
}

void TskOpenDlgForm::SetStyle(TViewStyle Style)
{
    FileListView->SetViewStyle(Style);
    CheckStyleItem(Style);
}

void TskOpenDlgForm::IconItemClick()
{
    SetStyle(TViewStyle::vsIcon);
}

void TskOpenDlgForm::SmallIconItemClick()
{
    SetStyle(TViewStyle::vsSmallIcon);
}

void TskOpenDlgForm::ListItemClick()
{
    SetStyle(TViewStyle::vsList);
}

void TskOpenDlgForm::ReportItemClick()
{
    SetStyle(TViewStyle::vsReport);
}
