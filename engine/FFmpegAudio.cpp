#include "engine/FFmpeg.h"

#include "engine/FFUtils.h"
#include "engine/FFmpegEntries.h"
#include "engine/FormatText.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace {

// Audio samples as plane pointers (one plane for interleaved formats, one per channel for
// planar ones); owns its buffer when it allocated it.
struct TSamples {
    AVSampleFormat format = AV_SAMPLE_FMT_NONE;
    int channels = 0;
    int nb_samples = 0;
    std::vector<std::uint8_t*> planes;
    std::uint8_t* buffer = nullptr;

    TSamples() = default;
    TSamples(const TSamples&) = delete;
    TSamples& operator=(const TSamples&) = delete;
    ~TSamples() { ff::av_freep(&buffer); }

    void ViewOf(const AVFrame* frame)
    {
        format = static_cast<AVSampleFormat>(frame->format);
        channels = frame->ch_layout.nb_channels;
        nb_samples = frame->nb_samples;
        planes.assign(frame->extended_data, frame->extended_data + PlaneCount());
    }
    void ViewOf(const TSamples& other)
    {
        format = other.format;
        channels = other.channels;
        nb_samples = other.nb_samples;
        planes = other.planes;
    }
    // Room for count samples; false without memory or for a size beyond the library's range.
    bool Allocate(AVSampleFormat fmt, int channelCount, std::int64_t count)
    {
        format = fmt;
        channels = channelCount;
        nb_samples = 0;
        if (count * ff::av_get_bytes_per_sample(fmt) * channelCount > INT_MAX)
            throw FFmpegException("Buffer sizes too large in do_audio_out");
        planes.assign(PlaneCount(), nullptr);
        if (ff::av_samples_alloc(planes.data(), nullptr, channels, static_cast<int>(std::max<std::int64_t>(count, 1)),
                                 format, 0)
            < 0)
            return false;
        buffer = planes[0];
        return true;
    }
    void DropFront(int count)
    {
        const int bytes = ff::av_get_bytes_per_sample(format) * count
                          * (ff::av_sample_fmt_is_planar(format) ? 1 : channels);
        for (std::uint8_t*& plane : planes)
            plane += bytes;
        nb_samples -= count;
    }
    int PlaneCount() const { return ff::av_sample_fmt_is_planar(format) ? channels : 1; }
};

// The frame the encoder takes: its format, layout and rate, count samples.
AVFrame* EncoderFrame(const AVCodecContext* enc, int count)
{
    AVFrame* frame = ff::av_frame_alloc();
    if (!frame)
        throw FFmpegException("Out of memory in do_audio_out");
    frame->format = enc->sample_fmt;
    frame->sample_rate = enc->sample_rate;
    frame->nb_samples = count;
    if (ff::av_channel_layout_copy(&frame->ch_layout, &enc->ch_layout) < 0
        || ff::av_frame_get_buffer(frame, 0) < 0) {
        ff::av_frame_free(&frame);
        throw FFmpegException("Out of memory in do_audio_out");
    }
    return frame;
}

struct FrameFree {
    void operator()(AVFrame* frame) const { ff::av_frame_free(&frame); }
};
using FramePtr = std::unique_ptr<AVFrame, FrameFree>;

// A layout the resampler takes: a channel count without an order becomes that count's default.
AVChannelLayout UsableLayout(const AVChannelLayout& layout)
{
    AVChannelLayout usable{};
    if (layout.order == AV_CHANNEL_ORDER_UNSPEC)
        ff::av_channel_layout_default(&usable, layout.nb_channels);
    else
        ff::av_channel_layout_copy(&usable, &layout);
    return usable;
}

SwrContext* NewResampler(const AVCodecContext* enc, const AVFrame* decoded, bool resample)
{
    AVChannelLayout outLayout = UsableLayout(enc->ch_layout);
    AVChannelLayout inLayout = UsableLayout(decoded->ch_layout);
    SwrContext* swr = nullptr;
    int ret = ff::swr_alloc_set_opts2(&swr, resample ? &outLayout : &inLayout, enc->sample_fmt,
                                      resample ? enc->sample_rate : decoded->sample_rate, &inLayout,
                                      static_cast<AVSampleFormat>(decoded->format), decoded->sample_rate, 0,
                                      nullptr);
    ff::av_channel_layout_uninit(&outLayout);
    ff::av_channel_layout_uninit(&inLayout);
    if (ret >= 0 && resample) {
        // Filter length 16, 1024 phases, no linear interpolation, cut-off at 0.8 of Nyquist.
        ff::av_opt_set_int(swr, "filter_size", 16, 0);
        ff::av_opt_set_int(swr, "phase_shift", 10, 0);
        ff::av_opt_set_int(swr, "linear_interp", 0, 0);
        ff::av_opt_set_double(swr, "cutoff", 0.8, 0);
    }
    if (ret < 0 || ff::swr_init(swr) < 0)
        ff::swr_free(&swr);
    return swr;
}

template <typename T, typename Wide>
void Scale(std::uint8_t* plane, int count, int volume, Wide low, Wide high)
{
    T* samples = reinterpret_cast<T*>(plane);
    for (int i = 0; i < count; ++i) {
        const Wide v = (static_cast<Wide>(samples[i]) * volume + 128) >> 8;
        samples[i] = static_cast<T>(std::clamp<Wide>(v, low, high));
    }
}

template <typename T>
void ScaleFloat(std::uint8_t* plane, int count, int volume)
{
    T* samples = reinterpret_cast<T*>(plane);
    for (int i = 0; i < count; ++i)
        samples[i] = samples[i] * volume / 256;
}

} // namespace

void TCustomFFmpeg::ApplyVolume(AVFrame* frame) const
{
    const auto format = static_cast<AVSampleFormat>(frame->format);
    const bool planar = ff::av_sample_fmt_is_planar(format);
    const int channels = frame->ch_layout.nb_channels;
    const int planes = planar ? channels : 1;
    const int count = planar ? frame->nb_samples : frame->nb_samples * channels;
    const int volume = Faudio_volume;
    for (int p = 0; p < planes; ++p) {
        std::uint8_t* plane = frame->extended_data[p];
        switch (ff::av_get_packed_sample_fmt(format)) {
        case AV_SAMPLE_FMT_U8:
            for (int i = 0; i < count; ++i) {
                const int v = ((plane[i] - 128) * volume + 128) >> 8;
                plane[i] = static_cast<std::uint8_t>(std::clamp(v, -128, 127) + 128);
            }
            break;
        case AV_SAMPLE_FMT_S16: Scale<std::int16_t, int>(plane, count, volume, INT16_MIN, INT16_MAX); break;
        case AV_SAMPLE_FMT_S32: Scale<std::int32_t, std::int64_t>(plane, count, volume, INT32_MIN, INT32_MAX); break;
        case AV_SAMPLE_FMT_S64: Scale<std::int64_t, __int128>(plane, count, volume, INT64_MIN, INT64_MAX); break;
        case AV_SAMPLE_FMT_FLT: ScaleFloat<float>(plane, count, volume); break;
        case AV_SAMPLE_FMT_DBL: ScaleFloat<double>(plane, count, volume); break;
        default: break;
        }
    }
}

void TCustomFFmpeg::do_audio_out(AVFormatContext* s, TAVOutputStream& ost, TAVInputStream& ist,
                                 const AVFrame* decoded)
{
    AVCodecContext* enc = ost.enc();
    const auto dec_fmt = static_cast<AVSampleFormat>(decoded->format);
    const int dec_channels = decoded->ch_layout.nb_channels;
    const int dec_rate = decoded->sample_rate;
    const int enc_channels = enc->ch_layout.nb_channels;
    const int enc_rate = enc->sample_rate;

    if (dec_channels != enc_channels)
        ost.audio_resample = 1;
    if (ost.audio_resample && !ost.resample) {
        ost.resample = NewResampler(enc, decoded, true);
        if (!ost.resample)
            throw FFmpegException(FormatText("Can not resample %d channels @ %d Hz to %d channels @ %d Hz",
                                             dec_channels, dec_rate, enc_channels, enc_rate));
    }
    if (!ost.audio_resample && dec_fmt != enc->sample_fmt) {
        const int pair = enc->sample_fmt + AV_SAMPLE_FMT_NB * dec_fmt;
        if (pair != ost.reformat_pair) {
            ff::swr_free(&ost.reformat_ctx);
            ost.reformat_ctx = NewResampler(enc, decoded, false);
            if (!ost.reformat_ctx)
                throw FFmpegException(FormatText("Cannot convert %s sample format to %s sample format",
                                                 ff::av_get_sample_fmt_name(dec_fmt),
                                                 ff::av_get_sample_fmt_name(enc->sample_fmt)));
            ost.reformat_pair = pair;
        }
    }

    TSamples in;
    in.ViewOf(decoded);
    TSamples padded;

    // Keep the output in step with the input clock.
    const double sync_ipts = static_cast<double>(ost.sync_ist->pts - Fstart_time) / AV_TIME_BASE;
    const int fifo_samples = ost.fifo ? ff::av_audio_fifo_size(ost.fifo) : 0;
    if (Faudio_sync_method == 0) {
        ost.sync_opts = std::llrint(sync_ipts * enc_rate) - fifo_samples;
    } else {
        const double delta = sync_ipts * enc_rate - static_cast<double>(ost.sync_opts) - fifo_samples;
        // The correction in input samples.
        const int idelta = static_cast<int>(delta * dec_rate / enc_rate);
        if (std::fabs(delta) > 50) {
            if (ist.is_start || std::fabs(delta) > Faudio_drift_threshold * enc_rate) {
                if (idelta < 0) {
                    in.DropFront(std::min(-idelta, in.nb_samples));
                    if (Fverbose > 2)
                        LogVerbose(FormatText("discarding %d audio samples", static_cast<int>(-delta)));
                    if (in.nb_samples <= 0)
                        return;
                    ist.is_start = 0;
                } else if (idelta > 0) {
                    ist.is_start = 0;
                    if (!padded.Allocate(dec_fmt, dec_channels, std::int64_t{idelta} + in.nb_samples))
                        throw FFmpegException("Out of memory in do_audio_out");
                    ff::av_samples_set_silence(padded.planes.data(), 0, idelta, dec_channels, dec_fmt);
                    ff::av_samples_copy(padded.planes.data(), in.planes.data(), idelta, 0, in.nb_samples,
                                        dec_channels, dec_fmt);
                    padded.nb_samples = idelta + in.nb_samples;
                    in.ViewOf(padded);
                    if (Fverbose > 2)
                        LogVerbose(FormatText("adding %d audio samples of silence", static_cast<int>(delta)));
                }
            } else if (Faudio_sync_method > 1 && ost.resample) {
                const int comp = std::clamp(static_cast<int>(delta), -Faudio_sync_method, Faudio_sync_method);
                if (Fverbose > 2)
                    LogVerbose(FormatText("compensating audio timestamp drift:%f compensation:%d in:%d", delta,
                                          comp, enc_rate));
                ff::swr_set_compensation(ost.resample, comp, enc_rate);
            }
        }
    }

    // Convert to the encoder's rate, layout and sample format.
    TSamples converted;
    SwrContext* converter = ost.audio_resample ? ost.resample : ost.reformat_ctx;
    if (converter) {
        const int room = ff::swr_get_out_samples(converter, in.nb_samples);
        if (room < 0 || !converted.Allocate(enc->sample_fmt, enc_channels, room))
            throw FFmpegException("Out of memory in do_audio_out");
        const int count = ff::swr_convert(converter, converted.planes.data(), room,
                                          const_cast<const std::uint8_t**>(in.planes.data()), in.nb_samples);
        if (count < 0) {
            if (ost.audio_resample)
                throw FFmpegException(ErrorCodeToStr("audio_resample", count));
            ReportOrRaise("av_audio_convert() failed");
            return;
        }
        converted.nb_samples = count;
    } else {
        converted.ViewOf(in);
    }
    if (converted.nb_samples <= 0)
        return;

    if (enc->frame_size > 1) {
        // Frame-based encoders take whole frames from the queue.
        if (ff::av_audio_fifo_write(ost.fifo, reinterpret_cast<void**>(converted.planes.data()),
                                    converted.nb_samples)
            < converted.nb_samples)
            throw FFmpegException("av_fifo_realloc2() failed");
        // A stop ends a long queue (one block may give minutes of samples) at the next frame.
        while (ff::av_audio_fifo_size(ost.fifo) >= enc->frame_size && !FBroken) {
            FramePtr frame(EncoderFrame(enc, enc->frame_size));
            ff::av_audio_fifo_read(ost.fifo, reinterpret_cast<void**>(frame->extended_data), enc->frame_size);
            frame->pts = ost.sync_opts;
            EncodeFrame(s, ost, frame.get(), "Audio encoding failed");
            ost.sync_opts += enc->frame_size;
        }
    } else {
        // Sample-based encoders take everything at once.
        FramePtr frame(EncoderFrame(enc, converted.nb_samples));
        ff::av_samples_copy(frame->extended_data, converted.planes.data(), 0, 0, converted.nb_samples,
                            enc_channels, enc->sample_fmt);
        frame->pts = ost.sync_opts;
        ost.sync_opts += converted.nb_samples;
        EncodeFrame(s, ost, frame.get(), "Audio encoding failed");
    }
}

void TCustomFFmpeg::FlushResampler(TAVOutputStream& ost)
{
    AVCodecContext* enc = ost.enc();
    if (!ost.resample || !ost.fifo)
        return;
    TSamples rest;
    const int room = ff::swr_get_out_samples(ost.resample, 0);
    if (room > 0 && rest.Allocate(enc->sample_fmt, enc->ch_layout.nb_channels, room)) {
        const int count = ff::swr_convert(ost.resample, rest.planes.data(), room, nullptr, 0);
        if (count > 0 && ff::av_audio_fifo_write(ost.fifo, reinterpret_cast<void**>(rest.planes.data()), count) < count)
            throw FFmpegException("av_fifo_realloc2() failed");
    }
}

void TCustomFFmpeg::CarryAudio(TAVOutputStream& from, TAVOutputStream& to)
{
    FlushResampler(from);
    const int count = from.fifo ? ff::av_audio_fifo_size(from.fifo) : 0;
    if (count <= 0 || !to.fifo)
        return;
    FramePtr samples(EncoderFrame(from.enc(), count));
    ff::av_audio_fifo_read(from.fifo, reinterpret_cast<void**>(samples->extended_data), count);
    if (ff::av_audio_fifo_write(to.fifo, reinterpret_cast<void**>(samples->extended_data), count) < count)
        throw FFmpegException("av_fifo_realloc2() failed");
}

void TCustomFFmpeg::DrainAudioEncoder(AVFormatContext* s, TAVOutputStream& ost)
{
    AVCodecContext* enc = ost.enc();
    // After a stop only what the encoder holds goes out; the queued samples are left.
    if (!FBroken)
        FlushResampler(ost);
    // Whole frames first; only the very last one may be short (the library pads it for
    // encoders that take nothing but whole frames).
    while (ost.fifo && ff::av_audio_fifo_size(ost.fifo) > 0 && !FBroken) {
        const int left = ff::av_audio_fifo_size(ost.fifo);
        const int count = enc->frame_size > 1 ? std::min(left, enc->frame_size) : left;
        FramePtr frame(EncoderFrame(enc, count));
        ff::av_audio_fifo_read(ost.fifo, reinterpret_cast<void**>(frame->extended_data), count);
        frame->pts = ost.sync_opts;
        EncodeFrame(s, ost, frame.get(), "Audio encoding failed");
        ost.sync_opts += count;
    }
    EncodeFrame(s, ost, nullptr, "Audio encoding failed");
}
