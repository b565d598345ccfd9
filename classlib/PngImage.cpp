#include "classlib/PngImage.h"

#include "classlib/PngFile.h"

void TPngImage::LoadFromStream(TStream* Stream)
{
    SetImage(ReadPng(Stream));
}

void TPngImage::SaveToStream(TStream* Stream)
{
    WritePng(Stream, Image());
}
