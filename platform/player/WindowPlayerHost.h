#pragma once
// A child window as the window a player draws into. SDL gets the child's native window; the
// player's listener hears of the child's new client sizes (WM_SIZE) and of its repaints
// (WM_PAINT, which also follows when the native window was exposed). For its lifetime the host
// subclasses the window's procedure. Stop the player before the window is destroyed: SDL cannot
// draw into a native window that is gone.

#include "platform/kernel/PlayerHost.h"
#include "platform/window/Handles.h"

#include <mutex>

class WindowPlayerHost final : public TPlayerHost {
public:
    // GUI thread, like the destructor. One host per window.
    explicit WindowPlayerHost(HWND hwnd);
    ~WindowPlayerHost() override;
    WindowPlayerHost(const WindowPlayerHost&) = delete;
    WindowPlayerHost& operator=(const WindowPlayerHost&) = delete;

    // Any thread (the GUI thread answers). 0 while the window is not shown in a shown top-level
    // window, on a display without native windows, and once the window was destroyed.
    std::uint64_t NativeWindowId() const override;
    // Any thread (the GUI thread answers); 0 x 0 once the window was destroyed.
    void GetClientSize(int& width, int& height) const override;
    // Any thread. Once it returned, the listener it replaced is no longer called. An empty or
    // minimised client area is not reported: there is nothing to draw into.
    void SetListener(TPlayerHostListener* listener) override;

private:
    static LRESULT HostProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    void Tell(UINT msg, WPARAM wParam, LPARAM lParam);

    HWND hwnd_;  // GUI thread; nullptr once the window was destroyed
    // Held while the listener is called, so that replacing it waits for a call in progress.
    std::recursive_mutex listenerMutex_;
    TPlayerHostListener* listener_ = nullptr;
};
