#include "engine/EngineUtils.h"
#include "platform/kernel/AppPath.h"
#include "platform/kernel/MainThread.h"
#include "platform/kernel/Thread.h"

#include "TestPaths.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <optional>

namespace {

// Runs a test body in the given time zone (a POSIX TZ rule, so no zone database is needed).
class TimeZone {
public:
    explicit TimeZone(const char* rule)
    {
        if (const char* old = std::getenv("TZ"))
            old_ = old;
        setenv("TZ", rule, 1);
        tzset();
    }
    ~TimeZone()
    {
        if (old_)
            setenv("TZ", old_->c_str(), 1);
        else
            unsetenv("TZ");
        tzset();
    }

private:
    std::optional<std::string> old_;
};

} // namespace

TEST(EngineUtils, FormatFileSize)
{
    struct Case {
        std::int64_t size;
        const char* text;
    } cases[] = {
        {0, "0 Byte"},
        {-5, "-5 Byte"},
        {1024, "1024 Byte"},
        {1025, "1.00 KB"},
        {1048576, "1024.00 KB"},
        {1048577, "1.00 MB"},
        {1572864 + 1, "1.50 MB"},
        {1073741824, "1024.00 MB"},
        {1073741825, "1.00 GB"},
        {5LL * 1073741824 + 536870912, "5.50 GB"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.text, FormatFileSize(c.size)) << c.size;
}

TEST(EngineUtils, FetchToken)
{
    struct Case {
        const char* text;
        const char* delimiter;
        bool remove;
        const char* token;
        const char* rest;
    } cases[] = {
        {"vcodec=mpeg4", "=", true, "vcodec", "mpeg4"},
        {"vcodec=mpeg4", "=", false, "vcodec", "vcodec=mpeg4"},
        {"vf=crop=1:2", "=", true, "vf", "crop=1:2"},
        {"novalue", "=", true, "novalue", ""},
        {"novalue", "=", false, "novalue", "novalue"},
        {"=value", "=", true, "", "value"},
        {"a<CRLF>b<CRLF>c", "<CRLF>", true, "a", "b<CRLF>c"},
        {"a<crlf>b", "<CRLF>", true, "a<crlf>b", ""},
        {"", "=", true, "", ""},
    };
    for (const Case& c : cases) {
        std::string text = c.text;
        EXPECT_EQ(c.token, FetchToken(text, c.delimiter, c.remove)) << c.text;
        EXPECT_EQ(c.rest, text) << c.text;
    }
}

TEST(EngineUtils, GetFileSize64)
{
    zdtest::TempDir temp;
    std::ofstream(temp.file("empty.avi")).close();
    std::ofstream(temp.file("视频 Café.txt")) << "12345";
    EXPECT_EQ(0, GetFileSize64(temp.file("empty.avi")));
    EXPECT_EQ(5, GetFileSize64(temp.file("视频 Café.txt")));
    EXPECT_EQ(-1, GetFileSize64(temp.file("missing.avi")));
    EXPECT_EQ(-1, GetFileSize64(temp.path()));  // a folder is no file
    EXPECT_EQ(-1, GetFileSize64(""));
}

TEST(EngineUtils, SeekFlagsToInt)
{
    EXPECT_EQ(0, SeekFlagsToInt({}));
    EXPECT_EQ(1, SeekFlagsToInt({sfBackward}));
    EXPECT_EQ(5, SeekFlagsToInt({sfBackward, sfAny}));
    EXPECT_EQ(2, SeekFlagsToInt({sfByte}));
    EXPECT_EQ(8, SeekFlagsToInt({sfFrame}));
    EXPECT_EQ(15, SeekFlagsToInt({sfBackward, sfByte, sfAny, sfFrame}));
}

TEST(EngineUtils, UnixTimeBecomesLocalTimeWithTheDatesOwnOffset)
{
    {
        TimeZone utc("UTC0");
        EXPECT_DOUBLE_EQ(25569.0, UnixToDateTime(0));
        EXPECT_DOUBLE_EQ(0.0, GetTimeZoneBias());
    }
    TimeZone central("CET-1CEST,M3.5.0,M10.5.0/3");
    const std::int64_t winter = 1705320000;  // 2024-01-15 12:00:00 UTC
    const std::int64_t summer = 1721044800;  // 2024-07-15 12:00:00 UTC
    EXPECT_DOUBLE_EQ(1.0 / 24, GetTimeZoneBias(winter));
    EXPECT_DOUBLE_EQ(2.0 / 24, GetTimeZoneBias(summer));
    EXPECT_EQ("2024-01-15 13:00:00", FormatDateTimeText("yyyy-mm-dd hh:nn:ss", UnixToDateTime(winter)));
    EXPECT_EQ("2024-07-15 14:00:00", FormatDateTimeText("yyyy-mm-dd hh:nn:ss", UnixToDateTime(summer)));
}

TEST(EngineUtils, FormatDateTimeText)
{
    // 2009-03-07 14:05:09.045
    const TDateTime moment = 39879.0 + (14 * 3600 + 5 * 60 + 9.045) / 86400.0;
    struct Case {
        const char* format;
        const char* text;
    } cases[] = {
        {"yyyy-mm-dd hh:nn:ss", "2009-03-07 14:05:09"},
        {"hhnnss", "140509"},
        {"yy/m/d h:n:s", "09/3/7 14:5:9"},
        {"hh:mm", "14:05"},  // minutes right after an hour
        {"mm hh mm", "03 14 05"},
        {"YYYY-MM-DD", "2009-03-07"},
        {"ss.zzz", "09.045"},
        {"'day' d \"of\" mm", "day 7 of 03"},
        {"", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.text, FormatDateTimeText(c.format, moment)) << c.format;
    EXPECT_EQ("1899-12-30 00:00:00", FormatDateTimeText("yyyy-mm-dd hh:nn:ss", 0.0));
    EXPECT_EQ("2000-03-01 00:00:00", FormatDateTimeText("yyyy-mm-dd hh:nn:ss", 36586.0 - 1e-9));
}

TEST(EngineUtils, AppFolderAndMainThreadServices)
{
    EXPECT_EQ(GetExecutablePath(), GetAppFilePath());
    EXPECT_EQ('/', GetAppFolder().back());
    EXPECT_EQ(0u, GetAppFilePath().find(GetAppFolder()));

    bool ranOnMain = false;
    Event done(true, false);
    Thread worker;
    worker.Start([&] {
        RunInMainThread([&] { ranOnMain = MainThread::IsMainThread(); });
        done.Set();
    });
    ASSERT_TRUE(MainThread::WaitServing(done, 10000));
    worker.Join();
    EXPECT_TRUE(ranOnMain);

    int served = 0;
    MainThread::Post([&] { ++served; });
    MainThread::Post([&] { ++served; });
    ProcessPendingMessages();
    EXPECT_EQ(2, served);

    // A quit request survives the pump, for the real message loop.
    MainThread::Post([] { MainThread::PostQuit(0); });
    ProcessPendingMessages();
    EXPECT_FALSE(ProcessMessage());
    EXPECT_TRUE(MainThread::QuitRequested(nullptr));
}
