#include "engine/FFmpeg.h"

#include "engine/FFmpegEntries.h"
#include "engine/FFmpegLogger.h"
#include "engine/UnicodeProtocol.h"

#include "ConverterLibraries.h"
#include "RunConverter.h"
#include "TestPaths.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sched.h>
#include <thread>

namespace {

std::string Describe(const EndReports::Report& r)
{
    return std::string(r.finished ? "finished" : "not finished") + (r.exception ? ", error: " : "")
           + r.message;
}

} // namespace

class ConverterLifecycle : public ConverterLibrariesTest {
protected:
    void SetUp() override
    {
        ConverterLibrariesTest::SetUp();
        GetLogger().SetOnLog([this](const void* sender, std::uint32_t, TLogLevel level, const std::string& text) {
            std::lock_guard<std::mutex> guard(logLock);
            if (level == llQuiet)
                quietLines.push_back({sender, text});
        });
    }

    std::mutex logLock;
    std::vector<std::pair<const void*, std::string>> quietLines;
};

TEST_F(ConverterLifecycle, StartWithoutFilesEndsAtOnceAndAnEndedConverterIgnoresStart)
{
    struct Case {
        int inputs, outputs;
        const char* message;
    } cases[] = {
        {1, 0, "At least one output file must be specified"},
        {0, 1, "At least one input file must be specified"},
        {0, 0, "At least one output file must be specified"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        EndReports reports;
        RunConverter converter;
        reports.Attach(converter);
        bool ran = false;
        converter.loop = [&](RunConverter&) { ran = true; };
        converter.PretendFiles(c.inputs, c.outputs);

        EXPECT_EQ(nullptr, converter.StartConvert(true, ThreadPriority::Normal));
        ASSERT_EQ(1u, reports.All().size());
        EXPECT_EQ(std::string("not finished, error: ") + c.message, Describe(reports.All()[0]));
        EXPECT_TRUE(converter.Terminated());

        EXPECT_EQ(nullptr, converter.StartConvert(false, ThreadPriority::Normal));
        converter.Cancel(true);
        EXPECT_EQ(1u, reports.All().size());
        EXPECT_FALSE(ran);
    }
    std::lock_guard<std::mutex> guard(logLock);
    ASSERT_EQ(3u, quietLines.size());
    EXPECT_EQ("At least one input file must be specified", quietLines[1].second);
}

TEST_F(ConverterLifecycle, AFailureAnywhereGivesExactlyOneEndReportWithItsMessage)
{
    struct Case {
        const char* title;
        bool thread;
        const char* loopError;
        const char* cleanupError;
        bool handlerThrows;
        const char* expected;
    } cases[] = {
        {"clean inline run", false, nullptr, nullptr, false, "finished"},
        {"clean worker run", true, nullptr, nullptr, false, "finished"},
        {"loop fails", false, "decoder broke", nullptr, false, "not finished, error: decoder broke"},
        // An output that cannot be closed is incomplete: the run did not finish.
        {"clean-up fails", true, nullptr, "close failed", false, "not finished, error: close failed"},
        // The later error is the one reported; the clean-up still ran and the end came once.
        {"both fail", true, "decoder broke", "close failed", false, "not finished, error: close failed"},
        {"the end handler fails", true, nullptr, nullptr, true, "finished"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.title);
        EndReports reports;
        RunConverter converter;
        converter.PretendFiles(1, 1);
        converter.loop = [&c](RunConverter&) {
            if (c.loopError)
                throw FFmpegException(c.loopError);
        };
        if (c.cleanupError)
            converter.cleanupError = c.cleanupError;
        reports.Attach(converter);
        reports.throwFromHandler = c.handlerThrows;

        TConvertThread* worker = converter.StartConvert(c.thread, ThreadPriority::Normal);
        ASSERT_EQ(c.thread, worker != nullptr);
        if (worker) {
            worker->Resume();
            ASSERT_TRUE(reports.Wait());
        }
        converter.Stop(true);
        const std::vector<EndReports::Report> all = reports.All();
        ASSERT_EQ(1u, all.size());
        EXPECT_EQ(c.expected, Describe(all[0]));
        EXPECT_EQ(!c.thread, all[0].onMainThread);
        EXPECT_TRUE(converter.Terminated());
        EXPECT_FALSE(converter.Converting());

        // Ended: a new start is ignored and reports nothing.
        converter.cleanupError.clear();
        EXPECT_EQ(nullptr, converter.StartConvert(false, ThreadPriority::Normal));
        converter.Cancel(true);
        EXPECT_EQ(1u, reports.All().size());
    }
}

TEST_F(ConverterLifecycle, StopOrCancelWhilePausedEndsTheRun)
{
    for (bool cancel : {false, true}) {
        SCOPED_TRACE(cancel ? "Cancel" : "Stop");
        EndReports reports;
        RunConverter converter;
        reports.Attach(converter);
        converter.PretendFiles(1, 1);
        Event entered(true, false);
        int policy = -1;
        converter.loop = [&](RunConverter& c) {
            policy = sched_getscheduler(0);
            entered.Set();
            c.WaitWhilePaused();
        };

        TConvertThread* worker = converter.StartConvert(true, ThreadPriority::Idle);
        ASSERT_NE(nullptr, worker);
        EXPECT_TRUE(converter.Converting());
        converter.Pause();
        worker->Resume();
        ASSERT_TRUE(MainThread::WaitServing(entered, 10000));
        EXPECT_TRUE(reports.All().empty());  // held while paused

        if (cancel)
            converter.Cancel(true);
        else
            converter.Stop(true);
        ASSERT_EQ(1u, reports.All().size());
        EXPECT_EQ("not finished", Describe(reports.All()[0]));
        EXPECT_FALSE(reports.All()[0].onMainThread);
        EXPECT_EQ(SCHED_IDLE, policy);
    }
}

TEST_F(ConverterLifecycle, CancelOfAConverterThatNeverRanReportsOnce)
{
    EndReports reports;
    RunConverter converter;
    reports.Attach(converter);
    converter.Cancel(false);
    ASSERT_TRUE(reports.Wait());
    converter.Cancel(true);
    converter.Cancel(false);
    EXPECT_EQ(nullptr, converter.StartConvert(false, ThreadPriority::Normal));

    ASSERT_EQ(1u, reports.All().size());
    EXPECT_EQ("not finished", Describe(reports.All()[0]));
    EXPECT_FALSE(reports.All()[0].onMainThread);
    EXPECT_TRUE(converter.Terminated());
}

TEST_F(ConverterLifecycle, AWorkerLogsThroughTheMainThreadWhileStopWaits)
{
    EndReports reports;
    RunConverter converter;
    reports.Attach(converter);
    converter.PretendFiles(1, 1);
    converter.loop = [](RunConverter&) { throw FFmpegException("broken input"); };
    TConvertThread* worker = converter.StartConvert(true, ThreadPriority::Normal);
    worker->Resume();
    converter.Stop(true);  // the worker's log line waits for the main thread meanwhile

    ASSERT_EQ(1u, reports.All().size());
    std::lock_guard<std::mutex> guard(logLock);
    ASSERT_EQ(1u, quietLines.size());
    EXPECT_EQ(&converter, quietLines[0].first);
    EXPECT_EQ("broken input", quietLines[0].second);
}

TEST_F(ConverterLifecycle, CodecsTheLoopLeftOpenAreClosedAtTheEnd)
{
    RunConverter converter;
    converter.PretendFiles(1, 1);
    AVCodecContext* left = nullptr;
    AVCodecContext* closedByLoop = nullptr;
    converter.loop = [&](RunConverter& c) {
        const AVCodec* codec = ff::avcodec_find_decoder(AV_CODEC_ID_MPEG4);
        for (AVCodecContext** slot : {&left, &closedByLoop}) {
            *slot = ff::avcodec_alloc_context3(codec);
            ASSERT_EQ(0, ff::avcodec_open2(*slot, codec, nullptr));
            c.AddCodecItem(c.FDecoderList, slot);
        }
        c.RemoveCodecItem(c.FDecoderList, &closedByLoop);
    };
    converter.StartConvert(false, ThreadPriority::Normal);
    EXPECT_EQ(nullptr, left);
    ASSERT_NE(nullptr, closedByLoop);
    EXPECT_TRUE(converter.FDecoderList.empty());
    ff::avcodec_free_context(&closedByLoop);
}

namespace {

class CountedPreviewer : public TPreviewer {
public:
    explicit CountedPreviewer(int& alive) : alive_(alive) { ++alive_; }
    ~CountedPreviewer() override { --alive_; }
    bool PaintFrame(const TFFPicture&, int, std::int64_t, AVRational) override { return true; }

private:
    int& alive_;
};

} // namespace

TEST_F(ConverterLifecycle, PostHookChangesNeverWaitForARunThatHoldsTheUnitLock)
{
    RunConverter converter;
    converter.PretendFiles(1, 1);
    int previewers = 0;
    converter.SetPostHooks(phPreview | phBitmap);
    converter.FPostContext.Previewer = std::make_unique<CountedPreviewer>(previewers);

    Event holding(true, false), changed(true, false), applied(true, false);
    TPostHooks seenByRun = 0;
    converter.loop = [&](RunConverter& c) {
        {
            // The run hands a picture over: the unit lock stays held until the change was asked.
            std::lock_guard<CriticalSection> guard(ConverterUnitLock());
            holding.Set();
            changed.WaitFor(10000);
        }
        std::lock_guard<CriticalSection> guard(ConverterUnitLock());
        c.TakeRequestedPostHooks();
        seenByRun = c.PostHooks();
        applied.Set();
    };
    TConvertThread* worker = converter.StartConvert(true, ThreadPriority::Normal);
    worker->Resume();
    ASSERT_TRUE(MainThread::WaitServing(holding, 10000));

    converter.SetPostHooksLocked(phBitmap);  // returns at once
    EXPECT_EQ(phBitmap, converter.PostHooks());
    EXPECT_EQ(1, previewers);  // the run may still be showing a picture
    changed.Set();
    ASSERT_TRUE(MainThread::WaitServing(applied, 10000));
    EXPECT_EQ(phBitmap, seenByRun);
    EXPECT_EQ(0, previewers);
    converter.Stop(true);

    // Without a run the change is made at once.
    RunConverter idle;
    idle.SetPostHooks(phPreview);
    idle.FPostContext.Previewer = std::make_unique<CountedPreviewer>(previewers);
    idle.SetPostHooksLocked(0);
    EXPECT_EQ(0u, idle.PostHooks());
    EXPECT_EQ(0, previewers);
}

TEST_F(ConverterLifecycle, CleanupClosesAJoinedOutputOnceAndDeletesOnlyEmptyOutputsItMade)
{
    zdtest::TempDir dir;
    auto create = [](const std::string& name, int bytes) {
        const std::string protocolName = ToProtocolFileName(name);
        AVFormatContext* oc = nullptr;
        EXPECT_EQ(0, ff::avformat_alloc_output_context2(&oc, nullptr, "avi", protocolName.c_str()));
        RegisterUnicodeProtocol(oc);
        EXPECT_EQ(0, OpenProtocolFile(oc, &oc->pb, protocolName, AVIO_FLAG_WRITE));
        ff::avio_write(oc->pb, reinterpret_cast<const unsigned char*>("xxx"), bytes);
        return oc;
    };
    const std::string empty = dir.file("空的.avi"), written = dir.file("written.avi"), kept = dir.file("kept.avi");
    RunConverter converter(4);
    AVFormatContext* joined = create(empty, 0);
    converter.Foutput_files = {joined, joined, create(written, 3), create(kept, 0)};
    // The run made the first two; the last one was there before it.
    converter.FOutputFiles[joined] = TOutputFile{empty, empty, true};
    converter.FOutputFiles[converter.Foutput_files[2]] = TOutputFile{written, written, true};
    converter.FOutputFiles[converter.Foutput_files[3]] = TOutputFile{kept, kept, false};
    converter.PretendFiles(0, 4);
    converter.Reset();

    EXPECT_FALSE(std::filesystem::exists(empty));
    EXPECT_EQ(3u, std::filesystem::file_size(written));
    EXPECT_TRUE(std::filesystem::exists(kept));
}
