#pragma once
// What the X server shows, for the platform's X-server tests.

#include "platform/window/MessageLoop.h"

#include <QColor>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>

namespace xscreen {

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
