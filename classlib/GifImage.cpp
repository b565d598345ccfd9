#include "classlib/GifImage.h"

#include "classlib/GifFile.h"

void TGIFImage::LoadFromStream(TStream* Stream)
{
    SetImage(ReadGif(Stream));
}

void TGIFImage::SaveToStream(TStream* Stream)
{
    WriteGif(Stream, Image());
}
