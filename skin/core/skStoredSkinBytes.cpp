#include "skin/core/skStoredSkinBytes.h"

#include "classlib/Streams.h"
#include "skin/core/skCompressedStoredSkin.h"
#include "skin/core/skSkinData.h"

void LoadStoredSkinBytes(TskSkinData* SkinData, std::string_view Bytes)
{
    TMemoryStream stream;
    stream.Write(Bytes.data(), static_cast<std::int64_t>(Bytes.size()));
    stream.SetPosition(0);
    TskCompressedStoredSkin stored(nullptr);
    stored.LoadFromCompressStream(&stream);
    SkinData->LoadCompressedStoredSkin(&stored);
}
