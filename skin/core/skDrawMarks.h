#pragma once
// Small arrows, marks, the dotted focus frame and the default caption-button glyphs (drawn in a
// 10 x 10 cell when a skin has no picture for a standard command). Lines leave out their end
// point and rectangles are drawn as the platform draws them.

#include "classlib/Colors.h"
#include "platform/win/Types.h"

class TCanvas;

// A filled triangle of four lines around the rectangle's centre pointing 1 left, 2 right, 3 up
// or 4 down; other directions draw nothing.
void DrawTriangleArrow(TCanvas* Canvas, const RECT& R, TColor Color, int Direction);
// Lines of 5, 3 and 1 pixels below the rectangle's centre.
void DrawSmallDownTriangle(TCanvas* Canvas, const RECT& R, TColor Color);
// A filled 6 x 6 square.
void DrawSmallSquareMark(TCanvas* Canvas, int X, int Y, TColor Color);
// A check mark three pixels thick.
void DrawTickMark(TCanvas* Canvas, int X, int Y, TColor Color);
// Alternate pixels around the rectangle (its right and bottom edges pulled in by one) in the
// canvas's font colour, without a break at the corners.
void DrawDottedFocusFrame(TCanvas* Canvas, const RECT& R);

void DrawCloseGlyph(TCanvas* Canvas, int X, int Y, TColor Color);
void DrawSysMenuGlyph(TCanvas* Canvas, int X, int Y, TColor Color);
void DrawMinimizeGlyph(TCanvas* Canvas, int X, int Y, TColor Color);
void DrawMaximizeGlyph(TCanvas* Canvas, int X, int Y, TColor Color);
void DrawRestoreGlyph(TCanvas* Canvas, int X, int Y, TColor Color);
void DrawRollUpGlyph(TCanvas* Canvas, int X, int Y, TColor Color);
void DrawRollDownGlyph(TCanvas* Canvas, int X, int Y, TColor Color);
void DrawMinToTrayGlyph(TCanvas* Canvas, int X, int Y, TColor Color);
