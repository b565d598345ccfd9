#include "skin/core/skMonitors.h"

#include "platform/window/Layered.h"
#include "platform/window/Metrics.h"

#include <algorithm>

void SetLayeredAlpha(HWND Window, int Alpha)
{
    SetLayeredWindowAttributes(Window, 0, static_cast<BYTE>(std::clamp(Alpha, 0, 255)), LWA_ALPHA);
}

bool HasMultipleMonitors() { return GetSystemMetrics(SM_CMONITORS) > 1; }

void GetPrimaryScreenArea(bool WorkArea, RECT& R)
{
    if (WorkArea)
        SystemParametersInfo(SPI_GETWORKAREA, 0, &R, 0);
    else
        R = RECT{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

void GetMonitorAreaOfWindow(HWND Window, bool WorkArea, RECT& R)
{
    if (!HasMultipleMonitors()) {
        GetPrimaryScreenArea(WorkArea, R);
        return;
    }
    MONITORINFO info;
    if (GetMonitorInfo(MonitorFromWindow(Window, MONITOR_DEFAULTTONEAREST), &info))
        R = WorkArea ? info.rcWork : info.rcMonitor;
}
