// The player's picture thread: decoding, the filter graph from the buffer source to the buffer
// sink (planar YUV 4:2:0 out), and the picture queue of overlays that TPlayThread shows.

#include "engine/FFPlay.h"
#include "engine/FFPlayVideoState.h"
#include "engine/FFmpegEntries.h"
#include "engine/UprightPicture.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <thread>

namespace {

// Pictures kept at their own size for snapshots are scaled down when they have more pixels than
// this on a side: hostile files claim sizes nobody could hold (8192 x 8192 is also the most a
// picture file of the program may hold).
constexpr int kLargestWholePicture = 8192;

} // namespace

void TCustomPlayer::WaitWhilePaused(TVideoState* is)
{
    // A seek paused on lets the pictures through until its first one.
    while (is->paused && !is->videoq.Aborted() && !(is->seek_paused && (is->seek_req || is->seek_done)) &&
           !is->open_paused)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
}

void TCustomPlayer::DrainVideoQueue(TVideoState* is)
{
    AVPacket* pkt = ff::av_packet_alloc();
    bool flush = false;
    while (pkt && is->videoq.Get(pkt, &flush, true) >= 0)
        ff::av_packet_unref(pkt);
    ff::av_packet_free(&pkt);
}

int TCustomPlayer::ConfigureVideoFilters(TVideoState* is, AVFilterGraph*& graph, AVFilterContext*& src,
                                         AVFilterContext*& sink, const AVFrame* frame)
{
    ff::avfilter_graph_free(&graph);
    src = sink = nullptr;
    is->whole_sink = nullptr;
    graph = ff::avfilter_graph_alloc();
    if (!graph)
        return AVERROR(ENOMEM);
    char text[512];
    std::snprintf(text, sizeof text, "flags=%d", sws_flags_);
    graph->scale_sws_opts = ff::av_strdup(text);

    const AVRational timeBase = is->video_st.load()->time_base;
    AVRational sar = frame->sample_aspect_ratio;
    if (sar.num <= 0 || sar.den <= 0)
        sar = AVRational{0, 1};
    std::snprintf(text, sizeof text, "video_size=%dx%d:pix_fmt=%d:time_base=%d/%d:pixel_aspect=%d/%d", frame->width,
                  frame->height, frame->format, timeBase.num, timeBase.den, sar.num, sar.den);
    int ret = ff::avfilter_graph_create_filter(&src, ff::avfilter_get_by_name("buffer"), "src", text, nullptr, graph);
    if (ret < 0)
        return ret;
    ret = ff::avfilter_graph_create_filter(&sink, ff::avfilter_get_by_name("buffersink"), "out", nullptr, nullptr,
                                           graph);
    if (ret < 0)
        return ret;
    const int formats[] = {AV_PIX_FMT_YUV420P};
    ret = ff::av_opt_set_bin(sink, "pix_fmts", reinterpret_cast<const std::uint8_t*>(formats), sizeof formats,
                             AV_OPT_SEARCH_CHILDREN);
    if (ret < 0)
        return ret;
    // A picture larger than the screen is scaled down on the way to the queue, in the same pass
    // as its conversion, so no full-size copy of it is ever queued for the screen. The graph
    // gives it at its own size too (a reference, unless beyond the bound), for snapshots.
    // Pictures stored turned or mirrored are turned upright first, as the converter does.
    std::string description = UprightFilters(is->video_st.load()).Filters;
    if (!vfilters_.empty())
        description += (description.empty() ? "" : ",") + vfilters_;
    AVFilterContext* whole = nullptr;
    if (is->max_picture_width > 0 && is->max_picture_height > 0) {
        // A picture many times the screen's size is reduced by the fast bilinear filter: the
        // finer ones keep source lines by the dozen, which costs more than a small picture.
        const char* flags = is->FarBeyondScreen(frame->width, frame->height) ? ":flags=fast_bilinear" : "";
        const auto bounded = [flags](int width, int height) {
            char scale[160];
            std::snprintf(scale, sizeof scale,
                          "scale=w='min(iw,%d)':h='min(ih,%d)':force_original_aspect_ratio=decrease%s", width,
                          height, flags);
            return std::string(scale);
        };
        description = "[in]" + description + (description.empty() ? "" : ",") + "split[screen][own];[screen]" +
                      bounded(is->max_picture_width, is->max_picture_height) + "[out];[own]" +
                      bounded(kLargestWholePicture, kLargestWholePicture) + "[whole]";
        ret = ff::avfilter_graph_create_filter(&whole, ff::avfilter_get_by_name("buffersink"), "whole", nullptr,
                                               nullptr, graph);
        if (ret < 0)
            return ret;
    }
    if (description.empty()) {
        ret = ff::avfilter_link(src, 0, sink, 0);
    } else {
        AVFilterInOut* outputs = ff::avfilter_inout_alloc();
        AVFilterInOut* inputs = ff::avfilter_inout_alloc();
        if (!outputs || !inputs) {
            ff::avfilter_inout_free(&outputs);
            ff::avfilter_inout_free(&inputs);
            return AVERROR(ENOMEM);
        }
        outputs->name = ff::av_strdup("in");
        outputs->filter_ctx = src;
        outputs->pad_idx = 0;
        inputs->name = ff::av_strdup("out");
        inputs->filter_ctx = sink;
        inputs->pad_idx = 0;
        if (whole) {
            inputs->next = ff::avfilter_inout_alloc();
            if (!inputs->next) {
                ff::avfilter_inout_free(&outputs);
                ff::avfilter_inout_free(&inputs);
                return AVERROR(ENOMEM);
            }
            inputs->next->name = ff::av_strdup("whole");
            inputs->next->filter_ctx = whole;
            inputs->next->pad_idx = 0;
        }
        ret = ff::avfilter_graph_parse_ptr(graph, description.c_str(), &inputs, &outputs, nullptr);
        ff::avfilter_inout_free(&outputs);
        ff::avfilter_inout_free(&inputs);
    }
    if (ret < 0)
        return ret;
    ret = ff::avfilter_graph_config(graph, nullptr);
    if (ret < 0)
        return ret;
    is->out_width = ff::av_buffersink_get_w(sink);
    is->out_height = ff::av_buffersink_get_h(sink);
    is->whole_sink = whole;
    return 0;
}

void TCustomPlayer::VideoDecodeLoop(TVideoState* is)
{
    AVPacket* pkt = ff::av_packet_alloc();
    AVFrame* decoded = ff::av_frame_alloc();
    AVFrame* filtered = ff::av_frame_alloc();
    AVFilterGraph* graph = nullptr;
    AVFilterContext* src = nullptr;
    AVFilterContext* sink = nullptr;
    bool running = pkt && decoded && filtered;
    while (running) {
        bool flush = false;
        if (is->videoq.Get(pkt, &flush, true) < 0)
            break;
        if (flush) {
            ff::avcodec_flush_buffers(is->video_ctx);
            FlushPictures(is);
            is->video_drained = 0;
            continue;
        }
        const bool endPacket = !pkt->data && pkt->size == 0;
        AVCodecContext* decoder = is->video_ctx;
        AVCodecContext* own = is->decoder_per_picture && !endPacket && (pkt->flags & AV_PKT_FLAG_KEY)
                                  ? OpenDecoder(is->video_st.load())
                                  : nullptr;
        if (own)
            decoder = own;
        ff::avcodec_send_packet(decoder, endPacket ? nullptr : pkt);
        if (own)
            ff::avcodec_send_packet(own, nullptr);
        ff::av_packet_unref(pkt);
        while (running && ff::avcodec_receive_frame(decoder, decoded) >= 0) {
            const int ret = HandleDecodedPicture(is, decoded, graph, src, sink, filtered);
            ff::av_frame_unref(decoded);
            if (ret == -2) {
                // The pictures cannot be filtered: the file plays on without them.
                is->video_broken = 1;
                pictEvent_.Set();
                DrainVideoQueue(is);
                running = false;
            } else if (ret < 0) {
                running = false;
            }
        }
        if (own)
            CloseDecoder(own);
        if (running && endPacket) {
            is->video_drained = 1;
            if (!is->seek_req)
                seeking_ = false;
            pictEvent_.Set();
            if (is->EventEOF == 0)
                UpdatePosition(is);
        }
    }
    ff::avfilter_graph_free(&graph);
    ff::av_frame_free(&filtered);
    ff::av_frame_free(&decoded);
    ff::av_packet_free(&pkt);
}

int TCustomPlayer::HandleDecodedPicture(TVideoState* is, AVFrame* decoded, AVFilterGraph*& graph,
                                        AVFilterContext*& src, AVFilterContext*& sink, AVFrame* filtered)
{
    std::int64_t pts;
    if (decoder_reorder_pts_ == -1)
        pts = decoded->best_effort_timestamp;
    else if (decoder_reorder_pts_ != 0)
        pts = decoded->pts;
    else
        pts = decoded->pkt_dts;
    decoded->pts = pts;

    // Skipping adapts to late pictures: below 1 every picture passes.
    is->skip_frames_index += 1;
    const double skip = is->skip_frames;
    if (is->skip_frames_index < skip)
        return 0;
    is->skip_frames_index -= std::max(skip, 1.0);

    // The graph is made for the first picture and again whenever the pictures change shape.
    if (!graph || is->graph_width != decoded->width || is->graph_height != decoded->height ||
        is->graph_format != decoded->format) {
        if (const int ret = ConfigureVideoFilters(is, graph, src, sink, decoded); ret < 0) {
            char reason[AV_ERROR_MAX_STRING_SIZE] = {};
            ff::av_strerror(ret, reason, sizeof reason);
            char text[160];
            std::snprintf(text, sizeof text, "The pictures of %dx%d cannot be shown: %s", decoded->width,
                          decoded->height, reason);
            ReportError(text, true);
            return -2;
        }
        is->graph_width = decoded->width;
        is->graph_height = decoded->height;
        is->graph_format = decoded->format;
    }
    if (ff::av_buffersrc_add_frame_flags(src, decoded, 0) < 0)
        return 0;
    // Each picture for the screen has its twin at its own size when the graph gives both.
    AVFrame* whole = is->whole_sink ? ff::av_frame_alloc() : nullptr;
    int ret = 0;
    while (ret >= 0 && ff::av_buffersink_get_frame_flags(sink, filtered, 0) >= 0) {
        const bool twin = whole && ff::av_buffersink_get_frame_flags(is->whole_sink, whole, 0) >= 0;
        ret = OutputFilteredPicture(is, filtered, twin ? whole : nullptr, sink);
        ff::av_frame_unref(filtered);
        if (whole)
            ff::av_frame_unref(whole);
    }
    ff::av_frame_free(&whole);
    return ret < 0 ? ret : 0;
}

int TCustomPlayer::OutputFilteredPicture(TVideoState* is, AVFrame* frame, const AVFrame* whole, AVFilterContext* sink)
{
    WaitWhilePaused(is);
    if (is->videoq.Aborted())
        return -1;
    // A picture decoded before a pending seek took effect is stale: it neither ends a wait for
    // the seek nor counts as the seek's first picture.
    const bool stale = is->seek_req || !is->seek_flushed;
    if (is->seek_done && is->seek_flushed) {
        // The first picture after a seek.
        is->seek_done = 0;
        is->seek_paused = 0;
    }
    // A picture without a time follows the one before; a picture at time 0 is at the start.
    double time = is->video_clock;
    if (frame->pts != AV_NOPTS_VALUE) {
        time = static_cast<double>(frame->pts) * av_q2d(ff::av_buffersink_get_time_base(sink));
        is->video_clock = time;
    }
    AVRational rate = ff::av_buffersink_get_frame_rate(sink);
    if (rate.num <= 0 || rate.den <= 0)
        rate = is->video_st.load()->avg_frame_rate;
    const double frameDelay = rate.num > 0 && rate.den > 0 ? static_cast<double>(rate.den) / rate.num : 0.04;
    is->video_clock = is->video_clock + frameDelay * (1.0 + 0.5 * frame->repeat_pict);
    if (QueuePicture(is, frame, whole, time, frame->pkt_pos) < 0)
        return -1;

    if (!stale) {
        is->EventEOF = 0;
        if (seeking_ && !is->seek_req)
            seeking_ = false;
        pictEvent_.Set();
    }
    // A file opened paused shows its first two pictures, then reports the pause, unless it was
    // resumed meanwhile.
    {
        std::lock_guard<std::mutex> lock(openPausedMutex_);
        if (const int opened = is->open_paused) {
            if (opened >= 2) {
                is->open_paused = 0;
                ChangeState(psPause);
            } else {
                is->open_paused = opened + 1;
            }
        }
    }
    if (step_ && CurrentState().get() == is)
        TogglePausedState(is);
    return 0;
}

int TCustomPlayer::QueuePicture(TVideoState* is, AVFrame* frame, const AVFrame* whole, double pts, std::int64_t pos)
{
    {
        std::unique_lock<std::mutex> lock(is->pictq_mutex);
        if (is->pictq_size >= TVideoState::PictureQueueSize && !is->refresh)
            is->skip_frames = std::max(0.95, is->skip_frames * 0.95);
        is->pictq_cond.wait(lock, [is] {
            return is->pictq_size < TVideoState::PictureQueueSize || is->videoq.Aborted();
        });
        if (is->videoq.Aborted())
            return -1;
    }
    TQueuedPicture& vp = is->pictq[is->pictq_windex];
    const int width = frame->width & ~1;
    const int height = frame->height & ~1;
    if (!vp.Overlay || vp.Width != width || vp.Height != height) {
        // Overlays are made on TPlayThread, where SDL's video calls belong.
        {
            std::lock_guard<std::mutex> lock(is->pictq_mutex);
            is->allocated = 0;
            is->alloc_width = width;
            is->alloc_height = height;
        }
        PostUserEvent(FF_ALLOC_EVENT, is);
        std::unique_lock<std::mutex> lock(is->pictq_mutex);
        is->pictq_cond.wait(lock, [is] { return is->allocated != 0 || is->videoq.Aborted(); });
        if (is->videoq.Aborted())
            return -1;
    }
    if (!vp.Overlay) {
        // The picture cannot be held: it is left out, said once per size.
        if (is->refused_width != width || is->refused_height != height) {
            is->refused_width = width;
            is->refused_height = height;
            char text[160];
            std::snprintf(text, sizeof text, "A picture of %dx%d cannot be held: %s", width, height,
                          ff::SDL_GetError());
            ReportError(text, true);
        }
        return 0;
    }

    SDL_Overlay* overlay = vp.Overlay;
    // Overlays hold BT.601: SDL's own conversion to RGB reads it in full range, overlays of the
    // display hardware in video's limited range. The picture is brought into its overlay's
    // colours from the matrix and range it carries.
    const TYUVColours source = YUVColours(AV_PIX_FMT_YUV420P, frame->colorspace, frame->color_range);
    const TYUVColours shown{AVCOL_SPC_BT470BG, overlay->hw_overlay == 0};
    ff::SDL_LockYUVOverlay(overlay);
    std::uint8_t* planes[3] = {overlay->pixels[0], overlay->pixels[2], overlay->pixels[1]};
    const int linesize[3] = {overlay->pitches[0], overlay->pitches[2], overlay->pitches[1]};
    const std::uint8_t* src[4] = {frame->data[0], frame->data[1], frame->data[2], nullptr};
    int srcLinesize[4] = {frame->linesize[0], frame->linesize[1], frame->linesize[2], 0};
    if (verticalFlip_ && height > 0) {
        src[0] += static_cast<std::ptrdiff_t>(height - 1) * srcLinesize[0];
        src[1] += static_cast<std::ptrdiff_t>(height / 2 - 1) * srcLinesize[1];
        src[2] += static_cast<std::ptrdiff_t>(height / 2 - 1) * srcLinesize[2];
        for (int i = 0; i < 3; ++i)
            srcLinesize[i] = -srcLinesize[i];
    }
    std::uint8_t* dst[4] = {planes[0], planes[1], planes[2], nullptr};
    int dstLinesize[4] = {linesize[0], linesize[1], linesize[2], 0};
    bool filled = true;
    if (source == shown) {
        ff::av_image_copy(dst, dstLinesize, src, srcLinesize, AV_PIX_FMT_YUV420P, width, height);
    } else if (SwsContext* scaler = GetColourScaler(is->colour_scaler, width, height, AV_PIX_FMT_YUV420P, source,
                                                    AV_PIX_FMT_YUV420P, shown)) {
        ff::sws_scale(scaler, src, srcLinesize, 0, height, dst, dstLinesize);
    } else {
        filled = false;
    }
    if (filled && hook_ && OnHook && !eventsDetached_)
        CallHook(planes, linesize, width, height, shown.FullRange, pts);
    ff::SDL_UnlockYUVOverlay(overlay);
    if (!filled)
        return 0;

    // A snapshot holds the picture at its own size: when the overlay holds less, the picture
    // stays beside it (a reference to it, not a copy).
    const AVFrame* own = whole ? whole : frame;
    if (vp.Whole)
        ff::av_frame_unref(vp.Whole);
    if (own->width != width || own->height != height) {
        if (!vp.Whole)
            vp.Whole = ff::av_frame_alloc();
        if (vp.Whole && ff::av_frame_ref(vp.Whole, own) < 0)
            ff::av_frame_unref(vp.Whole);
    }
    vp.Pts = pts;
    vp.Pos = pos;
    vp.SampleAspect = frame->sample_aspect_ratio;
    vp.FullRange = shown.FullRange;
    is->pictq_windex = (is->pictq_windex + 1) % TVideoState::PictureQueueSize;
    std::lock_guard<std::mutex> lock(is->pictq_mutex);
    vp.TargetClock = ComputeTargetTime(is, pts);
    vp.Stale = false;
    ++is->pictq_size;
    return 0;
}

void TCustomPlayer::FlushPictures(TVideoState* is)
{
    {
        // Pictures before the seek are dropped by TPlayThread; wait until they are gone.
        std::unique_lock<std::mutex> lock(is->pictq_mutex);
        for (TQueuedPicture& vp : is->pictq) {
            vp.TargetClock = 0;
            vp.Stale = true;
        }
        is->pictq_cond.wait(lock, [is] { return is->pictq_size == 0 || is->videoq.Aborted(); });
    }
    is->video_current_pos = -1;
    is->frame_last_pts = static_cast<double>(AV_NOPTS_VALUE);
    is->frame_last_delay = 0;
    is->frame_timer = PlayerSeconds();
    is->skip_frames = 1.0;
    is->skip_frames_index = 0;
    is->seek_flushed = 1;
}

void TCustomPlayer::AllocPicture(TVideoState* is)
{
    int width, height;
    {
        std::lock_guard<std::mutex> lock(is->pictq_mutex);
        width = is->alloc_width;
        height = is->alloc_height;
    }
    TQueuedPicture& vp = is->pictq[is->pictq_windex];
    if (vp.Overlay)
        ff::SDL_FreeYUVOverlay(vp.Overlay);
    vp.Overlay = screen_ && width > 0 && height > 0
                     ? ff::SDL_CreateYUVOverlay(width, height, SDL_YV12_OVERLAY, screen_)
                     : nullptr;
    vp.Width = width;
    vp.Height = height;
    std::lock_guard<std::mutex> lock(is->pictq_mutex);
    is->allocated = 1;
    is->pictq_cond.notify_all();
}
