#pragma once
// A test window class that records every message it gets and lets the running test answer the
// ones it cares about, on top of the headless window test kit.

#include "platform/testkit/WindowTestKit.h"
#include "platform/win/Rect.h"
#include "platform/window/User.h"

#include <functional>
#include <optional>
#include <vector>

struct Recorded {
    HWND hwnd;
    UINT msg;
    WPARAM wParam;
    LPARAM lParam;
};

class WindowTest {
public:
    // Registers "Plain" and, with CS_DBLCLKS, "Clicks"; both erase with a white background.
    WindowTest();
    ~WindowTest();

    WindowTestKit kit;
    // Runs before the default handling; a value answers the message.
    std::function<std::optional<LRESULT>(HWND, UINT, WPARAM, LPARAM)> onMessage;
    std::vector<Recorded> log;

    HWND Top(RECT r, DWORD style = WS_POPUP | WS_VISIBLE, DWORD exStyle = 0, const char* cls = "Plain",
             HWND owner = nullptr);
    HWND Child(HWND parent, RECT r, DWORD style = WS_CHILD | WS_VISIBLE, DWORD exStyle = 0, const char* cls = "Plain");

    // The recorded messages of one window (any window with nullptr) among those listed.
    std::vector<UINT> Messages(HWND hwnd, std::initializer_list<UINT> wanted) const;
    std::vector<Recorded> Find(HWND hwnd, UINT msg) const;
    void Clear() { log.clear(); }

    static LRESULT Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
};

// Screen point of a window's client point.
POINT ScreenPoint(HWND hwnd, int x, int y);
