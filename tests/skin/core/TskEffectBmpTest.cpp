#include "platform/win/Rect.h"
#include "skin/core/TskBitmap.h"
#include "skin/core/TskEffectBmp.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

// Pixel (x, y) of picture `tag`: red x, green y, blue tag.
std::uint32_t CoordRGB(int x, int y, std::uint32_t tag)
{
    return (static_cast<std::uint32_t>(x) << 16) | (static_cast<std::uint32_t>(y) << 8) | tag;
}

TskEffectBmp CoordPicture(int w, int h, std::uint32_t tag)
{
    TskEffectBmp b(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            b.SetPixel(x, y, CoordRGB(x, y, tag));
    return b;
}

TskEffectBmp Flat(int w, int h, std::uint32_t rgb)
{
    TskEffectBmp b(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            b.SetPixel(x, y, rgb);
    return b;
}

bool SamePixels(const TskEffectBmp& a, const TskEffectBmp& b)
{
    if (a.Width != b.Width || a.Height != b.Height)
        return false;
    for (int y = 0; y < a.Height; ++y)
        for (int x = 0; x < a.Width; ++x)
            if (a.GetPixel(x, y) != b.GetPixel(x, y))
                return false;
    return true;
}

constexpr std::uint32_t kA = 0x10, kB = 0x20;
const double kNaN = std::numeric_limits<double>::quiet_NaN();

} // namespace

TEST(TskEffectBmp, RowsArePaddedToFourBytes)
{
    for (int w : {1, 2, 3, 4, 5}) {
        TskEffectBmp b(w, 2);
        EXPECT_EQ(b.RowSize(), w * 3 + w % 4);
        EXPECT_EQ(b.Size, b.RowSize() * 2);
    }
}

TEST(TskEffectBmp, MorphClampsItsShare)
{
    const TskEffectBmp normal = CoordPicture(4, 3, kA), active = CoordPicture(4, 3, kB);
    struct Case {
        double kf;
        const TskEffectBmp& expected;
    };
    for (const Case& c : {Case{0, normal}, Case{1, active}, Case{1.5, active}, Case{-2, normal}, Case{kNaN, normal}}) {
        TskEffectBmp b(normal);
        b.Morph(active, c.kf);
        EXPECT_TRUE(SamePixels(b, c.expected)) << c.kf;
    }
    TskEffectBmp half = Flat(1, 1, 0x000000);
    half.Morph(Flat(1, 1, 0xFF0305), 0.5);
    EXPECT_EQ(half.GetPixel(0, 0), 0x800202u) << "127.5 and 1.5 round to even, 2.5 too";
}

TEST(TskEffectBmp, TransitionsOfAnotherSizeDoNothing)
{
    const TskEffectBmp active = CoordPicture(5, 3, kB);
    using Op = void (TskEffectBmp::*)(const TskEffectBmp&, double);
    for (Op op : {&TskEffectBmp::Morph, &TskEffectBmp::MorphGrad, &TskEffectBmp::MorphLeftGrad,
                  &TskEffectBmp::MorphRightGrad, &TskEffectBmp::MorphPush, &TskEffectBmp::MorphLeftSlide,
                  &TskEffectBmp::MorphRightSlide}) {
        TskEffectBmp b = CoordPicture(4, 3, kA);
        (b.*op)(active, 0.5);
        EXPECT_TRUE(SamePixels(b, CoordPicture(4, 3, kA)));
    }
}

TEST(TskEffectBmp, SlidesAndPushShowAtLeastOneColumn)
{
    const TskEffectBmp active = CoordPicture(6, 2, kB);
    TskEffectBmp left = CoordPicture(6, 2, kA);
    left.MorphLeftSlide(active, 0);
    EXPECT_EQ(left.GetPixel(0, 1), CoordRGB(5, 1, kB));
    EXPECT_EQ(left.GetPixel(1, 1), CoordRGB(1, 1, kA));

    TskEffectBmp leftAll = CoordPicture(6, 2, kA);
    leftAll.MorphLeftSlide(active, kNaN);
    EXPECT_EQ(leftAll.GetPixel(0, 0), CoordRGB(5, 0, kB));
    leftAll.MorphLeftSlide(active, 1);
    EXPECT_EQ(leftAll.GetPixel(0, 0), CoordRGB(1, 0, kB));
    EXPECT_EQ(leftAll.GetPixel(4, 0), CoordRGB(5, 0, kB));
    EXPECT_EQ(leftAll.GetPixel(5, 0), CoordRGB(5, 0, kA));

    TskEffectBmp right = CoordPicture(6, 2, kA);
    right.MorphRightSlide(active, 2.0 / 6);
    EXPECT_EQ(right.GetPixel(3, 0), CoordRGB(3, 0, kA));
    EXPECT_EQ(right.GetPixel(4, 0), CoordRGB(0, 0, kB));
    EXPECT_EQ(right.GetPixel(5, 1), CoordRGB(1, 1, kB));

    TskEffectBmp push = CoordPicture(6, 2, kA);
    push.MorphPush(active, 0);
    EXPECT_EQ(push.GetPixel(0, 1), CoordRGB(5, 1, kB));
    for (int x = 1; x < 6; ++x)
        EXPECT_EQ(push.GetPixel(x, 1), CoordRGB(x - 1, 1, kA));
    TskEffectBmp pushed = CoordPicture(6, 2, kA);
    pushed.MorphPush(active, 7);
    for (int x = 0; x < 6; ++x)
        EXPECT_EQ(pushed.GetPixel(x, 0), CoordRGB(x, 0, kB));
}

TEST(TskEffectBmp, CentreGradientStartsWithOneColumn)
{
    TskEffectBmp b = Flat(10, 1, 0x000000);
    b.MorphGrad(Flat(10, 1, 0xFFFFFF), 0);
    // Column 5 is the active picture; weights of the normal one grow by 0.2 to both sides.
    const std::uint32_t expected[10] = {0, 51, 102, 153, 204, 255, 204, 153, 102, 51};
    for (int x = 0; x < 10; ++x)
        EXPECT_EQ(b.GetPixel(x, 0) & 0xFF, expected[x]) << x;

    TskEffectBmp tall = Flat(1, 5, 0x000000);
    tall.MorphGrad(Flat(1, 5, 0xFFFFFF), 1);
    for (int y = 0; y < 5; ++y)
        EXPECT_EQ(tall.GetPixel(0, y), 0xFFFFFFu) << "a gradient of no rows is all active picture";
}

TEST(TskEffectBmp, EdgeGradients)
{
    TskEffectBmp left = Flat(5, 1, 0x000000);
    left.MorphLeftGrad(Flat(5, 1, 0xFFFFFF), 0.8);
    const std::uint32_t fromLeft[5] = {255, 191, 128, 64, 0};
    for (int x = 0; x < 5; ++x)
        EXPECT_EQ(left.GetPixel(x, 0) & 0xFF, fromLeft[x]) << x;

    TskEffectBmp right = Flat(5, 1, 0x000000);
    right.MorphRightGrad(Flat(5, 1, 0xFFFFFF), 0.4);
    const std::uint32_t fromRight[5] = {0, 0, 0, 128, 255};
    for (int x = 0; x < 5; ++x)
        EXPECT_EQ(right.GetPixel(x, 0) & 0xFF, fromRight[x]) << x;

    TskEffectBmp none = Flat(5, 1, 0x000000);
    none.MorphRightGrad(Flat(5, 1, 0xFFFFFF), kNaN);
    EXPECT_EQ(none.GetPixel(4, 0), 0xFFFFFFu);
    EXPECT_EQ(none.GetPixel(0, 0), 0u);
}

TEST(TskEffectBmp, BrightnessDarknessGreyAndInvert)
{
    TskEffectBmp b = Flat(2, 1, 0x000000);
    b.SetPixel(1, 0, 0xFFFFFF);
    b.ChangeBrightness(0.5);
    EXPECT_EQ(b.GetPixel(0, 0), 0x808080u);
    EXPECT_EQ(b.GetPixel(1, 0), 0xFFFFFFu);
    b.ChangeBrightness(kNaN);
    EXPECT_EQ(b.GetPixel(0, 0), 0x808080u);
    b.ChangeDarkness(5);
    EXPECT_EQ(b.GetPixel(1, 0), 0u);

    TskEffectBmp g = Flat(2, 1, 0xFFFFFF);
    g.SetPixel(1, 0, 0x0A6432);  // 0.3 * 10 + 0.59 * 100 + 0.11 * 50 = 67.5
    g.GrayScale();
    EXPECT_EQ(g.GetPixel(0, 0), 0xFFFFFFu);
    EXPECT_EQ(g.GetPixel(1, 0), 0x444444u);
    g.Invert();
    EXPECT_EQ(g.GetPixel(1, 0), 0xBBBBBBu);
}

TEST(TskEffectBmp, QuarterTurnsAndFlip)
{
    const TskEffectBmp src = CoordPicture(3, 2, kA);
    TskEffectBmp ccw(2, 3), back(3, 2), wrong(3, 2);
    src.Rotate90_1(ccw);
    EXPECT_EQ(ccw.GetPixel(0, 2), CoordRGB(0, 0, kA));
    EXPECT_EQ(ccw.GetPixel(1, 0), CoordRGB(2, 1, kA));
    ccw.Rotate90_2(back);
    EXPECT_TRUE(SamePixels(back, src));
    src.Rotate90_1(wrong);
    EXPECT_TRUE(SamePixels(wrong, TskEffectBmp(3, 2))) << "a destination of the wrong size stays";

    TskEffectBmp cw(2, 3);
    src.Rotate90_2(cw);
    EXPECT_EQ(cw.GetPixel(1, 0), CoordRGB(0, 0, kA));
    EXPECT_EQ(cw.GetPixel(0, 2), CoordRGB(2, 1, kA));

    TskEffectBmp flipped(3, 2);
    src.FlipVert(flipped);
    EXPECT_EQ(flipped.GetPixel(2, 0), CoordRGB(2, 1, kA));
}

TEST(TskEffectBmp, SplitBlurKeepsItsNeighboursInside)
{
    TskEffectBmp row = Flat(3, 1, 0);
    row.SetPixel(0, 0, 0x000040);
    row.SplitBlur(1);
    // The row is read as it was before the pass; its only row is both upper and lower row, and
    // pixel 2's right neighbour falls back to column 3 - 2.
    EXPECT_EQ(row.GetPixel(0, 0), 0x20u);
    EXPECT_EQ(row.GetPixel(1, 0), 0x20u);
    EXPECT_EQ(row.GetPixel(2, 0), 0u);

    TskEffectBmp b = Flat(4, 4, 0x808080);
    b.SplitBlur(-3);
    EXPECT_EQ(b.GetPixel(3, 3), 0x808080u);
}

TEST(TskEffectBmp, MaskOperationsSpareWhiteMaskPixels)
{
    TskEffectBmp mask = Flat(2, 1, 0xFFFFFF);
    mask.SetPixel(1, 0, 0xFFFFFE);
    TskEffectBmp b = Flat(2, 1, 0x000000);
    b.MaskFillColor(mask, RGB(255, 0, 0), 0.5);
    EXPECT_EQ(b.GetPixel(0, 0), 0u);
    EXPECT_EQ(b.GetPixel(1, 0), 0x800000u);

    TskEffectBmp small = Flat(2, 1, 0);
    small.MaskFillColor(Flat(1, 1, 0), RGB(255, 0, 0), 1);
    EXPECT_EQ(small.GetPixel(0, 0), 0u) << "a mask of another width does nothing";

    TskEffectBmp edge = Flat(3, 1, 0);
    edge.SetPixel(2, 0, 0x000080);
    TskEffectBmp edgeMask = Flat(3, 1, 0);
    edgeMask.SetPixel(2, 0, 0xFFFFFF);
    edge.MaskAntialiasing(edgeMask, 1);
    EXPECT_EQ(edge.GetPixel(0, 0), 0u) << "no white mask neighbour";
    EXPECT_EQ(edge.GetPixel(1, 0), 0x40u);
    EXPECT_EQ(edge.GetPixel(2, 0), 0x80u);
}

TEST(TskEffectBmp, MosaicWaveAndResize)
{
    TskEffectBmp m = CoordPicture(5, 5, kA);
    m.Mosaic(2);
    EXPECT_EQ(m.GetPixel(1, 1), CoordRGB(0, 0, kA));
    EXPECT_EQ(m.GetPixel(4, 3), CoordRGB(4, 2, kA));

    TskEffectBmp w = CoordPicture(4, 4, kA);
    w.Wave(0, 1, 5);
    EXPECT_TRUE(SamePixels(w, CoordPicture(4, 4, kA)));
    w.Wave(1, 1, 100);
    EXPECT_EQ(w.GetPixel(0, 0), CoordRGB(0, 0, kA));
    EXPECT_EQ(w.GetPixel(0, 1), CoordRGB(3, 1, kA)) << "sin(1) * 100 is clamped to the last column";

    TskEffectBmp big(5, 3);
    CoordPicture(2, 1, kA).Resize(big);
    EXPECT_EQ(big.GetPixel(0, 0), CoordRGB(0, 0, kA));
    // Blocks of 3 x 3 from columns 0 and 2; the second overlaps the first.
    EXPECT_EQ(big.GetPixel(1, 2), CoordRGB(0, 0, kA));
    EXPECT_EQ(big.GetPixel(2, 2), CoordRGB(1, 0, kA));
    EXPECT_EQ(big.GetPixel(4, 1), CoordRGB(1, 0, kA));
}

TEST(TskEffectBmp, CopyRectAndMorphRectCheckTheirAreas)
{
    TskEffectBmp b = CoordPicture(4, 4, kA);
    const TskEffectBmp active = CoordPicture(4, 4, kB);
    b.CopyRect(active, MakeRect(2, 2, 9, 9), 0, 0);
    EXPECT_EQ(b.GetPixel(3, 3), CoordRGB(1, 1, kB)) << "right and bottom are inclusive and cut";
    EXPECT_EQ(b.GetPixel(1, 1), CoordRGB(1, 1, kA));
    b.CopyRect(active, MakeRect(0, 0, 1, 1), 3, 3);
    EXPECT_EQ(b.GetPixel(0, 0), CoordRGB(0, 0, kA)) << "a source area outside BMP is refused";

    b.MorphRect(active, 1, MakeRect(0, 0, 1, 2), 3, 2);
    EXPECT_EQ(b.GetPixel(0, 1), CoordRGB(3, 3, kB));
    b.MorphRect(active, 1, MakeRect(0, 0, 5, 1), 0, 0);
    EXPECT_EQ(b.GetPixel(1, 0), CoordRGB(1, 0, kA));
}

TEST(TskEffectBmp, NoiseStaysWithinItsAmount)
{
    TskEffectBmp b = Flat(8, 8, 0x808080);
    b.AddMonoNoise(10);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) {
            const std::uint32_t p = b.GetPixel(x, y);
            const int v = static_cast<int>(p & 0xFF);
            EXPECT_EQ(p, static_cast<std::uint32_t>(v * 0x010101));
            EXPECT_GE(v, 128 - 5);
            EXPECT_LE(v, 128 + 4);
        }
    b.AddColorNoise(0);
    b.AddMonoNoise(-4);
}

TEST(TskEffectBmpDC, CopiesABitmapAndDrawsItBack)
{
    TskBitmap source;
    source.SetSize(3, 2);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x)
            source.GetBits()[y * 3 + x] = 0xFF000000u | CoordRGB(x, y, kA);
    TskEffectBmp copy(source.GetHandle());
    ASSERT_EQ(copy.Width, 3);
    ASSERT_EQ(copy.Height, 2);
    EXPECT_EQ(copy.GetPixel(2, 1), CoordRGB(2, 1, kA));

    TskBitmap target;
    target.SetSize(5, 4);
    copy.Draw(target.GetMemDC(), 1, 1);
    EXPECT_EQ(target.GetBits()[1 * 5 + 1] & 0xFFFFFF, CoordRGB(0, 0, kA));
    EXPECT_EQ(target.GetBits()[2 * 5 + 3] & 0xFFFFFF, CoordRGB(2, 1, kA));

    TskBitmap stretched;
    stretched.SetSize(6, 4);
    copy.Stretch(stretched.GetMemDC(), 0, 0, 6, 4);
    EXPECT_EQ(stretched.GetBits()[3 * 6 + 5] & 0xFFFFFF, CoordRGB(2, 1, kA));
    EXPECT_EQ(stretched.GetBits()[0] & 0xFFFFFF, CoordRGB(0, 0, kA));

    TskEffectBmp none(static_cast<HBITMAP>(nullptr));
    EXPECT_EQ(none.Bits, nullptr);
    EXPECT_EQ(none.Width, 0);
    none.Draw(target.GetMemDC(), 0, 0);
}
