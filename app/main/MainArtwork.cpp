#include "app/main/MainArtwork.h"

#include "app/artwork/Artwork.h"
#include "classlib/PngImage.h"
#include "classlib/Streams.h"
#include "skin/core/skCompressedSkinList.h"
#include "skin/core/skPngImageList.h"
#include "skin/core/skpngimage.h"

#include <cstdio>
#include <string>

namespace {

void Fill(TMemoryStream& Stream, std::string_view Bytes)
{
    Stream.WriteBuffer(Bytes.data(), static_cast<std::int64_t>(Bytes.size()));
    Stream.SetPosition(0);
}

void AddSkin(TskCompressedSkinList* List, const TArtworkSkin& Skin)
{
    TskSkinListItem* item = List->Skins()->Add();
    item->SetName(std::string(Skin.Name));
    TMemoryStream stream;
    Fill(stream, Skin.Data);
    item->Skin()->LoadFromCompressStream(&stream);
}

} // namespace

void LoadArtworkPng(TPngImage* Image, std::string_view Name)
{
    const std::string_view bytes = ArtworkFile(Name);
    if (bytes.empty())
        return;
    TMemoryStream stream;
    Fill(stream, bytes);
    Image->LoadFromStream(&stream);
}

void FillArtworkImageList(TskPngImageList* List, std::string_view Folder, int Size, int Count)
{
    List->SetPngWidth(Size);
    List->SetPngHeight(Size);
    for (int i = 0; i < Count; ++i) {
        char name[64];
        std::snprintf(name, sizeof name, "%.*s/%02d.png", static_cast<int>(Folder.size()), Folder.data(), i);
        TskPngImage picture;
        LoadArtworkPng(&picture, name);
        auto* item = static_cast<TskPngImageItem*>(List->GetPngImages()->Add());
        item->SetPngImage(&picture);
    }
}

void FillSwitchableSkins(TskCompressedSkinList* List)
{
    for (const TArtworkSkin& skin : ArtworkSkins())
        AddSkin(List, skin);
}

void FillFixedSkin(TskCompressedSkinList* List)
{
    AddSkin(List, ArtworkFixedSkin());
}
