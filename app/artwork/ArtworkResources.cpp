#include "app/artwork/ArtworkResources.h"

#include "app/artwork/Artwork.h"
#include "classlib/Resources.h"

#include <string>

namespace {

// The name of a file below the folder, without its extension; "" when it lies elsewhere.
std::string baseNameBelow(std::string_view file, std::string_view folder)
{
    if (file.substr(0, folder.size()) != folder)
        return "";
    std::string_view name = file.substr(folder.size());
    return std::string(name.substr(0, name.find('.')));
}

} // namespace

void RegisterArtworkBitmaps()
{
    for (const TArtworkFile& file : ArtworkFiles()) {
        if (std::string name = baseNameBelow(file.Name, "glyphs/"); !name.empty())
            RegisterBitmapResource(name, file.Data);
        for (const char* size : {"16", "32"})
            if (std::string kind = baseNameBelow(file.Name, std::string("shell/") + size + "/"); !kind.empty())
                RegisterBitmapResource(std::string("SHELL") + size + "_" + kind, file.Data);
    }
}
