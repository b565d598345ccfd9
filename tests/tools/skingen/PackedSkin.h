#pragma once
// A composed skin in the stored form the program embeds, for tests that change a skin first.

#include "classlib/Streams.h"
#include "skin/core/skCompressedStoredSkin.h"

#include <string>

inline std::string Pack(TskSkinData& data)
{
    TskCompressedStoredSkin stored(nullptr);
    stored.LoadFromSkinData(&data);
    TMemoryStream m;
    stored.SaveToCompressStream(&m);
    return std::string(static_cast<const char*>(m.Memory()), static_cast<std::size_t>(m.Size()));
}
