#include "platform/kernel/Clock.h"

#include <chrono>
#include <ctime>
#include <thread>
#include <map>
#include <mutex>
#include <vector>

namespace {

class SystemClock : public Clock {
public:
    std::uint64_t TickCount() const override
    {
        timespec ts{};
        clock_gettime(CLOCK_MONOTONIC, &ts);
        return static_cast<std::uint64_t>(ts.tv_sec) * 1000u + static_cast<std::uint64_t>(ts.tv_nsec) / 1000000u;
    }
};

SystemClock systemClock;
std::atomic<Clock*> currentClock{nullptr};

std::mutex listenerMutex;
std::map<int, std::function<void()>> listeners;
int nextListenerId = 1;

void NotifyClockListeners()
{
    std::vector<std::function<void()>> toCall;
    {
        std::lock_guard<std::mutex> lock(listenerMutex);
        for (auto& entry : listeners)
            toCall.push_back(entry.second);
    }
    for (auto& listener : toCall)
        listener();
}

} // namespace

void Clock::WaitUntil(std::uint64_t Tick) const
{
    for (std::uint64_t now = TickCount(); now < Tick; now = TickCount())
        std::this_thread::sleep_for(std::chrono::milliseconds(Tick - now));
}

void ManualClock::WaitUntil(std::uint64_t Tick) const
{
    std::uint64_t now = now_.load();
    while (now < Tick && !now_.compare_exchange_weak(now, Tick)) {
    }
    if (now < Tick)
        NotifyClockListeners();
}

void ManualClock::Advance(std::uint64_t ms)
{
    now_ += ms;
    NotifyClockListeners();
}

void ManualClock::Set(std::uint64_t ms)
{
    now_ = ms;
    NotifyClockListeners();
}

Clock& GetClock()
{
    Clock* clock = currentClock.load();
    return clock ? *clock : systemClock;
}

void SetClock(Clock* clock)
{
    currentClock.store(clock);
}

std::uint64_t GetTickCount64()
{
    return GetClock().TickCount();
}

DWORD GetTickCount()
{
    return static_cast<DWORD>(GetTickCount64());
}

int AddClockListener(std::function<void()> listener)
{
    std::lock_guard<std::mutex> lock(listenerMutex);
    int id = nextListenerId++;
    listeners.emplace(id, std::move(listener));
    return id;
}

void RemoveClockListener(int id)
{
    std::lock_guard<std::mutex> lock(listenerMutex);
    listeners.erase(id);
}

void WaitUntilTick(std::uint64_t Tick)
{
    GetClock().WaitUntil(Tick);
}
