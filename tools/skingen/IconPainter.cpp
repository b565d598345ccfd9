#include "tools/skingen/IconPainter.h"

POINT TIconPainter::Pt(int qx, int qy) const
{
    POINT p;
    p.x = S(qx);
    p.y = S(qy);
    return p;
}

TInside TIconPainter::RoundRect(int l, int t, int r, int b, int radius) const
{
    return RoundRectSub(S(l), S(t), S(r), S(b), S(radius));
}

TInside TIconPainter::Ellipse(int cx, int cy, int rx, int ry) const
{
    return EllipseSub(S(cx), S(cy), S(rx), S(ry));
}

TInside TIconPainter::Polygon(std::initializer_list<std::pair<int, int>> points) const
{
    std::vector<POINT> p;
    for (auto [x, y] : points)
        p.push_back(Pt(x, y));
    return PolygonSub(std::move(p));
}

TInside TIconPainter::Line(int x0, int y0, int x1, int y1, int halfWidth) const
{
    return CapsuleSub(Pt(x0, y0), Pt(x1, y1), S(halfWidth));
}

TPaint TIconPainter::VShade(int top, int bottom, TRgb c0, TRgb c1) const
{
    return VGradient(P(top), P(bottom), c0, c1);
}
