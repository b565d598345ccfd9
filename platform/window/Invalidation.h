#pragma once
// Update regions (internal to the window layer).

#include "platform/gdi/Region.h"
#include "platform/window/WindowObject.h"

// RedrawWindow on a record, without RDW_UPDATENOW and RDW_ERASENOW: `area` is in client
// coordinates; nullptr stands for the whole client area, or the whole window with RDW_FRAME.
void RedrawArea(Window* w, const Region* area, UINT flags);
// The whole window with its frame and all its children needs painting.
void InvalidateAll(Window* w);
