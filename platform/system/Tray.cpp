#include "platform/system/Tray.h"

#include "platform/window/MessageLoop.h"
#include "platform/window/Messages.h"
#include "platform/window/WindowObject.h"
#include "platform/window/WindowSystem.h"

#include <map>
#include <utility>

TrayBackend& DefaultTrayBackend();

namespace {

struct TrayEntry {
    HWND window;
    UINT id;
    UINT callback;
};

struct TrayState {
    TrayBackend* backend = nullptr;
    std::map<std::pair<HWND, UINT>, int> keys;
    std::map<int, TrayEntry> entries;
    int nextKey = 1;
};

TrayState& State()
{
    static TrayState state;
    return state;
}

void Deliver(int key, TrayActivation what)
{
    auto it = State().entries.find(key);
    if (it == State().entries.end())
        return;
    const TrayEntry e = it->second;
    auto post = [&e](UINT mouse) { PostMessage(e.window, e.callback, e.id, mouse); };
    switch (what) {
    case TrayActivation::Click: post(WM_LBUTTONDOWN); post(WM_LBUTTONUP); break;
    case TrayActivation::DoubleClick: post(WM_LBUTTONDBLCLK); post(WM_LBUTTONUP); break;
    case TrayActivation::Context: post(WM_RBUTTONDOWN); post(WM_RBUTTONUP); break;
    case TrayActivation::Middle: post(WM_MBUTTONDOWN); post(WM_MBUTTONUP); break;
    case TrayActivation::BalloonClick: post(NIN_BALLOONUSERCLICK); break;
    }
}

void AnnounceTray()
{
    // A new tray knows no icon: their owners add them again.
    State().keys.clear();
    State().entries.clear();
    const UINT message = RegisterWindowMessage("TaskbarCreated");
    WindowSystem& sys = Sys();
    for (HWND h : sys.AllHandles())
        if (Window* w = sys.Find(h); w && w->IsTopLevel())
            PostMessage(h, message, 0, 0);
}

TrayBackend& Backend()
{
    TrayState& s = State();
    if (!s.backend)
        SetTrayBackend(&DefaultTrayBackend());
    return *s.backend;
}

} // namespace

void SetTrayBackend(TrayBackend* backend)
{
    TrayState& s = State();
    if (s.backend) {
        s.backend->Activated = nullptr;
        s.backend->TrayCreated = nullptr;
    }
    s.keys.clear();
    s.entries.clear();
    s.backend = backend ? backend : &DefaultTrayBackend();
    s.backend->Activated = Deliver;
    s.backend->TrayCreated = AnnounceTray;
}

bool TrayAvailable()
{
    return Backend().Available();
}

BOOL Shell_NotifyIcon(DWORD message, const NOTIFYICONDATA* data)
{
    if (!data)
        return FALSE;
    TrayBackend& backend = Backend();
    TrayState& s = State();
    if (!backend.Available())
        return FALSE;
    const auto id = std::make_pair(data->hWnd, data->uID);
    auto known = s.keys.find(id);
    switch (message) {
    case NIM_ADD: {
        if (known != s.keys.end())
            return FALSE;
        const int key = s.nextKey++;
        if (!backend.Show(key, (data->uFlags & NIF_ICON) ? data->hIcon : nullptr,
                          (data->uFlags & NIF_TIP) ? data->szTip : std::string()))
            return FALSE;
        s.keys[id] = key;
        s.entries[key] = {data->hWnd, data->uID, (data->uFlags & NIF_MESSAGE) ? data->uCallbackMessage : 0};
        return TRUE;
    }
    case NIM_MODIFY: {
        if (known == s.keys.end())
            return FALSE;
        TrayEntry& e = s.entries[known->second];
        if (data->uFlags & NIF_MESSAGE)
            e.callback = data->uCallbackMessage;
        bool ok = backend.Show(known->second, (data->uFlags & NIF_ICON) ? data->hIcon : nullptr,
                               (data->uFlags & NIF_TIP) ? data->szTip : std::string());
        if (ok && (data->uFlags & NIF_INFO) && !data->szInfo.empty())
            ok = backend.ShowMessage(known->second, data->szInfoTitle, data->szInfo, data->dwInfoFlags);
        return ok ? TRUE : FALSE;
    }
    case NIM_DELETE: {
        if (known == s.keys.end())
            return FALSE;
        const int key = known->second;
        s.keys.erase(known);
        s.entries.erase(key);
        return backend.Remove(key) ? TRUE : FALSE;
    }
    default:
        return FALSE;
    }
}
