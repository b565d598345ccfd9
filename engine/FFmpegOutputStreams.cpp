// The streams of an output: one video, audio or subtitle stream made from the pending settings
// of its kind, with its own codec context configured for the encoder (or for a copy), and the
// format pickers that fit the settings to what the encoder supports.

#include "engine/FFmpeg.h"

#include "engine/FFmpegEntries.h"
#include "engine/FFmpegLogger.h"

#include <cstring>
#include <cstdlib>

namespace {

constexpr float kQuantiserToLambda = 118;

// The stream's encoder format among the encoder's formats; the first listed one otherwise.
void PickSampleFormat(AVCodecContext* codec, const AVCodec* encoder)
{
    if (!encoder || !encoder->sample_fmts)
        return;
    for (const AVSampleFormat* f = encoder->sample_fmts; *f != AV_SAMPLE_FMT_NONE; ++f)
        if (*f == codec->sample_fmt)
            return;
    codec->sample_fmt = encoder->sample_fmts[0];
}

// The encoder's sample rate nearest to the stream's (the first of equally near ones).
void PickSampleRate(AVCodecContext* codec, const AVCodec* encoder, const void* sender)
{
    if (!encoder || !encoder->supported_samplerates)
        return;
    int best = 0;
    long bestDistance = -1;
    for (const int* r = encoder->supported_samplerates; *r; ++r) {
        const long distance = std::labs(static_cast<long>(codec->sample_rate) - *r);
        if (bestDistance < 0 || distance < bestDistance) {
            best = *r;
            bestDistance = distance;
        }
    }
    if (bestDistance > 0)
        GetLogger().Log(sender, llWarning,
                        "Requested sampling rate unsupported using closest supported (%d)", best);
    codec->sample_rate = best;
}

// A channel layout the encoder takes: the stream's own when listed, else a listed one of the same
// count, else stereo, else mono, else the first listed; the resampler mixes the input down to it.
void PickChannelLayout(AVCodecContext* codec, const AVCodec* encoder, const void* sender)
{
    if (!encoder || !encoder->ch_layouts || !encoder->ch_layouts[0].nb_channels)
        return;
    const AVChannelLayout* sameCount = nullptr;
    const AVChannelLayout* stereo = nullptr;
    const AVChannelLayout* mono = nullptr;
    for (const AVChannelLayout* l = encoder->ch_layouts; l->nb_channels; ++l) {
        if (ff::av_channel_layout_compare(l, &codec->ch_layout) == 0)
            return;
        if (!sameCount && l->nb_channels == codec->ch_layout.nb_channels)
            sameCount = l;
        const AVChannelLayout stereoLayout = AV_CHANNEL_LAYOUT_STEREO;
        const AVChannelLayout monoLayout = AV_CHANNEL_LAYOUT_MONO;
        if (!stereo && ff::av_channel_layout_compare(l, &stereoLayout) == 0)
            stereo = l;
        if (!mono && ff::av_channel_layout_compare(l, &monoLayout) == 0)
            mono = l;
    }
    const AVChannelLayout* pick = sameCount ? sameCount : stereo ? stereo : mono ? mono : encoder->ch_layouts;
    ff::av_channel_layout_uninit(&codec->ch_layout);
    ff::av_channel_layout_copy(&codec->ch_layout, pick);
    if (pick != sameCount) {
        char name[64] = "";
        ff::av_channel_layout_describe(pick, name, sizeof name);
        GetLogger().Log(sender, llWarning, "Requested channel layout unsupported using closest supported (%s)",
                        std::string(name));
    }
}

// 8-bit luma with chroma halved both ways: what players and devices decode.
bool IsPlainYuv420(AVPixelFormat format)
{
    const AVPixFmtDescriptor* d = ff::av_pix_fmt_desc_get(format);
    return d && d->nb_components == 3 && d->log2_chroma_w == 1 && d->log2_chroma_h == 1 && d->comp[0].depth == 8
           && !(d->flags & (AV_PIX_FMT_FLAG_RGB | AV_PIX_FMT_FLAG_PAL | AV_PIX_FMT_FLAG_HWACCEL));
}

// The stream's pixel format among the encoder's; the first listed one otherwise (MJPEG with a
// lowered strictness keeps the plain YUV formats). A format taken over from the input (none was
// asked for) gives way to 8-bit 4:2:0 where the encoder has it: a 10-bit, 4:2:2, 4:4:4 or grey
// input would otherwise give a file that most players and devices cannot decode.
void PickPixelFormat(AVCodecContext* codec, const AVCodec* encoder, bool requested)
{
    if (!encoder || !encoder->pix_fmts)
        return;
    const auto listed = [encoder](AVPixelFormat format) {
        for (const AVPixelFormat* f = encoder->pix_fmts; *f != AV_PIX_FMT_NONE; ++f)
            if (*f == format)
                return true;
        return false;
    };
    if (!requested && !IsPlainYuv420(codec->pix_fmt))
        for (const AVPixelFormat* f = encoder->pix_fmts; *f != AV_PIX_FMT_NONE; ++f)
            if (IsPlainYuv420(*f)) {
                codec->pix_fmt = *f;
                return;
            }
    if (listed(codec->pix_fmt))
        return;
    if (codec->codec_id == AV_CODEC_ID_MJPEG && codec->strict_std_compliance < 0
        && (codec->pix_fmt == AV_PIX_FMT_YUV420P || codec->pix_fmt == AV_PIX_FMT_YUV422P))
        return;
    codec->pix_fmt = encoder->pix_fmts[0];
}

// The sample aspect ratio that gives the display aspect ratio at that size (at 0 by 0 the
// aspect of a 4:3 picture), as the nearest fraction of terms up to 255.
AVRational SampleAspectRatio(int width, int height, float aspect)
{
    const double d = width * height != 0 ? static_cast<double>(height) * aspect / width
                                         : static_cast<double>(aspect) * 3 / 4;
    return ff::av_d2q(d, 255);
}

// Parses "start,end,q/start,end,q/...": q above 0 is a quantiser, otherwise -q/100 a quality
// factor. False on a missing start or end or a missing comma after either.
bool ParseRcOverride(const std::string& text, std::vector<RcOverride>& overrides)
{
    overrides.clear();
    const char* p = text.c_str();
    while (true) {
        char* end = nullptr;
        RcOverride o{};
        o.start_frame = static_cast<int>(std::strtol(p, &end, 10));
        if (end == p || *end != ',')
            return false;
        p = end + 1;
        o.end_frame = static_cast<int>(std::strtol(p, &end, 10));
        if (end == p || *end != ',')
            return false;
        p = end + 1;
        const int q = static_cast<int>(std::strtol(p, &end, 10));
        p = end;
        if (q > 0) {
            o.qscale = q;
            o.quality_factor = 1.0f;
        } else {
            o.qscale = 0;
            o.quality_factor = -q / 100.0f;
        }
        overrides.push_back(o);
        const char* slash = std::strchr(p, '/');
        if (!slash)
            return true;
        p = slash + 1;
    }
}

void SetLanguage(AVStream* st, std::string& language)
{
    if (!language.empty())
        ff::av_dict_set(&st->metadata, "language", language.c_str(), 0);
    language.clear();
}

// A stream and its slot; the slot list only grows once everything that can be refused has been
// checked, so that a refused stream leaves no trace in the output.
TOutputCodec& AddStream(std::vector<TOutputCodec>& slots, AVFormatContext* oc,
                               const AVCodec* encoder, AVMediaType kind, int id)
{
    AVStream* st = ff::avformat_new_stream(oc, nullptr);
    AVCodecContext* codec = st ? ff::avcodec_alloc_context3(encoder) : nullptr;
    if (!codec)
        throw FFmpegException("Could not alloc stream");
    st->id = id;
    codec->codec_type = kind;
    TOutputCodec slot;
    slot.st = st;
    slot.codec = codec;
    slot.encoder = encoder;
    slots.push_back(std::move(slot));
    return slots.back();
}

} // namespace

void TCustomFFmpeg::NewVideoStream(AVFormatContext* oc)
{
    auto refuse = [this](const std::string& message) {
        Fvideo_codec_name.clear();
        throw FFmpegException(message);
    };
    if (oc->nb_streams >= static_cast<unsigned>(MAX_STREAMS))
        refuse("Too many streams in one output (at most " + std::to_string(MAX_STREAMS) + ")");

    const bool copy = Fvideo_stream_copy != 0;
    const AVCodec* encoder = nullptr;
    AVCodecID id = AV_CODEC_ID_NONE;
    std::vector<RcOverride> overrides;
    if (!copy) {
        if (!Fvideo_codec_name.empty()) {
            if (!CheckCodec(Fvideo_codec_name, AVMEDIA_TYPE_VIDEO, id,
                            FOptions.avcodec_opts[skVideo]->strict_std_compliance, true, &encoder, oc->oformat))
                refuse(FLastErrMsg);
        } else {
            id = ff::av_guess_codec(oc->oformat, nullptr, oc->url, nullptr, AVMEDIA_TYPE_VIDEO);
            encoder = ff::avcodec_find_encoder(id);
        }
        if (!Fvideo_rc_override_string.empty() && !ParseRcOverride(Fvideo_rc_override_string, overrides))
            refuse("error parsing rc_override");
    }

    TOutputCodec& slot = AddStream(Foutput_codecs, oc, encoder, AVMEDIA_TYPE_VIDEO,
                                   Fstreamid_map[oc->nb_streams]);
    AVStream* st = slot.st;
    AVCodecContext* codec = slot.codec;
    codec->thread_count = Fthread_count;
    slot.bitstream_filters = TakeBitstreamFilters(skVideo);
    if (Fvideo_codec_tag)
        codec->codec_tag = Fvideo_codec_tag;

    if (copy) {
        slot.stream_copy = true;
        st->sample_aspect_ratio = codec->sample_aspect_ratio =
            SampleAspectRatio(Fframe_width, Fframe_height, Fframe_aspect_ratio);
        Fcodec_private_opts[skVideo].clear();
    } else {
        codec->codec_id = id;
        ApplyFFOptions(FOptions, codec, FOptions.avcodec_opts[skVideo],
                       AV_OPT_FLAG_VIDEO_PARAM | AV_OPT_FLAG_ENCODING_PARAM);
        ApplyPrivateCodecOptions(skVideo, codec);

        AVRational rate = Fframe_rate.num ? Fframe_rate : AVRational{25, 1};
        if (encoder && encoder->supported_framerates && !Fforce_fps)
            rate = encoder->supported_framerates[ff::av_find_nearest_q_idx(rate, encoder->supported_framerates)];
        codec->time_base = AVRational{rate.den, rate.num};
        codec->framerate = rate;
        codec->width = Fframe_width;
        codec->height = Fframe_height;
        codec->sample_aspect_ratio = SampleAspectRatio(Fframe_width, Fframe_height, Fframe_aspect_ratio);
        codec->pix_fmt = static_cast<AVPixelFormat>(Fframe_pix_fmt);
        st->sample_aspect_ratio = codec->sample_aspect_ratio;
        PickPixelFormat(codec, encoder, Fframe_pix_fmt_requested);

        if (Fintra_only)
            codec->gop_size = 0;
        if (Fvideo_qscale != 0 || Fsame_quality) {
            codec->flags |= AV_CODEC_FLAG_QSCALE;
            slot.quality = kQuantiserToLambda * Fvideo_qscale;
            codec->global_quality = static_cast<int>(slot.quality);
        }
        for (auto [source, target] : {std::pair{&Fintra_matrix, &codec->intra_matrix},
                                      std::pair{&Finter_matrix, &codec->inter_matrix}}) {
            if (source->empty())
                continue;
            // The codec context frees its matrices itself.
            *target = static_cast<std::uint16_t*>(ff::av_malloc(source->size() * sizeof(std::uint16_t)));
            if (*target)
                std::copy(source->begin(), source->end(), *target);
        }
        if (!overrides.empty()) {
            codec->rc_override = static_cast<RcOverride*>(ff::av_malloc(overrides.size() * sizeof(RcOverride)));
            if (codec->rc_override) {
                std::copy(overrides.begin(), overrides.end(), codec->rc_override);
                codec->rc_override_count = static_cast<int>(overrides.size());
            }
        }
        if (codec->rc_initial_buffer_occupancy == 0)
            codec->rc_initial_buffer_occupancy = codec->rc_buffer_size * 3 / 4;
        codec->intra_dc_precision = Fintra_dc_precision - 8;
        if (Fdo_psnr)
            codec->flags |= AV_CODEC_FLAG_PSNR;
        if (Fdo_pass == 1)
            codec->flags |= AV_CODEC_FLAG_PASS1;
        else if (Fdo_pass == 2)
            codec->flags |= AV_CODEC_FLAG_PASS2;
    }
    if ((Fvideo_global_header & 1)
        || (Fvideo_global_header == 0 && (oc->oformat->flags & AVFMT_GLOBALHEADER)))
        codec->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    if (Fvideo_global_header & 2)
        codec->flags2 |= AV_CODEC_FLAG2_LOCAL_HEADER;

    SetLanguage(st, Fvideo_language);
    Fvideo_disable = false;
    Fvideo_codec_name.clear();
    Fvideo_stream_copy = 0;
    Fframe_pix_fmt = AV_PIX_FMT_NONE;
    Fframe_pix_fmt_requested = false;
}

void TCustomFFmpeg::NewAudioStream(AVFormatContext* oc)
{
    auto refuse = [this](const std::string& message) {
        Faudio_codec_name.clear();
        Faudio_language.clear();
        throw FFmpegException(message);
    };
    if (oc->nb_streams >= static_cast<unsigned>(MAX_STREAMS))
        refuse("Too many streams in one output (at most " + std::to_string(MAX_STREAMS) + ")");

    const bool copy = Faudio_stream_copy != 0;
    const AVCodec* encoder = nullptr;
    AVCodecID id = AV_CODEC_ID_NONE;
    if (!copy) {
        if (!Faudio_codec_name.empty()) {
            if (!CheckCodec(Faudio_codec_name, AVMEDIA_TYPE_AUDIO, id,
                            FOptions.avcodec_opts[skAudio]->strict_std_compliance, true, &encoder, oc->oformat))
                refuse(FLastErrMsg);
        } else {
            id = ff::av_guess_codec(oc->oformat, nullptr, oc->url, nullptr, AVMEDIA_TYPE_AUDIO);
            encoder = ff::avcodec_find_encoder(id);
        }
    }

    TOutputCodec& slot = AddStream(Foutput_codecs, oc, encoder, AVMEDIA_TYPE_AUDIO,
                                   Fstreamid_map[oc->nb_streams]);
    AVStream* st = slot.st;
    AVCodecContext* codec = slot.codec;
    codec->thread_count = Fthread_count;
    slot.bitstream_filters = TakeBitstreamFilters(skAudio);
    if (Faudio_codec_tag)
        codec->codec_tag = Faudio_codec_tag;

    if (copy) {
        slot.stream_copy = true;
        ff::av_channel_layout_default(&codec->ch_layout, Faudio_channels);
        codec->sample_rate = Faudio_sample_rate;
        Fcodec_private_opts[skAudio].clear();
    } else {
        codec->codec_id = id;
        ApplyFFOptions(FOptions, codec, FOptions.avcodec_opts[skAudio],
                       AV_OPT_FLAG_AUDIO_PARAM | AV_OPT_FLAG_ENCODING_PARAM);
        ApplyPrivateCodecOptions(skAudio, codec);
        if (Faudio_qscale > -99999.0f) {
            codec->flags |= AV_CODEC_FLAG_QSCALE;
            slot.quality = kQuantiserToLambda * Faudio_qscale;
            codec->global_quality = static_cast<int>(slot.quality);
        }
        // A layout that does not hold the channel count gives way to the count's default one.
        ff::av_channel_layout_uninit(&codec->ch_layout);
        if (Fchannel_layout == 0 || __builtin_popcountll(Fchannel_layout) != Faudio_channels
            || ff::av_channel_layout_from_mask(&codec->ch_layout, Fchannel_layout) < 0)
            ff::av_channel_layout_default(&codec->ch_layout, Faudio_channels);
        codec->sample_fmt = static_cast<AVSampleFormat>(Faudio_sample_fmt);
        codec->sample_rate = Faudio_sample_rate;
        PickSampleFormat(codec, encoder);
        PickSampleRate(codec, encoder, this);
        PickChannelLayout(codec, encoder, this);
        if (codec->sample_rate > 0)
            codec->time_base = AVRational{1, codec->sample_rate};
    }
    if (oc->oformat->flags & AVFMT_GLOBALHEADER)
        codec->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;

    SetLanguage(st, Faudio_language);
    Faudio_disable = false;
    Faudio_codec_name.clear();
    Faudio_stream_copy = 0;
}

void TCustomFFmpeg::NewSubtitleStream(AVFormatContext* oc)
{
    auto refuse = [this](const std::string& message) {
        Fsubtitle_codec_name.clear();
        Fsubtitle_language.clear();
        throw FFmpegException(message);
    };
    if (oc->nb_streams >= static_cast<unsigned>(MAX_STREAMS))
        refuse("Too many streams in one output (at most " + std::to_string(MAX_STREAMS) + ")");

    const bool copy = Fsubtitle_stream_copy != 0;
    const AVCodec* encoder = nullptr;
    AVCodecID id = AV_CODEC_ID_NONE;
    if (!copy) {
        if (!Fsubtitle_codec_name.empty()) {
            if (!CheckCodec(Fsubtitle_codec_name, AVMEDIA_TYPE_SUBTITLE, id,
                            FOptions.avcodec_opts[skSubtitle]->strict_std_compliance, true, &encoder, oc->oformat))
                refuse(FLastErrMsg);
        } else {
            // Without a name the container's own subtitle codec, as for video and audio: no
            // codec at all could never be encoded.
            id = ff::av_guess_codec(oc->oformat, nullptr, oc->url, nullptr, AVMEDIA_TYPE_SUBTITLE);
            encoder = ff::avcodec_find_encoder(id);
        }
    }

    TOutputCodec& slot = AddStream(Foutput_codecs, oc, encoder, AVMEDIA_TYPE_SUBTITLE,
                                   Fstreamid_map[oc->nb_streams]);
    AVCodecContext* codec = slot.codec;
    slot.bitstream_filters = TakeBitstreamFilters(skSubtitle);
    if (Fsubtitle_codec_tag)
        codec->codec_tag = Fsubtitle_codec_tag;
    if (copy) {
        slot.stream_copy = true;
        Fcodec_private_opts[skSubtitle].clear();
    } else {
        ApplyFFOptions(FOptions, codec, FOptions.avcodec_opts[skSubtitle],
                       AV_OPT_FLAG_SUBTITLE_PARAM | AV_OPT_FLAG_ENCODING_PARAM);
        ApplyPrivateCodecOptions(skSubtitle, codec);
        codec->codec_id = id;
    }

    SetLanguage(slot.st, Fsubtitle_language);
    Fsubtitle_disable = false;
    Fsubtitle_codec_name.clear();
    Fsubtitle_stream_copy = 0;
}

void TCustomFFmpeg::OptNewVideoStream()
{
    if (Fnb_output_files == 0)
        throw FFmpegException("At least one output file must be specified");
    NewVideoStream(Foutput_files[Fnb_output_files - 1]);
}

void TCustomFFmpeg::OptNewAudioStream()
{
    if (Fnb_output_files == 0)
        throw FFmpegException("At least one output file must be specified");
    NewAudioStream(Foutput_files[Fnb_output_files - 1]);
}

void TCustomFFmpeg::OptNewSubtitleStream()
{
    if (Fnb_output_files == 0)
        throw FFmpegException("At least one output file must be specified");
    NewSubtitleStream(Foutput_files[Fnb_output_files - 1]);
}
