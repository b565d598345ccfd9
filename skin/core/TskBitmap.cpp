#include "skin/core/TskBitmap.h"

#include <cstdlib>

TskBitmap::TskBitmap() = default;

TskBitmap::~TskBitmap() = default;

void TskBitmap::SetSize(int AWidth, int AHeight)
{
    AWidth = std::abs(AWidth);
    AHeight = std::abs(AHeight);
    if (AWidth == 0 || AHeight == 0 || (AWidth == FWidth && AHeight == FHeight))
        return;
    FStorage.assign(static_cast<std::size_t>(AWidth) * static_cast<std::size_t>(AHeight), 0);
    FBits = FStorage.data();
    FWidth = AWidth;
    FHeight = AHeight;
}

void TskBitmap::Clear(TskColor32 Color)
{
    FillRow(FBits, FWidth * FHeight, Color);
}
