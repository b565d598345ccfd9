#pragma once
// The state of the file a player has open: the input, its streams and decoders, the packet,
// picture and subtitle queues, the clocks and the flags the player's threads exchange. Flags
// and clocks that several threads touch are atomic; the queues have their own locks.

#include "engine/FFPlayDisplay.h"
#include "engine/FFPlayPacketQueue.h"
#include "engine/FFPlayTypes.h"
#include "engine/FFmpegEntries.h"
#include "engine/RGBConvert.h"
#include "platform/kernel/Clock.h"
#include "platform/kernel/Thread.h"

#include <atomic>
#include <limits>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

// Keeps the sound library SDL probes from writing its failures to standard error (once per
// process).
void QuietSoundLibrary();

// The player's wall clock: the clock in force, so that playback time can be driven.
inline std::int64_t PlayerMicroseconds()
{
    return static_cast<std::int64_t>(GetTickCount64()) * 1000;
}
inline double PlayerSeconds()
{
    return static_cast<double>(PlayerMicroseconds()) / 1000000.0;
}

// The player's own SDL user events.
enum : int {
    FF_ALLOC_EVENT = 24,      // allocate the overlay the picture thread waits for
    FF_REFRESH_EVENT = 25,    // show what is due
    FF_QUIT_EVENT = 26,       // end the playback
    FF_REDISPLAY_EVENT = 27,  // open the surface again and draw
};

// One picture of the picture queue, copied into an overlay of the SDL surface.
struct TQueuedPicture {
    double Pts = 0;          // presentation time, seconds
    double TargetClock = 0;  // wall-clock time (seconds) at which it is due
    std::int64_t Pos = -1;   // byte position of its packet
    SDL_Overlay* Overlay = nullptr;
    int Width = 0;  // overlay size
    int Height = 0;
    AVRational SampleAspect{0, 1};
    // The picture at its own size, kept for snapshots when the overlay holds less of it (a picture
    // scaled down for the screen, or one of an odd width or height); empty otherwise.
    AVFrame* Whole = nullptr;
    // The overlay holds full-range YUV (what SDL's own conversion to RGB expects) rather than
    // video's limited range (what overlays of the display hardware expect).
    bool FullRange = false;
    // Queued before a seek's flush: dropped instead of shown.
    bool Stale = false;
};

// One decoded subtitle of the subtitle queue.
struct TQueuedSubtitle {
    double Pts = 0;  // seconds; 0 when its packet had no time
    AVSubtitle Sub{};
};

struct TVideoState {
    static constexpr int PictureQueueSize = 2;
    static constexpr int SubtitleQueueSize = 4;
    static constexpr int SampleArraySize = 0x20000;

    TCustomPlayer* Owner = nullptr;
    std::string filename;
    const AVInputFormat* iformat = nullptr;

    Thread parse_tid, video_tid, refresh_tid, subtitle_tid, audio_tid;

    std::atomic<int> abort_request{0};
    std::atomic<int> paused{0};
    int last_paused = 0;
    std::atomic<int> seek_req{0};
    int seek_flags = 0;
    std::int64_t seek_pos = 0;
    std::int64_t seek_rel = 0;
    std::atomic<int> read_pause_return{0};

    AVFormatContext* ic = nullptr;
    // Held by the read loop while it hands packets to the queues and by stream switches, so a
    // queue is never put to while its component closes or opens.
    std::mutex stream_mutex;

    Tav_sync_type av_sync_type = AV_SYNC_AUDIO_MASTER;
    double external_clock = 0;
    std::int64_t external_clock_time = 0;

    // Audio.
    std::atomic<int> audio_stream{-1};
    std::atomic<AVStream*> audio_st{nullptr};
    AVCodecContext* audio_ctx = nullptr;
    TPacketQueue audioq;
    // The time at the end of the sound decoded so far (the audio thread's).
    std::atomic<double> audio_clock{0};
    // The sound's clock keeps the wall clock's pace from the last time sound was handed to the
    // device: the time of the sound starting to play then, less that moment (seconds). So it
    // runs on between hand-overs and once no sound comes: played out, missing or stalled.
    std::atomic<double> audio_clock_drift{0};
    // The sound's clock while paused.
    std::atomic<double> audio_clock_paused{0};
    // What the audio buffer holds is silence handed out for want of sound.
    bool audio_buf_silent = false;
    double audio_diff_cum = 0;
    double audio_diff_avg_coef = 0;
    double audio_diff_threshold = 0;
    int audio_diff_avg_count = 0;
    int audio_hw_buf_size = 0;
    // No audio device could be opened: audio_tid takes the sound at the pace a device would.
    bool audio_clocked = false;
    // The device's sample format, channel count, rate, bytes per sample frame and silence byte.
    AVSampleFormat audio_tgt_fmt = AV_SAMPLE_FMT_S16;
    int audio_tgt_channels = 0;
    int audio_tgt_freq = 0;
    int audio_tgt_frame_size = 0;
    std::uint8_t audio_silence = 0;
    // Decoded audio in the device format, handed to SDL from audio_buf_index on.
    std::vector<std::uint8_t> audio_buf;
    std::atomic<int> audio_buf_size{0};
    std::atomic<int> audio_buf_index{0};
    AVPacket* audio_pkt = nullptr;
    AVFrame* audio_frame = nullptr;
    SwrContext* swr_ctx = nullptr;
    AVSampleFormat swr_src_fmt = AV_SAMPLE_FMT_NONE;
    AVChannelLayout swr_src_layout{};
    int swr_src_freq = 0;
    bool audio_need_packet = true;

    // Audio display.
    std::atomic<int> show_audio{0};
    std::mutex sample_mutex;  // guards sample_array and sample_array_index
    std::vector<std::int16_t> sample_array = std::vector<std::int16_t>(SampleArraySize);
    int sample_array_index = 0;
    int last_i_start = 0;
    RDFTContext* rdft = nullptr;
    int rdft_bits = 0;
    FFTSample* rdft_data = nullptr;  // from the library's allocator: the transform wants its alignment
    int xpos = 0;

    // Subtitles.
    std::atomic<int> subtitle_stream{-1};
    std::atomic<AVStream*> subtitle_st{nullptr};
    AVCodecContext* subtitle_ctx = nullptr;
    TPacketQueue subtitleq;
    int subtitle_stream_changed = 0;
    TQueuedSubtitle subpq[SubtitleQueueSize];
    int subpq_size = 0, subpq_rindex = 0, subpq_windex = 0;
    std::mutex subpq_mutex;
    std::condition_variable subpq_cond;

    // Picture timing.
    std::atomic<double> frame_timer{0};
    double frame_last_pts = 0;
    double frame_last_delay = 0;
    std::atomic<double> video_clock{0};

    // Video.
    std::atomic<int> video_stream{-1};
    std::atomic<AVStream*> video_st{nullptr};
    AVCodecContext* video_ctx = nullptr;
    TPacketQueue videoq;
    std::atomic<double> video_current_pts{0};
    std::atomic<double> video_current_pts_drift{0};
    std::atomic<std::int64_t> video_current_pos{-1};
    // The picture on screen: a picture that is shown moves here, so a redraw and a frame
    // capture always see what is on screen, whatever the decoder queues meanwhile.
    TQueuedPicture shown;
    TQueuedPicture pictq[PictureQueueSize];
    int pictq_size = 0, pictq_rindex = 0, pictq_windex = 0;
    std::mutex pictq_mutex;
    std::condition_variable pictq_cond;
    // Size and format of the overlay the picture thread asks TPlayThread to allocate.
    int alloc_width = 0, alloc_height = 0;
    int allocated = 0;
    // The size of the last picture whose overlay could not be made (picture thread).
    int refused_width = 0, refused_height = 0;
    // The picture thread's conversion of a picture's range to its overlay's.
    TColourScaler colour_scaler;
    // Pictures larger than this (the screen's size; 0: no bound) are scaled down to it, keeping
    // their shape: nothing larger can be shown, and the queue holds pictures as they are shown.
    int max_picture_width = 0, max_picture_height = 0;
    // Pictures of this size are many times what the screen can show.
    bool FarBeyondScreen(int width, int height) const
    {
        return max_picture_width > 0 && max_picture_height > 0 &&
               (width > 4 * max_picture_width || height > 4 * max_picture_height);
    }
    // Each key packet of the pictures is decoded by a decoder of its own (see OpenStreamComponent).
    bool decoder_per_picture = false;
    // What the picture thread's filter graph was made for.
    int graph_width = 0, graph_height = 0, graph_format = -1;
    // The graph's second output, beside the pictures for the screen: the same pictures at their
    // own size (up to a bound kept for hostile files); nullptr when the graph has only the one.
    AVFilterContext* whole_sink = nullptr;
    // The size of the filtered pictures; 0 until the filter graph runs.
    std::atomic<int> out_width{0}, out_height{0};
    // Set when the picture path cannot run (the filter graph cannot be built): the file plays
    // as if it had no pictures.
    std::atomic<int> video_broken{0};

    // Drawing area.
    std::atomic<int> width{0}, height{0};
    int xleft = 0, ytop = 0;
    int no_background = 1;
    // Where the last picture went in the area.
    TDisplayRect last_rect;

    std::atomic<double> skip_frames{1.0};
    double skip_frames_index = 0;
    std::atomic<int> refresh{0};

    std::atomic<int> Opened{0};
    // The file's start time, duration (-1 unknown) and bit rate (0 unknown), microseconds and bits
    // per second, as the input gave them at its opening.
    std::int64_t StartTime = 0;
    std::int64_t Duration = -1;
    std::int64_t BitRate = 0;
    // Where in its bytes the input was read to.
    std::atomic<std::int64_t> read_byte_pos{0};
    std::atomic<std::int64_t> AudioDuration{-1};
    int IsImage2 = 0;
    int IsDevice = 0;
    int ErrorEOF = 0;
    std::atomic<int> EventEOF{0};
    std::atomic<int> ReachEOF{0};
    std::atomic<int> Reading{0};
    std::atomic<int> open_paused{0};
    // A file opened paused stands on its first picture: the pictures queued behind it wait for
    // the file to play, step or seek.
    std::atomic<int> hold_first{0};
    std::atomic<int> seek_paused{0};
    std::atomic<int> seek_done{0};
    std::atomic<int> seek_flushed{0};
    // The media has played out, so the end can be reported: the picture decoder has given up its
    // last picture (the end packet; a flush clears it), the sound decoder had nothing more.
    std::atomic<int> video_drained{0};
    std::atomic<int> audio_drained{0};
    // Where a seek takes the sound (seconds): the sound's clock until its first packet after the
    // seek is taken; NaN when none is pending.
    std::atomic<double> audio_seek_clock{std::numeric_limits<double>::quiet_NaN()};

    TVideoState() = default;
    ~TVideoState();
    TVideoState(const TVideoState&) = delete;
    TVideoState& operator=(const TVideoState&) = delete;

    // The file's picture path runs: it has a video stream whose pictures can be shown.
    bool HasPictures() const { return video_st != nullptr && video_broken.load() == 0; }
};
