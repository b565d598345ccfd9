#include "tools/skingen/SkinPaint.h"

#include <algorithm>
#include <cstdint>

namespace {

// Integer square root (floor).
int ISqrt(std::int64_t v)
{
    if (v <= 0)
        return 0;
    std::int64_t r = 0, bit = std::int64_t{1} << 40;
    while (bit > v)
        bit >>= 2;
    while (bit) {
        if (v >= r + bit) {
            v -= r + bit;
            r = (r >> 1) + bit;
        } else {
            r >>= 1;
        }
        bit >>= 2;
    }
    return static_cast<int>(r);
}

} // namespace

TRgb DisabledText(const TTheme& t)
{
    return Mix(t.SurfaceText, t.Surface, 140);
}

TFaceColors PushFace(const TTheme& t, TState s)
{
    TFaceColors f{t.ButtonTop, t.ButtonBottom, t.Border, t.ButtonText, t.Glossy ? 70 : 0, true};
    switch (s) {
    case TState::Normal:
        break;
    case TState::Hot:
        f.Top = Mix(t.ButtonTop, t.Accent, t.Dark ? 70 : 36);
        f.Bottom = Mix(t.ButtonBottom, t.Accent, t.Dark ? 90 : 64);
        f.Border = Mix(t.Border, t.Accent, 170);
        break;
    case TState::Down:
        f.Top = Mix(t.ButtonBottom, t.Accent, t.Dark ? 120 : 90);
        f.Bottom = Mix(t.ButtonTop, t.Accent, t.Dark ? 80 : 50);
        f.Border = Darker(t.Accent, 40);
        f.Gloss /= 3;
        break;
    case TState::Disabled:
        f.Top = Mix(t.ButtonTop, t.Surface, 150);
        f.Bottom = Mix(t.ButtonBottom, t.Surface, 150);
        f.Border = Mix(t.Border, t.Surface, 120);
        f.Text = DisabledText(t);
        f.Gloss /= 2;
        break;
    case TState::Focused:
        f.Border = t.Accent;
        break;
    }
    return f;
}

// Hot and pressed tool faces keep the plain grey tool-bar glyphs (gear, waste bin) legible.
void KeepGlyphsLegible(TFaceColors& f)
{
    for (TRgb glyph : {Rgb(0x5D6D7E), Rgb(0x6C7A89)}) {
        f.Top = Legible(f.Top, glyph, 3.6);
        f.Bottom = Legible(f.Bottom, glyph, 3.6);
    }
}

TFaceColors ToolFace(const TTheme& t, TState s)
{
    TFaceColors f = PushFace(t, s);
    f.Text = t.BarText;
    if (s == TState::Hot || s == TState::Down)
        KeepGlyphsLegible(f);
    if (s == TState::Normal || s == TState::Disabled || s == TState::Focused) {
        f.Visible = false;
        if (s == TState::Disabled)
            f.Text = Mix(t.BarText, t.Bar, 140);
    }
    return f;
}

TFaceColors TileFace(const TTheme& t, TState s)
{
    TFaceColors f = PushFace(t, s);
    f.Text = t.BarText;
    if (s == TState::Hot || s == TState::Down)
        KeepGlyphsLegible(f);
    if (s == TState::Normal || s == TState::Focused || s == TState::Disabled) {
        f.Top = Mix(t.Bar, t.Dark ? Rgb(0xFFFFFF) : Rgb(0xFFFFFF), t.Dark ? 14 : 90);
        f.Bottom = t.Bar;
        f.Border = Mix(t.Bar, t.Border, 150);
        f.Gloss = 0;
        if (s == TState::Disabled)
            f.Text = Mix(t.BarText, t.Bar, 140);
    }
    return f;
}

TFaceColors ItemFace(const TTheme& t, bool focused)
{
    const TRgb base = focused ? t.Accent : Mix(t.Window, t.Accent, t.Dark ? 110 : 70);
    TFaceColors f{Lighter(base, t.Glossy ? 30 : 0), Darker(base, t.Glossy ? 18 : 0),
                  Darker(base, 30), focused ? t.AccentText : t.WindowText, 0, true};
    return f;
}

void PaintFace(TImage32& img, const RECT& r, const TFaceColors& f, int radius, TRgb backdrop)
{
    img.Fill(r, backdrop);
    if (!f.Visible)
        return;
    FillShape(img, r, RoundRect(r, radius), VGradient(r.top, r.bottom, f.Top, f.Bottom));
    if (f.Gloss > 0) {
        const RECT upper = Rect(r.left + 1, r.top + 1, r.right - 1, r.top + RectH(r) / 2);
        FillShape(img, upper, RoundRect(Rect(upper.left, upper.top, upper.right, upper.bottom + radius), std::max(0, radius - 1)),
                  VGradient(upper.top, upper.bottom, WithAlpha(Rgb(0xFFFFFF), f.Gloss), WithAlpha(Rgb(0xFFFFFF), f.Gloss / 3)));
    }
    // A light inner edge and the outline.
    StrokeRoundRect(img, Inflated(r, -1, -1), std::max(0, radius - 1), 1,
                    Solid(WithAlpha(Rgb(0xFFFFFF), f.Gloss > 0 ? 70 : 40)));
    StrokeRoundRect(img, r, radius, 1, Solid(f.Border));
}

void PaintField(TImage32& img, const RECT& r, const TTheme& t, bool active, bool enabled, int radius,
                TRgb backdrop)
{
    img.Fill(r, backdrop);
    const TRgb fill = enabled ? t.Window : Mix(t.Window, t.Surface, 160);
    FillShape(img, r, RoundRect(r, radius), Solid(fill));
    // A faint inner shadow along the top.
    FillShape(img, Rect(r.left + 1, r.top + 1, r.right - 1, r.top + 2), RoundRect(Inflated(r, -1, -1), std::max(0, radius - 1)),
              Solid(WithAlpha(Rgb(0x000000), t.Dark ? 60 : 22)));
    StrokeRoundRect(img, r, radius, 1, Solid(active ? t.Accent : t.Border));
}

void PaintBar(TImage32& img, const RECT& r, const TTheme& t, bool bottomLine, bool topLine, bool shaded)
{
    img.Fill(r, t.Bar);
    if (shaded)
        FillShape(img, r, RoundRect(r, 0), VGradient(r.top, r.bottom, Lighter(t.Bar, t.Dark ? 24 : 110), Darker(t.Bar, t.Dark ? 20 : 8)));
    if (topLine)
        img.Fill(Rect(r.left, r.top, r.right, r.top + 1), Mix(t.Bar, Rgb(0xFFFFFF), t.Dark ? 20 : 150));
    if (bottomLine)
        img.Fill(Rect(r.left, r.bottom - 1, r.right, r.bottom), Mix(t.Bar, t.Border, t.Dark ? 200 : 170));
}

void PaintSegment(TImage32& img, const RECT& r, const TTheme& t)
{
    img.Fill(r, t.Bar);
    const TRgb line = Mix(t.Bar, t.Border, t.Dark ? 150 : 120);
    img.Fill(Rect(r.right - 1, r.top + 6, r.right, r.bottom - 6), line);
    img.Fill(Rect(r.right - 2, r.top + 6, r.right - 1, r.bottom - 6), Mix(t.Bar, Rgb(0xFFFFFF), t.Dark ? 20 : 140));
}

void PaintArrow(TImage32& img, const RECT& box, int direction, int size, TRgb color)
{
    const int cx = Sub(box.left + box.right) / 2, cy = Sub(box.top + box.bottom) / 2;
    const int s = Sub(size), h = Sub(size) / 2;
    std::vector<POINT> p;
    auto pt = [](int x, int y) { POINT q; q.x = x; q.y = y; return q; };
    switch (direction) {
    case 1: p = {pt(cx - h, cy), pt(cx + h, cy - s), pt(cx + h, cy + s)}; break;
    case 2: p = {pt(cx + h, cy), pt(cx - h, cy + s), pt(cx - h, cy - s)}; break;
    case 3: p = {pt(cx, cy - h), pt(cx + s, cy + h), pt(cx - s, cy + h)}; break;
    default: p = {pt(cx, cy + h), pt(cx - s, cy - h), pt(cx + s, cy - h)}; break;
    }
    FillShape(img, box, PolygonSub(p), Solid(color));
}

void PaintTick(TImage32& img, const RECT& box, TRgb color)
{
    const int w = RectW(box), h = RectH(box);
    auto pt = [&](int fx, int fy) {  // fractions of the box in 1/16
        POINT q;
        q.x = Sub(box.left) + fx * Sub(w) / 16;
        q.y = Sub(box.top) + fy * Sub(h) / 16;
        return q;
    };
    const int half = std::max(Sub(1) * 3 / 4, Sub(w) / 11);
    FillShape(img, box, Either(CapsuleSub(pt(3, 8), pt(7, 12), half), CapsuleSub(pt(7, 12), pt(13, 4), half)),
              Solid(color));
}

void PaintDot(TImage32& img, const RECT& box, int radius, TRgb color)
{
    FillShape(img, box, EllipseSub(Sub(box.left + box.right) / 2, Sub(box.top + box.bottom) / 2, Sub(radius), Sub(radius)),
              Solid(color));
}

void PaintGrip(TImage32& img, const RECT& box, bool vertical, TRgb light, TRgb dark)
{
    // Dots of 2 x 2 pixels (dark with a light corner) every 4 pixels along the long side.
    const int along = vertical ? RectH(box) : RectW(box);
    const int across = vertical ? RectW(box) : RectH(box);
    const int rows = across >= 7 ? 2 : 1;
    for (int a = (along % 4) / 2; a + 2 <= along; a += 4)
        for (int r = 0; r < rows; ++r) {
            const int c = (across - (rows * 4 - 2)) / 2 + r * 4;
            const int x = box.left + (vertical ? c : a), y = box.top + (vertical ? a : c);
            img.Set(x, y, light);
            img.Set(x + 1, y, dark);
            img.Set(x, y + 1, dark);
            img.Set(x + 1, y + 1, dark);
        }
}

void PaintCaptionGlyph(TImage32& img, const RECT& box, TCaptionGlyph glyph, TRgb color)
{
    const int cx = (box.left + box.right) / 2, cy = (box.top + box.bottom) / 2;
    const int s = std::max(3, std::min(RectW(box), RectH(box)) / 2 - 1);  // half size of the mark
    auto pt = [](int x, int y) { POINT q; q.x = x; q.y = y; return q; };
    const int lw = Sub(1) * 3 / 4;  // half stroke width
    switch (glyph) {
    case TCaptionGlyph::Close: {
        const int a = Sub(s) - Sub(1) / 2;
        const int x = Sub(cx), y = Sub(cy);
        FillShape(img, box, Either(CapsuleSub(pt(x - a, y - a), pt(x + a, y + a), lw), CapsuleSub(pt(x - a, y + a), pt(x + a, y - a), lw)),
                  Solid(color));
        break;
    }
    case TCaptionGlyph::Maximize: {
        const RECT r = Rect(cx - s, cy - s, cx + s, cy + s);
        img.Fill(Rect(r.left, r.top, r.right, r.top + 2), color);
        img.Fill(Rect(r.left, r.top, r.left + 1, r.bottom), color);
        img.Fill(Rect(r.right - 1, r.top, r.right, r.bottom), color);
        img.Fill(Rect(r.left, r.bottom - 1, r.right, r.bottom), color);
        break;
    }
    case TCaptionGlyph::Restore: {
        const int k = std::max(2, s / 2);
        const RECT back = Rect(cx - s + k, cy - s, cx + s, cy + s - k);
        const RECT front = Rect(cx - s, cy - s + k, cx + s - k, cy + s);
        img.Fill(Rect(back.left, back.top, back.right, back.top + 2), color);
        img.Fill(Rect(back.right - 1, back.top, back.right, back.bottom), color);
        img.Fill(Rect(front.left, front.top, front.right, front.top + 2), color);
        img.Fill(Rect(front.left, front.top, front.left + 1, front.bottom), color);
        img.Fill(Rect(front.right - 1, front.top, front.right, front.bottom), color);
        img.Fill(Rect(front.left, front.bottom - 1, front.right, front.bottom), color);
        break;
    }
    case TCaptionGlyph::Minimize:
        img.Fill(Rect(cx - s, cy + s - 2, cx + s, cy + s), color);
        break;
    case TCaptionGlyph::SysMenu:
        for (int i = 0; i < 3; ++i)
            img.Fill(Rect(cx - s, cy - s + 1 + i * (s - 1), cx + s, cy - s + 3 + i * (s - 1)), color);
        break;
    }
}

TImage32 HaloMask(int width, int height, const RECT& inner, int radius, int spread, int strength, bool hollow)
{
    TImage32 mask(width, height, Rgb(0x000000));
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            // Distance (in 1/16 pixel) from the pixel centre to the rounded rectangle.
            const int px = Sub(x) + kSub / 2, py = Sub(y) + kSub / 2;
            const int l = Sub(inner.left + radius), r = Sub(inner.right - radius);
            const int t = Sub(inner.top + radius), b = Sub(inner.bottom - radius);
            const std::int64_t dx = px < l ? l - px : (px > r ? px - r : 0);
            const std::int64_t dy = py < t ? t - py : (py > b ? py - b : 0);
            const int e = ISqrt(dx * dx + dy * dy) - Sub(radius);
            if (hollow && e < 0)
                continue;
            const int d = std::max(0, e);
            if (d >= Sub(spread))
                continue;
            // Opacity falls off with the square of the distance.
            const int f = (Sub(spread) - d) * 256 / Sub(spread);
            const int v = strength * f * f / 65536;
            mask.Set(x, y, TRgb{static_cast<std::uint8_t>(v), static_cast<std::uint8_t>(v), static_cast<std::uint8_t>(v), 255});
        }
    return mask;
}

TImage32 RoundMask(int w, int h, int radius)
{
    TImage32 mask(w, h, Rgb(0xFFFFFF));
    const TInside inside = RoundRectSub(0, 0, Sub(w), Sub(h), Sub(radius));
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (inside(Sub(x) + kSub / 2, Sub(y) + kSub / 2))
                mask.Set(x, y, Rgb(0x000000));
    return mask;
}
