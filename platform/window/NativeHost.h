#pragma once
// A native window over a child window's client area, for a renderer outside the window manager
// (SDL through SDL_WINDOWID) to draw into. It follows the child's place and visibility; the
// window manager does not paint under it.

#include "platform/window/Handles.h"

#include <cstdint>

// Makes the native window on first call. Returns its id (an X11 window id on xcb), or 0 when the
// window is not a visible child of a shown top-level window or the display has no native windows.
std::uintptr_t GetNativeWindowId(HWND hwnd);
