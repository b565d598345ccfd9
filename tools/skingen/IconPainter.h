#pragma once
// Drawing of the program's pictures at any size from one design: coordinates are given on a
// 48-pixel design grid in quarter pixels (0..192) and scaled to the picture's size, so the 48- and
// 32-pixel versions of a picture are both drawn sharp rather than shrunk.

#include "tools/skingen/Coverage.h"

#include <vector>

class TIconPainter {
public:
    TIconPainter(TImage32& image, int size) : Img_(image), Size_(size) {}

    int Size() const { return Size_; }
    TImage32& Image() { return Img_; }
    // Quarter design pixels to sub-pixel units of the picture.
    int S(int q) const { return q * Size_ * kSub / (48 * 4); }
    // Quarter design pixels to whole pixels of the picture.
    int P(int q) const { return q * Size_ / (48 * 4); }
    POINT Pt(int qx, int qy) const;
    RECT Bounds() const { return Rect(0, 0, Img_.Width(), Img_.Height()); }

    TInside RoundRect(int l, int t, int r, int b, int radius) const;
    TInside Ellipse(int cx, int cy, int rx, int ry) const;
    TInside Polygon(std::initializer_list<std::pair<int, int>> points) const;
    TInside Line(int x0, int y0, int x1, int y1, int halfWidth) const;

    void Fill(const TInside& shape, const TPaint& paint) { FillShape(Img_, Bounds(), shape, paint); }
    void Fill(const TInside& shape, TRgb color) { Fill(shape, Solid(color)); }
    // A vertical gradient between design rows top and bottom.
    TPaint VShade(int top, int bottom, TRgb c0, TRgb c1) const;

private:
    TImage32& Img_;
    int Size_;
};
