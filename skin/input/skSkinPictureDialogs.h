#pragma once
// The picture dialogs: the open dialog with a preview pane on the right (a skinned scroll box
// holding the picture, a splitter before it, a tool button that stretches the picture to the
// pane), and its save variant. Selecting a file shows it in the pane; the pane's width and the
// stretch state are kept between calls.

#include "classlib/ExtCtrls.h"
#include "skin/input/skSkinOpenDialog.h"
#include "skin/input/skSkinScrollBox.h"

class TskOpenPictureDlgForm : public TskOpenDlgForm {
public:
    TskOpenPictureDlgForm(TComponent* AOwner, bool ASaveMode, TskSkinData* ACtrlSkinData, bool AToolButtonsTransparent);

    TskSkinPanel* ImagePanel = nullptr;
    TImage* Image = nullptr;
    TskSkinScrollBox* ScrollBox = nullptr;
    TskSkinScrollBar* SBVScrollBar = nullptr;
    TskSkinScrollBar* SBHScrollBar = nullptr;
    TskSkinSpeedButton* StretchButton = nullptr;
    TskSkinSplitter* Splitter = nullptr;

    // Stretched to the pane while the stretch button is down, else at the picture's own size.
    void StretchButtonClick();
    // Loads a picture into the preview. One that cannot be read leaves the preview empty and
    // raises the loader's error.
    void ShowPicture(const std::string& FileName);

protected:
    // Puts the selected file's name into the edit (clearing it for a folder or no selection) and
    // shows the file in the preview; an unreadable picture empties the preview and goes to the
    // application's error display.
    void FLVChange() override;

private:
    void BuildPreview();
    // The selected file last put into the preview.
    std::string FPreviewed;
    // Unless stretched, the image takes the picture's size and the scroll box its range.
    void FitImage();
};

class TskSkinOpenPictureDialog : public TskCustomOpenDialog {
public:
    explicit TskSkinOpenPictureDialog(TComponent* AOwner);

    // Every call starts with the preview stretched.
    bool GetStretchPicture() const { return FStretchPicture; }
    void SetStretchPicture(bool Value) { FStretchPicture = Value; }
    // The preview pane's width, restored and kept.
    int ImagePanelWidth = 190;
    // The stretch state the last call ended with.
    bool DialogStretch = false;
    TskOpenPictureDlgForm* PictureForm() const { return static_cast<TskOpenPictureDlgForm*>(Form()); }

protected:
    TskOpenDlgForm* CreateForm() override;
    void CopyIntoForm(TskOpenDlgForm* Form) override;
    void AfterFilter(TskOpenDlgForm* Form) override;
    SIZE DefaultClientSize() const override { return SIZE{550, 290}; }
    void AfterFirstRow(TskOpenDlgForm* Form) override;
    void KeepFormState(TskOpenDlgForm* Form) override;
    std::string ConfirmedFileName(TskOpenDlgForm* Form) override;

private:
    bool FStretchPicture = false;
};

// The save variant: "Save file", the form in save mode; a name without an extension gets the
// current filter's.
class TskSkinSavePictureDialog : public TskSkinOpenPictureDialog {
public:
    explicit TskSkinSavePictureDialog(TComponent* AOwner);
};
