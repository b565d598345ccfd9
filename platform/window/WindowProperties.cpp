// The window tree and the window's own values.

#include "platform/window/Dispatch.h"
#include "platform/window/Focus.h"
#include "platform/window/Input.h"
#include "platform/window/Invalidation.h"
#include "platform/window/MessageLoop.h"
#include "platform/window/Paint.h"
#include "platform/window/Presentation.h"
#include "platform/window/Window.h"
#include "platform/window/WindowSystem.h"
#include "platform/window/WindowTree.h"

#include <algorithm>
#include <cstring>

namespace {

void Enumerate(Window* parent, std::vector<HWND>& out)
{
    for (Window* c : parent->children) {
        out.push_back(c->handle);
        Enumerate(c, out);
    }
}

LONG_PTR SetStyle(Window* w, int index, DWORD value)
{
    std::shared_ptr<Window> keep = w->shared_from_this();
    DWORD& field = index == GWL_STYLE ? w->style : w->exStyle;
    STYLESTRUCT change{field, value};
    Send(w, WM_STYLECHANGING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&change));
    if (!Alive(w))
        return 0;
    const DWORD old = field;
    DWORD next = change.styleNew;
    if (index == GWL_EXSTYLE) {
        // Topmost placement changes only through SetWindowPos.
        next = (next & ~WS_EX_TOPMOST) | (old & WS_EX_TOPMOST);
        if ((old & WS_EX_LAYERED) && !(next & WS_EX_LAYERED) && w->top) {
            w->top->layeredFlags = 0;
            w->top->hasLayeredPicture = false;
            w->top->layeredPicture.clear();
        }
    }
    field = next;
    if (TopLevelOf(w) == w && !w->IsDesktop()) {
        SyncNative(w);
        if ((old ^ next) & WS_EX_LAYERED)
            InvalidateAll(w);
    }
    STYLESTRUCT done{old, next};
    Send(w, WM_STYLECHANGED, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&done));
    return static_cast<LONG_PTR>(old);
}

} // namespace

BOOL IsWindow(HWND hwnd)
{
    return Sys().IsWindow(hwnd) ? TRUE : FALSE;
}

BOOL IsWindowVisible(HWND hwnd)
{
    Window* w = Sys().Find(hwnd);
    return w && IsVisibleChain(w) ? TRUE : FALSE;
}

BOOL IsWindowEnabled(HWND hwnd)
{
    Window* w = Sys().Find(hwnd);
    return w && w->Enabled() ? TRUE : FALSE;
}

BOOL EnableWindow(HWND hwnd, BOOL enable)
{
    Window* w = Sys().Find(hwnd);
    if (!w || w->IsDesktop())
        return FALSE;
    const bool wasDisabled = !w->Enabled();
    if (wasDisabled == !enable)
        return wasDisabled ? TRUE : FALSE;
    std::shared_ptr<Window> keep = w->shared_from_this();
    if (!enable) {
        Send(w, WM_CANCELMODE);
        if (!Alive(w))
            return FALSE;
        w->style |= WS_DISABLED;
        Window* focus = Sys().Find(Sys().input.focus);
        if (focus && (focus == w || IsDescendant(w, focus)))
            SetFocus(nullptr);
        if (Sys().input.capture == hwnd)
            ReleaseCapture();
    } else {
        w->style &= ~WS_DISABLED;
    }
    if (Alive(w))
        Send(w, WM_ENABLE, enable ? TRUE : FALSE);
    return wasDisabled ? TRUE : FALSE;
}

BOOL IsChild(HWND parentHandle, HWND hwnd)
{
    Window* parent = Sys().Find(parentHandle);
    Window* w = Sys().Find(hwnd);
    if (!parent || !w || parent->IsDesktop())
        return FALSE;
    for (Window* p = w; p && (p->style & WS_CHILD); p = p->parent) {
        if (p->parent == parent)
            return TRUE;
    }
    return FALSE;
}

HWND GetDesktopWindow()
{
    return Sys().Desktop().handle;
}

HWND GetParent(HWND hwnd)
{
    Window* w = Sys().Find(hwnd);
    if (!w || w->IsDesktop())
        return nullptr;
    if (!w->IsTopLevel())
        return w->parent->handle;
    return (w->style & WS_POPUP) ? HandleOf(w->owner) : nullptr;
}

HWND SetParent(HWND hwnd, HWND newParentHandle)
{
    WindowSystem& sys = Sys();
    Window* w = sys.Find(hwnd);
    Window* parent = newParentHandle ? sys.Find(newParentHandle) : &sys.Desktop();
    if (!w || !parent || w->IsDesktop() || parent == w || IsDescendant(w, parent) || w->destroying ||
        parent->destroying)
        return nullptr;
    Window* old = w->parent;
    if (old == parent)
        return old->handle;
    std::shared_ptr<Window> keep = w->shared_from_this();
    const bool wasTop = w->IsTopLevel();
    if (!wasTop && IsVisibleChain(w)) {
        Region area(w->rect);
        RedrawArea(old, &area, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    }
    Unlink(w);
    w->parent = parent;
    LinkAt(w, nullptr, false);
    if (w->IsTopLevel() && !wasTop) {
        w->top = std::make_unique<TopLevelData>();
        w->nativeChild.reset();
    } else if (!w->IsTopLevel() && wasTop) {
        w->top.reset();
        w->owner = nullptr;
    }
    if (w->IsTopLevel())
        SyncNative(w);
    InvalidateAll(w);
    return old->handle;
}

HWND GetWindow(HWND hwnd, UINT relation)
{
    Window* w = Sys().Find(hwnd);
    if (!w)
        return nullptr;
    if (relation == GW_CHILD)
        return w->children.empty() ? nullptr : w->children.front()->handle;
    if (relation == GW_OWNER)
        return HandleOf(w->owner);
    if (!w->parent)
        return nullptr;
    const auto& siblings = w->parent->children;
    auto it = std::find(siblings.begin(), siblings.end(), w);
    switch (relation) {
    case GW_HWNDFIRST: return siblings.front()->handle;
    case GW_HWNDLAST: return siblings.back()->handle;
    case GW_HWNDNEXT: return (it + 1) != siblings.end() ? (*(it + 1))->handle : nullptr;
    case GW_HWNDPREV: return it != siblings.begin() ? (*(it - 1))->handle : nullptr;
    default: return nullptr;
    }
}

HWND GetAncestor(HWND hwnd, UINT relation)
{
    Window* w = Sys().Find(hwnd);
    if (!w || w->IsDesktop())
        return nullptr;
    switch (relation) {
    case GA_PARENT: return w->parent->handle;
    case GA_ROOT: return TopLevelOf(w)->handle;
    case GA_ROOTOWNER: {
        Window* root = TopLevelOf(w);
        while (root->owner)
            root = root->owner;
        return root->handle;
    }
    default: return nullptr;
    }
}

BOOL EnumChildWindows(HWND parentHandle, WNDENUMPROC proc, LPARAM lParam)
{
    WindowSystem& sys = Sys();
    Window* parent = parentHandle ? sys.Find(parentHandle) : &sys.Desktop();
    if (!parent || !proc)
        return FALSE;
    std::vector<HWND> handles;
    if (parentHandle) {
        Enumerate(parent, handles);
    } else {
        // Without a parent: the top-level windows, as EnumWindows gives them.
        for (Window* top : parent->children)
            handles.push_back(top->handle);
    }
    for (HWND h : handles) {
        if (sys.IsWindow(h) && !proc(h, lParam))
            break;
    }
    return TRUE;
}

LONG_PTR GetWindowLongPtr(HWND hwnd, int index)
{
    Window* w = Sys().Find(hwnd);
    if (!w)
        return 0;
    switch (index) {
    case GWLP_WNDPROC: return reinterpret_cast<LONG_PTR>(w->proc);
    case GWLP_HINSTANCE: return 0;
    case GWLP_HWNDPARENT:
        return reinterpret_cast<LONG_PTR>(w->IsTopLevel() ? HandleOf(w->owner) : HandleOf(w->parent));
    case GWLP_ID: return w->id;
    case GWL_STYLE: return static_cast<LONG_PTR>(w->style);
    case GWL_EXSTYLE: return static_cast<LONG_PTR>(w->exStyle);
    case GWLP_USERDATA: return w->userData;
    default:
        break;
    }
    if (index < 0 || static_cast<std::size_t>(index) + sizeof(LONG_PTR) > w->extraBytes.size())
        return 0;
    LONG_PTR value;
    std::memcpy(&value, w->extraBytes.data() + index, sizeof value);
    return value;
}

LONG_PTR SetWindowLongPtr(HWND hwnd, int index, LONG_PTR value)
{
    WindowSystem& sys = Sys();
    Window* w = sys.Find(hwnd);
    if (!w || w->IsDesktop())
        return 0;
    LONG_PTR old = GetWindowLongPtr(hwnd, index);
    switch (index) {
    case GWL_STYLE:
    case GWL_EXSTYLE:
        return SetStyle(w, index, static_cast<DWORD>(value));
    case GWLP_WNDPROC:
        w->proc = reinterpret_cast<WNDPROC>(value);
        return old;
    case GWLP_HWNDPARENT: {
        if (!w->IsTopLevel())
            return 0;
        Window* owner = value ? sys.Find(reinterpret_cast<HWND>(value)) : nullptr;
        owner = owner ? TopLevelOf(owner) : nullptr;
        for (Window* o = owner; o; o = o->owner) {
            if (o == w)
                return 0;  // an owner cycle
        }
        w->owner = owner;
        SyncNative(w);
        return old;
    }
    case GWLP_ID:
        w->id = value;
        return old;
    case GWLP_USERDATA:
        w->userData = value;
        return old;
    default:
        break;
    }
    if (index < 0 || static_cast<std::size_t>(index) + sizeof(LONG_PTR) > w->extraBytes.size())
        return 0;
    std::memcpy(w->extraBytes.data() + index, &value, sizeof value);
    return old;
}

LONG GetWindowLong(HWND hwnd, int index)
{
    return static_cast<LONG>(GetWindowLongPtr(hwnd, index));
}

LONG SetWindowLong(HWND hwnd, int index, LONG value)
{
    // Styles are 32-bit words: keep the high bit as a bit, not a sign.
    const LONG_PTR wide = (index == GWL_STYLE || index == GWL_EXSTYLE)
                              ? static_cast<LONG_PTR>(static_cast<DWORD>(value))
                              : static_cast<LONG_PTR>(value);
    return static_cast<LONG>(SetWindowLongPtr(hwnd, index, wide));
}

int GetWindowTextLength(HWND hwnd)
{
    return static_cast<int>(SendMessage(hwnd, WM_GETTEXTLENGTH, 0, 0));
}

int GetWindowText(HWND hwnd, char* buffer, int bufferSize)
{
    if (!buffer || bufferSize <= 0)
        return 0;
    buffer[0] = '\0';
    return static_cast<int>(SendMessage(hwnd, WM_GETTEXT, static_cast<WPARAM>(bufferSize), reinterpret_cast<LPARAM>(buffer)));
}

std::string GetWindowText(HWND hwnd)
{
    const int length = GetWindowTextLength(hwnd);
    if (length <= 0)
        return std::string();
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    const int copied = GetWindowText(hwnd, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(std::clamp(copied, 0, length)));
    return text;
}

BOOL SetWindowText(HWND hwnd, const std::string& text)
{
    return SendMessage(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str())) ? TRUE : FALSE;
}
