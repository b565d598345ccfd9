#pragma once
// JPEG files through libjpeg: read as 24 bits per pixel; written as baseline JPEG.

#include "classlib/DibData.h"

class TStream;

// Raises EInvalidGraphic for a malformed or truncated file (a file that ends before its last
// scan is refused, not shown half grey).
TDibData ReadJpeg(TStream* Stream);

// Quality 1..100 (values outside are clamped); grayscale writes one channel.
void WriteJpeg(TStream* Stream, const TDibData& Image, int Quality, bool Grayscale);
