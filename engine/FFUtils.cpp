#include "engine/FFUtils.h"

#include "engine/FFmpegEntries.h"
#include "engine/OptionValues.h"

#include <cerrno>
#include <cstdio>

using namespace OptionValues;

namespace {

std::string Format(const char* format, auto... args)
{
    char buffer[128];
    std::snprintf(buffer, sizeof buffer, format, args...);
    return buffer;
}

} // namespace

std::string DurationToStr(std::int64_t d)
{
    if (d == AV_NOPTS_VALUE)
        return "N/A";
    const long long seconds = d / 1000000;
    return Format("%.2lld:%.2lld:%.2lld.%.3lld", seconds / 60 / 60, (seconds / 60) % 60,
                  seconds % 60, (d % 1000000) * 1000 / 1000000);
}

std::int64_t FrameDuration(AVRational rate)
{
    if (rate.num == 0 || rate.den == 0)
        return 40000;
    return std::int64_t{1000000} * rate.den / rate.num;
}

std::string ErrorCodeToStr(const std::string& name, int code)
{
    std::string text;
    switch (code) {
    case AVERROR(ENOENT): text = "No such file or directory"; break;
    case AVERROR(EIO): text = "I/O error"; break;
    case AVERROR(ENOMEM): text = "Not enough memory"; break;
    case AVERROR_INVALIDDATA: text = "Invalid data found when processing input"; break;
    case AVERROR_EOF: text = "End of file"; break;
    case AVERROR(EDOM): text = "Number syntax expected in filename"; break;
    case AVERROR(EILSEQ): text = "Unknown format"; break;
    case AVERROR(EPROTONOSUPPORT):
    case AVERROR_PROTOCOL_NOT_FOUND: text = "Unsupported network protocol"; break;
    case AVERROR_PATCHWELCOME: text = "Not yet implemented in FFmpeg"; break;
    default: {
        text = Format("Error number %d occurred", code);
        // The library's own words for it, which users can act on ("Permission denied").
        char description[AV_ERROR_MAX_STRING_SIZE * 2] = "";
        if (ff::av_strerror && ff::av_strerror(code, description, sizeof description) == 0 && description[0])
            text += std::string(": ") + description;
        break;
    }
    }
    return name + ": " + text;
}

int ReadFileToBuffer(const std::string& fileName, std::uint8_t*& buffer, int& size)
{
    std::FILE* file = std::fopen(fileName.c_str(), "rb");
    if (!file)
        return -1;
    std::fseek(file, 0, SEEK_END);
    const long length = std::ftell(file);
    std::fseek(file, 0, SEEK_SET);
    if (length < 0) {
        std::fclose(file);
        return -1;
    }
    auto* data = static_cast<std::uint8_t*>(ff::av_malloc(static_cast<size_t>(length) + 1));
    if (!data) {
        std::fclose(file);
        return AVERROR(ENOMEM);
    }
    const size_t read = std::fread(data, 1, static_cast<size_t>(length), file);
    data[read] = 0;
    std::fclose(file);
    buffer = data;
    size = static_cast<int>(read) + 1;
    return 0;
}

std::string GetMetadataValue(const AVDictionary* dict, const std::string& key,
                             const std::string& def)
{
    if (!dict)
        return def;
    const AVDictionaryEntry* entry = ff::av_dict_get(dict, key.c_str(), nullptr, 0);
    return entry ? std::string(entry->value) : def;
}

std::string CodecDescription(const AVCodecContext* codec, bool encoder)
{
    const AVCodec* found = encoder ? ff::avcodec_find_encoder(codec->codec_id)
                                   : ff::avcodec_find_decoder(codec->codec_id);
    if (found) {
        const std::string longName = found->long_name ? Trim(found->long_name) : std::string();
        return longName.empty() ? std::string(found->name) : std::string(found->name) + "(" + longName + ")";
    }
    if (codec->codec_id == AV_CODEC_ID_MPEG2TS)
        return "mpeg2ts";
    const unsigned tag = codec->codec_tag;
    bool printable = true;
    for (int i = 0; i < 4; ++i) {
        const unsigned c = (tag >> (8 * i)) & 0xFF;
        printable = printable && c >= 32 && c <= 126;
    }
    if (printable)
        return Format("%c%c%c%c / 0x%04X", tag & 0xFF, (tag >> 8) & 0xFF, (tag >> 16) & 0xFF,
                      (tag >> 24) & 0xFF, tag);
    return Format("0x%04x", tag);
}

std::string MediaTypeName(int mediaType)
{
    switch (mediaType) {
    case AVMEDIA_TYPE_VIDEO: return "Video";
    case AVMEDIA_TYPE_AUDIO: return "Audio";
    case AVMEDIA_TYPE_DATA: return "Data";
    case AVMEDIA_TYPE_SUBTITLE: return "Subtitle";
    case AVMEDIA_TYPE_ATTACHMENT: return "Attachment";
    default: return "Unknown";
    }
}
