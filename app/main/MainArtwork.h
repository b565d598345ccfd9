#pragma once
// The program's embedded pictures and skins put into the main window's components.

#include <string_view>

class TBitmap;
class TPngImage;
class TskCompressedSkinList;
class TskPngImageList;

// Reads the embedded PNG of that name into Image (left empty when there is none).
void LoadArtworkPng(TPngImage* Image, std::string_view Name);
// Fills List with the embedded pictures "<folder>/00.png" .. for Count entries at Size pixels.
void FillArtworkImageList(TskPngImageList* List, std::string_view Folder, int Size, int Count);
// The eight switchable skins, by their display names.
void FillSwitchableSkins(TskCompressedSkinList* List);
// The fixed skin of the category and format boxes.
void FillFixedSkin(TskCompressedSkinList* List);
