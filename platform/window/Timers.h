#pragma once
// Window timers on the replaceable clock (platform/kernel/Clock.h). WM_TIMER is made when the
// queue holds nothing else; a timer that fell behind fires once, not once per missed period.

#include "platform/window/Handles.h"

constexpr UINT USER_TIMER_MINIMUM = 10;

// Starts or restarts the timer (hwnd, id). With hwnd nullptr an unused id is chosen (or the
// timer `id` of the thread restarted when it exists) and returned. Returns 0 on failure.
UINT_PTR SetTimer(HWND hwnd, UINT_PTR id, UINT elapseMs, TIMERPROC proc);
BOOL KillTimer(HWND hwnd, UINT_PTR id);
