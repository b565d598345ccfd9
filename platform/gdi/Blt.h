#pragma once
// Block transfers between device contexts.
//
// Every transfer is clipped to the destination's clip and surface, and to the source surface:
// destination pixels whose source lies outside the source bitmap stay as they are. Source and
// destination may be the same surface and overlap. Stretching takes the nearest source pixel (the
// one under the centre of each destination pixel) in every stretch mode. Negative extents mirror:
// an extent of -w from x covers x down to x - w + 1.

#include "platform/gdi/GdiTypes.h"

// The raster operations are the ternary ones (SRCCOPY and friends, or any code); src may be null
// when the operation does not read it. Between a monochrome and a colour bitmap, colours convert
// as on Windows: towards monochrome, source pixels of the source's background colour become
// white and all others black; from monochrome, white becomes the destination's background colour
// and black its text colour. A width or height that is not positive draws nothing.
BOOL BitBlt(HDC dst, int x, int y, int width, int height, HDC src, int srcX, int srcY, DWORD rop);
BOOL StretchBlt(HDC dst, int x, int y, int width, int height, HDC src, int srcX, int srcY, int srcWidth,
                int srcHeight, DWORD rop);
// Raster operations with the selected brush (no source); negative extents are turned around.
BOOL PatBlt(HDC dc, int x, int y, int width, int height, DWORD rop);

// Blends with straight (not premultiplied) source alpha, the pixel layout of this system. With
// AC_SRC_ALPHA each source pixel's weight a is its alpha times SourceConstantAlpha / 255; colour
// := source * a + destination * (1 - a) (the destination's alpha takes no part), alpha := a +
// destination alpha * (1 - a). Without it all four bytes mix by SourceConstantAlpha alone. FALSE
// for negative extents and for a source rectangle reaching outside the source bitmap.
BOOL AlphaBlend(HDC dst, int x, int y, int width, int height, HDC src, int srcX, int srcY, int srcWidth,
                int srcHeight, BLENDFUNCTION blend);
// Copies (stretching as needed) every source pixel whose colour differs from the key; pixels of
// the key colour leave the destination. FALSE for extents that are not positive.
BOOL TransparentBlt(HDC dst, int x, int y, int width, int height, HDC src, int srcX, int srcY, int srcWidth,
                    int srcHeight, UINT transparentColor);
