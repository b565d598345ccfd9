#include "skin/form/FormSkin.h"

#include "skin/core/skDrawMarks.h"
#include "skin/core/skUtils.h"

TskSkinButtonObject::TskSkinButtonObject(TskFormSkin* AParent, TskDataSkinObject* AData)
    : TskActiveSkinObject(AParent, AData)
{
    if (auto* d = dynamic_cast<TskDataSkinButton*>(AData)) {
        DisableSkinRect = d->DisableSkinRect;
        DownRect = d->DownRect;
    }
}

void TskSkinButtonObject::ShowLayer()
{
    ShowLayerOn(MenuItem != nullptr);
}

void TskSkinButtonObject::HideLayer()
{
    HideLayerOn(MenuItem != nullptr);
}

bool TskSkinButtonObject::CanMorphing()
{
    return TskActiveSkinObject::CanMorphing() && !(MenuItem && FDown);
}

void TskSkinButtonObject::DrawButton(TCanvas* Cnvs, bool UpDate)
{
    if (!HasSkin())
        return;
    if (!Enabled && !RectHasNoArea(DisableSkinRect))
        CopyFrom(Cnvs, ObjectRect, ActivePicture, DisableSkinRect);
    else if (FDown && FMouseIn && !RectHasNoArea(DownRect))
        CopyFrom(Cnvs, ObjectRect, ActivePicture, DownRect);
    else
        TskActiveSkinObject::Draw(Cnvs, UpDate);
}

void TskSkinButtonObject::Draw(TCanvas* Cnvs, bool UpDate)
{
    DrawButton(Cnvs, UpDate);
}

void TskSkinButtonObject::SetDown(bool Value)
{
    FDown = Value;
    if (EnableMorphing() && Active)
        SetMorphKf(1);
    Parent->DrawSkinObject(this);
    if (EnableMorphing() && !Value)
        ReDraw();
}

bool TskSkinButtonObject::TrackMenu()
{
    return OpenMenu(MenuItem, FPopupUp, true);
}

void TskSkinButtonObject::MouseEnter()
{
    FMouseIn = Active = true;
    if (FDown && !RectHasNoArea(DownRect)) {
        if (EnableMorphing())
            SetMorphKf(1);
        Parent->DrawSkinObject(this);
    } else {
        if (!RectHasNoArea(ActiveSkinRect))
            ReDraw();
        if (MenuItem)
            ShowLayer();
    }
    if (auto handler = Parent->OnMouseEnterEvent)
        handler(IDName);
    if (!MenuItem)
        ShowLayer();
}

void TskSkinButtonObject::MouseLeave()
{
    FMouseIn = Active = false;
    if (!MenuItem || !FDown) {
        if (MenuItem)
            HideLayer();
        Parent->DrawSkinObject(this);
        ReDraw();
    }
    if (auto handler = Parent->OnMouseLeaveEvent)
        handler(IDName);
    if (!MenuItem)
        HideLayer();
}

void TskSkinButtonObject::MouseDown(int X, int Y, TMouseButton Button)
{
    if (!Enabled)
        return;
    if (Button == TMouseButton::mbLeft && !FDown) {
        SetDown(true);
        // A menu that did not open leaves nothing holding the button down.
        if (MenuItem && !TrackMenu())
            SetDown(false);
    }
    TskActiveSkinObject::MouseDown(X, Y, Button);
}

void TskSkinButtonObject::MouseUp(int X, int Y, TMouseButton Button)
{
    if (!Enabled)
        return;
    if (Button == TMouseButton::mbLeft && !MenuItem && FDown)
        SetDown(false);
    TskActiveSkinObject::MouseUp(X, Y, Button);
}

TskSkinStdButtonObject::TskSkinStdButtonObject(TskFormSkin* AParent, TskDataSkinObject* AData,
                                               TskStdCommand ACommand, const std::string& AIDName)
    : TskSkinButtonObject(AParent, AData), Command(ACommand)
{
    FSkinSupport = AData != nullptr;
    if (!AData)
        IDName = AIDName;
    if (auto* d = dynamic_cast<TskDataSkinStdButton*>(AData)) {
        Command = d->Command;
        RestoreRect = d->RestoreRect;
        RestoreActiveRect = d->RestoreActiveRect;
        RestoreInActiveRect = d->RestoreInActiveRect;
        RestoreDownRect = d->RestoreDownRect;
        RestoreHint = d->RestoreHint;
    }
    FTempHint = Hint;
}

bool TskSkinStdButtonObject::ShowsFormIcon() const
{
    return Command == cmSysMenu && Parent->GetShowIcon() && FSkinSupport && SkinRectInAPicture;
}

bool TskSkinStdButtonObject::InRestoreState() const
{
    return Parent->InRestoreState(Command);
}

bool TskSkinStdButtonObject::PointInShape(int X, int Y)
{
    return ShowsFormIcon() || TskSkinButtonObject::PointInShape(X, Y);
}

void TskSkinStdButtonObject::ShowLayer()
{
    if (!ShowsFormIcon())
        TskSkinButtonObject::ShowLayer();
}

void TskSkinStdButtonObject::HideLayer()
{
    if (!ShowsFormIcon())
        TskSkinButtonObject::HideLayer();
}

bool TskSkinStdButtonObject::CanMorphing()
{
    if (Command == cmSysMenu && Parent->GetShowIcon() && SkinRectInAPicture)
        return false;
    return TskSkinButtonObject::CanMorphing();
}

void TskSkinStdButtonObject::Draw(TCanvas* Cnvs, bool UpDate)
{
    if (!FSkinSupport) {
        DefaultDraw(Cnvs);
        return;
    }
    if (!HasSkin())
        return;
    if (ShowsFormIcon()) {
        Parent->DrawFormIcon(Cnvs, ObjectRect.left, ObjectRect.top);
        FMorphKf = 0;
        return;
    }
    if (Enabled && InRestoreState() && !RectHasNoArea(RestoreRect)) {
        if (!Parent->FFormActive && !RectHasNoArea(RestoreInActiveRect))
            CopyFrom(Cnvs, ObjectRect, ActivePicture, RestoreInActiveRect);
        else if (FDown && FMouseIn && !RectHasNoArea(RestoreDownRect))
            CopyFrom(Cnvs, ObjectRect, ActivePicture, RestoreDownRect);
        else if (EnableMorphing() && MorphPending())
            DrawMorph(Cnvs, ActivePicture, RestoreRect, RestoreActiveRect);
        else
            CopyFrom(Cnvs, ObjectRect, ActivePicture,
                     Active && !RectHasNoArea(RestoreActiveRect) ? RestoreActiveRect : RestoreRect);
        return;
    }
    DrawButton(Cnvs, UpDate);
}

void TskSkinStdButtonObject::DefaultDraw(TCanvas* Cnvs)
{
    if (Command == cmSysMenu && Parent->GetShowIcon()) {
        Parent->DrawFormIcon(Cnvs, ObjectRect.left, ObjectRect.top);
        return;
    }
    const int w = WidthOfRect(ObjectRect), h = HeightOfRect(ObjectRect);
    if (w <= 0 || h <= 0)
        return;
    TBitmap b;
    b.SetSize(w, h);
    TCanvas* c = b.Canvas();
    const bool pressed = FDown && FMouseIn;
    const RECT whole{0, 0, w, h};
    if (pressed || FMouseIn) {
        c->Brush()->SetColor(pressed ? RGB(133, 147, 181) : RGB(182, 189, 210));
        c->FillRect(whole);
        c->Brush()->SetColor(RGB(0, 0, 128));
        c->FrameRect(whole);
    } else {
        c->Brush()->SetColor(clBtnFace);
        c->FillRect(whole);
    }
    const int x = w / 2 - 5 + (pressed ? 1 : 0), y = h / 2 - 4 + (pressed ? 1 : 0);
    const TColor color = Enabled ? clBtnText : clGrayText;
    const TWindowState state = Parent->GetWindowState();
    switch (Command) {
    case cmClose: DrawCloseGlyph(c, x, y, color); break;
    case cmMaximize:
        (state == TWindowState::wsMaximized ? DrawRestoreGlyph : DrawMaximizeGlyph)(c, x, y, color);
        break;
    case cmMinimize:
        (state == TWindowState::wsMinimized ? DrawRestoreGlyph : DrawMinimizeGlyph)(c, x, y, color);
        break;
    case cmSysMenu: DrawSysMenuGlyph(c, x, y, color); break;
    case cmRollUp: (Parent->GetRollUpState() ? DrawRollDownGlyph : DrawRollUpGlyph)(c, x, y, color); break;
    case cmMinimizeToTray: DrawMinToTrayGlyph(c, x, y, color); break;
    case cmDefault: break;
    }
    Cnvs->Draw(ObjectRect.left, ObjectRect.top, &b);
}

void TskSkinStdButtonObject::DblClick()
{
    if (Command == cmSysMenu)
        Parent->Form()->Close();
}

void TskSkinStdButtonObject::MouseEnter()
{
    if (!RestoreHint.empty() && InRestoreState())
        Hint = RestoreHint;
    else
        Hint = FTempHint;
    TskSkinButtonObject::MouseEnter();
}

void TskSkinStdButtonObject::MouseDown(int, int, TMouseButton Button)
{
    if (!Enabled || Button != TMouseButton::mbLeft || FDown)
        return;
    SetDown(true);
    if (Command == cmSysMenu) {
        MenuItem = Parent->GetSystemMenuItems();
        if (!TrackMenu()) {
            MenuItem = nullptr;
            SetDown(false);
        }
    }
}

void TskSkinStdButtonObject::MouseUp(int X, int Y, TMouseButton Button)
{
    const bool run = Enabled && Active && FDown && Button == TMouseButton::mbLeft;
    if (Command == cmClose) {
        TskSkinButtonObject::MouseUp(X, Y, Button);
        if (run)
            DoCommand();
        return;
    }
    if (run)
        DoCommand();
    TskSkinButtonObject::MouseUp(X, Y, Button);
}

void TskSkinStdButtonObject::DoCommand()
{
    // The system-menu button opens its menu on the press.
    if (Command != cmSysMenu)
        Parent->RunCommand(Command);
}
