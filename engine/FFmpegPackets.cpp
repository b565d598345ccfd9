#include "engine/FFmpeg.h"

#include "engine/FFUtils.h"
#include "engine/FFmpegEntries.h"
#include "engine/FFmpegLogger.h"
#include "engine/FormatText.h"

#include <algorithm>
#include <cstring>
#include <memory>

namespace {

// The subtitle encoder's output buffer.
constexpr int kSubtitleOutSize = 1024 * 1024;

struct PacketFree {
    void operator()(AVPacket* pkt) const { ff::av_packet_free(&pkt); }
};
using PacketPtr = std::unique_ptr<AVPacket, PacketFree>;

PacketPtr NewPacket()
{
    PacketPtr pkt(ff::av_packet_alloc());
    if (!pkt)
        throw FFmpegException("Out of memory");
    return pkt;
}

// What the encoder says about the packet: quality, picture type and errors.
void ReadCodedFrame(const AVPacket* pkt, TCodedFrame& coded)
{
    coded.key_frame = pkt->flags & AV_PKT_FLAG_KEY;
    size_t size = 0;
    const std::uint8_t* stats = ff::av_packet_get_side_data(pkt, AV_PKT_DATA_QUALITY_STATS, &size);
    if (!stats || size < 6)
        return;
    std::int32_t quality;
    std::memcpy(&quality, stats, sizeof quality);
    coded.quality = quality;
    coded.pict_type = ff::av_get_picture_type_char(static_cast<AVPictureType>(stats[4]));
    const int errors = std::min<int>(stats[5], 4);
    for (int i = 0; i < errors && 8 + (i + 1) * 8 <= static_cast<int>(size); ++i)
        std::memcpy(&coded.error[i], stats + 8 + i * 8, sizeof coded.error[i]);
}

// One frame in the encoder's time base: a picture at the encoder's rate, or the audio frame's
// samples; 0 when it is not known.
std::int64_t PacketDuration(const AVCodecContext* enc)
{
    if (enc->codec_type == AVMEDIA_TYPE_VIDEO && enc->framerate.num > 0 && enc->framerate.den > 0)
        return ff::av_rescale_q(1, AVRational{enc->framerate.den, enc->framerate.num}, enc->time_base);
    if (enc->codec_type == AVMEDIA_TYPE_AUDIO && enc->frame_size > 0 && enc->sample_rate > 0)
        return ff::av_rescale_q(enc->frame_size, AVRational{1, enc->sample_rate}, enc->time_base);
    return 0;
}

} // namespace

void TCustomFFmpeg::LogVerbose(const std::string& message)
{
    GetLogger().Log(this, llVerbose, message);
}

void TCustomFFmpeg::LogError(const std::string& message)
{
    GetLogger().Log(this, llError, message);
}

void TCustomFFmpeg::ReportOrRaise(const std::string& message)
{
    if (Fexit_on_error)
        throw FFmpegException(message);
    LogError(message);
}

int TCustomFFmpeg::EncodeFrame(AVFormatContext* s, TAVOutputStream& ost, const AVFrame* frame,
                               const char* failure)
{
    AVCodecContext* enc = ost.enc();
    const int sent = ff::avcodec_send_frame(enc, frame);
    if (sent < 0 && sent != AVERROR_EOF)
        throw FFmpegException(ErrorCodeToStr(failure, sent));
    int frame_size = 0;
    PacketPtr pkt = NewPacket();
    for (;;) {
        const int ret = ff::avcodec_receive_packet(enc, pkt.get());
        if (ret == AVERROR(EAGAIN) || ret == AVERROR_EOF)
            break;
        if (ret < 0)
            throw FFmpegException(ErrorCodeToStr(failure, ret));
        frame_size = pkt->size;
        if (enc->codec_type == AVMEDIA_TYPE_VIDEO) {
            Fvideo_size += pkt->size;
            ReadCodedFrame(pkt.get(), ost.coded_frame);
            if (ost.logfile && enc->stats_out)
                std::fprintf(ost.logfile, "%s", enc->stats_out);
        } else {
            Faudio_size += pkt->size;
        }
        // Every packet lasts its frame, the last one too (else the file ends a frame short).
        if (pkt->duration <= 0)
            pkt->duration = PacketDuration(enc);
        pkt->stream_index = ost.index;
        ff::av_packet_rescale_ts(pkt.get(), enc->time_base, ost.st->time_base);
        WritePacket(s, pkt.get(), ost);
        // Each packet of a drain costs a whole picture: a stopped run takes one (so a stream
        // that had none yet gets its first) and no more.
        if (!frame && FBroken)
            break;
    }
    return frame_size;
}

void TCustomFFmpeg::WritePacket(AVFormatContext* s, AVPacket* pkt, TAVOutputStream& ost)
{
    // The packets after each filter of the chain; a filter that fails passes its packet on.
    std::vector<PacketPtr> packets;
    packets.push_back(NewPacket());
    ff::av_packet_move_ref(packets.back().get(), pkt);
    if (ost.bitstream_filters) {
        for (AVBSFContext* bsf : *ost.bitstream_filters) {
            std::vector<PacketPtr> filtered;
            for (PacketPtr& in : packets) {
                const int stream_index = in->stream_index;
                int ret = ff::av_bsf_send_packet(bsf, in.get());
                if (ret < 0) {
                    const AVCodecContext* enc = ost.enc();
                    const std::string codec = enc && enc->codec && ost.encoding_needed ? enc->codec->name : "copy";
                    ReportOrRaise(ErrorCodeToStr(FormatText("%s failed for stream %d, codec %s", bsf->filter->name,
                                                            stream_index, codec.c_str()),
                                                 ret));
                    filtered.push_back(std::move(in));
                    continue;
                }
                for (;;) {
                    PacketPtr out = NewPacket();
                    ret = ff::av_bsf_receive_packet(bsf, out.get());
                    if (ret < 0)
                        break;
                    filtered.push_back(std::move(out));
                }
            }
            packets = std::move(filtered);
        }
    }
    // The segments of a joined output share their stream's time, kept by the first segment.
    TAVOutputStream& clock = FJoinMode ? *Fost_table[ost.index] : ost;
    for (PacketPtr& out : packets) {
        const std::int64_t end = (out->pts != AV_NOPTS_VALUE ? out->pts : out->dts) + out->duration;
        if (out->pts != AV_NOPTS_VALUE || out->dts != AV_NOPTS_VALUE)
            clock.end_pts = std::max(clock.end_pts, end);
        {
            const std::unique_lock<std::mutex> write = OutputWrite();
            const int ret = ff::av_interleaved_write_frame(s, out.get());
            if (ret < 0)
                throw FFmpegException(ErrorCodeToStr("av_interleaved_write_frame()", ret));
            clock.packets_written++;
        }
        Reached(TRunPoint::PacketWritten);
    }
}

void TCustomFFmpeg::CopyStreamPacket(AVFormatContext* s, TAVOutputStream& ost, TAVInputStream& ist,
                                     const AVPacket* pkt)
{
    const AVRational ost_tb = ost.st->time_base;
    const std::int64_t start = ff::av_rescale_q(Fstart_time, AV_TIME_BASE_Q, ost_tb);

    // A copy starts at a key packet unless told otherwise.
    if (ost.frame_number == 0 && !(pkt->flags & AV_PKT_FLAG_KEY) && !Fcopy_initial_nonkeyframes)
        return;

    if (ost.st->codecpar->codec_type == AVMEDIA_TYPE_AUDIO) {
        Faudio_size += pkt->size;
    } else if (ost.st->codecpar->codec_type == AVMEDIA_TYPE_VIDEO) {
        Fvideo_size += pkt->size;
        ost.sync_opts++;
    }
    ost.coded_frame.key_frame = pkt->flags & AV_PKT_FLAG_KEY;

    PacketPtr opkt = NewPacket();
    if (ff::av_packet_ref(opkt.get(), pkt) < 0)
        throw FFmpegException("Out of memory");
    opkt->stream_index = ost.index;
    opkt->pts = pkt->pts != AV_NOPTS_VALUE ? ff::av_rescale_q(pkt->pts, ist.st->time_base, ost_tb) - start
                                           : AV_NOPTS_VALUE;
    opkt->dts = (pkt->dts == AV_NOPTS_VALUE ? ff::av_rescale_q(ist.dts, AV_TIME_BASE_Q, ost_tb)
                                            : ff::av_rescale_q(pkt->dts, ist.st->time_base, ost_tb))
                - start;
    opkt->duration = ff::av_rescale_q(pkt->duration, ist.st->time_base, ost_tb);
    WritePacket(s, opkt.get(), ost);
    ost.frame_number++;
}

void TCustomFFmpeg::EncodeSubtitle(AVFormatContext* s, TAVOutputStream& ost, TAVInputStream& ist,
                                   AVSubtitle* sub, std::int64_t pts)
{
    if (pts == AV_NOPTS_VALUE) {
        ReportOrRaise("Subtitle packets must have a pts");
        return;
    }
    if (Fsubtitle_out.empty())
        Fsubtitle_out.resize(kSubtitleOutSize);
    AVCodecContext* enc = ost.enc();
    // DVB subtitles are written twice: once to show them, once (without regions) to clear them.
    const bool dvb = enc->codec_id == AV_CODEC_ID_DVB_SUBTITLE;
    const unsigned rects = sub->num_rects;
    for (int i = 0; i < (dvb ? 2 : 1); ++i) {
        sub->pts = ff::av_rescale_q(pts, ist.st->time_base, AV_TIME_BASE_Q)
                   + ff::av_rescale_q(sub->start_display_time, AVRational{1, 1000}, AV_TIME_BASE_Q);
        sub->end_display_time -= sub->start_display_time;
        sub->start_display_time = 0;
        if (i == 1)
            sub->num_rects = 0;
        const int size = ff::avcodec_encode_subtitle(enc, Fsubtitle_out.data(), kSubtitleOutSize, sub);
        sub->num_rects = rects;
        if (size < 0)
            throw FFmpegException("Subtitle encoding failed");

        PacketPtr pkt = NewPacket();
        if (ff::av_new_packet(pkt.get(), size) < 0)
            throw FFmpegException("Out of memory");
        std::memcpy(pkt->data, Fsubtitle_out.data(), static_cast<size_t>(size));
        pkt->stream_index = ost.index;
        pkt->pts = ff::av_rescale_q(sub->pts, AV_TIME_BASE_Q, ost.st->time_base);
        const AVRational ms{1, 1000};
        if (dvb) {
            const std::uint32_t shown = i == 0 ? sub->start_display_time : sub->end_display_time;
            pkt->pts += ff::av_rescale_q(shown, ms, ost.st->time_base);
        } else {
            pkt->duration = ff::av_rescale_q(sub->end_display_time, ms, ost.st->time_base);
        }
        pkt->dts = pkt->pts;
        WritePacket(s, pkt.get(), ost);
    }
}
