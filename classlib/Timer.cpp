#include "classlib/ExtCtrls.h"
#include "platform/gdi/Gdi.h"
#include "platform/win/Rect.h"

#include "classlib/UtilityWindow.h"
#include "platform/window/User.h"

namespace {

constexpr UINT_PTR kTimerId = 1;

} // namespace

TTimer::TTimer(TComponent* AOwner) : TComponent(AOwner)
{
    updateTimer();
}

TTimer::~TTimer()
{
    *FAlive = false;
    stop();
}

void TTimer::BeforeDestruction()
{
    *FAlive = false;
    stop();
    TComponent::BeforeDestruction();
}

void TTimer::stop()
{
    if (FRunning && FWindow)
        KillTimer(FWindow->Handle(), kTimerId);
    FRunning = false;
}

void TTimer::updateTimer()
{
    stop();
    if (!FEnabled || FInterval == 0 || ComponentState().Contains(csDesigning))
        return;
    if (!FWindow) {
        FWindow = std::make_unique<TUtilityWindow>([this](TMessage& m) {
            if (m.Msg != WM_TIMER)
                return false;
            Timer();  // may free this timer (and with it this window)
            return true;
        });
    }
    FRunning = SetTimer(FWindow->Handle(), kTimerId, FInterval, nullptr) != 0;
}

void TTimer::SetEnabled(bool Value)
{
    if (Value == FEnabled)
        return;
    FEnabled = Value;
    updateTimer();
}

void TTimer::SetInterval(UINT Value)
{
    if (Value == FInterval)
        return;
    FInterval = Value;
    updateTimer();
}

void TTimer::Timer()
{
    if (!FEnabled)
        return;
    // A copy: the handler may free the timer and with it OnTimer.
    if (auto handler = OnTimer)
        handler(this);
}
