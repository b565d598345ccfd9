#include "Screenshot.h"

#include "platform/testkit/ScreenComposition.h"
#include "platform/window/User.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QWindow>

namespace {

void Drain()
{
    while (PumpOneMessage()) {
    }
}

bool AllExposed()
{
    for (QWindow* w : QGuiApplication::topLevelWindows()) {
        if (w->isVisible() && !w->isExposed())
            return false;
    }
    return true;
}

QImage Compose()
{
    RECT screen;
    GetVirtualScreenRect(&screen);
    auto picture = ComposeScreen(screen, RGB(0, 0, 0));
    QImage image(picture->Width(), picture->Height(), QImage::Format_RGB32);
    for (int y = 0; y < picture->Height(); ++y)
        std::copy(picture->Row(y), picture->Row(y) + picture->Width(), reinterpret_cast<std::uint32_t*>(image.scanLine(y)));
    return image;
}

} // namespace

bool WriteScreenshot(const std::string& path)
{
    // The window system maps the windows asynchronously; give it a few seconds at most.
    QElapsedTimer clock;
    clock.start();
    Drain();
    while (!AllExposed() && clock.elapsed() < 5000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        Drain();
    }
    // Everything again, now that every native window can show it.
    RedrawWindow(nullptr, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    Drain();
    QImage image;
    if (QGuiApplication::platformName() == QLatin1String("xcb"))
        image = QGuiApplication::primaryScreen()->grabWindow(0).toImage();
    else
        image = Compose();
    return !image.isNull() && image.save(QString::fromStdString(path), "PNG");
}
