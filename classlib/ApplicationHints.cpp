#include "classlib/Forms.h"
#include "platform/gdi/Gdi.h"
#include "platform/win/Rect.h"

#include "platform/window/User.h"

// Hints: the pointer resting HintPause ms over a control with ShowHint and a hint shows the
// hint window below the pointer for HintHidePause ms; moving to another control while a hint
// shows waits only HintShortPause. Any press, key or activation cancels the hint.

namespace {

constexpr UINT_PTR kHintTimer = 1;

// The part of a hint before "|".
std::string shortHint(const std::string& hint)
{
    std::size_t bar = hint.find('|');
    return bar == std::string::npos ? hint : hint.substr(0, bar);
}

} // namespace

void TApplication::SetShowHint(bool Value)
{
    if (Value == FShowHint)
        return;
    FShowHint = Value;
    if (!Value) {
        CancelHint();
        if (FHintWindow) {
            THintWindow* w = FHintWindow;
            FHintWindow = nullptr;
            w->Free();
        }
    }
}

void TApplication::SetHintColor(TColor Value)
{
    FHintColor = Value;
    if (FHintWindow)
        FHintWindow->SetColor(Value);
}

void TApplication::startHintTimer(int Ms, bool ToShow)
{
    FHintTimerShows = ToShow;
    FHintTimerRunning = true;
    SetTimer(Handle(), kHintTimer, static_cast<UINT>(std::max(Ms, 1)), nullptr);
}

void TApplication::stopHintTimer()
{
    if (FHintTimerRunning && FWindow)
        KillTimer(Handle(), kHintTimer);
    FHintTimerRunning = false;
}

void TApplication::CancelHint()
{
    stopHintTimer();
    if (FHintActive && FHintWindow)
        FHintWindow->ReleaseHint();
    FHintActive = false;
    FHintControl = nullptr;
    FHintCursorRect = RECT{};
}

void TApplication::ControlDestroyed(TControl* Control)
{
    if (Control == FHintControl)
        CancelHint();
    if (Control == FHintWindow)
        FHintWindow = nullptr;
    if (Control == FMainForm)
        FMainForm = nullptr;
}

void TApplication::HintMouseMessage(TControl* Control, TMessage& Message)
{
    if (Control == FHintWindow)
        return;
    TControl* hintControl = Control;
    while (hintControl && !hintControl->GetShowHint())
        hintControl = hintControl->GetParent();
    if (!hintControl || !FShowHint) {
        CancelHint();
        return;
    }
    POINT screen = Control->ClientToScreen(POINT{GET_X_LPARAM(Message.LParam), GET_Y_LPARAM(Message.LParam)});
    POINT local = hintControl->ScreenToClient(screen);
    if (hintControl != FHintControl || !PtInRect(&FHintCursorRect, local)) {
        const bool wasActive = FHintActive;
        CancelHint();
        FHintControl = hintControl;
        startHintTimer(wasActive ? FHintShortPause : FHintPause, true);
    }
}

void TApplication::showHintNow()
{
    TControl* control = FHintControl;
    if (!control)
        return;
    POINT cursor{};
    GetCursorPos(&cursor);
    THintInfo info;
    info.HintControl = control;
    info.CursorPos = control->ScreenToClient(cursor);
    info.CursorRect = control->GetClientRect();
    info.HintPos = POINT{cursor.x, cursor.y + GetSystemMetrics(SM_CYCURSOR) / 2 + 4};
    info.HintMaxWidth = Screen ? Screen->GetWidth() : GetSystemMetrics(SM_CXSCREEN);
    info.HintColor = FHintColor;
    info.HideTimeout = FHintHidePause;
    info.HintStr = shortHint(control->GetHint());
    bool canShow = control->Perform(CM_HINTSHOW, 0, reinterpret_cast<LPARAM>(&info)) == 0;
    if (canShow)
        if (auto handler = OnShowHint)
            handler(info.HintStr, canShow, info);
    FHintActive = canShow && !info.HintStr.empty();
    if (!FHintActive)
        return;
    if (!FHintWindow)
        FHintWindow = HintWindowClass(this);
    FHintWindow->SetColor(info.HintColor);
    RECT r = FHintWindow->CalcHintRect(info.HintMaxWidth, info.HintStr);
    OffsetRect(&r, info.HintPos.x, info.HintPos.y);
    FHintWindow->ActivateHint(r, info.HintStr);
    FHintCursorRect = info.CursorRect;
    if (info.HideTimeout > 0)
        startHintTimer(info.HideTimeout, false);
}

bool TApplication::isHintMsg(MSG& Msg)
{
    if (!FHintControl)
        return false;
    switch (Msg.message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_NCLBUTTONDOWN:
    case WM_NCRBUTTONDOWN:
    case WM_ACTIVATE:
    case WM_MOUSEWHEEL:
        CancelHint();
        break;
    }
    return false;
}
