// TskOpenPictureDlgForm: the open dialog's form with the preview pane.

#include "skin/input/skSkinPictureDialogs.h"

#include "classlib/Picture.h"
#include "classlib/Resources.h"

TskOpenPictureDlgForm::TskOpenPictureDlgForm(TComponent* AOwner, bool ASaveMode, TskSkinData* ACtrlSkinData,
                                             bool AToolButtonsTransparent)
    : TskOpenDlgForm(TBuildLater{}, AOwner, ASaveMode, ACtrlSkinData)
{
    // The pane first, so that it takes the whole height at the right.
    BuildPreview();
    BuildToolBar(AToolButtonsTransparent);

    StretchButton = new TskSkinSpeedButton(this);
    StretchButton->SetParent(ToolPanel);
    StretchButton->SetAlign(TAlign::alRight);
    StretchButton->SetDefaultWidth(27);
    StretchButton->SetDefaultHeight(25);
    StretchButton->SetGroupIndex(2);
    StretchButton->SetAllowAllUp(true);
    StretchButton->SetSkinDataName("toolbutton");
    StretchButton->SetNumGlyphs(1);
    LoadBitmapResource(StretchButton->Glyph(), "BS_STRETCH");
    StretchButton->SetHint(Text("MSG_BTN_STRETCH_HINT", "Stretch Picture"));
    StretchButton->SetShowHint(true);
    StretchButton->SetFlat(AToolButtonsTransparent);
    StretchButton->OnClick = [this](TObject*) { StretchButtonClick(); };

    BuildFileList();
    BuildBottom(false);
    FinishBuild();
}

void TskOpenPictureDlgForm::BuildPreview()
{
    ImagePanel = new TskSkinPanel(this);
    ImagePanel->SetParent(this);
    ImagePanel->SetAlign(TAlign::alRight);
    ImagePanel->SetWidth(200);
    ImagePanel->SetBorderStyle(bvFrame);

    Splitter = new TskSkinSplitter(this);
    Splitter->SetParent(this);
    Splitter->SetAlign(TAlign::alRight);
    Splitter->SetWidth(10);
    Splitter->SetDefaultSize(10);

    SBVScrollBar = new TskSkinScrollBar(this);
    SBVScrollBar->SetKind(TScrollBarKind::sbVertical);
    SBVScrollBar->SetSkinDataName("vscrollbar");
    SBVScrollBar->SetDefaultWidth(19);
    SBVScrollBar->SetAlign(TAlign::alRight);
    SBVScrollBar->SetEnabled(false);
    SBVScrollBar->SetParent(ImagePanel);

    SBHScrollBar = new TskSkinScrollBar(this);
    SBHScrollBar->SetDefaultHeight(19);
    SBHScrollBar->SetBothMarkerWidth(19);
    SBHScrollBar->SetSkinDataName("hscrollbar");
    SBHScrollBar->SetAlign(TAlign::alBottom);
    SBHScrollBar->SetEnabled(false);
    SBHScrollBar->SetParent(ImagePanel);

    ScrollBox = new TskSkinScrollBox(this);
    ScrollBox->SetParent(ImagePanel);
    ScrollBox->SetAlign(TAlign::alClient);
    ScrollBox->SetBorderStyle(bvNone);
    ScrollBox->SetVScrollBar(SBVScrollBar);
    ScrollBox->SetHScrollBar(SBHScrollBar);

    Image = new TImage(this);
    Image->SetParent(ScrollBox);
    Image->SetBounds(0, 0, 0, 0);
}

void TskOpenPictureDlgForm::FitImage()
{
    if (!Image->GetStretch())
        Image->SetBounds(Image->GetLeft(), Image->GetTop(), Image->Picture()->GetWidth(), Image->Picture()->GetHeight());
    ScrollBox->UpDateScrollRange();
}

void TskOpenPictureDlgForm::ShowPicture(const std::string& FileName)
{
    try {
        Image->Picture()->LoadFromFile(FileName);
    } catch (...) {
        Image->Picture()->SetGraphic(nullptr);
        FitImage();
        throw;
    }
    FitImage();
}

void TskOpenPictureDlgForm::FLVChange()
{
    const std::string selected = FileListView->GetSelectedFile();
    FileNameEdit->SetText(selected.empty() ? std::string() : ShownFileName(selected));
    // The list reports one selection change in several steps (focus, selection): one load.
    if (selected == FPreviewed && !selected.empty())
        return;
    FPreviewed = selected;
    if (selected.empty()) {
        if (!Image->GetStretch())
            Image->SetBounds(Image->GetLeft(), Image->GetTop(), 0, 0);
        return;
    }
    try {
        ShowPicture(selected);
    } catch (...) {
        // Straight to the error display: the list is in the middle of its own change.
        Application->HandleException(this);
    }
}

void TskOpenPictureDlgForm::StretchButtonClick()
{
    Image->SetVisible(false);
    if (StretchButton->GetDown()) {
        Image->SetStretch(true);
        Image->SetAlign(TAlign::alClient);
    } else {
        Image->SetAlign(TAlign::alNone);
        Image->SetBounds(0, 0, Image->Picture()->GetWidth(), Image->Picture()->GetHeight());
        Image->SetStretch(false);
    }
    ScrollBox->UpDateScrollRange();
    Image->SetVisible(true);
}
