#include "engine/AVProbe.h"
#include "engine/FFmpegEntries.h"
#include "platform/kernel/Exceptions.h"

#include "ConverterLibraries.h"
#include "TestPaths.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <regex>
#include <vector>

namespace {

class AVProbeTest : public ConverterLibrariesTest {
protected:
    void SetUp() override
    {
        ConverterLibrariesTest::SetUp();
        logger.SetLogLevel(llDebug);
        logger.SetOnLog([this](const void*, std::uint32_t, TLogLevel, const std::string& line) {
            logged.push_back(line);
        });
    }

    // The text's lines; every line must end in CR LF.
    static std::vector<std::string> Lines(const std::string& text)
    {
        std::vector<std::string> lines;
        size_t start = 0;
        while (start < text.size()) {
            const size_t end = text.find("\r\n", start);
            EXPECT_NE(end, std::string::npos) << "unterminated line: " << text.substr(start);
            if (end == std::string::npos)
                break;
            lines.push_back(text.substr(start, end - start));
            start = end + 2;
        }
        return lines;
    }

    // Each line must match its pattern, in order, and no line may be left over.
    static void ExpectLines(const std::vector<std::string>& lines, const std::vector<std::string>& patterns)
    {
        ASSERT_EQ(lines.size(), patterns.size()) << ::testing::PrintToString(lines);
        for (size_t i = 0; i < lines.size(); ++i)
            EXPECT_TRUE(std::regex_match(lines[i], std::regex(patterns[i])))
                << "line " << i << ": " << lines[i] << "\n  pattern: " << patterns[i];
    }

    std::vector<std::string> logged;
    TAVProbe probe;
};

TEST_F(AVProbeTest, FileInfoTextOfAFileWithoutMetadataOrPrograms)
{
    const std::string file = zdtest::fixture("sample.avi");
    ASSERT_TRUE(probe.LoadFile(file)) << probe.LastErrMsg();
    ExpectLines(Lines(probe.FileInfoText()),
                {
                    "File Name: " + file,
                    "Format Name: avi",
                    "Format Long Name: AVI \\(Audio Video Interleaved\\)",
                    "File Size: 8[0-9]\\.[0-9]{2} KB",
                    "Duration: 00:00:02\\.[0-9]{3}",
                    "StartTime: 0\\.000000",
                    "Bit Rate: [0-9]+ kb/s",
                    "Stream #0, 1/25: Video: mpeg4 .*160x120.*, 25 fps, 25 tbr, 25 tbn, StartTime: 0\\.000000, "
                    "Duration: 00:00:02\\.[0-9]{3}",
                    "Stream #1, [0-9]+/[0-9]+: Audio: mp3 .*44100 Hz, stereo.*, StartTime: 0\\.000000, "
                    "Duration: 00:00:02\\.[0-9]{3}",
                });
    EXPECT_EQ(2, probe.StreamCount());
    EXPECT_EQ(0, probe.FirstVideoStreamIndex());
    EXPECT_EQ(1, probe.FirstAudioStreamIndex());
    EXPECT_EQ(-1, probe.FirstSubtitleStreamIndex());
}

TEST_F(AVProbeTest, FileInfoTextShowsMetadataProgramsAndStreamIds)
{
    ASSERT_TRUE(probe.LoadFile(zdtest::fixture("tagged.mp3")));
    ExpectLines(Lines(probe.FileInfoText()),
                {
                    "File Name: .*tagged\\.mp3",
                    "Format Name: mp3",
                    "Format Long Name: MP2/3 \\(MPEG audio layer 2/3\\)",
                    "File Size: 3[0-9]\\.[0-9]{2} KB",
                    "Duration: 00:00:02\\.[0-9]{3}",
                    "StartTime: 0\\.[0-9]{6}",
                    "Bit Rate: 1[0-9]{2} kb/s",
                    "Metadata:",
                    "  title           : Test Title",
                    "  artist          : Test Artist",
                    "Stream #0, 1/14112000: Audio: mp3.*, StartTime: 0\\.[0-9]{6}, Duration: 00:00:02\\.[0-9]{3}",
                    "  Metadata:",
                    "    encoder         : Lavf lame",
                });
    EXPECT_EQ("Test Title", probe.FileStreamInfo().Title);
    EXPECT_EQ("Test Artist", probe.FileStreamInfo().Author);

    // Program 2's streams come last in the file; each program lists its own streams.
    ASSERT_TRUE(probe.LoadFile(zdtest::fixture("programs.ts")));
    const std::vector<std::string> lines = Lines(probe.FileInfoText());
    std::vector<std::string> tail(lines.begin() + 7, lines.end());
    ExpectLines(tail, {
                          "Program 1 FFmpeg@Service01",
                          "  Metadata:",
                          "    service_name    : Service01",
                          "    service_provider: FFmpeg",
                          "Stream #0\\[0x100\\], 1/90000: Video: mpeg2video .*160x120.*, 25 fps, 25 tbr, 90k tbn, "
                          "StartTime: 1\\.440000, Duration: 00:00:01\\.000",
                          "Stream #1\\[0x101\\], 1/90000: Audio: mp2 .*44100 Hz, stereo.*",
                          "Program 2 FFmpeg@Service02",
                          "  Metadata:",
                          "    service_name    : Service02",
                          "    service_provider: FFmpeg",
                          "Stream #2\\[0x102\\], 1/90000: Video: mpeg2video .*176x144.*",
                          "Stream #3\\[0x103\\], 1/90000: Audio: mp2 .*22050 Hz, mono.*",
                      });
    EXPECT_EQ(2, probe.ProgramCount());
}

TEST_F(AVProbeTest, StreamRecordsAndTheirChecks)
{
    ASSERT_TRUE(probe.LoadFile(zdtest::fixture("sample.avi")));
    const TVideoStreamInfo video = probe.FirstVideoStreamInfo();
    EXPECT_EQ(160, video.Width);
    EXPECT_EQ(120, video.Height);
    EXPECT_EQ(25, video.FrameRate.num);
    EXPECT_EQ(1, video.FrameRate.den);
    EXPECT_NEAR(160.0 / 120.0, video.AspectRatio, 1e-5);
    EXPECT_EQ(AV_PIX_FMT_YUV420P, video.PixFmt);
    EXPECT_EQ(0, video.StartTimeScaled);
    EXPECT_EQ(2040000, video.DurationScaled);  // the AVI's frame count, 51
    EXPECT_EQ(0u, video.CodecName.find("mpeg4"));

    const TAudioStreamInfo audio = probe.GetAudioStreamInfo(1);
    EXPECT_EQ(2, audio.Channels);
    EXPECT_EQ(44100, audio.SampleRate);

    struct Case {
        std::function<bool()> call;
        std::string message;
    };
    const Case cases[] = {
        {[&] { return probe.IsVideoStream(2); }, "stream index #2 is invalid."},
        {[&] { return probe.IsAudioStream(-1); }, "stream index #-1 is invalid."},
        {[&] { return probe.GetVideoStreamInfo(1).Width != -1; }, "stream #1 is not video stream."},
        {[&] { return probe.FirstSubtitleStreamInfo().CodecName != ""; }, "no subtitle stream."},
        {[&] { return probe.Decode(1); }, "stream #1 is not video stream."},
    };
    for (const Case& c : cases) {
        EXPECT_FALSE(c.call()) << c.message;
        EXPECT_EQ(c.message, probe.LastErrMsg());
    }

    ASSERT_TRUE(probe.LoadFile(zdtest::fixture("ntsc.avi")));
    const TAudioStreamInfo none = probe.FirstAudioStreamInfo();
    EXPECT_EQ("no audio stream.", probe.LastErrMsg());
    EXPECT_EQ(-1, none.Channels);
    EXPECT_EQ(-1, none.SampleRate);
    EXPECT_EQ(-1, none.StartTime);
    EXPECT_EQ(1, probe.GetVideoStreamInfo(0).FrameRate.den == 1001 ? 1 : 0);

    // A start time later than 0 is shown and kept in the records.
    ASSERT_TRUE(probe.LoadFile(zdtest::fixture("pal169.mpg")));
    EXPECT_NEAR(1400000, probe.FileStreamInfo().StartTime, 100000);
    EXPECT_NE(std::string::npos, probe.FileInfoText().find("StartTime: 1."));
}

TEST_F(AVProbeTest, FilesThatCannotBeOpenedFailWithTheirMessage)
{
    struct Case {
        std::string file;
        std::string format;
        std::string message;
    };
    const Case cases[] = {
        {zdtest::fixture("notmedia.avi"), "", zdtest::fixture("notmedia.avi") + ": Invalid data found when processing input"},
        {zdtest::fixture("cutheader.avi"), "", zdtest::fixture("cutheader.avi") + ": Invalid data found when processing input"},
        {zdtest::fixture("missing.avi"), "", zdtest::fixture("missing.avi") + ": No such file or directory"},
        {zdtest::fixture("sample.avi"), "nosuchformat", "Unknown input format: nosuchformat"},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(probe.LoadFile(zdtest::fixture("sample.avi")));
        logged.clear();
        EXPECT_FALSE(probe.LoadFile(c.file, c.format)) << c.file;
        EXPECT_EQ(c.message, probe.LastErrMsg());
        // A failed load ends without a file.
        EXPECT_EQ(-1, probe.StreamCount());
        EXPECT_EQ(-1, probe.FileSize());
        EXPECT_EQ("", probe.FileInfoText());
        EXPECT_EQ("file not loaded.", probe.LastErrMsg());
    }
    // The unknown format name is only stored, never logged.
    EXPECT_TRUE(std::find(logged.begin(), logged.end(), "Unknown input format: nosuchformat") == logged.end());

    // A file cut short opens as far as it goes: its streams are there, its pictures end early.
    ASSERT_TRUE(probe.LoadFile(zdtest::fixture("truncated.avi"))) << probe.LastErrMsg();
    int pictures = 0;
    while (probe.Decode())
        ++pictures;
    EXPECT_GT(pictures, 0);
    EXPECT_LT(pictures, 50);
    EXPECT_EQ("stream eof reached.", probe.LastErrMsg());
    EXPECT_TRUE(probe.IsEOF());
}

TEST_F(AVProbeTest, KeyFrameStepsOnAGroupOfTwelveLandOnKeyFrames)
{
    ASSERT_TRUE(probe.LoadFile(zdtest::fixture("sample.avi")));
    // Every picture in order: the key frames are twelve pictures apart.
    std::vector<std::int64_t> keys, all;
    while (probe.Decode()) {
        all.push_back(probe.FrameInfo().PTS);
        if (probe.FrameInfo().IsKeyFrame)
            keys.push_back(probe.FrameInfo().PTS);
    }
    ASSERT_EQ(5u, keys.size());
    for (size_t i = 1; i < keys.size(); ++i)
        EXPECT_EQ(12, std::find(all.begin(), all.end(), keys[i]) - std::find(all.begin(), all.end(), keys[i - 1]));

    ASSERT_TRUE(probe.Seek(0, {}));
    ASSERT_TRUE(probe.Decode());
    std::vector<std::int64_t> forward{probe.FrameInfo().PTS};
    while (probe.DecodeNextKeyFrame()) {
        EXPECT_TRUE(probe.FrameInfo().IsKeyFrame) << probe.FrameInfo().PTS;
        EXPECT_EQ(ptI, probe.FrameInfo().PictureType);
        forward.push_back(probe.FrameInfo().PTS);
    }
    EXPECT_EQ(keys, forward);

    // Backward from the last key frame to the first; at the start of the stream the search stays
    // on the first picture.
    std::vector<std::int64_t> backward{forward.back()};
    ASSERT_TRUE(probe.Seek(forward.back(), {sfBackward}));
    ASSERT_TRUE(probe.Decode());
    while (probe.FrameInfo().PTS > 0) {
        ASSERT_TRUE(probe.DecodePreviousKeyFrame()) << probe.LastErrMsg();
        EXPECT_TRUE(probe.FrameInfo().IsKeyFrame) << probe.FrameInfo().PTS;
        backward.push_back(probe.FrameInfo().PTS);
    }
    EXPECT_EQ(std::vector<std::int64_t>(keys.rbegin(), keys.rend()), backward);
    EXPECT_TRUE(probe.DecodePreviousKeyFrame());
    EXPECT_EQ(0, probe.FrameInfo().PTS);

    // One picture back from a picture between key frames.
    ASSERT_TRUE(probe.Seek(keys[1], {}));
    for (int i = 0; i < 5; ++i)
        ASSERT_TRUE(probe.Decode());
    const std::int64_t fifth = probe.FrameInfo().PTS;
    ASSERT_TRUE(probe.DecodePreviousFrame());
    EXPECT_EQ(fifth - 40000, probe.FrameInfo().PTS);
    EXPECT_FALSE(probe.FrameInfo().IsKeyFrame);
}

TEST_F(AVProbeTest, ThePreviousKeyFrameSearchEndsWhenTheFirstPictureIsStampedAfterTheStart)
{
    ASSERT_TRUE(probe.LoadFile(zdtest::fixture("headless.ts")));
    ASSERT_TRUE(probe.Decode());
    const std::int64_t first = probe.FrameInfo().PTS;
    EXPECT_GT(first, 0);
    EXPECT_FALSE(probe.DecodePreviousKeyFrame());
    EXPECT_EQ(0u, probe.LastErrMsg().find("Could not seek to the previous key-frame. "));
    EXPECT_FALSE(probe.DecodePreviousFrame());
}

TEST_F(AVProbeTest, SeekingResetsThePictureAndReportsThePosition)
{
    ASSERT_TRUE(probe.LoadFile(zdtest::fixture("sample.avi")));
    TFFPicture bitmap;
    EXPECT_FALSE(probe.CopyToBitmap(bitmap));
    EXPECT_EQ("picture not ready, please decode first", probe.LastErrMsg());

    ASSERT_TRUE(probe.Decode());
    ASSERT_TRUE(probe.CopyToBitmap(bitmap));
    EXPECT_EQ(160, bitmap.Width);
    EXPECT_EQ(120, bitmap.Height);
    EXPECT_EQ(160u * 120 * 4, bitmap.Pixels.size());

    ASSERT_TRUE(probe.Seek(0, {}));
    EXPECT_TRUE(std::regex_match(probe.LastErrMsg(), std::regex("seek to position [0-9]+ bytes")));
    EXPECT_FALSE(probe.FrameInfo().Ready);
    EXPECT_EQ(NoValueTime, probe.FrameInfo().PTS);
    EXPECT_GT(probe.Position(), 0);

    // Reading on from the end reports it; a seek makes the file readable again.
    while (probe.Decode()) {
    }
    EXPECT_TRUE(probe.IsEOF());
    EXPECT_FALSE(probe.Decode());
    ASSERT_TRUE(probe.Seek(0, {}));
    EXPECT_FALSE(probe.IsEOF());
    EXPECT_TRUE(probe.Decode());
}

TEST_F(AVProbeTest, AStillImageIsDecodedOnceAndCannotBeSeeked)
{
    ASSERT_TRUE(probe.LoadFile(zdtest::fixture("still.png"), "image2"));
    EXPECT_EQ("image2", probe.ForceFormat());
    ASSERT_TRUE(probe.Decode());
    EXPECT_TRUE(probe.Decode());
    EXPECT_TRUE(probe.Decode());
    EXPECT_EQ(64, probe.FrameInfo().Width);
    EXPECT_FALSE(probe.Seek(0, {}));
    EXPECT_EQ("\"image2\" format cannot to be seeked.", probe.LastErrMsg());
}

TEST_F(AVProbeTest, AnAttachedContextIsReadButNeverDecoded)
{
    TAVProbe owner;
    ASSERT_TRUE(owner.LoadFile(zdtest::fixture("sample.avi")));
    probe.SetFileHandle(owner.GetFileHandle());
    EXPECT_EQ(2, probe.StreamCount());
    EXPECT_EQ(zdtest::fixture("sample.avi"), probe.FileName());
    EXPECT_GT(probe.FileSize(), 80000);
    try {
        probe.Decode();
        FAIL() << "Decode on an attached context must raise";
    } catch (const Exception& e) {
        EXPECT_STREQ("file cannot be seeked, handle is readonly.", e.what());
    }
    // Forgetting the attached context leaves it open for its owner.
    probe.CloseFile();
    EXPECT_EQ(-1, probe.StreamCount());
    EXPECT_TRUE(owner.Decode());
}

} // namespace
