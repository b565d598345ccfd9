#pragma once
// The converter: one object holds the whole option state of one conversion, its input and
// output files, and runs the conversion once, inline in the caller's thread or on a worker
// thread of its own, reporting its end exactly once.
//
// Options are pending settings: they describe the next input, output or stream that is opened,
// which consumes them. They are set on the thread that builds the task, before the run starts.

#include "engine/FFOptions.h"
#include "engine/FFmpegRun.h"
#include "engine/FrameHook.h"
#include "engine/OutputFiles.h"
#include "engine/PostHooks.h"
#include "engine/UprightPicture.h"
#include "platform/kernel/Exceptions.h"
#include "platform/kernel/Sync.h"
#include "platform/kernel/Thread.h"

#include <array>
#include <atomic>
#include <climits>
#include <cstdio>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

extern "C" {
#include <libavcodec/codec_id.h>
#include <libavutil/avutil.h>
#include <libavutil/rational.h>
}

struct AVBSFContext;
struct AVCodec;
struct AVFrame;
struct AVPacket;
struct AVSubtitle;
struct AVCodecContext;
struct AVDictionary;
struct AVStream;
struct AVFilterContext;
struct AVOutputFormat;
struct AVFilterGraph;
struct AVFormatContext;

// The converter's errors: every check of its options, of opening its files and of transcoding.
class FFmpegException : public Exception {
public:
    using Exception::Exception;
};

// Streams per file wherever a per-file stream table exists.
constexpr int MAX_STREAMS = 20;
// Words of one "vhook" value.
constexpr int MAX_HOOK_WORDS = 64;
// Capacity limits of one converter.
constexpr int MIN_FILES = 1;
constexpr int MAX_FILES = 512;

struct TAVStreamMap {
    int file_index;
    int stream_index;
    int sync_file_index;
    int sync_stream_index;
};

struct TAVMetaDataMap {
    int out_file;
    int in_file;
};

// The stream kinds of the option contexts and the per-kind pending settings.
enum TStreamKind { skVideo = 0, skAudio = 1, skData = 2, skSubtitle = 3 };

// The decoding side of one input stream, made when its input is opened: a codec context of the
// stream's own, filled from its parameters with the decoding options applied, and the decoder
// forced by name (nullptr: the library's decoder for the codec id). The run opens the context;
// the converter frees it with its files.
struct TInputCodec {
    AVStream* st = nullptr;
    AVCodecContext* codec = nullptr;
    const AVCodec* decoder = nullptr;
};

// One stream made by the output stream constructors: its codec context, configured for encoding
// (a copied stream's only holds the kind and the sample aspect ratio), the encoder the context was
// made for (named, else the library's default for the codec id; nullptr for a copy or when the
// library has none), and what the run needs beside it. The run opens the context (or copies into
// it); the converter frees it with its files.
struct TOutputCodec {
    AVStream* st = nullptr;
    AVCodecContext* codec = nullptr;
    const AVCodec* encoder = nullptr;
    bool stream_copy = false;
    // The quality of quality-based encoding (118 x qscale; lambda units), else 0.
    float quality = 0;
    // The bitstream filters of the stream, taken over from the pending chain of its kind.
    std::vector<AVBSFContext*> bitstream_filters;
};

// Name and value of an option that only an encoder's or a muxer's own context knows.
using TPrivateOption = std::pair<std::string, std::string>;

class TCustomFFmpeg;

// The worker thread of one run. Created suspended by StartConvert; Resume starts it.
class TConvertThread {
public:
    TConvertThread(TCustomFFmpeg* owner, ThreadPriority priority);
    void Resume();
    bool Started() const { return FStarted.load(); }
    void Join() { FThread.Join(); }

private:
    TCustomFFmpeg* FOwner;
    ThreadPriority FPriority;
    std::atomic<bool> FStarted{false};
    Thread FThread;
};

class TCustomFFmpeg {
public:
    using TNotifyEvent = std::function<void(TCustomFFmpeg* Sender)>;

    // AMaxFiles (1 to 512, else an assertion failure) sizes the input and output tables.
    explicit TCustomFFmpeg(int AMaxFiles);
    virtual ~TCustomFFmpeg();
    TCustomFFmpeg(const TCustomFFmpeg&) = delete;
    TCustomFFmpeg& operator=(const TCustomFFmpeg&) = delete;

    // Back to the default option state with fresh option contexts; only while the converter
    // libraries are loaded. Not while a run is in progress.
    void Reset();

    // Starts the run. Returns the suspended worker in thread mode (the caller resumes it), else
    // nullptr once the run has ended inline. A converter that runs or has ended ignores the call.
    TConvertThread* StartConvert(bool AUseThread, ThreadPriority APriority);
    // Asks the run to end; with AWaitFor returns once its end has been reported. A stopped run
    // reads and decodes nothing more; it finishes the packet in hand, takes at most one more
    // packet from each encoder, and writes its trailer.
    void Stop(bool AWaitFor);
    // Stop for a run in progress; a converter that never ran reports its end (not finished, no
    // error) from a thread of its own; an ended one does nothing.
    void Cancel(bool AWaitFor);
    // Returns once the end asked for by Stop or Cancel has been reported (at once when nothing
    // is under way); on the main thread it keeps serving the workers meanwhile.
    void WaitForEnd();
    // Once Pause returns the run writes nothing more to its outputs (no packet, header, trailer,
    // nor the opening or closing of a file) until Resume, whatever it was doing: a write under
    // way is completed before Pause returns. Only a run on a worker thread can be paused.
    void Pause();
    void Resume();

    // The conversion loop waits here between packets while the run is paused.
    void WaitWhilePaused();

    bool Converting() const { return FConverting.load(); }
    bool Terminated() const { return FTerminated.load(); }
    bool Finished() const { return FFinished.load(); }
    bool FatalException() const { return FFatalException; }
    const std::string& FatalMessage() const { return FFatalMessage; }
    // After a stopped run: the file that holds its first output when an existing file held the
    // output's name (that file was left as it was); empty otherwise.
    const std::string& KeptFileName() const { return FKeptFileName; }
    const std::string& LastErrMsg() const { return FLastErrMsg; }
    std::int64_t TotalOutputDuration() const { return FTotalOutputDuration; }
    int MaxFiles() const { return FMaxFiles; }

    // Raised once per run, when its end has been reported; Sender is this converter.
    void SetOnTerminate(TNotifyEvent handler) { FOnTerminate = std::move(handler); }

    // A progress report of the run, on its worker: the input read last (-1 in the final
    // report); frame number, frames per second and quality of the first counted video stream
    // (-1 each without one); bit rate in kbit/s; bytes written to output 0; output time reached
    // and expected total in microseconds (-1 when unknown).
    using TProgressEvent = std::function<void(TCustomFFmpeg* Sender, int AFileIndex, int AFrameNumber,
                                              int AFPS, float AQuality, float ABitRate,
                                              std::int64_t ACurrentSize, std::int64_t ACurrentDuration,
                                              std::int64_t ATotalDuration)>;
    // Every decoded picture as a bitmap the handler may paint on (written back while AUpdate
    // stays true); AStopHook ends the hooks for the rest of the run.
    using TCustomHookEvent = std::function<void(TCustomFFmpeg* Sender, TFFPicture* ABitmap, int AFrameNumber,
                                                std::int64_t APTS, bool& AUpdate, bool& AStopHook)>;
    // An encoded picture as a bitmap, at most one per PreviewInterval.
    using TPreviewBitmapEvent = std::function<void(TCustomFFmpeg* Sender, TFFPicture* ABitmap,
                                                   int AFrameNumber, std::int64_t APTS)>;
    void SetOnProgress(TProgressEvent handler) { FOnProgress = std::move(handler); }
    void SetOnCustomHook(TCustomHookEvent handler) { FOnCustomHook = std::move(handler); }
    void SetOnPreviewBitmap(TPreviewBitmapEvent handler) { FOnPreviewBitmap = std::move(handler); }

    std::int64_t ReportInterval = 500000;
    std::int64_t PreviewInterval = 100000;

    // ---- Inputs and outputs ----

    // Opens the next input with the pending input options and reads its streams' properties back
    // into the option state. False with the reason in LastErrMsg when the file itself fails;
    // raises FFmpegException for an unknown forced format and a full input table.
    bool OpenInputFile(const std::string& fileName);
    // Creates the next output with its streams from the pending options; with join and several
    // inputs open, the inputs are joined one after the other into it. The number of outputs
    // recorded, or -1 with the reason in LastErrMsg.
    int OpenOutputFile(const std::string& fileName, bool join);
    // Looks a codec up by name (empty: none, id AV_CODEC_ID_NONE) among the encoders or decoders
    // and checks its kind and whether it is experimental against the strictness. False with the
    // reason in LastErrMsg. Encoders the installed library lacks are replaced by their nearest
    // counterpart that the container (when given) accepts; without one the encoder is refused
    // with a message naming it. found, when given, receives the codec.
    bool CheckCodec(const std::string& name, AVMediaType kind, AVCodecID& id, int strictness,
                    bool encoder, const AVCodec** found = nullptr,
                    const AVOutputFormat* container = nullptr);

    // ---- Presets, targets, matrices, passes and statistics ----

    // Applies the built-in preset or the preset file the value names; the option name's first
    // letter chooses the kind ("v", "a", "s", or "f" for a file).
    void ApplyPreset(const std::string& optionName, const std::string& value);
    // "target": an optional "pal-", "ntsc-" or "film-" prefix and the target type.
    void OptTarget(const std::string& value);
    // Applies the settings of "vcd", "svcd", "dvd", "dv" or "dv50" for the norm ("pal", "ntsc",
    // "film"; anything else is guessed from the frame rates, else defaultNorm decides).
    void SetTarget(const std::string& type, const std::string& norm, const std::string& defaultNorm);
    // 64 comma-separated coefficients (1 to 255) for the video streams created afterwards.
    void OptIntraMatrix(const std::string& value);
    void OptInterMatrix(const std::string& value);
    // 1 or 2.
    void OptPass(int value);
    // On: the statistics file "vstats_hhnnss.log" in the program's folder; off: none.
    void OptVstats(bool on);
    void OptVstatsFile(const std::string& value);

    // Options only an encoder's or a muxer's own context knows, checked against the named encoder
    // or muxer and kept for the next stream of the encoder's kind or the next output. False when
    // the encoder or muxer does not exist, lacks the option or refuses the value.
    bool SetPrivateCodecOption(const std::string& encoderName, const std::string& name,
                               const std::string& value);
    bool SetPrivateFormatOption(const std::string& formatName, const std::string& name,
                                const std::string& value);

    // ---- Options by name (the names of a command-line converter without the dash) ----

    // Applies one option; raises FFmpegException (or EConvertError for a number that does not
    // parse) when the value is refused. A name of no option goes to OptDefault, silently.
    void DispatchOption(const std::string& name, const std::string& value);
    // Hands the pair to the codec, format and scaler option contexts; true when one took it.
    bool OptDefault(const std::string& name, const std::string& value);
    bool OptDefault(const std::string& name, int value);

    void OptFormat(const std::string& value);
    void OptFrameRate(const std::string& value);
    void OptFrameSize(const std::string& value);
    void OptFrameAspectRatio(const std::string& value);
    void OptFramePixFmt(const std::string& value);
    void OptAudioCodec(const std::string& value);
    void OptVideoCodec(const std::string& value);
    void OptSubtitleCodec(const std::string& value);
    void OptAudioTag(const std::string& value);
    void OptVideoTag(const std::string& value);
    void OptVideoFilters(const std::string& value);
    void OptFrameCropTop(int value);
    void OptFrameCropBottom(int value);
    void OptFrameCropLeft(int value);
    void OptFrameCropRight(int value);
    void OptAudioRate(int value);
    void OptAudioChannels(int value);
    void OptVerbose(int value);

    // The no-value time leaves the start unchanged; the recording time also becomes the total
    // output duration of the progress reports.
    void SetStartTime(std::int64_t value);
    void SetRecordingTime(std::int64_t value);
    // Values below 0 change nothing.
    void SetProgramID(int value);
    void SetAudioVolume(int value);
    void SetAudioSyncMethod(int value) { Faudio_sync_method = value; }
    void SetVideoSyncMethod(int value) { Fvideo_sync_method = value; }
    // Values of 0 or less change nothing.
    void SetMuxDelay(float value);
    void SetMuxPreload(float value);
    // Appends one pending metadata pair for the next output.
    void AddMetadata(const std::string& key, const std::string& value);

    // The post hooks of the run. SetPostHooks is for the thread that builds the task;
    // SetPostHooksLocked may be called while the run is going (see TakeRequestedPostHooks).
    void SetPostHooks(TPostHooks hooks);
    void SetPostHooksLocked(TPostHooks hooks);
    TPostHooks PostHooks() const;

protected:
    // Points of a run, in order, that Reached is told of.
    enum class TRunPoint {
        Starting,       // on the worker, before anything is set up
        OpeningOutputs, // codecs are open; the output files are opened next
        PacketWritten,  // a packet has gone to an output
        Draining,       // the packet loop is over; what the codecs hold comes next
        Ending,         // files closed; the end is reported next
        Held,           // a paused run waits for Resume before it writes again
    };
    // Called by the run at each point, holding no lock: a seam for tests, which may hold the run
    // there. Does nothing by default.
    virtual void Reached(TRunPoint) {}

    // The run itself: set-up, packet loop and tear-down over the opened files; it sets
    // FFinished to not FBroken when it gets to the end.
    virtual void TranscodeLoop();
    // Closes and frees everything a run used (only while the converter libraries are loaded).
    virtual void Cleanup();

    // The run wrapper: every step runs in its own guard, and the end is reported once.
    void RunConversion();
    void DoTerminate();

    // The open codecs of a run: the loop adds a codec context right after opening it and
    // removes it right after closing it (under the codec lock); what is left at the end is
    // closed and freed here.
    void AddCodecItem(std::vector<AVCodecContext**>& list, AVCodecContext** codec);
    void RemoveCodecItem(std::vector<AVCodecContext**>& list, AVCodecContext** codec);
    void CloseRemainingEncoders();
    void CloseRemainingDecoders();

    // Builds the filter graph of one encoded video stream: the decoder's pictures (with their
    // time base) turned upright by the upright filters, cropped by the bands, scaled to the
    // encoder's size with the scaler flags, then through the video filter text; the encoder
    // takes the size the graph puts out. 0 on success, -1 on any failure (with the reason in
    // FLastErrMsg). The converter owns the graph.
    int ConfigureFilters(const AVCodecContext* dec, AVRational time_base, AVCodecContext* enc,
                         const TCropBands& bands, TVideoFilterEnds& ends, const TUprightFilters& upright = {});

    // The post-hook set the component asked for while the run held the converter unit lock;
    // the run applies it at its next post-hook pass (holding the lock).
    void TakeRequestedPostHooks();
    // The pending chain of bitstream filters of a kind, handed to the next stream of that kind.
    std::vector<AVBSFContext*> TakeBitstreamFilters(TStreamKind kind);

    void InitDefaults();

    // ---- Output stream constructors (they raise FFmpegException) ----
    void NewVideoStream(AVFormatContext* oc);
    void NewAudioStream(AVFormatContext* oc);
    void NewSubtitleStream(AVFormatContext* oc);
    // "newvideo", "newaudio", "newsubtitle": one more stream in the last output.
    void OptNewVideoStream();
    void OptNewAudioStream();
    void OptNewSubtitleStream();
    // Which kinds the streams of every input (or of the first one) hold.
    void CheckAudioVideoSubInputs(bool& hasVideo, bool& hasAudio, bool firstInputOnly,
                                  bool& hasSubtitle);

    // ---- The run's tables and stream mapping ----
    void BuildInputTables();
    void BuildOutputTables();
    void MapOutputStreams();
    int MapByOption(const TAVStreamMap& map, const TAVOutputStream& ost);
    int MapAutomatically(const TAVOutputStream& ost, int outputFile);
    void LogStreamMapping();
    // Closes the codecs of the run's records still open and frees the records; safe to call at
    // any point of the run and more than once.
    void FreeStreamTables();
    // Streams of one join segment (of output entry 0); every stream of every output otherwise.
    int SegmentSize() const;

    // ---- Codec set-up, opening and headers ----
    void SetUpOutputCodecs();
    void SetUpStreamCopy(TAVOutputStream& ost, TAVInputStream& ist);
    void SetUpEncoding(TAVOutputStream& ost, TAVInputStream& ist, int position);
    void OpenPassLog(TAVOutputStream& ost, int position);
    void OpenEncoders();
    void OpenDecoders();
    void InitInputTimes();
    void ApplyMetaDataMaps();
    void CopyAllChapters();
    void CopyChapters(int infile, int outfile);
    void InitBitstreamFilters();
    // Opens every output's file for writing (creating or truncating it): only the run touches
    // a file named as output.
    void OpenOutputFiles();
    void WriteHeaders();
    void CloseEncoders();
    void CloseDecoders();
    // The number of encoders the run opens: the first join segment's, else every stream's.
    int EncoderCount() const;

    // ---- The packet loop ----
    void RunPacketLoop();
    int ChooseInput(int file_index) const;
    void FixTimestamps(AVPacket* pkt, TAVInputStream& ist);
    void EndOfJoinedInput(int k, bool last);
    void FinishRun();
    // Why the run failed when an audio or video output stream got no packet at all (its
    // decoder's refusal when that decoder gave nothing); empty when each got some.
    std::string EmptyStreamFailure() const;
    // Decodes the packet (nullptr drains the decoder and then the encoders it feeds) and hands
    // the result to every output stream fed by the input stream. 0, or -1 on a decoding error.
    int DecodeAndDispatch(TAVInputStream& ist, const AVPacket* pkt);
    int DecodeFrames(TAVInputStream& ist, const AVPacket* pkt);
    int DecodeSubtitle(TAVInputStream& ist, const AVPacket* pkt);
    void DispatchAudio(TAVInputStream& ist, AVFrame* frame);
    void DispatchVideo(TAVInputStream& ist, AVFrame* frame);
    void DispatchVideoToStream(TAVOutputStream& ost, TAVInputStream& ist, AVFrame* frame);
    void DispatchCopies(TAVInputStream& ist, const AVPacket* pkt);
    void DrainEncoders(TAVInputStream& ist);
    bool OutputWanted(const TAVInputStream& ist) const;
    // The run time before which the stream's input gives nothing (INT64_MIN: no start).
    std::int64_t InputStart(const TAVInputStream& ist) const;
    // The frame without its samples before the input's start: the frame itself when none lie
    // there, nullptr when all do, else a trimmed copy held by trimmed.
    const AVFrame* TrimToInputStart(TAVInputStream& ist, const AVFrame* frame, AVFrame* trimmed) const;
    void ReportProgress(bool is_last_report, int file_index);

    // ---- Audio ----
    void do_audio_out(AVFormatContext* s, TAVOutputStream& ost, TAVInputStream& ist, const AVFrame* decoded);
    void ApplyVolume(AVFrame* frame) const;
    void DrainAudioEncoder(AVFormatContext* s, TAVOutputStream& ost);
    // The samples the resampler still holds join the stream's queue.
    void FlushResampler(TAVOutputStream& ost);
    // A joined output's next segment takes over the samples short of an encoder frame.
    void CarryAudio(TAVOutputStream& from, TAVOutputStream& to);

    // ---- Video ----
    void PrepareDecodedPicture(TAVInputStream& ist, AVFrame* picture);
    void RunHooks(AVFrame* picture);
    void RunCustomHook(AVFrame* picture, std::int64_t pts);
    int EncodeVideoFrame(AVFormatContext* s, TAVOutputStream& ost, TAVInputStream& ist, const AVFrame* in_picture);
    // The encoded picture, of the output's sample aspect ratio.
    void RunPostHooks(const AVFrame* picture, std::int64_t pts, AVRational sampleAspect);
    void WriteVideoStats(TAVOutputStream& ost, int frame_size);
    // A yadif graph for pictures like this one (times in microseconds); 0, or -1 on failure.
    int ConfigureDeinterlacer(const AVFrame* picture, TVideoFilterEnds& ends);

    // ---- Packets ----
    // Sends the frame (nullptr drains) and writes every packet the encoder gives; the bytes of
    // the last packet, 0 when none came.
    int EncodeFrame(AVFormatContext* s, TAVOutputStream& ost, const AVFrame* frame, const char* failure);
    void WritePacket(AVFormatContext* s, AVPacket* pkt, TAVOutputStream& ost);
    void CopyStreamPacket(AVFormatContext* s, TAVOutputStream& ost, TAVInputStream& ist, const AVPacket* pkt);
    void EncodeSubtitle(AVFormatContext* s, TAVOutputStream& ost, TAVInputStream& ist, AVSubtitle* sub,
                        std::int64_t pts);
    // Held around every write to an output file: waits while the run is paused, and keeps
    // Pause from returning while a write is under way.
    std::unique_lock<std::mutex> OutputWrite();
    void ReportOrRaise(const std::string& message);
    void LogVerbose(const std::string& message);
    void LogError(const std::string& message);

    // ---- Lifecycle ----
    const int FMaxFiles;
    std::atomic<TConvertThread*> FThread{nullptr};
    std::unique_ptr<TConvertThread> FWorker;
    Event FStopEvent{true, true};
    Event FTermEvent{true, true};
    Event FPauseEvent{true, true};
    std::mutex FOutputLock;
    std::unique_ptr<Thread> FTermThread;
    std::atomic<bool> FConverting{false};
    std::atomic<bool> FBroken{false};
    std::atomic<bool> FFinished{false};
    std::atomic<bool> FTerminated{false};
    std::atomic<bool> FPaused{false};
    bool FFatalException = false;
    std::string FFatalMessage;
    std::int64_t FTotalOutputDuration = -1;
    std::string FLastErrMsg;
    TNotifyEvent FOnTerminate;
    std::vector<AVCodecContext**> FEncoderList;
    std::vector<AVCodecContext**> FDecoderList;
    bool FJoinMode = false;
    std::vector<AVFilterGraph*> FGraphs;

    // ---- Files ----
    std::vector<AVFormatContext*> Finput_files;
    int Fnb_input_files = 0;
    std::vector<AVFormatContext*> Foutput_files;
    int Fnb_output_files = 0;
    // The files of the outputs the run opened: made by the run, or replacing an existing file.
    std::map<const AVFormatContext*, TOutputFile> FOutputFiles;
    // Where a stopped run kept its first output when an existing file held the output's name.
    std::string FKeptFileName;
    // Time-stamp offset of each input, microseconds.
    std::vector<std::int64_t> Finput_files_ts_offset;
    // The start each input was opened at, in its own time (microseconds), AV_NOPTS_VALUE when it
    // had none: the seek lands on a key picture before it, and what is decoded before the start
    // is dropped.
    std::vector<std::int64_t> Finput_files_start;
    // One slot per stream of every input, in input order and, within an input, in stream order:
    // stream s of an input whose streams start at slot i is slot i + s (the run's input stream
    // table). At most MAX_STREAMS streams per input.
    std::vector<TInputCodec> Finput_codecs;
    // One slot per output stream in creation order, which is output order and, within an output,
    // stream order (the run's output stream table; a joined output's streams once).
    std::vector<TOutputCodec> Foutput_codecs;

    // ---- Pending private options (by TStreamKind for the encoders) ----
    std::array<std::vector<TPrivateOption>, 4> Fcodec_private_opts;
    std::vector<TPrivateOption> Fformat_private_opts;

    // ---- Matrices, passes and statistics ----
    // 64 coefficients each; empty: the codec's own.
    std::vector<std::uint16_t> Fintra_matrix;
    std::vector<std::uint16_t> Finter_matrix;
    // 0 none, 1 first pass, 2 second pass.
    int Fdo_pass = 0;
    // Empty: the run's default prefix.
    std::string Fpass_logfilename_prefix;
    // Empty: no statistics file.
    std::string Fvstats_filename;

    // ---- Option contexts ----
    TFFOptions FOptions;

    // ---- General ----
    int Fverbose = 1;
    int Fthread_count = 1;
    bool Fexit_on_error = false;
    bool Fdo_pkt_dump = false;
    bool Fdo_hex_dump = false;
    bool Frate_emu = false;
    bool Floop_input = false;
    bool Fcopy_ts = false;
    bool Fopt_shortest = false;
    bool Finput_sync = false;
    int Fopt_programid = 0;
    int Fcopy_initial_nonkeyframes = 0;
    int Fvideo_sync_method = -1;
    int Faudio_sync_method = 0;
    float Faudio_drift_threshold = 0.1f;
    float Fdts_delta_threshold = 10.0f;
    std::int64_t Flimit_filesize = 0;
    int Floop_output = -1;
    bool Fusing_vhook = false;
    unsigned Fsws_flags = 4;
    int Fpgmyuv_compatibility_hack = 0;
    std::array<int, 4> Fmax_frames{};

    // ---- Format and times (microseconds) ----
    std::string Flast_asked_format;
    std::int64_t Fstart_time = 0;
    std::int64_t Frecording_time = INT64_MAX;
    std::int64_t Frecording_timestamp = 0;
    std::int64_t Finput_ts_offset = 0;
    std::vector<std::array<double, MAX_STREAMS>> Finput_files_ts_scale;

    // ---- Maps and metadata ----
    std::vector<TAVStreamMap> Fstream_maps;
    std::vector<TAVMetaDataMap> Fmeta_data_maps;
    std::vector<std::pair<std::string, std::string>> Fmetadata;
    std::array<int, MAX_STREAMS> Fstreamid_map{};

    // ---- Video ----
    int Fframe_width = 0;
    int Fframe_height = 0;
    float Fframe_aspect_ratio = 0;
    int Fframe_pix_fmt = -1;
    // Fframe_pix_fmt was asked for by the "pix_fmt" option (or a target), not taken from the input.
    bool Fframe_pix_fmt_requested = false;
    AVRational Fframe_rate{0, 0};
    int Fframe_topBand = 0;
    int Fframe_bottomBand = 0;
    int Fframe_leftBand = 0;
    int Fframe_rightBand = 0;
    std::string Fvideo_codec_name;
    int Fvideo_stream_copy = 0;
    std::uint32_t Fvideo_codec_tag = 0;
    std::string Fvideo_language;
    bool Fvideo_disable = false;
    int Fvideo_discard = 0;
    float Fvideo_qscale = 0;
    bool Fsame_quality = false;
    bool Fintra_only = false;
    bool Fdo_deinterlace = false;
    bool Fdo_psnr = false;
    bool Fqp_hist = false;
    bool Fforce_fps = false;
    int Ftop_field_first = -1;
    int Fme_threshold = 0;
    int Fintra_dc_precision = 8;
    int Fvideo_global_header = 0;
    std::string Fvideo_rc_override_string;
    std::string Fvfilters;
    bool FEnableFilter = false;
    int Fvideo_channel = 0;
    std::string Fvideo_standard;

    // ---- Audio ----
    int Faudio_sample_rate = 44100;
    int Faudio_channels = 2;
    int Faudio_sample_fmt = -1;
    std::uint64_t Fchannel_layout = 0;
    float Faudio_qscale = -99999.0f;
    std::string Faudio_codec_name;
    int Faudio_stream_copy = 0;
    std::uint32_t Faudio_codec_tag = 0;
    std::string Faudio_language;
    bool Faudio_disable = false;
    int Faudio_volume = 256;

    // ---- Subtitle ----
    std::string Fsubtitle_codec_name;
    int Fsubtitle_stream_copy = 0;
    std::uint32_t Fsubtitle_codec_tag = 0;
    std::string Fsubtitle_language;
    bool Fsubtitle_disable = false;

    // ---- Muxing (seconds) ----
    float Fmux_preload = 0.5f;
    float Fmux_max_delay = 0.7f;

    // ---- Bitstream filters waiting for the next stream of their kind ----
    std::vector<AVBSFContext*> Fvideo_bitstream_filters;
    std::vector<AVBSFContext*> Faudio_bitstream_filters;
    std::vector<AVBSFContext*> Fsubtitle_bitstream_filters;

    // ---- Hooks ----
    TFrameHookChain FFirstHook;
    TPostHookContext FPostContext;
    TRGBConvertContext FHookContext;
    int FHookFrameNumber = 0;
    TProgressEvent FOnProgress;
    TCustomHookEvent FOnCustomHook;
    TPreviewBitmapEvent FOnPreviewBitmap;

    // ---- The run ----
    std::vector<TAVInputFile> Ffile_table;
    std::vector<std::unique_ptr<TAVInputStream>> Fist_table;
    std::vector<std::unique_ptr<TAVOutputStream>> Fost_table;
    std::vector<bool> Fno_packet;
    int Fno_packet_count = 0;
    std::int64_t Ftimer_start = 0;
    std::int64_t Fvideo_size = 0;
    std::int64_t Faudio_size = 0;
    std::int64_t Fextra_size = 0;
    int Fnb_frames_dup = 0;
    int Fnb_frames_drop = 0;
    bool FShowDupOrDrop = false;
    // Reports count the rounded quantiser of the counted video stream (0 to 51).
    std::array<int, 52> Fqp_histogram{};
    std::FILE* Fvstats_file = nullptr;
    // The subtitle encoder's output, made on first use.
    std::vector<std::uint8_t> Fsubtitle_out;

private:
    friend class TConvertThread;

    using TOptionHandler = void (*)(TCustomFFmpeg& self, const std::string& name,
                                    const std::string& value);
    using TOptionTable = std::unordered_map<std::string, TOptionHandler>;
    static const TOptionTable& Options();
    static void AddGeneralOptions(TOptionTable& table);
    static void AddFormatOptions(TOptionTable& table);
    static void AddVideoOptions(TOptionTable& table);
    static void AddAudioOptions(TOptionTable& table);
    static void AddOutputOptions(TOptionTable& table);

    void OptBitrate(const std::string& name, const std::string& value);
    void OptCodec(std::string& codecName, int& streamCopy, const std::string& value);
    void OptFrameCrop(int value, int& band, int& dimension, bool vertical);
    void OptTag(std::uint32_t& tag, const std::string& value, const char* kind);
    void OptSampleFmt(const std::string& value);
    std::int64_t ParseTime(const std::string& name, const std::string& value, bool isDuration);
    void OptStreamMap(const std::string& value);
    void OptMetaDataMap(const std::string& value);
    void OptInputTsScale(const std::string& value);
    void OptMetadata(const std::string& value);
    void OptStreamId(const std::string& name, const std::string& value);
    void OptVideoHook(const std::string& value);
    void OptBitstreamFilter(const std::string& name, const std::string& value);
    void LogInfo(const std::string& message);
    void LogWarning(const std::string& message);

    void FreeBitstreamFilters();

    // The input, output, matrix, pass and private-option state at its defaults; and released.
    void InitFileRecords();
    void FreeFileRecords();
    AVDictionary* DemuxerOptions() const;
    void ReadInputStreams(AVFormatContext* ic, const AVCodec* const decoders[3],
                          std::vector<TInputCodec>& slots);
    int FailOutput(const std::string& message, AVFormatContext* oc, size_t firstSlot, bool recorded);
    void ApplyPrivateCodecOptions(TStreamKind kind, AVCodecContext* codec);
    bool ApplyPrivateFormatOptions(AVFormatContext* oc);
    void ApplyPresetLine(char kind, const std::string& preset, const std::string& line);
    void OptMatrix(std::vector<std::uint16_t>& matrix, const std::string& value);
    void CloseFiles();
    void WaitForEvent(Event& event);
    void JoinThreads();
    void Guarded(const std::function<void()>& step);
    void Fail(const std::string& message);

    std::atomic<bool> FPostHooksRequested{false};
    std::atomic<TPostHooks> FRequestedPostHooks{0};
    std::atomic<TPostHooks> FPostHooks{0};
};

// The converter unit lock: held by a run while it passes its pictures through the post hooks,
// and by SetPostHooksLocked, so that no preview window is freed while a picture is handed to it.
CriticalSection& ConverterUnitLock();
