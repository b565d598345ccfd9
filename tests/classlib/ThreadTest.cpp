#include "classlib/Thread.h"

#include "platform/kernel/MainThread.h"
#include "platform/kernel/Sync.h"

#include <gtest/gtest.h>

#include <atomic>
#include <stdexcept>
#include <vector>

namespace {

// Loops until told to terminate, handing a value to the main thread on each round.
class TCounter : public TThread {
public:
    std::vector<int>* Seen = nullptr;
    Event Running;
    std::atomic<bool>* Destroyed = nullptr;
    ~TCounter() override
    {
        if (Destroyed)
            *Destroyed = true;
    }

protected:
    void Execute() override
    {
        int n = 0;
        Running.Set();
        while (!Terminated()) {
            ++n;
            if (Seen && n <= 3)
                Synchronize([this, n] {
                    EXPECT_TRUE(MainThread::IsMainThread());
                    Seen->push_back(n);
                });
            if (!Seen)
                std::this_thread::yield();
            else if (n == 3)
                Terminate();
        }
        SetReturnValue(n);
    }
};

TEST(Thread, SynchronizeRunsOnTheMainThreadWhileItWaits)
{
    MainThread::SetMainThread();
    std::vector<int> seen;
    int terminated = 0;
    auto* t = new TCounter;
    t->Seen = &seen;
    t->OnTerminate = [&](TObject* sender) {
        EXPECT_EQ(sender, t);
        EXPECT_TRUE(MainThread::IsMainThread());
        ++terminated;
    };
    t->SetPriority(TThreadPriority::tpLower);
    t->Start();
    EXPECT_EQ(t->WaitFor(), 3);  // waiting serves the worker's Synchronize calls
    EXPECT_EQ(seen, (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(terminated, 1);
    EXPECT_TRUE(t->Finished());
    EXPECT_NE(t->ThreadID(), 0u);
    t->Free();
}

TEST(Thread, FreeTerminatesAndWaits)
{
    MainThread::SetMainThread();
    std::atomic<bool> destroyed{false};
    auto* t = new TCounter;
    t->Destroyed = &destroyed;
    t->Start();
    ASSERT_TRUE(t->Running.WaitFor(INFINITE));
    t->Free();
    EXPECT_TRUE(destroyed);
}

TEST(Thread, FreeOnTerminateFreesItselfAfterOnTerminate)
{
    MainThread::SetMainThread();
    std::atomic<bool> destroyed{false};
    bool terminatedFirst = false;
    auto* t = new TCounter;
    t->Destroyed = &destroyed;
    t->SetFreeOnTerminate(true);
    t->OnTerminate = [&](TObject*) { terminatedFirst = !destroyed; };
    t->Start();
    t->Terminate();
    EXPECT_TRUE(MainThread::WaitServing([&] { return destroyed.load(); }, INFINITE));
    EXPECT_TRUE(terminatedFirst);
}

class TFailing : public TThread {
protected:
    void Execute() override { throw std::runtime_error("boom"); }
};

TEST(Thread, AnExceptionFromExecuteIsKept)
{
    TFailing t;
    t.Start();
    t.WaitFor();
    ASSERT_TRUE(t.FatalException());
    EXPECT_THROW(std::rethrow_exception(t.FatalException()), std::runtime_error);
}

} // namespace
