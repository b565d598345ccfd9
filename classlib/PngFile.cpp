#include "classlib/PngFile.h"

#include "classlib/ImageLimits.h"
#include "classlib/Streams.h"

#include <png.h>

#include <csetjmp>
#include <algorithm>
#include <cstring>
#include <memory>

// libpng reports errors by longjmp. The functions that call into libpng after setjmp hold no
// objects with destructors, so the jump skips nothing that needs cleaning up; C++ exceptions
// never pass through libpng's frames (the I/O callbacks catch them).

namespace {

struct PngIo {
    TStream* stream;
    char error[200];
    std::int64_t bytesLeft;  // what the file holds after its signature, -1 when unknown
};

// Deflate never packs more than 1032 bytes into one, so a file of n bytes holds at most
// 1032 * n bytes of rows; the pixels those rows carry at the file's own depth are the bound.
std::int64_t plausiblePixels(std::int64_t bytesLeft, int depth, int colorType)
{
    if (bytesLeft < 0)
        return -1;
    const int channels = colorType == PNG_COLOR_TYPE_RGB         ? 3
                         : colorType == PNG_COLOR_TYPE_RGB_ALPHA  ? 4
                         : colorType == PNG_COLOR_TYPE_GRAY_ALPHA ? 2
                                                                  : 1;
    return bytesLeft * 1032 * 8 / (channels * depth);
}

// Checks the declared size before libpng allocates its rows and before we allocate ours.
void checkSize(png_structp png, png_uint_32 w, png_uint_32 h, int depth, int colorType)
{
    auto* io = static_cast<PngIo*>(png_get_io_ptr(png));
    char why[200] = {};
    try {
        CheckImageSize(w, h, plausiblePixels(io->bytesLeft, depth, colorType));
    } catch (const std::exception& e) {
        std::strncpy(why, e.what(), sizeof why - 1);
    }
    if (why[0])
        png_error(png, why);
}

void onError(png_structp png, png_const_charp message)
{
    auto* io = static_cast<PngIo*>(png_get_error_ptr(png));
    std::strncpy(io->error, message ? message : "error", sizeof io->error - 1);
    io->error[sizeof io->error - 1] = '\0';
    std::longjmp(png_jmpbuf(png), 1);
}

void onWarning(png_structp, png_const_charp) {}

void readData(png_structp png, png_bytep data, png_size_t length)
{
    auto* io = static_cast<PngIo*>(png_get_io_ptr(png));
    std::int64_t n = -1;
    try {
        n = io->stream->Read(data, static_cast<std::int64_t>(length));
    } catch (...) {
    }
    if (n != static_cast<std::int64_t>(length))
        png_error(png, "the image is truncated");
}

void writeData(png_structp png, png_bytep data, png_size_t length)
{
    auto* io = static_cast<PngIo*>(png_get_io_ptr(png));
    std::int64_t n = -1;
    try {
        n = io->stream->Write(data, static_cast<std::int64_t>(length));
    } catch (...) {
    }
    if (n != static_cast<std::int64_t>(length))
        png_error(png, "Stream write error");
}

void flushData(png_structp) {}

// The image's size is known once the header is read; the caller allocates between the steps.
void readHeader(png_structp png, png_infop info, TDibData& img, TPngFileInfo& fileInfo)
{
    png_set_user_limits(png, kMaxImageSide, kMaxImageSide);
    png_set_chunk_malloc_max(png, 8u << 20);  // text and profile chunks
    png_read_info(png, info);
    png_uint_32 w = 0, h = 0;
    int depth = 0, colorType = 0, interlace = 0;
    png_get_IHDR(png, info, &w, &h, &depth, &colorType, &interlace, nullptr, nullptr);
    checkSize(png, w, h, depth, colorType);
    fileInfo.ColorType = colorType;
    png_color_16p transColor = nullptr;
    if ((colorType == PNG_COLOR_TYPE_GRAY || colorType == PNG_COLOR_TYPE_RGB) &&
        png_get_tRNS(png, info, nullptr, nullptr, &transColor) && transColor) {
        // Scale the stored sample to 8 bits, as the pixels are read.
        auto to8 = [depth](png_uint_16 v) -> std::uint32_t {
            return depth == 16 ? v >> 8 : depth == 8 ? v : (v * 255u) / ((1u << depth) - 1u);
        };
        fileInfo.BitTransparency = true;
        fileInfo.TransparentRGB = colorType == PNG_COLOR_TYPE_GRAY
                                      ? to8(transColor->gray) * 0x010101u
                                      : (to8(transColor->red) << 16) | (to8(transColor->green) << 8) | to8(transColor->blue);
    }
    img.HasAlpha = (colorType & PNG_COLOR_MASK_ALPHA) != 0 || png_get_valid(png, info, PNG_INFO_tRNS);
    png_set_expand(png);
    png_set_strip_16(png);
    png_set_gray_to_rgb(png);
    png_set_bgr(png);
    if (!(colorType & PNG_COLOR_MASK_ALPHA) && !png_get_valid(png, info, PNG_INFO_tRNS))
        png_set_filler(png, 0xFF, PNG_FILLER_AFTER);
    png_set_interlace_handling(png);
    png_read_update_info(png, info);
    if (png_get_rowbytes(png, info) != static_cast<png_size_t>(w) * 4)
        png_error(png, "unexpected row layout");
    img.Width = static_cast<int>(w);
    img.Height = static_cast<int>(h);
    img.BitsPerPixel = 32;
}

void readRows(png_structp png, png_infop info, TDibData& img)
{
    int passes = png_set_interlace_handling(png);
    for (int pass = 0; pass < passes; ++pass)
        for (int y = 0; y < img.Height; ++y)
            png_read_row(png, img.Row(y), nullptr);
    png_read_end(png, info);
}

void writeImage(png_structp png, png_infop info, const TDibData& img, const png_color* palette, int paletteCount,
                const png_byte* trans, int transCount)
{
    int colorType;
    int depth = 8;
    if (img.BitsPerPixel <= 8) {
        colorType = PNG_COLOR_TYPE_PALETTE;
        depth = img.BitsPerPixel;
    } else if (img.BitsPerPixel == 32 && img.HasAlpha) {
        colorType = PNG_COLOR_TYPE_RGB_ALPHA;
    } else {
        colorType = PNG_COLOR_TYPE_RGB;
    }
    png_set_IHDR(png, info, static_cast<png_uint_32>(img.Width), static_cast<png_uint_32>(img.Height), depth,
                 colorType, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    if (colorType == PNG_COLOR_TYPE_PALETTE) {
        png_set_PLTE(png, info, palette, paletteCount);
        if (transCount > 0)
            png_set_tRNS(png, info, trans, transCount, nullptr);
    }
    png_write_info(png, info);
    if (colorType != PNG_COLOR_TYPE_PALETTE)
        png_set_bgr(png);
    if (img.BitsPerPixel == 32 && colorType == PNG_COLOR_TYPE_RGB)
        png_set_filler(png, 0, PNG_FILLER_AFTER);
    for (int y = 0; y < img.Height; ++y)
        png_write_row(png, img.Row(y));
    png_write_end(png, info);
}

} // namespace

TDibData ReadPng(TStream* Stream, TPngFileInfo* Info)
{
    // Held through pointers that stay unchanged after setjmp, so their values survive a jump.
    const auto img = std::make_unique<TDibData>();
    const auto ioHolder = std::make_unique<PngIo>(PngIo{Stream, {}, StreamBytesLeft(Stream)});
    const auto fileInfo = std::make_unique<TPngFileInfo>();
    PngIo& io = *ioHolder;
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, &io, onError, onWarning);
    if (!png)
        throw EInvalidGraphic("PNG reader could not be created");
    png_infop info = png_create_info_struct(png);
    if (!info) {
        png_destroy_read_struct(&png, nullptr, nullptr);
        throw EInvalidGraphic("PNG reader could not be created");
    }
    png_set_read_fn(png, &io, readData);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_read_struct(&png, &info, nullptr);
        throw EInvalidGraphic(std::string("PNG image is not valid: ") + io.error);
    }
    readHeader(png, info, *img, *fileInfo);
    try {
        img->Allocate();
    } catch (...) {
        png_destroy_read_struct(&png, &info, nullptr);
        throw;
    }
    readRows(png, info, *img);
    png_destroy_read_struct(&png, &info, nullptr);
    if (Info)
        *Info = *fileInfo;
    return std::move(*img);
}

void WritePng(TStream* Stream, const TDibData& Image)
{
    if (Image.BitsPerPixel != 1 && Image.BitsPerPixel != 4 && Image.BitsPerPixel != 8 &&
        Image.BitsPerPixel != 24 && Image.BitsPerPixel != 32)
        throw EInvalidGraphic("Unsupported pixel format");
    if (Image.Width <= 0 || Image.Height <= 0)
        throw EInvalidGraphic("Cannot write an empty image");
    // Palette and transparency tables are prepared before libpng can jump.
    png_color palette[256] = {};
    png_byte trans[256];
    int paletteCount = 0, transCount = 0;
    if (Image.BitsPerPixel <= 8) {
        paletteCount = std::min<int>(static_cast<int>(Image.Palette.size()), 1 << Image.BitsPerPixel);
        for (int i = 0; i < paletteCount; ++i)
            palette[i] = png_color{Image.Palette[static_cast<std::size_t>(i)].Red,
                                   Image.Palette[static_cast<std::size_t>(i)].Green,
                                   Image.Palette[static_cast<std::size_t>(i)].Blue};
        if (paletteCount == 0) {
            paletteCount = 1 << Image.BitsPerPixel;  // no palette: grey levels
            for (int i = 0; i < paletteCount; ++i) {
                auto g = static_cast<png_byte>(i * 255 / (paletteCount - 1));
                palette[i] = png_color{g, g, g};
            }
        }
        if (Image.TransparentIndex >= 0 && Image.TransparentIndex < paletteCount) {
            transCount = Image.TransparentIndex + 1;
            std::memset(trans, 0xFF, sizeof trans);
            trans[Image.TransparentIndex] = 0;
        }
    }
    const auto ioHolder = std::make_unique<PngIo>(PngIo{Stream, {}, -1});
    PngIo& io = *ioHolder;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, &io, onError, onWarning);
    if (!png)
        throw EInvalidGraphic("PNG writer could not be created");
    png_infop info = png_create_info_struct(png);
    if (!info) {
        png_destroy_write_struct(&png, nullptr);
        throw EInvalidGraphic("PNG writer could not be created");
    }
    png_set_write_fn(png, &io, writeData, flushData);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        throw EInvalidGraphic(std::string("PNG image could not be written: ") + io.error);
    }
    writeImage(png, info, Image, palette, paletteCount, trans, transCount);
    png_destroy_write_struct(&png, &info);
}
