#include "skin/core/skDrawMarks.h"
#include "skin/core/skSkinImages.h"
#include "skin/core/skUtils.h"
#include "skin/form/FormSkin.h"
#include "skin/form/skSkinMainMenuBar.h"
#include "skin/form/skSkinMenus.h"

#include "platform/win/Rect.h"

TskSkinMainMenuBarButton::TskSkinMainMenuBarButton(TskSkinMainMenuBar* AParent, const std::string& AName,
                                                   TskStdCommand ADefault)
    : Parent(AParent), IDName(AName), Command(ADefault)
{
    TskSkinData* data = AParent->GetSkinData();
    if (data && !data->Empty)
        if (const int i = data->GetIndex(AName); i >= 0)
            D = dynamic_cast<TskDataSkinMainMenuBarButton*>(data->ObjectList[static_cast<std::size_t>(i)].get());
    if (D) {
        Picture = SkinPicture(data, D->ActivePictureIndex);
        Command = D->Command;
    }
    if (!Picture)
        D = nullptr;
}

SIZE TskSkinMainMenuBarButton::Size(int ItemsHeight) const
{
    if (D)
        return SIZE{WidthOfRect(D->SkinRect), HeightOfRect(D->SkinRect)};
    return SIZE{ItemsHeight, ItemsHeight};
}

void TskSkinMainMenuBarButton::MouseEnter()
{
    Active = true;
    Parent->DrawButton(this);
}

void TskSkinMainMenuBarButton::MouseLeave()
{
    Active = false;
    Parent->DrawButton(this);
}

void TskSkinMainMenuBarButton::MouseDown()
{
    if (!Enabled || FDown)
        return;
    FDown = true;
    Parent->DrawButton(this);
    if (Command == cmSysMenu)
        DoCommand();
}

void TskSkinMainMenuBarButton::MouseUp()
{
    if (!Enabled || Command == cmSysMenu)
        return;
    FDown = false;
    Parent->DrawButton(this);
    if (Active)
        DoCommand();
}

void TskSkinMainMenuBarButton::DblClick()
{
    if (Command != cmSysMenu)
        return;
    TskFormSkin* frame = Parent->GetFormSkin();
    TskFormSkin* child = GetMaximizedChildSkinForm();
    if (!frame || !child)
        return;
    if (frame->SkinMenu())
        frame->SkinMenu()->Hide();
    frame->SkinMenuClose();
    child->Form()->Close();
}

void TskSkinMainMenuBarButton::DoCommand()
{
    TskFormSkin* frame = Parent->GetFormSkin();
    TskFormSkin* child = GetMaximizedChildSkinForm();
    if (!frame || !child)
        return;
    switch (Command) {
    case cmClose: child->Form()->Close(); break;
    case cmMaximize: child->SetWindowState(TWindowState::wsNormal); break;
    case cmMinimize: child->SetWindowState(TWindowState::wsMinimized); break;
    case cmSysMenu: {
        if (!frame->SkinMenu())
            return;
        Parent->Repaint();
        RECT r = ObjectRect;
        const POINT o = Parent->ClientToScreen(POINT{0, 0});
        OffsetRect(&r, o.x, o.y);
        frame->SkinMenuOpen();
        frame->SkinMenu()->Popup(Parent, frame->MenusData(), 0, r, child->GetSystemMenuItems(), Parent->PopupToUp);
        break;
    }
    default: break;
    }
}

void TskSkinMainMenuBarButton::Draw(TCanvas* Cnvs)
{
    if (!D) {
        DefaultDraw(Cnvs);
        return;
    }
    const bool pressed = FDown && Active;
    RECT src = D->SkinRect;
    if (pressed && !IsRectEmpty(&D->DownRect))
        src = D->DownRect;
    else if (Active && !IsRectEmpty(&D->ActiveSkinRect))
        src = D->ActiveSkinRect;
    TBitmap b;
    b.SetSize(WidthOfRect(src), HeightOfRect(src));
    b.Canvas()->CopyRect(RECT{0, 0, WidthOfRect(src), HeightOfRect(src)}, Picture->Canvas(), src);
    Cnvs->Draw(ObjectRect.left, ObjectRect.top, &b);
}

void TskSkinMainMenuBarButton::DefaultDraw(TCanvas* Cnvs)
{
    const int w = WidthOfRect(ObjectRect), h = HeightOfRect(ObjectRect);
    if (w <= 0 || h <= 0)
        return;
    const bool pressed = FDown && Active;
    TBitmap b;
    TCanvas* c = BeginDefaultBarPart(&b, w, h, Active, pressed);
    const int x = w / 2 - 5 + (pressed ? 1 : 0), y = h / 2 - 4 + (pressed ? 1 : 0);
    const TColor color = Enabled ? clBtnText : clGrayText;
    switch (Command) {
    case cmClose: DrawCloseGlyph(c, x, y, color); break;
    case cmMaximize: DrawRestoreGlyph(c, x, y, color); break;
    case cmMinimize: DrawMinimizeGlyph(c, x, y, color); break;
    case cmSysMenu: DrawSysMenuGlyph(c, x, y, color); break;
    default: break;
    }
    Cnvs->Draw(ObjectRect.left, ObjectRect.top, &b);
}
