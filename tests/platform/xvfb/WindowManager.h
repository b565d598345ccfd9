#pragma once
// A window manager run on the test's X server while the object lives (both from
// scripts/packages.txt):
// - twm, placing windows where they ask, without title bars and iconifying by unmapping, so the
//   screen shows the program's windows where they are and nothing of the manager's own;
// - openbox as a desktop user has it (the configuration it ships with, no session manager): it
//   focuses and raises a window on a click, focuses new windows, keeps transient windows above
//   their owners, hands a modal dialog's owner's focus to the dialog, takes Alt+Tab and Alt+F4.

#include "platform/display/DisplayBackend.h"
#include "platform/display/QtX11.h"

#include "ScreenSupport.h"

#include <QElapsedTimer>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace xscreen {

enum class Desktop { Twm, Openbox };

class WindowManager {
public:
    explicit WindowManager(Desktop desktop = Desktop::Twm) : desktop_(desktop)
    {
        std::vector<std::string> args;
        if (desktop == Desktop::Twm) {
            char name[] = "/tmp/zd-twmrc-XXXXXX";
            const int fd = mkstemp(name);
            if (fd < 0)
                return;
            config_ = name;
            // The X test server has only the font "fixed".
            std::string text = "NoTitle\nRandomPlacement\nUsePPosition \"on\"\nNoGrabServer\nIconifyByUnmapping\n";
            for (const char* font : {"TitleFont", "ResizeFont", "MenuFont", "IconFont", "IconManagerFont"})
                text += std::string(font) + " \"fixed\"\n";
            const bool written = write(fd, text.data(), text.size()) == static_cast<ssize_t>(text.size());
            close(fd);
            if (!written)
                return;
            args = {"twm", "-f", config_};
        } else {
            // The configuration openbox installs, not one the user running the tests may have.
            args = {"openbox", "--sm-disable", "--config-file", "/etc/xdg/openbox/rc.xml"};
        }
        std::vector<char*> argv;
        for (std::string& arg : args)
            argv.push_back(arg.data());
        argv.push_back(nullptr);
        // Its complaints (fonts for other charsets, themes) go nowhere.
        posix_spawn_file_actions_t quiet;
        posix_spawn_file_actions_init(&quiet);
        posix_spawn_file_actions_addopen(&quiet, 1, "/dev/null", O_WRONLY, 0);
        posix_spawn_file_actions_addopen(&quiet, 2, "/dev/null", O_WRONLY, 0);
        if (posix_spawnp(&pid_, argv[0], &quiet, nullptr, argv.data(), environ) != 0)
            pid_ = 0;
        posix_spawn_file_actions_destroy(&quiet);
    }
    ~WindowManager()
    {
        if (pid_ > 0) {
            kill(pid_, SIGTERM);
            waitpid(pid_, nullptr, 0);
        }
        if (!config_.empty())
            std::remove(config_.c_str());
        if (probe_)
            xcb_destroy_window(XConnection(), probe_);
        // The desktop is bare again once the root's substructure is no longer redirected.
        QElapsedTimer clock;
        clock.start();
        while (GetDisplayBackend().CanIconify() && clock.elapsed() < 5000)
            Settle();
    }
    // Waits (at most five seconds) until openbox has handled what the X server got before: it
    // answers a request for frame extents (EWMH) in turn, on a window of the test's own. While
    // it starts, it loses what comes: the request goes again until it answers.
    bool CaughtUp()
    {
        xcb_connection_t* c = XConnection();
        const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
        if (!probe_) {
            probe_ = xcb_generate_id(c);
            xcb_create_window(c, XCB_COPY_FROM_PARENT, probe_, root, 0, 0, 1, 1, 0, XCB_WINDOW_CLASS_INPUT_ONLY,
                              XCB_COPY_FROM_PARENT, 0, nullptr);
        }
        const xcb_atom_t extents = XAtom(c, "_NET_FRAME_EXTENTS");
        xcb_delete_property(c, probe_, extents);
        xcb_client_message_event_t request{};
        request.response_type = XCB_CLIENT_MESSAGE;
        request.format = 32;
        request.window = probe_;
        request.type = XAtom(c, "_NET_REQUEST_FRAME_EXTENTS");
        QElapsedTimer clock;
        clock.start();
        for (int tries = 0; clock.elapsed() < 5000;) {
            if (clock.elapsed() >= tries * 250) {
                ++tries;
                xcb_send_event(c, 0, root, XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                               reinterpret_cast<const char*>(&request));
                xcb_flush(c);
            }
            auto* reply = xcb_get_property_reply(c, xcb_get_property(c, 0, probe_, extents, XCB_ATOM_CARDINAL, 0, 4), nullptr);
            const bool answered = reply && reply->value_len > 0;
            std::free(reply);
            if (answered)
                return true;
            Settle();
        }
        return false;
    }
    // Whether the window manager took over the screen (within five seconds). Openbox redirects
    // the screen before it has started: it has once it answers.
    bool Running()
    {
        QElapsedTimer clock;
        clock.start();
        while (pid_ > 0 && !GetDisplayBackend().CanIconify() && clock.elapsed() < 5000)
            Settle();
        return pid_ > 0 && GetDisplayBackend().CanIconify() && (desktop_ == Desktop::Twm || CaughtUp());
    }

private:
    const Desktop desktop_;
    std::string config_;
    pid_t pid_ = 0;
    xcb_window_t probe_ = 0;
};

} // namespace xscreen
