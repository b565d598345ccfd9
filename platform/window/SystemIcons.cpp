// The four stock message icons: a red disc with a cross, a blue disc with a question mark, an
// amber triangle with an exclamation mark and a blue disc with an "i". Each pixel is sampled
// 4 x 4 times so the edges are smooth; the colours keep straight alpha.

#include "platform/window/SystemIcons.h"

#include "platform/gdi/Bitmaps.h"
#include "platform/gdi/Icons.h"
#include "platform/gdi/Objects.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <functional>
#include <map>

namespace {

constexpr int kSize = 32;
constexpr int kSamples = 4;

struct Colour {
    double r, g, b;
};

struct Point {
    double x, y;
};

double Distance(Point a, Point b)
{
    return std::hypot(a.x - b.x, a.y - b.y);
}

// Distance from p to the segment a-b.
double SegmentDistance(Point p, Point a, Point b)
{
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double t = std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / (dx * dx + dy * dy), 0.0, 1.0);
    return Distance(p, Point{a.x + t * dx, a.y + t * dy});
}

bool InStroke(Point p, Point a, Point b, double width)
{
    return SegmentDistance(p, a, b) <= width / 2;
}

// Inside the triangle a, b, c (either winding).
bool InTriangle(Point p, Point a, Point b, Point c)
{
    auto side = [&](Point u, Point v) { return (v.x - u.x) * (p.y - u.y) - (v.y - u.y) * (p.x - u.x); };
    const double s1 = side(a, b), s2 = side(b, c), s3 = side(c, a);
    return (s1 >= 0 && s2 >= 0 && s3 >= 0) || (s1 <= 0 && s2 <= 0 && s3 <= 0);
}

// One sample: the colour at p, or nothing (transparent).
using Shader = std::function<bool(Point p, Colour& c)>;

constexpr Colour kWhite{255, 255, 255};
constexpr Colour kInk{24, 24, 24};

// A disc with a darker rim, and a white sign drawn over it by Sign.
Shader Disc(Colour fill, Colour rim, std::function<bool(Point)> Sign)
{
    return [=](Point p, Colour& c) {
        const double d = Distance(p, Point{16, 16});
        if (d > 15)
            return false;
        c = d > 13.8 ? rim : fill;
        if (Sign(p))
            c = kWhite;
        return true;
    };
}

bool Cross(Point p)
{
    return InStroke(p, {10.5, 10.5}, {21.5, 21.5}, 3.6) || InStroke(p, {21.5, 10.5}, {10.5, 21.5}, 3.6);
}

bool QuestionMark(Point p)
{
    // The hook: an arc around (16, 12) from the left over the top down to the lower right (angles
    // counted counter-clockwise from +x with y up), a stroke on to the stem; the dot below.
    const double angle = std::atan2(12 - p.y, p.x - 16);
    const bool onArc = std::abs(Distance(p, Point{16, 12}) - 4.6) <= 1.7 && angle >= -1.05 && angle <= 2.9;
    return onArc || InStroke(p, {18.3, 16}, {16, 18.5}, 3.4) || InStroke(p, {16, 18.5}, {16, 19.6}, 3.4) ||
           Distance(p, Point{16, 24}) <= 2.1;
}

bool LetterI(Point p)
{
    return Distance(p, Point{16, 9}) <= 2.2 || InStroke(p, {16, 13.6}, {16, 23.4}, 3.8);
}

Shader Warning()
{
    const Colour fill{247, 186, 24}, rim{176, 118, 0};
    return [=](Point p, Colour& c) {
        const Point top{16, 1.5}, right{31, 28.5}, left{1, 28.5};
        if (!InTriangle(p, top, right, left))
            return false;
        const bool edge = SegmentDistance(p, top, right) < 1.3 || SegmentDistance(p, right, left) < 1.3 ||
                          SegmentDistance(p, left, top) < 1.3;
        c = edge ? rim : fill;
        if (InStroke(p, {16, 10}, {16, 19}, 3.4) || Distance(p, Point{16, 23.6}) <= 2.0)
            c = kInk;
        return true;
    };
}

Shader ShaderFor(std::uintptr_t id)
{
    const Colour blue{36, 110, 210}, darkBlue{18, 66, 150};
    switch (id) {
    case 32513:
        return Disc({214, 40, 40}, {150, 20, 20}, Cross);
    case 32514:
        return Disc(blue, darkBlue, QuestionMark);
    case 32515:
        return Warning();
    case 32516:
        return Disc(blue, darkBlue, LetterI);
    default:
        return nullptr;
    }
}

HICON Draw(const Shader& shade)
{
    std::array<std::uint32_t, kSize * kSize> pixels{};
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            double r = 0, g = 0, b = 0;
            int covered = 0;
            for (int sy = 0; sy < kSamples; ++sy) {
                for (int sx = 0; sx < kSamples; ++sx) {
                    Colour c{};
                    if (shade(Point{x + (sx + 0.5) / kSamples, y + (sy + 0.5) / kSamples}, c)) {
                        r += c.r;
                        g += c.g;
                        b += c.b;
                        ++covered;
                    }
                }
            }
            if (covered == 0)
                continue;
            auto channel = [covered](double sum) { return static_cast<std::uint32_t>(std::lround(sum / covered)); };
            const auto alpha = static_cast<std::uint32_t>(covered * 255 / (kSamples * kSamples));
            pixels[static_cast<std::size_t>(y * kSize + x)] = channel(b) | channel(g) << 8 | channel(r) << 16 | alpha << 24;
        }
    }
    ICONINFO info;
    info.hbmColor = CreateBitmap(kSize, kSize, 1, 32, pixels.data());
    info.hbmMask = CreateBitmap(kSize, kSize, 1, 1, nullptr);
    HICON icon = CreateSharedIconIndirect(&info);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    return icon;
}

} // namespace

HICON LoadIcon(HINSTANCE instance, LPCSTR name)
{
    const auto id = reinterpret_cast<std::uintptr_t>(name);
    if (instance != nullptr || id > 0xFFFF)
        return nullptr;
    static std::map<std::uintptr_t, HICON> loaded;
    if (auto found = loaded.find(id); found != loaded.end())
        return found->second;
    Shader shade = ShaderFor(id);
    if (!shade)
        return nullptr;
    return loaded[id] = Draw(shade);
}
