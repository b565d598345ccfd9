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
// Copies scan lines [start, start + lines) of a bitmap into DIB memory in the format of info
// (1, 24 or 32 bits per pixel; scan line 0 is the bottom row when biHeight is positive). With
// bits null and biBitCount 0, fills info's header with the bitmap's format instead. Returns the
// number of lines copied (or TRUE for the header query), 0 on failure.
int GetDIBits(HDC dc, HBITMAP bitmap, UINT start, UINT lines, void* bits, BITMAPINFO* info, UINT usage);
// Draws a rectangle of DIB memory (24 or 32 bits per pixel) unscaled at (x, y). The source
// rectangle is measured from the lower-left corner for bottom-up DIBs and from the upper-left for
// top-down ones; bits holds scan lines [start, start + lines). Returns the number of lines given.
int SetDIBitsToDevice(HDC dc, int x, int y, DWORD width, DWORD height, int srcX, int srcY, UINT start,
                      UINT lines, const void* bits, const BITMAPINFO* info, UINT usage);
// Stretches a rectangle of DIB memory (24 or 32 bits per pixel, all scan lines) into a
// destination rectangle with a raster operation, as StretchBlt. Returns the number of scan lines,
// 0 on failure.
int StretchDIBits(HDC dc, int x, int y, int width, int height, int srcX, int srcY, int srcWidth,
                  int srcHeight, const void* bits, const BITMAPINFO* info, UINT usage, DWORD rop);
