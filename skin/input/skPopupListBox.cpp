// TskPopupListBox: the combo box's list in a pop-up tool window that never takes the activation,
// optionally translucent and faded in on the replaceable clock.

#include "skin/input/skSkinComboBox.h"

#include "classlib/Forms.h"
#include "platform/kernel/Clock.h"
#include "platform/win/Rect.h"
#include "platform/window/User.h"
#include "skin/core/skMonitors.h"

TskPopupListBox::TskPopupListBox(TComponent* AOwner) : TskSkinListBox(AOwner), FAlive(std::make_shared<bool>(true))
{
    FControlStyle << csAcceptsControls;
    SetVisible(false);
}

TskPopupListBox::~TskPopupListBox()
{
    *FAlive = false;
}

void TskPopupListBox::CreateParams(TCreateParams& Params)
{
    TskSkinListBox::CreateParams(Params);
    Params.Style = WS_POPUP | WS_CLIPCHILDREN;
    Params.ExStyle = WS_EX_TOOLWINDOW;
    // Kept as flags; the platform may ignore them.
    Params.ClassStyle |= CS_SAVEBITS | CS_DROPSHADOW;
}

void TskPopupListBox::Dispatch(TMessage& Message)
{
    if (Message.Msg == WM_MOUSEACTIVATE) {
        Message.Result = MA_NOACTIVATE;
        return;
    }
    TskSkinListBox::Dispatch(Message);
}

void TskPopupListBox::Show(POINT Origin)
{
    auto* combo = dynamic_cast<TskSkinCustomComboBox*>(GetOwner());
    HWND h = GetHandle();
    bool fade = false;
    if (combo) {
        const bool blend = combo->GetAlphaBlend();
        const LONG ex = GetWindowLong(h, GWL_EXSTYLE);
        const bool added = blend && !FOldAlphaBlend;
        if (added)
            SetWindowLong(h, GWL_EXSTYLE, ex | WS_EX_LAYERED);
        else if (!blend && FOldAlphaBlend)
            SetWindowLong(h, GWL_EXSTYLE, ex & ~WS_EX_LAYERED);
        FOldAlphaBlend = blend;
        // A window that gains the layered style shows nothing until it has an alpha: apply it
        // whenever the style is added, not only when the value changed.
        if (blend && (added || FOldAlphaBlendValue != combo->GetAlphaBlendValue())) {
            if (combo->GetAlphaBlendAnimation()) {
                SetLayeredAlpha(h, 0);
                FOldAlphaBlendValue = 0;
            } else {
                SetLayeredAlpha(h, combo->GetAlphaBlendValue());
                FOldAlphaBlendValue = combo->GetAlphaBlendValue();
            }
        }
        fade = blend && combo->GetAlphaBlendAnimation();
    }
    SetWindowPos(h, HWND_TOP, Origin.x, Origin.y, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    SetVisible(true);
    if (fade)
        FadeIn(combo->GetAlphaBlendValue());
}

void TskPopupListBox::FadeIn(int Value)
{
    // The fade lets messages run between its steps: the list or its combo box may be destroyed
    // meanwhile, and then the fade stops without touching either.
    std::shared_ptr<bool> alive = FAlive;
    HWND h = GetHandle();
    Application->ProcessMessages();
    const int step = Value / 15 > 0 ? Value / 15 : 1;
    int alpha = 0;
    DWORD last = 0;
    bool first = true;
    while (*alive && IsWindow(h)) {
        const DWORD now = GetTickCount();
        if (first || now - last > 5) {
            first = false;
            last = now;
            alpha = std::min(alpha + step, Value);
            SetLayeredAlpha(h, alpha);
            if (auto observer = OnFadeStep)
                observer(alpha);
            if (!*alive)
                break;
        }
        if (alpha >= Value)
            break;
        Application->ProcessMessages();
    }
}

void TskPopupListBox::Hide()
{
    if (HandleAllocated())
        SetWindowPos(GetHandle(), nullptr, 0, 0, 0, 0,
                     SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_HIDEWINDOW);
    SetVisible(false);
}
