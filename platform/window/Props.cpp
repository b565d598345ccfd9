#include "platform/window/Props.h"

#include "platform/window/WindowSystem.h"

#include <algorithm>
#include <string_view>

namespace {

auto FindProp(Window* w, std::string_view name)
{
    return std::find_if(w->props.begin(), w->props.end(), [&](const auto& p) { return p.first == name; });
}

} // namespace

BOOL SetProp(HWND hwnd, LPCSTR name, HANDLE data)
{
    Window* w = Sys().Find(hwnd);
    if (!w || !name || !*name)
        return FALSE;
    if (auto it = FindProp(w, name); it != w->props.end())
        it->second = data;
    else
        w->props.emplace_back(name, data);
    return TRUE;
}

HANDLE GetProp(HWND hwnd, LPCSTR name)
{
    Window* w = Sys().Find(hwnd);
    if (!w || !name)
        return nullptr;
    auto it = FindProp(w, name);
    return it == w->props.end() ? nullptr : it->second;
}

HANDLE RemoveProp(HWND hwnd, LPCSTR name)
{
    Window* w = Sys().Find(hwnd);
    if (!w || !name)
        return nullptr;
    auto it = FindProp(w, name);
    if (it == w->props.end())
        return nullptr;
    HANDLE data = it->second;
    w->props.erase(it);
    return data;
}
