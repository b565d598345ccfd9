// TranslateMessage: the characters of key presses.

#include "platform/window/Input.h"
#include "platform/window/Keys.h"
#include "platform/window/MessageLoop.h"
#include "platform/window/WindowSystem.h"

#include <vector>

namespace {

// The character a key gives on a US keyboard layout, for key presses that came without text
// (posted by a program, or typed in a test).
std::string CharsOfKey(UINT vk)
{
    const bool shift = GetKeyState(VK_SHIFT) < 0;
    const bool ctrl = GetKeyState(VK_CONTROL) < 0;
    const bool caps = (GetKeyState(VK_CAPITAL) & 1) != 0;
    if (vk >= 'A' && vk <= 'Z') {
        if (ctrl)
            return std::string(1, static_cast<char>(vk - 'A' + 1));
        return std::string(1, static_cast<char>((shift != caps) ? vk : vk + ('a' - 'A')));
    }
    if (ctrl)
        return {};
    if (vk >= '0' && vk <= '9')
        return std::string(1, shift ? ")!@#$%^&*("[vk - '0'] : static_cast<char>(vk));
    if (vk >= VK_NUMPAD0 && vk <= VK_NUMPAD9)
        return std::string(1, static_cast<char>('0' + (vk - VK_NUMPAD0)));
    struct Pair {
        UINT vk;
        char plain;
        char shifted;
    };
    static const Pair keys[] = {
        {VK_SPACE, ' ', ' '},       {VK_RETURN, '\r', '\r'},   {VK_BACK, '\b', '\b'},     {VK_TAB, '\t', '\t'},
        {VK_ESCAPE, 0x1B, 0x1B},    {VK_MULTIPLY, '*', '*'},   {VK_ADD, '+', '+'},       {VK_SUBTRACT, '-', '-'},
        {VK_DECIMAL, '.', '.'},     {VK_DIVIDE, '/', '/'},     {VK_OEM_1, ';', ':'},     {VK_OEM_PLUS, '=', '+'},
        {VK_OEM_COMMA, ',', '<'},   {VK_OEM_MINUS, '-', '_'},  {VK_OEM_PERIOD, '.', '>'}, {VK_OEM_2, '/', '?'},
        {VK_OEM_3, '`', '~'},       {VK_OEM_4, '[', '{'},      {VK_OEM_5, '\\', '|'},    {VK_OEM_6, ']', '}'},
        {VK_OEM_7, '\'', '"'},
    };
    for (const Pair& p : keys) {
        if (p.vk == vk)
            return std::string(1, shift ? p.shifted : p.plain);
    }
    return {};
}

std::vector<char32_t> CodePoints(const std::string& text)
{
    std::vector<char32_t> out;
    for (std::size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        int length = c < 0x80 ? 1 : (c >> 5) == 0x6 ? 2 : (c >> 4) == 0xE ? 3 : (c >> 3) == 0x1E ? 4 : 0;
        if (length == 0 || i + static_cast<std::size_t>(length) > text.size()) {
            ++i;  // not UTF-8: skipped
            continue;
        }
        char32_t cp = length == 1 ? c : (c & (0x7F >> length));
        for (int k = 1; k < length; ++k)
            cp = (cp << 6) | (static_cast<unsigned char>(text[i + static_cast<std::size_t>(k)]) & 0x3F);
        out.push_back(cp);
        i += static_cast<std::size_t>(length);
    }
    return out;
}

} // namespace

BOOL TranslateMessage(const MSG* msg)
{
    if (!msg || (msg->message != WM_KEYDOWN && msg->message != WM_SYSKEYDOWN))
        return FALSE;
    InputState& in = Sys().input;
    std::string chars;
    // Input that came without text gets the character of its key.
    if (in.hasPendingChars && in.pendingKey == msg->wParam && !in.pendingChars.empty())
        chars = in.pendingChars;
    else
        chars = CharsOfKey(static_cast<UINT>(msg->wParam));
    in.hasPendingChars = false;
    const std::vector<char32_t> points = CodePoints(chars);
    const UINT charMessage = msg->message == WM_SYSKEYDOWN ? WM_SYSCHAR : WM_CHAR;
    // The characters come next, before anything posted earlier.
    for (auto it = points.rbegin(); it != points.rend(); ++it)
        Sys().queue.PostFront(MSG{msg->hwnd, charMessage, static_cast<WPARAM>(*it), msg->lParam});
    return points.empty() ? FALSE : TRUE;
}
