#pragma once
// Every file the generator makes, in a fixed order, and the C++ source that embeds them.

#include <string>
#include <vector>

struct TArtFile {
    std::string Name;   // path below the output folder, "/" separated
    std::string Bytes;
    bool Embedded;      // part of the program (skins and pictures; the chime lies beside it)
};

// skins/skin0.skn .. skin7.skn, skins/fixed.skn (stored skins); toolbar/00.png .. 17.png;
// glyphs/Image4.bmp .. Image17.bmp; categories/48/00.png .. 34.png and categories/32/...;
// cover.png; icon/16.png, icon/32.png, icon/48.png; glyphs/BS_<name>.bmp; shell/16/00.png ..
// 12.png and shell/32/...; sounds/ring001.wav.
std::vector<TArtFile> ArtworkOutputs();

// A C++ source defining the functions of app/artwork/Artwork.h over the embedded files.
std::string EmbedSource(const std::vector<TArtFile>& files);
