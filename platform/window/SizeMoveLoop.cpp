#include "platform/window/SizeMoveLoop.h"

#include "platform/window/Dispatch.h"
#include "platform/window/Input.h"
#include "platform/window/Keys.h"
#include "platform/window/Metrics.h"
#include "platform/window/MessageLoop.h"
#include "platform/window/Paint.h"
#include "platform/window/Window.h"
#include "platform/window/WindowPos.h"
#include "platform/window/WindowSystem.h"
#include "platform/window/WindowTree.h"

#include <algorithm>

namespace {

bool MovesLeft(WPARAM edge)
{
    return edge == WMSZ_LEFT || edge == WMSZ_TOPLEFT || edge == WMSZ_BOTTOMLEFT;
}
bool MovesRight(WPARAM edge)
{
    return edge == WMSZ_RIGHT || edge == WMSZ_TOPRIGHT || edge == WMSZ_BOTTOMRIGHT;
}
bool MovesTop(WPARAM edge)
{
    return edge == WMSZ_TOP || edge == WMSZ_TOPLEFT || edge == WMSZ_TOPRIGHT;
}
bool MovesBottom(WPARAM edge)
{
    return edge == WMSZ_BOTTOM || edge == WMSZ_BOTTOMLEFT || edge == WMSZ_BOTTOMRIGHT;
}

// The rectangle the drag asks for (screen coordinates), sized within the tracking limits.
RECT Proposed(const RECT& start, WPARAM edge, int dx, int dy, const MINMAXINFO& limits)
{
    RECT r = start;
    if (edge == 0) {
        OffsetRect(&r, dx, dy);
        return r;
    }
    const int minW = limits.ptMinTrackSize.x, maxW = limits.ptMaxTrackSize.x;
    const int minH = limits.ptMinTrackSize.y, maxH = limits.ptMaxTrackSize.y;
    if (MovesLeft(edge))
        r.left = r.right - std::clamp<int>(RectWidth(start) - dx, minW, std::max(minW, maxW));
    if (MovesRight(edge))
        r.right = r.left + std::clamp<int>(RectWidth(start) + dx, minW, std::max(minW, maxW));
    if (MovesTop(edge))
        r.top = r.bottom - std::clamp<int>(RectHeight(start) - dy, minH, std::max(minH, maxH));
    if (MovesBottom(edge))
        r.bottom = r.top + std::clamp<int>(RectHeight(start) + dy, minH, std::max(minH, maxH));
    return r;
}

// Places the window at a rectangle in screen coordinates.
void PlaceAt(HWND hwnd, const RECT& screen, bool moving)
{
    POINT topLeft{screen.left, screen.top};
    if (HWND parent = GetAncestor(hwnd, GA_PARENT); parent && parent != GetDesktopWindow())
        ScreenToClient(parent, &topLeft);
    SetWindowPos(hwnd, nullptr, topLeft.x, topLeft.y, RectWidth(screen), RectHeight(screen),
                 SWP_NOZORDER | SWP_NOACTIVATE | (moving ? SWP_NOSIZE : 0u));
}

} // namespace

void RunSizeMoveLoop(Window* w, WPARAM edge)
{
    const HWND hwnd = w->handle;
    const bool moving = edge == 0;
    if ((moving && (w->style & WS_MAXIMIZE)) || edge > WMSZ_BOTTOMRIGHT || GetKeyState(VK_LBUTTON) >= 0)
        return;
    std::shared_ptr<Window> keep = w->shared_from_this();
    const POINT start = Sys().input.cursor;
    RECT original;
    GetWindowRect(hwnd, &original);

    MINMAXINFO limits;
    if (!moving) {
        // The defaults come from the monitor nearest the window.
        MONITORINFO info;
        GetMonitorInfo(MonitorFromWindow(hwnd, MONITOR_DEFAULTTONEAREST), &info);
        const RECT work = info.rcWork;
        limits.ptMaxSize = POINT{RectWidth(work), RectHeight(work)};
        limits.ptMaxPosition = POINT{work.left, work.top};
        limits.ptMinTrackSize = POINT{GetSystemMetrics(SM_CXMINTRACK), GetSystemMetrics(SM_CYMINTRACK)};
        limits.ptMaxTrackSize = POINT{GetSystemMetrics(SM_CXMAXTRACK), GetSystemMetrics(SM_CYMAXTRACK)};
        Send(w, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&limits));
        if (!Alive(w))
            return;
    }

    SetCapture(hwnd);
    Send(w, WM_ENTERSIZEMOVE);
    MSG msg;
    while (Alive(w) && GetCapture() == hwnd) {
        if (!GetMessage(&msg, nullptr, 0, 0)) {
            // The quit request belongs to the outer loop.
            PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        if (!Alive(w) || GetCapture() != hwnd)
            break;
        if (msg.message == WM_LBUTTONUP)
            break;
        if (msg.message == WM_MOUSEMOVE) {
            RECT r = Proposed(original, edge, msg.pt.x - start.x, msg.pt.y - start.y, limits);
            Send(w, moving ? WM_MOVING : WM_SIZING, edge, reinterpret_cast<LPARAM>(&r));
            if (!Alive(w))
                break;
            PlaceAt(hwnd, r, moving);
            // The window shows its new size at once, ahead of the next pointer move.
            if (!moving)
                RedrawWindow(hwnd, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
            continue;
        }
        if (msg.message == WM_KEYDOWN && (msg.wParam == VK_ESCAPE || msg.wParam == VK_RETURN)) {
            if (msg.wParam == VK_ESCAPE)
                PlaceAt(hwnd, original, false);
            break;
        }
        if (msg.message >= WM_MOUSEFIRST && msg.message <= WM_MOUSELAST)
            continue;
        TranslateMessage(&msg);
        DispatchMessage(&msg);
    }
    if (GetCapture() == hwnd)
        ReleaseCapture();
    if (Alive(w))
        Send(w, WM_EXITSIZEMOVE);
}
