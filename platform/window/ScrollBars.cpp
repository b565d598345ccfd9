#include "platform/window/ScrollBars.h"

#include "platform/gdi/Drawing.h"
#include "platform/gdi/Objects.h"
#include "platform/window/Dispatch.h"
#include "platform/window/Input.h"
#include "platform/window/Metrics.h"
#include "platform/window/MessageLoop.h"
#include "platform/window/Paint.h"
#include "platform/window/ScrollInfo.h"
#include "platform/window/Timers.h"
#include "platform/window/WindowTree.h"

#include <algorithm>

namespace {

constexpr UINT_PTR kRepeatTimer = 0xFFF0;
constexpr UINT kFirstRepeatMs = 500;
constexpr UINT kRepeatMs = 50;
constexpr int kMinThumb = 8;

enum Part { kNone = -1, kLineUp, kPageUp, kThumb, kPageDown, kLineDown };

bool HasBar(const Window* w, int bar)
{
    return (w->style & (bar == SB_HORZ ? WS_HSCROLL : WS_VSCROLL)) != 0;
}

// The bar's rectangle in window coordinates (empty when the window has no such bar).
RECT BarRect(const Window* w, int bar)
{
    if (!HasBar(w, bar))
        return RECT{};
    const RECT& c = w->client;
    if (bar == SB_VERT)
        return RECT{c.right, c.top, std::min(c.right + GetSystemMetrics(SM_CXVSCROLL), w->Width()), c.bottom};
    return RECT{c.left, c.bottom, c.right, std::min(c.bottom + GetSystemMetrics(SM_CYHSCROLL), w->Height())};
}

// The parts of a bar along its length: [start, end) of each, in window coordinates.
struct Layout {
    RECT bar{};
    bool vertical = false;
    int start = 0, end = 0;          // along the bar
    int arrow = 0;                   // length of each arrow button
    int thumbStart = 0, thumbEnd = 0;  // equal when there is no thumb
    int maxPos = 0;
    bool scrollable = false;
};

int MaxPosition(const ScrollBarState& s)
{
    return std::max(s.min, s.max - std::max(static_cast<int>(s.page) - 1, 0));
}

Layout LayoutOf(const Window* w, int bar, int shownPos)
{
    Layout l;
    l.bar = BarRect(w, bar);
    l.vertical = bar == SB_VERT;
    l.start = l.vertical ? l.bar.top : l.bar.left;
    l.end = l.vertical ? l.bar.bottom : l.bar.right;
    const int length = std::max(l.end - l.start, 0);
    const int thickness = l.vertical ? RectWidth(l.bar) : RectHeight(l.bar);
    l.arrow = std::min(thickness, length / 2);
    const ScrollBarState& s = w->scrollBars[bar];
    l.maxPos = MaxPosition(s);
    const int trackStart = l.start + l.arrow, trackEnd = l.end - l.arrow;
    const int track = trackEnd - trackStart;
    l.scrollable = l.maxPos > s.min;
    l.thumbStart = l.thumbEnd = trackStart;
    if (!l.scrollable || track < kMinThumb)
        return l;
    const long long units = static_cast<long long>(s.max) - s.min + 1;
    int thumb = s.page ? static_cast<int>(track * static_cast<long long>(s.page) / units) : thickness;
    thumb = std::clamp(thumb, kMinThumb, track);
    const long long span = track - thumb;
    const long long offset = span * (std::clamp(shownPos, s.min, l.maxPos) - static_cast<long long>(s.min)) /
                             (static_cast<long long>(l.maxPos) - s.min);
    l.thumbStart = trackStart + static_cast<int>(offset);
    l.thumbEnd = l.thumbStart + thumb;
    return l;
}

Part PartAt(const Layout& l, POINT p)
{
    if (!PtInRect(&l.bar, p))
        return kNone;
    const int at = l.vertical ? p.y : p.x;
    if (at < l.start + l.arrow)
        return kLineUp;
    if (at >= l.end - l.arrow)
        return kLineDown;
    if (l.thumbEnd == l.thumbStart)
        return kNone;
    if (at < l.thumbStart)
        return kPageUp;
    return at < l.thumbEnd ? kThumb : kPageDown;
}

RECT Along(const Layout& l, int from, int to)
{
    return l.vertical ? RECT{l.bar.left, from, l.bar.right, to} : RECT{from, l.bar.top, to, l.bar.bottom};
}

void Fill(HDC dc, const RECT& r, int colorIndex)
{
    FillRect(dc, &r, GetSysColorBrush(colorIndex));
}

// A raised button face: light top-left, dark bottom-right.
void RaisedBox(HDC dc, RECT r, bool pressed)
{
    Fill(dc, r, COLOR_BTNFACE);
    if (RectWidth(r) < 2 || RectHeight(r) < 2)
        return;
    const int light = pressed ? COLOR_BTNSHADOW : COLOR_BTNHIGHLIGHT;
    const int dark = pressed ? COLOR_BTNSHADOW : COLOR_3DDKSHADOW;
    Fill(dc, RECT{r.left, r.top, r.right - 1, r.top + 1}, light);
    Fill(dc, RECT{r.left, r.top, r.left + 1, r.bottom - 1}, light);
    Fill(dc, RECT{r.left, r.bottom - 1, r.right, r.bottom}, dark);
    Fill(dc, RECT{r.right - 1, r.top, r.right, r.bottom}, dark);
}

// A small filled triangle pointing towards the bar's start (up/left) or end.
void Arrow(HDC dc, const RECT& r, bool vertical, bool towardsEnd, int colorIndex)
{
    const int cx = (r.left + r.right) / 2, cy = (r.top + r.bottom) / 2;
    const int size = std::max(1, std::min(RectWidth(r), RectHeight(r)) / 4);
    HBRUSH brush = GetSysColorBrush(colorIndex);
    for (int i = 0; i < size; ++i) {
        const int row = towardsEnd ? size - 1 - i : i;  // row 0 is the tip
        const int offset = i - size / 2;
        RECT line = vertical ? RECT{cx - row, cy + offset, cx + row + 1, cy + offset + 1}
                             : RECT{cx + offset, cy - row, cx + offset + 1, cy + row + 1};
        FillRect(dc, &line, brush);
    }
}

void PaintBar(HDC dc, const Window* w, int bar, Part pressed)
{
    const ScrollBarState& s = w->scrollBars[bar];
    const Layout l = LayoutOf(w, bar, s.tracking ? s.trackPos : s.pos);
    if (IsRectEmpty(&l.bar))
        return;
    Fill(dc, l.bar, COLOR_SCROLLBAR);
    const int arrowColor = l.scrollable && w->Enabled() ? COLOR_BTNTEXT : COLOR_GRAYTEXT;
    const RECT up = Along(l, l.start, l.start + l.arrow);
    const RECT down = Along(l, l.end - l.arrow, l.end);
    RaisedBox(dc, up, pressed == kLineUp);
    Arrow(dc, up, l.vertical, false, arrowColor);
    RaisedBox(dc, down, pressed == kLineDown);
    Arrow(dc, down, l.vertical, true, arrowColor);
    if (l.thumbEnd > l.thumbStart && w->Enabled())
        RaisedBox(dc, Along(l, l.thumbStart, l.thumbEnd), false);
}

void Repaint(Window* w, int bar, Part pressed)
{
    HDC dc = GetWindowDC(w->handle);
    if (!dc)
        return;
    PaintBar(dc, w, bar, pressed);
    ReleaseDC(w->handle, dc);
}

WORD CodeOf(Part part)
{
    switch (part) {
    case kLineUp: return SB_LINEUP;
    case kPageUp: return SB_PAGEUP;
    case kPageDown: return SB_PAGEDOWN;
    default: return SB_LINEDOWN;
    }
}

POINT WindowPoint(const Window* w, POINT screen)
{
    const POINT o = ScreenOrigin(w);
    return POINT{screen.x - o.x, screen.y - o.y};
}

// A held arrow or page part repeats while the pointer stays on it (a page part: until the thumb
// has passed the pointer).
bool StillOn(const Window* w, int bar, Part part, POINT windowPoint)
{
    const ScrollBarState& s = w->scrollBars[bar];
    return PartAt(LayoutOf(w, bar, s.pos), windowPoint) == part;
}

} // namespace

void TakeScrollBarRoom(const Window* w, RECT& client)
{
    if (HasBar(w, SB_VERT))
        client.right = std::max(client.left, client.right - GetSystemMetrics(SM_CXVSCROLL));
    if (HasBar(w, SB_HORZ))
        client.bottom = std::max(client.top, client.bottom - GetSystemMetrics(SM_CYHSCROLL));
}

LRESULT ScrollBarHitTest(const Window* w, POINT windowPoint)
{
    RECT v = BarRect(w, SB_VERT), h = BarRect(w, SB_HORZ);
    if (PtInRect(&v, windowPoint))
        return HTVSCROLL;
    if (PtInRect(&h, windowPoint))
        return HTHSCROLL;
    return HTNOWHERE;
}

void PaintScrollBars(Window* w)
{
    if (!HasBar(w, SB_HORZ) && !HasBar(w, SB_VERT))
        return;
    HDC dc = GetWindowDC(w->handle);
    if (!dc)
        return;
    PaintBar(dc, w, SB_HORZ, kNone);
    PaintBar(dc, w, SB_VERT, kNone);
    if (HasBar(w, SB_HORZ) && HasBar(w, SB_VERT)) {
        const RECT v = BarRect(w, SB_VERT), h = BarRect(w, SB_HORZ);
        Fill(dc, RECT{v.left, h.top, v.right, h.bottom}, COLOR_BTNFACE);
    }
    ReleaseDC(w->handle, dc);
}

void TrackScrollBar(Window* w, int bar, POINT screen)
{
    const HWND hwnd = w->handle;
    const UINT message = bar == SB_HORZ ? WM_HSCROLL : WM_VSCROLL;
    std::shared_ptr<Window> keep = w->shared_from_this();
    ScrollBarState& s = w->scrollBars[bar];
    const Layout start = LayoutOf(w, bar, s.pos);
    const POINT at = WindowPoint(w, screen);
    const Part part = PartAt(start, at);
    if (part == kNone || !start.scrollable || !w->Enabled())
        return;
    const int grabOffset = (start.vertical ? at.y : at.x) - start.thumbStart;
    if (part == kThumb) {
        s.tracking = true;
        s.trackPos = s.pos;
    } else {
        Send(w, message, CodeOf(part), 0);
        if (!Alive(w))
            return;
        SetTimer(hwnd, kRepeatTimer, kFirstRepeatMs, nullptr);
    }
    Repaint(w, bar, part);
    SetCapture(hwnd);
    MSG msg;
    while (Alive(w) && GetCapture() == hwnd) {
        if (!GetMessage(&msg, nullptr, 0, 0)) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        if (!Alive(w) || GetCapture() != hwnd)
            break;
        if (msg.message == WM_LBUTTONUP)
            break;
        if (msg.message == WM_TIMER && msg.hwnd == hwnd && msg.wParam == kRepeatTimer) {
            SetTimer(hwnd, kRepeatTimer, kRepeatMs, nullptr);
            if (StillOn(w, bar, part, WindowPoint(w, msg.pt)))
                Send(w, message, CodeOf(part), 0);
            continue;
        }
        if (msg.message == WM_MOUSEMOVE && part == kThumb) {
            const Layout l = LayoutOf(w, bar, s.trackPos);
            const int along = (l.vertical ? WindowPoint(w, msg.pt).y : WindowPoint(w, msg.pt).x) - grabOffset;
            const int trackStart = l.start + l.arrow;
            const int span = (l.end - l.arrow) - trackStart - (l.thumbEnd - l.thumbStart);
            const long long units = static_cast<long long>(l.maxPos) - s.min;
            const long long offset = std::clamp(along - trackStart, 0, std::max(span, 0));
            const int pos = span > 0 ? s.min + static_cast<int>((offset * units + span / 2) / span) : s.min;
            if (pos != s.trackPos) {
                s.trackPos = pos;
                Send(w, message, MAKEWPARAM(SB_THUMBTRACK, static_cast<WORD>(pos)), 0);
                if (!Alive(w))
                    break;
                Repaint(w, bar, part);
            }
            continue;
        }
        if (msg.message >= WM_MOUSEFIRST && msg.message <= WM_MOUSELAST)
            continue;
        TranslateMessage(&msg);
        DispatchMessage(&msg);
    }
    KillTimer(hwnd, kRepeatTimer);
    if (GetCapture() == hwnd)
        ReleaseCapture();
    if (!Alive(w))
        return;
    if (part == kThumb) {
        // The final place becomes the position before the window hears of it, so a window that
        // reads the 32-bit position finds it there.
        const int pos = s.trackPos;
        s.pos = std::clamp(pos, s.min, MaxPosition(s));
        s.tracking = false;
        Send(w, message, MAKEWPARAM(SB_THUMBPOSITION, static_cast<WORD>(pos)), 0);
        if (!Alive(w))
            return;
    }
    Send(w, message, SB_ENDSCROLL, 0);
    if (Alive(w))
        Repaint(w, bar, kNone);
}
