#include "skin/core/TskLayerManager.h"

#include "classlib/Bitmap.h"
#include "platform/window/Layered.h"
#include "platform/window/User.h"
#include "skin/core/TskBitmap.h"
#include "skin/core/skBlur.h"
#include "skin/core/skUtils.h"

#include <algorithm>

void TskLayerWindow::CreateParams(TCreateParams& Params)
{
    TCustomControl::CreateParams(Params);
    Params.Style = WS_POPUP;
    Params.ExStyle = WS_EX_TOOLWINDOW | WS_EX_TRANSPARENT;
    Params.ClassStyle |= CS_SAVEBITS;
}

void TskLayerWindow::WndProc(TMessage& Message)
{
    if (Message.Msg == WM_MOUSEACTIVATE) {
        Message.Result = MA_NOACTIVATE;
        return;
    }
    TCustomControl::WndProc(Message);
}

TskLayerManager::TskLayerManager(TComponent* AOwner) : TComponent(AOwner), Timer(new TTimer(this))
{
    Timer->SetEnabled(false);
    Timer->SetInterval(25);
    Timer->OnTimer = [this](TObject* Sender) { FadeStep(Sender); };
}

TskLayerManager::~TskLayerManager()
{
    FreeAndNil(Timer);
    FreeLayer();
}

void TskLayerManager::Notification(TComponent* AComponent, TOperation Operation)
{
    TComponent::Notification(AComponent, Operation);
    if (Operation != TOperation::opRemove)
        return;
    if (AComponent == Timer)
        Timer = nullptr;
    if (AComponent == LayerWindow)
        LayerWindow = nullptr;
}

void TskLayerManager::FreeLayer()
{
    if (LayerWindow)
        FreeAndNil(LayerWindow);
    delete Bmp;
    Bmp = nullptr;
}

void TskLayerManager::Show(int X, int Y, TBitmap* AImage, TBitmap* AImageMask, int AAlphaBlendValue)
{
    if (!IsWin2000OrLater() || !AImage || !AImageMask)
        return;
    if (IsVisible || LayerWindow)
        Hide();
    IsVisible = true;
    LayerWindow = new TskLayerWindow(this);
    LayerWindow->SetVisible(false);
    LayerWindow->SetBounds(X, Y, AImage->GetWidth(), AImage->GetHeight());
    HWND window = LayerWindow->GetHandle();
    SetWindowLong(window, GWL_EXSTYLE, GetWindowLong(window, GWL_EXSTYLE) | static_cast<LONG>(WS_EX_LAYERED));
    delete Bmp;
    Bmp = new TskBitmap;
    AssignImageWithMask(AImage, AImageMask, Bmp);
    ApplyLayeredBitmap(Bmp, 0, LayerWindow);
    SetWindowPos(window, TopMostMode ? HWND_TOPMOST : HWND_NOTOPMOST, X, Y, 0, 0,
                 SWP_SHOWWINDOW | SWP_NOACTIVATE | SWP_NOSIZE);
    EndAlphaBlendValue = std::clamp(AAlphaBlendValue, 0, 255);
    // At least one step per tick, so every fade reaches its target.
    StepAlphaBlendValue = std::max(EndAlphaBlendValue / 10, 1);
    StartTimer();
}

void TskLayerManager::Hide()
{
    if (!IsWin2000OrLater())
        return;
    StopTimer();
    delete Bmp;
    Bmp = nullptr;
    IsVisible = false;
    if (LayerWindow) {
        SetWindowPos(LayerWindow->GetHandle(), nullptr, 0, 0, 0, 0,
                     SWP_HIDEWINDOW | SWP_NOACTIVATE | SWP_NOZORDER | SWP_NOMOVE | SWP_NOSIZE);
        FreeAndNil(LayerWindow);
    }
}

void TskLayerManager::StartTimer()
{
    BeginAlphaBlendValue = 0;
    if (Timer)
        Timer->SetEnabled(true);
}

void TskLayerManager::StopTimer()
{
    if (Timer)
        Timer->SetEnabled(false);
}

void TskLayerManager::FadeStep(TObject*)
{
    if (!Bmp || !LayerWindow)
        return;
    BeginAlphaBlendValue = std::min(BeginAlphaBlendValue + StepAlphaBlendValue, EndAlphaBlendValue);
    ApplyLayeredBitmap(Bmp, static_cast<std::uint8_t>(BeginAlphaBlendValue), LayerWindow);
    if (BeginAlphaBlendValue == EndAlphaBlendValue)
        StopTimer();
}

void AssignImageWithMask(TBitmap* AImage, TBitmap* AMask, TskBitmap* Dest)
{
    Dest->Assign(AImage);
    TskBitmap mask;
    mask.Assign(AMask);
    AlphaFromGreyMask(*Dest, mask);
}

void ApplyLayeredBitmap(TskBitmap* Bitmap, std::uint8_t Alpha, TWinControl* Control)
{
    if (!Bitmap || Bitmap->Empty() || !Control)
        return;
    const POINT position{Control->GetLeft(), Control->GetTop()};
    const SIZE size{Bitmap->GetWidth(), Bitmap->GetHeight()};
    const POINT source{0, 0};
    BLENDFUNCTION blend;
    blend.BlendOp = AC_SRC_OVER;
    blend.BlendFlags = 0;
    blend.SourceConstantAlpha = Alpha;
    blend.AlphaFormat = AC_SRC_ALPHA;
    UpdateLayeredWindow(Control->GetHandle(), nullptr, &position, &size, Bitmap->GetMemDC(), &source, 0, &blend,
                        ULW_ALPHA);
}
