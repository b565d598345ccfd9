#include "platform/kernel/Thread.h"

#include "platform/kernel/Exceptions.h"

#include <future>
#include <sched.h>
#include <sys/resource.h>
#include <unistd.h>

ThreadId GetCurrentThreadId()
{
    thread_local const ThreadId id = static_cast<ThreadId>(::gettid());
    return id;
}

void SetThreadPriority(ThreadPriority priority)
{
    sched_param param{};
    const int policy = priority == ThreadPriority::Idle ? SCHED_IDLE : SCHED_OTHER;
    sched_setscheduler(0, policy, &param);  // 0: the calling thread

    int nice = 0;
    switch (priority) {
    case ThreadPriority::Idle:
    case ThreadPriority::Lowest: nice = 10; break;
    case ThreadPriority::Lower: nice = 5; break;
    case ThreadPriority::Normal: nice = 0; break;
    case ThreadPriority::Higher: nice = -5; break;
    case ThreadPriority::Highest: nice = -10; break;
    case ThreadPriority::TimeCritical: nice = -15; break;
    }
    // On Linux the nice value of PRIO_PROCESS with a thread id belongs to that thread alone.
    setpriority(PRIO_PROCESS, static_cast<id_t>(GetCurrentThreadId()), nice);
}

Thread::~Thread()
{
    if (thread_.joinable())
        thread_.join();
}

void Thread::Start(std::function<void()> function, ThreadPriority priority)
{
    ZD_ASSERT(!thread_.joinable(), "Thread already running");
    error_ = nullptr;
    std::promise<ThreadId> started;
    std::future<ThreadId> startedId = started.get_future();
    thread_ = std::thread([this, function = std::move(function), priority, &started]() {
        SetThreadPriority(priority);
        started.set_value(GetCurrentThreadId());
        try {
            function();
        } catch (...) {
            error_ = std::current_exception();
        }
    });
    id_ = startedId.get();
}

void Thread::Join()
{
    if (thread_.joinable())
        thread_.join();
    if (error_) {
        std::exception_ptr error = error_;
        error_ = nullptr;
        std::rethrow_exception(error);
    }
}
