#pragma once
// Internal: pixel arithmetic shared by the drawing calls.
//
// The alpha byte. Raster operations combine whole pixel words bit by bit, and every colour taken
// from a COLORREF (pens, brushes, the text and background colours) enters them with alpha 0, as
// GDI's drawing writes colours into 32-bit bitmaps. So fills, lines and shapes drawn with a copy
// mode leave alpha 0; copies from another bitmap carry the source's alpha along; exclusive-or
// with a colour (focus rectangles, PATINVERT, R2_XORPEN) keeps the alpha; BLACKNESS writes 0 and
// WHITENESS 0xFFFFFFFF. Text and the alpha-aware calls (AlphaBlend) have their own rules.
//
// Monochrome targets hold black (0) and white (0x00FFFFFF); colours drawn onto them become black
// or white by brightness, and a pixel reads as white when its brightness is at least half.

#include "platform/gdi/DeviceContext.h"

#include <cstdint>

namespace gdi {

// Whether a ternary raster operation reads the source or the pattern.
bool RopUsesSource(DWORD rop);
bool RopUsesPattern(DWORD rop);
// Applies the ternary raster operation (its code byte, bits 16-23 of the ROP) to a row:
// d[i] := f(pattern, s[i], d[i]). s may be null when the operation does not read the source.
void Rop3Row(std::uint8_t code, std::uint32_t pattern, const std::uint32_t* s, std::uint32_t* d, int n);
// d[i] := f(pen, d[i]) for a binary raster operation R2_*.
void Rop2Row(int rop2, std::uint32_t pen, std::uint32_t* d, int n);
std::uint32_t Rop2Pixel(int rop2, std::uint32_t pen, std::uint32_t d);

// Straight-alpha "over" with weight a (0..255): colour := s * a + d * (1 - a), alpha := a + d's
// alpha * (1 - a).
std::uint32_t BlendOver(std::uint32_t s, std::uint32_t d, unsigned a);

bool MonoWhite(std::uint32_t pixel);
// The pixel word of a colour on a target.
std::uint32_t TargetColor(COLORREF color, bool mono);

// Fills every pixel of a region (surface coordinates) inside the target's clip with a colour
// through a binary raster operation.
void FillRegion(Target& t, const Region& area, std::uint32_t color, int rop2);
void FillRect(Target& t, const RECT& area, std::uint32_t color, int rop2);

} // namespace gdi
