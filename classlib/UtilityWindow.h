#pragma once
// A hidden window that hands its messages to a function: for objects that need a window to
// receive timers and notifications without being controls (timers, the application). The
// owner may destroy it from inside its own message.

#include "classlib/Messages.h"
#include "platform/window/Handles.h"

#include <memory>

class TUtilityWindow {
public:
    // Proc returns true when it answered the message (in Message.Result); otherwise the
    // default window procedure answers it.
    using TProc = std::function<bool(TMessage& Message)>;
    explicit TUtilityWindow(TProc Proc, const std::string& Caption = std::string());
    ~TUtilityWindow();
    TUtilityWindow(const TUtilityWindow&) = delete;
    TUtilityWindow& operator=(const TUtilityWindow&) = delete;

    HWND Handle() const { return FHandle; }

private:
    friend LRESULT UtilityWindowProc(HWND, UINT, WPARAM, LPARAM);
    std::shared_ptr<TProc> FProc;
    HWND FHandle = nullptr;
};
