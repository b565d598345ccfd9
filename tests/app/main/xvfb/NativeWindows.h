#pragma once
// The X windows behind the program's top-level windows, as the X server holds them: their
// stacking among the root's children (a window manager's frame stands for the window it holds)
// and their properties.

#include "platform/display/QtWindows.h"
#include "platform/display/QtX11.h"
#include "platform/window/User.h"

#include <QGuiApplication>
#include <QWindow>

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace screentest {

// The native window showing a top-level window; nullptr while it has none or it is hidden.
inline QWindow* NativeOf(HWND Window)
{
    for (QWindow* w : QGuiApplication::topLevelWindows())
        if (auto* top = dynamic_cast<QtTopLevelWindow*>(w); top && top->Handle() == Window && top->isVisible())
            return top;
    return nullptr;
}

// Whether the screen shows the window's native window (a window manager maps it when it gets to it).
inline bool Exposed(HWND Window)
{
    QWindow* w = NativeOf(Window);
    return w && w->isExposed();
}

// The root's child that holds the X window: itself, or a window manager's frame around it.
inline xcb_window_t RootChildOf(xcb_window_t Window)
{
    xcb_connection_t* c = XConnection();
    for (;;) {
        auto* tree = xcb_query_tree_reply(c, xcb_query_tree(c, Window), nullptr);
        if (!tree)
            return XCB_WINDOW_NONE;
        const xcb_window_t parent = tree->parent, root = tree->root;
        std::free(tree);
        if (parent == root || parent == XCB_WINDOW_NONE)
            return Window;
        Window = parent;
    }
}

// Whether the X server stacks Upper above Lower among the root's children.
inline bool XAbove(HWND Upper, HWND Lower)
{
    QWindow* upper = NativeOf(Upper);
    QWindow* lower = NativeOf(Lower);
    xcb_connection_t* c = XConnection();
    if (!upper || !lower || !c)
        return false;
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    auto* tree = xcb_query_tree_reply(c, xcb_query_tree(c, root), nullptr);
    if (!tree)
        return false;
    const xcb_window_t* children = xcb_query_tree_children(tree);
    const int n = xcb_query_tree_children_length(tree);
    const auto at = [&](QWindow* w) {
        return std::find(children, children + n, RootChildOf(static_cast<xcb_window_t>(w->winId()))) - children;
    };
    const bool above = at(upper) < n && at(lower) < at(upper);
    std::free(tree);
    return above;
}

// The 32-bit values of an X window's property (window ids, atoms).
inline std::vector<std::uint32_t> XProperty(HWND Window, xcb_atom_t Property)
{
    QWindow* w = NativeOf(Window);
    xcb_connection_t* c = XConnection();
    if (!w || !c)
        return {};
    auto* reply = xcb_get_property_reply(
        c, xcb_get_property(c, 0, static_cast<xcb_window_t>(w->winId()), Property, XCB_GET_PROPERTY_TYPE_ANY, 0, 64),
        nullptr);
    std::vector<std::uint32_t> values;
    if (reply && reply->format == 32) {
        const auto* v = static_cast<const std::uint32_t*>(xcb_get_property_value(reply));
        values.assign(v, v + xcb_get_property_value_length(reply) / 4);
    }
    std::free(reply);
    return values;
}

} // namespace screentest
