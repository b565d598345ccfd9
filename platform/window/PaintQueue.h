#pragma once
// The painting side of the message loop (internal to the window layer).

#include "platform/window/MessageQueue.h"

// Finds a visible window that needs painting (the filter permitting): sends WM_NCPAINT where
// only the frame needs it and returns WM_PAINT for the first window whose client area does.
bool TakePaintMessage(MSG* out, const MessageFilter& filter);
// Shows what was painted into the top-level windows' surfaces on their native windows.
void PresentAll();
