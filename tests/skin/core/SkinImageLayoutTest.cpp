#include "PixelFixtures.h"

#include "platform/win/Rect.h"
#include "skin/core/skSkinImageLayout.h"

#include <gtest/gtest.h>

using namespace skfix;

namespace {

constexpr TskColor32 kUnset = 0x01010101;

// Carries out the copies of a layout on 32-bit pictures (equal sizes copy exactly).
std::unique_ptr<TskBitmap> Render(const TskImagePieces& pieces, const TskBitmap& picture, int w, int h)
{
    auto target = FilledBitmap(w, h, kUnset);
    for (const TskImagePiece& p : pieces) {
        const RECT bounds = MakeRect(0, 0, picture.GetWidth(), picture.GetHeight());
        RECT inside;
        IntersectRect(&inside, &p.Src, &bounds);
        EXPECT_TRUE(EqualRect(&inside, &p.Src)) << "a piece reads outside its picture";
        picture.Draw(*target, p.Dst, p.Src);
    }
    return target;
}

// A 20 x 14 skin rectangle at (5, 3) of a 30 x 20 picture: corners of 6 x 5 with a client
// rectangle 4, 3, 16, 11 and edges 8 long (top and bottom) and 4 high (left and right).
const RECT kS = MakeRect(5, 3, 25, 17);
const SIZE kPicture{30, 20};

TskSliceGeometry GeometryFor(int W, int H)
{
    TskSliceGeometry g;
    g.LT = {6, 5};
    g.RT = {14, 5};
    g.LB = {6, 9};
    g.RB = {14, 9};
    g.C = MakeRect(4, 3, 16, 11);
    const int dw = W - 20, dh = H - 14;
    g.NLT = g.LT;
    g.NRT = {g.RT.x + dw, g.RT.y};
    g.NLB = {g.LB.x, g.LB.y + dh};
    g.NRB = {g.RB.x + dw, g.RB.y + dh};
    g.NC = MakeRect(g.C.left, g.C.top, g.C.right + dw, g.C.bottom + dh);
    return g;
}

} // namespace

TEST(SkinImageLayout, TargetOfTheSkinSizeReproducesTheSkinRectangle)
{
    auto picture = CoordBitmap(30, 20);
    for (bool stretch : {false, true}) {
        const TskImagePieces pieces = LayoutNineSliceImage(GeometryFor(20, 14), kPicture, kS, 20, 14, true,
                                                           TskEdgeStretch{stretch, stretch, stretch, stretch},
                                                           stretch, skstFull);
        auto image = Render(pieces, *picture, 20, 14);
        for (int y = 0; y < 14; ++y)
            for (int x = 0; x < 20; ++x)
                ASSERT_EQ(At(*image, x, y), Coord(x + 5, y + 3)) << x << "," << y << " stretch " << stretch;
    }
}

TEST(SkinImageLayout, OnePixelWiderRepeatsTheTopEdgeOnceMore)
{
    auto picture = CoordBitmap(30, 20);
    const TskImagePieces pieces =
        LayoutNineSliceImage(GeometryFor(21, 14), kPicture, kS, 21, 14, true, TskEdgeStretch{}, false, skstFull);
    auto image = Render(pieces, *picture, 21, 14);
    for (int x = 6; x < 14; ++x)
        EXPECT_EQ(At(*image, x, 0), Coord(x + 5, 3)) << x;
    EXPECT_EQ(At(*image, 14, 0), Coord(6 + 5, 3)) << "the one-pixel tile starts the edge again";
    for (int x = 15; x < 21; ++x)
        EXPECT_EQ(At(*image, x, 2), Coord(x - 1 + 5, 2 + 3)) << "top-right corner moved by one";
    // The centre (12 wide) is tiled once more by one column as well.
    EXPECT_EQ(At(*image, 16, 6), Coord(4 + 5, 6 + 3));
    for (int i = 0; i < 21 * 14; ++i)
        ASSERT_NE(image->GetBits()[i], kUnset) << i;
}

TEST(SkinImageLayout, CentreStretchTypes)
{
    const TskSliceGeometry g = GeometryFor(40, 20);  // NC is 32 x 14, C is 12 x 8
    const RECT C = MakeRect(4 + 5, 3 + 3, 16 + 5, 11 + 3);
    auto centre = [&](TskStretchType type) {
        TskImagePieces pieces = LayoutNineSliceImage(g, kPicture, kS, 40, 20, true, TskEdgeStretch{}, true, type);
        TskImagePieces last;
        for (const TskImagePiece& p : pieces)
            if (p.Dst.left >= 4 && p.Dst.top >= 3 && p.Dst.right <= 36 && p.Dst.bottom <= 17)
                last.push_back(p);
        return last;
    };
    EXPECT_EQ(centre(skstFull), (TskImagePieces{{MakeRect(4, 3, 36, 17), C}}));
    EXPECT_EQ(centre(skstHorz), (TskImagePieces{{MakeRect(4, 3, 16, 17), C},
                                                {MakeRect(16, 3, 28, 17), C},
                                                {MakeRect(28, 3, 36, 17), MakeRect(9, 6, 17, 14)}}));
    EXPECT_EQ(centre(skstVert), (TskImagePieces{{MakeRect(4, 3, 36, 11), C},
                                                {MakeRect(4, 11, 36, 17), MakeRect(9, 6, 21, 12)}}));
    TskImagePieces noCentre =
        LayoutNineSliceImage(g, kPicture, kS, 40, 20, false, TskEdgeStretch{}, true, skstFull);
    for (const TskImagePiece& p : noCentre)
        EXPECT_NE(p.Dst, MakeRect(4, 3, 36, 17));
}

TEST(SkinImageLayout, CoincidentCornersOrAnEmptyPictureDrawNothing)
{
    TskSliceGeometry g = GeometryFor(20, 14);
    g.RB.x = g.LT.x;
    EXPECT_TRUE(LayoutNineSliceImage(g, kPicture, kS, 20, 14, true, {}, false, skstFull).empty());
    EXPECT_TRUE(LayoutNineSliceImage(GeometryFor(20, 14), SIZE{0, 0}, kS, 20, 14, true, {}, false, skstFull).empty());
}

TEST(SkinImageLayout, SkinRectanglePastThePictureIsCut)
{
    auto picture = CoordBitmap(30, 20);
    const RECT outside = MakeRect(15, 10, 35, 24);  // 5 columns and 4 rows past the picture
    const TskImagePieces pieces =
        LayoutNineSliceImage(GeometryFor(20, 14), kPicture, outside, 20, 14, true, {}, false, skstFull);
    auto image = Render(pieces, *picture, 20, 14);
    EXPECT_EQ(At(*image, 0, 0), Coord(15, 10));
    EXPECT_EQ(At(*image, 14, 9), Coord(29, 19));
    EXPECT_EQ(At(*image, 19, 13), kUnset);
}

TEST(SkinImageLayout, OpenRightRunsToTheRightEdge)
{
    auto picture = CoordBitmap(30, 20);
    const TskImagePieces pieces =
        LayoutNineSliceOpenRight(GeometryFor(30, 14), kPicture, kS, 30, 14, true, {}, false, skstFull);
    auto image = Render(pieces, *picture, 30, 14);
    EXPECT_EQ(At(*image, 29, 0), Coord(6 + (29 - 6) % 8 + 5, 3));
    EXPECT_EQ(At(*image, 29, 13), Coord(6 + (29 - 6) % 8 + 5, 13 + 3));
    EXPECT_EQ(At(*image, 29, 5), Coord(4 + (29 - 4) % 12 + 5, 5 + 3));
}

TEST(SkinImageLayout, BandImagesWithAndWithoutEnds)
{
    auto picture = CoordBitmap(30, 4);
    const RECT S = MakeRect(2, 0, 22, 4);  // 20 wide: ends of 5 and 5, middle 10
    auto both = Render(LayoutHorzBandImage(5, 5, SIZE{30, 4}, S, 27, false), *picture, 27, 4);
    const int expected[27] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 5, 6, 7, 8, 9, 10, 11, 15, 16, 17, 18, 19};
    for (int x = 0; x < 27; ++x)
        EXPECT_EQ(At(*both, x, 3), Coord(expected[x] + 2, 3)) << x;

    auto leftEnd = Render(LayoutHorzBandImageLeftEnd(5, 5, SIZE{30, 4}, S, 17, false), *picture, 17, 4);
    EXPECT_EQ(At(*leftEnd, 4, 0), Coord(4 + 2, 0));
    EXPECT_EQ(At(*leftEnd, 16, 0), Coord(6 + 2, 0));

    const TskImagePieces noEnds = LayoutHorzBandImageNoEnds(5, 5, SIZE{30, 4}, S, 100, false);
    ASSERT_EQ(noEnds.size(), 10u);
    for (int k = 0; k < 10; ++k)
        EXPECT_EQ(noEnds[static_cast<std::size_t>(k)], (TskImagePiece{MakeRect(10 * k, 0, 10 * k + 10, 4), MakeRect(7, 0, 17, 4)}));

    EXPECT_EQ(LayoutHorzBandImage(5, 5, SIZE{30, 4}, S, 40, true).back(),
              (TskImagePiece{MakeRect(5, 0, 35, 4), MakeRect(7, 0, 17, 4)}));
    EXPECT_EQ(LayoutHorzBandImage(10, 10, SIZE{30, 4}, S, 40, false).size(), 2u) << "an empty middle is not drawn";

    auto tall = CoordBitmap(3, 10);
    auto vert = Render(LayoutVertBandImage(2, 3, SIZE{3, 10}, MakeRect(0, 0, 3, 10), 14, false), *tall, 3, 14);
    const int rows[14] = {0, 1, 2, 3, 4, 5, 6, 2, 3, 4, 5, 7, 8, 9};
    for (int y = 0; y < 14; ++y)
        EXPECT_EQ(At(*vert, 1, y), Coord(1, rows[y])) << y;
}

TEST(SkinImageLayout, FrameBorderImages)
{
    auto picture = CoordBitmap(30, 20);
    const TskSliceGeometry g = GeometryFor(24, 16);
    const TskFrameBorderLayout f = LayoutFrameBorderImages(g, kPicture, kS, 24, 16, TskEdgeStretch{}, 0, 0);
    EXPECT_EQ(f.TopSize, (SIZE{24, 3}));
    EXPECT_EQ(f.BottomSize, (SIZE{24, 3}));
    EXPECT_EQ(f.LeftSize, (SIZE{4, 10}));
    EXPECT_EQ(f.RightSize, (SIZE{4, 10}));
    auto top = Render(f.Top, *picture, 24, 3);
    EXPECT_EQ(At(*top, 0, 0), Coord(5, 3));
    EXPECT_EQ(At(*top, 8, 1), Coord(6 + 5, 4)) << "tiles start at x = 0, under the left piece";
    EXPECT_EQ(At(*top, 23, 2), Coord(19 + 5, 5));
    auto left = Render(f.Left, *picture, 4, 10);
    // The edge rows 5..9 repeated from row 0, then rows 3..5 of the skin over the first rows and
    // rows 9..11 over the last.
    const int rows[10] = {3, 4, 7, 8, 5, 6, 7, 8, 9, 10};
    for (int y = 0; y < 10; ++y)
        EXPECT_EQ(At(*left, 1, y), Coord(1 + 5, rows[y] + 3)) << y;
    auto bottom = Render(f.Bottom, *picture, 24, 3);
    EXPECT_EQ(At(*bottom, 23, 2), Coord(19 + 5, 13 + 3));
}

TEST(SkinImageLayout, EdgeMasksFollowTheNewSize)
{
    const TskSliceGeometry g = GeometryFor(24, 16);
    const TskEdgeMaskLayout m = LayoutEdgeMasks(g, SIZE{20, 14}, 24);
    EXPECT_EQ(m.TopSize, (SIZE{24, 3}));
    EXPECT_EQ(m.LeftSize, (SIZE{4, 10}));
    EXPECT_EQ(m.RightSize, (SIZE{4, 10}));
    EXPECT_EQ(m.BottomSize, (SIZE{24, 3}));
    auto mask = CoordBitmap(20, 14);
    auto top = Render(m.Top, *mask, 24, 3);
    EXPECT_EQ(At(*top, 5, 0), Coord(5, 0));
    EXPECT_EQ(At(*top, 14, 0), Coord(6, 0));
    EXPECT_EQ(At(*top, 18, 1), Coord(14, 1));
    auto right = Render(m.Right, *mask, 4, 10);
    EXPECT_EQ(At(*right, 0, 0), Coord(16, 3));
    EXPECT_EQ(At(*right, 3, 9), Coord(19, 10));
}
