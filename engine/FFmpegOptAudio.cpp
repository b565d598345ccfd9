// The audio and subtitle options.

#include "engine/FFmpeg.h"

#include "engine/FFmpegEntries.h"
#include "engine/OptionValues.h"

using namespace OptionValues;

void TCustomFFmpeg::AddAudioOptions(TOptionTable& t)
{
    t["ab"] = [](TCustomFFmpeg& c, const std::string& n, const std::string& v) {
        c.OptBitrate(n, v);
    };
    t["aq"] = [](TCustomFFmpeg& c, const std::string&, const std::string& v) {
        c.Faudio_qscale = static_cast<float>(StrToFloat(v));
    };
    t["ar"] = [](TCustomFFmpeg& c, const std::string&, const std::string& v) {
        c.OptAudioRate(StrToInt(v));
    };
    t["ac"] = [](TCustomFFmpeg& c, const std::string&, const std::string& v) {
        c.OptAudioChannels(StrToInt(v));
    };
    t["an"] = [](TCustomFFmpeg& c, const std::string&, const std::string& v) {
        c.Faudio_disable = FlagValue(v);
    };
    t["acodec"] = [](TCustomFFmpeg& c, const std::string&, const std::string& v) {
        c.OptAudioCodec(v);
    };
    t["atag"] = [](TCustomFFmpeg& c, const std::string&, const std::string& v) {
        c.OptAudioTag(v);
    };
    t["vol"] = [](TCustomFFmpeg& c, const std::string&, const std::string& v) {
        c.Faudio_volume = StrToInt(v);
    };
    t["alang"] = [](TCustomFFmpeg& c, const std::string&, const std::string& v) {
        c.Faudio_language = v;
    };
    t["sample_fmt"] = [](TCustomFFmpeg& c, const std::string&, const std::string& v) {
        c.OptSampleFmt(v);
    };
    t["absf"] = [](TCustomFFmpeg& c, const std::string& n, const std::string& v) {
        c.OptBitstreamFilter(n, v);
    };

    t["sn"] = [](TCustomFFmpeg& c, const std::string&, const std::string& v) {
        c.Fsubtitle_disable = FlagValue(v);
    };
    t["scodec"] = [](TCustomFFmpeg& c, const std::string&, const std::string& v) {
        c.OptSubtitleCodec(v);
    };
    t["slang"] = [](TCustomFFmpeg& c, const std::string&, const std::string& v) {
        c.Fsubtitle_language = v;
    };
    t["stag"] = [](TCustomFFmpeg& c, const std::string&, const std::string& v) {
        c.OptTag(c.Fsubtitle_codec_tag, v, "subtitle");
    };
    t["sbsf"] = [](TCustomFFmpeg& c, const std::string& n, const std::string& v) {
        c.OptBitstreamFilter(n, v);
    };
}

void TCustomFFmpeg::OptAudioRate(int value)
{
    if (value > 0)
        Faudio_sample_rate = value;
}

void TCustomFFmpeg::OptAudioChannels(int value)
{
    if (value > 0)
        Faudio_channels = value;
}

void TCustomFFmpeg::OptAudioCodec(const std::string& value)
{
    OptCodec(Faudio_codec_name, Faudio_stream_copy, value);
}

void TCustomFFmpeg::OptSubtitleCodec(const std::string& value)
{
    OptCodec(Fsubtitle_codec_name, Fsubtitle_stream_copy, value);
}

void TCustomFFmpeg::OptAudioTag(const std::string& value)
{
    OptTag(Faudio_codec_tag, value, "audio");
}

void TCustomFFmpeg::SetAudioVolume(int value)
{
    if (value >= 0)
        Faudio_volume = value;
}

void TCustomFFmpeg::OptSampleFmt(const std::string& value)
{
    if (value.empty())
        return;
    if (value == "list") {
        char line[128];
        for (int fmt = AV_SAMPLE_FMT_NONE; fmt < AV_SAMPLE_FMT_NB; ++fmt)
            if (const char* text = ff::av_get_sample_fmt_string(
                    line, sizeof line, static_cast<AVSampleFormat>(fmt)))
                LogInfo(Trim(text));
        return;
    }
    Faudio_sample_fmt = ff::av_get_sample_fmt(value.c_str());
}
