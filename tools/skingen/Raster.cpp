#include "tools/skingen/Raster.h"

#include "classlib/Bitmap.h"
#include "classlib/PngFile.h"
#include "classlib/Streams.h"

#include <algorithm>
#include <cmath>

namespace {

std::uint8_t Lerp(int a, int b, int t)
{
    return static_cast<std::uint8_t>(a + ((b - a) * t + (b >= a ? 128 : -128)) / 256);
}

std::string StreamBytes(TMemoryStream& m)
{
    return std::string(static_cast<const char*>(m.Memory()), static_cast<std::size_t>(m.Size()));
}

} // namespace

TRgb Mix(TRgb a, TRgb b, int t)
{
    t = std::clamp(t, 0, 256);
    return TRgb{Lerp(a.R, b.R, t), Lerp(a.G, b.G, t), Lerp(a.B, b.B, t), Lerp(a.A, b.A, t)};
}

TRgb Lighter(TRgb c, int t)
{
    return Mix(c, TRgb{255, 255, 255, c.A}, t);
}

TRgb Darker(TRgb c, int t)
{
    return Mix(c, TRgb{0, 0, 0, c.A}, t);
}

TRgb WithAlpha(TRgb c, int alpha)
{
    c.A = static_cast<std::uint8_t>(std::clamp(alpha, 0, 255));
    return c;
}

int Luma(TRgb c)
{
    return (c.R * 77 + c.G * 150 + c.B * 29) >> 8;
}

std::int32_t ToColorRef(TRgb c)
{
    return static_cast<std::int32_t>(c.R | (c.G << 8) | (c.B << 16));
}

TImage32::TImage32(int width, int height, TRgb fill)
    : W_(width), H_(height), Px_(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), fill)
{
}

void TImage32::Blend(int x, int y, TRgb c, int cover)
{
    if (!Contains(x, y) || cover <= 0)
        return;
    const int sa = c.A * std::min(cover, 256) / 256;  // 0..255
    if (sa == 0)
        return;
    TRgb& d = At(x, y);
    if (sa == 255) {
        d = TRgb{c.R, c.G, c.B, 255};
        return;
    }
    // Straight-alpha source-over: out = src * sa + dst * da * (1 - sa), divided by the new alpha.
    const int da = d.A * (255 - sa);             // 0..65025
    const int oa = sa * 255 + da;                // alpha * 255
    auto ch = [&](int s, int dv) {
        return static_cast<std::uint8_t>((s * sa * 255 + dv * da + oa / 2) / oa);
    };
    d = TRgb{ch(c.R, d.R), ch(c.G, d.G), ch(c.B, d.B), static_cast<std::uint8_t>((oa + 127) / 255)};
}

void TImage32::Set(int x, int y, TRgb c)
{
    if (Contains(x, y))
        At(x, y) = c;
}

void TImage32::Fill(const RECT& r, TRgb c)
{
    for (int y = std::max<int>(0, r.top); y < std::min<int>(H_, r.bottom); ++y)
        for (int x = std::max<int>(0, r.left); x < std::min<int>(W_, r.right); ++x)
            At(x, y) = c;
}

// The part of src inside source, and the shift of its top-left corner: copies walk only pixels
// the source has, however large or misplaced a skin's rectangle is.
RECT InsideOf(const TImage32& source, const RECT& src, int& x, int& y)
{
    const RECT r = Rect(std::max(src.left, 0), std::max(src.top, 0), std::min(src.right, source.Width()),
                        std::min(src.bottom, source.Height()));
    if (r.right <= r.left || r.bottom <= r.top)
        return Rect(0, 0, 0, 0);
    x += r.left - src.left;
    y += r.top - src.top;
    return r;
}

void TImage32::Copy(const TImage32& source, const RECT& src, int x, int y)
{
    const RECT r = InsideOf(source, src, x, y);
    for (int j = 0; j < RectH(r); ++j)
        for (int i = 0; i < RectW(r); ++i)
            Set(x + i, y + j, source.At(r.left + i, r.top + j));
}

void TImage32::Draw(const TImage32& source, const RECT& src, int x, int y)
{
    const RECT r = InsideOf(source, src, x, y);
    for (int j = 0; j < RectH(r); ++j)
        for (int i = 0; i < RectW(r); ++i)
            Blend(x + i, y + j, source.At(r.left + i, r.top + j));
}

void TImage32::StretchCopy(const TImage32& source, const RECT& src, const RECT& dst)
{
    const int sw = RectW(src), sh = RectH(src), dw = RectW(dst), dh = RectH(dst);
    if (sw <= 0 || sh <= 0 || dw <= 0 || dh <= 0)
        return;
    for (int j = 0; j < dh; ++j)
        for (int i = 0; i < dw; ++i) {
            const int sx = static_cast<int>(src.left + std::int64_t{i} * sw / dw);
            const int sy = static_cast<int>(src.top + std::int64_t{j} * sh / dh);
            if (source.Contains(sx, sy))
                Set(dst.left + i, dst.top + j, source.At(sx, sy));
        }
}

TImage32 TImage32::Flattened(TRgb backdrop) const
{
    TImage32 out(W_, H_, WithAlpha(backdrop, 255));
    for (int y = 0; y < H_; ++y)
        for (int x = 0; x < W_; ++x)
            out.Blend(x, y, At(x, y));
    return out;
}

TDibData TImage32::ToDib24() const
{
    TDibData d;
    d.Width = W_;
    d.Height = H_;
    d.BitsPerPixel = 24;
    d.Allocate();
    for (int y = 0; y < H_; ++y) {
        std::uint8_t* row = d.Row(y);
        for (int x = 0; x < W_; ++x) {
            const TRgb& p = At(x, y);
            row[x * 3] = p.B;
            row[x * 3 + 1] = p.G;
            row[x * 3 + 2] = p.R;
        }
    }
    return d;
}

TDibData TImage32::ToDib32() const
{
    TDibData d;
    d.Width = W_;
    d.Height = H_;
    d.BitsPerPixel = 32;
    d.HasAlpha = true;
    d.Allocate();
    for (int y = 0; y < H_; ++y) {
        std::uint8_t* row = d.Row(y);
        for (int x = 0; x < W_; ++x) {
            const TRgb& p = At(x, y);
            row[x * 4] = p.B;
            row[x * 4 + 1] = p.G;
            row[x * 4 + 2] = p.R;
            row[x * 4 + 3] = p.A;
        }
    }
    return d;
}

RECT Rect(int l, int t, int r, int b)
{
    RECT rc;
    rc.left = l;
    rc.top = t;
    rc.right = r;
    rc.bottom = b;
    return rc;
}

RECT RectWH(int x, int y, int w, int h)
{
    return Rect(x, y, x + w, y + h);
}

RECT Inflated(const RECT& r, int dx, int dy)
{
    return Rect(r.left - dx, r.top - dy, r.right + dx, r.bottom + dy);
}

RECT Offset(const RECT& r, int dx, int dy)
{
    return Rect(r.left + dx, r.top + dy, r.right + dx, r.bottom + dy);
}

std::string EncodePng(const TImage32& image)
{
    TMemoryStream m;
    WritePng(&m, image.ToDib32());
    return StreamBytes(m);
}

std::string EncodeBmp24(const TImage32& image)
{
    TBitmap bitmap;
    bitmap.SetDibData(image.ToDib24());
    TMemoryStream m;
    bitmap.SaveToStream(&m);
    return StreamBytes(m);
}

TRgb PixelOr(const TImage32& image, int x, int y, TRgb fallback)
{
    return image.Contains(x, y) ? image.At(x, y) : fallback;
}

namespace {

double RelativeLuminance(TRgb c)
{
    auto lin = [](int v) {
        const double s = v / 255.0;
        return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * lin(c.R) + 0.7152 * lin(c.G) + 0.0722 * lin(c.B);
}

} // namespace

double ContrastRatio(TRgb a, TRgb b)
{
    const double la = RelativeLuminance(a), lb = RelativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

TRgb Legible(TRgb c, TRgb against, double ratio)
{
    if (ContrastRatio(c, against) >= ratio)
        return c;
    const TRgb white = Rgb(0xFFFFFF, c.A), black = Rgb(0x000000, c.A);
    TRgb target = RelativeLuminance(c) >= RelativeLuminance(against) ? white : black;
    if (ContrastRatio(target, against) < ratio)
        target = target == white ? black : white;
    for (int t = 8; t < 256; t += 8)
        if (const TRgb m = Mix(c, target, t); ContrastRatio(m, against) >= ratio)
            return m;
    return target;
}
