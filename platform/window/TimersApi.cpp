#include "platform/kernel/Clock.h"
#include "platform/window/Timers.h"
#include "platform/window/WindowSystem.h"

#include <algorithm>

UINT_PTR SetTimer(HWND hwnd, UINT_PTR id, UINT elapseMs, TIMERPROC proc)
{
    WindowSystem& sys = Sys();
    if (hwnd && !sys.IsWindow(hwnd))
        return 0;
    const UINT elapse = std::clamp<UINT>(elapseMs, USER_TIMER_MINIMUM, 0x7FFFFFFF);
    const UINT_PTR result = sys.timers.Set(hwnd, id, elapse, proc, GetTickCount64());
    return hwnd ? std::max<UINT_PTR>(result, 1) : result;
}

BOOL KillTimer(HWND hwnd, UINT_PTR id)
{
    return Sys().timers.Kill(hwnd, id) ? TRUE : FALSE;
}
