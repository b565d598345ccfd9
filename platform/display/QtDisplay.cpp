#include "platform/display/QtDisplay.h"

#include "platform/display/QtDisplayBackend.h"
#include "platform/display/QtWindows.h"
#include "platform/display/QtX11.h"
#include "platform/qt/QtApp.h"
#include "platform/window/RawInput.h"

#include <QAbstractEventDispatcher>
#include <QCursor>
#include <QGuiApplication>
#include <QScreen>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <functional>
#include <string>

namespace {

RECT ToRect(const QRect& r)
{
    return RECT{r.x(), r.y(), r.x() + r.width(), r.y() + r.height()};
}

// Calls back on every X focus-in of the program's windows, the end of another client's keyboard
// grab included (Qt reports no focus change when the focus comes back to the window that had it).
class FocusInFilter final : public QAbstractNativeEventFilter {
public:
    explicit FocusInFilter(std::function<void()> back) : back_(std::move(back)) {}
    bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override
    {
        if (type == "xcb_generic_event_t") {
            const auto* event = static_cast<const xcb_generic_event_t*>(message);
            if ((event->response_type & 0x7F) == XCB_FOCUS_IN &&
                reinterpret_cast<const xcb_focus_in_event_t*>(event)->detail != XCB_NOTIFY_DETAIL_POINTER)
                back_();
        }
        return false;
    }

private:
    std::function<void()> back_;
};

} // namespace

QtDisplay::QtDisplay()
{
    EnsureGuiApplication();
    dispatcher_ = QAbstractEventDispatcher::instance();
    timer_.setSingleShot(true);
    QObject::connect(qGuiApp, &QGuiApplication::focusWindowChanged, &context_,
                     [this](QWindow* window) { FocusChanged(window); });
    // Monitors that come, go or change their areas are reported once per change.
    auto displayChanged = [] {
        RawInput input;
        input.kind = RawInput::Kind::DisplayChanged;
        PostRawInput(input);
    };
    auto watch = [this, displayChanged](QScreen* screen) {
        QObject::connect(screen, &QScreen::geometryChanged, &context_, displayChanged);
        QObject::connect(screen, &QScreen::availableGeometryChanged, &context_, displayChanged);
    };
    for (QScreen* screen : QGuiApplication::screens())
        watch(screen);
    QObject::connect(qGuiApp, &QGuiApplication::screenAdded, &context_, [watch, displayChanged](QScreen* screen) {
        watch(screen);
        displayChanged();
    });
    QObject::connect(qGuiApp, &QGuiApplication::screenRemoved, &context_, displayChanged);
    focusInFilter_ = std::make_unique<FocusInFilter>([this] { KeyboardBack(); });
    qGuiApp->installNativeEventFilter(focusInFilter_.get());
    QObject::connect(qGuiApp, &QGuiApplication::applicationStateChanged, &context_, [](Qt::ApplicationState state) {
        if (state == Qt::ApplicationInactive) {
            RawInput input;
            input.kind = RawInput::Kind::AppDeactivated;
            PostRawInput(input);
        }
    });
}

QtDisplay::~QtDisplay()
{
    if (QCoreApplication* app = QCoreApplication::instance())
        app->removeNativeEventFilter(focusInFilter_.get());
}

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

bool QtDisplay::TranslucencyReachesScreen()
{
    xcb_connection_t* const c = XConnection();
    if (!c)
        return true;
    // A compositing manager owns the selection _NET_WM_CM_S<screen> of the display's screen.
    std::string screen = "0";
    if (const char* display = std::getenv("DISPLAY")) {
        const std::string name = display;
        const auto dot = name.rfind('.');
        if (dot != std::string::npos && dot > name.rfind(':'))
            screen = name.substr(dot + 1);
    }
    const xcb_atom_t selection = XAtom(c, "_NET_WM_CM_S" + screen);
    if (selection == XCB_ATOM_NONE)
        return false;
    xcb_get_selection_owner_reply_t* owner =
        xcb_get_selection_owner_reply(c, xcb_get_selection_owner(c, selection), nullptr);
    const bool owned = owner && owner->owner != XCB_WINDOW_NONE;
    std::free(owner);
    return owned;
}

bool QtDisplay::CanIconify()
{
    xcb_connection_t* const c = XConnection();
    if (!c)
        return true;
    // Only a window manager iconifies a window on X11, and every one redirects the root window's
    // substructure (whether or not it announces itself).
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    xcb_get_window_attributes_reply_t* a = xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, root), nullptr);
    const bool managed = a && (a->all_event_masks & XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT);
    std::free(a);
    return managed;
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

void QtDisplay::NoteKey(std::uint32_t keycode, UINT vk, bool down)
{
    if (keycode == 0 || keycode > 255)
        return;
    if (down)
        keysDown_[keycode] = vk;
    else
        keysDown_.erase(keycode);
}

void QtDisplay::KeyboardBack()
{
    xcb_connection_t* const c = XConnection();
    if (keysDown_.empty() || !c)
        return;
    const std::optional<std::bitset<256>> held = KeysHeld(c);
    if (!held)
        return;
    for (auto it = keysDown_.begin(); it != keysDown_.end();) {
        if ((*held)[it->first]) {
            ++it;
            continue;
        }
        RawInput input;
        input.kind = RawInput::Kind::KeyUpElsewhere;
        input.vk = it->second;
        PostRawInput(input);
        it = keysDown_.erase(it);
    }
}

std::unique_ptr<DisplayBackend> CreateQtDisplay()
{
    return std::make_unique<QtDisplay>();
}
