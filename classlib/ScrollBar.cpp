#include "classlib/StdCtrls.h"
#include "platform/gdi/Gdi.h"
#include "platform/win/Rect.h"

#include "classlib/Frame3D.h"
#include "platform/window/User.h"

#include <algorithm>

TScrollBar::TScrollBar(TComponent* AOwner) : TCustomControl(AOwner)
{
    FControlStyle = TControlStyle{csCaptureMouse, csOpaque, csDoubleClicks};
    SetBounds(0, 0, 121, GetSystemMetrics(SM_CYHSCROLL));
    SetTabStop(true);
    SetColor(clScrollBar);
}

void TScrollBar::SetKind(TScrollBarKind Value)
{
    if (Value == FKind)
        return;
    FKind = Value;
    if (!ComponentState().Contains(csLoading))
        SetBounds(FLeft, FTop, FHeight, FWidth);
    Invalidate();
}

int TScrollBar::maxPosition() const
{
    return FPageSize > 0 ? std::max(FMin, FMax - FPageSize + 1) : FMax;
}

void TScrollBar::SetParams(int APosition, int AMin, int AMax)
{
    if (AMax < AMin)
        throw EInvalidOperation("Scroll bar property out of range");
    FMin = AMin;
    FMax = AMax;
    APosition = std::clamp(APosition, FMin, maxPosition());
    Invalidate();
    if (APosition == FPosition)
        return;
    FPosition = APosition;
    if (auto handler = OnChange)
        handler(this);
}

void TScrollBar::SetPageSize(int Value)
{
    FPageSize = std::clamp(Value, 0, FMax - FMin + 1);
    SetParams(FPosition, FMin, FMax);
}

TScrollBar::Parts TScrollBar::parts()
{
    const bool horz = FKind == TScrollBarKind::sbHorizontal;
    const int length = horz ? FWidth : FHeight;
    const int thickness = horz ? FHeight : FWidth;
    const int arrow = std::min(thickness, length / 2);
    const int trackLength = std::max(length - 2 * arrow, 0);
    const int range = FMax - FMin + 1;
    int thumb = FPageSize > 0 ? trackLength * FPageSize / std::max(range, 1) : thickness;
    thumb = std::clamp(thumb, std::min(8, trackLength), trackLength);
    const int span = maxPosition() - FMin;
    const int offset = span > 0 ? (trackLength - thumb) * (FPosition - FMin) / span : 0;
    auto along = [&](int from, int to) { return horz ? RECT{from, 0, to, thickness} : RECT{0, from, thickness, to}; };
    Parts p;
    p.lineUp = along(0, arrow);
    p.lineDown = along(length - arrow, length);
    p.track = along(arrow, length - arrow);
    p.thumb = along(arrow + offset, arrow + offset + thumb);
    return p;
}

void TScrollBar::scroll(TScrollCode Code, int Pos)
{
    Pos = std::clamp(Pos, FMin, maxPosition());
    if (auto handler = OnScroll) {
        auto alive = AliveToken();
        handler(this, Code, Pos);
        if (!*alive)
            return;
    }
    SetPosition(Pos);
}

void TScrollBar::Paint()
{
    TCanvas* c = Canvas();
    Parts p = parts();
    c->Brush()->SetColor(GetColor());
    c->FillRect(p.track);
    const bool horz = FKind == TScrollBarKind::sbHorizontal;
    auto button = [&](RECT r) {
        Frame3D(c, r, clBtnHighlight, clBtnShadow, 1);
        c->Brush()->SetColor(clBtnFace);
        c->FillRect(r);
    };
    button(p.lineUp);
    button(p.lineDown);
    if (GetEnabled() && p.thumb.right > p.thumb.left && p.thumb.bottom > p.thumb.top)
        button(p.thumb);
    // Arrows: small triangles pointing away from the track.
    c->Pen()->SetColor(GetEnabled() ? clBtnText : clGrayText);
    c->Brush()->SetColor(GetEnabled() ? clBtnText : clGrayText);
    auto arrow = [&](RECT r, bool towardsStart) {
        const int cx = (r.left + r.right) / 2, cy = (r.top + r.bottom) / 2;
        if (horz)
            c->Polygon(towardsStart ? std::vector<POINT>{{cx - 2, cy}, {cx + 1, cy - 3}, {cx + 1, cy + 3}}
                                    : std::vector<POINT>{{cx + 2, cy}, {cx - 1, cy - 3}, {cx - 1, cy + 3}});
        else
            c->Polygon(towardsStart ? std::vector<POINT>{{cx, cy - 2}, {cx - 3, cy + 1}, {cx + 3, cy + 1}}
                                    : std::vector<POINT>{{cx, cy + 2}, {cx - 3, cy - 1}, {cx + 3, cy - 1}});
    };
    arrow(p.lineUp, true);
    arrow(p.lineDown, false);
}

void TScrollBar::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    auto alive = AliveToken();
    TCustomControl::MouseDown(Button, Shift, X, Y);
    if (!*alive || Button != TMouseButton::mbLeft)
        return;
    if (CanFocus() && !Focused())
        SetFocus();
    Parts p = parts();
    const POINT pt{X, Y};
    const bool horz = FKind == TScrollBarKind::sbHorizontal;
    if (PtInRect(&p.lineUp, pt)) {
        scroll(TScrollCode::scLineUp, FPosition - FSmallChange);
    } else if (PtInRect(&p.lineDown, pt)) {
        scroll(TScrollCode::scLineDown, FPosition + FSmallChange);
    } else if (PtInRect(&p.thumb, pt)) {
        FDragging = true;
        FDragOffset = horz ? X - p.thumb.left : Y - p.thumb.top;
    } else if (PtInRect(&p.track, pt)) {
        const bool before = horz ? X < p.thumb.left : Y < p.thumb.top;
        if (before)
            scroll(TScrollCode::scPageUp, FPosition - FLargeChange);
        else
            scroll(TScrollCode::scPageDown, FPosition + FLargeChange);
    }
}

void TScrollBar::MouseMove(TShiftState Shift, int X, int Y)
{
    if (FDragging) {
        Parts p = parts();
        const bool horz = FKind == TScrollBarKind::sbHorizontal;
        const int thumb = horz ? p.thumb.right - p.thumb.left : p.thumb.bottom - p.thumb.top;
        const int track = horz ? p.track.right - p.track.left : p.track.bottom - p.track.top;
        const int start = (horz ? X - p.track.left : Y - p.track.top) - FDragOffset;
        const int span = maxPosition() - FMin;
        const int room = std::max(track - thumb, 1);
        scroll(TScrollCode::scTrack, FMin + (std::clamp(start, 0, room) * span + room / 2) / room);
    }
    TCustomControl::MouseMove(Shift, X, Y);
}

void TScrollBar::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (FDragging && Button == TMouseButton::mbLeft) {
        FDragging = false;
        auto alive = AliveToken();
        scroll(TScrollCode::scPosition, FPosition);
        if (!*alive)
            return;
        scroll(TScrollCode::scEndScroll, FPosition);
        if (!*alive)
            return;
    }
    TCustomControl::MouseUp(Button, Shift, X, Y);
}

void TScrollBar::KeyDown(WORD& Key, TShiftState Shift)
{
    auto alive = AliveToken();
    switch (Key) {
    case VK_LEFT:
    case VK_UP:
        scroll(TScrollCode::scLineUp, FPosition - FSmallChange);
        break;
    case VK_RIGHT:
    case VK_DOWN:
        scroll(TScrollCode::scLineDown, FPosition + FSmallChange);
        break;
    case VK_PRIOR:
        scroll(TScrollCode::scPageUp, FPosition - FLargeChange);
        break;
    case VK_NEXT:
        scroll(TScrollCode::scPageDown, FPosition + FLargeChange);
        break;
    case VK_HOME:
        scroll(TScrollCode::scTop, FMin);
        break;
    case VK_END:
        scroll(TScrollCode::scBottom, maxPosition());
        break;
    default:
        break;
    }
    if (*alive)
        TCustomControl::KeyDown(Key, Shift);
}

void TScrollBar::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case CM_WANTSPECIALKEY:
        // The arrows move the bar, not the focus.
        Message.Result = Message.WParam == VK_LEFT || Message.WParam == VK_RIGHT || Message.WParam == VK_UP ||
                                 Message.WParam == VK_DOWN
                             ? 1
                             : 0;
        break;
    case CM_ENABLEDCHANGED:
        Invalidate();
        TCustomControl::Dispatch(Message);
        break;
    default:
        TCustomControl::Dispatch(Message);
        break;
    }
}
