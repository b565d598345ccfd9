#include "platform/kernel/Sync.h"
#include "platform/kernel/Thread.h"

#include <gtest/gtest.h>

#include <atomic>

TEST(Event, ManualResetStaysSetAutoResetLetsOneWaitThrough)
{
    Event manual(true, true);
    EXPECT_TRUE(manual.WaitFor(0));
    EXPECT_TRUE(manual.WaitFor(0));
    manual.Reset();
    EXPECT_FALSE(manual.WaitFor(0));

    Event automatic(false, false);
    EXPECT_FALSE(automatic.WaitFor(1));
    automatic.Set();
    EXPECT_TRUE(automatic.WaitFor(0));
    EXPECT_FALSE(automatic.WaitFor(0));
}

TEST(Event, SetOnAnotherThreadEndsAnInfiniteWait)
{
    Event started(true, false);
    Event go(false, false);
    std::atomic<bool> passed{false};
    Thread waiter;
    waiter.Start([&] {
        started.Set();
        passed = go.WaitFor(INFINITE);
    });
    ASSERT_TRUE(started.WaitFor(10000));
    go.Set();
    waiter.Join();
    EXPECT_TRUE(passed);
}

TEST(CriticalSection, IsRecursiveAndExcludesOtherThreads)
{
    CriticalSection section;
    section.Enter();
    EXPECT_TRUE(section.TryEnter());  // the owner may enter again
    bool otherGotIt = true;
    Thread other;
    other.Start([&] { otherGotIt = section.TryEnter(); });
    other.Join();
    EXPECT_FALSE(otherGotIt);
    section.Leave();
    section.Leave();

    other.Start([&] {
        std::lock_guard<CriticalSection> lock(section);
        otherGotIt = true;
    });
    other.Join();
    EXPECT_TRUE(otherGotIt);
}
