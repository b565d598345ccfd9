#pragma once
// The painting side of the message loop (internal to the window layer).

#include "platform/window/MessageQueue.h"
#include "platform/window/WindowObject.h"

// Finds a visible window that needs painting (the filter permitting): sends WM_NCPAINT where
// only the frame needs it and returns WM_PAINT for the first window whose client area does.
bool TakePaintMessage(MSG* out, const MessageFilter& filter);
// Sends WM_PAINT to the window; a handler that neither painted nor validated leaves the window
// valid anyway, or it would get WM_PAINT for ever.
void DeliverPaint(Window* w);
// Shows what was painted into the top-level windows' surfaces on their native windows.
void PresentAll();
