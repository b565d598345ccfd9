#pragma once
// Helpers the demos share for their screenshots: letting every window paint, and naming screen
// points that the screenshot tests read back.

#include "classlib/Controls.h"
#include "classlib/ExtCtrls.h"
#include "classlib/Forms.h"
#include "platform/window/User.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>

#include <cstdio>
#include <cstring>
#include <functional>
#include <string>

// Runs the application's and Qt's messages for a moment, so that everything shown is painted.
inline void Settle()
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 1500) {
        Application->ProcessMessages();
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
}

// Prints "point NAME X Y" for the screen point at (X, Y) of the control's client area.
inline void PrintPoint(const char* Name, TWinControl* Control, int X, int Y)
{
    const POINT p = Control->ClientToScreen(POINT{X, Y});
    std::printf("point %s %d %d\n", Name, static_cast<int>(p.x), static_cast<int>(p.y));
}

// Settles, has every window painted again and settles once more, before a screenshot.
inline void RepaintAll()
{
    Settle();
    RedrawWindow(nullptr, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    Settle();
}

// The X server's picture of the whole screen.
inline QImage GrabScreen()
{
    return QGuiApplication::primaryScreen()->grabWindow(0).toImage();
}

// Prints "probe NAME X Y rrggbb": the colour of the screen picture at a screen point.
inline void PrintProbe(const QImage& Image, const char* Name, POINT Screen)
{
    const QRgb q = Image.pixel(Screen.x, Screen.y);
    std::printf("probe %s %d %d %02x%02x%02x\n", Name, static_cast<int>(Screen.x), static_cast<int>(Screen.y), qRed(q),
                qGreen(q), qBlue(q));
}

// The value given to a demo's option "--Name value", or Default.
inline std::string DemoOption(int Argc, char** Argv, const char* Name, const std::string& Default = {})
{
    for (int i = 1; i + 1 < Argc; ++i)
        if (std::strcmp(Argv[i], Name) == 0)
            return Argv[i + 1];
    return Default;
}

// Runs Shoot once, 200 ms after the modal loop that follows has started, when a picture is wanted.
inline void ShootOnceShown(TComponent* Owner, bool Wanted, std::function<void()> Shoot)
{
    auto* timer = new TTimer(Owner);
    timer->SetInterval(200);
    timer->SetEnabled(Wanted);
    timer->OnTimer = [timer, Shoot = std::move(Shoot)](TObject*) {
        timer->SetEnabled(false);
        Shoot();
    };
}
