#include "engine/FFmpeg.h"

#include "engine/FFUtils.h"
#include "engine/FFmpegEntries.h"
#include "engine/FFmpegLoader.h"
#include "engine/FFmpegLogger.h"
#include "engine/UnicodeProtocol.h"
#include "platform/kernel/MainThread.h"

#include <algorithm>

namespace {

// Waits a stopping run gives the main thread between two looks at its window messages.
constexpr DWORD kStopSliceMs = 20;

bool ConverterLoaded()
{
    return FFLoader().Loaded(ConverterLibraries);
}

} // namespace

CriticalSection& ConverterUnitLock()
{
    static CriticalSection* lock = new CriticalSection;
    return *lock;
}

TConvertThread::TConvertThread(TCustomFFmpeg* owner, ThreadPriority priority)
    : FOwner(owner), FPriority(priority)
{
}

void TConvertThread::Resume()
{
    if (FStarted.exchange(true))
        return;
    FThread.Start(
        [owner = FOwner] {
            owner->RunConversion();
            owner->FStopEvent.Set();
        },
        FPriority);
}

TCustomFFmpeg::TCustomFFmpeg(int AMaxFiles) : FMaxFiles(AMaxFiles)
{
    ZD_ASSERT(AMaxFiles >= MIN_FILES && AMaxFiles <= MAX_FILES, "Assertion failed");
    Finput_files.assign(FMaxFiles, nullptr);
    Foutput_files.assign(FMaxFiles, nullptr);
    InitDefaults();
}

TCustomFFmpeg::~TCustomFFmpeg()
{
    Stop(true);
    JoinThreads();
    Guarded([this] { TCustomFFmpeg::Cleanup(); });
}

void TCustomFFmpeg::JoinThreads()
{
    // The threads may still be handing a log line to the main thread after their end report;
    // the waits serve it before the joins.
    WaitForEvent(FStopEvent);
    WaitForEvent(FTermEvent);
    try {
        if (FWorker)
            FWorker->Join();
        if (FTermThread)
            FTermThread->Join();
    } catch (...) {
        // Both thread functions guard every step; nothing is left to report here.
    }
    FWorker.reset();
    FTermThread.reset();
}

void TCustomFFmpeg::InitDefaults()
{
    for (auto& row : Finput_files_ts_scale)
        row.fill(0);
    Finput_files_ts_scale.resize(FMaxFiles);
    Fstream_maps.clear();
    Fmeta_data_maps.clear();
    Fmetadata.clear();
    Fstreamid_map.fill(0);

    Flast_asked_format.clear();
    Fvideo_language.clear();
    Faudio_language.clear();
    Fsubtitle_language.clear();
    Fvfilters.clear();

    Fframe_width = Fframe_height = 0;
    Fframe_aspect_ratio = 0;
    Fframe_topBand = Fframe_bottomBand = Fframe_leftBand = Fframe_rightBand = 0;
    Fframe_rate = AVRational{0, 0};
    Fvideo_qscale = 0;
    Fframe_pix_fmt = -1;
    Fframe_pix_fmt_requested = false;
    Faudio_sample_fmt = -1;
    Fmax_frames.fill(INT_MAX);

    Fvideo_rc_override_string.clear();
    Fvideo_codec_name.clear();
    Faudio_codec_name.clear();
    Fsubtitle_codec_name.clear();
    Fvideo_standard.clear();

    Fvideo_disable = Faudio_disable = Fsubtitle_disable = false;
    Fsame_quality = Fdo_deinterlace = Floop_input = Fqp_hist = FEnableFilter = false;
    Fintra_only = Fcopy_ts = Fopt_shortest = Frate_emu = Fexit_on_error = false;
    Fusing_vhook = Fforce_fps = Fdo_hex_dump = Fdo_pkt_dump = Fdo_psnr = Finput_sync = false;

    Fvideo_discard = 0;
    Fvideo_codec_tag = Faudio_codec_tag = Fsubtitle_codec_tag = 0;
    Fme_threshold = 0;
    Fvideo_stream_copy = Faudio_stream_copy = Fsubtitle_stream_copy = 0;
    Faudio_sync_method = 0;
    Fvideo_global_header = 0;
    Fopt_programid = 0;
    Fcopy_initial_nonkeyframes = 0;
    Fvideo_channel = 0;
    Fpgmyuv_compatibility_hack = 0;
    Fchannel_layout = 0;
    Fstart_time = 0;
    Frecording_timestamp = 0;
    Finput_ts_offset = 0;
    Flimit_filesize = 0;

    Ftop_field_first = -1;
    Floop_output = -1;
    Fvideo_sync_method = -1;
    Fintra_dc_precision = 8;
    Faudio_sample_rate = 44100;
    Faudio_channels = 2;
    Faudio_qscale = -99999.0f;
    Fmux_preload = 0.5f;
    Fmux_max_delay = 0.7f;
    Frecording_time = INT64_MAX;
    Faudio_drift_threshold = 0.1f;
    Faudio_volume = 256;
    Fverbose = 1;
    Fthread_count = 1;
    Fdts_delta_threshold = 10.0f;
    Fsws_flags = 4;

    InitFFOptions(FOptions);
    Fvideo_bitstream_filters.clear();
    Faudio_bitstream_filters.clear();
    Fsubtitle_bitstream_filters.clear();
    FTotalOutputDuration = -1;
    FPostHooks = 0;
    FPostHooksRequested = false;
    FFatalException = false;
    FFatalMessage.clear();
    FKeptFileName.clear();

    FreeRGBContext(FPostContext.Context);
    FreeRGBContext(FHookContext);
    InitFileRecords();
    Fvideo_size = Faudio_size = Fextra_size = 0;
    Fnb_frames_dup = Fnb_frames_drop = 0;
    FShowDupOrDrop = false;
    FHookFrameNumber = 0;
}

void TCustomFFmpeg::Reset()
{
    if (!ConverterLoaded())
        return;
    ZD_ASSERT(!FConverting, "Cannot reset a converter while it converts");
    JoinThreads();
    // A pause outlasting the run must not hold the clean-up.
    FPaused = false;
    FPauseEvent.Set();
    Cleanup();
    InitDefaults();
    FJoinMode = false;
    FConverting = false;
    FBroken = false;
    FFinished = false;
    FTerminated = false;
    FTotalOutputDuration = -1;
    AllocFFOptions(FOptions, static_cast<int>(Fsws_flags));
}

TConvertThread* TCustomFFmpeg::StartConvert(bool AUseThread, ThreadPriority APriority)
{
    if (FConverting || FTerminated)
        return nullptr;
    if (Fnb_output_files == 0 || Fnb_input_files == 0) {
        const char* message = Fnb_output_files == 0 ? "At least one output file must be specified"
                                                    : "At least one input file must be specified";
        Guarded([this] { Cleanup(); });
        Fail(message);
        Guarded([this] { DoTerminate(); });
        return nullptr;
    }
    FConverting = true;
    FBroken = false;
    FFinished = false;
    FTerminated = false;
    FKeptFileName.clear();
    FStopEvent.Reset();
    if (!AUseThread) {
        RunConversion();
        FStopEvent.Set();
        return nullptr;
    }
    FWorker = std::make_unique<TConvertThread>(this, APriority);
    FThread = FWorker.get();
    return FWorker.get();
}

void TCustomFFmpeg::RunConversion()
{
    FFinished = false;
    Guarded([this] { Reached(TRunPoint::Starting); });
    Guarded([this] { TranscodeLoop(); });
    Guarded([this] { CloseRemainingEncoders(); });
    Guarded([this] { CloseRemainingDecoders(); });
    Guarded([this] { Cleanup(); });
    // A run that failed anywhere, also after its loop, did not convert to its end.
    if (FFatalException)
        FFinished = false;
    Guarded([this] { Reached(TRunPoint::Ending); });
    Guarded([this] { DoTerminate(); });
}

void TCustomFFmpeg::DoTerminate()
{
    // Terminated before not converting: whoever sees the run no longer converting also sees
    // that its end has been reported (Cancel relies on it).
    FTerminated = true;
    FConverting = false;
    FThread = nullptr;
    if (FOnTerminate)
        FOnTerminate(this);
}

void TCustomFFmpeg::Stop(bool AWaitFor)
{
    FBroken = true;
    TConvertThread* worker = FThread.load();
    if (!worker)
        return;
    // A held or not yet started worker must run to see the request.
    Resume();
    worker->Resume();
    if (AWaitFor)
        WaitForEvent(FStopEvent);
}

void TCustomFFmpeg::Cancel(bool AWaitFor)
{
    if (FConverting) {
        Stop(AWaitFor);
        return;
    }
    if (FTerminated.exchange(true))
        return;
    FTermEvent.Reset();
    FTermThread = std::make_unique<Thread>();
    FTermThread->Start([this] {
        Guarded([this] { DoTerminate(); });
        FTermEvent.Set();
    });
    if (AWaitFor)
        WaitForEvent(FTermEvent);
}

void TCustomFFmpeg::WaitForEnd()
{
    WaitForEvent(FStopEvent);
    WaitForEvent(FTermEvent);
}

void TCustomFFmpeg::Pause()
{
    if (!FThread.load() || FPaused.load())
        return;
    // The event first: a run that sees the flag always finds it reset.
    FPauseEvent.Reset();
    FPaused = true;
    // A write already under way ends before Pause returns; every later one sees the flag.
    std::lock_guard<std::mutex> wait(FOutputLock);
}

void TCustomFFmpeg::Resume()
{
    // Also after the run's end, so that no pause outlasts it.
    if (FPaused.exchange(false))
        FPauseEvent.Set();
}

void TCustomFFmpeg::WaitWhilePaused()
{
    if (FPaused.load())
        Reached(TRunPoint::Held);
    FPauseEvent.WaitFor(INFINITE);
}

std::unique_lock<std::mutex> TCustomFFmpeg::OutputWrite()
{
    std::unique_lock<std::mutex> lock(FOutputLock);
    while (FPaused.load()) {
        lock.unlock();
        WaitWhilePaused();
        lock.lock();
    }
    return lock;
}

void TCustomFFmpeg::WaitForEvent(Event& event)
{
    if (!MainThread::IsMainThread()) {
        event.WaitFor(INFINITE);
        return;
    }
    // The main thread keeps serving the workers' hand-overs (their progress reports wait for
    // it) and its window messages while it waits.
    while (!MainThread::WaitServing(event, kStopSliceMs))
        MainThread::ProcessPendingMessages();
}

void TCustomFFmpeg::Guarded(const std::function<void()>& step)
{
    try {
        step();
    } catch (const std::exception& e) {
        Fail(e.what());
    } catch (...) {
        Fail("Unknown exception");
    }
}

void TCustomFFmpeg::Fail(const std::string& message)
{
    FFatalException = true;
    FFatalMessage = message;
    try {
        GetLogger().Log(this, llQuiet, message);
    } catch (...) {
        // The error is kept for the end report; a log that cannot take it changes nothing.
    }
}

void TCustomFFmpeg::Cleanup()
{
    if (!ConverterLoaded())
        return;
    FreeFFOptions(FOptions);
    CloseFiles();

    Fvideo_codec_name.clear();
    Faudio_codec_name.clear();
    Fsubtitle_codec_name.clear();
    Fvideo_standard.clear();
    Fvideo_rc_override_string.clear();
    Fvideo_language.clear();
    Faudio_language.clear();
    Fsubtitle_language.clear();
    Fsubtitle_codec_tag = 0;
    FreeBitstreamFilters();

    if (Fvstats_file) {
        std::fclose(Fvstats_file);
        Fvstats_file = nullptr;
    }
    ReleaseFrameHooks(FFirstHook);

    for (AVFilterGraph*& graph : FGraphs)
        ff::avfilter_graph_free(&graph);
    FGraphs.clear();

    FreeRGBContext(FHookContext);
    // The component may change the post hooks meanwhile (SetPostHooksLocked).
    std::lock_guard<CriticalSection> guard(ConverterUnitLock());
    FreeRGBContext(FPostContext.Context);
    FPostContext.Previewer.reset();
    FPostContext.preview_last_time = 0;
    FPostContext.preview_cur_time = 0;
    if (FPostHooksRequested.exchange(false))
        FPostHooks = FRequestedPostHooks.load();
}

void TCustomFFmpeg::CloseFiles()
{
    FreeFileRecords();
    for (int i = 0; i < Fnb_output_files; ++i) {
        AVFormatContext* oc = Foutput_files[i];
        // A joined output is recorded once per input; it is closed once.
        if (!oc || std::find(Foutput_files.begin(), Foutput_files.begin() + i, oc)
                       != Foutput_files.begin() + i)
            continue;
        const bool ownsFile = oc->pb && oc->oformat && !(oc->oformat->flags & AVFMT_NOFILE);
        const auto opened = FOutputFiles.find(oc);
        const std::string fileName = opened != FOutputFiles.end() ? opened->second.Name
                                     : oc->url                    ? FromProtocolFileName(oc->url)
                                                                  : std::string();
        std::unique_lock<std::mutex> write;
        if (ownsFile)
            write = OutputWrite();
        // The last buffered bytes go out here; a file that cannot take them is incomplete.
        const int closed = ownsFile ? ff::avio_closep(&oc->pb) : 0;
        ff::avformat_free_context(oc);
        // The run's own file goes again when it failed (not when the user stopped it); a file that
        // was there before stays as it was unless the run converted to its end. Closed otherwise
        // (broken off), the run's output is kept.
        TOutputOutcome outcome;
        if (opened != FOutputFiles.end()) {
            const bool failed = FFatalException || closed < 0;
            const TOutputEnd end = failed && !FBroken    ? TOutputEnd::Failed
                                   : FFinished && !failed ? TOutputEnd::Finished
                                                          : TOutputEnd::Stopped;
            outcome = SettleOutputFile(opened->second, end);
        }
        // Logged without the lock: the log may wait for the main thread, which may be pausing.
        if (write)
            write.unlock();
        if (closed < 0)
            Fail(ErrorCodeToStr(fileName, closed));
        else if (outcome.Error < 0)
            Fail(ErrorCodeToStr(fileName, outcome.Error));
        if (!outcome.KeptName.empty()) {
            if (FKeptFileName.empty())
                FKeptFileName = outcome.KeptName;
            GetLogger().Log(this, llInfo, "Stopped: " + fileName + " is left as it was; what was written is kept as "
                                              + outcome.KeptName);
        }
    }
    FOutputFiles.clear();
    std::fill(Foutput_files.begin(), Foutput_files.end(), nullptr);
    Fnb_output_files = 0;

    for (int i = 0; i < Fnb_input_files; ++i)
        ff::avformat_close_input(&Finput_files[i]);
    Fnb_input_files = 0;
}

void TCustomFFmpeg::FreeBitstreamFilters()
{
    for (auto* chain : {&Fvideo_bitstream_filters, &Faudio_bitstream_filters,
                        &Fsubtitle_bitstream_filters}) {
        for (AVBSFContext*& bsf : *chain)
            ff::av_bsf_free(&bsf);
        chain->clear();
    }
}

std::vector<AVBSFContext*> TCustomFFmpeg::TakeBitstreamFilters(TStreamKind kind)
{
    std::vector<AVBSFContext*>& chain = kind == skVideo   ? Fvideo_bitstream_filters
                                        : kind == skAudio ? Faudio_bitstream_filters
                                                          : Fsubtitle_bitstream_filters;
    return std::exchange(chain, {});
}

void TCustomFFmpeg::AddCodecItem(std::vector<AVCodecContext**>& list, AVCodecContext** codec)
{
    list.push_back(codec);
}

void TCustomFFmpeg::RemoveCodecItem(std::vector<AVCodecContext**>& list, AVCodecContext** codec)
{
    list.erase(std::remove(list.begin(), list.end(), codec), list.end());
}

void TCustomFFmpeg::CloseRemainingEncoders()
{
    std::lock_guard<CriticalSection> guard(CodecLock());
    for (auto it = FEncoderList.rbegin(); it != FEncoderList.rend(); ++it)
        ff::avcodec_free_context(*it);
    FEncoderList.clear();
}

void TCustomFFmpeg::CloseRemainingDecoders()
{
    std::lock_guard<CriticalSection> guard(CodecLock());
    for (auto it = FDecoderList.rbegin(); it != FDecoderList.rend(); ++it)
        ff::avcodec_free_context(*it);
    FDecoderList.clear();
}
