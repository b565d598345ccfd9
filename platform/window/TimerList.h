#pragma once
// The set of running window timers (internal to the window layer).

#include "platform/window/Handles.h"

#include <cstdint>
#include <optional>
#include <vector>

struct MessageFilter;

class TimerList {
public:
    struct Timer {
        HWND hwnd = nullptr;
        UINT_PTR id = 0;
        UINT elapse = 0;
        TIMERPROC proc = nullptr;
        std::uint64_t due = 0;
    };

    UINT_PTR Set(HWND hwnd, UINT_PTR id, UINT elapse, TIMERPROC proc, std::uint64_t now);
    bool Kill(HWND hwnd, UINT_PTR id);
    void KillWindow(HWND hwnd);
    void Clear() { timers_.clear(); }

    // The timer due at `now` that has waited longest, among those the filter accepts. With
    // `restart` its next expiry is set one period from now.
    std::optional<Timer> TakeDue(std::uint64_t now, const MessageFilter& filter, bool restart);
    std::optional<std::uint64_t> NextDue() const;
    // Whether `proc` belongs to the running timer (hwnd, id): a WM_TIMER's lParam is called only then.
    bool IsTimerProc(HWND hwnd, UINT_PTR id, TIMERPROC proc) const;

private:
    std::vector<Timer> timers_;
    UINT_PTR nextThreadId_ = 1;
};
