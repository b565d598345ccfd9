#include "engine/FFmpeg.h"

#include "engine/FFUtils.h"
#include "engine/FFmpegEntries.h"
#include "engine/FormatText.h"
#include "platform/kernel/Clock.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <thread>

namespace {

// Wait of a round in which every input had nothing to read.
constexpr int kNoPacketWaitMs = 10;

std::int64_t Now()
{
    return static_cast<std::int64_t>(GetTickCount64()) * 1000;
}

struct PacketFree {
    void operator()(AVPacket* pkt) const { ff::av_packet_free(&pkt); }
};

// Frame limits by media type: video, audio, data, subtitle.
int FrameLimit(const std::array<int, 4>& limits, AVMediaType type)
{
    return type >= 0 && type < 4 ? limits[type] : INT_MAX;
}

} // namespace

void TCustomFFmpeg::TranscodeLoop()
{
    // Whatever happens, the run's records and the codecs they hold are freed on the way out.
    struct TablesGuard {
        TCustomFFmpeg& owner;
        ~TablesGuard() { owner.FreeStreamTables(); }
    } guard{*this};

    Fno_packet.assign(FMaxFiles, false);
    Fno_packet_count = 0;
    BuildInputTables();
    BuildOutputTables();
    // A run stopped before its outputs are opened leaves them untouched.
    if (FBroken)
        return;
    // Decoders first: a text subtitle encoder takes its decoder's style header.
    OpenDecoders();
    OpenEncoders();
    InitInputTimes();
    ApplyMetaDataMaps();
    CopyAllChapters();
    Reached(TRunPoint::OpeningOutputs);
    if (FBroken)
        return;
    OpenOutputFiles();
    WriteHeaders();
    LogStreamMapping();

    RunPacketLoop();
    FinishRun();
}

int TCustomFFmpeg::ChooseInput(int file_index) const
{
    if (FJoinMode) {
        const int n = SegmentSize();
        for (int i = file_index * n; i < (file_index + 1) * n && i < static_cast<int>(Fost_table.size()); ++i) {
            const TAVOutputStream& ost = *Fost_table[i];
            if (ost.frame_number >= FrameLimit(Fmax_frames, OutputMediaType(ost)))
                return -1;
        }
        return file_index;
    }
    double ipts_min = 1e100;
    double opts_min = 1e100;
    int chosen = -1;
    for (const auto& ost : Fost_table) {
        const TAVInputStream& ist = *Fist_table[ost->source_index];
        if (ist.is_past_recording_time || Fno_packet[ist.file_index])
            continue;
        const double opts = static_cast<double>(ost->end_pts) * av_q2d(ost->st->time_base);
        const double ipts = static_cast<double>(ist.pts);
        if (!Ffile_table[ist.file_index].eof_reached) {
            if (ipts < ipts_min) {
                ipts_min = ipts;
                if (Finput_sync)
                    chosen = ist.file_index;
            }
            if (opts < opts_min) {
                opts_min = opts;
                if (!Finput_sync)
                    chosen = ist.file_index;
            }
        }
        if (ost->frame_number >= FrameLimit(Fmax_frames, OutputMediaType(*ost)))
            return -1;
    }
    return chosen;
}

void TCustomFFmpeg::FixTimestamps(AVPacket* pkt, TAVInputStream& ist)
{
    const int f = ist.file_index;
    const AVRational tb = ist.st->time_base;
    const std::int64_t offset = ff::av_rescale_q(Finput_files_ts_offset[f], AV_TIME_BASE_Q, tb);
    if (pkt->dts != AV_NOPTS_VALUE)
        pkt->dts += offset;
    if (pkt->pts != AV_NOPTS_VALUE)
        pkt->pts += offset;
    const double scale = pkt->stream_index < MAX_STREAMS ? Finput_files_ts_scale[f][pkt->stream_index] : 0;
    if (scale != 0) {
        if (pkt->pts != AV_NOPTS_VALUE)
            pkt->pts = std::llrint(static_cast<double>(pkt->pts) * scale);
        if (pkt->dts != AV_NOPTS_VALUE)
            pkt->dts = std::llrint(static_cast<double>(pkt->dts) * scale);
    }
    // A jump in a format whose time stamps may jump moves the input's offset by it.
    if (pkt->dts != AV_NOPTS_VALUE && ist.next_dts != AV_NOPTS_VALUE
        && (Finput_files[f]->iformat->flags & AVFMT_TS_DISCONT) && !Fcopy_ts) {
        const std::int64_t pkt_dts = ff::av_rescale_q(pkt->dts, tb, AV_TIME_BASE_Q);
        const std::int64_t delta = pkt_dts - ist.next_dts;
        if (std::llabs(delta) > static_cast<std::int64_t>(Fdts_delta_threshold * AV_TIME_BASE)
            || pkt_dts + 1 < ist.dts) {
            Finput_files_ts_offset[f] -= delta;
            if (Fverbose > 2)
                LogVerbose(FormatText("timestamp discontinuity %lld, new offset= %lld", static_cast<long long>(delta),
                                      static_cast<long long>(Finput_files_ts_offset[f])));
            pkt->dts -= ff::av_rescale_q(delta, AV_TIME_BASE_Q, tb);
            if (pkt->pts != AV_NOPTS_VALUE)
                pkt->pts -= ff::av_rescale_q(delta, AV_TIME_BASE_Q, tb);
        }
    }
}

void TCustomFFmpeg::RunPacketLoop()
{
    Ftimer_start = Now();
    std::int64_t last_report = Ftimer_start;
    int file_index = 0;
    std::fill(Fno_packet.begin(), Fno_packet.end(), false);
    Fno_packet_count = 0;
    std::unique_ptr<AVPacket, PacketFree> pkt(ff::av_packet_alloc());
    if (!pkt)
        throw FFmpegException("Out of memory");

    while (!FBroken) {
        // A paused run waits here, between packets, holding no lock.
        WaitWhilePaused();
        if (FBroken)
            break;
        file_index = ChooseInput(file_index);
        if (file_index < 0) {
            if (!FJoinMode && Fno_packet_count > 0) {
                std::fill(Fno_packet.begin(), Fno_packet.end(), false);
                Fno_packet_count = 0;
                std::this_thread::sleep_for(std::chrono::milliseconds(kNoPacketWaitMs));
                continue;
            }
            break;
        }
        if (Flimit_filesize != 0 && Foutput_files[0]->pb
            && ff::avio_seek(Foutput_files[0]->pb, 0, SEEK_CUR) > Flimit_filesize)
            break;

        const int ret = ff::av_read_frame(Finput_files[file_index], pkt.get());
        if (ret == AVERROR(EAGAIN)) {
            Fno_packet[file_index] = true;
            Fno_packet_count++;
            continue;
        }
        if (ret < 0) {
            // A read error ends the input like its end.
            Ffile_table[file_index].eof_reached = 1;
            if (FJoinMode) {
                const bool last = file_index == Fnb_input_files - 1;
                EndOfJoinedInput(file_index, last);
                if (last)
                    break;
                ++file_index;
                continue;
            }
            if (Fopt_shortest)
                break;
            continue;
        }
        std::fill(Fno_packet.begin(), Fno_packet.end(), false);
        Fno_packet_count = 0;
        AVFormatContext* is = Finput_files[file_index];
        if (Fdo_pkt_dump && pkt->stream_index < static_cast<int>(is->nb_streams))
            ff::av_pkt_dump_log2(nullptr, AV_LOG_DEBUG, pkt.get(), Fdo_hex_dump, is->streams[pkt->stream_index]);

        const TAVInputFile& file = Ffile_table[file_index];
        if (pkt->stream_index < file.nb_streams) {
            TAVInputStream& ist = *Fist_table[file.ist_index + pkt->stream_index];
            if (!ist.discard) {
                FixTimestamps(pkt.get(), ist);
                if (Frecording_time != INT64_MAX
                    && ff::av_compare_ts(pkt->pts, ist.st->time_base, Frecording_time + Fstart_time, AV_TIME_BASE_Q)
                           >= 0) {
                    ist.is_past_recording_time = 1;
                } else if (DecodeAndDispatch(ist, pkt.get()) < 0) {
                    const std::string message = FormatText("Error while decoding stream #%d.%d (%s)", ist.file_index,
                                                           ist.index,
                                                           MediaTypeName(ist.st->codecpar->codec_type).c_str());
                    if (Fexit_on_error)
                        throw FFmpegException(message);
                    if (Fverbose >= 0)
                        LogVerbose(message);
                    ff::av_packet_unref(pkt.get());
                    continue;
                }
            }
        }
        ff::av_packet_unref(pkt.get());

        const std::int64_t now = Now();
        if (now - last_report > ReportInterval) {
            last_report = now;
            ReportProgress(false, file_index);
        }
    }
}

void TCustomFFmpeg::EndOfJoinedInput(int k, bool last)
{
    const int n = SegmentSize();
    const int count = static_cast<int>(Fost_table.size());
    const TAVInputFile& file = Ffile_table[k];
    for (int s = 0; s < file.nb_streams; ++s) {
        TAVInputStream& ist = *Fist_table[file.ist_index + s];
        if (!ist.decoding_needed)
            continue;
        if (last) {
            DecodeAndDispatch(ist, nullptr);
        } else {
            // The encoders go on with the next input: only what the decoder and the stream's
            // filters hold is passed on, and samples short of an encoder frame move to the
            // next segment.
            if (ist.dec()->codec_type == AVMEDIA_TYPE_AUDIO || ist.dec()->codec_type == AVMEDIA_TYPE_VIDEO)
                DecodeFrames(ist, nullptr);
            for (int i = k * n; i < (k + 1) * n && i + n < count; ++i) {
                TAVOutputStream& ost = *Fost_table[i];
                if (Fist_table[ost.source_index].get() != &ist || !ost.encoding_needed)
                    continue;
                if (ost.enc()->codec_type == AVMEDIA_TYPE_VIDEO)
                    DispatchVideoToStream(ost, ist, nullptr);
                else if (ost.enc()->codec_type == AVMEDIA_TYPE_AUDIO)
                    CarryAudio(ost, *Fost_table[i + n]);
            }
        }
        ff::avcodec_flush_buffers(ist.dec());
        ist.decoder_flushed = 1;
    }
    if (last)
        return;
    for (int i = (k + 1) * n; i < count; ++i) {
        Fost_table[i]->sync_opts = Fost_table[i - n]->sync_opts;
        Fost_table[i]->frame_number = Fost_table[i - n]->frame_number;
    }
    // The next input starts where this one's output ends: the encoders' counters (with the
    // samples carried over), the written packets of copied streams.
    double largest = 0;
    for (int i = k * n; i < (k + 1) * n && i + n < count; ++i) {
        TAVOutputStream& ost = *Fost_table[i];
        double end;
        if (!ost.encoding_needed) {
            const TAVOutputStream& clock = *Fost_table[i % n];
            end = static_cast<double>(clock.end_pts) * av_q2d(clock.st->time_base);
        } else if (ost.enc()->codec_type == AVMEDIA_TYPE_AUDIO) {
            AVAudioFifo* carried = Fost_table[i + n]->fifo;
            end = static_cast<double>(ost.sync_opts + (carried ? ff::av_audio_fifo_size(carried) : 0))
                  / ost.enc()->sample_rate;
        } else {
            end = static_cast<double>(ost.sync_opts) * av_q2d(ost.enc()->time_base);
        }
        largest = std::max(largest, end);
        ost.show_fps = 0;
    }
    Finput_files_ts_offset[k + 1] += std::llrint(largest * AV_TIME_BASE);
}

void TCustomFFmpeg::FinishRun()
{
    Reached(TRunPoint::Draining);
    // Decoders and the encoders they feed give what they still hold. After a stop nothing more
    // is decoded, and each encoder gives one packet at most (EncodeFrame): one with a long
    // look-ahead would take a second for all of its pictures.
    for (auto& ist : Fist_table) {
        if (!ist->decoding_needed || ist->decoder_flushed)
            continue;
        if (FBroken)
            DrainEncoders(*ist);
        else
            DecodeAndDispatch(*ist, nullptr);
    }
    const int outputs = FJoinMode ? std::min(Fnb_output_files, 1) : Fnb_output_files;
    std::string failure;
    for (int j = 0; j < outputs; ++j) {
        int ret;
        {
            const std::unique_lock<std::mutex> write = OutputWrite();
            ret = ff::av_write_trailer(Foutput_files[j]);
        }
        if (ret < 0 && failure.empty())
            failure = ErrorCodeToStr(FormatText("Could not write trailer for output file #%d", j), ret);
    }
    ReportProgress(true, -1);
    if (failure.empty() && !FBroken)
        failure = EmptyStreamFailure();
    CloseEncoders();
    CloseDecoders();
    FreeStreamTables();
    if (!failure.empty())
        throw FFmpegException(failure);
    FFinished = !FBroken;
}

std::string TCustomFFmpeg::EmptyStreamFailure() const
{
    // A joined output's segments count their packets in the first one.
    const int count = FJoinMode ? EncoderCount() : static_cast<int>(Fost_table.size());
    for (int i = 0; i < count; ++i) {
        const TAVOutputStream& ost = *Fost_table[i];
        const AVMediaType type = OutputMediaType(ost);
        if (ost.packets_written > 0 || (type != AVMEDIA_TYPE_VIDEO && type != AVMEDIA_TYPE_AUDIO))
            continue;
        // A decoder that refused everything it was given says why.
        const TAVInputStream& ist = *Fist_table[ost.source_index];
        if (ist.frames_decoded == 0 && ist.decode_error < 0)
            return ErrorCodeToStr(FormatText("Error while decoding stream #%d.%d (%s)", ist.file_index, ist.index,
                                             MediaTypeName(ist.st->codecpar->codec_type).c_str()),
                                  ist.decode_error);
        return FormatText("Nothing was written to output stream #%d.%d (%s)", ost.file_index, ost.index,
                          MediaTypeName(type).c_str());
    }
    return {};
}
