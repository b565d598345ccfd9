#pragma once
// Internal: what the controls need from the application without knowing it — hints, the
// control under the pointer, device contexts taken outside painting, and errors in handlers.

#include "classlib/Messages.h"

class TObject;
class TControl;
class TControlCanvas;

namespace ControlHooks {

// A control goes away: forget it wherever it is remembered (capture, pointer, hint).
void ControlDestroyed(TControl* Control);
// A control moved: contexts taken on it are stale.
void ControlMoved(TControl* Control);
// Every mouse move over a control, for the application's hints.
void HintMouseMessage(TControl* Control, TMessage& Message);
// The control now under the pointer (nullptr: none); sends CM_MOUSELEAVE to the previous one
// and CM_MOUSEENTER to the new one.
void SetMouseControl(TControl* Control);
TControl* MouseControl();

// Contexts that control canvases took outside painting; FreeDeviceContexts gives them all back.
void CanvasTookContext(TControlCanvas* Canvas);
void CanvasGaveContextBack(TControlCanvas* Canvas);
void FreeDeviceContexts();

// An exception escaped a message handler: the application shows it and goes on.
void HandleException(TObject* Sender);

} // namespace ControlHooks
