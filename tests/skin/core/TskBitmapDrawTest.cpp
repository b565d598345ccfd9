#include "PixelFixtures.h"

#include "platform/win/Rect.h"
#include "skin/core/skBitmapDraw.h"

#include <gtest/gtest.h>

#include <vector>

using namespace skfix;

namespace {
constexpr TskColor32 kBack = 0xFF000001;
}

TEST(TskBitmapDraw, TileRepeatsTheSourceAndCutsTheLastCells)
{
    auto src = CoordBitmap(10, 10);
    auto dst = FilledBitmap(27, 27, kBack);
    src->Tile(*dst, MakeRect(1, 1, 26, 26), MakeRect(0, 0, 10, 10));
    for (int y = 0; y < 27; ++y)
        for (int x = 0; x < 27; ++x) {
            const bool inside = x >= 1 && x < 26 && y >= 1 && y < 26;
            ASSERT_EQ(At(*dst, x, y), inside ? Coord((x - 1) % 10, (y - 1) % 10) : kBack) << x << "," << y;
        }
}

TEST(TskBitmapDraw, TileClipDrawsWholeCellsThatMeetTheClip)
{
    auto src = CoordBitmap(10, 10);
    auto dst = FilledBitmap(30, 10, kBack);
    src->TileClip(*dst, MakeRect(0, 0, 30, 10), MakeRect(12, 0, 13, 1), MakeRect(0, 0, 10, 10));
    EXPECT_EQ(At(*dst, 9, 9), kBack);
    EXPECT_EQ(At(*dst, 10, 9), Coord(0, 9));
    EXPECT_EQ(At(*dst, 19, 0), Coord(9, 0));
    EXPECT_EQ(At(*dst, 20, 0), kBack);
}

TEST(TskBitmapDraw, ScaledColumnsTruncateOnBitmapsAndRoundInDIBs)
{
    auto src = CoordBitmap(3, 1);
    auto dst = FilledBitmap(5, 1, kBack);
    src->Draw(*dst, MakeRect(0, 0, 5, 1));
    std::vector<TskColor32> dib(5, kBack);
    CopyToDIB(dib.data(), MakeRect(0, 0, 5, 1), MakeRect(0, 0, 5, 1), MakeRect(0, 0, 3, 1), *src, 1, 5);
    const int truncated[5] = {0, 0, 1, 1, 2}, rounded[5] = {0, 0, 1, 2, 2};
    for (int x = 0; x < 5; ++x) {
        EXPECT_EQ(At(*dst, x, 0), Coord(truncated[x], 0)) << x;
        EXPECT_EQ(dib[static_cast<std::size_t>(x)], Coord(rounded[x], 0)) << x;
    }
}

TEST(TskBitmapDraw, OnePixelTargetTakesTheMiddleOfTheSource)
{
    auto src = CoordBitmap(7, 4);
    auto dst = FilledBitmap(3, 3, kBack);
    src->Draw(*dst, MakeRect(1, 1, 2, 2), MakeRect(2, 0, 7, 4));
    EXPECT_EQ(At(*dst, 1, 1), Coord(4, 1));
    EXPECT_EQ(At(*dst, 0, 0), kBack);
    EXPECT_EQ(At(*dst, 2, 2), kBack);
}

TEST(TskBitmapDraw, SourceOnePixelPastTheEdgeDrawsNothing)
{
    auto src = CoordBitmap(4, 4);
    auto dst = FilledBitmap(8, 8, kBack);
    for (const RECT& s : {MakeRect(1, 0, 5, 4), MakeRect(0, 1, 4, 5), MakeRect(-1, 0, 3, 4), MakeRect(0, 0, 0, 4)}) {
        src->Draw(*dst, MakeRect(0, 0, 4, 4), s);
        src->Draw(*dst, MakeRect(0, 0, 8, 8), s);
    }
    for (int i = 0; i < 64; ++i)
        ASSERT_EQ(dst->GetBits()[i], kBack) << i;
}

TEST(TskBitmapDraw, DrawIsClippedToTheTarget)
{
    auto src = CoordBitmap(4, 4);
    auto dst = FilledBitmap(3, 3, kBack);
    src->Draw(*dst, -2, 1);
    EXPECT_EQ(At(*dst, 0, 1), Coord(2, 0));
    EXPECT_EQ(At(*dst, 1, 2), Coord(3, 1));
    EXPECT_EQ(At(*dst, 2, 1), kBack);
    EXPECT_EQ(At(*dst, 0, 0), kBack);
    src->Draw(*dst, 1, 1, MakeRect(2, 2, 4, 4));
    EXPECT_EQ(At(*dst, 1, 1), Coord(2, 2));
    EXPECT_EQ(At(*dst, 2, 2), Coord(3, 3));
}

TEST(TskBitmapDraw, AlphaWinsOverTheKey)
{
    auto src = FilledBitmap(2, 1, 0x807F007F);
    src->GetBits()[1] = 0x00FF0000;
    src->SetAlphaBlend(true);
    src->SetTransparent(true);
    auto dst = FilledBitmap(2, 1, 0xFFFFFFFF);
    src->Draw(*dst, 0, 0);
    EXPECT_EQ(At(*dst, 0, 0), BlendPixel(0x807F007F, 0xFFFFFFFF));
    EXPECT_EQ(At(*dst, 1, 0), 0xFFFFFFFFu);

    src->SetAlphaBlend(false);
    src->Draw(*dst, 0, 0);
    EXPECT_EQ(At(*dst, 0, 0), BlendPixel(0x807F007F, 0xFFFFFFFF));
    EXPECT_EQ(At(*dst, 1, 0), 0xFFFF0000u);
}

TEST(TskBitmapDraw, ScaledKeyedAndBlendedDrawsSampleEachRow)
{
    auto src = CoordBitmap(2, 2, 0x80);
    src->GetBits()[3] = TransparentColor32;
    src->SetTransparent(true);
    auto dst = FilledBitmap(4, 4, kBack);
    src->Draw(*dst, MakeRect(0, 0, 4, 4));
    // Scale (2-1)/(4-1): destination rows and columns 0..3 take 0, 0, 0, 1.
    EXPECT_EQ(At(*dst, 2, 2), Coord(0, 0));
    EXPECT_EQ(At(*dst, 3, 0), Coord(1, 0));
    EXPECT_EQ(At(*dst, 0, 3), Coord(0, 1));
    EXPECT_EQ(At(*dst, 3, 3), kBack);

    src->SetAlphaBlend(true);
    auto blended = FilledBitmap(4, 4, kBack);
    src->Draw(*blended, MakeRect(0, 0, 4, 4));
    EXPECT_EQ(At(*blended, 3, 0), BlendPixel(Coord(1, 0, 0x80), kBack));
    EXPECT_EQ(At(*blended, 3, 3), kBack);
}

TEST(TskBitmapDraw, DIBTargetsAreBottomUpAndClipped)
{
    auto src = CoordBitmap(3, 3);
    std::vector<TskColor32> dib(4 * 2, kBack);
    // Picture line y lives in memory row 1 - y; the draw reaches past the right and bottom.
    CopyToDIB(dib.data(), MakeRect(2, 0, 5, 3), MakeRect(0, 0, 100, 100), MakeRect(0, 0, 3, 3), *src, 2, 4);
    const std::vector<TskColor32> expected = {kBack, kBack, Coord(0, 1), Coord(1, 1),
                                              kBack, kBack, Coord(0, 0), Coord(1, 0)};
    EXPECT_EQ(dib, expected);

    std::vector<TskColor32> keyed(4 * 2, kBack);
    src->GetBits()[0] = TransparentColor32;
    TransparentToDIB(keyed.data(), MakeRect(1, 0, 3, 2), MakeRect(0, 0, 0, 0), MakeRect(0, 0, 2, 2), *src, 2, 4);
    EXPECT_EQ(keyed, std::vector<TskColor32>(8, kBack)) << "an empty clip draws nothing";
    TransparentToDIB(keyed.data(), MakeRect(1, 0, 3, 2), MakeRect(1, 0, 3, 2), MakeRect(0, 0, 2, 2), *src, 2, 4);
    EXPECT_EQ(keyed[4 + 1], kBack);
    EXPECT_EQ(keyed[4 + 2], Coord(1, 0));
    EXPECT_EQ(keyed[1], Coord(0, 1));
}

TEST(TskBitmapDraw, FillRectBlendsOnlyWhenAlphaBlend)
{
    auto b = FilledBitmap(3, 3, 0xFF000000);
    b->FillRect(MakeRect(-5, 1, 2, 9), 0x80FFFFFF);
    EXPECT_EQ(At(*b, 1, 2), 0x80FFFFFFu);
    EXPECT_EQ(At(*b, 2, 2), 0xFF000000u);
    EXPECT_EQ(At(*b, 0, 0), 0xFF000000u);
    b->SetAlphaBlend(true);
    b->FillRect(MakeRect(0, 0, 1, 1), 0x80FFFFFF);
    EXPECT_EQ(At(*b, 0, 0), BlendPixel(0x80FFFFFF, 0xFF000000));
    b->FillRect(MakeRect(1, 0, 2, 1), 0x00FFFFFF);
    EXPECT_EQ(At(*b, 1, 0), 0xFF000000u);
}

TEST(TskBitmapDraw, MergeDrawFillsOnlyTranslucentPixels)
{
    auto top = FilledBitmap(3, 1, 0xFF111111);
    top->GetBits()[0] = 0x00222222;
    top->GetBits()[1] = 0x80333333;
    auto under = CoordBitmap(5, 5);
    top->MergeDraw(*under, 0, 0, MakeRect(2, 3, 9, 9));
    EXPECT_EQ(At(*top, 0, 0), Coord(2, 3));
    EXPECT_EQ(At(*top, 1, 0), BlendPixel(0x80333333, Coord(3, 3)));
    EXPECT_EQ(At(*top, 2, 0), 0xFF111111u);
}
