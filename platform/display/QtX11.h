#pragma once
// What the Qt backend asks of the X server itself, through Qt's own xcb connection.

#include <xcb/xcb.h>

#include <bitset>
#include <optional>
#include <string>

// Qt's X connection, or nullptr on another platform (offscreen draws what it is given).
xcb_connection_t* XConnection();
// The atom of the name (XCB_ATOM_NONE when it cannot be had).
xcb_atom_t XAtom(xcb_connection_t* c, const std::string& name);
// Puts _NET_WM_STATE_MODAL on the top-level window or takes it off. A window manager reads the
// state of a window when it maps it, and is asked to change it on a mapped one.
void SetModalState(xcb_connection_t* c, xcb_window_t window, bool mapped, bool modal);
// The key codes the keyboard holds now; nullopt when the server does not answer.
std::optional<std::bitset<256>> KeysHeld(xcb_connection_t* c);
