#pragma once
// Kernel threads: the kernel's thread id, per-thread priorities and a joinable thread object.

#include <cstdint>
#include <exception>
#include <functional>
#include <thread>

using ThreadId = std::uint32_t;

// The kernel's id of the calling thread (the id tools such as top show).
ThreadId GetCurrentThreadId();

enum class ThreadPriority { Idle, Lowest, Lower, Normal, Higher, Highest, TimeCritical };

// Sets the calling thread's priority: Idle runs it under SCHED_IDLE, the others set its own nice
// value (lower priorities positive, higher ones negative). Failures, such as a missing privilege
// to raise the priority, are ignored.
void SetThreadPriority(ThreadPriority priority);

// Runs a function on a thread of its own, at the priority given when started. The destructor
// joins. An exception that escapes the function is kept and rethrown by Join.
class Thread {
public:
    Thread() = default;
    ~Thread();
    Thread(const Thread&) = delete;
    Thread& operator=(const Thread&) = delete;

    // Starts the thread; returns once the new thread knows its id. A thread object runs one
    // function at a time: starting it while it is joinable is a misuse.
    void Start(std::function<void()> function, ThreadPriority priority = ThreadPriority::Normal);
    void Join();
    bool Joinable() const { return thread_.joinable(); }
    // The kernel thread id of the running (or last) thread; 0 before the first start.
    ThreadId Id() const { return id_; }

private:
    std::thread thread_;
    ThreadId id_ = 0;
    std::exception_ptr error_;
};
