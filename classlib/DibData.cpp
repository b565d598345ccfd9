#include "classlib/DibData.h"

#include "classlib/ImageLimits.h"

void TDibData::Allocate()
{
    if (BitsPerPixel != 1 && BitsPerPixel != 4 && BitsPerPixel != 8 && BitsPerPixel != 24 && BitsPerPixel != 32)
        throw EInvalidGraphic("Unsupported pixel format");
    if (Width < 0 || Height < 0 || Width > kMaxImageSide || Height > kMaxImageSide ||
        static_cast<std::int64_t>(Width) * Height > kMaxImagePixels)
        throw EInvalidGraphic("Image is too large");
    std::int64_t bytes = static_cast<std::int64_t>(RowBytes()) * Height;
    if (bytes > kMaxImageBytes)
        throw EInvalidGraphic("Image is too large");
    Bits.assign(static_cast<std::size_t>(bytes), 0);
}

std::uint32_t TDibData::PixelARGB(int x, int y) const
{
    const std::uint8_t* row = Row(y);
    auto fromPalette = [&](int index) -> std::uint32_t {
        if (index < 0 || index >= static_cast<int>(Palette.size()))
            return 0xFF000000u;
        const TPaletteEntry& e = Palette[static_cast<std::size_t>(index)];
        std::uint32_t a = index == TransparentIndex ? 0u : 0xFFu;
        return (a << 24) | (std::uint32_t{e.Red} << 16) | (std::uint32_t{e.Green} << 8) | e.Blue;
    };
    switch (BitsPerPixel) {
    case 1:
        return fromPalette((row[x >> 3] >> (7 - (x & 7))) & 1);
    case 4:
        return fromPalette((row[x >> 1] >> ((x & 1) ? 0 : 4)) & 0xF);
    case 8:
        return fromPalette(row[x]);
    case 24: {
        const std::uint8_t* p = row + x * 3;
        return 0xFF000000u | (std::uint32_t{p[2]} << 16) | (std::uint32_t{p[1]} << 8) | p[0];
    }
    default: {
        const std::uint8_t* p = row + x * 4;
        std::uint32_t a = HasAlpha ? p[3] : 0xFFu;
        return (a << 24) | (std::uint32_t{p[2]} << 16) | (std::uint32_t{p[1]} << 8) | p[0];
    }
    }
}

TDibData TDibData::To32Bit() const
{
    TDibData r;
    r.Width = Width;
    r.Height = Height;
    r.BitsPerPixel = 32;
    r.HasAlpha = (BitsPerPixel == 32 && HasAlpha) || TransparentIndex >= 0;
    r.Allocate();
    for (int y = 0; y < Height; ++y) {
        std::uint8_t* out = r.Row(y);
        for (int x = 0; x < Width; ++x) {
            std::uint32_t c = PixelARGB(x, y);
            out[x * 4 + 0] = static_cast<std::uint8_t>(c);
            out[x * 4 + 1] = static_cast<std::uint8_t>(c >> 8);
            out[x * 4 + 2] = static_cast<std::uint8_t>(c >> 16);
            out[x * 4 + 3] = static_cast<std::uint8_t>(c >> 24);
        }
    }
    return r;
}
