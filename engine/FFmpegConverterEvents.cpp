// The reports of running tasks: progress and preview pictures (on the main thread while the worker
// waits) and custom-hook pictures (on the worker).

#include "engine/FFmpegConverter.h"

#include "engine/EngineUtils.h"

#include <mutex>

void TCustomFFmpegConverter::TaskProgress(TFFmpeg* ATask, const TProgressInfo& AInfo)
{
    TProgressInfo info = AInfo;
    info.TaskIndex = FFFmpegList.IndexOf(ATask);
    // The handler is looked up where it runs, so one detached meanwhile is not called. The record
    // is filled on that thread too: the worker holds no lock while it waits for the main thread.
    const auto report = [this, &info] {
        TProgressEvent handler;
        {
            std::lock_guard<std::mutex> guard(FEventsLock);
            handler = FOnProgress;
        }
        if (!handler || FDestroying)
            return;
        std::lock_guard<CriticalSection> guard(FProgressLock);
        FProgressInfo = info;
        handler(this, &FProgressInfo);
    };
    if (FTriggerEventInMainThread)
        RunInMainThread(report);
    else
        report();
}

void TCustomFFmpegConverter::TaskPreviewBitmap(TFFmpeg* ATask, TFFPicture* ABitmap, int AFrameNumber,
                                               std::int64_t APTS)
{
    TPreviewInfo info;
    info.TaskIndex = FFFmpegList.IndexOf(ATask);
    info.Bitmap = ABitmap;
    info.FrameNumber = AFrameNumber;
    info.PTS = APTS;
    const auto report = [this, &info] {
        TPreviewBitmapEvent handler;
        {
            std::lock_guard<std::mutex> guard(FEventsLock);
            handler = FOnPreviewBitmap;
        }
        if (!handler || FDestroying)
            return;
        std::lock_guard<CriticalSection> guard(FPreviewLock);
        FPreviewInfo = info;
        handler(this, FPreviewInfo);
    };
    if (FTriggerEventInMainThread)
        RunInMainThread(report);
    else
        report();
}

void TCustomFFmpegConverter::TaskCustomHook(TFFmpeg* ATask, TFFPicture* ABitmap, int AFrameNumber, std::int64_t APTS,
                                            bool& AUpdate, bool& AStopHook)
{
    TCustomHookEvent handler;
    {
        std::lock_guard<std::mutex> guard(FEventsLock);
        handler = FOnCustomHook;
    }
    if (!handler || FDestroying)
        return;
    std::lock_guard<CriticalSection> guard(FHookLock);
    FHookInfo.TaskIndex = FFFmpegList.IndexOf(ATask);
    FHookInfo.Bitmap = ABitmap;
    FHookInfo.FrameNumber = AFrameNumber;
    FHookInfo.PTS = APTS;
    FHookInfo.Update = AUpdate;
    FHookInfo.StopHook = AStopHook;
    handler(this, &FHookInfo);
    AUpdate = FHookInfo.Update;
    AStopHook = FHookInfo.StopHook;
}
