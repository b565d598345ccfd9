#pragma once
// Conversions for the tests: a converter that opens its inputs and its output from option lists
// and runs inline, and what the output holds when it is opened again with the format library.

#include "engine/FFmpeg.h"
#include "engine/FFmpegEntries.h"

#include "ConverterLibraries.h"
#include "TestPaths.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

using Options = std::vector<std::pair<std::string, std::string>>;

class TranscodeConverter : public TCustomFFmpeg {
public:
    explicit TranscodeConverter(int maxFiles = 4) : TCustomFFmpeg(maxFiles) { Reset(); }

    void Options(const ::Options& options)
    {
        for (const auto& [name, value] : options)
            DispatchOption(name, value);
    }
    // Opens the fixture as the next input after applying the options.
    void Input(const std::string& fixtureName, const ::Options& options = {})
    {
        Options(options);
        ASSERT_TRUE(OpenInputFile(zdtest::fixture(fixtureName))) << LastErrMsg();
    }
    void Output(const std::string& fileName, const ::Options& options = {}, bool join = false)
    {
        Options(options);
        ASSERT_GT(OpenOutputFile(fileName, join), 0) << LastErrMsg();
    }
    // Runs inline; the end report's message when it failed, else empty.
    std::string Run()
    {
        StartConvert(false, ThreadPriority::Normal);
        EXPECT_TRUE(Terminated());
        return FatalException() ? FatalMessage() : std::string();
    }

    int FramesDuplicated() const { return Fnb_frames_dup; }
    int FramesDropped() const { return Fnb_frames_drop; }

    using TCustomFFmpeg::FEncoderList;
    using TCustomFFmpeg::FDecoderList;
    using TCustomFFmpeg::Fdts_delta_threshold;
};

// Converts the fixture into the file with the options, inline: the end report's message when the
// run failed, else empty.
inline std::string ConvertFixture(const std::string& fixtureName, const std::string& out, const Options& options)
{
    TranscodeConverter c;
    c.Input(fixtureName);
    c.Output(out, options);
    return c.Run();
}

// One stream of a file as the format library reads it back.
struct StreamInfo {
    AVMediaType type = AVMEDIA_TYPE_UNKNOWN;
    std::string codec;
    int width = 0;
    int height = 0;
    int pix_fmt = -1;
    int sample_rate = 0;
    int channels = 0;
    int packets = 0;
    // From the first packet's start to the last packet's end, seconds.
    double start = 0;
    double duration = 0;
    std::vector<std::int64_t> pts;
    std::vector<std::int64_t> durations;
    AVRational time_base{0, 1};
    AVRational avg_frame_rate{0, 1};
};

struct MediaInfo {
    bool opened = false;
    std::string format;
    double duration = 0;  // the container's, seconds
    std::vector<StreamInfo> streams;

    const StreamInfo* Find(AVMediaType type) const
    {
        for (const StreamInfo& s : streams)
            if (s.type == type)
                return &s;
        return nullptr;
    }
};

// Opens the file and reads every packet.
MediaInfo Probe(const std::string& fileName);

// The decoded pictures of the file's first video stream (planes of gray levels: the luma plane
// only), in display order.
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> luma;
    std::uint8_t At(int x, int y) const { return luma[static_cast<size_t>(y) * width + x]; }
};
std::vector<Picture> DecodePictures(const std::string& fileName);

// The decoded samples of the file's first audio stream as doubles in -1..1, channels interleaved.
struct Sound {
    int sample_rate = 0;
    int channels = 0;
    std::vector<double> samples;
};
Sound DecodeSound(const std::string& fileName);

// Writes a 16-bit PCM WAV file of a 440 Hz tone; its header says what it is told, however odd.
void WriteTone(const std::string& fileName, std::uint32_t rate, int channels, int samples);

// Writes a Matroska file with one raw-video stream (YUV 4:2:0) whose header claims the size,
// holding packets of the given bytes at 25 per second.
void WriteRawVideo(const std::string& fileName, int width, int height, int packets, int packetBytes);

// Libraries loaded; the log lines of the run collected as "<level> <text>".
class TranscodeTest : public ConverterLibrariesTest {
protected:
    void SetUp() override;
    void TearDown() override;
    bool Logged(const std::string& text) const;

    std::vector<std::string> log;
    zdtest::TempDir dir;
};
