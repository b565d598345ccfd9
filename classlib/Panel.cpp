#include "classlib/ExtCtrls.h"
#include "platform/gdi/Gdi.h"
#include "platform/win/Rect.h"

#include "classlib/Frame3D.h"

TPanel::TPanel(TComponent* AOwner) : TCustomControl(AOwner)
{
    FControlStyle = TControlStyle{csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption, csOpaque, csDoubleClicks};
    SetBounds(0, 0, 185, 41);
    SetColor(clBtnFace);
}

void TPanel::changed()
{
    Realign();
    Invalidate();
}

void TPanel::SetBevelInner(TPanelBevel Value)
{
    if (Value == FBevelInner)
        return;
    FBevelInner = Value;
    changed();
}

void TPanel::SetBevelOuter(TPanelBevel Value)
{
    if (Value == FBevelOuter)
        return;
    FBevelOuter = Value;
    changed();
}

void TPanel::SetBevelWidth(int Value)
{
    if (Value == FBevelWidth || Value < 1)
        return;
    FBevelWidth = Value;
    changed();
}

void TPanel::SetBorderWidth(int Value)
{
    if (Value == FBorderWidth || Value < 0)
        return;
    FBorderWidth = Value;
    changed();
}

void TPanel::SetAlignment(TAlignment Value)
{
    if (Value == FAlignment)
        return;
    FAlignment = Value;
    Invalidate();
}

void TPanel::AdjustClientRect(RECT& Rect)
{
    TCustomControl::AdjustClientRect(Rect);
    int inset = FBorderWidth;
    if (FBevelOuter != TPanelBevel::bvNone)
        inset += FBevelWidth;
    if (FBevelInner != TPanelBevel::bvNone)
        inset += FBevelWidth;
    InflateRect(&Rect, -inset, -inset);
}

void TPanel::Paint()
{
    TCanvas* c = Canvas();
    RECT r = GetClientRect();
    auto bevel = [&](TPanelBevel b) {
        const bool lowered = b == TPanelBevel::bvLowered;
        Frame3D(c, r, lowered ? clBtnShadow : clBtnHighlight, lowered ? clBtnHighlight : clBtnShadow, FBevelWidth);
    };
    if (FBevelOuter != TPanelBevel::bvNone)
        bevel(FBevelOuter);
    Frame3D(c, r, GetColor(), GetColor(), FBorderWidth);
    if (FBevelInner != TPanelBevel::bvNone)
        bevel(FBevelInner);
    c->Brush()->SetColor(GetColor());
    c->FillRect(r);
    c->Brush()->SetStyle(TBrushStyle::bsClear);
    c->Font()->Assign(Font());
    static const UINT alignments[] = {DT_LEFT, DT_RIGHT, DT_CENTER};
    c->TextRect(r, GetCaption(), DT_EXPANDTABS | DT_VCENTER | DT_SINGLELINE | alignments[static_cast<int>(FAlignment)]);
}

void TPanel::Dispatch(TMessage& Message)
{
    if (Message.Msg == CM_TEXTCHANGED || Message.Msg == CM_ENABLEDCHANGED)
        Invalidate();
    TCustomControl::Dispatch(Message);
}
