// Placement, z-order, showing, coordinates and window regions.

#include "platform/window/WindowPos.h"

#include "platform/gdi/Regions.h"
#include "platform/gdi/Objects.h"
#include "platform/window/Dispatch.h"
#include "platform/window/Focus.h"
#include "platform/window/Geometry.h"
#include "platform/window/HitTest.h"
#include "platform/window/Invalidation.h"
#include "platform/window/Metrics.h"
#include "platform/window/Paint.h"
#include "platform/window/Presentation.h"
#include "platform/window/WindowSystem.h"
#include "platform/window/WindowTree.h"

#include <algorithm>

namespace {

bool IsPseudoHandle(HWND h)
{
    return h == HWND_TOP || h == HWND_BOTTOM || h == HWND_TOPMOST || h == HWND_NOTOPMOST;
}

// Returns whether the z-order changed.
bool ApplyZOrder(Window* w, HWND after, UINT flags)
{
    auto& list = w->parent->children;
    const std::vector<Window*> before = list;
    const bool top = w->IsTopLevel();
    if (after == HWND_TOPMOST) {
        if (top)
            w->exStyle |= WS_EX_TOPMOST;
        LinkAt(w, nullptr, false);
    } else if (after == HWND_NOTOPMOST) {
        if (top && (w->exStyle & WS_EX_TOPMOST)) {
            w->exStyle &= ~WS_EX_TOPMOST;
            LinkAt(w, nullptr, false);
        }
    } else if (after == HWND_TOP) {
        LinkAt(w, nullptr, false);
    } else if (after == HWND_BOTTOM) {
        if (top)
            w->exStyle &= ~WS_EX_TOPMOST;
        LinkAt(w, nullptr, true);
    } else {
        Window* a = Sys().Find(after);
        if (!a || a->parent != w->parent || a == w)
            return false;
        LinkAt(w, a, false);
    }
    if (top && !(flags & SWP_NOOWNERZORDER))
        RaiseOwnedAbove(w);
    return list != before;
}

RECT WorkAreaOf(Window* w)
{
    MONITORINFO info;
    GetMonitorInfo(MonitorFromWindow(w->handle, MONITOR_DEFAULTTONEAREST), &info);
    return info.rcWork;
}

// Minimize, maximize or restore: the new style and place of a top-level window.
void ChangeState(Window* w, DWORD state, RECT* rect)
{
    TopLevelData& top = *w->top;
    if (!(w->style & (WS_MINIMIZE | WS_MAXIMIZE)))
        top.restoreRect = w->rect;
    *rect = w->rect;
    if (state == WS_MAXIMIZE) {
        const RECT work = WorkAreaOf(w);
        MINMAXINFO info;
        info.ptMaxSize = POINT{work.right - work.left, work.bottom - work.top};
        info.ptMaxPosition = POINT{work.left, work.top};
        info.ptMinTrackSize = POINT{GetSystemMetrics(SM_CXMINTRACK), GetSystemMetrics(SM_CYMINTRACK)};
        info.ptMaxTrackSize = POINT{GetSystemMetrics(SM_CXMAXTRACK), GetSystemMetrics(SM_CYMAXTRACK)};
        std::shared_ptr<Window> keep = w->shared_from_this();
        Send(w, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
        *rect = RECT{info.ptMaxPosition.x, info.ptMaxPosition.y, info.ptMaxPosition.x + info.ptMaxSize.x,
                     info.ptMaxPosition.y + info.ptMaxSize.y};
    } else if (state == 0) {
        *rect = top.restoreRect;
    }
    // A minimized window keeps its place; its native window is iconified instead.
    w->style = (w->style & ~(WS_MINIMIZE | WS_MAXIMIZE)) | state;
}

} // namespace

RECT CalcClientRect(Window* w, const RECT& rectInParent, WINDOWPOS* pos)
{
    RECT result = rectInParent;
    if (pos) {
        NCCALCSIZE_PARAMS params;
        params.rgrc[0] = rectInParent;
        params.rgrc[1] = w->rect;
        params.rgrc[2] = ClientRectInParent(w);
        params.lppos = pos;
        Send(w, WM_NCCALCSIZE, TRUE, reinterpret_cast<LPARAM>(&params));
        result = params.rgrc[0];
    } else {
        Send(w, WM_NCCALCSIZE, FALSE, reinterpret_cast<LPARAM>(&result));
    }
    // The client area stays inside the window.
    RECT client{result.left - rectInParent.left, result.top - rectInParent.top, result.right - rectInParent.left,
                result.bottom - rectInParent.top};
    const int width = rectInParent.right - rectInParent.left;
    const int height = rectInParent.bottom - rectInParent.top;
    client.left = std::clamp<LONG>(client.left, 0, width);
    client.top = std::clamp<LONG>(client.top, 0, height);
    client.right = std::clamp<LONG>(client.right, client.left, width);
    client.bottom = std::clamp<LONG>(client.bottom, client.top, height);
    return client;
}

WPARAM SizeKindOf(const Window* w)
{
    if (w->style & WS_MINIMIZE)
        return SIZE_MINIMIZED;
    return (w->style & WS_MAXIMIZE) ? SIZE_MAXIMIZED : SIZE_RESTORED;
}

LPARAM ClientSizeParam(const Window* w)
{
    if (w->style & WS_MINIMIZE)
        return 0;
    return MAKELPARAM(RectWidth(w->client), RectHeight(w->client));
}

void SendSizeAndMove(Window* w)
{
    std::shared_ptr<Window> keep = w->shared_from_this();
    Send(w, WM_SIZE, SizeKindOf(w), ClientSizeParam(w));
    if (!Alive(w))
        return;
    const RECT c = ClientRectInParent(w);
    Send(w, WM_MOVE, 0, MAKELPARAM(c.left, c.top));
}

bool PlaceWindow(Window* w, HWND insertAfter, int x, int y, int cx, int cy, UINT flags)
{
    std::shared_ptr<Window> keep = w->shared_from_this();
    const bool wasVisible = w->Visible();
    if (wasVisible)
        flags &= ~SWP_SHOWWINDOW;
    else
        flags &= ~SWP_HIDEWINDOW;

    WINDOWPOS pos{w->handle, insertAfter, x, y, std::max(cx, 0), std::max(cy, 0), flags};
    if (flags & SWP_NOMOVE) {
        pos.x = w->rect.left;
        pos.y = w->rect.top;
    }
    if (flags & SWP_NOSIZE) {
        pos.cx = w->Width();
        pos.cy = w->Height();
    }
    if (!(flags & SWP_NOSENDCHANGING)) {
        Send(w, WM_WINDOWPOSCHANGING, 0, reinterpret_cast<LPARAM>(&pos));
        if (!Alive(w))
            return false;
        flags = pos.flags;
    }

    RECT newRect = w->rect;
    if (!(flags & SWP_NOMOVE))
        OffsetRect(&newRect, pos.x - newRect.left, pos.y - newRect.top);
    if (!(flags & SWP_NOSIZE)) {
        newRect.right = newRect.left + std::max(pos.cx, 0);
        newRect.bottom = newRect.top + std::max(pos.cy, 0);
    }
    const RECT oldRect = w->rect;
    const RECT oldClient = ClientRectInParent(w);
    const bool moved = newRect.left != oldRect.left || newRect.top != oldRect.top;
    const bool sized = RectWidth(newRect) != RectWidth(oldRect) || RectHeight(newRect) != RectHeight(oldRect);
    RECT newClient = w->client;
    if (sized || (flags & SWP_FRAMECHANGED)) {
        newClient = CalcClientRect(w, newRect, &pos);
        if (!Alive(w))
            return false;
    }

    const bool wasShowing = IsVisibleChain(w);
    w->rect = newRect;
    w->client = newClient;
    const bool zChanged = !(flags & SWP_NOZORDER) && ApplyZOrder(w, pos.hwndInsertAfter, flags);
    if (flags & SWP_SHOWWINDOW)
        w->style |= WS_VISIBLE;
    if (flags & SWP_HIDEWINDOW)
        w->style &= ~WS_VISIBLE;
    const RECT clientNow = ClientRectInParent(w);
    const bool clientMoved = clientNow.left != oldClient.left || clientNow.top != oldClient.top;
    const bool clientSized = RectWidth(clientNow) != RectWidth(oldClient) || RectHeight(clientNow) != RectHeight(oldClient);
    const bool visibility = (flags & (SWP_SHOWWINDOW | SWP_HIDEWINDOW)) != 0;

    if (w->IsTopLevel()) {
        if (sized || (flags & (SWP_SHOWWINDOW | SWP_FRAMECHANGED)))
            InvalidateAll(w);
        SyncNative(w);
        if (zChanged)
            SyncNativeStacking();
    } else {
        const bool changed = moved || sized || visibility || zChanged || (flags & SWP_FRAMECHANGED);
        if (changed && !(flags & SWP_NOREDRAW)) {
            // What the window covered and covers now is painted again, the parent and its
            // children alike.
            Region area;
            if (wasShowing)
                area = Region(oldRect);
            if (IsVisibleChain(w))
                area = area.Union(Region(newRect));
            RedrawArea(w->parent, &area, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
        }
        SyncNativeChild(w);
    }
    if (flags & SWP_HIDEWINDOW) {
        WithdrawInput(w);
        if (!Alive(w))
            return false;
    }
    if (!(flags & SWP_NOACTIVATE) && w->IsTopLevel() && w->Visible() && !(w->exStyle & WS_EX_NOACTIVATE)) {
        Activate(w, WA_ACTIVE);
        if (!Alive(w))
            return false;
    }

    WINDOWPOS done{w->handle, pos.hwndInsertAfter, w->rect.left, w->rect.top, w->Width(), w->Height(), flags};
    done.flags = (moved || clientMoved) ? done.flags & ~SWP_NOMOVE : done.flags | SWP_NOMOVE;
    done.flags = (sized || clientSized) ? done.flags & ~SWP_NOSIZE : done.flags | SWP_NOSIZE;
    if (!zChanged)
        done.flags |= SWP_NOZORDER;
    Send(w, WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(&done));
    return true;
}

BOOL SetWindowPos(HWND hwnd, HWND insertAfter, int x, int y, int cx, int cy, UINT flags)
{
    Window* w = Sys().Find(hwnd);
    if (!w || w->IsDesktop())
        return FALSE;
    if (!(flags & SWP_NOZORDER) && !IsPseudoHandle(insertAfter) && !Sys().IsWindow(insertAfter))
        return FALSE;
    return PlaceWindow(w, insertAfter, x, y, cx, cy, flags) ? TRUE : FALSE;
}

BOOL MoveWindow(HWND hwnd, int x, int y, int width, int height, BOOL repaint)
{
    return SetWindowPos(hwnd, nullptr, x, y, width, height,
                        SWP_NOZORDER | SWP_NOACTIVATE | (repaint ? 0u : SWP_NOREDRAW));
}

BOOL ShowWindow(HWND hwnd, int command)
{
    Window* w = Sys().Find(hwnd);
    if (!w || w->IsDesktop())
        return FALSE;
    std::shared_ptr<Window> keep = w->shared_from_this();
    const bool wasVisible = w->Visible();
    const bool top = w->IsTopLevel();
    bool show = true;
    bool activate = top;
    UINT flags = SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER;
    RECT rect = w->rect;
    DWORD state = w->style & (WS_MINIMIZE | WS_MAXIMIZE);
    switch (command) {
    case SW_HIDE:
        show = false;
        activate = false;
        break;
    case SW_SHOWNA:
        activate = false;
        break;
    case SW_SHOWMINNOACTIVE:
    case SW_MINIMIZE:
        activate = false;
        state = WS_MINIMIZE;
        break;
    case SW_SHOWMINIMIZED:
        state = WS_MINIMIZE;
        break;
    case SW_SHOWMAXIMIZED:
        state = WS_MAXIMIZE;
        break;
    case SW_SHOWNOACTIVATE:
        activate = false;
        state = 0;
        break;
    case SW_SHOWNORMAL:
    case SW_RESTORE:
    case SW_SHOWDEFAULT:
        state = 0;
        break;
    default:
        break;
    }
    // Where nothing can iconify a window (X11 without a window manager), a minimised window
    // would stay on the screen unable to take input: minimising leaves it as it is.
    if (top && state == WS_MINIMIZE && !(w->style & WS_MINIMIZE) && !Sys().Backend().CanIconify())
        return wasVisible ? TRUE : FALSE;
    const bool stateChanged = top && state != (w->style & (WS_MINIMIZE | WS_MAXIMIZE));
    if (stateChanged) {
        ChangeState(w, state, &rect);
        if (!Alive(w))
            return wasVisible;
        flags &= ~(SWP_NOMOVE | SWP_NOSIZE);
    }
    const bool sameSize = RectWidth(rect) == w->Width() && RectHeight(rect) == w->Height();
    if (show != wasVisible) {
        Send(w, WM_SHOWWINDOW, show ? TRUE : FALSE, 0);
        if (!Alive(w))
            return wasVisible;
    }
    flags |= show ? SWP_SHOWWINDOW : SWP_HIDEWINDOW;
    if (!activate)
        flags |= SWP_NOACTIVATE;
    PlaceWindow(w, nullptr, rect.left, rect.top, RectWidth(rect), RectHeight(rect), flags);
    // WM_SIZE reports the new kind (minimized, maximized, restored) even at the same size.
    if (Alive(w) && stateChanged && sameSize)
        SendSizeAndMove(w);
    if (Alive(w) && (w->style & WS_MINIMIZE) && Sys().input.active == w->handle)
        Activate(NextActiveCandidate(w), WA_ACTIVE);
    return wasVisible ? TRUE : FALSE;
}

BOOL BringWindowToTop(HWND hwnd)
{
    return SetWindowPos(hwnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

BOOL IsIconic(HWND hwnd)
{
    Window* w = Sys().Find(hwnd);
    return w && (w->style & WS_MINIMIZE) ? TRUE : FALSE;
}

BOOL IsZoomed(HWND hwnd)
{
    Window* w = Sys().Find(hwnd);
    return w && (w->style & WS_MAXIMIZE) ? TRUE : FALSE;
}

BOOL GetWindowRect(HWND hwnd, RECT* rect)
{
    Window* w = Sys().Find(hwnd);
    if (!w || !rect)
        return FALSE;
    if (w->IsDesktop())
        return GetVirtualScreenRect(rect);
    const POINT o = ScreenOrigin(w);
    *rect = RECT{o.x, o.y, o.x + w->Width(), o.y + w->Height()};
    return TRUE;
}

BOOL GetClientRect(HWND hwnd, RECT* rect)
{
    Window* w = Sys().Find(hwnd);
    if (!w || !rect)
        return FALSE;
    if (w->IsDesktop()) {
        RECT screen{};
        GetVirtualScreenRect(&screen);
        *rect = RECT{0, 0, RectWidth(screen), RectHeight(screen)};
        return TRUE;
    }
    *rect = RECT{0, 0, RectWidth(w->client), RectHeight(w->client)};
    return TRUE;
}

BOOL ClientToScreen(HWND hwnd, POINT* point)
{
    Window* w = Sys().Find(hwnd);
    if (!w || !point)
        return FALSE;
    const POINT o = ClientScreenOrigin(w);
    point->x += o.x;
    point->y += o.y;
    return TRUE;
}

BOOL ScreenToClient(HWND hwnd, POINT* point)
{
    Window* w = Sys().Find(hwnd);
    if (!w || !point)
        return FALSE;
    const POINT o = ClientScreenOrigin(w);
    point->x -= o.x;
    point->y -= o.y;
    return TRUE;
}

int MapWindowPoints(HWND from, HWND to, POINT* points, UINT count)
{
    WindowSystem& sys = Sys();
    Window* a = from ? sys.Find(from) : &sys.Desktop();
    Window* b = to ? sys.Find(to) : &sys.Desktop();
    if (!a || !b)
        return 0;
    const POINT oa = a->IsDesktop() ? POINT{} : ClientScreenOrigin(a);
    const POINT ob = b->IsDesktop() ? POINT{} : ClientScreenOrigin(b);
    const int dx = oa.x - ob.x;
    const int dy = oa.y - ob.y;
    for (UINT i = 0; points && i < count; ++i) {
        points[i].x += dx;
        points[i].y += dy;
    }
    return static_cast<int>(MAKELPARAM(dx, dy));
}

int SetWindowRgn(HWND hwnd, HRGN region, BOOL redraw)
{
    Window* w = Sys().Find(hwnd);
    if (!w || w->IsDesktop())
        return 0;
    std::optional<Region> shape;
    if (region) {
        Region value;
        if (!GetRgnRegion(region, &value))
            return 0;
        shape = std::move(value);
        // The window owns the region now; it keeps the value and lets the handle go.
        DeleteObject(region);
    }
    const std::optional<Region> oldShape = std::move(w->shape);
    w->shape = std::move(shape);
    if (w->IsTopLevel()) {
        SyncNative(w);
        if (redraw)
            InvalidateAll(w);
    } else if (redraw && IsVisibleChain(w)) {
        Region area(w->rect);
        RedrawArea(w->parent, &area, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    }
    return 1;
}

int GetWindowRgn(HWND hwnd, HRGN region)
{
    Window* w = Sys().Find(hwnd);
    if (!w || !w->shape || !region || !SetRgnRegion(region, *w->shape))
        return ERROR;
    if (w->shape->IsEmpty())
        return NULLREGION;
    return w->shape->IsRect() ? SIMPLEREGION : COMPLEXREGION;
}

HWND WindowFromPoint(POINT point)
{
    Window* w = HitTestScreen(point).window;
    return w ? w->handle : nullptr;
}

HWND ChildWindowFromPointEx(HWND parentHandle, POINT point, UINT flags)
{
    Window* parent = Sys().Find(parentHandle);
    if (!parent)
        return nullptr;
    const RECT clientBox{0, 0, RectWidth(parent->client), RectHeight(parent->client)};
    if (!parent->IsDesktop() && !PtInRect(&clientBox, point))
        return nullptr;
    POINT screen = point;
    if (!parent->IsDesktop()) {
        const POINT o = ClientScreenOrigin(parent);
        screen.x += o.x;
        screen.y += o.y;
    }
    for (Window* c : parent->children) {
        if ((flags & CWP_SKIPINVISIBLE) && !c->Visible())
            continue;
        if ((flags & CWP_SKIPDISABLED) && !c->Enabled())
            continue;
        if ((flags & CWP_SKIPTRANSPARENT) && (c->exStyle & WS_EX_TRANSPARENT))
            continue;
        if (ContainsScreenPoint(c, screen))
            return c->handle;
    }
    return parentHandle;
}

HWND ChildWindowFromPoint(HWND parent, POINT point)
{
    return ChildWindowFromPointEx(parent, point, CWP_ALL);
}
