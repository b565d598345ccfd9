#include "platform/testkit/HeadlessDisplay.h"

#include "platform/kernel/Clock.h"
#include "platform/kernel/Exceptions.h"

#include <chrono>

class HeadlessWindow final : public NativeWindow {
public:
    HeadlessWindow(HeadlessDisplay& display, HWND hwnd) : display_(display), hwnd_(hwnd)
    {
        display_.windows_[hwnd_] = &state_;
    }
    ~HeadlessWindow() override { display_.windows_.erase(hwnd_); }

    void SetAttributes(const NativeAttributes& attributes) override { state_.attributes = attributes; }
    void SetGeometry(const RECT& screenRect) override { state_.geometry = screenRect; }
    void SetVisible(bool visible) override { state_.visible = visible; }
    void Raise() override { ++state_.raises; }
    void Activate() override { ++state_.activations; }
    void SetMinimized(bool minimized) override { state_.minimized = minimized; }
    void SetShape(const std::optional<std::vector<RECT>>& rects) override { state_.shape = rects; }
    void SetOpacity(BYTE alpha) override { state_.opacity = alpha; }
    void SetTitle(const std::string& title) override { state_.title = title; }
    void SetCursor(CursorShape shape) override { state_.cursor = shape; }
    void SetMouseGrab(bool grab) override { state_.grab = grab; }
    void Present(const PixelView&, const RECT&) override { ++state_.presents; }
    std::unique_ptr<NativeChildWindow> CreateChild(HWND, const RECT&) override { return nullptr; }

private:
    HeadlessDisplay& display_;
    HWND hwnd_;
    HeadlessWindowState state_;
};

HeadlessDisplay::HeadlessDisplay()
{
    MonitorDescription screen;
    screen.monitor = RECT{0, 0, 1280, 1024};
    screen.work = RECT{0, 0, 1280, 984};
    screen.primary = true;
    monitors_.push_back(screen);
}

std::unique_ptr<NativeWindow> HeadlessDisplay::CreateWindow(HWND hwnd)
{
    return std::make_unique<HeadlessWindow>(*this, hwnd);
}

void HeadlessDisplay::Wait(std::optional<std::uint64_t> timeoutMs)
{
    if (!steps_.empty()) {
        std::function<void()> step = std::move(steps_.front());
        steps_.pop_front();
        step();
        return;
    }
    using namespace std::chrono;
    // A manual clock only moves when told to, which wakes the loop: its time-outs mean nothing here.
    const bool realTime = !dynamic_cast<ManualClock*>(&GetClock());
    const auto guard = milliseconds(10000);
    const auto limit = realTime && timeoutMs ? std::min<milliseconds>(milliseconds(*timeoutMs), guard) : guard;
    std::unique_lock<std::mutex> lock(mutex_);
    const bool woken = woken_.wait_for(lock, limit, [this] { return wake_; });
    wake_ = false;
    ZD_ASSERT(woken || limit < guard, "a message loop waited ten seconds for something that never came");
}

void HeadlessDisplay::Wake()
{
    {
        std::lock_guard<std::mutex> lock(mutex_);
        wake_ = true;
    }
    woken_.notify_all();
}

const HeadlessWindowState* HeadlessDisplay::State(HWND hwnd) const
{
    auto it = windows_.find(hwnd);
    return it == windows_.end() ? nullptr : it->second;
}
