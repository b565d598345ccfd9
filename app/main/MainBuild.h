#pragma once
// Building the main window's forms in code: the helpers the secondary form uses (every control
// gets its caption, an empty one included), and the skinned tab sheets of a page control.

#include "app/secondary/SecondaryBuild.h"

class TskSkinPageControl;
class TskSkinTabSheet;

// A named sheet with its tab caption, added to the page control.
TskSkinTabSheet* MakeTabSheet(TComponent* Owner, TskSkinPageControl* PageControl, const char* Name,
                              const std::string& Caption);
