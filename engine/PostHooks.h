#pragma once
// What a conversion does with each picture it has encoded: show it in a preview window, and
// hand it to the application as a bitmap.

#include "engine/RGBConvert.h"

#include <cstdint>
#include <functional>
#include <memory>

extern "C" {
#include <libavutil/rational.h>
}

enum TPostHook : unsigned {
    phPreview = 1u << 0,
    phBitmap = 1u << 1,
    phHBITMAP = 1u << 2,
};
// A set of TPostHook bits.
using TPostHooks = unsigned;

// The window that shows a conversion's pictures while it runs; the GUI side provides it.
class TPreviewer {
public:
    virtual ~TPreviewer() = default;
    // Shows the picture with its number and time (microseconds) in the shape its sample aspect
    // ratio gives it (0/1: square pixels); false once the window has been closed, which ends the
    // preview of the run.
    virtual bool PaintFrame(const TFFPicture& bitmap, int frameNumber, std::int64_t pts, AVRational sampleAspect) = 0;
};

// Makes the preview window of a run on its first previewed picture; installed by the side that
// can show windows. Without one (or when it makes none) the run stops previewing.
using TPreviewerFactory = std::function<std::unique_ptr<TPreviewer>()>;
void SetPreviewerFactory(TPreviewerFactory factory);
std::unique_ptr<TPreviewer> CreatePreviewer();

struct TPostHookContext {
    TRGBConvertContext Context;
    std::unique_ptr<TPreviewer> Previewer;
    std::int64_t preview_last_time = 0;
    std::int64_t preview_cur_time = 0;
};
