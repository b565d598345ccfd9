#pragma once
// An MDI main form and its children, built headless.

#include "FrameTestSupport.h"

#include "classlib/Menus.h"

#include <string>

// A form made in an MDI style before its window exists.
template <TFormStyle Style>
class TStyledForm : public TForm {
public:
    explicit TStyledForm(TComponent* AOwner) : TForm(AOwner) { SetFormStyle(Style); }
};

class FrameMDI : public FrameTest {
protected:
    // The MDI main form (client area ClientW x ClientH) with a window menu.
    TForm* MakeMain(TskSkinData* Data, int ClientW = 1000, int ClientH = 600)
    {
        TStyledForm<TFormStyle::fsMDIForm>* main;
        Application->CreateForm(main);
        main->SetCaption("Main");
        main->SetBounds(10, 10, 1100, 700);
        auto* frame = new TskFormSkin(main);
        frame->SetSkinData(Data);
        main->SetClientWidth(ClientW);
        main->SetClientHeight(ClientH);
        windowMenu = new TMenuItem(main);
        main->SetWindowMenu(windowMenu);
        main->Show();
        main->SetFocus();
        Pump();
        return main;
    }
    TForm* MakeChild(TskSkinData* Data, const std::string& Name, RECT Bounds = {0, 0, 300, 200})
    {
        TStyledForm<TFormStyle::fsMDIChild>* child;
        Application->CreateForm(child);
        child->SetName(Name);
        child->SetCaption(Name);
        child->SetBoundsRect(Bounds);
        (new TskFormSkin(child))->SetSkinData(Data);
        child->Show();
        Pump();
        return child;
    }
    TMenuItem* windowMenu = nullptr;
};
