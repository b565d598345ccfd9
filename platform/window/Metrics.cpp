#include "platform/window/Metrics.h"

#include "platform/display/DisplayBackend.h"
#include "platform/window/WindowPos.h"
#include "platform/win/Rect.h"
#include "platform/window/WindowSystem.h"

#include <algorithm>
#include <climits>

namespace {

std::vector<MonitorDescription> Monitors()
{
    std::vector<MonitorDescription> monitors = GetDisplayBackend().Monitors();
    if (monitors.empty()) {
        MonitorDescription fallback;
        fallback.monitor = fallback.work = RECT{0, 0, 1024, 768};
        fallback.primary = true;
        monitors.push_back(fallback);
    }
    return monitors;
}

std::size_t PrimaryIndex(const std::vector<MonitorDescription>& monitors)
{
    auto it = std::find_if(monitors.begin(), monitors.end(), [](const MonitorDescription& m) { return m.primary; });
    return it == monitors.end() ? 0 : static_cast<std::size_t>(it - monitors.begin());
}

HMONITOR ToHandle(std::size_t index)
{
    return reinterpret_cast<HMONITOR>(index + 1);
}

// Distance from a point to a rectangle (0 inside).
long long Distance(const RECT& r, POINT p)
{
    const long long dx = p.x < r.left ? r.left - p.x : (p.x >= r.right ? p.x - r.right + 1 : 0);
    const long long dy = p.y < r.top ? r.top - p.y : (p.y >= r.bottom ? p.y - r.bottom + 1 : 0);
    return dx * dx + dy * dy;
}

} // namespace

int GetSystemMetrics(int index)
{
    switch (index) {
    case SM_CXSCREEN:
    case SM_CYSCREEN: {
        const auto monitors = Monitors();
        const RECT& r = monitors[PrimaryIndex(monitors)].monitor;
        return index == SM_CXSCREEN ? r.right - r.left : r.bottom - r.top;
    }
    case SM_CXFULLSCREEN:
    case SM_CYFULLSCREEN: {
        const auto monitors = Monitors();
        const RECT& r = monitors[PrimaryIndex(monitors)].work;
        return index == SM_CXFULLSCREEN ? r.right - r.left : r.bottom - r.top - GetSystemMetrics(SM_CYCAPTION);
    }
    case SM_XVIRTUALSCREEN:
    case SM_YVIRTUALSCREEN:
    case SM_CXVIRTUALSCREEN:
    case SM_CYVIRTUALSCREEN: {
        RECT r{};
        GetVirtualScreenRect(&r);
        if (index == SM_XVIRTUALSCREEN)
            return r.left;
        if (index == SM_YVIRTUALSCREEN)
            return r.top;
        return index == SM_CXVIRTUALSCREEN ? r.right - r.left : r.bottom - r.top;
    }
    case SM_CXMAXTRACK:
    case SM_CYMAXTRACK:
        return GetSystemMetrics(index == SM_CXMAXTRACK ? SM_CXVIRTUALSCREEN : SM_CYVIRTUALSCREEN) + 12;
    case SM_CXMAXIMIZED:
    case SM_CYMAXIMIZED:
        return GetSystemMetrics(index == SM_CXMAXIMIZED ? SM_CXFULLSCREEN : SM_CYFULLSCREEN) + 8;
    case SM_CMONITORS: return static_cast<int>(Monitors().size());
    case SM_CXVSCROLL:
    case SM_CYHSCROLL:
    case SM_CYVSCROLL:
    case SM_CXHSCROLL:
    case SM_CYVTHUMB:
    case SM_CXHTHUMB: return 17;
    case SM_CYCAPTION: return 19;
    case SM_CXBORDER:
    case SM_CYBORDER: return 1;
    case SM_CXDLGFRAME:
    case SM_CYDLGFRAME: return 3;
    case SM_CXFRAME:
    case SM_CYFRAME: return 4;
    case SM_CXEDGE:
    case SM_CYEDGE: return 2;
    case SM_CXICON:
    case SM_CYICON:
    case SM_CXCURSOR:
    case SM_CYCURSOR: return 32;
    case SM_CYMENU: return 19;
    case SM_CXMIN:
    case SM_CXMINTRACK: return 112;
    case SM_CYMIN:
    case SM_CYMINTRACK: return 27;
    case SM_CXSIZE:
    case SM_CYSIZE:
    case SM_CXMENUSIZE:
    case SM_CYMENUSIZE: return 18;
    case SM_CXDOUBLECLK:
    case SM_CYDOUBLECLK:
    case SM_CXDRAG:
    case SM_CYDRAG: return 4;
    case SM_CXSMICON:
    case SM_CYSMICON: return 16;
    case SM_CYSMCAPTION: return 15;
    case SM_CXSMSIZE: return 12;
    case SM_CYSMSIZE: return 15;
    case SM_CXMENUCHECK:
    case SM_CYMENUCHECK: return 13;
    case SM_MOUSEPRESENT:
    case SM_MOUSEWHEELPRESENT: return 1;
    case SM_SWAPBUTTON: return 0;
    default: return 0;
    }
}

UINT GetDoubleClickTime()
{
    return 500;
}

BOOL SystemParametersInfo(UINT action, UINT, void* pvParam, UINT)
{
    if (!pvParam)
        return FALSE;
    switch (action) {
    case SPI_GETWORKAREA: {
        const auto monitors = Monitors();
        *static_cast<RECT*>(pvParam) = monitors[PrimaryIndex(monitors)].work;
        return TRUE;
    }
    case SPI_GETDRAGFULLWINDOWS:
        *static_cast<BOOL*>(pvParam) = TRUE;
        return TRUE;
    case SPI_GETWHEELSCROLLLINES:
        *static_cast<UINT*>(pvParam) = 3;
        return TRUE;
    default:
        return FALSE;
    }
}

HMONITOR MonitorFromPoint(POINT point, DWORD flags)
{
    const auto monitors = Monitors();
    std::size_t best = 0;
    long long bestDistance = LLONG_MAX;
    for (std::size_t i = 0; i < monitors.size(); ++i) {
        const long long d = Distance(monitors[i].monitor, point);
        if (d < bestDistance) {
            bestDistance = d;
            best = i;
        }
    }
    if (bestDistance == 0)
        return ToHandle(best);
    if (flags == MONITOR_DEFAULTTONEAREST)
        return ToHandle(best);
    return flags == MONITOR_DEFAULTTOPRIMARY ? ToHandle(PrimaryIndex(monitors)) : nullptr;
}

HMONITOR MonitorFromRect(const RECT* rect, DWORD flags)
{
    if (!rect)
        return nullptr;
    const auto monitors = Monitors();
    long long bestArea = 0;
    std::size_t best = 0;
    for (std::size_t i = 0; i < monitors.size(); ++i) {
        RECT common;
        if (IntersectRect(&common, rect, &monitors[i].monitor)) {
            const long long area = static_cast<long long>(RectWidth(common)) * RectHeight(common);
            if (area > bestArea) {
                bestArea = area;
                best = i;
            }
        }
    }
    if (bestArea > 0)
        return ToHandle(best);
    const POINT centre{rect->left + RectWidth(*rect) / 2, rect->top + RectHeight(*rect) / 2};
    return MonitorFromPoint(centre, flags);
}

HMONITOR MonitorFromWindow(HWND hwnd, DWORD flags)
{
    RECT r;
    if (!GetWindowRect(hwnd, &r))
        return flags == MONITOR_DEFAULTTONULL ? nullptr : MonitorFromPoint(POINT{}, MONITOR_DEFAULTTOPRIMARY);
    return MonitorFromRect(&r, flags);
}

BOOL GetMonitorInfo(HMONITOR monitor, MONITORINFO* info)
{
    const auto monitors = Monitors();
    const auto index = reinterpret_cast<std::uintptr_t>(monitor);
    if (!info || index == 0 || index > monitors.size())
        return FALSE;
    const MonitorDescription& m = monitors[index - 1];
    info->rcMonitor = m.monitor;
    info->rcWork = m.work;
    info->dwFlags = m.primary ? MONITORINFOF_PRIMARY : 0;
    return TRUE;
}

BOOL EnumDisplayMonitors(HDC, const RECT* clip, MONITORENUMPROC proc, LPARAM data)
{
    if (!proc)
        return FALSE;
    const auto monitors = Monitors();
    for (std::size_t i = 0; i < monitors.size(); ++i) {
        RECT r = monitors[i].monitor;
        if (clip && !IntersectRect(&r, &r, clip))
            continue;
        if (!proc(ToHandle(i), nullptr, &r, data))
            break;
    }
    return TRUE;
}

BOOL GetVirtualScreenRect(RECT* rect)
{
    if (!rect)
        return FALSE;
    const auto monitors = Monitors();
    *rect = monitors.front().monitor;
    for (const MonitorDescription& m : monitors)
        UnionRect(rect, rect, &m.monitor);
    return TRUE;
}
