#include "engine/PngStreamHeader.h"

#include "engine/FFmpegEntries.h"
#include "engine/UnicodeProtocol.h"

#include <array>
#include <cstring>
#include <string_view>
#include <vector>

namespace {

constexpr std::array<std::uint8_t, 8> kSignature = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
// Packets read from the second opening before giving up on finding a picture of every stream.
constexpr int kMaxPackets = 64;

std::uint32_t Be32(const std::uint8_t* p)
{
    return (std::uint32_t{p[0]} << 24) | (std::uint32_t{p[1]} << 16) | (std::uint32_t{p[2]} << 8) | p[3];
}

// The decoder's pixel format for a bit depth and colour type, as long as no transparency chunk
// turns it into a format with alpha.
AVPixelFormat PixelFormat(int depth, int colourType)
{
    switch (colourType) {
    case 0:  // grey
        return depth == 8 ? AV_PIX_FMT_GRAY8 : depth == 16 ? AV_PIX_FMT_GRAY16BE : depth == 1 ? AV_PIX_FMT_MONOBLACK
                                                                                             : AV_PIX_FMT_NONE;
    case 2:  // RGB
        return depth == 8 ? AV_PIX_FMT_RGB24 : depth == 16 ? AV_PIX_FMT_RGB48BE : AV_PIX_FMT_NONE;
    case 3:  // palette
        return depth == 8 ? AV_PIX_FMT_PAL8 : AV_PIX_FMT_NONE;
    case 4:  // grey and alpha
        return depth == 8 ? AV_PIX_FMT_YA8 : depth == 16 ? AV_PIX_FMT_YA16BE : AV_PIX_FMT_NONE;
    case 6:  // RGB and alpha
        return depth == 8 ? AV_PIX_FMT_RGBA : depth == 16 ? AV_PIX_FMT_RGBA64BE : AV_PIX_FMT_NONE;
    default:
        return AV_PIX_FMT_NONE;
    }
}

// Chunks before the picture data that change nothing the decoder reports about the stream.
bool Harmless(std::string_view type)
{
    return type == "PLTE" || type == "tEXt" || type == "zTXt" || type == "iTXt" || type == "tIME";
}

} // namespace

bool ReadPngHeader(const std::uint8_t* AData, std::size_t ASize, TPngHeader& AHeader)
{
    if (ASize < kSignature.size() || std::memcmp(AData, kSignature.data(), kSignature.size()) != 0)
        return false;
    TPngHeader header;
    bool sawHeader = false;
    std::size_t pos = kSignature.size();
    while (ASize - pos >= 12) {
        const std::uint32_t length = Be32(AData + pos);
        const std::string_view type(reinterpret_cast<const char*>(AData + pos + 4), 4);
        const std::uint8_t* body = AData + pos + 8;
        if (length > ASize - pos - 12)
            return false;
        if (!sawHeader) {
            if (type != "IHDR" || length != 13)
                return false;
            const std::uint32_t width = Be32(body);
            const std::uint32_t height = Be32(body + 4);
            if (width == 0 || height == 0 || width > INT32_MAX || height > INT32_MAX)
                return false;
            header.Width = static_cast<int>(width);
            header.Height = static_cast<int>(height);
            header.PixFmt = PixelFormat(body[8], body[9]);
            if (header.PixFmt == AV_PIX_FMT_NONE)
                return false;
            sawHeader = true;
        } else if (type == "IDAT") {
            AHeader = header;
            return true;
        } else if (type == "pHYs" && length == 9) {
            // As the decoder reads it: the two counts as signed numbers, refused when negative.
            const auto num = static_cast<std::int32_t>(Be32(body));
            const auto den = static_cast<std::int32_t>(Be32(body + 4));
            header.SampleAspect = num < 0 || den < 0 ? AVRational{0, 1} : AVRational{num, den};
            header.HasSampleAspect = true;
        } else if (!Harmless(type)) {
            return false;
        }
        pos += 12 + length;
    }
    return false;
}

void FillPngStreamParameters(AVFormatContext* AContext)
{
    std::vector<unsigned> open;
    for (unsigned i = 0; i < AContext->nb_streams; ++i) {
        const AVCodecParameters* par = AContext->streams[i]->codecpar;
        if (par->codec_type == AVMEDIA_TYPE_VIDEO && par->codec_id == AV_CODEC_ID_PNG && par->format < 0)
            open.push_back(i);
    }
    // A format that opens its files itself has no reader here; any other reader must be able to
    // go back, or a second opening would take data away from the first (a pipe).
    const bool rereadable = !AContext->pb || (AContext->pb->seekable & AVIO_SEEKABLE_NORMAL);
    if (open.empty() || !AContext->url || !rereadable)
        return;
    AVFormatContext* peek = AllocFormatContext();
    if (!peek)
        return;
    if (ff::avformat_open_input(&peek, AContext->url, AContext->iformat, nullptr) < 0)
        return;  // the library has freed the context
    AVPacket* packet = ff::av_packet_alloc();
    for (int read = 0; packet && !open.empty() && read < kMaxPackets && ff::av_read_frame(peek, packet) >= 0;
         ++read) {
        const auto index = static_cast<unsigned>(packet->stream_index);
        for (auto it = open.begin(); it != open.end(); ++it) {
            if (*it != index)
                continue;
            TPngHeader header;
            // The second opening finds the same streams in the same order as the first.
            if (index < peek->nb_streams && peek->streams[index]->codecpar->codec_id == AV_CODEC_ID_PNG
                && ReadPngHeader(packet->data, static_cast<std::size_t>(packet->size), header)) {
                AVCodecParameters* par = AContext->streams[index]->codecpar;
                // As decoding would: the picture's own size wins over the container's.
                par->format = header.PixFmt;
                par->width = header.Width;
                par->height = header.Height;
                if (header.HasSampleAspect)
                    par->sample_aspect_ratio = header.SampleAspect;
            }
            open.erase(it);
            break;
        }
        ff::av_packet_unref(packet);
    }
    ff::av_packet_free(&packet);
    ff::avformat_close_input(&peek);
}
