#include "classlib/ImageGraphic.h"

#include "classlib/DibDraw.h"

#include <algorithm>
#include <cstring>

void TImageGraphic::SetSize(int AWidth, int AHeight)
{
    AWidth = std::max(AWidth, 0);
    AHeight = std::max(AHeight, 0);
    if (AWidth == FImage.Width && AHeight == FImage.Height)
        return;
    TDibData old = FImage.To32Bit();
    TDibData resized;
    resized.Width = AWidth;
    resized.Height = AHeight;
    resized.BitsPerPixel = 32;
    resized.HasAlpha = old.HasAlpha;
    resized.Allocate();
    for (int y = 0; y < std::min(old.Height, AHeight); ++y)
        std::memcpy(resized.Row(y), old.Row(y), static_cast<std::size_t>(std::min(old.Width, AWidth)) * 4);
    SetImage(std::move(resized));
}

void TImageGraphic::Assign(TPersistent* Source)
{
    if (!Source) {
        SetImage(TDibData());
        return;
    }
    if (Source == this)
        return;
    if (auto* graphic = dynamic_cast<TGraphic*>(Source)) {
        SetImage(graphic->GetDibData());
        return;
    }
    TGraphic::Assign(Source);
}

void TImageGraphic::SetImage(TDibData Image)
{
    FImage = std::move(Image);
    TGraphic::SetTransparent(FImage.HasAlpha || FImage.TransparentIndex >= 0);
    Changed(this);
}

void TImageGraphic::Draw(TCanvas* ACanvas, const RECT& Rect)
{
    DrawDibData(ACanvas, Rect, FImage);
}
