#include "platform/window/MessageQueue.h"

#include <algorithm>

bool MessageFilter::MatchesWindow(HWND target) const
{
    if (!hwnd)
        return true;
    if (hwnd == reinterpret_cast<HWND>(static_cast<std::intptr_t>(-1)))
        return target == nullptr;
    return target == hwnd;
}

void MessageQueue::SetWake(std::function<void()> wake)
{
    std::lock_guard<std::mutex> lock(mutex_);
    wake_ = std::move(wake);
}

void MessageQueue::Wake()
{
    std::function<void()> wake;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        wake = wake_;
    }
    if (wake)
        wake();
}

void MessageQueue::Post(const MSG& msg)
{
    {
        std::lock_guard<std::mutex> lock(mutex_);
        posted_.push_back(msg);
    }
    Wake();
}

void MessageQueue::PostFront(const MSG& msg)
{
    {
        std::lock_guard<std::mutex> lock(mutex_);
        posted_.push_front(msg);
    }
    Wake();
}

void MessageQueue::PostInput(const RawInput& input)
{
    {
        std::lock_guard<std::mutex> lock(mutex_);
        // Only the latest position of a run of moves matters.
        if (input.kind == RawInput::Kind::MouseMove && !input_.empty() && input_.back().kind == RawInput::Kind::MouseMove)
            input_.back() = input;
        else
            input_.push_back(input);
    }
    Wake();
}

bool MessageQueue::TakePosted(MSG* out, const MessageFilter& filter, bool remove)
{
    std::lock_guard<std::mutex> lock(mutex_);
    auto it = std::find_if(posted_.begin(), posted_.end(), [&](const MSG& m) { return filter.Matches(m); });
    if (it == posted_.end())
        return false;
    *out = *it;
    if (remove)
        posted_.erase(it);
    return true;
}

bool MessageQueue::TakeRawInput(RawInput* out)
{
    std::lock_guard<std::mutex> lock(mutex_);
    if (input_.empty())
        return false;
    *out = std::move(input_.front());
    input_.pop_front();
    return true;
}

bool MessageQueue::HasRawInput()
{
    std::lock_guard<std::mutex> lock(mutex_);
    return !input_.empty();
}

void MessageQueue::RequestQuit(int exitCode)
{
    {
        std::lock_guard<std::mutex> lock(mutex_);
        quit_ = true;
        quitCode_ = exitCode;
    }
    Wake();
}

bool MessageQueue::QuitPending(int* exitCode) const
{
    std::lock_guard<std::mutex> lock(mutex_);
    if (quit_ && exitCode)
        *exitCode = quitCode_;
    return quit_;
}

void MessageQueue::ClearQuit()
{
    std::lock_guard<std::mutex> lock(mutex_);
    quit_ = false;
}

void MessageQueue::DropWindow(HWND hwnd)
{
    std::lock_guard<std::mutex> lock(mutex_);
    std::erase_if(posted_, [hwnd](const MSG& m) { return m.hwnd == hwnd; });
}

void MessageQueue::Clear()
{
    std::lock_guard<std::mutex> lock(mutex_);
    posted_.clear();
    input_.clear();
    quit_ = false;
}
