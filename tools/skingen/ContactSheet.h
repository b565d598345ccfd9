#pragma once
// A contact sheet of one stored skin for review: a mock window composed from the skin with the
// skin core's own layout routines (frame, caption buttons, menu bar, tool bar, buttons in their
// states, fields, check marks, scroll bars, tabs, lists, a popup menu and a hint), followed by
// every picture of the skin at its own size.

#include "tools/skingen/Raster.h"

#include <string_view>
#include <vector>

// toolbarImages: pictures shown on the mock window's tool bar (the program's tool bar images).
TImage32 ContactSheet(std::string_view stored, std::string_view title, const std::vector<TImage32>& toolbarImages);

// The program's pictures (tool bar, glyphs, category pictures, cover, icon) on a light and on a
// dark background.
TImage32 PicturesSheet();
