#include "platform/window/WindowClass.h"

#include "platform/window/Window.h"
#include "platform/window/WindowSystem.h"

#include <algorithm>
#include <cctype>
#include <cstring>

namespace {

std::string Key(LPCSTR name)
{
    std::string key = name ? name : "";
    std::transform(key.begin(), key.end(), key.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return key;
}

} // namespace

std::shared_ptr<WindowClassRecord> FindWindowClass(LPCSTR name)
{
    if (!name || IS_INTRESOURCE(name))
        return nullptr;
    auto& classes = Sys().classes;
    auto it = classes.find(Key(name));
    return it == classes.end() ? nullptr : it->second;
}

ATOM RegisterClass(const WNDCLASS* wc)
{
    if (!wc || !wc->lpszClassName || IS_INTRESOURCE(wc->lpszClassName) || !*wc->lpszClassName || wc->cbWndExtra < 0)
        return 0;
    auto& classes = Sys().classes;
    const std::string key = Key(wc->lpszClassName);
    if (classes.count(key))
        return 0;
    auto record = std::make_shared<WindowClassRecord>();
    record->name = wc->lpszClassName;
    record->style = wc->style;
    record->proc = wc->lpfnWndProc;
    record->wndExtra = wc->cbWndExtra;
    record->icon = wc->hIcon;
    record->cursor = wc->hCursor;
    record->background = wc->hbrBackground;
    classes.emplace(key, std::move(record));
    // Atoms only need to be non-zero and distinct here.
    static ATOM nextAtom = 0xC000;
    return nextAtom == 0xFFFF ? nextAtom : nextAtom++;
}

BOOL UnregisterClass(LPCSTR className, HINSTANCE)
{
    auto record = FindWindowClass(className);
    if (!record)
        return FALSE;
    // A class in use by a live window stays.
    WindowSystem& sys = Sys();
    for (HWND hwnd : sys.AllHandles()) {
        Window* w = sys.Find(hwnd);
        if (w && w->windowClass == record)
            return FALSE;
    }
    sys.classes.erase(Key(className));
    return TRUE;
}

BOOL GetClassInfo(HINSTANCE, LPCSTR className, WNDCLASS* wc)
{
    auto record = FindWindowClass(className);
    if (!record || !wc)
        return FALSE;
    *wc = WNDCLASS{};
    wc->style = record->style;
    wc->lpfnWndProc = record->proc;
    wc->cbWndExtra = record->wndExtra;
    wc->hIcon = record->icon;
    wc->hCursor = record->cursor;
    wc->hbrBackground = record->background;
    wc->lpszClassName = className;
    return TRUE;
}

ULONG_PTR GetClassLongPtr(HWND hwnd, int index)
{
    Window* w = Sys().Find(hwnd);
    if (!w || !w->windowClass)
        return 0;
    const WindowClassRecord& c = *w->windowClass;
    switch (index) {
    case GCL_STYLE: return c.style;
    case GCLP_HBRBACKGROUND: return reinterpret_cast<ULONG_PTR>(c.background);
    case GCLP_HCURSOR: return reinterpret_cast<ULONG_PTR>(c.cursor);
    case GCLP_HICON: return reinterpret_cast<ULONG_PTR>(c.icon);
    case GCLP_WNDPROC: return reinterpret_cast<ULONG_PTR>(c.proc);
    case GCL_CBWNDEXTRA: return static_cast<ULONG_PTR>(c.wndExtra);
    default: return 0;
    }
}

ULONG_PTR SetClassLongPtr(HWND hwnd, int index, LONG_PTR value)
{
    Window* w = Sys().Find(hwnd);
    if (!w || !w->windowClass)
        return 0;
    WindowClassRecord& c = *w->windowClass;
    const ULONG_PTR old = GetClassLongPtr(hwnd, index);
    switch (index) {
    case GCL_STYLE: c.style = static_cast<UINT>(value); break;
    case GCLP_HBRBACKGROUND: c.background = reinterpret_cast<HBRUSH>(value); break;
    case GCLP_HCURSOR: c.cursor = reinterpret_cast<HCURSOR>(value); break;
    case GCLP_HICON: c.icon = reinterpret_cast<HICON>(value); break;
    case GCLP_WNDPROC: c.proc = reinterpret_cast<WNDPROC>(value); break;
    default: return 0;
    }
    return old;
}

int GetClassName(HWND hwnd, char* buffer, int bufferSize)
{
    Window* w = Sys().Find(hwnd);
    if (!w || !w->windowClass || !buffer || bufferSize <= 0)
        return 0;
    const std::string& name = w->windowClass->name;
    const int n = std::min<int>(static_cast<int>(name.size()), bufferSize - 1);
    std::memcpy(buffer, name.data(), static_cast<std::size_t>(n));
    buffer[n] = '\0';
    return n;
}

std::string GetClassName(HWND hwnd)
{
    Window* w = Sys().Find(hwnd);
    return w && w->windowClass ? w->windowClass->name : std::string();
}
