#pragma once
// Window classes: the procedure, class style, background brush and cursor that windows of the
// class start with. Class names match without regard to case.

#include "platform/gdi/GdiTypes.h"
#include "platform/window/Styles.h"

struct WNDCLASS {
    UINT style = 0;
    WNDPROC lpfnWndProc = nullptr;
    int cbClsExtra = 0;
    int cbWndExtra = 0;  // bytes addressed by GetWindowLongPtr with non-negative indexes
    HINSTANCE hInstance = nullptr;
    HICON hIcon = nullptr;
    HCURSOR hCursor = nullptr;
    // A brush, or a system colour index plus one (COLOR_BTNFACE + 1); nullptr: no erasing.
    HBRUSH hbrBackground = nullptr;
    LPCSTR lpszMenuName = nullptr;
    LPCSTR lpszClassName = nullptr;
};

// Returns 0 when the name is empty or already registered.
ATOM RegisterClass(const WNDCLASS* wc);
BOOL UnregisterClass(LPCSTR className, HINSTANCE instance);
BOOL GetClassInfo(HINSTANCE instance, LPCSTR className, WNDCLASS* wc);
// GCL_STYLE, GCLP_HBRBACKGROUND, GCLP_HCURSOR, GCLP_HICON, GCLP_WNDPROC, GCL_CBWNDEXTRA. A change
// applies to every window of the class.
ULONG_PTR GetClassLongPtr(HWND hwnd, int index);
ULONG_PTR SetClassLongPtr(HWND hwnd, int index, LONG_PTR value);
