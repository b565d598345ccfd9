// Options that only an encoder's or a muxer's own context knows (today's libraries keep them
// apart from the generic options the option contexts collect): checked against the encoder or
// muxer they are meant for when they are given, and set on the next stream or output made.

#include "engine/FFmpeg.h"

#include "engine/FFmpegEntries.h"
#include "engine/FFmpegLogger.h"

namespace {

bool HasOption(void* object, const std::string& name)
{
    return object && ff::av_opt_find(object, name.c_str(), nullptr, 0, 0);
}

} // namespace

bool TCustomFFmpeg::SetPrivateCodecOption(const std::string& encoderName, const std::string& name,
                                          const std::string& value)
{
    const AVCodec* encoder = ff::avcodec_find_encoder_by_name(encoderName.c_str());
    if (!encoder || !encoder->priv_class || encoder->type < AVMEDIA_TYPE_VIDEO
        || encoder->type > AVMEDIA_TYPE_SUBTITLE || encoder->type == AVMEDIA_TYPE_DATA)
        return false;
    // A context of the encoder's own (not opened) tells whether it takes the value.
    AVCodecContext* probe = ff::avcodec_alloc_context3(encoder);
    const bool taken = probe && HasOption(probe->priv_data, name)
                       && ff::av_opt_set(probe->priv_data, name.c_str(), value.c_str(), 0) >= 0;
    ff::avcodec_free_context(&probe);
    if (taken)
        Fcodec_private_opts[encoder->type].emplace_back(name, value);
    return taken;
}

bool TCustomFFmpeg::SetPrivateFormatOption(const std::string& formatName, const std::string& name,
                                           const std::string& value)
{
    const AVOutputFormat* format = ff::av_guess_format(formatName.c_str(), nullptr, nullptr);
    if (!format || !format->priv_class)
        return false;
    AVFormatContext* probe = nullptr;
    ff::avformat_alloc_output_context2(&probe, format, nullptr, nullptr);
    const bool taken = probe && HasOption(probe->priv_data, name)
                       && ff::av_opt_set(probe->priv_data, name.c_str(), value.c_str(), 0) >= 0;
    ff::avformat_free_context(probe);
    if (taken)
        Fformat_private_opts.emplace_back(name, value);
    return taken;
}

// The pending private options of the kind go to the stream's encoder; an encoder that lacks one
// (the options were meant for another encoder) leaves it aside.
void TCustomFFmpeg::ApplyPrivateCodecOptions(TStreamKind kind, AVCodecContext* codec)
{
    const char* encoderName = codec->codec ? codec->codec->name : "";
    for (const auto& [name, value] : Fcodec_private_opts[kind]) {
        if (HasOption(codec->priv_data, name)) {
            if (ff::av_opt_set(codec->priv_data, name.c_str(), value.c_str(), 0) >= 0)
                continue;
        }
        GetLogger().Log(this, llWarning, "Option %s=%s is not used by the encoder '%s'", name,
                        value, std::string(encoderName));
    }
    Fcodec_private_opts[kind].clear();
}

// False when the muxer has a pending option but refuses its value; options the muxer does not
// have are left aside.
bool TCustomFFmpeg::ApplyPrivateFormatOptions(AVFormatContext* oc)
{
    std::vector<TPrivateOption> options = std::exchange(Fformat_private_opts, {});
    for (const auto& [name, value] : options) {
        if (!HasOption(oc->priv_data, name)) {
            GetLogger().Log(this, llWarning, "Option %s=%s is not used by the format '%s'", name,
                            value, std::string(oc->oformat->name));
            continue;
        }
        if (ff::av_opt_set(oc->priv_data, name.c_str(), value.c_str(), 0) < 0)
            return false;
    }
    return true;
}
