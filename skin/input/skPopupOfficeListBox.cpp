#include "skin/input/skSkinOfficeCtrls.h"

#include "classlib/Bitmap.h"
#include "platform/win/Rect.h"
#include "platform/window/User.h"

#include "classlib/Forms.h"
#include "platform/kernel/Clock.h"
#include "platform/window/Window.h"
#include "platform/window/WindowPos.h"
#include "skin/core/skMonitors.h"
#include "skin/core/skUtils.h"

#include <algorithm>

TskPopupOfficeListBox::TskPopupOfficeListBox(TComponent* AOwner) : TskSkinOfficeListBox(AOwner)
{
    SetVisible(false);
}

void TskPopupOfficeListBox::CreateParams(TCreateParams& Params)
{
    TskSkinOfficeListBox::CreateParams(Params);
    Params.Style = WS_POPUP | WS_CLIPCHILDREN;
    Params.ExStyle = WS_EX_TOOLWINDOW;
    Params.ClassStyle |= CS_SAVEBITS;
    if (IsWinXPOrVistaPlus())
        Params.ClassStyle |= CS_DROPSHADOW;
}

void TskPopupOfficeListBox::Dispatch(TMessage& Message)
{
    if (Message.Msg == WM_MOUSEACTIVATE) {
        // The form under the drop-down keeps the activation, the combo box the focus.
        Message.Result = MA_NOACTIVATE;
        return;
    }
    TskSkinOfficeListBox::Dispatch(Message);
}

void TskPopupOfficeListBox::Hide()
{
    if (HandleAllocated())
        SetWindowPos(GetHandle(), nullptr, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_HIDEWINDOW);
    SetVisible(false);
}

void TskPopupOfficeListBox::Show(POINT Origin)
{
    auto* combo = dynamic_cast<TskSkinCustomOfficeComboBox*>(GetOwner());
    const HWND h = GetHandle();
    const bool layered = IsWin2000OrLater() && combo;
    if (layered) {
        const LONG ex = GetWindowLong(h, GWL_EXSTYLE);
        if (combo->FAlphaBlend && !FOldAlphaBlend)
            SetWindowLongPtr(h, GWL_EXSTYLE, ex | WS_EX_LAYERED);
        else if (!combo->FAlphaBlend && FOldAlphaBlend)
            SetWindowLongPtr(h, GWL_EXSTYLE, ex & ~static_cast<LONG>(WS_EX_LAYERED));
        FOldAlphaBlend = combo->FAlphaBlend;
        // The alpha goes on whenever the layered style is on, so a new layer never shows blank.
        if (combo->FAlphaBlend) {
            FOldAlphaBlendValue = combo->FAlphaBlendAnimation ? 0 : combo->FAlphaBlendValue;
            SetLayeredAlpha(h, FOldAlphaBlendValue);
        }
    }
    SetWindowPos(h, HWND_TOP, Origin.x, Origin.y, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    SetVisible(true);
    if (layered && combo->FAlphaBlend && combo->FAlphaBlendAnimation)
        FadeIn(combo);
}

void TskPopupOfficeListBox::FadeIn(TskSkinCustomOfficeComboBox* Owner)
{
    Application->ProcessMessages();
    Owner->FLBDown = false;
    const int target = Owner->FAlphaBlendValue;
    const int step = std::max(1, target / 15);
    int alpha = 0;
    // No messages meanwhile; a step at once, then one each time more than 5 ms have passed on
    // the clock in force (a test clock moves itself forward, so the fade always ends).
    for (;;) {
        alpha = std::min(alpha + step, target);
        SetLayeredAlpha(GetHandle(), alpha);
        if (alpha >= target)
            break;
        WaitUntilTick(GetTickCount64() + 6);
    }
    FOldAlphaBlendValue = static_cast<BYTE>(target);
}
