#pragma once
// The default non-client area: frame sizes from the styles, hit codes and a plain painting
// (internal to the window layer).

#include "platform/window/WindowObject.h"

// The frame widths the styles ask for (left, top, right, bottom), caption included.
RECT DefaultFrameInsets(const Window* w);
LRESULT DefaultHitTest(Window* w, POINT screen);
void DefaultPaintFrame(Window* w);
