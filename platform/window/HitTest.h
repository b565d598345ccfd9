#pragma once
// Finding windows by position (internal to the window layer).

#include "platform/window/WindowObject.h"

struct HitResult {
    Window* window = nullptr;
    LRESULT code = 0;  // HTCLIENT, HTCAPTION, ...; HTERROR for a disabled top-level window
};

// Routes a screen point as mouse input is routed: top-level windows in z-order (skipping
// click-through and minimized ones), then the deepest visible, enabled child, asking WM_NCHITTEST
// and passing over windows that answer HTTRANSPARENT.
HitResult HitTestScreen(POINT screen);
// Whether a screen point lies inside the window's rectangle and shape.
bool ContainsScreenPoint(const Window* w, POINT screen);
