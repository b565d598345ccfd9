#pragma once
// Keys and clicks made by the X server as if they came from its devices (the XTEST extension),
// so a window manager's key bindings and click-to-focus see them as they see a user's.

#include "platform/display/QtX11.h"

#include <xcb/xcbext.h>

#include <sys/uio.h>

#include <cstdint>
#include <cstdlib>
#include <initializer_list>
#include <iterator>

namespace xscreen {

// Key symbols of the keys the tests press.
constexpr xcb_keysym_t kAltKey = 0xFFE9;
constexpr xcb_keysym_t kTabKey = 0xFF09;
constexpr xcb_keysym_t kEscapeKey = 0xFF1B;
constexpr xcb_keysym_t kF4Key = 0xFFC1;

// One XTEST FakeInput request: a key or button (detail) goes down or up, or the pointer moves.
inline void FakeInput(std::uint8_t type, std::uint8_t detail, std::int16_t x = 0, std::int16_t y = 0)
{
    xcb_connection_t* c = XConnection();
    static xcb_extension_t xtest{"XTEST", 0};
    struct {
        std::uint8_t major, minor;
        std::uint16_t length;
        std::uint8_t type, detail, pad0[2];
        std::uint32_t time;
        xcb_window_t root;
        std::uint8_t pad1[8];
        std::int16_t x, y;
        std::uint8_t pad2[7], device;
    } request{};
    static_assert(sizeof(request) == 36);
    request.type = type;
    request.detail = detail;
    request.root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    request.x = x;
    request.y = y;
    iovec parts[4]{};
    parts[2].iov_base = &request;
    parts[2].iov_len = sizeof request;
    const xcb_protocol_request_t info{1, &xtest, 2, 1};  // FakeInput, no reply
    xcb_send_request(c, 0, parts + 2, &info);
    xcb_flush(c);
}

// The key code of a key symbol on the server's keyboard; 0 when none has it.
inline xcb_keycode_t KeyCodeOf(xcb_keysym_t symbol)
{
    xcb_connection_t* c = XConnection();
    const xcb_setup_t* setup = xcb_get_setup(c);
    const int count = setup->max_keycode - setup->min_keycode + 1;
    auto* map = xcb_get_keyboard_mapping_reply(
        c, xcb_get_keyboard_mapping(c, setup->min_keycode, static_cast<std::uint8_t>(count)), nullptr);
    if (!map)
        return 0;
    const xcb_keysym_t* symbols = xcb_get_keyboard_mapping_keysyms(map);
    xcb_keycode_t code = 0;
    for (int i = 0; i < count * map->keysyms_per_keycode && !code; ++i)
        if (symbols[i] == symbol)
            code = static_cast<xcb_keycode_t>(setup->min_keycode + i / map->keysyms_per_keycode);
    std::free(map);
    return code;
}

inline void PressKey(xcb_keysym_t symbol)
{
    FakeInput(XCB_KEY_PRESS, KeyCodeOf(symbol));
}

inline void ReleaseKey(xcb_keysym_t symbol)
{
    FakeInput(XCB_KEY_RELEASE, KeyCodeOf(symbol));
}

// The keys pressed in order and released in the opposite order (ctrl+a).
inline void PressKeys(std::initializer_list<xcb_keysym_t> symbols)
{
    for (const xcb_keysym_t s : symbols)
        PressKey(s);
    for (auto it = std::rbegin(symbols); it != std::rend(symbols); ++it)
        ReleaseKey(*it);
}

// The pointer goes to (x, y) and the left button clicks there.
inline void ClickAt(int x, int y)
{
    FakeInput(XCB_MOTION_NOTIFY, 0, static_cast<std::int16_t>(x), static_cast<std::int16_t>(y));
    FakeInput(XCB_BUTTON_PRESS, 1);
    FakeInput(XCB_BUTTON_RELEASE, 1);
}

} // namespace xscreen
