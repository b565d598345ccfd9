#pragma once
// The converter component's tasks, in order: a task's position is its task index everywhere.
// The list owns its tasks. An index outside the list raises EListError "List index out of
// bounds (<index>)".

#include "engine/FFmpegTask.h"
#include "platform/kernel/CommonErrors.h"

#include <memory>
#include <vector>

class TFFmpegList {
public:
    // Adds at the end; returns the new task's index.
    int Add(std::unique_ptr<TFFmpeg> ATask);
    // Frees the task; later tasks move down by one.
    void Delete(int AIndex);
    void Clear();
    void Exchange(int AIndex1, int AIndex2);
    TFFmpeg* Get(int AIndex) const { return FList[CheckedIndex(AIndex)].get(); }
    // -1 when absent.
    int IndexOf(const TFFmpeg* ATask) const;
    int Count() const { return static_cast<int>(FList.size()); }

    // In list order.
    void Pause();
    void Resume();
    void Stop(bool AWaitFor);
    // Switches one post hook of every task on or off (while tasks run too).
    void SetPostHook(TPostHook AHook, bool AOn);

private:
    size_t CheckedIndex(int AIndex) const;

    std::vector<std::unique_ptr<TFFmpeg>> FList;
};
