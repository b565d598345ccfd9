#include "platform/window/WindowSystem.h"

#include "platform/display/QtDisplay.h"
#include "platform/kernel/Clock.h"
#include "platform/kernel/MainThread.h"
#include "platform/window/MessageLoop.h"

#include <algorithm>
#include <cctype>

namespace {

std::string Lower(std::string s)
{
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

std::shared_ptr<Window> MakeDesktop()
{
    auto desktop = std::make_shared<Window>();
    desktop->style = WS_VISIBLE | WS_CLIPCHILDREN;
    return desktop;
}

} // namespace

WindowSystem::WindowSystem() : desktop_(MakeDesktop())
{
    desktop_->handle = Register(desktop_);
    if (MainThread::IsMainThread())
        guiThread = GetCurrentThreadId();
    queue.SetWake([this] { WakeGuiThread(); });
    MainThread::SetWakeHook([this] { WakeGuiThread(); });
    MainThread::SetMessagePump([] { return PumpOneMessage(); });
    clockListener_ = AddClockListener([this] { WakeGuiThread(); });
}

WindowSystem::~WindowSystem()
{
    RemoveClockListener(clockListener_);
    MainThread::SetMessagePump(nullptr);
    MainThread::SetWakeHook(nullptr);
}

HWND WindowSystem::Register(std::shared_ptr<Window> window)
{
    std::lock_guard<std::mutex> lock(handlesMutex_);
    // Handles are never reused, so a stale handle can never reach a newer window.
    HWND hwnd = reinterpret_cast<HWND>(nextHandle_);
    nextHandle_ += 2;
    window->handle = hwnd;
    handles_.emplace(hwnd, std::move(window));
    return hwnd;
}

void WindowSystem::Unregister(HWND hwnd)
{
    std::shared_ptr<Window> gone;
    {
        std::lock_guard<std::mutex> lock(handlesMutex_);
        auto it = handles_.find(hwnd);
        if (it == handles_.end())
            return;
        gone = std::move(it->second);
        handles_.erase(it);
    }
    // `gone` may be the last reference: the record goes here, outside the lock.
}

Window* WindowSystem::Find(HWND hwnd) const
{
    if (!hwnd)
        return nullptr;
    std::lock_guard<std::mutex> lock(handlesMutex_);
    auto it = handles_.find(hwnd);
    return it == handles_.end() ? nullptr : it->second.get();
}

std::vector<HWND> WindowSystem::AllHandles() const
{
    std::lock_guard<std::mutex> lock(handlesMutex_);
    std::vector<HWND> all;
    all.reserve(handles_.size());
    for (const auto& entry : handles_)
        all.push_back(entry.first);
    return all;
}

DisplayBackend& WindowSystem::Backend()
{
    std::lock_guard<std::mutex> lock(backendMutex_);
    if (!backend_)
        backend_ = CreateQtDisplay();
    return *backend_;
}

void WindowSystem::SetBackend(std::unique_ptr<DisplayBackend> backend)
{
    // Native windows belong to the backend that made them; they are made again on demand.
    for (HWND hwnd : AllHandles()) {
        if (Window* w = Find(hwnd)) {
            w->nativeChild.reset();
            if (w->top) {
                w->top->native.reset();
                w->top->nativeShown = false;
            }
        }
    }
    std::lock_guard<std::mutex> lock(backendMutex_);
    backend_ = std::move(backend);
}

void WindowSystem::WakeGuiThread()
{
    std::lock_guard<std::mutex> lock(backendMutex_);
    if (backend_)
        backend_->Wake();
}

UINT WindowSystem::RegisterMessage(const std::string& name)
{
    if (name.empty())
        return 0;
    std::lock_guard<std::mutex> lock(messagesMutex_);
    auto [it, added] = registeredMessages_.emplace(Lower(name), nextRegisteredMessage_);
    if (added) {
        if (nextRegisteredMessage_ == 0xFFFF) {
            registeredMessages_.erase(it);
            return 0;
        }
        ++nextRegisteredMessage_;
    }
    return it->second;
}

void WindowSystem::Reset()
{
    std::vector<std::shared_ptr<Window>> dropped;
    {
        std::lock_guard<std::mutex> lock(handlesMutex_);
        for (auto& entry : handles_) {
            if (entry.second != desktop_)
                dropped.push_back(std::move(entry.second));
        }
        handles_.clear();
        handles_.emplace(desktop_->handle, desktop_);
    }
    desktop_->children.clear();
    for (auto& w : dropped) {
        w->children.clear();
        w->parent = nullptr;
        w->owner = nullptr;
    }
    dropped.clear();
    classes.clear();
    queue.Clear();
    timers.Clear();
    input = InputState{};
}

WindowSystem& Sys()
{
    // Never destroyed: windows may outlive static destruction order (native windows, timers).
    static WindowSystem* system = new WindowSystem();
    return *system;
}

DisplayBackend& GetDisplayBackend()
{
    return Sys().Backend();
}

void SetDisplayBackend(std::unique_ptr<DisplayBackend> backend)
{
    Sys().SetBackend(std::move(backend));
}
