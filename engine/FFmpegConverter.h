#pragma once
// The converter component: a list of conversion tasks, each converting one or more inputs into
// one or more outputs, run one after another inside Start or at most N at once on worker threads,
// reporting progress, preview pictures, custom-hook pictures and the end of each task and of the
// whole batch.
//
// The application calls it from the main thread. Task-building failures are returned (-1 or
// false) with the reason in LastErrMsg; only misuse while the component works raises.
//
// Events, with TriggerEventInMainThread (the default):
// - OnProgress and OnPreviewBitmap run on the main thread while the reporting worker waits.
// - OnCustomHook runs on the worker itself.
// - OnTerminate runs on the main thread, in the order the tasks ended, each task's event before
//   the final one (TaskIndex -1). The final event comes only after every thread of the batch has
//   ended and never from inside a component call still running on the main thread (such as the
//   wait of Stop), so its handler may call ClearTasks. Inline batches (Start with 0 threads)
//   deliver their events inside Start, which returns after the final one.
// An empty batch ends at once with the final event. Once the component is being destroyed no
// event is raised any more.

#include "engine/AVProbe.h"
#include "engine/EngineRecords.h"
#include "engine/FFBaseComponent.h"
#include "engine/FFmpegList.h"
#include "platform/kernel/Sync.h"
#include "platform/kernel/Thread.h"

#include <atomic>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

class TCustomFFmpegConverter : public TFFBaseComponent {
public:
    using TProgressEvent = std::function<void(TCustomFFmpegConverter* Sender, PProgressInfo AProgressInfo)>;
    using TTerminateEvent = std::function<void(TCustomFFmpegConverter* Sender, const TTerminateInfo& ATerminateInfo)>;
    using TPreviewBitmapEvent = std::function<void(TCustomFFmpegConverter* Sender, const TPreviewInfo& APreviewInfo)>;
    using TCustomHookEvent = std::function<void(TCustomFFmpegConverter* Sender, PHookInfo AHookInfo)>;

    TCustomFFmpegConverter();
    // Stops every task and waits for every thread; raises no event from the start of it.
    ~TCustomFFmpegConverter() override;

    // The converter's library set.
    bool AVLibLoaded();
    bool LoadAVLib(const std::string& APath);
    void UnloadAVLib();

    // ---- Building tasks (refused with an exception while working) ----

    // A new task with its first input; its index, or -1. An empty FileName in the record becomes
    // AFileName.
    int AddTask(const std::string& AFileName, TInputOptions* AOptions = nullptr);
    // The same from an ExtOptions text; a line "TimeStart" (any case) gives the start time.
    int AddTask(const std::string& AFileName, const std::string& AExtOptions);
    bool AddInputFile(int ATaskIndex, const std::string& AFileName, TInputOptions* AOptions = nullptr);
    bool AddInputFile(int ATaskIndex, const std::string& AFileName, const std::string& AExtOptions);
    bool SetOutputFile(int ATaskIndex, const std::string& AFileName, TOutputOptions* AOptions = nullptr);
    // Lines "Hook"/"CustomHook" and "Join" set those flags, "TimeStart" and "TimeLength" those times.
    bool SetOutputFile(int ATaskIndex, const std::string& AFileName, const std::string& AExtOptions);
    // The probe of one input of a task; nullptr while that input is not open.
    TAVProbe* GetTaskAVProbe(int ATaskIndex, int AFileIndex);
    void RemoveTask(int ATaskIndex);
    void Exchange(int ATaskIndex1, int ATaskIndex2);
    // Frees every task and makes the component idle again; refused while a batch runs.
    void ClearTasks();

    // ---- Running ----

    // Runs every task: with AThreadCount 0 or less one after another inside the call, else at
    // most that many at once on worker threads.
    void Start(int AThreadCount);
    // Pauses a batch on worker threads: once the call returns no task writes to its outputs and
    // no pending task starts until Resume (see TCustomFFmpeg::Pause). Outside such a batch it
    // does nothing; a new batch starts unpaused.
    void Pause();
    void Resume();
    // Nothing more is started, running tasks are broken off, tasks that never ran report their
    // end at once; with AWaitFor returns when every task has ended.
    void Stop(bool AWaitFor);

    // ---- Properties ----
    TAVProbe* AVProbe() { return FAVProbe.get(); }
    const std::string& LastErrMsg() const { return FLastErrMsg; }
    int TasksCount() const { return FFFmpegList.Count(); }
    int GetCustomMaxFiles() const { return FCustomMaxFiles; }
    void SetCustomMaxFiles(int Value) { FCustomMaxFiles = Value; }
    bool Terminated() const { return FTerminated.load(); }
    bool Working() const { return FWorking.load(); }
    void* GetUserData() const { return FData; }
    void SetUserData(void* Value) { FData = Value; }
    int GetVerbose() const { return FVerbose; }
    void SetVerbose(int Value) { FVerbose = Value; }
    // Switches the preview window (phPreview) of every task, running ones too, and of later tasks.
    bool GetPreview() const { return FPreview; }
    void SetPreview(bool Value);
    // The same for OnPreviewBitmap (phBitmap).
    bool GetPreviewBitmap() const { return FPreviewBitmap; }
    void SetPreviewBitmap(bool Value);
    // Milliseconds between progress reports; 100 at least.
    int GetProgressInterval() const { return FProgressInterval; }
    void SetProgressInterval(int Value) { FProgressInterval = Value <= 100 ? 100 : Value; }
    ThreadPriority GetThreadPriority() const { return FThreadPriority; }
    void SetThreadPriority(ThreadPriority Value) { FThreadPriority = Value; }
    bool GetTriggerEventInMainThread() const { return FTriggerEventInMainThread.load(); }
    void SetTriggerEventInMainThread(bool Value) { FTriggerEventInMainThread = Value; }
    std::string Version() const { return "3.3"; }

    // Events may be set and cleared at any time from the main thread.
    void SetOnProgress(TProgressEvent Value);
    void SetOnTerminate(TTerminateEvent Value);
    void SetOnPreviewBitmap(TPreviewBitmapEvent Value);
    void SetOnCustomHook(TCustomHookEvent Value);

protected:
    // Makes the converter of a new task.
    virtual std::unique_ptr<TFFmpeg> CreateTask(int AMaxFiles);

private:
    // The targets of each task's converter events. Not virtual: workers call them while the
    // component may be in its destructor, waiting for them.
    void TaskCustomHook(TFFmpeg* ATask, TFFPicture* ABitmap, int AFrameNumber, std::int64_t APTS, bool& AUpdate,
                        bool& AStopHook);
    void TaskPreviewBitmap(TFFmpeg* ATask, TFFPicture* ABitmap, int AFrameNumber, std::int64_t APTS);
    void TaskProgress(TFFmpeg* ATask, const TProgressInfo& AInfo);
    void TaskTerminate(TFFmpeg* ATask);

    // An end event waiting for the main thread.
    struct TEndEvent {
        TTerminateInfo Info;
        bool Final = false;
        std::uint64_t Batch = 0;
    };
    // What posted deliveries reach; cut off when the component goes.
    struct TDelivery {
        std::mutex Lock;
        std::deque<TEndEvent> Queue;
        TCustomFFmpegConverter* Owner = nullptr;
    };
    // A component call on the main thread: the final event waits until none is running.
    class TMainCall {
    public:
        explicit TMainCall(TCustomFFmpegConverter& AOwner);
        ~TMainCall();
        TMainCall(const TMainCall&) = delete;
        TMainCall& operator=(const TMainCall&) = delete;
        // The call's work is done (the destructor does the same).
        void Leave();

    private:
        TCustomFFmpegConverter& FOwner;
        const bool FMain;
        bool FLeft = false;
    };
    // What an end report leaves to do once FTerminateLock is free.
    struct TEndActions {
        std::vector<TTerminateInfo> Direct;  // handler calls on this thread
        bool DeliverNow = false;             // deliver the main thread's queue here
    };
    // An end event on a thread of its own (without TriggerEventInMainThread).
    struct TDoTerminateThread {
        Thread Worker;
        Event Done{true, false};
    };

    void CheckIdle(const char* AOperation);
    TFFmpeg* Task(int AIndex) const { return FFFmpegList.Get(AIndex); }
    void ConnectTask(TFFmpeg& ATask, bool AProgressAndEnd);
    void StartNextTask();
    void RunInline();
    // Under FTerminateLock: hands one end event (or the final one) on.
    void RaiseEndEvent(const TTerminateInfo& AInfo, bool AFinal, TEndActions& AActions);
    void RaiseFinalEvent(TEndActions& AActions);
    void RunEndActions(const TEndActions& AActions);
    // Main thread: calls OnTerminate for the queued events in order; the final one only once no
    // component call runs and every thread of its batch has ended.
    void DeliverEndEvents();
    void PostDelivery();
    bool BatchThreadsEnded();
    void JoinTerminateThreads();
    // Reads an ExtOptions text into an input or output record.
    static void ReadInputExtOptions(const std::string& AExtOptions, TInputOptions& AOptions);
    static void ReadOutputExtOptions(const std::string& AExtOptions, TOutputOptions& AOptions);

    std::string FLastErrMsg;
    void* FData = nullptr;
    int FCustomMaxFiles = 20;
    bool FPreview = false;
    bool FPreviewBitmap = false;
    int FProgressInterval = 500;
    ThreadPriority FThreadPriority = ThreadPriority::Normal;
    std::atomic<bool> FTriggerEventInMainThread{true};
    int FVerbose = 1;
    THookInfo FHookInfo;
    TProgressInfo FProgressInfo;
    TPreviewInfo FPreviewInfo;

    std::mutex FEventsLock;  // guards the four handlers; never held while one runs
    TProgressEvent FOnProgress;
    TTerminateEvent FOnTerminate;
    TPreviewBitmapEvent FOnPreviewBitmap;
    TCustomHookEvent FOnCustomHook;

    CriticalSection FHookLock;
    CriticalSection FPreviewLock;
    CriticalSection FProgressLock;
    CriticalSection FTerminateLock;
    std::unique_ptr<TAVProbe> FAVProbe;
    TFFmpegList FFFmpegList;
    int FCompleteTasks = 0;
    int FCurrentTask = -1;
    int FPendingTasks = 0;
    std::atomic<bool> FTerminated{false};
    bool FThreadMode = false;
    std::atomic<bool> FWorking{false};
    bool FBatchPaused = false;
    int FDeferredStarts = 0;  // starts a pause held back

    std::uint64_t FBatch = 0;
    std::atomic<bool> FDestroying{false};
    int FMainCallDepth = 0;
    bool FDelivering = false;
    std::shared_ptr<TDelivery> FDelivery;
    std::vector<std::unique_ptr<TDoTerminateThread>> FTerminateThreads;
};

class TFFmpegConverter : public TCustomFFmpegConverter {
public:
    using TCustomFFmpegConverter::TCustomFFmpegConverter;
};
