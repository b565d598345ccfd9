#pragma once
// What the X server shows, for the platform's X-server tests.

#include "platform/gdi/Gdi.h"
#include "platform/window/User.h"

#include <QColor>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>

namespace xscreen {

// A window procedure filling the client area with the colour kept in the window's user data.
inline LRESULT PaintColour(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_PAINT) {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd, &ps);
        RECT r;
        GetClientRect(hwnd, &r);
        HBRUSH brush = CreateSolidBrush(static_cast<COLORREF>(GetWindowLongPtr(hwnd, GWLP_USERDATA)));
        FillRect(dc, &r, brush);
        DeleteObject(brush);
        EndPaint(hwnd, &ps);
        return 0;
    }
    return DefWindowProc(hwnd, msg, wParam, lParam);
}

// The colour the screen shows at (x, y).
inline QColor ScreenAt(int x, int y)
{
    return QColor(QGuiApplication::primaryScreen()->grabWindow(0, x, y, 1, 1).toImage().pixel(0, 0));
}

// Lets the window layer and the X server deal with what is pending.
inline void Settle()
{
    for (int i = 0; i < 10; ++i) {
        while (PumpOneMessage()) {
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
}

// Pumps until the screen shows `color` at (x, y), for at most five seconds.
inline bool ScreenShows(int x, int y, QColor color)
{
    QElapsedTimer clock;
    clock.start();
    do {
        while (PumpOneMessage()) {
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        if (ScreenAt(x, y) == color)
            return true;
    } while (clock.elapsed() < 5000);
    return false;
}

} // namespace xscreen
