#include "skin/core/TskBitmap.h"

#include "platform/win/Rect.h"
#include "skin/core/skColorHSL.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

bool ClipToBitmap(const RECT& Rect, int width, int height, RECT& area)
{
    const RECT bounds = MakeRect(0, 0, width, height);
    return IntersectRect(&area, &Rect, &bounds) != FALSE;
}

// Saturation and hue arithmetic wraps by 255 (not 256) past either end, as often as needed
// to come back into 0..255.
int Wrap255(int v)
{
    if (v >= 256)
        return (v - 1) % 255 + 1;
    if (v < 0)
        return 254 - (-(v + 1)) % 255;
    return v;
}

} // namespace

void TskBitmap::SetAlpha(std::uint8_t Alpha)
{
    SetAlphaRow(FBits, FWidth * FHeight, Alpha);
}

void TskBitmap::SetAlpha(std::uint8_t Alpha, const RECT& Rect)
{
    RECT area;
    if (ClipToBitmap(Rect, FWidth, FHeight, area))
        SetAlphaRect32(FBits, FWidth, Alpha, area.left, area.top, area.right - 1, area.bottom - 1);
}

void TskBitmap::CheckingAlphaBlend()
{
    CheckingAlphaBlend(MakeRect(0, 0, FWidth, FHeight));
}

void TskBitmap::CheckingAlphaBlend(const RECT& Rect)
{
    FAlphaBlend = false;
    RECT area;
    if (!ClipToBitmap(Rect, FWidth, FHeight, area))
        return;
    for (int y = area.top; y < area.bottom && !FAlphaBlend; ++y)
        for (int x = area.left; x < area.right; ++x) {
            const std::uint32_t a = AlphaOf(FBits[static_cast<std::ptrdiff_t>(y) * FWidth + x]);
            if (a != 0 && a != 255) {
                FAlphaBlend = true;
                break;
            }
        }
}

void TskBitmap::CheckingTransparent(TskColor32 Color)
{
    CheckingTransparent(Color, MakeRect(0, 0, FWidth, FHeight));
}

void TskBitmap::CheckingTransparent(TskColor32 Color, const RECT& Rect)
{
    FTransparent = false;
    RECT area;
    if (!ClipToBitmap(Rect, FWidth, FHeight, area))
        return;
    auto near = [](std::uint32_t a, std::uint32_t b) { return std::abs(static_cast<int>(a) - static_cast<int>(b)) < 6; };
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x) {
            TskColor32& p = FBits[static_cast<std::ptrdiff_t>(y) * FWidth + x];
            if (near(RedOf(p), RedOf(Color)) && near(GreenOf(p), GreenOf(Color)) && near(BlueOf(p), BlueOf(Color))) {
                p = TransparentColor32;
                FTransparent = true;
            }
        }
}

void TskBitmap::FlipVert()
{
    for (int i = 0; i < FHeight / 2; ++i)
        std::swap_ranges(FBits + static_cast<std::ptrdiff_t>(i) * FWidth, FBits + static_cast<std::ptrdiff_t>(i + 1) * FWidth,
                         FBits + static_cast<std::ptrdiff_t>(FHeight - 1 - i) * FWidth);
}

void TskBitmap::ReflectionWithDivisor(int Divisor)
{
    FlipVert();
    double k = 1;
    for (int i = 0; i < FHeight; ++i) {
        TskColor32* row = FBits + static_cast<std::ptrdiff_t>(i) * FWidth;
        for (int x = 0; x < FWidth; ++x) {
            const std::uint32_t a = AlphaOf(row[x]);
            if (a == 0)
                continue;
            const int alpha = std::max(static_cast<int>(std::nearbyint(k * a)) / Divisor, 0);
            row[x] = (row[x] & 0x00FFFFFFu) | (static_cast<TskColor32>(alpha) << 24);
        }
        k -= 2.0 / FHeight;
    }
}

void TskBitmap::Reflection() { ReflectionWithDivisor(3); }
void TskBitmap::Reflection2() { ReflectionWithDivisor(4); }
void TskBitmap::Reflection3() { ReflectionWithDivisor(2); }

template <class Adjust>
void TskBitmap::AdjustOpaquePixels(Adjust adjust)
{
    for (int i = 0; i < FWidth * FHeight; ++i) {
        const TskColor32 p = FBits[i];
        if (AlphaOf(p) != 0)
            FBits[i] = (adjust(p) & 0x00FFFFFFu) | (p & 0xFF000000u);
    }
}

void TskBitmap::SetBitmapHue(int Hue)
{
    const double h = std::clamp(Hue, 0, 255) / 255.0;
    AdjustOpaquePixels([h](TskColor32 p) {
        TskHSL hsl = Pixel32ToHSL(p);
        hsl.H = h;
        return HSLToPixel32(hsl);
    });
}

void TskBitmap::ChangeBitmapSat(int DeltaSat)
{
    if (DeltaSat == 0)
        return;
    AdjustOpaquePixels([DeltaSat](TskColor32 p) {
        TskHSL hsl = Pixel32ToHSL(p);
        hsl.S = Wrap255(DeltaSat + static_cast<int>(std::nearbyint(hsl.S * 255))) / 255.0;
        return HSLToPixel32(hsl);
    });
}

void TskBitmap::ChangeBitmapHue(int DeltaHue)
{
    if (DeltaHue == 0)
        return;
    AdjustOpaquePixels([DeltaHue](TskColor32 p) {
        TskHSL hsl = Pixel32ToHSL(p);
        hsl.H = Wrap255(static_cast<int>(std::nearbyint(hsl.H * 255)) + DeltaHue) / 255.0;
        return HSLToPixel32(hsl);
    });
}

void TskBitmap::ChangeBitmapBrightness(int DeltaBrightness)
{
    if (DeltaBrightness == 0)
        return;
    AdjustOpaquePixels([DeltaBrightness](TskColor32 p) {
        return PackPixel32(static_cast<int>(RedOf(p)) + DeltaBrightness, static_cast<int>(GreenOf(p)) + DeltaBrightness,
                           static_cast<int>(BlueOf(p)) + DeltaBrightness, 255);
    });
}
