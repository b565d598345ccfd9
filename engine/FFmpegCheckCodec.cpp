// Codecs by name: the check of a forced decoder or a named encoder, and the encoders that the
// installed library lacks, replaced by their nearest counterpart.

#include "engine/FFmpeg.h"

#include "engine/FFmpegEntries.h"
#include "engine/FFmpegLogger.h"

#include <mutex>
#include <set>

namespace {

struct TEncoderSubstitute {
    const char* missing;
    const char* replacement;
};

// Encoders the format catalogue names that today's libraries do not build.
constexpr TEncoderSubstitute kSubstitutes[] = {
    {"libfaac", "aac"},
    {"msmpeg4v1", "msmpeg4v2"},
    {"libopencore_amrnb", "aac"},
};

// The encoder of that name, or its substitute (announced once per process and name).
const AVCodec* FindEncoderByName(const std::string& name, const void* sender)
{
    if (const AVCodec* codec = ff::avcodec_find_encoder_by_name(name.c_str()))
        return codec;
    for (const TEncoderSubstitute& s : kSubstitutes) {
        if (name != s.missing)
            continue;
        const AVCodec* codec = ff::avcodec_find_encoder_by_name(s.replacement);
        if (!codec)
            return nullptr;
        static std::mutex lock;
        static std::set<std::string> announced;
        bool first;
        {
            std::lock_guard<std::mutex> guard(lock);
            first = announced.insert(name).second;
        }
        if (first)
            GetLogger().Log(sender, llWarning, "Encoder '%s' is not available, '%s' is used instead",
                            name, std::string(s.replacement));
        return codec;
    }
    return nullptr;
}

} // namespace

bool TCustomFFmpeg::CheckCodec(const std::string& name, AVMediaType kind, AVCodecID& id,
                               int strictness, bool encoder, const AVCodec** found)
{
    if (found)
        *found = nullptr;
    if (name.empty()) {
        id = AV_CODEC_ID_NONE;
        return true;
    }
    const std::string kindWord = encoder ? "encoder" : "decoder";
    const AVCodec* codec = encoder ? FindEncoderByName(name, this)
                                   : ff::avcodec_find_decoder_by_name(name.c_str());
    if (!codec) {
        FLastErrMsg = "Unknown " + kindWord + " '" + name + "'";
        return false;
    }
    if (codec->type != kind) {
        FLastErrMsg = "Invalid " + kindWord + " type '" + name + "'";
        return false;
    }
    if ((codec->capabilities & AV_CODEC_CAP_EXPERIMENTAL) && strictness > FF_COMPLIANCE_EXPERIMENTAL) {
        FLastErrMsg = kindWord + " '" + codec->name + "' is experimental and might produce bad "
                      "results.\r\nAdd '-strict experimental' if you want to use it.";
        const AVCodec* other = encoder ? ff::avcodec_find_encoder(codec->id)
                                       : ff::avcodec_find_decoder(codec->id);
        if (other && !(other->capabilities & AV_CODEC_CAP_EXPERIMENTAL))
            FLastErrMsg += "\r\nOr use the non experimental " + kindWord + " '" + other->name + "'.";
        return false;
    }
    id = codec->id;
    if (found)
        *found = codec;
    return true;
}
