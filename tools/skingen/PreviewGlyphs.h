#pragma once
// The glyphs of the preview group's buttons (16 x 16 bitmaps whose bottom-left colour is
// transparent): play, pause, stop, sound on (the mute button), sound off (the unmute button),
// snapshot and the snapshot menu, under the names "PREVIEW_PLAY" ... "PREVIEW_MENU".

#include "tools/skingen/Raster.h"

#include <span>
#include <string_view>

std::span<const std::string_view> PreviewGlyphNames();
TImage32 PreviewGlyph(std::string_view name);
