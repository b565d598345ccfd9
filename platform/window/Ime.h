#pragma once
// Input methods. The display's input method reports pre-edit text and committed text; the window
// with the keyboard focus gets them as messages:
//   pre-edit appears:  WM_IME_STARTCOMPOSITION, then WM_IME_COMPOSITION (lParam GCS_COMPSTR)
//   pre-edit changes:  WM_IME_COMPOSITION (GCS_COMPSTR); empty pre-edit: WM_IME_ENDCOMPOSITION
//   commit:            WM_IME_CHAR per code point (DefWindowProc makes each a WM_CHAR), then
//                      WM_IME_ENDCOMPOSITION when a pre-edit was showing
// Only a window that said it takes text (SetWindowTakesText) asks the input method for service;
// the cursor rectangle the input method places its window by is the caret's.

#include "platform/window/Handles.h"

#include <string>

constexpr UINT WM_IME_STARTCOMPOSITION = 0x010D;
constexpr UINT WM_IME_ENDCOMPOSITION = 0x010E;
constexpr UINT WM_IME_COMPOSITION = 0x010F;
constexpr UINT WM_IME_CHAR = 0x0286;  // wParam: one Unicode code point

// WM_IME_COMPOSITION lParam.
constexpr LPARAM GCS_COMPSTR = 0x0008;
constexpr LPARAM GCS_CURSORPOS = 0x0080;

// Whether the window takes typed text, so the input method should serve it (off by default).
void SetWindowTakesText(HWND hwnd, bool takesText);
bool WindowTakesText(HWND hwnd);
// The pre-edit text showing now (UTF-8; empty when none) and the input method's cursor in it
// (in code points).
std::string ImmGetCompositionString();
int ImmGetCompositionCursor();
// Tells the display that what the input method asks about the window's top-level window changed
// (focus window, caret, whether it takes text).
void NotifyInputMethod(HWND hwnd);
