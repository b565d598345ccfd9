// TskCustomOpenDialog's Execute and settings, and TskSkinOpenDialog.

#include "skin/input/skSkinOpenDialog.h"

#include "classlib/FileSystem.h"
#include "platform/shell/ShellPlaces.h"

TskCustomOpenDialog::TskCustomOpenDialog(TComponent* AOwner, const std::string& ATitle, const std::string& AFilter,
                                         BYTE AAlphaBlendValue)
    : TskSkinDialogComponent(AOwner, ATitle, AAlphaBlendValue), FFilter(AFilter), FFiles(std::make_unique<TStringList>())
{
}

std::string TskCustomOpenDialog::StartFolder() const
{
    const std::size_t slash = FFileName.rfind('/');
    if (slash != std::string::npos) {
        const std::string folder = slash == 0 ? "/" : FFileName.substr(0, slash);
        if (IsExistingDirectory(folder))
            return ExpandFileName(folder);
    }
    if (!FInitialDir.empty() && IsExistingDirectory(FInitialDir))
        return ExpandFileName(FInitialDir);
    return HomeFolder();
}

void TskCustomOpenDialog::Configure(TskOpenDlgForm* Form)
{
    ConfigureFrame(Form->BSF);
    TskFormSkin* frame = Form->BSF;
    for (TskSkinCustomComboBox* box : {static_cast<TskSkinCustomComboBox*>(Form->ShellBox),
                                       static_cast<TskSkinCustomComboBox*>(Form->FilterComboBox)}) {
        box->SetAlphaBlend(FCtrlAlphaBlend);
        box->SetAlphaBlendValue(FCtrlAlphaBlendValue);
        box->SetAlphaBlendAnimation(FCtrlAlphaBlendAnimation);
    }
    frame->SetMenusAlphaBlend(FCtrlAlphaBlend);
    frame->SetMenusAlphaBlendValue(FCtrlAlphaBlendValue);
    frame->SetMenusAlphaBlendAnimation(FCtrlAlphaBlendAnimation);

    TskSkinFileListView* list = Form->FileListView;
    Form->OpenButton->SetDefaultFont(DefaultFont());
    Form->CancelButton->SetDefaultFont(DefaultFont());
    Form->ShellBox->SetDefaultFont(DefaultFont());
    list->SetDefaultFont(DefaultFont());

    Form->CheckStyleItem(ListViewStyle);
    list->SetViewStyle(ListViewStyle);
    list->SetRoot(StartFolder());
    list->SetHeaderSkinDataName(FLVHeaderSkinDataName);
    list->SetSkinData(GetCtrlSkinData());
    list->SetMultiSelect(FMultiSelection);
    if (FShowHiddenFiles) {
        TShellObjectTypes types = list->GetObjectTypes();
        types << otHidden;
        list->SetObjectTypes(types);
    }

    TskSkinFilterComboBox* filter = Form->FilterComboBox;
    filter->SetFilter(FFilter);
    filter->HandleNeeded();
    const int count = filter->Items()->Count();
    // An index outside the entries takes the first one.
    filter->SetItemIndex(FFilterIndex >= 1 && FFilterIndex <= count ? FFilterIndex - 1 : 0);
    list->SetMask(filter->GetMask());
    AfterFilter(Form);

    GiveSkinData(GetCtrlSkinData(), Form->FileListViewPanel, Form->BottomPanel, Form->ToolPanel, Form->Drivelabel,
                 Form->NewFolderToolButton, Form->UpToolButton, Form->BackToolButton, Form->StyleToolButton,
                 Form->FLVHScrollBar, Form->FLVVScrollBar, Form->FileNameEdit, filter, Form->OpenButton, Form->CancelButton,
                 Form->OpenFileLabel, Form->FileTypeLabel, Form->ShellBox);
    Form->ShellBox->SetSkinDataName("combobox");

    const SIZE fallback = DefaultClientSize();
    SizeForm(frame, fallback.cx, fallback.cy);

    // The rows come with the list's window.
    list->HandleNeeded();
    if (list->FolderCount() > 0)
        list->SetFocusedIndex(0);
    Form->FileNameEdit->SetText(ShownFileName(FFileName));
    Form->InitHistory();
    AfterFirstRow(Form);
}

bool TskCustomOpenDialog::Execute()
{
    return RunDialog([this] { return CreateForm(); },
                     [this] {
                         TskOpenDlgForm* form = Form();
                         CopyIntoForm(form);
                         Configure(form);
                         const bool result = form->ShowModal() == mrOk;
                         KeepFormState(form);
                         FFilterIndex = form->FilterComboBox->GetItemIndex() + 1;
                         KeepClientSize();
                         ListViewStyle = form->FileListView->GetViewStyle();
                         if (result) {
                             FFileName = ConfirmedFileName(form);
                             if (form->FileNameFromSelection) {
                                 form->FileListView->GetSelectedFiles(FFiles.get());
                             } else {
                                 FFiles->Clear();
                                 FFiles->Add(FFileName);
                             }
                         }
                         return result;
                     });
}

TskSkinOpenDialog::TskSkinOpenDialog(TComponent* AOwner) : TskCustomOpenDialog(AOwner, "Open file", "All files|*.*", 225)
{
}

void TskSkinOpenDialog::SetFileName(const std::string& Value)
{
    FFileName = Value;
    if (Form())
        Form()->FileNameEdit->SetText(ShellDisplayText(Value));
}

std::string TskSkinOpenDialog::GetSelectedFile() const
{
    return Form() ? Form()->FileListView->GetSelectedFile() : std::string();
}

TskOpenDlgForm* TskSkinOpenDialog::CreateForm()
{
    return new TskOpenDlgForm(Application, FSaveMode, GetCtrlSkinData(), GetToolButtonsTransparent());
}

void TskSkinOpenDialog::CopyIntoForm(TskOpenDlgForm* Form)
{
    Form->OverwritePromt = GetOverwritePromt();
    Form->OnFolderChange = OnFolderChange;
    Form->CheckFileExists = GetCheckFileExists();
    Form->DefaultExt = FDefaultExt;
}
