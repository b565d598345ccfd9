#include "skin/core/skColorHSL.h"

#include <algorithm>
#include <cmath>

TskHSL Pixel32ToHSL(TskColor32 Color)
{
    const double r = RedOf(Color) / 255.0, g = GreenOf(Color) / 255.0, b = BlueOf(Color) / 255.0;
    const double max = std::max({r, g, b}), min = std::min({r, g, b});
    TskHSL hsl;
    hsl.L = (max + min) / 2;
    if (max == min)
        return hsl;
    const double d = max - min;
    hsl.S = hsl.L >= 0.5 ? d / (2 - max - min) : d / (max + min);
    if (max == r)
        hsl.H = (g - b) / d;
    else if (max == g)
        hsl.H = (b - r) / d + 2;
    else
        hsl.H = (r - g) / d + 4;
    hsl.H /= 6;
    if (hsl.H < 0)
        hsl.H += 1;
    return hsl;
}

namespace {

int HueToChannel(double m1, double m2, double h)
{
    h -= std::floor(h);
    double v;
    if (6 * h < 1)
        v = m1 + (m2 - m1) * 6 * h;
    else if (2 * h < 1)
        v = m2;
    else if (3 * h < 2)
        v = m1 + (m2 - m1) * (2.0 / 3.0 - h) * 6;
    else
        v = m1;
    return static_cast<int>(std::nearbyint(v * 255));
}

} // namespace

TskColor32 HSLToPixel32(const TskHSL& HSL)
{
    if (HSL.S == 0) {
        const int v = static_cast<int>(std::nearbyint(HSL.L * 255));
        return PackPixel32(v, v, v, 255);
    }
    const double m2 = HSL.L <= 0.5 ? HSL.L * (1 + HSL.S) : HSL.L + HSL.S - HSL.L * HSL.S;
    const double m1 = 2 * HSL.L - m2;
    return PackPixel32(HueToChannel(m1, m2, HSL.H + 1.0 / 3.0), HueToChannel(m1, m2, HSL.H),
                       HueToChannel(m1, m2, HSL.H - 1.0 / 3.0), 255);
}

TskColor32 PackPixel32(int R, int G, int B, int A)
{
    auto clamp = [](int v) { return static_cast<std::uint32_t>(std::clamp(v, 0, 255)); };
    return MakeColor32(clamp(R), clamp(G), clamp(B), clamp(A));
}
