#pragma once
// The modal move and size loops that WM_SYSCOMMAND SC_MOVE and SC_SIZE start (internal to the
// window layer).

#include "platform/window/WindowObject.h"

// Follows the held left button: WM_ENTERSIZEMOVE, then for every pointer move WM_MOVING (or
// WM_GETMINMAXINFO once and WM_SIZING) with a rectangle the handler may change, the window placed
// at the rectangle as it comes back, and WM_EXITSIZEMOVE when the button is released, Escape
// pressed (the window goes back) or the capture lost. `edge` is 0 for moving, else a WMSZ_ value.
void RunSizeMoveLoop(Window* w, WPARAM edge);
