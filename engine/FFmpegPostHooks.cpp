#include "engine/FFmpeg.h"

#include <mutex>

void TCustomFFmpeg::SetPostHooks(TPostHooks hooks)
{
    if (hooks == FPostHooks)
        return;
    if (!(hooks & phPreview))
        FPostContext.Previewer.reset();
    FPostHooks = hooks;
}

void TCustomFFmpeg::SetPostHooksLocked(TPostHooks hooks)
{
    // A run holds the unit lock while it hands a picture to the main thread and waits for it;
    // so the change never waits for the lock. When the lock is busy the run takes the change
    // over at its next post-hook pass (or at its end).
    std::unique_lock<CriticalSection> lock(ConverterUnitLock(), std::try_to_lock);
    if (lock.owns_lock() || !FConverting) {
        FPostHooksRequested = false;
        SetPostHooks(hooks);
        return;
    }
    FRequestedPostHooks = hooks;
    FPostHooksRequested = true;
}

TPostHooks TCustomFFmpeg::PostHooks() const
{
    return FPostHooksRequested ? FRequestedPostHooks.load() : FPostHooks.load();
}

void TCustomFFmpeg::TakeRequestedPostHooks()
{
    if (FPostHooksRequested.exchange(false))
        SetPostHooks(FRequestedPostHooks.load());
}
