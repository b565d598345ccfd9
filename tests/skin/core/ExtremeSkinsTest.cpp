// Skins with extreme values (rectangles spanning the whole int range, skin rectangles far
// taller than their picture, negative sizes, picture indexes past the end) compose into images
// no larger than asked, or draw nothing. Run under the undefined-behaviour sanitizer as well:
// these values overflowed int arithmetic and sized gigabyte temporaries before.

#include "SkinFixtures.h"
#include "TestPaths.h"
#include "classlib/Bitmap.h"
#include "classlib/Canvas.h"
#include "platform/win/Rect.h"
#include "skin/core/TskBitmap.h"
#include "skin/core/skDataSkinControl.h"
#include "skin/core/skSkinData.h"
#include "skin/core/skSkinImages.h"
#include "skin/core/skTiles.h"
#include "platform/gdi/Objects.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace {

constexpr int kMin = INT_MIN, kMax = INT_MAX;

const RECT kExtremeRects[] = {
    {kMin, 0, kMax, 25},       {0, 0, 40, 1400000},  {kMin, kMin, kMax, kMax}, {-50, -50, -10, -10},
    {30, 20, 10, 5},           {kMax - 1, 0, kMax, 1}, {0, 0, 1, 1},          {3, 2, 9, 1000000000},
};

const POINT kExtremePoints[] = {{0, 0}, {kMin, kMin}, {kMax, kMax}, {kMax, kMin}, {-7, 3}, {1, 1}};

const int kExtremeLengths[] = {0, 1, -1, kMin, kMax, 7, 1 << 20};

void ExpectAtMost(const TBitmap& image, int w, int h)
{
    EXPECT_LE(image.GetWidth(), std::max(w, 0));
    EXPECT_LE(image.GetHeight(), std::max(h, 0));
}

std::string ExtremeSkinIni()
{
    std::string ini = skintest::SampleSkinIni();
    auto replace = [&](const std::string& from, const std::string& to) { ini.replace(ini.find(from), from.size(), to); };
    replace("pictureindex=0\r\nskinrect=415,95,441,121\r\nclientrect=3,3,23,24",
            "pictureindex=1\r\nskinrect=-2147483648,0,2147483647,25\r\nclientrect=-2147483648,-5,2147483647,2147483647\r\n"
            "lefttoppoint=2147483647,-2147483648\r\nrightbottompoint=-2147483648,2147483647");
    replace("pictureindex=2\r\n", "pictureindex=99\r\nskinrect=0,0,40,1400000\r\n");
    return ini;
}

} // namespace

TEST(ExtremeSkins, BandAndNineSliceImagesStayWithinTheirTargetSize)
{
    TBitmap picture;
    picture.SetSize(24, 18);
    for (const RECT& s : kExtremeRects) {
        for (int len : kExtremeLengths) {
            SCOPED_TRACE(testing::Message() << s.left << "," << s.top << "," << s.right << "," << s.bottom << " / " << len);
            for (bool stretch : {false, true}) {
                TBitmap band;
                BuildHorzBandImage(len, len, &band, &picture, s, 200, 0, stretch);
                ExpectAtMost(band, 200, 18);
                BuildHorzBandImageLeftEnd(len, len / 2, &band, &picture, s, 90, 0, stretch);
                ExpectAtMost(band, 90, 18);
                BuildHorzBandImageNoEnds(len, len, &band, &picture, s, 200, 0, stretch);
                BuildVertBandImage(len, len, &band, &picture, s, 0, 120, stretch);
                ExpectAtMost(band, 24, 120);
            }
            for (const POINT& p : kExtremePoints) {
                TBitmap image;
                ComposeNineSliceImage(p, POINT{len, p.y}, POINT{p.x, len}, POINT{len, len}, s, p, POINT{len, 3},
                                      POINT{3, len}, POINT{len, len}, s, &image, &picture, s, 150, 40, true, false, true,
                                      false, true, len % 2 != 0, skstHorz);
                ExpectAtMost(image, 150, 40);
                ComposeNineSliceOpenRight(p, p, p, POINT{len, len}, s, p, p, p, POINT{len, len}, s, &image, &picture, s,
                                          70, 60, true, false, false, false, false, false, skstFull);
                TBitmap top, bottom, left, right;
                ComposeFrameBorderImages(p, POINT{len, p.y}, POINT{p.x, len}, POINT{len, len}, s, p, POINT{len, p.y},
                                         POINT{p.x, len}, POINT{len, len}, s, &left, &top, &right, &bottom, &picture, s,
                                         300, 200, false, false, true, true);
                for (TBitmap* b : {&top, &bottom, &left, &right})
                    EXPECT_LE(static_cast<std::int64_t>(b->GetWidth()) * b->GetHeight(), 300 * 200 * 4);
                HRGN region = nullptr;
                BuildFrameRegionFromMask(region, p, POINT{len, p.y}, POINT{p.x, len}, POINT{len, len}, s, p,
                                         POINT{len, p.y}, POINT{p.x, len}, POINT{len, len}, s, &picture, 300, 200);
                if (region)
                    DeleteObject(region);
            }
        }
    }
}

TEST(ExtremeSkins, TilingCostsNoMoreThanTheTargetShows)
{
    TskBitmap tile, target;
    tile.SetSize(4, 4);
    target.SetSize(64, 32);
    for (const RECT& dst : kExtremeRects)
        for (const RECT& src : kExtremeRects) {
            tile.Tile(target, dst, src);
            tile.TileClip(target, dst, MakeRect(kMin, 5, 10, kMax), src);
        }
    // A target beyond the pixel budget is left empty rather than allocated.
    TBitmap picture, huge;
    picture.SetSize(8, 8);
    BuildHorzBandImage(1, 1, &huge, &picture, MakeRect(0, 0, 8, 8), kMax, 0, false);
    EXPECT_TRUE(huge.Empty());
    // A one-pixel tile over the whole int range visits only the target's cells.
    int cells = 0;
    ForEachTile(MakeRect(kMin, kMin, kMax, kMax), MakeRect(0, 0, 1, 1), MakeRect(0, 0, 64, 32),
                [&](const RECT&, const RECT&) { ++cells; });
    EXPECT_EQ(cells, 64 * 32);
}

TEST(ExtremeSkins, DrawingExtremeRectanglesStaysWithinIntArithmetic)
{
    TskBitmap source, target;
    source.SetSize(16, 12);
    target.SetSize(40, 30);
    TBitmap canvasTarget, canvasSource;
    canvasTarget.SetSize(40, 30);
    canvasSource.SetSize(16, 12);
    for (const RECT& dst : kExtremeRects)
        for (const RECT& src : kExtremeRects) {
            for (bool alpha : {false, true}) {
                source.SetAlphaBlend(alpha);
                source.Draw(target, dst, src);
                source.Draw(target, dst, MakeRect(0, 0, 16, 12));
                source.Draw(canvasTarget.Canvas()->GetHandle(), dst, MakeRect(2, 2, 9, 9));
                source.Draw(target, dst.left, dst.top, src);
            }
            canvasTarget.Canvas()->CopyRect(dst, canvasSource.Canvas(), src);
            canvasTarget.Canvas()->CopyRect(dst, canvasSource.Canvas(), MakeRect(0, 0, 16, 12));
        }
    // A picture stretched over the whole int range still covers the target with its pixels.
    source.SetAlphaBlend(false);
    source.FillRect(MakeRect(0, 0, 16, 12), 0xFF123456u);
    source.Draw(target, MakeRect(kMin, kMin, kMax, kMax), MakeRect(0, 0, 16, 12));
    EXPECT_EQ(target.GetBits()[5 * 40 + 5], 0xFF123456u);
}

TEST(ExtremeSkins, LoadedExtremeValuesComposeThroughThePictureLookup)
{
    zdtest::TempDir dir;
    skintest::MakeSkinFolder(dir.path());
    skintest::WriteFile(dir.path() + "/skin.ini", ExtremeSkinIni());
    TskSkinData skin(nullptr);
    skin.LoadFromFile(dir.path() + "/skin.ini");
    EXPECT_EQ(skin.GetActivePicture(99), nullptr);
    EXPECT_EQ(skin.GetActivePicture(-1), nullptr);
    ASSERT_NE(skin.GetActivePicture(1), nullptr);
    int composed = 0;
    for (const auto& control : skin.CtrlList) {
        auto* custom = dynamic_cast<TskDataSkinCustomControl*>(control.get());
        if (!custom)
            continue;
        const RECT s = custom->SkinRect;
        const RECT c = custom->ClRect;
        TBitmap* picture = skin.GetActivePicture(custom->PictureIndex);
        TBitmap image, band;
        ComposeNineSliceImage(custom->LTPoint, custom->RTPoint, custom->LBPoint, custom->RBPoint, c, custom->LTPoint,
                              custom->RTPoint, custom->LBPoint, custom->RBPoint, c, &image, picture, s, 120, 40, true,
                              custom->LeftStretch, custom->TopStretch, custom->RightStretch, custom->BottomStretch,
                              custom->StretchEffect, custom->StretchType);
        ExpectAtMost(image, 120, 40);
        BuildHorzBandImage(c.left, c.right, &band, picture, s, 120, 0, false);
        ExpectAtMost(band, 120, picture ? picture->GetHeight() : 0);
        BuildVertBandImage(c.top, c.bottom, &band, picture, s, 0, 90, true);
        ExpectAtMost(band, picture ? picture->GetWidth() : 0, 90);
        ++composed;
    }
    EXPECT_GE(composed, 2);
}
