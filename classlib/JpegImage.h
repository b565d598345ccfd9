#pragma once
// TJPEGImage: a JPEG picture, written as baseline JPEG of the chosen quality.

#include "classlib/ImageGraphic.h"

class TJPEGImage : public TImageGraphic {
public:
    TGraphic* NewEmpty() const override { return new TJPEGImage; }
    // EInvalidGraphic for a file that is not a valid, complete JPEG.
    void LoadFromStream(TStream* Stream) override;
    void SaveToStream(TStream* Stream) override;

    // 1..100; 90 by default.
    int GetCompressionQuality() const { return FQuality; }
    void SetCompressionQuality(int Value) { FQuality = Value; }
    bool GetGrayscale() const { return FGrayscale; }
    void SetGrayscale(bool Value) { FGrayscale = Value; }

private:
    int FQuality = 90;
    bool FGrayscale = false;
};
