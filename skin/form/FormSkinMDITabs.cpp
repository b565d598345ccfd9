// The frame's part in the MDI tabs bar: children get, lose and redraw their tabs on the main
// form's bar.

#include "skin/form/FormSkin.h"

#include "skin/form/skSkinMDITabsBar.h"

void TskFormSkin::AddChildToBar(TCustomForm* Child)
{
    bool accept = true;
    if (OnAcceptToMDITabsBar)
        OnAcceptToMDITabsBar(accept);
    TskFormSkin* main = MainFrame();
    if (accept && main && main->MDITabsBar)
        main->MDITabsBar->AddTab(Child);
}

void TskFormSkin::DeleteChildFromBar(TCustomForm* Child)
{
    if (TskFormSkin* main = MainFrame(); main && main->MDITabsBar)
        main->MDITabsBar->DeleteTab(Child);
}

void TskFormSkin::RefreshMDIBarTab(TCustomForm* Child)
{
    if (TskFormSkin* main = MainFrame(); main && main->MDITabsBar)
        main->MDITabsBar->RefreshTab(Child);
}

void TskFormSkin::UpdateMDITabs()
{
    if (TskFormSkin* main = MainFrame(); main && main->MDITabsBar)
        main->MDITabsBar->CheckActive();
}
