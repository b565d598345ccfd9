#pragma once
// A player event handler that the GUI thread may replace or clear while a file plays (a window
// detaches its handlers before it goes). Player threads call it through a copy taken under a
// lock; once an assignment returns, the handler it replaced is no longer running on another
// thread and is never called again. The wait for a running call keeps serving the main thread,
// so a handler that waits for the main thread cannot deadlock it.

#include "platform/kernel/MainThread.h"

#include <algorithm>
#include <cstddef>
#include <mutex>
#include <thread>
#include <utility>
#include <vector>

template <typename Fn>
class TPlayerHandler {
public:
    TPlayerHandler() = default;
    TPlayerHandler(const TPlayerHandler&) = delete;
    TPlayerHandler& operator=(const TPlayerHandler&) = delete;

    TPlayerHandler& operator=(Fn handler)
    {
        {
            std::lock_guard<std::mutex> guard(mutex_);
            handler_ = std::move(handler);
        }
        const std::thread::id self = std::this_thread::get_id();
        MainThread::WaitServing([this, self] { return !RunningElsewhere(self); }, INFINITE);
        return *this;
    }
    TPlayerHandler& operator=(std::nullptr_t) { return *this = Fn(); }

    explicit operator bool() const
    {
        std::lock_guard<std::mutex> guard(mutex_);
        return static_cast<bool>(handler_);
    }

    // Calls the handler when one is set; what it throws reaches the caller.
    template <typename... Args>
    void operator()(Args&&... args)
    {
        Fn handler;
        {
            std::lock_guard<std::mutex> guard(mutex_);
            if (!handler_)
                return;
            handler = handler_;
            callers_.push_back(std::this_thread::get_id());
        }
        struct Leave {
            TPlayerHandler& owner;
            ~Leave() { owner.Left(); }
        } leave{*this};
        handler(std::forward<Args>(args)...);
    }

private:
    bool RunningElsewhere(std::thread::id self) const
    {
        std::lock_guard<std::mutex> guard(mutex_);
        return std::any_of(callers_.begin(), callers_.end(), [self](std::thread::id id) { return id != self; });
    }
    void Left()
    {
        {
            std::lock_guard<std::mutex> guard(mutex_);
            callers_.erase(std::find(callers_.begin(), callers_.end(), std::this_thread::get_id()));
        }
        MainThread::NotifyWaiters();
    }

    mutable std::mutex mutex_;
    Fn handler_;
    std::vector<std::thread::id> callers_;
};
