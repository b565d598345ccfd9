#include "skin/core/TskEffectBmp.h"

#include "platform/gdi/Bitmaps.h"
#include "platform/gdi/Objects.h"

#include <algorithm>
#include <cmath>
#include <cstring>

void TskEffectBmp::Allocate(int cx, int cy)
{
    BmpHeader.biWidth = cx;
    BmpHeader.biHeight = -cy;
    BmpHeader.biPlanes = 1;
    BmpHeader.biBitCount = 24;
    BmpHeader.biCompression = BI_RGB;
    BmpInfo.bmiHeader = BmpHeader;
    void* bits = nullptr;
    Handle = cx > 0 && cy > 0 ? CreateDIBSection(nullptr, &BmpInfo, DIB_RGB_COLORS, &bits, nullptr, 0) : nullptr;
    if (!Handle)
        return;
    Bits = static_cast<std::uint8_t*>(bits);
    Width = cx;
    Height = cy;
    Size = RowSize() * Height;
}

TskEffectBmp::TskEffectBmp(int cx, int cy)
{
    Allocate(cx, cy);
}

TskEffectBmp::TskEffectBmp(const TskEffectBmp& Source)
{
    Allocate(Source.Width, Source.Height);
    if (Bits)
        std::memcpy(Bits, Source.Bits, static_cast<std::size_t>(Size));
}

TskEffectBmp::~TskEffectBmp()
{
    if (Handle)
        DeleteObject(Handle);
}

void TskEffectBmp::GetScanLine(int y, std::uint8_t* Line) const
{
    std::memcpy(Line, PixelAt(0, y), static_cast<std::size_t>(Width) * 3);
}

void TskEffectBmp::SetScanLine(int y, const std::uint8_t* Line)
{
    std::memcpy(PixelAt(0, y), Line, static_cast<std::size_t>(Width) * 3);
}

std::uint32_t TskEffectBmp::GetPixel(int x, int y) const
{
    const std::uint8_t* p = PixelAt(x, y);
    return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8)
           | (static_cast<std::uint32_t>(p[2]) << 16);
}

void TskEffectBmp::SetPixel(int x, int y, std::uint32_t Color)
{
    std::uint8_t* p = PixelAt(x, y);
    p[0] = static_cast<std::uint8_t>(Color);
    p[1] = static_cast<std::uint8_t>(Color >> 8);
    p[2] = static_cast<std::uint8_t>(Color >> 16);
}

void TskEffectBmp::CopyRect(const TskEffectBmp& BMP, const RECT& Rct, int StartX, int StartY)
{
    const int left = std::max<int>(Rct.left, 0), top = std::max<int>(Rct.top, 0);
    const int right = std::min<int>(Rct.right, Width - 1), bottom = std::min<int>(Rct.bottom, Height - 1);
    if (right < left || bottom < top)
        return;
    const int sx = StartX + left - Rct.left, sy = StartY + top - Rct.top;
    if (sx < 0 || sy < 0 || sx + (right - left) >= BMP.Width || sy + (bottom - top) >= BMP.Height)
        return;
    for (int y = top; y <= bottom; ++y)
        std::memcpy(PixelAt(left, y), BMP.PixelAt(sx, sy + y - top), static_cast<std::size_t>(right - left + 1) * 3);
}

void TskEffectBmp::Rotate90_1(TskEffectBmp& Dst) const
{
    if (Dst.Width != Height || Dst.Height != Width)
        return;
    for (int y = 0; y < Height; ++y)
        for (int x = 0; x < Width; ++x)
            std::memcpy(Dst.PixelAt(y, Width - 1 - x), PixelAt(x, y), 3);
}

void TskEffectBmp::Rotate90_2(TskEffectBmp& Dst) const
{
    if (Dst.Width != Height || Dst.Height != Width)
        return;
    for (int y = 0; y < Height; ++y)
        for (int x = 0; x < Width; ++x)
            std::memcpy(Dst.PixelAt(Height - 1 - y, x), PixelAt(x, y), 3);
}

void TskEffectBmp::FlipVert(TskEffectBmp& Dst) const
{
    if (!SameSize(Dst))
        return;
    for (int y = 0; y < Height; ++y)
        std::memcpy(Dst.PixelAt(0, Height - 1 - y), PixelAt(0, y), static_cast<std::size_t>(Width) * 3);
}

void TskEffectBmp::Resize(TskEffectBmp& Dst) const
{
    if (Width == 0 || Height == 0)
        return;
    const double fx = static_cast<double>(Dst.Width - 1) / Width;
    const double fy = static_cast<double>(Dst.Height - 1) / Height;
    const int blockW = static_cast<int>(std::nearbyint(fx)) + 1, blockH = static_cast<int>(std::nearbyint(fy)) + 1;
    for (int y = 0; y < Height; ++y) {
        const int top = static_cast<int>(std::nearbyint(y * fy));
        for (int x = 0; x < Width; ++x) {
            const int left = static_cast<int>(std::nearbyint(x * fx));
            for (int dy = std::max(top, 0); dy < std::min(top + blockH, Dst.Height); ++dy)
                for (int dx = std::max(left, 0); dx < std::min(left + blockW, Dst.Width); ++dx)
                    std::memcpy(Dst.PixelAt(dx, dy), PixelAt(x, y), 3);
        }
    }
}
