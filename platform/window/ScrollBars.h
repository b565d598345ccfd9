#pragma once
// The standard scroll bars of windows with WS_HSCROLL or WS_VSCROLL: their place in the frame,
// hit codes, painting and the modal tracking of a press (internal to the window layer).

#include "platform/window/WindowObject.h"

// Takes the bars' room out of a client rectangle (any coordinates).
void TakeScrollBarRoom(const Window* w, RECT& client);
// HTHSCROLL, HTVSCROLL or HTNOWHERE for a point in window coordinates.
LRESULT ScrollBarHitTest(const Window* w, POINT windowPoint);
void PaintScrollBars(Window* w);
// Follows a left-button press on a bar (SB_HORZ or SB_VERT): WM_HSCROLL / WM_VSCROLL for the part
// pressed, repeated while it is held, thumb tracking, SB_ENDSCROLL at the release.
void TrackScrollBar(Window* w, int bar, POINT screen);
