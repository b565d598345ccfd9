#pragma once
// A 32-bit pixel buffer: every pixel is one word with blue in the low byte, then green, red and
// alpha (straight, not multiplied into the colours). Rows run top-down in picture order; in memory
// they may run bottom-up (a negative stride), as a bottom-up device-independent bitmap keeps them.

#include "platform/win/Types.h"

#include <cstddef>
#include <cstdint>
#include <memory>

class Surface {
public:
    // The largest number of pixels a surface may hold (1 GiB of memory).
    static constexpr std::int64_t MaxPixels = std::int64_t{1} << 28;

    // A zeroed surface; width and height must be at least 0 and their product at most
    // MaxPixels (otherwise EAssertionFailed). With bottomUpMemory the last row comes first in
    // memory.
    Surface(int width, int height, bool bottomUpMemory = false);
    Surface(const Surface&) = delete;
    Surface& operator=(const Surface&) = delete;

    // Whether a surface of this size may be made.
    static bool ValidSize(std::int64_t width, std::int64_t height);

    int Width() const { return width_; }
    int Height() const { return height_; }
    // Bytes from the start of one row to the start of the next row below it.
    std::ptrdiff_t Stride() const { return stride_; }
    RECT Bounds() const { return RECT{0, 0, width_, height_}; }
    // The start of the memory block (the lowest address), as a device-independent bitmap hands
    // it out.
    void* Memory() { return storage_.get(); }

    std::uint32_t* Row(int y) { return reinterpret_cast<std::uint32_t*>(RowBytes(y)); }
    const std::uint32_t* Row(int y) const
    {
        return reinterpret_cast<const std::uint32_t*>(const_cast<Surface*>(this)->RowBytes(y));
    }
    // Checked single-pixel access (EAssertionFailed outside the surface).
    std::uint32_t Pixel(int x, int y) const;
    void SetPixel(int x, int y, std::uint32_t value);
    void Fill(std::uint32_t value);

private:
    std::byte* RowBytes(int y) { return first_ + y * stride_; }

    int width_;
    int height_;
    std::ptrdiff_t stride_;
    std::unique_ptr<std::uint32_t[]> storage_;
    std::byte* first_ = nullptr;
};

// Pixel word helpers.
constexpr std::uint32_t PixelAlpha(std::uint32_t p) { return p >> 24; }
// The pixel word of a COLORREF: red and blue change places; alpha 0, as GDI writes colours.
constexpr std::uint32_t ColorToPixel(COLORREF c)
{
    return ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
}
constexpr COLORREF PixelToColor(std::uint32_t p)
{
    return ((p & 0xFF) << 16) | (p & 0xFF00) | ((p >> 16) & 0xFF);
}
