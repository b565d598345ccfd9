#pragma once
// TGIFImage: a GIF picture; saving reduces a picture of more colours to 256.

#include "classlib/ImageGraphic.h"

class TGIFImage : public TImageGraphic {
public:
    TGraphic* NewEmpty() const override { return new TGIFImage; }
    // The first picture of the file, with its palette and transparent colour. EInvalidGraphic
    // for a file that is not a valid GIF.
    void LoadFromStream(TStream* Stream) override;
    void SaveToStream(TStream* Stream) override;
};
