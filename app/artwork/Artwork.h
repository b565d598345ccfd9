#pragma once
// The program's own artwork, drawn at build time by tools/skingen and embedded here: the eight
// switchable skins and the fixed skin of the category and format boxes (stored-skin streams, to
// be read with TskCompressedStoredSkin::LoadFromCompressStream), and the pictures. File names:
//   skins/skin0.skn .. skins/skin7.skn, skins/fixed.skn
//   toolbar/00.png .. toolbar/17.png  tool bar image list, 48 x 48: 0 add, 1 options, 2 skins,
//       3 start, 4 stop, 5 pause, 6 resume, 7 remove, 8 clear, 9 move up, 10 move down,
//       11 rename, 12 output folder; 13-17 disabled start, stop, pause, resume, add
//   glyphs/Image4.bmp .. glyphs/Image17.bmp  16 x 16 button glyphs, transparent colour at the
//       bottom-left pixel: start 5/4 (enabled/disabled), pause 7/6, resume 9/8, stop 11/10,
//       clear 13/12, remove 15/14, rename 16/17
//   categories/48/00.png .. 34.png, categories/32/00.png .. 34.png  by category code
//   cover.png  the empty job list's picture, 520 x 300 with alpha
//   icon/16.png, icon/32.png, icon/48.png  the program icon
//   glyphs/PREVIEW_PLAY.bmp .. PREVIEW_MENU.bmp  the preview buttons' glyphs (play, pause, stop,
//       sound, muted, snapshot, menu)
//   glyphs/BS_<name>.bmp  the file controls' and dialogs' glyphs, registered as bitmap resources
//       of that name; shell/16/00.png .. 12.png, shell/32/...  the shell item kinds' icons
// The chime is not embedded: the build writes it to sounds/ring001.wav beside the program.

#include <span>
#include <string_view>

struct TArtworkFile {
    std::string_view Name;
    std::string_view Data;
};

struct TArtworkSkin {
    std::string_view Name;  // display name, as the skin list shows it
    std::string_view Data;  // stored-skin stream
};

std::span<const TArtworkFile> ArtworkFiles();
// The bytes of the named file; empty when there is none.
std::string_view ArtworkFile(std::string_view Name);
// The switchable skins in list order.
std::span<const TArtworkSkin> ArtworkSkins();
TArtworkSkin ArtworkFixedSkin();
