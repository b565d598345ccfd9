#pragma once
// Small skins for the tests: BMP images made in memory and a skin folder with an ini file.

#include <string>

namespace skintest {

// A 24-bit bottom-up BMP file image whose pixels are a pattern seeded by `seed`.
std::string MakeBmp(int width, int height, int seed);

void WriteFile(const std::string& name, const std::string& bytes);
std::string ReadFile(const std::string& name);

// The ini text of a small but complete skin: main, inactive and mask pictures, three numbered
// pictures, FORMINFO, a popup window, two frame objects and five control descriptions (one of
// them a kind no table holds).
std::string SampleSkinIni();

// Writes SampleSkinIni() as "skin.ini" and its BMP files into folder; returns the ini's path.
std::string MakeSkinFolder(const std::string& folder);

} // namespace skintest
