#include "PixelFixtures.h"

#include "classlib/Canvas.h"
#include "platform/win/Rect.h"
#include "skin/core/skDrawMarks.h"

#include <gtest/gtest.h>

#include <string>

using namespace skfix;

namespace {

// The picture as text rows: '#' where the mark colour is, '.' elsewhere.
std::string Picture(const TskBitmap& b)
{
    std::string s;
    for (int y = 0; y < b.GetHeight(); ++y) {
        for (int x = 0; x < b.GetWidth(); ++x)
            s += (At(b, x, y) & 0xFFFFFF) == 0xFF0000 ? '#' : '.';
        s += '\n';
    }
    return s;
}

std::unique_ptr<TskBitmap> Blank(int w, int h) { return FilledBitmap(w, h, 0xFFFFFFFF); }

constexpr TColor kRed = 0x0000FF;  // as a TColor: red in the low byte

} // namespace

TEST(DrawMarks, DottedFocusFrameAlternatesAroundTheCorners)
{
    auto b = Blank(6, 6);
    b->GetCanvas()->Font()->SetColor(kRed);
    DrawDottedFocusFrame(b->GetCanvas(), MakeRect(0, 0, 5, 5));
    EXPECT_EQ(Picture(*b), ".#.#..\n"
                           "#...#.\n"
                           "......\n"
                           "#...#.\n"
                           ".#.#..\n"
                           "......\n");
}

TEST(DrawMarks, ArrowsPointTheirWay)
{
    auto down = Blank(9, 9);
    DrawTriangleArrow(down->GetCanvas(), MakeRect(0, 0, 9, 9), kRed, 4);
    EXPECT_EQ(Picture(*down), ".........\n"
                              ".........\n"
                              ".........\n"
                              ".#######.\n"
                              "..#####..\n"
                              "...###...\n"
                              "....#....\n"
                              ".........\n"
                              ".........\n");
    auto left = Blank(9, 9);
    DrawTriangleArrow(left->GetCanvas(), MakeRect(0, 0, 9, 9), kRed, 1);
    EXPECT_EQ(Picture(*left), ".........\n"
                              ".....#...\n"
                              "....##...\n"
                              "...###...\n"
                              "..####...\n"
                              "...###...\n"
                              "....##...\n"
                              ".....#...\n"
                              ".........\n");
    auto none = Blank(9, 9);
    DrawTriangleArrow(none->GetCanvas(), MakeRect(0, 0, 9, 9), kRed, 5);
    EXPECT_EQ(Picture(*none).find('#'), std::string::npos);

    auto small = Blank(7, 7);
    DrawSmallDownTriangle(small->GetCanvas(), MakeRect(0, 0, 7, 7), kRed);
    EXPECT_EQ(Picture(*small), ".......\n"
                               ".......\n"
                               ".......\n"
                               ".#####.\n"
                               "..###..\n"
                               "...#...\n"
                               ".......\n");
}

TEST(DrawMarks, TickAndSquare)
{
    auto tick = Blank(8, 8);
    DrawTickMark(tick->GetCanvas(), 0, 0, kRed);
    EXPECT_EQ(Picture(*tick), "........\n"
                              "......#.\n"
                              ".....##.\n"
                              "#...###.\n"
                              "##.###..\n"
                              "#####...\n"
                              ".###....\n"
                              "..#.....\n");
    auto square = Blank(8, 8);
    DrawSmallSquareMark(square->GetCanvas(), 1, 1, kRed);
    EXPECT_EQ(Picture(*square), "........\n"
                                ".######.\n"
                                ".######.\n"
                                ".######.\n"
                                ".######.\n"
                                ".######.\n"
                                ".######.\n"
                                "........\n");
}

TEST(DrawMarks, CaptionGlyphs)
{
    auto close = Blank(11, 10);
    DrawCloseGlyph(close->GetCanvas(), 0, 0, kRed);
    EXPECT_EQ(Picture(*close), "...........\n"
                               ".##.....##.\n"
                               "..##...##..\n"
                               "...##.##...\n"
                               "....###....\n"
                               "....###....\n"
                               "...##.##...\n"
                               "..##...##..\n"
                               ".##.....##.\n"
                               "...........\n");
    auto rollUp = Blank(11, 8);
    DrawRollUpGlyph(rollUp->GetCanvas(), 0, 0, kRed);
    EXPECT_EQ(Picture(*rollUp), "...........\n"
                                "...........\n"
                                ".....#.....\n"
                                "....###....\n"
                                "...#####...\n"
                                "..#######..\n"
                                ".#########.\n"
                                "...........\n");
    auto restore = Blank(11, 11);
    DrawRestoreGlyph(restore->GetCanvas(), 0, 0, kRed);
    EXPECT_EQ(Picture(*restore), "..########.\n"
                                 "..########.\n"
                                 "..#......#.\n"
                                 "..#......#.\n"
                                 "#######..#.\n"
                                 "##########.\n"
                                 "#.....#....\n"
                                 "#.....#....\n"
                                 "#.....#....\n"
                                 "#######....\n"
                                 "...........\n");
    auto tray = Blank(10, 10);
    DrawMinToTrayGlyph(tray->GetCanvas(), 0, 0, kRed);
    EXPECT_EQ(Picture(*tray).substr(22, 10), "..#####...");
}
