#include "classlib/Forms.h"
#include "platform/gdi/Gdi.h"
#include "platform/win/Rect.h"

#include "platform/window/User.h"

THintWindowClass HintWindowClass = [](TComponent* AOwner) { return new THintWindow(AOwner); };

THintWindow::THintWindow(TComponent* AOwner) : TCustomControl(AOwner)
{
    SetColor(clInfoBk);
    SetParentFont(false);
    Font()->SetColor(clInfoText);
    SetVisible(false);
}

void THintWindow::CreateParams(TCreateParams& Params)
{
    TCustomControl::CreateParams(Params);
    Params.Style = WS_POPUP | WS_BORDER;
    Params.ExStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE;
    Params.ClassStyle |= CS_SAVEBITS;
    if (Application)
        Params.WndParent = Application->Handle();
}

RECT THintWindow::CalcHintRect(int MaxWidth, const std::string& AHint)
{
    RECT r{0, 0, MaxWidth, 0};
    Canvas()->Font()->Assign(Font());
    Canvas()->TextRect(r, AHint, DT_CALCRECT | DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
    r.right += 6;
    r.bottom += 2;
    return r;
}

void THintWindow::ActivateHint(RECT Rect, const std::string& AHint)
{
    SetCaption(AHint);
    int w = Rect.right - Rect.left, h = Rect.bottom - Rect.top;
    // Kept on the screen: moved up and left when it would pass the right or bottom edge.
    RECT screen{};
    GetVirtualScreenRect(&screen);
    if (Rect.top + h > screen.bottom)
        Rect.top = screen.bottom - h;
    if (Rect.left + w > screen.right)
        Rect.left = screen.right - w;
    if (Rect.left < screen.left)
        Rect.left = screen.left;
    if (Rect.top < screen.top)
        Rect.top = screen.top;
    SetBounds(Rect.left, Rect.top, w, h);
    SetWindowPos(GetHandle(), HWND_TOPMOST, Rect.left, Rect.top, w, h, SWP_SHOWWINDOW | SWP_NOACTIVATE);
    Invalidate();
}

void THintWindow::ReleaseHint()
{
    if (HandleAllocated() && IsWindowVisible(FHandle))
        ShowWindow(FHandle, SW_HIDE);
}

void THintWindow::Paint()
{
    RECT r = GetClientRect();
    r.left += 2;
    r.top += 2;
    Canvas()->Brush()->SetColor(GetColor());
    Canvas()->FillRect(GetClientRect());
    Canvas()->Brush()->SetStyle(TBrushStyle::bsClear);
    Canvas()->Font()->Assign(Font());
    Canvas()->TextRect(r, GetCaption(), DT_LEFT | DT_NOPREFIX | DT_WORDBREAK);
}

void THintWindow::Dispatch(TMessage& Message)
{
    if (Message.Msg == WM_MOUSEACTIVATE) {
        Message.Result = MA_NOACTIVATE;
        return;
    }
    TCustomControl::Dispatch(Message);
}
