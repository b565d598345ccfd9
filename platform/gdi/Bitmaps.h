#pragma once
// Bitmaps: device-dependent (32-bit colour or monochrome) and DIB sections, and moving pixels
// between bitmaps and device-independent bitmap memory.
//
// DIB memory is laid out as on Windows: 32 bits per pixel are the words of the pixel layout
// (blue in the low byte); 24 bits per pixel are the bytes blue, green, red with each row padded
// to a multiple of 4 bytes; a positive biHeight stores the bottom row first, a negative one the
// top row first. Monochrome rows hold one bit per pixel, the leftmost in the high bit, 1 meaning
// white.

#include "platform/gdi/GdiTypes.h"

// Rows of bits are top-down and padded to a multiple of 2 bytes; bits may be null (black). Bit
// counts 1 (monochrome), 24 and 32 (colour); planes must be 1. Null for other formats and for
// sizes that are not positive or too large.
HBITMAP CreateBitmap(int width, int height, UINT planes, UINT bitCount, const void* bits);
// Monochrome when dc is a memory context holding a monochrome bitmap (as a new one does),
// otherwise 32-bit colour; black. A width or height of 0 gives a 1 x 1 monochrome bitmap.
HBITMAP CreateCompatibleBitmap(HDC dc, int width, int height);
// A zeroed DIB section of 24 or 32 bits per pixel (BI_RGB, DIB_RGB_COLORS, no file mapping);
// bits receives its memory, which lives until the bitmap is deleted.
HBITMAP CreateDIBSection(HDC dc, const BITMAPINFO* info, UINT usage, void** bits, HANDLE section,
                         DWORD offset);
