#include "skin/core/TskEffectBmp.h"
#include "skin/core/skDrawMarks.h"
#include "skin/core/skSkinImages.h"
#include "skin/core/skUtils.h"
#include "skin/form/FormSkin.h"
#include "skin/form/FormSkinObjects.h"
#include "skin/form/skSkinMainMenuBar.h"
#include "skin/form/skSkinMenus.h"

#include "platform/win/Rect.h"

#include <algorithm>

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

bool TskSkinMainMenuBarButton::EnableMorphing() const
{
    TskSkinData* sd = Parent->GetSkinData();
    return D && D->Morphing && !IsRectEmpty(&D->ActiveSkinRect) && sd && !sd->Empty && sd->EnableSkinEffects();
}

bool TskSkinMainMenuBarButton::CanMorphing() const
{
    if (FDown && D && !IsRectEmpty(&D->DownRect))
        return false;
    return (Active && MorphKf < 1) || (!Active && MorphKf > 0);
}

void TskSkinMainMenuBarButton::DoMorphing()
{
    MorphKf = std::clamp(MorphKf + (Active ? 0.2 : -0.2), 0.0, 1.0);
    Parent->DrawButton(this);
}

void TskSkinMainMenuBarButton::ReDraw()
{
    if (EnableMorphing())
        Parent->MorphTimer->SetEnabled(true);
    else
        Parent->DrawButton(this);
}

void TskSkinMainMenuBarButton::MouseEnter()
{
    Active = true;
    // The system-menu button stays pressed while its menu is open.
    if (FDown && Command == cmSysMenu)
        return;
    // A held button shows its pressed look again at once; the morph is for the hover only.
    if (FDown && EnableMorphing())
        Parent->DrawButton(this);
    else
        ReDraw();
}

void TskSkinMainMenuBarButton::MouseLeave()
{
    Active = false;
    if (FDown && Command == cmSysMenu) {
        if (EnableMorphing())
            MorphKf = 1;
        return;
    }
    if (FDown && EnableMorphing())
        Parent->DrawButton(this);
    else
        ReDraw();
}

void TskSkinMainMenuBarButton::MouseDown()
{
    if (!Enabled || FDown)
        return;
    FDown = true;
    if (EnableMorphing() && D && !IsRectEmpty(&D->DownRect))
        MorphKf = 1;
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
    if (EnableMorphing())
        ReDraw();
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
    auto copy = [this](TBitmap& Target, const RECT& Src) {
        Target.SetSize(WidthOfRect(Src), HeightOfRect(Src));
        Target.Canvas()->CopyRect(RECT{0, 0, WidthOfRect(Src), HeightOfRect(Src)}, Picture->Canvas(), Src);
    };
    TBitmap b;
    if (pressed && !IsRectEmpty(&D->DownRect)) {
        copy(b, D->DownRect);
    } else if (EnableMorphing() && MorphKf > 0 && MorphKf < 1 &&
               WidthOfRect(D->ActiveSkinRect) == WidthOfRect(D->SkinRect) &&
               HeightOfRect(D->ActiveSkinRect) == HeightOfRect(D->SkinRect)) {
        TBitmap hot;
        copy(b, D->SkinRect);
        copy(hot, D->ActiveSkinRect);
        TskEffectBmp normal(b.GetHandle());
        TskEffectBmp active(hot.GetHandle());
        MorphBy(normal, active, D->MorphKind, MorphKf);
        normal.Draw(b.Canvas()->GetHandle(), 0, 0);
    } else if (Active && !IsRectEmpty(&D->ActiveSkinRect)) {
        copy(b, D->ActiveSkinRect);
    } else {
        copy(b, D->SkinRect);
    }
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
