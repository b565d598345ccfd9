#pragma once
// Hue, saturation and lightness of pixel words, each in 0..1, for the colour adjustments of
// TskBitmap.

#include "skin/core/skeffects.h"

struct TskHSL {
    double H = 0;
    double S = 0;
    double L = 0;
};

// The colour of Color (its alpha is ignored).
TskHSL Pixel32ToHSL(TskColor32 Color);
// An opaque pixel of that colour; channels are rounded to the nearest, ties to even.
TskColor32 HSLToPixel32(const TskHSL& HSL);
// A pixel word of the given channels, each clamped to 0..255.
TskColor32 PackPixel32(int R, int G, int B, int A);
