#include "platform/kernel/Exceptions.h"
#include "platform/kernel/Thread.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <sched.h>
#include <sys/resource.h>
#include <unistd.h>

TEST(Thread, IdIsTheKernelIdOfTheRunningThread)
{
    ThreadId inside = 0;
    Thread thread;
    thread.Start([&] { inside = GetCurrentThreadId(); });
    ThreadId reported = thread.Id();
    thread.Join();
    EXPECT_EQ(inside, reported);
    EXPECT_NE(GetCurrentThreadId(), reported);
    EXPECT_EQ(static_cast<ThreadId>(getpid()), GetCurrentThreadId());  // tests run on the initial thread
    EXPECT_FALSE(thread.Joinable());
}

TEST(Thread, JoinRethrowsWhatEscapedTheFunction)
{
    Thread thread;
    thread.Start([] { throw Exception("worker failed"); });
    EXPECT_THROW(thread.Join(), Exception);
    EXPECT_NO_THROW(thread.Join());  // reported once
}

TEST(Thread, PriorityAtStartAppliesToThatThreadOnly)
{
    int policy = -1;
    int nice = 0;
    Thread idle;
    idle.Start([&] { policy = sched_getscheduler(0); }, ThreadPriority::Idle);
    idle.Join();
    EXPECT_EQ(SCHED_IDLE, policy);

    int before = getpriority(PRIO_PROCESS, 0);
    Thread lower;
    lower.Start([&] { nice = getpriority(PRIO_PROCESS, static_cast<id_t>(GetCurrentThreadId())); },
                ThreadPriority::Lower);
    lower.Join();
    EXPECT_EQ(std::max(before, 5), nice);  // raising nice needs no privilege
    EXPECT_EQ(before, getpriority(PRIO_PROCESS, static_cast<id_t>(GetCurrentThreadId())));
    EXPECT_EQ(SCHED_OTHER, sched_getscheduler(0));
}
