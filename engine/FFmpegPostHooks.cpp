#include "engine/FFmpeg.h"

#include "engine/FFmpegEntries.h"
#include "engine/FFmpegLogger.h"
#include "platform/kernel/Clock.h"

#include <mutex>

namespace {

std::mutex factoryLock;
TPreviewerFactory& Factory()
{
    static TPreviewerFactory factory;
    return factory;
}

} // namespace

void SetPreviewerFactory(TPreviewerFactory factory)
{
    std::lock_guard<std::mutex> guard(factoryLock);
    Factory() = std::move(factory);
}

std::unique_ptr<TPreviewer> CreatePreviewer()
{
    TPreviewerFactory factory;
    {
        std::lock_guard<std::mutex> guard(factoryLock);
        factory = Factory();
    }
    return factory ? factory() : nullptr;
}

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

void TCustomFFmpeg::RunPostHooks(const AVFrame* picture, std::int64_t pts, AVRational sampleAspect)
{
    bool failed = false;
    {
        std::lock_guard<CriticalSection> guard(ConverterUnitLock());
        TakeRequestedPostHooks();
        TPostHooks hooks = FPostHooks;
        const bool bitmap = (hooks & phBitmap) && FOnPreviewBitmap;
        if (bitmap || (hooks & phPreview)) {
            const std::int64_t now = static_cast<std::int64_t>(GetTickCount64()) * 1000;
            if (now - FPostContext.preview_last_time > PreviewInterval) {
                TRGBConvertContext& context = FPostContext.Context;
                const bool converted = PictureToBitmap(context, picture->data, picture->linesize,
                                                       static_cast<AVPixelFormat>(picture->format),
                                                       picture->width, picture->height, FrameColours(picture));
                if (!converted) {
                    failed = true;
                    hooks &= bitmap ? ~phBitmap : ~phPreview;
                } else if (bitmap) {
                    FOnPreviewBitmap(this, context.Bitmap.get(), FHookFrameNumber, pts);
                } else {
                    if (!FPostContext.Previewer)
                        FPostContext.Previewer = CreatePreviewer();
                    if (!FPostContext.Previewer
                        || !FPostContext.Previewer->PaintFrame(*context.Bitmap, FHookFrameNumber, pts, sampleAspect))
                        hooks &= ~phPreview;
                }
                FPostContext.preview_last_time = now;
            }
        }
        SetPostHooks(hooks);
    }
    // Logged outside the unit lock: the log may wait for the main thread.
    if (failed)
        LogError("Cannot initialize the toRGB conversion context");
}
