#include "PixelFixtures.h"

#include "classlib/Bitmap.h"
#include "classlib/Canvas.h"
#include "classlib/ImgList.h"
#include "platform/win/Rect.h"
#include "skin/core/skButtonFace.h"
#include "skin/core/skTextUtils.h"

#include <gtest/gtest.h>

using namespace skfix;

namespace {

void Solid(TBitmap& b, int w, int h, std::uint32_t pixel)
{
    b.SetPixelFormat(TPixelFormat::pf32bit);
    b.SetSize(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            static_cast<std::uint32_t*>(b.ScanLine(y))[x] = pixel;
}

} // namespace

TEST(ButtonFace, GlyphAndCaptionAreLaidOutTogether)
{
    TImageList images(nullptr);
    images.SetSize(16, 16);
    TBitmap red;
    Solid(red, 16, 16, 0xFFFF0000);
    images.Add(&red, nullptr);

    for (bool down : {false, true}) {
        auto face = FilledBitmap(100, 40, 0xFFFFFFFF);
        TCanvas* c = face->GetCanvas();
        c->Font()->SetName("Arial");
        c->Font()->SetHeight(-12);
        const int tw = MeasureWideTextWidth(c, "OK");
        DrawImageListButtonFace(c, MakeRect(0, 0, 100, 40), -1, 4, blGlyphLeft, "OK", 0, &images, down, true);
        const int gx = 50 - (tw + 16 + 4) / 2 + (down ? 1 : 0), gy = 20 - 8 + (down ? 1 : 0);
        EXPECT_EQ(At(*face, gx, gy) & 0xFFFFFF, 0xFF0000u) << down;
        EXPECT_EQ(At(*face, gx + 15, gy + 15) & 0xFFFFFF, 0xFF0000u) << down;
        EXPECT_EQ(At(*face, gx - 1, gy) & 0xFFFFFF, 0xFFFFFFu) << down;
    }

    auto noGlyph = FilledBitmap(100, 40, 0xFFFFFFFF);
    DrawImageListButtonFace(noGlyph->GetCanvas(), MakeRect(0, 0, 100, 40), -1, 4, blGlyphLeft, "", 3, &images, false,
                            true);
    for (int i = 0; i < 100 * 40; ++i)
        ASSERT_EQ(noGlyph->GetBits()[i], 0xFFFFFFFFu) << "an index outside the list and no caption draw nothing";
}

TEST(ButtonFace, GlyphStripFace)
{
    TBitmap strip;
    Solid(strip, 30, 10, 0xFF00FF00);
    static_cast<std::uint32_t*>(strip.ScanLine(9))[10] = 0xFF0000FF;  // glyph 2's transparent colour
    auto face = FilledBitmap(40, 20, 0xFFFFFFFF);
    DrawGlyphButtonFace(face->GetCanvas(), MakeRect(0, 0, 40, 20), 2, 4, blGlyphLeft, "", &strip, 3, 2, false);
    EXPECT_EQ(At(*face, 2, 5) & 0xFFFFFF, 0x00FF00u);
    EXPECT_EQ(At(*face, 11, 14) & 0xFFFFFF, 0x00FF00u);
    EXPECT_EQ(At(*face, 2, 14) & 0xFFFFFF, 0xFFFFFFu) << "the bottom-left colour is transparent";
    EXPECT_EQ(At(*face, 12, 5) & 0xFFFFFF, 0xFFFFFFu);
}
