#pragma once
// TThread: a worker thread object whose Execute runs on a thread of its own, with termination
// requests, waiting, self-freeing and calls handed to the main thread.

#include "classlib/Object.h"
#include "platform/kernel/Thread.h"

#include <atomic>
#include <exception>
#include <functional>
#include <mutex>
#include <thread>

enum class TThreadPriority { tpIdle, tpLowest, tpLower, tpNormal, tpHigher, tpHighest, tpTimeCritical };

class TThread : public TObject {
public:
    // The thread starts with Start, not here: Execute belongs to the derived class, which is
    // not built yet while this constructor runs.
    TThread() = default;
    // Free asks a running thread to terminate and waits for it before the derived part goes.
    ~TThread() override;

    void Start();
    // Sets Terminated; Execute is expected to check it and return.
    void Terminate() { FTerminated = true; }
    bool Terminated() const { return FTerminated; }
    bool Finished() const { return FFinished; }
    // Waits until Execute and OnTerminate have run and returns ReturnValue. Waiting on the main
    // thread keeps serving the main-thread calls, so Synchronize from the worker cannot deadlock.
    int WaitFor();

    // The thread frees itself after Execute and OnTerminate; nobody else may then free it.
    bool FreeOnTerminate() const { return FFreeOnTerminate; }
    void SetFreeOnTerminate(bool Value) { FFreeOnTerminate = Value; }
    // Applied when the thread starts: idle runs under SCHED_IDLE, the others set the thread's
    // nice value.
    TThreadPriority GetPriority() const { return FPriority; }
    void SetPriority(TThreadPriority Value) { FPriority = Value; }
    ThreadId ThreadID() const { return FThreadID; }
    // The exception that escaped Execute, if any.
    std::exception_ptr FatalException() const { return FFatalException; }

    // Runs on the main thread after Execute returns.
    TNotifyEvent OnTerminate;

    // Runs Method on the main thread and returns when it has run; called on the main thread it
    // runs at once. An exception of Method is raised here.
    static void Synchronize(const std::function<void()>& Method);

protected:
    virtual void Execute() = 0;
    // Calls OnTerminate on the main thread when assigned.
    virtual void DoTerminate();
    void SetReturnValue(int Value) { FReturnValue = Value; }
    void BeforeDestruction() override;

private:
    void run();
    void stopAndWait();

    std::thread FThread;
    std::mutex FStartLock;
    std::atomic<bool> FTerminated{false};
    std::atomic<bool> FFinished{false};
    std::atomic<bool> FFreeOnTerminate{false};
    std::atomic<TThreadPriority> FPriority{TThreadPriority::tpNormal};
    std::atomic<ThreadId> FThreadID{0};
    std::exception_ptr FFatalException;
    int FReturnValue = 0;
};
