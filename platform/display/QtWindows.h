#pragma once
// The Qt windows behind top-level windows and native child windows.

#include "platform/display/DisplayBackend.h"

#include <QBackingStore>
#include <QWindow>

#include <deque>
#include <memory>
#include <optional>
#include <vector>

class QtDisplay;

class QtTopLevelWindow final : public QWindow, public NativeWindow {
public:
    QtTopLevelWindow(HWND hwnd, QtDisplay& display);
    ~QtTopLevelWindow() override;

    HWND Handle() const { return hwnd_; }

    void SetAttributes(const NativeAttributes& attributes) override;
    void SetGeometry(const RECT& screenRect) override;
    void SetVisible(bool visible) override;
    void Raise() override;
    void Activate() override;
    void SetMinimized(bool minimized) override;
    void SetShape(const std::optional<std::vector<RECT>>& rects) override;
    void SetOpacity(BYTE alpha) override;
    void SetCursor(CursorShape shape) override;
    void SetMouseGrab(bool grab) override;
    void Present(const PixelView& pixels, const RECT& dirty) override;
    std::unique_ptr<NativeChildWindow> CreateChild(HWND child, const RECT& rectInTopLevel) override;
    void UpdateInputMethod() override;
    void SetTitle(const std::string& title) override;

protected:
    bool event(QEvent* event) override;
    void exposeEvent(QExposeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // Reports a place the window did not ask for (the window manager moved or sized it).
    void ReportGeometry();

    HWND hwnd_;
    // The last places asked for: their echoes are not news.
    std::deque<QRect> requested_;
    QtDisplay& display_;
    std::unique_ptr<QBackingStore> store_;
    std::optional<NativeAttributes> attributes_;
    std::optional<std::vector<RECT>> shape_;
    BYTE opacity_ = 255;
};

class QtChildWindow final : public QWindow, public NativeChildWindow {
public:
    QtChildWindow(QWindow* parent, HWND hwnd, const RECT& rectInParent);

    void SetGeometry(const RECT& rectInTopLevel) override;
    void SetVisible(bool visible) override;
    void Clear() override;
    std::uintptr_t Id() const override;

protected:
    void exposeEvent(QExposeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    HWND hwnd_;
};
