// The Qt display backend on Qt's offscreen platform: native windows, pixels and input.

#include "WindowTestSupport.h"

#include "platform/display/QtDisplay.h"
#include "platform/gdi/Drawing.h"
#include "platform/gdi/Objects.h"
#include "platform/kernel/Thread.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScreen>
#include <QWindow>

#include <gtest/gtest.h>

namespace {

class QtDisplayTest : public WindowTest, public testing::Test {
protected:
    QtDisplayTest() { SetDisplayBackend(CreateQtDisplay()); }

    QWindow* NativeOf(HWND hwnd)
    {
        RECT r;
        GetWindowRect(hwnd, &r);
        for (QWindow* w : QGuiApplication::topLevelWindows()) {
            if (w->isVisible() && w->geometry() == QRect(r.left, r.top, r.right - r.left, r.bottom - r.top))
                return w;
        }
        return nullptr;
    }
    void Drain()
    {
        while (PumpOneMessage()) {
        }
    }
};

TEST_F(QtDisplayTest, ShownWindowsGetFramelessQtWindowsWithTheirFlags)
{
    HWND form = Top(RECT{10, 10, 210, 110});
    HWND menu = Top(RECT{300, 10, 350, 60}, WS_POPUP, WS_EX_TOOLWINDOW | WS_EX_TOPMOST);
    ShowWindow(menu, SW_SHOWNA);
    Drain();
    QWindow* formWindow = NativeOf(form);
    QWindow* menuWindow = NativeOf(menu);
    ASSERT_NE(formWindow, nullptr);
    ASSERT_NE(menuWindow, nullptr);
    EXPECT_TRUE(formWindow->flags() & Qt::FramelessWindowHint);
    EXPECT_EQ(menuWindow->flags() & Qt::WindowType_Mask, Qt::ToolTip);
    EXPECT_TRUE(menuWindow->flags() & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(menuWindow->flags() & Qt::WindowDoesNotAcceptFocus);
    ShowWindow(menu, SW_HIDE);
    EXPECT_FALSE(menuWindow->isVisible());
    SetWindowPos(form, nullptr, 20, 30, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    EXPECT_EQ(formWindow->geometry(), QRect(20, 30, 200, 100));
}

TEST_F(QtDisplayTest, PaintedPixelsReachTheScreen)
{
    HWND form = Top(RECT{0, 0, 120, 80});
    onMessage = [](HWND hwnd, UINT msg, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (msg != WM_PAINT)
            return std::nullopt;
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd, &ps);
        HBRUSH brush = CreateSolidBrush(RGB(200, 40, 10));
        const RECT r{0, 0, 60, 80};
        FillRect(dc, &r, brush);
        DeleteObject(brush);
        EndPaint(hwnd, &ps);
        return 0;
    };
    Drain();
    ASSERT_NE(NativeOf(form), nullptr);
    const QImage shot = QGuiApplication::primaryScreen()->grabWindow(0, 0, 0, 120, 80).toImage();
    ASSERT_FALSE(shot.isNull());
    EXPECT_EQ(QColor(shot.pixel(30, 40)), QColor(200, 40, 10));
    EXPECT_EQ(QColor(shot.pixel(90, 40)), QColor(255, 255, 255));  // the class background
}

TEST_F(QtDisplayTest, QtInputBecomesWindowMessages)
{
    HWND form = Top(RECT{50, 50, 250, 150});
    HWND child = Child(form, RECT{10, 10, 60, 60});
    SetFocus(child);
    Drain();
    QWindow* native = NativeOf(form);
    ASSERT_NE(native, nullptr);
    Clear();
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(25, 30), QPointF(75, 80), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(native, &press);
    QKeyEvent key(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
    QCoreApplication::sendEvent(native, &key);
    MSG msg;
    while (PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessage(&msg);
    }
    auto down = Find(child, WM_LBUTTONDOWN);
    ASSERT_EQ(down.size(), 1u);
    EXPECT_EQ(down[0].lParam, MAKELPARAM(15, 20));
    auto keys = Find(child, WM_KEYDOWN);
    ASSERT_EQ(keys.size(), 1u);
    EXPECT_EQ(keys[0].wParam, static_cast<WPARAM>('A'));
    auto chars = Find(child, WM_CHAR);
    ASSERT_EQ(chars.size(), 1u);
    EXPECT_EQ(chars[0].wParam, static_cast<WPARAM>('a'));
}

TEST_F(QtDisplayTest, APostFromAnotherThreadWakesTheQtWait)
{
    HWND form = Top(RECT{0, 0, 10, 10});
    Drain();
    Thread worker;
    worker.Start([form] { PostMessage(form, WM_USER, 1, 2); });
    MSG msg;
    do {
        ASSERT_EQ(GetMessage(&msg, nullptr, 0, 0), TRUE);
        DispatchMessage(&msg);
    } while (msg.message != WM_USER);
    worker.Join();
    EXPECT_EQ(msg.hwnd, form);
}

TEST_F(QtDisplayTest, TranslucencyReachesAScreenThatIsNotAnXServer)
{
    EXPECT_TRUE(TranslucencyReachesScreen());
}

} // namespace
