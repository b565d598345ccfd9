#pragma once
// Screen areas of monitors and the constant alpha of layered windows.

#include "platform/window/Handles.h"
#include "platform/win/Types.h"

// The window's layered alpha (0..255).
void SetLayeredAlpha(HWND Window, int Alpha);
bool HasMultipleMonitors();
// The primary screen's work area, or its whole area.
void GetPrimaryScreenArea(bool WorkArea, RECT& R);
// With several monitors, the work area or whole area of the monitor nearest the window (R stays
// when that cannot be read); with one, the primary screen's.
void GetMonitorAreaOfWindow(HWND Window, bool WorkArea, RECT& R);
