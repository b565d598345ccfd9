#pragma once
// Plain three-dimensional edges for the default looks of the controls.

#include "classlib/Colors.h"
#include "platform/win/Types.h"

#include <string>

class TCanvas;

// Draws Width rings inside Rect: top and left edges in TopColor, bottom and right in
// BottomColor; Rect shrinks by Width on every side.
void Frame3D(TCanvas* Canvas, RECT& Rect, TColor TopColor, TColor BottomColor, int Width);

// True when Text marks Ch as its accelerator ("&x", compared without regard to case; "&&" is a
// plain ampersand).
bool IsAccel(char32_t Ch, const std::string& Text);
