#include "engine/FFmpegEntries.h"
#include "engine/FFmpegLoader.h"
#include "engine/FFmpegLogger.h"
#include "platform/kernel/Exceptions.h"
#include "platform/kernel/MainThread.h"
#include "platform/kernel/Thread.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <mutex>
#include <string>
#include <vector>

namespace {

constexpr DWORD kGuardMs = 10000;

struct Line {
    const void* Sender;
    std::uint32_t ThreadID;
    TLogLevel Level;
    std::string Text;
    bool OnMain;
};

// A library object as avutil sees one: its first member points to its class.
const char* TestItemName(void*)
{
    return "zdtest";
}
AVClass MakeTestClass()
{
    AVClass avClass{};
    avClass.class_name = "ZdTest";
    avClass.item_name = TestItemName;
    avClass.version = LIBAVUTIL_VERSION_INT;
    return avClass;
}
const AVClass testClass = MakeTestClass();
struct TestContext {
    const AVClass* Class = &testClass;
} context;

std::string Prefix(const void* ctx)
{
    char text[64];
    std::snprintf(text, sizeof text, "[zdtest @ %p]", ctx);
    return text;
}

// The process logger with its callback installed into the real avutil; OnLog records lines.
class FFmpegLoggerTest : public testing::Test {
protected:
    void SetUp() override
    {
        FFLoader().SetInstallLogger(true);
        ASSERT_TRUE(FFLoader().Load(avUtil)) << FFLoader().GetLastErrMsg();
        logger_.SetOnLog([this](const void* sender, std::uint32_t thread, TLogLevel level, const std::string& text) {
            std::lock_guard<std::mutex> lock(mutex_);
            lines_.push_back(Line{sender, thread, level, text, MainThread::IsMainThread()});
        });
    }

    void TearDown() override
    {
        MainThread::ServePending();
        logger_.SetLogLevel(llInfo);  // the library level outlives this logger
        FFLoader().Unload(avUtil);
    }

    std::vector<Line> Lines()
    {
        std::lock_guard<std::mutex> lock(mutex_);
        return lines_;
    }
    std::vector<std::string> Texts()
    {
        std::vector<std::string> texts;
        for (const Line& line : Lines())
            texts.push_back(line.Text);
        return texts;
    }
    bool WaitForLines(std::size_t count)
    {
        return MainThread::WaitServing([&] { return Lines().size() >= count; }, kGuardMs);
    }

    TFFLogger logger_;
    std::mutex mutex_;
    std::vector<Line> lines_;
};

} // namespace

TEST_F(FFmpegLoggerTest, LibraryPiecesBecomeWholeLinesAtTheLevelOfTheEndingPiece)
{
    ff::av_log(nullptr, AV_LOG_WARNING, "first piece, ");
    ff::av_log(nullptr, AV_LOG_DEBUG, "above the threshold, dropped, ");
    ff::av_log(nullptr, AV_LOG_ERROR, "second piece\n");
    ff::av_log(nullptr, AV_LOG_INFO, "two\nlines\nand a rest");
    ASSERT_EQ(3u, Lines().size());
    ff::av_log(nullptr, AV_LOG_FATAL, "\n");

    std::vector<Line> lines = Lines();
    ASSERT_EQ(4u, lines.size());
    EXPECT_EQ("first piece, second piece", lines[0].Text);
    EXPECT_EQ(llError, lines[0].Level);
    EXPECT_EQ("two", lines[1].Text);
    EXPECT_EQ("lines", lines[2].Text);
    EXPECT_EQ(llInfo, lines[2].Level);
    EXPECT_EQ("and a rest", lines[3].Text);
    EXPECT_EQ(llFatal, lines[3].Level);
    for (const Line& line : lines) {
        EXPECT_EQ(&logger_, line.Sender);
        EXPECT_EQ(GetCurrentThreadId(), line.ThreadID);
    }
}

TEST_F(FFmpegLoggerTest, PrefixOnlyOnTheFirstPieceOfALine)
{
    ff::av_log(&context, AV_LOG_INFO, "Stream #%d: ", 0);
    ff::av_log(&context, AV_LOG_INFO, "Video: %s\n", "mpeg4");
    ff::av_log(nullptr, AV_LOG_INFO, "no context, ");
    ff::av_log(&context, AV_LOG_INFO, "context later\n");
    EXPECT_EQ((std::vector<std::string>{Prefix(&context) + "Stream #0: Video: mpeg4", "no context, context later"}),
              Texts());
}

TEST_F(FFmpegLoggerTest, LinesDecodeAsUTF8AcrossPieces)
{
    ff::av_log(nullptr, AV_LOG_INFO, "\xE8\xA7");  // the first two bytes of one character
    ff::av_log(nullptr, AV_LOG_INFO, "\x86\xE9\xA2\x91 %s\n", "bad \xFF byte");
    EXPECT_EQ((std::vector<std::string>{"视频 bad \xEF\xBF\xBD byte"}), Texts());
}

TEST_F(FFmpegLoggerTest, SeveralThreadsEachGetTheirOwnLinesOnTheMainThread)
{
    // The pieces interleave: a1 b1 a2 b2, each thread's line ends with its second piece.
    Event aFirst(false, false), bFirst(false, false), aSecond(false, false);
    Thread a, b;
    a.Start([&] {
        ff::av_log(nullptr, AV_LOG_INFO, "a1 ");
        aFirst.Set();
        bFirst.WaitFor(kGuardMs);
        ff::av_log(nullptr, AV_LOG_WARNING, "a2\n");
        aSecond.Set();
    });
    b.Start([&] {
        aFirst.WaitFor(kGuardMs);
        ff::av_log(nullptr, AV_LOG_INFO, "b1 ");
        bFirst.Set();
        aSecond.WaitFor(kGuardMs);
        ff::av_log(nullptr, AV_LOG_ERROR, "b2\n");
    });
    ASSERT_TRUE(WaitForLines(2));
    a.Join();
    b.Join();

    std::vector<Line> lines = Lines();
    ASSERT_EQ(2u, lines.size());
    EXPECT_EQ("a1 a2", lines[0].Text);
    EXPECT_EQ(a.Id(), lines[0].ThreadID);
    EXPECT_EQ(llWarning, lines[0].Level);
    EXPECT_EQ("b1 b2", lines[1].Text);
    EXPECT_EQ(b.Id(), lines[1].ThreadID);
    EXPECT_EQ(llError, lines[1].Level);
    EXPECT_TRUE(lines[0].OnMain && lines[1].OnMain);
}

TEST_F(FFmpegLoggerTest, TheCallbackNeverWaitsForTheMainThread)
{
    Event logged(true, false);
    Thread worker;
    worker.Start([&] {
        ff::av_log(nullptr, AV_LOG_ERROR, "while the main thread is busy\n");
        logged.Set();
    });
    // A plain wait: the main thread serves nothing until the worker has returned from av_log.
    ASSERT_TRUE(logged.WaitFor(kGuardMs));
    worker.Join();
    EXPECT_TRUE(Lines().empty());
    MainThread::ServePending();
    EXPECT_EQ((std::vector<std::string>{"while the main thread is busy"}), Texts());
}

TEST_F(FFmpegLoggerTest, NoExceptionLeavesTheCallback)
{
    logger_.SetOnLog([](const void*, std::uint32_t, TLogLevel, const std::string&) { throw Exception("handler failed"); });
    EXPECT_NO_THROW(ff::av_log(nullptr, AV_LOG_ERROR, "line\n"));
}

TEST_F(FFmpegLoggerTest, EngineMessagesPassByLevel)
{
    struct Case {
        TLogLevel threshold;
        TLogLevel message;
        bool passes;
    } cases[] = {
        {llError, llError, true},   {llError, llFatal, true},   {llError, llWarning, false},
        {llError, llInfo, false},   {llError, llVerbose, true}, {llError, llDebug, false},
        {llError, llQuiet, true},   {llQuiet, llQuiet, true},   {llQuiet, llPanic, false},
        {llQuiet, llVerbose, false}, {llDebug, llDebug, true},
    };
    for (const Case& c : cases) {
        lines_.clear();
        logger_.SetLogLevel(c.threshold);
        logger_.Log(this, c.message, "message");
        EXPECT_EQ(c.passes ? 1u : 0u, Lines().size()) << int(c.threshold) << " / " << int(c.message);
        if (c.passes) {
            EXPECT_EQ(this, Lines()[0].Sender);
            EXPECT_EQ(c.message, Lines()[0].Level);
        }
    }

    lines_.clear();
    logger_.SetLogLevel(llInfo);
    logger_.Log(this, llInfo, "%s has %d streams", std::string("视频.avi"), 2);
    logger_.Log(this, llInfo, "100% literal");
    EXPECT_EQ((std::vector<std::string>{"视频.avi has 2 streams", "100% literal"}), Texts());
}

TEST_F(FFmpegLoggerTest, EngineMessageFromAWorkerWaitsUntilTheMainThreadRanOnLog)
{
    bool deliveredBeforeReturn = false;
    Event done(true, false);
    Thread worker;
    worker.Start([&] {
        logger_.Log(nullptr, llWarning, "from the worker");
        deliveredBeforeReturn = Lines().size() == 1;
        done.Set();
    });
    ASSERT_TRUE(MainThread::WaitServing(done, kGuardMs));
    worker.Join();
    EXPECT_TRUE(deliveredBeforeReturn);
    ASSERT_EQ(1u, Lines().size());
    EXPECT_TRUE(Lines()[0].OnMain);
    EXPECT_EQ(worker.Id(), Lines()[0].ThreadID);

    // Without the hand-over OnLog runs on the logging thread.
    logger_.SetTriggerEventInMainThread(false);
    worker.Start([&] { logger_.Log(nullptr, llWarning, "direct"); });
    worker.Join();
    ASSERT_EQ(2u, Lines().size());
    EXPECT_FALSE(Lines()[1].OnMain);
}

TEST_F(FFmpegLoggerTest, OptLogLevelSetsTheLevelOfLoggerAndLibrary)
{
    struct Case {
        const char* arg;
        TLogLevel level;
    } cases[] = {
        {"warning", llWarning}, {"QUIET", llQuiet}, {"Verbose", llVerbose}, {"20", llError},
        {"-1", llPanic},        {"-100", llQuiet},  {"99", llDebug},        {"+32", llInfo},
    };
    for (const Case& c : cases) {
        logger_.OptLogLevel(c.arg);
        EXPECT_EQ(c.level, logger_.GetLogLevel()) << c.arg;
        EXPECT_EQ(LogLevelToAV(c.level), ff::av_log_get_level()) << c.arg;
    }
    for (const char* bad : {"loud", "", "12abc", "99999999999"}) {
        try {
            logger_.OptLogLevel(bad);
            ADD_FAILURE() << bad;
        } catch (const Exception& e) {
            EXPECT_EQ("'" + std::string(bad) + "' is not a valid integer value", e.Message());
        }
    }

    logger_.OptLogLevel("warning");
    ff::av_log(nullptr, AV_LOG_INFO, "now below the threshold\n");
    EXPECT_TRUE(Lines().empty());
}

TEST_F(FFmpegLoggerTest, ALevelSetBeforeAvutilLoadsIsAppliedByTheCallback)
{
    FFLoader().Unload(avUtil);
    logger_.SetLogLevel(llDebug);
    EXPECT_EQ(llDebug, logger_.GetLogLevel());
    ASSERT_TRUE(FFLoader().Load(avUtil));
    EXPECT_EQ(48, ff::av_log_get_level());
    ff::av_log(nullptr, AV_LOG_DEBUG, "debug passes\n");
    EXPECT_EQ((std::vector<std::string>{"debug passes"}), Texts());
}

TEST_F(FFmpegLoggerTest, OneLoggerPerProcess)
{
    EXPECT_EQ(&logger_, &GetLogger());
    try {
        TFFLogger second;
        ADD_FAILURE() << "a second logger was made";
    } catch (const EAssertionFailed& e) {
        EXPECT_EQ(0u, e.Message().find("Allow creating only one instance of TFFLogger.")) << e.Message();
    }
    EXPECT_TRUE(logger_.GetTriggerEventInMainThread());
}

// A logger made on first use, before the program made its own (the engine logged early), gives
// way to the program's; beside the program's logger a second one is still refused.
TEST(LoggerHandOver, TheLoggerMadeOnFirstUseGivesWayToTheProgramsOwn)
{
    TFFLogger& early = GetLogger();
    std::vector<std::string> lines;
    {
        TFFLogger own;
        own.SetOnLog([&](const void*, std::uint32_t, TLogLevel, const std::string& text) { lines.push_back(text); });
        EXPECT_EQ(&own, &GetLogger());
        EXPECT_NE(&early, &own);
        GetLogger().Log(nullptr, llInfo, "to the program's logger");
        EXPECT_EQ(std::vector<std::string>{"to the program's logger"}, lines);
        EXPECT_THROW(TFFLogger second, EAssertionFailed);
    }
    // Once the program's logger is gone, logging still finds a logger.
    GetLogger().Log(nullptr, llInfo, "nobody listens");
    EXPECT_EQ(1u, lines.size());
}

TEST(LogLevels, LibraryLevelTable)
{
    const int av[] = {-8, 0, 8, 16, 24, 32, 40, 48};
    for (int level = llQuiet; level <= llDebug; ++level) {
        EXPECT_EQ(av[level], LogLevelToAV(static_cast<TLogLevel>(level)));
        EXPECT_EQ(level, AVLevelToLogLevel(av[level]));
    }
    EXPECT_EQ(llPanic, AVLevelToLogLevel(7));
    EXPECT_EQ(llFatal, AVLevelToLogLevel(15));
    EXPECT_EQ(llQuiet, AVLevelToLogLevel(-16));
    EXPECT_EQ(llDebug, AVLevelToLogLevel(56));
}
