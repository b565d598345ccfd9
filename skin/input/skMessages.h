#pragma once
// The skinned message box. Each call builds a fresh form (a skinned frame without caption
// buttons, an icon, the message, one row of skinned buttons and, on request, a "do not display
// this message again" check box), shows it modally, and frees it before returning the modal
// result of the button that closed it. Captions come from the control skin's string store, with
// English fallbacks.

#include "classlib/Dialogs.h"
#include "classlib/Forms.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>

class TCustomImageList;
class TFont;
class TskFormSkin;
class TskSkinCheckRadioBox;
class TskSkinData;
class TskSkinStdLabel;

// A caption from SkinData's string store (its text, even an empty one), else Fallback.
std::string SkinDialogText(TskSkinData* SkinData, const std::string& Key, const std::string& Fallback);

// The box's position before showing: AX and AY may be changed.
using TskMessageSetShowPosEvent = std::function<void(int& AX, int& AY, int AWidth, int AHeight)>;

class TskMessageForm : public TForm {
public:
    // X below -10000 centres the form on the screen; otherwise it goes to X, Y.
    TskMessageForm(TComponent* AOwner, int X, int Y);

    // The Help button: the application's context help for the form's HelpContext.
    void HelpButtonClick(TObject* Sender);

    TskFormSkin* BSF = nullptr;
    TskSkinCheckRadioBox* DisplayCheckBox = nullptr;
    TskSkinStdLabel* Message = nullptr;
};

class TskSkinMessage : public TComponent {
public:
    explicit TskSkinMessage(TComponent* AOwner);
    ~TskSkinMessage() override;

    // Each returns the modal result of the box.
    int MessageDlg(const std::string& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons, int HelpCtx);
    int MessageDlgPos(const std::string& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons, int HelpCtx, int X, int Y);
    int MessageDlgHelp(const std::string& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons, int HelpCtx,
                       const std::string& HelpFileName);
    int MessageDlg2(const std::string& Msg, const std::string& ACaption, TMsgDlgType DlgType, TMsgDlgButtons Buttons,
                    int HelpCtx);
    int MessageDlgHelp2(const std::string& Msg, const std::string& ACaption, TMsgDlgType DlgType,
                        TMsgDlgButtons Buttons, int HelpCtx, const std::string& HelpFileName);
    int CustomMessageDlg(const std::string& Msg, const std::string& ACaption, TCustomImageList* AImages,
                         int AImageIndex, TMsgDlgButtons Buttons, int HelpCtx);
    int CustomMessageDlgPos(const std::string& Msg, const std::string& ACaption, TCustomImageList* AImages,
                            int AImageIndex, TMsgDlgButtons Buttons, int HelpCtx, int X, int Y);
    int CustomMessageDlgHelp(const std::string& Msg, const std::string& ACaption, TCustomImageList* AImages,
                             int AImageIndex, TMsgDlgButtons Buttons, int HelpCtx, const std::string& HelpFileName);
    // Never with the check box; the position hook is not called.
    int WideMessageDlg(const std::string& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons, int HelpCtx);
    int WideMessageDlgPos(const std::string& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons, int HelpCtx, int X,
                          int Y);

    bool GetShowAgainFlag() const { return FShowAgainFlag; }
    void SetShowAgainFlag(bool Value) { FShowAgainFlag = Value; }
    // True: the user wants to see the message again; written back after every box that showed
    // the check box.
    bool GetShowAgainFlagValue() const { return FShowAgainFlagValue; }
    void SetShowAgainFlagValue(bool Value) { FShowAgainFlagValue = Value; }
    bool GetAlphaBlend() const { return FAlphaBlend; }
    void SetAlphaBlend(bool Value) { FAlphaBlend = Value; }
    bool GetAlphaBlendAnimation() const { return FAlphaBlendAnimation; }
    void SetAlphaBlendAnimation(bool Value) { FAlphaBlendAnimation = Value; }
    BYTE GetAlphaBlendValue() const { return FAlphaBlendValue; }
    void SetAlphaBlendValue(BYTE Value) { FAlphaBlendValue = Value; }
    // The frame's skin.
    TskSkinData* GetSkinData() const { return FSD; }
    void SetSkinData(TskSkinData* Value);
    // The skin of the label, buttons and check box, and the string store of every caption.
    TskSkinData* GetCtrlSkinData() const { return FCtrlFSD; }
    void SetCtrlSkinData(TskSkinData* Value);
    const std::string& GetButtonSkinDataName() const { return FButtonSkinDataName; }
    void SetButtonSkinDataName(const std::string& Value) { FButtonSkinDataName = Value; }
    const std::string& GetMessageLabelSkinDataName() const { return FMessageLabelSkinDataName; }
    void SetMessageLabelSkinDataName(const std::string& Value) { FMessageLabelSkinDataName = Value; }
    // Fonts used where no skin font applies; the setters copy the given font.
    TFont* DefaultFont() const { return FDefaultFont.get(); }
    void SetDefaultFont(TFont* Value);
    TFont* DefaultButtonFont() const { return FDefaultButtonFont.get(); }
    void SetDefaultButtonFont(TFont* Value);
    bool GetUseSkinFont() const { return FUseSkinFont; }
    void SetUseSkinFont(bool Value) { FUseSkinFont = Value; }

    TskMessageSetShowPosEvent OnSetShowPos;

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    // What an operation asks of its box besides the message and buttons.
    struct TRequest {
        // A box with the type's system icon; its caption by the type unless one is given.
        explicit TRequest(TMsgDlgType Type, std::optional<std::string> ACaption = std::nullopt)
            : Caption(std::move(ACaption)), DlgType(Type)
        {
        }
        // A box with a picture of an image list.
        TRequest(std::string ACaption, TCustomImageList* AImages, int AImageIndex)
            : Caption(std::move(ACaption)), FromImageList(true), Images(AImages), ImageIndex(AImageIndex)
        {
        }
        TRequest& At(int AX, int AY, bool Hook)
        {
            X = AX;
            Y = AY;
            PositionHook = Hook;
            return *this;
        }
        TRequest& Help(const std::string& File)
        {
            HelpFile = File;
            return *this;
        }
        TRequest& WithoutCheckBox()
        {
            CheckBoxOffered = false;
            return *this;
        }

        std::optional<std::string> Caption;  // else by DlgType
        TMsgDlgType DlgType = mtCustom;
        bool FromImageList = false;
        TCustomImageList* Images = nullptr;
        int ImageIndex = -1;
        int X = -10001, Y = -10001;  // the screen centre
        bool PositionHook = false;
        bool CheckBoxOffered = true;
        std::optional<std::string> HelpFile;
    };
    int Run(const std::string& Msg, const TRequest& Request, TMsgDlgButtons Buttons, int HelpCtx);
    // Fills a new form: frame settings, label, icon, client size, check box, width clamp, buttons.
    void BuildMessageForm(TskMessageForm* Form, const std::string& Msg, const TRequest& Request, TMsgDlgButtons Buttons);
    void AddIcon(TskMessageForm* Form, const TRequest& Request);
    void AddCheckBox(TskMessageForm* Form, int BH);
    void AddButtons(TskMessageForm* Form, TMsgDlgButtons Buttons, int BH, int RW);
    int ButtonHeight() const;

    TskSkinData* FSD = nullptr;
    TskSkinData* FCtrlFSD = nullptr;
    std::string FButtonSkinDataName = "button";
    std::string FMessageLabelSkinDataName = "stdlabel";
    std::unique_ptr<TFont> FDefaultFont;
    std::unique_ptr<TFont> FDefaultButtonFont;
    bool FAlphaBlend = false;
    bool FAlphaBlendAnimation = false;
    BYTE FAlphaBlendValue = 200;
    bool FUseSkinFont = true;
    bool FShowAgainFlag = false;
    bool FShowAgainFlagValue = false;
};
