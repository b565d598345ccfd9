#pragma once
// The one clock every tick count and timer reads. The system clock is monotonic milliseconds;
// tests replace it with a ManualClock so nothing has to wait for real time to pass.

#include "platform/win/Types.h"

#include <atomic>
#include <cstdint>
#include <functional>

class Clock {
public:
    virtual ~Clock() = default;
    // Milliseconds on a monotonic scale.
    virtual std::uint64_t TickCount() const = 0;
    // Returns once the tick count has reached Tick (at once when it already has).
    virtual void WaitUntil(std::uint64_t Tick) const;
};

// A clock that moves only when told to; every move notifies the clock listeners afterwards.
class ManualClock : public Clock {
public:
    explicit ManualClock(std::uint64_t startMs = 0) : now_(startMs) {}
    std::uint64_t TickCount() const override { return now_.load(); }
    void Advance(std::uint64_t ms);
    void Set(std::uint64_t ms);
    // A manual clock never waits: it moves itself forward to Tick.
    void WaitUntil(std::uint64_t Tick) const override;

private:
    mutable std::atomic<std::uint64_t> now_;
};

// The clock in force: the system clock unless replaced.
Clock& GetClock();
// Replaces the clock; nullptr restores the system clock. The caller keeps the clock alive while
// it is in force.
void SetClock(Clock* clock);

std::uint64_t GetTickCount64();
// The tick count cut to 32 bits; it wraps after about 49.7 days.
DWORD GetTickCount();
// Waits on the clock in force until its tick count reaches Tick (busy loops that step on time).
void WaitUntilTick(std::uint64_t Tick);

// Listeners run after a manual clock moved, on the thread that moved it, so that a timer loop
// can re-check what became due. Returns an id for RemoveClockListener.
int AddClockListener(std::function<void()> listener);
void RemoveClockListener(int id);
