#include "platform/shell/DirectoryWatcher.h"

#include "platform/shell/FolderReader.h"

#include <cerrno>
#include <dirent.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr std::uint32_t nameEvents = IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO;
constexpr int maxDepth = 64;

std::uint32_t inotifyMask(std::uint32_t flags, bool subTree)
{
    std::uint32_t mask = 0;
    if (flags & (FILE_NOTIFY_CHANGE_FILE_NAME | FILE_NOTIFY_CHANGE_DIR_NAME))
        mask |= nameEvents;
    if (flags & (FILE_NOTIFY_CHANGE_ATTRIBUTES | FILE_NOTIFY_CHANGE_SECURITY))
        mask |= IN_ATTRIB;
    if (flags & (FILE_NOTIFY_CHANGE_SIZE | FILE_NOTIFY_CHANGE_LAST_WRITE))
        mask |= IN_MODIFY;
    // New subfolders must be seen to be watched, whatever the caller asked for.
    if (subTree)
        mask |= IN_CREATE | IN_MOVED_TO;
    return mask | IN_ONLYDIR;
}

// Whether one event is a change the flags ask for.
bool selected(const inotify_event& event, std::uint32_t flags)
{
    const bool folder = (event.mask & IN_ISDIR) != 0;
    if (event.mask & nameEvents) {
        if (folder ? (flags & FILE_NOTIFY_CHANGE_DIR_NAME) : (flags & FILE_NOTIFY_CHANGE_FILE_NAME))
            return true;
    }
    if ((event.mask & IN_ATTRIB) && (flags & (FILE_NOTIFY_CHANGE_ATTRIBUTES | FILE_NOTIFY_CHANGE_SECURITY)))
        return true;
    if ((event.mask & IN_MODIFY) && (flags & (FILE_NOTIFY_CHANGE_SIZE | FILE_NOTIFY_CHANGE_LAST_WRITE)))
        return true;
    return (event.mask & IN_Q_OVERFLOW) != 0;
}

bool isEmptyFolder(const std::string& path)
{
    DIR* dir = opendir(path.c_str());
    if (!dir)
        return true;
    bool empty = true;
    while (dirent* d = readdir(dir)) {
        const std::string name = d->d_name;
        if (name != "." && name != "..") {
            empty = false;
            break;
        }
    }
    closedir(dir);
    return empty;
}

} // namespace

DirectoryWatcher::DirectoryWatcher()
    : inotifyFd_(inotify_init1(IN_CLOEXEC | IN_NONBLOCK)), wakeFd_(eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK))
{
}

DirectoryWatcher::~DirectoryWatcher()
{
    if (inotifyFd_ >= 0)
        close(inotifyFd_);
    if (wakeFd_ >= 0)
        close(wakeFd_);
}

void DirectoryWatcher::dropWatches()
{
    for (const auto& [wd, path] : watches_)
        inotify_rm_watch(inotifyFd_, wd);
    watches_.clear();
    // Events of the old watches still queued belong to the old folder.
    drainEvents();
}

bool DirectoryWatcher::Watch(const std::string& folder, bool subTree, std::uint32_t flags)
{
    if (inotifyFd_ < 0)
        return false;
    std::lock_guard guard(lock_);
    dropWatches();
    subTree_ = subTree;
    flags_ = flags;
    if (!addOne(folder))
        return false;
    if (subTree)
        addTree(folder, 0);
    return true;
}

bool DirectoryWatcher::addOne(const std::string& folder)
{
    if (static_cast<int>(watches_.size()) >= MaxWatches)
        return false;
    const int wd = inotify_add_watch(inotifyFd_, folder.c_str(), inotifyMask(flags_, subTree_));
    if (wd < 0)
        return false;
    watches_[wd] = folder;
    return true;
}

void DirectoryWatcher::addTree(const std::string& folder, int depth)
{
    if (depth >= maxDepth)
        return;
    DIR* dir = opendir(folder.c_str());
    if (!dir)
        return;
    while (dirent* d = readdir(dir)) {
        const std::string name = d->d_name;
        if (name == "." || name == ".." || d->d_type == DT_LNK)
            continue;
        const std::string path = JoinPath(folder, name);
        struct stat st {};
        if (d->d_type == DT_DIR || (d->d_type == DT_UNKNOWN && lstat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode))) {
            if (addOne(path))
                addTree(path, depth + 1);
        }
    }
    closedir(dir);
}

bool DirectoryWatcher::drainEvents()
{
    alignas(inotify_event) char buffer[16384];
    bool changed = false;
    for (;;) {
        const ssize_t n = read(inotifyFd_, buffer, sizeof buffer);
        if (n <= 0)
            return changed;
        for (ssize_t at = 0; at < n;) {
            const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
            at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
            const auto it = watches_.find(event->wd);
            if (event->mask & IN_IGNORED) {
                if (it != watches_.end())
                    watches_.erase(it);
                continue;
            }
            if (it == watches_.end() && !(event->mask & IN_Q_OVERFLOW))
                continue;
            if (subTree_ && it != watches_.end() && (event->mask & IN_ISDIR) &&
                (event->mask & (IN_CREATE | IN_MOVED_TO)) && event->len > 0) {
                const std::string path = JoinPath(it->second, event->name);
                if (addOne(path)) {
                    addTree(path, 0);
                    // Entries made before the new folder was watched count as changes too.
                    if ((flags_ & (FILE_NOTIFY_CHANGE_FILE_NAME | FILE_NOTIFY_CHANGE_DIR_NAME)) && !isEmptyFolder(path))
                        changed = true;
                }
            }
            changed = changed || selected(*event, flags_);
        }
    }
}

DirectoryWatcher::Result DirectoryWatcher::Wait()
{
    if (wakeFd_ < 0)
        return Result::Failed;
    for (;;) {
        pollfd fds[2] = {{wakeFd_, POLLIN, 0}, {inotifyFd_, POLLIN, 0}};
        const int ready = poll(fds, inotifyFd_ >= 0 ? 2 : 1, -1);
        if (ready < 0) {
            if (errno == EINTR)
                continue;
            return Result::Failed;
        }
        if (fds[0].revents & POLLIN) {
            std::uint64_t count = 0;
            (void)!read(wakeFd_, &count, sizeof count);
            return Result::Woken;
        }
        if ((fds[0].revents | fds[1].revents) & (POLLERR | POLLNVAL))
            return Result::Failed;
        if (fds[1].revents & POLLIN) {
            std::lock_guard guard(lock_);
            if (drainEvents())
                return Result::Changed;
        }
    }
}

void DirectoryWatcher::Wake()
{
    const std::uint64_t one = 1;
    (void)!write(wakeFd_, &one, sizeof one);
}
