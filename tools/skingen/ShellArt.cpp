#include "tools/skingen/ShellArt.h"

#include "tools/skingen/Pictograms.h"
#include "tools/skingen/ProgramArt.h"

#include <functional>

namespace {

const TRgb kFolderYellow = Rgb(0xF2B632);
const TRgb kPaper = Rgb(0xFAFAFA);
const TRgb kSteel = Rgb(0x7D8A96);

// A sheet of paper with a folded corner; the picture of a kind goes on it.
void DrawPage(TIconPainter& p)
{
    p.Fill(p.Polygon({{36, 8}, {124, 8}, {160, 44}, {160, 184}, {36, 184}}), Darker(kPaper, 80));
    p.Fill(p.Polygon({{42, 14}, {120, 14}, {154, 48}, {154, 178}, {42, 178}}), kPaper);
    p.Fill(p.Polygon({{120, 14}, {154, 48}, {120, 48}}), Darker(kPaper, 40));
}

void DrawDrive(TIconPainter& p, TRgb body, bool removable)
{
    if (removable) {
        p.Fill(p.RoundRect(76, 20, 116, 60, 3), kSteel);
        p.Fill(p.RoundRect(52, 56, 140, 176, 12), body);
    } else {
        p.Fill(p.RoundRect(12, 64, 180, 140, 12), Darker(body, 60));
        p.Fill(p.RoundRect(16, 68, 176, 132, 10), p.VShade(68, 132, Lighter(body, 60), body));
        p.Fill(p.Ellipse(152, 112, 8, 8), Rgb(0x2ECC71));
    }
}

void DrawOpenFolder(TIconPainter& p, TBox b)
{
    DrawFolder(p, b, kFolderYellow, Darker(kFolderYellow, 50));
    p.Fill(p.Polygon({{b.L + b.W() / 5, b.T + b.H() / 3}, {b.R + 8, b.T + b.H() / 3}, {b.R - b.W() / 8, b.B}, {b.L, b.B}}),
           Lighter(kFolderYellow, 90));
}

void DrawKind(TIconPainter& p, int kind)
{
    switch (kind) {
    case 0:  // desktop
        DrawScreen(p, TBox{12, 24, 180, 160}, Rgb(0x34495E), Rgb(0x5DADE2));
        break;
    case 1:  // computer
        DrawScreen(p, TBox{12, 16, 180, 132}, Rgb(0x2C3E50), Rgb(0x85C1E9));
        p.Fill(p.RoundRect(40, 144, 152, 176, 6), kSteel);
        break;
    case 2:  // home
        p.Fill(p.Polygon({{96, 12}, {184, 92}, {160, 92}, {160, 180}, {32, 180}, {32, 92}, {8, 92}}), Rgb(0xC0392B));
        p.Fill(p.RoundRect(80, 116, 112, 180, 2), kPaper);
        break;
    case 3:  // drive
    case 4:  // removable
        DrawDrive(p, kind == 3 ? Rgb(0x95A5A6) : Rgb(0x2E86C1), kind == 4);
        break;
    case 5:  // folder
        DrawFolder(p, TBox{12, 28, 180, 168}, kFolderYellow, Darker(kFolderYellow, 50));
        break;
    case 6:  // open folder
        DrawOpenFolder(p, TBox{12, 28, 172, 168});
        break;
    default:
        DrawPage(p);
        switch (kind) {
        case 8: DrawFilm(p, TBox{56, 72, 140, 156}, Rgb(0x3F7FE0), kPaper, true); break;
        case 9: DrawNote(p, TBox{60, 68, 140, 160}, Rgb(0x8E44AD)); break;
        case 10:
            p.Fill(p.Polygon({{52, 160}, {88, 100}, {112, 136}, {128, 116}, {148, 160}}), Rgb(0x27AE60));
            p.Fill(p.Ellipse(120, 80, 12, 12), Rgb(0xF39C12));
            break;
        case 11:
            for (int y = 72; y <= 152; y += 20)
                p.Fill(p.RoundRect(60, y, y == 152 ? 112 : 140, y + 8, 2), Rgb(0x7F8C8D));
            break;
        case 12:
            p.Fill(p.RoundRect(84, 14, 108, 178, 2), Rgb(0xA04000));
            for (int y = 24; y <= 120; y += 16)
                p.Fill(p.RoundRect(88, y, 104, y + 8, 1), Rgb(0xF5CBA7));
            break;
        default: break;
        }
        break;
    }
}

// Drawn soft at 16 pixels, then made crisp on the transparent colour. The controls take the
// bottom-left pixel's colour as the transparent one, so that corner stays the key colour.
TImage32 Glyph(int width, int height, TRgb outline, const std::function<void(TIconPainter&)>& draw)
{
    TImage32 soft(width, height);
    TIconPainter p(soft, 16);
    draw(p);
    TImage32 glyph = Crisp(soft, outline);
    glyph.Set(0, height - 1, kKeyColor);
    return glyph;
}

} // namespace

TImage32 ShellKindIcon(int kind, int size)
{
    TImage32 img(size, size);
    TIconPainter p(img, size);
    DrawKind(p, kind);
    return img;
}

std::vector<std::string_view> FileControlGlyphNames()
{
    return {"BS_FLOPPY", "BS_HARD", "BS_NETWORK", "BS_CDROM", "BS_RAM", "BS_CLOSEDFOLDER", "BS_OPENFOLDER",
            "BS_CURRENTFOLDER", "BS_BACK", "BS_UP", "BS_NEWFOLDER", "BS_LVSTYLE", "BS_STRETCH"};
}

TImage32 FileControlGlyph(std::string_view name)
{
    const TRgb ink = Rgb(0x2C3E50);
    const TRgb outline = Darker(kSteel, 90);
    if (name == "BS_FLOPPY")
        return Glyph(16, 16, outline, [](TIconPainter& p) {
            p.Fill(p.RoundRect(16, 16, 176, 176, 8), Rgb(0x34495E));
            p.Fill(p.RoundRect(52, 16, 140, 72, 2), kSteel);
            p.Fill(p.RoundRect(40, 100, 152, 176, 4), kPaper);
        });
    if (name == "BS_HARD" || name == "BS_NETWORK")
        return Glyph(16, 16, outline, [&](TIconPainter& p) {
            DrawDrive(p, Rgb(0x95A5A6), false);
            if (name == "BS_NETWORK")
                p.Fill(Either(p.Line(96, 140, 96, 180, 8), p.Line(40, 180, 152, 180, 8)), ink);
        });
    if (name == "BS_CDROM")
        return Glyph(16, 16, outline, [](TIconPainter& p) { DrawDisc(p, TBox{12, 12, 180, 180}, Rgb(0xBDC3C7), kPaper); });
    if (name == "BS_RAM")
        return Glyph(16, 11, outline, [](TIconPainter& p) {
            p.Fill(p.RoundRect(8, 16, 184, 104, 4), Rgb(0x1E8449));
            for (int x = 24; x < 176; x += 40)
                p.Fill(p.RoundRect(x, 32, x + 28, 80, 2), Rgb(0x17202A));
        });
    if (name == "BS_CLOSEDFOLDER" || name == "BS_CURRENTFOLDER")
        return Glyph(16, 15, outline, [&](TIconPainter& p) {
            DrawFolder(p, TBox{8, 20, 184, 172}, kFolderYellow, Darker(kFolderYellow, 50));
            if (name == "BS_CURRENTFOLDER")
                p.Fill(p.Ellipse(128, 116, 28, 28), Rgb(0x2E86C1));
        });
    if (name == "BS_OPENFOLDER")
        return Glyph(16, 15, outline, [](TIconPainter& p) { DrawOpenFolder(p, TBox{8, 20, 176, 172}); });
    if (name == "BS_BACK")
        return Glyph(16, 16, outline, [&](TIconPainter& p) {
            p.Fill(Either(p.Polygon({{16, 96}, {88, 28}, {88, 164}}), p.RoundRect(80, 76, 176, 116, 6)), Rgb(0x2E86C1));
        });
    if (name == "BS_UP")
        return Glyph(16, 16, outline, [](TIconPainter& p) { DrawArrow(p, TBox{24, 16, 168, 176}, Rgb(0x2E86C1), true); });
    if (name == "BS_NEWFOLDER")
        return Glyph(16, 16, outline, [](TIconPainter& p) {
            DrawFolder(p, TBox{8, 48, 160, 180}, kFolderYellow, Darker(kFolderYellow, 50));
            p.Fill(Either(p.Line(152, 8, 152, 72, 10), p.Line(120, 40, 184, 40, 10)), Rgb(0xF1C40F));
        });
    if (name == "BS_LVSTYLE")
        return Glyph(16, 16, outline, [&](TIconPainter& p) {
            for (int y = 24; y <= 136; y += 56)
                for (int x = 16; x <= 104; x += 88)
                    p.Fill(p.RoundRect(x, y, x + 68, y + 40, 4), ink);
        });
    return Glyph(16, 16, outline, [&](TIconPainter& p) {  // BS_STRETCH
        p.Fill(p.RoundRect(40, 40, 152, 152, 4), Rgb(0x5DADE2));
        p.Fill(Either(p.Line(12, 12, 60, 60, 8), p.Line(180, 180, 132, 132, 8)), ink);
        p.Fill(Either(p.Polygon({{8, 8}, {56, 8}, {8, 56}}), p.Polygon({{184, 184}, {136, 184}, {184, 136}})), ink);
    });
}
