#include "skin/form/FormSkin.h"

#include "skin/core/skUtils.h"

#include <algorithm>

TskSkinAnimateObject::TskSkinAnimateObject(TskFormSkin* AParent, TskDataSkinObject* AData)
    : TskActiveSkinObject(AParent, AData)
{
    if (auto* d = dynamic_cast<TskDataSkinAnimate*>(AData)) {
        CountFrames = std::max(1, d->CountFrames);
        Cycle = d->Cycle;
        ButtonStyle = d->ButtonStyle;
        TimerInterval = std::max(25, d->TimerInterval);
        Command = d->Command;
        DownSkinRect = d->DownSkinRect;
        RestoreHint = d->RestoreHint;
        RestoreRect = d->RestoreRect;
        RestoreActiveRect = d->RestoreActiveRect;
        RestoreDownRect = d->RestoreDownRect;
        RestoreInActiveRect = d->RestoreInActiveRect;
    }
    FTempHint = Hint;
}

bool TskSkinAnimateObject::InRestoreState() const
{
    return Parent->InRestoreState(Command);
}

void TskSkinAnimateObject::ShowLayer()
{
    ShowLayerOn(MenuItem != nullptr);
}

void TskSkinAnimateObject::HideLayer()
{
    HideLayerOn(MenuItem != nullptr);
}

void TskSkinAnimateObject::Draw(TCanvas* Cnvs, bool)
{
    if (!HasSkin())
        return;
    const bool restore = !RectHasNoArea(RestoreRect) && InRestoreState();
    const RECT skin = restore ? RestoreRect : SkinRect;
    const RECT active = restore ? RestoreActiveRect : ActiveSkinRect;
    const RECT down = restore ? RestoreDownRect : DownSkinRect;
    const RECT inactive = restore ? RestoreInActiveRect : InActiveSkinRect;
    // Frame n lies n - 1 cells right of the active rectangle's corner.
    auto frame = [&](int n) {
        const int w = WidthOfRect(skin), h = HeightOfRect(skin);
        const int x = active.left + (n - 1) * w;
        return RECT{x, active.top, x + w, active.top + h};
    };
    RECT source;
    if (FMenuTracking) {
        if (!RectHasNoArea(down)) {
            source = down;
        } else {
            FFrame = CountFrames;
            source = frame(FFrame);
        }
    } else if (!Parent->GetFormActive() && !RectHasNoArea(inactive)) {
        source = inactive;
    } else if (FDown && FMouseIn && !RectHasNoArea(down)) {
        source = down;
    } else {
        source = frame(FFrame);
    }
    CopyFrom(Cnvs, ObjectRect, ActivePicture, source);
}

void TskSkinAnimateObject::SetFrame(int Value)
{
    if (Increment && Value > CountFrames)
        Value = 1;
    else if (!Increment && Value <= 0)
        Value = CountFrames;
    FFrame = Value;
    Parent->DrawSkinObject(this);
}

void TskSkinAnimateObject::ChangeFrame()
{
    if (FInc < TimerInterval) {
        FInc += 25;
        return;
    }
    SetFrame(Increment ? FFrame + 1 : FFrame - 1);
    FInc = 25;
    if ((Increment && !Cycle && FFrame == CountFrames) || (!Increment && FFrame == 1))
        Active = false;
}

void TskSkinAnimateObject::Start()
{
    FInc = 25;
    FFrame = 1;
    Active = true;
    Parent->AnimateTimer->SetEnabled(true);
}

void TskSkinAnimateObject::Stop()
{
    SetFrame(1);
    Active = false;
    FInc = 25;
}

bool TskSkinAnimateObject::TrackMenu()
{
    if (!MenuItem || MenuItem->Count() == 0)
        return false;
    FMenuTracking = OpenMenu(MenuItem, FPopupUp, true);
    return FMenuTracking;
}

void TskSkinAnimateObject::DoCommand()
{
    if (Command == cmSysMenu) {
        MenuItem = Parent->GetSystemMenuItems();
        TrackMenu();
    } else if (Command == cmDefault) {
        if (MenuItem)
            TrackMenu();
    } else {
        Parent->RunCommand(Command);
    }
}

void TskSkinAnimateObject::MouseEnter()
{
    if (Command != cmDefault)
        Hint = !RestoreHint.empty() && InRestoreState() ? RestoreHint : FTempHint;
    FMouseIn = true;
    if (FMenuTracking)
        return;
    if (ButtonStyle) {
        Active = true;
        Increment = true;
        if (FDown && !RectHasNoArea(DownSkinRect))
            Parent->DrawSkinObject(this);
        else
            Parent->AnimateTimer->SetEnabled(true);
    }
    if (auto handler = Parent->OnMouseEnterEvent)
        handler(IDName);
    ShowLayer();
}

void TskSkinAnimateObject::MouseLeave()
{
    if (!FMouseIn)
        return;
    FMouseIn = false;
    if (FMenuTracking)
        return;
    if (ButtonStyle) {
        Active = true;
        Increment = false;
        if (FDown && !RectHasNoArea(DownSkinRect))
            Parent->DrawSkinObject(this);
        else
            Parent->AnimateTimer->SetEnabled(true);
    }
    if (auto handler = Parent->OnMouseLeaveEvent)
        handler(IDName);
    HideLayer();
}

void TskSkinAnimateObject::MouseDown(int X, int Y, TMouseButton Button)
{
    TskActiveSkinObject::MouseDown(X, Y, Button);
    if (Button != TMouseButton::mbLeft)
        return;
    if (!RectHasNoArea(DownSkinRect)) {
        FFrame = CountFrames;
        FDown = true;
        Parent->DrawSkinObject(this);
    }
    if (Command == cmSysMenu && FMouseIn && ButtonStyle)
        DoCommand();
}

void TskSkinAnimateObject::MouseUp(int X, int Y, TMouseButton Button)
{
    TskActiveSkinObject::MouseUp(X, Y, Button);
    if (FMenuTracking || Button != TMouseButton::mbLeft)
        return;
    if (!RectHasNoArea(DownSkinRect)) {
        FDown = false;
        Parent->DrawSkinObject(this);
        Parent->AnimateTimer->SetEnabled(true);
    }
    if (Command != cmSysMenu && FMouseIn && ButtonStyle)
        DoCommand();
}

void TskSkinAnimateObject::DblClick()
{
    if (Command == cmSysMenu)
        Parent->Form()->Close();
}
