#pragma once
// BMP file images: reading (1, 4, 8, 24 and 32 bits per pixel, uncompressed or 32-bit bit
// fields, either row order, core or info headers) and writing (bottom-up rows, uncompressed).

#include "classlib/DibData.h"

class TStream;

// Reads one BMP file image from the stream's position, consuming exactly the size its file header
// gives, so pictures stored back to back can be read one after another. A malformed, truncated
// or inconsistent image raises EInvalidGraphic and nothing is returned.
TDibData ReadBmp(TStream* Stream);

// Writes the picture as a complete BMP file image.
void WriteBmp(TStream* Stream, const TDibData& Image);
