#include "platform/gdi/Blt.h"

#include "platform/gdi/Raster.h"
#include "platform/gdi/Transfer.h"

#include <algorithm>
#include <vector>

using gdi::FindDC;
using gdi::Target;

namespace {

BOOL PatternOnly(gdi::DeviceContext& dc, RECT logical, DWORD rop)
{
    std::uint8_t code = static_cast<std::uint8_t>(rop >> 16);
    std::uint32_t pattern = 0;
    if (gdi::RopUsesPattern(rop)) {
        const auto& brush = dc.State().brush;
        if (!brush || brush->IsNull())
            return TRUE;
        pattern = gdi::TargetColor(brush->brush.lbColor, dc.IsMono());
    }
    Target t(dc, true);
    if (!t.Drawable())
        return TRUE;
    t.clip().ForEachIn(t.R(logical), [&](const RECT& piece) {
        for (int y = piece.top; y < piece.bottom; ++y)
            gdi::Rop3Row(code, pattern, nullptr, t.surface().Row(y) + piece.left, piece.right - piece.left);
    });
    return TRUE;
}

// The rectangle with corners (x, y) and (x + w, y + h), corners sorted.
RECT Extent(int x, int y, int w, int h)
{
    int x2 = gdi::ClampCoord(std::int64_t{x} + w), y2 = gdi::ClampCoord(std::int64_t{y} + h);
    return RECT{std::min(x, x2), std::min(y, y2), std::max(x, x2), std::max(y, y2)};
}

} // namespace

namespace gdi {

BOOL RopTransfer(DeviceContext& dst, int x, int y, int w, int h, const Surface& src, bool srcMono,
                 COLORREF srcBkColor, int sx, int sy, int sw, int sh, DWORD rop)
{
    if (!RopUsesSource(rop))
        return PatternOnly(dst, Extent(x, y, w, h), rop);
    std::uint8_t code = static_cast<std::uint8_t>(rop >> 16);
    std::uint32_t pattern = 0;
    if (RopUsesPattern(rop)) {
        const auto& brush = dst.State().brush;
        if (!brush || brush->IsNull())
            return TRUE;
        pattern = TargetColor(brush->brush.lbColor, dst.IsMono());
    }
    Target td(dst, true);

    // Conversion between monochrome and colour.
    enum class Convert { None, ToMono, FromMono } convert = Convert::None;
    std::uint32_t key = 0, white = 0, black = 0;
    if (td.mono() && !srcMono) {
        convert = Convert::ToMono;
        key = ColorToPixel(srcBkColor);
    } else if (!td.mono() && srcMono) {
        convert = Convert::FromMono;
        white = TargetColor(dst.State().bkColor, false);
        black = TargetColor(dst.State().textColor, false);
    }
    std::vector<std::uint32_t> converted;
    RowOp op = [&](std::uint32_t* d, const std::uint32_t* s, int n) {
        if (convert != Convert::None) {
            converted.resize(static_cast<std::size_t>(n));
            for (int i = 0; i < n; ++i) {
                if (convert == Convert::ToMono)
                    converted[i] = (s[i] & 0xFFFFFF) == key ? 0x00FFFFFFu : 0u;
                else
                    converted[i] = MonoWhite(s[i]) ? white : black;
            }
            s = converted.data();
        }
        Rop3Row(code, pattern, s, d, n);
    };
    Transfer(td, td.X(x), td.Y(y), w, h, src, sx, sy, sw, sh, op);
    return TRUE;
}

} // namespace gdi

namespace {

BOOL Stretch(HDC hdst, int x, int y, int w, int h, HDC hsrc, int sx, int sy, int sw, int sh, DWORD rop)
{
    auto dst = FindDC(hdst);
    if (!dst)
        return FALSE;
    if (!gdi::RopUsesSource(rop))
        return PatternOnly(*dst, Extent(x, y, w, h), rop);
    auto src = FindDC(hsrc);
    if (!src)
        return FALSE;
    Target ts(*src, false);
    if (!ts.HasSurface())
        return FALSE;
    return gdi::RopTransfer(*dst, x, y, w, h, ts.surface(), ts.mono(), src->State().bkColor, ts.X(sx), ts.Y(sy), sw,
                            sh, rop);
}

} // namespace

BOOL BitBlt(HDC dst, int x, int y, int width, int height, HDC src, int srcX, int srcY, DWORD rop)
{
    if (width <= 0 || height <= 0)
        return FindDC(dst) ? TRUE : FALSE;
    return Stretch(dst, x, y, width, height, src, srcX, srcY, width, height, rop);
}

BOOL StretchBlt(HDC dst, int x, int y, int width, int height, HDC src, int srcX, int srcY, int srcWidth,
                int srcHeight, DWORD rop)
{
    return Stretch(dst, x, y, width, height, src, srcX, srcY, srcWidth, srcHeight, rop);
}

BOOL PatBlt(HDC hdc, int x, int y, int width, int height, DWORD rop)
{
    auto dc = FindDC(hdc);
    if (!dc || gdi::RopUsesSource(rop))
        return FALSE;
    return PatternOnly(*dc, Extent(x, y, width, height), rop);
}

BOOL AlphaBlend(HDC hdst, int x, int y, int width, int height, HDC hsrc, int srcX, int srcY, int srcWidth,
                int srcHeight, BLENDFUNCTION blend)
{
    auto dst = FindDC(hdst);
    auto src = FindDC(hsrc);
    if (!dst || !src || blend.BlendOp != AC_SRC_OVER || width < 0 || height < 0 || srcWidth < 0 || srcHeight < 0)
        return FALSE;
    Target td(*dst, true);
    Target ts(*src, false);
    if (!ts.HasSurface())
        return FALSE;
    std::int64_t sx = ts.X(srcX), sy = ts.Y(srcY);
    if (sx < 0 || sy < 0 || sx + srcWidth > ts.surface().Width() || sy + srcHeight > ts.surface().Height())
        return FALSE;
    const unsigned constant = blend.SourceConstantAlpha;
    const bool perPixel = blend.AlphaFormat & AC_SRC_ALPHA;
    gdi::RowOp op = [&](std::uint32_t* d, const std::uint32_t* s, int n) {
        for (int i = 0; i < n; ++i) {
            std::uint32_t sp = s[i], dp = d[i], out = 0;
            if (!perPixel) {
                for (int shift = 0; shift < 32; shift += 8) {
                    unsigned c = (((sp >> shift) & 0xFF) * constant + ((dp >> shift) & 0xFF) * (255 - constant) + 127) / 255;
                    out |= c << shift;
                }
            } else {
                out = gdi::BlendOver(sp, dp, ((sp >> 24) * constant + 127) / 255);
            }
            d[i] = out;
        }
    };
    gdi::Transfer(td, td.X(x), td.Y(y), width, height, ts.surface(), static_cast<int>(sx), static_cast<int>(sy),
                  srcWidth, srcHeight, op);
    return TRUE;
}

BOOL TransparentBlt(HDC hdst, int x, int y, int width, int height, HDC hsrc, int srcX, int srcY, int srcWidth,
                    int srcHeight, UINT transparentColor)
{
    auto dst = FindDC(hdst);
    auto src = FindDC(hsrc);
    if (!dst || !src || width <= 0 || height <= 0 || srcWidth <= 0 || srcHeight <= 0)
        return FALSE;
    Target td(*dst, true);
    Target ts(*src, false);
    if (!ts.HasSurface())
        return FALSE;
    const std::uint32_t key = ColorToPixel(transparentColor);
    gdi::RowOp op = [key](std::uint32_t* d, const std::uint32_t* s, int n) {
        for (int i = 0; i < n; ++i) {
            if ((s[i] & 0xFFFFFF) != key)
                d[i] = s[i];
        }
    };
    gdi::Transfer(td, td.X(x), td.Y(y), width, height, ts.surface(), ts.X(srcX), ts.Y(srcY), srcWidth, srcHeight,
                  op);
    return TRUE;
}
