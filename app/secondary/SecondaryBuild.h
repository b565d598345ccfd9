#pragma once
// Making the secondary form's components in code as its stored description would: owned by the
// form, named, placed on a parent, with a caption. The pictures: SecondaryPictures.h.

#include "app/secondary/SecondaryPictures.h"
#include "classlib/Classes.h"
#include "classlib/Controls.h"
#include "platform/win/Rect.h"

#include <string>

class TskSkinData;

template <class T>
T* MakeComponent(TComponent* Owner, const char* Name)
{
    auto* c = new T(Owner);
    c->SetName(Name);
    return c;
}

// Parent nullptr leaves the control without one (a tab sheet gets its page control instead).
template <class T>
T* MakeControl(TComponent* Owner, TWinControl* Parent, const char* Name, RECT Bounds, const std::string& Caption = {})
{
    T* c = MakeComponent<T>(Owner, Name);
    if (Parent)
        c->SetParent(Parent);
    c->SetBoundsRect(Bounds);
    c->SetCaption(Caption);
    return c;
}

template <class T>
T* MakeSkinned(TComponent* Owner, TWinControl* Parent, const char* Name, RECT Bounds, TskSkinData* Data,
               const std::string& Caption = {})
{
    T* c = MakeControl<T>(Owner, Parent, Name, Bounds, Caption);
    c->SetSkinData(Data);
    return c;
}

constexpr RECT At(int Left, int Top, int Width, int Height)
{
    return RECT{Left, Top, Left + Width, Top + Height};
}
