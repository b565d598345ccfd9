#include "platform/gdi/Surface.h"

#include "platform/kernel/Exceptions.h"

#include <algorithm>

bool Surface::ValidSize(std::int64_t width, std::int64_t height)
{
    return width >= 0 && height >= 0 && width <= MaxPixels && height <= MaxPixels &&
           width * height <= MaxPixels;
}

Surface::Surface(int width, int height, bool bottomUpMemory) : width_(width), height_(height)
{
    ZD_ASSERT(ValidSize(width, height), "Invalid surface size");
    std::size_t count = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
    storage_ = std::make_unique<std::uint32_t[]>(count ? count : 1);
    std::byte* base = reinterpret_cast<std::byte*>(storage_.get());
    std::ptrdiff_t rowBytes = static_cast<std::ptrdiff_t>(width) * 4;
    if (bottomUpMemory && height > 0) {
        first_ = base + (height - 1) * rowBytes;
        stride_ = -rowBytes;
    } else {
        first_ = base;
        stride_ = rowBytes;
    }
}

std::uint32_t Surface::Pixel(int x, int y) const
{
    ZD_ASSERT(x >= 0 && y >= 0 && x < width_ && y < height_, "Pixel outside the surface");
    return Row(y)[x];
}

void Surface::SetPixel(int x, int y, std::uint32_t value)
{
    ZD_ASSERT(x >= 0 && y >= 0 && x < width_ && y < height_, "Pixel outside the surface");
    Row(y)[x] = value;
}

void Surface::Fill(std::uint32_t value)
{
    for (int y = 0; y < height_; ++y)
        std::fill_n(Row(y), width_, value);
}
