#pragma once
// Window properties: named values kept with a window until removed or the window is destroyed.

#include "platform/gdi/GdiTypes.h"
#include "platform/window/Handles.h"

// Adds or replaces the property; FALSE for an unknown window or an empty name.
BOOL SetProp(HWND hwnd, LPCSTR name, HANDLE data);
// nullptr when the window has no such property.
HANDLE GetProp(HWND hwnd, LPCSTR name);
// Removes the property and returns its value (nullptr when there was none).
HANDLE RemoveProp(HWND hwnd, LPCSTR name);
