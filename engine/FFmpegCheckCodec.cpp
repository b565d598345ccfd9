// Codecs by name: the check of a forced decoder or a named encoder, and the encoders that the
// installed library lacks, replaced by their nearest counterpart.

#include "engine/FFmpeg.h"

#include "engine/FFmpegEntries.h"
#include "engine/FFmpegLogger.h"

namespace {

struct TEncoderSubstitute {
    const char* missing;
    // Nearest first; the first one the output container accepts stands in.
    const char* replacements[2];
};

// Encoders the format catalogue names that today's libraries do not build. MPEG program streams
// refuse AAC, so MP2 follows it; the MP4 family takes no Microsoft variant, so MPEG-4 part 2
// follows those. AMR-NB's own container accepts nothing else, so there it has no stand-in.
constexpr TEncoderSubstitute kSubstitutes[] = {
    {"libfaac", {"aac", "mp2"}},
    {"msmpeg4v1", {"msmpeg4v2", "mpeg4"}},
    {"libopencore_amrnb", {"aac", nullptr}},
};

const TEncoderSubstitute* FindSubstitute(const std::string& name)
{
    for (const TEncoderSubstitute& s : kSubstitutes)
        if (name == s.missing)
            return &s;
    return nullptr;
}

// The first replacement the library has and the container (when known) accepts.
const AVCodec* PickReplacement(const TEncoderSubstitute& substitute, const AVOutputFormat* container,
                               int strictness)
{
    for (const char* replacement : substitute.replacements) {
        if (!replacement)
            break;
        const AVCodec* codec = ff::avcodec_find_encoder_by_name(replacement);
        if (codec && (!container || ff::avformat_query_codec(container, codec->id, strictness) == 1))
            return codec;
    }
    return nullptr;
}

void AnnounceSubstitute(const std::string& name, const AVCodec* codec, const void* sender)
{
    GetLogger().LogOnce(sender, llWarning,
                        "Encoder '" + name + "' is not available, '" + codec->name + "' is used instead");
}

} // namespace

bool TCustomFFmpeg::CheckCodec(const std::string& name, AVMediaType kind, AVCodecID& id,
                               int strictness, bool encoder, const AVCodec** found,
                               const AVOutputFormat* container)
{
    if (found)
        *found = nullptr;
    if (name.empty()) {
        id = AV_CODEC_ID_NONE;
        return true;
    }
    const std::string kindWord = encoder ? "encoder" : "decoder";
    const AVCodec* codec = encoder ? ff::avcodec_find_encoder_by_name(name.c_str())
                                   : ff::avcodec_find_decoder_by_name(name.c_str());
    if (!codec && encoder) {
        if (const TEncoderSubstitute* substitute = FindSubstitute(name)) {
            codec = PickReplacement(*substitute, container, strictness);
            if (!codec) {
                FLastErrMsg = "Encoder '" + name + "' is not available";
                if (container)
                    FLastErrMsg += std::string(", and no encoder the '") + container->name
                                   + "' format accepts stands in for it";
                return false;
            }
            AnnounceSubstitute(name, codec, this);
        }
    }
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
