#include "engine/RGBConvert.h"

#include "engine/FFmpegEntries.h"

#include <cstring>

void FreeRGBContext(TRGBConvertContext& context)
{
    context.Bitmap.reset();
    for (SwsContext** scaler : {&context.toRGB_convert_ctx, &context.fromRGB_convert_ctx}) {
        if (*scaler)
            ff::sws_freeContext(*scaler);
        *scaler = nullptr;
    }
    context.RGBPixFmt = AV_PIX_FMT_BGRA;
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
                     const int linesize[4], AVPixelFormat pixFmt, int width, int height)
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
    context.toRGB_convert_ctx =
        ff::sws_getCachedContext(context.toRGB_convert_ctx, width, height, pixFmt, width, height,
                                 context.RGBPixFmt, SWS_BICUBIC, nullptr, nullptr, nullptr);
    if (!context.toRGB_convert_ctx)
        return false;
    ff::sws_scale(context.toRGB_convert_ctx, data, linesize, 0, height, rows, rowSizes);
    return true;
}
