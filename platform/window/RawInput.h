#pragma once
// Input as a display backend (or the headless test kit) reports it. The window manager turns it
// into window messages when the GUI thread takes it from the queue: the mouse is routed by hit
// testing at that moment, as the window tree stands then.

#include "platform/window/Handles.h"

#include <string>

struct RawInput {
    enum class Kind {
        MouseMove,
        ButtonDown,
        ButtonUp,
        Wheel,
        KeyDown,
        KeyUp,
        KeyUpElsewhere, // `vk` was released while another window had the keyboard: up, no message
        PointerLeft,    // the pointer left every window of the process
        Activated,      // the native side activated `hwnd`'s top-level window
        AppDeactivated, // another program became active
        CloseRequested, // the native side asked to close `hwnd`
        Minimized,      // the native side iconified `hwnd` (window manager, task bar)
        Restored,       // the native side brought `hwnd` back from the icon
        Moved,          // the native side placed `hwnd` at `rect` without being asked
        DisplayChanged, // monitors came, went or changed their areas
        ImePreedit,     // the input method's pre-edit text is now `text` (empty: none)
        ImeCommit,      // the input method committed `text`
    };
    Kind kind = Kind::MouseMove;
    POINT pt{};           // screen coordinates (mouse kinds)
    UINT button = 0;      // VK_LBUTTON, VK_RBUTTON or VK_MBUTTON
    int wheelDelta = 0;   // multiples of WHEEL_DELTA, positive away from the user
    UINT vk = 0;
    std::string text;     // UTF-8 characters a key press produces (WM_CHAR), may be empty
    bool autoRepeat = false;
    HWND hwnd = nullptr;
    RECT rect{};          // screen coordinates (Moved)
    int imeCursor = 0;    // ImePreedit: the cursor in the pre-edit text, in code points
};

// Any thread: queues input for the GUI thread and wakes it. Consecutive mouse moves merge.
void PostRawInput(const RawInput& input);
// GUI thread: the native window of a top-level window must be shown again in full (it was
// covered or newly mapped).
void NotifyExposed(HWND hwnd);
// GUI thread: the native window of a child (see GetNativeWindowId) was exposed; what the outside
// renderer drew there is gone, so the child is painted again.
void NotifyChildExposed(HWND hwnd);
