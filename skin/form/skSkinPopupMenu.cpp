#include "skin/form/FormSkin.h"
#include "skin/form/skSkinMenus.h"

TskSkinPopupMenu::TskSkinPopupMenu(TComponent* AOwner) : TPopupMenu(AOwner) {}

void TskSkinPopupMenu::SetSkinData(TskSkinData* Value)
{
    FSD = Value;
    if (Value)
        Value->FreeNotification(this);
}

void TskSkinPopupMenu::Notification(TComponent* AComponent, TOperation Operation)
{
    TPopupMenu::Notification(AComponent, Operation);
    if (Operation != TOperation::opRemove)
        return;
    if (AComponent == FSD)
        FSD = nullptr;
    if (AComponent == ComponentForm)
        ComponentForm = nullptr;
    if (AComponent == SkinComponent)
        SkinComponent = nullptr;
}

TskFormSkin* TskSkinPopupMenu::FindSkinForm()
{
    if (SkinComponent)
        return SkinComponent;
    if (ComponentForm)
        return GetFormSkinComponent(ComponentForm);
    TComponent* owner = GetOwner();
    if (!owner)
        return nullptr;
    auto* form = dynamic_cast<TCustomForm*>(owner);
    if (!form)
        form = dynamic_cast<TCustomForm*>(owner->GetOwner());
    if (!form)
        return nullptr;
    TskFormSkin* found = GetFormSkinComponent(form);
    // An MDI child has no place of its own for menus: the main form's frame serves them.
    if (found && form->GetFormStyle() == TFormStyle::fsMDIChild && Application->MainForm())
        return GetFormSkinComponent(Application->MainForm());
    return found;
}

bool TskSkinPopupMenu::Open(TControl* ACtrl, const RECT& R, bool APopupUp, bool NeedSkinData)
{
    DoPopup(this);
    TskFormSkin* frame = FindSkinForm();
    if (frame && !FSD)
        SetSkinData(frame->MenusData());
    if (!frame || !frame->SkinMenu() || (NeedSkinData && !FSD))
        return false;
    TskFrameMenu* manager = frame->SkinMenu();
    if (manager->Visible())
        frame->SkinMenuClose();
    FPopupPoint = POINT{R.left, R.top};
    frame->SkinMenuOpen();
    manager->Popup(ACtrl, FSD, 0, R, Items(), APopupUp);
    // The close event goes over only to an opening that showed something.
    if (OnMenuClose && manager->Visible())
        if (auto* skinMenu = dynamic_cast<TskSkinMenu*>(manager))
            skinMenu->OnMenuClose = OnMenuClose;
    return manager->Visible();
}

void TskSkinPopupMenu::Popup(int X, int Y)
{
    Open(nullptr, RECT{X, Y, X, Y}, false, false);
}

void TskSkinPopupMenu::PopupFromRect(const RECT& R, bool APopupUp)
{
    Open(nullptr, R, APopupUp, false);
}

void TskSkinPopupMenu::Popup2(TControl* ACtrl, int X, int Y)
{
    Open(ACtrl, RECT{X, Y, X, Y}, false, true);
}

bool TskSkinPopupMenu::PopupFromRect2(TControl* ACtrl, const RECT& R, bool APopupUp)
{
    return Open(ACtrl, R, APopupUp, false);
}
