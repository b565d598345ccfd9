#pragma once
// The system caret: one per GUI thread, owned by a window, drawn by inverting the pixels of its
// rectangle over what the window painted (never into the window's own pixels, so painting cannot
// leave a stale caret behind). It blinks on the replaceable clock and is hidden while its window
// paints (BeginPaint to EndPaint).

#include "platform/gdi/GdiTypes.h"
#include "platform/window/Handles.h"

// Replaces the caret (destroying another window's) with a solid width x height block (a width
// of 0 means 1 pixel); the bitmap is not used. The new caret starts hidden: ShowCaret shows it.
BOOL CreateCaret(HWND hwnd, HBITMAP bitmap, int width, int height);
BOOL DestroyCaret();
// Client coordinates of the caret's window; moving restarts the blink in the shown phase.
BOOL SetCaretPos(int x, int y);
BOOL GetCaretPos(POINT* point);
// Hiding counts: each HideCaret needs a ShowCaret. hwnd nullptr or the caret's own window.
BOOL ShowCaret(HWND hwnd);
BOOL HideCaret(HWND hwnd);
UINT GetCaretBlinkTime();
BOOL SetCaretBlinkTime(UINT ms);
// The caret's window (nullptr when there is no caret).
HWND GetCaretWindow();
