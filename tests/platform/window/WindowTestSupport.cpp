#include "WindowTestSupport.h"

#include <algorithm>

namespace {

WindowTest* current = nullptr;

} // namespace

WindowTest::WindowTest()
{
    current = this;
    WNDCLASS wc;
    wc.lpfnWndProc = &WindowTest::Proc;
    wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<std::intptr_t>(COLOR_WINDOW + 1));
    wc.lpszClassName = "Plain";
    RegisterClass(&wc);
    wc.style = CS_DBLCLKS;
    wc.lpszClassName = "Clicks";
    RegisterClass(&wc);
}

WindowTest::~WindowTest()
{
    current = nullptr;
}

LRESULT WindowTest::Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (!current)
        return DefWindowProc(hwnd, msg, wParam, lParam);
    current->log.push_back(Recorded{hwnd, msg, wParam, lParam});
    if (current->onMessage) {
        if (auto answer = current->onMessage(hwnd, msg, wParam, lParam))
            return *answer;
    }
    return DefWindowProc(hwnd, msg, wParam, lParam);
}

HWND WindowTest::Top(RECT r, DWORD style, DWORD exStyle, const char* cls, HWND owner)
{
    return CreateWindowEx(exStyle, cls, "top", style, r.left, r.top, r.right - r.left, r.bottom - r.top, owner, nullptr,
                          nullptr, nullptr);
}

HWND WindowTest::Child(HWND parent, RECT r, DWORD style, DWORD exStyle, const char* cls)
{
    return CreateWindowEx(exStyle, cls, "child", style, r.left, r.top, r.right - r.left, r.bottom - r.top, parent,
                          nullptr, nullptr, nullptr);
}

std::vector<UINT> WindowTest::Messages(HWND hwnd, std::initializer_list<UINT> wanted) const
{
    std::vector<UINT> out;
    for (const Recorded& r : log) {
        if ((!hwnd || r.hwnd == hwnd) && std::find(wanted.begin(), wanted.end(), r.msg) != wanted.end())
            out.push_back(r.msg);
    }
    return out;
}

std::vector<Recorded> WindowTest::Find(HWND hwnd, UINT msg) const
{
    std::vector<Recorded> out;
    for (const Recorded& r : log) {
        if ((!hwnd || r.hwnd == hwnd) && r.msg == msg)
            out.push_back(r);
    }
    return out;
}

POINT ScreenPoint(HWND hwnd, int x, int y)
{
    POINT p{x, y};
    ClientToScreen(hwnd, &p);
    return p;
}
