// The caret, its blinking and its overlay on the top-level surfaces.

#include "platform/window/Caret.h"
#include "platform/window/CaretOverlay.h"

#include "platform/window/Ime.h"
#include "platform/window/Presentation.h"
#include "platform/window/Timers.h"
#include "platform/window/VisibleRegion.h"
#include "platform/window/WindowSystem.h"
#include "platform/window/WindowTree.h"

namespace {

constexpr UINT_PTR kBlinkTimer = 0xFFFE;  // a timer id no window uses for itself

struct CaretState {
    HWND hwnd = nullptr;
    int width = 1;
    int height = 0;
    POINT pos{};
    int hidden = 1;
    bool blinkOn = true;
    UINT blinkTime = 530;
};

CaretState& Caret()
{
    static CaretState caret;
    return caret;
}

Window* CaretWindow()
{
    CaretState& c = Caret();
    Window* w = c.hwnd ? Sys().Find(c.hwnd) : nullptr;
    if (!w || w->destroying) {
        c.hwnd = nullptr;
        return nullptr;
    }
    return w;
}

// The caret rectangle in top-level coordinates, clipped to its window's visible client area.
Region CaretRegion(const Window* w)
{
    const CaretState& c = Caret();
    const POINT o = OriginInTopLevel(w);
    const RECT r{o.x + w->client.left + c.pos.x, o.y + w->client.top + c.pos.y,
                 o.x + w->client.left + c.pos.x + c.width, o.y + w->client.top + c.pos.y + c.height};
    return Region(r).Intersect(VisibleRegion(w, true, (w->style & WS_CLIPCHILDREN) != 0, false));
}

// The caret's pixels must be shown again (it moved, blinked, appeared or went away).
void Touch()
{
    Window* w = CaretWindow();
    if (!w)
        return;
    Window* top = TopLevelOf(w);
    if (!top || !top->top)
        return;
    const Region r = CaretRegion(w);
    if (!r.IsEmpty())
        MarkDirty(top, r.Bounds());
}

void BlinkProc(HWND, UINT, UINT_PTR, DWORD)
{
    CaretState& c = Caret();
    c.blinkOn = !c.blinkOn;
    Touch();
}

void RestartBlink()
{
    CaretState& c = Caret();
    c.blinkOn = true;
    if (CaretWindow())
        SetTimer(c.hwnd, kBlinkTimer, c.blinkTime, &BlinkProc);
}

bool Owns(HWND hwnd)
{
    return CaretWindow() && (!hwnd || hwnd == Caret().hwnd);
}

} // namespace

BOOL CreateCaret(HWND hwnd, HBITMAP, int width, int height)
{
    Window* w = Sys().Find(hwnd);
    if (!w || w->IsDesktop())
        return FALSE;
    DestroyCaret();
    CaretState& c = Caret();
    c.hwnd = hwnd;
    c.width = width > 0 ? width : 1;
    c.height = height > 0 ? height : 1;
    c.pos = POINT{};
    c.hidden = 1;
    RestartBlink();
    NotifyInputMethod(hwnd);
    return TRUE;
}

BOOL DestroyCaret()
{
    CaretState& c = Caret();
    if (!CaretWindow())
        return FALSE;
    Touch();
    const HWND owner = c.hwnd;
    KillTimer(owner, kBlinkTimer);
    c.hwnd = nullptr;
    NotifyInputMethod(owner);
    return TRUE;
}

BOOL SetCaretPos(int x, int y)
{
    CaretState& c = Caret();
    if (!CaretWindow())
        return FALSE;
    if (c.pos.x == x && c.pos.y == y)
        return TRUE;
    Touch();
    c.pos = POINT{x, y};
    RestartBlink();
    Touch();
    NotifyInputMethod(c.hwnd);
    return TRUE;
}

BOOL GetCaretPos(POINT* point)
{
    if (!point || !CaretWindow())
        return FALSE;
    *point = Caret().pos;
    return TRUE;
}

BOOL ShowCaret(HWND hwnd)
{
    CaretState& c = Caret();
    if (!Owns(hwnd) || c.hidden == 0)
        return FALSE;
    if (--c.hidden == 0) {
        RestartBlink();
        Touch();
    }
    return TRUE;
}

BOOL HideCaret(HWND hwnd)
{
    CaretState& c = Caret();
    if (!Owns(hwnd))
        return FALSE;
    if (c.hidden++ == 0)
        Touch();
    return TRUE;
}

UINT GetCaretBlinkTime()
{
    return Caret().blinkTime;
}

BOOL SetCaretBlinkTime(UINT ms)
{
    if (ms == 0)
        return FALSE;
    Caret().blinkTime = ms;
    RestartBlink();
    return TRUE;
}

HWND GetCaretWindow()
{
    return CaretWindow() ? Caret().hwnd : nullptr;
}

Region CaretOverlay(const Window* top)
{
    const CaretState& c = Caret();
    Window* w = CaretWindow();
    if (!w || c.hidden != 0 || !c.blinkOn || TopLevelOf(w) != top || !IsVisibleChain(w))
        return Region();
    return CaretRegion(w);
}

bool CaretRectInTopLevel(const Window* top, RECT* rect)
{
    const CaretState& c = Caret();
    Window* w = CaretWindow();
    if (!w || TopLevelOf(w) != top || !rect)
        return false;
    const POINT o = OriginInTopLevel(w);
    *rect = RECT{o.x + w->client.left + c.pos.x, o.y + w->client.top + c.pos.y,
                 o.x + w->client.left + c.pos.x + c.width, o.y + w->client.top + c.pos.y + c.height};
    return true;
}

void InvertPixels(std::uint32_t* pixels, int width, int height, int stride, const Region& region, int dx, int dy)
{
    if (!pixels || region.IsEmpty())
        return;
    Region r = region;
    if (!r.Offset(-dx, -dy))
        return;
    r.ForEachIn(RECT{0, 0, width, height}, [&](const RECT& piece) {
        for (int y = piece.top; y < piece.bottom; ++y) {
            std::uint32_t* row = pixels + static_cast<std::ptrdiff_t>(y) * stride;
            for (int x = piece.left; x < piece.right; ++x)
                row[x] ^= 0x00FFFFFFu;
        }
    });
}

void CaretPaintBegins(HWND hwnd)
{
    if (hwnd && CaretWindow() && Caret().hwnd == hwnd)
        HideCaret(hwnd);
}

void CaretPaintEnds(HWND hwnd)
{
    if (hwnd && CaretWindow() && Caret().hwnd == hwnd)
        ShowCaret(hwnd);
}
