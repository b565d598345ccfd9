#pragma once
// TPngImage: a PNG picture with full alpha.

#include "classlib/ImageGraphic.h"
#include "classlib/PngFile.h"
#include "platform/win/Types.h"

class TPngImage : public TImageGraphic {
public:
    TGraphic* NewEmpty() const override { return new TPngImage; }
    // EInvalidGraphic for a file that is not a valid PNG.
    void LoadFromStream(TStream* Stream) override;
    // With alpha when the picture has it (a 32-bit bitmap assigned to it has).
    void SaveToStream(TStream* Stream) override;
    void Assign(TPersistent* Source) override;

    // The colour type of the loaded file (0 grey, 2 RGB, 3 palette, 4 grey + alpha, 6 RGBA); a
    // picture taken from another one is 6 with alpha and 2 without.
    int GetColorType() const { return FInfo.ColorType; }
    // A loaded grey or RGB file that marks one colour transparent.
    bool GetBitTransparency() const { return FInfo.BitTransparency; }
    // That colour, as a COLORREF.
    COLORREF GetTransparentColor() const;

private:
    TPngFileInfo FInfo;
};
