#include "engine/FFmpegTask.h"

#include <cmath>

std::int64_t DateTimeToUnix(TDateTime ADateTime)
{
    // The offset belongs to the moment itself (daylight saving included); the moment is first
    // taken as if it were UTC, then corrected by the offset found there.
    const double asUtc = (ADateTime - 25569.0) * 86400.0;
    const double bias = GetTimeZoneBias(static_cast<std::int64_t>(std::llround(asUtc)));
    const double bias2 = GetTimeZoneBias(static_cast<std::int64_t>(std::llround(asUtc - bias * 86400.0)));
    return std::llround((ADateTime - 25569.0 - bias2) * 86400.0);
}

TFFmpeg::TFFmpeg(int AMaxFiles) : TCustomFFmpeg(AMaxFiles)
{
    FAVProbes.resize(AMaxFiles);
    FInputOptions.resize(AMaxFiles);
    FOutputOptions.resize(AMaxFiles);
}

TFFmpeg::~TFFmpeg()
{
    // The run ends before the task's own parts go.
    Stop(true);
    FAVProbes.clear();
    FInputOptions.clear();
    FOutputOptions.clear();
}

TAVProbe* TFFmpeg::GetAVProbe(int AIndex)
{
    auto& slot = FAVProbes.at(AIndex);
    if (!slot)
        slot = std::make_unique<TAVProbe>();
    return slot.get();
}

TAVProbe* TFFmpeg::AVProbe(int AIndex) const
{
    if (AIndex < 0 || AIndex >= static_cast<int>(FAVProbes.size()))
        return nullptr;
    TAVProbe* probe = FAVProbes[AIndex].get();
    return probe && probe->GetFileHandle() ? probe : nullptr;
}

void TFFmpeg::StoreInputOptions(int AIndex, const TInputOptions& AOptions)
{
    auto& slot = FInputOptions.at(AIndex);
    if (!slot)
        slot = std::make_unique<TInputOptions>();
    *slot = AOptions;
}

void TFFmpeg::StoreOutputOptions(int AIndex, const TOutputOptions& AOptions)
{
    auto& slot = FOutputOptions.at(AIndex);
    if (!slot)
        slot = std::make_unique<TOutputOptions>();
    *slot = AOptions;
}

void TFFmpeg::ResetInputOptions(int AIndex)
{
    if (auto& slot = FInputOptions.at(AIndex))
        InitInputOptions(*slot);
}

void TFFmpeg::ResetOutputOptions(int AIndex)
{
    if (auto& slot = FOutputOptions.at(AIndex))
        InitOutputOptions(*slot);
}

const TInputOptions* TFFmpeg::InputOptions(int AIndex) const
{
    return FInputOptions.at(AIndex).get();
}

const TOutputOptions* TFFmpeg::OutputOptions(int AIndex) const
{
    return FOutputOptions.at(AIndex).get();
}

bool TFFmpeg::ThreadsEnded()
{
    return FStopEvent.WaitFor(0) && FTermEvent.WaitFor(0);
}

void TFFmpeg::WaitThreadsEnded()
{
    FStopEvent.WaitFor(INFINITE);
    FTermEvent.WaitFor(INFINITE);
}
