// The menu speed button: where a press opens the menus, opening them below the button and
// coming up again when they close.

#include "skin/form/skSkinCtrls.h"

#include "platform/win/Rect.h"
#include "skin/core/skUtils.h"
#include "skin/form/skSkinMenus.h"
#include "skin/form/skSkinMessages.h"

TskSkinMenuSpeedButton::TskSkinMenuSpeedButton(TComponent* AOwner) : TskSkinSpeedButton(AOwner)
{
    FSkinDataName = "toolmenubutton";
}

TskSkinMenuSpeedButton::~TskSkinMenuSpeedButton() = default;

void TskSkinMenuSpeedButton::BeforeDestruction()
{
    // The images menu must not call back into a freed button.
    SetSkinImagesMenu(nullptr);
    TskSkinSpeedButton::BeforeDestruction();
}

void TskSkinMenuSpeedButton::SetNewStyle(bool Value)
{
    FNewStyle = Value;
    if (Value)
        FSkinDataName = "resizetoolbutton";
}

void TskSkinMenuSpeedButton::SetTrackPosition(TskTrackPosition Value)
{
    FTrackPosition = Value;
    Invalidate();
}

void TskSkinMenuSpeedButton::SetSkinImagesMenu(TskSkinImagesMenu* Value)
{
    if (FSkinImagesMenu) {
        FSkinImagesMenu->RemoveFreeNotification(this);
        FSkinImagesMenu->OnInternalChange = nullptr;
        FSkinImagesMenu->OnInternalMenuClose = nullptr;
    }
    FSkinImagesMenu = Value;
    if (Value) {
        Value->FreeNotification(this);
        Value->OnInternalChange = [this](TObject*) { Invalidate(); };
    }
    Invalidate();
}

void TskSkinMenuSpeedButton::SetUseImagesMenuImage(bool Value)
{
    FUseImagesMenuImage = Value;
    Invalidate();
}

void TskSkinMenuSpeedButton::SetUseImagesMenuCaption(bool Value)
{
    FUseImagesMenuCaption = Value;
    Invalidate();
}

void TskSkinMenuSpeedButton::SetSkinPopupMenu(TskSkinPopupMenu* Value)
{
    if (FSkinPopupMenu)
        FSkinPopupMenu->RemoveFreeNotification(this);
    FSkinPopupMenu = Value;
    if (Value)
        Value->FreeNotification(this);
}

void TskSkinMenuSpeedButton::SetTrackButtonMode(bool Value)
{
    FTrackButtonMode = Value;
    if (FIndex == -1)
        Invalidate();
}

void TskSkinMenuSpeedButton::Notification(TComponent* AComponent, TOperation Operation)
{
    TskSkinSpeedButton::Notification(AComponent, Operation);
    if (Operation == TOperation::opRemove && AComponent == FSkinPopupMenu) {
        FSkinPopupMenu = nullptr;
        // A menu that goes while it is open never reports its closing.
        if (FMenuTracked)
            TrackMenuClosed();
    }
}

void TskSkinMenuSpeedButton::LookupSkinData()
{
    TskSkinSpeedButton::LookupSkinData();
    if (auto* d = FIndex == -1 ? nullptr : Description<TskDataSkinMenuButtonControl>())
        TrackButtonRect = d->TrackButtonRect;
}

bool TskSkinMenuSpeedButton::IsMenuButtonDescription() const
{
    const std::string& n = FSkinDataName;
    return FIndex != -1 && n != "resizebutton" && n != "resizetoolbutton" && n != "toolbutton" && n != "bigtoolbutton";
}

RECT TskSkinMenuSpeedButton::TrackStrip() const
{
    if (StripAtBottom())
        return RECT{0, FHeight - 15, FWidth, FHeight};
    return RECT{FWidth - 15, 0, FWidth, FHeight};
}

RECT TskSkinMenuSpeedButton::GetTrackArea() const
{
    if (!IsMenuButtonDescription())
        return TrackStrip();
    RECT r = TrackButtonRect;
    if (ResizeMode == 2)
        OffsetRect(&r, FWidth - WidthOfRect(SkinRect), 0);
    else if (ResizeMode == 3)
        OffsetRect(&r, 0, FHeight - HeightOfRect(SkinRect));
    return r;
}

bool TskSkinMenuSpeedButton::InTrackArea(POINT P)
{
    if (!FSkinPopupMenu && !FSkinImagesMenu)
        return false;
    if (!FTrackButtonMode)
        return true;
    LookupSkinData();
    return RectContainsPoint(GetTrackArea(), P);
}

void TskSkinMenuSpeedButton::ShowTrackMenu()
{
    const POINT p = ClientToScreen(POINT{0, 0});
    const RECT r{p.x, p.y, p.x + FWidth, p.y + FHeight};
    auto alive = AliveToken();
    bool opened = false;
    if (FSkinPopupMenu) {
        if (const TNotifyEvent show = OnShowTrackMenu)
            show(this);
        if (*alive && FSkinPopupMenu)
            opened = FSkinPopupMenu->PopupFromRect2(this, r, false);
    }
    if (*alive && FSkinImagesMenu) {
        if (const TNotifyEvent show = OnShowTrackMenu)
            show(this);
        if (*alive && FSkinImagesMenu) {
            FSkinImagesMenu->OnInternalMenuClose = [this](TObject*) { TrackMenuClosed(); };
            FSkinImagesMenu->PopupFromRect(r);
            opened = opened || FSkinImagesMenu->PopupWindow() != nullptr;
        }
    }
    // A menu that showed nothing never reports a closing: the button comes up at once.
    if (*alive && !opened && FMenuTracked)
        TrackMenuClosed();
}

void TskSkinMenuSpeedButton::TrackMenuClosed()
{
    if (!FMenuTracked)
        return;
    FMenuTracked = false;
    SetDown(false);
    FMouseIn = false;
    if (MorphingOn())
        SetMorphDone(false);  // the hover look ends with the menu
    if (const TNotifyEvent hide = OnHideTrackMenu)
        hide(this);
    Invalidate();
}

void TskSkinMenuSpeedButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (Button == TMouseButton::mbLeft) {
        FMenuTracked = InTrackArea(POINT{X, Y});
        FMouseIn = true;
        if (FMenuTracked) {
            if (!FDown)
                SetDown(true);
            Invalidate();
            ShowTrackMenu();
            return;
        }
    }
    TskSkinSpeedButton::MouseDown(Button, Shift, X, Y);
}

void TskSkinMenuSpeedButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (!FMenuTracked)
        TskSkinSpeedButton::MouseUp(Button, Shift, X, Y);
}

void TskSkinMenuSpeedButton::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
        if (ComponentState().Contains(csDesigning))
            return;
        if (FMenuTracked) {
            FMouseIn = Message.Msg == CM_MOUSEENTER;
            return;
        }
        break;
    case SKM_SKINMENUCLOSED:
        TrackMenuClosed();
        return;
    default: break;
    }
    TskSkinSpeedButton::Dispatch(Message);
}
