#include "classlib/ExtCtrls.h"
#include "platform/gdi/Gdi.h"
#include "platform/win/Rect.h"

TBevel::TBevel(TComponent* AOwner) : TGraphicControl(AOwner)
{
    SetBounds(0, 0, 50, 50);
}

void TBevel::SetShape(TBevelShape Value)
{
    if (Value == FShape)
        return;
    FShape = Value;
    Invalidate();
}

void TBevel::SetStyle(TBevelStyle Value)
{
    if (Value == FStyle)
        return;
    FStyle = Value;
    Invalidate();
}

void TBevel::Paint()
{
    TCanvas* c = Canvas();
    c->Pen()->SetWidth(1);
    TColor color1 = FStyle == TBevelStyle::bsLowered ? clBtnShadow : clBtnHighlight;
    TColor color2 = FStyle == TBevelStyle::bsLowered ? clBtnHighlight : clBtnShadow;
    const int w = FWidth, h = FHeight;
    auto rect = [&](RECT r, TColor first, TColor second) {
        c->Pen()->SetColor(first);
        c->Polyline({{r.left, r.bottom}, {r.left, r.top}, {r.right, r.top}});
        c->Pen()->SetColor(second);
        c->Polyline({{r.right, r.top}, {r.right, r.bottom}, {r.left, r.bottom}});
    };
    auto line = [&](TColor color, int x1, int y1, int x2, int y2) {
        c->Pen()->SetColor(color);
        c->MoveTo(x1, y1);
        c->LineTo(x2, y2);
    };
    switch (FShape) {
    case TBevelShape::bsBox:
        rect(RECT{0, 0, w - 1, h - 1}, color1, color2);
        break;
    case TBevelShape::bsFrame:
        rect(RECT{1, 1, w - 1, h - 1}, color2, color2);
        rect(RECT{0, 0, w - 2, h - 2}, color1, color1);
        break;
    case TBevelShape::bsTopLine:
        line(color1, 0, 0, w, 0);
        line(color2, 0, 1, w, 1);
        break;
    case TBevelShape::bsBottomLine:
        line(color1, 0, h - 2, w, h - 2);
        line(color2, 0, h - 1, w, h - 1);
        break;
    case TBevelShape::bsLeftLine:
        line(color1, 0, 0, 0, h);
        line(color2, 1, 0, 1, h);
        break;
    case TBevelShape::bsRightLine:
        line(color1, w - 2, 0, w - 2, h);
        line(color2, w - 1, 0, w - 1, h);
        break;
    case TBevelShape::bsSpacer:
        break;
    }
}
