#pragma once
// Anti-aliased filling of shapes: a shape is a test "is this point inside", asked at 4 x 4
// points of every pixel in units of 1/16 pixel, so edges get 17 levels of coverage and every
// result is exact integer arithmetic.

#include "tools/skingen/Raster.h"

#include <functional>
#include <vector>

inline constexpr int kSub = 16;  // sub-pixel units per pixel

constexpr int Sub(int px) { return px * kSub; }

using TInside = std::function<bool(int sx, int sy)>;
using TPaint = std::function<TRgb(int x, int y)>;

TPaint Solid(TRgb c);
// From c0 at row y0 to c1 at row y1 - 1 (clamped outside).
TPaint VGradient(int y0, int y1, TRgb c0, TRgb c1);
TPaint HGradient(int x0, int x1, TRgb c0, TRgb c1);

// Shapes in sub-pixel units (l, t, r, b are edges; a pixel rectangle is Sub() of its sides).
TInside RoundRectSub(int l, int t, int r, int b, int radius);
TInside RoundRect(const RECT& px, int radiusPx);
TInside EllipseSub(int cx, int cy, int rx, int ry);
TInside PolygonSub(std::vector<POINT> points);  // non-zero winding
TInside CapsuleSub(POINT a, POINT b, int halfWidth);  // a thick line with round ends
TInside Both(TInside a, TInside b);
TInside Either(TInside a, TInside b);
TInside Without(TInside a, TInside b);

// Blends paint over every pixel of bounds by the share of its sample points inside.
void FillShape(TImage32& image, const RECT& bounds, const TInside& inside, const TPaint& paint);
// The ring of a rounded rectangle: width pixels wide, inside its edge.
void StrokeRoundRect(TImage32& image, const RECT& px, int radiusPx, int width, const TPaint& paint);
