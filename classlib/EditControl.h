#pragma once
// The window class "EDIT": a single-line text box driven by messages, painting itself into its
// window (no toolkit widget). Text is UTF-8 at the window's text messages; every position of the
// EM_ messages counts code points. Keyboard commands (Ctrl+X/C/V/Z/A, Shift+Delete, Shift+Insert,
// Ctrl+Insert) become WM_CUT, WM_COPY, WM_PASTE, WM_UNDO and EM_SETSEL sent to the window itself,
// so a subclass sees each of them as that message; control characters typed never change the text.
// The edit asks its parent for its colours (WM_CTLCOLOREDIT, or WM_CTLCOLORSTATIC when read-only
// or disabled; a nullptr answer gives the system colours, the hollow brush fills nothing) and tells
// it of every real change of its text (WM_COMMAND with EN_CHANGE). Input-method pre-edit text is
// drawn underlined at the caret and is no part of the text until committed.

#include "platform/window/Handles.h"
#include "platform/window/Messages.h"

inline constexpr const char* kEditClassName = "EDIT";

// Styles.
inline constexpr DWORD ES_LEFT = 0x0000;
inline constexpr DWORD ES_CENTER = 0x0001;
inline constexpr DWORD ES_RIGHT = 0x0002;
inline constexpr DWORD ES_MULTILINE = 0x0004;  // only lets EM_SETRECTNP/EM_SETRECT take effect: still one line
inline constexpr DWORD ES_UPPERCASE = 0x0008;
inline constexpr DWORD ES_LOWERCASE = 0x0010;
inline constexpr DWORD ES_PASSWORD = 0x0020;
inline constexpr DWORD ES_AUTOHSCROLL = 0x0080;
inline constexpr DWORD ES_NOHIDESEL = 0x0100;
inline constexpr DWORD ES_OEMCONVERT = 0x0400;
inline constexpr DWORD ES_READONLY = 0x0800;

// Messages.
inline constexpr UINT EM_GETSEL = 0x00B0;      // wParam, lParam: DWORD* start and end (may be nullptr); returns MAKELONG(start, end)
inline constexpr UINT EM_SETSEL = 0x00B1;      // start (-1: no selection), end (-1: end of text); clamped
inline constexpr UINT EM_GETRECT = 0x00B2;     // lParam: RECT*
inline constexpr UINT EM_SETRECT = 0x00B3;     // lParam: RECT* (nullptr: back to the client area); repaints
inline constexpr UINT EM_SETRECTNP = 0x00B4;   // the same without repainting
inline constexpr UINT EM_SCROLLCARET = 0x00B7;
inline constexpr UINT EM_GETMODIFY = 0x00B8;
inline constexpr UINT EM_SETMODIFY = 0x00B9;
inline constexpr UINT EM_REPLACESEL = 0x00C2;  // wParam: undoable; lParam: UTF-8 text
inline constexpr UINT EM_LIMITTEXT = 0x00C5;   // wParam: most code points (0: no limit)
inline constexpr UINT EM_CANUNDO = 0x00C6;
inline constexpr UINT EM_UNDO = 0x00C7;
inline constexpr UINT EM_SETPASSWORDCHAR = 0x00CC;  // wParam: code point shown for each character (0: the text)
inline constexpr UINT EM_EMPTYUNDOBUFFER = 0x00CD;
inline constexpr UINT EM_SETREADONLY = 0x00CF;
inline constexpr UINT EM_GETPASSWORDCHAR = 0x00D2;
inline constexpr UINT EM_SETMARGINS = 0x00D3;  // wParam: EC_ flags; lParam: MAKELONG(left, right)
inline constexpr UINT EM_GETMARGINS = 0x00D4;
inline constexpr UINT EM_GETLIMITTEXT = 0x00D5;
inline constexpr UINT EM_POSFROMCHAR = 0x00D6;  // wParam: position; returns MAKELONG(x, y) in client coordinates
inline constexpr UINT EM_CHARFROMPOS = 0x00D7;  // lParam: MAKELPARAM(x, y); returns the nearest position

inline constexpr WPARAM EC_LEFTMARGIN = 0x0001;
inline constexpr WPARAM EC_RIGHTMARGIN = 0x0002;

// Notifications (high word of WM_COMMAND's wParam).
inline constexpr WORD EN_SETFOCUS = 0x0100;
inline constexpr WORD EN_KILLFOCUS = 0x0200;
inline constexpr WORD EN_CHANGE = 0x0300;
inline constexpr WORD EN_MAXTEXT = 0x0501;

// Registers the class when it is not registered (the window system may have been reset).
void RegisterEditClass();
// The class's window procedure (for subclassing).
LRESULT EditWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
