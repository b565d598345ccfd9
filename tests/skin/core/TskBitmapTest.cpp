#include "PixelFixtures.h"

#include "platform/win/Rect.h"
#include "skin/core/skColorHSL.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace skfix;

TEST(TskBitmap, SetSizeTakesAbsoluteValuesAndKeepsPixelsOnNoChange)
{
    TskBitmap b;
    EXPECT_TRUE(b.Empty());
    b.SetSize(-10, 5);
    EXPECT_EQ(b.GetWidth(), 10);
    EXPECT_EQ(b.GetHeight(), 5);
    b.Clear(0x12345678);
    b.SetSize(0, 5);
    b.SetSize(10, -5);
    EXPECT_EQ(At(b, 9, 4), 0x12345678u);
    b.SetSize(3, 3);
    EXPECT_EQ(At(b, 2, 2), 0u);
}

TEST(TskBitmap, CheckingAlphaBlendLooksForTranslucentPixels)
{
    auto b = FilledBitmap(4, 4, 0xFF000000);
    b->GetBits()[5] = 0;
    b->CheckingAlphaBlend();
    EXPECT_FALSE(b->GetAlphaBlend());
    b->GetBits()[10] = 0x80000000;
    b->CheckingAlphaBlend();
    EXPECT_TRUE(b->GetAlphaBlend());
    b->CheckingAlphaBlend(MakeRect(0, 0, 2, 2));
    EXPECT_FALSE(b->GetAlphaBlend());
}

TEST(TskBitmap, CheckingTransparentKeysColoursWithinFive)
{
    auto b = FilledBitmap(3, 1, 0);
    b->GetBits()[0] = MakeColor32(105, 45, 205, 255);
    b->GetBits()[1] = MakeColor32(100, 46 + 5, 200, 255);
    b->GetBits()[2] = MakeColor32(95, 35, 195, 9);
    b->CheckingTransparent(MakeColor32(100, 40, 200, 0));
    EXPECT_TRUE(b->GetTransparent());
    EXPECT_EQ(At(*b, 0, 0), TransparentColor32);
    EXPECT_EQ(At(*b, 1, 0), MakeColor32(100, 51, 200, 255));
    EXPECT_EQ(At(*b, 2, 0), TransparentColor32);
    b->CheckingTransparent(0x00FFFFFF);
    EXPECT_FALSE(b->GetTransparent());
}

TEST(TskBitmap, SetAlphaClipsItsRectangle)
{
    auto b = FilledBitmap(3, 3, 0x00123456);
    b->SetAlpha(0x80, MakeRect(2, -1, 9, 2));
    EXPECT_EQ(At(*b, 2, 1), 0x80123456u);
    EXPECT_EQ(At(*b, 2, 2), 0x00123456u);
    EXPECT_EQ(At(*b, 1, 0), 0x00123456u);
    b->SetAlpha(0xFF);
    EXPECT_EQ(At(*b, 0, 0), 0xFF123456u);
}

TEST(TskBitmap, FlipAndReflectionsFadeTowardsTheMiddle)
{
    auto b = CoordBitmap(1, 4);
    b->FlipVert();
    EXPECT_EQ(At(*b, 0, 0), Coord(0, 3));
    EXPECT_EQ(At(*b, 0, 3), Coord(0, 0));
    b->FlipVert();
    b->Reflection();
    const std::uint32_t alphas[4] = {85, 42, 0, 0};
    for (int y = 0; y < 4; ++y)
        EXPECT_EQ(At(*b, 0, y), Coord(0, 3 - y, alphas[y])) << y;

    auto b2 = CoordBitmap(1, 4);
    b2->Reflection2();
    EXPECT_EQ(AlphaOf(At(*b2, 0, 0)), 63u);
    EXPECT_EQ(AlphaOf(At(*b2, 0, 1)), 32u);
    auto b3 = CoordBitmap(1, 4, 0);
    b3->Reflection3();
    EXPECT_EQ(AlphaOf(At(*b3, 0, 0)), 0u);
}

TEST(TskBitmap, SaturationWrapsByTwoHundredFiftyFive)
{
    // A colour whose saturation rounds to 250 / 255.
    TskColor32 pixel = 0;
    for (std::uint32_t b = 0; b < 128 && pixel == 0; ++b)
        if (std::nearbyint(Pixel32ToHSL(MakeColor32(200, 100, b, 255)).S * 255) == 250)
            pixel = MakeColor32(200, 100, b, 255);
    ASSERT_NE(pixel, 0u);
    auto b = FilledBitmap(2, 1, pixel);
    b->GetBits()[1] = pixel & 0x00FFFFFF;
    b->ChangeBitmapSat(10);
    EXPECT_NEAR(Pixel32ToHSL(At(*b, 0, 0)).S, 5.0 / 255, 0.01);
    EXPECT_EQ(AlphaOf(At(*b, 0, 0)), 255u);
    EXPECT_EQ(At(*b, 1, 0), pixel & 0x00FFFFFF) << "transparent pixels are skipped";
}

TEST(TskBitmap, HueAndBrightnessKeepAlpha)
{
    auto b = FilledBitmap(1, 1, MakeColor32(255, 0, 0, 0x80));
    b->SetBitmapHue(85);  // a third of the circle: green
    EXPECT_EQ(At(*b, 0, 0), MakeColor32(0, 255, 0, 0x80));
    b->ChangeBitmapHue(85);
    EXPECT_EQ(At(*b, 0, 0), MakeColor32(0, 0, 255, 0x80));
    b->ChangeBitmapHue(-170);  // 170 - 170 = 0: red again
    EXPECT_EQ(At(*b, 0, 0), MakeColor32(255, 0, 0, 0x80));
    b->ChangeBitmapBrightness(-300);
    EXPECT_EQ(At(*b, 0, 0), MakeColor32(0, 0, 0, 0x80));
    b->ChangeBitmapBrightness(100);
    EXPECT_EQ(At(*b, 0, 0), MakeColor32(100, 100, 100, 0x80));
}

TEST(TskColorHSL, RoundTripsPrimaryAndGreyColours)
{
    for (TskColor32 c : {0xFFFF0000u, 0xFF00FF00u, 0xFF0000FFu, 0xFF808080u, 0xFFFFFFFFu, 0xFF000000u, 0xFF336699u})
        EXPECT_EQ(HSLToPixel32(Pixel32ToHSL(c)), c) << std::hex << c;
}

TEST(TskBitmap, OwnsADIBWhoseContextIsRecognised)
{
    EXPECT_EQ(FindBitmapByDC(nullptr), nullptr);
    auto b = FilledBitmap(4, 3, 0);
    ASSERT_NE(b->GetMemDC(), nullptr);
    EXPECT_NE(b->GetHandle(), nullptr);
    EXPECT_EQ(FindBitmapByDC(b->GetMemDC()), b.get());
    b->SetSize(5, 5);
    EXPECT_EQ(FindBitmapByDC(b->GetMemDC()), b.get());
    HDC dc = b->GetMemDC();
    b.reset();
    EXPECT_EQ(FindBitmapByDC(dc), nullptr);
}

TEST(TskBitmap, AFailedResizeLeavesItEmpty)
{
    auto b = FilledBitmap(4, 3, 0);
    try {
        b->SetSize(100000, 100000);
        FAIL() << "no exception";
    } catch (const Exception& e) {
        EXPECT_STREQ(e.what(), "Can't allocate the DIB handle");
    }
    EXPECT_TRUE(b->Empty());
    EXPECT_EQ(b->GetWidth(), 0);
    EXPECT_EQ(b->GetMemDC(), nullptr);
}

TEST(TskBitmap, AssignCopiesPixelsAndFlagsButNotFromAnEmptyBitmap)
{
    auto src = CoordBitmap(3, 2, 0x40);
    src->SetName("n");
    src->SetAlphaBlend(true);
    TskBitmap dst;
    dst.Assign(src.get());
    EXPECT_EQ(At(dst, 2, 1), Coord(2, 1, 0x40));
    EXPECT_EQ(dst.GetName(), "n");
    EXPECT_TRUE(dst.GetAlphaBlend());

    TskBitmap empty;
    dst.Assign(&empty);
    EXPECT_EQ(At(dst, 2, 1), Coord(2, 1, 0x40));
    EXPECT_EQ(dst.GetName(), "n");
}
