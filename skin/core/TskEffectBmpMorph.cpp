#include "skin/core/TskEffectBmp.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

namespace {

// Every transition takes its share clamped to 0..1; anything not at least 0 (NaN included)
// counts as 0.
double ClampKf(double Kf)
{
    if (!(Kf >= 0))
        return 0;
    return std::min(Kf, 1.0);
}

int RoundShare(int length, double Kf) { return static_cast<int>(std::nearbyint(length * ClampKf(Kf))); }

// round(a * wa + b * wb), clamped to a channel.
std::uint8_t Mix(std::uint8_t a, double wa, std::uint8_t b, double wb)
{
    return static_cast<std::uint8_t>(std::clamp(std::nearbyint(a * wa + b * wb), 0.0, 255.0));
}

} // namespace

void TskEffectBmp::BlendColumn(const TskEffectBmp& BMP, int x, double t)
{
    for (int y = 0; y < Height; ++y) {
        std::uint8_t* a = PixelAt(x, y);
        const std::uint8_t* b = BMP.PixelAt(x, y);
        for (int c = 0; c < 3; ++c)
            a[c] = Mix(a[c], t, b[c], 1 - t);
    }
}

void TskEffectBmp::BlendRow(const TskEffectBmp& BMP, int y, double t)
{
    for (int x = 0; x < Width; ++x) {
        std::uint8_t* a = PixelAt(x, y);
        const std::uint8_t* b = BMP.PixelAt(x, y);
        for (int c = 0; c < 3; ++c)
            a[c] = Mix(a[c], t, b[c], 1 - t);
    }
}

void TskEffectBmp::CopyColumns(const TskEffectBmp& BMP, int fromX, int toX, int count)
{
    if (count <= 0)
        return;
    for (int y = 0; y < Height; ++y)
        std::memmove(PixelAt(toX, y), BMP.PixelAt(fromX, y), static_cast<std::size_t>(count) * 3);
}

void TskEffectBmp::Morph(const TskEffectBmp& BMP, double Kf)
{
    if (!SameSize(BMP))
        return;
    const double kf = ClampKf(Kf);
    for (int y = 0; y < Height; ++y)
        for (int x = 0; x < Width; ++x) {
            std::uint8_t* a = PixelAt(x, y);
            const std::uint8_t* b = BMP.PixelAt(x, y);
            for (int c = 0; c < 3; ++c)
                a[c] = Mix(a[c], 1 - kf, b[c], kf);
        }
}

void TskEffectBmp::MorphRect(const TskEffectBmp& BMP, double Kf, const RECT& Rct, int StartX, int StartY)
{
    if (Rct.left < 0 || Rct.top < 0 || Rct.right > Width || Rct.bottom > Height || Rct.right <= Rct.left
        || Rct.bottom <= Rct.top)
        return;
    if (StartX < 0 || StartY < 0 || StartX + (Rct.right - Rct.left) > BMP.Width
        || StartY + (Rct.bottom - Rct.top) > BMP.Height)
        return;
    const double kf = ClampKf(Kf);
    for (int y = Rct.top; y < Rct.bottom; ++y)
        for (int x = Rct.left; x < Rct.right; ++x) {
            std::uint8_t* a = PixelAt(x, y);
            const std::uint8_t* b = BMP.PixelAt(StartX + x - Rct.left, StartY + y - Rct.top);
            for (int c = 0; c < 3; ++c)
                a[c] = Mix(a[c], 1 - kf, b[c], kf);
        }
}

void TskEffectBmp::MorphGrad(const TskEffectBmp& BMP, double Kf)
{
    if (Width < Height)
        MorphVGrad(BMP, Kf);
    else
        MorphHGrad(BMP, Kf);
}

void TskEffectBmp::MorphHGrad(const TskEffectBmp& BMP, double Kf)
{
    if (!SameSize(BMP) || Width == 0)
        return;
    const int n = RoundShare(Width, Kf);
    const int g = (Width - n) / 2;
    const double step = g == 0 ? 1.0 : 1.0 / g;
    const int left = std::max(Width / 2 - n / 2, 0);
    const int right = std::min(n / 2 + Width / 2, Width - 1);
    CopyColumns(BMP, left, left, right - left + 1);
    double t = 0;
    for (int x = left; x >= 0; --x) {
        BlendColumn(BMP, x, t);
        t = std::min(t + step, 1.0);
    }
    t = 0;
    for (int x = right; x < Width; ++x) {
        BlendColumn(BMP, x, t);
        t = std::min(t + step, 1.0);
    }
}

void TskEffectBmp::MorphVGrad(const TskEffectBmp& BMP, double Kf)
{
    if (!SameSize(BMP) || Height == 0)
        return;
    const int n = RoundShare(Height, Kf);
    const int g = (Height - 1 - n) / 2;
    const double step = g == 0 ? 0.0 : 1.0 / g;
    const int top = std::max(Height / 2 - n / 2, 0);
    const int bottom = std::min(n / 2 + Height / 2, Height - 1);
    for (int y = top; y <= bottom; ++y)
        std::memcpy(PixelAt(0, y), BMP.PixelAt(0, y), static_cast<std::size_t>(Width) * 3);
    double t = 0;
    for (int y = top; y >= 0; --y) {
        BlendRow(BMP, y, t);
        t = std::min(t + step, 1.0);
    }
    t = 0;
    for (int y = bottom; y < Height; ++y) {
        BlendRow(BMP, y, t);
        t = std::min(t + step, 1.0);
    }
}

void TskEffectBmp::MorphLeftGrad(const TskEffectBmp& BMP, double Kf)
{
    if (!SameSize(BMP) || Width == 0)
        return;
    const int n = std::min(std::max(RoundShare(Width, Kf), 1), Width - 1);
    const double step = n == 0 ? 1.0 : 1.0 / n;
    double t = 0;
    for (int x = 0; x <= n; ++x) {
        BlendColumn(BMP, x, t);
        t = std::min(t + step, 1.0);
    }
}

void TskEffectBmp::MorphRightGrad(const TskEffectBmp& BMP, double Kf)
{
    if (!SameSize(BMP) || Width == 0)
        return;
    const int c = std::min(std::max(Width - RoundShare(Width, Kf), 0), Width - 1);
    const double step = Width - c <= 0 ? 1.0 : 1.0 / (Width - c);
    double t = 0;
    for (int x = Width - 1; x >= c; --x) {
        BlendColumn(BMP, x, t);
        t = std::min(t + step, 1.0);
    }
}

void TskEffectBmp::MorphPush(const TskEffectBmp& BMP, double Kf)
{
    if (!SameSize(BMP) || Width == 0)
        return;
    const int n = std::min(std::max(RoundShare(Width, Kf), 0), Width - 1);
    CopyColumns(*this, 0, n + 1, Width - 1 - n);
    CopyColumns(BMP, Width - 1 - n, 0, n + 1);
}

void TskEffectBmp::MorphLeftSlide(const TskEffectBmp& BMP, double Kf)
{
    if (!SameSize(BMP) || Width == 0)
        return;
    const int n = std::min(std::max(RoundShare(Width, Kf), 1), Width - 1);
    CopyColumns(BMP, Width - n, 0, n);
}

void TskEffectBmp::MorphRightSlide(const TskEffectBmp& BMP, double Kf)
{
    if (!SameSize(BMP) || Width == 0)
        return;
    const int n = std::min(std::max(RoundShare(Width, Kf), 1), Width - 1);
    CopyColumns(BMP, 0, Width - n, n);
}
