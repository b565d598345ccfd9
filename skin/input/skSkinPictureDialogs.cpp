// TskSkinOpenPictureDialog and TskSkinSavePictureDialog: the picture steps of Execute.

#include "skin/input/skSkinPictureDialogs.h"

#include "platform/shell/FolderReader.h"

namespace {

const char* const PictureFilter = "All (*.bmp;*.ico;*.emf;*.wmf)|*.bmp;*.ico;*.emf;*.wmf|Bitmaps (*.bmp)|*.bmp|"
                                  "Icons (*.ico)|*.ico|Enhanced Metafiles (*.emf)|*.emf|Metafiles (*.wmf)|*.wmf";

TskOpenPictureDlgForm* PictureFormOf(TskOpenDlgForm* Form)
{
    return static_cast<TskOpenPictureDlgForm*>(Form);
}

} // namespace

TskSkinOpenPictureDialog::TskSkinOpenPictureDialog(TComponent* AOwner)
    : TskCustomOpenDialog(AOwner, "Open picture", PictureFilter, 200)
{
}

TskOpenDlgForm* TskSkinOpenPictureDialog::CreateForm()
{
    return new TskOpenPictureDlgForm(Application, FSaveMode, GetCtrlSkinData(), GetToolButtonsTransparent());
}

void TskSkinOpenPictureDialog::CopyIntoForm(TskOpenDlgForm* Form)
{
    Form->CheckFileExists = GetCheckFileExists();
    Form->OverwritePromt = GetOverwritePromt();
}

void TskSkinOpenPictureDialog::AfterFilter(TskOpenDlgForm* Form)
{
    TskOpenPictureDlgForm* form = PictureFormOf(Form);
    form->ImagePanel->SetWidth(ImagePanelWidth);
    GiveSkinData(GetCtrlSkinData(), form->ImagePanel, form->ScrollBox, form->SBVScrollBar, form->SBHScrollBar,
                 form->StretchButton, form->Splitter);
}

void TskSkinOpenPictureDialog::AfterFirstRow(TskOpenDlgForm* Form)
{
    TskOpenPictureDlgForm* form = PictureFormOf(Form);
    if (FStretchPicture || DialogStretch) {
        form->StretchButton->SetDown(true);
        form->StretchButtonClick();
    }
    const std::optional<FolderEntry> entry = FFileName.empty() ? std::nullopt : StatEntry(FFileName);
    if (!entry || entry->kind != EntryKind::File)
        return;
    // A remembered picture that no longer loads opens the dialog with an empty preview.
    try {
        form->ShowPicture(FFileName);
    } catch (const std::exception&) {
    }
}

void TskSkinOpenPictureDialog::KeepFormState(TskOpenDlgForm* Form)
{
    TskOpenPictureDlgForm* form = PictureFormOf(Form);
    DialogStretch = form->StretchButton->GetDown();
    ImagePanelWidth = form->ImagePanel->GetWidth();
}

std::string TskSkinOpenPictureDialog::ConfirmedFileName(TskOpenDlgForm* Form)
{
    if (!Form->SaveMode)
        return Form->FileName;
    return AddFilterExtension(Form->FileName, Form->CurrentFilterExtension(false));
}

TskSkinSavePictureDialog::TskSkinSavePictureDialog(TComponent* AOwner) : TskSkinOpenPictureDialog(AOwner)
{
    SetTitle("Save file");
    FSaveMode = true;
}
