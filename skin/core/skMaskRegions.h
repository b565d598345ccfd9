#pragma once
// Window regions from black-and-white mask pictures: every run of black pixels (red, green and
// blue all 0) in a row is one rectangle of the region.

#include "platform/gdi/GdiTypes.h"

#include <cstdint>
#include <vector>

class TBitmap;

// Region data (a rectangle-list header followed by the rectangles, as ExtCreateRegion reads it)
// for the black runs of a 24-bit picture given by its rows (blue, green, red bytes), offset by
// X, Y. The bounding rectangle is X, Y, X + Width, Y + Height. The table grows with the mask, so
// any number of runs fits. Empty data for a picture without rows or columns.
std::vector<std::uint8_t> RegionDataFromMaskRows(const std::uint8_t* const* Rows, int Width, int Height, int X,
                                                 int Y);

// The region of that data, or null for empty data or data without rectangles.
HRGN RegionFromData(const std::vector<std::uint8_t>& Data);

// Region data for the black pixels of Mask offset by X, Y; returns its size in bytes (0 and no
// data for an empty mask).
int BuildRegionDataFromMask(TBitmap* Mask, int X, int Y, std::vector<std::uint8_t>& RegionData);
// The region of the whole mask at 0, 0; null for an empty mask or one without black pixels.
void CreateRegionFromMask(HRGN& Region, TBitmap* Mask);
