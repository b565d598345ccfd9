#include "platform/kernel/MainThread.h"

#include "platform/kernel/Thread.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <exception>
#include <memory>
#include <mutex>
#include <optional>
#include <unistd.h>

namespace MainThread {

namespace {

// How often a WaitServing re-checks a done() predicate that nobody signals.
constexpr auto kRecheckSlice = std::chrono::milliseconds(10);

struct Completion {
    std::mutex mutex;
    std::condition_variable cv;
    bool done = false;
    std::exception_ptr error;
};

struct Item {
    std::uint64_t seq;
    std::function<void()> call;
    std::shared_ptr<Completion> completion;  // set for InvokeAndWait
};

struct Dispatcher {
    std::mutex mutex;
    std::condition_variable changed;  // signalled on every queued call and NotifyWaiters
    std::deque<Item> queue;
    std::uint64_t nextSeq = 1;
    std::uint64_t generation = 0;
    std::function<void()> wakeHook;
    std::function<bool()> pump;
};

Dispatcher& D()
{
    static Dispatcher dispatcher;
    return dispatcher;
}

std::atomic<ThreadId> mainThreadId{0};  // 0: the process's initial thread
std::atomic<bool> quitRequested{false};
std::atomic<int> quitCode{0};

void CallWakeHook()
{
    std::function<void()> hook;
    {
        std::lock_guard<std::mutex> lock(D().mutex);
        hook = D().wakeHook;
    }
    if (hook)
        hook();
}

void Enqueue(std::function<void()> call, std::shared_ptr<Completion> completion)
{
    Dispatcher& d = D();
    {
        std::lock_guard<std::mutex> lock(d.mutex);
        d.queue.push_back(Item{d.nextSeq++, std::move(call), std::move(completion)});
        ++d.generation;
    }
    d.changed.notify_all();
    CallWakeHook();
}

bool WaitLoop(const std::function<bool()>& done, DWORD timeoutMs)
{
    using SteadyClock = std::chrono::steady_clock;
    std::optional<SteadyClock::time_point> deadline;
    if (timeoutMs != INFINITE)
        deadline = SteadyClock::now() + std::chrono::milliseconds(timeoutMs);
    const bool serve = IsMainThread();
    Dispatcher& d = D();
    for (;;) {
        std::uint64_t generation;
        {
            std::lock_guard<std::mutex> lock(d.mutex);
            generation = d.generation;
        }
        if (serve)
            ServePending();
        if (done())
            return true;
        std::unique_lock<std::mutex> lock(d.mutex);
        const auto now = SteadyClock::now();
        if (deadline && now >= *deadline)
            return false;
        auto until = now + kRecheckSlice;
        if (deadline && *deadline < until)
            until = *deadline;
        d.changed.wait_until(lock, until, [&] { return d.generation != generation; });
    }
}

} // namespace

void SetMainThread()
{
    mainThreadId = GetCurrentThreadId();
}

bool IsMainThread()
{
    ThreadId main = mainThreadId.load();
    if (main == 0)
        main = static_cast<ThreadId>(getpid());
    return GetCurrentThreadId() == main;
}

void Post(std::function<void()> call)
{
    Enqueue(std::move(call), nullptr);
}

void InvokeAndWait(std::function<void()> call)
{
    if (IsMainThread()) {
        call();
        return;
    }
    auto completion = std::make_shared<Completion>();
    Enqueue(std::move(call), completion);
    std::unique_lock<std::mutex> lock(completion->mutex);
    completion->cv.wait(lock, [&] { return completion->done; });
    if (completion->error)
        std::rethrow_exception(completion->error);
}

bool ServePending()
{
    if (!IsMainThread())
        return false;
    Dispatcher& d = D();
    std::uint64_t last;
    {
        std::lock_guard<std::mutex> lock(d.mutex);
        last = d.nextSeq - 1;
    }
    bool ran = false;
    for (;;) {
        Item item;
        {
            std::lock_guard<std::mutex> lock(d.mutex);
            if (d.queue.empty() || d.queue.front().seq > last)
                break;
            item = std::move(d.queue.front());
            d.queue.pop_front();
        }
        ran = true;
        if (!item.completion) {
            item.call();
            continue;
        }
        std::exception_ptr error;
        try {
            item.call();
        } catch (...) {
            error = std::current_exception();
        }
        {
            std::lock_guard<std::mutex> lock(item.completion->mutex);
            item.completion->error = error;
            item.completion->done = true;
        }
        item.completion->cv.notify_all();
    }
    return ran;
}

void SetWakeHook(std::function<void()> hook)
{
    std::lock_guard<std::mutex> lock(D().mutex);
    D().wakeHook = std::move(hook);
}

bool WaitServing(Event& event, DWORD timeoutMs)
{
    if (!IsMainThread())
        return event.WaitFor(timeoutMs);
    return WaitLoop([&event] { return event.WaitFor(0); }, timeoutMs);
}

bool WaitServing(const std::function<bool()>& done, DWORD timeoutMs)
{
    return WaitLoop(done, timeoutMs);
}

void NotifyWaiters()
{
    Dispatcher& d = D();
    {
        std::lock_guard<std::mutex> lock(d.mutex);
        ++d.generation;
    }
    d.changed.notify_all();
}

void SetMessagePump(std::function<bool()> processOne)
{
    std::lock_guard<std::mutex> lock(D().mutex);
    D().pump = std::move(processOne);
}

bool ProcessMessage()
{
    if (!IsMainThread())
        return false;
    bool ran = ServePending();
    std::function<bool()> pump;
    {
        std::lock_guard<std::mutex> lock(D().mutex);
        pump = D().pump;
    }
    if (pump && pump())
        ran = true;
    return ran;
}

void ProcessPendingMessages()
{
    while (ProcessMessage()) {
    }
}

void PostQuit(int code)
{
    quitCode = code;
    quitRequested = true;
    NotifyWaiters();
    CallWakeHook();
}

bool QuitRequested(int* code)
{
    if (!quitRequested.load())
        return false;
    if (code)
        *code = quitCode.load();
    return true;
}

} // namespace MainThread
