#include "platform/display/QtDisplay.h"

#include "platform/display/QtDisplayBackend.h"
#include "platform/display/QtWindows.h"
#include "platform/qt/QtApp.h"
#include "platform/window/RawInput.h"

#include <QAbstractEventDispatcher>
#include <QCursor>
#include <QGuiApplication>
#include <QScreen>

#include <algorithm>
#include <climits>

namespace {

RECT ToRect(const QRect& r)
{
    return RECT{r.x(), r.y(), r.x() + r.width(), r.y() + r.height()};
}

} // namespace

QtDisplay::QtDisplay()
{
    EnsureGuiApplication();
    dispatcher_ = QAbstractEventDispatcher::instance();
    timer_.setSingleShot(true);
    QObject::connect(qGuiApp, &QGuiApplication::focusWindowChanged, &context_,
                     [this](QWindow* window) { FocusChanged(window); });
    QObject::connect(qGuiApp, &QGuiApplication::applicationStateChanged, &context_, [](Qt::ApplicationState state) {
        if (state == Qt::ApplicationInactive) {
            RawInput input;
            input.kind = RawInput::Kind::AppDeactivated;
            PostRawInput(input);
        }
    });
}

QtDisplay::~QtDisplay() = default;

std::unique_ptr<NativeWindow> QtDisplay::CreateWindow(HWND hwnd)
{
    return std::make_unique<QtTopLevelWindow>(hwnd, *this);
}

void QtDisplay::ProcessEvents()
{
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void QtDisplay::Wait(std::optional<std::uint64_t> timeoutMs)
{
    if (timeoutMs)
        timer_.start(static_cast<int>(std::min<std::uint64_t>(*timeoutMs, INT_MAX)));
    QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    timer_.stop();
}

void QtDisplay::Wake()
{
    // wakeUp is thread-safe; the dispatcher lives as long as the application.
    if (dispatcher_)
        dispatcher_->wakeUp();
}

std::vector<MonitorDescription> QtDisplay::Monitors()
{
    std::vector<MonitorDescription> monitors;
    const QScreen* primary = QGuiApplication::primaryScreen();
    for (const QScreen* screen : QGuiApplication::screens()) {
        MonitorDescription m;
        m.monitor = ToRect(screen->geometry());
        m.work = ToRect(screen->availableGeometry());
        m.primary = screen == primary;
        monitors.push_back(m);
    }
    return monitors;
}

POINT QtDisplay::CursorPos()
{
    const QPoint p = QCursor::pos();
    return POINT{p.x(), p.y()};
}

void QtDisplay::Register(HWND hwnd, QtTopLevelWindow* window)
{
    windows_[hwnd] = window;
}

void QtDisplay::Unregister(HWND hwnd)
{
    windows_.erase(hwnd);
    if (expectedActivation_ == hwnd)
        expectedActivation_ = nullptr;
}

QtTopLevelWindow* QtDisplay::Find(HWND hwnd) const
{
    auto it = windows_.find(hwnd);
    return it == windows_.end() ? nullptr : it->second;
}

void QtDisplay::FocusChanged(QWindow* window)
{
    auto* ours = dynamic_cast<QtTopLevelWindow*>(window);
    if (!ours)
        return;
    if (ours->Handle() == expectedActivation_) {
        expectedActivation_ = nullptr;
        return;
    }
    RawInput input;
    input.kind = RawInput::Kind::Activated;
    input.hwnd = ours->Handle();
    PostRawInput(input);
}

std::unique_ptr<DisplayBackend> CreateQtDisplay()
{
    return std::make_unique<QtDisplay>();
}
