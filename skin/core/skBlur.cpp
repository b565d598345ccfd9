#include "skin/core/skBlur.h"

#include "skin/core/TskBitmap.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace {

// One pass of the tent filter over `count` values read through `in(i)` and written through
// `out(i, value)`, with running sums so the cost per value does not depend on the radius.
template <class In, class Out>
void TentPass(int count, int r, In in, Out out)
{
    const std::int64_t divisor = static_cast<std::int64_t>(r + 1) * (r + 1);
    auto at = [&](int i) -> std::int64_t { return in(std::clamp(i, 0, count - 1)); };
    std::int64_t sum = 0, sumOut = 0, sumIn = 0;
    for (int k = -r; k <= r; ++k) {
        const std::int64_t v = at(k);
        sum += (r + 1 - (k < 0 ? -k : k)) * v;
        if (k <= 0)
            sumOut += v;
        else
            sumIn += v;
    }
    for (int x = 0; x < count; ++x) {
        out(x, static_cast<int>(sum / divisor));
        sum -= sumOut;
        sumOut -= at(x - r);
        sumIn += at(x + r + 1);
        sum += sumIn;
        const std::int64_t centre = at(x + 1);
        sumOut += centre;
        sumIn -= centre;
    }
}

} // namespace

void BlurBitmap32(TskBitmap& Bitmap, int Radius)
{
    if (Radius <= 0 || Bitmap.Empty())
        return;
    const int w = Bitmap.GetWidth(), h = Bitmap.GetHeight();
    TskColor32* bits = Bitmap.GetBits();
    std::vector<int> planes[3];
    for (auto& plane : planes)
        plane.assign(static_cast<std::size_t>(w) * h, 0);
    auto index = [w](int x, int y) { return static_cast<std::size_t>(y) * w + x; };
    for (int c = 0; c < 3; ++c) {
        const int shift = 16 - 8 * c;
        for (int y = 0; y < h; ++y)
            TentPass(
                w, Radius, [&](int x) { return static_cast<int>((bits[index(x, y)] >> shift) & 0xFF); },
                [&](int x, int v) { planes[c][index(x, y)] = v; });
    }
    std::vector<int> column(static_cast<std::size_t>(h));
    for (int x = 0; x < w; ++x)
        for (int c = 0; c < 3; ++c) {
            const int shift = 16 - 8 * c;
            TentPass(
                h, Radius, [&](int y) { return planes[c][index(x, y)]; },
                [&](int y, int v) { column[static_cast<std::size_t>(y)] = v; });
            for (int y = 0; y < h; ++y) {
                TskColor32& p = bits[index(x, y)];
                const TskColor32 rest = c == 0 ? 0xFF000000u : p & ~(0xFFu << shift);
                p = rest | (static_cast<TskColor32>(column[static_cast<std::size_t>(y)]) << shift);
            }
        }
}

void AlphaFromGreyMask(TskBitmap& Bitmap, const TskBitmap& Mask)
{
    if (Mask.GetWidth() < Bitmap.GetWidth() || Mask.GetHeight() < Bitmap.GetHeight())
        return;
    for (int y = 0; y < Bitmap.GetHeight(); ++y)
        for (int x = 0; x < Bitmap.GetWidth(); ++x) {
            const TskColor32 m = Mask.GetBits()[static_cast<std::ptrdiff_t>(y) * Mask.GetWidth() + x];
            TskColor32& p = Bitmap.GetBits()[static_cast<std::ptrdiff_t>(y) * Bitmap.GetWidth() + x];
            p = (p & 0x00FFFFFFu) | (((RedOf(m) + GreenOf(m) + BlueOf(m)) / 3) << 24);
        }
}
