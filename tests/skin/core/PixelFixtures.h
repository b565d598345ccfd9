#pragma once
// Pictures whose pixels name their own coordinates, so a wrong mapping shows at once.

#include "skin/core/TskBitmap.h"

#include <memory>

namespace skfix {

// Colour of source pixel (x, y): red = x, green = y, blue = a tag telling pictures apart.
constexpr TskColor32 Coord(int x, int y, std::uint32_t alpha = 255, std::uint32_t tag = 0xC0)
{
    return MakeColor32(static_cast<std::uint32_t>(x), static_cast<std::uint32_t>(y), tag, alpha);
}

inline std::unique_ptr<TskBitmap> CoordBitmap(int w, int h, std::uint32_t alpha = 255, std::uint32_t tag = 0xC0)
{
    auto b = std::make_unique<TskBitmap>();
    b->SetSize(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            b->GetBits()[y * w + x] = Coord(x, y, alpha, tag);
    return b;
}

inline std::unique_ptr<TskBitmap> FilledBitmap(int w, int h, TskColor32 value)
{
    auto b = std::make_unique<TskBitmap>();
    b->SetSize(w, h);
    b->Clear(value);
    return b;
}

inline TskColor32 At(const TskBitmap& b, int x, int y) { return b.GetBits()[y * b.GetWidth() + x]; }

} // namespace skfix
