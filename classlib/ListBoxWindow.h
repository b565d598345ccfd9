#pragma once
// The window class "LISTBOX": a list of text items with one, several (LBS_MULTIPLESEL) or a
// range (LBS_EXTENDEDSEL) selected, sorted (LBS_SORT), in columns (LBS_MULTICOLUMN) or drawn by
// the parent (LBS_OWNERDRAWFIXED, WM_DRAWITEM), driven by the LB_ messages and by keys, clicks,
// drags and the wheel, telling the parent of user changes (LBN_ codes in WM_COMMAND, with
// LBS_NOTIFY). Texts are UTF-8 (LB_ADDSTRING takes a const char*). Wheel deltas smaller than a
// notch are summed until they make whole notches.

#include "platform/window/Handles.h"
#include "platform/window/ListBoxes.h"

// Registers the class unless it is registered; CreateWindowEx can make "LISTBOX" windows after
// that.
void RegisterListBoxClass();
LRESULT ListBoxWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
