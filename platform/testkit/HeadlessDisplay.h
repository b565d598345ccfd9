#pragma once
// A display backend without any screen, for tests: native windows only record what they were
// told, monitors are whatever the test sets, and the GUI thread's wait runs the test's scripted
// steps (so a modal loop can be driven from a test).

#include "platform/display/DisplayBackend.h"

#include <condition_variable>
#include <deque>
#include <functional>
#include <map>
#include <mutex>
#include <string>

// What a headless native window was last told.
struct HeadlessWindowState {
    NativeAttributes attributes;
    RECT geometry{};
    bool visible = false;
    bool minimized = false;
    bool grab = false;
    BYTE opacity = 255;
    std::optional<std::vector<RECT>> shape;
    CursorShape cursor = CursorShape::Arrow;
    int presents = 0;
    int raises = 0;
    int activations = 0;
    std::string title;
};

class HeadlessDisplay final : public DisplayBackend {
public:
    HeadlessDisplay();

    std::unique_ptr<NativeWindow> CreateWindow(HWND hwnd) override;
    void ProcessEvents() override {}
    // Runs the next scripted step when there is one. Otherwise waits for Wake (or, with the
    // system clock in force, the time-out); a wait of more than ten seconds without either
    // raises EAssertionFailed, since nothing will ever come.
    void Wait(std::optional<std::uint64_t> timeoutMs) override;
    void Wake() override;
    void QueueIdle() override
    {
        if (onQueueIdle_)
            onQueueIdle_();
    }
    std::vector<MonitorDescription> Monitors() override { return monitors_; }
    POINT CursorPos() override { return cursor_; }
    bool TranslucencyReachesScreen() override { return translucency_; }
    bool CanIconify() override { return iconify_; }

    void SetMonitors(std::vector<MonitorDescription> monitors) { monitors_ = std::move(monitors); }
    void SetCursorPos(POINT p) { cursor_ = p; }
    // Headless translucency is on unless a test switches it off.
    void SetTranslucency(bool on) { translucency_ = on; }
    // Headless windows can be iconified unless a test says there is no window manager to do it.
    void SetIconify(bool on) { iconify_ = on; }
    void AddIdleStep(std::function<void()> step) { steps_.push_back(std::move(step)); }
    void OnQueueIdle(std::function<void()> action) { onQueueIdle_ = std::move(action); }
    std::size_t PendingIdleSteps() const { return steps_.size(); }
    // The state of the native window of hwnd; nullptr when it has none.
    const HeadlessWindowState* State(HWND hwnd) const;

private:
    friend class HeadlessWindow;

    std::vector<MonitorDescription> monitors_;
    POINT cursor_{};
    bool translucency_ = true;
    bool iconify_ = true;
    std::deque<std::function<void()>> steps_;
    std::function<void()> onQueueIdle_;
    std::map<HWND, HeadlessWindowState*> windows_;
    std::mutex mutex_;
    std::condition_variable woken_;
    bool wake_ = false;
};
