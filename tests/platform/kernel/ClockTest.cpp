#include "platform/kernel/Clock.h"

#include <gtest/gtest.h>

namespace {

struct ClockGuard {
    ~ClockGuard() { SetClock(nullptr); }
};

} // namespace

TEST(Clock, ManualClockReplacesTheSystemClockAndNotifiesListeners)
{
    ClockGuard guard;
    ManualClock manual(1000);
    SetClock(&manual);
    int calls = 0;
    std::uint64_t seen = 0;
    int id = AddClockListener([&] {
        ++calls;
        seen = GetTickCount64();
    });

    manual.Advance(250);
    EXPECT_EQ(1250u, GetTickCount64());
    EXPECT_EQ(1250u, seen);  // listeners see the moved clock
    manual.Set(0x1'0000'0005ull);
    EXPECT_EQ(5u, GetTickCount());  // the 32-bit count wraps
    EXPECT_EQ(2, calls);

    RemoveClockListener(id);
    manual.Advance(1);
    EXPECT_EQ(2, calls);

    SetClock(nullptr);
    std::uint64_t first = GetTickCount64();
    EXPECT_NE(0x1'0000'0006ull, first);
    EXPECT_GE(GetTickCount64(), first);  // the system clock is monotonic
}

TEST(Clock, WaitUntilTickMovesAManualClockAndWaitsOnTheSystemClock)
{
    ClockGuard guard;
    ManualClock manual(1000);
    SetClock(&manual);
    int calls = 0;
    const int id = AddClockListener([&] { ++calls; });
    WaitUntilTick(1040);
    EXPECT_EQ(1040u, GetTickCount64());
    WaitUntilTick(900);  // already reached: nothing moves
    EXPECT_EQ(1040u, GetTickCount64());
    EXPECT_EQ(1, calls);
    RemoveClockListener(id);

    SetClock(nullptr);
    const std::uint64_t target = GetTickCount64() + 3;
    WaitUntilTick(target);
    EXPECT_GE(GetTickCount64(), target);
}
