#include "classlib/PngImage.h"

void TPngImage::LoadFromStream(TStream* Stream)
{
    TPngFileInfo info;
    TDibData image = ReadPng(Stream, &info);
    FInfo = info;
    SetImage(std::move(image));
}

void TPngImage::SaveToStream(TStream* Stream)
{
    WritePng(Stream, Image());
}

void TPngImage::Assign(TPersistent* Source)
{
    if (auto* png = dynamic_cast<TPngImage*>(Source)) {
        if (png != this) {
            FInfo = png->FInfo;
            SetImage(png->Image());
        }
        return;
    }
    TImageGraphic::Assign(Source);
    FInfo = TPngFileInfo();
    FInfo.ColorType = Image().HasAlpha ? 6 : 2;
}

COLORREF TPngImage::GetTransparentColor() const
{
    std::uint32_t c = FInfo.TransparentRGB;
    return RGB(static_cast<BYTE>(c >> 16), static_cast<BYTE>(c >> 8), static_cast<BYTE>(c));
}
