#pragma once
// Turning a decoded picture into the engine's bitmap (TFFPicture: 32 bits per pixel, bytes blue,
// green, red, alpha), reusing the bitmap and the scaler between pictures.

#include "engine/FFPicture.h"

#include <cstdint>
#include <memory>

extern "C" {
#include <libavutil/pixfmt.h>
}

struct SwsContext;

// A scaler between two pictures of one size whose YUV sides are of a given range: full (luma 0
// to 255) or video's limited range (16 to 235). Kept while the same conversion is asked for.
struct TRangeScaler {
    SwsContext* Context = nullptr;
    int Width = 0, Height = 0;
    AVPixelFormat Source = AV_PIX_FMT_NONE, Target = AV_PIX_FMT_NONE;
    bool SourceFull = false, TargetFull = false;
};

// The scaler for that conversion, made again when it differs from the last one; nullptr when the
// library cannot make it.
SwsContext* GetRangeScaler(TRangeScaler& scaler, int width, int height, AVPixelFormat source, bool sourceFull,
                           AVPixelFormat target, bool targetFull);
void FreeRangeScaler(TRangeScaler& scaler);

struct TRGBConvertContext {
    // The library's pixel format of the bitmap's bytes.
    AVPixelFormat RGBPixFmt = AV_PIX_FMT_BGRA;
    // The bitmap the conversion writes into; made on first use.
    std::unique_ptr<TFFPicture> Bitmap;
    // The cached scaler from the last source format to RGBPixFmt.
    SwsContext* toRGB_convert_ctx = nullptr;
    // The cached scaler for the way back, for the pictures a custom hook painted on.
    SwsContext* fromRGB_convert_ctx = nullptr;
    // The scalers both ways for full-range YUV pictures.
    TRangeScaler FullRangeToRGB, FullRangeFromRGB;
};

// Frees the bitmap and both scalers and returns the context to its first state.
void FreeRGBContext(TRGBConvertContext& context);

// A new bitmap of the size, all bytes zero.
std::unique_ptr<TFFPicture> CreateBitmap(int width, int height);

// Converts the picture (planes and line sizes in the library's layout) of the given pixel format
// and size into the context's bitmap. A picture already in the bitmap's format is copied line by
// line; any other goes through the scaler. A YUV picture is of video's limited range unless
// fullRange. False when the scaler cannot convert it.
bool PictureToBitmap(TRGBConvertContext& context, const std::uint8_t* const data[4],
                     const int linesize[4], AVPixelFormat pixFmt, int width, int height, bool fullRange = false);
