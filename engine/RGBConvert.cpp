#include "engine/RGBConvert.h"

#include "engine/FFmpegEntries.h"

#include <cstring>
#include <utility>

void FreeRGBContext(TRGBConvertContext& context)
{
    context.Bitmap.reset();
    for (SwsContext** scaler : {&context.toRGB_convert_ctx, &context.fromRGB_convert_ctx}) {
        if (*scaler)
            ff::sws_freeContext(*scaler);
        *scaler = nullptr;
    }
    FreeRangeScaler(context.FullRangeToRGB);
    FreeRangeScaler(context.FullRangeFromRGB);
    context.RGBPixFmt = AV_PIX_FMT_BGRA;
}

void FreeRangeScaler(TRangeScaler& scaler)
{
    if (scaler.Context)
        ff::sws_freeContext(scaler.Context);
    scaler = TRangeScaler{};
}

SwsContext* GetRangeScaler(TRangeScaler& scaler, int width, int height, AVPixelFormat source, bool sourceFull,
                           AVPixelFormat target, bool targetFull)
{
    if (scaler.Context && scaler.Width == width && scaler.Height == height && scaler.Source == source &&
        scaler.Target == target && scaler.SourceFull == sourceFull && scaler.TargetFull == targetFull)
        return scaler.Context;
    FreeRangeScaler(scaler);
    SwsContext* context = ff::sws_alloc_context();
    if (!context)
        return nullptr;
    // The ranges are set before the scaler starts: it picks its conversion by them.
    const std::pair<const char*, std::int64_t> options[] = {
        {"srcw", width},       {"srch", height},           {"src_format", source},       {"dstw", width},
        {"dsth", height},      {"dst_format", target},     {"sws_flags", SWS_BICUBIC},   {"src_range", sourceFull},
        {"dst_range", targetFull}};
    for (const auto& [name, value] : options) {
        if (ff::av_opt_set_int(context, name, value, 0) < 0) {
            ff::sws_freeContext(context);
            return nullptr;
        }
    }
    if (ff::sws_init_context(context, nullptr, nullptr) < 0) {
        ff::sws_freeContext(context);
        return nullptr;
    }
    scaler = TRangeScaler{context, width, height, source, target, sourceFull, targetFull};
    return context;
}

std::unique_ptr<TFFPicture> CreateBitmap(int width, int height)
{
    auto bitmap = std::make_unique<TFFPicture>();
    bitmap->Width = width;
    bitmap->Height = height;
    bitmap->Pixels.assign(static_cast<size_t>(width) * height * 4, 0);
    return bitmap;
}

bool PictureToBitmap(TRGBConvertContext& context, const std::uint8_t* const data[4],
                     const int linesize[4], AVPixelFormat pixFmt, int width, int height, bool fullRange)
{
    if (width <= 0 || height <= 0)
        return false;
    if (!context.Bitmap)
        context.Bitmap = CreateBitmap(width, height);
    TFFPicture& bitmap = *context.Bitmap;
    if (bitmap.Width != width || bitmap.Height != height) {
        bitmap.Width = width;
        bitmap.Height = height;
        bitmap.Pixels.resize(static_cast<size_t>(width) * height * 4);
    }
    const int rowBytes = width * 4;
    std::uint8_t* const rows[4] = {bitmap.Pixels.data(), nullptr, nullptr, nullptr};
    const int rowSizes[4] = {rowBytes, 0, 0, 0};

    if (pixFmt == context.RGBPixFmt) {
        for (int y = 0; y < height; ++y)
            std::memcpy(rows[0] + static_cast<size_t>(y) * rowBytes, data[0] + static_cast<ptrdiff_t>(y) * linesize[0],
                        rowBytes);
        return true;
    }
    SwsContext* scaler = nullptr;
    if (fullRange) {
        scaler = GetRangeScaler(context.FullRangeToRGB, width, height, pixFmt, true, context.RGBPixFmt, true);
    } else {
        context.toRGB_convert_ctx =
            ff::sws_getCachedContext(context.toRGB_convert_ctx, width, height, pixFmt, width, height,
                                     context.RGBPixFmt, SWS_BICUBIC, nullptr, nullptr, nullptr);
        scaler = context.toRGB_convert_ctx;
    }
    if (!scaler)
        return false;
    ff::sws_scale(scaler, data, linesize, 0, height, rows, rowSizes);
    return true;
}
