#include "platform/gdi/Region.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <utility>

namespace {

using Spans = std::vector<std::pair<int, int>>;

bool Inside(bool a, bool b, Region::Op op)
{
    switch (op) {
    case Region::Op::And: return a && b;
    case Region::Op::Or: return a || b;
    case Region::Op::Xor: return a != b;
    case Region::Op::Diff: return a && !b;
    }
    return false;
}

// Combines two sorted lists of disjoint spans.
Spans CombineSpans(const Spans& a, const Spans& b, Region::Op op)
{
    std::vector<int> xs;
    xs.reserve(2 * (a.size() + b.size()));
    for (auto [l, r] : a) {
        xs.push_back(l);
        xs.push_back(r);
    }
    for (auto [l, r] : b) {
        xs.push_back(l);
        xs.push_back(r);
    }
    std::sort(xs.begin(), xs.end());
    xs.erase(std::unique(xs.begin(), xs.end()), xs.end());

    Spans out;
    std::size_t ia = 0, ib = 0;
    for (std::size_t k = 0; k + 1 < xs.size(); ++k) {
        int x0 = xs[k], x1 = xs[k + 1];
        while (ia < a.size() && a[ia].second <= x0)
            ++ia;
        while (ib < b.size() && b[ib].second <= x0)
            ++ib;
        bool inA = ia < a.size() && a[ia].first <= x0;
        bool inB = ib < b.size() && b[ib].first <= x0;
        if (!Inside(inA, inB, op))
            continue;
        if (!out.empty() && out.back().second == x0)
            out.back().second = x1;
        else
            out.emplace_back(x0, x1);
    }
    return out;
}

struct Band {
    int top, bottom;
    Spans spans;
};

std::vector<Band> BandsOf(const std::vector<RECT>& rects)
{
    std::vector<Band> bands;
    for (const RECT& r : rects) {
        if (bands.empty() || bands.back().top != r.top)
            bands.push_back(Band{r.top, r.bottom, {}});
        bands.back().spans.emplace_back(r.left, r.right);
    }
    return bands;
}

// Merges sorted spans that overlap or touch.
Spans MergeSpans(Spans spans)
{
    std::sort(spans.begin(), spans.end());
    Spans out;
    for (auto s : spans) {
        if (!out.empty() && s.first <= out.back().second)
            out.back().second = std::max(out.back().second, s.second);
        else
            out.push_back(s);
    }
    return out;
}

} // namespace

Region::Region(const RECT& r)
{
    if (r.left < r.right && r.top < r.bottom) {
        rects_.push_back(r);
        bounds_ = r;
    }
}

Region Region::FromRects(std::span<const RECT> rects)
{
    std::vector<RECT> live;
    std::vector<int> ys;
    for (const RECT& r : rects) {
        if (r.left < r.right && r.top < r.bottom) {
            live.push_back(r);
            ys.push_back(r.top);
            ys.push_back(r.bottom);
        }
    }
    Region out;
    if (live.empty())
        return out;
    std::sort(live.begin(), live.end(), [](const RECT& a, const RECT& b) { return a.top < b.top; });
    std::sort(ys.begin(), ys.end());
    ys.erase(std::unique(ys.begin(), ys.end()), ys.end());

    // Sweep the horizontal slabs between consecutive edges; a rectangle covering a slab's top row
    // covers the whole slab.
    std::vector<const RECT*> active;
    std::size_t next = 0;
    for (std::size_t k = 0; k + 1 < ys.size(); ++k) {
        int y0 = ys[k], y1 = ys[k + 1];
        std::erase_if(active, [y0](const RECT* r) { return r->bottom <= y0; });
        while (next < live.size() && live[next].top <= y0)
            active.push_back(&live[next++]);
        Spans spans;
        spans.reserve(active.size());
        for (const RECT* r : active)
            spans.emplace_back(r->left, r->right);
        out.AppendBand(y0, y1, MergeSpans(std::move(spans)));
    }
    out.Finish();
    return out;
}

std::pair<Region::Iter, Region::Iter> Region::BandAt(int y) const
{
    auto byTop = [](const RECT& r, int v) { return r.top < v; };
    auto after = std::upper_bound(rects_.begin(), rects_.end(), y,
                                  [](int v, const RECT& r) { return v < r.top; });
    if (after == rects_.begin())
        return {after, after};
    const RECT& candidate = *(after - 1);
    if (candidate.bottom <= y)
        return {after, after};
    auto first = std::lower_bound(rects_.begin(), after, candidate.top, byTop);
    return {first, after};
}

bool Region::Contains(int x, int y) const
{
    auto [first, last] = BandAt(y);
    for (auto it = first; it != last; ++it) {
        if (x < it->left)
            return false;
        if (x < it->right)
            return true;
    }
    return false;
}

bool Region::Intersects(const RECT& r) const
{
    bool found = false;
    for (const RECT& c : rects_) {
        if (c.top >= r.bottom || found)
            break;
        found = c.left < r.right && r.left < c.right && c.top < r.bottom && r.top < c.bottom;
    }
    return found;
}

Region Region::Combine(const Region& other, Op op) const
{
    std::vector<Band> a = BandsOf(rects_);
    std::vector<Band> b = BandsOf(other.rects_);
    std::vector<int> ys;
    for (const Band& band : a) {
        ys.push_back(band.top);
        ys.push_back(band.bottom);
    }
    for (const Band& band : b) {
        ys.push_back(band.top);
        ys.push_back(band.bottom);
    }
    std::sort(ys.begin(), ys.end());
    ys.erase(std::unique(ys.begin(), ys.end()), ys.end());

    static const Spans none;
    Region out;
    std::size_t ia = 0, ib = 0;
    for (std::size_t k = 0; k + 1 < ys.size(); ++k) {
        int y0 = ys[k], y1 = ys[k + 1];
        while (ia < a.size() && a[ia].bottom <= y0)
            ++ia;
        while (ib < b.size() && b[ib].bottom <= y0)
            ++ib;
        const Spans& sa = ia < a.size() && a[ia].top <= y0 ? a[ia].spans : none;
        const Spans& sb = ib < b.size() && b[ib].top <= y0 ? b[ib].spans : none;
        out.AppendBand(y0, y1, CombineSpans(sa, sb, op));
    }
    out.Finish();
    return out;
}

bool Region::Offset(int dx, int dy)
{
    if (rects_.empty())
        return true;
    auto fits = [](std::int64_t v) {
        return v >= std::numeric_limits<LONG>::min() && v <= std::numeric_limits<LONG>::max();
    };
    if (!fits(std::int64_t{bounds_.left} + dx) || !fits(std::int64_t{bounds_.right} + dx) ||
        !fits(std::int64_t{bounds_.top} + dy) || !fits(std::int64_t{bounds_.bottom} + dy))
        return false;
    for (RECT& r : rects_) {
        r.left += dx;
        r.right += dx;
        r.top += dy;
        r.bottom += dy;
    }
    bounds_.left += dx;
    bounds_.right += dx;
    bounds_.top += dy;
    bounds_.bottom += dy;
    return true;
}

void Region::AppendBand(int top, int bottom, const Spans& spans)
{
    if (spans.empty())
        return;
    // Merge with the band above when it ends here and has the same spans.
    if (!rects_.empty() && rects_.back().bottom == top) {
        std::size_t start = rects_.size();
        while (start > 0 && rects_[start - 1].top == rects_.back().top)
            --start;
        bool same = rects_.size() - start == spans.size();
        for (std::size_t i = 0; same && i < spans.size(); ++i)
            same = rects_[start + i].left == spans[i].first && rects_[start + i].right == spans[i].second;
        if (same) {
            for (std::size_t i = start; i < rects_.size(); ++i)
                rects_[i].bottom = bottom;
            return;
        }
    }
    for (auto [l, r] : spans)
        rects_.push_back(RECT{l, top, r, bottom});
}

void Region::Finish()
{
    if (rects_.empty()) {
        bounds_ = RECT{};
        return;
    }
    bounds_ = RECT{rects_.front().left, rects_.front().top, rects_.front().right, rects_.back().bottom};
    for (const RECT& r : rects_) {
        bounds_.left = std::min(bounds_.left, r.left);
        bounds_.right = std::max(bounds_.right, r.right);
    }
}
