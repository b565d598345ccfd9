#include "classlib/StdCtrls.h"
#include "platform/gdi/Gdi.h"
#include "platform/win/Rect.h"

#include "classlib/Frame3D.h"
#include "platform/window/User.h"

TLabel::TLabel(TComponent* AOwner) : TGraphicControl(AOwner)
{
    FControlStyle = FControlStyle + TControlStyle{csOpaque};
    SetBounds(0, 0, 65, 17);
}

UINT TLabel::textFlags() const
{
    static const UINT alignments[] = {DT_LEFT, DT_RIGHT, DT_CENTER};
    UINT flags = DT_EXPANDTABS | alignments[static_cast<int>(FAlignment)];
    flags |= FWordWrap ? DT_WORDBREAK : DT_SINGLELINE;
    if (!FShowAccelChar)
        flags |= DT_NOPREFIX;
    return flags;
}

void TLabel::AdjustBounds()
{
    if (!FAutoSize || ComponentState().Contains(csLoading))
        return;
    // Measured on a screen context, so no window has to exist yet.
    HDC dc = GetDC(nullptr);
    TCanvas measure;
    measure.SetHandle(dc);
    measure.Font()->Assign(Font());
    RECT r{0, 0, FWordWrap ? FWidth : 0, 0};
    // An empty label keeps the height of a line.
    const std::string caption = GetCaption();
    const std::string text = caption.empty() ? std::string(1, ' ') : caption;
    measure.TextRect(r, text, textFlags() | DT_CALCRECT);
    measure.SetHandle(nullptr);
    ReleaseDC(nullptr, dc);
    int left = FLeft;
    if (FAlignment == TAlignment::taRightJustify)
        left = FLeft + FWidth - r.right;
    else if (FAlignment == TAlignment::taCenter)
        left = FLeft + (FWidth - r.right) / 2;
    SetBounds(left, FTop, r.right, r.bottom);
}

void TLabel::Paint()
{
    TCanvas* c = Canvas();
    RECT r = GetClientRect();
    if (!FTransparent) {
        c->Brush()->SetColor(GetColor());
        c->Brush()->SetStyle(TBrushStyle::bsSolid);
        c->FillRect(r);
    }
    c->Brush()->SetStyle(TBrushStyle::bsClear);
    c->Font()->Assign(Font());
    UINT flags = textFlags();
    if (FLayout != TTextLayout::tlTop) {
        RECT calc = r;
        c->TextRect(calc, GetCaption(), flags | DT_CALCRECT);
        const int h = calc.bottom - calc.top;
        r.top = FLayout == TTextLayout::tlBottom ? r.bottom - h : (r.bottom - h) / 2;
    }
    if (!GetEnabled()) {
        RECT shifted = r;
        OffsetRect(&shifted, 1, 1);
        c->Font()->SetColor(clBtnHighlight);
        c->TextRect(shifted, GetCaption(), flags);
        c->Font()->SetColor(clBtnShadow);
    }
    c->TextRect(r, GetCaption(), flags);
}

void TLabel::SetAlignment(TAlignment Value)
{
    if (Value == FAlignment)
        return;
    FAlignment = Value;
    Invalidate();
}

void TLabel::SetLayout(TTextLayout Value)
{
    if (Value == FLayout)
        return;
    FLayout = Value;
    Invalidate();
}

void TLabel::SetAutoSize(bool Value)
{
    if (Value == FAutoSize)
        return;
    FAutoSize = Value;
    AdjustBounds();
}

void TLabel::SetWordWrap(bool Value)
{
    if (Value == FWordWrap)
        return;
    FWordWrap = Value;
    AdjustBounds();
    Invalidate();
}

void TLabel::SetTransparent(bool Value)
{
    if (Value == FTransparent)
        return;
    FTransparent = Value;
    SetControlStyle(Value ? ControlStyle() - TControlStyle{csOpaque} : ControlStyle() + TControlStyle{csOpaque});
    Invalidate();
}

void TLabel::SetShowAccelChar(bool Value)
{
    if (Value == FShowAccelChar)
        return;
    FShowAccelChar = Value;
    AdjustBounds();
    Invalidate();
}

void TLabel::SetFocusControl(TWinControl* Value)
{
    FFocusControl = Value;
    if (Value)
        Value->FreeNotification(this);
}

void TLabel::Notification(TComponent* AComponent, TOperation Operation)
{
    TGraphicControl::Notification(AComponent, Operation);
    if (Operation == TOperation::opRemove && AComponent == FFocusControl)
        FFocusControl = nullptr;
}

void TLabel::Loaded()
{
    TGraphicControl::Loaded();
    AdjustBounds();
}

void TLabel::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case CM_TEXTCHANGED:
    case CM_FONTCHANGED:
        AdjustBounds();
        Invalidate();
        TGraphicControl::Dispatch(Message);
        break;
    case CM_DIALOGCHAR:
        if (FFocusControl && GetEnabled() && FShowAccelChar && IsAccel(static_cast<char32_t>(Message.WParam), GetCaption()) &&
            FFocusControl->CanFocus()) {
            FFocusControl->SetFocus();
            Message.Result = 1;
            break;
        }
        TGraphicControl::Dispatch(Message);
        break;
    default:
        TGraphicControl::Dispatch(Message);
        break;
    }
}
