#pragma once
// Placement, z-order, showing and hiding, coordinates, window regions and finding windows by
// position.

#include "platform/gdi/GdiTypes.h"
#include "platform/window/Messages.h"
#include "platform/window/Styles.h"

// Sends WM_WINDOWPOSCHANGING (whose WINDOWPOS the handler may change), WM_NCCALCSIZE when the
// size or frame changes, then WM_WINDOWPOSCHANGED (whose default handling sends WM_MOVE and
// WM_SIZE). Without SWP_NOACTIVATE a visible top-level window is also activated.
BOOL SetWindowPos(HWND hwnd, HWND insertAfter, int x, int y, int cx, int cy, UINT flags);
BOOL MoveWindow(HWND hwnd, int x, int y, int width, int height, BOOL repaint);
// Sends WM_SHOWWINDOW when the visibility changes; returns whether the window was visible.
BOOL ShowWindow(HWND hwnd, int command);
BOOL BringWindowToTop(HWND hwnd);
BOOL IsIconic(HWND hwnd);
BOOL IsZoomed(HWND hwnd);

// Screen coordinates.
BOOL GetWindowRect(HWND hwnd, RECT* rect);
// Client coordinates: (0, 0, width, height).
BOOL GetClientRect(HWND hwnd, RECT* rect);
BOOL ClientToScreen(HWND hwnd, POINT* point);
BOOL ScreenToClient(HWND hwnd, POINT* point);
// Maps from one window's client coordinates to another's (nullptr: screen). Returns the
// horizontal offset in the low word and the vertical one in the high word.
int MapWindowPoints(HWND from, HWND to, POINT* points, UINT count);

// Gives the window a shape (window coordinates); the window owns the region from then on and
// deletes it when replaced or destroyed. nullptr removes the shape.
int SetWindowRgn(HWND hwnd, HRGN region, BOOL redraw);
// Copies the shape into `region`; ERROR when the window has none.
int GetWindowRgn(HWND hwnd, HRGN region);

// The window under a screen point as mouse input would find it: hidden and disabled windows and
// those answering WM_NCHITTEST with HTTRANSPARENT are passed over.
HWND WindowFromPoint(POINT point);
// The child of `parent` containing the point (parent client coordinates), `parent` itself when
// no child does, nullptr outside the parent.
HWND ChildWindowFromPoint(HWND parent, POINT point);
HWND ChildWindowFromPointEx(HWND parent, POINT point, UINT flags);
