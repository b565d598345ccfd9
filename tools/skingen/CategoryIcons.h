#pragma once
// The 35 category pictures (index = category code) at 48 and 32 pixels: a coloured rounded
// tile with a white pictogram and, for the format categories, the format's name on a band.

#include "tools/skingen/Raster.h"

inline constexpr int kCategoryCount = 35;

TImage32 CategoryIcon(int code, int size);
