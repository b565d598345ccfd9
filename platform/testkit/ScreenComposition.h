#pragma once
// A picture of the screen made from the window manager's own pixels: every shown top-level
// window in z-order, with its shape and its layered alpha, over a plain background.

#include "platform/gdi/Surface.h"
#include "platform/win/Rect.h"

#include <memory>

// `area` is in screen coordinates; the result is opaque.
std::shared_ptr<Surface> ComposeScreen(const RECT& area, COLORREF background);
