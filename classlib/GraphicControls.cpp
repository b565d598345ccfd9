#include "classlib/Controls.h"
#include "platform/gdi/Gdi.h"
#include "platform/win/Rect.h"

#include "platform/window/User.h"

// --- TCustomControl --------------------------------------------------------------------------

TCustomControl::TCustomControl(TComponent* AOwner)
    : TWinControl(AOwner), FCanvas(std::make_unique<TControlCanvas>(this))
{
}

TCustomControl::~TCustomControl()
{
    FCanvas->FreeHandle();
}

void TCustomControl::BeforeDestruction()
{
    FCanvas->FreeHandle();
    TWinControl::BeforeDestruction();
}

void TCustomControl::PaintWindow(HDC DC)
{
    FCanvas->Lock();
    FCanvas->FreeHandle();
    FCanvas->SetHandle(DC);
    FControlState.Include(csCustomPaint);
    try {
        Paint();
    } catch (...) {
        FControlState.Exclude(csCustomPaint);
        FCanvas->SetHandle(nullptr);
        FCanvas->Unlock();
        throw;
    }
    FControlState.Exclude(csCustomPaint);
    FCanvas->SetHandle(nullptr);
    FCanvas->Unlock();
}

// --- TGraphicControl -------------------------------------------------------------------------

TGraphicControl::TGraphicControl(TComponent* AOwner)
    : TControl(AOwner), FCanvas(std::make_unique<TControlCanvas>(this))
{
}

TGraphicControl::~TGraphicControl()
{
    FCanvas->FreeHandle();
}

void TGraphicControl::BeforeDestruction()
{
    FCanvas->FreeHandle();
    TControl::BeforeDestruction();
}

void TGraphicControl::Dispatch(TMessage& Message)
{
    if (Message.Msg != WM_PAINT) {
        TControl::Dispatch(Message);
        return;
    }
    // The parent hands its device context, moved and clipped to this control.
    auto dc = reinterpret_cast<HDC>(Message.WParam);
    if (!dc || ComponentState().Contains(csDestroying))
        return;
    FCanvas->Lock();
    FCanvas->FreeHandle();
    FCanvas->SetHandle(dc);
    try {
        Paint();
    } catch (...) {
        FCanvas->SetHandle(nullptr);
        FCanvas->Unlock();
        throw;
    }
    FCanvas->SetHandle(nullptr);
    FCanvas->Unlock();
}
