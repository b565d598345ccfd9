// Window timers on the manual clock.

#include "WindowTestSupport.h"

#include "platform/kernel/Thread.h"

#include <gtest/gtest.h>

namespace {

class Timers : public WindowTest, public testing::Test {};

std::vector<std::pair<HWND, UINT_PTR>> procCalls;

void TimerProcedure(HWND hwnd, UINT msg, UINT_PTR id, DWORD)
{
    if (msg == WM_TIMER)
        procCalls.emplace_back(hwnd, id);
}

TEST_F(Timers, FireOnTheClockOncePerPeriodAndOnlyOnceWhenBehind)
{
    HWND top = Top(RECT{0, 0, 10, 10});
    ASSERT_TRUE(SetTimer(top, 7, 100, nullptr));
    kit.Advance(99);
    EXPECT_TRUE(Find(top, WM_TIMER).empty());
    kit.Advance(1);
    auto ticks = Find(top, WM_TIMER);
    ASSERT_EQ(ticks.size(), 1u);
    EXPECT_EQ(ticks[0].wParam, 7u);
    kit.Advance(1000);  // ten periods late: one message
    EXPECT_EQ(Find(top, WM_TIMER).size(), 2u);
    kit.Advance(99);
    EXPECT_EQ(Find(top, WM_TIMER).size(), 2u);
    kit.Advance(1);
    EXPECT_EQ(Find(top, WM_TIMER).size(), 3u);
    EXPECT_TRUE(KillTimer(top, 7));
    EXPECT_FALSE(KillTimer(top, 7));
    kit.Advance(500);
    EXPECT_EQ(Find(top, WM_TIMER).size(), 3u);
}

TEST_F(Timers, ShortPeriodsAreRaisedToTheMinimumAndRestartingResetsThePeriod)
{
    HWND top = Top(RECT{0, 0, 10, 10});
    SetTimer(top, 1, 1, nullptr);
    kit.Advance(9);
    EXPECT_TRUE(Find(top, WM_TIMER).empty());
    kit.Advance(1);
    EXPECT_EQ(Find(top, WM_TIMER).size(), 1u);
    KillTimer(top, 1);
    SetTimer(top, 2, 50, nullptr);
    kit.Advance(40);
    SetTimer(top, 2, 50, nullptr);  // starts over
    kit.Advance(40);
    EXPECT_EQ(Find(top, WM_TIMER).size(), 1u);
    kit.Advance(10);
    EXPECT_EQ(Find(top, WM_TIMER).size(), 2u);
}

TEST_F(Timers, DieWithTheirWindow)
{
    HWND top = Top(RECT{0, 0, 10, 10});
    SetTimer(top, 1, 10, nullptr);
    DestroyWindow(top);
    Clear();
    kit.Advance(100);
    EXPECT_TRUE(log.empty());
    EXPECT_FALSE(KillTimer(top, 1));
    EXPECT_EQ(SetTimer(top, 1, 10, nullptr), 0u);
}

TEST_F(Timers, ProceduresAreCalledInsteadOfTheWindowAndOnlyForRunningTimers)
{
    procCalls.clear();
    HWND top = Top(RECT{0, 0, 10, 10});
    SetTimer(top, 3, 20, &TimerProcedure);
    const UINT_PTR threadTimer = SetTimer(nullptr, 0, 30, &TimerProcedure);
    ASSERT_NE(threadTimer, 0u);
    kit.Advance(30);
    EXPECT_EQ(procCalls, (std::vector<std::pair<HWND, UINT_PTR>>{{top, 3}, {nullptr, threadTimer}}));
    EXPECT_TRUE(Find(top, WM_TIMER).empty());
    // A WM_TIMER whose lParam names no running timer's procedure goes to the window.
    KillTimer(top, 3);
    MSG forged{top, WM_TIMER, 3, reinterpret_cast<LPARAM>(&TimerProcedure)};
    DispatchMessage(&forged);
    EXPECT_EQ(Find(top, WM_TIMER).size(), 1u);
    EXPECT_EQ(procCalls.size(), 2u);
}

TEST_F(Timers, AWaitingLoopWakesWhenTheClockMovesOnAnotherThread)
{
    HWND top = Top(RECT{0, 0, 10, 10});
    SetTimer(top, 1, 250, nullptr);
    kit.Pump();
    Thread worker;
    kit.WhenIdle([&] { worker.Start([&] { kit.Clock().Advance(250); }); });
    MSG msg;
    ASSERT_EQ(GetMessage(&msg, nullptr, 0, 0), TRUE);
    worker.Join();
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_TIMER));
    EXPECT_EQ(msg.hwnd, top);
    EXPECT_EQ(GetTickCount(), 100250u);
}

TEST_F(Timers, TimeCanPassWhileTheLoopIsIdleSoPollingLoopsEnd)
{
    HWND top = Top(RECT{0, 0, 10, 10});
    SetTimer(top, 1, 30, nullptr);
    kit.Pump();
    kit.AdvanceWhenIdle(5);
    // A fade loop: steps whenever 5 ms have passed, processing messages in between.
    const DWORD start = GetTickCount();
    DWORD last = start;
    int steps = 0;
    while (steps < 10) {
        MSG msg;
        while (PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE))
            DispatchMessage(&msg);
        if (GetTickCount() - last >= 5) {
            last = GetTickCount();
            ++steps;
        }
    }
    kit.AdvanceWhenIdle(0);
    EXPECT_GE(GetTickCount() - start, 50u);
    EXPECT_GE(Find(top, WM_TIMER).size(), 1u);  // the timer got its turn on the way
    const DWORD now = GetTickCount();
    kit.Pump();
    EXPECT_EQ(GetTickCount(), now);
}

} // namespace
