#pragma once
// Mouse capture and tracking, keyboard focus, activation, key state and the cursor.

#include "platform/gdi/GdiTypes.h"
#include "platform/window/Handles.h"

#include <cstdint>

using SHORT = std::int16_t;

// The window that gets every mouse message until released (client messages, even outside it).
// The previous capture window gets WM_CAPTURECHANGED.
HWND SetCapture(HWND hwnd);
BOOL ReleaseCapture();
HWND GetCapture();

// Sends WM_KILLFOCUS to the old focus window and WM_SETFOCUS to the new one, activating its
// top-level window first. A disabled or minimized window (or one inside such a window) is
// refused. nullptr removes the focus. Returns the previous focus window.
HWND SetFocus(HWND hwnd);
HWND GetFocus();

// Activation of top-level windows: WM_NCACTIVATE and WM_ACTIVATE to the window losing and the
// window gaining it; the default WM_ACTIVATE handling gives the focus to the window.
HWND SetActiveWindow(HWND hwnd);
HWND GetActiveWindow();
BOOL SetForegroundWindow(HWND hwnd);
HWND GetForegroundWindow();

// High bit: the key is down; low bit: the key is toggled (Caps Lock). GetKeyState answers as of
// the last input message taken from the queue; GetAsyncKeyState as of the last input seen.
SHORT GetKeyState(int virtualKey);
SHORT GetAsyncKeyState(int virtualKey);

// TrackMouseEvent.
constexpr DWORD TME_HOVER = 0x00000001;
constexpr DWORD TME_LEAVE = 0x00000002;
constexpr DWORD TME_NONCLIENT = 0x00000010;
constexpr DWORD TME_QUERY = 0x40000000;
constexpr DWORD TME_CANCEL = 0x80000000;
constexpr DWORD HOVER_DEFAULT = 0xFFFFFFFF;

struct TRACKMOUSEEVENT {
    DWORD cbSize = sizeof(TRACKMOUSEEVENT);
    DWORD dwFlags = 0;
    HWND hwndTrack = nullptr;
    DWORD dwHoverTime = HOVER_DEFAULT;
};

// TME_LEAVE posts WM_MOUSELEAVE once the pointer leaves the window's client area (with
// TME_NONCLIENT: WM_NCMOUSELEAVE once it leaves the frame); tracking then ends.
BOOL TrackMouseEvent(TRACKMOUSEEVENT* track);

BOOL GetCursorPos(POINT* point);

// System cursors by IDC_ id.
inline const LPCSTR IDC_ARROW = MAKEINTRESOURCE(32512);
inline const LPCSTR IDC_IBEAM = MAKEINTRESOURCE(32513);
inline const LPCSTR IDC_WAIT = MAKEINTRESOURCE(32514);
inline const LPCSTR IDC_CROSS = MAKEINTRESOURCE(32515);
inline const LPCSTR IDC_UPARROW = MAKEINTRESOURCE(32516);
inline const LPCSTR IDC_SIZENWSE = MAKEINTRESOURCE(32642);
inline const LPCSTR IDC_SIZENESW = MAKEINTRESOURCE(32643);
inline const LPCSTR IDC_SIZEWE = MAKEINTRESOURCE(32644);
inline const LPCSTR IDC_SIZENS = MAKEINTRESOURCE(32645);
inline const LPCSTR IDC_SIZEALL = MAKEINTRESOURCE(32646);
inline const LPCSTR IDC_NO = MAKEINTRESOURCE(32648);
inline const LPCSTR IDC_HAND = MAKEINTRESOURCE(32649);
inline const LPCSTR IDC_APPSTARTING = MAKEINTRESOURCE(32650);
inline const LPCSTR IDC_HELP = MAKEINTRESOURCE(32651);

// Only the system cursors (instance nullptr, an IDC_ id) are known; anything else gives nullptr.
HCURSOR LoadCursor(HINSTANCE instance, LPCSTR name);
// Shows the cursor over the window under the pointer; returns the previous one.
HCURSOR SetCursor(HCURSOR cursor);
HCURSOR GetCursor();
// The rows of the cursor's picture below its hot spot (SM_CYCURSOR for a cursor not in the table).
int CursorRowsBelowHotSpot(HCURSOR cursor);
