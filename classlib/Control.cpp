#include "classlib/Controls.h"
#include "platform/gdi/Gdi.h"
#include "platform/win/Rect.h"

#include "classlib/ControlHooks.h"
#include "classlib/Menus.h"
#include "platform/window/User.h"

#include <algorithm>

// --- TSizeConstraints ------------------------------------------------------------------------

void TSizeConstraints::changed()
{
    if (OnChange)
        OnChange(this);
}

void TSizeConstraints::SetMinWidth(int Value)
{
    if (Value == FMinWidth)
        return;
    FMinWidth = std::max(Value, 0);
    if (FMaxWidth > 0 && FMaxWidth < FMinWidth)
        FMaxWidth = FMinWidth;
    changed();
}

void TSizeConstraints::SetMinHeight(int Value)
{
    if (Value == FMinHeight)
        return;
    FMinHeight = std::max(Value, 0);
    if (FMaxHeight > 0 && FMaxHeight < FMinHeight)
        FMaxHeight = FMinHeight;
    changed();
}

void TSizeConstraints::SetMaxWidth(int Value)
{
    if (Value == FMaxWidth)
        return;
    FMaxWidth = std::max(Value, 0);
    if (FMaxWidth > 0 && FMinWidth > FMaxWidth)
        FMinWidth = FMaxWidth;
    changed();
}

void TSizeConstraints::SetMaxHeight(int Value)
{
    if (Value == FMaxHeight)
        return;
    FMaxHeight = std::max(Value, 0);
    if (FMaxHeight > 0 && FMinHeight > FMaxHeight)
        FMinHeight = FMaxHeight;
    changed();
}

void TSizeConstraints::Apply(int& Width, int& Height) const
{
    if (FMinWidth > 0 && Width < FMinWidth)
        Width = FMinWidth;
    if (FMaxWidth > 0 && Width > FMaxWidth)
        Width = FMaxWidth;
    if (FMinHeight > 0 && Height < FMinHeight)
        Height = FMinHeight;
    if (FMaxHeight > 0 && Height > FMaxHeight)
        Height = FMaxHeight;
}

void TSizeConstraints::Assign(TPersistent* Source)
{
    auto* src = dynamic_cast<TSizeConstraints*>(Source);
    if (!src) {
        TPersistent::Assign(Source);
        return;
    }
    FMinWidth = src->FMinWidth;
    FMinHeight = src->FMinHeight;
    FMaxWidth = src->FMaxWidth;
    FMaxHeight = src->FMaxHeight;
    changed();
}

// --- cursors ---------------------------------------------------------------------------------

HCURSOR CursorHandle(TCursor Cursor)
{
    struct Entry {
        TCursor cursor;
        LPCSTR id;
    };
    static const Entry table[] = {
        {crCross, IDC_CROSS},       {crIBeam, IDC_IBEAM},       {crSizeNESW, IDC_SIZENESW}, {crSizeNS, IDC_SIZENS},
        {crSizeNWSE, IDC_SIZENWSE}, {crSizeWE, IDC_SIZEWE},     {crUpArrow, IDC_UPARROW},   {crHourGlass, IDC_WAIT},
        {crNo, IDC_NO},             {crAppStart, IDC_APPSTARTING}, {crHelp, IDC_HELP},      {crHandPoint, IDC_HAND},
        {crSizeAll, IDC_SIZEALL},
    };
    for (const Entry& e : table)
        if (e.cursor == Cursor)
            return LoadCursor(nullptr, e.id);
    return LoadCursor(nullptr, IDC_ARROW);
}

// --- TControl --------------------------------------------------------------------------------

TControl::TControl(TComponent* AOwner)
    : TComponent(AOwner), FConstraints(std::make_unique<TSizeConstraints>()), FFont(std::make_unique<TFont>())
{
    WindowProc = [this](TMessage& m) { WndProc(m); };
    FFont->OnChange = [this](TObject*) { FontChanged(); };
    FConstraints->OnChange = [this](TObject*) { SetBounds(FLeft, FTop, FWidth, FHeight); };
}

TControl::~TControl()
{
    teardown();
}

void TControl::BeforeDestruction()
{
    teardown();
    TComponent::BeforeDestruction();
}

void TControl::teardown()
{
    if (FTornDown)
        return;
    FTornDown = true;
    Destroying();
    *FAlive = false;
    ControlHooks::ControlDestroyed(this);
    SetParent(nullptr);
}

void TControl::SetName(const std::string& NewName)
{
    const bool changeText = FControlStyle.Contains(csSetCaption) && !ComponentState().Contains(csLoading) &&
                            GetName() == GetText();
    TComponent::SetName(NewName);
    if (changeText)
        SetText(NewName);
}

void TControl::SetParent(TWinControl* AParent)
{
    if (FParent == AParent)
        return;
    if (AParent == this)
        throw EInvalidOperation("A control cannot have itself as its parent");
    if (FParent)
        FParent->RemoveControl(this);
    if (AParent)
        AParent->InsertControl(this);
}

bool TControl::CanResize(int& NewWidth, int& NewHeight)
{
    (void)NewWidth;
    (void)NewHeight;
    return true;
}

bool TControl::CheckNewSize(int& NewWidth, int& NewHeight)
{
    NewWidth = std::max(NewWidth, 0);
    NewHeight = std::max(NewHeight, 0);
    FConstraints->Apply(NewWidth, NewHeight);
    return CanResize(NewWidth, NewHeight);
}

void TControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    if (!CheckNewSize(AWidth, AHeight))
        return;
    if (ALeft == FLeft && ATop == FTop && AWidth == FWidth && AHeight == FHeight)
        return;
    const bool resized = AWidth != FWidth || AHeight != FHeight;
    InvalidateControl(FVisible, false);
    FLeft = ALeft;
    FTop = ATop;
    FWidth = AWidth;
    FHeight = AHeight;
    ControlHooks::ControlMoved(this);
    UpdateAnchorRules();
    Invalidate();
    RequestAlign();
    if (resized && !ComponentState().Contains(csLoading))
        Resize();
}

RECT TControl::GetClientRect()
{
    return RECT{0, 0, FWidth, FHeight};
}

void TControl::SetClientWidth(int Value)
{
    RECT c = GetClientRect();
    SetBounds(FLeft, FTop, FWidth - c.right + Value, FHeight);
}

void TControl::SetClientHeight(int Value)
{
    RECT c = GetClientRect();
    SetBounds(FLeft, FTop, FWidth, FHeight - c.bottom + Value);
}

POINT TControl::GetClientOrigin()
{
    if (!FParent)
        return POINT{FLeft, FTop};
    POINT p = FParent->GetClientOrigin();
    return POINT{p.x + FLeft, p.y + FTop};
}

POINT TControl::ClientToScreen(POINT Point)
{
    POINT o = GetClientOrigin();
    return POINT{Point.x + o.x, Point.y + o.y};
}

POINT TControl::ScreenToClient(POINT Point)
{
    POINT o = GetClientOrigin();
    return POINT{Point.x - o.x, Point.y - o.y};
}

void TControl::SetAlign(TAlign Value)
{
    if (Value == FAlign)
        return;
    const TAlign old = FAlign;
    FAlign = Value;
    FAnchors = AnchorAlign[static_cast<int>(Value)];
    auto horizontalBand = [](TAlign a) { return a == TAlign::alTop || a == TAlign::alBottom; };
    auto verticalBand = [](TAlign a) { return a == TAlign::alLeft || a == TAlign::alRight; };
    // Turning a band from horizontal to vertical (or back) turns its size around.
    if (!ComponentState().Contains(csLoading) &&
        ((horizontalBand(old) && verticalBand(Value)) || (verticalBand(old) && horizontalBand(Value))))
        SetBounds(FLeft, FTop, FHeight, FWidth);
    RequestAlign();
}

void TControl::SetAnchors(TAnchors Value)
{
    if (Value == FAnchors)
        return;
    FAnchors = Value;
    if (!ComponentState().Contains(csLoading))
        UpdateAnchorRules();
}

void TControl::UpdateAnchorRules()
{
    if (FAnchorMove || ComponentState().Contains(csLoading))
        return;
    if (FAnchors == TAnchors{akLeft, akTop}) {
        FOriginalParentSize = POINT{};
        return;
    }
    if (FAnchors.Contains(akRight))
        FAnchorRules.x = FAnchors.Contains(akLeft) ? FWidth : FLeft;
    else
        FAnchorRules.x = FLeft + FWidth / 2;
    if (FAnchors.Contains(akBottom))
        FAnchorRules.y = FAnchors.Contains(akTop) ? FHeight : FTop;
    else
        FAnchorRules.y = FTop + FHeight / 2;
    if (FParent) {
        RECT c = FParent->GetClientRect();
        FOriginalParentSize = POINT{c.right, c.bottom};
    }
}

void TControl::RequestAlign()
{
    if (FParent)
        FParent->AlignControl(this);
}

void TControl::Resize()
{
    if (auto handler = OnResize)
        handler(this);
}

void TControl::Loaded()
{
    TComponent::Loaded();
    UpdateAnchorRules();
    if (FParent) {
        if (FParentColor)
            Perform(CM_PARENTCOLORCHANGED, 0, 0);
        if (FParentFont)
            Perform(CM_PARENTFONTCHANGED, 0, 0);
    }
    RequestAlign();
}

void TControl::SetVisible(bool Value)
{
    if (Value == FVisible)
        return;
    FVisible = Value;
    Perform(CM_VISIBLECHANGED, Value ? 1 : 0, 0);
    RequestAlign();
}

void TControl::SetEnabled(bool Value)
{
    if (Value == FEnabled)
        return;
    FEnabled = Value;
    Perform(CM_ENABLEDCHANGED, 0, 0);
}

std::string TControl::GetText()
{
    return GetTextValue();
}

void TControl::SetText(const std::string& Value)
{
    if (GetTextValue() == Value)
        return;
    SetTextValue(Value);
    Perform(CM_TEXTCHANGED, 0, 0);
}

void TControl::FontChanged()
{
    FParentFont = false;
    Perform(CM_FONTCHANGED, 0, 0);
}

void TControl::SetParentFont(bool Value)
{
    if (Value == FParentFont)
        return;
    FParentFont = Value;
    if (Value && FParent && !ComponentState().Contains(csLoading))
        Perform(CM_PARENTFONTCHANGED, 0, 0);
}

void TControl::SetColor(TColor Value)
{
    if (Value == FColor)
        return;
    FColor = Value;
    FParentColor = false;
    Perform(CM_COLORCHANGED, 0, 0);
}

void TControl::SetParentColor(bool Value)
{
    if (Value == FParentColor)
        return;
    FParentColor = Value;
    if (Value && FParent && !ComponentState().Contains(csLoading))
        Perform(CM_PARENTCOLORCHANGED, 0, 0);
}

void TControl::SetShowHint(bool Value)
{
    if (Value == FShowHint)
        return;
    FShowHint = Value;
    FParentShowHint = false;
    Perform(CM_SHOWHINTCHANGED, 0, 0);
}

void TControl::SetParentShowHint(bool Value)
{
    if (Value == FParentShowHint)
        return;
    FParentShowHint = Value;
    if (Value && FParent)
        Perform(CM_PARENTSHOWHINTCHANGED, 0, 0);
}

void TControl::SetPopupMenu(TPopupMenu* Value)
{
    FPopupMenu = Value;
    if (Value)
        Value->FreeNotification(this);
}

void TControl::SetCursor(TCursor Value)
{
    if (Value == FCursor)
        return;
    FCursor = Value;
    Perform(CM_CURSORCHANGED, 0, 0);
}

void TControl::Notification(TComponent* AComponent, TOperation Operation)
{
    TComponent::Notification(AComponent, Operation);
    if (Operation == TOperation::opRemove && AComponent == FPopupMenu)
        FPopupMenu = nullptr;
}

void TControl::InvalidateControl(bool IsVisible, bool IsOpaque)
{
    if (IsVisible && FParent && FParent->HandleAllocated()) {
        RECT r = GetBoundsRect();
        InvalidateRect(FParent->FHandle, &r, !(IsOpaque || FParent->FControlStyle.Contains(csOpaque)));
    }
}

void TControl::Invalidate()
{
    InvalidateControl(FVisible, FControlStyle.Contains(csOpaque));
}

void TControl::Update()
{
    if (FParent)
        FParent->Update();
}

void TControl::Repaint()
{
    Invalidate();
    Update();
}

LRESULT TControl::Perform(UINT Msg, WPARAM WParam, LPARAM LParam)
{
    TMessage m{Msg, WParam, LParam, 0};
    if (WindowProc) {
        TWndMethod proc = WindowProc;  // the control may be freed by its own handler
        proc(m);
    } else {
        WndProc(m);
    }
    return m.Result;
}

void TControl::SetZOrder(bool TopMost)
{
    if (!FParent)
        return;
    auto& list = FParent->FControls;
    auto it = std::find(list.begin(), list.end(), this);
    if (it == list.end())
        return;
    list.erase(it);
    if (TopMost)
        list.push_back(this);
    else
        list.insert(list.begin(), this);
    InvalidateControl(FVisible, true);
}

bool TControl::GetMouseCapture()
{
    return GetCaptureControl() == this;
}

void TControl::SetMouseCapture(bool Value)
{
    if (GetMouseCapture() == Value)
        return;
    SetCaptureControl(Value ? this : nullptr);
}

void TControl::Click()
{
    if (auto handler = OnClick)
        handler(this);
}

void TControl::DblClick()
{
    if (auto handler = OnDblClick)
        handler(this);
}

void TControl::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (auto handler = OnMouseDown)
        handler(this, Button, Shift, X, Y);
}

void TControl::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (auto handler = OnMouseUp)
        handler(this, Button, Shift, X, Y);
}

void TControl::MouseMove(TShiftState Shift, int X, int Y)
{
    if (auto handler = OnMouseMove)
        handler(this, Shift, X, Y);
}

void TControl::doMouseDown(TMessage& Message, TMouseButton Button, TShiftState Shift)
{
    if (!FControlStyle.Contains(csNoStdEvents))
        MouseDown(Button, KeysToShiftState(Message.WParam) + Shift, GET_X_LPARAM(Message.LParam),
                  GET_Y_LPARAM(Message.LParam));
}

void TControl::doMouseUp(TMessage& Message, TMouseButton Button)
{
    if (!FControlStyle.Contains(csNoStdEvents))
        MouseUp(Button, KeysToShiftState(Message.WParam), GET_X_LPARAM(Message.LParam), GET_Y_LPARAM(Message.LParam));
}

void TControl::WndProc(TMessage& Message)
{
    if (Message.Msg >= WM_MOUSEFIRST && Message.Msg <= WM_MOUSELAST) {
        if (!FControlStyle.Contains(csDoubleClicks)) {
            switch (Message.Msg) {
            case WM_LBUTTONDBLCLK:
            case WM_RBUTTONDBLCLK:
            case WM_MBUTTONDBLCLK:
                Message.Msg -= WM_LBUTTONDBLCLK - WM_LBUTTONDOWN;
                break;
            }
        }
        switch (Message.Msg) {
        case WM_MOUSEMOVE:
            ControlHooks::HintMouseMessage(this, Message);
            break;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            FControlState.Include(csLButtonDown);
            break;
        case WM_LBUTTONUP:
            FControlState.Exclude(csLButtonDown);
            break;
        }
    }
    Dispatch(Message);
}

void TControl::Dispatch(TMessage& Message)
{
    auto alive = FAlive;
    auto pointInClient = [&]() {
        RECT r = GetClientRect();
        POINT p{GET_X_LPARAM(Message.LParam), GET_Y_LPARAM(Message.LParam)};
        return PtInRect(&r, p) != FALSE;
    };
    switch (Message.Msg) {
    case WM_LBUTTONDOWN:
        SendCancelMode(this);
        DefaultHandler(Message);
        if (FControlStyle.Contains(csCaptureMouse))
            SetMouseCapture(true);
        if (FControlStyle.Contains(csClickEvents))
            FControlState.Include(csClicked);
        doMouseDown(Message, TMouseButton::mbLeft, {});
        break;
    case WM_LBUTTONDBLCLK:
        SendCancelMode(this);
        DefaultHandler(Message);
        if (FControlStyle.Contains(csCaptureMouse))
            SetMouseCapture(true);
        if (FControlStyle.Contains(csClickEvents))
            DblClick();
        if (*alive)
            doMouseDown(Message, TMouseButton::mbLeft, {ssDouble});
        break;
    case WM_LBUTTONUP:
        DefaultHandler(Message);
        if (FControlStyle.Contains(csCaptureMouse))
            SetMouseCapture(false);
        if (FControlState.Contains(csClicked)) {
            FControlState.Exclude(csClicked);
            if (pointInClient())
                Click();
        }
        if (*alive)
            doMouseUp(Message, TMouseButton::mbLeft);
        break;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
        DefaultHandler(Message);
        doMouseDown(Message, TMouseButton::mbRight, Message.Msg == WM_RBUTTONDBLCLK ? TShiftState{ssDouble} : TShiftState{});
        break;
    case WM_RBUTTONUP: {
        DefaultHandler(Message);
        doMouseUp(Message, TMouseButton::mbRight);
        if (!*alive)
            break;
        // A right click asks for the context menu at the pointer.
        POINT screen = ClientToScreen(POINT{GET_X_LPARAM(Message.LParam), GET_Y_LPARAM(Message.LParam)});
        auto* win = dynamic_cast<TWinControl*>(this);
        if (win && win->HandleAllocated())
            SendMessage(win->FHandle, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(win->FHandle), MAKELPARAM(screen.x, screen.y));
        else
            Perform(WM_CONTEXTMENU, 0, MAKELPARAM(screen.x, screen.y));
        break;
    }
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
        DefaultHandler(Message);
        doMouseDown(Message, TMouseButton::mbMiddle, Message.Msg == WM_MBUTTONDBLCLK ? TShiftState{ssDouble} : TShiftState{});
        break;
    case WM_MBUTTONUP:
        DefaultHandler(Message);
        doMouseUp(Message, TMouseButton::mbMiddle);
        break;
    case WM_MOUSEMOVE:
        DefaultHandler(Message);
        if (!FControlStyle.Contains(csNoStdEvents))
            MouseMove(KeysToShiftState(Message.WParam), GET_X_LPARAM(Message.LParam), GET_Y_LPARAM(Message.LParam));
        break;
    case WM_CONTEXTMENU: {
        if (Message.Result != 0)
            break;
        POINT pt{GET_X_LPARAM(Message.LParam), GET_Y_LPARAM(Message.LParam)};
        const bool fromKeyboard = pt.x == -1 && pt.y == -1;
        if (!fromKeyboard) {
            RECT r = GetClientRect();
            if (!PtInRect(&r, ScreenToClient(pt))) {
                DefaultHandler(Message);
                break;
            }
        }
        if (FPopupMenu && FPopupMenu->GetAutoPopup()) {
            SendCancelMode(nullptr);
            FPopupMenu->SetPopupComponent(this);
            if (fromKeyboard)
                pt = ClientToScreen(POINT{0, 0});
            FPopupMenu->Popup(pt.x, pt.y);
            Message.Result = 1;
        } else {
            DefaultHandler(Message);
        }
        break;
    }
    case CM_ENABLEDCHANGED:
    case CM_FONTCHANGED:
    case CM_COLORCHANGED:
        Invalidate();
        break;
    case CM_VISIBLECHANGED:
        InvalidateControl(true, FVisible && FControlStyle.Contains(csOpaque));
        break;
    case CM_PARENTFONTCHANGED:
        if (FParentFont && FParent) {
            FFont->Assign(FParent->Font());
            FParentFont = true;
        }
        break;
    case CM_PARENTCOLORCHANGED:
        if (FParentColor && FParent) {
            SetColor(FParent->GetColor());
            FParentColor = true;
        }
        break;
    case CM_PARENTSHOWHINTCHANGED:
        if (FParentShowHint && FParent) {
            FShowHint = FParent->GetShowHint();
            FParentShowHint = true;
        }
        break;
    case CM_HITTEST:
        Message.Result = HTCLIENT;
        break;
    default:
        DefaultHandler(Message);
        break;
    }
}

void TControl::DefaultHandler(TMessage& Message)
{
    (void)Message;
}

// --- TControlCanvas --------------------------------------------------------------------------

TControlCanvas::~TControlCanvas()
{
    FreeHandle();
}

void TControlCanvas::CreateHandle()
{
    if (!FControl)
        return;
    auto* win = dynamic_cast<TWinControl*>(FControl);
    HDC dc = nullptr;
    if (win) {
        FWindow = win->GetHandle();
        dc = GetDC(FWindow);
    } else if (FControl->GetParent()) {
        FWindow = FControl->GetParent()->GetHandle();
        dc = GetDC(FWindow);
        if (dc) {
            SetViewportOrgEx(dc, FControl->GetLeft(), FControl->GetTop(), nullptr);
            IntersectClipRect(dc, 0, 0, FControl->GetWidth(), FControl->GetHeight());
        }
    }
    if (!dc) {
        FWindow = nullptr;
        return;
    }
    SetHandle(dc);
    ControlHooks::CanvasTookContext(this);
}

void TControlCanvas::FreeHandle()
{
    if (!FWindow)
        return;
    HDC dc = HandleAllocated() ? GetHandle() : nullptr;
    SetHandle(nullptr);
    if (dc)
        ReleaseDC(FWindow, dc);
    FWindow = nullptr;
    ControlHooks::CanvasGaveContextBack(this);
}
