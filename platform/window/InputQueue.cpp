// Raw input turned into window messages when the GUI thread takes it.

#include "platform/window/InputQueue.h"

#include "platform/kernel/Clock.h"
#include "platform/win/Rect.h"
#include "platform/kernel/MainThread.h"
#include "platform/window/Dispatch.h"
#include "platform/window/Focus.h"
#include "platform/window/HitTest.h"
#include "platform/window/ImeInput.h"
#include "platform/window/Input.h"
#include "platform/window/Keys.h"
#include "platform/window/Metrics.h"
#include "platform/window/MessageLoop.h"
#include "platform/window/WindowPos.h"
#include "platform/window/WindowSystem.h"
#include "platform/window/WindowTree.h"

#include <algorithm>
#include <climits>
#include <cstdlib>

namespace {

// The non-client mouse messages lie this far below the client ones.
constexpr UINT kNonClientOffset = WM_MOUSEMOVE - WM_NCMOUSEMOVE;

void SetKey(std::array<BYTE, 256>& keys, UINT vk, bool down)
{
    auto set = [&](UINT key) {
        BYTE& k = keys[key & 0xFF];
        if (down && !(k & 0x80))
            k ^= 0x01;
        k = down ? static_cast<BYTE>(k | 0x80) : static_cast<BYTE>(k & ~0x80);
    };
    set(vk);
    // The side-specific keys and the generic one move together.
    auto pair = [&](UINT generic, UINT left, UINT right) {
        if (vk == generic) {
            set(left);
        } else if (vk == left || vk == right) {
            const bool either = ((keys[left] | keys[right]) & 0x80) != 0;
            keys[generic] = static_cast<BYTE>(either ? keys[generic] | 0x80 : keys[generic] & ~0x80);
        }
    };
    pair(VK_SHIFT, VK_LSHIFT, VK_RSHIFT);
    pair(VK_CONTROL, VK_LCONTROL, VK_RCONTROL);
    pair(VK_MENU, VK_LMENU, VK_RMENU);
}

void SetKey(UINT vk, bool down)
{
    SetKey(Sys().input.keys, vk, down);
}

bool Down(UINT vk)
{
    return (Sys().input.keys[vk] & 0x80) != 0;
}

WPARAM MouseKeyFlags()
{
    WPARAM flags = 0;
    if (Down(VK_LBUTTON))
        flags |= MK_LBUTTON;
    if (Down(VK_RBUTTON))
        flags |= MK_RBUTTON;
    if (Down(VK_MBUTTON))
        flags |= MK_MBUTTON;
    if (Down(VK_SHIFT))
        flags |= MK_SHIFT;
    if (Down(VK_CONTROL))
        flags |= MK_CONTROL;
    return flags;
}

UINT ButtonMessage(UINT button, bool down)
{
    if (button == VK_RBUTTON)
        return down ? WM_RBUTTONDOWN : WM_RBUTTONUP;
    if (button == VK_MBUTTON)
        return down ? WM_MBUTTONDOWN : WM_MBUTTONUP;
    return down ? WM_LBUTTONDOWN : WM_LBUTTONUP;
}

bool InClient(const Window* w, POINT screen)
{
    const POINT o = ClientScreenOrigin(w);
    return screen.x >= o.x && screen.y >= o.y && screen.x < o.x + RectWidth(w->client) &&
           screen.y < o.y + RectHeight(w->client);
}

void Emit(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, std::string chars = {})
{
    InputState& in = Sys().input;
    MSG msg{hwnd, message, wParam, lParam, GetTickCount(), in.cursor};
    in.converted.push_back(InputState::Converted{msg, std::move(chars)});
}

// Ends leave tracking once the pointer is no longer where the tracked window asked to watch.
void CheckLeave(Window* under, LRESULT hit)
{
    InputState& in = Sys().input;
    if (!in.tracked)
        return;
    const bool nonClient = (in.trackFlags & TME_NONCLIENT) != 0;
    const bool stillThere = under && under->handle == in.tracked && (nonClient ? hit != HTCLIENT : hit == HTCLIENT);
    if (stillThere)
        return;
    const HWND tracked = in.tracked;
    in.tracked = nullptr;
    in.trackFlags = 0;
    PostMessage(tracked, nonClient ? WM_NCMOUSELEAVE : WM_MOUSELEAVE, 0, 0);
}

void NotifyParentsOfClick(Window* w, UINT message, POINT screen)
{
    for (Window* child = w; (child->style & WS_CHILD) && !(child->exStyle & WS_EX_NOPARENTNOTIFY);) {
        Window* parent = child->parent;
        const POINT o = ClientScreenOrigin(parent);
        std::shared_ptr<Window> keep = parent->shared_from_this();
        Send(parent, WM_PARENTNOTIFY, MAKEWPARAM(static_cast<int>(message), 0),
             MAKELPARAM(screen.x - o.x, screen.y - o.y));
        if (!Alive(parent) || !Alive(w))
            return;
        child = parent;
    }
}

bool IsDoubleClick(Window* target, UINT button, bool nonClient, POINT pt)
{
    InputState& in = Sys().input;
    InputState::Click& last = in.lastClick;
    const std::uint64_t now = GetTickCount64();
    const bool again = last.armed && last.hwnd == target->handle && last.button == button &&
                       last.nonClient == nonClient && now - last.time <= GetDoubleClickTime() &&
                       std::abs(pt.x - last.pt.x) <= GetSystemMetrics(SM_CXDOUBLECLK) / 2 &&
                       std::abs(pt.y - last.pt.y) <= GetSystemMetrics(SM_CYDOUBLECLK) / 2;
    if (again) {
        last.armed = false;
        // Only windows that ask for double clicks get them in their client area.
        return nonClient || (target->windowClass && (target->windowClass->style & CS_DBLCLKS));
    }
    last = InputState::Click{target->handle, button, nonClient, now, pt, true};
    return false;
}

void ConvertMouse(const RawInput& raw)
{
    WindowSystem& sys = Sys();
    InputState& in = sys.input;
    in.cursor = raw.pt;
    const bool down = raw.kind == RawInput::Kind::ButtonDown;
    if (raw.kind != RawInput::Kind::MouseMove) {
        SetKey(raw.button, down);
        in.altAlone = false;
    }

    Window* capture = sys.Find(in.capture);
    Window* target = nullptr;
    LRESULT hit = HTNOWHERE;
    if (capture) {
        // No hit testing while captured; leave tracking looks at the geometry only.
        Window* under = ContainsScreenPoint(capture, raw.pt) ? capture : nullptr;
        const LRESULT underHit = under ? (InClient(capture, raw.pt) ? HTCLIENT : HTBORDER) : HTNOWHERE;
        CheckLeave(under, underHit);
        in.underMouse = under ? under->handle : nullptr;
        in.underMouseHit = underHit;
        target = capture;
        hit = HTCLIENT;
    } else {
        const HitResult found = HitTestScreen(raw.pt);
        target = found.window;
        hit = found.code;
        CheckLeave(target, hit);
        in.underMouse = target ? target->handle : nullptr;
        in.underMouseHit = hit;
    }
    if (!target || !Alive(target))
        return;
    if (hit == HTERROR) {
        // A click on a window that a modal dialog disabled brings the dialog up.
        if (down && target->IsTopLevel() && !target->Enabled())
            HandToModalDialog(target);
        return;
    }
    std::shared_ptr<Window> keep = target->shared_from_this();

    const UINT clientMessage = raw.kind == RawInput::Kind::MouseMove ? WM_MOUSEMOVE : ButtonMessage(raw.button, down);
    if (!capture) {
        Send(target, WM_SETCURSOR, reinterpret_cast<WPARAM>(target->handle), MAKELPARAM(static_cast<int>(hit), static_cast<int>(clientMessage)));
        if (!Alive(target))
            return;
    }
    UINT message = clientMessage;
    if (down) {
        Window* top = TopLevelOf(target);
        if (!capture && top->handle != in.active) {
            const LRESULT answer = Send(target, WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(top->handle),
                                        MAKELPARAM(static_cast<int>(hit), static_cast<int>(clientMessage)));
            if (!Alive(target) || !Alive(top))
                return;
            if ((answer == MA_ACTIVATE || answer == MA_ACTIVATEANDEAT) && !(top->exStyle & WS_EX_NOACTIVATE))
                Activate(top, WA_CLICKACTIVE);
            if (answer == MA_ACTIVATEANDEAT || answer == MA_NOACTIVATEANDEAT || !Alive(target))
                return;
        }
        NotifyParentsOfClick(target, clientMessage, raw.pt);
        if (!Alive(target))
            return;
        if (IsDoubleClick(target, raw.button, hit != HTCLIENT, raw.pt))
            message = clientMessage + (WM_LBUTTONDBLCLK - WM_LBUTTONDOWN);
    }
    if (hit == HTCLIENT) {
        const POINT o = ClientScreenOrigin(target);
        Emit(target->handle, message, MouseKeyFlags(), MAKELPARAM(raw.pt.x - o.x, raw.pt.y - o.y));
    } else {
        Emit(target->handle, message - kNonClientOffset, static_cast<WPARAM>(hit), MAKELPARAM(raw.pt.x, raw.pt.y));
    }
}

Window* KeyboardTarget()
{
    WindowSystem& sys = Sys();
    Window* focus = sys.Find(sys.input.focus);
    return focus ? focus : sys.Find(sys.input.active);
}

void ConvertWheel(const RawInput& raw)
{
    InputState& in = Sys().input;
    in.cursor = raw.pt;
    Window* target = KeyboardTarget();
    if (!target)
        return;
    // Controls step once per message: parts of a notch are summed until they make whole ones.
    if (target->handle != in.wheelTarget) {
        in.wheelTarget = target->handle;
        in.wheelRest = 0;
    }
    in.wheelRest += raw.wheelDelta;
    const int notches = std::clamp(in.wheelRest / WHEEL_DELTA, -SHRT_MAX / WHEEL_DELTA, SHRT_MAX / WHEEL_DELTA);
    in.wheelRest -= notches * WHEEL_DELTA;
    if (notches != 0)
        Emit(target->handle, WM_MOUSEWHEEL, MAKEWPARAM(static_cast<int>(MouseKeyFlags()), notches * WHEEL_DELTA),
             MAKELPARAM(raw.pt.x, raw.pt.y));
}

void ConvertKey(const RawInput& raw)
{
    WindowSystem& sys = Sys();
    InputState& in = sys.input;
    const bool down = raw.kind == RawInput::Kind::KeyDown;
    const bool wasDown = Down(raw.vk);
    SetKey(raw.vk, down);
    if (down)
        in.altAlone = raw.vk == VK_MENU ? (in.altAlone || !raw.autoRepeat) : false;
    Window* target = KeyboardTarget();
    if (!target)
        return;
    const bool alt = Down(VK_MENU);
    // Keys with Alt (and any key while no window has the focus) are system keys.
    const bool system = (alt && !Down(VK_CONTROL)) || raw.vk == VK_MENU || raw.vk == VK_F10 || !sys.Find(in.focus);
    const UINT message = down ? (system ? WM_SYSKEYDOWN : WM_KEYDOWN) : (system ? WM_SYSKEYUP : WM_KEYUP);
    LPARAM lParam = 1;
    if (alt)
        lParam |= LPARAM{1} << 29;
    if (down ? wasDown : true)
        lParam |= LPARAM{1} << 30;
    if (!down)
        lParam |= LPARAM{1} << 31;
    Emit(target->handle, message, raw.vk, static_cast<LPARAM>(static_cast<std::int32_t>(lParam)), down ? raw.text : std::string());
}

void Convert(const RawInput& raw)
{
    WindowSystem& sys = Sys();
    switch (raw.kind) {
    case RawInput::Kind::MouseMove:
    case RawInput::Kind::ButtonDown:
    case RawInput::Kind::ButtonUp:
        ConvertMouse(raw);
        break;
    case RawInput::Kind::Wheel:
        ConvertWheel(raw);
        break;
    case RawInput::Kind::KeyDown:
    case RawInput::Kind::KeyUp:
        ConvertKey(raw);
        break;
    case RawInput::Kind::KeyUpElsewhere:
        SetKey(raw.vk, false);
        sys.input.altAlone = false;
        break;
    case RawInput::Kind::PointerLeft:
        CheckLeave(nullptr, HTNOWHERE);
        sys.input.underMouse = nullptr;
        break;
    case RawInput::Kind::Activated: {
        Window* top = TopLevelOf(sys.Find(raw.hwnd));
        if (top && top->Visible() && top->Enabled() && !(top->exStyle & WS_EX_NOACTIVATE)) {
            // A window manager focuses windows by itself: the one under the pointer, one it just
            // mapped. A window whose owner a modal dialog disabled (a preview window made while
            // the dialog is open) becomes active where it stands, below the dialog; a click on it
            // raises it as usual.
            bool ownerDisabled = false;
            for (const Window* o = top->owner; o && !ownerDisabled; o = o->owner)
                ownerDisabled = !o->Enabled();
            Activate(top, WA_ACTIVE, !ownerDisabled);
        } else if (top && top->Visible() && !top->Enabled()) {
            HandToModalDialog(top);
        }
        break;
    }
    case RawInput::Kind::AppDeactivated:
        Activate(nullptr, WA_INACTIVE);
        break;
    case RawInput::Kind::CloseRequested:
        // A disabled window (a modal dialog waits above it) refuses, as it refuses all input.
        if (Window* w = sys.Find(raw.hwnd); w && w->Enabled())
            Emit(raw.hwnd, WM_SYSCOMMAND, SC_CLOSE, 0);
        break;
    // What the native side did by itself reaches the window as its own command would.
    case RawInput::Kind::Minimized:
        if (sys.Find(raw.hwnd) && !IsIconic(raw.hwnd))
            Emit(raw.hwnd, WM_SYSCOMMAND, SC_MINIMIZE, 0);
        break;
    case RawInput::Kind::Restored:
        if (sys.Find(raw.hwnd) && IsIconic(raw.hwnd))
            Emit(raw.hwnd, WM_SYSCOMMAND, SC_RESTORE, 0);
        break;
    case RawInput::Kind::Moved: {
        RECT now{};
        if (sys.Find(raw.hwnd) && GetWindowRect(raw.hwnd, &now) && !EqualRect(&now, &raw.rect))
            SetWindowPos(raw.hwnd, nullptr, raw.rect.left, raw.rect.top, raw.rect.right - raw.rect.left,
                         raw.rect.bottom - raw.rect.top, SWP_NOZORDER | SWP_NOACTIVATE);
        break;
    }
    case RawInput::Kind::DisplayChanged: {
        const LPARAM size = MAKELPARAM(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
        for (HWND h : sys.AllHandles())
            if (Window* w = sys.Find(h); w && w->IsTopLevel())
                Emit(h, WM_DISPLAYCHANGE, 32, size);
        break;
    }
    case RawInput::Kind::ImePreedit:
    case RawInput::Kind::ImeCommit: {
        const HWND target = sys.Find(sys.input.focus) ? sys.input.focus : nullptr;
        ConvertImeInput(raw, target, [&](UINT m, WPARAM wp, LPARAM lp) { Emit(target, m, wp, lp); });
        break;
    }
    }
}

} // namespace

void PostRawInput(const RawInput& input)
{
    WindowSystem& sys = Sys();
    // GetAsyncKeyState answers as the input arrives (on the GUI thread, where displays report it).
    if (MainThread::IsMainThread()) {
        using Kind = RawInput::Kind;
        if (input.kind == Kind::KeyDown || input.kind == Kind::KeyUp || input.kind == Kind::KeyUpElsewhere)
            SetKey(sys.input.asyncKeys, input.vk, input.kind == Kind::KeyDown);
        else if (input.kind == Kind::ButtonDown || input.kind == Kind::ButtonUp)
            SetKey(sys.input.asyncKeys, input.button, input.kind == Kind::ButtonDown);
    }
    sys.queue.PostInput(input);
}

bool TakeInputMessage(MSG* out, const MessageFilter& filter, bool remove)
{
    WindowSystem& sys = Sys();
    auto& converted = sys.input.converted;
    for (;;) {
        std::erase_if(converted, [&](const InputState::Converted& c) { return c.msg.hwnd && !sys.IsWindow(c.msg.hwnd); });
        auto it = std::find_if(converted.begin(), converted.end(),
                               [&](const InputState::Converted& c) { return filter.Matches(c.msg); });
        if (it != converted.end()) {
            *out = it->msg;
            if (remove) {
                InputState& in = sys.input;
                in.hasPendingChars = out->message == WM_KEYDOWN || out->message == WM_SYSKEYDOWN;
                in.pendingKey = out->wParam;
                in.pendingChars = std::move(it->chars);
                converted.erase(it);
            }
            return true;
        }
        RawInput raw;
        if (!sys.queue.TakeRawInput(&raw))
            return false;
        Convert(raw);
    }
}

BOOL TrackMouseEvent(TRACKMOUSEEVENT* track)
{
    if (!track || track->cbSize != sizeof(TRACKMOUSEEVENT))
        return FALSE;
    InputState& in = Sys().input;
    if (track->dwFlags & TME_QUERY) {
        track->dwFlags = in.trackFlags;
        track->hwndTrack = in.tracked;
        return TRUE;
    }
    if (!Sys().IsWindow(track->hwndTrack) || !(track->dwFlags & TME_LEAVE))
        return FALSE;
    const DWORD flags = track->dwFlags & (TME_LEAVE | TME_NONCLIENT);
    if (track->dwFlags & TME_CANCEL) {
        if (in.tracked == track->hwndTrack && in.trackFlags == flags) {
            in.tracked = nullptr;
            in.trackFlags = 0;
        }
        return TRUE;
    }
    const bool nonClient = (flags & TME_NONCLIENT) != 0;
    const bool over = in.underMouse == track->hwndTrack &&
                      (nonClient ? in.underMouseHit != HTCLIENT : in.underMouseHit == HTCLIENT);
    if (!over) {
        // Asked while the pointer is elsewhere: the leave comes at once.
        PostMessage(track->hwndTrack, nonClient ? WM_NCMOUSELEAVE : WM_MOUSELEAVE, 0, 0);
        return TRUE;
    }
    in.tracked = track->hwndTrack;
    in.trackFlags = flags;
    return TRUE;
}
