#pragma once
// What the screen tests of the main window share: Qt and SDL both reach the X server (the player
// draws into the panel's native window), a wait that keeps the window's messages, the main
// thread's hand-overs and Qt's events running, a picture shown in a preview window from a worker
// thread, and the screen's pixels of a rectangle.

#include "classlib/Forms.h"
#include "engine/preview/Previewer.h"
#include "platform/kernel/MainThread.h"
#include "platform/kernel/Sync.h"
#include "platform/window/User.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>

#include <cstdlib>
#include <functional>
#include <thread>

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

// Shows a picture in a conversion preview window as a converter does: PaintFrame on a worker
// thread while the main thread serves it. False when the window did not take it.
inline bool PaintOnWorker(TPreviewWindow& Previewer, const TFFPicture& Picture)
{
    bool shown = false;
    Event done{true, false};
    std::thread worker([&] {
        shown = Previewer.PaintFrame(Picture, 1, 0, AVRational{1, 1});
        done.Set();
    });
    const bool served = MainThread::WaitServing(done, 10000);
    worker.join();
    return served && shown;
}

// The screen's pixels of a rectangle in screen coordinates.
inline QImage ScreenOf(const RECT& r)
{
    return QGuiApplication::primaryScreen()->grabWindow(0, r.left, r.top, r.right - r.left, r.bottom - r.top).toImage();
}

} // namespace screentest
