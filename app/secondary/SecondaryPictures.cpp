#include "app/secondary/SecondaryPictures.h"

#include "app/artwork/Artwork.h"
#include "classlib/Bitmap.h"
#include "classlib/ImgList.h"
#include "classlib/Picture.h"
#include "classlib/PngImage.h"
#include "classlib/Streams.h"

#include <cstdio>

namespace {

bool ReadArtworkPng(TPngImage& Image, std::string_view Name)
{
    const std::string_view bytes = ArtworkFile(Name);
    if (bytes.empty())
        return false;
    TMemoryStream stream;
    stream.WriteBuffer(bytes.data(), static_cast<std::int64_t>(bytes.size()));
    stream.SetPosition(0);
    Image.LoadFromStream(&stream);
    return true;
}

}  // namespace

void AddCategoryPictures(TCustomImageList* List, int Count)
{
    for (int i = 0; i < Count; ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "categories/32/%02d.png", i);
        TPngImage png;
        TBitmap picture;
        if (ReadArtworkPng(png, name))
            picture.Assign(&png);
        else
            picture.SetSize(List->GetWidth(), List->GetHeight());
        List->Add(&picture, nullptr);
    }
}

void LoadArtworkPicture(TPicture* Picture, std::string_view Name)
{
    TPngImage png;
    if (ReadArtworkPng(png, Name))
        Picture->SetGraphic(&png);
}
