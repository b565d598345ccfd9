#pragma once
// The seam between the window manager and whatever shows windows on a screen. The window
// manager keeps every window itself; a backend only shows the top-level windows' pixels, feeds
// input back (as raw input, see platform/window/RawInput.h), wakes the GUI thread's wait and
// describes the monitors. The Qt backend drives real windows; the headless test backend none.

#include "platform/window/Handles.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// A read-only view of 32-bit pixels (blue, green, red, alpha from the low byte; rows top-down).
struct PixelView {
    const std::uint32_t* pixels = nullptr;
    int width = 0;
    int height = 0;
    int stride = 0;  // in pixels
};

// How a top-level window wants to be shown; derived from its styles.
struct NativeAttributes {
    bool tool = false;          // no task bar entry
    bool popup = false;         // placed exactly, never managed or focused by a window manager
    bool topmost = false;
    bool clickThrough = false;  // mouse input passes to what lies below
    bool noActivate = false;
    bool perPixelAlpha = false; // layered with an alpha picture
    HWND owner = nullptr;       // stays above its owner
    bool dialog = false;        // an owned window of its own (not a tool window or pop-up)
    bool modal = false;         // a dialog whose owner is disabled: the owner waits for it
    friend bool operator==(const NativeAttributes&, const NativeAttributes&) = default;
};

enum class CursorShape {
    Arrow, IBeam, Wait, Cross, UpArrow, SizeNWSE, SizeNESW, SizeWE, SizeNS, SizeAll, No, Hand,
    AppStarting, Help
};

// The native window of a child that an external renderer draws into. When the native side
// exposes it (it was covered, or newly mapped), it tells the window layer (NotifyChildExposed).
// Wherever the renderer has not drawn, it is black: exposed parts are filled at once, never left
// with what covered them.
class NativeChildWindow {
public:
    virtual ~NativeChildWindow() = default;
    virtual void SetGeometry(const RECT& rectInTopLevel) = 0;
    virtual void SetVisible(bool visible) = 0;
    // Fills the whole window black, as its child window's background is erased.
    virtual void Clear() = 0;
    // The id the external renderer needs (an X11 window id on xcb).
    virtual std::uintptr_t Id() const = 0;
};

// The native window of one top-level window.
class NativeWindow {
public:
    virtual ~NativeWindow() = default;
    virtual void SetAttributes(const NativeAttributes& attributes) = 0;
    virtual void SetGeometry(const RECT& screenRect) = 0;
    virtual void SetVisible(bool visible) = 0;
    // Puts the window above the others; the window manager raises them bottom to top.
    virtual void Raise() = 0;
    virtual void Activate() = 0;
    virtual void SetMinimized(bool minimized) = 0;
    // The window's shape as rectangles in window coordinates; an empty optional removes it.
    virtual void SetShape(const std::optional<std::vector<RECT>>& rects) = 0;
    // Constant opacity, 255 = opaque.
    virtual void SetOpacity(BYTE alpha) = 0;
    virtual void SetCursor(CursorShape shape) = 0;
    virtual void SetMouseGrab(bool grab) = 0;
    // Shows the pixels of `dirty` (window coordinates). With perPixelAlpha the pixels carry
    // straight alpha, otherwise alpha is ignored.
    virtual void Present(const PixelView& pixels, const RECT& dirty) = 0;
    // The native window over the client area of the child window `child`.
    virtual std::unique_ptr<NativeChildWindow> CreateChild(HWND child, const RECT& rectInTopLevel) = 0;
    // What the input method asks of the window (focus window, caret, whether it takes text) changed.
    virtual void UpdateInputMethod() {}
    // The window's text, as the desktop names the window (UTF-8).
    virtual void SetTitle(const std::string&) {}
};

struct MonitorDescription {
    RECT monitor{};
    RECT work{};
    bool primary = false;
};

class DisplayBackend {
public:
    virtual ~DisplayBackend() = default;
    virtual std::unique_ptr<NativeWindow> CreateWindow(HWND hwnd) = 0;
    // Takes in what the native side has pending (input, exposure) without blocking.
    virtual void ProcessEvents() = 0;
    // Blocks until Wake, native input, or the time-out (in milliseconds; none = no limit).
    virtual void Wait(std::optional<std::uint64_t> timeoutMs) = 0;
    // Any thread: ends a Wait in progress, or the next one at once.
    virtual void Wake() = 0;
    // A PeekMessage found nothing to do (also when the loop does not go on to wait).
    virtual void QueueIdle() {}
    virtual std::vector<MonitorDescription> Monitors() = 0;
    virtual POINT CursorPos() = 0;
    // Whether per-pixel alpha and window opacity reach the screen (a compositor runs).
    virtual bool TranslucencyReachesScreen() { return true; }
    // Whether a top-level window can be iconified (on X11 only a window manager does it).
    virtual bool CanIconify() { return true; }
};

// The backend in force; the Qt backend is made on first use unless one was installed.
DisplayBackend& GetDisplayBackend();
// Installs a backend; nullptr returns to the Qt backend on next use. The native windows of the
// previous backend are dropped, so this is for set-ups (tests) before windows are shown.
void SetDisplayBackend(std::unique_ptr<DisplayBackend> backend);
