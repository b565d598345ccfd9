#pragma once
// The text clipboard (Unicode text as UTF-8). The display's clipboard is used unless a store was
// installed (tests install a fake one, so they never touch the desktop's clipboard).

#include "platform/window/Handles.h"

#include <memory>
#include <optional>
#include <string>

class ClipboardStore {
public:
    virtual ~ClipboardStore() = default;
    // The clipboard's text; nullopt when it holds no text (nothing, or only other formats).
    virtual std::optional<std::string> Text() = 0;
    virtual void SetText(const std::string& text) = 0;
};

// nullptr returns to the display's clipboard.
void SetClipboardStore(std::unique_ptr<ClipboardStore> store);

// Whether the clipboard holds text (which may be empty).
bool IsClipboardTextAvailable();
// The clipboard's text with invalid UTF-8 replaced; empty when it holds no text.
std::string GetClipboardText();
// Puts the text (invalid UTF-8 replaced) on the clipboard.
BOOL SetClipboardText(const std::string& text);
