#include "platform/player/WindowPlayerHost.h"

#include "platform/kernel/Exceptions.h"
#include "platform/kernel/MainThread.h"
#include "platform/window/User.h"

#include <unordered_map>

namespace {

// The subclassed windows (GUI thread only). A host that goes while another procedure was
// installed over its own leaves its entry without a host: its procedure stays in the chain and
// only forwards, until the window is destroyed.
struct Subclass {
    WindowPlayerHost* host = nullptr;
    WNDPROC previous = nullptr;
};

std::unordered_map<HWND, Subclass>& Subclasses()
{
    static std::unordered_map<HWND, Subclass> subclasses;
    return subclasses;
}

} // namespace

WindowPlayerHost::WindowPlayerHost(HWND hwnd) : hwnd_(hwnd)
{
    ZD_ASSERT(MainThread::IsMainThread(), "a player host is made on the GUI thread");
    ZD_ASSERT(IsWindow(hwnd), "a player host needs a window");
    const auto it = Subclasses().find(hwnd);
    if (it != Subclasses().end()) {
        // The procedure of an earlier host is still in the chain: it serves this host.
        ZD_ASSERT(!it->second.host, "a window has one player host at a time");
        it->second.host = this;
        return;
    }
    Subclasses()[hwnd] = Subclass{this, reinterpret_cast<WNDPROC>(GetWindowLongPtr(hwnd, GWLP_WNDPROC))};
    SetWindowLongPtr(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&HostProc));
}

WindowPlayerHost::~WindowPlayerHost()
{
    if (!hwnd_)
        return;
    const auto it = Subclasses().find(hwnd_);
    if (GetWindowLongPtr(hwnd_, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&HostProc)) {
        SetWindowLongPtr(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(it->second.previous));
        Subclasses().erase(it);
    } else {
        it->second.host = nullptr;
    }
}

std::uint64_t WindowPlayerHost::NativeWindowId() const
{
    std::uint64_t id = 0;
    MainThread::InvokeAndWait([&] {
        if (hwnd_)
            id = GetNativeWindowId(hwnd_);
    });
    return id;
}

void WindowPlayerHost::GetClientSize(int& width, int& height) const
{
    RECT client{};
    MainThread::InvokeAndWait([&] {
        if (hwnd_)
            GetClientRect(hwnd_, &client);
    });
    width = client.right - client.left;
    height = client.bottom - client.top;
}

void WindowPlayerHost::SetListener(TPlayerHostListener* listener)
{
    std::lock_guard<std::recursive_mutex> lock(listenerMutex_);
    listener_ = listener;
}

LRESULT WindowPlayerHost::HostProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    const Subclass subclass = Subclasses().at(hwnd);
    if (msg == WM_NCDESTROY) {
        if (subclass.host)
            subclass.host->hwnd_ = nullptr;
        Subclasses().erase(hwnd);
        return CallWindowProc(subclass.previous, hwnd, msg, wParam, lParam);
    }
    const LRESULT result = CallWindowProc(subclass.previous, hwnd, msg, wParam, lParam);
    // The window's own handling comes first; it may even have ended the host or the window.
    const auto it = Subclasses().find(hwnd);
    if (it != Subclasses().end() && it->second.host)
        it->second.host->Tell(msg, wParam, lParam);
    return result;
}

void WindowPlayerHost::Tell(UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg != WM_SIZE && msg != WM_PAINT)
        return;
    std::lock_guard<std::recursive_mutex> lock(listenerMutex_);
    if (!listener_)
        return;
    if (msg == WM_PAINT) {
        listener_->HostExposed();
    } else if (wParam != SIZE_MINIMIZED && LOWORD(lParam) > 0 && HIWORD(lParam) > 0) {
        listener_->HostResized(LOWORD(lParam), HIWORD(lParam));
    }
}
