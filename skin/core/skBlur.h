#pragma once
// The soft-edge work on 32-bit pictures that glow text, layers and the inactive client panel
// build on.

class TskBitmap;

// A tent filter of the given radius (weights r + 1 - |k|), horizontally then vertically, each
// pass truncated; edges repeat the border pixels. Every pixel ends opaque; the source alpha is
// not used. A radius of 0 or below changes nothing.
void BlurBitmap32(TskBitmap& Bitmap, int Radius);

// Every pixel's alpha := the grey level (r + g + b) / 3 of Mask's pixel at its place; colours
// stay. Does nothing when Mask is smaller than Bitmap.
void AlphaFromGreyMask(TskBitmap& Bitmap, const TskBitmap& Mask);
