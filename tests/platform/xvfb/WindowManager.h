#pragma once
// A window manager (twm, from scripts/packages.txt) run on the test's X server while the object
// lives: placing windows where they ask, without title bars and iconifying by unmapping, so the
// screen shows the program's windows where they are and nothing of the manager's own.

#include "platform/display/DisplayBackend.h"

#include "ScreenSupport.h"

#include <QElapsedTimer>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace xscreen {

class WindowManager {
public:
    WindowManager()
    {
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
        char* argv[] = {const_cast<char*>("twm"), const_cast<char*>("-f"), config_.data(), nullptr};
        // Its complaints about fonts for other charsets go nowhere.
        posix_spawn_file_actions_t quiet;
        posix_spawn_file_actions_init(&quiet);
        posix_spawn_file_actions_addopen(&quiet, 1, "/dev/null", O_WRONLY, 0);
        posix_spawn_file_actions_addopen(&quiet, 2, "/dev/null", O_WRONLY, 0);
        if (posix_spawnp(&pid_, "twm", &quiet, nullptr, argv, environ) != 0)
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
        // The desktop is bare again once the root's substructure is no longer redirected.
        QElapsedTimer clock;
        clock.start();
        while (GetDisplayBackend().CanIconify() && clock.elapsed() < 5000)
            Settle();
    }
    // Whether the window manager took over the screen (within five seconds).
    bool Running()
    {
        QElapsedTimer clock;
        clock.start();
        while (pid_ > 0 && !GetDisplayBackend().CanIconify() && clock.elapsed() < 5000)
            Settle();
        return pid_ > 0 && GetDisplayBackend().CanIconify();
    }

private:
    std::string config_;
    pid_t pid_ = 0;
};

} // namespace xscreen
