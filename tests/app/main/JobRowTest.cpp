#include "app/main/JobRow.h"

#include <gtest/gtest.h>

TEST(JobRowTexts, SecToDateKeepsHoursPastADay)
{
    const struct {
        std::int64_t seconds;
        const char* text;
    } cases[] = {
        {0, "00:00:00"},       {3661, "01:01:01"},      {59, "00:00:59"},      {86399, "23:59:59"},
        {86400, "24:00:00"},   {90000, "25:00:00"},     {360000, "100:00:00"}, {-5, "00:00:00"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SecToDate(c.seconds), c.text) << c.seconds;
}

TEST(JobRowTexts, DurationAndProgress)
{
    EXPECT_EQ(DurationText(30'999'999), "00:00:30");
    EXPECT_EQ(DurationText(0), "N/A");
    EXPECT_EQ(DurationText(-1), "N/A");

    EXPECT_EQ(ProgressText(30'000'000, 120'000'000), "25%");
    EXPECT_EQ(ProgressText(119'999'999, 120'000'000), "99%");
    EXPECT_EQ(ProgressText(130'000'000, 120'000'000), "108%");
    EXPECT_EQ(ProgressText(5, 0), "N/A");
    EXPECT_EQ(ProgressText(5, -1), "N/A");
    // Long files: the product must not overflow 64 bits.
    EXPECT_EQ(ProgressText(INT64_MAX / 2, INT64_MAX), "49%");
}

TEST(JobRowTexts, MegabytesToTheNearestHundredth)
{
    const struct {
        std::int64_t bytes;
        char32_t separator;
        const char* text;
    } cases[] = {
        {0, U'.', "0MB"},
        {1234567, U'.', "1.18MB"},
        {1048576, U'.', "1MB"},
        {1572864, U'.', "1.5MB"},
        {1234567, U',', "1,18MB"},
        // 0.005 MiB exactly is a tie: to even (0.00), 0.015 MiB to 0.02.
        {5242880 / 1000, U'.', "0MB"},
        {1048576 * 15 / 1000 + 1, U'.', "0.02MB"},
        {1048576LL * 1024 * 5, U'.', "5120MB"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MegabytesText(c.bytes, c.separator), c.text) << c.bytes;
}

TEST(JobRowTexts, NewRowPrintsTheOutputRecordBack)
{
    TOutputOptions output;
    InitOutputOptions(output);
    output.FileName = "/out/clip_2.mp4";
    output.VideoCodec = "mpeg4";
    output.AudioChannels = 2;
    output.VideoBitrate = 816000;
    output.FrameRate = "25";
    output.AudioSampleRate = 44100;
    TNewJobRow facts;
    facts.InputFileName = "/in/clip.avi";
    facts.Duration = 5'500'000;
    facts.FileSize = 1234567;
    facts.TaskIndex = 4;
    facts.SelectionCode = 1205;
    facts.ParameterCode = "000300001005";
    facts.Output = &output;

    const TJobRow row = MakeJobRow(facts, U'.');
    EXPECT_EQ(row.Caption, "/in/clip.avi");
    const std::array<std::string, JobRowSubItems> expected = {
        "00:00:05", "1.18MB", "clip_2.mp4", "", "", "", "", "5", "1205", "000300001005", "mpeg4", "", "2", "",
        "",         "",       "816000",     "25", "-1", "44100", "", "", "", ""};
    EXPECT_EQ(row.SubItems, expected);
}

TEST(JobRowTexts, NameParts)
{
    EXPECT_EQ(FileNamePart("/a/b/clip.avi"), "clip.avi");
    EXPECT_EQ(FileNamePart("clip.avi"), "clip.avi");
    EXPECT_EQ(WithoutExtension("movie.part1.mkv"), "movie.part1");
    EXPECT_EQ(WithoutExtension("clip"), "clip");
    EXPECT_EQ(ReplaceExtension("clip_2.avi", ".mp4"), "clip_2.mp4");
    EXPECT_EQ(ReplaceExtension("clip", ".mp4"), "clip.mp4");
}
