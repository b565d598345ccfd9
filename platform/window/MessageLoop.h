#pragma once
// Sending, posting and taking window messages. The GUI thread is the one that first used the
// window layer; only PostMessage, PostThreadMessage, SendMessage and IsWindow may be called
// from other threads (SendMessage then waits until the GUI thread has handled the message).

#include "platform/window/Messages.h"

#include <string>

LRESULT SendMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
// Queues the message; FALSE for a handle that is not a window. hwnd nullptr posts to the thread.
BOOL PostMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
// Posts a message without window; only the GUI thread's id is accepted.
BOOL PostThreadMessage(DWORD threadId, UINT msg, WPARAM wParam, LPARAM lParam);
// Asks the message loop to end: GetMessage returns WM_QUIT once nothing else is posted.
void PostQuitMessage(int exitCode);

// Waits for a message. Returns 0 for WM_QUIT, -1 when hwnd is given but not a window, else 1.
BOOL GetMessage(MSG* msg, HWND hwnd, UINT filterMin, UINT filterMax);
BOOL PeekMessage(MSG* msg, HWND hwnd, UINT filterMin, UINT filterMax, UINT removeFlags);
// Blocks until something arrives for the queue (or a timer falls due).
BOOL WaitMessage();
LRESULT DispatchMessage(const MSG* msg);
// Posts WM_CHAR (WM_SYSCHAR) for the characters of a WM_KEYDOWN (WM_SYSKEYDOWN) just taken.
BOOL TranslateMessage(const MSG* msg);
DWORD GetMessageTime();
// The cursor position of the last message taken, packed as in a mouse message's lParam.
DWORD GetMessagePos();

LRESULT DefWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT CallWindowProc(WNDPROC proc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

// A message number unique to the name (without regard to case), from 0xC000; 0 on failure.
UINT RegisterWindowMessage(const std::string& name);

// The kernel's message-pump seam: takes and dispatches one message other than WM_QUIT.
bool PumpOneMessage();
