#include "tools/skingen/PreviewGlyphs.h"

#include "tools/skingen/IconPainter.h"
#include "tools/skingen/Pictograms.h"
#include "tools/skingen/ProgramArt.h"

#include <array>

namespace {

constexpr std::array<std::string_view, 7> kNames = {"PREVIEW_PLAY",  "PREVIEW_PAUSE",    "PREVIEW_STOP", "PREVIEW_SOUND",
                                                    "PREVIEW_MUTED", "PREVIEW_SNAPSHOT", "PREVIEW_MENU"};

// A loudspeaker facing right in the left part of the glyph.
void DrawSpeaker(TIconPainter& p, TRgb ink)
{
    p.Fill(p.Polygon({{24, 72}, {60, 72}, {104, 32}, {104, 160}, {60, 120}, {24, 120}}), ink);
}

} // namespace

std::span<const std::string_view> PreviewGlyphNames()
{
    return kNames;
}

TImage32 PreviewGlyph(std::string_view name)
{
    // A light fill inside a near-black outline: the outline reads on light button faces, the
    // fill on dark ones. Each hue keeps its meaning, lightened until it stands out from black.
    auto fill = [](std::uint32_t hue) { return Legible(Rgb(hue), Rgb(0x000000), 14.0); };
    const TRgb outline = Rgb(0x141A21);
    TImage32 soft(16, 16);
    TIconPainter p(soft, 16);
    if (name == "PREVIEW_PLAY") {
        DrawPlay(p, TBox{52, 28, 156, 164}, fill(0x27AE60));
    } else if (name == "PREVIEW_PAUSE") {
        p.Fill(p.RoundRect(44, 32, 84, 160, 4), fill(0xF39C12));
        p.Fill(p.RoundRect(108, 32, 148, 160, 4), fill(0xF39C12));
    } else if (name == "PREVIEW_STOP") {
        p.Fill(p.RoundRect(60, 60, 132, 132, 1), fill(0xE74C3C));
    } else if (name == "PREVIEW_SOUND") {
        DrawSpeaker(p, fill(0x2D8FD5));
        const TInside waves = Without(p.Ellipse(104, 96, 64, 64), p.Ellipse(104, 96, 50, 50));
        p.Fill(Both(Either(waves, Without(p.Ellipse(104, 96, 36, 36), p.Ellipse(104, 96, 22, 22))),
                    [&p](int x, int) { return x > p.S(118); }),
               fill(0x2D8FD5));
    } else if (name == "PREVIEW_MUTED") {
        DrawSpeaker(p, fill(0x6C7A89));
        p.Fill(Either(p.Line(124, 68, 172, 124, 10), p.Line(124, 124, 172, 68, 10)), fill(0xE74C3C));
    } else if (name == "PREVIEW_SNAPSHOT") {
        p.Fill(p.RoundRect(60, 36, 116, 64, 6), fill(0x34495E));
        p.Fill(Without(p.RoundRect(20, 52, 172, 156, 14), p.Ellipse(96, 104, 34, 34)), fill(0x34495E));
        p.Fill(p.Ellipse(96, 104, 18, 18), fill(0x2D8FD5));
    } else {
        DrawGear(p, TBox{24, 24, 168, 168}, fill(0x6C7A89));
    }
    return Crisp(soft, outline);
}
