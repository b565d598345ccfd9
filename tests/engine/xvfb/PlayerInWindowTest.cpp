// The player in a host window of the platform layer, on a real X server: the video appears in
// the host's area of the screen, follows the host's size and is drawn again once uncovered.

#include "engine/FFPlay.h"
#include "engine/FFmpegLoader.h"
#include "engine/FFmpegLogger.h"
#include "platform/gdi/Drawing.h"
#include "platform/gdi/Objects.h"
#include "platform/kernel/MainThread.h"
#include "platform/player/WindowPlayerHost.h"
#include "platform/window/User.h"

#include "TestPaths.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <functional>
#include <memory>
#include <vector>

namespace {

// SDL draws through X11 here, not into the dummy driver the shared test main would choose.
const bool x11Chosen = setenv("SDL_VIDEODRIVER", "x11", 1) == 0;

constexpr std::int64_t kFrameUs = 40000;  // frames.avi: 25 pictures per second, 64 x 48
const COLORREF kBackdrop = RGB(200, 40, 120);

LRESULT PaintBackdrop(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_PAINT) {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd, &ps);
        RECT r;
        GetClientRect(hwnd, &r);
        HBRUSH brush = CreateSolidBrush(kBackdrop);
        FillRect(dc, &r, brush);
        DeleteObject(brush);
        EndPaint(hwnd, &ps);
        return 0;
    }
    return DefWindowProc(hwnd, msg, wParam, lParam);
}

QColor ScreenPixel(int x, int y)
{
    const QImage shot = QGuiApplication::primaryScreen()->grabWindow(0, x, y, 1, 1).toImage();
    return shot.isNull() ? QColor() : QColor(shot.pixel(0, 0));
}

bool Near(const QColor& a, const QColor& b)
{
    constexpr int tolerance = 6;  // the YUV to RGB conversions of SDL and of the picture's maker differ a little
    return std::abs(a.red() - b.red()) <= tolerance && std::abs(a.green() - b.green()) <= tolerance &&
           std::abs(a.blue() - b.blue()) <= tolerance;
}

class PlayerInWindow : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(x11Chosen);
        ASSERT_TRUE(FFLoader().Load(PlayerLibraries)) << FFLoader().GetLastErrMsg();
        WNDCLASS wc;
        wc.lpfnWndProc = &PaintBackdrop;
        wc.lpszClassName = "Backdrop";
        RegisterClass(&wc);
        top_ = CreateWindowEx(0, "Backdrop", "", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 400, 300, nullptr,
                              nullptr, nullptr, nullptr);
        hostWindow_ = CreateWindowEx(0, "Backdrop", "", WS_CHILD | WS_VISIBLE, 40, 30, 160, 120, top_, nullptr,
                                     nullptr, nullptr);
        ASSERT_TRUE(Until([] { return Near(ScreenPixel(120, 90), QColor(200, 40, 120)); }));
        host_ = std::make_unique<WindowPlayerHost>(hostWindow_);
        player_.OnState = [this](TCustomPlayer*, TPlayState state) { states_.push_back(state); };
    }

    void TearDown() override
    {
        player_.Stop(true);
        host_.reset();
        DestroyWindow(top_);
        UnregisterClass("Backdrop", nullptr);
        MainThread::ServePending();
    }

    // Runs the GUI thread (the player's events, window messages, the X connection) until done()
    // holds; false after twenty seconds.
    static bool Until(const std::function<bool()>& done)
    {
        QElapsedTimer clock;
        clock.start();
        do {
            MainThread::ServePending();
            while (PumpOneMessage()) {
            }
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
            if (done())
                return true;
        } while (clock.elapsed() < 20000);
        return false;
    }

    // Opens frames.avi paused into the host and goes to a mid-grey picture; returns its grey
    // as the screen shows it (frame N has the luma 16 + 2 N).
    QColor OpenAtMidGrey()
    {
        EXPECT_TRUE(player_.Open(zdtest::fixture("frames.avi"), host_.get(), true)) << player_.GetLastErrMsg();
        EXPECT_TRUE(Until([&] { return !states_.empty() && states_.back() == psPause; }));
        player_.Seek(std::int64_t{2000000}, TSeekFlags{}, true);
        std::int64_t pts = -1;
        EXPECT_TRUE(Until([&] {
            player_.CurrentFrame(pts);
            return pts >= 2000000;
        }));
        const int grey = static_cast<int>(std::lround(2.0 * static_cast<double>(pts / kFrameUs) * 255.0 / 219.0));
        return QColor(grey, grey, grey);
    }

    // The screen shows `color` at every point, for the screen points given.
    static bool Shows(const QColor& color, const std::vector<QPoint>& points)
    {
        for (const QPoint& p : points)
            if (!Near(ScreenPixel(p.x(), p.y()), color))
                return false;
        return true;
    }

    TFFLogger logger_;
    HWND top_ = nullptr;
    HWND hostWindow_ = nullptr;
    std::unique_ptr<WindowPlayerHost> host_;
    TFFPlayer player_;
    std::vector<TPlayState> states_;
};

TEST_F(PlayerInWindow, TheVideoAppearsInsideTheHostWindow)
{
    const QColor grey = OpenAtMidGrey();
    // The host's client area is the screen's (40, 30) to (200, 150); the picture has the
    // host's aspect and fills it.
    const std::vector<QPoint> inside{{120, 90}, {42, 32}, {197, 32}, {42, 147}, {197, 147}};
    EXPECT_TRUE(Until([&] { return Shows(grey, inside); })) << grey.red();
    EXPECT_TRUE(Shows(QColor(200, 40, 120), {{37, 90}, {203, 90}, {120, 27}, {120, 153}}));
}

TEST_F(PlayerInWindow, TheVideoFollowsTheHostsSize)
{
    const QColor grey = OpenAtMidGrey();
    ASSERT_TRUE(Until([&] { return Shows(grey, {{120, 90}}); }));
    SetWindowPos(hostWindow_, nullptr, 0, 0, 240, 180, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    // The client area is now (40, 30) to (280, 210): its far corner shows the picture too.
    EXPECT_TRUE(Until([&] { return Shows(grey, {{160, 120}, {277, 207}, {42, 207}}); }));
    EXPECT_TRUE(Shows(QColor(200, 40, 120), {{283, 120}, {160, 213}}));
}

TEST_F(PlayerInWindow, ACoveredVideoIsDrawnAgainWhenUncovered)
{
    const QColor grey = OpenAtMidGrey();
    ASSERT_TRUE(Until([&] { return Shows(grey, {{120, 90}}); }));
    HWND cover = CreateWindowEx(0, "Backdrop", "", WS_POPUP | WS_VISIBLE, 100, 70, 60, 40, nullptr, nullptr,
                                nullptr, nullptr);
    ASSERT_TRUE(Until([&] { return Shows(QColor(200, 40, 120), {{120, 90}}); }));
    DestroyWindow(cover);
    // Paused, the player draws only when told that its window was exposed.
    EXPECT_TRUE(Until([&] { return Shows(grey, {{120, 90}, {105, 75}, {155, 105}}); }));
}

} // namespace
