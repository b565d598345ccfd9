#pragma once
// The skinned views, scroll bars and up-down of the demo: a job-list-like report with both bars,
// a folder tree with its bar, and free-standing bars and up-downs.

#include "classlib/Forms.h"
#include "skin/core/skSkinData.h"

void BuildViews(TWinControl* Parent, TskSkinData* Data, RECT Area);
// A status bar with its size grip along the bottom of the form.
void BuildStatusBar(TWinControl* Parent, TskSkinData* Data);
// A tool bar of eight image buttons, narrower than its content, with its scroll buttons.
void BuildToolBar(TWinControl* Parent, TskSkinData* Data, RECT Area);
