#pragma once
// The converter component's tasks, in order: a task's position is its task index everywhere.
// The list owns its tasks.

#include "engine/FFmpegTask.h"

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
    TFFmpeg* Get(int AIndex) const { return FList.at(AIndex).get(); }
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
    std::vector<std::unique_ptr<TFFmpeg>> FList;
};
