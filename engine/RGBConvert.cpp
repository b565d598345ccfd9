#include "engine/RGBConvert.h"

#include "engine/FFmpegEntries.h"

#include <cstring>
#include <utility>

namespace {

bool IsRGB(AVPixelFormat format)
{
    const AVPixFmtDescriptor* descriptor = ff::av_pix_fmt_desc_get(format);
    return descriptor && (descriptor->flags & AV_PIX_FMT_FLAG_RGB);
}

// The matrix whose coefficients the scaler uses for a tag.
AVColorSpace ScalerMatrix(AVColorSpace matrix)
{
    switch (matrix) {
    case AVCOL_SPC_BT709:
    case AVCOL_SPC_FCC:
    case AVCOL_SPC_SMPTE240M:
    case AVCOL_SPC_BT2020_NCL:
    case AVCOL_SPC_BT2020_CL: return matrix;
    default: return AVCOL_SPC_BT470BG;
    }
}

void CopyLines(std::uint8_t* target, int targetStride, const std::uint8_t* source, int sourceStride, int bytes,
               int lines)
{
    for (int y = 0; y < lines; ++y)
        std::memcpy(target + static_cast<ptrdiff_t>(y) * targetStride, source + static_cast<ptrdiff_t>(y) * sourceStride,
                    static_cast<size_t>(bytes));
}

// Makes the context's scratch lines for a bitmap of the size; their stride.
int ScratchLines(TRGBConvertContext& context, int width, int height)
{
    constexpr int kBlock = 64;
    const int stride = (width * 4 + kBlock - 1) / kBlock * kBlock;
    const size_t size = static_cast<size_t>(stride) * height + kBlock;
    if (context.Scratch.size() < size)
        context.Scratch.resize(size);
    return stride;
}

} // namespace

TYUVColours YUVColours(AVPixelFormat format, AVColorSpace matrix, AVColorRange range)
{
    const bool jpeg = format == AV_PIX_FMT_YUVJ420P || format == AV_PIX_FMT_YUVJ422P || format == AV_PIX_FMT_YUVJ444P ||
                      format == AV_PIX_FMT_YUVJ440P || format == AV_PIX_FMT_YUVJ411P;
    return TYUVColours{ScalerMatrix(matrix), jpeg || range == AVCOL_RANGE_JPEG};
}

TYUVColours FrameColours(const AVFrame* frame)
{
    return YUVColours(static_cast<AVPixelFormat>(frame->format), frame->colorspace, frame->color_range);
}

bool SetColourDetails(SwsContext* scaler, AVPixelFormat source, TYUVColours sourceColours, AVPixelFormat target,
                      TYUVColours targetColours)
{
    if (IsRGB(source))
        sourceColours = TYUVColours{targetColours.Matrix, true};
    if (IsRGB(target))
        targetColours = TYUVColours{sourceColours.Matrix, true};
    return ff::sws_setColorspaceDetails(scaler, ff::sws_getCoefficients(sourceColours.Matrix), sourceColours.FullRange,
                                        ff::sws_getCoefficients(targetColours.Matrix), targetColours.FullRange, 0,
                                        1 << 16, 1 << 16) >= 0;
}

TYUVColours ScaledColours(TYUVColours source, AVPixelFormat target)
{
    return TYUVColours{source.Matrix, YUVColours(target, AVCOL_SPC_UNSPECIFIED, AVCOL_RANGE_UNSPECIFIED).FullRange};
}

SwsContext* GetScaler(int sourceWidth, int sourceHeight, AVPixelFormat source, TYUVColours sourceColours,
                      int targetWidth, int targetHeight, AVPixelFormat target, int flags)
{
    SwsContext* scaler = ff::sws_getContext(sourceWidth, sourceHeight, source, targetWidth, targetHeight, target, flags,
                                            nullptr, nullptr, nullptr);
    if (scaler && !SetColourDetails(scaler, source, sourceColours, target, ScaledColours(sourceColours, target))) {
        ff::sws_freeContext(scaler);
        return nullptr;
    }
    return scaler;
}

void FreeRGBContext(TRGBConvertContext& context)
{
    context.Bitmap.reset();
    context.Scratch = {};
    FreeColourScaler(context.toRGB_convert_ctx);
    FreeColourScaler(context.fromRGB_convert_ctx);
    context.RGBPixFmt = AV_PIX_FMT_BGRA;
}

void FreeColourScaler(TColourScaler& scaler)
{
    if (scaler.Context)
        ff::sws_freeContext(scaler.Context);
    scaler = TColourScaler{};
}

SwsContext* GetColourScaler(TColourScaler& scaler, int width, int height, AVPixelFormat source,
                            TYUVColours sourceColours, AVPixelFormat target, TYUVColours targetColours)
{
    if (scaler.Context && scaler.Width == width && scaler.Height == height && scaler.Source == source &&
        scaler.Target == target && scaler.SourceColours == sourceColours && scaler.TargetColours == targetColours)
        return scaler.Context;
    FreeColourScaler(scaler);
    SwsContext* context = ff::sws_alloc_context();
    if (!context)
        return nullptr;
    // The ranges are set before the scaler starts: it picks its conversion by them.
    const std::pair<const char*, std::int64_t> options[] = {
        {"srcw", width},       {"srch", height},           {"src_format", source},
        {"dstw", width},       {"dsth", height},           {"dst_format", target},
        {"sws_flags", SWS_BICUBIC},
        {"src_range", IsRGB(source) || sourceColours.FullRange},
        {"dst_range", IsRGB(target) || targetColours.FullRange}};
    bool made = true;
    for (const auto& [name, value] : options)
        made = made && ff::av_opt_set_int(context, name, value, 0) >= 0;
    if (!made || ff::sws_init_context(context, nullptr, nullptr) < 0 ||
        !SetColourDetails(context, source, sourceColours, target, targetColours)) {
        ff::sws_freeContext(context);
        return nullptr;
    }
    scaler = TColourScaler{context, width, height, source, target, sourceColours, targetColours};
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
                     const int linesize[4], AVPixelFormat pixFmt, int width, int height, TYUVColours colours)
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
    if (pixFmt == context.RGBPixFmt) {
        CopyLines(bitmap.Pixels.data(), rowBytes, data[0], linesize[0], rowBytes, height);
        return true;
    }
    SwsContext* scaler =
        GetColourScaler(context.toRGB_convert_ctx, width, height, pixFmt, colours, context.RGBPixFmt, colours);
    if (!scaler)
        return false;
    const int stride = ScratchLines(context, width, height);
    std::uint8_t* const rows[4] = {context.Scratch.data(), nullptr, nullptr, nullptr};
    const int rowSizes[4] = {stride, 0, 0, 0};
    ff::sws_scale(scaler, data, linesize, 0, height, rows, rowSizes);
    CopyLines(bitmap.Pixels.data(), rowBytes, rows[0], stride, rowBytes, height);
    return true;
}

bool BitmapToPicture(TRGBConvertContext& context, std::uint8_t* const data[4], const int linesize[4],
                     AVPixelFormat pixFmt, int width, int height, TYUVColours colours)
{
    const TFFPicture* bitmap = context.Bitmap.get();
    if (!bitmap || bitmap->Width != width || bitmap->Height != height ||
        bitmap->Pixels.size() < static_cast<size_t>(width) * height * 4)
        return false;
    const int rowBytes = width * 4;
    if (pixFmt == context.RGBPixFmt) {
        CopyLines(data[0], linesize[0], bitmap->Pixels.data(), rowBytes, rowBytes, height);
        return true;
    }
    SwsContext* scaler =
        GetColourScaler(context.fromRGB_convert_ctx, width, height, context.RGBPixFmt, colours, pixFmt, colours);
    if (!scaler)
        return false;
    const int stride = ScratchLines(context, width, height);
    CopyLines(context.Scratch.data(), stride, bitmap->Pixels.data(), rowBytes, rowBytes, height);
    const std::uint8_t* const rows[4] = {context.Scratch.data(), nullptr, nullptr, nullptr};
    const int rowSizes[4] = {stride, 0, 0, 0};
    ff::sws_scale(scaler, rows, rowSizes, 0, height, data, linesize);
    return true;
}
