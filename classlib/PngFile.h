#pragma once
// PNG files through libpng. Every PNG is read as 32 bits per pixel with straight alpha
// (HasAlpha when the file had an alpha channel or a transparent colour).

#include "classlib/DibData.h"

class TStream;

// What the file itself stored, before conversion to 32 bits.
struct TPngFileInfo {
    int ColorType = 6;                // 0 grey, 2 RGB, 3 palette, 4 grey + alpha, 6 RGBA
    bool BitTransparency = false;     // one colour marked transparent (grey or RGB with tRNS)
    std::uint32_t TransparentRGB = 0; // that colour as 0x00RRGGBB (8-bit channels)
};

// Raises EInvalidGraphic for a malformed or truncated file.
TDibData ReadPng(TStream* Stream, TPngFileInfo* Info = nullptr);

// Writes red, green, blue and, for a 32-bit picture with HasAlpha, the alpha channel; an
// indexed picture is written with its palette.
void WritePng(TStream* Stream, const TDibData& Image);
