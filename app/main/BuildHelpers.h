#pragma once
// Making a form's components in code as its stored description would: owned by the form, named,
// placed on a parent, with a caption.

#include "classlib/Classes.h"
#include "classlib/Controls.h"
#include "platform/win/Rect.h"

#include <string>

class TskSkinData;

template <class T>
T* MakeControl(TComponent* Owner, TWinControl* Parent, const char* Name, RECT Bounds, const std::string& Caption = {})
{
    auto* c = new T(Owner);
    c->SetName(Name);
    c->SetParent(Parent);
    c->SetBoundsRect(Bounds);
    c->SetCaption(Caption);
    return c;
}

// The same for a skinned control drawn from Data.
template <class T>
T* MakeSkinned(TComponent* Owner, TWinControl* Parent, const char* Name, RECT Bounds, TskSkinData* Data,
               const std::string& Caption = {})
{
    T* c = MakeControl<T>(Owner, Parent, Name, Bounds, Caption);
    c->SetSkinData(Data);
    return c;
}

// RECT from a place and a size.
constexpr RECT At(int Left, int Top, int Width, int Height)
{
    return RECT{Left, Top, Left + Width, Top + Height};
}
