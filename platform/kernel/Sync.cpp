#include "platform/kernel/Sync.h"

#include "platform/kernel/MainThread.h"

#include <chrono>

void Event::Set()
{
    {
        std::lock_guard<std::mutex> lock(mutex_);
        set_ = true;
    }
    if (manualReset_)
        cv_.notify_all();
    else
        cv_.notify_one();
    // A main-thread wait that serves the dispatcher sleeps on the dispatcher's own signal.
    MainThread::NotifyWaiters();
}

void Event::Reset()
{
    std::lock_guard<std::mutex> lock(mutex_);
    set_ = false;
}

bool Event::WaitFor(DWORD timeoutMs)
{
    std::unique_lock<std::mutex> lock(mutex_);
    auto isSet = [this] { return set_; };
    if (timeoutMs == INFINITE)
        cv_.wait(lock, isSet);
    else if (!cv_.wait_for(lock, std::chrono::milliseconds(timeoutMs), isSet))
        return false;
    if (!manualReset_)
        set_ = false;
    return true;
}
