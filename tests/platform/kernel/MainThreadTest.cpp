#include "platform/kernel/Exceptions.h"
#include "platform/kernel/MainThread.h"
#include "platform/kernel/Thread.h"

#include <gtest/gtest.h>

#include <atomic>
#include <deque>
#include <string>
#include <vector>

// Every wait below is a guard: it returns as soon as the awaited thing happens.
constexpr DWORD kGuardMs = 10000;

TEST(MainThread, WorkerPostsRunOnTheMainThreadInOrder)
{
    ASSERT_TRUE(MainThread::IsMainThread());
    std::vector<std::string> ran;
    std::vector<bool> onMain;
    Event posted(true, false);
    Thread worker;
    worker.Start([&] {
        EXPECT_FALSE(MainThread::IsMainThread());
        for (const char* name : {"one", "two", "three"})
            MainThread::Post([&, name] {
                ran.push_back(name);
                onMain.push_back(MainThread::IsMainThread());
            });
        posted.Set();
    });
    ASSERT_TRUE(posted.WaitFor(kGuardMs));  // the worker never waits for the main thread
    worker.Join();
    EXPECT_TRUE(ran.empty());
    EXPECT_TRUE(MainThread::ServePending());
    EXPECT_EQ((std::vector<std::string>{"one", "two", "three"}), ran);
    EXPECT_EQ((std::vector<bool>{true, true, true}), onMain);
    EXPECT_FALSE(MainThread::ServePending());
}

TEST(MainThread, CallsQueuedWhileServingWaitForTheNextServe)
{
    int inner = 0;
    MainThread::Post([&] { MainThread::Post([&] { ++inner; }); });
    EXPECT_TRUE(MainThread::ServePending());
    EXPECT_EQ(0, inner);
    EXPECT_TRUE(MainThread::ServePending());
    EXPECT_EQ(1, inner);
}

TEST(MainThread, InvokeAndWaitFromWorkerWhileMainWaitsForThatWorker)
{
    Event workerDone(true, false);
    ThreadId ranOn = 0;
    bool workerSawResult = false;
    Thread worker;
    worker.Start([&] {
        int value = 0;
        MainThread::InvokeAndWait([&] {
            ranOn = GetCurrentThreadId();
            value = 42;
        });
        workerSawResult = value == 42;
        workerDone.Set();
    });
    // The main thread waits for the worker, which itself waits for the main thread.
    EXPECT_TRUE(MainThread::WaitServing(workerDone, kGuardMs));
    worker.Join();
    EXPECT_EQ(GetCurrentThreadId(), ranOn);
    EXPECT_TRUE(workerSawResult);
}

TEST(MainThread, InvokeAndWaitRethrowsInTheCallerAndCallsDirectlyOnMain)
{
    std::string message;
    std::atomic<bool> finished{false};
    Thread worker;
    worker.Start([&] {
        try {
            MainThread::InvokeAndWait([] { throw Exception("failed on main"); });
        } catch (const Exception& e) {
            message = e.Message();
        }
        finished = true;
        MainThread::NotifyWaiters();
    });
    EXPECT_TRUE(MainThread::WaitServing([&] { return finished.load(); }, kGuardMs));
    worker.Join();
    EXPECT_EQ("failed on main", message);

    bool direct = false;
    MainThread::InvokeAndWait([&] { direct = true; });
    EXPECT_TRUE(direct);
    EXPECT_FALSE(MainThread::ServePending());
}

TEST(MainThread, WaitServingTimesOutAndIsPlainOffTheMainThread)
{
    Event never(true, false);
    EXPECT_FALSE(MainThread::WaitServing(never, 0));
    EXPECT_FALSE(MainThread::WaitServing([] { return false; }, 20));

    // A worker's WaitServing serves nothing: the main thread's queue stays for the main thread.
    bool ran = false;
    MainThread::Post([&] { ran = true; });
    bool workerServed = true;
    Thread worker;
    worker.Start([&] {
        workerServed = MainThread::ServePending() || MainThread::ProcessMessage();
        MainThread::WaitServing(never, 0);
    });
    worker.Join();
    EXPECT_FALSE(workerServed);
    EXPECT_FALSE(ran);
    MainThread::ProcessPendingMessages();
    EXPECT_TRUE(ran);
}

TEST(MainThread, WakeHookRunsAfterEveryQueuedCall)
{
    std::atomic<int> wakes{0};
    MainThread::SetWakeHook([&] { ++wakes; });
    MainThread::Post([] {});
    EXPECT_EQ(1, wakes.load());
    Event done(true, false);
    Thread worker;
    worker.Start([&] {
        MainThread::InvokeAndWait([] {});
        done.Set();
    });
    EXPECT_TRUE(MainThread::WaitServing(done, kGuardMs));
    worker.Join();
    MainThread::SetWakeHook(nullptr);
    EXPECT_EQ(2, wakes.load());
}

// A message queue as the GUI layer keeps it: a quit message stays for the real message loop.
TEST(MainThread, PumpNeverSwallowsAQuitRequest)
{
    std::deque<std::string> queue{"paint", "quit", "timer"};
    std::vector<std::string> dispatched;
    MainThread::SetMessagePump([&] {
        for (auto it = queue.begin(); it != queue.end(); ++it) {
            if (*it == "quit")
                continue;
            dispatched.push_back(*it);
            queue.erase(it);
            return true;
        }
        return false;
    });
    bool served = false;
    MainThread::Post([&] {
        served = true;
        MainThread::PostQuit(3);  // a handler asks to quit in the middle of the pump
    });

    MainThread::ProcessPendingMessages();
    MainThread::SetMessagePump(nullptr);

    EXPECT_TRUE(served);
    EXPECT_EQ((std::vector<std::string>{"paint", "timer"}), dispatched);
    EXPECT_EQ(std::deque<std::string>{"quit"}, queue);
    int code = 0;
    EXPECT_TRUE(MainThread::QuitRequested(&code));
    EXPECT_EQ(3, code);
    MainThread::ProcessPendingMessages();
    EXPECT_TRUE(MainThread::QuitRequested(&code));  // still pending for the message loop
}
