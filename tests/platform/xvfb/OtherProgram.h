#pragma once
// A window of another program (a client with its own connection to the X server), for a window
// manager to switch to and from, and whether it has the focus.

#include <xcb/xcb.h>

#include <cstdint>
#include <cstdlib>
#include <string>

namespace xscreen {

class OtherProgram {
public:
    OtherProgram(int x, int y, int width, int height) : c_(xcb_connect(nullptr, nullptr))
    {
        if (xcb_connection_has_error(c_))
            return;
        const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c_)).data;
        window_ = xcb_generate_id(c_);
        const std::uint32_t values[] = {screen->white_pixel, XCB_EVENT_MASK_FOCUS_CHANGE};
        xcb_create_window(c_, XCB_COPY_FROM_PARENT, window_, screen->root, static_cast<std::int16_t>(x),
                          static_cast<std::int16_t>(y), static_cast<std::uint16_t>(width),
                          static_cast<std::uint16_t>(height), 0, XCB_WINDOW_CLASS_INPUT_OUTPUT, screen->root_visual,
                          XCB_CW_BACK_PIXEL | XCB_CW_EVENT_MASK, values);
        const std::string title = "other program";
        xcb_change_property(c_, XCB_PROP_MODE_REPLACE, window_, XCB_ATOM_WM_NAME, XCB_ATOM_STRING, 8,
                            static_cast<std::uint32_t>(title.size()), title.data());
        // It takes the focus from the window manager (input hint), shown normally.
        const std::uint32_t hints[9] = {1 | 2, 1, 1};
        xcb_change_property(c_, XCB_PROP_MODE_REPLACE, window_, XCB_ATOM_WM_HINTS, XCB_ATOM_WM_HINTS, 32, 9, hints);
        xcb_map_window(c_, window_);
        xcb_flush(c_);
    }
    ~OtherProgram() { xcb_disconnect(c_); }
    OtherProgram(const OtherProgram&) = delete;
    OtherProgram& operator=(const OtherProgram&) = delete;

    // Takes in the window's focus changes; true when it has the focus.
    bool Focused()
    {
        Poll();
        return focused_;
    }
private:
    void Poll()
    {
        while (xcb_generic_event_t* event = xcb_poll_for_event(c_)) {
            const auto* focus = reinterpret_cast<const xcb_focus_in_event_t*>(event);
            if (focus->detail != XCB_NOTIFY_DETAIL_POINTER) {
                if ((event->response_type & 0x7F) == XCB_FOCUS_IN)
                    focused_ = true;
                else if ((event->response_type & 0x7F) == XCB_FOCUS_OUT)
                    focused_ = false;
            }
            std::free(event);
        }
    }

    xcb_connection_t* c_;
    xcb_window_t window_ = 0;
    bool focused_ = false;
};

} // namespace xscreen
