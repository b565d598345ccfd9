#include "engine/FFmpeg.h"

#include "engine/FFmpegEntries.h"
#include "engine/FormatText.h"
#include "platform/kernel/Clock.h"

#include <chrono>
#include <thread>

namespace {

struct FrameFree {
    void operator()(AVFrame* frame) const { ff::av_frame_free(&frame); }
};
using FramePtr = std::unique_ptr<AVFrame, FrameFree>;

// Microseconds one picture of the stream lasts.
std::int64_t PictureDuration(const AVStream* st, std::int64_t packetDuration)
{
    if (packetDuration > 0)
        return ff::av_rescale_q(packetDuration, st->time_base, AV_TIME_BASE_Q);
    AVRational rate = st->avg_frame_rate.num && st->avg_frame_rate.den ? st->avg_frame_rate : st->r_frame_rate;
    if (rate.num <= 0 || rate.den <= 0)
        return 0;
    return ff::av_rescale(AV_TIME_BASE, rate.den, rate.num);
}

// Microseconds of data in a packet that is not decoded.
std::int64_t PacketDuration(const AVStream* st, const AVPacket* pkt)
{
    const AVCodecParameters* par = st->codecpar;
    if (par->codec_type == AVMEDIA_TYPE_AUDIO && par->frame_size > 0 && par->sample_rate > 0)
        return ff::av_rescale(AV_TIME_BASE, par->frame_size, par->sample_rate);
    if (par->codec_type == AVMEDIA_TYPE_VIDEO)
        return PictureDuration(st, pkt->duration);
    return pkt->duration > 0 ? ff::av_rescale_q(pkt->duration, st->time_base, AV_TIME_BASE_Q) : 0;
}

} // namespace

bool TCustomFFmpeg::OutputWanted(const TAVInputStream& ist) const
{
    return (Fstart_time == 0 || ist.pts >= Fstart_time) && ist.pts >= InputStart(ist);
}

std::int64_t TCustomFFmpeg::InputStart(const TAVInputStream& ist) const
{
    const std::int64_t start = Finput_files_start[ist.file_index];
    return start == AV_NOPTS_VALUE ? INT64_MIN : start + Finput_files_ts_offset[ist.file_index];
}

const AVFrame* TCustomFFmpeg::TrimToInputStart(TAVInputStream& ist, const AVFrame* frame, AVFrame* trimmed) const
{
    const std::int64_t start = InputStart(ist);
    if (ist.pts >= start || frame->sample_rate <= 0)
        return frame;
    const std::int64_t skip = ff::av_rescale(start - ist.pts, frame->sample_rate, AV_TIME_BASE);
    if (skip >= frame->nb_samples)
        return nullptr;
    trimmed->format = frame->format;
    trimmed->sample_rate = frame->sample_rate;
    trimmed->nb_samples = frame->nb_samples - static_cast<int>(skip);
    if (ff::av_channel_layout_copy(&trimmed->ch_layout, &frame->ch_layout) < 0
        || ff::av_frame_get_buffer(trimmed, 0) < 0)
        throw FFmpegException("Out of memory");
    ff::av_samples_copy(trimmed->extended_data, frame->extended_data, 0, static_cast<int>(skip), trimmed->nb_samples,
                        frame->ch_layout.nb_channels, static_cast<AVSampleFormat>(frame->format));
    ist.pts = start;
    return trimmed;
}

int TCustomFFmpeg::DecodeAndDispatch(TAVInputStream& ist, const AVPacket* pkt)
{
    if (ist.next_pts == AV_NOPTS_VALUE)
        ist.next_pts = ist.pts;
    if (pkt) {
        if (ist.next_dts == AV_NOPTS_VALUE)
            ist.next_dts = ist.pts;
        ist.dts = ist.next_dts;
        if (pkt->dts != AV_NOPTS_VALUE) {
            ist.dts = ff::av_rescale_q(pkt->dts, ist.st->time_base, AV_TIME_BASE_Q);
            ist.next_pts = ist.pts = ist.dts;
        }
        ist.next_dts = ist.dts + PacketDuration(ist.st, pkt);

        if (Frate_emu) {
            const std::int64_t elapsed = static_cast<std::int64_t>(GetTickCount64()) * 1000 - ist.start;
            if (ist.dts - elapsed > 1000)
                std::this_thread::sleep_for(std::chrono::milliseconds((ist.dts - elapsed) / 1000));
        }
        if (!ist.decoding_needed) {
            ist.pts = ist.dts;
            ist.next_pts = ist.next_dts;
        }
        // Streams copied from this one take the packet as it is.
        if (Fstart_time == 0 || ist.dts >= Fstart_time)
            DispatchCopies(ist, pkt);
    }

    if (ist.decoding_needed) {
        int ret;
        switch (ist.dec()->codec_type) {
        case AVMEDIA_TYPE_AUDIO:
        case AVMEDIA_TYPE_VIDEO: ret = DecodeFrames(ist, pkt); break;
        case AVMEDIA_TYPE_SUBTITLE: ret = DecodeSubtitle(ist, pkt); break;
        default: ret = -1; break;
        }
        // A decoder that fails while it is drained still leaves the encoders to be drained.
        if (ret < 0 && pkt)
            return -1;
    }
    if (!pkt)
        DrainEncoders(ist);
    return 0;
}

int TCustomFFmpeg::DecodeFrames(TAVInputStream& ist, const AVPacket* pkt)
{
    AVCodecContext* dec = ist.dec();
    int ret = ff::avcodec_send_packet(dec, pkt);
    if (ret < 0 && ret != AVERROR_EOF) {
        ist.decode_error = ret;
        return -1;
    }
    FramePtr frame(ff::av_frame_alloc());
    if (!frame)
        throw FFmpegException("Out of memory");
    int frames = 0;
    // A stop ends a packet of many frames at the next one.
    while (!FBroken) {
        ret = ff::avcodec_receive_frame(dec, frame.get());
        if (ret == AVERROR(EAGAIN) || ret == AVERROR_EOF)
            break;
        if (ret < 0) {
            ist.decode_error = ret;
            return -1;
        }
        ist.frames_decoded++;
        if (++frames == 2 && pkt
            && ((!ist.showed_multi_packet_warning && Fverbose > 0) || Fverbose > 1)) {
            LogError(FormatText("Multiple frames in a packet from stream %d", pkt->stream_index));
            ist.showed_multi_packet_warning = 1;
        }
        if (dec->codec_type == AVMEDIA_TYPE_AUDIO) {
            ist.pts = ist.next_pts;
            if (frame->sample_rate > 0)
                ist.next_pts += ff::av_rescale(frame->nb_samples, AV_TIME_BASE, frame->sample_rate);
            DispatchAudio(ist, frame.get());
        } else {
            const std::int64_t best = frame->best_effort_timestamp;
            ist.pts = best != AV_NOPTS_VALUE ? ff::av_rescale_q(best, ist.st->time_base, AV_TIME_BASE_Q) : ist.next_pts;
            ist.next_pts = ist.pts + PictureDuration(ist.st, frame->pkt_duration);
            ist.quality = frame->quality;
            // From here on a picture carries its time in microseconds.
            frame->pts = ist.pts;
            PrepareDecodedPicture(ist, frame.get());
        }
        ff::av_frame_unref(frame.get());
    }
    if (!pkt && dec->codec_type == AVMEDIA_TYPE_VIDEO)
        PrepareDecodedPicture(ist, nullptr);
    return 0;
}

int TCustomFFmpeg::DecodeSubtitle(TAVInputStream& ist, const AVPacket* pkt)
{
    if (!pkt)
        return 0;
    AVSubtitle sub{};
    int got = 0;
    if (ff::avcodec_decode_subtitle2(ist.dec(), &sub, &got, const_cast<AVPacket*>(pkt)) < 0)
        return -1;
    if (!got)
        return 0;
    try {
        if (OutputWanted(ist)) {
            for (auto& ost : Fost_table) {
                if (Fist_table[ost->source_index].get() == &ist && ost->encoding_needed)
                    EncodeSubtitle(Foutput_files[ost->file_index], *ost, ist, &sub, pkt->pts);
            }
        }
    } catch (...) {
        ff::avsubtitle_free(&sub);
        throw;
    }
    ff::avsubtitle_free(&sub);
    return 0;
}

void TCustomFFmpeg::DispatchAudio(TAVInputStream& ist, AVFrame* frame)
{
    if (Faudio_volume != 256 && ff::av_frame_make_writable(frame) >= 0)
        ApplyVolume(frame);
    FramePtr trimmed(ff::av_frame_alloc());
    if (!trimmed)
        throw FFmpegException("Out of memory");
    const AVFrame* samples = TrimToInputStart(ist, frame, trimmed.get());
    if (!samples || !OutputWanted(ist))
        return;
    for (auto& ost : Fost_table) {
        if (Fist_table[ost->source_index].get() == &ist && ost->encoding_needed)
            do_audio_out(Foutput_files[ost->file_index], *ost, ist, samples);
    }
}

void TCustomFFmpeg::DispatchVideo(TAVInputStream& ist, AVFrame* picture)
{
    ist.pts = picture->pts;
    if (!OutputWanted(ist))
        return;
    for (auto& ost : Fost_table) {
        if (Fist_table[ost->source_index].get() == &ist && ost->encoding_needed)
            DispatchVideoToStream(*ost, ist, picture);
    }
}

void TCustomFFmpeg::DispatchVideoToStream(TAVOutputStream& ost, TAVInputStream& ist, AVFrame* picture)
{
    AVFormatContext* s = Foutput_files[ost.file_index];
    auto encode = [&](const AVFrame* frame) {
        const int frame_size = EncodeVideoFrame(s, ost, ist, frame);
        if (!Fvstats_filename.empty() && frame_size)
            WriteVideoStats(ost, frame_size);
    };
    if (!ost.filters.input_video_filter) {
        if (picture)
            encode(picture);
        return;
    }
    // The stream's own filter graph; a null picture drains it.
    if (ff::av_buffersrc_add_frame_flags(ost.filters.input_video_filter, picture, AV_BUFFERSRC_FLAG_KEEP_REF) < 0) {
        LogError("Error while filtering the picture");
        return;
    }
    const AVRational tb = ff::av_buffersink_get_time_base(ost.filters.out_video_filter);
    FramePtr filtered(ff::av_frame_alloc());
    if (!filtered)
        throw FFmpegException("Out of memory");
    while (!FBroken && ff::av_buffersink_get_frame(ost.filters.out_video_filter, filtered.get()) >= 0) {
        if (filtered->pts != AV_NOPTS_VALUE)
            ist.pts = ff::av_rescale_q(filtered->pts, tb, AV_TIME_BASE_Q);
        if (filtered->sample_aspect_ratio.num)
            ost.enc()->sample_aspect_ratio = filtered->sample_aspect_ratio;
        encode(filtered.get());
        ff::av_frame_unref(filtered.get());
    }
}

void TCustomFFmpeg::DispatchCopies(TAVInputStream& ist, const AVPacket* pkt)
{
    for (auto& ost : Fost_table) {
        if (Fist_table[ost->source_index].get() == &ist && !ost->encoding_needed)
            CopyStreamPacket(Foutput_files[ost->file_index], *ost, ist, pkt);
    }
}

void TCustomFFmpeg::DrainEncoders(TAVInputStream& ist)
{
    for (auto& ost : Fost_table) {
        if (Fist_table[ost->source_index].get() != &ist || !ost->encoding_needed)
            continue;
        AVFormatContext* s = Foutput_files[ost->file_index];
        switch (ost->enc()->codec_type) {
        case AVMEDIA_TYPE_AUDIO: DrainAudioEncoder(s, *ost); break;
        case AVMEDIA_TYPE_VIDEO:
            DispatchVideoToStream(*ost, ist, nullptr);
            EncodeFrame(s, *ost, nullptr, "Video encoding failed");
            break;
        default: break;
        }
    }
}
