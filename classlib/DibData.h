#pragma once
// A decoded picture as the image-file codecs hand it over: rows top-down in the layout of a
// device-independent bitmap (each row padded to 4 bytes), 1, 4 or 8 bits per pixel with a
// palette, 24 bits (blue, green, red) or 32 bits (blue, green, red, alpha).

#include "platform/kernel/Exceptions.h"

#include <cstdint>
#include <vector>

// An image that cannot be read or written: malformed, truncated or of an unsupported kind.
class EInvalidGraphic : public Exception {
public:
    using Exception::Exception;
};

// One palette entry in the order a BMP file stores it.
struct TPaletteEntry {
    std::uint8_t Blue = 0, Green = 0, Red = 0, Reserved = 0;
    friend bool operator==(const TPaletteEntry&, const TPaletteEntry&) = default;
};

struct TDibData {
    int Width = 0;
    int Height = 0;
    int BitsPerPixel = 32;
    std::vector<TPaletteEntry> Palette;  // at most 2^BitsPerPixel entries for 1, 4 and 8
    std::vector<std::uint8_t> Bits;       // Height rows of RowBytes(), the top row first
    // For 32 bits: the alpha bytes carry meaning (PNG with alpha); otherwise they are opaque.
    bool HasAlpha = false;
    // The palette index drawn as transparent (GIF), or -1.
    int TransparentIndex = -1;

    static int RowBytesFor(int width, int bitsPerPixel)
    {
        return static_cast<int>(((static_cast<std::int64_t>(width) * bitsPerPixel + 31) / 32) * 4);
    }
    int RowBytes() const { return RowBytesFor(Width, BitsPerPixel); }
    std::uint8_t* Row(int y) { return Bits.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(RowBytes()); }
    const std::uint8_t* Row(int y) const { return Bits.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(RowBytes()); }

    // Sizes Bits for the current width, height and depth (zero-filled). Raises EInvalidGraphic
    // for a depth other than 1, 4, 8, 24, 32 or a picture too large to hold.
    void Allocate();

    // The pixel at (x, y) as 0xAARRGGBB (palette entries are opaque unless transparent).
    std::uint32_t PixelARGB(int x, int y) const;
    // The picture converted to 32 bits per pixel.
    TDibData To32Bit() const;
};

// Largest picture the codecs accept, in pixels per side and in total bytes: guards against
// headers that would make us allocate without bound.
inline constexpr int kMaxImageSide = 32768;
inline constexpr std::int64_t kMaxImageBytes = std::int64_t{1} << 30;
