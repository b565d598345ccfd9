#include "tools/skingen/Coverage.h"

#include <algorithm>
#include <cstdint>
#include <utility>

TPaint Solid(TRgb c)
{
    return [c](int, int) { return c; };
}

TPaint VGradient(int y0, int y1, TRgb c0, TRgb c1)
{
    return [=](int, int y) {
        if (y1 - 1 <= y0)
            return c0;
        return Mix(c0, c1, (std::clamp(y, y0, y1 - 1) - y0) * 256 / (y1 - 1 - y0));
    };
}

TPaint HGradient(int x0, int x1, TRgb c0, TRgb c1)
{
    return [=](int x, int) {
        if (x1 - 1 <= x0)
            return c0;
        return Mix(c0, c1, (std::clamp(x, x0, x1 - 1) - x0) * 256 / (x1 - 1 - x0));
    };
}

TInside RoundRectSub(int l, int t, int r, int b, int radius)
{
    radius = std::max(0, std::min({radius, (r - l) / 2, (b - t) / 2}));
    return [=](int x, int y) {
        if (x < l || x >= r || y < t || y >= b)
            return false;
        const int cx = std::clamp(x, l + radius, r - radius);
        const int cy = std::clamp(y, t + radius, b - radius);
        const std::int64_t dx = x - cx, dy = y - cy;
        return dx * dx + dy * dy <= std::int64_t{radius} * radius;
    };
}

TInside RoundRect(const RECT& px, int radiusPx)
{
    return RoundRectSub(Sub(px.left), Sub(px.top), Sub(px.right), Sub(px.bottom), Sub(radiusPx));
}

TInside EllipseSub(int cx, int cy, int rx, int ry)
{
    return [=](int x, int y) {
        if (rx <= 0 || ry <= 0)
            return false;
        const std::int64_t dx = std::int64_t{x - cx} * ry, dy = std::int64_t{y - cy} * rx;
        const std::int64_t r = std::int64_t{rx} * ry;
        return dx * dx + dy * dy <= r * r;
    };
}

TInside PolygonSub(std::vector<POINT> points)
{
    return [points = std::move(points)](int x, int y) {
        int winding = 0;
        const std::size_t n = points.size();
        for (std::size_t i = 0; i < n; ++i) {
            const POINT a = points[i], b = points[(i + 1) % n];
            const std::int64_t cross = std::int64_t{b.x - a.x} * (y - a.y) - std::int64_t{x - a.x} * (b.y - a.y);
            if (a.y <= y) {
                if (b.y > y && cross > 0)
                    ++winding;
            } else if (b.y <= y && cross < 0) {
                --winding;
            }
        }
        return winding != 0;
    };
}

TInside CapsuleSub(POINT a, POINT b, int halfWidth)
{
    return [=](int x, int y) {
        const std::int64_t vx = b.x - a.x, vy = b.y - a.y, px = x - a.x, py = y - a.y;
        const std::int64_t len2 = vx * vx + vy * vy;
        const std::int64_t t = px * vx + py * vy;
        const std::int64_t r2 = std::int64_t{halfWidth} * halfWidth;
        if (len2 == 0 || t <= 0)
            return px * px + py * py <= r2;
        if (t >= len2) {
            const std::int64_t qx = x - b.x, qy = y - b.y;
            return qx * qx + qy * qy <= r2;
        }
        const std::int64_t cross = px * vy - py * vx;
        return cross * cross <= r2 * len2;
    };
}

TInside Both(TInside a, TInside b)
{
    return [a = std::move(a), b = std::move(b)](int x, int y) { return a(x, y) && b(x, y); };
}

TInside Either(TInside a, TInside b)
{
    return [a = std::move(a), b = std::move(b)](int x, int y) { return a(x, y) || b(x, y); };
}

TInside Without(TInside a, TInside b)
{
    return [a = std::move(a), b = std::move(b)](int x, int y) { return a(x, y) && !b(x, y); };
}

void FillShape(TImage32& image, const RECT& bounds, const TInside& inside, const TPaint& paint)
{
    const int x0 = std::max<int>(0, bounds.left), x1 = std::min<int>(image.Width(), bounds.right);
    const int y0 = std::max<int>(0, bounds.top), y1 = std::min<int>(image.Height(), bounds.bottom);
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) {
            int hits = 0;
            for (int j = 0; j < 4; ++j)
                for (int i = 0; i < 4; ++i)
                    hits += inside(Sub(x) + 2 + 4 * i, Sub(y) + 2 + 4 * j) ? 1 : 0;
            if (hits)
                image.Blend(x, y, paint(x, y), hits * 16);
        }
}

void StrokeRoundRect(TImage32& image, const RECT& px, int radiusPx, int width, const TPaint& paint)
{
    const RECT inner = Inflated(px, -width, -width);
    FillShape(image, px,
              Without(RoundRect(px, radiusPx),
                      RoundRectSub(Sub(inner.left), Sub(inner.top), Sub(inner.right), Sub(inner.bottom),
                                   Sub(std::max(0, radiusPx - width)))),
              paint);
}
