#pragma once
// Building the main window's forms in code: the component helpers, the program's pictures, and
// the skinned tab sheets of a page control.

#include "app/main/BuildHelpers.h"
#include "app/secondary/SecondaryPictures.h"

class TskSkinPageControl;
class TskSkinTabSheet;

// A named sheet with its tab caption, added to the page control.
TskSkinTabSheet* MakeTabSheet(TComponent* Owner, TskSkinPageControl* PageControl, const char* Name,
                              const std::string& Caption);
