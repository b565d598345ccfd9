#pragma once
// The GUI thread's queue: posted messages (from any thread), raw input waiting to be turned into
// messages, and the quit request. Paint and timer messages are not queued: they are made from
// the windows' state when nothing else is waiting.

#include "platform/window/Messages.h"
#include "platform/window/RawInput.h"

#include <deque>
#include <functional>
#include <mutex>

// Which messages a GetMessage or PeekMessage call wants.
struct MessageFilter {
    HWND hwnd = nullptr;  // nullptr: any; (HWND)-1: thread messages only
    UINT first = 0;
    UINT last = 0;        // first and last 0: every message
    bool allowQuit = true;

    bool MatchesNumber(UINT message) const { return (first == 0 && last == 0) || (message >= first && message <= last); }
    bool MatchesWindow(HWND target) const;
    bool Matches(const MSG& msg) const { return MatchesWindow(msg.hwnd) && MatchesNumber(msg.message); }
};

class MessageQueue {
public:
    // Any thread. The wake function runs after every addition, outside the queue's lock.
    void SetWake(std::function<void()> wake);
    void Post(const MSG& msg);
    // Queues ahead of everything posted (characters of a translated key press).
    void PostFront(const MSG& msg);
    void PostInput(const RawInput& input);

    // GUI thread.
    bool TakePosted(MSG* out, const MessageFilter& filter, bool remove);
    bool TakeRawInput(RawInput* out);
    bool HasRawInput();
    void RequestQuit(int exitCode);
    bool QuitPending(int* exitCode) const;
    void ClearQuit();
    // Drops the posted messages of a window that is going away.
    void DropWindow(HWND hwnd);
    void Clear();

private:
    void Wake();

    mutable std::mutex mutex_;
    std::deque<MSG> posted_;
    std::deque<RawInput> input_;
    std::function<void()> wake_;
    bool quit_ = false;
    int quitCode_ = 0;
};
