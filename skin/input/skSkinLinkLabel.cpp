#include "skin/input/skSkinLinkLabel.h"

#include "platform/gdi/Gdi.h"
#include "platform/shell/ShellExecute.h"
#include "platform/win/Rect.h"
#include "platform/window/User.h"
#include "skin/core/skDataSkinControls.h"
#include "skin/core/skDataSkinForm.h"
#include "skin/core/skGlowText.h"
#include "skin/core/skResourceStrData.h"

#include <cstdint>

TskSkinLinkLabel::TskSkinLinkLabel(TComponent* AOwner) : TCustomLabel(AOwner)
{
    FDefaultFont = std::make_unique<TFont>();
    FDefaultFont->SetName("Arial");
    FDefaultFont->SetHeight(14);
    FDefaultFont->SetStyle({fsUnderline});
    SetTransparent(true);
    Font()->Assign(FDefaultFont.get());
    SetCursor(crHandPoint);
}

TskSkinLinkLabel::~TskSkinLinkLabel() = default;

void TskSkinLinkLabel::Notification(TComponent* AComponent, TOperation Operation)
{
    TCustomLabel::Notification(AComponent, Operation);
    if (Operation == TOperation::opRemove && AComponent == FSD)
        FSD = nullptr;
}

void TskSkinLinkLabel::SetSkinData(TskSkinData* Value)
{
    if (FSD)
        FSD->RemoveFreeNotification(this);
    FSD = Value;
    if (FSD) {
        FSD->FreeNotification(this);
        ChangeSkinData();
    }
}

void TskSkinLinkLabel::ChangeSkinData()
{
    lookup();
    Repaint();
}

void TskSkinLinkLabel::SetUseUnderLine(bool Value)
{
    if (FUseUnderLine != Value) {
        FUseUnderLine = Value;
        Repaint();
    }
}

void TskSkinLinkLabel::lookup()
{
    FIndex = !FSD || FSD->Empty ? -1 : FSD->GetControlIndex(FSkinDataName);
    if (FIndex == -1)
        return;
    auto* d = dynamic_cast<TskDataSkinStdLabelControl*>(FSD->CtrlList[static_cast<std::size_t>(FIndex)].get());
    if (!d) {
        // Another kind of description under that name counts as none.
        FIndex = -1;
        return;
    }
    FontName = d->FontName;
    FontColor = d->FontColor;
    FontStyle = d->FontStyle;
    FontHeight = d->FontHeight;
    ActiveFontColor = d->ActiveFontColor;
}

void TskSkinLinkLabel::DoDrawText(TCanvas* Canvas, RECT& Rect, UINT Flags)
{
    lookup();
    if (Flags & DT_CALCRECT) {
        // The label keeps its size: the measure is the label's own rectangle.
        Rect.right = Rect.left + FWidth;
        Rect.bottom = Rect.top + FHeight;
        return;
    }
    std::string text = GetCaption();
    if (GetShowAccelChar() && text == "&")
        text += " ";
    const UINT format = Flags | (GetShowAccelChar() ? 0 : DT_NOPREFIX);
    RECT r = Rect;
    if (FGlowEffect)
        OffsetRect(&r, 0, FGlowSize);

    TFont* font = Canvas->Font();
    const BYTE charset = FSD && FSD->ResourceStrData() ? FSD->ResourceStrData()->CharSet() : FDefaultFont->GetCharset();
    if (FIndex == -1) {
        font->Assign(FUseSkinFont ? FDefaultFont.get() : Font());
        font->SetCharset(charset);
        if (FMouseIn)
            font->SetColor(FDefaultActiveFontColor);
    } else {
        if (FUseSkinFont) {
            font->SetName(FontName);
            font->SetStyle(FontStyle);
            font->SetHeight(FontHeight);
        } else {
            font->Assign(Font());
        }
        font->SetCharset(charset);
        font->SetColor(FMouseIn && !FGlowEffect ? ActiveFontColor : FontColor);
    }
    const TColor glow = FIndex == -1 ? FDefaultActiveFontColor : ActiveFontColor;
    Canvas->Brush()->SetStyle(TBrushStyle::bsClear);
    if (GetEnabled()) {
        TFontStyles style = font->GetStyle();
        if (FUseUnderLine)
            style.Include(fsUnderline);
        else
            style.Exclude(fsUnderline);
        font->SetStyle(style);
        if (FMouseIn && FGlowEffect)
            DrawGlowTextStr(Canvas, r, text, format, 0, ColorToRGB(glow), FGlowSize);
        else
            Canvas->TextRect(r, text, format);
        return;
    }
    TskSkinColors* colors = FIndex == -1 || !FSD ? nullptr : FSD->SkinColors();
    RECT shifted = r;
    OffsetRect(&shifted, 1, 1);
    font->SetColor(colors ? colors->cBtnHighLight() : clBtnHighlight);
    Canvas->TextRect(shifted, text, format);
    font->SetColor(colors ? colors->cBtnShadow() : clBtnShadow);
    Canvas->TextRect(r, text, format);
}

void TskSkinLinkLabel::Click()
{
    TCustomLabel::Click();
    // The desktop opens it on its own; only a refusal is told.
    if (FURL.empty())
        return;
    const auto answer = reinterpret_cast<std::intptr_t>(
        ShellExecute(nullptr, "open", FURL.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
    if (answer <= 32 && OnOpenFailed) {
        const auto failed = OnOpenFailed;
        failed(this, FURL);
    }
}

void TskSkinLinkLabel::Dispatch(TMessage& Message)
{
    TCustomLabel::Dispatch(Message);
    if ((Message.Msg == CM_MOUSEENTER || Message.Msg == CM_MOUSELEAVE) && !ComponentState().Contains(csDesigning)) {
        FMouseIn = Message.Msg == CM_MOUSEENTER;
        Repaint();
    }
}
