#include "skin/form/FormSkin.h"

#include "platform/kernel/Clock.h"
#include "platform/window/User.h"
#include "skin/core/skMonitors.h"
#include "skin/core/skUtils.h"
#include "skin/form/FormSkinLayerBorder.h"
#include "skin/form/skSkinMessages.h"
#include "skin/form/skSkinStatusBar.h"

#include <algorithm>
#include <cstdlib>

int TskFormSkin::GetMinWidth()
{
    if (!FSkinSupport)
        return MinWidth > 0 ? MinWidth : 120;
    const bool minimized = FWindowState == TWindowState::wsMinimized;
    const int pictureWidth = FSD->FPicture->GetWidth();
    if (pictureWidth < MinWidth && !minimized)
        return MinWidth;
    if (FSD->FormMinWidth > 0)
        return FSD->FormMinWidth >= MinWidth || minimized ? FSD->FormMinWidth : MinWidth;
    return pictureWidth;
}

int TskFormSkin::GetMinHeight()
{
    const int frame = FSkinSupport ? FSD->FPicture->GetHeight() - HeightOfRect(FSD->ClRect)
                                   : GetDefCaptionHeight() + 2 * kDefFrameBorder;
    if (MinHeight > frame && !FRollUpState && FWindowState != TWindowState::wsMinimized)
        return MinHeight;
    return frame;
}

RECT TskFormSkin::MonitorArea(bool WorkArea) const
{
    RECT r{};
    GetMonitorAreaOfWindow(FForm->HandleAllocated() ? FForm->GetHandle() : nullptr, WorkArea, r);
    return r;
}

int TskFormSkin::GetMaxWidth()
{
    return MaxWidth != 0 ? MaxWidth : WidthOfRect(MonitorArea(!MaximizeOnFullScreen));
}

int TskFormSkin::GetMaxHeight()
{
    return MaxHeight != 0 ? MaxHeight : HeightOfRect(MonitorArea(!MaximizeOnFullScreen));
}

bool TskFormSkin::InRestoreState(TskStdCommand Command) const
{
    switch (Command) {
    case cmMaximize: return FWindowState == TWindowState::wsMaximized;
    case cmMinimize: return FWindowState == TWindowState::wsMinimized;
    case cmRollUp: return FRollUpState;
    default: return false;
    }
}

void TskFormSkin::ForceRelayout()
{
    const int w = FForm->GetWidth();
    if (w - 1 < GetMinWidth()) {
        FForm->SetWidth(w + 1);
        FForm->SetWidth(w);
    } else {
        FForm->SetWidth(w - 1);
        FForm->SetWidth(w);
    }
}

void TskFormSkin::SetWindowState(TWindowState Value)
{
    if (!FSkinnableForm) {
        FForm->SetWindowState(Value);
        return;
    }
    if (Value == FWindowState)
        return;
    const TWindowState old = FWindowState;
    const bool mainForm = Application->MainForm() == FForm;
    if (Value != TWindowState::wsMinimized || (!mainForm && !MinimizeDefault))
        FWindowState = Value;
    switch (Value) {
    case TWindowState::wsNormal:
        if (old == TWindowState::wsMaximized && FRollUpState && !FRollUpBeforeMaximize)
            SetRollUpState(false);
        FRollUpBeforeMaximize = false;
        Restore();
        break;
    case TWindowState::wsMinimized:
        Minimize();
        break;
    case TWindowState::wsMaximized:
        FRollUpBeforeMaximize = FRollUpState;
        Maximize();
        break;
    }
}

void TskFormSkin::Minimize()
{
    if (Application->MainForm() == FForm) {
        Application->Minimize();
    } else if (MinimizeDefault) {
        FForm->SetWindowState(TWindowState::wsMinimized);
    } else {
        if (RectHasNoArea(OldBoundsRect))
            OldBoundsRect = FForm->GetBoundsRect();
        const POINT slot = GetMinimizedPosition();
        FForm->SetBounds(slot.x, slot.y, GetMinWidth(), GetMinHeight());
        if (IsMDIChild())
            SendToMainForm(SKM_MDICHILDRESTORED);
    }
    if (auto handler = OnMinimize)
        handler(this);
}

POINT TskFormSkin::GetMinimizedPosition()
{
    // A size of 0 still moves the search on, so it always ends.
    const int w = std::max(1, GetMinWidth()), h = std::max(1, GetMinHeight());
    if (IsMDIChild())
        return GetMinimizedChildPosition(w, h);
    const RECT area = MonitorArea(true);
    POINT p{area.left, area.bottom - h};
    auto taken = [this](POINT at) {
        for (int i = 0; i < Screen->CustomFormCount(); ++i) {
            TCustomForm* form = Screen->CustomForms(i);
            if (form == FForm || form == Application->MainForm() || !form->GetVisible())
                continue;
            TskFormSkin* skin = GetFormSkinComponent(form);
            if (skin && skin->FWindowState == TWindowState::wsMinimized && form->GetLeft() == at.x &&
                form->GetTop() == at.y)
                return true;
        }
        return false;
    };
    while (taken(p)) {
        p.x += w;
        if (p.x + w > area.right) {
            p.x = area.left;
            p.y -= h;
            if (p.y < area.top)
                return POINT{area.left, area.bottom - h};
        }
    }
    return p;
}

void TskFormSkin::Maximize()
{
    if (RectHasNoArea(OldBoundsRect))
        OldBoundsRect = FForm->GetBoundsRect();
    if (IsMDIChild()) {
        MouseTimer->SetEnabled(false);
        UpdateActiveObject(-1, -1, false);
        const RECT client = GetMDIClientArea();
        const RECT before = FForm->GetBoundsRect();
        FForm->SetBounds(0, 0, WidthOfRect(client), HeightOfRect(client));
        if (WidthOfRect(before) == FForm->GetWidth() && HeightOfRect(before) == FForm->GetHeight())
            ForceRelayout();
        SendToMainForm(SKM_MDICHILDMAXIMIZED);
        ShowStatusBarGrip(false);
        if (auto handler = OnMaximize)
            handler(this);
        return;
    }
    RECT area = MonitorArea(!MaximizeOnFullScreen);
    if (!MaximizeOnFullScreen) {
        RECT whole = MonitorArea(false), primary{};
        GetPrimaryScreenArea(false, primary);
        // A task bar that hides itself must stay reachable.
        if (RectsAreEqual(area, whole) && RectsAreEqual(whole, primary))
            InflateRect(&area, -1, -1);
    }
    FForm->SetBoundsRect(area);
    ShowStatusBarGrip(false);
    if (auto handler = OnMaximize)
        handler(this);
}

void TskFormSkin::Restore()
{
    MaxRollUpState = false;
    const RECT old = FForm->GetBoundsRect();
    if (!RectHasNoArea(OldBoundsRect)) {
        if (FStartShow) {
            FStartShow = false;
            const POINT p = GetPositionInMonitor(OldBoundsRect.left, OldBoundsRect.top, WidthOfRect(OldBoundsRect),
                                                 HeightOfRect(OldBoundsRect));
            FForm->SetBounds(p.x, p.y, WidthOfRect(OldBoundsRect), HeightOfRect(OldBoundsRect));
        } else {
            FForm->SetBoundsRect(OldBoundsRect);
        }
    }
    MouseTimer->SetEnabled(true);
    const RECT now = FForm->GetBoundsRect();
    if (WidthOfRect(now) == WidthOfRect(old) && HeightOfRect(now) == HeightOfRect(old))
        ForceRelayout();
    FForm->Invalidate();
    if (IsMDIChild())
        SendToMainForm(SKM_MDICHILDRESTORED);
    OldBoundsRect = RECT{};
    ShowStatusBarGrip(true);
    if (auto handler = OnRestore)
        handler(this);
}

void TskFormSkin::ShowStatusBarGrip(bool Show)
{
    // A form that fills its area cannot be sized by the grip.
    if (FStatusBar && FStatusBar->GetSizeGrip())
        FStatusBar->SetShowGrip(Show);
}

void TskFormSkin::SetRollUpState(bool Value)
{
    if (!FBorderIcons.Contains(TskBorderIcon::biRollUp) || FWindowState == TWindowState::wsMinimized)
        return;
    if (FRollUpState && FWindowState == TWindowState::wsMaximized && !MaxRollUpState)
        return;
    if (FWindowState == TWindowState::wsMaximized)
        MaxRollUpState = Value;
    if (Value == FRollUpState)
        return;
    FRollUpState = Value;
    if (Value) {
        OldHeight = FForm->GetHeight();
        FForm->SetHeight(GetMinHeight());
    } else if (ClientHeight != 0) {
        FForm->SetClientHeight(ClientHeight);
    } else {
        FForm->SetHeight(OldHeight);
    }
    if (auto handler = OnChangeRollUpState)
        handler(this);
}

void TskFormSkin::SnapToMagneticEdges(int& L, int& T, int W, int H)
{
    const int m = MagneticSize;
    RECT area = MonitorArea(true);
    if (IsMDIChild() && Application->MainForm()) {
        // The children's area on the screen.
        area = GetMDIClientArea();
        const POINT origin = Application->MainForm()->GetClientOrigin();
        OffsetRect(&area, origin.x, origin.y);
    }
    // The layered border's shadow lies outside the window: its outer edge is what snaps.
    const TskFormLayerBorder* border = FBorderLayer;
    const bool withShadow = IsLayeredBorderEnabled() && border->Visible() && border->HasData() &&
                            !IsRectEmpty(&border->Data()->BorderRect);
    if (withShadow) {
        L -= border->LeftSize;
        T -= border->TopSize;
        W += border->RightSize;
        H += border->BottomSize;
    }
    POINT cursor{};
    GetCursorPos(&cursor);
    // One edge: Pos is the window's coordinate of the edge, Target the area's, Cursor the
    // pointer's coordinate along that axis, Mark where it was at the snap.
    auto snap = [m](int pos, int target, int cursorAt, LONG& mark, bool& magnetized, int offset) {
        const bool near = target - m < pos + offset && pos + offset < target + m;
        int result = pos;
        if (near && !magnetized) {
            result = target - offset;
            mark = cursorAt;
        } else if (magnetized) {
            result = std::abs(cursorAt - mark) > m ? cursorAt + target - offset - mark : target - offset;
        }
        magnetized = near;
        return result;
    };
    L = snap(L, area.left, cursor.x, FOnMouseDownCoord.x, HMagnetized, 0);
    T = snap(T, area.top, cursor.y, FOnMouseDownCoord.y, VMagnetized, 0);
    L = snap(L, area.right, cursor.x, FOnMouseDownCoord.x, HMagnetized2, W);
    T = snap(T, area.bottom, cursor.y, FOnMouseDownCoord.y, VMagnetized2, H);
    if (withShadow) {
        if (!HMagnetized2)
            L += border->LeftSize;
        if (!VMagnetized2)
            T += border->TopSize;
    }
}

POINT TskFormSkin::GetPositionInMonitor(int X, int Y, int W, int H)
{
    if (PositionInMonitor == TskPositionInMonitor::skpDefault)
        return POINT{X, Y};
    const RECT area = MonitorArea(PositionInMonitor == TskPositionInMonitor::skpScreenCenter);
    return POINT{area.left + WidthOfRect(area) / 2 - W / 2, area.top + HeightOfRect(area) / 2 - H / 2};
}

void TskFormSkin::ApplyPositionInMonitor()
{
    if (PositionInMonitor == TskPositionInMonitor::skpDefault)
        return;
    const POINT p = GetPositionInMonitor(FForm->GetLeft(), FForm->GetTop(), FForm->GetWidth(), FForm->GetHeight());
    FForm->SetBounds(p.x, p.y, FForm->GetWidth(), FForm->GetHeight());
}

void TskFormSkin::SetAlphaBlend(bool Value)
{
    if (Value == FAlphaBlend)
        return;
    FAlphaBlend = Value;
    if (!(ComponentState() == TComponentState{}) || !FForm->HandleAllocated())
        return;
    const HWND hwnd = FForm->GetHandle();
    const LONG ex = GetWindowLong(hwnd, GWL_EXSTYLE);
    if (Value) {
        SetWindowLong(hwnd, GWL_EXSTYLE, ex | WS_EX_LAYERED);
        SetLayeredAlpha(hwnd, FAlphaBlendValue);
    } else {
        SetWindowLong(hwnd, GWL_EXSTYLE, ex & ~static_cast<LONG>(WS_EX_LAYERED));
    }
}

void TskFormSkin::SetAlphaBlendValue(BYTE Value)
{
    if (Value == FAlphaBlendValue)
        return;
    FAlphaBlendValue = Value;
    if (FAlphaBlend && ComponentState() == TComponentState{} && FForm->HandleAllocated())
        SetLayeredAlpha(FForm->GetHandle(), Value);
}

void TskFormSkin::StartShowFade()
{
    const HWND hwnd = FForm->GetHandle();
    SetWindowLong(hwnd, GWL_EXSTYLE, GetWindowLong(hwnd, GWL_EXSTYLE) | WS_EX_LAYERED);
    SetLayeredWindowAttributes(hwnd, 0, 0, LWA_ALPHA);
    FBorderLayer->CheckFormAlpha(0, false);
    SetTimer(hwnd, 1, 1, nullptr);
}

void TskFormSkin::ShowFadeTick()
{
    const HWND hwnd = FForm->GetHandle();
    KillTimer(hwnd, 1);
    const bool animateAll = FSD && FSD->AnimationForAllWindows();
    if (!FAlphaBlend && !AlphaBlendAnimation && !animateAll)
        return;
    const bool animation = AlphaBlendAnimation || animateAll;
    const int target = animation && !FAlphaBlend ? 255 : FAlphaBlendValue;
    if (animation) {
        const int step = std::max(1, target / 15);
        const std::shared_ptr<bool> alive = FAlive;
        Application->ProcessMessages();
        // Each step waits on the clock; the fade ends at its target or when the form is gone.
        int alpha = 0;
        std::uint64_t last = GetTickCount64();
        while (alpha < target) {
            if (!*alive || !FForm || !IsWindow(hwnd))
                return;
            alpha = std::min(target, alpha + step);
            SetLayeredAlpha(hwnd, alpha);
            FBorderLayer->CheckFormAlpha(alpha, true);
            if (alpha < target) {
                WaitUntilTick(last + 6);
                last = GetTickCount64();
            }
        }
    } else if (target != 255) {
        SetLayeredAlpha(hwnd, target);
    }
    FBorderLayer->CheckFormAlpha(target, true);
    if (target == 255)
        SetWindowLong(hwnd, GWL_EXSTYLE, GetWindowLong(hwnd, GWL_EXSTYLE) & ~static_cast<LONG>(WS_EX_LAYERED));
}

void TskFormSkin::SetTrayIcon(TskFrameTrayIcon* Value)
{
    if (FTrayIconComponent)
        FTrayIconComponent->RemoveFreeNotification(this);
    FTrayIcon = Value;
    // Kept as a component so that its going is seen even from its destructor.
    FTrayIconComponent = dynamic_cast<TComponent*>(Value);
    if (FTrayIconComponent)
        FTrayIconComponent->FreeNotification(this);
    if (FTrayIcon && !AlwaysShowInTray)
        FTrayIcon->HideIcon();
    if (FTrayIcon)
        FTrayIcon->SetMinimizeToTrayMark(false);
    if (FTrayIcon && !ComponentState().Contains(csDesigning))
        FTrayIcon->AdoptFrameMenu(FSysTrayMenu.get(), [this] { RestoreFromTray(); });
}

void TskFormSkin::MinimizeToTray()
{
    if (!FTrayIcon)
        return;
    FTrayIcon->SetMinimizeToTrayMark(true);
    Application->Minimize();
    if (auto handler = OnMinimizeToTray)
        handler(this);
}

void TskFormSkin::RestoreFromTray()
{
    if (!FTrayIcon)
        return;
    FTrayIcon->SetMinimizeToTrayMark(false);
    FTrayIcon->ShowMainForm();
    Application->Restore();
    if (!AlwaysShowInTray)
        FTrayIcon->HideIcon();
    if (auto handler = OnRestoreFromTray)
        handler(this);
}
