#include "platform/gdi/Drawing.h"

#include "platform/gdi/Objects.h"
#include "platform/gdi/Raster.h"

#include <algorithm>
#include <cmath>
#include <span>
#include <vector>

using gdi::FindDC;
using gdi::Target;

namespace {

std::int64_t FloorDiv(std::int64_t a, std::int64_t b)
{
    std::int64_t q = a / b;
    return (a % b != 0 && ((a < 0) != (b < 0))) ? q - 1 : q;
}

// Calls plot(x, y, i) for the pixels of the line from a to b (b excluded) that lie in box; i
// counts the pixels from a. Only the part of the line inside box is walked.
template <class Plot>
void LinePixels(POINT a, POINT b, const RECT& box, Plot plot)
{
    std::int64_t dx = std::int64_t{b.x} - a.x, dy = std::int64_t{b.y} - a.y;
    std::int64_t n = std::max(std::abs(dx), std::abs(dy));
    if (n == 0)
        return;
    bool xMajor = std::abs(dx) >= std::abs(dy);
    std::int64_t major0 = xMajor ? a.x : a.y, minor0 = xMajor ? a.y : a.x;
    std::int64_t dMajor = xMajor ? dx : dy, dMinor = xMajor ? dy : dx;
    std::int64_t lo = xMajor ? box.left : box.top, hi = xMajor ? box.right : box.bottom;
    std::int64_t i0 = 0, i1 = n;
    if (dMajor > 0) {
        i0 = std::max(i0, lo - major0);
        i1 = std::min(i1, hi - major0);
    } else {
        i0 = std::max(i0, major0 - hi + 1);
        i1 = std::min(i1, major0 - lo + 1);
    }
    for (std::int64_t i = i0; i < i1; ++i) {
        std::int64_t major = dMajor > 0 ? major0 + i : major0 - i;
        std::int64_t minor = minor0 + FloorDiv(2 * i * dMinor + n, 2 * n);
        std::int64_t x = xMajor ? major : minor, y = xMajor ? minor : major;
        if (x >= box.left && x < box.right && y >= box.top && y < box.bottom)
            plot(static_cast<int>(x), static_cast<int>(y), i);
    }
}

// The dash patterns of one-pixel pens: alternating lengths of drawn and skipped pixels.
std::span<const int> DashPattern(int style)
{
    static const int dash[] = {18, 6};
    static const int dot[] = {3, 3};
    static const int dashDot[] = {9, 6, 3, 6};
    static const int dashDotDot[] = {9, 3, 3, 3, 3, 3};
    switch (style) {
    case PS_DASH: return dash;
    case PS_DOT: return dot;
    case PS_DASHDOT: return dashDot;
    case PS_DASHDOTDOT: return dashDotDot;
    default: return {};
    }
}

bool DashOn(std::span<const int> pattern, std::int64_t index)
{
    int period = 0;
    for (int len : pattern)
        period += len;
    std::int64_t pos = index % period;
    for (std::size_t k = 0; k < pattern.size(); ++k) {
        if (pos < pattern[k])
            return k % 2 == 0;
        pos -= pattern[k];
    }
    return false;
}

// The pixels a pen of the given width covers around one pixel: a disc whose centre sits half a
// pixel off for even widths (a full square up to width 3).
void AddStamp(std::vector<RECT>& out, int x, int y, int width)
{
    int before = (width - 1) / 2;
    double centre = (width - 1) / 2.0, r2 = width * width / 4.0;
    for (int oy = 0; oy < width; ++oy) {
        double dy = oy - centre, room = r2 - dy * dy;
        if (room < 0)
            continue;
        int first = std::max(0, static_cast<int>(std::ceil(centre - std::sqrt(room))));
        int last = width - 1 - first;
        if (first <= last)
            out.push_back(RECT{x + first - before, y + oy - before, x + last + 1 - before, y + oy - before + 1});
    }
}

// Draws the lines of a figure with the selected pen, in surface coordinates.
class Stroke {
public:
    Stroke(gdi::DeviceContext& dc, Target& t) : t_(t)
    {
        const gdi::DcState& s = dc.State();
        style_ = s.pen ? s.pen->Style() : PS_NULL;
        width_ = s.pen ? s.pen->Width() : 1;
        color_ = gdi::TargetColor(s.pen ? s.pen->pen.lopnColor : 0, t.mono());
        bk_ = gdi::TargetColor(s.bkColor, t.mono());
        opaque_ = s.bkMode == OPAQUE;
        rop2_ = s.rop2;
    }

    bool Visible() const { return style_ != PS_NULL && t_.Drawable(); }
    int Width() const { return width_; }
    bool InsideFrame() const { return style_ == PS_INSIDEFRAME; }
    std::uint32_t Color() const { return color_; }
    int Rop2() const { return rop2_; }

    void Segment(POINT a, POINT b)
    {
        if (!Visible())
            return;
        const RECT& clip = t_.clip().Bounds();
        if (width_ > 1) {
            RECT reach{clip.left - width_, clip.top - width_, clip.right + width_, clip.bottom + width_};
            LinePixels(a, b, reach, [&](int x, int y, std::int64_t) { AddStamp(stamps_, x, y, width_); });
            if (b.x >= reach.left && b.x < reach.right && b.y >= reach.top && b.y < reach.bottom)
                AddStamp(stamps_, b.x, b.y, width_);
            return;
        }
        std::span<const int> pattern = DashPattern(style_);
        std::int64_t base = index_;
        LinePixels(a, b, clip, [&](int x, int y, std::int64_t i) {
            std::uint32_t c = color_;
            if (!pattern.empty() && !DashOn(pattern, base + i)) {
                if (!opaque_)
                    return;
                c = bk_;
            }
            if (t_.clip().Contains(x, y)) {
                std::uint32_t& px = t_.surface().Row(y)[x];
                px = gdi::Rop2Pixel(rop2_, c, px);
            }
        });
        index_ += std::max(std::abs(std::int64_t{b.x} - a.x), std::abs(std::int64_t{b.y} - a.y));
    }

    // Thick pens collect their pixels first so that each is drawn once.
    void Finish()
    {
        if (!stamps_.empty())
            gdi::FillRegion(t_, Region::FromRects(stamps_), color_, rop2_);
        stamps_.clear();
    }

private:
    Target& t_;
    int style_, width_, rop2_;
    std::uint32_t color_, bk_;
    bool opaque_;
    std::int64_t index_ = 0;
    std::vector<RECT> stamps_;
};

// The pixels of a rectangle with corners rounded by an ellipse of ew x eh (an ellipse when those
// equal the size): those whose centres lie inside. Only rows [rowFrom, rowTo) are built.
Region RoundShape(const RECT& box, std::int64_t ew, std::int64_t eh, int rowFrom, int rowTo)
{
    std::int64_t w = std::int64_t{box.right} - box.left, h = std::int64_t{box.bottom} - box.top;
    if (w <= 0 || h <= 0)
        return Region();
    double a = std::clamp<std::int64_t>(ew, 0, w) / 2.0, b = std::clamp<std::int64_t>(eh, 0, h) / 2.0;
    std::vector<RECT> rows;
    for (int y = std::max(box.top, rowFrom); y < std::min(box.bottom, rowTo); ++y) {
        double py = y + 0.5, inset = 0;
        if (a > 0 && b > 0) {
            double dy = 0;
            if (py < box.top + b)
                dy = box.top + b - py;
            else if (py > box.bottom - b)
                dy = py - (box.bottom - b);
            if (dy > 0)
                inset = a - a * std::sqrt(std::max(0.0, 1 - (dy / b) * (dy / b)));
        }
        int x0 = static_cast<int>(std::ceil(box.left + inset - 0.5));
        int x1 = static_cast<int>(std::floor(box.right - inset - 0.5)) + 1;
        if (x0 < x1)
            rows.push_back(RECT{x0, y, x1, y + 1});
    }
    return Region::FromRects(rows);
}

RECT Sorted(const RECT& r)
{
    return RECT{std::min(r.left, r.right), std::min(r.top, r.bottom), std::max(r.left, r.right),
                std::max(r.top, r.bottom)};
}

RECT Deflated(const RECT& r, int by)
{
    return RECT{r.left + by, r.top + by, r.right - by, r.bottom - by};
}

// Fills and outlines a rounded figure (a rectangle when ew and eh are 0) given in logical
// coordinates.
BOOL Figure(HDC hdc, RECT logical, int ew, int eh, bool nullPenShrinks)
{
    auto dc = FindDC(hdc);
    if (!dc)
        return FALSE;
    Target t(*dc, true);
    if (!t.Drawable())
        return TRUE;
    const gdi::DcState& s = dc->State();
    RECT box = Sorted(t.R(logical));
    const RECT& clip = t.clip().Bounds();
    Stroke pen(*dc, t);
    bool brush = s.brush && !s.brush->IsNull();
    std::uint32_t fillColor = brush ? gdi::TargetColor(s.brush->brush.lbColor, t.mono()) : 0;
    bool fullEllipse = ew < 0;  // ellipse: corners follow the size of the outer box

    if (!pen.Visible()) {
        if (nullPenShrinks)
            box = RECT{box.left, box.top, box.right - 1, box.bottom - 1};
        if (brush) {
            Region fill = fullEllipse ? RoundShape(box, box.right - box.left, box.bottom - box.top, clip.top, clip.bottom)
                                      : RoundShape(box, ew, eh, clip.top, clip.bottom);
            gdi::FillRegion(t, fill, fillColor, s.rop2);
        }
        return TRUE;
    }
    int w = pen.Width();
    // Rows one beyond the clip are built too, so that the outline is found right at its edge.
    int from = clip.top - 1, to = clip.bottom + 1;
    Region outerShape, innerShape;
    if (w == 1) {
        // A one-pixel outline: the figure's pixels that have a side neighbour outside it.
        outerShape = fullEllipse ? RoundShape(box, std::int64_t{box.right} - box.left,
                                              std::int64_t{box.bottom} - box.top, from, to)
                                 : RoundShape(box, ew, eh, from, to);
        innerShape = outerShape;
        for (POINT d : {POINT{1, 0}, POINT{-1, 0}, POINT{0, 1}, POINT{0, -1}}) {
            Region moved = outerShape;
            moved.Offset(d.x, d.y);
            innerShape = innerShape.Intersect(moved);
        }
    } else {
        RECT outer = box;
        if (!pen.InsideFrame())
            outer = RECT{box.left - (w - 1) / 2, box.top - (w - 1) / 2, box.right + w / 2, box.bottom + w / 2};
        RECT inner = Deflated(outer, w);
        std::int64_t ow = fullEllipse ? std::int64_t{outer.right} - outer.left : ew;
        std::int64_t oh = fullEllipse ? std::int64_t{outer.bottom} - outer.top : eh;
        std::int64_t iw = fullEllipse ? std::int64_t{inner.right} - inner.left : ew - 2 * w;
        std::int64_t ih = fullEllipse ? std::int64_t{inner.bottom} - inner.top : eh - 2 * w;
        outerShape = RoundShape(outer, ow, oh, from, to);
        innerShape = RoundShape(inner, iw, ih, from, to);
    }
    if (brush)
        gdi::FillRegion(t, innerShape, fillColor, s.rop2);
    int style = s.pen->Style();
    if (w == 1 && ew == 0 && eh == 0 && style != PS_SOLID && style != PS_INSIDEFRAME) {
        // A dashed rectangle: walk its outline so the pattern runs around it.
        POINT corners[] = {{box.left, box.top}, {box.right - 1, box.top}, {box.right - 1, box.bottom - 1},
                           {box.left, box.bottom - 1}, {box.left, box.top}};
        for (int i = 0; i < 4; ++i)
            pen.Segment(corners[i], corners[i + 1]);
        return TRUE;
    }
    gdi::FillRegion(t, outerShape.Subtract(innerShape), pen.Color(), pen.Rop2());
    return TRUE;
}

// A brush handle, or a system colour index plus one standing for one.
std::shared_ptr<gdi::BrushObject> ResolveBrush(HBRUSH brush)
{
    auto value = reinterpret_cast<std::uintptr_t>(brush);
    if (value >= 1 && value <= COLOR_MENUBAR + 1)
        brush = GetSysColorBrush(static_cast<int>(value - 1));
    return gdi::LookupAs<gdi::BrushObject>(brush);
}

BOOL PaintRects(HDC hdc, std::span<const RECT> logical, HBRUSH hbrush)
{
    auto dc = FindDC(hdc);
    auto brush = ResolveBrush(hbrush);
    if (!dc || !brush)
        return FALSE;
    if (brush->IsNull())
        return TRUE;
    Target t(*dc, true);
    std::uint32_t color = gdi::TargetColor(brush->brush.lbColor, t.mono());
    for (const RECT& r : logical)
        gdi::FillRect(t, t.R(r), color, R2_COPYPEN);
    return TRUE;
}

} // namespace

int FillRect(HDC dc, const RECT* rect, HBRUSH brush)
{
    if (!rect)
        return FALSE;
    return PaintRects(dc, std::span(rect, 1), brush);
}

int FrameRect(HDC dc, const RECT* rect, HBRUSH brush)
{
    if (!rect)
        return FALSE;
    const RECT& r = *rect;
    if (r.right <= r.left || r.bottom <= r.top)
        return FindDC(dc) ? TRUE : FALSE;
    const RECT sides[] = {{r.left, r.top, r.right, r.top + 1},
                          {r.left, r.bottom - 1, r.right, r.bottom},
                          {r.left, r.top + 1, r.left + 1, r.bottom - 1},
                          {r.right - 1, r.top + 1, r.right, r.bottom - 1}};
    return PaintRects(dc, sides, brush);
}

BOOL InvertRect(HDC hdc, const RECT* rect)
{
    auto dc = FindDC(hdc);
    if (!dc || !rect)
        return FALSE;
    Target t(*dc, true);
    gdi::FillRect(t, t.R(*rect), 0, R2_NOT);
    return TRUE;
}

BOOL DrawFocusRect(HDC hdc, const RECT* rect)
{
    auto dc = FindDC(hdc);
    if (!dc || !rect)
        return FALSE;
    Target t(*dc, true);
    if (!t.Drawable())
        return TRUE;
    const RECT& r = *rect;
    if (r.right <= r.left || r.bottom <= r.top)
        return TRUE;
    // The dots sit where the device coordinates add up to an even number.
    POINT o = dc->SurfaceOffset();
    POINT device = dc->LogicalToDevice(POINT{0, 0});
    int parity = (o.x - device.x + o.y - device.y) & 1;
    RECT box = t.R(r);
    auto invert = [&](int x, int y) {
        if (((x + y) & 1) == parity && t.clip().Contains(x, y))
            t.surface().Row(y)[x] ^= 0x00FFFFFF;
    };
    const RECT& clip = t.clip().Bounds();
    for (int x = std::max(box.left, clip.left); x < std::min(box.right, clip.right); ++x) {
        invert(x, box.top);
        if (box.bottom - 1 != box.top)
            invert(x, box.bottom - 1);
    }
    for (int y = std::max(box.top + 1, clip.top); y < std::min(box.bottom - 1, clip.bottom); ++y) {
        invert(box.left, y);
        if (box.right - 1 != box.left)
            invert(box.right - 1, y);
    }
    return TRUE;
}

BOOL LineTo(HDC hdc, int x, int y)
{
    auto dc = FindDC(hdc);
    if (!dc)
        return FALSE;
    {
        Target t(*dc, true);
        Stroke pen(*dc, t);
        pen.Segment(t.P(dc->State().currentPos), t.P(POINT{x, y}));
        pen.Finish();
    }
    dc->MutableState().currentPos = POINT{x, y};
    return TRUE;
}

BOOL Polyline(HDC hdc, const POINT* points, int count)
{
    auto dc = FindDC(hdc);
    if (!dc || !points || count < 2)
        return FALSE;
    Target t(*dc, true);
    Stroke pen(*dc, t);
    for (int i = 0; i + 1 < count; ++i)
        pen.Segment(t.P(points[i]), t.P(points[i + 1]));
    pen.Finish();
    return TRUE;
}

BOOL Polygon(HDC hdc, const POINT* points, int count)
{
    auto dc = FindDC(hdc);
    if (!dc || !points || count < 2)
        return FALSE;
    Target t(*dc, true);
    if (!t.Drawable())
        return TRUE;
    const gdi::DcState& s = dc->State();
    std::vector<POINT> p(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i)
        p[static_cast<std::size_t>(i)] = t.P(points[i]);

    if (s.brush && !s.brush->IsNull()) {
        const RECT& clip = t.clip().Bounds();
        int top = clip.bottom, bottom = clip.top;
        for (const POINT& q : p) {
            top = std::min(top, q.y);
            bottom = std::max(bottom, q.y);
        }
        top = std::max(top, clip.top);
        bottom = std::min(bottom, clip.bottom);
        std::vector<RECT> rows;
        std::vector<std::pair<double, int>> crossings;
        for (int y = top; y < bottom; ++y) {
            double yc = y + 0.5;
            crossings.clear();
            for (std::size_t i = 0; i < p.size(); ++i) {
                const POINT& a = p[i];
                const POINT& b = p[(i + 1) % p.size()];
                if ((a.y <= yc) == (b.y <= yc))
                    continue;
                double x = a.x + (yc - a.y) * (double(b.x) - a.x) / (double(b.y) - a.y);
                crossings.emplace_back(x, b.y > a.y ? 1 : -1);
            }
            std::sort(crossings.begin(), crossings.end());
            int winding = 0;
            for (std::size_t k = 0; k + 1 < crossings.size(); ++k) {
                winding += crossings[k].second;
                bool inside = s.polyFillMode == WINDING ? winding != 0 : k % 2 == 0;
                if (!inside)
                    continue;
                int x0 = static_cast<int>(std::ceil(crossings[k].first - 0.5));
                int x1 = static_cast<int>(std::ceil(crossings[k + 1].first - 0.5));
                if (x0 < x1)
                    rows.push_back(RECT{x0, y, x1, y + 1});
            }
        }
        gdi::FillRegion(t, Region::FromRects(rows), gdi::TargetColor(s.brush->brush.lbColor, t.mono()), s.rop2);
    }
    Stroke pen(*dc, t);
    for (std::size_t i = 0; i < p.size(); ++i)
        pen.Segment(p[i], p[(i + 1) % p.size()]);
    pen.Finish();
    return TRUE;
}

BOOL Rectangle(HDC dc, int left, int top, int right, int bottom)
{
    return Figure(dc, RECT{left, top, right, bottom}, 0, 0, true);
}

BOOL RoundRect(HDC dc, int left, int top, int right, int bottom, int ellipseWidth, int ellipseHeight)
{
    return Figure(dc, RECT{left, top, right, bottom}, std::max(ellipseWidth, 0), std::max(ellipseHeight, 0), false);
}

BOOL Ellipse(HDC dc, int left, int top, int right, int bottom)
{
    return Figure(dc, RECT{left, top, right, bottom}, -1, -1, false);
}

COLORREF SetPixel(HDC hdc, int x, int y, COLORREF color)
{
    auto dc = FindDC(hdc);
    if (!dc)
        return CLR_INVALID;
    Target t(*dc, true);
    POINT p = t.P(POINT{x, y});
    if (!t.Drawable() || !t.clip().Contains(p))
        return CLR_INVALID;
    std::uint32_t px = gdi::TargetColor(color, t.mono());
    t.surface().Row(p.y)[p.x] = px;
    return PixelToColor(px);
}

COLORREF GetPixel(HDC hdc, int x, int y)
{
    auto dc = FindDC(hdc);
    if (!dc)
        return CLR_INVALID;
    Target t(*dc, false);
    POINT p = t.P(POINT{x, y});
    if (!t.Drawable() || !t.clip().Contains(p))
        return CLR_INVALID;
    return PixelToColor(t.surface().Row(p.y)[p.x]);
}
