#pragma once
// Layout of a button face: where the glyph and the caption go.

#include "platform/win/Types.h"

// Where the glyph stands relative to the caption.
enum TskButtonLayout : unsigned char { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };

// Top-left corners of glyph and caption in R. Margin -1 centres glyph, spacing and caption as
// a group; any other margin puts the glyph that far from its edge and the caption after the
// spacing. Without a glyph the spacing counts as 0. Nothing is clipped.
void CalcButtonLayout(TskButtonLayout Layout, const RECT& R, int GlyphWidth, int GlyphHeight, int TextWidth,
                      int TextHeight, int Spacing, int Margin, int& TextX, int& TextY, int& GlyphX, int& GlyphY);
