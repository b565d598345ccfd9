#include "Canvas.h"

#include "platform/gdi/Dc.h"
#include "platform/gdi/Drawing.h"
#include "platform/gdi/Objects.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr std::uint32_t Black = 0, White = 0x00FFFFFF, Red = 0x00FF0000, Blue = 0x000000FF;
const std::map<std::uint32_t, char> Legend{{Black, '.'}, {White, '#'}, {Red, 'r'}, {Blue, 'b'}};

std::string Lines(std::vector<std::vector<POINT>> polylines, int w, int h)
{
    Canvas c(w, h);
    SelectObject(c.dc(), GetStockObject(WHITE_PEN));
    for (const auto& p : polylines) {
        if (p.size() == 2) {
            MoveToEx(c.dc(), p[0].x, p[0].y, nullptr);
            LineTo(c.dc(), p[1].x, p[1].y);
        } else {
            Polyline(c.dc(), p.data(), static_cast<int>(p.size()));
        }
    }
    return c.Picture(Legend);
}

TEST(Lines, ExcludeTheirEndPoint)
{
    EXPECT_EQ(Lines({{{0, 0}, {4, 0}}}, 5, 1), "####.\n");
    EXPECT_EQ(Lines({{{4, 0}, {0, 0}}}, 5, 1), ".####\n");
    EXPECT_EQ(Lines({{{0, 0}, {3, 3}}}, 4, 4), "#...\n.#..\n..#.\n....\n");
    EXPECT_EQ(Lines({{{1, 3}, {1, 0}}}, 3, 4), "...\n.#.\n.#.\n.#.\n");
    // A polyline draws its corners once and leaves out only its last point.
    EXPECT_EQ(Lines({{{0, 0}, {3, 0}, {3, 2}, {0, 2}}}, 4, 3), "####\n...#\n.###\n");
    // A line far outside the bitmap costs nothing and draws only its visible part.
    EXPECT_EQ(Lines({{{-2000000000, 1}, {2000000000, 1}}}, 3, 2), "...\n###\n");
}

TEST(Lines, DashedPenFillsGapsOnlyWhenOpaque)
{
    Canvas c(8, 2);
    HPEN dot = CreatePen(PS_DOT, 1, RGB(255, 255, 255));
    SelectObject(c.dc(), dot);
    SetBkColor(c.dc(), RGB(255, 0, 0));
    MoveToEx(c.dc(), 0, 0, nullptr);
    LineTo(c.dc(), 8, 0);
    SetBkMode(c.dc(), TRANSPARENT);
    MoveToEx(c.dc(), 0, 1, nullptr);
    LineTo(c.dc(), 8, 1);
    EXPECT_EQ(c.Picture(Legend), "###rrr##\n###...##\n");
    SelectObject(c.dc(), GetStockObject(BLACK_PEN));
    DeleteObject(dot);
}

TEST(Figures, RectangleEllipseAndPolygon)
{
    Canvas c(6, 6);
    SelectObject(c.dc(), GetStockObject(WHITE_PEN));
    HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
    SelectObject(c.dc(), red);
    Rectangle(c.dc(), 0, 0, 5, 4);
    EXPECT_EQ(c.Picture(Legend), "#####.\n#rrr#.\n#rrr#.\n#####.\n......\n......\n");

    Canvas n(4, 3);
    SelectObject(n.dc(), GetStockObject(NULL_PEN));
    SelectObject(n.dc(), red);
    Rectangle(n.dc(), 0, 0, 4, 3);  // without a pen one pixel smaller
    EXPECT_EQ(n.Picture(Legend), "rrr.\nrrr.\n....\n");

    Canvas e(6, 6);
    SelectObject(e.dc(), GetStockObject(WHITE_PEN));
    SelectObject(e.dc(), red);
    Ellipse(e.dc(), 0, 0, 6, 6);
    EXPECT_EQ(e.Picture(Legend), ".####.\n#rrrr#\n#rrrr#\n#rrrr#\n#rrrr#\n.####.\n");

    Canvas p(5, 4);
    SelectObject(p.dc(), GetStockObject(NULL_PEN));
    SelectObject(p.dc(), red);
    const POINT triangle[] = {{0, 0}, {4, 0}, {0, 4}};
    Polygon(p.dc(), triangle, 3);
    EXPECT_EQ(p.Picture(Legend), "rrr..\nrr...\nr....\n.....\n");  // pixel centres on the edge stay out

    for (Canvas* k : {&c, &n, &e, &p})
        SelectObject(k->dc(), GetStockObject(WHITE_BRUSH));
    EXPECT_TRUE(DeleteObject(red));
}

TEST(Figures, ThickPenCoversEachPixelOnce)
{
    Canvas c(7, 5);
    HPEN thick = CreatePen(PS_SOLID, 3, RGB(255, 255, 255));
    SelectObject(c.dc(), thick);
    SetROP2(c.dc(), R2_XORPEN);  // overlapping stamps would cancel out
    MoveToEx(c.dc(), 1, 2, nullptr);
    LineTo(c.dc(), 5, 2);
    EXPECT_EQ(c.Picture(Legend), ".......\n#######\n#######\n#######\n.......\n");
    SelectObject(c.dc(), GetStockObject(BLACK_PEN));
    DeleteObject(thick);
}

TEST(Fills, FillRectWritesAlphaZeroAndFocusRectKeepsIt)
{
    Canvas c(5, 4, 0xFF123456);
    RECT all{0, 0, 5, 4};
    FillRect(c.dc(), &all, reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1));  // a system colour index + 1
    EXPECT_EQ(c.at(2, 2), 0x00FFFFFFu);

    Canvas f(5, 4, 0xFF000000);
    RECT r{0, 0, 5, 4};
    DrawFocusRect(f.dc(), &r);
    std::map<std::uint32_t, char> legend{{0xFF000000, '.'}, {0xFFFFFFFF, '#'}};
    EXPECT_EQ(f.Picture(legend), "#.#.#\n.....\n#...#\n.#.#.\n");
    DrawFocusRect(f.dc(), &r);
    EXPECT_EQ(f.Picture(legend), ".....\n.....\n.....\n.....\n");

    HBRUSH blue = CreateSolidBrush(RGB(0, 0, 255));
    RECT frame{1, 1, 4, 4};
    Canvas g(5, 5);
    FrameRect(g.dc(), &frame, blue);
    EXPECT_EQ(g.Picture(Legend), ".....\n.bbb.\n.b.b.\n.bbb.\n.....\n");
    DeleteObject(blue);
}

TEST(Pixels, RespectTheClipAndTheOrigins)
{
    Canvas c(4, 4);
    SetViewportOrgEx(c.dc(), 1, 1, nullptr);
    EXPECT_EQ(SetPixel(c.dc(), 0, 0, RGB(255, 0, 0)), RGB(255, 0, 0));
    EXPECT_EQ(c.at(1, 1), Red);
    EXPECT_EQ(GetPixel(c.dc(), 0, 0), RGB(255, 0, 0));
    EXPECT_EQ(SetPixel(c.dc(), 3, 0, RGB(255, 0, 0)), CLR_INVALID);  // device x 4 is outside
    ExcludeClipRect(c.dc(), 1, 1, 2, 2);
    EXPECT_EQ(GetPixel(c.dc(), 1, 1), CLR_INVALID);
    EXPECT_EQ(GetPixel(c.dc(), 2, 2), RGB(0, 0, 0));
}

} // namespace
