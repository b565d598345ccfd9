#pragma once
// The pictures of the file and shell controls: the icons of the shell's item kinds (16 and 32
// pixels, with alpha) and the 16-pixel glyphs the file controls and dialogs load by name
// (drives, folders, dialog tools; transparent colour at the bottom-left pixel).

#include "tools/skingen/Raster.h"

#include <string_view>
#include <vector>

// In the order of the shell's icon kinds: desktop, computer, home, drive, removable, folder,
// open folder, file, video, audio, picture, text, archive.
inline constexpr int kShellIconCount = 13;
TImage32 ShellKindIcon(int kind, int size);

// "BS_FLOPPY", "BS_HARD", "BS_NETWORK", "BS_CDROM", "BS_RAM" (16 x 11), "BS_CLOSEDFOLDER",
// "BS_OPENFOLDER", "BS_CURRENTFOLDER" (16 x 15), "BS_BACK", "BS_UP", "BS_NEWFOLDER",
// "BS_LVSTYLE", "BS_STRETCH"; the others 16 x 16.
std::vector<std::string_view> FileControlGlyphNames();
TImage32 FileControlGlyph(std::string_view name);
