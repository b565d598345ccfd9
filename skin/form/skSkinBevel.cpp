// The skinned bevel: the class library's shapes in the skin's light and dark colours, and a
// divider style that draws a centred groove.

#include "skin/form/skSkinCtrls.h"

namespace {

// Bottom-left up to top-left and on to top-right in C1; top-right down to bottom-right and on to
// bottom-left in C2.
void BevelRect(TCanvas* C, int L, int T, int R, int B, TColor C1, TColor C2)
{
    C->Pen()->SetColor(C1);
    C->MoveTo(L, B);
    C->LineTo(L, T);
    C->LineTo(R, T);
    C->Pen()->SetColor(C2);
    C->LineTo(R, B);
    C->LineTo(L, B);
}

void BevelLine(TCanvas* C, TColor Color, int X1, int Y1, int X2, int Y2)
{
    C->Pen()->SetColor(Color);
    C->MoveTo(X1, Y1);
    C->LineTo(X2, Y2);
}

} // namespace

TskSkinBevel::TskSkinBevel(TComponent* AOwner) : TBevel(AOwner)
{
    FSkinDataName = "bevel";
}

void TskSkinBevel::SetSkinData(TskSkinData* Value)
{
    FSD = Value;
    if (Value != nullptr)
        Value->FreeNotification(this);
    ChangeSkinData();
}

void TskSkinBevel::Notification(TComponent* AComponent, TOperation Operation)
{
    TBevel::Notification(AComponent, Operation);
    // Like the labels, forget a skin data that goes away.
    if (Operation == TOperation::opRemove && AComponent == FSD) {
        FSD = nullptr;
        ChangeSkinData();
    }
}

void TskSkinBevel::ChangeSkinData()
{
    FIndex = FindDescription();
    LightColor = clBtnHighlight;
    DarkColor = clBtnShadow;
    if (auto* d = Description<TskDataSkinBevel>()) {
        LightColor = d->LightColor;
        DarkColor = d->DarkColor;
    }
    Invalidate();
}

void TskSkinBevel::SetDividerMode(bool Value)
{
    FDividerMode = Value;
    Invalidate();
}

void TskSkinBevel::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    TBevel::SetBounds(ALeft, CentredTopOnHost(this, ATop, AHeight), AWidth, AHeight);
}

void TskSkinBevel::Paint()
{
    TCanvas* c = Canvas();
    c->Pen()->SetWidth(1);
    const bool lowered = GetStyle() == TBevelStyle::bsLowered;
    const TColor c1 = lowered ? DarkColor : LightColor;
    const TColor c2 = lowered ? LightColor : DarkColor;
    const int W = FWidth, H = FHeight;
    const TBevelShape shape = GetShape();
    if (FDividerMode) {
        if (shape == TBevelShape::bsTopLine || shape == TBevelShape::bsBottomLine)
            BevelRect(c, 2, H / 2 - 1, W - 2, H / 2, c1, c2);
        else if (shape != TBevelShape::bsSpacer)
            BevelRect(c, W / 2 - 1, 2, W / 2, H - 2, c1, c2);
        return;
    }
    switch (shape) {
    case TBevelShape::bsBox:
        BevelRect(c, 0, 0, W - 1, H - 1, c1, c2);
        break;
    case TBevelShape::bsFrame:
        BevelRect(c, 1, 1, W - 1, H - 1, c2, c2);
        BevelRect(c, 0, 0, W - 2, H - 2, c1, c1);
        break;
    case TBevelShape::bsTopLine:
        BevelLine(c, c1, 0, 0, W, 0);
        BevelLine(c, c2, 0, 1, W, 1);
        break;
    case TBevelShape::bsBottomLine:
        BevelLine(c, c1, 0, H - 2, W, H - 2);
        BevelLine(c, c2, 0, H - 1, W, H - 1);
        break;
    case TBevelShape::bsLeftLine:
        BevelLine(c, c1, 0, 0, 0, H);
        BevelLine(c, c2, 1, 0, 1, H);
        break;
    case TBevelShape::bsRightLine:
        BevelLine(c, c1, W - 2, 0, W - 2, H);
        BevelLine(c, c2, W - 1, 0, W - 1, H);
        break;
    case TBevelShape::bsSpacer:
        break;
    }
}
