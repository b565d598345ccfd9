#pragma once
// The input method of a Qt top-level window: what it is told about the focus window, and what
// it reports (pre-edit and committed text), which goes to the window manager as raw input.

#include "platform/window/Handles.h"

class QInputMethodQueryEvent;
class QInputMethodEvent;

// Enabled only while the focus window (inside the top-level window `top`) takes text; the
// cursor rectangle is the caret's.
void AnswerInputMethodQuery(HWND top, QInputMethodQueryEvent* event);
void PostInputMethodEvent(QInputMethodEvent* event);
