#include "platform/display/QtWindows.h"
#include "platform/display/QtInputMethod.h"

#include "platform/display/QtDisplay.h"
#include "platform/display/QtDisplayBackend.h"
#include "platform/display/QtKeys.h"
#include "platform/display/QtX11.h"
#include "platform/window/Keys.h"
#include "platform/window/RawInput.h"

#include <QCursor>
#include <QGuiApplication>
#include <QInputMethod>
#include <QExposeEvent>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QMoveEvent>
#include <QResizeEvent>
#include <QPainter>
#include <QRegion>
#include <QWheelEvent>

#include <algorithm>
#include <cstdint>

namespace {

QRect ToQRect(const RECT& r)
{
    return QRect(r.left, r.top, std::max<int>(1, r.right - r.left), std::max<int>(1, r.bottom - r.top));
}

UINT ButtonOf(Qt::MouseButton button)
{
    switch (button) {
    case Qt::LeftButton: return VK_LBUTTON;
    case Qt::RightButton: return VK_RBUTTON;
    case Qt::MiddleButton: return VK_MBUTTON;
    default: return 0;
    }
}

POINT GlobalPoint(const QSinglePointEvent* event)
{
    const QPoint p = event->globalPosition().toPoint();
    return POINT{p.x(), p.y()};
}

void PostMouse(QMouseEvent* event, RawInput::Kind kind)
{
    RawInput input;
    input.kind = kind;
    input.pt = GlobalPoint(event);
    if (kind != RawInput::Kind::MouseMove) {
        input.button = ButtonOf(event->button());
        if (!input.button)
            return;
    }
    PostRawInput(input);
    event->accept();
}

void PostWheel(QWheelEvent* event)
{
    const int delta = event->angleDelta().y();
    if (delta == 0)
        return;
    RawInput input;
    input.kind = RawInput::Kind::Wheel;
    input.pt = GlobalPoint(event);
    input.wheelDelta = delta;  // Qt's eighths of a degree: 120 per notch, as WHEEL_DELTA
    PostRawInput(input);
    event->accept();
}

void PostKey(QKeyEvent* event, RawInput::Kind kind, QtDisplay& display)
{
    const UINT vk = VirtualKeyFromQt(event->key(), (event->modifiers() & Qt::KeypadModifier) != 0);
    if (!vk)
        return;
    display.NoteKey(event->nativeScanCode(), vk, kind == RawInput::Kind::KeyDown);
    RawInput input;
    input.kind = kind;
    input.vk = vk;
    input.autoRepeat = event->isAutoRepeat();
    if (kind == RawInput::Kind::KeyDown)
        input.text = event->text().toStdString();
    PostRawInput(input);
    event->accept();
}

Qt::CursorShape ToQtCursor(CursorShape shape)
{
    switch (shape) {
    case CursorShape::Arrow: return Qt::ArrowCursor;
    case CursorShape::IBeam: return Qt::IBeamCursor;
    case CursorShape::Wait: return Qt::WaitCursor;
    case CursorShape::Cross: return Qt::CrossCursor;
    case CursorShape::UpArrow: return Qt::UpArrowCursor;
    case CursorShape::SizeNWSE: return Qt::SizeFDiagCursor;
    case CursorShape::SizeNESW: return Qt::SizeBDiagCursor;
    case CursorShape::SizeWE: return Qt::SizeHorCursor;
    case CursorShape::SizeNS: return Qt::SizeVerCursor;
    case CursorShape::SizeAll: return Qt::SizeAllCursor;
    case CursorShape::No: return Qt::ForbiddenCursor;
    case CursorShape::Hand: return Qt::PointingHandCursor;
    case CursorShape::AppStarting: return Qt::BusyCursor;
    case CursorShape::Help: return Qt::WhatsThisCursor;
    }
    return Qt::ArrowCursor;
}

QSurfaceFormat FormatFor(bool alpha)
{
    QSurfaceFormat format;
    format.setAlphaBufferSize(alpha ? 8 : 0);
    return format;
}

} // namespace

QtTopLevelWindow::QtTopLevelWindow(HWND hwnd, QtDisplay& display)
    : hwnd_(hwnd), display_(display), store_(std::make_unique<QBackingStore>(this))
{
    setSurfaceType(QSurface::RasterSurface);
    display_.Register(hwnd_, this);
}

QtTopLevelWindow::~QtTopLevelWindow()
{
    display_.Unregister(hwnd_);
}

void QtTopLevelWindow::SetAttributes(const NativeAttributes& a)
{
    Qt::WindowFlags flags = Qt::FramelessWindowHint;
    if (a.popup)
        flags |= Qt::ToolTip;  // placed exactly, never managed or focused by the window manager
    else if (a.tool)
        flags |= Qt::Tool;
    else if (a.dialog)
        flags |= Qt::Dialog;  // transient for its owner: the desktop keeps it above the owner
    else
        flags |= Qt::Window;
    if (a.topmost)
        flags |= Qt::WindowStaysOnTopHint;
    if (a.clickThrough)
        flags |= Qt::WindowTransparentForInput;
    if (a.noActivate)
        flags |= Qt::WindowDoesNotAcceptFocus;
    const bool alphaChanged = !attributes_ || attributes_->perPixelAlpha != a.perPixelAlpha;
    const bool modalChanged = attributes_ && attributes_->modal != a.modal;
    attributes_ = a;
    if (alphaChanged && handle()) {
        // The pixel format is fixed when the native window is made: make it again.
        const bool wasVisible = isVisible();
        destroy();
        store_.reset();
        setFormat(FormatFor(a.perPixelAlpha));
        store_ = std::make_unique<QBackingStore>(this);
        setFlags(flags);
        if (wasVisible)
            setVisible(true);
    } else {
        if (alphaChanged)
            setFormat(FormatFor(a.perPixelAlpha));
        setFlags(flags);
    }
    QWindow* owner = display_.Find(a.owner);
    if (owner != transientParent()) {
        // The desktop reads the owner when the window is mapped: a window shown before its
        // owner is mapped again once the owner is there.
        const bool remap = owner && isVisible();
        if (remap)
            setVisible(false);
        setTransientParent(owner);
        if (remap)
            setVisible(true);
    }
    // An unmapped window gets its state as it is mapped (showEvent).
    if (modalChanged && isVisible() && handle())
        if (xcb_connection_t* c = XConnection())
            SetModalState(c, static_cast<xcb_window_t>(winId()), true, a.modal);
}

void QtTopLevelWindow::showEvent(QShowEvent*)
{
    // Only dialogs are ever modal.
    if (attributes_ && attributes_->dialog)
        if (xcb_connection_t* c = XConnection())
            SetModalState(c, static_cast<xcb_window_t>(winId()), false, attributes_->modal);
}

void QtTopLevelWindow::SetGeometry(const RECT& screenRect)
{
    const QRect r = ToQRect(screenRect);
    if (geometry() == r)
        return;
    requested_.push_back(r);
    if (requested_.size() > 16)
        requested_.pop_front();
    setGeometry(r);
}

void QtTopLevelWindow::ReportGeometry()
{
    const QRect now = geometry();
    if (!isVisible() || std::find(requested_.begin(), requested_.end(), now) != requested_.end())
        return;
    RawInput input;
    input.kind = RawInput::Kind::Moved;
    input.hwnd = hwnd_;
    input.rect = RECT{now.x(), now.y(), now.x() + now.width(), now.y() + now.height()};
    PostRawInput(input);
}

void QtTopLevelWindow::moveEvent(QMoveEvent*)
{
    ReportGeometry();
}

void QtTopLevelWindow::resizeEvent(QResizeEvent*)
{
    ReportGeometry();
}

void QtTopLevelWindow::SetVisible(bool visible)
{
    setVisible(visible);
}

void QtTopLevelWindow::Raise()
{
    raise();
}

void QtTopLevelWindow::Activate()
{
    display_.ExpectActivation(hwnd_);
    requestActivate();
}

void QtTopLevelWindow::SetMinimized(bool minimized)
{
    const bool isMinimized = (windowStates() & Qt::WindowMinimized) != 0;
    if (minimized != isMinimized)
        setWindowStates(minimized ? Qt::WindowMinimized : Qt::WindowNoState);
}

void QtTopLevelWindow::SetShape(const std::optional<std::vector<RECT>>& rects)
{
    if (rects == shape_)
        return;
    shape_ = rects;
    if (!rects) {
        setMask(QRegion());
        return;
    }
    std::vector<QRect> pieces;
    pieces.reserve(rects->size());
    for (const RECT& r : *rects)
        pieces.emplace_back(r.left, r.top, r.right - r.left, r.bottom - r.top);
    QRegion region;
    region.setRects(pieces.data(), static_cast<int>(pieces.size()));
    setMask(region);
}

void QtTopLevelWindow::SetTitle(const std::string& title)
{
    setTitle(QString::fromStdString(title));
}

void QtTopLevelWindow::SetOpacity(BYTE alpha)
{
    if (alpha != opacity_) {
        opacity_ = alpha;
        setOpacity(alpha / 255.0);
    }
}

void QtTopLevelWindow::SetCursor(CursorShape shape)
{
    setCursor(QCursor(ToQtCursor(shape)));
}

void QtTopLevelWindow::SetMouseGrab(bool grab)
{
    setMouseGrabEnabled(grab);
}

void QtTopLevelWindow::Present(const PixelView& pixels, const RECT& dirty)
{
    if (!isExposed() || !pixels.pixels)
        return;
    const QRect area = QRect(dirty.left, dirty.top, dirty.right - dirty.left, dirty.bottom - dirty.top)
                           .intersected(QRect(0, 0, std::min(width(), pixels.width), std::min(height(), pixels.height)));
    if (area.isEmpty())
        return;
    if (store_->size() != size())
        store_->resize(size());
    const QRegion region(area);
    store_->beginPaint(region);
    {
        QPainter painter(store_->paintDevice());
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        const bool alpha = attributes_ && attributes_->perPixelAlpha;
        // Straight alpha for layered pictures; otherwise the alpha byte means nothing.
        const QImage image(reinterpret_cast<const uchar*>(pixels.pixels), pixels.width, pixels.height,
                           static_cast<qsizetype>(pixels.stride) * 4, alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
        painter.drawImage(area.topLeft(), image, area);
    }
    store_->endPaint();
    store_->flush(region);
}

void QtTopLevelWindow::UpdateInputMethod()
{
    if (QGuiApplication::focusWindow() == this)
        QGuiApplication::inputMethod()->update(Qt::ImQueryAll);
}

std::unique_ptr<NativeChildWindow> QtTopLevelWindow::CreateChild(HWND child, const RECT& rectInTopLevel)
{
    return std::make_unique<QtChildWindow>(this, child, rectInTopLevel);
}

bool QtTopLevelWindow::event(QEvent* event)
{
    if (event->type() == QEvent::InputMethodQuery) {
        AnswerInputMethodQuery(hwnd_, static_cast<QInputMethodQueryEvent*>(event));
        return true;
    }
    if (event->type() == QEvent::InputMethod) {
        PostInputMethodEvent(static_cast<QInputMethodEvent*>(event));
        return true;
    }
    if (event->type() == QEvent::Leave) {
        RawInput input;
        input.kind = RawInput::Kind::PointerLeft;
        PostRawInput(input);
    } else if (event->type() == QEvent::WindowStateChange) {
        RawInput input;
        input.kind = (windowStates() & Qt::WindowMinimized) ? RawInput::Kind::Minimized : RawInput::Kind::Restored;
        input.hwnd = hwnd_;
        PostRawInput(input);
    } else if (event->type() == QEvent::Close) {
        // Only the window manager of ours closes windows: ask it.
        event->ignore();
        RawInput input;
        input.kind = RawInput::Kind::CloseRequested;
        input.hwnd = hwnd_;
        PostRawInput(input);
        return true;
    }
    return QWindow::event(event);
}

void QtTopLevelWindow::exposeEvent(QExposeEvent*)
{
    if (isExposed())
        NotifyExposed(hwnd_);
}

void QtTopLevelWindow::mousePressEvent(QMouseEvent* event)
{
    PostMouse(event, RawInput::Kind::ButtonDown);
}

void QtTopLevelWindow::mouseReleaseEvent(QMouseEvent* event)
{
    PostMouse(event, RawInput::Kind::ButtonUp);
}

void QtTopLevelWindow::mouseMoveEvent(QMouseEvent* event)
{
    PostMouse(event, RawInput::Kind::MouseMove);
}

void QtTopLevelWindow::wheelEvent(QWheelEvent* event)
{
    PostWheel(event);
}

void QtTopLevelWindow::keyPressEvent(QKeyEvent* event)
{
    PostKey(event, RawInput::Kind::KeyDown, display_);
}

void QtTopLevelWindow::keyReleaseEvent(QKeyEvent* event)
{
    PostKey(event, RawInput::Kind::KeyUp, display_);
}

QtChildWindow::QtChildWindow(QWindow* parent, HWND hwnd, const RECT& rectInParent) : QWindow(parent), hwnd_(hwnd)
{
    setGeometry(ToQRect(rectInParent));
    create();
    // The X server fills what becomes visible with the background at once; without one it keeps
    // the pixels of whatever covered the window until the renderer draws again.
    if (xcb_connection_t* c = XConnection()) {
        const std::uint32_t black = 0;
        xcb_change_window_attributes(c, static_cast<xcb_window_t>(winId()), XCB_CW_BACK_PIXEL, &black);
        xcb_flush(c);
    }
}

void QtChildWindow::Clear()
{
    if (xcb_connection_t* c = XConnection()) {
        xcb_clear_area(c, 0, static_cast<xcb_window_t>(winId()), 0, 0, 0, 0);
        xcb_flush(c);
    }
}

void QtChildWindow::SetGeometry(const RECT& rectInTopLevel)
{
    const QRect r = ToQRect(rectInTopLevel);
    if (geometry() != r)
        setGeometry(r);
}

void QtChildWindow::SetVisible(bool visible)
{
    if (isVisible() != visible)
        setVisible(visible);
}

std::uintptr_t QtChildWindow::Id() const
{
    return static_cast<std::uintptr_t>(winId());
}

void QtChildWindow::exposeEvent(QExposeEvent*)
{
    if (isExposed())
        NotifyChildExposed(hwnd_);
}

void QtChildWindow::mousePressEvent(QMouseEvent* event)
{
    PostMouse(event, RawInput::Kind::ButtonDown);
}

void QtChildWindow::mouseReleaseEvent(QMouseEvent* event)
{
    PostMouse(event, RawInput::Kind::ButtonUp);
}

void QtChildWindow::mouseMoveEvent(QMouseEvent* event)
{
    PostMouse(event, RawInput::Kind::MouseMove);
}

void QtChildWindow::wheelEvent(QWheelEvent* event)
{
    PostWheel(event);
}
