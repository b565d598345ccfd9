// TskCustomOpenDialog's Execute and settings, and TskSkinOpenDialog.

#include "skin/input/skSkinOpenDialog.h"

#include "classlib/FileSystem.h"
#include "platform/shell/ShellPlaces.h"

#include <algorithm>

TskCustomOpenDialog::TskCustomOpenDialog(TComponent* AOwner, const std::string& ATitle, const std::string& AFilter,
                                         BYTE AAlphaBlendValue)
    : TComponent(AOwner), FDefaultFont(std::make_unique<TFont>()), FTitle(ATitle), FFilter(AFilter),
      FAlphaBlendValue(AAlphaBlendValue), FFiles(std::make_unique<TStringList>())
{
    FDefaultFont->SetName("Arial");
    FDefaultFont->SetHeight(14);
}

TskCustomOpenDialog::~TskCustomOpenDialog() = default;

void TskCustomOpenDialog::SetSkinData(TskSkinData* Value)
{
    if (FSD)
        FSD->RemoveFreeNotification(this);
    FSD = Value;
    if (Value)
        Value->FreeNotification(this);
}

void TskCustomOpenDialog::SetCtrlSkinData(TskSkinData* Value)
{
    if (FCtrlFSD)
        FCtrlFSD->RemoveFreeNotification(this);
    FCtrlFSD = Value;
    if (Value)
        Value->FreeNotification(this);
}

void TskCustomOpenDialog::Notification(TComponent* AComponent, TOperation Operation)
{
    TComponent::Notification(AComponent, Operation);
    if (Operation != TOperation::opRemove)
        return;
    if (AComponent == FSD)
        FSD = nullptr;
    if (AComponent == FCtrlFSD)
        FCtrlFSD = nullptr;
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
    Form->SetCaption(FTitle);
    TskFormSkin* frame = Form->BSF;
    frame->SetBorderIcons(TskBorderIcons{});
    frame->SetSkinData(FSD);
    frame->SetMenusSkinData(FCtrlFSD);
    frame->MinWidth = FDialogMinWidth;
    frame->MinHeight = FDialogMinHeight;
    frame->SetAlphaBlend(FAlphaBlend);
    frame->AlphaBlendAnimation = FAlphaBlendAnimation;
    frame->SetAlphaBlendValue(FAlphaBlendValue);
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
    Form->OpenButton->SetDefaultFont(FDefaultFont.get());
    Form->CancelButton->SetDefaultFont(FDefaultFont.get());
    Form->ShellBox->SetDefaultFont(FDefaultFont.get());
    list->SetDefaultFont(FDefaultFont.get());

    Form->CheckStyleItem(ListViewStyle);
    list->SetViewStyle(ListViewStyle);
    list->SetRoot(StartFolder());
    list->SetHeaderSkinDataName(FLVHeaderSkinDataName);
    list->SetSkinData(FCtrlFSD);
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

    GiveSkinData(FCtrlFSD, Form->FileListViewPanel, Form->BottomPanel, Form->ToolPanel, Form->Drivelabel,
                 Form->NewFolderToolButton, Form->UpToolButton, Form->BackToolButton, Form->StyleToolButton,
                 Form->FLVHScrollBar, Form->FLVVScrollBar, Form->FileNameEdit, filter, Form->OpenButton, Form->CancelButton,
                 Form->OpenFileLabel, Form->FileTypeLabel, Form->ShellBox);
    Form->ShellBox->SetSkinDataName("combobox");

    const SIZE fallback = DefaultClientSize();
    int width = FDialogWidth > 0 ? FDialogWidth : fallback.cx;
    int height = FDialogHeight > 0 ? FDialogHeight : fallback.cy;
    if (FSD && !FSD->Empty) {
        width = std::max(width, frame->GetMinWidth());
        height = std::max(height, frame->GetMinHeight());
    }
    Form->SetClientWidth(width);
    Form->SetClientHeight(height);

    // The rows come with the list's window.
    list->HandleNeeded();
    if (list->FolderCount() > 0)
        list->SetFocusedIndex(0);
    Form->FileNameEdit->SetText(ShownFileName(FFileName));
    Form->InitHistory();
    AfterFirstRow(Form);
}

void TskCustomOpenDialog::FinishExecute()
{
    // The form goes even when OnClose raises.
    struct Release {
        TskCustomOpenDialog* dialog;
        ~Release()
        {
            TskOpenDlgForm* form = dialog->FDlgFrm;
            dialog->FDlgFrm = nullptr;
            form->Free();
        }
    } release{this};
    if (auto handler = OnClose)
        handler(this);
}

bool TskCustomOpenDialog::Execute()
{
    if (auto handler = OnShow)
        handler(this);
    FDlgFrm = CreateForm();
    bool result = false;
    try {
        CopyIntoForm(FDlgFrm);
        Configure(FDlgFrm);
        result = FDlgFrm->ShowModal() == mrOk;
        KeepFormState(FDlgFrm);
        FFilterIndex = FDlgFrm->FilterComboBox->GetItemIndex() + 1;
        FDialogWidth = FDlgFrm->GetClientWidth();
        FDialogHeight = FDlgFrm->GetClientHeight();
        ListViewStyle = FDlgFrm->FileListView->GetViewStyle();
        if (result) {
            FFileName = ConfirmedFileName(FDlgFrm);
            if (FDlgFrm->FileNameFromSelection) {
                FDlgFrm->FileListView->GetSelectedFiles(FFiles.get());
            } else {
                FFiles->Clear();
                FFiles->Add(FFileName);
            }
        }
    } catch (...) {
        FinishExecute();
        throw;
    }
    FinishExecute();
    return result;
}

TskSkinOpenDialog::TskSkinOpenDialog(TComponent* AOwner) : TskCustomOpenDialog(AOwner, "Open file", "All files|*.*", 225)
{
}

void TskSkinOpenDialog::SetFileName(const std::string& Value)
{
    FFileName = Value;
    if (FDlgFrm)
        FDlgFrm->FileNameEdit->SetText(ShellDisplayText(Value));
}

std::string TskSkinOpenDialog::GetSelectedFile() const
{
    return FDlgFrm ? FDlgFrm->FileListView->GetSelectedFile() : std::string();
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
