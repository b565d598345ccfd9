#pragma once
// Painting what lies behind a control into a canvas, so a transparent control can show its
// parent: the parent's background and window content, then the windowless siblings before the
// control that overlap it. Windowed siblings and everything after the control are left out.

#include "platform/win/Types.h"

class TCanvas;
class TControl;

void PaintParentUnderControl(TControl* Control, TCanvas* Canvas);
// The same for Rect of the control; the canvas origin is Rect's top-left corner.
void PaintParentUnderControlRect(TControl* Control, const RECT& Rect, TCanvas* Canvas);
