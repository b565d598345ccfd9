#include "classlib/Controls.h"
#include "platform/gdi/Gdi.h"
#include "platform/win/Rect.h"

#include "classlib/ControlHooks.h"
#include "classlib/Forms.h"
#include "platform/window/User.h"

// The window procedure of every control window. The control is found in the window's extra
// bytes (set when the window is made); messages go to its WindowProc, and an exception a
// handler lets out is shown by the application instead of crossing the window manager.

namespace {

thread_local TWinControl* t_creating = nullptr;

} // namespace

LRESULT ControlWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    auto* control = reinterpret_cast<TWinControl*>(GetWindowLongPtr(hwnd, 0));
    if (!control) {
        control = t_creating;
        if (!control)
            return DefWindowProc(hwnd, msg, wParam, lParam);
        t_creating = nullptr;
        control->FHandle = hwnd;
        SetWindowLongPtr(hwnd, 0, reinterpret_cast<LONG_PTR>(control));
    }
    TMessage m{msg, wParam, lParam, 0};
    auto alive = control->AliveToken();
    // A copy: the control may be freed by its own handler.
    TWndMethod proc = control->WindowProc;
    try {
        proc(m);
    } catch (...) {
        ControlHooks::HandleException(*alive ? control : nullptr);
    }
    if (msg == WM_NCDESTROY && IsWindow(hwnd))
        SetWindowLongPtr(hwnd, 0, 0);
    return m.Result;
}

TWinControl* TWinControl::FindControl(HWND Handle)
{
    if (!Handle || !IsWindow(Handle))
        return nullptr;
    if (GetClassLongPtr(Handle, GCLP_WNDPROC) != reinterpret_cast<ULONG_PTR>(&ControlWindowProc))
        return nullptr;
    return reinterpret_cast<TWinControl*>(GetWindowLongPtr(Handle, 0));
}

void TWinControl::CreateParams(TCreateParams& Params)
{
    Params.Caption = TControl::GetTextValue();
    Params.Style = WS_CHILD | WS_CLIPSIBLINGS;
    if (FControlStyle.Contains(csAcceptsControls)) {
        Params.Style |= WS_CLIPCHILDREN;
        Params.ExStyle |= WS_EX_CONTROLPARENT;
    }
    if (!GetEnabled())
        Params.Style |= WS_DISABLED;
    if (FTabStop)
        Params.Style |= WS_TABSTOP;
    Params.X = FLeft;
    Params.Y = FTop;
    Params.Width = FWidth;
    Params.Height = FHeight;
    Params.WndParent = FParent ? FParent->GetHandle() : FParentWindow;
    Params.WinClassName = ClassName();
    Params.ClassStyle = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
    Params.ClassCursor = LoadCursor(nullptr, IDC_ARROW);
}

void TWinControl::CreateWnd()
{
    TCreateParams params;
    CreateParams(params);
    if (!params.WndParent && (params.Style & WS_CHILD))
        throw EInvalidOperation("Control '" + GetName() + "' has no parent window");
    // One window class per control class, with our procedure and room for the control pointer.
    WNDCLASS existing;
    if (!GetClassInfo(nullptr, params.WinClassName.c_str(), &existing) || existing.lpfnWndProc != &ControlWindowProc) {
        if (existing.lpfnWndProc)
            UnregisterClass(params.WinClassName.c_str(), nullptr);
        WNDCLASS wc;
        wc.style = params.ClassStyle;
        wc.lpfnWndProc = &ControlWindowProc;
        wc.cbWndExtra = sizeof(LONG_PTR);
        wc.hCursor = params.ClassCursor;
        wc.hbrBackground = params.ClassBackground;
        wc.lpszClassName = params.WinClassName.c_str();
        if (!RegisterClass(&wc))
            throw EInvalidOperation("The window class " + params.WinClassName + " could not be registered");
    }
    FDefWndProc = params.DefWndProc ? params.DefWndProc : DefWindowProc;
    CreateWindowHandle(params);
    if (!FHandle)
        throw EInvalidOperation("The window of control '" + GetName() + "' could not be created");
    UpdateBounds();
}

void TWinControl::CreateWindowHandle(const TCreateParams& Params)
{
    t_creating = this;
    HWND h = CreateWindowEx(Params.ExStyle, Params.WinClassName.c_str(), Params.Caption.c_str(), Params.Style,
                            Params.X, Params.Y, Params.Width, Params.Height, Params.WndParent, nullptr, nullptr, nullptr);
    t_creating = nullptr;
    FHandle = h;
}

void TWinControl::CreateHandle()
{
    if (FHandle)
        return;
    CreateWnd();
    if (FParent) {
        // Keep the windows' z-order the order of the parent's windowed children: a later one lies
        // above an earlier one (as BringToFront, which moves a control to the end, expects), also
        // for a window made again.
        HWND above = HWND_TOP;
        bool later = false;
        for (TWinControl* sibling : FParent->FWinControls) {
            if (sibling == this)
                later = true;
            else if (later && sibling->FHandle) {
                above = sibling->FHandle;
                break;
            }
        }
        SetWindowPos(FHandle, above, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
    for (int i = 0; i < ControlCount(); ++i)
        Controls(i)->UpdateAnchorRules();
}

void TWinControl::DestroyHandle()
{
    if (!FHandle)
        return;
    for (TWinControl* c : FWinControls)
        c->DestroyHandle();
    DestroyWnd();
}

void TWinControl::DestroyWnd()
{
    FText = GetWindowText(FHandle);
    ControlHooks::FreeDeviceContexts();
    DestroyWindowHandle();
}

void TWinControl::DestroyWindowHandle()
{
    FControlState.Include(csDestroyingHandle);
    HWND h = FHandle;
    DestroyWindow(h);
    FControlState.Exclude(csDestroyingHandle);
    FHandle = nullptr;
    FShowing = false;
}

HWND TWinControl::GetHandle()
{
    HandleNeeded();
    return FHandle;
}

void TWinControl::HandleNeeded()
{
    if (FHandle)
        return;
    if (FParent)
        FParent->HandleNeeded();
    CreateHandle();
}

void TWinControl::RecreateWnd()
{
    if (FHandle)
        Perform(CM_RECREATEWND, 0, 0);
}

void TWinControl::SetParentWindow(HWND Value)
{
    if (FParent || FParentWindow == Value)
        return;
    DestroyHandle();
    FParentWindow = Value;
    UpdateControlState();
}

// --- painting --------------------------------------------------------------------------------

void TWinControl::PaintHandler(TMessage& Message)
{
    PAINTSTRUCT ps;
    HDC dc = reinterpret_cast<HDC>(Message.WParam);
    const bool own = dc == nullptr;
    if (own) {
        dc = BeginPaint(FHandle, &ps);
        if (!dc)
            return;
    }
    int saved = SaveDC(dc);
    int clip = SIMPLEREGION;
    // Opaque windowless children paint all of their rectangles: leave them out.
    for (TControl* c : FControls) {
        if (c->GetVisible() && c->ControlStyle().Contains(csOpaque)) {
            clip = ExcludeClipRect(dc, c->FLeft, c->FTop, c->FLeft + c->FWidth, c->FTop + c->FHeight);
            if (clip == NULLREGION)
                break;
        }
    }
    if (clip != NULLREGION)
        PaintWindow(dc);
    RestoreDC(dc, saved);
    PaintControls(dc, nullptr);
    if (own)
        EndPaint(FHandle, &ps);
}

void TWinControl::PaintControls(HDC DC, TControl* First)
{
    std::size_t start = 0;
    if (First) {
        auto it = std::find(FControls.begin(), FControls.end(), First);
        start = it == FControls.end() ? 0 : static_cast<std::size_t>(it - FControls.begin());
    }
    RECT clip{};
    GetClipBox(DC, &clip);
    POINT origin{};
    GetViewportOrgEx(DC, &origin);
    // A copy: a child's painting may change the list.
    std::vector<TControl*> children(FControls.begin() + static_cast<std::ptrdiff_t>(start), FControls.end());
    for (TControl* c : children) {
        if (!c->GetVisible())
            continue;
        RECT r = c->GetBoundsRect(), hit;
        if (!IntersectRect(&hit, &r, &clip))
            continue;
        int saved = SaveDC(DC);
        SetViewportOrgEx(DC, origin.x + c->FLeft, origin.y + c->FTop, nullptr);
        IntersectClipRect(DC, 0, 0, c->FWidth, c->FHeight);
        c->Perform(WM_PAINT, reinterpret_cast<WPARAM>(DC), 0);
        RestoreDC(DC, saved);
    }
}

void TWinControl::PaintWindow(HDC DC)
{
    (void)DC;
}

// --- alignment -------------------------------------------------------------------------------

void TWinControl::EnableAlign()
{
    if (FAlignLevel > 0 && --FAlignLevel == 0 && FControlState.Contains(csAlignmentNeeded))
        Realign();
}

void TWinControl::Realign()
{
    AlignControl(nullptr);
}

void TWinControl::AlignControl(TControl* AControl)
{
    if (ComponentState().Contains(csDestroying) || ComponentState().Contains(csLoading))
        return;
    if (FAlignLevel != 0) {
        FControlState.Include(csAlignmentNeeded);
        return;
    }
    DisableAlign();
    try {
        RECT r = GetClientRect();
        AlignControls(AControl, r);
    } catch (...) {
        FControlState.Exclude(csAlignmentNeeded);
        EnableAlign();
        throw;
    }
    FControlState.Exclude(csAlignmentNeeded);
    EnableAlign();
}

void TWinControl::AdjustClientRect(RECT& Rect)
{
    (void)Rect;
}

void TWinControl::alignByAnchors(TControl* C, const RECT& Client)
{
    if (C->FOriginalParentSize.x == 0 || C->FOriginalParentSize.y == 0)
        return;
    const POINT parent{Client.right, Client.bottom};
    const TAnchors a = C->FAnchors;
    int left = C->FLeft, top = C->FTop, width = C->FWidth, height = C->FHeight;
    if (a.Contains(akRight)) {
        if (a.Contains(akLeft))
            width = parent.x - (C->FOriginalParentSize.x - C->FAnchorRules.x);
        else
            left = parent.x - (C->FOriginalParentSize.x - C->FAnchorRules.x);
    } else if (!a.Contains(akLeft)) {
        left = static_cast<int>(static_cast<long long>(C->FAnchorRules.x) * parent.x / C->FOriginalParentSize.x) - width / 2;
    }
    if (a.Contains(akBottom)) {
        if (a.Contains(akTop))
            height = parent.y - (C->FOriginalParentSize.y - C->FAnchorRules.y);
        else
            top = parent.y - (C->FOriginalParentSize.y - C->FAnchorRules.y);
    } else if (!a.Contains(akTop)) {
        top = static_cast<int>(static_cast<long long>(C->FAnchorRules.y) * parent.y / C->FOriginalParentSize.y) - height / 2;
    }
    C->FAnchorMove = true;
    C->SetBounds(left, top, width, height);
    C->FAnchorMove = false;
}

void TWinControl::AlignControls(TControl* AControl, RECT& Rect)
{
    const RECT client = GetClientRect();
    AdjustClientRect(Rect);
    auto insertBefore = [](TControl* c1, TControl* c2, TAlign a) {
        switch (a) {
        case TAlign::alTop: return c1->FTop < c2->FTop;
        case TAlign::alBottom: return c1->FTop + c1->FHeight >= c2->FTop + c2->FHeight;
        case TAlign::alLeft: return c1->FLeft < c2->FLeft;
        case TAlign::alRight: return c1->FLeft + c1->FWidth >= c2->FLeft + c2->FWidth;
        default: return false;
        }
    };
    for (TAlign align : {TAlign::alTop, TAlign::alBottom, TAlign::alLeft, TAlign::alRight, TAlign::alClient,
                         TAlign::alCustom, TAlign::alNone}) {
        // The control that asked comes first among equals; the others by their position.
        std::vector<TControl*> list;
        if (AControl && AControl->FAlign == align && (align == TAlign::alNone || AControl->GetVisible()))
            list.push_back(AControl);
        for (int i = 0; i < ControlCount(); ++i) {
            TControl* c = Controls(i);
            if (c == AControl || c->FAlign != align || (align != TAlign::alNone && !c->GetVisible()))
                continue;
            std::size_t j = 0;
            while (j < list.size() && !insertBefore(c, list[j], align))
                ++j;
            list.insert(list.begin() + static_cast<std::ptrdiff_t>(j), c);
        }
        for (TControl* c : list) {
            if (align == TAlign::alNone || c->FAnchors != AnchorAlign[static_cast<int>(align)]) {
                alignByAnchors(c, client);
                if (align == TAlign::alNone)
                    continue;
            }
            if (align == TAlign::alCustom)
                continue;
            int width = Rect.right - Rect.left;
            if (width < 0 || align == TAlign::alLeft || align == TAlign::alRight)
                width = c->FWidth;
            int height = Rect.bottom - Rect.top;
            if (height < 0 || align == TAlign::alTop || align == TAlign::alBottom)
                height = c->FHeight;
            int left = Rect.left, top = Rect.top;
            switch (align) {
            case TAlign::alTop:
                Rect.top += height;
                break;
            case TAlign::alBottom:
                Rect.bottom -= height;
                top = Rect.bottom;
                break;
            case TAlign::alLeft:
                Rect.left += width;
                break;
            case TAlign::alRight:
                Rect.right -= width;
                left = Rect.right;
                break;
            default:
                break;
            }
            c->FAnchorMove = true;
            c->SetBounds(left, top, width, height);
            c->FAnchorMove = false;
            // A control that did not take the size it was given gives back (or takes) the rest.
            switch (align) {
            case TAlign::alTop:
                Rect.top -= height - c->FHeight;
                break;
            case TAlign::alBottom:
                Rect.bottom += height - c->FHeight;
                break;
            case TAlign::alLeft:
                Rect.left -= width - c->FWidth;
                break;
            case TAlign::alRight:
                Rect.right += width - c->FWidth;
                break;
            case TAlign::alClient:
                Rect.right += width - c->FWidth;
                Rect.bottom += height - c->FHeight;
                break;
            default:
                break;
            }
        }
    }
}
