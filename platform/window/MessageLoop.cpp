#include "platform/window/MessageLoop.h"

#include "platform/kernel/Clock.h"
#include "platform/kernel/MainThread.h"
#include "platform/window/InputQueue.h"
#include "platform/window/InputSource.h"
#include "platform/window/PaintQueue.h"
#include "platform/window/WindowSystem.h"

namespace {

void Stamp(MSG* msg)
{
    msg->time = GetTickCount();
    msg->pt = Sys().input.cursor;
}

INPUT_MESSAGE_DEVICE_TYPE DeviceOf(UINT message)
{
    if (message >= WM_KEYFIRST && message <= WM_KEYLAST)
        return IMDT_KEYBOARD;
    if ((message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) ||
        (message >= WM_NCMOUSEMOVE && message <= WM_NCMBUTTONDBLCLK))
        return IMDT_MOUSE;
    return IMDT_UNAVAILABLE;
}

bool PeekInternal(MSG* msg, const MessageFilter& filter, bool remove)
{
    WindowSystem& sys = Sys();
    sys.guiThread = GetCurrentThreadId();
    sys.Backend().ProcessEvents();
    MainThread::ServePending();

    bool found = sys.queue.TakePosted(msg, filter, remove);
    if (found) {
        Stamp(msg);
    } else if (TakeInputMessage(msg, filter, remove)) {
        found = true;
        if (remove && DeviceOf(msg->message) != IMDT_UNAVAILABLE)
            sys.input.messageDevice = DeviceOf(msg->message);
    } else if (sys.queue.TakePosted(msg, filter, remove)) {
        // Turning input into messages may have posted some (WM_MOUSELEAVE).
        Stamp(msg);
        found = true;
    }
    int exitCode = 0;
    if (!found && filter.allowQuit && filter.MatchesNumber(WM_QUIT) && sys.queue.QuitPending(&exitCode)) {
        *msg = MSG{nullptr, WM_QUIT, static_cast<WPARAM>(exitCode), 0};
        Stamp(msg);
        if (remove)
            sys.queue.ClearQuit();
        found = true;
    }
    if (!found && TakePaintMessage(msg, filter)) {
        Stamp(msg);
        found = true;
    }
    if (!found) {
        PresentAll();
        if (auto timer = sys.timers.TakeDue(GetTickCount64(), filter, remove)) {
            *msg = MSG{timer->hwnd, WM_TIMER, timer->id, reinterpret_cast<LPARAM>(timer->proc)};
            Stamp(msg);
            found = true;
        }
    }
    if (found && remove) {
        sys.input.messageTime = msg->time;
        sys.input.messagePos = msg->pt;
    }
    if (!found)
        sys.Backend().QueueIdle();
    return found;
}

void WaitForMessages()
{
    WindowSystem& sys = Sys();
    std::optional<std::uint64_t> timeout;
    if (auto due = sys.timers.NextDue()) {
        const std::uint64_t now = GetTickCount64();
        timeout = *due > now ? *due - now : 0;
    }
    sys.Backend().Wait(timeout);
}

MessageFilter MakeFilter(HWND hwnd, UINT first, UINT last)
{
    MessageFilter filter;
    filter.hwnd = hwnd;
    filter.first = first;
    filter.last = last;
    return filter;
}

bool BadFilterWindow(HWND hwnd)
{
    return hwnd && hwnd != reinterpret_cast<HWND>(static_cast<std::intptr_t>(-1)) && !Sys().IsWindow(hwnd);
}

} // namespace

BOOL PeekMessage(MSG* msg, HWND hwnd, UINT filterMin, UINT filterMax, UINT removeFlags)
{
    if (!msg || BadFilterWindow(hwnd))
        return FALSE;
    return PeekInternal(msg, MakeFilter(hwnd, filterMin, filterMax), (removeFlags & PM_REMOVE) != 0) ? TRUE : FALSE;
}

BOOL GetMessage(MSG* msg, HWND hwnd, UINT filterMin, UINT filterMax)
{
    if (!msg || BadFilterWindow(hwnd))
        return -1;
    const MessageFilter filter = MakeFilter(hwnd, filterMin, filterMax);
    while (!PeekInternal(msg, filter, true)) {
        if (BadFilterWindow(hwnd))
            return -1;
        WaitForMessages();
    }
    return msg->message == WM_QUIT ? FALSE : TRUE;
}

BOOL WaitMessage()
{
    MSG msg;
    if (!PeekInternal(&msg, MessageFilter{}, false))
        WaitForMessages();
    return TRUE;
}

bool PumpOneMessage()
{
    MessageFilter filter;
    filter.allowQuit = false;
    MSG msg;
    if (!PeekInternal(&msg, filter, true))
        return false;
    TranslateMessage(&msg);
    DispatchMessage(&msg);
    return true;
}

BOOL PostMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    WindowSystem& sys = Sys();
    if (hwnd && !sys.IsWindow(hwnd))
        return FALSE;
    // Time and cursor position are stamped when the message is taken.
    sys.queue.Post(MSG{hwnd, msg, wParam, lParam});
    return TRUE;
}

BOOL PostThreadMessage(DWORD threadId, UINT msg, WPARAM wParam, LPARAM lParam)
{
    const DWORD gui = MainThread::IsMainThread() ? GetCurrentThreadId() : Sys().guiThread.load();
    if (threadId != gui)
        return FALSE;
    return PostMessage(nullptr, msg, wParam, lParam);
}

void PostQuitMessage(int exitCode)
{
    Sys().queue.RequestQuit(exitCode);
}

DWORD GetMessageTime()
{
    return Sys().input.messageTime;
}

DWORD GetMessagePos()
{
    const POINT p = Sys().input.messagePos;
    return static_cast<DWORD>(MAKELPARAM(p.x, p.y));
}

UINT RegisterWindowMessage(const std::string& name)
{
    return Sys().RegisterMessage(name);
}

BOOL GetCurrentInputMessageSource(INPUT_MESSAGE_SOURCE* source)
{
    if (!source)
        return FALSE;
    source->deviceType = Sys().input.messageDevice;
    source->originId = source->deviceType == IMDT_UNAVAILABLE ? IMO_UNAVAILABLE : IMO_HARDWARE;
    return TRUE;
}
