#pragma once
// Filled and outlined figures, lines and single pixels.
//
// As in GDI, rectangles include their left and top edges and exclude their right and bottom
// ones, and a line excludes its end point. Figures are filled with the selected brush and
// outlined with the selected pen, both through the binary raster operation (SetROP2); the pen's
// dash pattern gaps are filled with the background colour in OPAQUE mode. On alpha: see the
// rule in Raster.h (colours are written with alpha 0).

#include "platform/gdi/GdiTypes.h"

// Brushes may also be given as a system colour index plus one, as on Windows. These three ignore
// the raster operation and the selected objects.
int FillRect(HDC dc, const RECT* rect, HBRUSH brush);
// A one-pixel border just inside the rectangle.
int FrameRect(HDC dc, const RECT* rect, HBRUSH brush);
BOOL InvertRect(HDC dc, const RECT* rect);
// Inverts every other pixel of the rectangle's one-pixel border (a dot pattern aligned to the
// device origin), so drawing it twice restores the pixels. The alpha byte is kept.
BOOL DrawFocusRect(HDC dc, const RECT* rect);

BOOL LineTo(HDC dc, int x, int y);
BOOL Polyline(HDC dc, const POINT* points, int count);
// Filled with the polygon fill mode (SetPolyFillMode); pixels whose centres lie inside are filled.
BOOL Polygon(HDC dc, const POINT* points, int count);
// With a null pen the filled area is one pixel smaller in width and height, as on Windows.
BOOL Rectangle(HDC dc, int left, int top, int right, int bottom);
BOOL RoundRect(HDC dc, int left, int top, int right, int bottom, int ellipseWidth, int ellipseHeight);
BOOL Ellipse(HDC dc, int left, int top, int right, int bottom);

// Returns the colour set (black or white on monochrome bitmaps), CLR_INVALID outside the clip.
COLORREF SetPixel(HDC dc, int x, int y, COLORREF color);
// CLR_INVALID outside the clip.
COLORREF GetPixel(HDC dc, int x, int y);
