#pragma once
// Text with a soft halo or a mirrored reflection, for skinned captions and link labels. The
// text is rendered in pure red on a transparent picture, blurred, its red taken as alpha and
// given the glow colour, drawn under the text's place; then the text itself is drawn in the
// canvas's font and colour. Empty text draws nothing.

#include "platform/gdi/GdiTypes.h"
#include "skin/core/skeffects.h"

#include <string>

class TCanvas;

// An opaque pixel word of an RGB colour.
TskColor32 ColorRefToPixel32(COLORREF Color);

// The glow spreads GlowSize pixels and is moved by Offset; the Str form thickens the strokes by
// one pixel before blurring.
void DrawGlowTextStr(TCanvas* Canvas, const RECT& Rect, const std::string& Text, UINT Flags, int Offset,
                     COLORREF GlowColor, int GlowSize);
int DrawGlowTextWide(TCanvas* Canvas, const RECT& Rect, const std::string& Text, UINT Flags, int Offset,
                     COLORREF GlowColor, int GlowSize);
// A large fixed glow (12 pixels) over a soft plate behind the text.
int DrawVistaGlowTextWide(TCanvas* Canvas, const RECT& Rect, const std::string& Text, UINT Flags, COLORREF GlowColor);
// The text mirrored below itself, fading from 0.7 of its coverage at the text's bottom row.
void DrawReflectionTextWide(TCanvas* Canvas, const RECT& Rect, const std::string& Text, UINT Flags,
                            int ReflectionOffset, COLORREF ReflectionColor);
