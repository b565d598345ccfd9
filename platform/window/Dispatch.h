#pragma once
// Calling window procedures (internal to the window layer).

#include "platform/window/WindowObject.h"

// Calls the window's procedure (DefWindowProc when it has none) while keeping the record alive,
// so that a window destroyed by its own handler is still safe to look at afterwards.
LRESULT Send(Window* w, UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);
// Whether the window is still registered (not destroyed by a message it was just sent).
bool Alive(const Window* w);
