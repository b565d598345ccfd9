// The player's sound: SDL's audio callback, decoding and resampling into the device's format,
// synchronisation to a non-audio master clock, mute and volume, and the samples kept for the
// audio display.

#include "engine/FFPlay.h"
#include "engine/FFPlayVideoState.h"
#include "engine/FFmpegEntries.h"
#include "engine/FFmpegLogger.h"
#include "platform/kernel/DynLib.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <vector>

namespace {

constexpr int kSilenceBytes = 1024;
constexpr int kAudioDiffAvgNb = 20;
constexpr double kNoSyncThreshold = 10.0;
constexpr int kSampleCorrectionPercent = 10;

// The sound library's error handler that writes nothing.
void IgnoreSoundLibraryError(const char*, int, const char*, int, const char*, ...) {}

} // namespace

void QuietSoundLibrary()
{
    // SDL probes the sound library's devices on every start; without a sound card the library
    // writes each failure to standard error. The player says once what it does instead.
    static const bool quieted = [] {
        using Handler = void (*)(const char*, int, const char*, int, const char*, ...);
        using SetHandler = int (*)(Handler);
        LibHandle library = LoadLibraryFile("libasound.so.2", nullptr);
        auto set = library ? reinterpret_cast<SetHandler>(GetLibrarySymbol(library, "snd_lib_error_set_handler", nullptr))
                           : nullptr;
        return set && set(&IgnoreSoundLibraryError) == 0;
    }();
    (void)quieted;
}

void TCustomPlayer::ClockedAudioLoop(TVideoState* is)
{
    // Blocks of the size SDL would ask for, taken when a device would have played them, by the
    // player's clock.
    const int frameSize = std::max(is->audio_tgt_frame_size, 1);
    const int blockBytes = std::max(is->audio_hw_buf_size / frameSize, 1) * frameSize;
    const std::int64_t blockFrames = blockBytes / frameSize;
    const std::int64_t rate = std::max(is->audio_tgt_freq, 1);
    const std::int64_t blockMicroseconds = blockFrames * 1000000 / rate;
    std::vector<std::uint8_t> block(static_cast<std::size_t>(blockBytes));
    // Blocks are due by the sample from an origin, so their times do not drift.
    std::int64_t origin = PlayerMicroseconds();
    std::int64_t taken = 0;
    while (!is->audioq.Aborted()) {
        const std::int64_t now = PlayerMicroseconds();
        const std::int64_t due = origin + taken * blockFrames * 1000000 / rate;
        if (now < due) {
            // On the clock, at most 10 ms at a time, so that a closing file is seen.
            WaitUntilTick(static_cast<std::uint64_t>((std::min(due, now + 10000) + 999) / 1000));
            continue;
        }
        // A thread held up for long starts again near now rather than catching up in a burst.
        if (now - due > 4 * blockMicroseconds) {
            origin = now - 4 * blockMicroseconds;
            taken = 0;
        }
        AudioCallback(is, block.data(), blockBytes);
        ++taken;
    }
}

void TCustomPlayer::AudioCallback(void* opaque, std::uint8_t* stream, int len)
{
    // Nothing may leave SDL's audio thread; a failed block stays silent.
    try {
        auto* is = static_cast<TVideoState*>(opaque);
        is->Owner->FillAudio(is, stream, len);
    } catch (...) {
    }
}

void TCustomPlayer::FillAudio(TVideoState* is, std::uint8_t* stream, int len)
{
    const std::int64_t now = PlayerMicroseconds();
    audio_callback_time_ = now;
    const int bytesPerSecond = is->audio_tgt_freq * is->audio_tgt_frame_size;
    // The time at the end of the sound handed out in this call, and where in the call it ends.
    double soundEnd = std::numeric_limits<double>::quiet_NaN();
    int soundEndOffset = 0;
    for (int offset = 0; offset < len;) {
        if (is->audio_buf_index >= is->audio_buf_size) {
            const int size = DecodeAudioFrame(is);
            if (is->audioq.Aborted())
                return;
            if (size < 0) {
                if (!is->paused && is->ReachEOF)
                    is->audio_drained = 1;
                const int frame = std::max(is->audio_tgt_frame_size, 1);
                const int silence = std::max(kSilenceBytes / frame, 1) * frame;
                if (static_cast<int>(is->audio_buf.size()) < silence)
                    is->audio_buf.resize(static_cast<std::size_t>(silence));
                std::memset(is->audio_buf.data(), is->audio_silence, static_cast<std::size_t>(silence));
                is->audio_buf_size = silence;
                is->audio_buf_silent = true;
            } else {
                if (is->show_audio)
                    UpdateSampleDisplay(is, is->audio_buf.data(), size);
                is->audio_buf_size = SynchronizeAudio(is, size);
                is->audio_buf_silent = false;
            }
            is->audio_buf_index = 0;
        }
        const int index = is->audio_buf_index;
        const int n = std::min(is->audio_buf_size - index, len - offset);
        if (mute_)
            std::memset(stream + offset, is->audio_silence, static_cast<std::size_t>(n));
        else
            ff::SDL_MixAudio(stream + offset, is->audio_buf.data() + index, static_cast<Uint32>(n), audioVolume_);
        is->audio_buf_index = index + n;
        offset += n;
        if (!is->audio_buf_silent && bytesPerSecond > 0) {
            soundEnd = is->audio_clock - static_cast<double>(is->audio_buf_size - is->audio_buf_index) / bytesPerSecond;
            soundEndOffset = offset;
        }
    }
    // What is handed out now starts playing now: the sound's clock follows it. A call without
    // sound leaves the clock running on.
    if (!std::isnan(soundEnd))
        is->audio_clock_drift = soundEnd - static_cast<double>(soundEndOffset) / bytesPerSecond -
                                static_cast<double>(now) / 1000000.0;
}

int TCustomPlayer::DecodeAudioFrame(TVideoState* is)
{
    AVCodecContext* avctx = is->audio_ctx;
    for (;;) {
        if (!is->audio_need_packet) {
            const int ret = ff::avcodec_receive_frame(avctx, is->audio_frame);
            if (ret >= 0) {
                if (is->audio_frame->pts != AV_NOPTS_VALUE)
                    is->audio_clock = static_cast<double>(is->audio_frame->pts) * av_q2d(is->audio_st.load()->time_base);
                const int size = ResampleAudio(is, is->audio_frame);
                ff::av_frame_unref(is->audio_frame);
                if (size <= 0)
                    continue;
                const int bytesPerSecond = is->audio_tgt_frame_size * is->audio_tgt_freq;
                is->audio_clock = is->audio_clock + static_cast<double>(size) / bytesPerSecond;
                return size;
            }
            if (ret != AVERROR(EAGAIN) && ret != AVERROR_EOF)
                PostLog(llInfo, "avcodec_decode_audio2() failed");
            is->audio_need_packet = true;
        }
        if (is->paused || is->audioq.Aborted())
            return -1;
        bool flush = false;
        if (is->audioq.Get(is->audio_pkt, &flush, false) <= 0)
            return -1;
        if (flush) {
            ff::avcodec_flush_buffers(avctx);
            is->audio_drained = 0;
            continue;
        }
        // The sound after a seek starts from its target, until its own times are handed out. The
        // clock runs from there before the target stops standing for it; a later seek's stays.
        if (double seekClock = is->audio_seek_clock; !std::isnan(seekClock)) {
            is->audio_clock_drift = seekClock - PlayerSeconds();
            is->audio_seek_clock.compare_exchange_strong(seekClock, std::numeric_limits<double>::quiet_NaN());
        }
        if (is->audio_pkt->pts != AV_NOPTS_VALUE)
            is->audio_clock = static_cast<double>(is->audio_pkt->pts) * av_q2d(is->audio_st.load()->time_base);
        const int ret = ff::avcodec_send_packet(avctx, is->audio_pkt);
        ff::av_packet_unref(is->audio_pkt);
        if (ret < 0)
            PostLog(llInfo, "avcodec_decode_audio2() failed");
        is->audio_need_packet = false;
    }
}

int TCustomPlayer::ResampleAudio(TVideoState* is, AVFrame* frame)
{
    const auto format = static_cast<AVSampleFormat>(frame->format);
    if (!is->swr_ctx || format != is->swr_src_fmt || frame->sample_rate != is->swr_src_freq ||
        ff::av_channel_layout_compare(&frame->ch_layout, &is->swr_src_layout) != 0) {
        if (is->swr_ctx)
            ff::swr_free(&is->swr_ctx);
        AVChannelLayout outLayout{};
        ff::av_channel_layout_default(&outLayout, is->audio_tgt_channels);
        if (ff::swr_alloc_set_opts2(&is->swr_ctx, &outLayout, is->audio_tgt_fmt, is->audio_tgt_freq,
                                    &frame->ch_layout, format, frame->sample_rate, 0, nullptr) < 0 ||
            ff::swr_init(is->swr_ctx) < 0) {
            ff::swr_free(&is->swr_ctx);
            const char* from = ff::av_get_sample_fmt_name(format);
            const char* to = ff::av_get_sample_fmt_name(is->audio_tgt_fmt);
            char text[256];
            std::snprintf(text, sizeof text, "Cannot convert %s sample format to %s sample format",
                          from ? from : "none", to ? to : "none");
            PostLog(llError, text);
            return -1;
        }
        is->swr_src_fmt = format;
        is->swr_src_freq = frame->sample_rate;
        ff::av_channel_layout_uninit(&is->swr_src_layout);
        ff::av_channel_layout_copy(&is->swr_src_layout, &frame->ch_layout);
    }
    const int frameSize = is->audio_tgt_frame_size;
    const int outSamples = static_cast<int>(static_cast<std::int64_t>(frame->nb_samples) * is->audio_tgt_freq /
                                            std::max(frame->sample_rate, 1)) + 256;
    // Room for the samples and for SynchronizeAudio's stretch of up to a tenth more.
    const std::size_t needed = static_cast<std::size_t>(outSamples) * frameSize * 11 / 10 + frameSize;
    if (is->audio_buf.size() < needed)
        is->audio_buf.resize(needed);
    std::uint8_t* out[1] = {is->audio_buf.data()};
    const int converted = ff::swr_convert(is->swr_ctx, out, outSamples,
                                          const_cast<const std::uint8_t**>(frame->extended_data), frame->nb_samples);
    if (converted < 0) {
        PostLog(llError, "av_audio_convert() failed");
        return -1;
    }
    return converted * frameSize;
}

int TCustomPlayer::SynchronizeAudio(TVideoState* is, int size)
{
    if (!((is->av_sync_type == AV_SYNC_VIDEO_MASTER && is->HasPictures()) ||
          is->av_sync_type == AV_SYNC_EXTERNAL_CLOCK))
        return size;
    const double diff = GetAudioClock(is) - GetMasterClock(is);
    if (diff >= kNoSyncThreshold) {
        is->audio_diff_avg_count = 0;
        is->audio_diff_cum = 0;
        return size;
    }
    is->audio_diff_cum = diff + is->audio_diff_avg_coef * is->audio_diff_cum;
    if (is->audio_diff_avg_count < kAudioDiffAvgNb) {
        ++is->audio_diff_avg_count;
        return size;
    }
    const double avg = is->audio_diff_cum * (1.0 - is->audio_diff_avg_coef);
    if (std::fabs(avg) < is->audio_diff_threshold)
        return size;
    const int n = is->audio_tgt_frame_size;
    int wanted = size + static_cast<int>(std::lround(diff * is->audio_tgt_freq)) * n;
    const int minSize = size / n * (100 - kSampleCorrectionPercent) / 100 * n;
    const int maxSize = size / n * (100 + kSampleCorrectionPercent) / 100 * n;
    // The stretch never goes past the buffer it is written into.
    const int capacity = static_cast<int>(is->audio_buf.size()) / n * n;
    wanted = std::clamp(wanted, minSize, std::min(maxSize, capacity));
    if (wanted > size && size >= n) {
        const std::uint8_t* last = is->audio_buf.data() + size - n;
        for (std::uint8_t* q = is->audio_buf.data() + size; q < is->audio_buf.data() + wanted; q += n)
            std::memcpy(q, last, static_cast<std::size_t>(n));
    }
    return wanted;
}

void TCustomPlayer::UpdateSampleDisplay(TVideoState* is, const std::uint8_t* samples, int size)
{
    std::lock_guard<std::mutex> lock(is->sample_mutex);
    const bool bytes = is->audio_tgt_fmt == AV_SAMPLE_FMT_U8;
    const int count = bytes ? size : size / 2;
    for (int i = 0; i < count; ++i) {
        std::int16_t sample;
        if (bytes) {
            sample = static_cast<std::int16_t>((samples[i] - 128) * 256);
        } else {
            std::memcpy(&sample, samples + 2 * i, sizeof sample);
        }
        is->sample_array[static_cast<std::size_t>(is->sample_array_index)] = sample;
        if (++is->sample_array_index >= TVideoState::SampleArraySize)
            is->sample_array_index = 0;
    }
}
