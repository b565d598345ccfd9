#pragma once
// Layout of a button face: where the glyph and the caption go.

#include "platform/win/Types.h"

#include <string>

class TBitmap;
class TCanvas;
class TCustomImageList;

// Where the glyph stands relative to the caption.
enum TskButtonLayout : unsigned char { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };

// Top-left corners of glyph and caption in R. Margin -1 centres glyph, spacing and caption as
// a group; any other margin puts the glyph that far from its edge and the caption after the
// spacing. Without a glyph the spacing counts as 0. Nothing is clipped.
void CalcButtonLayout(TskButtonLayout Layout, const RECT& R, int GlyphWidth, int GlyphHeight, int TextWidth,
                      int TextHeight, int Spacing, int Margin, int& TextX, int& TextY, int& GlyphX, int& GlyphY);

// Image-list glyph (enabled or disabled look) and word-wrapped caption laid out in R; with Down
// both move one pixel right and down. An index outside the list draws no glyph.
void DrawImageListButtonFace(TCanvas* Canvas, const RECT& R, int Margin, int Spacing, TskButtonLayout Layout,
                             const std::string& Caption, int ImageIndex, TCustomImageList* ImageList, bool Down,
                             bool Enabled);
// The same with glyph GlyphNumber (from 1) of a strip of GlyphCount glyphs, drawn transparent.
void DrawGlyphButtonFace(TCanvas* Canvas, const RECT& R, int Margin, int Spacing, TskButtonLayout Layout,
                         const std::string& Caption, TBitmap* Glyph, int GlyphCount, int GlyphNumber, bool Down);
