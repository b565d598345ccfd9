#pragma once
// Kernel synchronisation objects: a recursive critical section and an event with time-outs.

#include "platform/win/Types.h"

#include <condition_variable>
#include <mutex>

constexpr DWORD INFINITE = 0xFFFFFFFF;

// A recursive lock: the thread that holds it may enter it again. Usable with std::lock_guard.
class CriticalSection {
public:
    CriticalSection() = default;
    CriticalSection(const CriticalSection&) = delete;
    CriticalSection& operator=(const CriticalSection&) = delete;

    void Enter() { mutex_.lock(); }
    void Leave() { mutex_.unlock(); }
    bool TryEnter() { return mutex_.try_lock(); }

    void lock() { Enter(); }
    void unlock() { Leave(); }
    bool try_lock() { return TryEnter(); }

private:
    std::recursive_mutex mutex_;
};

// An event object. A manual-reset event stays set until Reset; an auto-reset event lets exactly
// one successful wait through and is then reset by that wait.
class Event {
public:
    explicit Event(bool manualReset = true, bool initialState = false)
        : manualReset_(manualReset), set_(initialState)
    {
    }
    Event(const Event&) = delete;
    Event& operator=(const Event&) = delete;

    void Set();
    void Reset();
    // True when the event was (or became) set within the time-out; INFINITE waits for ever.
    bool WaitFor(DWORD timeoutMs);

private:
    const bool manualReset_;
    bool set_;
    std::mutex mutex_;
    std::condition_variable cv_;
};
