#pragma once
// The window manager's state (internal to the window layer): the handle table, the desktop
// window with the tree below it, classes, registered messages, the queue, timers, the input
// state and the display backend. There is one, for the GUI thread.

#include "platform/kernel/Thread.h"
#include "platform/window/InputSource.h"
#include "platform/window/MessageQueue.h"
#include "platform/window/TimerList.h"
#include "platform/window/WindowObject.h"

#include <array>
#include <atomic>
#include <deque>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <unordered_map>

struct InputState {
    HWND focus = nullptr;
    HWND active = nullptr;
    HWND capture = nullptr;
    POINT cursor{};
    std::array<BYTE, 256> keys{};       // as of the last message taken: 0x80 down, 0x01 toggled
    std::array<BYTE, 256> asyncKeys{};  // as the input arrived
    HCURSOR cursorHandle = nullptr;
    // Wheel turns short of a whole notch (touchpads), summed for the window they went to.
    int wheelRest = 0;
    HWND wheelTarget = nullptr;

    // The last button press, for double clicks.
    struct Click {
        HWND hwnd = nullptr;
        UINT button = 0;
        bool nonClient = false;
        std::uint64_t time = 0;
        POINT pt{};
        bool armed = false;
    } lastClick;

    // The window and hit code under the pointer at the last mouse message, and leave tracking.
    HWND underMouse = nullptr;
    LRESULT underMouseHit = 0;
    HWND tracked = nullptr;
    DWORD trackFlags = 0;

    // Input turned into messages but not yet taken, each with the characters of a key press.
    struct Converted {
        MSG msg;
        std::string chars;
    };
    std::deque<Converted> converted;

    // Characters of the last key press taken, for TranslateMessage.
    std::string pendingChars;
    WPARAM pendingKey = 0;
    bool hasPendingChars = false;
    bool altAlone = false;  // Alt went down and nothing else happened yet

    DWORD messageTime = 0;
    POINT messagePos{};
    // The device of the last input message taken (GetCurrentInputMessageSource).
    INPUT_MESSAGE_DEVICE_TYPE messageDevice = IMDT_UNAVAILABLE;
};

class WindowSystem {
public:
    WindowSystem();
    ~WindowSystem();

    // Handles. Find and IsWindow may be called from any thread.
    HWND Register(std::shared_ptr<Window> window);
    void Unregister(HWND hwnd);
    Window* Find(HWND hwnd) const;
    bool IsWindow(HWND hwnd) const { return Find(hwnd) != nullptr; }

    Window& Desktop() { return *desktop_; }
    DisplayBackend& Backend();
    void SetBackend(std::unique_ptr<DisplayBackend> backend);
    // Any thread: ends the GUI thread's wait.
    void WakeGuiThread();

    std::map<std::string, std::shared_ptr<WindowClassRecord>> classes;  // key: lower-case name
    MessageQueue queue;
    TimerList timers;
    InputState input;
    std::atomic<ThreadId> guiThread{0};  // recorded by the GUI thread's message loop

    UINT RegisterMessage(const std::string& name);

    // Forgets every window (without messages), class, timer, queued message and input state,
    // as after start-up. The backend stays.
    void Reset();

    // Every live window, for walks that must survive windows going away meanwhile.
    std::vector<HWND> AllHandles() const;

private:
    mutable std::mutex handlesMutex_;
    std::unordered_map<HWND, std::shared_ptr<Window>> handles_;
    std::uintptr_t nextHandle_ = 0x10000;
    std::shared_ptr<Window> desktop_;

    std::mutex backendMutex_;
    std::unique_ptr<DisplayBackend> backend_;

    std::mutex messagesMutex_;
    std::map<std::string, UINT> registeredMessages_;
    UINT nextRegisteredMessage_ = 0xC000;
    int clockListener_ = 0;
};

// The window system, made on first use by the GUI thread.
WindowSystem& Sys();
// The registered class of that name (any case), or nullptr.
std::shared_ptr<WindowClassRecord> FindWindowClass(LPCSTR name);

// The record of a live window, or nullptr for a dead or foreign handle.
inline Window* FindWindowRecord(HWND hwnd) { return Sys().Find(hwnd); }
