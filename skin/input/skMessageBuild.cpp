// Building a message form: sizes from the button description and the label, the icon, the check
// box, the width clamp and the row of buttons.

#include "skin/input/skMessages.h"

#include "classlib/Canvas.h"
#include "classlib/ExtCtrls.h"
#include "classlib/ImgList.h"
#include "classlib/MessageLabel.h"
#include "classlib/Picture.h"
#include "platform/window/SystemIcons.h"
#include "skin/core/skSkinData.h"
#include "skin/form/FormSkin.h"
#include "skin/form/skSkinCtrls.h"

#include <algorithm>
#include <array>

namespace {

constexpr int kButtonWidth = 70;
constexpr int kButtonGap = 10;

struct TButtonKind {
    TMsgDlgBtn Kind;
    const char* Name;
    const char* Key;
    const char* Fallback;
    int Result;
};

constexpr std::array<TButtonKind, 12> kButtons{{
    {mbYes, "Yes", "MSG_BTN_YES", "&Yes", mrYes},
    {mbNo, "No", "MSG_BTN_NO", "&No", mrNo},
    {mbOK, "OK", "MSG_BTN_OK", "OK", mrOk},
    {mbCancel, "Cancel", "MSG_BTN_CANCEL", "Cancel", mrCancel},
    {mbAbort, "Abort", "MSG_BTN_ABORT", "&Abort", mrAbort},
    {mbRetry, "Retry", "MSG_BTN_RETRY", "&Retry", mrRetry},
    {mbIgnore, "Ignore", "MSG_BTN_IGNORE", "&Ignore", mrIgnore},
    {mbAll, "All", "MSG_BTN_ALL", "&All", mrAll},
    {mbNoToAll, "NoToAll", "MSG_BTN_NOTOALL", "N&oToAll", mrNoToAll},
    {mbYesToAll, "YesToAll", "MSG_BTN_YESTOALL", "&YesToAll", mrYesToAll},
    {mbHelp, "Help", "MSG_BTN_HELP", "&Help", mrNone},
    {mbClose, "Close", "MSG_BTN_CLOSE", "Close", mrClose},
}};

struct TTypeKind {
    const char* Key;
    const char* Fallback;
    LPCSTR Icon;
};

TTypeKind TypeKind(TMsgDlgType DlgType)
{
    switch (DlgType) {
    case mtWarning:
        return {"MSG_CAP_WARNING", "Warning", IDI_EXCLAMATION};
    case mtError:
        return {"MSG_CAP_ERROR", "Error", IDI_HAND};
    case mtInformation:
        return {"MSG_CAP_INFORMATION", "Information", IDI_ASTERISK};
    case mtConfirmation:
        return {"MSG_CAP_CONFIRM", "Confirm", IDI_QUESTION};
    case mtCustom:
        break;
    }
    return {nullptr, nullptr, nullptr};
}

int ButtonCount(TMsgDlgButtons Buttons)
{
    int n = 0;
    for (const TButtonKind& b : kButtons)
        n += Buttons.Contains(b.Kind) ? 1 : 0;
    return n;
}

TMsgDlgBtn DefaultKind(TMsgDlgButtons Buttons)
{
    if (Buttons.Contains(mbOK))
        return mbOK;
    return Buttons.Contains(mbYes) ? mbYes : mbRetry;
}

TMsgDlgBtn CancelKind(TMsgDlgButtons Buttons)
{
    if (Buttons.Contains(mbCancel))
        return mbCancel;
    return Buttons.Contains(mbNo) ? mbNo : mbOK;
}

} // namespace

int TskSkinMessage::ButtonHeight() const
{
    if (FCtrlFSD == nullptr || FCtrlFSD->Empty)
        return 25;
    const int i = FCtrlFSD->GetControlIndex(FButtonSkinDataName);
    if (i < 0)
        return 25;
    const auto* d = dynamic_cast<TskDataSkinButtonControl*>(FCtrlFSD->CtrlList[static_cast<std::size_t>(i)].get());
    return d != nullptr ? d->SkinRect.bottom - d->SkinRect.top : 25;
}

void TskSkinMessage::BuildMessageForm(TskMessageForm* Form, const std::string& Msg, const TRequest& Request,
                                      TMsgDlgButtons Buttons)
{
    Form->BSF->SetSkinData(FSD);
    Form->BSF->SetMenusSkinData(FCtrlFSD);
    Form->BSF->SetAlphaBlend(FAlphaBlend);
    Form->BSF->AlphaBlendAnimation = FAlphaBlendAnimation;
    Form->BSF->SetAlphaBlendValue(FAlphaBlendValue);

    const int BH = ButtonHeight();
    const int n = ButtonCount(Buttons);
    const int RW = n == 0 ? 0 : n * kButtonWidth + (n - 1) * kButtonGap;

    if (Request.Caption)
        Form->SetCaption(*Request.Caption);
    else if (Request.DlgType == mtCustom)
        Form->SetCaption(Application->GetTitle());
    else
        Form->SetCaption(SkinDialogText(FCtrlFSD, TypeKind(Request.DlgType).Key, TypeKind(Request.DlgType).Fallback));

    auto* label = new TskSkinStdLabel(Form);
    Form->Message = label;
    label->SetParent(Form);
    label->SetName("Message");
    label->Font()->Assign(FDefaultFont.get());
    label->SetDefaultFont(FDefaultFont.get());
    label->SetUseSkinFont(FUseSkinFont);
    label->SetSkinDataName(FMessageLabelSkinDataName);
    label->SetSkinData(FCtrlFSD);
    label->SetAutoSize(true);
    // The message is shown as written: an "&" in a file name is no accelerator.
    label->SetShowAccelChar(false);
    label->SetCaption(Msg);
    label->SetLeft(50);
    label->SetTop(15);
    FitMessageLabel(Form, label, label->GetLeft() + 40,
                    label->GetTop() + BH + 35 + (Request.CheckBoxOffered && FShowAgainFlag ? 40 : 0));
    const int LR = label->GetLeft() + label->GetWidth();

    AddIcon(Form, Request);

    Form->SetClientHeight(BH + label->GetHeight() + 50);
    Form->SetClientWidth(RW < LR ? LR + 40 : RW + 40);
    if (Request.CheckBoxOffered && FShowAgainFlag)
        AddCheckBox(Form, BH);

    if (const int maxWidth = Form->BSF->GetMaxWidth(); maxWidth < Form->GetWidth())
        Form->SetWidth(maxWidth);
    else if (const int minWidth = Form->BSF->GetMinWidth(); Form->GetWidth() < minWidth)
        Form->SetWidth(minWidth);

    AddButtons(Form, Buttons, BH, RW);
}

void TskSkinMessage::AddIcon(TskMessageForm* Form, const TRequest& Request)
{
    const TskSkinStdLabel* label = Form->Message;
    const int top = label->GetTop() + label->GetHeight() / 2 - 16;
    TIcon icon;
    if (Request.FromImageList) {
        TCustomImageList* images = Request.Images;
        if (images == nullptr || Request.ImageIndex < 0 || Request.ImageIndex > images->Count() - 1)
            return;
        images->GetIcon(Request.ImageIndex, &icon);
        auto* image = new TImage(Form);
        image->SetParent(Form);
        image->SetName("Image");
        image->SetTransparent(true);
        image->SetBounds(5, top, images->GetWidth(), images->GetHeight());
        image->Picture()->SetGraphic(&icon);
        return;
    }
    auto* image = new TImage(Form);
    image->SetParent(Form);
    image->SetName("Image");
    if (LPCSTR id = TypeKind(Request.DlgType).Icon) {
        icon.SetHandle(LoadIcon(nullptr, id));
        image->Picture()->SetGraphic(&icon);
    }
    image->SetBounds(5, std::max(top, 10), 32, 32);
}

void TskSkinMessage::AddCheckBox(TskMessageForm* Form, int BH)
{
    Form->SetClientHeight(Form->GetClientHeight() + 40);
    auto* box = new TskSkinCheckRadioBox(Form);
    Form->DisplayCheckBox = box;
    box->SetName("checkbox");
    box->SetDefaultHeight(30);
    box->SetChecked(!FShowAgainFlagValue);
    box->SetParent(Form);
    box->SetDefaultFont(FDefaultFont.get());
    box->SetUseSkinFont(FUseSkinFont);
    box->SetSkinData(FCtrlFSD);
    const int CT = Form->GetClientHeight() - BH - 50;
    std::string caption;
    if (FCtrlFSD != nullptr && FCtrlFSD->ResourceStrData() != nullptr)
        caption = FCtrlFSD->ResourceStrData()->GetResStr("MSG_CAP_SHOWFLAG");
    if (caption.empty())
        caption = "Do not display this message again";
    box->SetCaption(caption);
    TCanvas* canvas = Form->Canvas();
    if (box->GetIndex() != -1 && FUseSkinFont) {
        canvas->Font()->SetName(box->SkinFontName());
        canvas->Font()->SetHeight(box->SkinFontHeight());
    } else {
        canvas->Font()->Assign(FDefaultFont.get());
    }
    const int TW = canvas->TextWidth(caption);
    if (Form->GetClientWidth() < TW + 60)
        Form->SetClientWidth(TW + 60);
    box->SetBounds(5, CT, TW + 55, box->GetDefaultHeight());
}

void TskSkinMessage::AddButtons(TskMessageForm* Form, TMsgDlgButtons Buttons, int BH, int RW)
{
    const TMsgDlgBtn defaultKind = DefaultKind(Buttons), cancelKind = CancelKind(Buttons);
    int x = (Form->GetClientWidth() - RW) / 2;
    const int y = Form->GetClientHeight() - BH - 10;
    for (const TButtonKind& kind : kButtons) {
        if (!Buttons.Contains(kind.Kind))
            continue;
        auto* button = new TskSkinButton(Form);
        button->SetParent(Form);
        button->SetName(kind.Name);
        button->SetCanFocused(true);
        button->SetCaption(SkinDialogText(FCtrlFSD, kind.Key, kind.Fallback));
        button->SetModalResult(kind.Result);
        button->SetDefault(kind.Kind == defaultKind);
        button->SetCancel(kind.Kind == cancelKind);
        button->SetDefaultHeight(BH);
        button->SetBounds(x, y, kButtonWidth, BH);
        button->SetDefaultFont(FDefaultButtonFont.get());
        button->SetUseSkinFont(FUseSkinFont);
        x += kButtonWidth + kButtonGap;
        if (kind.Kind == mbHelp)
            button->OnClick = [Form](TObject* Sender) { Form->HelpButtonClick(Sender); };
        button->SetSkinDataName(FButtonSkinDataName);
        button->SetSkinData(FCtrlFSD);
    }
}
