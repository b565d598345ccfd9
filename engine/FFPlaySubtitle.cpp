#include "engine/FFPlaySubtitle.h"

#include "engine/FFPlay.h"
#include "engine/FFPlayVideoState.h"
#include "engine/FFmpegEntries.h"

#include <algorithm>
#include <chrono>
#include <thread>

std::uint32_t RGBAToYUVA(std::uint32_t argb)
{
    const int a = static_cast<int>(argb >> 24);
    const int r = static_cast<int>((argb >> 16) & 0xFF);
    const int g = static_cast<int>((argb >> 8) & 0xFF);
    const int b = static_cast<int>(argb & 0xFF);
    // BT.601 studio range, factors scaled by 1024; >> on a negative int is an arithmetic shift.
    const int y = (263 * r + 517 * g + 101 * b + 16896) >> 10;
    const int u = ((-152 * r - 298 * g + 450 * b + 511) >> 10) + 128;
    const int v = ((450 * r - 377 * g - 74 * b + 511) >> 10) + 128;
    return static_cast<std::uint32_t>(a) << 24 | static_cast<std::uint32_t>(y) << 16 |
           static_cast<std::uint32_t>(u) << 8 | static_cast<std::uint32_t>(v);
}

void BlendSubtitleRect(std::uint8_t* const planes[3], const int linesize[3], const AVSubtitleRect& rect,
                       int pictureWidth, int pictureHeight)
{
    if (!rect.data[0] || !rect.data[1])
        return;
    const int w = std::clamp(rect.w, 0, pictureWidth);
    const int h = std::clamp(rect.h, 0, pictureHeight);
    const int x0 = std::clamp(rect.x, 0, pictureWidth - w);
    const int y0 = std::clamp(rect.y, 0, pictureHeight - h);
    const auto* palette = reinterpret_cast<const std::uint32_t*>(rect.data[1]);
    auto entry = [&](int x, int y) { return palette[rect.data[0][y * rect.linesize[0] + x]]; };

    for (int y = 0; y < h; ++y) {
        std::uint8_t* luma = planes[0] + static_cast<std::ptrdiff_t>(y0 + y) * linesize[0] + x0;
        for (int x = 0; x < w; ++x) {
            const std::uint32_t e = entry(x, y);
            const int a = static_cast<int>(e >> 24);
            luma[x] = static_cast<std::uint8_t>((luma[x] * (255 - a) + static_cast<int>((e >> 16) & 0xFF) * a) / 255);
        }
    }
    // One chroma sample per 2 x 2 luma pixels; blocks the rectangle covers only in part blend
    // their covered pixels at a quarter (one pixel) or half (two pixels) of the full weight.
    for (int cy = y0 >> 1; cy <= (y0 + h - 1) >> 1 && h > 0; ++cy) {
        for (int cx = x0 >> 1; cx <= (x0 + w - 1) >> 1 && w > 0; ++cx) {
            int count = 0, alphaSum = 0, uSum = 0, vSum = 0;
            for (int py = cy * 2; py < cy * 2 + 2; ++py)
                for (int px = cx * 2; px < cx * 2 + 2; ++px) {
                    if (px < x0 || px >= x0 + w || py < y0 || py >= y0 + h)
                        continue;
                    const std::uint32_t e = entry(px - x0, py - y0);
                    ++count;
                    alphaSum += static_cast<int>(e >> 24);
                    uSum += static_cast<int>((e >> 8) & 0xFF);
                    vSum += static_cast<int>(e & 0xFF);
                }
            const int k = count == 4 ? 2 : count == 2 ? 1 : 0;
            const int a = alphaSum >> 2;
            std::uint8_t& u = planes[1][static_cast<std::ptrdiff_t>(cy) * linesize[1] + cx];
            std::uint8_t& v = planes[2][static_cast<std::ptrdiff_t>(cy) * linesize[2] + cx];
            u = static_cast<std::uint8_t>(((u << k) * (255 - a) + uSum * a) / (255 << k));
            v = static_cast<std::uint8_t>(((v << k) * (255 - a) + vSum * a) / (255 << k));
        }
    }
}

void FreeSubPicture(TQueuedSubtitle& entry)
{
    ff::avsubtitle_free(&entry.Sub);
    entry.Sub = AVSubtitle{};
}

void TCustomPlayer::SubtitleDecodeLoop(TVideoState* is)
{
    AVPacket* pkt = ff::av_packet_alloc();
    if (!pkt)
        return;
    for (;;) {
        while (is->paused && !is->subtitleq.Aborted() && !is->seek_paused)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        bool flush = false;
        if (is->subtitleq.Get(pkt, &flush, true) < 0)
            break;
        if (flush) {
            ff::avcodec_flush_buffers(is->subtitle_ctx);
            continue;
        }
        {
            std::unique_lock<std::mutex> lock(is->subpq_mutex);
            is->subpq_cond.wait(lock, [is] {
                return is->subpq_size < TVideoState::SubtitleQueueSize || is->subtitleq.Aborted();
            });
        }
        if (is->subtitleq.Aborted())
            break;
        TQueuedSubtitle& sp = is->subpq[is->subpq_windex];
        const double pts = pkt->pts != AV_NOPTS_VALUE ? static_cast<double>(pkt->pts) * av_q2d(is->subtitle_st.load()->time_base)
                                                       : 0.0;
        int gotSubtitle = 0;
        AVSubtitle sub{};
        if (ff::avcodec_decode_subtitle2(is->subtitle_ctx, &sub, &gotSubtitle, pkt) >= 0 && gotSubtitle) {
            if (sub.format == 0) {
                for (unsigned i = 0; i < sub.num_rects; ++i) {
                    AVSubtitleRect* rect = sub.rects[i];
                    auto* palette = reinterpret_cast<std::uint32_t*>(rect->data[1]);
                    for (int j = 0; palette && j < rect->nb_colors; ++j)
                        palette[j] = RGBAToYUVA(palette[j]);
                }
                sp.Pts = pts;
                sp.Sub = sub;
                is->subpq_windex = (is->subpq_windex + 1) % TVideoState::SubtitleQueueSize;
                std::lock_guard<std::mutex> lock(is->subpq_mutex);
                ++is->subpq_size;
            } else {
                ff::avsubtitle_free(&sub);
            }
        }
        ff::av_packet_unref(pkt);
    }
    ff::av_packet_free(&pkt);
}
