#pragma once
// The player component: plays one media file at a time into a host window through SDL 1.2
// (pictures as a YUV overlay, sound through SDL audio), with pause, resume, single steps,
// seeking, stream choice, mute and volume, and a copy of the picture on screen.
//
// Threads of one playback: the caller (normally the GUI thread); TPlayThread, which runs SDL's
// event loop and does every SDL video call; the event-delivery thread, which raises OnPosition
// and OnState (on the GUI thread by default); the read, refresh, picture and subtitle threads of
// the open file; SDL's audio thread. SDL is process-wide, so one player at a time has a file open.

#include "engine/AVProbe.h"
#include "engine/FFBaseComponent.h"
#include "engine/FFPlayEventRing.h"
#include "engine/FFPlayHandler.h"
#include "engine/FFPlayTypes.h"
#include "platform/kernel/PlayerHost.h"
#include "engine/RGBConvert.h"
#include "platform/kernel/Sync.h"
#include "platform/kernel/Thread.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>

struct AVCodecContext;
struct AVFilterContext;
struct AVFilterGraph;
struct AVFrame;
struct AVInputFormat;
struct AVPacket;
struct AVStream;
struct SDL_Surface;
struct TQueuedPicture;
struct TVideoState;

class TCustomPlayer : public TFFBaseComponent, private TPlayerHostListener {
public:
    TCustomPlayer();
    ~TCustomPlayer() override;

    // True when every library of the player's set (the converter's set and SDL) is bound.
    bool AVLibLoaded() const;
    // Loads the player's set from APath; on failure LastErrMsg says why.
    bool LoadAVLib(const std::string& APath);
    void UnloadAVLib();

    // Stops any playback and opens AFileName into the host window (none: SDL's own window);
    // with APaused the file stops on its first pictures. True when playback started.
    bool Open(const std::string& AFileName, TPlayerHost* AScreenHandle, bool APaused);
    // Ends the playback; with AWaitForStop it returns after the player's threads ended and SDL
    // was shut down. Not to be called with waiting from the player's own event handlers.
    void Stop(bool AWaitForStop);
    void Pause();
    void Resume();
    void TogglePause();
    void StepToNextFrame();
    void ToggleAudioDisplay();
    // Absolute seek: APTS in microseconds from the start of the file (a byte position with
    // sfByte); a target beyond the known duration goes to the duration.
    void Seek(std::int64_t APTS, TSeekFlags ASeekFlags, bool AWaitForSeekEnd);
    // Relative seek by ADelta seconds (or the equivalent bytes with sfByte).
    void Seek(double ADelta, TSeekFlags ASeekFlags, bool AWaitForSeekEnd);
    // The picture on screen and its time (microseconds from the start; -1 without a picture
    // stream). Owned by the player, valid until the next call; 0 x 0 without a picture on screen
    // (no file, no picture stream, or before the first picture is shown). The picture has its
    // own size, upright, whatever the screen's: only one of more than 8192 pixels on a side may
    // be scaled down.
    const TFFPicture& CurrentFrame();
    const TFFPicture& CurrentFrame(std::int64_t& APTS);
    // X11 child windows follow their parent by themselves; resizes arrive through the host's
    // listener. Kept for callers written against window systems that need the nudge.
    void UpdateScreenPosition() {}

    // The player's probe: while a file is open it describes that file (the playing file's own
    // context, which the probe does not own), afterwards no file. Read it on the GUI thread, for
    // information only (FileInfoText, stream information): its decoding calls would take packets
    // from the playback.
    TAVProbe* AVProbe() const { return avProbe_.get(); }
    std::string GetFileName() const;
    std::string GetLastErrMsg() const;
    TPlayerHost* GetScreenHandle() const { return screenHandle_; }
    std::int64_t GetCurrentPTS() const { return currentPTS_.load(); }
    TPlayState GetPlayState() const { return state_.load(); }
    bool GetSeeking() const { return seeking_.load(); }
    bool GetPaused() const;
    static std::string GetVersion() { return "2.3"; }

    // Forced input format by short name; an unknown name raises Exception.
    std::string GetFormat() const;
    void SetFormat(const std::string& value);

    // Index in the file of the current stream, -1 when none; writing switches streams.
    int GetVideoStreamIndex() const;
    void SetVideoStreamIndex(int value);
    int GetAudioStreamIndex() const;
    void SetAudioStreamIndex(int value);
    int GetSubtitleStreamIndex() const;
    void SetSubtitleStreamIndex(int value);

    // Positive: forced display aspect ratio; 0: the picture's own; negative: fill the area.
    float GetAspectRatio() const { return aspectRatio_.load(); }
    void SetAspectRatio(float value);
    TShowAudio GetShowAudio() const { return showAudio_; }
    void SetShowAudio(TShowAudio value);
    // Take effect at the next audio callback.
    TAudioVolume GetAudioVolume() const { return audioVolume_.load(); }
    void SetAudioVolume(TAudioVolume value) { audioVolume_ = value < 0 ? 0 : value > 128 ? 128 : value; }
    bool GetMute() const { return mute_.load(); }
    void SetMute(bool value) { mute_ = value; }
    // Take effect at the next picture.
    bool GetHook() const { return hook_.load(); }
    void SetHook(bool value) { hook_ = value; }
    bool GetVerticalFlip() const { return verticalFlip_.load(); }
    void SetVerticalFlip(bool value) { verticalFlip_ = value; }

    // Per playback (reset when a playback ends); take effect at the next Open.
    std::int64_t GetPlayTime() const { return playTime_.load(); }
    void SetPlayTime(std::int64_t value) { playTime_ = value; }
    TRepeatType GetRepeatType() const { return repeatType_.load(); }
    void SetRepeatType(TRepeatType value) { repeatType_ = value; }
    std::int64_t Getstart_time() const { return start_time_; }
    void Setstart_time(std::int64_t value) { start_time_ = value; }
    int Getwanted_video_stream() const { return wanted_stream_[1 + 0]; }
    void Setwanted_video_stream(int value) { wanted_stream_[1 + 0] = value; }
    int Getwanted_audio_stream() const { return wanted_stream_[1 + 1]; }
    void Setwanted_audio_stream(int value) { wanted_stream_[1 + 1] = value; }
    int Getwanted_subtitle_stream() const { return wanted_stream_[1 + 3]; }
    void Setwanted_subtitle_stream(int value) { wanted_stream_[1 + 3] = value; }
    int Getseek_by_bytes() const { return seek_by_bytes_; }
    void Setseek_by_bytes(int value) { seek_by_bytes_ = value; }

    // Take effect at the next Open.
    std::string GetVideoFilters() const { return vfilters_; }
    void SetVideoFilters(const std::string& value) { vfilters_ = value; }
    bool GetDisableAudio() const { return audio_disable_; }
    void SetDisableAudio(bool value) { audio_disable_ = value; }
    bool GetDisableVideo() const { return video_disable_; }
    void SetDisableVideo(bool value) { video_disable_ = value; }
    bool GetDisableDisplay() const { return display_disable_; }
    void SetDisableDisplay(bool value) { display_disable_ = value; }
    int GetScreenWidth() const { return screen_width_.load(); }
    void SetScreenWidth(int value) { screen_width_ = value; }
    int GetScreenHeight() const { return screen_height_.load(); }
    void SetScreenHeight(int value) { screen_height_ = value; }
    int GetFrameWidth() const { return frame_width_; }
    void SetFrameWidth(int value) { frame_width_ = value; }
    int GetFrameHeight() const { return frame_height_; }
    void SetFrameHeight(int value) { frame_height_ = value; }
    bool GetFullScreen() const { return is_full_screen_; }
    void SetFullScreen(bool value) { is_full_screen_ = value; }
    bool Getis_full_screen() const { return is_full_screen_; }
    void Setis_full_screen(bool value) { is_full_screen_ = value; }
    TAudioDriver GetAudioDriver() const { return audioDriver_; }
    void SetAudioDriver(TAudioDriver value) { audioDriver_ = value; }
    TVideoDriver GetVideoDriver() const { return videoDriver_; }
    void SetVideoDriver(TVideoDriver value) { videoDriver_ = value; }
    Tav_sync_type Getav_sync_type() const { return av_sync_type_; }
    void Setav_sync_type(Tav_sync_type value) { av_sync_type_ = value; }

    // Decoder options, applied when a stream opens.
    int Getworkaround_bugs() const { return workaround_bugs_; }
    void Setworkaround_bugs(int value) { workaround_bugs_ = value; }
    int Getdebug_mv() const { return debug_mv_; }
    void Setdebug_mv(int value) { debug_mv_ = value; }
    bool Getfast() const { return fast_; }
    void Setfast(bool value) { fast_ = value; }
    bool Getgenpts() const { return genpts_; }
    void Setgenpts(bool value) { genpts_ = value; }
    // Picture time: 1 the decoder's reordered time, 0 the packet's decoding time, -1 automatic.
    int Getdecoder_reorder_pts() const { return decoder_reorder_pts_; }
    void Setdecoder_reorder_pts(int value) { decoder_reorder_pts_ = value; }
    int Getlowres() const { return lowres_; }
    void Setlowres(int value) { lowres_ = value; }
    int Getidct_algo() const { return idct_algo_; }
    void Setidct_algo(int value) { idct_algo_ = value; }
    int Geterror_recognition() const { return error_recognition_; }
    void Seterror_recognition(int value) { error_recognition_ = value; }
    int Geterror_concealment() const { return error_concealment_; }
    void Seterror_concealment(int value) { error_concealment_ = value; }
    // Take effect at the next refresh.
    int Getframedrop() const { return framedrop_.load(); }
    void Setframedrop(int value) { framedrop_ = value; }
    int Getrdftspeed() const { return rdftspeed_.load(); }
    void Setrdftspeed(int value) { rdftspeed_ = value; }

    bool GetTriggerEventInMainThread() const { return triggerEventInMainThread_.load(); }
    void SetTriggerEventInMainThread(bool value) { triggerEventInMainThread_ = value; }
    std::string GetAbout() const { return about_; }
    void SetAbout(const std::string& value) { about_ = value; }

    // Handlers are set on the GUI thread, also while a file plays: once an assignment returns,
    // the replaced handler is not running and is never called again.
    TPlayerHandler<TFileOpenEvent> OnFileOpen;
    TPlayerHandler<TPositionEvent> OnPosition;
    TPlayerHandler<TPlayStateEvent> OnState;
    // Raised on the picture thread for every picture while Hook is set.
    TPlayerHandler<THookEvent> OnHook;

protected:
    // Points of a playback that Reached is told of, with the state concerned: a seam for tests,
    // which may hold the thread there.
    enum class TPlayPoint {
        Reporting,  // on the thread that changes the state: it is kept and reported next
        Ended,      // on TPlayThread: the playback ended and its psStop is queued
        Refreshed,  // on TPlayThread: what was due on screen and as position was shown and reported
    };
    // Does nothing by default.
    virtual void Reached(TPlayPoint, TPlayState) {}

private:
    // Component level.
    void InitDefaults();
    void ResetPlayState();
    void ReportError(const std::string& message, bool store);
    void PostLog(int level, const std::string& message);
    void ChangeState(TPlayState state);
    void CallFileOpen();
    void UpdatePosition(TVideoState* is);
    // The input is at its end and what was decoded of it has been shown or played.
    static bool PlayedOut(TVideoState* is);
    void CallHook(std::uint8_t* const planes[3], const int linesize[3], int width, int height, bool fullRange,
                  double pts);
    bool InitSDLWindow(TPlayerHost* host);
    void QuitSDL();
    void WaitForStop();
    // Runs body on the thread; an exception ends it with a log line instead of escaping.
    void StartThread(Thread& thread, const char* name, std::function<void()> body);
    void EventThreadExecute();
    void PlayThreadExecute();
    std::shared_ptr<TVideoState> CurrentState() const;
    bool InDelivery() const;
    void HostResized(int width, int height) override;
    void HostExposed() override;

    // The open file (read loop, streams, seeking).
    bool OpenVideoState(const std::string& fileName, bool paused);
    void CloseVideoState(TVideoState* is);
    void ShutdownPlayback();
    void ReadLoop(TVideoState* is);
    bool OpenInput(TVideoState* is);
    void ReadPackets(TVideoState* is);
    void PerformSeek(TVideoState* is, bool& eof);
    int OpenStreamComponent(TVideoState* is, int streamIndex);
    // A decoder for the stream with the player's decoder options; nullptr when it cannot open.
    AVCodecContext* OpenDecoder(const AVStream* st);
    void CloseDecoder(AVCodecContext*& avctx);
    int OpenAudioDevice(TVideoState* is, AVCodecContext* avctx);
    void CloseStreamComponent(TVideoState* is, int streamIndex);
    bool SelectStream(int mediaType, int streamIndex);
    void RequestSeek(TVideoState* is, int flags, bool wait, std::int64_t target, std::int64_t rel);
    void WaitEventServing(TVideoState* is, Event& event);
    static bool PostUserEvent(int type, TVideoState* is);

    // Output and synchronisation.
    void PlayerEventLoop();
    void RefreshTimerLoop(TVideoState* is);
    double GetAudioClock(TVideoState* is) const;
    double GetVideoClock(TVideoState* is) const;
    double GetExternalClock(TVideoState* is) const;
    double GetMasterClock(TVideoState* is) const;
    void TogglePausedState(TVideoState* is);
    double ComputeTargetTime(TVideoState* is, double pts);
    void RefreshVideo(TVideoState* is, bool advance);
    void UpdateSubtitles(TVideoState* is);
    void DisplayVideo(TVideoState* is);
    int OpenVideoSurface(TVideoState* is, bool force);
    void DisplayPicture(TVideoState* is);
    void DisplayAudio(TVideoState* is);
    void ConsumePicture(TVideoState* is);

    // Audio.
    static void AudioCallback(void* opaque, std::uint8_t* stream, int len);
    // Stands in for SDL's audio thread when no device could be opened.
    void ClockedAudioLoop(TVideoState* is);
    void FillAudio(TVideoState* is, std::uint8_t* stream, int len);
    int DecodeAudioFrame(TVideoState* is);
    int ResampleAudio(TVideoState* is, AVFrame* frame);
    int SynchronizeAudio(TVideoState* is, int size);
    void UpdateSampleDisplay(TVideoState* is, const std::uint8_t* samples, int size);

    // Pictures and subtitles.
    void VideoDecodeLoop(TVideoState* is);
    int ConfigureVideoFilters(TVideoState* is, AVFilterGraph*& graph, AVFilterContext*& src,
                              AVFilterContext*& sink, const AVFrame* frame);
    int HandleDecodedPicture(TVideoState* is, AVFrame* decoded, AVFilterGraph*& graph, AVFilterContext*& src,
                             AVFilterContext*& sink, AVFrame* filtered);
    // whole: the picture at its own size when the graph gives it apart from the screen's (else
    // nullptr).
    int OutputFilteredPicture(TVideoState* is, AVFrame* frame, const AVFrame* whole, AVFilterContext* sink);
    int QueuePicture(TVideoState* is, AVFrame* frame, const AVFrame* whole, double pts, std::int64_t pos);
    void FlushPictures(TVideoState* is);
    void WaitWhilePaused(TVideoState* is);
    void DrainVideoQueue(TVideoState* is);
    void AllocPicture(TVideoState* is);
    void SubtitleDecodeLoop(TVideoState* is);

    // Settings.
    int sws_flags_ = 4;
    const AVInputFormat* file_iformat_ = nullptr;
    std::atomic<int> fs_screen_width_{0}, fs_screen_height_{0};
    std::atomic<int> screen_width_{0}, screen_height_{0};
    int frame_width_ = 0, frame_height_ = 0;
    int frame_pix_fmt_ = -1;
    bool audio_disable_ = false, video_disable_ = false, display_disable_ = false;
    std::atomic<int> wanted_stream_[7] = {-1, -1, -1, -1, -1, -1, -1};  // by media type -1 to 5
    std::atomic<int> seek_by_bytes_{-1};
    Tav_sync_type av_sync_type_ = AV_SYNC_AUDIO_MASTER;
    std::atomic<std::int64_t> start_time_{kNoPTS};
    int debug_ = 0, debug_mv_ = 0;
    std::atomic<bool> step_{false};
    int workaround_bugs_ = 1;
    bool fast_ = false, genpts_ = false;
    int lowres_ = 0, idct_algo_ = 0;
    int skip_frame_ = 0, skip_idct_ = 0, skip_loop_filter_ = 0;
    int error_recognition_ = 1, error_concealment_ = 3;
    int decoder_reorder_pts_ = -1;
    std::atomic<int> framedrop_{1};
    std::atomic<int> rdftspeed_{20};
    std::string vfilters_;
    bool is_full_screen_ = false;
    std::atomic<float> aspectRatio_{0.0f};
    std::atomic<TAudioVolume> audioVolume_{128};
    TShowAudio showAudio_ = saWave;
    std::atomic<bool> mute_{false};
    std::atomic<std::int64_t> playTime_{kNoPTS};
    std::atomic<TRepeatType> repeatType_{rtStop};
    std::atomic<bool> verticalFlip_{false};
    TAudioDriver audioDriver_ = adDefault;
    TVideoDriver videoDriver_ = vdDefault;
    std::atomic<bool> hook_{false};
    std::atomic<bool> triggerEventInMainThread_{true};
    std::string about_;

    // Playback.
    std::shared_ptr<TVideoState> videoState_;  // guarded by stateMutex_
    mutable std::mutex stateMutex_;
    // Held by TPlayThread while it handles an SDL event, and by the callers that touch what
    // those events change (the picture on screen, the streams, a forced shutdown).
    std::mutex dataLock_;
    std::atomic<std::int64_t> audio_callback_time_{0};
    SDL_Surface* screen_ = nullptr;
    mutable std::mutex errMutex_;
    std::string lastErrMsg_;
    std::string fileName_;
    std::atomic<std::int64_t> lastPTS_{kNoPTS};
    std::atomic<std::int64_t> currentPTS_{-1};
    TPlayerHost* screenHandle_ = nullptr;
    Event seekEvent_{true, true};
    Event pictEvent_{true, true};
    Event stopEvent_{true, true};
    Event eventThreadEnded_{true, true};
    TPlayEventRing playEvent_;
    // Orders the state changes of a playback against its last one.
    std::mutex changeMutex_;
    // Orders seek requests against the closing of the file.
    std::mutex seekMutex_;
    std::atomic<bool> seeking_{false};
    std::atomic<TPlayState> state_{psStop};
    std::atomic<int> deliveryDepth_{0};
    // Orders a resume against the pause report of a file opened paused.
    std::mutex openPausedMutex_;
    bool sdlStarted_ = false;
    int screen_bpp_ = 0;
    Thread playThread_;
    Thread eventThread_;

    // Frame capture (GUI thread) and the hook (picture thread).
    std::mutex frameMutex_;
    TRGBConvertContext rgbContext_;
    TFFPicture emptyFrame_;
    TRGBConvertContext hookContext_;
    std::atomic<bool> eventsDetached_{false};
    std::unique_ptr<TAVProbe> avProbe_ = std::make_unique<TAVProbe>();
};

// The published player.
class TFFPlayer : public TCustomPlayer {
public:
    TFFPlayer() = default;
};
