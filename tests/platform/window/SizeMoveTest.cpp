// The move and size loops that the default handling starts from the caption and the borders.

#include "WindowTestSupport.h"

#include <gtest/gtest.h>

namespace {

using Msgs = std::vector<UINT>;

class SizeMove : public WindowTest, public testing::Test {
protected:
    // A frameless window whose top 20 pixels act as its caption.
    HWND Frameless(RECT r)
    {
        HWND hwnd = Top(r);
        captionOf = hwnd;
        return hwnd;
    }
    HWND captionOf = nullptr;
    std::function<void(UINT, WPARAM, RECT*)> onDrag;

    SizeMove()
    {
        onMessage = [this](HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) -> std::optional<LRESULT> {
            if (hwnd == captionOf && msg == WM_NCHITTEST) {
                RECT r;
                GetWindowRect(hwnd, &r);
                if (GET_Y_LPARAM(lParam) - r.top < 20)
                    return HTCAPTION;
            }
            if ((msg == WM_MOVING || msg == WM_SIZING) && onDrag)
                onDrag(msg, wParam, reinterpret_cast<RECT*>(lParam));
            if (msg == WM_GETMINMAXINFO) {
                auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
                info->ptMinTrackSize = POINT{150, 120};
                info->ptMaxTrackSize = POINT{400, 300};
            }
            return std::nullopt;
        };
    }

    RECT WindowRect(HWND hwnd)
    {
        RECT r;
        GetWindowRect(hwnd, &r);
        return r;
    }
};

TEST_F(SizeMove, TheMoveLoopFollowsThePointerAndHonoursTheRectangleFromWmMoving)
{
    HWND top = Frameless(RECT{100, 100, 300, 250});
    kit.Pump();
    // Moves are kept on a 10-pixel grid.
    onDrag = [](UINT, WPARAM, RECT* r) { OffsetRect(r, -(r->left % 10), -(r->top % 10)); };
    kit.WhenIdle([&] { kit.MoveMouse(POINT{133, 117}); });
    kit.WhenIdle([&] {
        EXPECT_EQ(WindowRect(top), (RECT{120, 110, 320, 260}));  // full drag: placed while moving
        kit.MoveMouse(POINT{158, 147});
    });
    kit.WhenIdle([&] { kit.ReleaseButton(POINT{158, 147}); });
    Clear();
    kit.PressButton(POINT{110, 105});
    kit.Pump();
    EXPECT_EQ(kit.PendingIdleSteps(), 0u);
    EXPECT_EQ(WindowRect(top), (RECT{140, 140, 340, 290}));
    EXPECT_EQ(Messages(top, {WM_NCLBUTTONDOWN, WM_SYSCOMMAND, WM_ENTERSIZEMOVE, WM_MOVING, WM_MOVE, WM_CAPTURECHANGED,
                             WM_EXITSIZEMOVE, WM_LBUTTONUP}),
              (Msgs{WM_NCLBUTTONDOWN, WM_SYSCOMMAND, WM_ENTERSIZEMOVE, WM_MOVING, WM_MOVE, WM_MOVING, WM_MOVE,
                    WM_CAPTURECHANGED, WM_EXITSIZEMOVE}));
    auto command = Find(top, WM_SYSCOMMAND);
    EXPECT_EQ(command[0].wParam & 0xFFF0, SC_MOVE);
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(SizeMove, TheSizeLoopKeepsTheTrackingLimitsAndHonoursWmSizing)
{
    HWND top = Top(RECT{100, 100, 300, 250}, WS_POPUP | WS_VISIBLE | WS_THICKFRAME);
    kit.Pump();
    std::vector<WPARAM> edges;
    onDrag = [&](UINT, WPARAM edge, RECT* r) {
        edges.push_back(edge);
        r->bottom = r->top + (r->bottom - r->top) / 10 * 10;  // heights on a 10-pixel grid
    };
    kit.WhenIdle([&] { kit.MoveMouse(POINT{150, 160}); });  // smaller than the minimum
    kit.WhenIdle([&] {
        EXPECT_EQ(WindowRect(top), (RECT{100, 100, 250, 220}));
        kit.MoveMouse(POINT{700, 257});  // wider than the maximum
    });
    kit.WhenIdle([&] { kit.ReleaseButton(POINT{700, 257}); });
    Clear();
    kit.PressButton(POINT{299, 249});
    kit.Pump();
    EXPECT_EQ(WindowRect(top), (RECT{100, 100, 500, 250}));
    EXPECT_EQ(edges, (std::vector<WPARAM>{WMSZ_BOTTOMRIGHT, WMSZ_BOTTOMRIGHT}));
    // Each new size is painted before the next pointer move is taken.
    EXPECT_EQ(Messages(top, {WM_GETMINMAXINFO, WM_ENTERSIZEMOVE, WM_SIZING, WM_SIZE, WM_PAINT, WM_EXITSIZEMOVE}),
              (Msgs{WM_GETMINMAXINFO, WM_ENTERSIZEMOVE, WM_SIZING, WM_SIZE, WM_PAINT, WM_SIZING, WM_SIZE, WM_PAINT,
                    WM_EXITSIZEMOVE}));
}

TEST_F(SizeMove, EscapePutsTheWindowBackAndAQuitRequestSurvivesTheLoop)
{
    HWND top = Frameless(RECT{100, 100, 300, 250});
    kit.Pump();
    kit.WhenIdle([&] { kit.MoveMouse(POINT{160, 160}); });
    kit.WhenIdle([&] { kit.PressKey(VK_ESCAPE); });
    kit.PressButton(POINT{110, 105});
    kit.Pump();
    EXPECT_EQ(WindowRect(top), (RECT{100, 100, 300, 250}));
    EXPECT_EQ(Find(top, WM_EXITSIZEMOVE).size(), 1u);

    kit.ReleaseButton(POINT{110, 105});
    kit.Advance(GetDoubleClickTime() + 1);  // the next press is no double click
    kit.WhenIdle([&] { PostQuitMessage(5); });
    kit.PressButton(POINT{110, 105});
    kit.Pump();
    EXPECT_EQ(Find(top, WM_EXITSIZEMOVE).size(), 2u);
    MSG msg;
    ASSERT_EQ(GetMessage(&msg, nullptr, 0, 0), FALSE);
    EXPECT_EQ(msg.wParam, 5u);
}

TEST_F(SizeMove, AWindowDestroyedDuringTheLoopEndsIt)
{
    HWND top = Frameless(RECT{100, 100, 300, 250});
    kit.Pump();
    kit.WhenIdle([&] { PostMessage(top, WM_CLOSE, 0, 0); });
    kit.PressButton(POINT{110, 105});
    kit.Pump();
    EXPECT_FALSE(IsWindow(top));
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(kit.PendingIdleSteps(), 0u);
}

} // namespace
