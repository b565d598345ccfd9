// Creating and destroying windows.

#include "platform/kernel/Exceptions.h"
#include "platform/kernel/MainThread.h"
#include "platform/window/Dispatch.h"
#include "platform/window/Focus.h"
#include "platform/window/Geometry.h"
#include "platform/window/Metrics.h"
#include "platform/window/MessageLoop.h"
#include "platform/window/Presentation.h"
#include "platform/window/Window.h"
#include "platform/window/WindowPos.h"
#include "platform/window/WindowSystem.h"
#include "platform/window/WindowTree.h"

#include <algorithm>

namespace {

// Tells the ancestors of a child about its creation or destruction.
void NotifyParents(Window* w, WORD event)
{
    if (!(w->style & WS_CHILD) || (w->exStyle & WS_EX_NOPARENTNOTIFY))
        return;
    const WPARAM wParam = MAKEWPARAM(event, static_cast<int>(w->id));
    const LPARAM lParam = reinterpret_cast<LPARAM>(w->handle);
    for (Window* p = w->parent; p && !p->IsDesktop(); p = p->parent) {
        std::shared_ptr<Window> keep = p->shared_from_this();
        Send(p, WM_PARENTNOTIFY, wParam, lParam);
        if (!Alive(p) || !(p->style & WS_CHILD) || (p->exStyle & WS_EX_NOPARENTNOTIFY))
            break;
    }
}

void MarkDestroying(Window* w)
{
    w->destroying = true;
    for (Window* c : w->children)
        MarkDestroying(c);
}

void SendDestroy(Window* w)
{
    std::shared_ptr<Window> keep = w->shared_from_this();
    Send(w, WM_DESTROY);
    const std::vector<Window*> children = w->children;
    for (Window* c : children) {
        if (Alive(c))
            SendDestroy(c);
    }
}

// Forgets the window everywhere; the record itself goes with its last reference.
void Release(Window* w)
{
    WindowSystem& sys = Sys();
    sys.timers.KillWindow(w->handle);
    sys.queue.DropWindow(w->handle);
    ForgetInput(w->handle);
    for (Window* other : sys.Desktop().children) {
        if (other->owner == w)
            other->owner = nullptr;
    }
    w->nativeChild.reset();
    if (w->top)
        w->top->native.reset();
    Unlink(w);
    sys.Unregister(w->handle);
}

void SendNcDestroy(Window* w)
{
    std::shared_ptr<Window> keep = w->shared_from_this();
    // Children made while the tree was being destroyed are destroyed as a whole first.
    const std::vector<Window*> children = w->children;
    for (Window* c : children) {
        if (!Alive(c))
            continue;
        if (c->destroying)
            SendNcDestroy(c);
        else
            DestroyWindow(c->handle);
    }
    Send(w, WM_NCDESTROY);
    if (Alive(w))
        Release(w);
}

RECT DefaultPlacement(int x, int y, int cx, int cy)
{
    RECT work{};
    SystemParametersInfo(SPI_GETWORKAREA, 0, &work, 0);
    if (x == CW_USEDEFAULT) {
        x = work.left + 32;
        y = work.top + 32;
    }
    if (cx == CW_USEDEFAULT) {
        cx = (work.right - work.left) * 2 / 3;
        cy = (work.bottom - work.top) * 2 / 3;
    }
    cx = std::max(0, cx);
    cy = std::max(0, cy);
    return RECT{x, y, x + cx, y + cy};
}

} // namespace

HWND CreateWindowEx(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style, int x, int y, int width,
                    int height, HWND parentHandle, HMENU menu, HINSTANCE instance, void* param)
{
    ZD_ASSERT(MainThread::IsMainThread(), "windows are created on the GUI thread");
    WindowSystem& sys = Sys();
    auto windowClass = FindWindowClass(className);
    if (!windowClass)
        return nullptr;

    Window* parent = &sys.Desktop();
    Window* owner = nullptr;
    if (style & WS_CHILD) {
        parent = sys.Find(parentHandle);
        if (!parent || parent->IsDesktop())
            return nullptr;
    } else if (parentHandle) {
        Window* ownerWindow = sys.Find(parentHandle);
        if (!ownerWindow)
            return nullptr;
        owner = TopLevelOf(ownerWindow);
    }
    if (parent->destroying || (owner && owner->destroying))
        return nullptr;

    RECT rect;
    if (style & WS_CHILD) {
        auto orZero = [](int v) { return v == CW_USEDEFAULT ? 0 : v; };
        rect = RECT{orZero(x), orZero(y), orZero(x) + std::max(0, orZero(width)), orZero(y) + std::max(0, orZero(height))};
    } else {
        rect = DefaultPlacement(x, y, width, height);
    }

    auto w = std::make_shared<Window>();
    w->windowClass = windowClass;
    w->proc = windowClass->proc;
    w->style = style & ~WS_VISIBLE;
    w->exStyle = exStyle;
    w->parent = parent;
    w->owner = owner;
    w->rect = rect;
    w->client = RECT{0, 0, rect.right - rect.left, rect.bottom - rect.top};
    w->extraBytes.assign(static_cast<std::size_t>(windowClass->wndExtra), 0);
    if (style & WS_CHILD)
        w->id = reinterpret_cast<LONG_PTR>(menu);
    else
        w->top = std::make_unique<TopLevelData>();
    Window* window = w.get();
    const HWND hwnd = sys.Register(std::move(w));
    LinkAt(window, nullptr, false);
    std::shared_ptr<Window> keep = window->shared_from_this();

    CREATESTRUCT cs;
    cs.lpCreateParams = param;
    cs.hInstance = instance;
    cs.hMenu = menu;
    cs.hwndParent = parentHandle;
    cs.x = rect.left;
    cs.y = rect.top;
    cs.cx = rect.right - rect.left;
    cs.cy = rect.bottom - rect.top;
    cs.style = static_cast<LONG>(style);
    cs.lpszName = windowName;
    cs.lpszClass = className;
    cs.dwExStyle = exStyle;

    if (!Send(window, WM_NCCREATE, 0, reinterpret_cast<LPARAM>(&cs))) {
        if (Alive(window)) {
            window->destroying = true;
            SendNcDestroy(window);
        }
        return nullptr;
    }
    if (!Alive(window))
        return nullptr;
    window->client = CalcClientRect(window, window->rect, nullptr);
    if (!Alive(window))
        return nullptr;
    if (Send(window, WM_CREATE, 0, reinterpret_cast<LPARAM>(&cs)) == -1) {
        DestroyWindow(hwnd);
        return nullptr;
    }
    if (!Alive(window))
        return nullptr;
    NotifyParents(window, WM_CREATE);
    if (!Alive(window))
        return nullptr;
    SendSizeAndMove(window);
    if (Alive(window) && (style & WS_VISIBLE))
        ShowWindow(hwnd, (style & WS_CHILD) ? SW_SHOWNA : SW_SHOW);
    return Alive(window) ? hwnd : nullptr;
}

BOOL DestroyWindow(HWND hwnd)
{
    // Windows belong to the GUI thread; another thread cannot take one away under it.
    if (!MainThread::IsMainThread())
        return FALSE;
    WindowSystem& sys = Sys();
    Window* w = sys.Find(hwnd);
    if (!w || w->IsDesktop() || w->destroying)
        return FALSE;
    std::shared_ptr<Window> keep = w->shared_from_this();

    for (Window* owned : OwnedWindows(w))
        DestroyWindow(owned->handle);
    if (!Alive(w) || w->destroying)
        return FALSE;
    MarkDestroying(w);
    NotifyParents(w, WM_DESTROY);
    if (Alive(w) && w->Visible())
        PlaceWindow(w, nullptr, 0, 0, 0, 0, SWP_HIDEWINDOW | SWP_NOACTIVATE | SWP_NOZORDER | SWP_NOMOVE | SWP_NOSIZE);
    if (Alive(w))
        WithdrawInput(w);
    if (Alive(w))
        SendDestroy(w);
    if (Alive(w))
        SendNcDestroy(w);
    return TRUE;
}
