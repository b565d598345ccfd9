#include "classlib/StdCtrls.h"
#include "platform/gdi/Gdi.h"
#include "platform/win/Rect.h"

#include "classlib/Frame3D.h"
#include "platform/window/User.h"

TCustomLabel::TCustomLabel(TComponent* AOwner) : TGraphicControl(AOwner)
{
    FControlStyle = FControlStyle + TControlStyle{csOpaque};
    SetBounds(0, 0, 65, 17);
}

UINT TCustomLabel::TextFlags() const
{
    static const UINT alignments[] = {DT_LEFT, DT_RIGHT, DT_CENTER};
    UINT flags = DT_EXPANDTABS | alignments[static_cast<int>(FAlignment)];
    // A wrapped label breaks a word wider than itself rather than let it run past its edge.
    flags |= FWordWrap ? DT_WORDBREAK | DT_EDITCONTROL : DT_SINGLELINE;
    if (!FShowAccelChar)
        flags |= DT_NOPREFIX;
    return flags;
}

void TCustomLabel::AdjustBounds()
{
    if (!FAutoSize || ComponentState().Contains(csLoading))
        return;
    // Measured on a screen context, so no window has to exist yet.
    HDC dc = GetDC(nullptr);
    TCanvas measure;
    measure.SetHandle(dc);
    RECT r{0, 0, FWordWrap ? FWidth : 0, 0};
    DoDrawText(&measure, r, TextFlags() | DT_CALCRECT);
    measure.SetHandle(nullptr);
    ReleaseDC(nullptr, dc);
    int left = FLeft;
    if (FAlignment == TAlignment::taRightJustify)
        left = FLeft + FWidth - r.right;
    else if (FAlignment == TAlignment::taCenter)
        left = FLeft + (FWidth - r.right) / 2;
    SetBounds(left, FTop, r.right, r.bottom);
}

void TCustomLabel::Paint()
{
    TCanvas* c = Canvas();
    RECT r = GetClientRect();
    if (!FTransparent) {
        c->Brush()->SetColor(GetColor());
        c->Brush()->SetStyle(TBrushStyle::bsSolid);
        c->FillRect(r);
    }
    c->Brush()->SetStyle(TBrushStyle::bsClear);
    UINT flags = TextFlags();
    if (FLayout != TTextLayout::tlTop) {
        RECT calc = r;
        DoDrawText(c, calc, flags | DT_CALCRECT);
        const int h = calc.bottom - calc.top;
        r.top = FLayout == TTextLayout::tlBottom ? r.bottom - h : (r.bottom - h) / 2;
    }
    DoDrawText(c, r, flags);
}

void TCustomLabel::DoDrawText(TCanvas* Canvas, RECT& Rect, UINT Flags)
{
    Canvas->Font()->Assign(Font());
    const std::string caption = GetCaption();
    if (Flags & DT_CALCRECT) {
        // An empty label keeps the height of a line.
        Canvas->TextRect(Rect, caption.empty() ? std::string(1, ' ') : caption, Flags);
        return;
    }
    if (!GetEnabled()) {
        RECT shifted = Rect;
        OffsetRect(&shifted, 1, 1);
        Canvas->Font()->SetColor(clBtnHighlight);
        Canvas->TextRect(shifted, caption, Flags);
        Canvas->Font()->SetColor(clBtnShadow);
    }
    Canvas->TextRect(Rect, caption, Flags);
}

void TCustomLabel::SetAlignment(TAlignment Value)
{
    if (Value == FAlignment)
        return;
    FAlignment = Value;
    Invalidate();
}

void TCustomLabel::SetLayout(TTextLayout Value)
{
    if (Value == FLayout)
        return;
    FLayout = Value;
    Invalidate();
}

void TCustomLabel::SetAutoSize(bool Value)
{
    if (Value == FAutoSize)
        return;
    FAutoSize = Value;
    AdjustBounds();
}

void TCustomLabel::SetWordWrap(bool Value)
{
    if (Value == FWordWrap)
        return;
    FWordWrap = Value;
    AdjustBounds();
    Invalidate();
}

void TCustomLabel::SetTransparent(bool Value)
{
    if (Value == FTransparent)
        return;
    FTransparent = Value;
    SetControlStyle(Value ? ControlStyle() - TControlStyle{csOpaque} : ControlStyle() + TControlStyle{csOpaque});
    Invalidate();
}

void TCustomLabel::SetShowAccelChar(bool Value)
{
    if (Value == FShowAccelChar)
        return;
    FShowAccelChar = Value;
    AdjustBounds();
    Invalidate();
}

void TCustomLabel::SetFocusControl(TWinControl* Value)
{
    FFocusControl = Value;
    if (Value)
        Value->FreeNotification(this);
}

void TCustomLabel::Notification(TComponent* AComponent, TOperation Operation)
{
    TGraphicControl::Notification(AComponent, Operation);
    if (Operation == TOperation::opRemove && AComponent == FFocusControl)
        FFocusControl = nullptr;
}

void TCustomLabel::Loaded()
{
    TGraphicControl::Loaded();
    AdjustBounds();
}

void TCustomLabel::Dispatch(TMessage& Message)
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
