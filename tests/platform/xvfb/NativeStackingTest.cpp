// The stacking of native windows on a real X server, bare and with a window manager: what the
// screen shows on top is what the window layer's z-order puts there, however often windows were
// hidden and shown again, raised, covered by a dialog or made again natively. Mapped again, an X
// window keeps its old place in the stack, and without a window manager nobody else raises it.
// Minimising iconifies a window only where a window manager can.

#include "platform/gdi/Gdi.h"
#include "platform/window/Layered.h"
#include "platform/window/User.h"

#include "ScreenSupport.h"
#include "WindowManager.h"

#include <QColor>

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace {

using xscreen::PaintColour;
using xscreen::ScreenShows;

const COLORREF kRed = RGB(200, 0, 0);
const COLORREF kGreen = RGB(0, 160, 0);
const COLORREF kBlue = RGB(0, 0, 220);

QColor Q(COLORREF c)
{
    return QColor(GetRValue(c), GetGValue(c), GetBValue(c));
}

// With (true) or without a window manager.
class NativeStacking : public testing::TestWithParam<bool> {
protected:
    NativeStacking()
    {
        if (GetParam())
            manager = std::make_unique<xscreen::WindowManager>();
        WNDCLASS wc;
        wc.lpfnWndProc = &PaintColour;
        wc.lpszClassName = "Colour";
        RegisterClass(&wc);
        // Two program windows overlapping where the pop-up shows.
        main = Make(0, WS_POPUP, RECT{100, 100, 500, 400}, kRed);
        other = Make(WS_EX_LAYERED, WS_POPUP, RECT{150, 150, 550, 450}, kGreen);
        SetLayeredWindowAttributes(other, 0, 255, LWA_ALPHA);
        ShowWindow(main, SW_SHOW);
        ShowWindow(other, SW_SHOW);
    }
    ~NativeStacking() override
    {
        for (auto it = windows.rbegin(); it != windows.rend(); ++it)
            DestroyWindow(*it);
        UnregisterClass("Colour", nullptr);
    }
    void SetUp() override
    {
        if (manager) {
            ASSERT_TRUE(manager->Running()) << "twm did not start";
        }
        ASSERT_TRUE(ScreenShows(450, 420, Q(kGreen)));
    }

    HWND Make(DWORD exStyle, DWORD style, RECT r, COLORREF colour, HWND owner = nullptr)
    {
        HWND h = CreateWindowEx(exStyle, "Colour", "", style, r.left, r.top, r.right - r.left, r.bottom - r.top,
                                owner, nullptr, nullptr, nullptr);
        SetWindowLongPtr(h, GWLP_USERDATA, static_cast<LONG_PTR>(colour));
        windows.push_back(h);
        return h;
    }

    // The pop-ups the program shows and hides again and again: a hint (topmost, never
    // activated) and a drop-down list (owned by the main window).
    HWND MakeHint() { return Make(WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE, WS_POPUP, kPopup, kBlue); }
    HWND MakeDropDown() { return Make(WS_EX_TOOLWINDOW, WS_POPUP, kPopup, kBlue, main); }

    static void ShowPopup(HWND popup)
    {
        SetWindowPos(popup, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW | SWP_NOACTIVATE);
    }
    static void HidePopup(HWND popup)
    {
        SetWindowPos(popup, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_HIDEWINDOW | SWP_NOACTIVATE);
    }
    // A modal dialog of the main window, opened and closed.
    void OpenAndCloseDialog()
    {
        EnableWindow(main, FALSE);
        HWND dialog = Make(WS_EX_DLGMODALFRAME, WS_POPUP | WS_CAPTION, RECT{120, 120, 420, 320}, kGreen, main);
        ShowWindow(dialog, SW_SHOW);
        EXPECT_TRUE(ScreenShows(kInPopup.x, kInPopup.y, Q(kGreen)));
        EnableWindow(main, TRUE);
        DestroyWindow(dialog);
        std::erase(windows, dialog);
        SetActiveWindow(main);
    }
    // The layered window's native window is made again (a picture of its own, then constant
    // alpha again): it comes up on top of the X stack.
    void RemakeOther()
    {
        BITMAPINFO info{};
        info.bmiHeader.biWidth = 400;
        info.bmiHeader.biHeight = -300;
        info.bmiHeader.biBitCount = 32;
        void* bits = nullptr;
        HBITMAP dib = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        auto* pixels = static_cast<std::uint32_t*>(bits);
        for (int i = 0; i < 400 * 300; ++i)
            pixels[i] = 0xFF00A000u;
        HDC memory = CreateCompatibleDC(nullptr);
        HGDIOBJ old = SelectObject(memory, dib);
        const POINT origin{0, 0};
        BLENDFUNCTION blend;
        blend.SourceConstantAlpha = 255;
        blend.AlphaFormat = AC_SRC_ALPHA;
        UpdateLayeredWindow(other, nullptr, nullptr, nullptr, memory, &origin, 0, &blend, ULW_ALPHA);
        SelectObject(memory, old);
        DeleteDC(memory);
        DeleteObject(dib);
        xscreen::Settle();
        SetLayeredWindowAttributes(other, 0, 255, LWA_ALPHA);
        InvalidateRect(other, nullptr, TRUE);
    }

    static constexpr RECT kPopup{200, 200, 300, 240};
    static constexpr POINT kInPopup{250, 220};
    std::unique_ptr<xscreen::WindowManager> manager;
    HWND main = nullptr;
    HWND other = nullptr;
    std::vector<HWND> windows;
};

// Shown again after the program's windows were raised, a dialog came and went, or a window
// was made again natively, a hint and a drop-down are on top of the screen every time.
TEST_P(NativeStacking, APopupShownAgainIsAboveEveryWindowOfTheProgram)
{
    for (const bool hint : {true, false}) {
        HWND popup = hint ? MakeHint() : MakeDropDown();
        for (int round = 0; round < 6; ++round) {
            SCOPED_TRACE(std::string(hint ? "hint" : "drop-down") + ", round " + std::to_string(round));
            ShowPopup(popup);
            EXPECT_TRUE(ScreenShows(kInPopup.x, kInPopup.y, Q(kBlue)));
            HidePopup(popup);
            switch (round % 3) {
            case 0:
                SetWindowPos(round % 2 ? other : main, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
                break;
            case 1: OpenAndCloseDialog(); break;
            case 2: RemakeOther(); break;
            }
        }
    }
}

// A window made again natively while a hint is shown does not cover the hint.
TEST_P(NativeStacking, AWindowMadeAgainStaysUnderAShownHint)
{
    HWND hint = MakeHint();
    ShowPopup(hint);
    ASSERT_TRUE(ScreenShows(kInPopup.x, kInPopup.y, Q(kBlue)));
    for (int round = 0; round < 3; ++round) {
        RemakeOther();
        EXPECT_TRUE(ScreenShows(kInPopup.x, kInPopup.y, Q(kBlue))) << "round " << round;
    }
}

// Minimised, a window is iconified where a window manager runs (the screen no longer shows it,
// and restoring brings it back); on a bare X server it stays shown and is no longer minimised.
TEST_P(NativeStacking, MinimizeIconifiesOnlyWhereAWindowManagerCan)
{
    ShowWindow(other, SW_MINIMIZE);
    xscreen::Settle();
    if (GetParam()) {
        EXPECT_TRUE(IsIconic(other));
        EXPECT_TRUE(ScreenShows(450, 420, QColor(0, 0, 0))) << "the iconified window is still on the screen";
        ShowWindow(other, SW_RESTORE);
        EXPECT_FALSE(IsIconic(other));
    } else {
        EXPECT_FALSE(IsIconic(other));
        EXPECT_TRUE(IsWindowVisible(other));
    }
    EXPECT_TRUE(ScreenShows(450, 420, Q(kGreen)));
}

INSTANTIATE_TEST_SUITE_P(Desktops, NativeStacking, testing::Values(false, true),
                         [](const testing::TestParamInfo<bool>& desktop) {
                             return desktop.param ? std::string("WithWindowManager") : std::string("Bare");
                         });

} // namespace
