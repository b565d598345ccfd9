// The converter component: construction, properties, libraries and building tasks.

#include "engine/FFmpegConverter.h"

#include "engine/FFmpegLoader.h"
#include "engine/OptionValues.h"
#include "platform/kernel/Exceptions.h"
#include "platform/kernel/MainThread.h"

#include <strings.h>

using namespace OptionValues;

namespace {

bool SameText(const std::string& a, const char* b)
{
    return strcasecmp(a.c_str(), b) == 0;
}

// A 64-bit decimal number, else the no-value time.
std::int64_t TimeValue(const std::string& text)
{
    try {
        return StrToInt64(text);
    } catch (const EConvertError&) {
        return NoValueTime;
    }
}

} // namespace

TCustomFFmpegConverter::TCustomFFmpegConverter()
    : FAVProbe(std::make_unique<TAVProbe>()), FDelivery(std::make_shared<TDelivery>())
{
    FDelivery->Owner = this;
}

TCustomFFmpegConverter::~TCustomFFmpegConverter()
{
    FDestroying = true;
    {
        std::lock_guard<std::mutex> guard(FDelivery->Lock);
        FDelivery->Queue.clear();
        FDelivery->Owner = nullptr;
    }
    {
        TMainCall call(*this);
        {
            std::lock_guard<CriticalSection> guard(FTerminateLock);
            FPendingTasks = 0;
        }
        // Running tasks end first; only then does the list change (their end reports read it).
        for (int i = 0; i < FFFmpegList.Count(); ++i)
            Task(i)->Stop(true);
        JoinTerminateThreads();
        FFFmpegList.Clear();
    }
    FAVProbe.reset();
}

bool TCustomFFmpegConverter::AVLibLoaded()
{
    return FFLoader().Loaded(ConverterLibraries);
}

bool TCustomFFmpegConverter::LoadAVLib(const std::string& APath)
{
    FFLoader().SetLibraryPath(APath);
    if (FFLoader().Load(ConverterLibraries))
        return true;
    FLastErrMsg = FFLoader().GetLastErrMsg();
    return false;
}

void TCustomFFmpegConverter::UnloadAVLib()
{
    FFLoader().Unload(ConverterLibraries);
}

void TCustomFFmpegConverter::CheckIdle(const char* AOperation)
{
    if (FWorking)
        throw Exception(std::string("Cannot ") + AOperation + " while working.");
}

std::unique_ptr<TFFmpeg> TCustomFFmpegConverter::CreateTask(int AMaxFiles)
{
    return std::make_unique<TFFmpeg>(AMaxFiles);
}

void TCustomFFmpegConverter::ConnectTask(TFFmpeg& ATask, bool AProgressAndEnd)
{
    if (!AProgressAndEnd) {
        ATask.SetOnPreviewBitmap([this](TCustomFFmpeg* sender, TFFPicture* bitmap, int frame, std::int64_t pts) {
            TaskPreviewBitmap(static_cast<TFFmpeg*>(sender), bitmap, frame, pts);
        });
        return;
    }
    ATask.SetOnProgress([this](TCustomFFmpeg* sender, int fileIndex, int frame, int fps, float quality,
                               float bitRate, std::int64_t size, std::int64_t current, std::int64_t total) {
        TProgressInfo info;
        info.FileIndex = fileIndex;
        info.FrameNumber = frame;
        info.FPS = fps;
        info.Quality = quality;
        info.BitRate = bitRate;
        info.CurrentSize = size;
        info.CurrentDuration = current;
        info.TotalDuration = total;
        TaskProgress(static_cast<TFFmpeg*>(sender), info);
    });
    ATask.SetOnTerminate([this](TCustomFFmpeg* sender) { TaskTerminate(static_cast<TFFmpeg*>(sender)); });
}

int TCustomFFmpegConverter::AddTask(const std::string& AFileName, TInputOptions* AOptions)
{
    CheckIdle("AddTask");
    if (!AVLibLoaded()) {
        FLastErrMsg = "The converter libraries are not loaded.";
        return -1;
    }
    std::unique_ptr<TFFmpeg> task = CreateTask(FCustomMaxFiles);
    try {
        task->Reset();
        task->OptVerbose(FVerbose);
        task->SetPostHooks((FPreview ? phPreview : 0u) | (FPreviewBitmap ? phBitmap : 0u));
        ConnectTask(*task, false);
        if (!task->AddInput(AFileName, AOptions)) {
            FLastErrMsg = task->LastErrMsg();
            return -1;
        }
    } catch (const std::exception& e) {
        FLastErrMsg = e.what();
        return -1;
    }
    ConnectTask(*task, true);
    return FFFmpegList.Add(std::move(task));
}

int TCustomFFmpegConverter::AddTask(const std::string& AFileName, const std::string& AExtOptions)
{
    TInputOptions options;
    ReadInputExtOptions(AExtOptions, options);
    return AddTask(AFileName, &options);
}

bool TCustomFFmpegConverter::AddInputFile(int ATaskIndex, const std::string& AFileName, TInputOptions* AOptions)
{
    CheckIdle("AddInputFile");
    TFFmpeg* task = Task(ATaskIndex);
    if (task->InputCount() >= FCustomMaxFiles) {
        FLastErrMsg = "max input files " + std::to_string(FCustomMaxFiles) + " reached";
        return false;
    }
    try {
        if (task->AddInput(AFileName, AOptions))
            return true;
        FLastErrMsg = task->LastErrMsg();
    } catch (const std::exception& e) {
        FLastErrMsg = e.what();
    }
    return false;
}

bool TCustomFFmpegConverter::AddInputFile(int ATaskIndex, const std::string& AFileName, const std::string& AExtOptions)
{
    TInputOptions options;
    ReadInputExtOptions(AExtOptions, options);
    return AddInputFile(ATaskIndex, AFileName, &options);
}

bool TCustomFFmpegConverter::SetOutputFile(int ATaskIndex, const std::string& AFileName, TOutputOptions* AOptions)
{
    CheckIdle("SetOutputFile");
    TFFmpeg* task = Task(ATaskIndex);
    if (task->OutputCount() >= FCustomMaxFiles) {
        FLastErrMsg = "max output files " + std::to_string(FCustomMaxFiles) + " reached";
        return false;
    }
    try {
        if (AOptions && AOptions->CustomHook)
            task->SetOnCustomHook([this](TCustomFFmpeg* sender, TFFPicture* bitmap, int frame, std::int64_t pts,
                                         bool& update, bool& stopHook) {
                TaskCustomHook(static_cast<TFFmpeg*>(sender), bitmap, frame, pts, update, stopHook);
            });
        if (task->AddOutput(AFileName, AOptions))
            return true;
        FLastErrMsg = task->LastErrMsg();
    } catch (const std::exception& e) {
        FLastErrMsg = e.what();
    }
    return false;
}

bool TCustomFFmpegConverter::SetOutputFile(int ATaskIndex, const std::string& AFileName, const std::string& AExtOptions)
{
    TOutputOptions options;
    ReadOutputExtOptions(AExtOptions, options);
    return SetOutputFile(ATaskIndex, AFileName, &options);
}

void TCustomFFmpegConverter::ReadInputExtOptions(const std::string& AExtOptions, TInputOptions& AOptions)
{
    InitInputOptions(AOptions);
    for (const TExtOption& line : ParseExtOptions(AExtOptions)) {
        if (SameText(line.Name, "TimeStart"))
            AOptions.TimeStart = TimeValue(line.Value);
        else
            AOptions.ExtOptions += line.Name + "=" + line.Value + "\n";
    }
}

void TCustomFFmpegConverter::ReadOutputExtOptions(const std::string& AExtOptions, TOutputOptions& AOptions)
{
    InitOutputOptions(AOptions);
    for (const TExtOption& line : ParseExtOptions(AExtOptions)) {
        if (SameText(line.Name, "Hook") || SameText(line.Name, "CustomHook"))
            AOptions.CustomHook = true;
        else if (SameText(line.Name, "Join"))
            AOptions.Join = true;
        else if (SameText(line.Name, "TimeStart"))
            AOptions.TimeStart = TimeValue(line.Value);
        else if (SameText(line.Name, "TimeLength"))
            AOptions.TimeLength = TimeValue(line.Value);
        else
            AOptions.ExtOptions += line.Name + "=" + line.Value + "\n";
    }
}

TAVProbe* TCustomFFmpegConverter::GetTaskAVProbe(int ATaskIndex, int AFileIndex)
{
    return Task(ATaskIndex)->AVProbe(AFileIndex);
}

void TCustomFFmpegConverter::RemoveTask(int ATaskIndex)
{
    CheckIdle("RemoveTask");
    FFFmpegList.Delete(ATaskIndex);
}

void TCustomFFmpegConverter::Exchange(int ATaskIndex1, int ATaskIndex2)
{
    CheckIdle("Exchange");
    FFFmpegList.Exchange(ATaskIndex1, ATaskIndex2);
}

void TCustomFFmpegConverter::ClearTasks()
{
    TMainCall call(*this);
    {
        std::lock_guard<CriticalSection> guard(FTerminateLock);
        if (FWorking && !FTerminated)
            throw Exception("Cannot ClearTasks while working.");
    }
    JoinTerminateThreads();
    FFFmpegList.Clear();
    std::lock_guard<CriticalSection> guard(FTerminateLock);
    FLastErrMsg.clear();
    FCompleteTasks = 0;
    FCurrentTask = -1;
    FPendingTasks = 0;
    FTerminated = false;
    FThreadMode = false;
    FWorking = false;
}

void TCustomFFmpegConverter::SetPreview(bool Value)
{
    FPreview = Value;
    FFFmpegList.SetPostHook(phPreview, Value);
}

void TCustomFFmpegConverter::SetPreviewBitmap(bool Value)
{
    FPreviewBitmap = Value;
    FFFmpegList.SetPostHook(phBitmap, Value);
}

void TCustomFFmpegConverter::SetOnProgress(TProgressEvent Value)
{
    std::lock_guard<std::mutex> guard(FEventsLock);
    FOnProgress = std::move(Value);
}

void TCustomFFmpegConverter::SetOnTerminate(TTerminateEvent Value)
{
    std::lock_guard<std::mutex> guard(FEventsLock);
    FOnTerminate = std::move(Value);
}

void TCustomFFmpegConverter::SetOnPreviewBitmap(TPreviewBitmapEvent Value)
{
    std::lock_guard<std::mutex> guard(FEventsLock);
    FOnPreviewBitmap = std::move(Value);
}

void TCustomFFmpegConverter::SetOnCustomHook(TCustomHookEvent Value)
{
    std::lock_guard<std::mutex> guard(FEventsLock);
    FOnCustomHook = std::move(Value);
}
