#include "classlib/ComCtrls.h"
#include "platform/window/User.h"

TCommonControl::TCommonControl(TComponent* AOwner) : TWinControl(AOwner)
{
    FControlStyle.Exclude(csSetCaption);
    FControlStyle.Exclude(csCaptureMouse);
}

void TCommonControl::PaintWindow(HDC DC)
{
    TMessage paint{WM_PAINT, reinterpret_cast<WPARAM>(DC), 0, 0};
    DefaultHandler(paint);
}

void TCommonControl::CreateWnd()
{
    TWinControl::CreateWnd();
    SendToWindow(WM_SETFONT, reinterpret_cast<WPARAM>(Font()->GetHandle()), 0);
    FillWindow();
}

LRESULT TCommonControl::SendToWindow(UINT Msg, WPARAM WParam, LPARAM LParam)
{
    return HandleAllocated() ? SendMessage(FHandle, Msg, WParam, LParam) : 0;
}

void TCommonControl::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_ERASEBKGND:
        DefaultHandler(Message);
        break;
    case CM_FONTCHANGED:
        TWinControl::Dispatch(Message);
        SendToWindow(WM_SETFONT, reinterpret_cast<WPARAM>(Font()->GetHandle()), TRUE);
        break;
    default:
        TWinControl::Dispatch(Message);
        break;
    }
}
