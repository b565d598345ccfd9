#include "platform/shell/DesktopOpener.h"

#include "platform/kernel/MainThread.h"

#include <cerrno>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>

extern char** environ;

bool StartDesktopOpener(const std::string& target, std::function<void()> failed)
{
    posix_spawn_file_actions_t actions;
    if (posix_spawn_file_actions_init(&actions) != 0)
        return false;
    // What the opener has to say (17 to 25 lines when nothing can open the target) is not the
    // user's terminal's business; a refusal is told through failed.
    for (int fd : {0, 1, 2})
        posix_spawn_file_actions_addopen(&actions, fd, "/dev/null", fd == 0 ? O_RDONLY : O_WRONLY, 0);
    char program[] = "xdg-open";
    std::string argument = target;
    char* const argv[] = {program, argument.data(), nullptr};
    pid_t pid = 0;
    const int error = posix_spawnp(&pid, program, &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    if (error != 0)
        return false;
    std::thread([pid, failed = std::move(failed)] {
        int status = 0;
        int waited;
        while ((waited = waitpid(pid, &status, 0)) < 0 && errno == EINTR) {
        }
        // A child reaped elsewhere leaves nothing to tell.
        if (waited == pid && !(WIFEXITED(status) && WEXITSTATUS(status) == 0) && failed)
            MainThread::Post(failed);
    }).detach();
    return true;
}
