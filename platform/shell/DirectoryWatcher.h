#pragma once
// Change notification for one folder (and optionally its subfolders) by inotify, with an eventfd
// that wakes the waiting thread from any other thread; both sit in one poll(). The flags are the
// change filter words the shell controls speak.

#include <cstdint>
#include <map>
#include <mutex>
#include <string>

constexpr std::uint32_t FILE_NOTIFY_CHANGE_FILE_NAME = 0x1;
constexpr std::uint32_t FILE_NOTIFY_CHANGE_DIR_NAME = 0x2;
constexpr std::uint32_t FILE_NOTIFY_CHANGE_ATTRIBUTES = 0x4;
constexpr std::uint32_t FILE_NOTIFY_CHANGE_SIZE = 0x8;
constexpr std::uint32_t FILE_NOTIFY_CHANGE_LAST_WRITE = 0x10;
constexpr std::uint32_t FILE_NOTIFY_CHANGE_SECURITY = 0x100;

class DirectoryWatcher {
public:
    // The most folders one watcher follows in a subtree.
    static constexpr int MaxWatches = 4096;

    DirectoryWatcher();
    ~DirectoryWatcher();
    DirectoryWatcher(const DirectoryWatcher&) = delete;
    DirectoryWatcher& operator=(const DirectoryWatcher&) = delete;

    // Drops the previous watch and watches the folder (with subTree, each subfolder too, and
    // those created later). False when the folder cannot be watched. Any thread, also while
    // another one waits: changes after the return are seen by that wait.
    bool Watch(const std::string& folder, bool subTree, std::uint32_t flags);

    enum class Result { Changed, Woken, Failed };
    // Blocks until a change the flags select happens (Changed) or Wake was called (Woken); with
    // no watch it only waits for the wake. Failed when the wait itself fails.
    Result Wait();
    // Any thread: makes the current or the next Wait return Woken.
    void Wake();

private:
    void addTree(const std::string& folder, int depth);
    bool addOne(const std::string& folder);
    // Reads the queued events; true when one of them is a change the flags select.
    bool drainEvents();
    void dropWatches();

    const int inotifyFd_;
    const int wakeFd_;
    // Guards the watches and the options against Watch from another thread; never held in poll.
    std::mutex lock_;
    bool subTree_ = false;
    std::uint32_t flags_ = 0;
    std::map<int, std::string> watches_;
};
