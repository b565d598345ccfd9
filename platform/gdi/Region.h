#pragma once
// An area of the plane as a value: a set of non-overlapping rectangles in y-x banded order, the
// form in which clip regions, window regions and update regions are kept.
//
// The rectangles are sorted by top, then by left; rectangles of one band share their top and
// bottom; within a band they neither overlap nor touch; vertically adjacent bands with the same
// horizontal spans are merged. This form is unique, so two regions covering the same pixels
// compare equal and list the same rectangles.

#include "platform/win/Types.h"

#include <span>
#include <vector>

class Region {
public:
    enum class Op { And, Or, Xor, Diff };

    Region() = default;
    // The rectangle's pixels; an empty or inverted rectangle gives the empty region.
    explicit Region(const RECT& r);
    // The union of any number of rectangles in any order; empty ones are skipped.
    static Region FromRects(std::span<const RECT> rects);

    bool IsEmpty() const { return rects_.empty(); }
    bool IsRect() const { return rects_.size() == 1; }
    // The smallest rectangle holding the region; all zeros for the empty region.
    const RECT& Bounds() const { return bounds_; }
    const std::vector<RECT>& Rects() const { return rects_; }

    bool Contains(int x, int y) const;
    bool Contains(POINT p) const { return Contains(p.x, p.y); }
    // True when the region and the rectangle share at least one pixel.
    bool Intersects(const RECT& r) const;

    Region Combine(const Region& other, Op op) const;
    Region Intersect(const Region& other) const { return Combine(other, Op::And); }
    Region Union(const Region& other) const { return Combine(other, Op::Or); }
    Region Subtract(const Region& other) const { return Combine(other, Op::Diff); }
    Region Xor(const Region& other) const { return Combine(other, Op::Xor); }
    // Moves every rectangle; false (and no change) when a coordinate would leave the 32-bit range.
    bool Offset(int dx, int dy);

    // Calls fn(RECT) for every non-empty piece of r inside the region, top to bottom.
    template <class Fn>
    void ForEachIn(const RECT& r, Fn&& fn) const
    {
        for (const RECT& c : rects_) {
            if (c.top >= r.bottom)
                break;
            RECT piece{c.left > r.left ? c.left : r.left, c.top > r.top ? c.top : r.top,
                       c.right < r.right ? c.right : r.right, c.bottom < r.bottom ? c.bottom : r.bottom};
            if (piece.left < piece.right && piece.top < piece.bottom)
                fn(piece);
        }
    }
    // Calls fn(x0, x1) for every part of the row span [x0, x1) at row y inside the region.
    template <class Fn>
    void ForEachSpan(int y, int x0, int x1, Fn&& fn) const
    {
        auto [first, last] = BandAt(y);
        for (auto it = first; it != last; ++it) {
            int a = it->left > x0 ? it->left : x0;
            int b = it->right < x1 ? it->right : x1;
            if (a < b)
                fn(a, b);
        }
    }

    friend bool operator==(const Region& a, const Region& b) { return a.rects_ == b.rects_; }

private:
    using Iter = std::vector<RECT>::const_iterator;
    // The rectangles of the band holding row y (an empty range when none does).
    std::pair<Iter, Iter> BandAt(int y) const;
    void AppendBand(int top, int bottom, const std::vector<std::pair<int, int>>& spans);
    void Finish();

    std::vector<RECT> rects_;
    RECT bounds_{};
};
