#pragma once
// The generator's own pictures: 32-bit pixels with straight alpha, drawn with integer arithmetic
// only, so the same program always produces the same bytes.

#include "classlib/DibData.h"
#include "platform/win/Types.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <string>
#include <vector>

struct TRgb {
    std::uint8_t R = 0, G = 0, B = 0, A = 255;
    friend bool operator==(const TRgb&, const TRgb&) = default;
};

// 0xRRGGBB.
constexpr TRgb Rgb(std::uint32_t rgb, std::uint8_t alpha = 255)
{
    return TRgb{static_cast<std::uint8_t>(rgb >> 16), static_cast<std::uint8_t>(rgb >> 8),
                static_cast<std::uint8_t>(rgb), alpha};
}

// a moved towards b by t/256 (alpha too).
TRgb Mix(TRgb a, TRgb b, int t);
TRgb Lighter(TRgb c, int t);  // towards white by t/256
TRgb Darker(TRgb c, int t);   // towards black by t/256
TRgb WithAlpha(TRgb c, int alpha);
// 0..255 perceived brightness.
int Luma(TRgb c);
// Contrast of two colours: the ratio of their relative luminances, 1 to 21.
double ContrastRatio(TRgb a, TRgb b);
// c moved towards white or black (keeping its side of `against` when that side can get there)
// just far enough to contrast with `against` by `ratio`.
TRgb Legible(TRgb c, TRgb against, double ratio);
// The class library's colour word (0x00BBGGRR).
std::int32_t ToColorRef(TRgb c);

inline constexpr TRgb kKeyColor = Rgb(0xFF00FF);  // transparent colour of glyph pictures

class TImage32 {
public:
    TImage32() = default;
    TImage32(int width, int height, TRgb fill = TRgb{0, 0, 0, 0});

    int Width() const { return W_; }
    int Height() const { return H_; }
    bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < W_ && y < H_; }
    TRgb& At(int x, int y) { return Px_[static_cast<std::size_t>(y) * W_ + x]; }
    const TRgb& At(int x, int y) const { return Px_[static_cast<std::size_t>(y) * W_ + x]; }

    // Source-over with coverage cover/256 (outside pixels are ignored).
    void Blend(int x, int y, TRgb c, int cover = 256);
    void Set(int x, int y, TRgb c);
    void Fill(const RECT& r, TRgb c);
    // Copies (no blending) rectangle src of source to (x, y).
    void Copy(const TImage32& source, const RECT& src, int x, int y);
    // Blends rectangle src of source onto (x, y).
    void Draw(const TImage32& source, const RECT& src, int x, int y);
    // Stretches src of source over dst by the nearest pixel (copy).
    void StretchCopy(const TImage32& source, const RECT& src, const RECT& dst);
    // Every pixel over the key colour, then made opaque: what a 24-bit picture shows.
    TImage32 Flattened(TRgb backdrop) const;

    // 24 bits (alpha dropped) or 32 bits with alpha, rows top-down.
    TDibData ToDib24() const;
    TDibData ToDib32() const;

private:
    int W_ = 0, H_ = 0;
    std::vector<TRgb> Px_;
};

RECT Rect(int l, int t, int r, int b);
RECT RectWH(int x, int y, int w, int h);
// Width and height of any rectangle a skin may hold, cut to what an int holds.
inline int ClampToInt(std::int64_t v)
{
    return static_cast<int>(std::clamp<std::int64_t>(v, INT_MIN, INT_MAX));
}
inline int RectW(const RECT& r) { return ClampToInt(std::int64_t{r.right} - r.left); }
inline int RectH(const RECT& r) { return ClampToInt(std::int64_t{r.bottom} - r.top); }
RECT Inflated(const RECT& r, int dx, int dy);
// The part of src that lies in source (empty when none); x and y move by what was cut off its
// left and top.
RECT InsideOf(const TImage32& source, const RECT& src, int& x, int& y);
// The colour at (x, y), or fallback outside the picture.
TRgb PixelOr(const TImage32& image, int x, int y, TRgb fallback);
RECT Offset(const RECT& r, int dx, int dy);

// File images.
std::string EncodePng(const TImage32& image);        // with alpha
std::string EncodeBmp24(const TImage32& image);      // as the class library writes a 24-bit bitmap
