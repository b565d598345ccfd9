#include "skin/form/FormSkinInActivePanel.h"

#include "skin/form/FormSkin.h"

#include "classlib/Forms.h"
#include "platform/gdi/Gdi.h"
#include "platform/window/User.h"
#include "skin/core/skBlur.h"

namespace {

constexpr std::uint8_t kBackgroundAlpha = 170;
constexpr int kBlurRadius = 3;

} // namespace

TskClientInActivePanel::TskClientInActivePanel(TComponent* AOwner) : TskSkinPaintPanel(AOwner)
{
    SetVisible(false);
}

void TskClientInActivePanel::ShowPanel(TCustomForm* AForm, TskClientInActiveEffect AEffect)
{
    if (!AForm || !AForm->GetVisible() || !AForm->HandleAllocated())
        return;
    const int w = AForm->GetClientWidth(), h = AForm->GetClientHeight();
    if (w <= 0 || h <= 0)
        return;
    SetVisible(false);
    SetParent(AForm);
    SetBounds(0, 0, w, h);
    // The picture is read from what the form shows once its pending painting is done; a
    // BeginPaint here would validate the form and drop that painting.
    const HWND form = AForm->GetHandle();
    RedrawWindow(form, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    FBuffer = std::make_unique<TskBitmap>();
    FBuffer->SetSize(w, h);
    const HDC dc = GetDC(form);
    BitBlt(FBuffer->GetMemDC(), 0, 0, w, h, dc, 0, 0, SRCCOPY);
    ReleaseDC(form, dc);
    FBuffer->SetAlpha(255);
    if (AEffect == TskClientInActiveEffect::skieBlur) {
        BlurBitmap32(*FBuffer, kBlurRadius);
    } else {
        TskBitmap background;
        background.SetSize(w, h);
        SendMessage(form, WM_ERASEBKGND, reinterpret_cast<WPARAM>(background.GetMemDC()), 0);
        background.SetAlpha(kBackgroundAlpha);
        background.SetAlphaBlend(true);
        background.Draw(*FBuffer, 0, 0);
    }
    SetVisible(true);
    BringToFront();
}

void TskClientInActivePanel::HidePanel()
{
    SetVisible(false);
    FBuffer.reset();
}

void TskClientInActivePanel::Paint()
{
    if (FBuffer)
        FBuffer->Draw(Canvas(), 0, 0);
}

void TskFormSkin::ShowClientInActiveEffect()
{
    HideClientInActiveEffect();
    FClientInActivePanel = new TskClientInActivePanel(this);
    FClientInActiveDraw = true;
    FClientInActivePanel->ShowPanel(FForm, ClientInActiveEffectType);
    FClientInActiveDraw = false;
}

void TskFormSkin::HideClientInActiveEffect()
{
    if (!FClientInActivePanel)
        return;
    TskClientInActivePanel* panel = FClientInActivePanel;
    FClientInActivePanel = nullptr;
    panel->HidePanel();
    panel->Free();
}
