#include "skin/core/skeffects.h"

#include <gtest/gtest.h>

TEST(PixelRoutines, BlendArithmetics)
{
    struct Case {
        TskColor32 f, b, plain, mmx;
    };
    const Case cases[] = {
        {0x80FFFFFF, 0xFFFFFFFF, 0xFFFEFEFE, 0xBFFFFFFF},
        // Opaque and fully transparent foregrounds: the plain routine short-cuts them, the
        // MMX one computes them like any other alpha.
        {0xFF102030, 0xFF405060, 0xFF102030, 0xFF102030},
        {0x00102030, 0xFF405060, 0xFF405060, 0xFF405060},
        // a = 64 over a half-transparent background; the MMX alpha is (64*64 + 128*192) >> 8.
        {0x40FF0000, 0x80000000 | 0x0000FF, 0xFF3F00BE, 0x703F00BF},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PlainBlendPixel(c.f, c.b), c.plain) << std::hex << c.f << " over " << c.b;
        EXPECT_EQ(MMXBlendPixel(c.f, c.b), c.mmx) << std::hex << c.f << " over " << c.b;
    }
}

TEST(PixelRoutines, EveryAlphaOfTheMMXArithmeticIsExact)
{
    for (std::uint32_t a = 0; a < 256; a += 17)
        for (std::uint32_t f = 0; f < 256; f += 51)
            for (std::uint32_t b = 0; b < 256; b += 15) {
                const TskColor32 result = MMXBlendPixel(MakeColor32(f, f, f, a), MakeColor32(b, b, b, b));
                EXPECT_EQ(RedOf(result), (f * a + b * (256 - a)) >> 8);
                EXPECT_EQ(AlphaOf(result), (a * a + b * (256 - a)) >> 8);
            }
}

TEST(PixelRoutines, SwitchSelectsTheArithmetic)
{
    SelectPixelRoutines(false);
    EXPECT_EQ(BlendPixel(0x80FFFFFF, 0xFFFFFFFF), 0xFFFEFEFEu);
    EXPECT_FALSE(MMXInUse());
    SelectPixelRoutines(true);
    EXPECT_EQ(BlendPixel(0x80FFFFFF, 0xFFFFFFFF), 0xBFFFFFFFu);
    EXPECT_TRUE(MMXInUse());
    SelectPixelRoutines();
#if defined(__x86_64__)
    EXPECT_TRUE(MMXInUse());
#endif
}

TEST(PixelRoutines, BlendRowSkipsCopiesAndBlends)
{
    for (bool mmx : {false, true}) {
        const TskColor32 src[3] = {0x00123456, 0xFF654321, 0x80FFFFFF};
        TskColor32 dst[3] = {0xFFABCDEF, 0xFF000000, 0xFFFFFFFF};
        (mmx ? MMXBlendRow : PlainBlendRow)(src, dst, 3);
        EXPECT_EQ(dst[0], 0xFFABCDEFu);
        EXPECT_EQ(dst[1], 0xFF654321u);
        EXPECT_EQ(dst[2], mmx ? 0xBFFFFFFFu : 0xFFFEFEFEu);
    }
}

TEST(PixelRoutines, TransparentRowComparesOnlyTheColour)
{
    const TskColor32 src[4] = {0x007F007F, 0xFF7F007F, 0x00112233, 0x807F0080};
    TskColor32 dst[4] = {1, 2, 3, 4};
    TransparentRow(src, dst, 4);
    EXPECT_EQ(dst[0], 1u);
    EXPECT_EQ(dst[1], 2u);
    EXPECT_EQ(dst[2], 0xFF112233u);
    EXPECT_EQ(dst[3], 0xFF7F0080u);
}

TEST(PixelRoutines, RectanglesAreInclusiveAndRowsMayBeEmpty)
{
    TskColor32 bits[4 * 3] = {};
    FillRect32(bits, 4, 0x11111111, 1, 0, 2, 1);
    SetAlphaRect32(bits, 4, 0xFF, 2, 1, 3, 2);
    const TskColor32 expected[12] = {0, 0x11111111, 0x11111111, 0,          //
                                     0, 0x11111111, 0xFF111111, 0xFF000000, //
                                     0, 0,          0xFF000000, 0xFF000000};
    for (int i = 0; i < 12; ++i)
        EXPECT_EQ(bits[i], expected[i]) << i;
    FillRow(bits, 0, 5);
    SetAlphaRow(bits, 0, 5);
    EXPECT_EQ(bits[0], 0u);
    TskColor32 keyed[2] = {0xFF123456, 0xFF123457};
    ClearAlphaOfColor(keyed, 2, 0x00123456);
    EXPECT_EQ(keyed[0], 0x00123456u);
    EXPECT_EQ(keyed[1], 0xFF123457u);
}
