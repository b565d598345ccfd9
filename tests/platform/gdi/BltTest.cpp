#include "Canvas.h"

#include "platform/gdi/Blt.h"
#include "platform/gdi/Drawing.h"
#include "platform/gdi/Dc.h"
#include "platform/gdi/Region.h"
#include "platform/gdi/Regions.h"
#include "platform/gdi/Surface.h"
#include "platform/gdi/SurfaceDC.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr std::uint32_t A = 0xFF0000AA, B = 0xFF0000BB, C = 0xFF0000CC, D = 0xFF0000DD, Z = 0;
const std::map<std::uint32_t, char> Legend{{A, 'a'}, {B, 'b'}, {C, 'c'}, {D, 'd'}, {Z, '.'}};

TEST(StretchBlt, TakesThePixelUnderEachDestinationCentre)
{
    Canvas src(4, 1);
    src.at(0, 0) = A;
    src.at(1, 0) = B;
    src.at(2, 0) = C;
    src.at(3, 0) = D;
    struct Case {
        int x, w, sx, sw;
        const char* row;
    } cases[] = {
        {0, 5, 0, 3, "aabcc\n"},   // 3 -> 5
        {0, 2, 0, 4, "bd...\n"},   // 4 -> 2: centres of the pairs fall on their right pixels
        {0, 3, 0, 3, "abc..\n"},   // same size
        {2, -3, 0, 3, "cba..\n"},  // a negative width mirrors, covering x 2 down to 0
        {0, 5, 3, 1, "ddddd\n"},   // one pixel stretched
        {0, 5, 2, 4, "cd...\n"},   // the source reaches beyond the bitmap: those pixels are skipped
    };
    for (const Case& c : cases) {
        Canvas dst(5, 1);
        EXPECT_TRUE(StretchBlt(dst.dc(), c.x, 0, c.w, 1, src.dc(), c.sx, 0, c.sw, 1, SRCCOPY));
        EXPECT_EQ(dst.Picture(Legend), c.row) << c.x << "," << c.w << " from " << c.sx << "," << c.sw;
    }
}

TEST(BitBlt, ClipsToTargetSourceAndClipRegion)
{
    Canvas src(3, 3, A);
    src.at(0, 0) = B;
    Canvas dst(4, 4);
    // Partly off the target's top-left corner: the source's first row and column fall outside.
    EXPECT_TRUE(BitBlt(dst.dc(), -1, -1, 3, 3, src.dc(), 0, 0, SRCCOPY));
    EXPECT_EQ(dst.Picture(Legend), "aa..\naa..\n....\n....\n");

    // A clip region with a hole; the source rectangle reaches past the source's right edge.
    Canvas clipped(4, 4);
    HRGN rgn = CreateRectRgn(0, 0, 4, 4);
    HRGN hole = CreateRectRgn(1, 1, 2, 2);
    CombineRgn(rgn, rgn, hole, RGN_DIFF);
    SelectClipRgn(clipped.dc(), rgn);
    EXPECT_TRUE(BitBlt(clipped.dc(), 0, 0, 4, 3, src.dc(), 0, 0, SRCCOPY));
    EXPECT_EQ(clipped.Picture(Legend), "baa.\na.a.\naaa.\n....\n");
    DeleteObject(rgn);
    DeleteObject(hole);
}

TEST(BitBlt, OverlappingCopyWithinOneBitmap)
{
    Canvas c(5, 1);
    c.at(0, 0) = A;
    c.at(1, 0) = B;
    c.at(2, 0) = C;
    EXPECT_TRUE(BitBlt(c.dc(), 1, 0, 3, 1, c.dc(), 0, 0, SRCCOPY));
    EXPECT_EQ(c.Picture(Legend), "aabc.\n");
}

TEST(BitBlt, RasterOperationsCombineWholeWords)
{
    const std::uint32_t s = 0x80F0A050, d = 0x40CC33AA;
    const std::uint32_t p = 0x00123456;  // the brush colour below as a pixel word, alpha 0
    struct Case {
        const char* name;
        DWORD rop;
        std::uint32_t expected;
    } cases[] = {
        {"SRCCOPY", SRCCOPY, s},
        {"SRCPAINT", SRCPAINT, s | d},
        {"SRCAND", SRCAND, s & d},
        {"SRCINVERT", SRCINVERT, s ^ d},
        {"SRCERASE", SRCERASE, s & ~d},
        {"NOTSRCCOPY", NOTSRCCOPY, ~s},
        {"NOTSRCERASE", NOTSRCERASE, ~(s | d)},
        {"MERGECOPY", MERGECOPY, p & s},
        {"MERGEPAINT", MERGEPAINT, ~s | d},
        {"PATCOPY", PATCOPY, p},
        {"PATPAINT", PATPAINT, p | ~s | d},
        {"PATINVERT", PATINVERT, p ^ d},
        {"DSTINVERT", DSTINVERT, ~d},
        {"BLACKNESS", BLACKNESS, 0u},
        {"WHITENESS", WHITENESS, 0xFFFFFFFFu},
    };
    Canvas src(1, 1, s);
    HBRUSH brush = CreateSolidBrush(RGB(0x12, 0x34, 0x56));
    for (const Case& c : cases) {
        Canvas dst(1, 1, d);
        SelectObject(dst.dc(), brush);
        EXPECT_TRUE(BitBlt(dst.dc(), 0, 0, 1, 1, src.dc(), 0, 0, c.rop));
        EXPECT_EQ(dst.at(0, 0), c.expected) << c.name;
        SelectObject(dst.dc(), GetStockObject(WHITE_BRUSH));
    }
    DeleteObject(brush);
}

TEST(BitBlt, MonochromeConvertsThroughBackgroundAndTextColours)
{
    HDC monoDc = CreateCompatibleDC(nullptr);
    HBITMAP mono = CreateCompatibleBitmap(monoDc, 2, 1);
    HGDIOBJ old = SelectObject(monoDc, mono);
    Canvas colour(2, 1, 0x00FF0000);  // red
    colour.at(1, 0) = 0x000000FF;     // blue
    SetBkColor(colour.dc(), RGB(255, 0, 0));
    // Colour to monochrome: the source's background colour becomes white.
    EXPECT_TRUE(BitBlt(monoDc, 0, 0, 2, 1, colour.dc(), 0, 0, SRCCOPY));
    EXPECT_EQ(GetPixel(monoDc, 0, 0), RGB(255, 255, 255));
    EXPECT_EQ(GetPixel(monoDc, 1, 0), RGB(0, 0, 0));
    // Monochrome to colour: white becomes the target's background colour, black its text colour.
    Canvas back(2, 1);
    SetBkColor(back.dc(), RGB(0, 255, 0));
    SetTextColor(back.dc(), RGB(0, 0, 255));
    EXPECT_TRUE(BitBlt(back.dc(), 0, 0, 2, 1, monoDc, 0, 0, SRCCOPY));
    EXPECT_EQ(back.at(0, 0), 0x0000FF00u);
    EXPECT_EQ(back.at(1, 0), 0x000000FFu);
    SelectObject(monoDc, old);
    DeleteObject(mono);
    DeleteDC(monoDc);
}

TEST(BitBlt, SurfaceContextDrawsAtItsOriginWithinItsDeviceClip)
{
    auto surface = std::make_shared<Surface>(6, 3);
    // A window at (2, 1) of the surface; only its first three columns are visible.
    HDC dc = CreateSurfaceDC(surface, POINT{2, 1}, Region(RECT{0, 0, 3, 5}));
    Canvas src(8, 8, A);
    SetViewportOrgEx(dc, -1, 0, nullptr);  // logical (1, 0) is device (0, 0)
    EXPECT_TRUE(BitBlt(dc, 0, 0, 8, 8, src.dc(), 0, 0, SRCCOPY));
    std::string rows;
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 6; ++x)
            rows += surface->Pixel(x, y) == A ? 'a' : '.';
        rows += '\n';
    }
    EXPECT_EQ(rows, "......\n..aaa.\n..aaa.\n");
    DeleteDC(dc);
}

TEST(AlphaBlend, StraightAlphaOverTheDestination)
{
    Canvas src(2, 1, 0x80FF0000);  // red, alpha 128
    src.at(1, 0) = 0x00FFFFFF;     // transparent
    Canvas dst(2, 1, 0x000000FF);  // blue, alpha 0 (as GDI leaves it)
    BLENDFUNCTION perPixel{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    EXPECT_TRUE(AlphaBlend(dst.dc(), 0, 0, 2, 1, src.dc(), 0, 0, 2, 1, perPixel));
    EXPECT_EQ(dst.at(0, 0), 0x8080007Fu);  // red 255*128/255, blue 255*127/255, alpha 128
    EXPECT_EQ(dst.at(1, 0), 0x000000FFu);

    Canvas whole(1, 1, 0x00000000);
    BLENDFUNCTION constant{AC_SRC_OVER, 0, 51, 0};  // 20 %, every byte alike
    Canvas white(1, 1, 0xFFFFFFFF);
    EXPECT_TRUE(AlphaBlend(whole.dc(), 0, 0, 1, 1, white.dc(), 0, 0, 1, 1, constant));
    EXPECT_EQ(whole.at(0, 0), 0x33333333u);

    EXPECT_FALSE(AlphaBlend(dst.dc(), 0, 0, 2, 1, src.dc(), 1, 0, 2, 1, perPixel));  // outside the source
    EXPECT_FALSE(AlphaBlend(dst.dc(), 0, 0, -2, 1, src.dc(), 0, 0, 2, 1, perPixel));
}

TEST(TransparentBlt, SkipsTheKeyColourWhateverItsAlpha)
{
    Canvas src(3, 1, 0xFF7F007F);  // the key colour with alpha 255
    src.at(1, 0) = A;
    Canvas dst(6, 1);
    EXPECT_TRUE(TransparentBlt(dst.dc(), 0, 0, 6, 1, src.dc(), 0, 0, 3, 1, RGB(127, 0, 127)));
    EXPECT_EQ(dst.Picture(Legend), "..aa..\n");
    EXPECT_FALSE(TransparentBlt(dst.dc(), 0, 0, 0, 1, src.dc(), 0, 0, 3, 1, 0));
}

} // namespace
