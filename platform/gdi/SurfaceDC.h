#pragma once
// The window manager's entry to drawing: device contexts over a window's part of its top-level
// surface, and the pixels behind bitmaps.

#include "platform/gdi/GdiTypes.h"

#include <memory>

class Region;
class Surface;

// A device context drawing into surface with device point (0, 0) at origin (the window's offset
// within its top-level surface). Drawing is limited to deviceClip (in device coordinates, that is
// relative to origin: the window's visible part) and to the surface. The context keeps the
// surface alive; DeleteDC releases it. Null when surface is null.
HDC CreateSurfaceDC(std::shared_ptr<Surface> surface, POINT origin, const Region& deviceClip);
// Replaces the device clip of a context made by CreateSurfaceDC (for instance after the window
// was partly covered). The application's clip region stays. FALSE for other contexts.
BOOL SetSurfaceDCClip(HDC dc, const Region& deviceClip);
// The 32-bit pixels of a bitmap (what UpdateLayeredWindow shows); null for an unknown handle and
// for 24-bit DIB sections, whose pixels are not kept as 32-bit words.
std::shared_ptr<Surface> GetBitmapSurface(HBITMAP bitmap);
