// The format, time, map and metadata options.

#include "engine/FFmpeg.h"

#include "engine/FFmpegEntries.h"
#include "engine/OptionValues.h"

using namespace OptionValues;

namespace {

// Seconds of a time in microseconds, rounded to the nearest second (halves to even).
std::int64_t RoundToSeconds(std::int64_t us)
{
    std::int64_t q = us / 1000000, r = us % 1000000;
    if (r < 0) {
        r += 1000000;
        q -= 1;
    }
    if (r > 500000 || (r == 500000 && (q & 1)))
        ++q;
    return q;
}

} // namespace

void TCustomFFmpeg::AddFormatOptions(TOptionTable& t)
{
    t["f"] = [](TCustomFFmpeg& c, const std::string&, const std::string& v) { c.OptFormat(v); };
    t["ss"] = [](TCustomFFmpeg& c, const std::string& n, const std::string& v) {
        c.Fstart_time = c.ParseTime(n, v, true);
    };
    t["t"] = [](TCustomFFmpeg& c, const std::string& n, const std::string& v) {
        c.Frecording_time = c.FTotalOutputDuration = c.ParseTime(n, v, true);
    };
    t["itsoffset"] = [](TCustomFFmpeg& c, const std::string& n, const std::string& v) {
        c.Finput_ts_offset = c.ParseTime(n, v, true);
    };
    t["timestamp"] = [](TCustomFFmpeg& c, const std::string& n, const std::string& v) {
        c.Frecording_timestamp = RoundToSeconds(c.ParseTime(n, v, false));
    };
    t["itsscale"] = [](TCustomFFmpeg& c, const std::string&, const std::string& v) {
        c.OptInputTsScale(v);
    };
    t["map"] = [](TCustomFFmpeg& c, const std::string&, const std::string& v) {
        c.OptStreamMap(v);
    };
    t["map_meta_data"] = [](TCustomFFmpeg& c, const std::string&, const std::string& v) {
        c.OptMetaDataMap(v);
    };
    t["metadata"] = [](TCustomFFmpeg& c, const std::string&, const std::string& v) {
        c.OptMetadata(v);
    };
    t["streamid"] = [](TCustomFFmpeg& c, const std::string& n, const std::string& v) {
        c.OptStreamId(n, v);
    };
}

void TCustomFFmpeg::OptFormat(const std::string& value)
{
    if (value.empty())
        return;
    if (value == "pgmyuv") {
        Fpgmyuv_compatibility_hack = 1;
        LogInfo("pgmyuv format is deprecated, use image2");
        Flast_asked_format = "image2";
    } else {
        Flast_asked_format = value;
    }
}

std::int64_t TCustomFFmpeg::ParseTime(const std::string& name, const std::string& value,
                                      bool isDuration)
{
    std::int64_t us = AV_NOPTS_VALUE;
    if (ff::av_parse_time(&us, value.c_str(), isDuration ? 1 : 0) < 0 || us == AV_NOPTS_VALUE)
        throw FFmpegException("Invalid " + std::string(isDuration ? "duration" : "date")
                              + " specification for " + name + ": " + value);
    return us;
}

void TCustomFFmpeg::OptInputTsScale(const std::string& value)
{
    size_t pos = 0;
    const int stream = ReadCNumber(value, pos);
    if (pos < value.size())
        ++pos;
    const double scale = ReadCFloat(value, pos);
    if (stream >= MAX_STREAMS)
        throw FFmpegException("stream index over MAX_STREAMS(" + std::to_string(MAX_STREAMS) + ")");
    if (stream < 0)
        throw FFmpegException("Invalid stream index " + std::to_string(stream)
                              + " for option \"itsscale\"");
    if (Fnb_input_files >= FMaxFiles)
        throw FFmpegException("max input files " + std::to_string(FMaxFiles) + " reached");
    Finput_files_ts_scale[Fnb_input_files][stream] = scale;
}

void TCustomFFmpeg::OptStreamMap(const std::string& value)
{
    const size_t room = static_cast<size_t>(FMaxFiles) * MAX_STREAMS;
    if (Fstream_maps.size() >= room)
        throw FFmpegException("Too many stream maps (at most " + std::to_string(room) + ")");
    TAVStreamMap m{};
    size_t pos = 0;
    m.file_index = ReadCNumber(value, pos);
    if (pos < value.size())
        ++pos;
    m.stream_index = ReadCNumber(value, pos);
    if (pos < value.size()) {
        ++pos;
        m.sync_file_index = ReadCNumber(value, pos);
        if (pos < value.size())
            ++pos;
        m.sync_stream_index = ReadCNumber(value, pos);
    } else {
        m.sync_file_index = m.file_index;
        m.sync_stream_index = m.stream_index;
    }
    Fstream_maps.push_back(m);
}

void TCustomFFmpeg::OptMetaDataMap(const std::string& value)
{
    if (Fmeta_data_maps.size() >= static_cast<size_t>(FMaxFiles))
        throw FFmpegException("Too many metadata maps (at most " + std::to_string(FMaxFiles) + ")");
    TAVMetaDataMap m{};
    size_t pos = 0;
    m.out_file = ReadCNumber(value, pos);
    if (pos < value.size())
        ++pos;
    m.in_file = ReadCNumber(value, pos);
    Fmeta_data_maps.push_back(m);
}

void TCustomFFmpeg::OptMetadata(const std::string& value)
{
    const size_t equals = value.find('=');
    if (equals == std::string::npos)
        throw FFmpegException("Missing =");
    AddMetadata(value.substr(0, equals), value.substr(equals + 1));
}

void TCustomFFmpeg::OptStreamId(const std::string& name, const std::string& value)
{
    if (name.empty() || value.empty())
        return;
    const size_t colon = value.find(':');
    if (colon == std::string::npos || colon == 0 || colon + 1 == value.size())
        throw FFmpegException("Invalid value \"" + value + "\" for option \"" + name
                              + "\", required syntax is \"index:value\"");
    const int index = StrToInt(value.substr(0, colon));
    const int id = StrToInt(value.substr(colon + 1));
    if (index < 0 || index >= MAX_STREAMS)
        throw FFmpegException("Invalid stream index " + std::to_string(index) + " for option \""
                              + name + "\", it must be 0 to " + std::to_string(MAX_STREAMS - 1));
    Fstreamid_map[index] = id;
}

void TCustomFFmpeg::SetStartTime(std::int64_t value)
{
    if (value != AV_NOPTS_VALUE)
        Fstart_time = value;
}

void TCustomFFmpeg::SetRecordingTime(std::int64_t value)
{
    if (value != AV_NOPTS_VALUE)
        Frecording_time = FTotalOutputDuration = value;
}

void TCustomFFmpeg::SetProgramID(int value)
{
    if (value >= 0)
        Fopt_programid = value;
}

void TCustomFFmpeg::SetMuxDelay(float value)
{
    if (value > 0)
        Fmux_max_delay = value;
}

void TCustomFFmpeg::SetMuxPreload(float value)
{
    if (value > 0)
        Fmux_preload = value;
}

void TCustomFFmpeg::AddMetadata(const std::string& key, const std::string& value)
{
    Fmetadata.emplace_back(key, value);
}
