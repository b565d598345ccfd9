#pragma once
// The skinned page controls and menu buttons of the demo: a top row too long for its control (the
// skinned up-down scrolls it) with close buttons, bottom and side rows, and menu speed buttons.

#include "classlib/Forms.h"
#include "skin/core/skSkinData.h"

void BuildPages(TWinControl* Parent, TskSkinData* Data, RECT Area);
// Two menu speed buttons stacked in Area: one whole face opens the menu, one only its track strip.
void BuildMenuButtons(TWinControl* Parent, TskSkinData* Data, RECT Area);
