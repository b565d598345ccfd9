#pragma once
// PNG files through libpng. Every PNG is read as 32 bits per pixel with straight alpha
// (HasAlpha when the file had an alpha channel or a transparent colour).

#include "classlib/DibData.h"

class TStream;

// Raises EInvalidGraphic for a malformed or truncated file.
TDibData ReadPng(TStream* Stream);

// Writes red, green, blue and, for a 32-bit picture with HasAlpha, the alpha channel; an
// indexed picture is written with its palette.
void WritePng(TStream* Stream, const TDibData& Image);
