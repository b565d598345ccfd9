#include "skin/input/skMessages.h"

#include "skin/form/FormSkin.h"

TskMessageForm::TskMessageForm(TComponent* AOwner, int X, int Y) : TForm(AOwner)
{
    SetBorderStyle(TFormBorderStyle::bsDialog);
    SetKeyPreview(true);
    if (X < -10000) {
        SetPosition(TPosition::poScreenCenter);
    } else {
        SetLeft(X);
        SetTop(Y);
    }
    BSF = new TskFormSkin(this);
    BSF->SetBorderIcons({});
}

void TskMessageForm::HelpButtonClick(TObject*)
{
    Application->HelpContext(GetHelpContext());
}
