#include "app/artwork/Artwork.h"

std::string_view ArtworkFile(std::string_view Name)
{
    for (const TArtworkFile& f : ArtworkFiles())
        if (f.Name == Name)
            return f.Data;
    return {};
}
