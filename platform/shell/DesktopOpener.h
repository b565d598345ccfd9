#pragma once
// The desktop's opener program ("xdg-open", found on PATH) run for one target. Its output goes
// nowhere, and nothing waits for it on the calling thread: a thread of its own awaits its end.

#include <functional>
#include <string>

// Starts the opener for target; false when it cannot be started (none on PATH). When it ends
// without success (a non-zero exit status, or a signal), failed runs on the main thread.
bool StartDesktopOpener(const std::string& target, std::function<void()> failed);
