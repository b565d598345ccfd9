// The converter component running real conversions: progress at its interval, preview windows and
// the events of running tasks.

#include "engine/FFmpegConverter.h"
#include "platform/kernel/Clock.h"
#include "platform/kernel/MainThread.h"

#include "ConverterLibraries.h"
#include "TestPaths.h"

#include <gtest/gtest.h>

#include <atomic>
#include <mutex>
#include <vector>

namespace {

class ConverterRunTest : public ConverterLibrariesTest {
protected:
    void SetUp() override
    {
        ConverterLibrariesTest::SetUp();
        SetClock(&clock);
        converter.SetOnTerminate([this](TCustomFFmpegConverter*, const TTerminateInfo& info) {
            if (info.TaskIndex == -1)
                ended.Set();
            else
                EXPECT_FALSE(info.Exception) << info.ExceptionMsg;
        });
    }
    void TearDown() override { SetClock(nullptr); }

    // A task converting the sample whose decoded pictures each move the clock by stepMs.
    void AddTask(std::uint64_t stepMs)
    {
        ASSERT_EQ(0, converter.AddTask(zdtest::fixture("sample.avi")));
        TOutputOptions output;
        output.CustomHook = true;
        ASSERT_TRUE(converter.SetOutputFile(0, dir.file("out.avi"), &output)) << converter.LastErrMsg();
        converter.SetOnCustomHook([this, stepMs](TCustomFFmpegConverter*, PHookInfo info) {
            EXPECT_FALSE(MainThread::IsMainThread());
            info->Update = false;
            clock.Advance(stepMs);
        });
    }
    bool RunAndWait(int threads)
    {
        converter.Start(threads);
        return MainThread::WaitServing(ended, 60000);
    }

    ManualClock clock{1000};
    zdtest::TempDir dir;
    Event ended{true, false};
    TFFmpegConverter converter;
};

TEST_F(ConverterRunTest, ProgressReachesTheMainThreadAtTheProgressInterval)
{
    AddTask(40);
    converter.SetProgressInterval(100);
    struct Report {
        std::uint64_t at;
        TProgressInfo info;
    };
    std::vector<Report> reports;
    converter.SetOnProgress([&](TCustomFFmpegConverter*, PProgressInfo info) {
        EXPECT_TRUE(MainThread::IsMainThread());
        reports.push_back(Report{clock.TickCount(), *info});
    });
    ASSERT_TRUE(RunAndWait(1));

    ASSERT_GE(reports.size(), 5u);
    for (size_t i = 1; i + 1 < reports.size(); ++i)
        EXPECT_GT(reports[i].at - reports[i - 1].at, 100u) << i;
    for (const Report& r : reports) {
        EXPECT_EQ(0, r.info.TaskIndex);
        EXPECT_EQ(2040000, r.info.TotalDuration);
    }
    EXPECT_EQ(-1, reports.back().info.FileIndex);
    EXPECT_GT(reports.back().info.CurrentSize, 0);
    EXPECT_GE(reports.back().info.FrameNumber, 50);
}

// A stand-in for the preview window that, like the window, hands each picture to the main
// thread and waits for it.
struct PreviewLog {
    std::mutex lock;
    std::vector<std::uint64_t> paints;
    int alive = 0;
    std::function<void()> onMainThread;
};

class LoggedPreviewer : public TPreviewer {
public:
    LoggedPreviewer(PreviewLog& log, const ManualClock& clock) : log_(log), clock_(clock)
    {
        std::lock_guard<std::mutex> guard(log_.lock);
        ++log_.alive;
    }
    ~LoggedPreviewer() override
    {
        std::lock_guard<std::mutex> guard(log_.lock);
        --log_.alive;
    }
    bool PaintFrame(const TFFPicture& bitmap, int, std::int64_t, AVRational) override
    {
        EXPECT_EQ(160, bitmap.Width);
        {
            std::lock_guard<std::mutex> guard(log_.lock);
            log_.paints.push_back(clock_.TickCount());
        }
        MainThread::InvokeAndWait([this] {
            if (log_.onMainThread)
                log_.onMainThread();
        });
        return true;
    }

private:
    PreviewLog& log_;
    const ManualClock& clock_;
};

class ConverterPreviewTest : public ConverterRunTest {
protected:
    void SetUp() override
    {
        ConverterRunTest::SetUp();
        SetPreviewerFactory([this] { return std::make_unique<LoggedPreviewer>(log, clock); });
    }
    void TearDown() override
    {
        SetPreviewerFactory(nullptr);
        ConverterRunTest::TearDown();
    }

    PreviewLog log;
};

TEST_F(ConverterPreviewTest, APreviewShowsAtMostOnePicturePerInterval)
{
    converter.SetPreview(true);
    AddTask(40);
    ASSERT_TRUE(RunAndWait(1));
    // 51 pictures 40 ms apart: one picture per 120 ms, the first one at once.
    ASSERT_EQ(17u, log.paints.size());
    for (size_t i = 1; i < log.paints.size(); ++i)
        EXPECT_GT(log.paints[i] - log.paints[i - 1], 100u);
    EXPECT_EQ(0, log.alive);
}

TEST_F(ConverterPreviewTest, SwitchingThePreviewOffWhileAPictureIsShownDoesNotWait)
{
    AddTask(40);
    converter.SetPreview(true);
    // The main thread switches the preview off while the worker waits for it with the picture
    // (and the converter unit lock) in hand.
    log.onMainThread = [this] {
        if (log.paints.size() == 3)
            converter.SetPreview(false);
    };
    ASSERT_TRUE(RunAndWait(2));
    EXPECT_EQ(3u, log.paints.size());
    EXPECT_EQ(0, log.alive);
    EXPECT_FALSE(converter.GetPreview());
}

TEST_F(ConverterRunTest, PreviewBitmapsReachTheMainThreadWithTheirTask)
{
    AddTask(40);
    converter.SetPreviewBitmap(true);
    std::vector<TPreviewInfo> previews;
    converter.SetOnPreviewBitmap([&](TCustomFFmpegConverter*, const TPreviewInfo& info) {
        EXPECT_TRUE(MainThread::IsMainThread());
        EXPECT_EQ(160, info.Bitmap->Width);
        previews.push_back(info);
    });
    ASSERT_TRUE(RunAndWait(1));
    ASSERT_EQ(17u, previews.size());
    EXPECT_EQ(0, previews.front().TaskIndex);
    EXPECT_LT(previews.front().PTS, previews.back().PTS);
}

} // namespace
