// window_probe TITLE PICTURE
// Waits (at most two minutes) for a shown top-level window named TITLE on the X server, writes
// its picture to PICTURE, checks that it shows more than a few colours, then asks the window to
// close as a desktop would (WM_DELETE_WINDOW). Exit status 0 when all of that succeeded.

#include <QImage>

#include <xcb/xcb.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <set>
#include <string>
#include <thread>

namespace {

template <class T>
using Reply = std::unique_ptr<T, decltype(&std::free)>;

xcb_atom_t Atom(xcb_connection_t* c, const char* name)
{
    Reply<xcb_intern_atom_reply_t> r(
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, static_cast<std::uint16_t>(std::strlen(name)), name), nullptr),
        &std::free);
    return r ? r->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
}

std::string Name(xcb_connection_t* c, xcb_window_t w, xcb_atom_t property, xcb_atom_t type)
{
    Reply<xcb_get_property_reply_t> r(
        xcb_get_property_reply(c, xcb_get_property(c, 0, w, property, type, 0, 1024), nullptr), &std::free);
    if (!r || xcb_get_property_value_length(r.get()) <= 0)
        return {};
    return std::string(static_cast<const char*>(xcb_get_property_value(r.get())),
                       static_cast<std::size_t>(xcb_get_property_value_length(r.get())));
}

// The first viewable child of the root named Title.
xcb_window_t Find(xcb_connection_t* c, xcb_window_t root, const std::string& title, xcb_atom_t netName, xcb_atom_t utf8)
{
    Reply<xcb_query_tree_reply_t> tree(xcb_query_tree_reply(c, xcb_query_tree(c, root), nullptr), &std::free);
    if (!tree)
        return XCB_WINDOW_NONE;
    const xcb_window_t* children = xcb_query_tree_children(tree.get());
    for (int i = 0; i < xcb_query_tree_children_length(tree.get()); ++i) {
        Reply<xcb_get_window_attributes_reply_t> a(
            xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, children[i]), nullptr), &std::free);
        if (!a || a->map_state != XCB_MAP_STATE_VIEWABLE)
            continue;
        if (Name(c, children[i], netName, utf8) == title || Name(c, children[i], XCB_ATOM_WM_NAME, XCB_ATOM_STRING) == title)
            return children[i];
    }
    return XCB_WINDOW_NONE;
}

// The window's pixels (24-bit depth, 32 bits a pixel) as a picture.
QImage Picture(xcb_connection_t* c, xcb_window_t w)
{
    Reply<xcb_get_geometry_reply_t> g(xcb_get_geometry_reply(c, xcb_get_geometry(c, w), nullptr), &std::free);
    if (!g)
        return {};
    Reply<xcb_get_image_reply_t> image(
        xcb_get_image_reply(c, xcb_get_image(c, XCB_IMAGE_FORMAT_Z_PIXMAP, w, 0, 0, g->width, g->height, ~0u), nullptr),
        &std::free);
    if (!image || xcb_get_image_data_length(image.get()) < g->width * g->height * 4)
        return {};
    return QImage(xcb_get_image_data(image.get()), g->width, g->height, g->width * 4, QImage::Format_RGB32).copy();
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: window_probe TITLE PICTURE\n");
        return 2;
    }
    const std::string title = argv[1];
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c)) {
        std::fprintf(stderr, "no X server\n");
        return 1;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    const xcb_atom_t netName = Atom(c, "_NET_WM_NAME"), utf8 = Atom(c, "UTF8_STRING");
    xcb_window_t window = XCB_WINDOW_NONE;
    const auto end = std::chrono::steady_clock::now() + std::chrono::minutes(2);
    while (window == XCB_WINDOW_NONE && std::chrono::steady_clock::now() < end) {
        window = Find(c, root, title, netName, utf8);
        if (window == XCB_WINDOW_NONE)
            std::this_thread::sleep_for(std::chrono::milliseconds(200));
    }
    if (window == XCB_WINDOW_NONE) {
        std::fprintf(stderr, "no window named %s\n", title.c_str());
        return 1;
    }
    std::printf("found window 0x%x named %s\n", window, title.c_str());
    // Let it paint itself fully first.
    std::this_thread::sleep_for(std::chrono::seconds(2));
    const QImage picture = Picture(c, window);
    std::set<QRgb> colours;
    for (int y = 0; y < picture.height(); y += 4)
        for (int x = 0; x < picture.width(); x += 4)
            colours.insert(picture.pixel(x, y));
    if (colours.size() < 16 || !picture.save(QString::fromLocal8Bit(argv[2]), "PNG")) {
        std::fprintf(stderr, "the window's picture shows %zu colours\n", colours.size());
        return 1;
    }
    std::printf("wrote %s (%dx%d)\n", argv[2], picture.width(), picture.height());

    // Close as a desktop would. Under a bare X server the toolkit now and then drops a close
    // request that comes soon after start-up, so ask again while the window stays (a user would
    // click again); a program that never ends still fails through its exit status and time-out.
    xcb_client_message_event_t close{};
    close.response_type = XCB_CLIENT_MESSAGE;
    close.format = 32;
    close.window = window;
    close.type = Atom(c, "WM_PROTOCOLS");
    close.data.data32[0] = Atom(c, "WM_DELETE_WINDOW");
    close.data.data32[1] = XCB_CURRENT_TIME;
    for (int request = 1; request <= 10; ++request) {
        xcb_send_event(c, 0, window, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char*>(&close));
        xcb_flush(c);
        std::this_thread::sleep_for(std::chrono::seconds(3));
        if (Find(c, root, title, netName, utf8) != window)
            break;
        std::printf("the window is still there after close request %d\n", request);
    }
    xcb_disconnect(c);
    return 0;
}
