// The player's output: SDL's event loop on TPlayThread, the refresh pacing, the clocks, the
// timing of pictures and their display in the drawing area.

#include "engine/FFPlay.h"
#include "engine/FFPlayDisplay.h"
#include "engine/FFPlaySubtitle.h"
#include "engine/FFPlayVideoState.h"
#include "engine/FFmpegEntries.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <thread>

void TCustomPlayer::PlayerEventLoop()
{
    for (;;) {
        SDL_Event event{};
        if (!ff::SDL_WaitEvent(&event))
            event.type = FF_QUIT_EVENT;
        std::lock_guard<std::mutex> lock(dataLock_);
        auto state = CurrentState();
        if (!state)
            return;
        TVideoState* is = state.get();
        switch (event.type) {
        case SDL_QUIT:
        case FF_QUIT_EVENT:
            ShutdownPlayback();
            return;
        case SDL_VIDEORESIZE:
            screen_ = ff::SDL_SetVideoMode(event.resize.w, event.resize.h, screen_bpp_,
                                           SDL_HWSURFACE | SDL_ASYNCBLIT | SDL_RESIZABLE | SDL_HWACCEL);
            screen_width_ = event.resize.w;
            screen_height_ = event.resize.h;
            is->width = event.resize.w;
            is->height = event.resize.h;
            is->no_background = 1;
            if (is->paused)
                RefreshVideo(is, false);
            break;
        case SDL_VIDEOEXPOSE:
            is->no_background = 1;
            if (is->paused)
                RefreshVideo(is, false);
            else
                DisplayVideo(is);
            break;
        case FF_ALLOC_EVENT:
            OpenVideoSurface(is, false);
            AllocPicture(is);
            break;
        case FF_REFRESH_EVENT:
            RefreshVideo(is, true);
            is->refresh = 0;
            Reached(TPlayPoint::Refreshed, state_);
            break;
        case FF_REDISPLAY_EVENT:
            OpenVideoSurface(is, true);
            DisplayVideo(is);
            break;
        default:
            break;
        }
    }
}

void TCustomPlayer::RefreshTimerLoop(TVideoState* is)
{
    while (!is->abort_request) {
        if (is->refresh.exchange(1) != 1 && !PostUserEvent(FF_REFRESH_EVENT, is))
            is->refresh = 0;
        const int ms = is->audio_st && is->show_audio ? rdftspeed_.load() : 5;
        std::this_thread::sleep_for(std::chrono::milliseconds(ms > 0 ? ms : 1));
    }
}

double TCustomPlayer::GetAudioClock(TVideoState* is) const
{
    if (const double seekClock = is->audio_seek_clock; !std::isnan(seekClock))
        return seekClock;
    if (is->paused)
        return is->audio_clock_paused;
    return is->audio_clock_drift + PlayerSeconds();
}

double TCustomPlayer::GetVideoClock(TVideoState* is) const
{
    if (is->paused)
        return is->video_current_pts;
    const double drift = is->video_current_pts_drift;
    if (drift != 0)
        return drift + PlayerSeconds();
    return static_cast<double>(is->StartTime) / 1000000.0;
}

double TCustomPlayer::GetExternalClock(TVideoState* is) const
{
    return is->external_clock + static_cast<double>(PlayerMicroseconds() - is->external_clock_time) * 0.000001;
}

double TCustomPlayer::GetMasterClock(TVideoState* is) const
{
    switch (is->av_sync_type) {
    case AV_SYNC_VIDEO_MASTER:
        return is->HasPictures() ? GetVideoClock(is) : GetAudioClock(is);
    case AV_SYNC_AUDIO_MASTER:
        return is->audio_st ? GetAudioClock(is) : GetVideoClock(is);
    default:
        return GetExternalClock(is);
    }
}

void TCustomPlayer::TogglePausedState(TVideoState* is)
{
    // A pause asked for while a seek waits to be made comes first, so no sound plays on from the
    // seek's target before it.
    const bool pausingBeforeSeek = !is->paused && is->seek_req;
    if (!pausingBeforeSeek && !seekEvent_.WaitFor(250))
        seekEvent_.Set();
    if (CurrentState().get() != is)
        return;
    if (is->paused) {
        const double now = PlayerSeconds();
        // The sound's clock goes on from where it stood.
        is->audio_clock_drift = is->audio_clock_paused - now;
        // Pictures wait out the pause; before the first picture was shown there is no pause
        // to add (the drift is still 0), and a file opened paused no longer reports its pause.
        if (is->video_current_pts_drift != 0)
            is->frame_timer = is->frame_timer + now + is->video_current_pts_drift - is->video_current_pts;
        if (is->read_pause_return != AVERROR(ENOSYS))
            is->video_current_pts = is->video_current_pts_drift + now;
        is->video_current_pts_drift = is->video_current_pts - now;
        std::lock_guard<std::mutex> lock(openPausedMutex_);
        is->open_paused = 0;
        is->hold_first = 0;
        is->paused = 0;
    } else {
        // Paused while a seek is under way, the file stands on the seek's first picture, where
        // playing goes on from; else on the picture queued since the last seek.
        const bool seeking = is->seek_req || is->seek_done;
        if (is->video_st && !seeking) {
            if (!pictEvent_.WaitFor(250))
                pictEvent_.Set();
            if (CurrentState().get() != is)
                return;
        }
        is->audio_clock_paused = GetAudioClock(is);
        is->paused = 1;
        if (seeking)
            is->seek_paused = 1;
    }
}

double TCustomPlayer::ComputeTargetTime(TVideoState* is, double pts)
{
    double delay = pts - is->frame_last_pts;
    if (delay <= 0 || delay >= 10.0)
        delay = is->frame_last_delay;
    else
        is->frame_last_delay = delay;
    is->frame_last_pts = pts;
    if ((is->av_sync_type == AV_SYNC_AUDIO_MASTER && is->audio_st) || is->av_sync_type == AV_SYNC_EXTERNAL_CLOCK) {
        const double diff = GetVideoClock(is) - GetMasterClock(is);
        const double threshold = delay <= 0.01 ? 0.01 : delay;
        if (std::fabs(diff) < 10.0) {
            if (diff <= -threshold)
                delay = 0;
            else if (diff >= threshold)
                delay = 2 * delay;
        }
    }
    is->frame_timer = is->frame_timer + delay;
    return is->frame_timer;
}

void TCustomPlayer::ConsumePicture(TVideoState* is)
{
    is->pictq_rindex = (is->pictq_rindex + 1) % TVideoState::PictureQueueSize;
    std::lock_guard<std::mutex> lock(is->pictq_mutex);
    --is->pictq_size;
    is->pictq_cond.notify_all();
}

void TCustomPlayer::RefreshVideo(TVideoState* is, bool advance)
{
    if (!is->video_st) {
        if (is->audio_st) {
            DisplayVideo(is);
            UpdatePosition(is);
        }
        return;
    }
    if (!advance) {
        // Draw again what is on screen.
        DisplayVideo(is);
        UpdatePosition(is);
        return;
    }
    bool shown = true;
    for (;;) {
        int size;
        bool stale;
        {
            std::lock_guard<std::mutex> lock(is->pictq_mutex);
            size = is->pictq_size;
            stale = size > 0 && is->pictq[is->pictq_rindex].Stale;
        }
        if (size == 0)
            break;
        if (is->paused && is->hold_first && is->shown.Overlay && !stale)
            return;
        const double time = PlayerSeconds();
        TQueuedPicture& vp = is->pictq[is->pictq_rindex];
        if (time < vp.TargetClock)
            return;
        is->video_current_pts = vp.Pts;
        is->video_current_pts_drift = vp.Pts - time;
        is->video_current_pos = vp.Pos;
        const double nextTarget = size > 1 ? is->pictq[(is->pictq_rindex + 1) % TVideoState::PictureQueueSize].TargetClock
                                           : vp.TargetClock + is->video_clock - vp.Pts;
        if (stale) {
            ConsumePicture(is);
            shown = false;
            continue;
        }
        // Lateness is measured against a running clock: a paused file (opened paused, or with
        // pictures queued before its pause) shows what it has queued, however late, and must not
        // make the picture thread skip the pictures it owes the screen.
        if (framedrop_ && !is->paused && time > nextTarget && !is->IsDevice) {
            is->skip_frames = is->skip_frames * 1.05;
            if (size > 1 || time > nextTarget + 0.5) {
                ConsumePicture(is);
                shown = false;
                continue;
            }
        }
        UpdateSubtitles(is);
        {
            // The picture goes on screen: it becomes the shown one, and its slot takes the
            // overlay of the picture it replaces.
            std::lock_guard<std::mutex> lock(is->pictq_mutex);
            std::swap(is->shown, vp);
        }
        DisplayVideo(is);
        ConsumePicture(is);
        shown = true;
        break;
    }
    if (shown)
        UpdatePosition(is);
}

void TCustomPlayer::UpdateSubtitles(TVideoState* is)
{
    if (!is->subtitle_st)
        return;
    std::lock_guard<std::mutex> lock(is->subpq_mutex);
    if (is->subtitle_stream_changed) {
        while (is->subpq_size > 0) {
            FreeSubPicture(is->subpq[is->subpq_rindex]);
            is->subpq_rindex = (is->subpq_rindex + 1) % TVideoState::SubtitleQueueSize;
            --is->subpq_size;
        }
        is->subtitle_stream_changed = 0;
        is->subpq_cond.notify_all();
        return;
    }
    if (is->subpq_size == 0)
        return;
    const double current = is->video_current_pts;
    TQueuedSubtitle& sp = is->subpq[is->subpq_rindex];
    bool expired = current > sp.Pts + static_cast<double>(sp.Sub.end_display_time) / 1000.0;
    if (!expired && is->subpq_size > 1) {
        const TQueuedSubtitle& next = is->subpq[(is->subpq_rindex + 1) % TVideoState::SubtitleQueueSize];
        expired = current > next.Pts + static_cast<double>(next.Sub.start_display_time) / 1000.0;
    }
    if (expired) {
        FreeSubPicture(sp);
        is->subpq_rindex = (is->subpq_rindex + 1) % TVideoState::SubtitleQueueSize;
        --is->subpq_size;
        is->subpq_cond.notify_all();
    }
}

void TCustomPlayer::DisplayVideo(TVideoState* is)
{
    if (!screen_)
        OpenVideoSurface(is, false);
    if (!screen_)
        return;
    if (is->audio_st && is->show_audio)
        DisplayAudio(is);
    else if (is->video_st)
        DisplayPicture(is);
}

int TCustomPlayer::OpenVideoSurface(TVideoState* is, bool force)
{
    int w = 640, h = 480;
    if (is_full_screen_ && fs_screen_width_ > 0) {
        w = fs_screen_width_;
        h = fs_screen_height_;
    } else if (screen_width_ > 0) {
        w = screen_width_;
        h = screen_height_;
    } else if (is->out_width > 0) {
        w = is->out_width & ~1;
        h = is->out_height & ~1;
    }
    if (!force && screen_ && is->width == screen_->w && screen_->w == w && is->height == screen_->h &&
        screen_->h == h)
        return 0;
    Uint32 flags = SDL_HWSURFACE | SDL_ASYNCBLIT | SDL_HWACCEL;
    flags |= is_full_screen_ ? SDL_FULLSCREEN : SDL_RESIZABLE;
    screen_ = ff::SDL_SetVideoMode(w, h, screen_bpp_, flags);
    if (!screen_) {
        ReportError("SDL: could not set video mode.", false);
        return -1;
    }
    if (!screenHandle_)
        ff::SDL_WM_SetCaption("FFPlayer", "FFPlayer");
    is->width = screen_->w;
    is->height = screen_->h;
    is->no_background = 1;
    return 0;
}

void TCustomPlayer::DisplayPicture(TVideoState* is)
{
    TQueuedPicture& vp = is->shown;
    if (!vp.Overlay)
        return;
    const int width = is->width, height = is->height;
    const double aspect = DisplayAspectRatio(aspectRatio_, width, height, vp.SampleAspect, vp.Width, vp.Height);

    if (is->subtitle_st) {
        std::lock_guard<std::mutex> lock(is->subpq_mutex);
        if (is->subpq_size > 0) {
            TQueuedSubtitle& sp = is->subpq[is->subpq_rindex];
            if (vp.Pts >= sp.Pts + static_cast<double>(sp.Sub.start_display_time) / 1000.0) {
                ff::SDL_LockYUVOverlay(vp.Overlay);
                std::uint8_t* planes[3] = {vp.Overlay->pixels[0], vp.Overlay->pixels[2], vp.Overlay->pixels[1]};
                const int linesize[3] = {vp.Overlay->pitches[0], vp.Overlay->pitches[2], vp.Overlay->pitches[1]};
                for (unsigned i = 0; i < sp.Sub.num_rects; ++i)
                    BlendSubtitleRect(planes, linesize, *sp.Sub.rects[i], vp.Overlay->w, vp.Overlay->h);
                ff::SDL_UnlockYUVOverlay(vp.Overlay);
            }
        }
    }

    const TDisplayRect rect = CalculateDisplayRect(width, height, aspect);
    // Around the picture the area is black: a new surface, an exposed window or a picture of
    // another shape must leave no older pixels beside it.
    if (is->no_background || rect.X != is->last_rect.X || rect.Y != is->last_rect.Y || rect.W != is->last_rect.W ||
        rect.H != is->last_rect.H) {
        const std::uint32_t black = ff::SDL_MapRGB(screen_->format, 0, 0, 0);
        for (const TDisplayRect& border : BorderRects(width, height, rect)) {
            const TDisplayRect placed{is->xleft + border.X, is->ytop + border.Y, border.W, border.H};
            FillSurfaceRect(screen_, placed, black);
            ff::SDL_UpdateRect(screen_, placed.X, placed.Y, static_cast<Uint32>(placed.W),
                               static_cast<Uint32>(placed.H));
        }
        is->last_rect = rect;
    }
    is->no_background = 0;
    SDL_Rect target;
    target.x = static_cast<Sint16>(is->xleft + rect.X);
    target.y = static_cast<Sint16>(is->ytop + rect.Y);
    target.w = static_cast<Uint16>(rect.W);
    target.h = static_cast<Uint16>(rect.H);
    ff::SDL_DisplayYUVOverlay(vp.Overlay, &target);
}
