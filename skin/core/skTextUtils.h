#pragma once
// Measuring, shortening and drawing text on a canvas in its current font.

#include "platform/win/Types.h"

#include <string>

class TCanvas;

// The platform's DrawText with these flags in the canvas's font, colour and background mode;
// returns the text height. With DT_CALCRECT it only measures and updates Rect.
int DrawWideStringText(TCanvas* Canvas, const std::string& Text, RECT& Rect, UINT Flags);
// Width and height of the rectangle DrawWideStringText calculates for Text from an empty one.
int MeasureWideTextWidth(TCanvas* Canvas, const std::string& Text);
int MeasureWideTextHeight(TCanvas* Canvas, const std::string& Text);
// Shortens Text (a character at a time from its end) until it fits MaxWidth with "..." after
// it; a text that fits stays. FitWideTextWithEllipsis measures as MeasureWideTextWidth,
// FitTextWithEllipsis with the canvas's text width.
void FitWideTextWithEllipsis(TCanvas* Canvas, std::string& Text, int MaxWidth);
void FitTextWithEllipsis(TCanvas* Canvas, std::string& Text, int MaxWidth);
// A non-empty text on one line, vertically centred, left-aligned.
void DrawTextVCentered(TCanvas* Canvas, const std::string& Text, const RECT& R);
// A non-empty text clipped to R, 2 pixels (plus Indent) from its left edge, vertically centred.
void DrawClippedTextVCentered(TCanvas* Canvas, const std::string& Text, const RECT& R);
void DrawClippedTextVCenteredIndent(TCanvas* Canvas, const std::string& Text, const RECT& R, int Indent);
