#pragma once
// Turning a decoded picture into the engine's bitmap (TFFPicture: 32 bits per pixel, bytes blue,
// green, red, alpha), reusing the bitmap and the scaler between pictures.

#include "engine/FFPicture.h"

#include <cstdint>
#include <memory>
#include <vector>

extern "C" {
#include <libavutil/pixfmt.h>
}

struct AVFrame;
struct SwsContext;

// How a picture's YUV values stand for colours: the matrix of its coefficients and whether its
// luma spans 0 to 255 (full range) or video's limited range (16 to 235). Matrices the scaler has
// no coefficients for, and untagged pictures, are BT.601, as the ffmpeg command reads them.
struct TYUVColours {
    AVColorSpace Matrix = AVCOL_SPC_BT470BG;
    bool FullRange = false;
    bool operator==(const TYUVColours&) const = default;
};

// The colours of a picture of that format as tagged: a JPEG format is of full range whatever its tag.
TYUVColours YUVColours(AVPixelFormat format, AVColorSpace matrix, AVColorRange range);

// The colours a decoded picture carries.
TYUVColours FrameColours(const AVFrame* frame);

// Tells a scaler made for those formats the matrix and range of both sides (an RGB side is of
// full range; its colours are the other side's). A YUV side of another matrix than the other YUV
// side is converted through RGB. False when the scaler refuses them.
bool SetColourDetails(SwsContext* scaler, AVPixelFormat source, TYUVColours sourceColours, AVPixelFormat target,
                      TYUVColours targetColours);

// A scaler between two pictures of one size and given colours. Kept while the same conversion is
// asked for.
struct TColourScaler {
    SwsContext* Context = nullptr;
    int Width = 0, Height = 0;
    AVPixelFormat Source = AV_PIX_FMT_NONE, Target = AV_PIX_FMT_NONE;
    TYUVColours SourceColours, TargetColours;
};

// The scaler for that conversion, made again when it differs from the last one; nullptr when the
// library cannot make it.
SwsContext* GetColourScaler(TColourScaler& scaler, int width, int height, AVPixelFormat source,
                            TYUVColours sourceColours, AVPixelFormat target, TYUVColours targetColours);
void FreeColourScaler(TColourScaler& scaler);

// The colours a picture of the given colours has once scaled into the target format: the same
// matrix, and the range of the target format (full for JPEG formats, else video's limited range).
TYUVColours ScaledColours(TYUVColours source, AVPixelFormat target);

// sws_getContext for a source of the given colours, scaled into ScaledColours; nullptr when the
// library cannot make it.
SwsContext* GetScaler(int sourceWidth, int sourceHeight, AVPixelFormat source, TYUVColours sourceColours,
                      int targetWidth, int targetHeight, AVPixelFormat target, int flags);

struct TRGBConvertContext {
    // The library's pixel format of the bitmap's bytes.
    AVPixelFormat RGBPixFmt = AV_PIX_FMT_BGRA;
    // The bitmap the conversion writes into; made on first use.
    std::unique_ptr<TFFPicture> Bitmap;
    // The cached scaler from the last source format and colours to RGBPixFmt.
    TColourScaler toRGB_convert_ctx;
    // The cached scaler for the way back, for the pictures a custom hook painted on.
    TColourScaler fromRGB_convert_ctx;
    // The bitmap's lines as the scaler reads and writes them: whole blocks of pixels per line
    // and room behind the last, which the scaler's wide steps pass beyond a line's end.
    std::vector<std::uint8_t> Scratch;
};

// Frees the bitmap and both scalers and returns the context to its first state.
void FreeRGBContext(TRGBConvertContext& context);

// A new bitmap of the size, all bytes zero.
std::unique_ptr<TFFPicture> CreateBitmap(int width, int height);

// Converts the picture (planes and line sizes in the library's layout) of the given pixel format
// and size into the context's bitmap. A picture already in the bitmap's format is copied line by
// line; any other goes through the scaler with the picture's colours. False when the scaler
// cannot convert it.
bool PictureToBitmap(TRGBConvertContext& context, const std::uint8_t* const data[4],
                     const int linesize[4], AVPixelFormat pixFmt, int width, int height,
                     TYUVColours colours = {});

// The way back: writes the context's bitmap (of the picture's size) into the picture of the given
// format and colours. False when the scaler cannot convert it.
bool BitmapToPicture(TRGBConvertContext& context, std::uint8_t* const data[4], const int linesize[4],
                     AVPixelFormat pixFmt, int width, int height, TYUVColours colours = {});
