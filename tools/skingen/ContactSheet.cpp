#include "tools/skingen/ContactSheet.h"

#include "classlib/Streams.h"
#include "skin/core/skCompressedStoredSkin.h"
#include "tools/skingen/CategoryIcons.h"
#include "tools/skingen/PixelFont.h"
#include "tools/skingen/ProgramArt.h"
#include "tools/skingen/SheetMock.h"

#include <algorithm>

TImage32 ContactSheet(std::string_view stored, std::string_view title, const std::vector<TImage32>& toolbarImages)
{
    TMemoryStream in;
    in.WriteBuffer(stored.data(), static_cast<std::int64_t>(stored.size()));
    TskCompressedStoredSkin skin(nullptr);
    skin.LoadFromCompressStream(&in);
    TskSkinData data(nullptr);
    data.LoadCompressedStoredSkin(&skin);
    TSheetMock mock(data);

    // Pictures: the frame pictures, then the numbered ones.
    std::vector<std::pair<std::string, TImage32>> pictures;
    for (auto [name, b] : {std::pair{"FRAME", data.FPicture.get()}, std::pair{"INACTIVE", data.FInActivePicture.get()},
                           std::pair{"MASK", data.FMask.get()}})
        if (b && !b->Empty())
            pictures.emplace_back(name, FromBitmap(b));
    for (std::size_t i = 0; i < mock.Pictures_.size(); ++i)
        pictures.emplace_back("PICTURE " + std::to_string(i), mock.Pictures_[i]);

    const int margin = 24, mockW = 620, mockH = 470;
    int width = margin * 3 + mockW + 200, height = margin * 2 + 24 + mockH + margin;
    // Lay the pictures out in rows under the mock window.
    struct TPlace { int X, Y; };
    std::vector<TPlace> places;
    int x = margin, y = height, rowH = 0;
    for (const auto& p : pictures) {
        if (x > margin && x + p.second.Width() > width - margin) {
            x = margin;
            y += rowH + 20;
            rowH = 0;
        }
        places.push_back({x, y + 12});
        x += std::max(p.second.Width(), 80) + margin;
        rowH = std::max(rowH, p.second.Height() + 12);
    }
    height = y + rowH + margin;

    const bool dark = Luma(FromColorRef(data.SkinColors()->cBtnFace())) < 128;
    TImage32 sheet(width, height, dark ? Rgb(0x3C3C40) : Rgb(0xD8D8DC));
    const TRgb ink = dark ? Rgb(0xF0F0F0) : Rgb(0x202020);
    DrawPixelText(sheet, margin, margin, title, TPixelFont::Large, ink, 2);
    if (!data.FPicture->Empty()) {
        MockWindow(sheet, mock, margin, margin + 24, toolbarImages);
        MockPopup(sheet, mock, margin * 2 + mockW, margin + 24 + 40);
        // An inactive form: its own picture, or the effect the frame renders it with.
        const int ix = margin * 2 + mockW, iy = margin + 24 + 260;
        if (data.AutoRenderingInActiveImage) {
            const char* effects[] = {"BRIGHTNESS", "DARKNESS", "GRAYSCALE", "NOISE", "SPLIT BLUR", "INVERT"};
            DrawPixelText(sheet, ix, iy, std::string("INACTIVE: ") + effects[data.InActiveEffect], TPixelFont::Large,
                          dark ? Rgb(0xF0F0F0) : Rgb(0x202020));
        } else {
            TImage32 inactive(200, 90);
            mock.Frame(inactive, 200, 90, false);
            sheet.Copy(inactive, Rect(0, 0, 200, 90), ix, iy);
        }
    } else {
        MockBoxes(sheet, mock, margin, margin + 40);
    }
    for (std::size_t i = 0; i < pictures.size(); ++i) {
        DrawPixelText(sheet, places[i].X, places[i].Y - 10, pictures[i].first, TPixelFont::Large, ink);
        sheet.Copy(pictures[i].second, Rect(0, 0, pictures[i].second.Width(), pictures[i].second.Height()), places[i].X, places[i].Y);
    }
    return sheet;
}

TImage32 PicturesSheet()
{
    constexpr int margin = 16, half = 700;
    TImage32 sheet(2 * half, 900, Rgb(0xEDEFF2));
    sheet.Fill(Rect(half, 0, 2 * half, 900), Rgb(0x2B2D33));
    for (int side = 0; side < 2; ++side) {
        const int ox = side * half + margin;
        const TRgb ink = side ? Rgb(0xE8E8E8) : Rgb(0x202020);
        int y = margin;
        DrawPixelText(sheet, ox, y, "TOOL BAR 0-17", TPixelFont::Large, ink);
        y += 12;
        for (int i = 0; i < kToolbarImageCount; ++i)
            sheet.Draw(ToolbarImage(i), Rect(0, 0, 48, 48), ox + (i % 9) * 52, y + (i / 9) * 52);
        y += 110;
        DrawPixelText(sheet, ox, y, "GLYPHS 4-17", TPixelFont::Large, ink);
        y += 12;
        for (int i = kFirstGlyph; i <= kLastGlyph; ++i) {
            const TImage32 g = ButtonGlyph(i);
            DrawKeyed(sheet, g, Rect(0, 0, 16, 16), ox + (i - kFirstGlyph) * 22, y, kKeyColor);
        }
        y += 26;
        DrawPixelText(sheet, ox, y, "CATEGORIES 48 AND 32", TPixelFont::Large, ink);
        y += 12;
        for (int c = 0; c < kCategoryCount; ++c) {
            sheet.Draw(CategoryIcon(c, 48), Rect(0, 0, 48, 48), ox + (c % 12) * 52, y + (c / 12) * 90);
            sheet.Draw(CategoryIcon(c, 32), Rect(0, 0, 32, 32), ox + (c % 12) * 52 + 8, y + (c / 12) * 90 + 52);
        }
        y += 272;
        DrawPixelText(sheet, ox, y, "ICON", TPixelFont::Large, ink);
        int x = ox;
        for (int size : {16, 32, 48}) {
            sheet.Draw(ProgramIcon(size), Rect(0, 0, size, size), x, y + 12);
            x += size + 8;
        }
        y += 70;
        DrawPixelText(sheet, ox, y, "COVER", TPixelFont::Large, ink);
        const TImage32 cover = CoverPicture();
        sheet.Draw(cover, Rect(0, 0, cover.Width(), cover.Height()), ox, y + 12);
    }
    return sheet;
}
