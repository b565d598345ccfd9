#include "classlib/StdCtrls.h"
#include "platform/gdi/Gdi.h"
#include "platform/win/Rect.h"

#include "classlib/Forms.h"
#include "classlib/Frame3D.h"
#include "platform/window/User.h"

TButton::TButton(TComponent* AOwner) : TCustomControl(AOwner)
{
    FControlStyle = TControlStyle{csSetCaption, csCaptureMouse, csClickEvents, csOpaque};  // a second quick press clicks again
    SetBounds(0, 0, 75, 25);
    SetTabStop(true);
    SetColor(clBtnFace);
}

void TButton::SetDefault(bool Value)
{
    FDefault = Value;
    // Every button of the form decides again whether it answers Enter.
    if (HandleAllocated())
        if (TCustomForm* form = GetParentForm(this))
            form->Perform(CM_FOCUSCHANGED, 0, reinterpret_cast<LPARAM>(form->GetActiveControl()));
}

void TButton::Click()
{
    auto alive = AliveToken();
    if (TCustomForm* form = GetParentForm(this))
        form->SetModalResult(FModalResult);
    if (*alive)
        TCustomControl::Click();
}

void TButton::Paint()
{
    TCanvas* c = Canvas();
    RECT r = GetClientRect();
    const bool focused = Focused();
    if (FActive || focused) {
        c->Brush()->SetColor(clWindowFrame);
        c->FrameRect(r);
        InflateRect(&r, -1, -1);
    }
    if (FPressed) {
        c->Brush()->SetColor(clBtnShadow);
        c->FrameRect(r);
        InflateRect(&r, -1, -1);
        c->Brush()->SetColor(GetColor());
        c->FillRect(r);
    } else {
        Frame3D(c, r, clBtnHighlight, cl3DDkShadow, 1);
        RECT inner = r;
        Frame3D(c, inner, cl3DLight, clBtnShadow, 1);
        c->Brush()->SetColor(GetColor());
        c->FillRect(inner);
        r = inner;
    }
    RECT text = GetClientRect();
    if (FPressed)
        OffsetRect(&text, 1, 1);
    c->Font()->Assign(Font());
    c->Brush()->SetStyle(TBrushStyle::bsClear);
    if (!GetEnabled())
        c->Font()->SetColor(clGrayText);
    c->TextRect(text, GetCaption(), DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    if (focused) {
        RECT f = GetClientRect();
        InflateRect(&f, -4, -4);
        c->Brush()->SetStyle(TBrushStyle::bsSolid);
        c->Brush()->SetColor(GetColor());
        c->DrawFocusRect(f);
    }
}

void TButton::KeyDown(WORD& Key, TShiftState Shift)
{
    if (Key == VK_SPACE && !FSpaceDown) {
        FSpaceDown = true;
        FPressed = true;
        Invalidate();
    }
    TCustomControl::KeyDown(Key, Shift);
}

void TButton::KeyUp(WORD& Key, TShiftState Shift)
{
    if (Key == VK_SPACE && FSpaceDown) {
        FSpaceDown = false;
        FPressed = false;
        Invalidate();
        auto alive = AliveToken();
        Click();
        if (!*alive)
            return;
    }
    TCustomControl::KeyUp(Key, Shift);
}

void TButton::MouseMove(TShiftState Shift, int X, int Y)
{
    if (ControlState().Contains(csLButtonDown)) {
        RECT r = GetClientRect();
        const bool inside = PtInRect(&r, POINT{X, Y}) != FALSE;
        if (inside != FPressed) {
            FPressed = inside;
            Invalidate();
        }
    }
    TCustomControl::MouseMove(Shift, X, Y);
}

void TButton::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_LBUTTONDOWN:
        if (CanFocus() && !Focused())
            SetFocus();
        FPressed = true;
        Invalidate();
        TCustomControl::Dispatch(Message);
        break;
    case WM_LBUTTONUP:
        FPressed = false;
        Invalidate();
        TCustomControl::Dispatch(Message);
        break;
    case CM_DIALOGKEY: {
        const bool enter = Message.WParam == VK_RETURN && FActive;
        const bool escape = Message.WParam == VK_ESCAPE && FCancel;
        if ((enter || escape) && KeyDataToShiftState(Message.LParam).Empty() && CanFocus()) {
            Message.Result = 1;
            Click();
            break;
        }
        TCustomControl::Dispatch(Message);
        break;
    }
    case CM_DIALOGCHAR:
        if (IsAccel(static_cast<char32_t>(Message.WParam), GetCaption()) && CanFocus()) {
            Message.Result = 1;
            SetFocus();
            Click();
            break;
        }
        TCustomControl::Dispatch(Message);
        break;
    case CM_FOCUSCHANGED: {
        auto* focused = reinterpret_cast<TWinControl*>(Message.LParam);
        const bool active = dynamic_cast<TButton*>(focused) ? focused == this : FDefault;
        if (active != FActive) {
            FActive = active;
            Invalidate();
        }
        TCustomControl::Dispatch(Message);
        break;
    }
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        if (Message.Msg == WM_KILLFOCUS && FPressed) {
            FPressed = false;
            FSpaceDown = false;
        }
        Invalidate();
        TCustomControl::Dispatch(Message);
        break;
    case CM_ENABLEDCHANGED:
    case CM_TEXTCHANGED:
        Invalidate();
        TCustomControl::Dispatch(Message);
        break;
    default:
        TCustomControl::Dispatch(Message);
        break;
    }
}
