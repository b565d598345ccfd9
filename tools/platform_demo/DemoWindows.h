#pragma once
// The demo's windows: a frameless main window that draws, moves and sizes its own frame, three
// child windows (one shaped by a region, one with a border of its own, one that opens the
// pop-up), a pop-up that never takes the activation and a translucent layered window.

#include "platform/window/Handles.h"

struct DemoWindows {
    HWND frame = nullptr;
    HWND shaped = nullptr;
    HWND bordered = nullptr;
    HWND button = nullptr;
    HWND popup = nullptr;
    HWND layer = nullptr;
};

// Registers the classes and shows every window. The main window posts WM_QUIT when destroyed.
DemoWindows CreateDemoWindows();
