#include "skin/form/skTrayIcon.h"

#include "classlib/Bitmap.h"
#include "classlib/Forms.h"
#include "classlib/Menus.h"
#include "classlib/UtilityWindow.h"
#include "platform/window/Input.h"
#include "platform/window/Keys.h"
#include "platform/window/MessageLoop.h"
#include "platform/window/Metrics.h"
#include "platform/window/User.h"
#include "platform/window/WindowPos.h"
#include "skin/form/skSkinMessages.h"
#include "skin/form/skSkinMenus.h"

namespace {

UINT TaskbarCreatedMessage = 0;
// The session's user changed: the window stays, as for the other closing messages.
constexpr UINT kUserChanged = 84;

// At most Count characters of a UTF-8 text, cut between characters.
std::string FirstCharacters(const std::string& Text, std::size_t Count)
{
    std::size_t chars = 0;
    for (std::size_t i = 0; i < Text.size(); ++i) {
        if ((static_cast<unsigned char>(Text[i]) & 0xC0) == 0x80)
            continue;
        if (chars == Count)
            return Text.substr(0, i);
        ++chars;
    }
    return Text;
}

TShiftState KeyShift()
{
    TShiftState shift;
    if (GetAsyncKeyState(VK_SHIFT) < 0)
        shift.Include(ssShift);
    if (GetAsyncKeyState(VK_CONTROL) < 0)
        shift.Include(ssCtrl);
    if (GetAsyncKeyState(VK_MENU) < 0)
        shift.Include(ssAlt);
    return shift;
}

} // namespace

TskTrayIcon::TskTrayIcon(TComponent* AOwner) : TComponent(AOwner)
{
    TaskbarCreatedMessage = RegisterWindowMessage("TaskbarCreated");
    FWindow = std::make_unique<TUtilityWindow>([this](TMessage& Message) { return TrayProc(Message); });
    IconData.hWnd = FWindow->Handle();
    IconData.uID = 1;
    IconData.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    IconData.uCallbackMessage = WM_TRAYNOTIFY;
    AnimateTimer = new TTimer(this);
    AnimateTimer->SetEnabled(false);
    AnimateTimer->SetInterval(FAnimateTimerInterval);
    AnimateTimer->OnTimer = [this](TObject* Sender) { AnimateTimerProc(Sender); };
    ClickTimer = new TTimer(this);
    ClickTimer->SetEnabled(false);
    ClickTimer->SetInterval(GetDoubleClickTime());
    ClickTimer->OnTimer = [this](TObject* Sender) { ClickTimerProc(Sender); };
    if (FIcon->Empty() && LoadDefaultIcon() && Application && !Application->Icon()->Empty())
        FIcon->Assign(Application->Icon());
    if (Application) {
        // The window must exist to hear the tray's announcements.
        Application->Handle();
        // The hook stays with the application (which removes only its last hook); it goes quiet
        // once the tray icon is gone.
        std::shared_ptr<bool> alive = FAlive;
        Application->HookMainWindow([this, alive](TMessage& Message) { return *alive && AppProc(Message); });
    }
    if (TCustomForm* form = OwnerForm()) {
        OldWndProc = form->WindowProc;
        form->WindowProc = [this](TMessage& Message) { FormProc(Message); };
    }
}

TskTrayIcon::~TskTrayIcon()
{
    *FAlive = false;
    HideIconInTray();
    if (TCustomForm* form = OwnerForm(); form && OldWndProc)
        form->WindowProc = OldWndProc;
}

TCustomForm* TskTrayIcon::OwnerForm()
{
    return dynamic_cast<TCustomForm*>(GetOwner());
}

HWND TskTrayIcon::Handle() const
{
    return FWindow->Handle();
}

void TskTrayIcon::Loaded()
{
    if (OwnerForm() && MinimizedOnStart) {
        FIconVisible = true;
        FMinimizeToTray = true;
        if (Application)
            ShowWindow(Application->Handle(), SW_HIDE);
    }
    ModifyIcon();
    SetIconVisible(FIconVisible);
}

void TskTrayIcon::Notification(TComponent* AComponent, TOperation Operation)
{
    TComponent::Notification(AComponent, Operation);
    if (Operation != TOperation::opRemove)
        return;
    if (AComponent == FIconList)
        FIconList = nullptr;
    if (AComponent == FPopupMenu)
        FPopupMenu = nullptr;
    if (AComponent == FFrameMenu) {
        FFrameMenu = nullptr;
        FFrameRestore = nullptr;
    }
}

void TskTrayIcon::SetIcon(TIcon* Value)
{
    FIcon->Assign(Value);
    ModifyIcon();
}

void TskTrayIcon::SetIconVisible(bool Value)
{
    if (Value)
        ShowIcon();
    else
        HideIconInTray();
}

void TskTrayIcon::SetHint(const std::string& Value)
{
    FHint = Value;
    ModifyIcon();
}

void TskTrayIcon::SetShowHint(bool Value)
{
    FShowHint = Value;
    ModifyIcon();
}

void TskTrayIcon::SetPopupMenu(TskSkinPopupMenu* Value)
{
    FPopupMenu = Value;
    if (Value)
        Value->FreeNotification(this);
}

void TskTrayIcon::SetIconList(TCustomImageList* Value)
{
    FIconList = Value;
    if (Value)
        Value->FreeNotification(this);
    SetIconIndex(0);
}

void TskTrayIcon::SetIconIndex(int Value)
{
    // An empty list selects nothing: the index stays 0 rather than falling to -1.
    if (FIconList && FIconList->Count() > 0) {
        FIconIndex = std::clamp(Value, 0, FIconList->Count() - 1);
        FIconList->GetIcon(FIconIndex, FIcon.get());
    } else {
        FIconIndex = 0;
    }
    ModifyIcon();
}

void TskTrayIcon::SetCycleIcons(bool Value)
{
    FCycleIcons = Value;
    if (Value)
        SetIconIndex(0);
    AnimateTimer->SetEnabled(Value);
}

void TskTrayIcon::SetAnimateTimerInterval(UINT Value)
{
    FAnimateTimerInterval = Value;
    AnimateTimer->SetInterval(Value);
}

void TskTrayIcon::PrepareIconData()
{
    IconData.hIcon = FIcon->GetHandle();
    IconData.szTip = (!FHint.empty() && FShowHint) ? FirstCharacters(FHint, 127) : std::string();
}

bool TskTrayIcon::Notify(DWORD Message)
{
    PrepareIconData();
    return Shell_NotifyIcon(Message, &IconData) != FALSE;
}

bool TskTrayIcon::ShowIcon()
{
    FIconVisible = true;
    return Notify(NIM_ADD);
}

bool TskTrayIcon::HideIconInTray()
{
    FIconVisible = false;
    return Notify(NIM_DELETE);
}

bool TskTrayIcon::ModifyIcon()
{
    return Notify(NIM_MODIFY);
}

bool TskTrayIcon::ShowBalloonHint(const std::string& Title, const std::string& Text, TskBalloonHintIcon IconType)
{
    HideBalloonHint();
    IconData.uFlags |= NIF_INFO;
    IconData.szInfo = FirstCharacters(Text, 255);
    IconData.szInfoTitle = FirstCharacters(Title, 63);
    IconData.dwInfoFlags = static_cast<DWORD>(IconType);
    const bool result = ModifyIcon();
    IconData.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    return result;
}

bool TskTrayIcon::HideBalloonHint()
{
    IconData.uFlags |= NIF_INFO;
    IconData.szInfo.clear();
    return ModifyIcon();
}

bool TskTrayIcon::BitmapToIcon(TBitmap* Bitmap, TIcon* Icon, TColor MaskColor)
{
    if (!Bitmap || !Icon)
        return false;
    TImageList list(nullptr);
    list.SetSize(16, 16);
    list.AddMasked(Bitmap, MaskColor);
    return list.GetIcon(0, Icon);
}

void TskTrayIcon::ShowMainForm()
{
    TCustomForm* main = Application ? Application->MainForm() : nullptr;
    if (!OwnerForm() || !main)
        return;
    // The application's window is never mapped: here it stands for no task-bar entry (the main
    // form is its own), and showing it would put a stray 1 x 1 pop-up on the screen.
    main->SetVisible(true);
    if (main->GetWindowState() == TWindowState::wsMinimized)
        main->SetWindowState(TWindowState::wsNormal);
    main->SetTag(kTrayRestoreTag);
    PostMessage(main->GetHandle(), SKM_TRAYRESTORE, 0, 0);
}

void TskTrayIcon::HideMainForm()
{
    TCustomForm* main = Application ? Application->MainForm() : nullptr;
    if (!OwnerForm() || !main)
        return;
    main->SetVisible(false);
    ShowWindow(Application->Handle(), SW_HIDE);
    main->SetTag(kTrayRestoreTag);
}

void TskTrayIcon::DoMinimizeToTray()
{
    // Without a tray the hidden form could never be reached again: it stays minimised instead.
    if (!TrayAvailable())
        return;
    HideMainForm();
    SetIconVisible(true);
}

void TskTrayIcon::Click()
{
    if (auto handler = OnClick)
        handler(this);
}

void TskTrayIcon::DblClick()
{
    if (auto handler = OnDblClick)
        handler(this);
}

void TskTrayIcon::Cycle(int NextIndex)
{
    if (auto handler = OnCycle)
        handler(this, NextIndex);
}

void TskTrayIcon::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (auto handler = OnMouseDown)
        handler(this, Button, Shift, X, Y);
}

void TskTrayIcon::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (auto handler = OnMouseUp)
        handler(this, Button, Shift, X, Y);
}

void TskTrayIcon::MouseMove(TShiftState Shift, int X, int Y)
{
    if (auto handler = OnMouseMove)
        handler(this, Shift, X, Y);
}

bool TskTrayIcon::TrayProc(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_TRAYNOTIFY: {
        if (!FEnabled)
            return true;
        POINT p{};
        GetCursorPos(&p);
        TShiftState shift = KeyShift();
        switch (static_cast<UINT>(Message.LParam)) {
        case WM_MOUSEMOVE: MouseMove(shift, p.x, p.y); break;
        case WM_LBUTTONDOWN:
            ClickTimer->SetEnabled(true);
            shift.Include(ssLeft);
            MouseDown(TMouseButton::mbLeft, shift, p.x, p.y);
            FClickStart = true;
            if (PopupByLeftButton)
                PopupAtCursor();
            break;
        case WM_LBUTTONUP:
            if (FClickStart) {
                FClickReady = true;
                if (!ClickTimer->GetEnabled()) {
                    FClickStart = false;
                    FClickReady = false;
                    Click();
                }
            }
            FClickStart = false;
            shift.Include(ssLeft);
            MouseUp(TMouseButton::mbLeft, shift, p.x, p.y);
            break;
        case WM_LBUTTONDBLCLK:
            FClickReady = false;
            IsDblClick = true;
            DblClick();
            if (FPopupMenu && FPopupMenu->GetAutoPopup() && !PopupByLeftButton) {
                TMenuItem* items = FPopupMenu->Items();
                for (int i = 0; i < items->Count(); ++i)
                    if (items->Items(i)->GetDefault()) {
                        items->Items(i)->Click();
                        break;
                    }
            }
            break;
        case WM_RBUTTONDOWN:
            shift.Include(ssRight);
            MouseDown(TMouseButton::mbRight, shift, p.x, p.y);
            PopupAtCursor();
            break;
        case WM_RBUTTONUP:
            shift.Include(ssRight);
            MouseUp(TMouseButton::mbRight, shift, p.x, p.y);
            break;
        case WM_MBUTTONDOWN:
            shift.Include(ssMiddle);
            MouseDown(TMouseButton::mbMiddle, shift, p.x, p.y);
            break;
        case WM_MBUTTONUP:
            shift.Include(ssMiddle);
            MouseUp(TMouseButton::mbMiddle, shift, p.x, p.y);
            break;
        case NIN_BALLOONUSERCLICK:
            if (auto handler = OnBalloonHintClick)
                handler(this);
            break;
        default: break;
        }
        return true;
    }
    case WM_DESTROY:
    case WM_CLOSE:
    case WM_QUERYENDSESSION:
    case WM_QUIT:
    case kUserChanged:
    case WM_NCDESTROY:
        Message.Result = 1;
        return true;
    default:
        return false;
    }
}

void TskTrayIcon::ClickTimerProc(TObject*)
{
    ClickTimer->SetEnabled(false);
    if (!IsDblClick && FClickReady) {
        FClickReady = false;
        Click();
    }
    IsDblClick = false;
}

void TskTrayIcon::AnimateTimerProc(TObject*)
{
    if (!FIconList || FIconList->Count() == 0)
        return;
    FIconList->GetIcon(FIconIndex, FIcon.get());
    const int next = FIconIndex < FIconList->Count() - 1 ? FIconIndex + 1 : 0;
    Cycle(next);
    ModifyIcon();
    SetIconIndex(next);
}

void TskTrayIcon::PopupAtCursor()
{
    POINT p{};
    if (!FPopupMenu || !FPopupMenu->GetAutoPopup() || !GetCursorPos(&p))
        return;
    Application->ProcessMessages();
    SetForegroundWindow(Handle());
    TCustomForm* form = OwnerForm();
    if (form && form->HandleAllocated())
        SetForegroundWindow(form->GetHandle());
    FPopupMenu->SetPopupComponent(this);
    FPopupMenu->Popup(p.x, p.y);
    if (form && form->HandleAllocated())
        PostMessage(form->GetHandle(), WM_NULL, 0, 0);
}

bool TskTrayIcon::AppProc(TMessage& Message)
{
    if (Message.Msg == WM_SIZE && Message.WParam == SIZE_MINIMIZED && FMinimizeToTray)
        DoMinimizeToTray();
    else if (Message.Msg == WM_WINDOWPOSCHANGED && SettingMDIForm && Application->MainForm()) {
        if (Application->MainForm()->GetFormStyle() == TFormStyle::fsMDIForm && MinimizedOnStart)
            ShowWindow(Application->Handle(), SW_HIDE);
        SettingMDIForm = false;
    } else if (Message.Msg == TaskbarCreatedMessage && FIconVisible)
        ShowIcon();
    return false;
}

void TskTrayIcon::FormProc(TMessage& Message)
{
    if (Message.Msg == WM_ACTIVATE && (LOWORD(Message.WParam) == WA_ACTIVE || LOWORD(Message.WParam) == WA_CLICKACTIVE)
        && Screen && Screen->ActiveControl() && Screen->ActiveControl()->HandleAllocated()) {
        TWinControl* active = Screen->ActiveControl();
        HWND expected = active->GetParent() && active->GetParent()->HandleAllocated() ? active->GetParent()->GetHandle()
                                                                                      : active->GetHandle();
        if (reinterpret_cast<HWND>(Message.LParam) != expected)
            SetFocus(active->GetHandle());
    } else if (Message.Msg == WM_SHOWWINDOW && Message.WParam == 1 && Message.LParam == 0) {
        // The application's window stays unmapped (see ShowMainForm).
        if (TCustomForm* form = OwnerForm())
            SetForegroundWindow(form->GetHandle());
    }
    if (OldWndProc)
        OldWndProc(Message);
}

void TskTrayIcon::AdoptFrameMenu(TskSkinPopupMenu* Menu, std::function<void()> Restore)
{
    if (!FPopupMenu)
        SetPopupMenu(Menu);
    if (OnDblClick)
        return;
    // The frame's menu goes with the frame: the restore is forgotten then.
    FFrameMenu = Menu;
    FFrameRestore = std::move(Restore);
    Menu->FreeNotification(this);
    OnDblClick = [this](TObject*) {
        if (auto restore = FFrameRestore)
            restore();
    };
}
