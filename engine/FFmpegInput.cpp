// Opening an input: format, demuxer hints, program selection, probing, the start position, and
// the input's stream properties read back into the option state.

#include "engine/FFmpeg.h"

#include "engine/FFUtils.h"
#include "engine/FFmpegEntries.h"
#include "engine/FFmpegLoader.h"
#include "engine/FFmpegLogger.h"
#include "engine/PngStreamHeader.h"
#include "engine/UnicodeProtocol.h"
#include "engine/UprightPicture.h"


namespace {

// The strictness an option context was given ("strict"), 0 without contexts.
int Strictness(const TFFOptions& options, TStreamKind kind)
{
    const AVCodecContext* context = options.avcodec_opts[kind];
    return context ? context->strict_std_compliance : 0;
}

void FreeSlots(std::vector<TInputCodec>& slots)
{
    for (TInputCodec& slot : slots)
        ff::avcodec_free_context(&slot.codec);
    slots.clear();
}

} // namespace

// Today's demuxers take the size, rate and channel hints as options of their own; a demuxer
// without such an option leaves the entry unused.
AVDictionary* TCustomFFmpeg::DemuxerOptions() const
{
    AVDictionary* options = nullptr;
    ff::av_dict_set_int(&options, "sample_rate", Faudio_sample_rate, 0);
    ff::av_dict_set_int(&options, "channels", Faudio_channels, 0);
    if (Fframe_rate.num > 0 && Fframe_rate.den > 0)
        ff::av_dict_set(&options, "framerate",
                        (std::to_string(Fframe_rate.num) + "/" + std::to_string(Fframe_rate.den)).c_str(), 0);
    if (Fframe_width > 0 && Fframe_height > 0)
        ff::av_dict_set(&options, "video_size",
                        (std::to_string(Fframe_width) + "x" + std::to_string(Fframe_height)).c_str(), 0);
    if (Fframe_pix_fmt != AV_PIX_FMT_NONE)
        if (const char* name = ff::av_get_pix_fmt_name(static_cast<AVPixelFormat>(Fframe_pix_fmt)))
            ff::av_dict_set(&options, "pixel_format", name, 0);
    if (Fvideo_channel != 0)
        ff::av_dict_set_int(&options, "channel", Fvideo_channel, 0);
    if (!Fvideo_standard.empty())
        ff::av_dict_set(&options, "standard", Fvideo_standard.c_str(), 0);
    return options;
}

bool TCustomFFmpeg::OpenInputFile(const std::string& fileName)
{
    if (Fnb_input_files >= FMaxFiles)
        throw FFmpegException("max input files " + std::to_string(FMaxFiles) + " reached");

    const AVInputFormat* format = nullptr;
    if (!Flast_asked_format.empty()) {
        format = ff::av_find_input_format(Flast_asked_format.c_str());
        if (!format)
            throw FFmpegException("Unknown input format: \"" + Flast_asked_format + "\"");
        Flast_asked_format.clear();
    }

    AVFormatContext* ic = AllocFormatContext();
    if (!ic)
        throw FFmpegException("avformat_alloc_context failed");
    bool opened = false;
    // What every failure from here on releases.
    auto fail = [&](const std::string& message) {
        FLastErrMsg = message;
        Fvideo_codec_name.clear();
        Faudio_codec_name.clear();
        Fsubtitle_codec_name.clear();
        Fvideo_channel = 0;
        if (opened)
            ff::avformat_close_input(&ic);
        else
            ff::avformat_free_context(ic);
        return false;
    };

    ApplyFFOptions(FOptions, ic, FOptions.avformat_opts, AV_OPT_FLAG_DECODING_PARAM);

    // Forced decoders: video, audio, subtitle.
    const std::string* names[3] = {&Fvideo_codec_name, &Faudio_codec_name, &Fsubtitle_codec_name};
    const TStreamKind kinds[3] = {skVideo, skAudio, skSubtitle};
    AVCodecID ids[3] = {};
    const AVCodec* decoders[3] = {};
    for (int i = 0; i < 3; ++i)
        if (!CheckCodec(*names[i], static_cast<AVMediaType>(kinds[i]), ids[i],
                        Strictness(FOptions, kinds[i]), false, &decoders[i]))
            return fail(FLastErrMsg);
    ic->video_codec_id = ids[0];
    ic->audio_codec_id = ids[1];
    ic->subtitle_codec_id = ids[2];
    ic->video_codec = decoders[0];
    ic->audio_codec = decoders[1];
    ic->subtitle_codec = decoders[2];

    ic->flags |= AVFMT_FLAG_NONBLOCK;
    if (Fpgmyuv_compatibility_hack) {
        ic->video_codec_id = AV_CODEC_ID_PGMYUV;
        ic->video_codec = nullptr;
    }

    const std::string url = ToProtocolFileName(fileName);
    AVDictionary* demuxerOptions = DemuxerOptions();
    int ret = ff::avformat_open_input(&ic, url.c_str(), format, &demuxerOptions);
    ff::av_dict_free(&demuxerOptions);
    if (ret < 0) {
        // The library has freed the context.
        ic = nullptr;
        opened = true;
        return fail(ErrorCodeToStr(fileName, ret));
    }
    opened = true;

    FillPngStreamParameters(ic);
    {
        std::lock_guard<CriticalSection> guard(CodecLock());
        ret = ff::avformat_find_stream_info(ic, nullptr);
    }
    if (ret < 0 && Fverbose >= 0) {
        const std::string message = fileName + ": could not find codec parameters";
        GetLogger().Log(this, llVerbose, message);
        return fail(message);
    }
    // Some containers make their streams only while being probed, so the program is chosen
    // afterwards.
    if (Fopt_programid != 0) {
        for (unsigned i = 0; i < ic->nb_streams; ++i)
            ic->streams[i]->discard = AVDISCARD_ALL;
        bool found = false;
        for (unsigned p = 0; p < ic->nb_programs; ++p) {
            AVProgram* program = ic->programs[p];
            if (program->id != Fopt_programid) {
                program->discard = AVDISCARD_ALL;
                continue;
            }
            found = true;
            for (unsigned k = 0; k < program->nb_stream_indexes; ++k)
                ic->streams[program->stream_index[k]]->discard = AVDISCARD_DEFAULT;
        }
        if (!found)
            return fail("Specified program id not found");
        Fopt_programid = 0;
    }

    if (ic->nb_streams > static_cast<unsigned>(MAX_STREAMS))
        return fail(fileName + ": too many streams (" + std::to_string(ic->nb_streams) + ", at most "
                    + std::to_string(MAX_STREAMS) + ")");

    std::int64_t timestamp = Fstart_time;
    if (ic->start_time != AV_NOPTS_VALUE)
        timestamp += ic->start_time;
    const bool seek = Fstart_time != 0;
    if (seek) {
        if (ff::av_seek_frame(ic, -1, timestamp, AVSEEK_FLAG_BACKWARD) < 0 && Fverbose > 0)
            GetLogger().Log(this, llVerbose, "%s: could not seek to position %0.3f", fileName,
                            static_cast<double>(timestamp) / AV_TIME_BASE);
    }
    Fstart_time = 0;

    std::vector<TInputCodec> slots;
    try {
        ReadInputStreams(ic, decoders, slots);
    } catch (...) {
        FreeSlots(slots);
        fail(FLastErrMsg);
        throw;
    }

    if (ic->duration != AV_NOPTS_VALUE && ic->duration > FTotalOutputDuration)
        FTotalOutputDuration = ic->duration;

    Finput_files[Fnb_input_files] = ic;
    Finput_files_ts_offset[Fnb_input_files] = Fcopy_ts ? Finput_ts_offset : Finput_ts_offset - timestamp;
    Finput_files_start[Fnb_input_files] = seek ? timestamp : AV_NOPTS_VALUE;
    if (Fverbose >= 0)
        ff::av_dump_format(ic, Fnb_input_files, url.c_str(), 0);
    ++Fnb_input_files;
    Finput_codecs.insert(Finput_codecs.end(), slots.begin(), slots.end());

    Fvideo_channel = 0;
    Fvideo_codec_name.clear();
    Faudio_codec_name.clear();
    Fsubtitle_codec_name.clear();
    return true;
}

// Gives every stream its decoding context and slot; the selected streams' properties become the
// option state, so that outputs made afterwards keep them unless told otherwise.
void TCustomFFmpeg::ReadInputStreams(AVFormatContext* ic, const AVCodec* const decoders[3],
                                     std::vector<TInputCodec>& slots)
{
    for (unsigned i = 0; i < ic->nb_streams; ++i) {
        AVStream* st = ic->streams[i];
        // Streams outside the selected program feed nothing.
        const bool selected = st->discard != AVDISCARD_ALL;
        const AVMediaType type = st->codecpar->codec_type;
        if (type < AVMEDIA_TYPE_UNKNOWN || type >= AVMEDIA_TYPE_NB)
            throw FFmpegException("invalid codec_type");

        TInputCodec slot;
        slot.st = st;
        slot.codec = ff::avcodec_alloc_context3(nullptr);
        slots.push_back(slot);
        AVCodecContext* dec = slot.codec;
        if (!dec || ff::avcodec_parameters_to_context(dec, st->codecpar) < 0)
            throw FFmpegException("avcodec_alloc_context3 failed");
        dec->thread_count = Fthread_count;
        dec->pkt_timebase = st->time_base;

        switch (type) {
        case AVMEDIA_TYPE_VIDEO: {
            ApplyFFOptions(FOptions, dec, FOptions.avcodec_opts[skVideo],
                           AV_OPT_FLAG_VIDEO_PARAM | AV_OPT_FLAG_DECODING_PARAM);
            if (dec->pix_fmt == AV_PIX_FMT_NONE)
                dec->pix_fmt = static_cast<AVPixelFormat>(0);
            slots.back().decoder = decoders[0];
            if (selected) {
                Fframe_height = dec->height;
                Fframe_width = dec->width;
                const AVRational sar = st->sample_aspect_ratio.num ? st->sample_aspect_ratio
                                                                   : dec->sample_aspect_ratio;
                const double ratio = sar.num && sar.den ? av_q2d(sar) : 0;
                if (dec->width * dec->height != 0)
                    Fframe_aspect_ratio = static_cast<float>(
                        ratio != 0 ? dec->width * ratio / dec->height
                                   : static_cast<double>(dec->width) / dec->height);
                else
                    Fframe_aspect_ratio = static_cast<float>(ratio != 0 ? ratio : 4.0 / 3.0);
                Fframe_pix_fmt = dec->pix_fmt;
                Fframe_pix_fmt_requested = false;
                if (dec->lowres) {
                    Fframe_height >>= dec->lowres;
                    Fframe_width >>= dec->lowres;
                }
                // The output is upright: a picture stored on its side gives its sides swapped.
                if (UprightFilters(st).SwapsSides) {
                    std::swap(Fframe_width, Fframe_height);
                    Fframe_aspect_ratio = 1 / Fframe_aspect_ratio;
                }
                const AVRational codecRate = st->avg_frame_rate;
                const AVRational rfps = st->r_frame_rate;
                if (codecRate.num && codecRate.den && rfps.den
                    && (codecRate.num != rfps.num || codecRate.den != rfps.den) && Fverbose >= 0)
                    GetLogger().Log(this, llInfo,
                                    "Seems stream %d codec frame rate differs from container frame "
                                    "rate: %2.2f (%d/%d) -> %2.2f (%d/%d)",
                                    static_cast<int>(i), av_q2d(codecRate), codecRate.num,
                                    codecRate.den, av_q2d(rfps), rfps.num, rfps.den);
                Fframe_rate = rfps;
            }
            if (Fvideo_disable)
                st->discard = AVDISCARD_ALL;
            else if (Fvideo_discard && selected)
                st->discard = static_cast<AVDiscard>(Fvideo_discard);
            break;
        }
        case AVMEDIA_TYPE_AUDIO:
            ApplyFFOptions(FOptions, dec, FOptions.avcodec_opts[skAudio],
                           AV_OPT_FLAG_AUDIO_PARAM | AV_OPT_FLAG_DECODING_PARAM);
            slots.back().decoder = decoders[1];
            if (selected) {
                Fchannel_layout = dec->ch_layout.order == AV_CHANNEL_ORDER_NATIVE
                                      ? dec->ch_layout.u.mask : 0;
                Faudio_channels = dec->ch_layout.nb_channels;
                Faudio_sample_rate = dec->sample_rate;
                Faudio_sample_fmt = dec->sample_fmt;
            }
            if (Faudio_disable)
                st->discard = AVDISCARD_ALL;
            break;
        case AVMEDIA_TYPE_SUBTITLE:
            slots.back().decoder = decoders[2];
            if (Fsubtitle_disable)
                st->discard = AVDISCARD_ALL;
            break;
        default:
            // Data, attachment and unknown streams are read but never decoded.
            break;
        }
    }
}
