#pragma once
// Per-window scroll information and the standard scroll bars of windows with WS_HSCROLL or
// WS_VSCROLL. The information is kept whether or not the window shows the bar; setting a range
// that needs no scrolling hides a standard bar and one that needs it shows it (unless
// SIF_DISABLENOSCROLL).

#include "platform/window/Handles.h"

// Which bar.
constexpr int SB_HORZ = 0;
constexpr int SB_VERT = 1;
constexpr int SB_CTL = 2;
constexpr int SB_BOTH = 3;

// Scroll request codes (low word of WM_HSCROLL / WM_VSCROLL's wParam; the position of
// SB_THUMBPOSITION and SB_THUMBTRACK in the high word).
constexpr WORD SB_LINEUP = 0;
constexpr WORD SB_LINELEFT = 0;
constexpr WORD SB_LINEDOWN = 1;
constexpr WORD SB_LINERIGHT = 1;
constexpr WORD SB_PAGEUP = 2;
constexpr WORD SB_PAGELEFT = 2;
constexpr WORD SB_PAGEDOWN = 3;
constexpr WORD SB_PAGERIGHT = 3;
constexpr WORD SB_THUMBPOSITION = 4;
constexpr WORD SB_THUMBTRACK = 5;
constexpr WORD SB_TOP = 6;
constexpr WORD SB_LEFT = 6;
constexpr WORD SB_BOTTOM = 7;
constexpr WORD SB_RIGHT = 7;
constexpr WORD SB_ENDSCROLL = 8;

// SCROLLINFO::fMask.
constexpr UINT SIF_RANGE = 0x0001;
constexpr UINT SIF_PAGE = 0x0002;
constexpr UINT SIF_POS = 0x0004;
constexpr UINT SIF_DISABLENOSCROLL = 0x0008;
constexpr UINT SIF_TRACKPOS = 0x0010;
constexpr UINT SIF_ALL = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_TRACKPOS;

struct SCROLLINFO {
    UINT cbSize = sizeof(SCROLLINFO);
    UINT fMask = 0;
    int nMin = 0;
    int nMax = 0;
    UINT nPage = 0;
    int nPos = 0;
    int nTrackPos = 0;  // the thumb's place while it is dragged
};

// Stores the parts named by fMask; the page is kept within 0 .. nMax - nMin + 1 and the position
// within nMin .. nMax - max(nPage - 1, 0). Returns the position. SB_CTL and unknown windows give 0.
int SetScrollInfo(HWND hwnd, int bar, const SCROLLINFO* info, BOOL redraw);
// Fills the parts named by fMask; FALSE for SB_CTL, a bad bar or an unknown window.
BOOL GetScrollInfo(HWND hwnd, int bar, SCROLLINFO* info);
BOOL GetScrollRange(HWND hwnd, int bar, int* minPos, int* maxPos);
BOOL SetScrollRange(HWND hwnd, int bar, int minPos, int maxPos, BOOL redraw);
int GetScrollPos(HWND hwnd, int bar);
// Returns the previous position.
int SetScrollPos(HWND hwnd, int bar, int pos, BOOL redraw);
// Shows or hides a standard bar (SB_BOTH: both) by its style, recomputing the frame.
BOOL ShowScrollBar(HWND hwnd, int bar, BOOL show);
