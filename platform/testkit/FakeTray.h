#pragma once
// A tray for tests: records what the tray front end asks of it and lets a test click its icons.
// Install it with SetTrayBackend(&fake) and give the default back with SetTrayBackend(nullptr).

#include "platform/system/Tray.h"

#include <map>
#include <string>
#include <vector>

class FakeTray : public TrayBackend {
public:
    struct Icon {
        HICON icon = nullptr;
        std::string tip;
    };
    struct Message {
        int key;
        std::string title;
        std::string text;
        DWORD kind;
    };

    bool Available() override { return available; }
    bool Show(int key, HICON icon, const std::string& tip) override;
    bool Remove(int key) override;
    bool ShowMessage(int key, const std::string& title, const std::string& text, DWORD kind) override;

    // Emits a user action on the icon of that key (as the desktop would).
    void Activate(int key, TrayActivation what);
    // The tray restarts: its icons are gone and TrayCreated is announced.
    void Restart();

    bool available = true;
    std::map<int, Icon> icons;  // the icons shown now, by key
    std::vector<std::string> calls;  // "show 1", "remove 1", "message 1"
    std::vector<Message> messages;
};
