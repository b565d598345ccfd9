#include "platform/window/ScrollInfo.h"

#include "platform/window/Paint.h"
#include "platform/window/Window.h"
#include "platform/window/WindowPos.h"
#include "platform/window/WindowSystem.h"

#include <algorithm>

namespace {

ScrollBarState* StateOf(HWND hwnd, int bar)
{
    if (bar != SB_HORZ && bar != SB_VERT)
        return nullptr;
    Window* w = Sys().Find(hwnd);
    return w && !w->IsDesktop() ? &w->scrollBars[bar] : nullptr;
}

DWORD StyleOf(int bar)
{
    return bar == SB_HORZ ? WS_HSCROLL : WS_VSCROLL;
}

int MaxPosition(const ScrollBarState& s)
{
    return std::max(s.min, s.max - std::max(static_cast<int>(s.page) - 1, 0));
}

bool NeedsScrolling(const ScrollBarState& s)
{
    return s.max > s.min && (s.page == 0 || static_cast<long long>(s.page) <= static_cast<long long>(s.max) - s.min);
}

void SetBarStyle(HWND hwnd, DWORD bits, bool show)
{
    const DWORD style = static_cast<DWORD>(GetWindowLongPtr(hwnd, GWL_STYLE));
    const DWORD next = show ? (style | bits) : (style & ~bits);
    if (next == style)
        return;
    SetWindowLongPtr(hwnd, GWL_STYLE, static_cast<LONG_PTR>(next));
    SetWindowPos(hwnd, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

} // namespace

int SetScrollInfo(HWND hwnd, int bar, const SCROLLINFO* info, BOOL redraw)
{
    ScrollBarState* s = StateOf(hwnd, bar);
    if (!s || !info)
        return 0;
    if (info->fMask & SIF_RANGE) {
        s->min = info->nMin;
        s->max = std::max(info->nMin, info->nMax);
    }
    if (info->fMask & SIF_PAGE)
        s->page = info->nPage;
    const long long span = static_cast<long long>(s->max) - s->min + 1;
    if (static_cast<long long>(s->page) > span)
        s->page = static_cast<unsigned>(span);
    if (info->fMask & SIF_POS)
        s->pos = info->nPos;
    s->pos = std::clamp(s->pos, s->min, MaxPosition(*s));
    const int pos = s->pos;
    if ((info->fMask & (SIF_RANGE | SIF_PAGE)) && !(info->fMask & SIF_DISABLENOSCROLL))
        SetBarStyle(hwnd, StyleOf(bar), NeedsScrolling(*s));
    if (redraw && IsWindow(hwnd) && (GetWindowLongPtr(hwnd, GWL_STYLE) & StyleOf(bar)))
        RedrawWindow(hwnd, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_NOCHILDREN | RDW_NOERASE);
    return pos;
}

BOOL GetScrollInfo(HWND hwnd, int bar, SCROLLINFO* info)
{
    const ScrollBarState* s = StateOf(hwnd, bar);
    if (!s || !info)
        return FALSE;
    if (info->fMask & SIF_RANGE) {
        info->nMin = s->min;
        info->nMax = s->max;
    }
    if (info->fMask & SIF_PAGE)
        info->nPage = s->page;
    if (info->fMask & SIF_POS)
        info->nPos = s->pos;
    if (info->fMask & SIF_TRACKPOS)
        info->nTrackPos = s->tracking ? s->trackPos : s->pos;
    return TRUE;
}

BOOL GetScrollRange(HWND hwnd, int bar, int* minPos, int* maxPos)
{
    const ScrollBarState* s = StateOf(hwnd, bar);
    if (minPos)
        *minPos = s ? s->min : 0;
    if (maxPos)
        *maxPos = s ? s->max : 0;
    return s ? TRUE : FALSE;
}

BOOL SetScrollRange(HWND hwnd, int bar, int minPos, int maxPos, BOOL redraw)
{
    if (!StateOf(hwnd, bar))
        return FALSE;
    SCROLLINFO info;
    info.fMask = SIF_RANGE;
    info.nMin = minPos;
    info.nMax = maxPos;
    SetScrollInfo(hwnd, bar, &info, redraw);
    return TRUE;
}

int GetScrollPos(HWND hwnd, int bar)
{
    const ScrollBarState* s = StateOf(hwnd, bar);
    return s ? s->pos : 0;
}

int SetScrollPos(HWND hwnd, int bar, int pos, BOOL redraw)
{
    const ScrollBarState* s = StateOf(hwnd, bar);
    if (!s)
        return 0;
    const int old = s->pos;
    SCROLLINFO info;
    info.fMask = SIF_POS;
    info.nPos = pos;
    SetScrollInfo(hwnd, bar, &info, redraw);
    return old;
}

BOOL ShowScrollBar(HWND hwnd, int bar, BOOL show)
{
    if (!IsWindow(hwnd) || bar < SB_HORZ || bar == SB_CTL || bar > SB_BOTH)
        return FALSE;
    const DWORD bits = bar == SB_BOTH ? (WS_HSCROLL | WS_VSCROLL) : StyleOf(bar);
    SetBarStyle(hwnd, bits, show != FALSE);
    return TRUE;
}
