#pragma once
// Activation, focus and capture internals (internal to the window layer).

#include "platform/window/WindowObject.h"

// Makes `top` (a top-level window, or nullptr) the active window with WM_NCACTIVATE and
// WM_ACTIVATE on both sides; `how` is WA_ACTIVE or WA_CLICKACTIVE. Raises the window (unless
// `raise` is false: it becomes active where it stands) and gives it the focus as DefWindowProc does.
void Activate(Window* top, WORD how, bool raise = true);
// Moves focus, activation and capture away from w and its descendants, which are being hidden
// or destroyed.
void WithdrawInput(Window* w);
// Drops every reference the input state holds to a window that is gone.
void ForgetInput(HWND hwnd);
// The visible, enabled top-level window that should become active when `leaving` goes: its
// owner, else the highest activatable window.
Window* NextActiveCandidate(Window* leaving);
// The shown, enabled modal dialog (see NativeAttributes::modal) that a disabled top-level window
// waits for, through any chain of owners; nullptr when there is none.
Window* ModalDialogOf(Window* disabled);
// The user reached a disabled top-level window through the desktop (a click, a window manager's
// focus): the dialog it waits for comes up and takes the activation.
void HandToModalDialog(Window* disabled);
