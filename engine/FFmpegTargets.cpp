// Targets: the whole parameter set of VCD, SVCD, DVD and DV output in the PAL, NTSC or film norm.

#include "engine/FFmpeg.h"

#include "engine/FFmpegEntries.h"
#include "engine/FFmpegLogger.h"
#include "engine/OptionValues.h"

#include <cmath>

using namespace OptionValues;

namespace {

enum TNorm { nmPAL = 0, nmNTSC = 1, nmFilm = 2, nmUnknown = 3 };

// Frame rates by norm.
const char* const TargetFrameRates[] = {"25", "30000/1001", "24000/1001"};

// The norm a rate in thousandths of a frame per second stands for.
TNorm NormOfRate(double num, double den)
{
    const double fr = std::nearbyint(num * 1000 / den);
    if (fr == 25000)
        return nmPAL;
    if (fr == 29970 || fr == 23976)
        return nmNTSC;
    return nmUnknown;
}

} // namespace

void TCustomFFmpeg::OptTarget(const std::string& value)
{
    const std::string text = Trim(value);
    std::string norm = "auto";
    std::string type = text;
    for (const char* prefix : {"pal", "ntsc", "film"}) {
        const std::string p = std::string(prefix) + "-";
        if (text.compare(0, p.size(), p) == 0) {
            norm = prefix;
            type = text.substr(p.size());
            break;
        }
    }
    SetTarget(type, norm, "ntsc");
}

void TCustomFFmpeg::SetTarget(const std::string& type, const std::string& normText,
                              const std::string& defaultNorm)
{
    TNorm norm = normText == "pal" ? nmPAL : normText == "ntsc" ? nmNTSC : normText == "film" ? nmFilm : nmUnknown;
    if (norm == nmUnknown) {
        if (Fframe_rate.den == 0)
            throw FFmpegException("frame_rate is invalid.");
        norm = NormOfRate(Fframe_rate.num, Fframe_rate.den);
        for (int f = 0; f < Fnb_input_files && norm == nmUnknown; ++f) {
            const AVFormatContext* ic = Finput_files[f];
            for (unsigned i = 0; i < ic->nb_streams && norm == nmUnknown; ++i) {
                const AVStream* st = ic->streams[i];
                if (st->codecpar->codec_type == AVMEDIA_TYPE_VIDEO && st->avg_frame_rate.num
                    && st->avg_frame_rate.den)
                    norm = NormOfRate(st->avg_frame_rate.num, st->avg_frame_rate.den);
            }
        }
        if (norm == nmUnknown)
            norm = defaultNorm == "film" ? nmFilm : defaultNorm == "ntsc" ? nmNTSC : nmPAL;
        if (Fverbose > 0)
            GetLogger().Log(this, llVerbose, "Assuming %s for target.",
                            std::string(norm == nmPAL ? "PAL" : "NTSC"));
    }

    const bool pal = norm == nmPAL;
    auto aspect = [this](const char* ratio) {
        if (Fframe_aspect_ratio != 0)
            return;
        LogInfo(std::string("Assuming ") + ratio + " for aspect ratio");
        OptFrameAspectRatio(ratio);
    };
    // At least one channel more than mono.
    auto stereo = [this] {
        if (Faudio_channels == 1)
            Faudio_channels = 2;
    };

    if (type == "vcd") {
        OptVideoCodec("mpeg1video");
        OptAudioCodec("mp2");
        OptFormat("vcd");
        OptFrameSize(pal ? "352x288" : "352x240");
        OptFrameRate(TargetFrameRates[norm]);
        OptDefault("g", pal ? 15 : 18);
        OptDefault("b", 1150000);
        OptDefault("maxrate", 1150000);
        OptDefault("minrate", 1150000);
        OptDefault("bufsize", 327680);
        OptDefault("ab", 224000);
        Faudio_sample_rate = 44100;
        Faudio_channels = 2;
        OptDefault("packetsize", 2324);
        SetPrivateFormatOption("vcd", "muxrate", "1411200");
        Fmux_preload = 0.44f;
        aspect("4:3");
    } else if (type == "svcd") {
        OptVideoCodec("mpeg2video");
        OptAudioCodec("mp2");
        OptFormat("svcd");
        OptFrameSize(pal ? "480x576" : "480x480");
        OptFrameRate(TargetFrameRates[norm]);
        OptDefault("g", pal ? 15 : 18);
        OptDefault("b", 2040000);
        OptDefault("maxrate", 2516000);
        OptDefault("minrate", 0);
        OptDefault("bufsize", 1835008);
        SetPrivateCodecOption("mpeg2video", "scan_offset", "1");
        OptDefault("ab", 224000);
        Faudio_sample_rate = 44100;
        OptDefault("packetsize", 2324);
        stereo();
        aspect("4:3");
    } else if (type == "dvd") {
        OptVideoCodec("mpeg2video");
        OptAudioCodec("ac3");
        OptFormat("dvd");
        OptFrameSize(pal ? "720x576" : "720x480");
        OptFrameRate(TargetFrameRates[norm]);
        OptDefault("g", pal ? 15 : 18);
        OptDefault("b", 6000000);
        OptDefault("maxrate", 9000000);
        OptDefault("minrate", 0);
        OptDefault("bufsize", 1835008);
        OptDefault("packetsize", 2048);
        SetPrivateFormatOption("dvd", "muxrate", "10080000");
        OptDefault("ab", 448000);
        Faudio_sample_rate = 48000;
        stereo();
        aspect("16:9");
    } else if (type == "dv" || type == "dv50") {
        OptFormat("dv");
        OptFrameSize(pal ? "720x576" : "720x480");
        OptFramePixFmt(type == "dv50" ? "yuv422p" : pal ? "yuv420p" : "yuv411p");
        OptFrameRate(TargetFrameRates[norm]);
        Faudio_sample_rate = 48000;
        Faudio_channels = 2;
    } else {
        throw FFmpegException("Unknown target type");
    }
}
