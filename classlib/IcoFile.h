#pragma once
// Icon files: the largest picture of the file (a PNG entry, or a device-independent bitmap with
// its transparency mask) is read as 32 bits per pixel with alpha; writing stores one PNG entry.

#include "classlib/DibData.h"

class TStream;

// Reads from the stream's position (the entries' offsets count from there). A malformed or
// truncated file raises EInvalidGraphic.
TDibData ReadIco(TStream* Stream);

// At most 256 x 256 pixels.
void WriteIco(TStream* Stream, const TDibData& Image);
