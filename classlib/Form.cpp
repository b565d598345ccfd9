#include "classlib/Forms.h"
#include "platform/gdi/Gdi.h"
#include "platform/win/Rect.h"

#include "platform/window/User.h"

TCustomForm::TCustomForm(TComponent* AOwner) : TCustomControl(AOwner)
{
    FControlStyle = TControlStyle{csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks};
    SetVisible(false);
    SetColor(clBtnFace);
    SetParentFont(false);
    SetBounds(0, 0, 320, 240);
    if (Screen)
        Screen->addForm(this);
}

TCustomForm::~TCustomForm()
{
    teardown();
}

void TCustomForm::BeforeDestruction()
{
    teardown();
    TCustomControl::BeforeDestruction();
}

void TCustomForm::teardown()
{
    if (FTornDown)
        return;
    FTornDown = true;
    Destroying();
    if (FHandle && GetVisible()) {
        try {
            Hide();
        } catch (...) {
            if (Application)
                Application->HandleException(this);
        }
    }
    if (auto handler = OnDestroy) {
        try {
            handler(this);
        } catch (...) {
            if (Application)
                Application->HandleException(this);
        }
    }
    // The window goes later, when the form's own message handling is gone already: a deleted
    // child must not stay in its main form's list.
    detachFromMDIParent();
    if (Screen)
        Screen->removeForm(this);
    if (Application && Application->FMainForm == this)
        Application->FMainForm = nullptr;
}

void TCustomForm::AfterConstruction()
{
    if (FCreated)
        return;
    FCreated = true;
    if (auto handler = OnCreate) {
        try {
            handler(this);
        } catch (...) {
            if (!Application)
                throw;
            Application->HandleException(this);
        }
    }
}

// --- frame -----------------------------------------------------------------------------------

void TCustomForm::CreateParams(TCreateParams& Params)
{
    TCustomControl::CreateParams(Params);
    Params.Style &= ~(WS_CHILD | WS_GROUP | WS_TABSTOP);
    Params.WndParent = GetParentWindow();
    switch (FBorderStyle) {
    case TFormBorderStyle::bsNone:
        Params.Style |= WS_POPUP;
        break;
    case TFormBorderStyle::bsSingle:
    case TFormBorderStyle::bsToolWindow:
        Params.Style |= WS_CAPTION | WS_BORDER;
        break;
    case TFormBorderStyle::bsSizeable:
    case TFormBorderStyle::bsSizeToolWin:
        Params.Style |= WS_CAPTION | WS_THICKFRAME;
        break;
    case TFormBorderStyle::bsDialog:
        Params.Style |= WS_POPUP | WS_CAPTION;
        Params.ExStyle |= WS_EX_DLGMODALFRAME;
        break;
    }
    if (FBorderStyle == TFormBorderStyle::bsToolWindow || FBorderStyle == TFormBorderStyle::bsSizeToolWin)
        Params.ExStyle |= WS_EX_TOOLWINDOW;
    if (FBorderStyle != TFormBorderStyle::bsNone && FBorderIcons.Contains(biSystemMenu)) {
        Params.Style |= WS_SYSMENU;
        if (FBorderStyle == TFormBorderStyle::bsSingle || FBorderStyle == TFormBorderStyle::bsSizeable) {
            if (FBorderIcons.Contains(biMinimize))
                Params.Style |= WS_MINIMIZEBOX;
            if (FBorderIcons.Contains(biMaximize))
                Params.Style |= WS_MAXIMIZEBOX;
        }
    }
    if (FFormStyle == TFormStyle::fsStayOnTop)
        Params.ExStyle |= WS_EX_TOPMOST;
    if (FFormStyle == TFormStyle::fsMDIForm)
        Params.Style |= WS_CLIPCHILDREN;
    if (TCustomForm* parent = FFormStyle == TFormStyle::fsMDIChild ? mdiParent() : nullptr) {
        // An MDI child is a child window of its main form's client window.
        Params.Style = (Params.Style & ~WS_POPUP) | WS_CHILD | WS_CLIPSIBLINGS;
        Params.WndParent = parent->ClientHandle();
    } else if (TWinControl* owner = GetParent()) {
        // A form placed on another control is a child window: it never takes the activation.
        Params.Style = (Params.Style & ~WS_POPUP) | WS_CHILD | WS_CLIPSIBLINGS;
        Params.WndParent = owner->GetHandle();
    }
}

void TCustomForm::SetBorderStyle(TFormBorderStyle Value)
{
    if (Value == FBorderStyle)
        return;
    FBorderStyle = Value;
    RecreateWnd();
}

void TCustomForm::SetBorderIcons(TBorderIcons Value)
{
    if (Value == FBorderIcons)
        return;
    FBorderIcons = Value;
    RecreateWnd();
}

void TCustomForm::SetFormStyle(TFormStyle Value)
{
    if (Value == FFormStyle)
        return;
    const bool mdi = Value == TFormStyle::fsMDIChild || Value == TFormStyle::fsMDIForm ||
                     FFormStyle == TFormStyle::fsMDIChild || FFormStyle == TFormStyle::fsMDIForm;
    FFormStyle = Value;
    if (mdi) {
        RecreateWnd();
        return;
    }
    if (FHandle)
        SetWindowPos(FHandle, Value == TFormStyle::fsStayOnTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TCustomForm::SetWindowState(TWindowState Value)
{
    if (Value == FWindowState)
        return;
    FWindowState = Value;
    if (FHandle && Showing()) {
        static const int commands[] = {SW_SHOWNORMAL, SW_MINIMIZE, SW_SHOWMAXIMIZED};
        ShowWindow(FHandle, commands[static_cast<int>(Value)]);
    }
}

void TCustomForm::SetClientWidth(int Value)
{
    HandleNeeded();
    TCustomControl::SetClientWidth(Value);
}

void TCustomForm::SetClientHeight(int Value)
{
    HandleNeeded();
    TCustomControl::SetClientHeight(Value);
}

void TCustomForm::SetMenu(TMainMenu* Value)
{
    FMenu = Value;
    if (Value)
        Value->FreeNotification(this);
}

void TCustomForm::Notification(TComponent* AComponent, TOperation Operation)
{
    TCustomControl::Notification(AComponent, Operation);
    if (Operation != TOperation::opRemove)
        return;
    if (AComponent == FMenu)
        FMenu = nullptr;
    if (AComponent == FActiveControl)
        FActiveControl = nullptr;
    if (AComponent == FFocusedControl)
        FFocusedControl = nullptr;
}

void TCustomForm::Paint()
{
    if (auto handler = OnPaint)
        handler(this);
}

// --- showing ---------------------------------------------------------------------------------

void TCustomForm::Show()
{
    SetVisible(true);
    BringToFront();
}

void TCustomForm::DoShow()
{
    if (auto handler = OnShow)
        handler(this);
}

void TCustomForm::DoHide()
{
    if (auto handler = OnHide)
        handler(this);
}

void TCustomForm::placeOnFirstShow()
{
    if (FPlaced)
        return;
    FPlaced = true;
    RECT area{};
    auto boundsOf = [](TCustomForm* f) { return f->GetBoundsRect(); };
    switch (FPosition) {
    case TPosition::poScreenCenter:
        area = RECT{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
        break;
    case TPosition::poDesktopCenter:
        SystemParametersInfo(SPI_GETWORKAREA, 0, &area, 0);
        break;
    case TPosition::poOwnerFormCenter:
        if (auto* owner = dynamic_cast<TCustomForm*>(Owner()); owner && owner != this) {
            area = boundsOf(owner);
            break;
        }
        [[fallthrough]];
    case TPosition::poMainFormCenter:
        if (Application && Application->MainForm() && Application->MainForm() != this)
            area = boundsOf(Application->MainForm());
        else
            area = RECT{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
        break;
    default:
        return;
    }
    SetBounds(area.left + (area.right - area.left - FWidth) / 2, area.top + (area.bottom - area.top - FHeight) / 2,
              FWidth, FHeight);
}

void TCustomForm::showingChanged()
{
    if (FFormState.Contains(fsShowing))
        throw EInvalidOperation("Cannot change Visible in OnShow or OnHide");
    FFormState.Include(fsShowing);
    try {
        if (Showing()) {
            try {
                DoShow();
            } catch (...) {
                if (Application)
                    Application->HandleException(this);
            }
            placeOnFirstShow();
            static const int commands[] = {SW_SHOWNORMAL, SW_SHOWMINIMIZED, SW_SHOWMAXIMIZED};
            ShowWindow(FHandle, commands[static_cast<int>(FWindowState)]);
        } else {
            try {
                DoHide();
            } catch (...) {
                if (Application)
                    Application->HandleException(this);
            }
            ShowWindow(FHandle, SW_HIDE);
        }
    } catch (...) {
        FFormState.Exclude(fsShowing);
        throw;
    }
    FFormState.Exclude(fsShowing);
}

// --- closing ---------------------------------------------------------------------------------

bool TCustomForm::CloseQuery()
{
    bool canClose = true;
    if (auto handler = OnCloseQuery)
        handler(this, canClose);
    return canClose;
}

void TCustomForm::DoClose(TCloseAction& Action)
{
    if (auto handler = OnClose)
        handler(this, Action);
}

void TCustomForm::Close()
{
    if (FFormState.Contains(fsModal)) {
        FModalResult = mrCancel;
        return;
    }
    if (!CloseQuery())
        return;
    TCloseAction action = TCloseAction::caHide;
    DoClose(action);
    if (action == TCloseAction::caNone)
        return;
    if (Application && Application->MainForm() == this)
        Application->Terminate();
    else if (action == TCloseAction::caHide)
        Hide();
    else if (action == TCloseAction::caMinimize)
        SetWindowState(TWindowState::wsMinimized);
    else
        Release();
}

void TCustomForm::Release()
{
    if (FHandle)
        PostMessage(FHandle, CM_RELEASE, 0, 0);
    else
        Free();
}

void TCustomForm::closeModal()
{
    try {
        TCloseAction action = TCloseAction::caNone;
        if (CloseQuery()) {
            action = TCloseAction::caHide;
            DoClose(action);
        }
        if (action == TCloseAction::caNone)
            FModalResult = mrNone;
        else if (action == TCloseAction::caFree)
            Release();
    } catch (...) {
        FModalResult = mrNone;
        if (Application)
            Application->HandleException(this);
    }
}

namespace {

// The window a modal form belongs to: the form the user works in (an active window that is no
// form, such as a preview window, leads to its owner), else the shown main form.
HWND ModalOwner(const TCustomForm* modal)
{
    const auto isOtherForm = [modal](HWND h) {
        for (int i = 0; Screen && i < Screen->CustomFormCount(); ++i) {
            TCustomForm* f = Screen->CustomForms(i);
            if (f != modal && f->HandleAllocated() && f->GetHandle() == h)
                return true;
        }
        return false;
    };
    for (HWND h = GetActiveWindow(); h; h = GetWindow(h, GW_OWNER))
        if (isOtherForm(h))
            return h;
    TCustomForm* main = Application ? Application->MainForm() : nullptr;
    if (main && main != modal && main->HandleAllocated() && IsWindowVisible(main->GetHandle()))
        return main->GetHandle();
    return nullptr;
}

} // namespace

int TCustomForm::ShowModal()
{
    if (GetVisible() || !GetEnabled() || FFormState.Contains(fsModal))
        throw EInvalidOperation("Cannot make a visible window modal");
    if (HWND capture = GetCapture())
        SendMessage(capture, WM_CANCELMODE, 0, 0);
    ReleaseCapture();
    FFormState.Include(fsModal);
    // Owned by that window, the form is its dialog: the desktop keeps it above the window and
    // hands it what reaches the window meanwhile. When it ends, the owner is active again.
    if (!GetParentWindow())
        SetWindowLongPtr(GetHandle(), GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(ModalOwner(this)));
    const HWND owner = GetWindow(FHandle, GW_OWNER);
    const HWND previousActive = owner ? owner : GetActiveWindow();
    // Every other form is disabled while this one runs.
    std::vector<HWND> disabled;
    if (Screen)
        for (int i = 0; i < Screen->CustomFormCount(); ++i) {
            TCustomForm* f = Screen->CustomForms(i);
            if (f != this && f->HandleAllocated() && IsWindowEnabled(f->FHandle)) {
                EnableWindow(f->FHandle, FALSE);
                disabled.push_back(f->FHandle);
            }
        }
    auto alive = AliveToken();
    // The forms come back before this one hides, so the activation goes back to its owner.
    auto enableOthers = [&disabled]() {
        for (HWND h : disabled)
            if (IsWindow(h))
                EnableWindow(h, TRUE);
        disabled.clear();
    };
    auto restore = [&]() {
        enableOthers();
        if (*alive)
            FFormState.Exclude(fsModal);
        if (previousActive && IsWindow(previousActive))
            SetActiveWindow(previousActive);
    };
    int result = mrNone;
    try {
        Show();
        FModalResult = mrNone;
        do {
            Application->HandleMessage();
            if (!*alive)
                break;
            if (Application->Terminated())
                FModalResult = mrCancel;
            else if (FModalResult != mrNone)
                closeModal();
        } while (*alive && FModalResult == mrNone);
        if (*alive) {
            result = FModalResult;
            enableOthers();
            Hide();
        }
    } catch (...) {
        enableOthers();
        if (*alive && GetVisible())
            Hide();
        restore();
        throw;
    }
    restore();
    return *alive ? result : mrCancel;
}

// --- activation and focus --------------------------------------------------------------------

void TCustomForm::SetFocus()
{
    if (FActive)
        return;
    if (!GetVisible() || !GetEnabled())
        throw EInvalidOperation("Cannot focus a disabled or invisible window");
    setWindowFocus();
}

void TCustomForm::setWindowFocus()
{
    HWND target = FActiveControl ? FActiveControl->GetHandle() : GetHandle();
    if (target && ::GetFocus() != target)
        ::SetFocus(target);
}

void TCustomForm::setActive(bool Value)
{
    FActive = Value;
    if (!Value)
        return;
    if (!FActiveControl)
        FActiveControl = FindNextControl(nullptr, true, true, false);
    setWindowFocus();
}

void TCustomForm::SetActiveControl(TWinControl* Control)
{
    if (FActiveControl == Control)
        return;
    if (Control && !(Control != this && GetParentForm(Control) == this &&
                     (ComponentState().Contains(csLoading) || Control->CanFocus())))
        throw EInvalidOperation("Cannot focus a disabled or invisible window");
    FActiveControl = Control;
    if (!ComponentState().Contains(csLoading) && FActive)
        setWindowFocus();
}

void TCustomForm::FocusControl(TWinControl* Control)
{
    const bool wasActive = FActive;
    SetActiveControl(Control);
    if (!wasActive)
        SetFocus();
}

void TCustomForm::DefocusControl(TWinControl* Control, bool Removing)
{
    if (Removing && Control->ContainsControl(FFocusedControl))
        FFocusedControl = Control->GetParent();
    if (Control->ContainsControl(FActiveControl))
        SetActiveControl(nullptr);
}

bool TCustomForm::SetFocusedControl(TWinControl* Control)
{
    FActiveControl = Control != this ? Control : nullptr;
    if (Screen)
        Screen->setActive(this, Control);
    if (Control->ControlState().Contains(csFocusing))
        return false;
    Control->SetControlState(Control->ControlState() + TControlState{csFocusing});
    auto alive = Control->AliveToken();
    auto done = [&](bool result) {
        if (*alive)
            Control->SetControlState(Control->ControlState() - TControlState{csFocusing});
        return result;
    };
    if (Screen && Screen->FFocusedForm != this) {
        if (TCustomForm* previous = Screen->FFocusedForm) {
            Screen->FFocusedForm = nullptr;
            previous->Perform(CM_DEACTIVATE, 0, 0);
        }
        Screen->FFocusedForm = this;
        Perform(CM_ACTIVATE, 0, 0);
    }
    if (!FFocusedControl)
        FFocusedControl = this;
    if (FFocusedControl != Control) {
        // Leave the controls that do not hold the new one, innermost first...
        while (FFocusedControl && !FFocusedControl->ContainsControl(Control)) {
            TWinControl* leaving = FFocusedControl;
            FFocusedControl = leaving->GetParent();
            leaving->Perform(CM_EXIT, 0, 0);
            if (!*alive)
                return done(false);
        }
        // ...then enter the ones down to it, outermost first.
        while (FFocusedControl != Control) {
            TWinControl* entering = Control;
            while (entering->GetParent() != FFocusedControl)
                entering = entering->GetParent();
            FFocusedControl = entering;
            entering->Perform(CM_ENTER, 0, 0);
            if (!*alive)
                return done(false);
        }
        Perform(CM_FOCUSCHANGED, 0, reinterpret_cast<LPARAM>(Control));
    }
    return done(true);
}

void TCustomForm::Activate()
{
    if (auto handler = OnActivate)
        handler(this);
}

void TCustomForm::Deactivate()
{
    if (auto handler = OnDeactivate)
        handler(this);
}

bool TCustomForm::IsShortCut(TWMKey& Message)
{
    bool handled = false;
    if (auto handler = OnShortCut)
        handler(Message, handled);
    if (!handled && FMenu)
        handled = FMenu->IsShortCut(ShortCut(Message.CharCode, KeyDataToShiftState(Message.KeyData)));
    return handled;
}

void TCustomForm::dialogKey(TMessage& Message)
{
    if (GetKeyState(VK_MENU) >= 0) {
        switch (Message.WParam) {
        case VK_TAB:
            if (GetKeyState(VK_CONTROL) >= 0) {
                SelectNext(FActiveControl, GetKeyState(VK_SHIFT) >= 0, true);
                Message.Result = 1;
                return;
            }
            break;
        case VK_LEFT:
        case VK_RIGHT:
        case VK_UP:
        case VK_DOWN:
            if (FActiveControl && FActiveControl->GetParent()) {
                FActiveControl->GetParent()->SelectNext(FActiveControl,
                                                        Message.WParam == VK_RIGHT || Message.WParam == VK_DOWN, false);
                Message.Result = 1;
            }
            return;
        }
    }
    TCustomControl::Dispatch(Message);
}

void TCustomForm::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case CM_SHOWINGCHANGED:
        showingChanged();
        break;
    case WM_ACTIVATE:
        setActive(LOWORD(Message.WParam) != WA_INACTIVE);
        break;
    case CM_ACTIVATE:
        Activate();
        break;
    case CM_DEACTIVATE:
        Deactivate();
        break;
    case WM_CLOSE:
        Close();
        break;
    case WM_MOUSEACTIVATE:
    case WM_SHOWWINDOW:
    case WM_DESTROY:
        mdiDispatch(Message);
        TCustomControl::Dispatch(Message);
        break;
    case CM_RELEASE:
        Free();
        break;
    case CM_DIALOGKEY:
        dialogKey(Message);
        break;
    case WM_SIZE:
        mdiDispatch(Message);
        if (Message.WParam == SIZE_MINIMIZED)
            FWindowState = TWindowState::wsMinimized;
        else if (Message.WParam == SIZE_MAXIMIZED)
            FWindowState = TWindowState::wsMaximized;
        else if (Showing())
            FWindowState = TWindowState::wsNormal;
        TCustomControl::Dispatch(Message);
        break;
    case WM_SYSCOMMAND: {
        const WPARAM command = Message.WParam & 0xFFF0;
        // The main form is minimized and restored through the application's window, so that
        // whoever hooks that window sees it.
        if (Application && Application->MainForm() == this && (command == SC_MINIMIZE || command == SC_RESTORE) &&
            (command == SC_MINIMIZE || IsIconic(FHandle))) {
            Message.Result = SendMessage(Application->Handle(), WM_SYSCOMMAND, command, 0);
            break;
        }
        TCustomControl::Dispatch(Message);
        break;
    }
    default:
        TCustomControl::Dispatch(Message);
        break;
    }
}
