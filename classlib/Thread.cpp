#include "classlib/Thread.h"

#include "platform/kernel/Exceptions.h"
#include "platform/kernel/MainThread.h"

namespace {

ThreadPriority kernelPriority(TThreadPriority p)
{
    switch (p) {
    case TThreadPriority::tpIdle: return ThreadPriority::Idle;
    case TThreadPriority::tpLowest: return ThreadPriority::Lowest;
    case TThreadPriority::tpLower: return ThreadPriority::Lower;
    case TThreadPriority::tpNormal: return ThreadPriority::Normal;
    case TThreadPriority::tpHigher: return ThreadPriority::Higher;
    case TThreadPriority::tpHighest: return ThreadPriority::Highest;
    case TThreadPriority::tpTimeCritical: return ThreadPriority::TimeCritical;
    }
    return ThreadPriority::Normal;
}

} // namespace

TThread::~TThread()
{
    stopAndWait();
}

void TThread::BeforeDestruction()
{
    stopAndWait();
}

void TThread::stopAndWait()
{
    if (FThread.joinable()) {
        Terminate();
        WaitFor();
    }
}

void TThread::Start()
{
    ZD_ASSERT(!FThread.joinable() && !FFinished, "Thread already started");
    // The new thread waits for this lock, so it never sees FThread before it is assigned.
    std::lock_guard<std::mutex> lock(FStartLock);
    FThread = std::thread([this] { run(); });
}

void TThread::run()
{
    {
        std::lock_guard<std::mutex> gate(FStartLock);
    }
    FThreadID = GetCurrentThreadId();
    SetThreadPriority(kernelPriority(FPriority));
    try {
        Execute();
    } catch (...) {
        FFatalException = std::current_exception();
    }
    try {
        DoTerminate();
    } catch (...) {
        if (!FFatalException)
            FFatalException = std::current_exception();
    }
    const bool freeIt = FFreeOnTerminate;
    if (freeIt)
        FThread.detach();
    FFinished = true;
    MainThread::NotifyWaiters();
    if (freeIt)
        delete this;
}

int TThread::WaitFor()
{
    if (FThread.joinable()) {
        if (FThread.get_id() == std::this_thread::get_id())
            RaiseAssertion("A thread cannot wait for itself", __FILE__, __LINE__);
        MainThread::WaitServing([this] { return FFinished.load(); }, INFINITE);
        FThread.join();
    }
    return FReturnValue;
}

void TThread::DoTerminate()
{
    if (OnTerminate)
        Synchronize([this] { OnTerminate(this); });
}

void TThread::Synchronize(const std::function<void()>& Method)
{
    MainThread::InvokeAndWait(Method);
}
