// The player's open file: opening and closing its state, the read loop with its queue limits,
// end-of-input rules and seeks, the stream components and the seek request.

#include "engine/FFPlay.h"
#include "engine/FFPlayVideoState.h"
#include "engine/FFUtils.h"
#include "engine/FFmpegEntries.h"
#include "engine/FFmpegLoader.h"
#include "engine/FFmpegLogger.h"
#include "engine/PngStreamHeader.h"
#include "engine/UnicodeProtocol.h"
#include "platform/kernel/Exceptions.h"
#include "platform/kernel/MainThread.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <thread>

namespace {

// Each key packet of the codec decodes on its own (PNG's other packets build on the last picture,
// so its descriptor does not call it intra-only).
bool KeyPacketsStandAlone(AVCodecID id)
{
    const AVCodecDescriptor* descriptor = ff::avcodec_descriptor_get(id);
    return id == AV_CODEC_ID_PNG || (descriptor && (descriptor->props & AV_CODEC_PROP_INTRA_ONLY));
}

constexpr int kMaxQueueSize = 15 * 1024 * 1024;
constexpr int kMinAudioQueueSize = 327680;
constexpr int kMinFrames = 5;

void SleepMs(int ms)
{
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

// The format library's interrupt callback: a blocked read ends once the file is closing.
int DecodeInterrupt(void* opaque) noexcept
{
    return static_cast<TVideoState*>(opaque)->abort_request.load() != 0 ? 1 : 0;
}

std::string Printf(const char* format, const std::string& name, double value = 0)
{
    char text[2048];
    std::snprintf(text, sizeof text, format, name.c_str(), value);
    return text;
}

} // namespace

TVideoState::~TVideoState()
{
    for (TQueuedSubtitle& sub : subpq)
        if (sub.Sub.num_rects || sub.Sub.rects)
            ff::avsubtitle_free(&sub.Sub);
    if (audio_pkt)
        ff::av_packet_free(&audio_pkt);
    if (audio_frame)
        ff::av_frame_free(&audio_frame);
    if (swr_ctx)
        ff::swr_free(&swr_ctx);
    ff::av_channel_layout_uninit(&swr_src_layout);
    if (rdft)
        ff::av_rdft_end(rdft);
    ff::av_free(rdft_data);
    FreeColourScaler(colour_scaler);
}

bool TCustomPlayer::PostUserEvent(int type, TVideoState* is)
{
    SDL_Event event{};
    event.type = static_cast<Uint8>(type);
    event.user.data1 = is;
    return ff::SDL_PushEvent(&event) == 0;
}

bool TCustomPlayer::OpenVideoState(const std::string& fileName, bool paused)
{
    ZD_ASSERT(!CurrentState(), "the player already has a file open");
    auto is = std::make_shared<TVideoState>();
    is->Owner = this;
    if (paused) {
        is->paused = 1;
        is->open_paused = 1;
        is->hold_first = 1;
        step_ = false;
    }
    is->filename = fileName;
    is->iformat = file_iformat_;
    is->av_sync_type = av_sync_type_;
    is->max_picture_width = std::max(fs_screen_width_.load(), screen_width_.load());
    is->max_picture_height = std::max(fs_screen_height_.load(), screen_height_.load());
    TVideoState* state = is.get();
    StartThread(is->parse_tid, "ReadLoop", [this, state] { ReadLoop(state); });

    // The read thread reports through Opened; the GUI thread keeps serving while it waits.
    MainThread::WaitServing([state] { return state->Opened.load() != 0; }, INFINITE);
    if (is->Opened == 1) {
        {
            std::lock_guard<std::mutex> lock(stateMutex_);
            videoState_ = is;
        }
        if (!is->video_st && !display_disable_)
            is->show_audio = showAudio_;
        StartThread(is->refresh_tid, "RefreshThread", [this, state] { RefreshTimerLoop(state); });
        return true;
    }
    is->parse_tid.Join();
    ResetPlayState();
    return false;
}

void TCustomPlayer::CloseVideoState(TVideoState* is)
{
    {
        std::lock_guard<std::mutex> lock(seekMutex_);
        is->abort_request = 1;
    }
    // No seek or picture comes any more: whoever waits for one stops waiting.
    seekEvent_.Set();
    pictEvent_.Set();
    if (is->parse_tid.Joinable())
        is->parse_tid.Join();
    if (is->refresh_tid.Joinable())
        is->refresh_tid.Join();
    for (TQueuedPicture& vp : is->pictq) {
        if (vp.Overlay)
            ff::SDL_FreeYUVOverlay(vp.Overlay);
        vp.Overlay = nullptr;
        ff::av_frame_free(&vp.Whole);
    }
    if (is->shown.Overlay)
        ff::SDL_FreeYUVOverlay(is->shown.Overlay);
    is->shown.Overlay = nullptr;
    ff::av_frame_free(&is->shown.Whole);
}

void TCustomPlayer::ShutdownPlayback()
{
    std::shared_ptr<TVideoState> is = CurrentState();
    if (!is)
        return;
    // The probe lets go of the file before the read thread closes it.
    AVProbe()->CloseFile();
    CloseVideoState(is.get());
    {
        std::lock_guard<std::mutex> lock(stateMutex_);
        videoState_.reset();
    }
    ResetPlayState();
}

void TCustomPlayer::ReadLoop(TVideoState* is)
{
    try {
        if (OpenInput(is)) {
            is->Opened = 1;
            ReadPackets(is);
        }
    } catch (const std::exception& e) {
        PostLog(llFatal, std::string("ReadLoop Exception: ") + e.what());
        // An open playback stays until it is closed.
        while (is->Opened == 1 && !is->abort_request)
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    if (is->Opened != 1)
        is->Opened = -1;
    for (int index : {is->audio_stream.load(), is->video_stream.load(), is->subtitle_stream.load()})
        if (index >= 0)
            CloseStreamComponent(is, index);
    if (is->ic)
        ff::avformat_close_input(&is->ic);
    // A failed open is ended by the caller of OpenVideoState (it joins this thread).
}

bool TCustomPlayer::OpenInput(TVideoState* is)
{
    is->ic = AllocFormatContext();
    if (!is->ic) {
        ReportError("av_mallocz() failed.", true);
        return false;
    }
    is->ic->interrupt_callback.callback = DecodeInterrupt;
    is->ic->interrupt_callback.opaque = is;

    AVDictionary* options = nullptr;
    if (frame_width_ > 0 && frame_height_ > 0)
        ff::av_dict_set(&options, "video_size",
                        (std::to_string(frame_width_) + "x" + std::to_string(frame_height_)).c_str(), 0);
    if (frame_pix_fmt_ >= 0)
        if (const char* name = ff::av_get_pix_fmt_name(static_cast<AVPixelFormat>(frame_pix_fmt_)))
            ff::av_dict_set(&options, "pixel_format", name, 0);
    const int err = ff::avformat_open_input(&is->ic, ToProtocolFileName(is->filename).c_str(), is->iformat, &options);
    ff::av_dict_free(&options);
    if (err < 0) {
        // avformat_open_input frees the context on failure.
        std::lock_guard<std::mutex> lock(errMutex_);
        lastErrMsg_ = ErrorCodeToStr(is->filename, err);
        return false;
    }
    AVFormatContext* ic = is->ic;
    if (genpts_)
        ic->flags |= AVFMT_FLAG_GENPTS;
    FillPngStreamParameters(ic);
    int found;
    {
        std::lock_guard<CriticalSection> lock(CodecLock());
        found = ff::avformat_find_stream_info(ic, nullptr);
    }
    if (found < 0) {
        std::lock_guard<std::mutex> lock(errMutex_);
        lastErrMsg_ = Printf("%s: could not find codec parameters", is->filename);
        return false;
    }
    if (ic->pb)
        ic->pb->eof_reached = 0;
    if (seek_by_bytes_ < 0)
        seek_by_bytes_ = (ic->iformat->flags & AVFMT_TS_DISCONT) ? 1 : 0;
    const std::string formatName = ic->iformat->name ? ic->iformat->name : "";
    is->IsImage2 = formatName == "image2" ? 1 : 0;
    if (const AVClass* formatClass = ic->iformat->priv_class)
        is->IsDevice = formatClass->category == AV_CLASS_CATEGORY_DEVICE_VIDEO_INPUT ||
                               formatClass->category == AV_CLASS_CATEGORY_DEVICE_AUDIO_INPUT ||
                               formatClass->category == AV_CLASS_CATEGORY_DEVICE_INPUT
                           ? 1
                           : 0;
    is->StartTime = ic->start_time != AV_NOPTS_VALUE ? ic->start_time : 0;
    is->Duration = ic->duration != AV_NOPTS_VALUE ? ic->duration : -1;
    is->BitRate = ic->bit_rate;
    // Until sound is handed out, the sound's clock stands at the start, and runs from there while
    // the file plays.
    const double start = static_cast<double>(is->StartTime) / 1000000.0;
    is->audio_clock_paused = start;
    is->audio_clock_drift = start - PlayerSeconds();

    if (start_time_ != kNoPTS) {
        std::int64_t target = start_time_;
        if (ic->start_time != AV_NOPTS_VALUE)
            target += ic->start_time;
        if (ff::avformat_seek_file(ic, -1, INT64_MIN, target, INT64_MAX, 0) < 0)
            PostLog(llError, Printf("%s: could not seek to position %0.3f", is->filename,
                                    static_cast<double>(target) / AV_TIME_BASE));
    }

    // Streams: the wanted one of each type by its number among that type, else the library's
    // best; audio unless DisableAudio, pictures and subtitles unless DisableVideo.
    int chosen[AVMEDIA_TYPE_NB];
    for (int type = 0; type < AVMEDIA_TYPE_NB; ++type) {
        chosen[type] = -1;
        const bool disabled = type == AVMEDIA_TYPE_AUDIO ? audio_disable_
                              : type == AVMEDIA_TYPE_VIDEO || type == AVMEDIA_TYPE_SUBTITLE ? video_disable_
                                                                                            : true;
        if (disabled)
            continue;
        const int wanted = wanted_stream_[1 + type];
        if (wanted >= 0) {
            int count = 0;
            for (unsigned i = 0; i < ic->nb_streams; ++i)
                if (ic->streams[i]->codecpar->codec_type == type && count++ == wanted) {
                    chosen[type] = static_cast<int>(i);
                    break;
                }
        } else {
            const int related = type == AVMEDIA_TYPE_SUBTITLE ? chosen[AVMEDIA_TYPE_VIDEO] : -1;
            const int best = ff::av_find_best_stream(ic, static_cast<AVMediaType>(type), -1, related, nullptr, 0);
            chosen[type] = best >= 0 ? best : -1;
        }
    }
    for (unsigned i = 0; i < ic->nb_streams; ++i)
        ic->streams[i]->discard = AVDISCARD_ALL;

    if (chosen[AVMEDIA_TYPE_AUDIO] >= 0)
        OpenStreamComponent(is, chosen[AVMEDIA_TYPE_AUDIO]);
    if (chosen[AVMEDIA_TYPE_VIDEO] >= 0)
        OpenStreamComponent(is, chosen[AVMEDIA_TYPE_VIDEO]);
    if (is->video_stream < 0 && !display_disable_)
        is->show_audio = saRDFT;
    if (chosen[AVMEDIA_TYPE_SUBTITLE] >= 0)
        OpenStreamComponent(is, chosen[AVMEDIA_TYPE_SUBTITLE]);

    if (is->video_stream < 0 && is->audio_stream < 0) {
        std::lock_guard<std::mutex> lock(errMutex_);
        lastErrMsg_ = Printf("%s: could not open codecs, no stream to play.", is->filename);
        return false;
    }
    return true;
}

void TCustomPlayer::PerformSeek(TVideoState* is, bool& eof)
{
    const std::int64_t target = is->seek_pos;
    const std::int64_t minimum = is->seek_rel > 0 ? target - is->seek_rel + 2 : INT64_MIN;
    const std::int64_t maximum = is->seek_rel < 0 ? target - is->seek_rel - 2 : INT64_MAX;
    int ret = ff::avformat_seek_file(is->ic, -1, minimum, target, maximum, is->seek_flags);
    if (ret < 0)
        ret = ff::av_seek_frame(is->ic, -1, target, is->seek_flags);
    if (ret < 0)
        ret = ff::av_seek_frame(is->ic, -1, target, is->seek_flags ^ AVSEEK_FLAG_BACKWARD);
    if (ret < 0) {
        PostLog(llError, Printf("%s: error while seeking", is->filename));
        if (is->video_st)
            pictEvent_.Set();
    } else {
        std::lock_guard<std::mutex> lock(is->stream_mutex);
        if (is->audio_stream >= 0) {
            is->audioq.Flush();
            is->audioq.PutFlush();
            // Until the sound after the seek plays, its clock stands where the seek went.
            if (!(is->seek_flags & AVSEEK_FLAG_BYTE))
                is->audio_seek_clock = static_cast<double>(target) / AV_TIME_BASE;
        }
        if (is->subtitle_stream >= 0) {
            is->subtitleq.Flush();
            is->subtitleq.PutFlush();
        }
        if (is->video_stream >= 0) {
            is->seek_flushed = 0;
            is->videoq.Flush();
            is->videoq.PutFlush();
            pictEvent_.Reset();
        }
    }
    is->ErrorEOF = 0;
    is->ReachEOF = 0;
    is->EventEOF = 0;
    is->seek_req = 0;
    is->seek_done = 1;
    seekEvent_.Set();
    if (!is->video_st)
        seeking_ = false;
    eof = false;
}

void TCustomPlayer::ReadPackets(TVideoState* is)
{
    AVFormatContext* ic = is->ic;
    AVPacket* pkt = ff::av_packet_alloc();
    if (!pkt)
        throw Exception("av_packet_alloc() failed.");
    bool eof = false;
    bool eofQueued = false;
    bool failed = false;
    while (!is->abort_request) {
        if (is->paused != is->last_paused) {
            is->last_paused = is->paused;
            if (is->paused)
                is->read_pause_return = ff::av_read_pause(ic);
            else
                ff::av_read_play(ic);
        }
        if (is->seek_req) {
            PerformSeek(is, eof);
            eofQueued = false;
        }
        const int audioSize = is->audioq.Size();
        if (audioSize + is->videoq.Size() + is->subtitleq.Size() > kMaxQueueSize) {
            SleepMs(10);
            continue;
        }
        const bool wantsMore = (is->audio_stream >= 0 && audioSize <= kMinAudioQueueSize) ||
                               (is->video_stream >= 0 && is->videoq.NbPackets() <= kMinFrames) ||
                               (is->subtitle_stream >= 0 && is->subtitleq.NbPackets() <= kMinFrames);
        if (!wantsMore) {
            SleepMs(10);
            continue;
        }
        if (eof) {
            // One empty packet makes the picture decoder give up its last pictures; once it
            // has, a seek waiting for a picture stops waiting.
            if (is->video_stream >= 0 && !eofQueued) {
                std::lock_guard<std::mutex> lock(is->stream_mutex);
                pkt->stream_index = is->video_stream;
                is->videoq.Put(pkt);
                eofQueued = true;
            }
            SleepMs(10);
            if (is->audioq.Size() == 0 && is->videoq.Size() == 0 && is->subtitleq.Size() == 0)
                is->ReachEOF = 1;
            continue;
        }
        is->Reading = 1;
        const int ret = ff::av_read_frame(ic, pkt);
        is->Reading = 0;
        is->read_byte_pos = ic->pb ? ff::avio_seek(ic->pb, 0, SEEK_CUR) : 0;
        if (is->abort_request)
            break;
        if (ret < 0) {
            if (ret == AVERROR(EAGAIN)) {
                SleepMs(10);
                continue;
            }
            // The input ends where reading fails at the end of its bytes. Their end alone is not
            // the input's: the format may still hold packets in what it has read ahead (the last
            // second of a FLAC file of a sine, for one).
            const bool atEnd = ret == AVERROR_EOF || (ic->pb && ff::avio_feof(ic->pb));
            // At the end the picture thread releases a waiting seek once it has given up its
            // last pictures; after a read error no picture may come.
            if (is->video_st && !atEnd)
                pictEvent_.Set();
            if (!is->IsImage2 && !is->ErrorEOF) {
                is->ErrorEOF = 1;
                if (ret == AVERROR_EOF)
                    PostLog(llInfo, Printf("reach end of file: %s", is->filename));
                else
                    PostLog(llError, "error #" + std::to_string(ret) + " while reading file: " + is->filename);
            }
            if (atEnd)
                eof = true;
            if (ic->pb && ic->pb->error) {
                failed = true;
                break;
            }
            SleepMs(eof ? 10 : 100);
            continue;
        }
        std::lock_guard<std::mutex> lock(is->stream_mutex);
        if (pkt->stream_index == is->audio_stream)
            is->audioq.Put(pkt);
        else if (pkt->stream_index == is->video_stream)
            is->videoq.Put(pkt);
        else if (pkt->stream_index == is->subtitle_stream)
            is->subtitleq.Put(pkt);
        else
            ff::av_packet_unref(pkt);
    }
    ff::av_packet_free(&pkt);
    // After a read error the playback stays until it is closed.
    while (failed && !is->abort_request)
        SleepMs(100);
}

int TCustomPlayer::OpenAudioDevice(TVideoState* is, AVCodecContext* avctx)
{
    const int channels = avctx->ch_layout.nb_channels;
    SDL_AudioSpec wanted{};
    wanted.freq = avctx->sample_rate;
    wanted.format = AUDIO_S16SYS;
    wanted.channels = static_cast<Uint8>(channels <= 0 ? 2 : channels > 2 ? 2 : channels);
    wanted.silence = 0;
    wanted.samples = 1024;
    wanted.callback = &TCustomPlayer::AudioCallback;
    wanted.userdata = is;
    SDL_AudioSpec obtained{};
    QuietSoundLibrary();
    is->audio_clocked = ff::SDL_OpenAudio(&wanted, &obtained) < 0;
    if (is->audio_clocked) {
        // Without a device the sound is taken at its own pace and not heard: pictures keep
        // their timing and a file of sound alone still moves on.
        PostLog(llWarning, std::string("No audio device, playing without sound: ") + ff::SDL_GetError());
        obtained = wanted;
        obtained.size = static_cast<Uint32>(wanted.samples) * wanted.channels * 2;
    }
    // The device's own format, when the resampler can write it; else SDL converts for us.
    if (!is->audio_clocked && obtained.format != AUDIO_U8 && obtained.format != AUDIO_S16SYS) {
        ff::SDL_CloseAudio();
        obtained = wanted;
        if (ff::SDL_OpenAudio(&obtained, nullptr) < 0) {
            ReportError(std::string("SDL_OpenAudio() failed: ") + ff::SDL_GetError(), false);
            return -1;
        }
    }
    is->audio_hw_buf_size = static_cast<int>(obtained.size);
    is->audio_tgt_fmt = obtained.format == AUDIO_U8 ? AV_SAMPLE_FMT_U8 : AV_SAMPLE_FMT_S16;
    is->audio_tgt_channels = obtained.channels;
    is->audio_tgt_freq = obtained.freq;
    is->audio_tgt_frame_size = obtained.channels * ff::av_get_bytes_per_sample(is->audio_tgt_fmt);
    is->audio_silence = obtained.silence;
    return 0;
}

AVCodecContext* TCustomPlayer::OpenDecoder(const AVStream* st)
{
    const AVCodecParameters* par = st->codecpar;
    AVCodecContext* avctx = ff::avcodec_alloc_context3(nullptr);
    if (!avctx || ff::avcodec_parameters_to_context(avctx, par) < 0) {
        ff::avcodec_free_context(&avctx);
        return nullptr;
    }
    avctx->pkt_timebase = st->time_base;
    const AVCodec* codec = ff::avcodec_find_decoder(par->codec_id);
    avctx->debug = debug_;
    avctx->workaround_bugs = workaround_bugs_;
    avctx->lowres = lowres_;
    avctx->idct_algo = idct_algo_;
    if (fast_)
        avctx->flags2 |= AV_CODEC_FLAG2_FAST;
    avctx->skip_frame = static_cast<AVDiscard>(skip_frame_);
    avctx->skip_idct = static_cast<AVDiscard>(skip_idct_);
    avctx->skip_loop_filter = static_cast<AVDiscard>(skip_loop_filter_);
    avctx->err_recognition = error_recognition_ <= 0   ? 0
                             : error_recognition_ == 1 ? AV_EF_CAREFUL
                             : error_recognition_ == 2 ? AV_EF_CAREFUL | AV_EF_COMPLIANT
                                                       : AV_EF_CAREFUL | AV_EF_COMPLIANT | AV_EF_AGGRESSIVE;
    avctx->error_concealment = error_concealment_;
    avctx->thread_count = 1;
    if (debug_mv_)
        ff::av_opt_set_int(avctx, "debug_mv", debug_mv_, AV_OPT_SEARCH_CHILDREN);
    std::lock_guard<CriticalSection> lock(CodecLock());
    if (!codec || ff::avcodec_open2(avctx, codec, nullptr) < 0)
        ff::avcodec_free_context(&avctx);
    return avctx;
}

void TCustomPlayer::CloseDecoder(AVCodecContext*& avctx)
{
    std::lock_guard<CriticalSection> lock(CodecLock());
    ff::avcodec_free_context(&avctx);
}

int TCustomPlayer::OpenStreamComponent(TVideoState* is, int streamIndex)
{
    AVFormatContext* ic = is->ic;
    if (streamIndex < 0 || streamIndex >= static_cast<int>(ic->nb_streams))
        return -1;
    AVStream* st = ic->streams[streamIndex];
    const AVCodecParameters* par = st->codecpar;
    AVCodecContext* avctx = OpenDecoder(st);
    if (!avctx) {
        ReportError("avcodec_open() failed.", false);
        return -1;
    }
    if (par->codec_type == AVMEDIA_TYPE_AUDIO) {
        is->audio_pkt = is->audio_pkt ? is->audio_pkt : ff::av_packet_alloc();
        is->audio_frame = is->audio_frame ? is->audio_frame : ff::av_frame_alloc();
        if (!is->audio_pkt || !is->audio_frame || OpenAudioDevice(is, avctx) < 0) {
            std::lock_guard<CriticalSection> lock(CodecLock());
            ff::avcodec_free_context(&avctx);
            return -1;
        }
    }
    st->discard = AVDISCARD_DEFAULT;
    switch (par->codec_type) {
    case AVMEDIA_TYPE_AUDIO:
        // SDL's audio thread exists already; its lock hands it the fields set here.
        ff::SDL_LockAudio();
        is->audio_ctx = avctx;
        is->audio_st = st;
        is->AudioDuration = st->duration != AV_NOPTS_VALUE
                                ? ff::av_rescale_q(st->duration, st->time_base, AVRational{1, AV_TIME_BASE})
                                : -1;
        is->audio_buf_size = 0;
        is->audio_buf_index = 0;
        is->audio_need_packet = true;
        is->audio_diff_avg_coef = std::exp(std::log10(0.01) / 20.0);
        is->audio_diff_avg_count = 0;
        is->audio_diff_threshold = 2.0 * 1024 / is->audio_tgt_freq;
        is->audioq.Init();
        is->audioq.PutFlush();
        is->audio_stream = streamIndex;
        ff::SDL_UnlockAudio();
        if (is->audio_clocked)
            StartThread(is->audio_tid, "AudioClockThread", [this, is] { ClockedAudioLoop(is); });
        else
            ff::SDL_PauseAudio(0);
        break;
    case AVMEDIA_TYPE_VIDEO:
        is->video_ctx = avctx;
        is->video_st = st;
        // A decoder keeps its last picture beside the next; for pictures many times the screen's
        // size whose key packets decode on their own, each key packet gets a decoder of its own.
        is->decoder_per_picture =
            is->FarBeyondScreen(par->width, par->height) && KeyPacketsStandAlone(par->codec_id);
        is->video_broken = 0;
        is->videoq.Init();
        is->videoq.PutFlush();
        is->video_stream = streamIndex;
        StartThread(is->video_tid, "VideoThread", [this, is] { VideoDecodeLoop(is); });
        break;
    case AVMEDIA_TYPE_SUBTITLE:
        is->subtitle_ctx = avctx;
        is->subtitle_st = st;
        is->subtitleq.Init();
        is->subtitleq.PutFlush();
        is->subtitle_stream = streamIndex;
        StartThread(is->subtitle_tid, "SubtitleThread", [this, is] { SubtitleDecodeLoop(is); });
        break;
    default: {
        std::lock_guard<CriticalSection> lock(CodecLock());
        ff::avcodec_free_context(&avctx);
        break;
    }
    }
    return 0;
}

void TCustomPlayer::CloseStreamComponent(TVideoState* is, int streamIndex)
{
    AVFormatContext* ic = is->ic;
    if (!ic || streamIndex < 0 || streamIndex >= static_cast<int>(ic->nb_streams))
        return;
    AVCodecContext** avctx = nullptr;
    switch (ic->streams[streamIndex]->codecpar->codec_type) {
    case AVMEDIA_TYPE_VIDEO:
        is->videoq.Abort();
        {
            std::lock_guard<std::mutex> lock(is->pictq_mutex);
            is->pictq_cond.notify_all();
        }
        if (is->video_tid.Joinable())
            is->video_tid.Join();
        is->videoq.Flush();
        avctx = &is->video_ctx;
        is->video_st = nullptr;
        is->video_stream = -1;
        break;
    case AVMEDIA_TYPE_AUDIO:
        is->audioq.Abort();
        if (is->audio_tid.Joinable())
            is->audio_tid.Join();
        ff::SDL_CloseAudio();
        is->audioq.Flush();
        if (is->swr_ctx)
            ff::swr_free(&is->swr_ctx);
        avctx = &is->audio_ctx;
        is->audio_st = nullptr;
        is->audio_stream = -1;
        is->AudioDuration = -1;
        break;
    case AVMEDIA_TYPE_SUBTITLE:
        is->subtitleq.Abort();
        {
            std::lock_guard<std::mutex> lock(is->subpq_mutex);
            is->subtitle_stream_changed = 1;
            is->subpq_cond.notify_all();
        }
        if (is->subtitle_tid.Joinable())
            is->subtitle_tid.Join();
        is->subtitleq.Flush();
        avctx = &is->subtitle_ctx;
        is->subtitle_st = nullptr;
        is->subtitle_stream = -1;
        break;
    default:
        return;
    }
    ic->streams[streamIndex]->discard = AVDISCARD_ALL;
    std::lock_guard<CriticalSection> lock(CodecLock());
    ff::avcodec_free_context(avctx);
}

bool TCustomPlayer::SelectStream(int mediaType, int streamIndex)
{
    auto is = CurrentState();
    if (!is)
        return false;
    // Streams change only while TPlayThread draws nothing and the read loop queues nothing; the
    // file is closed under the same lock, and a closing one lets go of its input.
    std::lock_guard<std::mutex> dataLock(dataLock_);
    if (is->abort_request)
        return false;
    const bool subtitle = mediaType != AVMEDIA_TYPE_VIDEO && mediaType != AVMEDIA_TYPE_AUDIO;
    const int current = mediaType == AVMEDIA_TYPE_VIDEO   ? is->video_stream.load()
                        : mediaType == AVMEDIA_TYPE_AUDIO ? is->audio_stream.load()
                                                          : is->subtitle_stream.load();
    const int lowest = subtitle ? -1 : 0;
    if (current < lowest) {
        ReportError("the current stream is not valid.", true);
        return false;
    }
    if (streamIndex < lowest || streamIndex >= static_cast<int>(is->ic->nb_streams)) {
        ReportError("the stream index is not valid.", true);
        return false;
    }
    if (streamIndex == current)
        return true;
    if (streamIndex >= 0) {
        const AVCodecParameters* par = is->ic->streams[streamIndex]->codecpar;
        if (par->codec_type != mediaType) {
            ReportError("the stream type is not matched.", true);
            return false;
        }
        if (mediaType == AVMEDIA_TYPE_AUDIO && (par->sample_rate <= 0 || par->ch_layout.nb_channels <= 0)) {
            ReportError("the audio stream is not invalid.", true);
            return false;
        }
        if (mediaType != AVMEDIA_TYPE_VIDEO && mediaType != AVMEDIA_TYPE_AUDIO && mediaType != AVMEDIA_TYPE_SUBTITLE) {
            ReportError("the stream type is invalid.", true);
            return false;
        }
    }
    std::lock_guard<std::mutex> streams(is->stream_mutex);
    if (current >= 0)
        CloseStreamComponent(is.get(), current);
    if (streamIndex >= 0)
        OpenStreamComponent(is.get(), streamIndex);
    return true;
}

void TCustomPlayer::WaitEventServing(TVideoState* is, Event& event)
{
    while (!is->abort_request) {
        const bool set = MainThread::IsMainThread() ? MainThread::WaitServing(event, 100) : event.WaitFor(100);
        if (set)
            return;
    }
}

void TCustomPlayer::RequestSeek(TVideoState* is, int flags, bool wait, std::int64_t target, std::int64_t rel)
{
    {
        // A closing file takes no seek: its read thread is letting go of the input.
        std::lock_guard<std::mutex> lock(seekMutex_);
        if (is->seek_req || is->abort_request)
            return;
        seeking_ = true;
        is->hold_first = 0;
        is->seek_paused = is->paused.load();
        is->seek_pos = target;
        is->seek_rel = rel;
        is->seek_flags = flags;
        seekEvent_.Reset();
        is->seek_req = 1;
    }
    if (!wait)
        return;
    WaitEventServing(is, seekEvent_);
    if (is->HasPictures())
        WaitEventServing(is, pictEvent_);
}
