#include "platform/testkit/WindowTestKit.h"
#include "platform/win/Rect.h"
#include "platform/window/Layered.h"
#include "platform/window/User.h"
#include "skin/core/skMonitors.h"

#include <gtest/gtest.h>

namespace {

HWND Popup(RECT r, DWORD exStyle = 0)
{
    WNDCLASS wc;
    wc.lpfnWndProc = DefWindowProc;
    wc.lpszClassName = "SkinMonitorsTest";
    RegisterClass(&wc);
    return CreateWindowEx(exStyle, "SkinMonitorsTest", "", WS_POPUP, r.left, r.top, r.right - r.left,
                          r.bottom - r.top, nullptr, nullptr, nullptr, nullptr);
}

} // namespace

TEST(Monitors, OneMonitorGivesThePrimaryScreen)
{
    WindowTestKit kit;
    EXPECT_FALSE(HasMultipleMonitors());
    RECT r{};
    GetPrimaryScreenArea(false, r);
    EXPECT_EQ(r, MakeRect(0, 0, 1280, 1024));
    GetMonitorAreaOfWindow(Popup(MakeRect(10, 10, 50, 50)), true, r);
    EXPECT_EQ(r, MakeRect(0, 0, 1280, 984));
}

TEST(Monitors, SeveralMonitorsGiveTheNearestOne)
{
    WindowTestKit kit;
    kit.Display().SetMonitors({{MakeRect(0, 0, 1000, 800), MakeRect(0, 0, 1000, 760), true},
                               {MakeRect(1000, 0, 2000, 800), MakeRect(1000, 0, 2000, 780), false}});
    EXPECT_TRUE(HasMultipleMonitors());
    HWND w = Popup(MakeRect(1500, 100, 1600, 200));
    RECT r{};
    GetMonitorAreaOfWindow(w, true, r);
    EXPECT_EQ(r, MakeRect(1000, 0, 2000, 780));
    GetMonitorAreaOfWindow(w, false, r);
    EXPECT_EQ(r, MakeRect(1000, 0, 2000, 800));
}

TEST(Monitors, LayeredAlpha)
{
    WindowTestKit kit;
    HWND w = Popup(MakeRect(0, 0, 10, 10), WS_EX_LAYERED);
    SetLayeredAlpha(w, 300);
    BYTE alpha = 0;
    DWORD flags = 0;
    ASSERT_TRUE(GetLayeredWindowAttributes(w, nullptr, &alpha, &flags));
    EXPECT_EQ(alpha, 255);
    EXPECT_EQ(flags, LWA_ALPHA);
}
