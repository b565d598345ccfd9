#pragma once
// TPngImage: a PNG picture with full alpha.

#include "classlib/ImageGraphic.h"

class TPngImage : public TImageGraphic {
public:
    TGraphic* NewEmpty() const override { return new TPngImage; }
    // EInvalidGraphic for a file that is not a valid PNG.
    void LoadFromStream(TStream* Stream) override;
    // With alpha when the picture has it (a 32-bit bitmap assigned to it has).
    void SaveToStream(TStream* Stream) override;
};
