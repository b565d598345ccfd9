#pragma once
// The common part of the compressed picture classes (PNG, JPEG, GIF): the decoded picture held
// in memory, its size, and copying from any other picture.

#include "classlib/Graphic.h"

class TImageGraphic : public TGraphic {
public:
    int GetWidth() const override { return FImage.Width; }
    int GetHeight() const override { return FImage.Height; }
    // Keeps the part both sizes share; new pixels are zero.
    void SetSize(int AWidth, int AHeight) override;
    bool Empty() const override { return FImage.Width == 0 || FImage.Height == 0; }
    TDibData GetDibData() override { return FImage.To32Bit(); }
    // Blended by the picture's alpha (or transparent colour), else copied.
    void Draw(TCanvas* ACanvas, const RECT& Rect) override;
    // From any picture (its 32-bit pixels); nullptr empties the picture.
    void Assign(TPersistent* Source) override;

    // The decoded picture as it is held (its depth depends on the file kind).
    const TDibData& Image() const { return FImage; }

protected:
    void SetImage(TDibData Image);

private:
    TDibData FImage;
};
