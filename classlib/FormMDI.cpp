// The minimal MDI model: an fsMDIForm makes a client window filling what its aligned controls
// leave of its client area; its fsMDIChild forms are child windows of that client window, listed
// in the order they were made; one of them has the MDI activation.

#include "classlib/Forms.h"
#include "platform/gdi/Gdi.h"
#include "platform/window/User.h"

#include <algorithm>

namespace {

constexpr const char* kClientClass = "MDICLIENT";

LRESULT ClientProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_ERASEBKGND) {
        RECT r;
        GetClientRect(hwnd, &r);
        HBRUSH brush = CreateSolidBrush(ColorToRGB(clAppWorkSpace));
        FillRect(reinterpret_cast<HDC>(wParam), &r, brush);
        DeleteObject(brush);
        return 1;
    }
    if (msg == WM_PARENTNOTIFY) {
        // A press on a child (or on a control of it) gives that child the MDI activation.
        const UINT what = LOWORD(wParam);
        if (what == WM_LBUTTONDOWN || what == WM_RBUTTONDOWN || what == WM_MBUTTONDOWN) {
            const POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
            auto* main = dynamic_cast<TCustomForm*>(TWinControl::FindControl(GetParent(hwnd)));
            auto* child = dynamic_cast<TCustomForm*>(TWinControl::FindControl(ChildWindowFromPoint(hwnd, p)));
            if (main && child)
                main->SetActiveMDIChild(child);
        }
        return 0;
    }
    return DefWindowProc(hwnd, msg, wParam, lParam);
}

void RegisterClientClass()
{
    WNDCLASS existing;
    if (GetClassInfo(nullptr, kClientClass, &existing))
        return;
    WNDCLASS wc;
    wc.lpfnWndProc = &ClientProc;
    wc.lpszClassName = kClientClass;
    RegisterClass(&wc);
}

} // namespace

TCustomForm* TCustomForm::mdiParent()
{
    TCustomForm* main = Application ? Application->MainForm() : nullptr;
    if (!main || main->FFormStyle != TFormStyle::fsMDIForm)
        return nullptr;
    main->HandleNeeded();
    return main;
}

void TCustomForm::CreateWnd()
{
    TCustomControl::CreateWnd();
    if (FFormStyle == TFormStyle::fsMDIForm) {
        RegisterClientClass();
        RECT r;
        ::GetClientRect(FHandle, &r);
        FClientHandle = CreateWindowEx(0, kClientClass, "", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS,
                                       0, 0, r.right, r.bottom, FHandle, nullptr, nullptr, nullptr);
        Realign();
    } else if (FFormStyle == TFormStyle::fsMDIChild) {
        if (TCustomForm* parent = mdiParent())
            parent->FMDIChildren.push_back(this);
    }
}

void TCustomForm::SetActiveMDIChild(TCustomForm* Child)
{
    if (Child == FActiveMDIChild)
        return;
    TCustomForm* old = FActiveMDIChild;
    FActiveMDIChild = Child;
    if (old && old->HandleAllocated())
        SendMessage(old->FHandle, WM_NCACTIVATE, FALSE, 0);
    if (Child && Child->HandleAllocated()) {
        BringWindowToTop(Child->FHandle);
        SendMessage(Child->FHandle, WM_NCACTIVATE, TRUE, 0);
    }
}

void TCustomForm::AlignControls(TControl* AControl, RECT& Rect)
{
    TCustomControl::AlignControls(AControl, Rect);
    // The MDI client takes what the aligned controls leave (a menu or tabs bar above it), under
    // them; the realignment after every WM_SIZE keeps it fitted.
    if (FClientHandle)
        SetWindowPos(FClientHandle, HWND_BOTTOM, Rect.left, Rect.top, std::max<LONG>(0, Rect.right - Rect.left),
                     std::max<LONG>(0, Rect.bottom - Rect.top), SWP_NOACTIVATE);
}

void TCustomForm::SetZOrder(bool TopMost)
{
    TCustomControl::SetZOrder(TopMost);
    // A visible MDI child brought to the front becomes the active child (Show on a child that
    // is already shown, a click on its tab).
    if (TopMost && FFormStyle == TFormStyle::fsMDIChild && GetVisible() && HandleAllocated())
        if (TCustomForm* parent = mdiParent())
            parent->SetActiveMDIChild(this);
}

void TCustomForm::activateNextMDIChild(TCustomForm* Leaving)
{
    TCustomForm* next = nullptr;
    for (TCustomForm* child : FMDIChildren)
        if (child != Leaving && child->GetVisible()) {
            next = child;
            break;
        }
    SetActiveMDIChild(next);
}

void TCustomForm::detachFromMDIParent()
{
    if (FFormStyle != TFormStyle::fsMDIChild || !Application || !Application->MainForm())
        return;
    TCustomForm* parent = Application->MainForm();
    std::erase(parent->FMDIChildren, this);
    if (parent->FActiveMDIChild == this)
        parent->activateNextMDIChild(this);
}

void TCustomForm::mdiDispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_DESTROY:
        FClientHandle = nullptr;
        detachFromMDIParent();
        break;
    case WM_MOUSEACTIVATE:
        if (TCustomForm* parent = FFormStyle == TFormStyle::fsMDIChild ? mdiParent() : nullptr)
            parent->SetActiveMDIChild(this);
        break;
    case WM_SHOWWINDOW:
        if (TCustomForm* parent = FFormStyle == TFormStyle::fsMDIChild ? mdiParent() : nullptr) {
            if (Message.WParam)
                parent->SetActiveMDIChild(this);
            else if (parent->FActiveMDIChild == this)
                parent->activateNextMDIChild(this);
        }
        break;
    default:
        break;
    }
}
