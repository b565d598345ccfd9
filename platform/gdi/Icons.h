#pragma once
// Icons: a colour bitmap with a monochrome mask.
//
// An icon whose colour bitmap has any alpha other than 0 is drawn by that alpha (straight, as
// everywhere here) and its mask is not used; otherwise the mask is ANDed into the destination
// (white keeps the pixel) and the colour is then XORed into it, as on Windows.

#include "platform/gdi/GdiTypes.h"

// The bitmaps are copied; the caller keeps and deletes its own. Requires both a mask and a colour
// bitmap (monochrome icons are not supported); the colour bitmap gives the size. For an icon
// (fIcon) the hot spot is its centre.
HICON CreateIconIndirect(const ICONINFO* info);
// The same for an icon the system shares among its users: DestroyIcon leaves it (and says TRUE).
HICON CreateSharedIconIndirect(const ICONINFO* info);
BOOL DestroyIcon(HICON icon);
// Fills info with new copies of the icon's bitmaps, which the caller deletes.
BOOL GetIconInfo(HICON icon, ICONINFO* info);
// Draws at the icon's size, or at width x height when those are not 0 (with DI_DEFAULTSIZE, 0
// means 32). DI_MASK and DI_IMAGE draw only the mask or only the colour bitmap (copied); DI_NORMAL
// draws both. A flicker-free brush fills the rectangle first. step is ignored.
BOOL DrawIconEx(HDC dc, int x, int y, HICON icon, int width, int height, UINT step, HBRUSH flickerFreeBrush,
                UINT flags);
BOOL DrawIcon(HDC dc, int x, int y, HICON icon);
