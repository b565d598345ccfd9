#pragma once
// How the caret reaches the screen (internal to the window layer).

#include "platform/gdi/Region.h"
#include "platform/window/WindowObject.h"

#include <cstdint>

// The pixels of the caret to invert in the top-level window's surface (top-level coordinates);
// empty while the caret is off, hidden, or in another top-level window.
Region CaretOverlay(const Window* top);
// Inverts red, green and blue (alpha stays) of the pixels inside the region, which is given in
// coordinates offset by (dx, dy) from the pixel buffer's origin.
void InvertPixels(std::uint32_t* pixels, int width, int height, int stride, const Region& region, int dx, int dy);
// BeginPaint and EndPaint of a window: the caret hides meanwhile when it belongs to it.
void CaretPaintBegins(HWND hwnd);
void CaretPaintEnds(HWND hwnd);
// The caret rectangle in the top-level window's coordinates (for the input method); false when
// there is no caret in that top-level window.
bool CaretRectInTopLevel(const Window* top, RECT* rect);
