#include "platform/display/QtX11.h"

#include <QGuiApplication>
#include <QtGui/qguiapplication_platform.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

xcb_connection_t* XConnection()
{
    if (!qGuiApp || QGuiApplication::platformName() != "xcb")
        return nullptr;
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

xcb_atom_t XAtom(xcb_connection_t* c, const std::string& name)
{
    xcb_intern_atom_reply_t* reply =
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, static_cast<std::uint16_t>(name.size()), name.c_str()), nullptr);
    const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    std::free(reply);
    return atom;
}

void SetModalState(xcb_connection_t* c, xcb_window_t window, bool mapped, bool modal)
{
    const xcb_atom_t state = XAtom(c, "_NET_WM_STATE");
    const xcb_atom_t atom = XAtom(c, "_NET_WM_STATE_MODAL");
    if (state == XCB_ATOM_NONE || atom == XCB_ATOM_NONE)
        return;
    if (mapped) {
        xcb_client_message_event_t message{};
        message.response_type = XCB_CLIENT_MESSAGE;
        message.format = 32;
        message.window = window;
        message.type = state;
        message.data.data32[0] = modal ? 1 : 0;  // _NET_WM_STATE_ADD or _REMOVE
        message.data.data32[1] = atom;
        message.data.data32[3] = 1;  // asked by the application
        const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
        xcb_send_event(c, 0, root, XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                       reinterpret_cast<const char*>(&message));
        xcb_flush(c);
        return;
    }
    // The other states of the window stay as they are.
    std::vector<xcb_atom_t> atoms;
    xcb_get_property_reply_t* reply =
        xcb_get_property_reply(c, xcb_get_property(c, 0, window, state, XCB_ATOM_ATOM, 0, 64), nullptr);
    if (reply && reply->format == 32 && reply->type == XCB_ATOM_ATOM) {
        const auto* values = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply));
        atoms.assign(values, values + xcb_get_property_value_length(reply) / 4);
    }
    std::free(reply);
    const bool has = std::find(atoms.begin(), atoms.end(), atom) != atoms.end();
    if (has == modal)
        return;
    if (modal)
        atoms.push_back(atom);
    else
        std::erase(atoms, atom);
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, window, state, XCB_ATOM_ATOM, 32,
                        static_cast<std::uint32_t>(atoms.size()), atoms.data());
    xcb_flush(c);
}

std::optional<std::bitset<256>> KeysHeld(xcb_connection_t* c)
{
    xcb_query_keymap_reply_t* keymap = xcb_query_keymap_reply(c, xcb_query_keymap(c), nullptr);
    if (!keymap)
        return std::nullopt;
    std::bitset<256> held;
    for (std::size_t code = 0; code < held.size(); ++code)
        held[code] = (keymap->keys[code / 8] >> (code % 8)) & 1;
    std::free(keymap);
    return held;
}
