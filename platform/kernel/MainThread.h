#pragma once
// The main-thread dispatcher: other threads hand calls to the main (GUI) thread, which runs them
// in its message loop or while it waits. Calls run in the order they were queued.

#include "platform/kernel/Sync.h"

#include <functional>

namespace MainThread {

// Makes the calling thread the main thread. Until then the process's initial thread is main.
void SetMainThread();
bool IsMainThread();

// Queues a call for the main thread, from any thread; never blocks. An exception thrown by the
// call leaves the ServePending that ran it.
void Post(std::function<void()> call);

// On the main thread calls directly; elsewhere queues the call and blocks until the main thread
// has run it. An exception thrown by the call is rethrown here.
void InvokeAndWait(std::function<void()> call);

// Main thread: runs the calls queued before this call began (calls they queue wait for the next
// serve); returns whether any ran. Elsewhere runs nothing and returns false.
bool ServePending();

// Called after every Post and InvokeAndWait (and PostQuit), on the queuing thread, so that a GUI
// message loop blocked in its own wait wakes up and serves the dispatcher.
void SetWakeHook(std::function<void()> hook);

// Waits for the event, or until done() holds, for at most timeoutMs (INFINITE: no limit). On the
// main thread the wait keeps serving queued calls, so a worker that does InvokeAndWait while
// the main thread waits for that worker cannot deadlock. Elsewhere it is a plain wait. Returns
// false on time-out.
bool WaitServing(Event& event, DWORD timeoutMs);
bool WaitServing(const std::function<bool()>& done, DWORD timeoutMs);

// Wakes every WaitServing so it re-checks its condition. Event::Set calls it; code that changes
// what a done() predicate reads may call it to end the wait at once (otherwise the predicate is
// re-checked at least every few milliseconds).
void NotifyWaiters();

// The message pump seam. The GUI message queue installs processOne, which removes and dispatches
// one message and returns false when none is left; it must leave a quit request in its queue
// (and return false when only that remains), because the quit belongs to the real message loop.
void SetMessagePump(std::function<bool()> processOne);

// Main thread: serves the dispatcher, then lets the pump process one message. Returns whether
// anything ran. A quit request is never consumed here. Elsewhere does nothing, returns false.
bool ProcessMessage();
// ProcessMessage until nothing is left.
void ProcessPendingMessages();

// The quit request of the kernel-only case (no GUI queue): it stays pending once posted.
void PostQuit(int code);
bool QuitRequested(int* code);

} // namespace MainThread
