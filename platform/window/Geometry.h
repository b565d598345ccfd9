#pragma once
// Placement internals shared by creation, SetWindowPos and the size and move loops (internal to
// the window layer).

#include "platform/window/Messages.h"
#include "platform/window/WindowObject.h"

// Sends WM_NCCALCSIZE for a window about to take `rectInParent` and returns the client
// rectangle in window coordinates (kept inside the window). With `pos` the message carries
// NCCALCSIZE_PARAMS (wParam TRUE), else the bare rectangle.
RECT CalcClientRect(Window* w, const RECT& rectInParent, WINDOWPOS* pos);
// WM_SIZE's wParam for the window's state: SIZE_MINIMIZED, SIZE_MAXIMIZED or SIZE_RESTORED.
WPARAM SizeKindOf(const Window* w);
// WM_SIZE's lParam: the client size, 0 while minimized.
LPARAM ClientSizeParam(const Window* w);
// WM_SIZE and WM_MOVE with the window's current client size and position.
void SendSizeAndMove(Window* w);
// SetWindowPos on a record.
bool PlaceWindow(Window* w, HWND insertAfter, int x, int y, int cx, int cy, UINT flags);
