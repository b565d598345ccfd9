#pragma once
// Two tiny bitmap fonts of our own for the letters on pictures and the labels of the contact
// sheets: 5 x 7 and 3 x 5 pixels per character, capital letters, digits and a few signs.
// Drawing them needs no font files, so the pictures never depend on what is installed.

#include "tools/skingen/Raster.h"

#include <string_view>

enum class TPixelFont { Small, Large };  // 3 x 5, 5 x 7

int PixelTextWidth(std::string_view text, TPixelFont font, int scale = 1);
int PixelTextHeight(TPixelFont font, int scale = 1);
// Lower-case letters are drawn as capitals; unknown characters as blanks.
void DrawPixelText(TImage32& image, int x, int y, std::string_view text, TPixelFont font, TRgb color,
                   int scale = 1);
