#pragma once
// The program's pictures the secondary form shows.

#include <string_view>

class TCustomImageList;
class TPicture;

// Adds the program's 32-pixel category pictures 0 .. Count - 1 to List, with their alpha.
void AddCategoryPictures(TCustomImageList* List, int Count);
// Reads the program's embedded PNG of that name into Picture (left empty when there is none).
void LoadArtworkPicture(TPicture* Picture, std::string_view Name);
