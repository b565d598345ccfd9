#include "engine/FFPlay.h"

#include "engine/EngineUtils.h"
#include "engine/FFPlayVideoState.h"
#include "engine/FFmpegEntries.h"
#include "engine/FFmpegLoader.h"
#include "engine/FFmpegLogger.h"
#include "engine/UprightPicture.h"
#include "platform/kernel/Environment.h"
#include "platform/kernel/Exceptions.h"
#include "platform/kernel/MainThread.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <thread>

namespace {

// SDL is process-wide: the player that has it started.
std::atomic<TCustomPlayer*> sdlOwner{nullptr};

std::string FormatMessage(const char* format, const std::string& arg, const std::string& arg2 = "")
{
    char text[1024];
    std::snprintf(text, sizeof text, format, arg.c_str(), arg2.c_str());
    return text;
}

} // namespace

TCustomPlayer::TCustomPlayer()
{
    InitDefaults();
}

TCustomPlayer::~TCustomPlayer()
{
    eventsDetached_ = true;
    try {
        Stop(true);
    } catch (...) {
        // A destructor reports nothing; Stop only fails on misuse.
    }
    FreeRGBContext(rgbContext_);
    FreeRGBContext(hookContext_);
}

void TCustomPlayer::InitDefaults()
{
    vfilters_.clear();
    sws_flags_ = 4;
    file_iformat_ = nullptr;
    fileName_.clear();
    fs_screen_width_ = fs_screen_height_ = 0;
    frame_width_ = frame_height_ = 0;
    frame_pix_fmt_ = -1;
    av_sync_type_ = AV_SYNC_AUDIO_MASTER;
    debug_ = debug_mv_ = 0;
    workaround_bugs_ = 1;
    fast_ = genpts_ = false;
    lowres_ = idct_algo_ = 0;
    skip_frame_ = skip_idct_ = skip_loop_filter_ = 0;
    error_recognition_ = 1;
    error_concealment_ = 3;
    decoder_reorder_pts_ = -1;
    framedrop_ = 1;
    rdftspeed_ = 20;
    ResetPlayState();
}

void TCustomPlayer::ResetPlayState()
{
    screen_ = nullptr;
    lastPTS_ = kNoPTS;
    currentPTS_ = -1;
    step_ = false;
    for (auto& wanted : wanted_stream_)
        wanted = -1;
    seek_by_bytes_ = -1;
    start_time_ = kNoPTS;
    playTime_ = kNoPTS;
    repeatType_ = rtStop;
    verticalFlip_ = false;
    seekEvent_.Set();
    seeking_ = false;
}

bool TCustomPlayer::AVLibLoaded() const
{
    return FFLoader().Loaded(PlayerLibraries);
}

bool TCustomPlayer::LoadAVLib(const std::string& APath)
{
    FFLoader().SetLibraryPath(APath);
    if (FFLoader().Load(PlayerLibraries))
        return true;
    std::lock_guard<std::mutex> lock(errMutex_);
    lastErrMsg_ = FFLoader().GetLastErrMsg();
    return false;
}

void TCustomPlayer::UnloadAVLib()
{
    // Nothing of a playback may outlive the entry points it calls.
    Stop(true);
    FFLoader().Unload(PlayerLibraries);
}

std::shared_ptr<TVideoState> TCustomPlayer::CurrentState() const
{
    std::lock_guard<std::mutex> lock(stateMutex_);
    return videoState_;
}

std::string TCustomPlayer::GetFileName() const
{
    std::lock_guard<std::mutex> lock(errMutex_);
    return fileName_;
}

std::string TCustomPlayer::GetLastErrMsg() const
{
    std::lock_guard<std::mutex> lock(errMutex_);
    return lastErrMsg_;
}

bool TCustomPlayer::GetPaused() const
{
    auto is = CurrentState();
    return !is || is->paused.load() != 0;
}

void TCustomPlayer::ReportError(const std::string& message, bool store)
{
    PostLog(llError, message);
    if (store) {
        std::lock_guard<std::mutex> lock(errMutex_);
        lastErrMsg_ = message;
    }
}

// The player's threads never wait for the GUI thread to log: they may hold locks the GUI thread
// waits for, or be SDL's audio thread.
void TCustomPlayer::PostLog(int level, const std::string& message)
{
    const void* sender = this;
    const auto logLevel = static_cast<TLogLevel>(level);
    if (MainThread::IsMainThread())
        GetLogger().Log(sender, logLevel, message);
    else
        MainThread::Post([sender, logLevel, message] { GetLogger().Log(sender, logLevel, message); });
}

void TCustomPlayer::ChangeState(TPlayState state)
{
    Reached(TPlayPoint::Reporting, state);
    // psStop is the last state of a playback: a change that comes later (a Pause that was under
    // way while the playback stopped) is neither kept nor reported.
    std::lock_guard<std::mutex> lock(changeMutex_);
    if (playEvent_.Closed())
        return;
    state_ = state;
    const bool report = OnState && !eventsDetached_;
    if (state == psStop)
        playEvent_.Close(report ? TPlayEventItem{pekState, static_cast<std::int64_t>(state)}
                                : TPlayEventItem{pekEndDelivery, 0});
    else if (report)
        playEvent_.Push(TPlayEventItem{pekState, static_cast<std::int64_t>(state)});
}

bool TCustomPlayer::InDelivery() const
{
    return MainThread::IsMainThread() && deliveryDepth_.load() > 0;
}

void TCustomPlayer::EventThreadExecute()
{
    auto deliver = [this](const std::function<void()>& call) {
        auto guarded = [this, &call] {
            ++deliveryDepth_;
            try {
                call();
            } catch (...) {
                --deliveryDepth_;
                throw;
            }
            --deliveryDepth_;
        };
        try {
            if (triggerEventInMainThread_)
                RunInMainThread(guarded);
            else
                call();
        } catch (const std::exception& e) {
            PostLog(llError, std::string("Error occurs in a player event: ") + e.what());
        }
    };
    struct EndedSignal {
        Event& ended;
        ~EndedSignal() { ended.Set(); }
    } endedSignal{eventThreadEnded_};
    for (;;) {
        const TPlayEventItem item = playEvent_.Pop();
        if (item.Kind == pekNone) {
            playEvent_.Signal().WaitFor(INFINITE);
            continue;
        }
        if (item.Kind == pekPosition) {
            const std::int64_t pts = item.Value;
            deliver([this, pts] {
                if (OnPosition && !eventsDetached_)
                    OnPosition(this, pts);
            });
        } else if (item.Kind == pekState) {
            const auto state = static_cast<TPlayState>(item.Value);
            deliver([this, state] {
                if (OnState && !eventsDetached_)
                    OnState(this, state);
            });
            if (state == psStop)
                break;
        } else {
            break;
        }
    }
}

void TCustomPlayer::PlayThreadExecute()
{
    try {
        PlayerEventLoop();
    } catch (const std::exception& e) {
        PostLog(llFatal, std::string("PlayThread Exception: ") + e.what());
        std::lock_guard<std::mutex> lock(dataLock_);
        ShutdownPlayback();
    }
    ChangeState(psStop);
    Reached(TPlayPoint::Ended, psStop);
    stopEvent_.Set();
}

void TCustomPlayer::StartThread(Thread& thread, const char* name, std::function<void()> body)
{
    thread.Start([this, name, body = std::move(body)] {
        try {
            body();
        } catch (const std::exception& e) {
            PostLog(llFatal, std::string(name) + " Exception: " + e.what());
        } catch (...) {
            PostLog(llFatal, std::string(name) + " Exception");
        }
    });
}

bool TCustomPlayer::InitSDLWindow(TPlayerHost* host)
{
    const std::uint64_t windowId = host ? host->NativeWindowId() : 0;
    if (windowId)
        SetEnv("SDL_WINDOWID", std::to_string(windowId));
    sdlStarted_ = true;
    QuietSoundLibrary();
    // SDL would turn SIGINT and SIGTERM into its quit event, which only ends the playback; the
    // process keeps the handling it had.
    struct sigaction interrupt {}, terminate {};
    sigaction(SIGINT, nullptr, &interrupt);
    sigaction(SIGTERM, nullptr, &terminate);
    const bool started = ff::SDL_Init(SDL_INIT_VIDEO | SDL_INIT_AUDIO | SDL_INIT_TIMER) == 0;
    sigaction(SIGINT, &interrupt, nullptr);
    sigaction(SIGTERM, &terminate, nullptr);
    if (windowId)
        UnsetEnv("SDL_WINDOWID");
    if (started && host) {
        char name[64];
        if (ff::SDL_AudioDriverName(name, sizeof name))
            PostLog(llDebug, FormatMessage("using audio driver: %s\n", name));
        if (ff::SDL_VideoDriverName(name, sizeof name))
            PostLog(llDebug, FormatMessage("using video driver: %s\n", name));
        host->SetListener(this);
    }
    return started;
}

void TCustomPlayer::QuitSDL()
{
    if (screenHandle_)
        screenHandle_->SetListener(nullptr);
    if (sdlStarted_ && ff::SDL_Quit)
        ff::SDL_Quit();
    sdlStarted_ = false;
    screen_ = nullptr;
    TCustomPlayer* self = this;
    sdlOwner.compare_exchange_strong(self, nullptr);
}

bool TCustomPlayer::Open(const std::string& AFileName, TPlayerHost* AScreenHandle, bool APaused)
{
    if (!AVLibLoaded()) {
        ReportError("libav or libsdl not loaded.", true);
        return false;
    }
    ZD_ASSERT(!InDelivery(), "Open cannot run inside the player's own event handler");
    Stop(true);

    TCustomPlayer* none = nullptr;
    if (!sdlOwner.compare_exchange_strong(none, this)) {
        ReportError("Another player has a file open.", true);
        return false;
    }
    // The events of this playback begin here; the previous one's ended with its psStop.
    playEvent_.Reopen();

    // SDL starts with named drivers: without one Debian's SDL may pick a text-art video driver.
    const char* audioName = AudioDriverNames[audioDriver_];
    if (*audioName)
        SetEnv("SDL_AUDIODRIVER", audioName);
    const char* videoName = VideoDriverNames[videoDriver_];
    if (*videoName)
        SetEnv("SDL_VIDEODRIVER", videoName);
    else if (GetEnv("SDL_VIDEODRIVER").value_or("").empty())
        SetEnv("SDL_VIDEODRIVER", "x11");

    screenHandle_ = AScreenHandle;
    if (!InitSDLWindow(AScreenHandle)) {
        char handle[32];
        std::snprintf(handle, sizeof handle, "%llu",
                      static_cast<unsigned long long>(AScreenHandle ? AScreenHandle->NativeWindowId() : 0));
        ReportError(FormatMessage("Could not initialize SDL with ScreenHandle(%s): %s", handle, ff::SDL_GetError()),
                    true);
        QuitSDL();
        screenHandle_ = nullptr;
        return false;
    }
    if (display_disable_) {
        video_disable_ = true;
    } else {
        const SDL_VideoInfo* info = ff::SDL_GetVideoInfo();
        if (!info) {
            ReportError("SDL_GetVideoInfo() failed", true);
            QuitSDL();
            screenHandle_ = nullptr;
            return false;
        }
        fs_screen_width_ = info->current_w;
        fs_screen_height_ = info->current_h;
        // A palettised display (SDL's dummy driver) would dither the overlay; ask for 32 bits.
        screen_bpp_ = info->vfmt && info->vfmt->BitsPerPixel < 15 ? 32 : 0;
    }
    ff::SDL_EventState(SDL_ACTIVEEVENT, SDL_IGNORE);
    ff::SDL_EventState(SDL_MOUSEMOTION, SDL_IGNORE);
    ff::SDL_EventState(SDL_SYSWMEVENT, SDL_IGNORE);
    ff::SDL_EventState(SDL_USEREVENT, SDL_IGNORE);

    if (!OpenVideoState(AFileName, APaused)) {
        QuitSDL();
        screenHandle_ = nullptr;
        return false;
    }
    {
        std::lock_guard<std::mutex> lock(errMutex_);
        fileName_ = AFileName;
    }
    if (auto is = CurrentState())
        avProbe_->SetFileHandle(is->ic);
    if (triggerEventInMainThread_)
        RunInMainThread([this] { CallFileOpen(); });
    else
        CallFileOpen();

    eventThreadEnded_.Reset();
    StartThread(eventThread_, "EventThread", [this] { EventThreadExecute(); });
    // Reported here, so that it comes before anything the caller does with the file next.
    ChangeState(psPlay);
    stopEvent_.Reset();
    StartThread(playThread_, "PlayThread", [this] { PlayThreadExecute(); });
    return true;
}

void TCustomPlayer::CallFileOpen()
{
    FreeRGBContext(rgbContext_);
    FreeRGBContext(hookContext_);
    auto is = CurrentState();
    if (!is)
        return;
    int screenWidth = screen_width_, screenHeight = screen_height_;
    if (OnFileOpen && !eventsDetached_) {
        const std::int64_t duration = is->IsImage2 ? 0 : is->Duration;
        int frameWidth = -1, frameHeight = -1;
        if (is->video_ctx && is->video_ctx->width > 0) {
            frameWidth = is->video_ctx->coded_width > 0 ? is->video_ctx->coded_width : is->video_ctx->width;
            frameHeight = is->video_ctx->coded_height > 0 ? is->video_ctx->coded_height : is->video_ctx->height;
            if (UprightFilters(is->video_st.load()).SwapsSides)
                std::swap(frameWidth, frameHeight);
        }
        OnFileOpen(this, duration, frameWidth, frameHeight, screenWidth, screenHeight);
    }
    // Without an answer from a handler (or without a handler) the host's client area is drawn into.
    if (screenHandle_ && (screenWidth == 0 || screenHeight == 0))
        screenHandle_->GetClientSize(screenWidth, screenHeight);
    screen_width_ = screenWidth;
    screen_height_ = screenHeight;
}

void TCustomPlayer::Stop(bool AWaitForStop)
{
    if (AWaitForStop)
        ZD_ASSERT(!InDelivery(), "Stop cannot wait inside the player's own event handler");
    if (auto is = CurrentState()) {
        if (is->paused)
            TogglePausedState(is.get());
        step_ = false;
        PostUserEvent(FF_QUIT_EVENT, is.get());
        if (AWaitForStop)
            WaitForStop();
    }
    if (!AWaitForStop)
        return;
    // Every thread of the playback ends before SDL shuts down.
    if (playThread_.Joinable())
        playThread_.Join();
    if (eventThread_.Joinable()) {
        if (MainThread::IsMainThread())
            MainThread::WaitServing(eventThreadEnded_, INFINITE);
        eventThread_.Join();
    }
    QuitSDL();
    screenHandle_ = nullptr;
}

void TCustomPlayer::WaitForStop()
{
    int n = 1;
    for (;;) {
        const bool stopped = MainThread::IsMainThread() ? MainThread::WaitServing(stopEvent_, 100)
                                                         : stopEvent_.WaitFor(100);
        if (stopped || !CurrentState())
            return;
        std::unique_lock<std::mutex> lock(dataLock_, std::try_to_lock);
        for (int tries = 0; !lock.owns_lock() && tries < 100; ++tries) {
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
            lock.try_lock();
        }
        if (!lock.owns_lock())
            continue;
        ++n;
        auto is = CurrentState();
        if (!is)
            return;
        // TPlayThread is waiting for events, not handling one, yet did not act on the quit.
        if ((n > 10 && is->Reading) || n > 20) {
            ShutdownPlayback();
            return;
        }
        PostUserEvent(FF_QUIT_EVENT, is.get());
    }
}

void TCustomPlayer::Pause()
{
    auto is = CurrentState();
    if (!is || is->paused)
        return;
    TogglePausedState(is.get());
    step_ = false;
    ChangeState(psPause);
}

void TCustomPlayer::Resume()
{
    auto is = CurrentState();
    if (!is || !is->paused)
        return;
    TogglePausedState(is.get());
    step_ = false;
    ChangeState(psResume);
}

void TCustomPlayer::TogglePause()
{
    auto is = CurrentState();
    if (!is)
        return;
    TogglePausedState(is.get());
    step_ = false;
    ChangeState(is->paused ? psPause : psResume);
}

void TCustomPlayer::StepToNextFrame()
{
    auto is = CurrentState();
    if (!is)
        return;
    if (is->paused)
        TogglePausedState(is.get());
    if (!step_.exchange(true))
        ChangeState(psStep);
}

void TCustomPlayer::ToggleAudioDisplay()
{
    auto is = CurrentState();
    if (!is)
        return;
    is->show_audio = (is->show_audio + 1) % 3;
    // A new surface starts black; SDL's video calls belong to TPlayThread.
    PostUserEvent(FF_REDISPLAY_EVENT, is.get());
}

void TCustomPlayer::Seek(std::int64_t APTS, TSeekFlags ASeekFlags, bool AWaitForSeekEnd)
{
    auto is = CurrentState();
    if (!is)
        return;
    const int flags = SeekFlagsToInt(ASeekFlags);
    if (ASeekFlags.Contains(sfByte)) {
        RequestSeek(is.get(), flags, AWaitForSeekEnd, APTS, 0);
        return;
    }
    // The file's times as they were at its opening: the read thread alone touches its input,
    // which it closes when the file closes.
    std::int64_t target = APTS;
    if (is->Duration >= 0 && is->Duration < target)
        target = is->Duration;
    target += is->StartTime;
    RequestSeek(is.get(), flags, AWaitForSeekEnd, target, APTS <= 0 ? 1 : 0);
}

void TCustomPlayer::Seek(double ADelta, TSeekFlags ASeekFlags, bool AWaitForSeekEnd)
{
    auto is = CurrentState();
    if (!is)
        return;
    const int flags = SeekFlagsToInt(ASeekFlags);
    if (ASeekFlags.Contains(sfByte)) {
        double distance = is->BitRate > 0 ? ADelta * static_cast<double>(is->BitRate) / 8.0 : ADelta * 180000.0;
        const std::int64_t pos = is->read_byte_pos;
        RequestSeek(is.get(), flags, AWaitForSeekEnd, std::llround(static_cast<double>(pos) + distance),
                    std::llround(distance));
        return;
    }
    const double target = (GetMasterClock(is.get()) + ADelta) * 1000000.0;
    RequestSeek(is.get(), flags, AWaitForSeekEnd, std::llround(target), std::llround(ADelta * 1000000.0));
}

const TFFPicture& TCustomPlayer::CurrentFrame()
{
    std::int64_t pts;
    return CurrentFrame(pts);
}

const TFFPicture& TCustomPlayer::CurrentFrame(std::int64_t& APTS)
{
    std::lock_guard<std::mutex> frameLock(frameMutex_);
    APTS = -1;
    std::lock_guard<std::mutex> lock(dataLock_);
    auto is = CurrentState();
    if (!is || !is->video_st || is->abort_request) {
        emptyFrame_ = TFFPicture{};
        return emptyFrame_;
    }
    const TQueuedPicture& shown = is->shown;
    // Nothing is on screen before the first picture: a black stand-in would be saved as if the
    // user had seen it.
    if (!shown.Overlay) {
        emptyFrame_ = TFFPicture{};
        return emptyFrame_;
    }
    APTS = std::llround(shown.Pts * 1000000.0) - is->StartTime;
    bool converted;
    if (const AVFrame* whole = shown.Whole; whole && whole->data[0]) {
        // The overlay holds less than the picture: the snapshot is the picture kept beside it,
        // turned over as the screen shows it.
        converted = PictureToBitmap(rgbContext_, whole->data, whole->linesize,
                                    static_cast<AVPixelFormat>(whole->format), whole->width, whole->height,
                                    FrameColours(whole));
        if (converted && verticalFlip_) {
            TFFPicture& bitmap = *rgbContext_.Bitmap;
            const std::size_t row = static_cast<std::size_t>(bitmap.Width) * 4;
            for (int top = 0, bottom = bitmap.Height - 1; top < bottom; ++top, --bottom)
                std::swap_ranges(bitmap.Pixels.begin() + static_cast<std::ptrdiff_t>(top * row),
                                 bitmap.Pixels.begin() + static_cast<std::ptrdiff_t>((top + 1) * row),
                                 bitmap.Pixels.begin() + static_cast<std::ptrdiff_t>(bottom * row));
        }
    } else {
        SDL_Overlay* overlay = shown.Overlay;
        ff::SDL_LockYUVOverlay(overlay);
        const std::uint8_t* const data[4] = {overlay->pixels[0], overlay->pixels[2], overlay->pixels[1], nullptr};
        const int linesize[4] = {overlay->pitches[0], overlay->pitches[2], overlay->pitches[1], 0};
        converted = PictureToBitmap(rgbContext_, data, linesize, AV_PIX_FMT_YUV420P, shown.Width, shown.Height,
                                    TYUVColours{AVCOL_SPC_BT470BG, shown.FullRange});
        ff::SDL_UnlockYUVOverlay(overlay);
    }
    if (!converted || !rgbContext_.Bitmap) {
        emptyFrame_ = TFFPicture{};
        return emptyFrame_;
    }
    return *rgbContext_.Bitmap;
}

bool TCustomPlayer::PlayedOut(TVideoState* is)
{
    if (!is->HasPictures())
        return is->audio_drained != 0;
    std::lock_guard<std::mutex> lock(is->pictq_mutex);
    return is->video_drained != 0 && is->pictq_size == 0;
}

void TCustomPlayer::UpdatePosition(TVideoState* is)
{
    if (!is || is->IsImage2)
        return;
    std::int64_t pos;
    if (is->HasPictures()) {
        pos = std::llround(GetVideoClock(is) * 1000000.0) - is->StartTime;
    } else if (is->audio_st) {
        pos = std::llround(GetAudioClock(is) * 1000000.0) - is->StartTime;
        const std::int64_t audioDuration = is->AudioDuration;
        if (audioDuration > 0 && pos >= audioDuration && is->Duration > pos)
            pos = is->Duration;
    } else {
        return;
    }
    // The end is reported once each time the media has played out; a seek re-arms it. The
    // position reported with it is the end, where it stays: the clocks run on from the last
    // picture or sound, which may have come a little before it.
    const bool ended = !is->IsDevice && is->EventEOF == 0 && is->ReachEOF == 1 && PlayedOut(is);
    if ((ended || is->EventEOF != 0) && is->Duration > 0)
        pos = is->Duration;
    currentPTS_ = pos;
    if (is->Duration > 0 && pos >= is->Duration) {
        pos = is->Duration;
        if (pos != lastPTS_)
            lastPTS_ = 0;
    }
    const std::int64_t last = lastPTS_;
    if (last == kNoPTS || std::llabs(pos - last) > 10000) {
        lastPTS_ = pos;
        if (OnPosition && !eventsDetached_)
            playEvent_.Push(TPlayEventItem{pekPosition, pos});
    }
    if (ended) {
        is->EventEOF = 1;
        ChangeState(psEnd);
    }
    const std::int64_t playTime = playTime_;
    if (playTime != kNoPTS) {
        const std::int64_t startTime = start_time_;
        const std::int64_t end = startTime != kNoPTS ? playTime + startTime : playTime;
        if (pos >= end) {
            switch (repeatType_.load()) {
            case rtStop:
                Stop(false);
                break;
            case rtLoop:
                if (startTime != kNoPTS)
                    Seek(startTime, TSeekFlags{}, false);
                else
                    Seek(std::int64_t{0}, TSeekFlags{sfAny}, false);
                break;
            case rtNone:
                break;
            }
        }
    }
}

void TCustomPlayer::CallHook(std::uint8_t* const planes[3], const int linesize[3], int width, int height,
                             bool fullRange, double pts)
{
    auto is = CurrentState();
    const std::int64_t time = std::llround(pts * 1000000.0) - (is ? is->StartTime : 0);
    const std::uint8_t* const src[4] = {planes[0], planes[1], planes[2], nullptr};
    const int srcLinesize[4] = {linesize[0], linesize[1], linesize[2], 0};
    const TYUVColours colours{AVCOL_SPC_BT470BG, fullRange};
    if (!PictureToBitmap(hookContext_, src, srcLinesize, AV_PIX_FMT_YUV420P, width, height, colours) ||
        !hookContext_.Bitmap) {
        PostLog(llError, "Cannot initialize the toRGB conversion context");
        return;
    }
    TFFPicture& bitmap = *hookContext_.Bitmap;
    try {
        OnHook(this, bitmap, time);
    } catch (const std::exception& e) {
        PostLog(llError, std::string("Error occurs OnHook: ") + e.what());
        return;
    }
    std::uint8_t* const dst[4] = {planes[0], planes[1], planes[2], nullptr};
    const int dstLinesize[4] = {linesize[0], linesize[1], linesize[2], 0};
    if (!BitmapToPicture(hookContext_, dst, dstLinesize, AV_PIX_FMT_YUV420P, width, height, colours))
        PostLog(llError, "Cannot initialize the fromRGB conversion context");
}

std::string TCustomPlayer::GetFormat() const
{
    return file_iformat_ ? file_iformat_->name : "";
}

void TCustomPlayer::SetFormat(const std::string& value)
{
    if (!AVLibLoaded()) {
        ReportError("libav or libsdl not loaded.", true);
        return;
    }
    if (value.empty()) {
        file_iformat_ = nullptr;
        return;
    }
    const AVInputFormat* format = ff::av_find_input_format(value.c_str());
    if (!format)
        throw Exception("Unknown input format: " + value);
    file_iformat_ = format;
}

int TCustomPlayer::GetVideoStreamIndex() const
{
    auto is = CurrentState();
    return is ? is->video_stream.load() : -1;
}

void TCustomPlayer::SetVideoStreamIndex(int value)
{
    SelectStream(AVMEDIA_TYPE_VIDEO, value);
}

int TCustomPlayer::GetAudioStreamIndex() const
{
    auto is = CurrentState();
    return is ? is->audio_stream.load() : -1;
}

void TCustomPlayer::SetAudioStreamIndex(int value)
{
    SelectStream(AVMEDIA_TYPE_AUDIO, value);
}

int TCustomPlayer::GetSubtitleStreamIndex() const
{
    auto is = CurrentState();
    return is ? is->subtitle_stream.load() : -1;
}

void TCustomPlayer::SetSubtitleStreamIndex(int value)
{
    SelectStream(AVMEDIA_TYPE_SUBTITLE, value);
}

void TCustomPlayer::SetAspectRatio(float value)
{
    if (aspectRatio_.exchange(value) == value)
        return;
    if (auto is = CurrentState())
        PostUserEvent(FF_REDISPLAY_EVENT, is.get());
}

void TCustomPlayer::SetShowAudio(TShowAudio value)
{
    showAudio_ = value;
    auto is = CurrentState();
    if (is && is->audio_st && !display_disable_)
        is->show_audio = value;
}

void TCustomPlayer::HostResized(int width, int height)
{
    if (!CurrentState())
        return;
    SDL_Event event{};
    event.type = SDL_VIDEORESIZE;
    event.resize.w = width;
    event.resize.h = height;
    ff::SDL_PushEvent(&event);
}

void TCustomPlayer::HostExposed()
{
    if (!CurrentState())
        return;
    SDL_Event event{};
    event.type = SDL_VIDEOEXPOSE;
    ff::SDL_PushEvent(&event);
}
