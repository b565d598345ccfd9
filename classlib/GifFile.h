#pragma once
// GIF files through giflib: the first picture of a file is read as 8 bits per pixel with its
// palette and transparent index; writing reduces a picture of more colours to 256.

#include "classlib/DibData.h"

class TStream;

// Raises EInvalidGraphic for a malformed or truncated file.
TDibData ReadGif(TStream* Stream);

// Indexed pictures keep their palette; others use their own colours when there are at most 256
// (255 when transparent pixels need an index), else a median-cut reduction to 256. Pixels of a
// 32-bit picture with HasAlpha whose alpha is below 128 become transparent.
void WriteGif(TStream* Stream, const TDibData& Image);
