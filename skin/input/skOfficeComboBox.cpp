#include "skin/input/skSkinOfficeCtrls.h"

#include "classlib/Bitmap.h"
#include "platform/win/Rect.h"
#include "platform/window/User.h"

#include "platform/window/Input.h"
#include "platform/window/Timers.h"
#include "platform/window/WindowPos.h"
#include "skin/core/skMonitors.h"
#include "skin/form/skSkinChange.h"

TskSkinCustomOfficeComboBox::TskSkinCustomOfficeComboBox(TComponent* AOwner) : TskSkinCustomControl(AOwner)
{
    FControlStyle = TControlStyle{csAcceptsControls, csCaptureMouse, csOpaque, csDoubleClicks};
    FListBox = new TskPopupOfficeListBox(this);
    SetTabStop(true);
    Font()->SetName("Arial");
    Font()->SetColor(clWindowText);
    Font()->SetStyle(TFontStyles{});
    Font()->SetHeight(14);
    SetBounds(FLeft, FTop, 120, 41);
    FListBoxWindowProc = FListBox->WindowProc;
    FListBox->WindowProc = [this](TMessage& Message) { ListBoxHook(Message); };
    FListBox->SetVisible(false);
    FListBox->SetMouseMoveChangeIndex(true);
    if (!ComponentState().Contains(csDesigning))
        FListBox->SetParent(this);
    CalcRects();
    SetSkinDataName("combobox");
}

TskSkinCustomOfficeComboBox::~TskSkinCustomOfficeComboBox()
{
    StopTimer();
    // The drop-down goes first, with its own window procedure back: nothing reaches this
    // half-destroyed control through the hook.
    TskPopupOfficeListBox* list = FListBox;
    FListBox = nullptr;
    if (list) {
        list->WindowProc = FListBoxWindowProc;
        list->Free();
    }
}

void TskSkinCustomOfficeComboBox::Notification(TComponent* AComponent, TOperation Operation)
{
    TskSkinCustomControl::Notification(AComponent, Operation);
    if (Operation != TOperation::opRemove || !FListBox)
        return;
    if (AComponent == FListBox)
        FListBox = nullptr;
    else if (AComponent == FListBox->GetImages())
        FListBox->SetImages(nullptr);
}

// --- properties ----------------------------------------------------------------------------------

void TskSkinCustomOfficeComboBox::SetItemIndex(int Value)
{
    FListBox->SetItemIndex(Value);
    FOldItemIndex = FListBox->GetItemIndex();
    Repaint();
    if (ComponentState().Contains(csDesigning) || ComponentState().Contains(csLoading))
        return;
    if (OnClick)
        OnClick(this);
    Change();
}

void TskSkinCustomOfficeComboBox::Change()
{
    if (OnChange)
        OnChange(this);
}

void TskSkinCustomOfficeComboBox::SetShowItemTitle(bool Value)
{
    if (FShowItemTitle == Value)
        return;
    FShowItemTitle = Value;
    Repaint();
}

void TskSkinCustomOfficeComboBox::SetShowItemImage(bool Value)
{
    if (FShowItemImage == Value)
        return;
    FShowItemImage = Value;
    Repaint();
}

void TskSkinCustomOfficeComboBox::SetShowItemText(bool Value)
{
    if (FShowItemText == Value)
        return;
    FShowItemText = Value;
    Repaint();
}

void TskSkinCustomOfficeComboBox::SetDropDownCount(int Value)
{
    if (Value >= 0)
        FDropDownCount = Value;
}

void TskSkinCustomOfficeComboBox::SetToolButtonStyle(bool Value)
{
    if (FToolButtonStyle == Value)
        return;
    FToolButtonStyle = Value;
    if (Value)
        FUseSkinSize = false;
    Repaint();
}

void TskSkinCustomOfficeComboBox::SetDefaultColor(TColor Value)
{
    FDefaultColor = Value;
    if (FIndex == -1)
        Invalidate();
}

void TskSkinCustomOfficeComboBox::SetListBoxSkinDataName(const std::string& Value)
{
    FListBoxSkinDataName = Value;
    FListBox->SetSkinDataName(Value);
}

// --- opening and closing -------------------------------------------------------------------------

void TskSkinCustomOfficeComboBox::DropDown()
{
    if (Items()->Count() == 0)
        return;
    WasInLB = false;
    StopTimer();
    if (OnDropDown)
        OnDropDown(this);
    FListBox->SetWidth(FListBoxWidth != 0 ? FListBoxWidth : FWidth);
    FListBox->OnDrawItem = OnDrawItem;
    POINT p{FLeft + FWidth - FListBox->GetWidth(), FTop + FHeight};
    if (GetParent())
        p = GetParent()->ClientToScreen(p);
    FOldItemIndex = FListBox->GetItemIndex();
    if (FOldItemIndex == 0 && Items()->Count() >= 2) {
        // Brings the list's scroll offset back to the top.
        FListBox->SetItemIndex(1);
        FListBox->SetItemIndex(0);
    }
    FDropDown = true;
    if (FToolButtonStyle)
        Repaint();
    FListBox->SetSkinData(FSD);
    if (FListBoxHeight > 0)
        FListBox->SetHeight(FListBoxHeight);
    else if (FDropDownCount > 0)
        FListBox->SetHeight(FListBox->CalcHeight(FDropDownCount));
    RECT work{};
    GetMonitorAreaOfWindow(GetHandle(), true, work);
    if (p.y + FListBox->GetHeight() > work.bottom)
        p.y = p.y - FHeight - FListBox->GetHeight();
    FListBox->Show(p);
}

void TskSkinCustomOfficeComboBox::CloseUp(bool Value)
{
    StopTimer();
    if (!FListBox->GetVisible())
        return;
    FListBox->Hide();
    const int i = FListBox->GetItemIndex();
    if (Value && i >= 0 && i < Items()->Count()) {
        Repaint();
        if (OnClick)
            OnClick(this);
        Change();
    } else {
        FListBox->SetItemIndex(FOldItemIndex);
    }
    FDropDown = false;
    Repaint();
    if (Value && OnCloseUp)
        OnCloseUp(this);
}

// --- the drop-down's messages ------------------------------------------------------------------

void TskSkinCustomOfficeComboBox::ListBoxHook(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_LBUTTONDOWN:
        // The row under the press is the one the release accepts, whether or not the pointer
        // moved over it first.
        FListBox->Perform(WM_MOUSEMOVE, 0, Message.LParam);
        FLBDown = true;
        WasInLB = true;
        SetCapture(GetHandle());
        return;
    case WM_LBUTTONUP:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
        return;
    case WM_MOUSEACTIVATE:
        Message.Result = MA_NOACTIVATE;
        break;
    default:
        break;
    }
    FListBoxWindowProc(Message);
}

// --- mouse ---------------------------------------------------------------------------------------

void TskSkinCustomOfficeComboBox::MouseDown(TMouseButton AButton, TShiftState Shift, int X, int Y)
{
    TskSkinCustomControl::MouseDown(AButton, Shift, X, Y);
    if (!Focused() && CanFocus())
        SetFocus();
    if (AButton != TMouseButton::mbLeft)
        return;
    const bool hit = Button.MouseIn || PtInRect(&CBItem.R, POINT{X, Y}) || FToolButtonStyle;
    if (hit) {
        Button.Down = true;
        Repaint();
        if (!FListBox->GetVisible()) {
            WasInLB = false;
            FLBDown = true;
            DropDown();
            return;
        }
    }
    if (FListBox->GetVisible())
        CloseUp(false);
}

void TskSkinCustomOfficeComboBox::TrackListBox()
{
    POINT p{};
    GetCursorPos(&p);
    p = FListBox->ScreenToClient(p);
    const bool bar = FListBox->GetScrollBar() != nullptr;
    if (p.y < 0 && bar && WasInLB) {
        StartTimer(1);
    } else if (p.y > FListBox->GetHeight() && bar && WasInLB) {
        StartTimer(2);
    } else if (p.y >= 0 && p.y <= FListBox->GetHeight()) {
        StopTimer();
        FListBox->Perform(WM_MOUSEMOVE, 0, MAKELPARAM(p.x, p.y));
        WasInLB = true;
        if (!FLBDown) {
            FLBDown = true;
            WasInLB = false;
        }
    }
}

void TskSkinCustomOfficeComboBox::MouseMove(TShiftState Shift, int X, int Y)
{
    TskSkinCustomControl::MouseMove(Shift, X, Y);
    if (FListBox->GetVisible())
        TrackListBox();
    const bool in = PtInRect(&Button.R, POINT{X, Y});
    if (in != Button.MouseIn) {
        Button.MouseIn = in;
        Repaint();
    }
}

void TskSkinCustomOfficeComboBox::MouseUp(TMouseButton AButton, TShiftState Shift, int X, int Y)
{
    if (FLBDown && WasInLB) {
        ReleaseCapture();
        FLBDown = false;
        POINT p{};
        GetCursorPos(&p);
        const bool overList = FListBox->HandleAllocated() && WindowFromPoint(p) == FListBox->GetHandle();
        CloseUp(overList);
    } else {
        FLBDown = false;
    }
    TskSkinCustomControl::MouseUp(AButton, Shift, X, Y);
    if (Button.Down) {
        Button.Down = false;
        Repaint();
    }
}

void TskSkinCustomOfficeComboBox::StartTimer(int Mode)
{
    if (TimerMode == Mode)
        return;
    TimerMode = Mode;
    KillTimer(GetHandle(), 1);
    SetTimer(GetHandle(), 1, 25, nullptr);
}

void TskSkinCustomOfficeComboBox::StopTimer()
{
    if (TimerMode != 0 && HandleAllocated())
        KillTimer(GetHandle(), 1);
    TimerMode = 0;
}

// --- keys ----------------------------------------------------------------------------------------

void TskSkinCustomOfficeComboBox::MoveAndSelect(void (TskSkinOfficeListBox::*Find)())
{
    (FListBox->*Find)();
    SetItemIndex(FListBox->GetItemIndex());
}

void TskSkinCustomOfficeComboBox::KeyDown(WORD& Key, TShiftState Shift)
{
    TskSkinCustomControl::KeyDown(Key, Shift);
    const bool alt = Shift.Contains(ssAlt);
    switch (Key) {
    case VK_RETURN:
        if (IsPopupVisible())
            CloseUp(true);
        break;
    case VK_ESCAPE:
        if (IsPopupVisible())
            CloseUp(false);
        break;
    case VK_PRIOR:
        MoveAndSelect(&TskSkinOfficeListBox::FindPageUp);
        break;
    case VK_NEXT:
        MoveAndSelect(&TskSkinOfficeListBox::FindPageDown);
        break;
    case VK_LEFT:
    case VK_UP:
        if (alt) {
            if (IsPopupVisible())
                CloseUp(false);
        } else {
            MoveAndSelect(&TskSkinOfficeListBox::FindUp);
        }
        break;
    case VK_RIGHT:
    case VK_DOWN:
        if (alt) {
            if (!IsPopupVisible())
                DropDown();
        } else {
            MoveAndSelect(&TskSkinOfficeListBox::FindDown);
        }
        break;
    default:
        break;
    }
}

// --- messages ------------------------------------------------------------------------------------

void TskSkinCustomOfficeComboBox::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_SIZE:
        TskSkinCustomControl::Dispatch(Message);
        CalcRects();
        return;
    case WM_ERASEBKGND:
        if (!FromWMPaint && Message.WParam != 0)
            PaintWindow(reinterpret_cast<HDC>(Message.WParam));
        Message.Result = 1;
        return;
    case WM_SETFOCUS:
        TskSkinCustomControl::Dispatch(Message);
        Repaint();
        return;
    case WM_KILLFOCUS:
        TskSkinCustomControl::Dispatch(Message);
        if (IsPopupVisible())
            CloseUp(false);
        Repaint();
        return;
    case WM_TIMER:
        TskSkinCustomControl::Dispatch(Message);
        if (TimerMode == 1)
            FListBox->FindUp();
        else if (TimerMode == 2)
            FListBox->FindDown();
        return;
    case WM_MOUSEWHEEL:
        TskSkinCustomControl::Dispatch(Message);
        if (GET_WHEEL_DELTA_WPARAM(Message.WParam) > 0)
            FListBox->FindUp();
        else
            FListBox->FindDown();
        if (!IsPopupVisible())
            SetItemIndex(FListBox->GetItemIndex());
        return;
    case CM_ENABLEDCHANGED:
        TskSkinCustomControl::Dispatch(Message);
        Repaint();
        return;
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE: {
        TskSkinCustomControl::Dispatch(Message);
        FMouseIn = Message.Msg == CM_MOUSEENTER;
        if (!FMouseIn && Button.MouseIn) {
            Button.MouseIn = false;
            Repaint();
        }
        if ((FIndex != -1 && !IsRectEmpty(&ActiveSkinRect)) || FToolButtonStyle)
            Invalidate();
        return;
    }
    case CM_CANCELMODE: {
        TskSkinCustomControl::Dispatch(Message);
        // The sender is only compared: it may already be on its way out.
        const auto* sender = reinterpret_cast<const TControl*>(Message.LParam);
        const TControl* bar = FListBox->GetScrollBar();
        if (sender == nullptr || (sender != this && sender != FListBox && sender != bar))
            CloseUp(false);
        return;
    }
    case CM_WANTSPECIALKEY:
        if (DropDownWantsKey(static_cast<unsigned>(Message.WParam), IsPopupVisible())) {
            Message.Result = 1;
            return;
        }
        TskSkinCustomControl::Dispatch(Message);
        return;
    default:
        TskSkinCustomControl::Dispatch(Message);
    }
}
