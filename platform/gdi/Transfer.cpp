#include "platform/gdi/Transfer.h"

#include <algorithm>
#include <memory>
#include <vector>

namespace gdi {
namespace {

struct Span {
    std::int64_t start;   // first pixel
    std::int64_t length;  // number of pixels (> 0)
    bool negative;        // the extent was given negative
};

// A negative extent runs from pos down to pos + extent + 1, so that (w - 1, -w) mirrors the
// pixels 0 .. w - 1.
Span Normalize(std::int64_t pos, std::int64_t extent)
{
    return extent < 0 ? Span{pos + extent + 1, -extent, true} : Span{pos, extent, false};
}

// For destination pixels [from, to) of dst, the source index each takes (-1 outside [0, limit)).
std::vector<int> AxisMap(const Span& dst, const Span& src, bool mirror, int from, int to, int limit)
{
    std::vector<int> map(static_cast<std::size_t>(to - from));
    for (int p = from; p < to; ++p) {
        std::int64_t i = p - dst.start;
        std::int64_t j = dst.length == src.length
                             ? i
                             : static_cast<std::int64_t>(static_cast<__int128>(2 * i + 1) * src.length /
                                                         (2 * dst.length));
        if (mirror)
            j = src.length - 1 - j;
        std::int64_t s = src.start + j;
        map[static_cast<std::size_t>(p - from)] = s >= 0 && s < limit ? static_cast<int>(s) : -1;
    }
    return map;
}

} // namespace

void Transfer(Target& dst, int x, int y, int w, int h, const Surface& src, int sx, int sy, int sw, int sh,
              const RowOp& op)
{
    if (!dst.Drawable() || w == 0 || h == 0 || sw == 0 || sh == 0)
        return;
    Span dx = Normalize(x, w), dy = Normalize(y, h), sxs = Normalize(sx, sw), sys = Normalize(sy, sh);
    bool mirrorX = dx.negative != sxs.negative, mirrorY = dy.negative != sys.negative;

    const RECT& cb = dst.clip().Bounds();
    RECT vis{static_cast<int>(std::max<std::int64_t>(dx.start, cb.left)),
             static_cast<int>(std::max<std::int64_t>(dy.start, cb.top)),
             static_cast<int>(std::min<std::int64_t>(dx.start + dx.length, cb.right)),
             static_cast<int>(std::min<std::int64_t>(dy.start + dy.length, cb.bottom))};
    if (vis.left >= vis.right || vis.top >= vis.bottom)
        return;
    std::vector<int> cols = AxisMap(dx, sxs, mirrorX, vis.left, vis.right, src.Width());
    std::vector<int> rows = AxisMap(dy, sys, mirrorY, vis.top, vis.bottom, src.Height());

    // Reading and writing the same pixels: work from a copy of the rows and columns read.
    const Surface* from = &src;
    std::unique_ptr<Surface> copy;
    int fromX = 0, fromY = 0;
    if (&src == &dst.surface()) {
        auto bounds = [](const std::vector<int>& m, int& lo, int& hi) {
            lo = 0x7FFFFFFF;
            hi = -1;
            for (int v : m) {
                if (v >= 0) {
                    lo = std::min(lo, v);
                    hi = std::max(hi, v);
                }
            }
        };
        int x0, x1, y0, y1;
        bounds(cols, x0, x1);
        bounds(rows, y0, y1);
        if (x1 < 0 || y1 < 0)
            return;
        copy = std::make_unique<Surface>(x1 - x0 + 1, y1 - y0 + 1);
        for (int r = y0; r <= y1; ++r)
            std::copy_n(src.Row(r) + x0, x1 - x0 + 1, copy->Row(r - y0));
        from = copy.get();
        fromX = x0;
        fromY = y0;
    }

    std::vector<std::uint32_t> gathered(static_cast<std::size_t>(vis.right - vis.left));
    dst.clip().ForEachIn(vis, [&](const RECT& piece) {
        for (int py = piece.top; py < piece.bottom; ++py) {
            int sr = rows[static_cast<std::size_t>(py - vis.top)];
            if (sr < 0)
                continue;
            const std::uint32_t* srow = from->Row(sr - fromY);
            std::uint32_t* drow = dst.surface().Row(py);
            int run = 0, runStart = piece.left;
            auto flush = [&](int end) {
                if (run > 0)
                    op(drow + runStart, gathered.data(), run);
                run = 0;
                runStart = end + 1;
            };
            for (int px = piece.left; px < piece.right; ++px) {
                int sc = cols[static_cast<std::size_t>(px - vis.left)];
                if (sc < 0) {
                    flush(px);
                    continue;
                }
                gathered[static_cast<std::size_t>(run++)] = srow[sc - fromX];
            }
            flush(piece.right);
        }
    });
}

} // namespace gdi
