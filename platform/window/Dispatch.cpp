#include "platform/window/Dispatch.h"

#include "platform/kernel/Clock.h"
#include "platform/kernel/MainThread.h"
#include "platform/window/MessageLoop.h"
#include "platform/window/PaintQueue.h"
#include "platform/window/WindowSystem.h"

LRESULT Send(Window* w, UINT msg, WPARAM wParam, LPARAM lParam)
{
    std::shared_ptr<Window> keep = w->shared_from_this();
    WNDPROC proc = w->proc;
    if (!proc)
        return DefWindowProc(w->handle, msg, wParam, lParam);
    return proc(w->handle, msg, wParam, lParam);
}

bool Alive(const Window* w)
{
    return w && Sys().Find(w->handle) == w;
}

LRESULT SendMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (!MainThread::IsMainThread()) {
        if (!Sys().IsWindow(hwnd))
            return 0;
        LRESULT result = 0;
        MainThread::InvokeAndWait([&] { result = SendMessage(hwnd, msg, wParam, lParam); });
        return result;
    }
    Window* w = Sys().Find(hwnd);
    if (!w || w->IsDesktop())
        return 0;
    return Send(w, msg, wParam, lParam);
}

LRESULT CallWindowProc(WNDPROC proc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (!proc)
        return 0;
    return proc(hwnd, msg, wParam, lParam);
}

LRESULT DispatchMessage(const MSG* msg)
{
    if (!msg)
        return 0;
    WindowSystem& sys = Sys();
    if (msg->message == WM_TIMER && msg->lParam) {
        // Only the procedure of a running timer is called: lParam could be anything.
        auto proc = reinterpret_cast<TIMERPROC>(msg->lParam);
        if (sys.timers.IsTimerProc(msg->hwnd, msg->wParam, proc)) {
            proc(msg->hwnd, WM_TIMER, msg->wParam, GetTickCount());
            return 0;
        }
    }
    Window* w = sys.Find(msg->hwnd);
    if (!w || w->IsDesktop())
        return 0;
    if (msg->message == WM_PAINT) {
        DeliverPaint(w);
        return 0;
    }
    return Send(w, msg->message, msg->wParam, msg->lParam);
}
