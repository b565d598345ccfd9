#pragma once
// Turning raw input into mouse and keyboard messages (internal to the window layer).

#include "platform/window/MessageQueue.h"

// Takes the first input message the filter accepts, turning queued raw input into messages
// (hit testing, activation, WM_SETCURSOR) as far as needed. With remove false it stays queued.
bool TakeInputMessage(MSG* out, const MessageFilter& filter, bool remove);
