#pragma once
// The demo's two forms, built in code: a main form with a menu model, a panel holding a label
// and an image, a check box, a default, a cancel and a dialog button; and a modal dialog.

#include "classlib/ExtCtrls.h"
#include "classlib/Forms.h"
#include "classlib/Menus.h"
#include "classlib/StdCtrls.h"

class TDemoDialog : public TForm {
public:
    explicit TDemoDialog(TComponent* AOwner);
    TCheckBox* Option;
    TButton* OkButton;
    TButton* CancelButton;
};

class TDemoForm : public TForm {
public:
    explicit TDemoForm(TComponent* AOwner);
    TMainMenu* Menu;
    TPanel* Header;
    TLabel* Title;
    TImage* Picture;
    TCheckBox* Remember;
    TButton* OkButton;
    TButton* CancelButton;
    TButton* DialogButton;
    TLabel* Status;
    TDemoDialog* Dialog;
};
