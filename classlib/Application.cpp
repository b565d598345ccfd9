#include "classlib/Forms.h"

#include <algorithm>
#include "platform/gdi/Gdi.h"
#include "platform/win/Rect.h"

#include "classlib/ControlHooks.h"
#include "classlib/UtilityWindow.h"
#include "platform/window/User.h"

// Made at start-up (before any window: their constructors touch no window) and never freed, so
// nothing runs after the window system has gone; DoneApplication frees what they hold.
TScreen* Screen = new TScreen(nullptr);
TApplication* Application = new TApplication(nullptr);

TApplication::TApplication(TComponent* AOwner) : TComponent(AOwner) {}

TApplication::~TApplication() = default;

int TApplication::AddMessageFilter(TMessageEvent Filter)
{
    const int token = FNextFilterToken++;
    FMessageFilters.emplace_back(token, std::move(Filter));
    return token;
}

void TApplication::RemoveMessageFilter(int Token)
{
    std::erase_if(FMessageFilters, [Token](const auto& f) { return f.first == Token; });
}

HWND TApplication::Handle()
{
    if (!FWindow || !IsWindow(FWindow->Handle()))
        FWindow = std::make_unique<TUtilityWindow>([this](TMessage& m) { return windowProc(m); }, FTitle);
    return FWindow->Handle();
}

bool TApplication::HelpContext(int Context)
{
    auto handler = OnHelp;
    return handler && handler(HELP_CONTEXT, Context);
}

void TApplication::SetTitle(const std::string& Value)
{
    FTitle = Value;
    if (FWindow && IsWindow(FWindow->Handle()))
        SetWindowText(FWindow->Handle(), Value);
}

void TApplication::HookMainWindow(TWindowHook Hook)
{
    FHooks.push_back(std::move(Hook));
}

void TApplication::UnhookMainWindow()
{
    if (!FHooks.empty())
        FHooks.pop_back();
}

bool TApplication::windowProc(TMessage& Message)
{
    std::vector<TWindowHook> hooks = FHooks;
    for (auto it = hooks.rbegin(); it != hooks.rend(); ++it)
        if ((*it)(Message))
            return true;
    switch (Message.Msg) {
    case WM_SYSCOMMAND:
        switch (Message.WParam & 0xFFF0) {
        case SC_MINIMIZE:
            Minimize();
            return true;
        case SC_RESTORE:
            Restore();
            return true;
        }
        return false;
    case WM_CLOSE:
        if (FMainForm)
            FMainForm->Close();
        return true;
    case CM_RELEASE:
        FreeReleasedControls();
        return true;
    case WM_TIMER:
        if (Message.WParam == 1) {
            const bool shows = FHintTimerShows;
            stopHintTimer();
            if (shows) {
                showHintNow();
            } else if (FHintWindow) {
                FHintWindow->ReleaseHint();
                FHintActive = false;
            }
            return true;
        }
        return false;
    default:
        return false;
    }
}

void TApplication::Minimize()
{
    if (FMainForm && FMainForm->HandleAllocated() && !IsIconic(FMainForm->FHandle)) {
        ShowWindow(FMainForm->FHandle, SW_MINIMIZE);
        // The platform left the window as it was (nothing iconifies windows here).
        if (!IsIconic(FMainForm->FHandle))
            return;
    }
    SendMessage(Handle(), WM_SIZE, SIZE_MINIMIZED, 0);
    if (auto handler = OnMinimize)
        handler(this);
}

void TApplication::Restore()
{
    if (FMainForm && FMainForm->HandleAllocated() && IsIconic(FMainForm->FHandle))
        ShowWindow(FMainForm->FHandle, SW_RESTORE);
    SendMessage(Handle(), WM_SIZE, SIZE_RESTORED, 0);
    if (auto handler = OnRestore)
        handler(this);
}

// --- the message loop ------------------------------------------------------------------------

bool TApplication::isKeyMsg(MSG& Msg)
{
    if (Msg.message < WM_KEYFIRST || Msg.message > WM_KEYLAST)
        return false;
    if (!TWinControl::FindControl(Msg.hwnd))
        return false;
    return SendMessage(Msg.hwnd, CN_BASE + Msg.message, Msg.wParam, Msg.lParam) != 0;
}

bool TApplication::ProcessMessage()
{
    MSG msg;
    if (!PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE))
        return false;
    if (msg.message == WM_QUIT) {
        FTerminate = true;
        return true;
    }
    bool handled = false;
    if (auto handler = OnMessage)
        handler(msg, handled);
    for (std::size_t i = 0; !handled && i < FMessageFilters.size(); ++i) {
        const auto filter = FMessageFilters[i];
        filter.second(msg, handled);
        // A filter that removed itself or an earlier one shifted the rest down.
        const auto at = std::find_if(FMessageFilters.begin(), FMessageFilters.end(),
                                     [&](const auto& f) { return f.first == filter.first; });
        i = at == FMessageFilters.end() ? i - 1 : static_cast<std::size_t>(at - FMessageFilters.begin());
    }
    if (!isHintMsg(msg) && !handled && !isKeyMsg(msg)) {
        TranslateMessage(&msg);
        DispatchMessage(&msg);
    }
    return true;
}

void TApplication::ProcessMessages()
{
    while (ProcessMessage()) {
    }
}

void TApplication::idle()
{
    bool done = true;
    if (auto handler = OnIdle)
        handler(this, done);
    ControlHooks::FreeDeviceContexts();
}

void TApplication::HandleMessage()
{
    if (!ProcessMessage()) {
        idle();
        if (!FTerminate)
            WaitMessage();
    }
}

void TApplication::Run()
{
    if (FMainForm) {
        if (FMainForm->GetWindowState() == TWindowState::wsMinimized) {
            Minimize();
            // Where windows cannot be iconified the main form comes up as it is.
            if (FMainForm->HandleAllocated() && !IsIconic(FMainForm->FHandle))
                FMainForm->Show();
        } else {
            FMainForm->Show();
        }
    }
    while (!FTerminate) {
        try {
            HandleMessage();
        } catch (...) {
            HandleException(this);
        }
    }
}

void TApplication::Terminate()
{
    PostQuitMessage(0);
}

// --- errors ----------------------------------------------------------------------------------

void TApplication::HandleException(TObject* Sender)
{
    std::exception_ptr error = std::current_exception();
    if (!error)
        return;
    if (HWND capture = GetCapture())
        SendMessage(capture, WM_CANCELMODE, 0, 0);
    try {
        std::rethrow_exception(error);
    } catch (const std::exception& e) {
        if (auto handler = OnException)
            handler(Sender, e);
        else
            ShowException(e);
    } catch (...) {
        Exception e("Unknown error");
        if (auto handler = OnException)
            handler(Sender, e);
        else
            ShowException(e);
    }
}

void TApplication::ShowException(const std::exception& E)
{
    std::string text = E.what();
    if (!text.empty() && text.back() != '.')
        text += '.';
    MessageBox(text, FTitle, MB_OK | MB_ICONERROR);
}

void DoneApplication()
{
    TApplication* app = Application;
    app->CancelHint();
    app->DestroyComponents();
    app->FMainForm = nullptr;
    app->FHintWindow = nullptr;
    app->FWindow.reset();
    app->FHooks.clear();
    app->FMessageFilters.clear();
    app->FIcon = std::make_unique<TIcon>();
    app->FTerminate = false;
    app->OnMessage = nullptr;
    app->OnIdle = nullptr;
    app->OnException = nullptr;
    app->OnMinimize = nullptr;
    app->OnRestore = nullptr;
    app->OnShowHint = nullptr;
    app->FShowHint = true;
    app->FTitle.clear();
    // Forms without the application as owner are the caller's; the screen forgets nothing else.
    Screen->SetCursor(crDefault);
}
