#pragma once
// Loading a skin from the bytes of a compressed stored-skin stream held in memory (the skins the
// build embeds).

#include <string_view>

class TskSkinData;

// Reads Bytes as a compressed stored skin into SkinData; raises as the stored-skin reader does.
void LoadStoredSkinBytes(TskSkinData* SkinData, std::string_view Bytes);
