#include "classlib/Controls.h"
#include "classlib/CommCtrl.h"
#include "platform/gdi/Gdi.h"
#include "platform/win/Rect.h"

#include "classlib/ControlHooks.h"
#include "classlib/Forms.h"
#include "platform/window/User.h"

#include <algorithm>

TWinControl::TWinControl(TComponent* AOwner) : TControl(AOwner), FBrush(std::make_unique<TBrush>())
{
    FBrush->SetColor(GetColor());
}

TWinControl::~TWinControl()
{
    teardown();
}

void TWinControl::BeforeDestruction()
{
    teardown();
    TControl::BeforeDestruction();
}

void TWinControl::teardown()
{
    if (FTornDown)
        return;
    FTornDown = true;
    Destroying();
    if (FParent)
        RemoveFocus(true);
    if (FHandle)
        DestroyWindowHandle();
    // The children go with their parent, the newest first.
    while (ControlCount() > 0) {
        TControl* child = Controls(ControlCount() - 1);
        RemoveControl(child);
        child->Free();
    }
}

// --- children --------------------------------------------------------------------------------

TControl* TWinControl::Controls(int Index) const
{
    if (Index < 0 || Index >= ControlCount())
        throw EListError("Control index out of bounds (" + std::to_string(Index) + ")");
    auto i = static_cast<std::size_t>(Index);
    return i < FControls.size() ? FControls[i] : FWinControls[i - FControls.size()];
}

void TWinControl::InsertControl(TControl* AControl)
{
    for (TWinControl* p = this; p; p = p->FParent)
        if (p == AControl)
            throw EInvalidOperation("A control cannot be the parent of its own parent");
    Perform(CM_CONTROLLISTCHANGE, reinterpret_cast<WPARAM>(AControl), 1);
    auto* win = dynamic_cast<TWinControl*>(AControl);
    if (win) {
        FWinControls.push_back(win);
        FTabList.push_back(win);
    } else {
        FControls.push_back(AControl);
    }
    AControl->FParent = this;
    AControl->Perform(CM_PARENTCOLORCHANGED, 0, 0);
    AControl->Perform(CM_PARENTFONTCHANGED, 0, 0);
    AControl->Perform(CM_PARENTSHOWHINTCHANGED, 0, 0);
    AControl->UpdateAnchorRules();
    if (win)
        win->UpdateControlState();
    else if (FHandle)
        AControl->Invalidate();
    AlignControl(AControl);
    Perform(CM_CONTROLCHANGE, reinterpret_cast<WPARAM>(AControl), 1);
}

void TWinControl::RemoveControl(TControl* AControl)
{
    if (AControl->FParent != this)
        return;
    Perform(CM_CONTROLCHANGE, reinterpret_cast<WPARAM>(AControl), 0);
    if (auto* win = dynamic_cast<TWinControl*>(AControl)) {
        win->RemoveFocus(true);
        win->DestroyHandle();
        FWinControls.erase(std::remove(FWinControls.begin(), FWinControls.end(), win), FWinControls.end());
        FTabList.erase(std::remove(FTabList.begin(), FTabList.end(), win), FTabList.end());
    } else {
        AControl->InvalidateControl(AControl->GetVisible(), false);
        FControls.erase(std::remove(FControls.begin(), FControls.end(), AControl), FControls.end());
    }
    AControl->FParent = nullptr;
    Perform(CM_CONTROLLISTCHANGE, reinterpret_cast<WPARAM>(AControl), 0);
    if (!ComponentState().Contains(csDestroying))
        Realign();
}

bool TWinControl::ContainsControl(TControl* Control) const
{
    while (Control && Control != this)
        Control = Control->FParent;
    return Control != nullptr;
}

TControl* TWinControl::ControlAtPos(POINT Pos, bool AllowDisabled, bool AllowWinControls)
{
    auto hit = [&](TControl* c) {
        RECT r = c->GetBoundsRect();
        if (!c->GetVisible() || (!c->GetEnabled() && !AllowDisabled) || !PtInRect(&r, Pos))
            return false;
        return c->Perform(CM_HITTEST, 0, MAKELPARAM(Pos.x - c->FLeft, Pos.y - c->FTop)) != 0;
    };
    if (AllowWinControls)
        for (auto it = FWinControls.rbegin(); it != FWinControls.rend(); ++it)
            if (hit(*it))
                return *it;
    for (auto it = FControls.rbegin(); it != FControls.rend(); ++it)
        if (hit(*it))
            return *it;
    return nullptr;
}

void TWinControl::Broadcast(TMessage& Message)
{
    for (int i = 0; i < ControlCount(); ++i) {
        Controls(i)->WindowProc(Message);
        if (Message.Result != 0)
            return;
    }
}

// --- placement -------------------------------------------------------------------------------

RECT TWinControl::GetClientRect()
{
    if (FHandle) {
        RECT r{};
        ::GetClientRect(FHandle, &r);
        return r;
    }
    return TControl::GetClientRect();
}

POINT TWinControl::GetClientOrigin()
{
    if (FHandle) {
        POINT p{0, 0};
        ::ClientToScreen(FHandle, &p);
        return p;
    }
    return TControl::GetClientOrigin();
}

void TWinControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    if (!CheckNewSize(AWidth, AHeight))
        return;
    if (ALeft == FLeft && ATop == FTop && AWidth == FWidth && AHeight == FHeight)
        return;
    const bool resized = AWidth != FWidth || AHeight != FHeight;
    if (FHandle && !IsIconic(FHandle)) {
        // The window reports its new place back (WM_WINDOWPOSCHANGED, WM_SIZE), which realigns
        // the children and raises OnResize.
        SetWindowPos(FHandle, nullptr, ALeft, ATop, AWidth, AHeight, SWP_NOZORDER | SWP_NOACTIVATE);
    } else {
        FLeft = ALeft;
        FTop = ATop;
        FWidth = AWidth;
        FHeight = AHeight;
        if (resized) {
            Realign();
            if (!ComponentState().Contains(csLoading))
                Resize();
        }
    }
    ControlHooks::ControlMoved(this);
    UpdateAnchorRules();
    RequestAlign();
}

void TWinControl::UpdateBounds()
{
    if (!FHandle)
        return;
    RECT r{};
    GetWindowRect(FHandle, &r);
    if (GetWindowLongPtr(FHandle, GWL_STYLE) & WS_CHILD) {
        POINT pts[2] = {{r.left, r.top}, {r.right, r.bottom}};
        MapWindowPoints(nullptr, ::GetParent(FHandle), pts, 2);
        r = RECT{pts[0].x, pts[0].y, pts[1].x, pts[1].y};
    }
    if (r.left == FLeft && r.top == FTop && r.right - r.left == FWidth && r.bottom - r.top == FHeight)
        return;
    FLeft = r.left;
    FTop = r.top;
    FWidth = r.right - r.left;
    FHeight = r.bottom - r.top;
    UpdateAnchorRules();
    RequestAlign();
}

void TWinControl::ScrollBy(int DeltaX, int DeltaY)
{
    DisableAlign();
    for (int i = 0; i < ControlCount(); ++i) {
        TControl* c = Controls(i);
        c->FAnchorMove = true;
        c->SetBounds(c->FLeft + DeltaX, c->FTop + DeltaY, c->FWidth, c->FHeight);
        c->FAnchorMove = false;
    }
    --FAlignLevel;  // no realignment: the children moved on purpose
    Invalidate();
}

void TWinControl::Invalidate()
{
    if (FHandle)
        InvalidateRect(FHandle, nullptr, !FControlStyle.Contains(csOpaque));
}

void TWinControl::Update()
{
    if (FHandle)
        UpdateWindow(FHandle);
}

void TWinControl::SetZOrder(bool TopMost)
{
    if (!FParent) {
        if (FHandle)
            SetWindowPos(FHandle, TopMost ? HWND_TOP : HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        return;
    }
    auto& list = FParent->FWinControls;
    auto it = std::find(list.begin(), list.end(), this);
    if (it != list.end()) {
        list.erase(it);
        if (TopMost)
            list.push_back(this);
        else
            list.insert(list.begin(), this);
    }
    if (FHandle)
        SetWindowPos(FHandle, TopMost ? HWND_TOP : HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

std::string TWinControl::GetTextValue()
{
    return FHandle ? GetWindowText(FHandle) : TControl::GetTextValue();
}

void TWinControl::SetTextValue(const std::string& Value)
{
    TControl::SetTextValue(Value);
    if (FHandle)
        SetWindowText(FHandle, Value);
}

// --- showing ---------------------------------------------------------------------------------

void TWinControl::UpdateShowing()
{
    const bool show = GetVisible();
    if (show) {
        if (!FHandle)
            CreateHandle();
        for (std::size_t i = 0; i < FWinControls.size(); ++i)
            FWinControls[i]->UpdateShowing();
    }
    if (FHandle && FShowing != show) {
        FShowing = show;
        Perform(CM_SHOWINGCHANGED, 0, 0);
        // Hiding hides the children; showing also shows a child that a sibling's new window
        // made visible while this control was not showing yet.
        for (std::size_t i = 0; i < FWinControls.size(); ++i)
            if (!show || (FWinControls[i]->GetVisible() && !FWinControls[i]->Showing()))
                FWinControls[i]->UpdateShowing();
    }
}

void TWinControl::UpdateControlState()
{
    TWinControl* top = this;
    while (top->FParent) {
        top = top->FParent;
        if (!top->Showing())
            return;
    }
    if (dynamic_cast<TCustomForm*>(top) || top->FParentWindow || top->FHandle)
        UpdateShowing();
}

// --- focus -----------------------------------------------------------------------------------

int TWinControl::GetTabOrder() const
{
    if (!FParent)
        return -1;
    auto& list = FParent->FTabList;
    auto it = std::find(list.begin(), list.end(), this);
    return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

void TWinControl::SetTabOrder(int Value)
{
    if (!FParent)
        return;
    auto& list = FParent->FTabList;
    auto it = std::find(list.begin(), list.end(), this);
    if (it == list.end())
        return;
    list.erase(it);
    Value = std::clamp(Value, 0, static_cast<int>(list.size()));
    list.insert(list.begin() + Value, this);
}

void TWinControl::SetTabStop(bool Value)
{
    if (Value == FTabStop)
        return;
    FTabStop = Value;
    if (FHandle) {
        LONG_PTR style = GetWindowLongPtr(FHandle, GWL_STYLE);
        SetWindowLongPtr(FHandle, GWL_STYLE, Value ? (style | WS_TABSTOP) : (style & ~LONG_PTR{WS_TABSTOP}));
    }
    Perform(CM_TABSTOPCHANGED, 0, 0);
}

bool TWinControl::CanFocus()
{
    TCustomForm* form = GetParentForm(this);
    if (!form)
        return false;
    for (TWinControl* c = this; c != form; c = c->FParent)
        if (!c || !c->GetVisible() || !c->GetEnabled())
            return false;
    return true;
}

void TWinControl::SetFocus()
{
    if (TCustomForm* form = GetParentForm(this))
        form->FocusControl(this);
    else if (FParentWindow || !FParent)
        ::SetFocus(GetHandle());
    else
        throw EInvalidOperation("Control '" + GetName() + "' has no parent window");
}

bool TWinControl::Focused()
{
    return FHandle && ::GetFocus() == FHandle;
}

void TWinControl::RemoveFocus(bool Removing)
{
    if (TCustomForm* form = GetParentForm(this))
        form->DefocusControl(this, Removing);
}

std::vector<TWinControl*> TWinControl::GetTabOrderList()
{
    std::vector<TWinControl*> list;
    for (TWinControl* c : FTabList) {
        list.push_back(c);
        std::vector<TWinControl*> sub = c->GetTabOrderList();
        list.insert(list.end(), sub.begin(), sub.end());
    }
    return list;
}

TWinControl* TWinControl::FindNextControl(TWinControl* CurControl, bool GoForward, bool CheckTabStop, bool CheckParent)
{
    std::vector<TWinControl*> list = GetTabOrderList();
    if (list.empty())
        return nullptr;
    const int n = static_cast<int>(list.size());
    auto found = std::find(list.begin(), list.end(), CurControl);
    int start = found == list.end() ? (GoForward ? n - 1 : 0) : static_cast<int>(found - list.begin());
    int i = start;
    do {
        i = GoForward ? (i + 1) % n : (i + n - 1) % n;
        TWinControl* c = list[static_cast<std::size_t>(i)];
        if (c->CanFocus() && (!CheckTabStop || c->FTabStop) && (!CheckParent || c->FParent == this))
            return c;
    } while (i != start);
    return nullptr;
}

void TWinControl::SelectNext(TWinControl* CurControl, bool GoForward, bool CheckTabStop)
{
    if (TWinControl* next = FindNextControl(CurControl, GoForward, CheckTabStop, !CheckTabStop))
        next->SetFocus();
}

void TWinControl::DoEnter()
{
    if (auto handler = OnEnter)
        handler(this);
}

void TWinControl::DoExit()
{
    if (auto handler = OnExit)
        handler(this);
}

// --- keyboard --------------------------------------------------------------------------------

void TWinControl::KeyDown(WORD& Key, TShiftState Shift)
{
    if (auto handler = OnKeyDown)
        handler(this, Key, Shift);
}

void TWinControl::KeyUp(WORD& Key, TShiftState Shift)
{
    if (auto handler = OnKeyUp)
        handler(this, Key, Shift);
}

void TWinControl::KeyPress(char32_t& Key)
{
    if (auto handler = OnKeyPress)
        handler(this, Key);
}

void TWinControl::doKeyDown(TMessage& Message)
{
    TCustomForm* form = GetParentForm(this);
    if (form && static_cast<TWinControl*>(form) != this && form->GetKeyPreview()) {
        WORD key = static_cast<WORD>(Message.WParam);
        form->KeyDown(key, KeyDataToShiftState(Message.LParam));
        if (key == 0)
            return;
        Message.WParam = key;
    }
    if (!FControlStyle.Contains(csNoStdEvents)) {
        WORD key = static_cast<WORD>(Message.WParam);
        KeyDown(key, KeyDataToShiftState(Message.LParam));
        if (key == 0)
            return;
        Message.WParam = key;
    }
    DefaultHandler(Message);
}

void TWinControl::doKeyUp(TMessage& Message)
{
    TCustomForm* form = GetParentForm(this);
    if (form && static_cast<TWinControl*>(form) != this && form->GetKeyPreview()) {
        WORD key = static_cast<WORD>(Message.WParam);
        form->KeyUp(key, KeyDataToShiftState(Message.LParam));
        if (key == 0)
            return;
        Message.WParam = key;
    }
    if (!FControlStyle.Contains(csNoStdEvents)) {
        WORD key = static_cast<WORD>(Message.WParam);
        KeyUp(key, KeyDataToShiftState(Message.LParam));
        if (key == 0)
            return;
        Message.WParam = key;
    }
    DefaultHandler(Message);
}

void TWinControl::doKeyPress(TMessage& Message)
{
    TCustomForm* form = GetParentForm(this);
    if (form && static_cast<TWinControl*>(form) != this && form->GetKeyPreview()) {
        auto key = static_cast<char32_t>(Message.WParam);
        form->KeyPress(key);
        if (key == 0)
            return;
        Message.WParam = key;
    }
    if (!FControlStyle.Contains(csNoStdEvents)) {
        auto key = static_cast<char32_t>(Message.WParam);
        KeyPress(key);
        if (key == 0)
            return;
        Message.WParam = key;
    }
    DefaultHandler(Message);
}

// Keys before they are dispatched: the form's shortcuts first, then the dialog keys (Tab,
// arrows, Enter, Escape) unless the control wants them itself. Result 1 eats the key.
void TWinControl::cnKeyDown(TMessage& Message)
{
    Message.Result = 1;
    TCustomForm* form = GetParentForm(this);
    TWMKey key{Message.Msg, static_cast<WORD>(Message.WParam), Message.LParam, 0};
    if (form && form->IsShortCut(key))
        return;
    if (Perform(CM_CHILDKEY, Message.WParam, reinterpret_cast<LPARAM>(this)) != 0)
        return;
    LRESULT mask = 0;
    switch (Message.WParam) {
    case VK_TAB:
        mask = DLGC_WANTTAB;
        break;
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
        mask = DLGC_WANTARROWS;
        break;
    case VK_RETURN:
    case VK_ESCAPE:
    case VK_CANCEL:
        mask = DLGC_WANTALLKEYS;
        break;
    }
    if (mask != 0 && Perform(CM_WANTSPECIALKEY, Message.WParam, 0) == 0 && (Perform(WM_GETDLGCODE, 0, 0) & mask) == 0 &&
        form && form->Perform(CM_DIALOGKEY, Message.WParam, Message.LParam) != 0)
        return;
    Message.Result = 0;
}

// --- messages --------------------------------------------------------------------------------

void TWinControl::WndProc(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_SETFOCUS:
        if (TCustomForm* form = GetParentForm(this); form && !form->SetFocusedControl(this))
            return;
        break;
    case WM_KILLFOCUS:
        if (FControlState.Contains(csFocusing))
            return;
        break;
    case WM_NCHITTEST: {
        TControl::WndProc(Message);
        POINT p = ScreenToClient(POINT{GET_X_LPARAM(Message.LParam), GET_Y_LPARAM(Message.LParam)});
        if (Message.Result == HTTRANSPARENT && ControlAtPos(p, false))
            Message.Result = HTCLIENT;
        return;
    }
    case WM_MOUSELEAVE:
        if (TControl* c = ControlHooks::MouseControl(); c && (c == this || (c->FParent == this && !dynamic_cast<TWinControl*>(c))))
            ControlHooks::SetMouseControl(nullptr);
        break;
    case WM_NCMOUSEMOVE:
        // Leaving through the frame is told as well (parts drawn in the non-client area).
        if (FHandle) {
            TRACKMOUSEEVENT track;
            track.dwFlags = TME_LEAVE | TME_NONCLIENT;
            track.hwndTrack = FHandle;
            TrackMouseEvent(&track);
        }
        break;
    case WM_NCMOUSELEAVE: {
        // Into the client area is no leave: the client's own tracking takes over there.
        POINT p{};
        GetCursorPos(&p);
        RECT client = GetClientRect();
        if (ControlHooks::MouseControl() != this && !(FHandle && ::WindowFromPoint(p) == FHandle &&
                                                       PtInRect(&client, ScreenToClient(p))))
            Perform(CM_MOUSELEAVE, 0, 0);
        break;
    }
    case WM_CANCELMODE:
        if (FHandle && GetCapture() == FHandle) {
            TControl* captured = GetCaptureControl();
            if (captured && captured != this && captured->FParent == this)
                captured->Perform(WM_CANCELMODE, 0, 0);
        }
        break;
    default:
        if (Message.Msg >= WM_MOUSEFIRST && Message.Msg <= WM_MOUSELAST) {
            if (isControlMouseMsg(Message)) {
                if (Message.Result == 0 && FHandle)
                    DefWindowProc(FHandle, Message.Msg, Message.WParam, Message.LParam);
                return;
            }
        }
        break;
    }
    TControl::WndProc(Message);
}

bool TWinControl::isControlMouseMsg(TMessage& Message)
{
    POINT pos{GET_X_LPARAM(Message.LParam), GET_Y_LPARAM(Message.LParam)};
    TControl* target = nullptr;
    if (FHandle && GetCapture() == FHandle) {
        TControl* captured = GetCaptureControl();
        if (captured && captured != this && captured->FParent == this)
            target = captured;
    } else if (Message.Msg != WM_MOUSEWHEEL && Message.Msg != WM_MOUSEHWHEEL) {
        target = ControlAtPos(pos, false);
    }
    if (Message.Msg != WM_MOUSEWHEEL && Message.Msg != WM_MOUSEHWHEEL) {
        // The control under the pointer: a windowless child, this control, or none when the
        // pointer is outside the client area (only a window holding the mouse hears of that).
        RECT client = GetClientRect();
        TControl* under = nullptr;
        if (PtInRect(&client, pos)) {
            under = ControlAtPos(pos, false);
            if (!under)
                under = this;
        }
        ControlHooks::SetMouseControl(under);
        if (FHandle) {
            TRACKMOUSEEVENT track;
            track.dwFlags = TME_LEAVE;
            track.hwndTrack = FHandle;
            TrackMouseEvent(&track);
        }
    }
    if (!target)
        return false;
    Message.Result = target->Perform(Message.Msg, Message.WParam, MAKELPARAM(pos.x - target->FLeft, pos.y - target->FTop));
    return true;
}

void TWinControl::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_PAINT:
        PaintHandler(Message);
        break;
    case WM_ERASEBKGND: {
        RECT r = GetClientRect();
        FillRect(reinterpret_cast<HDC>(Message.WParam), &r, FBrush->GetHandle());
        Message.Result = 1;
        break;
    }
    case WM_WINDOWPOSCHANGED:
        UpdateBounds();
        DefaultHandler(Message);
        break;
    case WM_SIZE:
        UpdateBounds();
        DefaultHandler(Message);
        Realign();
        if (!ComponentState().Contains(csLoading))
            Resize();
        break;
    case WM_MOVE:
        UpdateBounds();
        DefaultHandler(Message);
        break;
    case WM_NCDESTROY:
        DefaultHandler(Message);
        ControlHooks::FreeDeviceContexts();
        FHandle = nullptr;
        FShowing = false;
        break;
    case WM_SETCURSOR: {
        const auto hit = static_cast<short>(LOWORD(static_cast<std::uintptr_t>(Message.LParam)));
        if (reinterpret_cast<HWND>(Message.WParam) == FHandle && hit == HTCLIENT) {
            TCursor cursor = Screen ? Screen->GetCursor() : crDefault;
            if (cursor == crDefault) {
                POINT p{};
                GetCursorPos(&p);
                TControl* c = ControlAtPos(ScreenToClient(p), false);
                cursor = c ? c->GetCursor() : crDefault;
                if (cursor == crDefault)
                    cursor = GetCursor();
            }
            if (cursor != crDefault) {
                ::SetCursor(CursorHandle(cursor));
                Message.Result = 1;
                break;
            }
        }
        DefaultHandler(Message);
        break;
    }
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        doKeyDown(Message);
        break;
    case WM_KEYUP:
    case WM_SYSKEYUP:
        doKeyUp(Message);
        break;
    case WM_CHAR:
        doKeyPress(Message);
        break;
    case CN_KEYDOWN:
    case CN_SYSKEYDOWN:
        cnKeyDown(Message);
        break;
    case CN_CHAR:
    case CN_SYSCHAR: {
        Message.Result = 1;
        TCustomForm* form = GetParentForm(this);
        if ((Perform(WM_GETDLGCODE, 0, 0) & DLGC_WANTCHARS) == 0 && form &&
            form->Perform(CM_DIALOGCHAR, Message.WParam, Message.LParam) != 0)
            break;
        Message.Result = 0;
        break;
    }
    case CM_ENTER:
        DoEnter();
        break;
    case CM_EXIT:
        DoExit();
        break;
    case CM_DIALOGKEY:
    case CM_DIALOGCHAR:
    case CM_FOCUSCHANGED:
        Broadcast(Message);
        break;
    // A child control's notifications and colour requests go back to it as CN_ messages.
    case WM_COMMAND:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
        if (TWinControl* child = FindControl(reinterpret_cast<HWND>(Message.LParam)); child && child != this)
            Message.Result = SendMessage(child->FHandle, CN_BASE + Message.Msg, Message.WParam, Message.LParam);
        else
            DefaultHandler(Message);
        break;
    case CM_SHOWINGCHANGED:
        if (FHandle)
            SetWindowPos(FHandle, nullptr, 0, 0, 0, 0,
                         SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE |
                             (FShowing ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
        break;
    case CM_VISIBLECHANGED:
        if (!GetVisible() && FParent)
            RemoveFocus(false);
        UpdateControlState();
        break;
    case CM_ENABLEDCHANGED:
        if (!GetEnabled() && FParent)
            RemoveFocus(false);
        if (FHandle)
            EnableWindow(FHandle, GetEnabled());
        TControl::Dispatch(Message);
        break;
    case CM_COLORCHANGED:
        FBrush->SetColor(GetColor());
        for (int i = 0; i < ControlCount(); ++i)
            Controls(i)->Perform(CM_PARENTCOLORCHANGED, 0, 0);
        TControl::Dispatch(Message);
        break;
    case CM_FONTCHANGED:
        TControl::Dispatch(Message);
        for (int i = 0; i < ControlCount(); ++i)
            Controls(i)->Perform(CM_PARENTFONTCHANGED, 0, 0);
        break;
    case CM_SHOWHINTCHANGED:
    case CM_PARENTSHOWHINTCHANGED:
        TControl::Dispatch(Message);
        for (int i = 0; i < ControlCount(); ++i)
            Controls(i)->Perform(CM_PARENTSHOWHINTCHANGED, 0, 0);
        break;
    case CM_RECREATEWND: {
        const bool wasFocused = Focused();
        DestroyHandle();
        UpdateControlState();
        if (wasFocused && FHandle)
            ::SetFocus(FHandle);
        break;
    }
    case CM_INVALIDATE:
        Invalidate();
        break;
    case WM_NOTIFY: {
        // A child control's notification goes back to it as CN_NOTIFY.
        const auto* header = reinterpret_cast<const NMHDR*>(Message.LParam);
        TWinControl* from = header ? FindControl(header->hwndFrom) : nullptr;
        if (from && from != this)
            Message.Result = from->Perform(CN_NOTIFY, Message.WParam, Message.LParam);
        else
            TControl::Dispatch(Message);
        break;
    }
    default:
        TControl::Dispatch(Message);
        break;
    }
}

void TWinControl::DefaultHandler(TMessage& Message)
{
    if (FHandle)
        Message.Result = CallWindowProc(FDefWndProc ? FDefWndProc : DefWindowProc, FHandle, Message.Msg,
                                        Message.WParam, Message.LParam);
}
