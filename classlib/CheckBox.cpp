#include "classlib/StdCtrls.h"
#include "platform/gdi/Gdi.h"
#include "platform/win/Rect.h"

#include "classlib/Frame3D.h"
#include "platform/window/User.h"

namespace {

constexpr int kBoxSize = 13;

// The box and the text area of a check or radio box.
void layout(TControl* c, TAlignment alignment, RECT& box, RECT& text)
{
    RECT r = c->GetClientRect();
    const int top = (r.bottom - kBoxSize) / 2;
    if (alignment == TAlignment::taLeftJustify) {
        box = RECT{r.right - kBoxSize, top, r.right, top + kBoxSize};
        text = RECT{0, 0, r.right - kBoxSize - 4, r.bottom};
    } else {
        box = RECT{0, top, kBoxSize, top + kBoxSize};
        text = RECT{kBoxSize + 4, 0, r.right, r.bottom};
    }
}

// The shared mouse handling of check and radio boxes: a click inside calls `toggle`.
bool clickedInside(TControl* c, TMessage& Message)
{
    if (!c->ControlState().Contains(csClicked))
        return false;
    c->SetControlState(c->ControlState() - TControlState{csClicked});
    RECT r = c->GetClientRect();
    return PtInRect(&r, POINT{GET_X_LPARAM(Message.LParam), GET_Y_LPARAM(Message.LParam)}) != FALSE;
}

} // namespace

// --- TCheckBox -------------------------------------------------------------------------------

TCheckBox::TCheckBox(TComponent* AOwner) : TCustomControl(AOwner)
{
    FControlStyle = TControlStyle{csSetCaption, csCaptureMouse, csClickEvents};
    SetBounds(0, 0, 97, 17);
    SetTabStop(true);
}

void TCheckBox::SetState(TCheckBoxState Value)
{
    if (Value == FState)
        return;
    FState = Value;
    Invalidate();
    Click();
}

void TCheckBox::Toggle()
{
    switch (FState) {
    case TCheckBoxState::cbUnchecked:
        SetState(TCheckBoxState::cbChecked);
        break;
    case TCheckBoxState::cbChecked:
        SetState(FAllowGrayed ? TCheckBoxState::cbGrayed : TCheckBoxState::cbUnchecked);
        break;
    case TCheckBoxState::cbGrayed:
        SetState(TCheckBoxState::cbUnchecked);
        break;
    }
}

void TCheckBox::SetAlignment(TAlignment Value)
{
    if (Value == FAlignment)
        return;
    FAlignment = Value;
    Invalidate();
}

void TCheckBox::Paint()
{
    TCanvas* c = Canvas();
    c->Brush()->SetColor(GetColor());
    c->FillRect(GetClientRect());
    RECT box, text;
    layout(this, FAlignment, box, text);
    RECT frame = box;
    Frame3D(c, frame, clBtnShadow, clBtnHighlight, 1);
    c->Brush()->SetColor(GetEnabled() ? clWindow : clBtnFace);
    c->FillRect(frame);
    if (FState != TCheckBoxState::cbUnchecked) {
        c->Pen()->SetColor(FState == TCheckBoxState::cbGrayed || !GetEnabled() ? clGrayText : clWindowText);
        for (int i = 0; i < 2; ++i) {
            c->MoveTo(box.left + 3, box.top + 5 + i);
            c->LineTo(box.left + 5, box.top + 7 + i);
            c->LineTo(box.left + 10, box.top + 2 + i);
        }
    }
    c->Font()->Assign(Font());
    if (!GetEnabled())
        c->Font()->SetColor(clGrayText);
    c->Brush()->SetStyle(TBrushStyle::bsClear);
    const std::string caption = GetCaption();
    c->TextRect(text, caption, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
    if (Focused() && !caption.empty()) {
        RECT f = text;
        c->TextRect(f, caption, DT_CALCRECT | DT_LEFT | DT_SINGLELINE);
        const int h = f.bottom - f.top;
        f.top = (text.bottom - h) / 2 - 1;
        f.bottom = f.top + h + 2;
        f.left -= 1;
        f.right += 1;
        c->Brush()->SetStyle(TBrushStyle::bsSolid);
        c->DrawFocusRect(f);
    }
}

void TCheckBox::KeyUp(WORD& Key, TShiftState Shift)
{
    if (Key == VK_SPACE) {
        auto alive = AliveToken();
        Toggle();
        if (!*alive)
            return;
    }
    TCustomControl::KeyUp(Key, Shift);
}

void TCheckBox::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_LBUTTONDOWN:
        if (CanFocus() && !Focused())
            SetFocus();
        TCustomControl::Dispatch(Message);
        break;
    case WM_LBUTTONUP: {
        // A click toggles; the state change fires OnClick (not the plain click handling).
        const bool toggle = clickedInside(this, Message);
        TCustomControl::Dispatch(Message);
        if (toggle)
            Toggle();
        break;
    }
    case CM_DIALOGCHAR:
        if (IsAccel(static_cast<char32_t>(Message.WParam), GetCaption()) && CanFocus()) {
            Message.Result = 1;
            SetFocus();
            Toggle();
            break;
        }
        TCustomControl::Dispatch(Message);
        break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case CM_TEXTCHANGED:
    case CM_ENABLEDCHANGED:
        Invalidate();
        TCustomControl::Dispatch(Message);
        break;
    default:
        TCustomControl::Dispatch(Message);
        break;
    }
}

// --- TRadioButton ----------------------------------------------------------------------------

TRadioButton::TRadioButton(TComponent* AOwner) : TCustomControl(AOwner)
{
    FControlStyle = TControlStyle{csSetCaption, csCaptureMouse, csClickEvents};
    SetBounds(0, 0, 113, 17);
}

void TRadioButton::SetChecked(bool Value)
{
    if (Value == FChecked)
        return;
    FChecked = Value;
    SetTabStop(Value);
    Invalidate();
    if (!Value)
        return;
    if (TWinControl* parent = GetParent())
        for (int i = 0; i < parent->ControlCount(); ++i)
            if (auto* other = dynamic_cast<TRadioButton*>(parent->Controls(i)); other && other != this)
                other->SetChecked(false);
    Click();
}

void TRadioButton::Paint()
{
    TCanvas* c = Canvas();
    c->Brush()->SetColor(GetColor());
    c->FillRect(GetClientRect());
    RECT box, text;
    layout(this, TAlignment::taRightJustify, box, text);
    c->Pen()->SetColor(clBtnShadow);
    c->Brush()->SetColor(GetEnabled() ? clWindow : clBtnFace);
    c->Ellipse(box);
    if (FChecked) {
        c->Pen()->SetColor(GetEnabled() ? clWindowText : clGrayText);
        c->Brush()->SetColor(GetEnabled() ? clWindowText : clGrayText);
        c->Ellipse(box.left + 4, box.top + 4, box.right - 4, box.bottom - 4);
    }
    c->Font()->Assign(Font());
    if (!GetEnabled())
        c->Font()->SetColor(clGrayText);
    c->Brush()->SetStyle(TBrushStyle::bsClear);
    c->TextRect(text, GetCaption(), DT_LEFT | DT_VCENTER | DT_SINGLELINE);
    if (Focused()) {
        RECT f = text;
        f.top += 1;
        f.bottom -= 1;
        c->Brush()->SetStyle(TBrushStyle::bsSolid);
        c->DrawFocusRect(f);
    }
}

void TRadioButton::KeyUp(WORD& Key, TShiftState Shift)
{
    if (Key == VK_SPACE) {
        auto alive = AliveToken();
        SetChecked(true);
        if (!*alive)
            return;
    }
    TCustomControl::KeyUp(Key, Shift);
}

void TRadioButton::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_LBUTTONDOWN:
        if (CanFocus() && !Focused())
            SetFocus();
        TCustomControl::Dispatch(Message);
        break;
    case WM_LBUTTONUP: {
        const bool check = clickedInside(this, Message);
        TCustomControl::Dispatch(Message);
        if (check)
            SetChecked(true);
        break;
    }
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case CM_TEXTCHANGED:
    case CM_ENABLEDCHANGED:
        Invalidate();
        TCustomControl::Dispatch(Message);
        break;
    default:
        TCustomControl::Dispatch(Message);
        break;
    }
}
