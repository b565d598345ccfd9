// The probe's readable description of a file: the file's own lines, its metadata, then its
// programs with their streams and the streams of no program.

#include "engine/AVProbe.h"

#include "engine/EngineUtils.h"
#include "engine/FFUtils.h"
#include "engine/FFmpegEntries.h"
#include "engine/UnicodeProtocol.h"

#include <cmath>
#include <cstdio>
#include <cstring>

namespace {

std::string Printf(const char* format, auto... args)
{
    char buffer[512];
    std::snprintf(buffer, sizeof buffer, format, args...);
    return buffer;
}

// ID3 frame names as the words people know them by.
std::string ConvertID3Key(const std::string& key)
{
    static const std::pair<const char*, const char*> kKeys[] = {
        {"TALB", "album"},    {"TAL", "album"},     {"TCOM", "composer"},  {"TCON", "genre"},
        {"TCO", "genre"},     {"TCOP", "copyright"}, {"TDRL", "date"},     {"TENC", "encoder"},
        {"TEN", "encoder"},   {"TIT2", "title"},    {"TT2", "title"},      {"TLAN", "language"},
        {"TPE1", "artist"},   {"TP1", "artist"},    {"TPOS", "disc"},      {"TPUB", "publisher"},
        {"TRCK", "track"},    {"TRK", "track"},     {"TSOA", "albumsort"}, {"TSOP", "authorsort"},
        {"TSOT", "titlesort"}, {"TYER", "year"},
    };
    for (const auto& [id3, word] : kKeys)
        if (key == id3)
            return word;
    return key;
}

// ", 25 fps", ", 29.97 fps", ", 90k tbn".
std::string FormatRate(double value, const char* word)
{
    const long long v = std::llrint(value * 100);
    if (v % 100 != 0)
        return Printf(", %3.2f %s", value, word);
    if (v % (100 * 1000) != 0)
        return Printf(", %1.0f %s", value, word);
    return Printf(", %1.0fk %s", value / 1000, word);
}

std::string Seconds(std::int64_t us)
{
    return Printf("%lld.%.6lld", static_cast<long long>(us / 1000000), static_cast<long long>(us % 1000000));
}

} // namespace

void TCustomAVProbe::MetadataBlock(std::vector<std::string>& lines, const AVDictionary* dict,
                                   const std::string& indent)
{
    if (!dict)
        return;
    const int count = ff::av_dict_count(dict);
    if (count == 0 || (count == 1 && ff::av_dict_get(dict, "language", nullptr, 0)))
        return;
    lines.push_back(indent + "Metadata:");
    const AVDictionaryEntry* entry = nullptr;
    while ((entry = ff::av_dict_get(dict, "", entry, AV_DICT_IGNORE_SUFFIX))) {
        if (std::strcmp(entry->key, "language") == 0)
            continue;
        lines.push_back(Printf("%s  %-16s: %s", indent.c_str(), ConvertID3Key(entry->key).c_str(), entry->value));
    }
}

std::string TCustomAVProbe::StreamLine(int index)
{
    const AVStream* st = FFileHandle->streams[index];
    const AVCodecParameters* par = st->codecpar;
    std::string line = Printf("Stream #%d", index);
    if (FFileHandle->iformat && (FFileHandle->iformat->flags & AVFMT_SHOW_IDS))
        line += Printf("[0x%x]", st->id);
    const std::string language = GetMetadataValue(st->metadata, "language", "");
    if (!language.empty())
        line += "(" + language + ")";
    int g = static_cast<int>(ff::av_gcd(st->time_base.num, st->time_base.den));
    if (g == 0)
        g = 1;
    line += Printf(", %d/%d", st->time_base.num / g, st->time_base.den / g);

    char summary[256] = {};
    AVCodecContext* codec = ff::avcodec_alloc_context3(nullptr);
    AVRational codecTimeBase{0, 1};
    if (codec && ff::avcodec_parameters_to_context(codec, par) >= 0) {
        ff::avcodec_string(summary, sizeof summary, codec, 0);
        codecTimeBase = codec->time_base;
    }
    ff::avcodec_free_context(&codec);
    line += ": ";
    line += summary;

    const AVRational sar = st->sample_aspect_ratio;
    const AVRational codecSar = par->sample_aspect_ratio;
    if (sar.num != 0 && sar.num * codecSar.den - codecSar.num * sar.den != 0) {
        int darNum = 0, darDen = 0;
        ff::av_reduce(&darNum, &darDen, static_cast<std::int64_t>(par->width) * sar.num,
                      static_cast<std::int64_t>(par->height) * sar.den, 1024 * 1024);
        line = Printf("%s, PAR %d:%d DAR %d:%d", line.c_str(), sar.num, sar.den, darNum, darDen);
    }
    if (par->codec_type == AVMEDIA_TYPE_VIDEO) {
        const auto rate = [&](AVRational r, const char* word) {
            if (r.num != 0 && r.den != 0)
                line += FormatRate(av_q2d(r), word);
        };
        rate(st->avg_frame_rate, "fps");
        rate(st->r_frame_rate, "tbr");
        rate(av_inv_q(st->time_base), "tbn");
        rate(av_inv_q(codecTimeBase), "tbc");
    }
    if (st->start_time != AV_NOPTS_VALUE)
        line += ", StartTime: " + Seconds(ff::av_rescale_q(st->start_time, st->time_base, AV_TIME_BASE_Q));
    if (st->duration == AV_NOPTS_VALUE)
        line += ", Duration: N/A";
    else
        line += ", Duration: " + DurationToStr(ff::av_rescale_q(st->duration, st->time_base, AV_TIME_BASE_Q));
    return line;
}

std::string TCustomAVProbe::FileInfoText()
{
    if (!HasFile())
        return {};
    std::vector<std::string> lines;
    lines.push_back("File Name: " + (FFileHandle->url ? FromProtocolFileName(FFileHandle->url) : std::string()));
    lines.push_back("Format Name: " + std::string(FFileHandle->iformat->name));
    lines.push_back("Format Long Name: "
                    + std::string(FFileHandle->iformat->long_name ? FFileHandle->iformat->long_name : ""));
    lines.push_back("File Size: " + FormatFileSize(FFileSize));

    const TFileStreamInfo info = FileStreamInfo();
    lines.push_back(info.Duration < 0 ? "Duration: N/A" : "Duration: " + DurationToStr(info.Duration));
    if (info.StartTime >= 0)
        lines.push_back("StartTime: " + Seconds(info.StartTime));
    lines.push_back(info.BitRate < 1 ? "Bit Rate: N/A" : Printf("Bit Rate: %d kb/s", info.BitRate / 1000));
    if (info.TimeStamp > 0)
        lines.push_back("Time Stamp: " + FormatDateTimeText("yyyy-mm-dd hh:nn:ss", UnixToDateTime(info.TimeStamp)));
    MetadataBlock(lines, FFileHandle->metadata, "");

    std::vector<bool> written(FFileHandle->nb_streams, false);
    for (unsigned p = 0; p < FFileHandle->nb_programs; ++p) {
        const AVProgram* program = FFileHandle->programs[p];
        // Today's demuxers name the provider and the program "service_provider" and "service_name".
        lines.push_back(Printf("Program %d %s@%s", program->id,
                               GetMetadataValue(program->metadata, "service_provider", "N/A").c_str(),
                               GetMetadataValue(program->metadata, "service_name", "N/A").c_str()));
        MetadataBlock(lines, program->metadata, "  ");
        for (unsigned k = 0; k < program->nb_stream_indexes; ++k) {
            const unsigned index = program->stream_index[k];
            if (index >= FFileHandle->nb_streams)
                continue;
            lines.push_back(StreamLine(static_cast<int>(index)));
            MetadataBlock(lines, FFileHandle->streams[index]->metadata, "  ");
            written[index] = true;
        }
    }
    for (unsigned i = 0; i < FFileHandle->nb_streams; ++i) {
        if (written[i])
            continue;
        lines.push_back(StreamLine(static_cast<int>(i)));
        MetadataBlock(lines, FFileHandle->streams[i]->metadata, "  ");
    }

    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text;
}
