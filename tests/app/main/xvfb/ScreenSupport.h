#pragma once
// What the screen tests of the main window share: Qt and SDL both reach the X server (the player
// draws into the panel's native window), a wait that keeps the window's messages, the main
// thread's hand-overs and Qt's events running, and the screen's pixels of a rectangle.

#include "classlib/Forms.h"
#include "platform/kernel/MainThread.h"
#include "platform/window/User.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>

#include <cstdlib>
#include <functional>

namespace screentest {

inline const bool x11Chosen =
    setenv("QT_QPA_PLATFORM", "xcb", 1) == 0 && setenv("SDL_VIDEODRIVER", "x11", 1) == 0;

// Runs the window's messages and Qt's events until done() holds or the time is up.
inline bool Until(const std::function<bool()>& done, int ms = 8000)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms) {
        Application->ProcessMessages();
        MainThread::ServePending();
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        if (done())
            return true;
    }
    return false;
}

// The screen's pixels of a rectangle in screen coordinates.
inline QImage ScreenOf(const RECT& r)
{
    return QGuiApplication::primaryScreen()->grabWindow(0, r.left, r.top, r.right - r.left, r.bottom - r.top).toImage();
}

} // namespace screentest
