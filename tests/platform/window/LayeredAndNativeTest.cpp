// Layered windows, window states and what the native windows are told.

#include "WindowTestSupport.h"

#include "platform/window/RawInput.h"

#include "platform/gdi/Bitmaps.h"
#include "platform/gdi/Dc.h"
#include "platform/gdi/Objects.h"
#include "platform/gdi/Regions.h"
#include "platform/testkit/ScreenComposition.h"

#include <gtest/gtest.h>

namespace {

class LayeredAndNative : public WindowTest, public testing::Test {
protected:
    COLORREF ScreenAt(int x, int y)
    {
        kit.Pump();
        auto screen = ComposeScreen(RECT{0, 0, 400, 400}, RGB(0, 0, 0));
        return WindowTestKit::ColorAt(*screen, x, y);
    }
};

TEST_F(LayeredAndNative, AConstantAlphaWindowShowsOnlyOnceItsAlphaIsSet)
{
    HWND top = Top(RECT{0, 0, 100, 100}, WS_POPUP | WS_VISIBLE, WS_EX_LAYERED);
    kit.Pump();
    EXPECT_EQ(kit.Display().State(top), nullptr);  // no native window yet
    ASSERT_TRUE(SetLayeredWindowAttributes(top, 0, 128, LWA_ALPHA));
    EXPECT_TRUE(kit.Display().State(top)->visible);
    EXPECT_EQ(kit.Display().State(top)->opacity, 128);
    EXPECT_EQ(ScreenAt(50, 50), RGB(128, 128, 128));  // white at half over black
    BYTE alpha = 0;
    DWORD flags = 0;
    ASSERT_TRUE(GetLayeredWindowAttributes(top, nullptr, &alpha, &flags));
    EXPECT_EQ(alpha, 128);
    EXPECT_EQ(flags, LWA_ALPHA);
    EXPECT_FALSE(SetLayeredWindowAttributes(top, RGB(1, 2, 3), 0, LWA_COLORKEY));
    EXPECT_FALSE(SetLayeredWindowAttributes(Top(RECT{0, 0, 1, 1}), 0, 1, LWA_ALPHA));  // not layered
}

TEST_F(LayeredAndNative, UpdateLayeredWindowShowsStraightAlphaTimesTheConstantAndLetsClicksThroughHoles)
{
    HWND below = Top(RECT{0, 0, 400, 400});
    HWND layer = Top(RECT{0, 0, 10, 10}, WS_POPUP, WS_EX_LAYERED | WS_EX_TOOLWINDOW);
    BITMAPINFO info{};
    info.bmiHeader.biWidth = 4;
    info.bmiHeader.biHeight = -2;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP dib = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    ASSERT_TRUE(dib);
    auto* pixels = static_cast<std::uint32_t*>(bits);
    // Red opaque, red half transparent, then a transparent row.
    pixels[0] = pixels[1] = 0xFFFF0000u;
    pixels[2] = pixels[3] = 0x80FF0000u;
    pixels[4] = pixels[5] = pixels[6] = pixels[7] = 0;
    HDC memory = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(memory, dib);
    const POINT at{100, 100};
    const SIZE size{4, 2};
    const POINT origin{0, 0};
    BLENDFUNCTION blend;
    blend.SourceConstantAlpha = 255;
    blend.AlphaFormat = AC_SRC_ALPHA;
    ASSERT_TRUE(UpdateLayeredWindow(layer, nullptr, &at, &size, memory, &origin, 0, &blend, ULW_ALPHA));
    SetWindowPos(layer, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW | SWP_NOACTIVATE);
    RECT r;
    GetWindowRect(layer, &r);
    EXPECT_EQ(r, (RECT{100, 100, 104, 102}));
    EXPECT_TRUE(kit.Display().State(layer)->attributes.perPixelAlpha);
    EXPECT_EQ(ScreenAt(100, 100), RGB(255, 0, 0));
    EXPECT_EQ(ScreenAt(102, 100), RGB(255, 127, 127));  // red at alpha 128 over the white window
    blend.SourceConstantAlpha = 0;
    UpdateLayeredWindow(layer, nullptr, nullptr, nullptr, memory, &origin, 0, &blend, ULW_ALPHA);
    EXPECT_EQ(ScreenAt(100, 100), RGB(255, 255, 255));
    EXPECT_EQ(kit.Display().State(layer)->opacity, 0);
    // Hit testing passes through fully transparent pixels only.
    EXPECT_EQ(WindowFromPoint(POINT{101, 100}), layer);
    EXPECT_EQ(WindowFromPoint(POINT{101, 101}), below);
    SelectObject(memory, old);
    DeleteDC(memory);
    DeleteObject(dib);
}

TEST_F(LayeredAndNative, StylesBecomeNativeAttributes)
{
    HWND owner = Top(RECT{0, 0, 10, 10});
    // An owned window of its own is its owner's dialog, modal while the owner is disabled.
    struct Case {
        DWORD style, exStyle;
        bool tool, popup, topmost, clickThrough, noActivate, dialog;
    } cases[] = {
        {WS_POPUP, 0, false, false, false, false, false, true},
        {WS_POPUP, WS_EX_TOOLWINDOW, true, true, false, false, true, false},  // menus, hints, layers
        {WS_OVERLAPPED, WS_EX_TOOLWINDOW, true, false, false, false, false, false},
        {WS_POPUP, WS_EX_TOPMOST, false, false, true, false, false, true},
        {WS_POPUP, WS_EX_TRANSPARENT, false, false, false, true, false, true},
        {WS_POPUP, WS_EX_NOACTIVATE, false, true, false, false, true, false},
    };
    for (const bool ownerEnabled : {true, false}) {
        EnableWindow(owner, ownerEnabled);
        for (const Case& c : cases) {
            SCOPED_TRACE(testing::Message() << "ex style " << c.exStyle << (ownerEnabled ? "" : ", owner disabled"));
            HWND hwnd = Top(RECT{0, 0, 10, 10}, c.style, c.exStyle, "Plain", owner);
            ShowWindow(hwnd, SW_SHOWNA);
            const HeadlessWindowState* state = kit.Display().State(hwnd);
            ASSERT_NE(state, nullptr);
            EXPECT_EQ(state->attributes.tool, c.tool);
            EXPECT_EQ(state->attributes.popup, c.popup);
            EXPECT_EQ(state->attributes.topmost, c.topmost);
            EXPECT_EQ(state->attributes.clickThrough, c.clickThrough);
            EXPECT_EQ(state->attributes.noActivate, c.noActivate);
            EXPECT_EQ(state->attributes.dialog, c.dialog);
            EXPECT_EQ(state->attributes.modal, c.dialog && !ownerEnabled);
            EXPECT_EQ(state->attributes.owner, owner);
        }
    }
    HWND alone = Top(RECT{0, 0, 10, 10}, WS_POPUP | WS_VISIBLE);
    EXPECT_FALSE(kit.Display().State(alone)->attributes.dialog);
}

TEST_F(LayeredAndNative, AFrameAroundItsOwnerIsStackedWithItNotAboveEveryProgram)
{
    HWND owner = Top(RECT{0, 0, 10, 10});
    HWND band = Top(RECT{0, 0, 10, 10}, WS_POPUP, WS_EX_TOOLWINDOW | WS_EX_LAYERED | WS_EX_NOACTIVATE, "Plain", owner);
    ASSERT_TRUE(SetLayeredWindowAttributes(band, 0, 200, LWA_ALPHA));
    ShowWindow(band, SW_SHOWNA);
    EXPECT_TRUE(kit.Display().State(band)->attributes.popup);
    ASSERT_TRUE(StackLayeredWithOwner(band, true));
    const NativeAttributes& a = kit.Display().State(band)->attributes;
    EXPECT_FALSE(a.popup);
    EXPECT_TRUE(a.tool);
    EXPECT_TRUE(a.noActivate);
    EXPECT_EQ(a.owner, owner);
    // Only owned layered windows can be stacked so.
    EXPECT_FALSE(StackLayeredWithOwner(owner, true));
    HWND unowned = Top(RECT{0, 0, 10, 10}, WS_POPUP, WS_EX_TOOLWINDOW | WS_EX_LAYERED);
    EXPECT_FALSE(StackLayeredWithOwner(unowned, true));
}

TEST_F(LayeredAndNative, AShapedTopLevelWindowGivesItsShapeToTheNativeWindow)
{
    HWND top = Top(RECT{0, 0, 100, 100});
    HRGN rgn = CreateRectRgn(0, 0, 50, 50);
    HRGN more = CreateRectRgn(50, 50, 100, 100);
    CombineRgn(rgn, rgn, more, RGN_OR);
    DeleteObject(more);
    SetWindowRgn(top, rgn, TRUE);
    ASSERT_TRUE(kit.Display().State(top)->shape);
    EXPECT_EQ(*kit.Display().State(top)->shape, (std::vector<RECT>{{0, 0, 50, 50}, {50, 50, 100, 100}}));
    EXPECT_EQ(ScreenAt(75, 25), RGB(0, 0, 0));
    EXPECT_EQ(ScreenAt(75, 75), GetSysColor(COLOR_WINDOW));
    SetWindowRgn(top, nullptr, TRUE);
    EXPECT_FALSE(kit.Display().State(top)->shape);
}

TEST_F(LayeredAndNative, MaximizeFillsTheWorkAreaMinimizeIconifiesAndRestoreComesBack)
{
    HWND top = Top(RECT{10, 20, 110, 120});
    Clear();
    ShowWindow(top, SW_MAXIMIZE);
    RECT r;
    GetWindowRect(top, &r);
    EXPECT_EQ(r, (RECT{0, 0, 1280, 984}));  // the headless display's work area
    EXPECT_EQ(kit.Display().State(top)->geometry, r);
    EXPECT_TRUE(IsZoomed(top));
    EXPECT_EQ(Find(top, WM_SIZE).back().wParam, SIZE_MAXIMIZED);
    EXPECT_FALSE(Find(top, WM_GETMINMAXINFO).empty());
    ShowWindow(top, SW_MINIMIZE);
    EXPECT_TRUE(IsIconic(top));
    EXPECT_TRUE(kit.Display().State(top)->minimized);
    EXPECT_EQ(Find(top, WM_SIZE).back().wParam, SIZE_MINIMIZED);
    EXPECT_EQ(WindowFromPoint(POINT{50, 50}), nullptr);
    ShowWindow(top, SW_RESTORE);
    GetWindowRect(top, &r);
    EXPECT_EQ(r, (RECT{10, 20, 110, 120}));
    EXPECT_FALSE(kit.Display().State(top)->minimized);
    EXPECT_EQ(Find(top, WM_SIZE).back().wParam, SIZE_RESTORED);
}

// Without a window manager nothing iconifies a native window: minimising, whether asked by code
// or by the system command of a click or Alt+F4's neighbours, leaves the window as it was, shown,
// active and taking input.
TEST_F(LayeredAndNative, MinimizeLeavesTheWindowWorkingWhereNothingIconifiesIt)
{
    kit.Display().SetIconify(false);
    HWND top = Top(RECT{10, 20, 110, 120}, WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    kit.Pump();
    Clear();
    ShowWindow(top, SW_MINIMIZE);
    SendMessage(top, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    kit.Pump();
    EXPECT_FALSE(IsIconic(top));
    EXPECT_TRUE(IsWindowVisible(top));
    EXPECT_FALSE(kit.Display().State(top)->minimized);
    EXPECT_EQ(GetActiveWindow(), top);
    EXPECT_TRUE(Find(top, WM_SIZE).empty());
    RECT r;
    GetWindowRect(top, &r);
    EXPECT_EQ(r, (RECT{10, 20, 110, 120}));
    EXPECT_EQ(WindowFromPoint(POINT{50, 60}), top);
    kit.PressKey(VK_MENU);
    kit.PressKey(VK_F4);
    kit.Pump();
    EXPECT_FALSE(IsWindow(top)) << "Alt+F4 still closes it";
}

TEST_F(LayeredAndNative, MonitorsAndMetricsComeFromTheDisplay)
{
    MonitorDescription left;
    left.monitor = RECT{0, 0, 800, 600};
    left.work = RECT{0, 0, 800, 570};
    left.primary = true;
    MonitorDescription right;
    right.monitor = right.work = RECT{800, 0, 1824, 768};
    kit.Display().SetMonitors({left, right});
    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 800);
    EXPECT_EQ(GetSystemMetrics(SM_CMONITORS), 2);
    EXPECT_EQ(GetSystemMetrics(SM_CXVIRTUALSCREEN), 1824);
    RECT work;
    SystemParametersInfo(SPI_GETWORKAREA, 0, &work, 0);
    EXPECT_EQ(work, left.work);
    HWND top = Top(RECT{1000, 100, 1100, 200});
    MONITORINFO info;
    ASSERT_TRUE(GetMonitorInfo(MonitorFromWindow(top, MONITOR_DEFAULTTONEAREST), &info));
    EXPECT_EQ(info.rcMonitor, right.monitor);
    EXPECT_EQ(info.dwFlags, 0u);
    EXPECT_EQ(MonitorFromPoint(POINT{5000, 5000}, MONITOR_DEFAULTTONULL), nullptr);
    ASSERT_TRUE(GetMonitorInfo(MonitorFromPoint(POINT{5000, 100}, MONITOR_DEFAULTTONEAREST), &info));
    EXPECT_EQ(info.rcMonitor, right.monitor);
}

TEST_F(LayeredAndNative, TranslucencyReachesTheHeadlessScreenUnlessSwitchedOff)
{
    EXPECT_TRUE(TranslucencyReachesScreen());
    kit.Display().SetTranslucency(false);
    EXPECT_FALSE(TranslucencyReachesScreen());
}

TEST_F(LayeredAndNative, WhatTheNativeSideDidByItselfReachesTheWindow)
{
    HWND top = Top(RECT{100, 100, 300, 250}, WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    HWND child = Child(top, RECT{0, 0, 50, 50});
    kit.Pump();
    auto report = [&](RawInput::Kind kind, RECT r = {}) {
        RawInput input;
        input.kind = kind;
        input.hwnd = top;
        input.rect = r;
        PostRawInput(input);
        kit.Pump();
    };
    Clear();
    report(RawInput::Kind::Minimized);
    EXPECT_TRUE(IsIconic(top));
    report(RawInput::Kind::Minimized);  // already iconic: nothing more
    report(RawInput::Kind::Restored);
    EXPECT_FALSE(IsIconic(top));
    ASSERT_EQ(Find(top, WM_SYSCOMMAND).size(), 2u);
    EXPECT_EQ(Find(top, WM_SYSCOMMAND)[0].wParam & 0xFFF0, SC_MINIMIZE);
    EXPECT_EQ(Find(top, WM_SYSCOMMAND)[1].wParam & 0xFFF0, SC_RESTORE);

    Clear();
    report(RawInput::Kind::Moved, RECT{140, 120, 360, 300});
    RECT r{};
    GetWindowRect(top, &r);
    EXPECT_EQ(r, (RECT{140, 120, 360, 300}));
    EXPECT_EQ(Find(top, WM_SIZE).size(), 1u);

    report(RawInput::Kind::DisplayChanged);
    EXPECT_EQ(Find(top, WM_DISPLAYCHANGE).size(), 1u);
    EXPECT_TRUE(Find(child, WM_DISPLAYCHANGE).empty());
}

} // namespace

namespace {

class NativeTitle : public WindowTest, public testing::Test {};

// The desktop names a top-level window by its text, given before or after it is shown.
TEST_F(NativeTitle, ATopLevelWindowsTextBecomesItsNativeTitle)
{
    HWND top = Top(RECT{0, 0, 100, 100}, WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    SetWindowText(top, "第一");
    kit.Pump();
    ASSERT_NE(kit.Display().State(top), nullptr);
    EXPECT_EQ(kit.Display().State(top)->title, "第一");
    SetWindowText(top, "Zudevivivoduv");
    EXPECT_EQ(kit.Display().State(top)->title, "Zudevivivoduv");
}

} // namespace
