#include "skin/input/skMessages.h"

#include "classlib/GraphicsObjects.h"
#include "skin/core/skSkinData.h"
#include "skin/form/skSkinCtrls.h"

std::string SkinDialogText(TskSkinData* SkinData, const std::string& Key, const std::string& Fallback)
{
    if (SkinData != nullptr && SkinData->ResourceStrData() != nullptr)
        return SkinData->ResourceStrData()->GetResStr(Key);
    return Fallback;
}

namespace {

std::unique_ptr<TFont> ArialFont()
{
    auto font = std::make_unique<TFont>();
    font->SetName("Arial");
    font->SetHeight(14);
    font->SetStyle({});
    return font;
}

struct TFormFree {
    void operator()(TCustomForm* Form) const { Form->Free(); }
};

} // namespace

TskSkinMessage::TskSkinMessage(TComponent* AOwner)
    : TComponent(AOwner), FDefaultFont(ArialFont()), FDefaultButtonFont(ArialFont())
{
}

TskSkinMessage::~TskSkinMessage() = default;

void TskSkinMessage::SetSkinData(TskSkinData* Value)
{
    SetWatchedComponent(this, FSD, Value);
}

void TskSkinMessage::SetCtrlSkinData(TskSkinData* Value)
{
    SetWatchedComponent(this, FCtrlFSD, Value);
}

void TskSkinMessage::SetDefaultFont(TFont* Value)
{
    FDefaultFont->Assign(Value);
}

void TskSkinMessage::SetDefaultButtonFont(TFont* Value)
{
    FDefaultButtonFont->Assign(Value);
}

void TskSkinMessage::Notification(TComponent* AComponent, TOperation Operation)
{
    TComponent::Notification(AComponent, Operation);
    if (Operation == TOperation::opRemove)
        ForgetFreed(AComponent, FSD, FCtrlFSD);
}

int TskSkinMessage::Run(const std::string& Msg, const TRequest& Request, TMsgDlgButtons Buttons, int HelpCtx)
{
    std::unique_ptr<TskMessageForm, TFormFree> form(new TskMessageForm(Application, Request.X, Request.Y));
    BuildMessageForm(form.get(), Msg, Request, Buttons);
    // Declared after the form, so it runs first: the check box is read before the form goes,
    // also when showing throws.
    struct TWriteBack {
        TskSkinMessage* Self;
        TskMessageForm* Form;
        ~TWriteBack()
        {
            if (Form->DisplayCheckBox != nullptr)
                Self->FShowAgainFlagValue = !Form->DisplayCheckBox->GetChecked();
        }
    } writeBack{this, form.get()};
    form->SetHelpContext(HelpCtx);
    if (Request.HelpFile)
        form->SetHelpFile(*Request.HelpFile);
    if (Request.PositionHook && OnSetShowPos) {
        int x = form->GetLeft(), y = form->GetTop();
        auto handler = OnSetShowPos;
        handler(x, y, form->GetWidth(), form->GetHeight());
        form->SetLeft(x);
        form->SetTop(y);
    }
    return form->ShowModal();
}

int TskSkinMessage::MessageDlg(const std::string& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons, int HelpCtx)
{
    return Run(Msg, TRequest(DlgType), Buttons, HelpCtx);
}

int TskSkinMessage::MessageDlgPos(const std::string& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons, int HelpCtx,
                                  int X, int Y)
{
    return Run(Msg, TRequest(DlgType).At(X, Y, true), Buttons, HelpCtx);
}

int TskSkinMessage::MessageDlgHelp(const std::string& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons, int HelpCtx,
                                   const std::string& HelpFileName)
{
    return Run(Msg, TRequest(DlgType).Help(HelpFileName), Buttons, HelpCtx);
}

int TskSkinMessage::MessageDlg2(const std::string& Msg, const std::string& ACaption, TMsgDlgType DlgType,
                                TMsgDlgButtons Buttons, int HelpCtx)
{
    return Run(Msg, TRequest(DlgType, ACaption), Buttons, HelpCtx);
}

int TskSkinMessage::MessageDlgHelp2(const std::string& Msg, const std::string& ACaption, TMsgDlgType DlgType,
                                    TMsgDlgButtons Buttons, int HelpCtx, const std::string& HelpFileName)
{
    return Run(Msg, TRequest(DlgType, ACaption).Help(HelpFileName), Buttons, HelpCtx);
}

int TskSkinMessage::CustomMessageDlg(const std::string& Msg, const std::string& ACaption, TCustomImageList* AImages,
                                     int AImageIndex, TMsgDlgButtons Buttons, int HelpCtx)
{
    return Run(Msg, TRequest(ACaption, AImages, AImageIndex), Buttons, HelpCtx);
}

int TskSkinMessage::CustomMessageDlgPos(const std::string& Msg, const std::string& ACaption,
                                        TCustomImageList* AImages, int AImageIndex, TMsgDlgButtons Buttons,
                                        int HelpCtx, int X, int Y)
{
    return Run(Msg, TRequest(ACaption, AImages, AImageIndex).At(X, Y, true), Buttons, HelpCtx);
}

int TskSkinMessage::CustomMessageDlgHelp(const std::string& Msg, const std::string& ACaption,
                                         TCustomImageList* AImages, int AImageIndex, TMsgDlgButtons Buttons,
                                         int HelpCtx, const std::string& HelpFileName)
{
    return Run(Msg, TRequest(ACaption, AImages, AImageIndex).Help(HelpFileName), Buttons, HelpCtx);
}

int TskSkinMessage::WideMessageDlg(const std::string& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons, int HelpCtx)
{
    return Run(Msg, TRequest(DlgType).WithoutCheckBox(), Buttons, HelpCtx);
}

int TskSkinMessage::WideMessageDlgPos(const std::string& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons,
                                      int HelpCtx, int X, int Y)
{
    return Run(Msg, TRequest(DlgType).At(X, Y, false).WithoutCheckBox(), Buttons, HelpCtx);
}
