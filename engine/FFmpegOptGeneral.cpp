// The general options, the options that only log, and the refused ones.

#include "engine/FFmpeg.h"

#include "engine/FFmpegLogger.h"
#include "engine/OptionValues.h"

using namespace OptionValues;

void TCustomFFmpeg::AddGeneralOptions(TOptionTable& t)
{
    for (const char* name : {"L", "h", "version", "formats", "codecs", "bsfs", "protocols",
                             "filters", "i", "y", "benchmark"})
        t[name] = [](TCustomFFmpeg& c, const std::string& n, const std::string&) {
            c.LogInfo("Do nothing: option - " + n);
        };
    t["threads"] = [](TCustomFFmpeg&, const std::string& n, const std::string&) {
        throw FFmpegException("TODO: option - " + n);
    };
    for (const char* name : {"padtop", "padbottom", "padleft", "padright", "padcolor"})
        t[name] = [](TCustomFFmpeg&, const std::string&, const std::string&) {
            throw FFmpegException("Please use vfilters=pad");
        };
    t["timelimit"] = [](TCustomFFmpeg& c, const std::string&, const std::string&) {
        c.LogWarning("Warning: -timelimit not implemented on Windows");
    };

    t["loglevel"] = [](TCustomFFmpeg&, const std::string&, const std::string& v) {
        GetLogger().OptLogLevel(v);
    };
    t["v"] = [](TCustomFFmpeg& c, const std::string&, const std::string& v) {
        c.OptVerbose(StrToInt(v));
    };
    t["xerror"] = [](TCustomFFmpeg& c, const std::string&, const std::string&) {
        c.Fexit_on_error = true;
    };
    t["dump"] = [](TCustomFFmpeg& c, const std::string&, const std::string& v) {
        c.Fdo_pkt_dump = FlagValue(v);
    };
    t["hex"] = [](TCustomFFmpeg& c, const std::string&, const std::string& v) {
        c.Fdo_hex_dump = FlagValue(v);
    };
    t["re"] = [](TCustomFFmpeg& c, const std::string&, const std::string& v) {
        c.Frate_emu = FlagValue(v);
    };
    t["loop_input"] = [](TCustomFFmpeg& c, const std::string&, const std::string& v) {
        c.Floop_input = FlagValue(v);
    };
    t["loop_output"] = [](TCustomFFmpeg& c, const std::string&, const std::string& v) {
        c.Floop_output = StrToInt(v);
    };
    t["programid"] = [](TCustomFFmpeg& c, const std::string&, const std::string& v) {
        c.Fopt_programid = StrToInt(v);
    };
    t["isync"] = [](TCustomFFmpeg& c, const std::string&, const std::string& v) {
        c.Finput_sync = FlagValue(v);
    };
    t["copyts"] = [](TCustomFFmpeg& c, const std::string&, const std::string&) {
        c.Fcopy_ts = true;
    };
    t["shortest"] = [](TCustomFFmpeg& c, const std::string&, const std::string& v) {
        c.Fopt_shortest = FlagValue(v);
    };
    t["vsync"] = [](TCustomFFmpeg& c, const std::string&, const std::string& v) {
        c.Fvideo_sync_method = StrToInt(v);
    };
    t["async"] = [](TCustomFFmpeg& c, const std::string&, const std::string& v) {
        c.Faudio_sync_method = StrToInt(v);
    };
    t["adrift_threshold"] = [](TCustomFFmpeg& c, const std::string&, const std::string& v) {
        c.Faudio_drift_threshold = static_cast<float>(StrToFloat(v));
    };
    t["dts_delta_threshold"] = [](TCustomFFmpeg& c, const std::string&, const std::string& v) {
        c.Fdts_delta_threshold = static_cast<float>(StrToFloat(v));
    };
    t["copyinkf"] = [](TCustomFFmpeg& c, const std::string&, const std::string& v) {
        c.Fcopy_initial_nonkeyframes = StrToInt(v);
    };
    t["fs"] = [](TCustomFFmpeg& c, const std::string&, const std::string& v) {
        c.Flimit_filesize = StrToInt64(v);
    };
    t["vframes"] = [](TCustomFFmpeg& c, const std::string&, const std::string& v) {
        c.Fmax_frames[skVideo] = StrToInt(v);
    };
    t["aframes"] = [](TCustomFFmpeg& c, const std::string&, const std::string& v) {
        c.Fmax_frames[skAudio] = StrToInt(v);
    };
    t["dframes"] = [](TCustomFFmpeg& c, const std::string&, const std::string& v) {
        c.Fmax_frames[skData] = StrToInt(v);
    };
    t["muxdelay"] = [](TCustomFFmpeg& c, const std::string&, const std::string& v) {
        c.Fmux_max_delay = static_cast<float>(StrToFloat(v));
    };
    t["muxpreload"] = [](TCustomFFmpeg& c, const std::string&, const std::string& v) {
        c.Fmux_preload = static_cast<float>(StrToFloat(v));
    };
}

void TCustomFFmpeg::OptVerbose(int value)
{
    Fverbose = value;
}
