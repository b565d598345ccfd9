#include "TranscodeConverter.h"

#include "platform/kernel/Clock.h"
#include "platform/kernel/MainThread.h"
#include "platform/kernel/Sync.h"

#include <atomic>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <mutex>
#include <sys/resource.h>

namespace {

using TranscodeRun = TranscodeTest;

// A clock that moves on by a step whenever it is read, so that a run meets report times as it
// goes without waiting for real time.
class SteppingClock : public Clock {
public:
    explicit SteppingClock(std::uint64_t stepMs) : step_(stepMs) {}
    std::uint64_t TickCount() const override { return now_ += step_; }

private:
    std::uint64_t step_;
    mutable std::atomic<std::uint64_t> now_{1000};
};

class ClockInForce {
public:
    explicit ClockInForce(Clock& clock) { SetClock(&clock); }
    ~ClockInForce() { SetClock(nullptr); }
};

// Runs the step with the process's files limited to Bytes: a write beyond fails as on a full
// file system.
std::string FileSizeLimited(rlim_t bytes, const std::function<std::string()>& step)
{
    rlimit previous{};
    getrlimit(RLIMIT_FSIZE, &previous);
    rlimit limited = previous;
    limited.rlim_cur = std::min(bytes, previous.rlim_max);
    const auto signal = std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &limited);
    std::string result = step();
    setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, signal);
    return result;
}

struct Report {
    int file_index, frame_number;
    std::int64_t clock, duration, total;
};

void RecordReports(TCustomFFmpeg& c, std::vector<Report>& reports)
{
    c.SetOnProgress([&reports](TCustomFFmpeg*, int file, int frame, int, float, float, std::int64_t,
                               std::int64_t duration, std::int64_t total) {
        reports.push_back(Report{file, frame, static_cast<std::int64_t>(GetTickCount64()), duration, total});
    });
}

TEST_F(TranscodeRun, TheMappingIsLoggedStreamByStream)
{
    TranscodeConverter c;
    c.Input("sample.avi");
    c.Output(dir.file("out.avi"));
    ASSERT_EQ("", c.Run());
    EXPECT_TRUE(Logged("6 Stream mapping:"));
    EXPECT_TRUE(Logged("6   Stream #0.0 -> #0.0 (Video)"));
    EXPECT_TRUE(Logged("6   Stream #0.1 -> #0.1 (Audio)"));
}

TEST_F(TranscodeRun, StreamMapsAreCheckedAndApplied)
{
    struct Case {
        const char* title;
        Options maps;
        Options extra;  // options after the output is open
        std::string error;
    } cases[] = {
        {"maps in order", {{"map", "0:0"}, {"map", "0:1"}}, {}, ""},
        {"too few maps", {{"map", "0:0"}}, {}, "Number of stream maps must match number of output streams"},
        {"no such stream", {{"map", "0:5"}, {"map", "0:1"}}, {}, "Could not find input stream #0.5"},
        {"no such sync stream", {{"map", "0:0:1:0"}, {"map", "0:1"}}, {}, "Could not find sync stream #1.0"},
        {"kinds differ", {{"map", "0:1"}, {"map", "0:0"}}, {},
         "Codec type mismatch for mapping #0.1 (Audio) -> #0.0 (Video)"},
        {"a second video stream reuses the input's", {}, {{"newvideo", ""}}, ""},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.title);
        const std::string out = dir.file("out.avi");
        {
            TranscodeConverter c;
            c.Input("sample.avi");
            c.Output(out, k.maps);
            c.Options(k.extra);
            EXPECT_EQ(k.error, c.Run());
            EXPECT_TRUE(c.FEncoderList.empty());
            EXPECT_TRUE(c.FDecoderList.empty());
        }
        if (!k.error.empty())
            continue;
        const MediaInfo info = Probe(out);
        ASSERT_TRUE(info.opened);
        for (const StreamInfo& s : info.streams)
            EXPECT_NEAR(2.0, s.duration, 0.15) << s.codec;
    }
}

// One input into two outputs at once: each gets the whole of what it takes.
TEST_F(TranscodeRun, OneInputFeedsTwoOutputs)
{
    const std::string video = dir.file("out.avi");
    const std::string sound = dir.file("out.wav");
    {
        TranscodeConverter c;
        c.Input("sample.avi");
        c.Output(video);
        c.Output(sound);
        ASSERT_EQ("", c.Run());
    }
    const MediaInfo first = Probe(video);
    ASSERT_EQ(2u, first.streams.size());
    for (const StreamInfo& s : first.streams)
        EXPECT_NEAR(2.0, s.duration, 0.15) << s.codec;
    const MediaInfo second = Probe(sound);
    ASSERT_EQ(1u, second.streams.size());
    EXPECT_NEAR(2.0, second.streams[0].duration, 0.1);
}

// Reports come after packets, never closer than the interval, and only once the output has a
// time; the last one has file index -1.
TEST_F(TranscodeRun, ProgressReportsAreSpacedByTheInterval)
{
    SteppingClock clock(5);
    ClockInForce inForce(clock);
    std::vector<Report> reports;
    TranscodeConverter c;
    c.ReportInterval = 100000;
    RecordReports(c, reports);
    c.Input("sample.avi");
    c.Output(dir.file("out.avi"));
    ASSERT_EQ("", c.Run());

    ASSERT_GE(reports.size(), 3u);
    const Report& last = reports.back();
    EXPECT_EQ(-1, last.file_index);
    EXPECT_NEAR(2000000, last.duration, 100000);
    EXPECT_NEAR(2000000, last.total, 100000);
    for (size_t i = 0; i + 1 < reports.size(); ++i) {
        EXPECT_EQ(0, reports[i].file_index);
        EXPECT_GT(reports[i].duration, 0);
        EXPECT_GE(reports[i].frame_number, 1);
        if (i > 0) {
            EXPECT_GT(reports[i].clock - reports[i - 1].clock, 100);
        }
    }
}

// An audio-only conversion reports no picture values.
TEST_F(TranscodeRun, AudioOnlyReportsCarryNoPictureValues)
{
    std::vector<Report> reports;
    TranscodeConverter c;
    RecordReports(c, reports);
    c.Input("sample.wav");
    c.Output(dir.file("out.mp3"));
    ASSERT_EQ("", c.Run());
    ASSERT_FALSE(reports.empty());
    for (const Report& r : reports)
        EXPECT_EQ(-1, r.frame_number);
}

// A stop from the main thread while the run goes on its worker: the run ends early, but the
// encoders are drained, the trailer is written (an MP4 without it cannot be read) and the final
// report is sent before the end report.
TEST_F(TranscodeRun, AStoppedRunLeavesAFinishedFile)
{
    SteppingClock clock(5);
    ClockInForce inForce(clock);
    const std::string out = dir.file("out.mp4");
    std::mutex lock;
    std::vector<Report> reports;
    bool reportedBeforeEnd = false;
    Event reported, proceed;
    TranscodeConverter c;
    c.ReportInterval = 100000;
    c.SetOnProgress([&](TCustomFFmpeg* sender, int file, int frame, int, float, float, std::int64_t,
                        std::int64_t duration, std::int64_t) {
        {
            std::lock_guard<std::mutex> guard(lock);
            reports.push_back(Report{file, frame, 0, duration, 0});
            if (file == -1)
                reportedBeforeEnd = !sender->Terminated();
        }
        // The first report holds the run until the stop has been asked for.
        reported.Set();
        proceed.WaitFor(10000);
    });
    c.Input("sample.avi");
    c.Output(out);
    TConvertThread* worker = c.StartConvert(true, ThreadPriority::Normal);
    ASSERT_NE(nullptr, worker);
    worker->Resume();
    ASSERT_TRUE(MainThread::WaitServing(reported, 10000));
    c.Stop(false);
    proceed.Set();
    c.Stop(true);

    EXPECT_TRUE(c.Terminated());
    EXPECT_FALSE(c.Finished());
    EXPECT_FALSE(c.FatalException()) << c.FatalMessage();
    std::lock_guard<std::mutex> guard(lock);
    ASSERT_EQ(2u, reports.size());
    EXPECT_EQ(-1, reports.back().file_index);
    EXPECT_TRUE(reportedBeforeEnd);

    const MediaInfo info = Probe(out);
    ASSERT_TRUE(info.opened);
    const StreamInfo* video = info.Find(AVMEDIA_TYPE_VIDEO);
    ASSERT_NE(nullptr, video);
    EXPECT_GT(video->packets, 0);
    EXPECT_LT(video->duration, 1.5);
    EXPECT_NEAR(static_cast<double>(reports.back().duration) / 1e6, video->duration, 0.2);
}

// Two inputs of 10 s joined into one output of 20 s; the reports follow the inputs.
TEST_F(TranscodeRun, JoinedInputsFollowEachOther)
{
    SteppingClock clock(5);
    ClockInForce inForce(clock);
    const std::string out = dir.file("joined.avi");
    std::vector<Report> reports;
    {
        TranscodeConverter c;
        c.ReportInterval = 1000000;
        RecordReports(c, reports);
        c.Input("clip10.avi");
        c.Input("clip10.avi");
        c.Output(out, {}, true);
        ASSERT_EQ("", c.Run());
    }
    const MediaInfo info = Probe(out);
    ASSERT_TRUE(info.opened);
    ASSERT_EQ(2u, info.streams.size());
    EXPECT_NEAR(20.0, info.Find(AVMEDIA_TYPE_VIDEO)->duration, 0.2);
    EXPECT_NEAR(20.0, info.Find(AVMEDIA_TYPE_AUDIO)->duration, 0.3);

    ASSERT_FALSE(reports.empty());
    EXPECT_EQ(-1, reports.back().file_index);
    std::vector<int> files;
    for (const Report& r : reports)
        if (files.empty() || files.back() != r.file_index)
            files.push_back(r.file_index);
    EXPECT_EQ((std::vector<int>{0, 1, -1}), files);
    EXPECT_NEAR(20000000, reports.back().duration, 300000);
}

TEST_F(TranscodeRun, TwoPassEncodingWritesAndReadsItsLog)
{
    const std::string prefix = dir.file("passlog");
    {
        TranscodeConverter c;
        c.Input("sample.avi");
        c.Output(dir.file("pass1.avi"), {{"pass", "1"}, {"passlogfile", prefix}, {"vb", "100000"}});
        ASSERT_EQ("", c.Run());
    }
    ASSERT_TRUE(std::filesystem::exists(prefix + "-0.log"));
    EXPECT_GT(std::filesystem::file_size(prefix + "-0.log"), 0u);
    for (const std::string& logPrefix : {prefix, dir.file("missing")}) {
        SCOPED_TRACE(logPrefix);
        const std::string out = dir.file("pass2.avi");
        TranscodeConverter c;
        c.Input("sample.avi");
        c.Output(out, {{"pass", "2"}, {"passlogfile", logPrefix}, {"vb", "100000"}});
        if (logPrefix == prefix) {
            ASSERT_EQ("", c.Run());
            EXPECT_NEAR(2.0, Probe(out).Find(AVMEDIA_TYPE_VIDEO)->duration, 0.15);
        } else {
            EXPECT_EQ("Cannot read file: Error reading log file \"" + logPrefix + "-0.log\" for pass-2 encoding",
                      c.Run());
        }
    }
}

// Copied packets pass the stream's bitstream filters: dump_extra puts the stream's header (kept
// apart in MP4) in front of every key packet.
TEST_F(TranscodeRun, CopiedPacketsPassTheBitstreamFilters)
{
    const std::string mp4 = dir.file("global.mp4");
    const std::string out = dir.file("out.avi");
    {
        TranscodeConverter c;
        c.Input("sample.avi");
        c.Output(mp4, {{"vcodec", "mpeg4"}, {"an", ""}});
        ASSERT_EQ("", c.Run());
    }
    {
        TranscodeConverter c;
        ASSERT_TRUE(c.OpenInputFile(mp4)) << c.LastErrMsg();
        c.Output(out, {{"vbsf", "dump_extra"}, {"vcodec", "copy"}});
        ASSERT_EQ("", c.Run());
    }
    AVFormatContext* header = nullptr;
    AVFormatContext* copy = nullptr;
    ASSERT_EQ(0, ff::avformat_open_input(&header, mp4.c_str(), nullptr, nullptr));
    ASSERT_EQ(0, ff::avformat_open_input(&copy, out.c_str(), nullptr, nullptr));
    const AVCodecParameters* par = header->streams[0]->codecpar;
    ASSERT_GT(par->extradata_size, 0);
    AVPacket* pkt = ff::av_packet_alloc();
    ASSERT_EQ(0, ff::av_read_frame(copy, pkt));
    ASSERT_GT(pkt->size, par->extradata_size);
    EXPECT_EQ(0, std::memcmp(pkt->data, par->extradata, static_cast<size_t>(par->extradata_size)));
    ff::av_packet_free(&pkt);
    ff::avformat_close_input(&copy);
    ff::avformat_close_input(&header);
}

// Broken inputs: what can be read of a cut or damaged file is converted; a file that is no media
// at all cannot be opened, and a run without input ends at once with its error.
TEST_F(TranscodeRun, BrokenInputsEndWithoutACrash)
{
    struct Case {
        const char* input;
        double longest;  // seconds of output at most
    } cases[] = {{"truncated.avi", 1.0}, {"damaged.avi", 2.1}};
    for (const Case& k : cases) {
        SCOPED_TRACE(k.input);
        const std::string out = dir.file("out.avi");
        {
            TranscodeConverter c;
            c.Input(k.input);
            c.Output(out);
            EXPECT_EQ("", c.Run());
            EXPECT_TRUE(c.Finished());
        }
        const MediaInfo info = Probe(out);
        ASSERT_TRUE(info.opened);
        const StreamInfo* video = info.Find(AVMEDIA_TYPE_VIDEO);
        ASSERT_NE(nullptr, video);
        EXPECT_GT(video->packets, 0);
        EXPECT_LE(video->duration, k.longest);
    }

    TranscodeConverter c;
    EXPECT_FALSE(c.OpenInputFile(zdtest::fixture("notmedia.avi")));
    c.Output(dir.file("none.avi"));
    EXPECT_EQ("At least one input file must be specified", c.Run());
    EXPECT_FALSE(std::filesystem::exists(dir.file("none.avi")));
}

TEST_F(TranscodeRun, AnEncoderThatCannotOpenLeavesNoFileBehind)
{
    // An encoder that refuses its parameters: H.263 takes only its standard picture sizes.
    const std::string out = dir.file("out.avi");
    {
        TranscodeConverter c;
        c.Input("sample.avi");
        c.Output(out, {{"vcodec", "h263"}});
        EXPECT_EQ("Error while opening encoder for output stream #0.0 (Video) - maybe incorrect parameters such as "
                  "bit_rate, rate, width or height. Please check error log message to find out more detail "
                  "information.",
                  c.Run());
        EXPECT_FALSE(c.Finished());
    }
    EXPECT_FALSE(std::filesystem::exists(out));
}

// A stop reaches the long steps inside one packet: a block of 100 Hz samples becomes minutes of
// 44.1 kHz audio, but a run stopped after its first encoded frame goes no further than the frame
// in hand and one more packet from the encoder.
TEST_F(TranscodeRun, AStopEndsALongStepInsideAPacket)
{
    class Held : public TranscodeConverter {
    public:
        Event reached{true, false};
        Event release{true, false};

    protected:
        void Reached(TRunPoint point) override
        {
            if (point == TRunPoint::PacketWritten && !reached.WaitFor(0)) {
                reached.Set();
                release.WaitFor(10000);
            }
        }
    };
    const std::string in = dir.file("slow.wav");
    WriteTone(in, 100, 1, 6000);
    const std::string out = dir.file("out.mp3");
    {
        Held c;
        ASSERT_TRUE(c.OpenInputFile(in)) << c.LastErrMsg();
        c.Output(out, {{"ar", "44100"}});
        TConvertThread* worker = c.StartConvert(true, ThreadPriority::Normal);
        ASSERT_NE(nullptr, worker);
        worker->Resume();
        ASSERT_TRUE(MainThread::WaitServing(c.reached, 10000));
        c.Stop(false);
        c.release.Set();
        c.Stop(true);
        EXPECT_FALSE(c.Finished());
        EXPECT_FALSE(c.FatalException()) << c.FatalMessage();
    }
    const MediaInfo info = Probe(out);
    const StreamInfo* audio = info.Find(AVMEDIA_TYPE_AUDIO);
    ASSERT_NE(nullptr, audio);
    EXPECT_LE(audio->packets, 3);
}

// A run that fails takes away the output it made (and only that one), and a run that wrote no
// frame for an audio or video stream fails with the reason, however the headers lied.
// A failed run removes the output file it made; a file that was at the output's name before stays
// byte for byte, and nothing else is left in the folder. The last case fails when the file system
// runs full, after the output has been opened and written to.
TEST_F(TranscodeRun, AFailedRunRemovesTheOutputItMadeAndKeepsOneThatWasThere)
{
    const std::string tone255 = dir.file("255ch.wav");
    WriteTone(tone255, 44100, 255, 4410);
    const std::string toneHuge = dir.file("huge.wav");
    WriteTone(toneHuge, 2147483647u, 1, 4410);
    const std::string raw = dir.file("raw.mkv");
    WriteRawVideo(raw, 16000, 16000, 10, 98304);
    struct Case {
        std::string input;
        const char* output;
        Options options;
        const char* message;  // found in the run's failure
        rlim_t fileSizeLimit = RLIM_INFINITY;
    } cases[] = {
        {tone255, "out.avi", {}, "Can not resample 255 channels"},
        {toneHuge, "out.avi", {}, "Can not resample 1 channels @ 2147483647 Hz"},
        {raw, "out.mp4", {}, "Error while decoding stream #0.0 (Video): "},
        {zdtest::fixture("sample.avi"), "out.avi", {{"ss", "5"}}, "Nothing was written to output stream #0.0 (Video)"},
        {zdtest::fixture("sample.avi"), "out.avi", {}, "out.avi: Error number -27 occurred: File too large", 20000},
    };
    const std::string existing = "the user's own file, converted earlier";
    for (const Case& k : cases) {
        for (const bool existed : {false, true}) {
            SCOPED_TRACE(k.input + (existed ? " over an existing file" : ""));
            const std::string out = dir.file(k.output);
            std::filesystem::remove(out);
            if (existed)
                std::ofstream(out) << existing;
            const std::set<std::string> before = zdtest::namesIn(dir.path());
            TranscodeConverter c;
            ASSERT_TRUE(c.OpenInputFile(k.input)) << c.LastErrMsg();
            c.Output(out, k.options);
            const std::string message = FileSizeLimited(k.fileSizeLimit, [&] { return c.Run(); });
            EXPECT_NE(std::string::npos, message.find(k.message)) << message;
            EXPECT_TRUE(c.FatalException());
            EXPECT_FALSE(c.Finished());
            EXPECT_EQ(before, zdtest::namesIn(dir.path()));
            if (existed) {
                EXPECT_EQ(existing, zdtest::contents(out));
            }
        }
    }
}

// A finished run replaces a file at the output's name, which keeps its permissions; one reached
// through a link is replaced, and the link stays.
TEST_F(TranscodeRun, AFinishedRunReplacesTheFileThatWasThere)
{
    const std::string out = dir.file("out.avi"), target = dir.file("target.avi"), link = dir.file("link.avi");
    std::ofstream(out) << "old";
    std::filesystem::permissions(out, std::filesystem::perms(0640));
    std::ofstream(target) << "old";
    std::filesystem::create_symlink("target.avi", link);
    for (const std::string& name : {out, link}) {
        SCOPED_TRACE(name);
        ASSERT_EQ("", ConvertFixture("sample.avi", name, {}));
        const MediaInfo info = Probe(name);
        ASSERT_TRUE(info.opened);
        EXPECT_EQ(2u, info.streams.size());
    }
    EXPECT_EQ(std::filesystem::perms(0640), std::filesystem::status(out).permissions());
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ((std::set<std::string>{"link.avi", "out.avi", "target.avi"}), zdtest::namesIn(dir.path()));
}

// A stopped run leaves a file at the output's name as it was and keeps what it wrote under the
// next free "_N" name, which its end report and the log give.
TEST_F(TranscodeRun, AStoppedRunKeepsItsOutputBesideTheFileThatWasThere)
{
    SteppingClock clock(5);
    ClockInForce inForce(clock);
    const std::string out = dir.file("out.avi"), taken = dir.file("out_1.avi"), kept = dir.file("out_2.avi");
    std::ofstream(out) << "old";
    std::ofstream(taken) << "taken";
    TranscodeConverter c;
    c.ReportInterval = 100000;
    c.SetOnProgress([](TCustomFFmpeg* sender, int, int, int, float, float, std::int64_t, std::int64_t,
                       std::int64_t) { sender->Stop(false); });
    c.Input("sample.avi");
    c.Output(out);
    ASSERT_EQ("", c.Run());
    EXPECT_FALSE(c.Finished());
    EXPECT_EQ("old", zdtest::contents(out));
    EXPECT_EQ("taken", zdtest::contents(taken));
    EXPECT_EQ(kept, c.KeptFileName());
    const MediaInfo info = Probe(kept);
    ASSERT_TRUE(info.opened);
    ASSERT_NE(nullptr, info.Find(AVMEDIA_TYPE_VIDEO));
    EXPECT_GT(info.Find(AVMEDIA_TYPE_VIDEO)->packets, 0);
    // The stream dump names the output, not the file written meanwhile.
    EXPECT_TRUE(Logged("Output #0, avi, to '" + out + "'"));
    EXPECT_TRUE(Logged("5 Stopped: " + out + " is left as it was; what was written is kept as " + kept));
    EXPECT_EQ((std::set<std::string>{"out.avi", "out_1.avi", "out_2.avi"}), zdtest::namesIn(dir.path()));
}

} // namespace
