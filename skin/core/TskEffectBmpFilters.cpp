#include "skin/core/TskEffectBmp.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <random>
#include <vector>

namespace {

std::uint8_t ClampChannel(double v) { return static_cast<std::uint8_t>(std::clamp(std::nearbyint(v), 0.0, 255.0)); }

double ClampUnit(double Kf)
{
    if (!(Kf >= 0))
        return 0;
    return std::min(Kf, 1.0);
}

// The neighbour Amount positions before (after) i, or i itself when that leaves the picture
// at the start; at the end the fallback is length - i. Always kept inside 0..length-1.
int Before(int i, int Amount, int length) { return std::clamp(i - Amount < 0 ? i : i - Amount, 0, length - 1); }
int After(int i, int Amount, int length)
{
    return std::clamp(i + Amount >= length ? length - i : i + Amount, 0, length - 1);
}

bool IsWhite(const std::uint8_t* p) { return p[0] == 255 && p[1] == 255 && p[2] == 255; }

std::minstd_rand& NoiseGenerator()
{
    static std::minstd_rand generator{std::random_device{}()};
    return generator;
}

// A value in -(Amount div 2) .. Amount - 1 - Amount div 2.
int NoiseValue(int Amount)
{
    return std::uniform_int_distribution<int>(0, Amount - 1)(NoiseGenerator()) - Amount / 2;
}

} // namespace

template <class PixelOp>
void TskEffectBmp::ForEachPixel(PixelOp op)
{
    for (int y = 0; y < Height; ++y)
        for (int x = 0; x < Width; ++x)
            op(PixelAt(x, y));
}

void TskEffectBmp::ChangeBrightness(double Kf)
{
    const double kf = ClampUnit(Kf);
    ForEachPixel([kf](std::uint8_t* p) {
        for (int c = 0; c < 3; ++c)
            p[c] = ClampChannel((1 - kf) * p[c] + kf * 255);
    });
}

void TskEffectBmp::ChangeDarkness(double Kf)
{
    const double kf = ClampUnit(Kf);
    ForEachPixel([kf](std::uint8_t* p) {
        for (int c = 0; c < 3; ++c)
            p[c] = ClampChannel((1 - kf) * p[c]);
    });
}

void TskEffectBmp::GrayScale()
{
    ForEachPixel([](std::uint8_t* p) {
        const std::uint8_t grey = ClampChannel(0.3 * p[2] + 0.59 * p[1] + 0.11 * p[0]);
        p[0] = p[1] = p[2] = grey;
    });
}

void TskEffectBmp::Invert()
{
    ForEachPixel([](std::uint8_t* p) {
        for (int c = 0; c < 3; ++c)
            p[c] = static_cast<std::uint8_t>(255 - p[c]);
    });
}

void TskEffectBmp::AddMonoNoise(int Amount)
{
    if (Amount <= 0)
        return;
    ForEachPixel([Amount](std::uint8_t* p) {
        const int r = NoiseValue(Amount);
        for (int c = 0; c < 3; ++c)
            p[c] = ClampChannel(p[c] + r);
    });
}

void TskEffectBmp::AddColorNoise(int Amount)
{
    if (Amount <= 0)
        return;
    ForEachPixel([Amount](std::uint8_t* p) {
        for (int c = 2; c >= 0; --c)
            p[c] = ClampChannel(p[c] + NoiseValue(Amount));
    });
}

void TskEffectBmp::Mosaic(int ASize)
{
    if (ASize <= 1)
        return;
    for (int y = 0; y < Height; ++y)
        for (int x = 0; x < Width; ++x)
            std::memcpy(PixelAt(x, y), PixelAt(x - x % ASize, y - y % ASize), 3);
}

void TskEffectBmp::Wave(int XDIV, int YDIV, int RatioVal)
{
    if (XDIV == 0 || YDIV == 0 || Width == 0 || Height == 0)
        return;
    const TskEffectBmp copy(*this);
    for (int y = 0; y < Height; ++y)
        for (int x = 0; x < Width; ++x) {
            const double sx = std::sin(static_cast<double>(y) / YDIV) * RatioVal + x;
            const double sy = std::sin(static_cast<double>(x) / XDIV) * RatioVal + y;
            const int cx = static_cast<int>(std::clamp(std::nearbyint(sx), 0.0, Width - 1.0));
            const int cy = static_cast<int>(std::clamp(std::nearbyint(sy), 0.0, Height - 1.0));
            std::memcpy(PixelAt(x, y), copy.PixelAt(cx, cy), 3);
        }
}

void TskEffectBmp::SplitBlurWhere(int Amount, const TskEffectBmp* Msk)
{
    std::vector<std::uint8_t> row(static_cast<std::size_t>(Width) * 3);
    for (int y = 0; y < Height; ++y) {
        const int upper = Before(y, Amount, Height), lower = After(y, Amount, Height);
        GetScanLine(y, row.data());
        for (int x = 0; x < Width; ++x) {
            if (Msk && MaskProtects(*Msk, x, y))
                continue;
            const int left = Before(x, Amount, Width), right = After(x, Amount, Width);
            for (int c = 0; c < 3; ++c)
                row[static_cast<std::size_t>(3 * x + c)] = static_cast<std::uint8_t>(
                    (PixelAt(left, upper)[c] + PixelAt(left, lower)[c] + PixelAt(right, upper)[c]
                     + PixelAt(right, lower)[c])
                    / 4);
        }
        SetScanLine(y, row.data());
    }
}

void TskEffectBmp::SplitBlur(int Amount)
{
    if (Amount != 0)
        SplitBlurWhere(Amount, nullptr);
}

bool TskEffectBmp::MaskFits(const TskEffectBmp& Msk) const
{
    return Width != 0 && Height != 0 && Msk.Width == Width && Msk.Height >= Height;
}

bool TskEffectBmp::MaskProtects(const TskEffectBmp& Msk, int x, int y) const { return IsWhite(Msk.PixelAt(x, y)); }

void TskEffectBmp::MaskBlur(const TskEffectBmp& Msk, int Amount)
{
    if (MaskFits(Msk) && Amount != 0)
        SplitBlurWhere(Amount, &Msk);
}

void TskEffectBmp::MaskAntialiasing(const TskEffectBmp& Msk, int Amount)
{
    if (!MaskFits(Msk) || Amount == 0)
        return;
    std::vector<std::uint8_t> row(static_cast<std::size_t>(Width) * 3);
    for (int y = 0; y < Height; ++y) {
        const int upper = Before(y, Amount, Height), lower = After(y, Amount, Height);
        const int maskLower = y + Amount >= 0 && y + Amount < Msk.Height ? y + Amount : lower;
        GetScanLine(y, row.data());
        for (int x = 0; x < Width; ++x) {
            if (MaskProtects(Msk, x, y))
                continue;
            const int left = Before(x, Amount, Width), right = After(x, Amount, Width);
            if (!MaskProtects(Msk, left, upper) && !MaskProtects(Msk, left, maskLower)
                && !MaskProtects(Msk, right, upper) && !MaskProtects(Msk, right, maskLower))
                continue;
            for (int c = 0; c < 3; ++c)
                row[static_cast<std::size_t>(3 * x + c)] = static_cast<std::uint8_t>(
                    (PixelAt(left, upper)[c] + PixelAt(left, lower)[c] + PixelAt(right, upper)[c]
                     + PixelAt(right, lower)[c])
                    / 4);
        }
        SetScanLine(y, row.data());
    }
}

void TskEffectBmp::MaskFillColor(const TskEffectBmp& Msk, COLORREF Color, double kf)
{
    if (!MaskFits(Msk))
        return;
    const double colour[3] = {static_cast<double>(GetBValue(Color)), static_cast<double>(GetGValue(Color)),
                              static_cast<double>(GetRValue(Color))};
    for (int y = 0; y < Height; ++y)
        for (int x = 0; x < Width; ++x) {
            if (MaskProtects(Msk, x, y))
                continue;
            std::uint8_t* p = PixelAt(x, y);
            for (int c = 0; c < 3; ++c)
                p[c] = ClampChannel((1 - kf) * p[c] + kf * colour[c]);
        }
}
