// Native windows on a real X server: window shapes and a child window SDL draws into.

#include "platform/gdi/Drawing.h"
#include "platform/gdi/Objects.h"
#include "platform/gdi/Regions.h"
#include "platform/window/User.h"

#include "ScreenSupport.h"

#include <QGuiApplication>
#include <QWindow>

#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {

using xscreen::ScreenShows;

class NativeWindows : public testing::Test {
protected:
    NativeWindows()
    {
        WNDCLASS wc;
        wc.lpfnWndProc = &xscreen::PaintColour;
        wc.lpszClassName = "White";
        RegisterClass(&wc);
    }
    ~NativeWindows() override
    {
        for (HWND h : windows)
            DestroyWindow(h);
        UnregisterClass("White", nullptr);
    }

    HWND Make(DWORD style, RECT r, HWND parent = nullptr)
    {
        HWND h = CreateWindowEx(0, "White", "", style, r.left, r.top, r.right - r.left, r.bottom - r.top, parent,
                                nullptr, nullptr, nullptr);
        // Painted when the queue is next idle: white.
        SetWindowLongPtr(h, GWLP_USERDATA, static_cast<LONG_PTR>(RGB(255, 255, 255)));
        if (!parent)
            windows.push_back(h);
        return h;
    }

    std::vector<HWND> windows;
};

TEST_F(NativeWindows, AShapedWindowLetsTheScreenShowThroughItsHoles)
{
    HWND top = Make(WS_POPUP | WS_VISIBLE, RECT{100, 100, 300, 300});
    ASSERT_TRUE(ScreenShows(150, 150, QColor(255, 255, 255)));
    // What lies beneath, at a point with the same parity (the root window may have a pattern).
    const QColor before = QColor(QGuiApplication::primaryScreen()->grabWindow(0, 80, 80, 1, 1).toImage().pixel(0, 0));
    HRGN rgn = CreateRectRgn(0, 0, 100, 200);
    SetWindowRgn(top, rgn, TRUE);
    EXPECT_TRUE(ScreenShows(250, 150, before));
    EXPECT_TRUE(ScreenShows(150, 150, QColor(255, 255, 255)));
}

TEST_F(NativeWindows, SdlDrawsIntoTheNativeWindowOfAChild)
{
    HWND top = Make(WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, RECT{0, 0, 300, 200});
    HWND host = Make(WS_CHILD | WS_VISIBLE, RECT{50, 50, 150, 100}, top);
    ASSERT_TRUE(ScreenShows(10, 10, QColor(255, 255, 255)));
    const std::uintptr_t id = GetNativeWindowId(host);
    ASSERT_NE(id, 0u);
    EXPECT_EQ(GetNativeWindowId(host), id);
    EXPECT_EQ(GetNativeWindowId(top), 0u);  // top-level windows have no such child

    setenv("SDL_VIDEODRIVER", "x11", 1);
    setenv("SDL_WINDOWID", std::to_string(id).c_str(), 1);
    ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO), 0) << SDL_GetError();
    SDL_Surface* screen = SDL_SetVideoMode(100, 50, 32, SDL_SWSURFACE);
    ASSERT_NE(screen, nullptr) << SDL_GetError();
    SDL_FillRect(screen, nullptr, SDL_MapRGB(screen->format, 10, 200, 30));
    SDL_UpdateRect(screen, 0, 0, 0, 0);
    EXPECT_TRUE(ScreenShows(100, 75, QColor(10, 200, 30)));
    EXPECT_TRUE(ScreenShows(10, 10, QColor(255, 255, 255)));  // the parent around it
    SDL_Quit();
    unsetenv("SDL_WINDOWID");
    setenv("SDL_VIDEODRIVER", "dummy", 1);

    // The native window follows its child.
    SetWindowPos(host, nullptr, 120, 60, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    QWindow* native = nullptr;
    for (QWindow* w : QGuiApplication::allWindows()) {
        if (w->parent() && w->winId() == static_cast<WId>(id))
            native = w;
    }
    ASSERT_NE(native, nullptr);
    EXPECT_EQ(native->geometry(), QRect(120, 60, 100, 50));
}

} // namespace
