#pragma once
// Building the main window's forms in code: the helpers the secondary form uses, and the skinned
// tab sheets of a page control.

#include "app/secondary/SecondaryBuild.h"

// MakeControl and MakeSkinned that also give an empty caption, so that no control shows its
// name as its text.
template <class T>
T* PlaceControl(TComponent* Owner, TWinControl* Parent, const char* Name, RECT Bounds, const std::string& Caption = {})
{
    T* c = MakeControl<T>(Owner, Parent, Name, Bounds);
    c->SetCaption(Caption);
    return c;
}

template <class T>
T* PlaceSkinned(TComponent* Owner, TWinControl* Parent, const char* Name, RECT Bounds, TskSkinData* Data,
                const std::string& Caption = {})
{
    T* c = PlaceControl<T>(Owner, Parent, Name, Bounds, Caption);
    c->SetSkinData(Data);
    return c;
}

class TskSkinPageControl;
class TskSkinTabSheet;

// A named sheet with its tab caption, added to the page control.
TskSkinTabSheet* MakeTabSheet(TComponent* Owner, TskSkinPageControl* PageControl, const char* Name,
                              const std::string& Caption);
