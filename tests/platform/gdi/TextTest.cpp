#include "Canvas.h"

#include "platform/gdi/Dc.h"
#include "platform/gdi/Objects.h"
#include "platform/gdi/Text.h"

#include <gtest/gtest.h>

#include <QFontInfo>

#include "platform/gdi/FontObject.h"
#include "platform/gdi/GdiObjects.h"

#include <string>
#include <vector>

namespace {

class TextTest : public ::testing::Test {
protected:
    static HFONT Font(const char* face, LONG height, LONG weight = FW_NORMAL)
    {
        LOGFONT lf;
        lf.lfHeight = height;
        lf.lfWeight = weight;
        lf.lfFaceName = face;
        return CreateFontIndirect(&lf);
    }

    void SetUp() override { font_ = Font("Arial", -12); }
    void TearDown() override { DeleteObject(font_); }

    int Width(HDC dc, const std::string& s)
    {
        SIZE size;
        GetTextExtentPoint32(dc, s.c_str(), static_cast<int>(s.size()), &size);
        return size.cx;
    }

    HFONT font_ = nullptr;
};

// The pixels (as words) of a one-line text drawn black on white.
std::vector<std::uint32_t> Render(HFONT font, const std::string& text)
{
    Canvas c(40, 24, 0x00FFFFFF);
    SelectObject(c.dc(), font);
    SetBkMode(c.dc(), TRANSPARENT);
    TextOut(c.dc(), 2, 2, text.c_str(), -1);
    std::vector<std::uint32_t> out;
    for (int y = 0; y < 24; ++y)
        for (int x = 0; x < 40; ++x)
            out.push_back(c.at(x, y));
    SelectObject(c.dc(), GetStockObject(SYSTEM_FONT));
    return out;
}

int Inked(const std::vector<std::uint32_t>& pixels)
{
    int n = 0;
    for (std::uint32_t p : pixels)
        n += (p & 0xFFFFFF) != 0xFFFFFF;
    return n;
}

TEST_F(TextTest, TextLeavesAlphaAlone)
{
    Canvas c(60, 20, 0x42FFFFFF);
    SelectObject(c.dc(), font_);
    SetBkColor(c.dc(), RGB(0, 0, 255));  // OPAQUE: the cell becomes blue, alpha still kept
    SetTextColor(c.dc(), RGB(255, 0, 0));
    ASSERT_TRUE(TextOut(c.dc(), 1, 1, "Hello", -1));
    int background = 0, ink = 0;
    for (int y = 0; y < 20; ++y) {
        for (int x = 0; x < 60; ++x) {
            EXPECT_EQ(c.at(x, y) >> 24, 0x42u) << x << "," << y;
            std::uint32_t rgb = c.at(x, y) & 0xFFFFFF;
            background += rgb == 0x0000FF;
            ink += rgb != 0x0000FF && rgb != 0xFFFFFF;
        }
    }
    EXPECT_GT(background, 50);
    EXPECT_GT(ink, 30);
    SelectObject(c.dc(), GetStockObject(SYSTEM_FONT));
}

TEST_F(TextTest, ChineseTextHasRealGlyphs)
{
    HFONT song = Font("宋体", -16);
    auto zhong = Render(song, "中");
    auto wen = Render(song, "文");
    EXPECT_GT(Inked(zhong), 20);
    EXPECT_GT(Inked(wen), 20);
    EXPECT_NE(zhong, wen);  // missing-glyph boxes would look alike
    EXPECT_EQ(QFontInfo(gdi::LookupAs<gdi::FontObject>(song)->Font()).family(), "Liberation Sans");
    DeleteObject(song);
}

TEST_F(TextTest, FontHeightsFollowTheLogFont)
{
    Canvas c(4, 4);
    HFONT cell = Font("Tahoma", 20);  // positive: cell height
    SelectObject(c.dc(), cell);
    TEXTMETRIC tm;
    ASSERT_TRUE(GetTextMetrics(c.dc(), &tm));
    EXPECT_NEAR(tm.tmHeight, 20, 1);
    EXPECT_EQ(tm.tmHeight, tm.tmAscent + tm.tmDescent);
    SelectObject(c.dc(), font_);  // negative: character height, so the cell is taller
    GetTextMetrics(c.dc(), &tm);
    EXPECT_GT(tm.tmHeight, 12);
    EXPECT_EQ(tm.tmInternalLeading, tm.tmHeight - 12);
    SelectObject(c.dc(), GetStockObject(SYSTEM_FONT));
    DeleteObject(cell);
}

TEST_F(TextTest, DrawTextMeasures)
{
    Canvas c(4, 4);
    HDC dc = c.dc();
    SelectObject(dc, font_);
    TEXTMETRIC tm;
    GetTextMetrics(dc, &tm);
    const int h = tm.tmHeight;
    const std::string path = "C:\\dir\\sub\\file.txt";
    struct Case {
        std::string text;
        int width;  // of the rectangle given
        UINT format;
        int right, lines;  // expected
    } cases[] = {
        {"Hello", 0, 0, Width(dc, "Hello"), 1},
        {"", 100, 0, 0, 0},
        {"Hello\nworld", 0, 0, Width(dc, "world"), 2},
        {"Hello\r\n", 0, 0, Width(dc, "Hello"), 2},  // a final break gives an empty last line
        {"Hello\nworld", 0, DT_SINGLELINE, Width(dc, "Helloworld"), 1},
        {"Hello world", Width(dc, "Hello") + 2, DT_WORDBREAK, Width(dc, "world"), 2},
        {"Hello world", 0, DT_WORDBREAK, Width(dc, "world"), 2},  // no room: a word per line
        {"Hello world", 500, DT_WORDBREAK, Width(dc, "Hello world"), 1},
        {"mmmmmm", Width(dc, "mmm"), DT_WORDBREAK, Width(dc, "mmmmmm"), 1},  // a word keeps its line
        {"mmmmmm", Width(dc, "mmm"), DT_WORDBREAK | DT_EDITCONTROL, Width(dc, "mmm"), 2},
        {"mm mmmmmm", Width(dc, "mmm"), DT_WORDBREAK | DT_EDITCONTROL, Width(dc, "mmm"), 3},
        {"mmm", 0, DT_WORDBREAK | DT_EDITCONTROL, Width(dc, "m"), 3},  // no room: a character per line
        {"中文中文", Width(dc, "中文") + 1, DT_WORDBREAK, Width(dc, "中文"), 2},
        {"中文。", Width(dc, "中文") + 1, DT_WORDBREAK, Width(dc, "文。"), 2},  // "。" stays with its character
        {"&File", 0, 0, Width(dc, "File"), 1},
        {"&&File", 0, 0, Width(dc, "&File"), 1},
        {"&File", 0, DT_NOPREFIX, Width(dc, "&File"), 1},
        {"a&", 0, 0, Width(dc, "a"), 1},
        {"a\tb", 0, DT_EXPANDTABS, 8 * tm.tmAveCharWidth + Width(dc, "b"), 1},
        {"a\tb", 0, 0, Width(dc, "a b"), 1},
        {"Hello world", Width(dc, "Hello..."), DT_SINGLELINE | DT_END_ELLIPSIS, Width(dc, "Hello..."), 1},
        {"one two three", Width(dc, "one two..."), DT_WORD_ELLIPSIS, Width(dc, "one two..."), 1},
        {path, Width(dc, "C:\\...\\file.txt"), DT_PATH_ELLIPSIS, Width(dc, "C:\\...\\file.txt"), 1},
        {path, 1, DT_PATH_ELLIPSIS, Width(dc, "..."), 1},
    };
    for (const Case& k : cases) {
        RECT r{10, 20, 10 + k.width, 30};
        int result = DrawText(dc, k.text.c_str(), -1, &r, k.format | DT_CALCRECT);
        EXPECT_EQ(r, (RECT{10, 20, 10 + k.right, 20 + k.lines * h})) << k.text << " format " << k.format;
        EXPECT_EQ(result, k.lines * h) << k.text;
    }
    // Vertically centred single line: the result reaches to the bottom of the text.
    RECT box{0, 0, 50, 40};
    EXPECT_EQ(DrawText(dc, "x", -1, &box, DT_SINGLELINE | DT_VCENTER), (40 - h) / 2 + h);
    SelectObject(dc, GetStockObject(SYSTEM_FONT));
}

// The columns holding ink in rows [top, bottom) of a canvas.
std::vector<int> InkedColumns(Canvas& c, int width, int top, int bottom)
{
    std::vector<int> cols;
    for (int x = 0; x < width; ++x) {
        for (int y = top; y < bottom; ++y) {
            if ((c.at(x, y) & 0xFFFFFF) != 0xFFFFFF) {
                cols.push_back(x);
                break;
            }
        }
    }
    return cols;
}

TEST_F(TextTest, DrawTextPlacesClipsAndUnderlines)
{
    TEXTMETRIC tm;
    {
        Canvas c(80, 20, 0x00FFFFFF);
        SelectObject(c.dc(), font_);
        GetTextMetrics(c.dc(), &tm);
        SetBkMode(c.dc(), TRANSPARENT);
        RECT r{0, 0, 80, 20};
        DrawText(c.dc(), "ab", -1, &r, DT_RIGHT | DT_SINGLELINE);
        std::vector<int> cols = InkedColumns(c, 80, 0, 20);
        ASSERT_FALSE(cols.empty());
        EXPECT_GT(cols.front(), 60);
        EXPECT_LE(cols.back(), 79);

        // Clipped to the rectangle unless DT_NOCLIP.
        RECT narrow{0, 0, 5, 20};
        DrawText(c.dc(), "WWWW", -1, &narrow, DT_SINGLELINE);
        EXPECT_LT(InkedColumns(c, 40, 0, 20).back(), 5);
        DrawText(c.dc(), "WWWW", -1, &narrow, DT_SINGLELINE | DT_NOCLIP);
        EXPECT_GT(InkedColumns(c, 40, 0, 20).back(), 5);
        SelectObject(c.dc(), GetStockObject(SYSTEM_FONT));
    }
    // "&o" underlines the o: ink appears below the baseline, where a plain o has none.
    auto belowBaseline = [&](const char* text, UINT format) {
        Canvas c(30, 20, 0x00FFFFFF);
        SelectObject(c.dc(), font_);
        RECT r{0, 0, 30, 20};
        DrawText(c.dc(), text, -1, &r, format);
        int n = static_cast<int>(InkedColumns(c, 30, tm.tmAscent + 1, tm.tmHeight).size());
        SelectObject(c.dc(), GetStockObject(SYSTEM_FONT));
        return n;
    };
    EXPECT_GT(belowBaseline("&o", 0), 2);
    EXPECT_EQ(belowBaseline("&o", DT_HIDEPREFIX), 0);
    EXPECT_EQ(belowBaseline("o", 0), 0);
}

} // namespace
