#pragma once
// The front end's own pictures: the tool bar image list (48 x 48, numbers 0-17), the button
// glyphs (16 x 16 bitmaps whose bottom-left colour is transparent), the cover picture of the
// empty job list and the program icon.

#include "tools/skingen/Raster.h"

#include <string_view>

// Tool bar pictures by number: 0 add, 1 options, 2 skins, 3 start, 4 stop, 5 pause, 6 resume,
// 7 remove, 8 clear, 9 move up, 10 move down, 11 rename, 12 output folder; 13-17 the disabled
// looks of start, stop, pause, resume and add.
inline constexpr int kToolbarImageCount = 18;
inline constexpr int kToolbarImageSize = 48;
TImage32 ToolbarImage(int number);

// The glyph pictures of the list and tool bar buttons, by the name of the picture that holds
// them ("Image4" to "Image17"): start 5 / 4 (enabled / disabled), pause 7 / 6, resume 9 / 8,
// stop 11 / 10, clear 13 / 12, remove 15 / 14, rename 16 / 17.
inline constexpr int kFirstGlyph = 4;
inline constexpr int kLastGlyph = 17;
TImage32 ButtonGlyph(int imageNumber);

// The picture over the empty job list (with alpha).
inline constexpr int kCoverWidth = 520;
inline constexpr int kCoverHeight = 300;
TImage32 CoverPicture();

// The program icon at 16, 32 or 48 pixels.
TImage32 ProgramIcon(int size);

// A crisp glyph on the transparent colour with a one-pixel outline around its solid pixels,
// from a picture drawn with soft edges.
TImage32 Crisp(const TImage32& soft, TRgb outline);
