#pragma once
// Handle and callback types of the window layer. A handle is an opaque pointer-sized value; a
// handle to a window that no longer exists is recognised as dead, never dereferenced.

#include "platform/win/Types.h"

#include <cstdint>

using LONG_PTR = std::intptr_t;
using ULONG_PTR = std::uintptr_t;
using UINT_PTR = std::uintptr_t;
using DWORD_PTR = std::uintptr_t;
using ATOM = WORD;
using LPCSTR = const char*;

struct HWND__;
using HWND = HWND__*;
struct HMENU__;
using HMENU = HMENU__*;  // carries a child window's id in CreateWindowEx
struct HINSTANCE__;
using HINSTANCE = HINSTANCE__*;  // accepted and ignored: there is one module
struct HMONITOR__;
using HMONITOR = HMONITOR__*;

using WNDPROC = LRESULT (*)(HWND, UINT, WPARAM, LPARAM);
using TIMERPROC = void (*)(HWND, UINT, UINT_PTR, DWORD);
using WNDENUMPROC = BOOL (*)(HWND, LPARAM);

// Integer resource ids passed where a name is expected (LoadCursor's IDC_ values).
inline LPCSTR MAKEINTRESOURCE(WORD id) { return reinterpret_cast<LPCSTR>(static_cast<std::uintptr_t>(id)); }
inline bool IS_INTRESOURCE(LPCSTR name) { return (reinterpret_cast<std::uintptr_t>(name) >> 16) == 0; }
