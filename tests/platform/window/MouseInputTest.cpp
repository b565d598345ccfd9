// Mouse routing: hit testing, capture, double clicks, leave tracking, the wheel and the cursor.

#include "WindowTestSupport.h"

#include "platform/gdi/Regions.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

class Mouse : public WindowTest, public testing::Test {
protected:
    std::vector<Recorded> Buttons()
    {
        std::vector<Recorded> out;
        for (const Recorded& r : log) {
            if ((r.msg >= WM_LBUTTONDOWN && r.msg <= WM_MBUTTONDBLCLK) ||
                (r.msg >= WM_NCLBUTTONDOWN && r.msg <= WM_NCMBUTTONDBLCLK))
                out.push_back(r);
        }
        return out;
    }
    // The window that got the last button press.
    HWND PressedBy(POINT screen)
    {
        Clear();
        kit.Click(screen);
        kit.Pump();
        auto buttons = Buttons();
        return buttons.empty() ? nullptr : buttons.front().hwnd;
    }
};

TEST_F(Mouse, HitTestingFindsTheWindowThatTakesThePoint)
{
    HWND below = Top(RECT{0, 0, 300, 300});
    HWND top = Top(RECT{0, 0, 200, 200});
    HWND child = Child(top, RECT{10, 10, 110, 110});
    HWND overlay = Child(top, RECT{50, 50, 150, 150});  // above the child, transparent to hits
    Child(top, RECT{160, 10, 190, 40}, WS_CHILD | WS_VISIBLE | WS_DISABLED);  // its parent takes its clicks
    HWND shaped = Child(top, RECT{10, 150, 60, 190});
    SetWindowRgn(shaped, CreateRectRgn(0, 0, 20, 40), FALSE);
    Top(RECT{250, 250, 300, 300}, WS_POPUP | WS_VISIBLE, WS_EX_TRANSPARENT | WS_EX_TOPMOST);  // click-through
    onMessage = [overlay](HWND hwnd, UINT msg, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (hwnd == overlay && msg == WM_NCHITTEST)
            return HTTRANSPARENT;
        return std::nullopt;
    };
    kit.Pump();
    struct Case {
        POINT at;
        HWND expected;
    } cases[] = {
        {{20, 20}, child},       {{60, 60}, child},   {{120, 120}, top},  {{170, 20}, top},
        {{15, 160}, shaped},     {{45, 160}, top},    {{260, 260}, below}, {{250, 10}, below},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PressedBy(c.at), c.expected) << c.at.x << "," << c.at.y;
        EXPECT_EQ(WindowFromPoint(c.at), c.expected) << c.at.x << "," << c.at.y;
    }
    EXPECT_EQ(ChildWindowFromPoint(top, POINT{60, 60}), overlay);
    EXPECT_EQ(ChildWindowFromPointEx(top, POINT{170, 20}, CWP_SKIPDISABLED), top);
}

TEST_F(Mouse, FrameClicksAreNonClientMessagesWithScreenPointsAndClientClicksHaveClientPoints)
{
    HWND top = Top(RECT{100, 100, 200, 200}, WS_POPUP | WS_VISIBLE | WS_BORDER);
    kit.Pump();
    Clear();
    kit.Click(POINT{100, 150});
    kit.Click(POINT{131, 142});
    kit.Pump();
    auto buttons = Buttons();
    ASSERT_EQ(buttons.size(), 4u);
    EXPECT_EQ(buttons[0].hwnd, top);
    EXPECT_EQ(buttons[0].msg, static_cast<UINT>(WM_NCLBUTTONDOWN));
    EXPECT_EQ(buttons[0].wParam, static_cast<WPARAM>(HTBORDER));
    EXPECT_EQ(buttons[0].lParam, MAKELPARAM(100, 150));
    EXPECT_EQ(buttons[2].msg, static_cast<UINT>(WM_LBUTTONDOWN));
    EXPECT_EQ(buttons[2].wParam, MK_LBUTTON);
    EXPECT_EQ(buttons[2].lParam, MAKELPARAM(30, 41));
    EXPECT_EQ(buttons[3].msg, static_cast<UINT>(WM_LBUTTONUP));
    EXPECT_EQ(buttons[3].wParam, 0u);
}

TEST_F(Mouse, CaptureTakesEveryMouseMessageUntilReleased)
{
    HWND top = Top(RECT{0, 0, 200, 200});
    HWND a = Child(top, RECT{10, 10, 50, 50});
    HWND b = Child(top, RECT{100, 100, 150, 150});
    kit.Pump();
    SetCapture(a);
    EXPECT_TRUE(kit.Display().State(top)->grab);  // no button held: the native window grabs
    EXPECT_EQ(SetCapture(b), a);
    auto changed = Find(a, WM_CAPTURECHANGED);
    ASSERT_EQ(changed.size(), 1u);
    EXPECT_EQ(reinterpret_cast<HWND>(changed[0].lParam), b);
    SetCapture(a);
    Clear();
    kit.MoveMouse(POINT{120, 120});
    kit.Click(POINT{5, 300});
    kit.Pump();
    EXPECT_EQ(Messages(a, {WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP}),
              (std::vector<UINT>{WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP}));
    EXPECT_TRUE(Messages(b, {WM_MOUSEMOVE, WM_LBUTTONDOWN}).empty());
    EXPECT_EQ(Find(a, WM_LBUTTONUP)[0].lParam, MAKELPARAM(-5, 290));
    EXPECT_TRUE(Find(a, WM_SETCURSOR).empty());  // no hit testing while captured
    ReleaseCapture();
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_FALSE(kit.Display().State(top)->grab);
    EXPECT_EQ(reinterpret_cast<HWND>(Find(a, WM_CAPTURECHANGED).back().lParam), nullptr);
    EXPECT_EQ(PressedBy(POINT{120, 120}), b);
}

TEST_F(Mouse, DoubleClicksNeedTheClassStyleTimeAndNearness)
{
    HWND top = Top(RECT{0, 0, 300, 100}, WS_POPUP | WS_VISIBLE | WS_CAPTION);
    HWND clicks = Child(top, RECT{0, 0, 100, 50}, WS_CHILD | WS_VISIBLE, 0, "Clicks");
    HWND plain = Child(top, RECT{150, 0, 250, 50});
    kit.Pump();
    auto downs = [&](HWND hwnd) { return Messages(hwnd, {WM_LBUTTONDOWN, WM_LBUTTONDBLCLK, WM_NCLBUTTONDOWN, WM_NCLBUTTONDBLCLK}); };
    const POINT inClicks = ScreenPoint(clicks, 10, 10);
    const POINT inPlain = ScreenPoint(plain, 10, 10);
    using Msgs = std::vector<UINT>;

    Clear();
    kit.Click(inClicks);
    kit.Click(POINT{inClicks.x + 2, inClicks.y - 2});
    kit.Click(inClicks);
    kit.Pump();
    EXPECT_EQ(downs(clicks), (Msgs{WM_LBUTTONDOWN, WM_LBUTTONDBLCLK, WM_LBUTTONDOWN}));

    Clear();
    kit.Click(inPlain);
    kit.Click(inPlain);
    kit.Pump();
    EXPECT_EQ(downs(plain), (Msgs{WM_LBUTTONDOWN, WM_LBUTTONDOWN}));

    Clear();
    kit.Click(inClicks);
    kit.Pump();
    kit.Advance(GetDoubleClickTime() + 1);
    kit.Click(inClicks);
    kit.Click(POINT{inClicks.x + 3, inClicks.y});
    kit.Pump();
    EXPECT_EQ(downs(clicks), (Msgs{WM_LBUTTONDOWN, WM_LBUTTONDOWN, WM_LBUTTONDOWN}));

    // The caption double-clicks without the class style.
    Clear();
    RECT r;
    GetWindowRect(top, &r);
    const POINT caption{r.left + 280, r.top + 8};
    kit.Click(caption);
    kit.Click(caption);
    kit.Pump();
    EXPECT_EQ(downs(top), (Msgs{WM_NCLBUTTONDOWN, WM_NCLBUTTONDBLCLK}));
}

TEST_F(Mouse, LeaveTrackingReportsLeavingOnceAndEnds)
{
    HWND top = Top(RECT{0, 0, 200, 100});
    HWND a = Child(top, RECT{0, 0, 100, 100}, WS_CHILD | WS_VISIBLE | WS_BORDER);
    HWND b = Child(top, RECT{100, 0, 200, 100});
    kit.Pump();
    kit.MoveMouse(POINT{50, 50});
    kit.Pump();
    TRACKMOUSEEVENT track;
    track.dwFlags = TME_LEAVE;
    track.hwndTrack = a;
    ASSERT_TRUE(TrackMouseEvent(&track));
    kit.MoveMouse(POINT{60, 50});
    kit.Pump();
    EXPECT_TRUE(Find(a, WM_MOUSELEAVE).empty());
    kit.MoveMouse(POINT{0, 50});  // onto a's border: out of its client area
    kit.Pump();
    EXPECT_EQ(Find(a, WM_MOUSELEAVE).size(), 1u);
    kit.MoveMouse(POINT{150, 50});
    kit.Pump();
    EXPECT_EQ(Find(a, WM_MOUSELEAVE).size(), 1u);
    TRACKMOUSEEVENT query;
    query.dwFlags = TME_QUERY;
    TrackMouseEvent(&query);
    EXPECT_EQ(query.hwndTrack, nullptr);

    // Frame tracking ends when the pointer enters the client area.
    kit.MoveMouse(POINT{0, 50});
    kit.Pump();
    track.dwFlags = TME_LEAVE | TME_NONCLIENT;
    ASSERT_TRUE(TrackMouseEvent(&track));
    kit.MoveMouse(POINT{50, 50});
    kit.Pump();
    EXPECT_EQ(Find(a, WM_NCMOUSELEAVE).size(), 1u);

    // Leaving every window counts; asking while elsewhere reports at once.
    track.dwFlags = TME_LEAVE;
    TrackMouseEvent(&track);
    kit.PointerLeaves();
    kit.Pump();
    EXPECT_EQ(Find(a, WM_MOUSELEAVE).size(), 2u);
    track.hwndTrack = b;
    TrackMouseEvent(&track);
    kit.Pump();
    EXPECT_EQ(Find(b, WM_MOUSELEAVE).size(), 1u);
}

TEST_F(Mouse, TheWheelGoesToTheFocusWindowAndUpToItsParents)
{
    HWND top = Top(RECT{0, 0, 200, 200});
    HWND child = Child(top, RECT{10, 10, 50, 50});
    SetFocus(child);
    kit.Pump();
    Clear();
    kit.Wheel(POINT{150, 150}, -WHEEL_DELTA);
    kit.Pump();
    auto atChild = Find(child, WM_MOUSEWHEEL);
    ASSERT_EQ(atChild.size(), 1u);
    EXPECT_EQ(GET_WHEEL_DELTA_WPARAM(atChild[0].wParam), -WHEEL_DELTA);
    EXPECT_EQ(atChild[0].lParam, MAKELPARAM(150, 150));
    EXPECT_EQ(Find(top, WM_MOUSEWHEEL).size(), 1u);  // passed on by the default handling
}

TEST_F(Mouse, PartsOfANotchAreSummedIntoWholeNotches)
{
    HWND top = Top(RECT{0, 0, 200, 200});
    HWND child = Child(top, RECT{10, 10, 50, 50});
    SetFocus(child);
    kit.Pump();
    Clear();
    auto deltas = [&] {
        std::vector<int> seen;
        for (const auto& m : Find(child, WM_MOUSEWHEEL))
            seen.push_back(GET_WHEEL_DELTA_WPARAM(m.wParam));
        Clear();
        return seen;
    };
    // A touchpad's small steps: one message per whole notch, the rest kept for the next.
    for (int delta : {-40, -40, -50})
        kit.Wheel(POINT{20, 20}, delta);
    kit.Pump();
    EXPECT_EQ(deltas(), (std::vector<int>{-WHEEL_DELTA}));
    kit.Wheel(POINT{20, 20}, 30);  // back: -10 + 30 is short of a notch
    kit.Wheel(POINT{20, 20}, -500);
    kit.Pump();
    EXPECT_EQ(deltas(), (std::vector<int>{-4 * WHEEL_DELTA}));
    // The rest belongs to the window it went to.
    SetFocus(top);
    kit.Wheel(POINT{20, 20}, 100);
    kit.Pump();
    EXPECT_TRUE(Find(top, WM_MOUSEWHEEL).empty());
}

TEST_F(Mouse, TheCursorFollowsTheClassCursorAndTheSizingEdges)
{
    WNDCLASS wc;
    wc.lpfnWndProc = &WindowTest::Proc;
    wc.hCursor = LoadCursor(nullptr, IDC_HAND);
    wc.lpszClassName = "Hand";
    RegisterClass(&wc);
    HWND top = Top(RECT{0, 0, 200, 200}, WS_POPUP | WS_VISIBLE | WS_THICKFRAME);
    HWND child = Child(top, RECT{20, 20, 60, 60}, WS_CHILD | WS_VISIBLE, 0, "Hand");
    kit.Pump();
    kit.MoveMouse(ScreenPoint(child, 5, 5));
    kit.Pump();
    EXPECT_EQ(GetCursor(), LoadCursor(nullptr, IDC_HAND));
    EXPECT_EQ(kit.Display().State(top)->cursor, CursorShape::Hand);
    kit.MoveMouse(POINT{199, 100});
    kit.Pump();
    EXPECT_EQ(GetCursor(), LoadCursor(nullptr, IDC_SIZEWE));
    EXPECT_EQ(kit.Display().State(top)->cursor, CursorShape::SizeWE);
    EXPECT_EQ(LoadCursor(nullptr, MAKEINTRESOURCE(1)), nullptr);
}

} // namespace
