#include "PixelFixtures.h"

#include "skin/core/skBlur.h"

#include <gtest/gtest.h>

using namespace skfix;

TEST(BlurBitmap32, ImpulseSpreadsAsATent)
{
    auto b = FilledBitmap(5, 5, 0x00000000);
    b->GetBits()[2 * 5 + 2] = MakeColor32(255, 0, 0, 0);
    BlurBitmap32(*b, 1);
    const std::uint32_t red[5][5] = {{0, 0, 0, 0, 0},
                                     {0, 15, 31, 15, 0},
                                     {0, 31, 63, 31, 0},
                                     {0, 15, 31, 15, 0},
                                     {0, 0, 0, 0, 0}};
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 5; ++x)
            EXPECT_EQ(At(*b, x, y), MakeColor32(red[y][x], 0, 0, 255)) << x << "," << y;
}

TEST(BlurBitmap32, RadiusZeroChangesNothingAndUniformStaysUniform)
{
    auto b = CoordBitmap(4, 3, 0x40);
    BlurBitmap32(*b, 0);
    BlurBitmap32(*b, -2);
    EXPECT_EQ(At(*b, 3, 2), Coord(3, 2, 0x40));

    auto flat = FilledBitmap(7, 3, MakeColor32(10, 200, 77, 0));
    BlurBitmap32(*flat, 5);
    for (int i = 0; i < 21; ++i)
        EXPECT_EQ(flat->GetBits()[i], MakeColor32(10, 200, 77, 255));
}

TEST(BlurBitmap32, LargeRadiusMatchesTheDirectSum)
{
    auto b = CoordBitmap(9, 2);
    BlurBitmap32(*b, 3);
    // Row 0 of a picture two rows high: the vertical pass averages the rows with weights
    // 1+2+3+4 above-and-including row 0 (repeated) and 3+2+1 from row 1 (repeated).
    auto horizontal = [](int x) {
        int sum = 0;
        for (int k = -3; k <= 3; ++k)
            sum += (4 - (k < 0 ? -k : k)) * std::clamp(x + k, 0, 8);
        return sum / 16;
    };
    for (int x = 0; x < 9; ++x) {
        EXPECT_EQ(RedOf(At(*b, x, 0)), static_cast<std::uint32_t>(horizontal(x))) << x;
        EXPECT_EQ(GreenOf(At(*b, x, 0)), (0u * 10 + 1u * 6) / 16);
    }
}

TEST(AlphaFromGreyMask, AlphaIsTheTruncatedGreyLevel)
{
    auto b = FilledBitmap(2, 1, 0xFF123456);
    auto mask = FilledBitmap(3, 2, MakeColor32(255, 255, 254, 0));
    mask->GetBits()[1] = 0xFF000000;
    AlphaFromGreyMask(*b, *mask);
    EXPECT_EQ(At(*b, 0, 0), 0xFE123456u);
    EXPECT_EQ(At(*b, 1, 0), 0x00123456u);

    auto tooSmall = FilledBitmap(1, 1, 0);
    AlphaFromGreyMask(*b, *tooSmall);
    EXPECT_EQ(At(*b, 0, 0), 0xFE123456u);
}
