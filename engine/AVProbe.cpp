#include "engine/AVProbe.h"

#include "engine/EngineUtils.h"
#include "engine/FFUtils.h"
#include "engine/FFmpegEntries.h"
#include "engine/FFmpegLoader.h"
#include "engine/FFmpegLogger.h"
#include "engine/PngStreamHeader.h"
#include "engine/UnicodeProtocol.h"
#include "platform/kernel/Exceptions.h"

#include <cstdio>
#include <cstdlib>
#include <mutex>

namespace {

std::string Printf(const char* format, auto... args)
{
    char buffer[512];
    std::snprintf(buffer, sizeof buffer, format, args...);
    return buffer;
}

// The leading whole number of a metadata value ("2010", "2010-05-01", "3/12"); 0 when none.
int LeadingNumber(const std::string& text)
{
    return static_cast<int>(std::strtol(text.c_str(), nullptr, 10));
}

std::int64_t TimeOrMinusOne(std::int64_t value)
{
    return value == AV_NOPTS_VALUE ? -1 : value;
}

} // namespace

TCustomAVProbe::TCustomAVProbe()
{
    ReadFileInfo();
}

TCustomAVProbe::~TCustomAVProbe()
{
    TCustomAVProbe::CloseFile();
}

bool TCustomAVProbe::AVLibLoaded()
{
    return FFLoader().Loaded(ProbeLibraries);
}

bool TCustomAVProbe::LoadAVLib(const std::string& APath)
{
    FFLoader().SetLibraryPath(APath);
    if (FFLoader().Load(ProbeLibraries))
        return true;
    FLastErrMsg = FFLoader().GetLastErrMsg();
    return false;
}

void TCustomAVProbe::UnloadAVLib()
{
    FFLoader().Unload(ProbeLibraries);
}

void TCustomAVProbe::ReportMessage(int ALevel, const std::string& AText)
{
    FLastErrMsg = AText;
    GetLogger().Log(this, AVLevelToLogLevel(ALevel), AText);
}

void TCustomAVProbe::CheckLibrariesLoaded()
{
    static const std::pair<TLibrary, const char*> kChecks[] = {
        {avCodec, "LibAVCodec not loaded."},
        {avFormat, "LibAVFormat not loaded."},
        {avUtil, "LibAVUtil not loaded."},
        {swScale, "LibSwScale not loaded."},
    };
    for (const auto& [library, message] : kChecks)
        if (!FFLoader().Loaded(library))
            throw Exception(message);
}

bool TCustomAVProbe::LoadFile(const std::string& AFileName, const std::string& AFormatName)
{
    CheckLibrariesLoaded();
    CloseFile();

    const AVInputFormat* format = nullptr;
    if (!AFormatName.empty()) {
        format = ff::av_find_input_format(AFormatName.c_str());
        if (!format) {
            FLastErrMsg = "Unknown input format: " + AFormatName;
            return false;
        }
    }

    AVFormatContext* context = AllocFormatContext();
    if (!context) {
        ReportMessage(AV_LOG_ERROR, ErrorCodeToStr(AFileName, AVERROR(ENOMEM)));
        return false;
    }
    // The library frees the context itself when opening fails.
    const int ret = ff::avformat_open_input(&context, ToProtocolFileName(AFileName).c_str(), format, nullptr);
    if (ret < 0) {
        ReportMessage(AV_LOG_ERROR, ErrorCodeToStr(AFileName, ret));
        CloseFile();
        return false;
    }
    FFileHandle = context;
    FOwnHandle = true;

    FillPngStreamParameters(context);
    int found;
    {
        // Probing opens and closes decoders inside the library.
        std::lock_guard<CriticalSection> guard(CodecLock());
        found = ff::avformat_find_stream_info(context, nullptr);
    }
    if (found < 0) {
        FLastErrMsg = AFileName + ": could not find codec parameters";
        CloseFile();
        return false;
    }
    ReadFileInfo();
    FForceFormat = AFormatName;
    return true;
}

void TCustomAVProbe::CloseFile()
{
    FForceFormat.clear();
    if (FFileHandle && FOwnHandle)
        ff::avformat_close_input(&FFileHandle);
    FFileHandle = nullptr;
    FOwnHandle = false;
    ReadFileInfo();
}

void TCustomAVProbe::SetFileHandle(AVFormatContext* AHandle)
{
    CheckLibrariesLoaded();
    CloseFile();
    FOwnHandle = false;
    FFileHandle = AHandle;
    ReadFileInfo();
}

void TCustomAVProbe::ReadFileInfo()
{
    FFileSize = -1;
    FStreamCount = FProgramCount = -1;
    FAudioStreamCount = FVideoStreamCount = FSubtitleStreamCount = -1;
    FFirstAudioStreamIndex = FFirstVideoStreamIndex = FFirstSubtitleStreamIndex = -1;
    if (!FFileHandle)
        return;

    const std::int64_t readerSize = FFileHandle->pb ? ff::avio_size(FFileHandle->pb) : -1;
    FFileSize = readerSize;
    if (readerSize <= 0 && FFileHandle->url) {
        const std::int64_t onDisk = GetFileSize64(FromProtocolFileName(FFileHandle->url));
        if (onDisk >= 0)
            FFileSize = onDisk;
    }

    FStreamCount = static_cast<int>(FFileHandle->nb_streams);
    FProgramCount = static_cast<int>(FFileHandle->nb_programs);
    FAudioStreamCount = FVideoStreamCount = FSubtitleStreamCount = 0;
    for (int i = 0; i < FStreamCount; ++i) {
        switch (FFileHandle->streams[i]->codecpar->codec_type) {
        case AVMEDIA_TYPE_VIDEO:
            ++FVideoStreamCount;
            if (FFirstVideoStreamIndex < 0)
                FFirstVideoStreamIndex = i;
            break;
        case AVMEDIA_TYPE_AUDIO:
            ++FAudioStreamCount;
            if (FFirstAudioStreamIndex < 0)
                FFirstAudioStreamIndex = i;
            break;
        case AVMEDIA_TYPE_SUBTITLE:
            ++FSubtitleStreamCount;
            if (FFirstSubtitleStreamIndex < 0)
                FFirstSubtitleStreamIndex = i;
            break;
        default:
            break;
        }
    }
}

bool TCustomAVProbe::HasFile()
{
    if (FFileHandle)
        return true;
    ReportMessage(AV_LOG_WARNING, "file not loaded.");
    return false;
}

AVStream* TCustomAVProbe::StreamAt(int AStreamIndex)
{
    if (AStreamIndex < 0 || AStreamIndex >= FStreamCount) {
        ReportMessage(AV_LOG_ERROR, Printf("stream index #%d is invalid.", AStreamIndex));
        return nullptr;
    }
    return FFileHandle->streams[AStreamIndex];
}

bool TCustomAVProbe::IsAudioStream(int AStreamIndex)
{
    AVStream* st = HasFile() ? StreamAt(AStreamIndex) : nullptr;
    return st && st->codecpar->codec_type == AVMEDIA_TYPE_AUDIO;
}

bool TCustomAVProbe::IsVideoStream(int AStreamIndex)
{
    AVStream* st = HasFile() ? StreamAt(AStreamIndex) : nullptr;
    return st && st->codecpar->codec_type == AVMEDIA_TYPE_VIDEO;
}

bool TCustomAVProbe::IsSubtitleStream(int AStreamIndex)
{
    AVStream* st = HasFile() ? StreamAt(AStreamIndex) : nullptr;
    return st && st->codecpar->codec_type == AVMEDIA_TYPE_SUBTITLE;
}

std::string TCustomAVProbe::FileName()
{
    if (!HasFile())
        return {};
    return FFileHandle->url ? FromProtocolFileName(FFileHandle->url) : std::string();
}

std::string TCustomAVProbe::FormatName()
{
    if (!HasFile())
        return {};
    return FFileHandle->iformat && FFileHandle->iformat->name ? FFileHandle->iformat->name : "";
}

std::string TCustomAVProbe::FormatLongName()
{
    if (!HasFile())
        return {};
    return FFileHandle->iformat && FFileHandle->iformat->long_name ? FFileHandle->iformat->long_name : "";
}

TFileStreamInfo TCustomAVProbe::FileStreamInfo()
{
    TFileStreamInfo info;
    if (!HasFile())
        return info;
    const AVDictionary* meta = FFileHandle->metadata;
    info.StartTime = TimeOrMinusOne(FFileHandle->start_time);
    info.Duration = TimeOrMinusOne(FFileHandle->duration);
    info.BitRate = static_cast<int>(FFileHandle->bit_rate);

    // Today's containers keep the creation time, year and track as metadata.
    info.TimeStamp = 0;
    const std::string created = GetMetadataValue(meta, "creation_time", "");
    std::int64_t us = 0;
    if (!created.empty() && ff::av_parse_time(&us, created.c_str(), 0) >= 0)
        info.TimeStamp = us / 1000000;
    std::string year = GetMetadataValue(meta, "year", "");
    if (year.empty())
        year = GetMetadataValue(meta, "date", "");
    info.Year = LeadingNumber(year);
    info.Track = LeadingNumber(GetMetadataValue(meta, "track", ""));

    info.Title = GetMetadataValue(meta, "title", "");
    info.Author = GetMetadataValue(meta, "author", GetMetadataValue(meta, "artist", ""));
    info.Copyright = GetMetadataValue(meta, "copyright", "");
    info.Comment = GetMetadataValue(meta, "comment", "");
    info.Album = GetMetadataValue(meta, "album", "");
    info.Genre = GetMetadataValue(meta, "genre", "");
    return info;
}

AVStream* TCustomAVProbe::InfoStream(int AStreamIndex, int AMediaType, int AFirstIndex, const char* AKind)
{
    if (!HasFile())
        return nullptr;
    if (AStreamIndex < 0) {
        if (AFirstIndex < 0) {
            ReportMessage(AV_LOG_ERROR, Printf("no %s stream.", AKind));
            return nullptr;
        }
        AStreamIndex = AFirstIndex;
    }
    AVStream* st = StreamAt(AStreamIndex);
    if (st && st->codecpar->codec_type != AMediaType) {
        ReportMessage(AV_LOG_ERROR, Printf("stream #%d is not %s stream.", AStreamIndex, AKind));
        return nullptr;
    }
    return st;
}

namespace {

// The decoder's description of a stream, through a context filled from its parameters.
std::string StreamCodecName(const AVStream* st)
{
    AVCodecContext* codec = ff::avcodec_alloc_context3(nullptr);
    if (!codec)
        return {};
    std::string name;
    if (ff::avcodec_parameters_to_context(codec, st->codecpar) >= 0)
        name = CodecDescription(codec, false);
    ff::avcodec_free_context(&codec);
    return name;
}

// Start time and duration in the stream's time base and in microseconds.
template <typename Info>
void FillTimes(AVStream* st, Info& info)
{
    // A time base without denominator cannot be rescaled; it is repaired in the stream itself.
    if (st->time_base.den == 0)
        st->time_base.den = st->time_base.num != 0 ? st->time_base.num : 1;
    info.StartTime = st->start_time;
    info.Duration = st->duration;
    if (st->start_time != AV_NOPTS_VALUE)
        info.StartTimeScaled = ff::av_rescale_q(st->start_time, st->time_base, AV_TIME_BASE_Q);
    if (st->duration != AV_NOPTS_VALUE)
        info.DurationScaled = ff::av_rescale_q(st->duration, st->time_base, AV_TIME_BASE_Q);
}

} // namespace

TAudioStreamInfo TCustomAVProbe::GetAudioStreamInfo(int AStreamIndex)
{
    TAudioStreamInfo info;
    AVStream* st = InfoStream(AStreamIndex, AVMEDIA_TYPE_AUDIO, FFirstAudioStreamIndex, "audio");
    if (!st)
        return info;
    info.Language = GetMetadataValue(st->metadata, "language", "");
    info.CodecName = StreamCodecName(st);
    FillTimes(st, info);
    info.BitRate = static_cast<int>(st->codecpar->bit_rate);
    info.Channels = st->codecpar->ch_layout.nb_channels;
    info.SampleRate = st->codecpar->sample_rate;
    info.SampleFormat = st->codecpar->format;
    return info;
}

TVideoStreamInfo TCustomAVProbe::GetVideoStreamInfo(int AStreamIndex)
{
    TVideoStreamInfo info;
    AVStream* st = InfoStream(AStreamIndex, AVMEDIA_TYPE_VIDEO, FFirstVideoStreamIndex, "video");
    if (!st)
        return info;
    const AVCodecParameters* par = st->codecpar;
    info.Language = GetMetadataValue(st->metadata, "language", "");
    info.CodecName = StreamCodecName(st);
    FillTimes(st, info);
    info.BitRate = static_cast<int>(par->bit_rate);
    info.Height = par->height;
    info.Width = par->width;
    // Floating-point exceptions are masked process-wide, so a zero height or sample aspect
    // denominator gives infinity or NaN, as the container's values say.
    info.AspectRatio = static_cast<float>(static_cast<double>(par->width) * par->sample_aspect_ratio.num
                                          / par->sample_aspect_ratio.den / par->height);
    info.PixFmt = par->format;
    info.FrameRate = st->r_frame_rate;
    return info;
}

TSubtitleStreamInfo TCustomAVProbe::GetSubtitleStreamInfo(int AStreamIndex)
{
    TSubtitleStreamInfo info;
    AVStream* st = InfoStream(AStreamIndex, AVMEDIA_TYPE_SUBTITLE, FFirstSubtitleStreamIndex, "subtitle");
    if (!st)
        return info;
    info.Language = GetMetadataValue(st->metadata, "language", "");
    info.CodecName = StreamCodecName(st);
    return info;
}
