#include "tools/skingen/CategoryIcons.h"

#include "tools/skingen/Pictograms.h"
#include "tools/skingen/PixelFont.h"

#include <string_view>

namespace {

enum class TPicto { Film, FilmPlay, Reel, Clapper, Notes, Note, HdScreen, Pocket, Phone, Handheld, TvBox, Controller,
                    Tablet, Bolt, Android, Disc, Camcorder, Wave, Tv, SetTop };

struct TCategoryArt {
    TPicto Picto;
    std::string_view Label;
    std::uint32_t Color;
};

// By category code. Codes 6, 9 and 32 belong to no category; they get plain film pictures in greys.
// The video formats differ in picture as well as in colour and name (film, film with play, reel,
// clapperboard, screen), so no two neighbours look alike.
constexpr TCategoryArt kArt[kCategoryCount] = {
    {TPicto::FilmPlay, "", 0x2F80ED},  // 0 general video
    {TPicto::Notes, "", 0x27AE60},     // 1 common audio
    {TPicto::HdScreen, "", 0x8E44AD},  // 2 HD video
    {TPicto::Pocket, "", 0x607D8B},    // 3 pocket music player
    {TPicto::Phone, "", 0x37474F},     // 4 phone
    {TPicto::Handheld, "", 0x34495E},  // 5 handheld console
    {TPicto::Film, "", 0x95A5A6},      // 6 (unused)
    {TPicto::TvBox, "", 0x455A64},     // 7 television box
    {TPicto::Controller, "", 0x2E7D32},// 8 game console
    {TPicto::Film, "", 0x7F8C8D},      // 9 (unused)
    {TPicto::FilmPlay, "MP4", 0x1E88E5},   // 10
    {TPicto::Bolt, "FLV", 0xE53935},   // 11 flash video
    {TPicto::Tablet, "", 0x546E7A},    // 12 tablet
    {TPicto::Reel, "MPG", 0x3949AB},   // 13
    {TPicto::Bolt, "SWF", 0xD81B60},   // 14
    {TPicto::Film, "AVI", 0x00897B},   // 15
    {TPicto::Clapper, "MKV", 0x6D4C41},   // 16
    {TPicto::Tv, "WMV", 0x1565C0},   // 17
    {TPicto::Reel, "ASF", 0x5E35B1},   // 18
    {TPicto::Android, "", 0x7CB342},   // 19 phone platform
    {TPicto::Disc, "VOB", 0xF4511E},   // 20
    {TPicto::Camcorder, "MTS", 0x00838F},  // 21
    {TPicto::Camcorder, "MOD", 0x6A1B9A},  // 22
    {TPicto::Film, "RMVB", 0xC62828},  // 23
    {TPicto::Disc, "VCD", 0xEF6C00},   // 24
    {TPicto::Clapper, "MOV", 0xAD1457},   // 25
    {TPicto::FilmPlay, "H264", 0x0277BD},  // 26
    {TPicto::Camcorder, "AVCHD", 0x4527A0},  // 27
    {TPicto::Note, "WMA", 0x00695C},   // 28
    {TPicto::Note, "MP3", 0x2E7D32},   // 29
    {TPicto::Wave, "WAV", 0x558B2F},   // 30
    {TPicto::Phone, "", 0x1976D2},     // 31 smartphone
    {TPicto::Film, "", 0xB0B8BF},      // 32 (unused)
    {TPicto::Tv, "", 0x283593},        // 33 smart television
    {TPicto::SetTop, "", 0x00796B},    // 34 network box
};

void DrawPicto(TIconPainter& p, TPicto picto, TBox b, TRgb ink, TRgb back, int size)
{
    switch (picto) {
    case TPicto::Film: DrawFilm(p, b, ink, back, false); break;
    case TPicto::FilmPlay: DrawFilm(p, b, ink, back, true); break;
    case TPicto::Reel: DrawReel(p, b, ink, back); break;
    case TPicto::Clapper: DrawClapper(p, TBox{b.L + b.W() / 16, b.T, b.R - b.W() / 16, b.B}, ink, back); break;
    case TPicto::Notes: DrawNotes(p, b, ink); break;
    case TPicto::Note: DrawNote(p, TBox{b.CX() - b.H() * 2 / 5, b.T, b.CX() + b.H() * 2 / 5, b.B}, ink); break;
    case TPicto::HdScreen: {
        DrawScreen(p, b, ink, back);
        TImage32& img = p.Image();
        const int scale = size >= 48 ? 2 : 1;
        const TPixelFont f = TPixelFont::Small;
        const int tw = PixelTextWidth("HD", f, scale), th = PixelTextHeight(f, scale);
        const int cx = p.P(b.CX()), cy = p.P(b.T + (b.H() - b.H() / 5) / 2);
        DrawPixelText(img, cx - tw / 2, cy - th / 2, "HD", f, ink, scale);
        break;
    }
    case TPicto::Pocket: DrawPocketPlayer(p, TBox{b.CX() - b.H() * 3 / 10, b.T, b.CX() + b.H() * 3 / 10, b.B}, ink, back); break;
    case TPicto::Phone: DrawPhone(p, TBox{b.CX() - b.H() * 3 / 10, b.T, b.CX() + b.H() * 3 / 10, b.B}, ink, back, false); break;
    case TPicto::Android: DrawPhone(p, TBox{b.CX() - b.H() * 7 / 20, b.T, b.CX() + b.H() * 7 / 20, b.B}, ink, back, true); break;
    case TPicto::Tablet: DrawPhone(p, TBox{b.CX() - b.H() * 2 / 5, b.T + b.H() / 16, b.CX() + b.H() * 2 / 5, b.B - b.H() / 16}, ink, back, false); break;
    case TPicto::Handheld: DrawHandheld(p, TBox{b.L, b.CY() - b.H() / 4, b.R, b.CY() + b.H() / 4}, ink, back); break;
    case TPicto::TvBox: DrawTvBox(p, b, ink, back); break;
    case TPicto::Controller: DrawController(p, TBox{b.L, b.T + b.H() / 6, b.R, b.B - b.H() / 8}, ink, back); break;
    case TPicto::Bolt: DrawBolt(p, TBox{b.CX() - b.H() / 3, b.T, b.CX() + b.H() / 3, b.B}, ink); break;
    case TPicto::Disc: DrawDisc(p, b, ink, back); break;
    case TPicto::Camcorder: DrawCamcorder(p, TBox{b.L, b.T + b.H() / 8, b.R, b.B - b.H() / 16}, ink, back); break;
    case TPicto::Wave: DrawWave(p, b, ink); break;
    case TPicto::Tv: DrawScreen(p, b, ink, back); break;
    case TPicto::SetTop: DrawSetTopBox(p, b, ink, back); break;
    }
}

} // namespace

TImage32 CategoryIcon(int code, int size)
{
    const TCategoryArt& art = kArt[code];
    TImage32 img(size, size);
    TIconPainter p(img, size);
    const TRgb base = Rgb(art.Color);
    // A soft shadow under the tile, the tile, and a gloss on its upper half.
    p.Fill(p.RoundRect(8, 12, 184, 188, 40), WithAlpha(Rgb(0x000000), 60));
    p.Fill(p.RoundRect(8, 6, 184, 182, 40), p.VShade(6, 182, Lighter(base, 60), Darker(base, 40)));
    p.Fill(Both(p.RoundRect(8, 6, 184, 182, 40), p.Ellipse(96, 20, 130, 80)), WithAlpha(Rgb(0xFFFFFF), 40));
    const TRgb ink = Rgb(0xFFFFFF);
    const TRgb back = Mix(base, Rgb(0xFFFFFF), 40);
    if (art.Label.empty()) {
        DrawPicto(p, art.Picto, TBox{40, 34, 152, 154}, ink, back, size);
        return img;
    }
    // The format's name on a dark band across the tile's lower part. Small tiles give the name
    // most of the tile and the larger letters: at 32 pixels it is what tells formats apart.
    const bool small = size < 48;
    const int bandTop = small ? 104 : 128;
    DrawPicto(p, art.Picto, small ? TBox{52, 18, 140, 96} : TBox{44, 26, 148, 116}, ink, back, size);
    p.Fill(Both(p.RoundRect(8, 6, 184, 182, 40), p.RoundRect(8, bandTop, 184, 172, 0)), WithAlpha(Darker(base, 120), 170));
    const TPixelFont font = small && PixelTextWidth(art.Label, TPixelFont::Large) > size - 2 ? TPixelFont::Small
                                                                                              : TPixelFont::Large;
    const int tw = PixelTextWidth(art.Label, font), th = PixelTextHeight(font);
    const int y = p.P(bandTop) + (p.P(172) - p.P(bandTop) - th + 1) / 2;
    DrawPixelText(img, (size - tw) / 2, y, art.Label, font, ink);
    return img;
}
