#include "tools/skingen/ProgramArt.h"

#include "tools/skingen/Pictograms.h"

#include <algorithm>

namespace {

// A round badge with a shaded face, a thin darker ring and a gloss.
void Badge(TIconPainter& p, int cx, int cy, int r, TRgb color)
{
    p.Fill(p.Ellipse(cx, cy + 6, r, r), WithAlpha(Rgb(0x000000), 50));
    p.Fill(p.Ellipse(cx, cy, r, r), Darker(color, 60));
    p.Fill(p.Ellipse(cx, cy, r - 5, r - 5), p.VShade(cy - r, cy + r, Lighter(color, 70), Darker(color, 20)));
    p.Fill(Both(p.Ellipse(cx, cy, r - 8, r - 8), p.Ellipse(cx, cy - r / 2, r * 4 / 5, r / 2)), WithAlpha(Rgb(0xFFFFFF), 70));
}

void PlusBadge(TIconPainter& p, int cx, int cy, int r, TRgb color)
{
    Badge(p, cx, cy, r, color);
    const int a = r / 2, w = std::max(5, r / 6);
    p.Fill(p.RoundRect(cx - a, cy - w, cx + a, cy + w, 2), Rgb(0xFFFFFF));
    p.Fill(p.RoundRect(cx - w, cy - a, cx + w, cy + a, 2), Rgb(0xFFFFFF));
}

void CrossBadge(TIconPainter& p, int cx, int cy, int r, TRgb color)
{
    Badge(p, cx, cy, r, color);
    const int a = r * 2 / 5, w = std::max(5, r / 6);
    p.Fill(Either(p.Line(cx - a, cy - a, cx + a, cy + a, w), p.Line(cx - a, cy + a, cx + a, cy - a, w)), Rgb(0xFFFFFF));
}

void Shadow(TIconPainter& p)
{
    p.Fill(p.Ellipse(96, 176, 70, 10), WithAlpha(Rgb(0x000000), 40));
}

const TRgb kFilmBlue = Rgb(0x3F7FE0);

void DrawToolbar(TIconPainter& p, int number)
{
    const TRgb white = Rgb(0xFFFFFF);
    switch (number) {
    case 0:  // add
        Shadow(p);
        DrawFilm(p, TBox{16, 36, 160, 140}, kFilmBlue, white, true);
        PlusBadge(p, 140, 136, 40, Rgb(0x2EAD5B));
        break;
    case 1:  // options
        Shadow(p);
        DrawGear(p, TBox{20, 16, 172, 168}, Rgb(0x5D6D7E));
        p.Fill(p.Ellipse(96, 92, 26, 26), Rgb(0xD6DBDF));
        break;
    case 2:  // skins
        Shadow(p);
        DrawPalette(p, TBox{16, 28, 176, 164}, Rgb(0xD9A760));
        break;
    case 3:  // start
        Badge(p, 96, 92, 80, Rgb(0x27AE60));
        DrawPlay(p, TBox{76, 56, 136, 128}, white);
        break;
    case 4:  // stop
        Badge(p, 96, 92, 80, Rgb(0xE74C3C));
        p.Fill(p.RoundRect(64, 60, 128, 124, 6), white);
        break;
    case 5:  // pause
        Badge(p, 96, 92, 80, Rgb(0xF39C12));
        p.Fill(p.RoundRect(62, 58, 86, 126, 4), white);
        p.Fill(p.RoundRect(106, 58, 130, 126, 4), white);
        break;
    case 6:  // resume
        Badge(p, 96, 92, 80, Rgb(0x2D8FD5));
        p.Fill(p.RoundRect(56, 58, 74, 126, 4), white);
        DrawPlay(p, TBox{86, 58, 140, 126}, white);
        break;
    case 7:  // remove
        Shadow(p);
        DrawFilm(p, TBox{16, 36, 160, 140}, kFilmBlue, white, false);
        CrossBadge(p, 140, 136, 40, Rgb(0xE74C3C));
        break;
    case 8:  // clear
        Shadow(p);
        DrawBin(p, TBox{40, 20, 152, 172}, Rgb(0x6C7A89), white);
        break;
    case 9:  // move up
    case 10: // move down
        Shadow(p);
        DrawArrow(p, TBox{40, 24, 152, 168}, Rgb(0x2D8FD5), number == 9);
        break;
    case 11:  // rename
        Shadow(p);
        DrawPencil(p, TBox{28, 24, 168, 164}, Rgb(0xF5B83D), Rgb(0x5D4037));
        break;
    default:  // 12 output folder
        Shadow(p);
        DrawFolder(p, TBox{16, 36, 176, 160}, Rgb(0xF7C948), Rgb(0xD9A520));
        break;
    }
}

// A disabled look: grey, lighter and half transparent.
TImage32 Disabled(const TImage32& img)
{
    TImage32 out = img;
    for (int y = 0; y < out.Height(); ++y)
        for (int x = 0; x < out.Width(); ++x) {
            TRgb& c = out.At(x, y);
            const int l = 96 + Luma(c) * 3 / 5;
            c = TRgb{static_cast<std::uint8_t>(l), static_cast<std::uint8_t>(l), static_cast<std::uint8_t>(l),
                     static_cast<std::uint8_t>(c.A * 110 / 255)};
        }
    return out;
}

} // namespace

// A crisp 16 x 16 glyph on the transparent colour with a one-pixel darker outline, so it reads
// on light and dark buttons alike.
TImage32 Crisp(const TImage32& soft, TRgb outline)
{
    TImage32 out(soft.Width(), soft.Height(), kKeyColor);
    auto solid = [&](int x, int y) { return soft.Contains(x, y) && soft.At(x, y).A >= 120; };
    for (int y = 0; y < out.Height(); ++y)
        for (int x = 0; x < out.Width(); ++x) {
            if (solid(x, y))
                out.Set(x, y, WithAlpha(soft.At(x, y), 255));
            else if (solid(x - 1, y) || solid(x + 1, y) || solid(x, y - 1) || solid(x, y + 1))
                out.Set(x, y, outline);
        }
    return out;
}

TImage32 ToolbarImage(int number)
{
    constexpr int disabledOf[] = {3, 4, 5, 6, 0};  // pictures 13-17
    if (number >= 13)
        return Disabled(ToolbarImage(disabledOf[number - 13]));
    TImage32 img(kToolbarImageSize, kToolbarImageSize);
    TIconPainter p(img, kToolbarImageSize);
    DrawToolbar(p, number);
    return img;
}

TImage32 ButtonGlyph(int imageNumber)
{
    // Odd numbers are the enabled looks, except for the rename glyph whose enabled look is 16.
    const bool enabled = imageNumber == 16 || (imageNumber != 17 && imageNumber % 2 == 1);
    const int kind = imageNumber <= 15 ? (imageNumber - kFirstGlyph) / 2 : 6;
    TImage32 soft(16, 16);
    TIconPainter p(soft, 16);
    const TRgb grey = Rgb(0xA8ADB3);
    const TRgb colors[] = {Rgb(0x27AE60), Rgb(0xF39C12), Rgb(0x2D8FD5), Rgb(0xE74C3C), Rgb(0x6C7A89), Rgb(0xE74C3C), Rgb(0xF5B83D)};
    const TRgb ink = enabled ? colors[kind] : grey;
    switch (kind) {
    case 0:  // start
        DrawPlay(p, TBox{48, 24, 156, 156}, ink);
        break;
    case 1:  // pause
        p.Fill(p.RoundRect(40, 28, 84, 156, 4), ink);
        p.Fill(p.RoundRect(108, 28, 152, 156, 4), ink);
        break;
    case 2:  // resume
        p.Fill(p.RoundRect(28, 28, 64, 156, 4), ink);
        DrawPlay(p, TBox{84, 28, 168, 156}, ink);
        break;
    case 3:  // stop
        p.Fill(p.RoundRect(36, 36, 156, 156, 8), ink);
        break;
    case 4:  // clear
        DrawBin(p, TBox{36, 16, 156, 168}, ink, Darker(ink, 70));
        break;
    case 5:  // remove
        p.Fill(Either(p.Line(44, 44, 148, 148, 18), p.Line(44, 148, 148, 44, 18)), ink);
        break;
    default:  // rename
        DrawPencil(p, TBox{32, 20, 172, 160}, ink, enabled ? Rgb(0x5D4037) : Darker(grey, 60));
        break;
    }
    return Crisp(soft, Darker(ink, 90));
}

TImage32 CoverPicture()
{
    TImage32 img(kCoverWidth, kCoverHeight);
    TIconPainter p(img, 192);  // one design unit per pixel
    const TRgb line = Rgb(0x8A9AB0, 150);
    // The drop zone: a dashed rounded outline.
    const int l = 24, t = 20, r = kCoverWidth - 24, b = kCoverHeight - 20, rad = 18;
    const TInside ring = Without(p.RoundRect(l, t, r, b, rad), p.RoundRect(l + 2, t + 2, r - 2, b - 2, rad - 2));
    const TInside dashes = [](int x, int y) { return ((x + y) / kSub) % 16 < 9; };
    p.Fill(Both(ring, dashes), line);
    p.Fill(p.RoundRect(l + 2, t + 2, r - 2, b - 2, rad - 2), Rgb(0x8A9AB0, 18));
    // Media cards: music behind, film in front, and the add badge.
    const int cx = kCoverWidth / 2, cy = kCoverHeight / 2 - 6;
    p.Fill(p.RoundRect(cx - 36, cy - 78, cx + 84, cy + 30, 12), Rgb(0x000000, 30));
    p.Fill(p.RoundRect(cx - 40, cy - 84, cx + 80, cy + 24, 12), p.VShade(cy - 84, cy + 24, Rgb(0x6FD3A0), Rgb(0x2EAD6B)));
    DrawNotes(p, TBox{cx + 8, cy - 68, cx + 64, cy - 8}, Rgb(0xFFFFFF));
    p.Fill(p.RoundRect(cx - 94, cy - 36, cx + 30, cy + 70, 12), Rgb(0x000000, 35));
    DrawFilm(p, TBox{cx - 100, cy - 44, cx + 26, cy + 62}, Rgb(0x4A86E8), Rgb(0xEAF2FD), true);
    PlusBadge(p, cx + 58, cy + 58, 34, Rgb(0xF5A623));
    // A downward hint arrow on each side.
    for (int side : {-1, 1}) {
        const int ax = cx + side * 170;
        p.Fill(p.Polygon({{ax - 16, cy + 10}, {ax + 16, cy + 10}, {ax, cy + 32}}), Rgb(0x8A9AB0, 160));
        p.Fill(p.RoundRect(ax - 6, cy - 30, ax + 6, cy + 12, 3), Rgb(0x8A9AB0, 160));
    }
    return img;
}

TImage32 ProgramIcon(int size)
{
    TImage32 img(size, size);
    TIconPainter p(img, size);
    const TRgb top = Rgb(0x4C8DF0), bottom = Rgb(0x6B3FD6);
    p.Fill(p.RoundRect(6, 6, 186, 186, 44), p.VShade(6, 186, top, bottom));
    p.Fill(Both(p.RoundRect(6, 6, 186, 186, 44), p.Ellipse(96, 22, 140, 80)), WithAlpha(Rgb(0xFFFFFF), 45));
    DrawFilm(p, TBox{26, 40, 150, 136}, Rgb(0xFFFFFF), Mix(top, bottom, 128), true);
    // The conversion mark: an orange badge with two turning arrows.
    Badge(p, 138, 136, 44, Rgb(0xF5A623));
    const TRgb w = Rgb(0xFFFFFF);
    const TInside arc = Without(p.Ellipse(138, 136, 26, 26), p.Ellipse(138, 136, 16, 16));
    p.Fill(Both(arc, p.Polygon({{138, 136}, {100, 110}, {100, 100}, {176, 100}, {176, 136}})), w);
    p.Fill(Both(arc, p.Polygon({{138, 136}, {176, 162}, {176, 172}, {100, 172}, {100, 136}})), w);
    p.Fill(p.Polygon({{156, 128}, {172, 128}, {164, 142}}), w);
    p.Fill(p.Polygon({{104, 144}, {120, 144}, {112, 130}}), w);
    return img;
}
