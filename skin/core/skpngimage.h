#pragma once
// The PNG picture the skin's image lists hold.

#include "classlib/PngImage.h"

class TskPngImage : public TPngImage {
public:
    TGraphic* NewEmpty() const override { return new TskPngImage; }

private:
    friend void MakeImageDisabled(TskPngImage* Image, int A);
};

// Makes every pixel translucent in proportion to its own alpha: alpha := round(alpha / 256 *
// (A + 1)), ties to even, so A = 127 halves it, whatever the file's colour type (a picture
// without alpha counts as opaque). Pixels of a file's transparent colour become clear.
void MakeImageDisabled(TskPngImage* Image, int A);
