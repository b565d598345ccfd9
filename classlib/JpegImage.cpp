#include "classlib/JpegImage.h"

#include "classlib/JpegFile.h"

void TJPEGImage::LoadFromStream(TStream* Stream)
{
    SetImage(ReadJpeg(Stream));
}

void TJPEGImage::SaveToStream(TStream* Stream)
{
    WriteJpeg(Stream, Image(), FQuality, FGrayscale);
}
