#include "platform/testkit/FakeTray.h"

bool FakeTray::Show(int key, HICON icon, const std::string& tip)
{
    calls.push_back("show " + std::to_string(key));
    if (!available)
        return false;
    Icon& i = icons[key];
    if (icon)
        i.icon = icon;
    i.tip = tip;
    return true;
}

bool FakeTray::Remove(int key)
{
    calls.push_back("remove " + std::to_string(key));
    return icons.erase(key) > 0;
}

bool FakeTray::ShowMessage(int key, const std::string& title, const std::string& text, DWORD kind)
{
    calls.push_back("message " + std::to_string(key));
    messages.push_back({key, title, text, kind});
    return icons.count(key) > 0;
}

void FakeTray::Activate(int key, TrayActivation what)
{
    if (Activated)
        Activated(key, what);
}

void FakeTray::Restart()
{
    icons.clear();
    if (TrayCreated)
        TrayCreated();
}
