// Activation, keyboard focus and mouse capture.

#include "platform/window/Focus.h"

#include "platform/window/Dispatch.h"
#include "platform/window/Input.h"
#include "platform/window/Keys.h"
#include "platform/window/MessageLoop.h"
#include "platform/window/Messages.h"
#include "platform/window/Presentation.h"
#include "platform/window/WindowSystem.h"
#include "platform/window/WindowTree.h"

#include <algorithm>

namespace {

bool InSubtree(const Window* root, HWND hwnd)
{
    Window* w = Sys().Find(hwnd);
    return w && (w == root || IsDescendant(root, w));
}

void Raise(Window* top)
{
    LinkAt(top, nullptr, false);
    RaiseOwnedAbove(top);
    SyncNativeStacking();
}

bool Activatable(const Window* w, const Window* leaving)
{
    return w && w != leaving && w->IsTopLevel() && w->Visible() && w->Enabled() && !w->destroying &&
           !(w->style & WS_MINIMIZE) && !(w->exStyle & WS_EX_NOACTIVATE) && w->owner != leaving;
}

void SetNativeGrab(HWND hwnd, bool grab)
{
    Window* top = TopLevelOf(Sys().Find(hwnd));
    if (top && top->top && top->top->native)
        top->top->native->SetMouseGrab(grab);
}

bool AnyButtonDown()
{
    const auto& keys = Sys().input.keys;
    return (keys[VK_LBUTTON] | keys[VK_RBUTTON] | keys[VK_MBUTTON]) & 0x80;
}

} // namespace

void Activate(Window* top, WORD how, bool raise)
{
    WindowSystem& sys = Sys();
    Window* old = sys.Find(sys.input.active);
    if (old == top)
        return;
    std::shared_ptr<Window> keepOld = old ? old->shared_from_this() : nullptr;
    std::shared_ptr<Window> keepNew = top ? top->shared_from_this() : nullptr;
    sys.input.active = HandleOf(top);
    if (old && Alive(old)) {
        Send(old, WM_NCACTIVATE, FALSE, 0);
        if (Alive(old)) {
            const bool minimized = (old->style & WS_MINIMIZE) != 0;
            Send(old, WM_ACTIVATE, MAKEWPARAM(WA_INACTIVE, minimized), reinterpret_cast<LPARAM>(HandleOf(top)));
        }
    }
    // A handler may have moved the activation elsewhere meanwhile.
    if (sys.input.active != HandleOf(top))
        return;
    if (!top || !Alive(top)) {
        if (sys.input.focus)
            SetFocus(nullptr);
        return;
    }
    if (raise)
        Raise(top);
    // A native window that takes no focus (pop-ups, hints) is not asked to: the keyboard stays
    // with the native window that has it, and input reaches the active window through us anyway.
    if (top->top && top->top->native && !top->top->attributes.noActivate)
        top->top->native->Activate();
    Send(top, WM_NCACTIVATE, TRUE, 0);
    if (Alive(top) && sys.input.active == top->handle) {
        const bool minimized = (top->style & WS_MINIMIZE) != 0;
        Send(top, WM_ACTIVATE, MAKEWPARAM(how, minimized), reinterpret_cast<LPARAM>(HandleOf(old)));
    }
    // The focus belongs to the active window: a handler that did not take it leaves none.
    if (Alive(top) && sys.input.active == top->handle && sys.input.focus && !InSubtree(top, sys.input.focus))
        SetFocus(nullptr);
}

Window* ModalDialogOf(Window* disabled)
{
    for (Window* w : Sys().Desktop().children) {
        if (!w->Visible() || !w->Enabled() || w->destroying || !AttributesOf(w).modal)
            continue;
        for (const Window* o = w->owner; o; o = o->owner)
            if (o == disabled)
                return w;
    }
    return nullptr;
}

void HandToModalDialog(Window* disabled)
{
    Window* dialog = ModalDialogOf(disabled);
    if (!dialog)
        return;
    NoteRaisedNatively(disabled);
    if (Sys().input.active != dialog->handle) {
        Activate(dialog, WA_ACTIVE);
        return;
    }
    // Active already, yet the desktop put the disabled window over it and gave it the keyboard.
    Raise(dialog);
    if (dialog->top && dialog->top->native)
        dialog->top->native->Activate();
}

Window* NextActiveCandidate(Window* leaving)
{
    WindowSystem& sys = Sys();
    if (leaving && Activatable(leaving->owner, leaving))
        return leaving->owner;
    for (Window* w : sys.Desktop().children) {
        if (Activatable(w, leaving))
            return w;
    }
    return nullptr;
}

void WithdrawInput(Window* w)
{
    WindowSystem& sys = Sys();
    std::shared_ptr<Window> keep = w->shared_from_this();
    if (InSubtree(w, sys.input.capture))
        ReleaseCapture();
    if (Alive(w) && InSubtree(w, sys.input.focus)) {
        Window* parent = w->IsTopLevel() ? nullptr : w->parent;
        const bool parentUsable = parent && !parent->destroying && IsVisibleChain(parent);
        SetFocus(parentUsable ? parent->handle : nullptr);
    }
    if (Alive(w) && sys.input.active == w->handle)
        Activate(NextActiveCandidate(w), WA_ACTIVE);
    if (InSubtree(w, sys.input.tracked)) {
        // The pointer is no longer over a window that is hidden or goes: it hears so, as on
        // leaving it.
        PostMessage(sys.input.tracked, (sys.input.trackFlags & TME_NONCLIENT) ? WM_NCMOUSELEAVE : WM_MOUSELEAVE, 0, 0);
        sys.input.tracked = nullptr;
        sys.input.trackFlags = 0;
    }
    if (InSubtree(w, sys.input.underMouse))
        sys.input.underMouse = nullptr;
}

void ForgetInput(HWND hwnd)
{
    InputState& in = Sys().input;
    for (HWND* ref : {&in.focus, &in.active, &in.capture, &in.tracked, &in.underMouse, &in.lastClick.hwnd}) {
        if (*ref == hwnd)
            *ref = nullptr;
    }
}

HWND SetFocus(HWND hwnd)
{
    WindowSystem& sys = Sys();
    const HWND old = GetFocus();
    Window* w = nullptr;
    if (hwnd) {
        w = sys.Find(hwnd);
        if (!w || w->IsDesktop())
            return nullptr;
        for (Window* p = w; p && !p->IsDesktop(); p = p->parent) {
            if (!p->Enabled() || (p->style & WS_MINIMIZE))
                return nullptr;
        }
        if (hwnd == old)
            return old;
        Window* top = TopLevelOf(w);
        if (sys.input.active != top->handle) {
            Activate(top, WA_ACTIVE);
            if (!Alive(w) || sys.input.focus == hwnd)
                return old;
        }
    } else if (!old) {
        return nullptr;
    }
    std::shared_ptr<Window> keep = w ? w->shared_from_this() : nullptr;
    // Activating the top-level window may have moved the focus already.
    const HWND previous = GetFocus();
    sys.input.focus = hwnd;
    if (Window* losing = sys.Find(previous))
        Send(losing, WM_KILLFOCUS, reinterpret_cast<WPARAM>(hwnd), 0);
    if (w && Alive(w) && sys.input.focus == hwnd)
        Send(w, WM_SETFOCUS, reinterpret_cast<WPARAM>(previous), 0);
    return old;
}

HWND GetFocus()
{
    WindowSystem& sys = Sys();
    return sys.Find(sys.input.focus) ? sys.input.focus : nullptr;
}

HWND SetActiveWindow(HWND hwnd)
{
    WindowSystem& sys = Sys();
    const HWND old = GetActiveWindow();
    Window* w = sys.Find(hwnd);
    if (hwnd && (!w || w->IsDesktop()))
        return nullptr;
    Activate(w ? TopLevelOf(w) : nullptr, WA_ACTIVE);
    return old;
}

HWND GetActiveWindow()
{
    WindowSystem& sys = Sys();
    return sys.Find(sys.input.active) ? sys.input.active : nullptr;
}

BOOL SetForegroundWindow(HWND hwnd)
{
    Window* w = Sys().Find(hwnd);
    if (!w || w->IsDesktop())
        return FALSE;
    Activate(TopLevelOf(w), WA_ACTIVE);
    return TRUE;
}

HWND GetForegroundWindow()
{
    return GetActiveWindow();
}

HWND SetCapture(HWND hwnd)
{
    WindowSystem& sys = Sys();
    const HWND old = GetCapture();
    Window* w = sys.Find(hwnd);
    if (!w || w->IsDesktop() || hwnd == old)
        return old;
    sys.input.capture = hwnd;
    if (old)
        SetNativeGrab(old, false);
    // While a button is held the native side keeps sending to the pressed window anyway.
    if (!AnyButtonDown())
        SetNativeGrab(hwnd, true);
    if (Window* previous = sys.Find(old))
        Send(previous, WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(hwnd));
    return old;
}

BOOL ReleaseCapture()
{
    WindowSystem& sys = Sys();
    const HWND old = GetCapture();
    sys.input.capture = nullptr;
    if (old) {
        SetNativeGrab(old, false);
        Send(sys.Find(old), WM_CAPTURECHANGED, 0, 0);
    }
    return TRUE;
}

HWND GetCapture()
{
    WindowSystem& sys = Sys();
    return sys.Find(sys.input.capture) ? sys.input.capture : nullptr;
}

SHORT GetKeyState(int virtualKey)
{
    if (virtualKey < 0 || virtualKey > 255)
        return 0;
    const BYTE state = Sys().input.keys[static_cast<std::size_t>(virtualKey)];
    return static_cast<SHORT>(((state & 0x80) ? 0x8000 : 0) | (state & 0x01));
}

SHORT GetAsyncKeyState(int virtualKey)
{
    if (virtualKey < 0 || virtualKey > 255)
        return 0;
    const BYTE state = Sys().input.asyncKeys[static_cast<std::size_t>(virtualKey)];
    return static_cast<SHORT>((state & 0x80) ? 0x8000 : 0);
}

BOOL GetCursorPos(POINT* point)
{
    if (!point)
        return FALSE;
    *point = Sys().Backend().CursorPos();
    return TRUE;
}
