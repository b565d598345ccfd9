#pragma once
// The window a player draws into, as the application gives it to the engine. The interface
// belongs to the platform, which implements it for its native child windows (platform/player);
// the engine, which knows no window system, only consumes it.

#include <cstdint>

// Told by the host, on the GUI thread, what happens to its window.
class TPlayerHostListener {
public:
    virtual ~TPlayerHostListener() = default;
    // The client area now has this size in pixels.
    virtual void HostResized(int width, int height) = 0;
    // The client area must be painted again.
    virtual void HostExposed() = 0;
};

class TPlayerHost {
public:
    virtual ~TPlayerHost() = default;
    // The native (X11) window id SDL draws into; 0 when the host has none.
    virtual std::uint64_t NativeWindowId() const = 0;
    // The size of the client area in pixels.
    virtual void GetClientSize(int& width, int& height) const = 0;
    // The player attaches itself while it has a file open in this host and detaches (nullptr)
    // before it shuts SDL down; the host never calls a detached listener.
    virtual void SetListener(TPlayerHostListener* listener) = 0;
};
