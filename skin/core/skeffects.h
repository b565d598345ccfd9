#pragma once
// The 32-bit pixel word of skin pictures and the per-pixel routine set every 32-bit bitmap
// draws with. A pixel holds blue, green, red and alpha from the low byte up, with straight
// (not premultiplied) alpha.

#include <cstdint>

using TskColor32 = std::uint32_t;
using PskColorArray = TskColor32*;

// The hole colour of keyed drawing: a pixel is a hole when its low 24 bits equal 0x7F007F.
constexpr TskColor32 TransparentColor32 = 0x007F007F;

constexpr bool IsTransparentKey(TskColor32 c) { return (c & 0x00FFFFFF) == 0x007F007F; }
constexpr std::uint32_t AlphaOf(TskColor32 c) { return c >> 24; }
constexpr std::uint32_t RedOf(TskColor32 c) { return (c >> 16) & 0xFF; }
constexpr std::uint32_t GreenOf(TskColor32 c) { return (c >> 8) & 0xFF; }
constexpr std::uint32_t BlueOf(TskColor32 c) { return c & 0xFF; }
constexpr TskColor32 MakeColor32(std::uint32_t r, std::uint32_t g, std::uint32_t b, std::uint32_t a)
{
    return (a << 24) | (r << 16) | (g << 8) | b;
}

// The two blend arithmetics. Plain: colour (F*a + B*(255-a)) >> 8 with an opaque result, F itself
// at a = 255 and B at a = 0. MMX: every byte, alpha included, (F*a + B*(256-a)) >> 8.
TskColor32 PlainBlendPixel(TskColor32 F, TskColor32 B);
TskColor32 MMXBlendPixel(TskColor32 F, TskColor32 B);
// Rows: source alpha 0 leaves the destination, 255 copies, anything else blends.
void PlainBlendRow(const TskColor32* Src, TskColor32* Dst, int Count);
void MMXBlendRow(const TskColor32* Src, TskColor32* Dst, int Count);

// The selected arithmetic, used by every drawing routine. The MMX arithmetic is the default
// wherever the processor has MMX (every x86-64 processor does).
using TskBlendPixelProc = TskColor32 (*)(TskColor32 F, TskColor32 B);
using TskBlendRowProc = void (*)(const TskColor32* Src, TskColor32* Dst, int Count);
extern TskBlendPixelProc BlendPixel;
extern TskBlendRowProc BlendRow;

// Chooses the arithmetic: the MMX one when UseMMX, else the plain one.
void SelectPixelRoutines(bool UseMMX);
// Chooses by the processor (ProcessorHasMMX), as the program does at start-up.
void SelectPixelRoutines();
// True while the MMX arithmetic is selected.
bool MMXInUse();
// Leaves the MMX register state after blending loops, so floating-point code may follow.
void EndMMXState();

// Every source word that is not the key goes to the destination with alpha 255.
void TransparentRow(const TskColor32* Src, TskColor32* Dst, int Count);
void CopyRow(const TskColor32* Src, TskColor32* Dst, int Count);
void FillRow(TskColor32* Dst, int Count, TskColor32 Value);
void SetAlphaRow(TskColor32* Bits, int Count, std::uint8_t Alpha);
void ClearAlphaOfColor(TskColor32* Bits, int Count, TskColor32 Color);
// Rectangles of a picture Width words wide; Right and Bottom are inclusive.
void FillRect32(TskColor32* Bits, int Width, TskColor32 Value, int Left, int Top, int Right, int Bottom);
void SetAlphaRect32(TskColor32* Bits, int Width, std::uint8_t Alpha, int Left, int Top, int Right, int Bottom);
