// The video options.

#include "engine/FFmpeg.h"

#include "engine/FFmpegEntries.h"
#include "engine/OptionValues.h"

using namespace OptionValues;


namespace {

// The words of a "vhook" value: cut at "|" when it holds one, else at blanks; runs of separators
// count as one.
std::vector<std::string> HookWords(const std::string& value)
{
    const char separator = value.find('|') != std::string::npos ? '|' : ' ';
    std::vector<std::string> words;
    size_t pos = 0;
    while (pos < value.size()) {
        const size_t begin = value.find_first_not_of(separator, pos);
        if (begin == std::string::npos)
            break;
        const size_t end = value.find(separator, begin);
        words.push_back(value.substr(begin, end == std::string::npos ? std::string::npos : end - begin));
        pos = end == std::string::npos ? value.size() : end;
    }
    return words;
}

} // namespace

void TCustomFFmpeg::AddVideoOptions(TOptionTable& t)
{
    t["r"] = [](TCustomFFmpeg& c, const std::string&, const std::string& v) { c.OptFrameRate(v); };
    t["s"] = [](TCustomFFmpeg& c, const std::string&, const std::string& v) { c.OptFrameSize(v); };
    t["aspect"] = [](TCustomFFmpeg& c, const std::string&, const std::string& v) {
        c.OptFrameAspectRatio(v);
    };
    t["pix_fmt"] = [](TCustomFFmpeg& c, const std::string&, const std::string& v) {
        c.OptFramePixFmt(v);
    };
    t["croptop"] = [](TCustomFFmpeg& c, const std::string&, const std::string& v) {
        c.OptFrameCropTop(StrToInt(v));
    };
    t["cropbottom"] = [](TCustomFFmpeg& c, const std::string&, const std::string& v) {
        c.OptFrameCropBottom(StrToInt(v));
    };
    t["cropleft"] = [](TCustomFFmpeg& c, const std::string&, const std::string& v) {
        c.OptFrameCropLeft(StrToInt(v));
    };
    t["cropright"] = [](TCustomFFmpeg& c, const std::string&, const std::string& v) {
        c.OptFrameCropRight(StrToInt(v));
    };
    for (const char* name : {"b", "vb"})
        t[name] = [](TCustomFFmpeg& c, const std::string& n, const std::string& v) {
            c.OptBitrate(n, v);
        };
    t["qscale"] = [](TCustomFFmpeg& c, const std::string&, const std::string& v) {
        const double q = StrToFloat(v);
        if (q <= 0 || q > 255)
            throw FFmpegException("qscale must be > 0.0 and <= 255");
        c.Fvideo_qscale = static_cast<float>(q);
    };
    t["rc_override"] = [](TCustomFFmpeg& c, const std::string&, const std::string& v) {
        if (!v.empty())
            c.Fvideo_rc_override_string = v;
    };
    t["vcodec"] = [](TCustomFFmpeg& c, const std::string&, const std::string& v) {
        c.OptVideoCodec(v);
    };
    t["me_threshold"] = [](TCustomFFmpeg& c, const std::string&, const std::string& v) {
        c.Fme_threshold = StrToInt(v);
    };
    t["sameq"] = [](TCustomFFmpeg& c, const std::string&, const std::string& v) {
        c.Fsame_quality = FlagValue(v);
    };
    t["intra"] = [](TCustomFFmpeg& c, const std::string&, const std::string& v) {
        c.Fintra_only = FlagValue(v);
    };
    t["vn"] = [](TCustomFFmpeg& c, const std::string&, const std::string& v) {
        c.Fvideo_disable = FlagValue(v);
    };
    t["vdt"] = [](TCustomFFmpeg& c, const std::string&, const std::string& v) {
        c.Fvideo_discard = StrToInt(v);
    };
    t["deinterlace"] = [](TCustomFFmpeg& c, const std::string&, const std::string& v) {
        c.Fdo_deinterlace = FlagValue(v);
    };
    t["psnr"] = [](TCustomFFmpeg& c, const std::string&, const std::string& v) {
        c.Fdo_psnr = FlagValue(v);
    };
    t["top"] = [](TCustomFFmpeg& c, const std::string&, const std::string& v) {
        c.Ftop_field_first = StrToInt(v);
    };
    t["dc"] = [](TCustomFFmpeg& c, const std::string&, const std::string& v) {
        c.Fintra_dc_precision = StrToInt(v);
    };
    t["vtag"] = [](TCustomFFmpeg& c, const std::string&, const std::string& v) {
        c.OptVideoTag(v);
    };
    t["vlang"] = [](TCustomFFmpeg& c, const std::string&, const std::string& v) {
        c.Fvideo_language = v;
    };
    t["qphist"] = [](TCustomFFmpeg& c, const std::string&, const std::string& v) {
        c.Fqp_hist = FlagValue(v);
    };
    t["force_fps"] = [](TCustomFFmpeg& c, const std::string&, const std::string& v) {
        c.Fforce_fps = FlagValue(v);
    };
    t["vglobal"] = [](TCustomFFmpeg& c, const std::string&, const std::string& v) {
        c.Fvideo_global_header = StrToInt(v);
    };
    for (const char* name : {"vfilters", "vf"})
        t[name] = [](TCustomFFmpeg& c, const std::string&, const std::string& v) {
            c.OptVideoFilters(v);
        };
    t["vhook"] = [](TCustomFFmpeg& c, const std::string&, const std::string& v) {
        c.OptVideoHook(v);
    };
    t["vc"] = [](TCustomFFmpeg& c, const std::string&, const std::string& v) {
        c.Fvideo_channel = StrToInt(v);
    };
    t["tvstd"] = [](TCustomFFmpeg& c, const std::string&, const std::string& v) {
        if (!v.empty())
            c.Fvideo_standard = v;
    };
    t["vbsf"] = [](TCustomFFmpeg& c, const std::string& n, const std::string& v) {
        c.OptBitstreamFilter(n, v);
    };
}

void TCustomFFmpeg::OptFrameRate(const std::string& value)
{
    if (value.empty())
        return;
    AVRational rate{0, 0};
    if (ff::av_parse_video_rate(&rate, value.c_str()) < 0)
        throw FFmpegException("Incorrect frame rate");
    Fframe_rate = rate;
}

void TCustomFFmpeg::OptFrameSize(const std::string& value)
{
    if (value.empty())
        return;
    int width = 0, height = 0;
    if (ff::av_parse_video_size(&width, &height, value.c_str()) < 0)
        throw FFmpegException("Incorrect frame size");
    Fframe_width = width;
    Fframe_height = height;
}

void TCustomFFmpeg::OptFrameAspectRatio(const std::string& value)
{
    if (value.empty())
        return;
    double ratio = 0;
    if (const size_t colon = value.find(':'); colon != std::string::npos) {
        const int x = StrToIntDef(value.substr(0, colon), 0);
        const int y = StrToIntDef(value.substr(colon + 1), 0);
        ratio = y > 0 ? static_cast<double>(x) / y : 0;
    } else {
        ratio = StrToFloatDef(value, 0);
    }
    if (ratio == 0)
        throw FFmpegException("Incorrect aspect ratio specification.");
    Fframe_aspect_ratio = static_cast<float>(ratio);
}

void TCustomFFmpeg::OptFramePixFmt(const std::string& value)
{
    if (value.empty())
        return;
    if (value == "list") {
        char line[128];
        LogInfo(Trim(ff::av_get_pix_fmt_string(line, sizeof line, AV_PIX_FMT_NONE)));
        for (const AVPixFmtDescriptor* d = ff::av_pix_fmt_desc_next(nullptr); d;
             d = ff::av_pix_fmt_desc_next(d))
            LogInfo(Trim(ff::av_get_pix_fmt_string(line, sizeof line,
                                                      ff::av_pix_fmt_desc_get_id(d))));
        return;
    }
    Fframe_pix_fmt = ff::av_get_pix_fmt(value.c_str());
    Fframe_pix_fmt_requested = Fframe_pix_fmt != AV_PIX_FMT_NONE;
    if (Fframe_pix_fmt == AV_PIX_FMT_NONE)
        throw FFmpegException("Unknown pixel format requested: " + value);
}

void TCustomFFmpeg::OptFrameCrop(int value, int& band, int& dimension, bool vertical)
{
    if (value <= 0)
        return;
    if (value >= dimension)
        throw FFmpegException(std::string(vertical ? "Vertical" : "Horizontal")
                              + " crop dimensions are outside the range of the original image.\n"
                                "Remember to crop first and scale second.");
    band = value;
    dimension -= value;
}

void TCustomFFmpeg::OptFrameCropTop(int value)
{
    OptFrameCrop(value, Fframe_topBand, Fframe_height, true);
    if (value > 0)
        LogWarning("CropTop is deprecated in favor of the crop avfilter");
}

void TCustomFFmpeg::OptFrameCropBottom(int value)
{
    OptFrameCrop(value, Fframe_bottomBand, Fframe_height, true);
    if (value > 0)
        LogWarning("CropBottom is deprecated in favor of the crop avfilter");
}

void TCustomFFmpeg::OptFrameCropLeft(int value)
{
    OptFrameCrop(value, Fframe_leftBand, Fframe_width, false);
    if (value > 0)
        LogWarning("CropLeft is deprecated in favor of the crop avfilter");
}

void TCustomFFmpeg::OptFrameCropRight(int value)
{
    OptFrameCrop(value, Fframe_rightBand, Fframe_width, false);
    if (value > 0)
        LogWarning("CropRight is deprecated in favor of the crop avfilter");
}

void TCustomFFmpeg::OptBitrate(const std::string& name, const std::string& value)
{
    if (value.empty())
        return;
    const bool audio = name[0] == 'a';
    // "b" is the video bit rate; the library's "b" would also reach the audio contexts.
    if (!OptDefault(name == "b" ? "vb" : name, value))
        return;
    std::int64_t rate = 0;
    ff::av_opt_get_int(FOptions.avcodec_opts[audio ? skAudio : skVideo], "b", 0, &rate);
    if (rate < 1000)
        LogWarning("WARNING: The bitrate parameter is set too low. It takes bits/s as argument, "
                   "not kbits/s");
}

void TCustomFFmpeg::OptCodec(std::string& codecName, int& streamCopy, const std::string& value)
{
    if (value.empty())
        return;
    codecName.clear();
    if (value == "copy")
        streamCopy = 1;
    else
        codecName = value;
}

void TCustomFFmpeg::OptVideoCodec(const std::string& value)
{
    OptCodec(Fvideo_codec_name, Fvideo_stream_copy, value);
}

void TCustomFFmpeg::OptTag(std::uint32_t& tag, const std::string& value, const char* kind)
{
    if (value.empty())
        return;
    ZD_ASSERT(value.size() == 4, std::string(kind) + " tag parameter must be 4 chars");
    tag = 0;
    for (int i = 3; i >= 0; --i)
        tag = (tag << 8) | static_cast<unsigned char>(value[i]);
}

void TCustomFFmpeg::OptVideoTag(const std::string& value)
{
    OptTag(Fvideo_codec_tag, value, "video");
}

void TCustomFFmpeg::OptVideoFilters(const std::string& value)
{
    if (!value.empty())
        Fvfilters = value;
}

void TCustomFFmpeg::OptVideoHook(const std::string& value)
{
    const std::vector<std::string> words = HookWords(value);
    if (words.size() > static_cast<size_t>(MAX_HOOK_WORDS))
        throw FFmpegException("Too many words in video hook (at most "
                              + std::to_string(MAX_HOOK_WORDS) + "): " + value);
    if (AddFrameHook(FFirstHook, words) != 0)
        throw FFmpegException("Failed to add video hook function: " + value);
    Fusing_vhook = true;
}

void TCustomFFmpeg::OptBitstreamFilter(const std::string& name, const std::string& value)
{
    if (value.empty() || value[0] == '=')
        return;
    const std::string filterName = value.substr(0, value.find('='));
    const AVBitStreamFilter* filter = ff::av_bsf_get_by_name(filterName.c_str());
    AVBSFContext* context = nullptr;
    if (!filter || ff::av_bsf_alloc(filter, &context) < 0)
        throw FFmpegException("Unknown bitstream filter " + Trim(value));
    std::vector<AVBSFContext*>& chain = name[0] == 'v'   ? Fvideo_bitstream_filters
                                        : name[0] == 'a' ? Faudio_bitstream_filters
                                                         : Fsubtitle_bitstream_filters;
    chain.push_back(context);
}
