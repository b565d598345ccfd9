#include "PixelFixtures.h"

#include "classlib/Bitmap.h"
#include "classlib/Canvas.h"
#include "platform/gdi/Objects.h"
#include "platform/gdi/Regions.h"
#include "platform/win/Rect.h"
#include "skin/core/skSkinImages.h"

#include <gtest/gtest.h>

using namespace skfix;

namespace {

void SetPixels(TBitmap& b, int w, int h, TskColor32 (*pixel)(int, int))
{
    b.SetPixelFormat(TPixelFormat::pf32bit);
    b.SetSize(w, h);
    for (int y = 0; y < h; ++y) {
        auto* row = static_cast<std::uint32_t*>(b.ScanLine(y));
        for (int x = 0; x < w; ++x)
            row[x] = pixel(x, y);
    }
}

TskColor32 PixelOf(TBitmap& b, int x, int y) { return static_cast<std::uint32_t*>(b.ScanLine(y))[x]; }

TskColor32 CoordPixel(int x, int y) { return Coord(x, y); }

const POINT LT{6, 5}, RT{14, 5}, LB{6, 9}, RB{14, 9};
const RECT C = MakeRect(4, 3, 16, 11);

} // namespace

TEST(SkinImages, NineSliceOfTheSkinSizeEqualsTheSkinRectangle)
{
    TBitmap picture, target;
    SetPixels(picture, 30, 20, CoordPixel);
    ComposeNineSliceImage(LT, RT, LB, RB, C, LT, RT, LB, RB, C, &target, &picture, MakeRect(5, 3, 25, 17), 20, 14,
                          true, false, false, false, false, false, skstFull);
    ASSERT_EQ(target.GetWidth(), 20);
    for (int y = 0; y < 14; ++y)
        for (int x = 0; x < 20; ++x)
            ASSERT_EQ(PixelOf(target, x, y) & 0xFFFFFF, Coord(x + 5, y + 3) & 0xFFFFFF) << x << "," << y;
}

TEST(SkinImages, ClientRectGeometryStretchesToTheTargetSize)
{
    TBitmap picture, target;
    SetPixels(picture, 3, 3, CoordPixel);
    target.SetSize(5, 5);
    ComposeNineSliceFromClientRect(&target, &picture, MakeRect(0, 0, 3, 3), MakeRect(1, 1, 2, 2), true);
    EXPECT_EQ(PixelOf(target, 0, 0) & 0xFFFFFF, Coord(0, 0) & 0xFFFFFF);
    EXPECT_EQ(PixelOf(target, 4, 4) & 0xFFFFFF, Coord(2, 2) & 0xFFFFFF);
    EXPECT_EQ(PixelOf(target, 2, 2) & 0xFFFFFF, Coord(1, 1) & 0xFFFFFF);
    EXPECT_EQ(PixelOf(target, 3, 0) & 0xFFFFFF, Coord(1, 0) & 0xFFFFFF);
}

TEST(SkinImages, BandImageTilesAndGlyphStripCutsOneGlyph)
{
    TBitmap picture, band;
    SetPixels(picture, 20, 2, CoordPixel);
    BuildHorzBandImageNoEnds(5, 5, &band, &picture, MakeRect(0, 0, 20, 2), 100, 0, false);
    ASSERT_EQ(band.GetWidth(), 100);
    ASSERT_EQ(band.GetHeight(), 2);
    EXPECT_EQ(PixelOf(band, 99, 1) & 0xFFFFFF, Coord(14, 1) & 0xFFFFFF);
    EXPECT_EQ(PixelOf(band, 0, 0) & 0xFFFFFF, Coord(5, 0) & 0xFFFFFF);

    TBitmap strip, canvasBitmap;
    SetPixels(strip, 30, 4, [](int x, int y) { return y == 3 && x % 10 == 0 ? 0xFF00FF00u : Coord(x, y); });
    SetPixels(canvasBitmap, 12, 4, [](int, int) { return 0xFF123456u; });
    DrawGlyphFromStrip(canvasBitmap.Canvas(), 1, 0, &strip, 3, 2);
    EXPECT_EQ(PixelOf(canvasBitmap, 1, 0) & 0xFFFFFF, Coord(10, 0) & 0xFFFFFF);
    EXPECT_EQ(PixelOf(canvasBitmap, 10, 2) & 0xFFFFFF, Coord(19, 2) & 0xFFFFFF);
    EXPECT_EQ(PixelOf(canvasBitmap, 11, 0), 0xFF123456u);
    EXPECT_EQ(PixelOf(canvasBitmap, 1, 3) & 0xFFFFFF, 0x123456u) << "the bottom-left colour is transparent";
    DrawGlyphFromStrip(canvasBitmap.Canvas(), 0, 0, &strip, 0, 1);
    DrawGlyphFromStrip(canvasBitmap.Canvas(), 0, 0, &strip, 3, 4);
    EXPECT_EQ(PixelOf(canvasBitmap, 0, 0), 0xFF123456u);
}

TEST(SkinImages, FrameRegionFromAMaskWithAnEmptyTopStrip)
{
    // A 20 x 14 mask: black (inside) everywhere except the top three rows.
    TBitmap mask;
    SetPixels(mask, 20, 14, [](int, int y) { return y < 3 ? 0xFFFFFFFFu : 0xFF000000u; });
    const POINT NRT{RT.x + 4, RT.y}, NLB{LB.x, LB.y + 2}, NRB{RB.x + 4, RB.y + 2};
    const RECT NC = MakeRect(4, 3, 20, 13);
    HRGN rgn = nullptr;
    BuildFrameRegionFromMask(rgn, LT, RT, LB, RB, C, LT, NRT, NLB, NRB, NC, &mask, 24, 16);
    ASSERT_NE(rgn, nullptr);
    RECT box;
    GetRgnBox(rgn, &box);
    EXPECT_EQ(box, MakeRect(0, 3, 24, 16));
    EXPECT_TRUE(PtInRegion(rgn, 0, 3));
    EXPECT_TRUE(PtInRegion(rgn, 23, 15));
    EXPECT_FALSE(PtInRegion(rgn, 10, 2));
    DeleteObject(rgn);

    BuildFrameRegionFromMask(rgn, LT, RT, LB, RB, C, LT, POINT{LT.x - 1, RT.y}, NLB, NRB, NC, &mask, 5, 16);
    EXPECT_EQ(rgn, nullptr) << "narrower than the corner span";
}
