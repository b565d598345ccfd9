#include "platform/window/TimerList.h"

#include "platform/window/MessageQueue.h"

#include <algorithm>

UINT_PTR TimerList::Set(HWND hwnd, UINT_PTR id, UINT elapse, TIMERPROC proc, std::uint64_t now)
{
    auto same = [&](const Timer& t) { return t.hwnd == hwnd && t.id == id; };
    auto it = std::find_if(timers_.begin(), timers_.end(), same);
    if (!hwnd && it == timers_.end()) {
        // A thread timer gets an id of its own unless it restarts one that runs.
        do {
            id = nextThreadId_++;
        } while (std::any_of(timers_.begin(), timers_.end(), same));
    }
    Timer timer{hwnd, id, elapse, proc, now + elapse};
    if (it != timers_.end())
        *it = timer;
    else
        timers_.push_back(timer);
    return id;
}

bool TimerList::Kill(HWND hwnd, UINT_PTR id)
{
    return std::erase_if(timers_, [&](const Timer& t) { return t.hwnd == hwnd && t.id == id; }) > 0;
}

void TimerList::KillWindow(HWND hwnd)
{
    std::erase_if(timers_, [&](const Timer& t) { return t.hwnd == hwnd; });
}

std::optional<TimerList::Timer> TimerList::TakeDue(std::uint64_t now, const MessageFilter& filter, bool restart)
{
    if (!filter.MatchesNumber(WM_TIMER))
        return std::nullopt;
    Timer* best = nullptr;
    for (Timer& t : timers_) {
        if (t.due <= now && filter.MatchesWindow(t.hwnd) && (!best || t.due < best->due))
            best = &t;
    }
    if (!best)
        return std::nullopt;
    Timer result = *best;
    if (restart)
        best->due = now + best->elapse;
    return result;
}

std::optional<std::uint64_t> TimerList::NextDue() const
{
    std::optional<std::uint64_t> next;
    for (const Timer& t : timers_) {
        if (!next || t.due < *next)
            next = t.due;
    }
    return next;
}

bool TimerList::IsTimerProc(HWND hwnd, UINT_PTR id, TIMERPROC proc) const
{
    return proc && std::any_of(timers_.begin(), timers_.end(),
                               [&](const Timer& t) { return t.hwnd == hwnd && t.id == id && t.proc == proc; });
}
