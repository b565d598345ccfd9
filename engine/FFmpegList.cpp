#include "engine/FFmpegList.h"

#include <algorithm>

size_t TFFmpegList::CheckedIndex(int AIndex) const
{
    if (AIndex < 0 || AIndex >= Count())
        RaiseListIndexError(AIndex);
    return static_cast<size_t>(AIndex);
}

int TFFmpegList::Add(std::unique_ptr<TFFmpeg> ATask)
{
    FList.push_back(std::move(ATask));
    return Count() - 1;
}

void TFFmpegList::Delete(int AIndex)
{
    std::unique_ptr<TFFmpeg> task = std::move(FList[CheckedIndex(AIndex)]);
    FList.erase(FList.begin() + AIndex);
}

void TFFmpegList::Clear()
{
    // Each task is freed while the others are still listed, as Delete would.
    while (!FList.empty())
        Delete(Count() - 1);
}

void TFFmpegList::Exchange(int AIndex1, int AIndex2)
{
    const size_t first = CheckedIndex(AIndex1);
    const size_t second = CheckedIndex(AIndex2);
    std::swap(FList[first], FList[second]);
}

int TFFmpegList::IndexOf(const TFFmpeg* ATask) const
{
    const auto it = std::find_if(FList.begin(), FList.end(), [&](const auto& task) { return task.get() == ATask; });
    return it == FList.end() ? -1 : static_cast<int>(it - FList.begin());
}

void TFFmpegList::Pause()
{
    for (const auto& task : FList)
        task->Pause();
}

void TFFmpegList::Resume()
{
    for (const auto& task : FList)
        task->Resume();
}

void TFFmpegList::Stop(bool AWaitFor)
{
    // Every task hears of the stop before any is waited for, so none runs on meanwhile.
    for (const auto& task : FList)
        task->Cancel(false);
    if (AWaitFor)
        for (const auto& task : FList)
            task->WaitForEnd();
}

void TFFmpegList::SetPostHook(TPostHook AHook, bool AOn)
{
    for (const auto& task : FList) {
        const TPostHooks hooks = task->PostHooks();
        task->SetPostHooksLocked(AOn ? hooks | AHook : hooks & ~static_cast<TPostHooks>(AHook));
    }
}
