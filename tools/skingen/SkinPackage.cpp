#include "tools/skingen/SkinPackage.h"

#include "skin/core/skCompressedStoredSkin.h"
#include "tools/skingen/SkinComposer.h"

namespace {

std::string Bytes(TMemoryStream& m)
{
    return std::string(static_cast<const char*>(m.Memory()), static_cast<std::size_t>(m.Size()));
}

} // namespace

std::string StoredSkinBytes(const TTheme& theme)
{
    TSkinComposer composer(theme);
    const std::unique_ptr<TskSkinData> data = composer.Compose();
    TskCompressedStoredSkin stored(nullptr);
    stored.LoadFromSkinData(data.get());
    TMemoryStream m;
    stored.SaveToCompressStream(&m);
    return Bytes(m);
}

std::string StoredSkinPayload(std::string_view stored)
{
    TMemoryStream in;
    in.WriteBuffer(stored.data(), static_cast<std::int64_t>(stored.size()));
    TskCompressedStoredSkin skin(nullptr);
    skin.LoadFromCompressStream(&in);
    TMemoryStream out;
    skin.DeCompressToStream(&out);
    return Bytes(out);
}
