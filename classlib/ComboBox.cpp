#include "classlib/ComboBox.h"

#include "classlib/Canvas.h"
#include "classlib/Frame3D.h"
#include "platform/win/Rect.h"
#include "platform/window/Keys.h"

TComboBox::TComboBox(TComponent* AOwner) : TCustomControl(AOwner), FItems(std::make_unique<TStringList>())
{
    FControlStyle = TControlStyle{csCaptureMouse, csClickEvents, csOpaque};
    SetBounds(0, 0, 145, 21);
    SetColor(clWindow);
    SetTabStop(true);
    FItems->OnChange = [this](TObject*) {
        if (FItemIndex >= FItems->Count())
            FItemIndex = -1;
        Invalidate();
    };
}

TComboBox::~TComboBox() = default;

void TComboBox::SetItemIndex(int Value)
{
    if (Value < 0 || Value >= FItems->Count())
        Value = -1;
    if (Value == FItemIndex)
        return;
    FItemIndex = Value;
    Invalidate();
}

std::string TComboBox::GetText() const
{
    return FItemIndex >= 0 ? FItems->Strings(FItemIndex) : std::string();
}

void TComboBox::KeyDown(WORD& Key, TShiftState Shift)
{
    TCustomControl::KeyDown(Key, Shift);
    int step = 0;
    if (Key == VK_DOWN)
        step = 1;
    else if (Key == VK_UP)
        step = -1;
    const int next = FItemIndex + step;
    if (step == 0 || next < 0 || next >= FItems->Count())
        return;
    SetItemIndex(next);
    // A copy runs, so the handler may free the box.
    if (const TNotifyEvent handler = OnChange)
        handler(this);
}

void TComboBox::Paint()
{
    TCanvas* c = Canvas();
    RECT r = GetClientRect();
    c->Brush()->SetColor(GetColor());
    c->FillRect(r);
    Frame3D(c, r, clBtnShadow, clBtnHighlight, 1);
    // The drop button at the right with its downward triangle.
    const int side = r.bottom - r.top;
    RECT button{r.right - side, r.top, r.right, r.bottom};
    c->Brush()->SetColor(clBtnFace);
    c->FillRect(button);
    c->Pen()->SetColor(clBtnText);
    const int cx = (button.left + button.right) / 2, cy = (button.top + button.bottom) / 2;
    for (int i = 0; i < 4; ++i) {
        c->MoveTo(cx - 3 + i, cy - 2 + i);
        c->LineTo(cx + 4 - i, cy - 2 + i);
    }
    c->Font()->Assign(Font());
    RECT text{r.left + 2, r.top, button.left, r.bottom};
    c->Brush()->SetColor(GetColor());
    c->TextRect(text, text.left, text.top + (side - c->TextHeight("Wg")) / 2, GetText());
}
