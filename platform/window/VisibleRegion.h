#pragma once
// Where a window may draw (internal to the window layer).

#include "platform/gdi/Region.h"
#include "platform/window/WindowObject.h"

// The part of the window (its client area, or the whole window) that shows, in the coordinates
// of its top-level window's surface: inside every ancestor's client area and window region,
// without the siblings above it that clip it (WS_CLIPSIBLINGS, or clipSiblings for the window
// itself) and, with clipChildren, without its own children (a WS_EX_TRANSPARENT child excepted).
Region VisibleRegion(const Window* w, bool clientOnly, bool clipChildren, bool clipSiblings);
