#pragma once
// Creating and destroying windows, the window tree and the window's own values.

#include "platform/window/Messages.h"
#include "platform/window/Styles.h"

#include <string>

// Sends WM_NCCREATE, WM_NCCALCSIZE, WM_CREATE, WM_SIZE and WM_MOVE (and WM_PARENTNOTIFY for a
// child), then shows the window when the style has WS_VISIBLE. A WS_CHILD window needs a parent;
// for any other window `parent` names the owner. Returns nullptr on failure.
HWND CreateWindowEx(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style, int x, int y, int width,
                    int height, HWND parent, HMENU menu, HINSTANCE instance, void* param);
// Destroys the owned windows, hides the window, then sends WM_DESTROY to it and its children
// (parents first) and WM_NCDESTROY (children first). A window already being destroyed, a handle
// that is not a window, or a call from another thread than the GUI thread gives FALSE.
BOOL DestroyWindow(HWND hwnd);

BOOL IsWindow(HWND hwnd);
// The window and all its ancestors have WS_VISIBLE.
BOOL IsWindowVisible(HWND hwnd);
BOOL IsWindowEnabled(HWND hwnd);
// Sends WM_ENABLE when the state changes; returns whether the window was disabled before.
BOOL EnableWindow(HWND hwnd, BOOL enable);
BOOL IsChild(HWND parent, HWND hwnd);

HWND GetDesktopWindow();
// The parent of a child window; the owner of a WS_POPUP window; nullptr otherwise.
HWND GetParent(HWND hwnd);
// Moves the window under a new parent (nullptr: the desktop), keeping its coordinates relative to
// the parent's client area. Returns the previous parent.
HWND SetParent(HWND hwnd, HWND newParent);
HWND GetWindow(HWND hwnd, UINT relation);
HWND GetAncestor(HWND hwnd, UINT relation);
// Calls proc for every descendant, parents before their children, until it returns FALSE; with
// parent nullptr for every top-level window.
BOOL EnumChildWindows(HWND parent, WNDENUMPROC proc, LPARAM lParam);

LONG_PTR GetWindowLongPtr(HWND hwnd, int index);
// GWL_STYLE and GWL_EXSTYLE send WM_STYLECHANGING and WM_STYLECHANGED; GWLP_WNDPROC replaces the
// window procedure and returns the previous one (for CallWindowProc); GWLP_HWNDPARENT sets the
// owner of a top-level window.
LONG_PTR SetWindowLongPtr(HWND hwnd, int index, LONG_PTR value);
LONG GetWindowLong(HWND hwnd, int index);
LONG SetWindowLong(HWND hwnd, int index, LONG value);

// Text through WM_GETTEXT / WM_SETTEXT, UTF-8.
int GetWindowTextLength(HWND hwnd);
int GetWindowText(HWND hwnd, char* buffer, int bufferSize);
std::string GetWindowText(HWND hwnd);
BOOL SetWindowText(HWND hwnd, const std::string& text);

int GetClassName(HWND hwnd, char* buffer, int bufferSize);
std::string GetClassName(HWND hwnd);
