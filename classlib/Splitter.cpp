#include "classlib/ExtCtrls.h"

#include "platform/win/Rect.h"

#include <algorithm>

TSplitter::TSplitter(TComponent* AOwner) : TGraphicControl(AOwner)
{
    SetAlign(TAlign::alLeft);
    SetBounds(0, 0, 3, 100);
    SetCursor(crSizeWE);
}

bool TSplitter::horizontal() const
{
    return GetAlign() == TAlign::alTop || GetAlign() == TAlign::alBottom;
}

TControl* TSplitter::FindControl()
{
    TWinControl* parent = GetParent();
    if (parent == nullptr)
        return nullptr;
    // The neighbour on the side the splitter is aligned to.
    POINT p{};
    switch (GetAlign()) {
    case TAlign::alLeft: p = POINT{FLeft - 1, FTop + FHeight / 2}; break;
    case TAlign::alRight: p = POINT{FLeft + FWidth, FTop + FHeight / 2}; break;
    case TAlign::alTop: p = POINT{FLeft + FWidth / 2, FTop - 1}; break;
    case TAlign::alBottom: p = POINT{FLeft + FWidth / 2, FTop + FHeight}; break;
    default: return nullptr;
    }
    for (int i = 0; i < parent->ControlCount(); ++i) {
        TControl* c = parent->Controls(i);
        const RECT r = c->GetBoundsRect();
        if (c != this && c->GetVisible() && c->GetAlign() == GetAlign() && PtInRect(&r, p))
            return c;
    }
    return nullptr;
}

void TSplitter::Paint()
{
    Canvas()->Brush()->SetColor(clBtnFace);
    Canvas()->FillRect(GetClientRect());
}

void TSplitter::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TGraphicControl::MouseDown(Button, Shift, X, Y);
    if (Button != TMouseButton::mbLeft)
        return;
    FControl = FindControl();
    FDownPos = ClientToScreen(POINT{X, Y});
    if (FControl != nullptr)
        FStartSize = horizontal() ? FControl->GetHeight() : FControl->GetWidth();
}

void TSplitter::MouseMove(TShiftState Shift, int X, int Y)
{
    TGraphicControl::MouseMove(Shift, X, Y);
    // The sizing cursor follows the alignment.
    SetCursor(horizontal() ? crSizeNS : crSizeWE);
    if (FControl == nullptr)
        return;
    const POINT p = ClientToScreen(POINT{X, Y});
    int delta = horizontal() ? p.y - FDownPos.y : p.x - FDownPos.x;
    if (GetAlign() == TAlign::alRight || GetAlign() == TAlign::alBottom)
        delta = -delta;
    const int size = std::max(FMinSize, FStartSize + delta);
    if (horizontal())
        FControl->SetHeight(size);
    else
        FControl->SetWidth(size);
}

void TSplitter::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    const bool moved = FControl != nullptr;
    FControl = nullptr;
    auto alive = AliveToken();
    TGraphicControl::MouseUp(Button, Shift, X, Y);
    if (moved && *alive)
        if (const TNotifyEvent onMoved = OnMoved)
            onMoved(this);
}
