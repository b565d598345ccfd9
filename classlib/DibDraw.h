#pragma once
// Draws a decoded picture on a canvas: blended by its alpha, or copied with the canvas's copy
// mode when it has none.

#include "classlib/DibData.h"
#include "platform/win/Types.h"

class TCanvas;

void DrawDibData(TCanvas* ACanvas, const RECT& Rect, const TDibData& Image);
