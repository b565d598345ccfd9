#include "classlib/JpegFile.h"

#include "classlib/ImageLimits.h"
#include "classlib/Streams.h"

#include <cstdio>  // jpeglib.h needs FILE

#include <jpeglib.h>
#include <jerror.h>

#include <algorithm>
#include <array>
#include <csetjmp>
#include <cstring>
#include <memory>

// libjpeg reports errors through error_exit, which jumps back here. The functions that call
// libjpeg after setjmp hold no objects with destructors, and C++ exceptions never pass through
// libjpeg's frames (the stream callbacks catch them).

namespace {

constexpr std::size_t kBufferSize = 4096;

struct ErrorManager {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

void onErrorExit(j_common_ptr cinfo)
{
    auto* err = reinterpret_cast<ErrorManager*>(cinfo->err);
    (*cinfo->err->format_message)(cinfo, err->message);
    std::longjmp(err->jump, 1);
}

void onOutputMessage(j_common_ptr) {}

// Warnings that mean the decoder made up pixels for data the file lacks (a scan cut short by
// a marker or the end of the file) refuse the picture, as a truncated file is refused.
void onEmitMessage(j_common_ptr cinfo, int level)
{
    if (level < 0) {
        const int code = cinfo->err->msg_code;
        if (code == JWRN_HIT_MARKER || code == JWRN_JPEG_EOF || code == JWRN_MUST_RESYNC)
            (*cinfo->err->error_exit)(cinfo);
    }
}

// Each scan of a progressive picture passes over all its coefficients: a file of thousands of
// tiny scans would keep the decoder busy for minutes.
constexpr int kMaxScans = 500;

struct ScanLimit {
    jpeg_progress_mgr pub;
    char* why;  // where the refusal is told
    std::size_t whySize;
};

void onProgress(j_common_ptr cinfo)
{
    if (cinfo->is_decompressor) {
        auto* d = reinterpret_cast<j_decompress_ptr>(cinfo);
        if (d->input_scan_number > kMaxScans) {
            auto* limit = reinterpret_cast<ScanLimit*>(cinfo->progress);
            std::snprintf(limit->why, limit->whySize, "The image has more than %d scans", kMaxScans);
            (*cinfo->err->error_exit)(cinfo);
        }
    }
}

// Huffman coding spends at least one bit on every block of every component, so a file of n
// bytes holds at most 8 * n blocks (arithmetic coding has no such floor).
std::int64_t plausiblePixels(const jpeg_decompress_struct* cinfo, std::int64_t bytesLeft)
{
    if (bytesLeft < 0 || cinfo->arith_code)
        return -1;
    std::int64_t blocks = 0;
    for (int c = 0; c < cinfo->num_components; ++c)
        blocks += static_cast<std::int64_t>(cinfo->comp_info[c].width_in_blocks) * cinfo->comp_info[c].height_in_blocks;
    if (blocks > bytesLeft * 8)
        return 0;
    return std::int64_t{cinfo->image_width} * cinfo->image_height;
}

struct StreamSource {
    jpeg_source_mgr pub;
    TStream* stream;
    JOCTET buffer[kBufferSize];
};

void initSource(j_decompress_ptr) {}

boolean fillInputBuffer(j_decompress_ptr cinfo)
{
    auto* src = reinterpret_cast<StreamSource*>(cinfo->src);
    std::int64_t n = 0;
    try {
        n = src->stream->Read(src->buffer, kBufferSize);
    } catch (...) {
        n = 0;
    }
    if (n <= 0)
        ERREXIT(cinfo, JERR_INPUT_EOF);  // a truncated file is an error, not a grey tail
    src->pub.next_input_byte = src->buffer;
    src->pub.bytes_in_buffer = static_cast<std::size_t>(n);
    return TRUE;
}

void skipInputData(j_decompress_ptr cinfo, long count)
{
    auto* src = reinterpret_cast<StreamSource*>(cinfo->src);
    while (count > static_cast<long>(src->pub.bytes_in_buffer)) {
        count -= static_cast<long>(src->pub.bytes_in_buffer);
        fillInputBuffer(cinfo);
    }
    if (count > 0) {
        src->pub.next_input_byte += count;
        src->pub.bytes_in_buffer -= static_cast<std::size_t>(count);
    }
}

// Hands back what was read ahead, so a picture inside a larger stream leaves it just after its end.
void termSource(j_decompress_ptr cinfo)
{
    auto* src = reinterpret_cast<StreamSource*>(cinfo->src);
    if (src->pub.bytes_in_buffer > 0) {
        try {
            src->stream->Seek(-static_cast<std::int64_t>(src->pub.bytes_in_buffer), TSeekOrigin::soCurrent);
        } catch (...) {
        }
    }
}

struct StreamDest {
    jpeg_destination_mgr pub;
    TStream* stream;
    JOCTET buffer[kBufferSize];
};

void initDestination(j_compress_ptr cinfo)
{
    auto* dst = reinterpret_cast<StreamDest*>(cinfo->dest);
    dst->pub.next_output_byte = dst->buffer;
    dst->pub.free_in_buffer = kBufferSize;
}

bool writeOut(StreamDest* dst, std::size_t count)
{
    try {
        return dst->stream->Write(dst->buffer, static_cast<std::int64_t>(count)) == static_cast<std::int64_t>(count);
    } catch (...) {
        return false;
    }
}

boolean emptyOutputBuffer(j_compress_ptr cinfo)
{
    auto* dst = reinterpret_cast<StreamDest*>(cinfo->dest);
    if (!writeOut(dst, kBufferSize))
        ERREXIT(cinfo, JERR_FILE_WRITE);
    dst->pub.next_output_byte = dst->buffer;
    dst->pub.free_in_buffer = kBufferSize;
    return TRUE;
}

void termDestination(j_compress_ptr cinfo)
{
    auto* dst = reinterpret_cast<StreamDest*>(cinfo->dest);
    std::size_t count = kBufferSize - dst->pub.free_in_buffer;
    if (count > 0 && !writeOut(dst, count))
        ERREXIT(cinfo, JERR_FILE_WRITE);
}

// Checks the declared size before libjpeg allocates its buffers and before we allocate ours.
void checkSize(jpeg_decompress_struct* cinfo, std::int64_t bytesLeft, char* why, std::size_t whySize)
{
    try {
        CheckImageSize(cinfo->image_width, cinfo->image_height, plausiblePixels(cinfo, bytesLeft));
    } catch (const std::exception& e) {
        std::strncpy(why, e.what(), whySize - 1);
    }
}

void startDecode(jpeg_decompress_struct* cinfo, TDibData& img, std::int64_t bytesLeft, char* why, std::size_t whySize)
{
    jpeg_read_header(cinfo, TRUE);
    if (cinfo->jpeg_color_space == JCS_CMYK || cinfo->jpeg_color_space == JCS_YCCK)
        ERREXIT(cinfo, JERR_CONVERSION_NOTIMPL);
    cinfo->out_color_space = JCS_RGB;
    checkSize(cinfo, bytesLeft, why, whySize);
    if (why[0])
        ERREXIT(cinfo, JERR_IMAGE_TOO_BIG);
    // A progressive picture keeps all its coefficients (two bytes each) in one buffer.
    cinfo->mem->max_memory_to_use = static_cast<long>(kMaxImagePixels * 2 * 3 + (16 << 20));
    jpeg_start_decompress(cinfo);
    img.Width = static_cast<int>(cinfo->output_width);
    img.Height = static_cast<int>(cinfo->output_height);
    img.BitsPerPixel = 24;
}

void decodeRows(jpeg_decompress_struct* cinfo, TDibData& img)
{
    while (cinfo->output_scanline < cinfo->output_height) {
        JSAMPROW row = img.Row(static_cast<int>(cinfo->output_scanline));
        jpeg_read_scanlines(cinfo, &row, 1);
        for (int x = 0; x < img.Width; ++x)
            std::swap(row[x * 3], row[x * 3 + 2]);  // RGB to the bitmap's BGR
    }
    jpeg_finish_decompress(cinfo);
}

void encode(jpeg_compress_struct* cinfo, const TDibData& img, int quality, bool grayscale, JSAMPLE* line)
{
    cinfo->image_width = static_cast<JDIMENSION>(img.Width);
    cinfo->image_height = static_cast<JDIMENSION>(img.Height);
    cinfo->input_components = 3;
    cinfo->in_color_space = JCS_RGB;
    jpeg_set_defaults(cinfo);
    if (grayscale)
        jpeg_set_colorspace(cinfo, JCS_GRAYSCALE);
    jpeg_set_quality(cinfo, quality, TRUE);  // baseline tables
    jpeg_start_compress(cinfo, TRUE);
    while (cinfo->next_scanline < cinfo->image_height) {
        int y = static_cast<int>(cinfo->next_scanline);
        for (int x = 0; x < img.Width; ++x) {
            std::uint32_t c = img.PixelARGB(x, y);
            line[x * 3 + 0] = static_cast<JSAMPLE>(c >> 16);
            line[x * 3 + 1] = static_cast<JSAMPLE>(c >> 8);
            line[x * 3 + 2] = static_cast<JSAMPLE>(c);
        }
        JSAMPROW row = line;
        jpeg_write_scanlines(cinfo, &row, 1);
    }
    jpeg_finish_compress(cinfo);
}

} // namespace

TDibData ReadJpeg(TStream* Stream)
{
    // Held through pointers that stay unchanged after setjmp, so their values survive a jump.
    const auto img = std::make_unique<TDibData>();
    const auto err = std::make_unique<ErrorManager>();
    const auto cinfo = std::make_unique<jpeg_decompress_struct>();
    const auto src = std::make_unique<StreamSource>();
    const auto scans = std::make_unique<ScanLimit>();
    const auto why = std::make_unique<std::array<char, JMSG_LENGTH_MAX>>();
    const std::int64_t bytesLeft = StreamBytesLeft(Stream);
    cinfo->err = jpeg_std_error(&err->pub);
    err->pub.error_exit = onErrorExit;
    err->pub.output_message = onOutputMessage;
    err->pub.emit_message = onEmitMessage;
    if (setjmp(err->jump)) {
        jpeg_destroy_decompress(cinfo.get());
        throw EInvalidGraphic(std::string("JPEG image is not valid: ") + ((*why)[0] ? why->data() : err->message));
    }
    jpeg_create_decompress(cinfo.get());
    src->stream = Stream;
    src->pub.init_source = initSource;
    src->pub.fill_input_buffer = fillInputBuffer;
    src->pub.skip_input_data = skipInputData;
    src->pub.resync_to_restart = jpeg_resync_to_restart;
    src->pub.term_source = termSource;
    src->pub.bytes_in_buffer = 0;
    src->pub.next_input_byte = nullptr;
    cinfo->src = &src->pub;
    scans->pub.progress_monitor = onProgress;
    scans->why = why->data();
    scans->whySize = why->size();
    cinfo->progress = &scans->pub;
    startDecode(cinfo.get(), *img, bytesLeft, why->data(), why->size());
    try {
        img->Allocate();
    } catch (...) {
        jpeg_destroy_decompress(cinfo.get());
        throw;
    }
    decodeRows(cinfo.get(), *img);
    jpeg_destroy_decompress(cinfo.get());
    return std::move(*img);
}

void WriteJpeg(TStream* Stream, const TDibData& Image, int Quality, bool Grayscale)
{
    if (Image.Width <= 0 || Image.Height <= 0)
        throw EInvalidGraphic("Cannot write an empty image");
    const auto line = std::make_unique<JSAMPLE[]>(static_cast<std::size_t>(Image.Width) * 3);
    const auto err = std::make_unique<ErrorManager>();
    const auto cinfo = std::make_unique<jpeg_compress_struct>();
    const auto dst = std::make_unique<StreamDest>();
    cinfo->err = jpeg_std_error(&err->pub);
    err->pub.error_exit = onErrorExit;
    err->pub.output_message = onOutputMessage;
    if (setjmp(err->jump)) {
        jpeg_destroy_compress(cinfo.get());
        throw EInvalidGraphic(std::string("JPEG image could not be written: ") + err->message);
    }
    jpeg_create_compress(cinfo.get());
    dst->stream = Stream;
    dst->pub.init_destination = initDestination;
    dst->pub.empty_output_buffer = emptyOutputBuffer;
    dst->pub.term_destination = termDestination;
    cinfo->dest = &dst->pub;
    encode(cinfo.get(), Image, std::clamp(Quality, 1, 100), Grayscale, line.get());
    jpeg_destroy_compress(cinfo.get());
}
