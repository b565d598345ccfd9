#pragma once
// Drawing an area of one TskBitmap onto another TskBitmap or into the memory of a bottom-up
// 32-bit device-independent bitmap: copied, alpha-blended (BlendRow) or keyed
// (TransparentRow), clipped, and scaled by nearest pixel when the sizes differ.

#include "platform/gdi/GdiTypes.h"
#include "skin/core/skeffects.h"

class TskBitmap;

// Drawing onto a device context: stretched copies, or alpha and keyed drawing by reading the
// destination back into a 32-bit bitmap, drawing there and copying it back.
void DrawCopyToDC(HDC DC, int X, int Y, int W, int H, const TskBitmap& Source, int SrcX, int SrcY, int SrcW,
                  int SrcH);
void DrawAlphaToDC(HDC DC, int X, int Y, int W, int H, const TskBitmap& Source, int SrcX, int SrcY, int SrcW,
                   int SrcH);
void DrawTransparentToDC(HDC DC, int X, int Y, int W, int H, const TskBitmap& Source, int SrcX, int SrcY, int SrcW,
                         int SrcH);

// Unscaled blocks: every row of Clip from Source at (SrcX, SrcY + row).
void CopyBlock(TskBitmap& Target, const RECT& Clip, const TskBitmap& Source, int SrcY, int SrcX);
void AlphaBlock(TskBitmap& Target, const RECT& Clip, const TskBitmap& Source, int SrcY, int SrcX);
void TransparentBlock(TskBitmap& Target, const RECT& Clip, const TskBitmap& Source, int SrcY, int SrcX);

// SrcRect of Source into DstRect of Target, limited to DstClip and the target. A SrcRect that
// is not wholly inside Source draws nothing. Scaled columns and rows truncate.
void DrawCopyToBitmap(TskBitmap& Target, const RECT& DstRect, const RECT& DstClip, const RECT& SrcRect,
                      const TskBitmap& Source);
void DrawAlphaToBitmap(TskBitmap& Target, const RECT& DstRect, const RECT& DstClip, const RECT& SrcRect,
                       const TskBitmap& Source);
void DrawTransparentToBitmap(TskBitmap& Target, const RECT& DstRect, const RECT& DstClip, const RECT& SrcRect,
                             const TskBitmap& Source);

// The same into DIB memory whose picture line y is the row at Bits + DIBWidth * (DIBHeight - 1 - y).
// Scaled columns and rows round to the nearest, ties to even.
void CopyToDIB(TskColor32* Bits, const RECT& DstRect, const RECT& DstClip, const RECT& SrcRect,
               const TskBitmap& Source, int DIBHeight, int DIBWidth);
void AlphaToDIB(TskColor32* Bits, const RECT& DstRect, const RECT& DstClip, const RECT& SrcRect,
                const TskBitmap& Source, int DIBHeight, int DIBWidth);
void TransparentToDIB(TskColor32* Bits, const RECT& DstRect, const RECT& DstClip, const RECT& SrcRect,
                      const TskBitmap& Source, int DIBHeight, int DIBWidth);

// The memory of the DIB section selected into DC, with its width, height (positive for
// bottom-up rows) and bits per pixel; null and zeros for any other bitmap.
void* GetDCBits(HDC DC, int& Width, int& Height, int& BitsPerPixel);
