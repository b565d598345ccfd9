#include "classlib/UtilityWindow.h"
#include "platform/gdi/Gdi.h"
#include "platform/win/Rect.h"

#include "classlib/ControlHooks.h"
#include "platform/window/User.h"

namespace {

constexpr const char* kClassName = "TPUtilWindow";

} // namespace

LRESULT UtilityWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    auto* self = reinterpret_cast<TUtilityWindow*>(GetWindowLongPtr(hwnd, 0));
    if (!self)
        return DefWindowProc(hwnd, msg, wParam, lParam);
    // Holding the procedure keeps it alive should it destroy the window (and its owner).
    std::shared_ptr<TUtilityWindow::TProc> proc = self->FProc;
    TMessage m{msg, wParam, lParam, 0};
    bool handled = false;
    try {
        handled = (*proc)(m);
    } catch (...) {
        ControlHooks::HandleException(nullptr);
        handled = true;
    }
    if (!handled)
        return DefWindowProc(hwnd, msg, wParam, lParam);
    return m.Result;
}

TUtilityWindow::TUtilityWindow(TProc Proc, const std::string& Caption) : FProc(std::make_shared<TProc>(std::move(Proc)))
{
    WNDCLASS existing;
    if (!GetClassInfo(nullptr, kClassName, &existing)) {
        WNDCLASS wc;
        wc.lpfnWndProc = &UtilityWindowProc;
        wc.cbWndExtra = sizeof(LONG_PTR);
        wc.lpszClassName = kClassName;
        RegisterClass(&wc);
    }
    FHandle = CreateWindowEx(WS_EX_TOOLWINDOW, kClassName, Caption.c_str(), WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                             nullptr, nullptr);
    if (FHandle)
        SetWindowLongPtr(FHandle, 0, reinterpret_cast<LONG_PTR>(this));
}

TUtilityWindow::~TUtilityWindow()
{
    if (FHandle && IsWindow(FHandle)) {
        SetWindowLongPtr(FHandle, 0, 0);
        DestroyWindow(FHandle);
    }
}
