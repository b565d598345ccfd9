// The converter component's batch: starting tasks, pause, resume and stop, and the end events.

#include "engine/FFmpegConverter.h"

#include "platform/kernel/MainThread.h"

TCustomFFmpegConverter::TMainCall::TMainCall(TCustomFFmpegConverter& AOwner)
    : FOwner(AOwner), FMain(MainThread::IsMainThread())
{
    if (FMain)
        ++FOwner.FMainCallDepth;
}

TCustomFFmpegConverter::TMainCall::~TMainCall()
{
    Leave();
}

void TCustomFFmpegConverter::TMainCall::Leave()
{
    if (!FMain || FLeft)
        return;
    FLeft = true;
    // A final event held back while the call ran is delivered by the main loop afterwards.
    if (--FOwner.FMainCallDepth == 0)
        FOwner.PostDelivery();
}

void TCustomFFmpegConverter::Start(int AThreadCount)
{
    TMainCall call(*this);
    CheckIdle("StartTask");
    TEndActions actions;
    bool inlineMode;
    {
        std::lock_guard<CriticalSection> guard(FTerminateLock);
        FCompleteTasks = 0;
        FCurrentTask = 0;
        FPendingTasks = TasksCount();
        FTerminated = false;
        FThreadMode = AThreadCount > 0;
        FWorking = true;
        FBatchPaused = false;
        FDeferredStarts = 0;
        ++FBatch;
        inlineMode = !FThreadMode;
        if (TasksCount() == 0)
            RaiseFinalEvent(actions);
        else if (FThreadMode)
            for (int started = 0; started < AThreadCount && FPendingTasks > 0; ++started)
                StartNextTask();
    }
    RunEndActions(actions);
    if (!inlineMode)
        return;
    RunInline();
    // An inline batch returns after its final event.
    call.Leave();
    DeliverEndEvents();
}

void TCustomFFmpegConverter::StartNextTask()
{
    if (FPendingTasks <= 0)
        return;
    // A paused batch starts nothing; Resume makes up for each start held back.
    if (FBatchPaused) {
        ++FDeferredStarts;
        return;
    }
    --FPendingTasks;
    TFFmpeg* task = Task(FCurrentTask++);
    task->ReportInterval = static_cast<std::int64_t>(FProgressInterval) * 1000;
    // A task that fails at once reports its end from inside StartConvert, which may start the
    // next task already; the index has moved on, so every task starts once.
    if (TConvertThread* worker = task->StartConvert(true, FThreadPriority))
        worker->Resume();
}

void TCustomFFmpegConverter::RunInline()
{
    for (;;) {
        TFFmpeg* task;
        {
            std::lock_guard<CriticalSection> guard(FTerminateLock);
            if (FPendingTasks <= 0)
                return;
            --FPendingTasks;
            task = Task(FCurrentTask++);
            task->ReportInterval = static_cast<std::int64_t>(FProgressInterval) * 1000;
        }
        task->StartConvert(false, FThreadPriority);
    }
}

void TCustomFFmpegConverter::Pause()
{
    // Under the lock no task is being started or reporting its end, so each task either runs
    // already (and is paused) or is started only after Resume.
    std::lock_guard<CriticalSection> guard(FTerminateLock);
    if (!FWorking || FTerminated || !FThreadMode || FBatchPaused)
        return;
    FBatchPaused = true;
    FFFmpegList.Pause();
}

void TCustomFFmpegConverter::Resume()
{
    std::lock_guard<CriticalSection> guard(FTerminateLock);
    if (!FBatchPaused)
        return;
    FBatchPaused = false;
    FFFmpegList.Resume();
    for (; FDeferredStarts > 0; --FDeferredStarts)
        StartNextTask();
}

void TCustomFFmpegConverter::Stop(bool AWaitFor)
{
    TMainCall call(*this);
    {
        std::lock_guard<CriticalSection> guard(FTerminateLock);
        // Outside a batch there is nothing to end (and idle tasks must stay startable).
        if (!FWorking || FTerminated)
            return;
        FPendingTasks = 0;
        FDeferredStarts = 0;
        // The tasks' runs are resumed by their stop.
        FBatchPaused = false;
    }
    FFFmpegList.Stop(AWaitFor);
}

void TCustomFFmpegConverter::TaskTerminate(TFFmpeg* ATask)
{
    TEndActions actions;
    {
        std::lock_guard<CriticalSection> guard(FTerminateLock);
        TTerminateInfo info;
        info.TaskIndex = FFFmpegList.IndexOf(ATask);
        info.Finished = ATask->Finished();
        info.Exception = ATask->FatalException();
        info.ExceptionMsg = ATask->FatalMessage();
        info.KeptFileName = ATask->KeptFileName();
        RaiseEndEvent(info, false, actions);
        ++FCompleteTasks;
        if (FPendingTasks <= 0 && FCompleteTasks >= TasksCount())
            RaiseFinalEvent(actions);
        else if (FPendingTasks > 0 && FThreadMode)
            StartNextTask();
    }
    RunEndActions(actions);
}

void TCustomFFmpegConverter::RaiseFinalEvent(TEndActions& AActions)
{
    TTerminateInfo info;
    info.TaskIndex = -1;
    info.Finished = true;
    info.Exception = false;
    RaiseEndEvent(info, true, AActions);
    FTerminated = true;
}

void TCustomFFmpegConverter::RaiseEndEvent(const TTerminateInfo& AInfo, bool AFinal, TEndActions& AActions)
{
    TTerminateEvent handler;
    {
        std::lock_guard<std::mutex> guard(FEventsLock);
        handler = FOnTerminate;
    }
    if (!handler || FDestroying)
        return;
    if (FTriggerEventInMainThread) {
        {
            std::lock_guard<std::mutex> guard(FDelivery->Lock);
            FDelivery->Queue.push_back(TEndEvent{AInfo, AFinal, FBatch});
        }
        // Raised on the main thread by an inline batch: delivered at once (once the lock is free);
        // anything else goes through the main thread's queue without waiting.
        if (!FThreadMode && MainThread::IsMainThread())
            AActions.DeliverNow = true;
        else
            PostDelivery();
        return;
    }
    if (!FThreadMode) {
        AActions.Direct.push_back(AInfo);
        return;
    }
    // Thread mode without the main thread: each event on a thread of its own; the final one
    // waits for every worker of the batch first.
    auto thread = std::make_unique<TDoTerminateThread>();
    TDoTerminateThread* self = thread.get();
    self->Worker.Start([this, self, handler, info = AInfo, AFinal] {
        if (AFinal)
            for (int i = 0; i < FFFmpegList.Count(); ++i)
                Task(i)->WaitThreadsEnded();
        try {
            handler(this, info);
        } catch (...) {
            // A handler's failure ends its own thread only.
        }
        self->Done.Set();
    });
    FTerminateThreads.push_back(std::move(thread));
}

void TCustomFFmpegConverter::RunEndActions(const TEndActions& AActions)
{
    for (const TTerminateInfo& info : AActions.Direct) {
        TTerminateEvent handler;
        {
            std::lock_guard<std::mutex> guard(FEventsLock);
            handler = FOnTerminate;
        }
        if (handler && !FDestroying)
            handler(this, info);
    }
    if (AActions.DeliverNow)
        DeliverEndEvents();
}

void TCustomFFmpegConverter::PostDelivery()
{
    {
        std::lock_guard<std::mutex> guard(FDelivery->Lock);
        if (FDelivery->Queue.empty())
            return;
    }
    MainThread::Post([delivery = FDelivery] {
        if (delivery->Owner)
            delivery->Owner->DeliverEndEvents();
    });
}

bool TCustomFFmpegConverter::BatchThreadsEnded()
{
    for (int i = 0; i < FFFmpegList.Count(); ++i)
        if (!Task(i)->ThreadsEnded())
            return false;
    return true;
}

void TCustomFFmpegConverter::DeliverEndEvents()
{
    // A handler that waits (and so serves the main thread) gets no event in the middle of its
    // own; the outer delivery goes on with the queue afterwards.
    if (FDelivering || !MainThread::IsMainThread())
        return;
    FDelivering = true;
    struct Reset {
        bool& flag;
        ~Reset() { flag = false; }
    } reset{FDelivering};

    for (;;) {
        TEndEvent event;
        {
            std::lock_guard<std::mutex> guard(FDelivery->Lock);
            if (FDelivery->Queue.empty())
                return;
            event = FDelivery->Queue.front();
            if (event.Final && FMainCallDepth > 0)
                return;
            FDelivery->Queue.pop_front();
        }
        if (event.Final && event.Batch == FBatch)
            MainThread::WaitServing([this] { return BatchThreadsEnded(); }, INFINITE);
        TTerminateEvent handler;
        {
            std::lock_guard<std::mutex> guard(FEventsLock);
            handler = FOnTerminate;
        }
        if (!handler || FDestroying)
            continue;
        try {
            handler(this, event.Info);
        } catch (...) {
            // The events behind it still come, from the main loop.
            PostDelivery();
            throw;
        }
    }
}

void TCustomFFmpegConverter::JoinTerminateThreads()
{
    std::vector<std::unique_ptr<TDoTerminateThread>> threads;
    {
        std::lock_guard<CriticalSection> guard(FTerminateLock);
        threads.swap(FTerminateThreads);
    }
    for (auto& thread : threads) {
        MainThread::WaitServing(thread->Done, INFINITE);
        thread->Worker.Join();
    }
}
