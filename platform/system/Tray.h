#pragma once
// The notification area ("tray"): icons with a tip and balloon messages, whose clicks come back
// as messages to a window. The desktop's tray is reached through a replaceable backend (the Qt
// one by default; tests install a fake).

#include "platform/gdi/GdiTypes.h"
#include "platform/win/Types.h"
#include "platform/window/Handles.h"

#include <functional>
#include <string>

// What the user did with an icon.
enum class TrayActivation { Click, DoubleClick, Context, Middle, BalloonClick };

class TrayBackend {
public:
    virtual ~TrayBackend() = default;
    // Whether the desktop has a tray at all (a bare X server has none).
    virtual bool Available() = 0;
    // Shows (or updates) the icon with that key; an empty tip shows none.
    virtual bool Show(int key, HICON icon, const std::string& tip) = 0;
    virtual bool Remove(int key) = 0;
    // A balloon message next to the icon; kind 0 none, 1 information, 2 warning, 3 error.
    virtual bool ShowMessage(int key, const std::string& title, const std::string& text, DWORD kind) = 0;

    // Set by the tray front end: a user action on an icon, and a tray that came (back).
    std::function<void(int key, TrayActivation what)> Activated;
    std::function<void()> TrayCreated;
};

// null gives back the default backend. The backend is not owned.
void SetTrayBackend(TrayBackend* backend);
bool TrayAvailable();

// The icon's description; Window receives CallbackMessage with wParam = Id and lParam = the mouse
// message (WM_LBUTTONDOWN ...) or NIN_BALLOONUSERCLICK.
constexpr UINT NIF_MESSAGE = 1;
constexpr UINT NIF_ICON = 2;
constexpr UINT NIF_TIP = 4;
constexpr UINT NIF_INFO = 16;
constexpr DWORD NIM_ADD = 0;
constexpr DWORD NIM_MODIFY = 1;
constexpr DWORD NIM_DELETE = 2;
constexpr DWORD NIIF_NONE = 0;
constexpr DWORD NIIF_INFO = 1;
constexpr DWORD NIIF_WARNING = 2;
constexpr DWORD NIIF_ERROR = 3;
constexpr UINT NIN_BALLOONUSERCLICK = 1029;

struct NOTIFYICONDATA {
    HWND hWnd = nullptr;
    UINT uID = 0;
    UINT uFlags = 0;
    UINT uCallbackMessage = 0;
    HICON hIcon = nullptr;
    std::string szTip;
    std::string szInfo;
    std::string szInfoTitle;
    DWORD dwInfoFlags = 0;
};

// Adds, changes or removes the icon of (hWnd, uID). False without a tray, for NIM_MODIFY or
// NIM_DELETE of an icon not added, and for NIM_ADD of one already there. When the tray comes
// back, every top-level window receives the registered message "TaskbarCreated".
BOOL Shell_NotifyIcon(DWORD message, const NOTIFYICONDATA* data);
