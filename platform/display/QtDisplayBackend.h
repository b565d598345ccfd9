#pragma once
// The Qt display backend's class (see CreateQtDisplay).

#include "platform/display/DisplayBackend.h"

#include <QAbstractNativeEventFilter>
#include <QObject>
#include <QTimer>

#include <cstdint>
#include <map>
#include <memory>
#include <unordered_map>

class QAbstractEventDispatcher;
class QWindow;
class QtTopLevelWindow;

class QtDisplay final : public DisplayBackend {
public:
    QtDisplay();
    ~QtDisplay() override;

    std::unique_ptr<NativeWindow> CreateWindow(HWND hwnd) override;
    void ProcessEvents() override;
    void Wait(std::optional<std::uint64_t> timeoutMs) override;
    void Wake() override;
    std::vector<MonitorDescription> Monitors() override;
    POINT CursorPos() override;
    bool TranslucencyReachesScreen() override;
    bool CanIconify() override;

    void Register(HWND hwnd, QtTopLevelWindow* window);
    void Unregister(HWND hwnd);
    QtTopLevelWindow* Find(HWND hwnd) const;
    // The next focus change to this window is our own doing, not news to report.
    void ExpectActivation(HWND hwnd) { expectedActivation_ = hwnd; }
    // A key went down or up in one of the windows (its X key code, 0 when it has none).
    void NoteKey(std::uint32_t keycode, UINT vk, bool down);

private:
    void FocusChanged(QWindow* window);
    // One of the windows got the keyboard back: keys released while it was elsewhere are up.
    void KeyboardBack();

    QObject context_;
    QTimer timer_;
    QAbstractEventDispatcher* dispatcher_ = nullptr;
    std::unordered_map<HWND, QtTopLevelWindow*> windows_;
    HWND expectedActivation_ = nullptr;
    std::map<std::uint32_t, UINT> keysDown_;  // key code -> virtual key
    std::unique_ptr<QAbstractNativeEventFilter> focusInFilter_;
};
