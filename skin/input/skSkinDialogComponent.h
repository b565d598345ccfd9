#pragma once
// What the skinned dialog components share: the frame's and the controls' skin data (forgotten
// when freed), the caption, the default font, the frame's minimum size and alpha settings, the
// client size kept between runs, and a run of the modal form that raises OnShow first and OnClose
// last and frees the form in every case.

#include "classlib/Forms.h"
#include "skin/form/FormSkin.h"

#include <functional>
#include <memory>
#include <string>

class TskSkinDialogComponent : public TComponent {
public:
    ~TskSkinDialogComponent() override;

    bool GetToolButtonsTransparent() const { return FToolButtonsTransparent; }
    void SetToolButtonsTransparent(bool Value) { FToolButtonsTransparent = Value; }
    // The client size to open with (the dialog's default when 0 or less); written back at every
    // close.
    int GetDialogWidth() const { return FDialogWidth; }
    void SetDialogWidth(int Value) { FDialogWidth = Value; }
    int GetDialogHeight() const { return FDialogHeight; }
    void SetDialogHeight(int Value) { FDialogHeight = Value; }
    int GetDialogMinWidth() const { return FDialogMinWidth; }
    void SetDialogMinWidth(int Value) { FDialogMinWidth = Value; }
    int GetDialogMinHeight() const { return FDialogMinHeight; }
    void SetDialogMinHeight(int Value) { FDialogMinHeight = Value; }
    bool GetAlphaBlend() const { return FAlphaBlend; }
    void SetAlphaBlend(bool Value) { FAlphaBlend = Value; }
    BYTE GetAlphaBlendValue() const { return FAlphaBlendValue; }
    void SetAlphaBlendValue(BYTE Value) { FAlphaBlendValue = Value; }
    bool GetAlphaBlendAnimation() const { return FAlphaBlendAnimation; }
    void SetAlphaBlendAnimation(bool Value) { FAlphaBlendAnimation = Value; }
    // The frame's skin; the controls' skin and the string store of the captions.
    TskSkinData* GetSkinData() const { return FSD; }
    void SetSkinData(TskSkinData* Value);
    TskSkinData* GetCtrlSkinData() const { return FCtrlFSD; }
    void SetCtrlSkinData(TskSkinData* Value);
    TFont* DefaultFont() const { return FDefaultFont.get(); }
    void SetDefaultFont(TFont* Value) { FDefaultFont->Assign(Value); }
    const std::string& GetTitle() const { return FTitle; }
    void SetTitle(const std::string& Value) { FTitle = Value; }

    TNotifyEvent OnShow;
    TNotifyEvent OnClose;

protected:
    TskSkinDialogComponent(TComponent* AOwner, const std::string& ATitle, BYTE AAlphaBlendValue);
    void Notification(TComponent* AComponent, TOperation Operation) override;

    // Raises OnShow, makes the form and runs Steps on it (they show it modally); then, also when
    // a step raises, OnClose, and the form is freed. Returns what Steps returned.
    bool RunDialog(const std::function<TForm*()>& MakeForm, const std::function<bool()>& Steps);
    // The form while RunDialog runs, else nullptr.
    TForm* RunningForm() const { return FRunningForm; }
    // The caption, and the frame's borders, skins, minimum size and alpha settings.
    void ConfigureFrame(TskFormSkin* Frame);
    // The kept client size (the defaults when 0 or less), raised to the frame's minimum when a
    // skin is loaded.
    void SizeForm(TskFormSkin* Frame, int DefaultWidth, int DefaultHeight);
    // Keeps the form's client size for the next run.
    void KeepClientSize();

private:
    void FinishRun();

    bool FToolButtonsTransparent = false;
    int FDialogWidth = 0;
    int FDialogHeight = 0;
    int FDialogMinWidth = 0;
    int FDialogMinHeight = 0;
    TskSkinData* FSD = nullptr;
    TskSkinData* FCtrlFSD = nullptr;
    std::unique_ptr<TFont> FDefaultFont;
    std::string FTitle;
    bool FAlphaBlend = false;
    BYTE FAlphaBlendValue;
    bool FAlphaBlendAnimation = false;
    TForm* FRunningForm = nullptr;
};
