// Scroll information kept per window, the standard scroll bars in the frame, and properties.

#include "WindowTestSupport.h"

#include "platform/gdi/Objects.h"

#include <gtest/gtest.h>

namespace {

class ScrollBars : public WindowTest, public testing::Test {
protected:
    // 200 x 100 at (100, 100); its vertical bar takes x 183..200 once shown.
    HWND Scrolled()
    {
        HWND hwnd = Top(RECT{100, 100, 300, 200});
        SCROLLINFO info;
        info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
        info.nMax = 99;
        info.nPage = 10;
        SetScrollInfo(hwnd, SB_VERT, &info, TRUE);
        kit.Pump();
        return hwnd;
    }
    std::vector<WORD> Codes(HWND hwnd)
    {
        std::vector<WORD> out;
        for (const Recorded& r : Find(hwnd, WM_VSCROLL))
            out.push_back(LOWORD(r.wParam));
        return out;
    }
};

TEST_F(ScrollBars, TheInformationIsClampedAndKeptWithoutTheStyle)
{
    struct Case {
        int min, max;
        UINT page;
        int pos;
        int wantMax;
        UINT wantPage;
        int wantPos;
    };
    const Case cases[] = {
        {0, 99, 10, 95, 99, 10, 90},    // the last page ends at the range's end
        {0, 99, 200, 5, 99, 100, 0},    // a page beyond the range is the whole range
        {0, 100, 0, 150, 100, 0, 100},  // no page: up to max
        {-5, 5, 0, -10, 5, 0, -5},
        {10, 5, 0, 3, 10, 0, 10},       // max below min
    };
    HWND hwnd = Top(RECT{0, 0, 100, 100});
    for (const Case& c : cases) {
        SCROLLINFO in;
        in.fMask = SIF_ALL | SIF_DISABLENOSCROLL;
        in.nMin = c.min;
        in.nMax = c.max;
        in.nPage = c.page;
        in.nPos = c.pos;
        EXPECT_EQ(SetScrollInfo(hwnd, SB_HORZ, &in, FALSE), c.wantPos);
        SCROLLINFO out;
        out.fMask = SIF_ALL;
        ASSERT_TRUE(GetScrollInfo(hwnd, SB_HORZ, &out));
        EXPECT_EQ(out.nMin, c.min);
        EXPECT_EQ(out.nMax, c.wantMax);
        EXPECT_EQ(out.nPage, c.wantPage);
        EXPECT_EQ(out.nPos, c.wantPos);
        EXPECT_EQ(out.nTrackPos, c.wantPos);
        EXPECT_EQ(GetScrollPos(hwnd, SB_HORZ), c.wantPos);
        int lo = 1, hi = 1;
        GetScrollRange(hwnd, SB_HORZ, &lo, &hi);
        EXPECT_EQ(lo, c.min);
        EXPECT_EQ(hi, c.wantMax);
    }
    EXPECT_EQ(GetWindowLongPtr(hwnd, GWL_STYLE) & WS_HSCROLL, 0);
    SCROLLINFO info;
    info.fMask = SIF_POS;
    EXPECT_EQ(SetScrollInfo(hwnd, SB_CTL, &info, FALSE), 0);
    EXPECT_FALSE(GetScrollInfo(hwnd, SB_CTL, &info));
    EXPECT_EQ(GetScrollPos(nullptr, SB_VERT), 0);
}

TEST_F(ScrollBars, ARangeThatNeedsScrollingShowsTheBarAndOneThatFitsHidesIt)
{
    HWND hwnd = Scrolled();
    EXPECT_NE(GetWindowLongPtr(hwnd, GWL_STYLE) & WS_VSCROLL, 0);
    RECT client;
    GetClientRect(hwnd, &client);
    EXPECT_EQ(client, (RECT{0, 0, 183, 100}));
    ASSERT_FALSE(Find(hwnd, WM_SIZE).empty());
    EXPECT_EQ(Find(hwnd, WM_SIZE).back().lParam, MAKELPARAM(183, 100));
    EXPECT_EQ(SendMessage(hwnd, WM_NCHITTEST, 0, MAKELPARAM(290, 150)), HTVSCROLL);

    SCROLLINFO info;
    info.fMask = SIF_PAGE;
    info.nPage = 100;
    SetScrollInfo(hwnd, SB_VERT, &info, TRUE);
    GetClientRect(hwnd, &client);
    EXPECT_EQ(client, (RECT{0, 0, 200, 100}));
    info.fMask = SIF_PAGE | SIF_DISABLENOSCROLL;
    ShowScrollBar(hwnd, SB_VERT, TRUE);
    SetScrollInfo(hwnd, SB_VERT, &info, TRUE);
    EXPECT_NE(GetWindowLongPtr(hwnd, GWL_STYLE) & WS_VSCROLL, 0);
}

TEST_F(ScrollBars, TheBarIsPaintedWithArrowsAndAThumb)
{
    HWND hwnd = Scrolled();
    auto picture = kit.Render(hwnd);
    // Arrow buttons and thumb in the button face; the track in the scroll bar colour.
    EXPECT_EQ(WindowTestKit::ColorAt(*picture, 186, 3), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(WindowTestKit::ColorAt(*picture, 191, 8), GetSysColor(COLOR_BTNTEXT));  // the arrow's tip
    EXPECT_EQ(WindowTestKit::ColorAt(*picture, 190, 20), GetSysColor(COLOR_BTNFACE));  // thumb at the top
    EXPECT_EQ(WindowTestKit::ColorAt(*picture, 190, 50), GetSysColor(COLOR_SCROLLBAR));
}

TEST_F(ScrollBars, AHeldArrowRepeatsAfterHalfASecondEveryFiftyMilliseconds)
{
    HWND hwnd = Scrolled();
    const POINT down{290, 195};  // the lower arrow
    kit.WhenIdle([&] {
        EXPECT_EQ(Codes(hwnd), (std::vector<WORD>{SB_LINEDOWN}));
        kit.Clock().Advance(499);
    });
    kit.WhenIdle([&] {
        EXPECT_EQ(Codes(hwnd).size(), 1u);
        kit.Clock().Advance(1);
    });
    kit.WhenIdle([&] {
        EXPECT_EQ(Codes(hwnd).size(), 2u);
        for (int i = 0; i < 10; ++i)
            kit.WhenIdle([&] { kit.Clock().Advance(50); });
        kit.WhenIdle([&] { kit.ReleaseButton(down); });
    });
    Clear();
    kit.PressButton(down);
    kit.Pump();
    auto codes = Codes(hwnd);
    ASSERT_EQ(codes.size(), 13u);  // the press, the first repeat, ten more, the end
    EXPECT_EQ(codes[11], SB_LINEDOWN);
    EXPECT_EQ(codes[12], SB_ENDSCROLL);
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(ScrollBars, ThePageBelowTheThumbAndTheThumbDrag)
{
    HWND hwnd = Scrolled();
    kit.WhenIdle([&] { kit.ReleaseButton(POINT{290, 160}); });
    Clear();
    kit.PressButton(POINT{290, 160});
    kit.Pump();
    EXPECT_EQ(Codes(hwnd), (std::vector<WORD>{SB_PAGEDOWN, SB_ENDSCROLL}));

    // Track 17..83 (66 pixels), thumb 8 pixels: 58 pixels carry positions 0..90.
    kit.WhenIdle([&] { kit.MoveMouse(POINT{290, 100 + 20 + 29}); });
    kit.WhenIdle([&] {
        SCROLLINFO info;
        info.fMask = SIF_TRACKPOS | SIF_POS;
        GetScrollInfo(hwnd, SB_VERT, &info);
        EXPECT_EQ(info.nTrackPos, 45);
        EXPECT_EQ(info.nPos, 0);
        kit.MoveMouse(POINT{290, 199});
    });
    kit.WhenIdle([&] { kit.ReleaseButton(POINT{290, 199}); });
    Clear();
    kit.PressButton(POINT{290, 100 + 20});
    kit.Pump();
    auto scrolls = Find(hwnd, WM_VSCROLL);
    ASSERT_EQ(scrolls.size(), 4u);
    EXPECT_EQ(scrolls[0].wParam, MAKEWPARAM(SB_THUMBTRACK, 45));
    EXPECT_EQ(scrolls[1].wParam, MAKEWPARAM(SB_THUMBTRACK, 90));
    EXPECT_EQ(scrolls[2].wParam, MAKEWPARAM(SB_THUMBPOSITION, 90));
    EXPECT_EQ(scrolls[3].wParam, SB_ENDSCROLL);
    EXPECT_EQ(GetScrollPos(hwnd, SB_VERT), 90);
}

TEST_F(ScrollBars, PropertiesAreKeptByNameUntilRemoved)
{
    HWND hwnd = Top(RECT{0, 0, 10, 10});
    int a = 0, b = 0;
    EXPECT_TRUE(SetProp(hwnd, "view", &a));
    EXPECT_TRUE(SetProp(hwnd, "other", &b));
    EXPECT_EQ(GetProp(hwnd, "view"), &a);
    EXPECT_TRUE(SetProp(hwnd, "view", &b));
    EXPECT_EQ(GetProp(hwnd, "view"), &b);
    EXPECT_EQ(RemoveProp(hwnd, "view"), &b);
    EXPECT_EQ(GetProp(hwnd, "view"), nullptr);
    EXPECT_EQ(RemoveProp(hwnd, "view"), nullptr);
    EXPECT_EQ(GetProp(hwnd, "other"), &b);
    EXPECT_FALSE(SetProp(hwnd, "", &a));
    DestroyWindow(hwnd);
    EXPECT_FALSE(SetProp(hwnd, "view", &a));
    EXPECT_EQ(GetProp(hwnd, "other"), nullptr);
}

} // namespace
