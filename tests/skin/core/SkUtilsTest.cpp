#include "classlib/Streams.h"
#include "platform/win/Rect.h"
#include "skin/core/skButtonFace.h"
#include "skin/core/skUtils.h"

#include <gtest/gtest.h>

#include <cstring>

TEST(SkUtils, RectanglePredicates)
{
    EXPECT_TRUE(RectHasNoArea(MakeRect(10, 10, 10, 20)));
    EXPECT_TRUE(RectHasNoArea(MakeRect(10, 10, 5, 20)));
    EXPECT_FALSE(RectHasNoArea(MakeRect(0, 0, 1, 1)));
    EXPECT_FALSE(RectLiesWithin(MakeRect(0, 0, 10, 10), MakeRect(0, 0, 10, 10)));
    EXPECT_TRUE(RectLiesWithin(MakeRect(0, 0, 10, 10), MakeRect(0, 0, 11, 11)));
    EXPECT_TRUE(RectContainsPoint(MakeRect(0, 0, 10, 10), POINT{10, 10}));
    EXPECT_TRUE(RectRowsTouch(MakeRect(0, 5, 1, 30), MakeRect(0, 0, 10, 10)));
    EXPECT_TRUE(RectRowsTouch(MakeRect(0, -5, 1, 3), MakeRect(0, 0, 10, 10)));
    EXPECT_FALSE(RectRowsTouch(MakeRect(0, -5, 1, 10), MakeRect(0, 0, 10, 10)));
    EXPECT_TRUE(PointHasZeroCoord(POINT{0, 3}));
    EXPECT_EQ(LargerOf(-1, 2), 2);
    EXPECT_EQ(SmallerOf(-1, 2), -1);
}

TEST(SkUtils, StreamStringsAreCountedUtf16)
{
    TMemoryStream stream;
    WriteStreamString(&stream, "abc");
    WriteStreamString(&stream, "");
    WriteStreamString(&stream, "视频\xF0\x9F\x8E\xAC");
    const std::uint8_t abc[10] = {3, 0, 0, 0, 0x61, 0, 0x62, 0, 0x63, 0};
    ASSERT_GE(stream.Size(), 14);
    EXPECT_EQ(std::memcmp(stream.Memory(), abc, 10), 0);
    EXPECT_EQ(static_cast<const std::uint8_t*>(stream.Memory())[10], 0);
    stream.SetPosition(0);
    std::string a, empty, wide;
    ReadStreamString(&stream, a);
    ReadStreamString(&stream, empty);
    ReadStreamString(&stream, wide);
    EXPECT_EQ(a, "abc");
    EXPECT_EQ(empty, "");
    EXPECT_EQ(wide, "视频\xF0\x9F\x8E\xAC");

    TMemoryStream truncated;
    const std::uint8_t tooLong[6] = {0xFF, 0xFF, 0xFF, 0x7F, 0x61, 0};
    truncated.WriteBuffer(tooLong, 6);
    truncated.SetPosition(0);
    EXPECT_THROW(ReadStreamString(&truncated, a), EReadError);
}

TEST(SkUtils, ParseRectText)
{
    struct Case {
        const char* text;
        RECT expected;
    };
    for (const Case& c : {Case{"10, 20, 30, 40", MakeRect(10, 20, 30, 40)}, Case{"(10, 20, 30, 40)", RECT{}},
                          Case{"1:2;3=4", MakeRect(1, 2, 3, 4)}, Case{"-1,2,3,x", RECT{}}, Case{"1,2,3", RECT{}}}) {
        RECT r = MakeRect(9, 9, 9, 9);
        ParseRectText(c.text, r);
        EXPECT_EQ(r, c.expected) << c.text;
    }
    std::string text = "  ab c,d", token;
    ExtractRectToken(text, token);
    EXPECT_EQ(token, "");
    EXPECT_EQ(text, "ab c,d");
    ExtractRectToken(text, token);
    EXPECT_EQ(token, "ab");
    EXPECT_EQ(text, "c,d");
}

TEST(CalcButtonLayout, CentredAndMarginLayouts)
{
    const RECT r = MakeRect(0, 0, 100, 40);
    int tx, ty, gx, gy;
    CalcButtonLayout(blGlyphLeft, r, 0, 0, 30, 10, 4, -1, tx, ty, gx, gy);
    EXPECT_EQ(tx, 35) << "no glyph: the spacing is ignored and the text is centred";
    EXPECT_EQ(ty, 15);
    CalcButtonLayout(blGlyphLeft, r, 16, 16, 30, 10, 4, -1, tx, ty, gx, gy);
    EXPECT_EQ(gx, 25);
    EXPECT_EQ(tx, 45);
    EXPECT_EQ(gy, 12);
    CalcButtonLayout(blGlyphBottom, r, 16, 16, 30, 10, 4, -1, tx, ty, gx, gy);
    EXPECT_EQ(ty, 5);
    EXPECT_EQ(gy, 19);
    CalcButtonLayout(blGlyphRight, r, 16, 16, 30, 10, 4, 3, tx, ty, gx, gy);
    EXPECT_EQ(gx, 81);
    EXPECT_EQ(tx, 47);
    CalcButtonLayout(blGlyphTop, r, 16, 16, 30, 10, 4, 3, tx, ty, gx, gy);
    EXPECT_EQ(gy, 3);
    EXPECT_EQ(ty, 23);
    EXPECT_EQ(gx, 42);
}

TEST(SkUtils, PlatformOffersLayeredWindowsOnATrueColourScreen)
{
    EXPECT_TRUE(IsWin2000OrLater());
    EXPECT_TRUE(IsWinXPOrVistaPlus());
    EXPECT_TRUE(IsWinVistaOrLater());
    EXPECT_EQ(ScreenColorDepth(), 32);
    EXPECT_TRUE(IsTrueColorDisplay());
}
