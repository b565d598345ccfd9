#include "PictureSupport.h"
#include "TranscodeConverter.h"

#include "platform/kernel/Clock.h"
#include "platform/kernel/DynLib.h"

#include <algorithm>
#include <sstream>

namespace {

using TranscodeVideo = TranscodeTest;

// The hook writes each picture's number into its top row as eight 16-pixel blocks, white for a
// set bit; the number is read back from the decoded output.
constexpr int kBits = 8;
constexpr int kBlock = 16;

void Stamp(TFFPicture& bitmap, int number)
{
    for (int bit = 0; bit < kBits; ++bit) {
        const std::uint8_t level = (number >> bit) & 1 ? 255 : 0;
        for (int y = 0; y < kBlock; ++y)
            for (int x = bit * kBlock; x < (bit + 1) * kBlock; ++x) {
                std::uint8_t* pixel = &bitmap.Pixels[(static_cast<size_t>(y) * bitmap.Width + x) * 4];
                pixel[0] = pixel[1] = pixel[2] = level;
            }
    }
}

int ReadStamp(const Picture& picture)
{
    int number = 0;
    for (int bit = 0; bit < kBits; ++bit)
        if (picture.At(bit * kBlock + kBlock / 2, kBlock / 2) > 128)
            number |= 1 << bit;
    return number;
}

std::vector<int> Stamps(const std::string& fileName)
{
    std::vector<int> numbers;
    for (const Picture& p : DecodePictures(fileName))
        numbers.push_back(ReadStamp(p));
    return numbers;
}

// Input at 25 to output at 50 frames per second: pictures 1 and 2 once, every later one twice.
// Input at 30 to 25: picture 8 is the first dropped, then every sixth.
TEST_F(TranscodeVideo, FrameRateSyncDuplicatesAndDropsTheRightPictures)
{
    struct Case {
        const char* input;
        const char* rate;
        std::vector<int> stamps;
        int dup, drop;
    } cases[] = {
        {"bands.avi", "50", {}, 23, 0},
        {"rate30.avi", "25", {}, 0, 4},
    };
    cases[0].stamps = {1, 2};
    for (int n = 3; n <= 25; ++n)
        cases[0].stamps.insert(cases[0].stamps.end(), {n, n});
    for (int n = 1; n <= 30; ++n)
        if (n != 8 && n != 14 && n != 20 && n != 26)
            cases[1].stamps.push_back(n);

    for (const Case& k : cases) {
        SCOPED_TRACE(k.input);
        const std::string out = dir.file("out.avi");
        TranscodeConverter c;
        c.SetOnCustomHook([](TCustomFFmpeg*, TFFPicture* bitmap, int number, std::int64_t, bool&, bool&) {
            Stamp(*bitmap, number);
        });
        c.Input(k.input);
        c.Output(out, {{"r", k.rate}, {"qscale", "2"}});
        ASSERT_EQ("", c.Run());
        EXPECT_EQ(k.dup, c.FramesDuplicated());
        EXPECT_EQ(k.drop, c.FramesDropped());
        EXPECT_EQ(k.stamps, Stamps(out));
    }
}

// A handler that stops the hook still has its last edit kept; later pictures stay as decoded.
TEST_F(TranscodeVideo, ACustomHookThatStopsSeesNoFurtherPictures)
{
    const std::string out = dir.file("out.avi");
    int calls = 0;
    TranscodeConverter c;
    c.SetOnCustomHook([&](TCustomFFmpeg*, TFFPicture* bitmap, int number, std::int64_t, bool&, bool& stop) {
        ++calls;
        Stamp(*bitmap, 255);
        stop = number == 5;
    });
    c.Input("bands.avi");
    c.Output(out, {{"qscale", "2"}});
    ASSERT_EQ("", c.Run());
    EXPECT_EQ(5, calls);
    const std::vector<int> stamps = Stamps(out);
    ASSERT_EQ(25u, stamps.size());
    EXPECT_EQ(255, stamps[4]);
    EXPECT_EQ(0, stamps[5]);  // the input's top rows are black
}

// The crop bands are cut from the input picture, which is then scaled to the output size, with
// and without a filter graph: nothing of the black bands is left.
TEST_F(TranscodeVideo, CropTakesTheBandsOffTheInputBeforeScaling)
{
    struct Case {
        const char* title;
        Options options;
        int width, height;
    } cases[] = {
        {"crop and scale", {{"croptop", "20"}, {"cropbottom", "20"}, {"s", "80x40"}}, 80, 40},
        {"crop alone", {{"croptop", "20"}, {"cropbottom", "20"}}, 160, 80},
        {"through filters", {{"croptop", "20"}, {"cropbottom", "20"}, {"s", "80x40"}, {"vf", "null"}}, 80, 40},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.title);
        const std::string out = dir.file("out.avi");
        {
            TranscodeConverter c;
            c.Input("bands.avi");
            c.Output(out, k.options);
            c.Options({{"qscale", "2"}});
            ASSERT_EQ("", c.Run());
        }
        const std::vector<Picture> pictures = DecodePictures(out);
        ASSERT_EQ(25u, pictures.size());
        for (const Picture& p : pictures) {
            ASSERT_EQ(k.width, p.width);
            ASSERT_EQ(k.height, p.height);
            EXPECT_GT(*std::min_element(p.luma.begin(), p.luma.end()), 200);
        }
    }
}

// Pictures that change size mid-stream: a scaled stream follows them (its crop bands kept in
// proportion); a stream that is not scaled cannot, and the run ends with an error.
TEST_F(TranscodeVideo, AMidStreamSizeChangeIsScaledOrEndsTheRun)
{
    struct Case {
        const char* title;
        Options options;
        std::string error;
        int width, height;
    } cases[] = {
        {"scaled", {{"s", "128x96"}}, "", 128, 96},
        {"cropped and scaled", {{"croptop", "20"}, {"s", "128x96"}}, "", 128, 96},
        {"not scaled", {}, "Assertion failure", 160, 120},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.title);
        log.clear();
        const std::string out = dir.file("out.avi");
        {
            TranscodeConverter c;
            c.Input("sizechange.ts");
            c.Output(out, k.options);
            EXPECT_EQ(k.error, c.Run());
        }
        EXPECT_TRUE(Logged("Input Stream #0.0 frame size changed to 80x60, yuv420p"));
        if (!k.error.empty())
            continue;
        // 11 and 12 pictures decoded, the gap between them filled.
        const std::vector<Picture> pictures = DecodePictures(out);
        EXPECT_GE(pictures.size(), 23u);
        for (const Picture& p : pictures) {
            EXPECT_EQ(k.width, p.width);
            EXPECT_EQ(k.height, p.height);
        }
    }
}

// A frame-hook library named by "vhook" sees every decoded picture with its size and time, also
// when the pictures are deinterlaced first.
TEST_F(TranscodeVideo, AHookLibrarySeesEveryPicture)
{
    std::string error;
    LibHandle module = LoadLibraryFile(ZD_STUB_HOOK_FULL, &error);
    ASSERT_TRUE(module) << error;
    auto events = reinterpret_cast<const char* (*)()>(GetLibrarySymbol(module, "StubHookEvents", &error));
    for (bool deinterlace : {false, true}) {
        SCOPED_TRACE(deinterlace ? "deinterlaced" : "as decoded");
        const size_t before = std::string(events()).size();
        {
            TranscodeConverter c;
            c.Input("bands.avi", {{"vhook", ZD_STUB_HOOK_FULL}});
            if (deinterlace)
                c.Options({{"deinterlace", ""}});
            c.Output(dir.file("out.avi"));
            ASSERT_EQ("", c.Run());
        }
        std::istringstream lines(std::string(events()).substr(before));
        std::vector<std::string> processed;
        for (std::string line; std::getline(lines, line);)
            if (line.rfind("Process ", 0) == 0)
                processed.push_back(line.substr(line.find(' ', 8) + 1));
        ASSERT_EQ(25u, processed.size());
        EXPECT_EQ("160x120 0", processed.front());
        EXPECT_EQ("160x120 960000", processed.back());
    }
    FreeLibraryFile(module);
}

// Encoded pictures reach OnPreviewBitmap at most once per preview interval of the clock.
TEST_F(TranscodeVideo, PreviewBitmapsAreSpacedByThePreviewInterval)
{
    ManualClock clock(1000);
    SetClock(&clock);
    struct Case {
        std::uint64_t stepMs;
        int previews;
    } cases[] = {{0, 1}, {150, 25}};
    for (const Case& k : cases) {
        SCOPED_TRACE(k.stepMs);
        int previews = 0;
        TranscodeConverter c;
        c.SetPostHooks(phBitmap);
        c.SetOnPreviewBitmap([&](TCustomFFmpeg*, TFFPicture* bitmap, int, std::int64_t) {
            EXPECT_EQ(160, bitmap->Width);
            ++previews;
            clock.Advance(k.stepMs);
        });
        c.Input("bands.avi");
        c.Output(dir.file("out.avi"));
        ASSERT_EQ("", c.Run());
        EXPECT_EQ(k.previews, previews);
    }
    SetClock(nullptr);
}

// The preview window is told the output's sample aspect ratio with each picture: a portrait phone
// clip (display matrix 90) converted to a fixed 1280x720 keeps its 9:16 in a ratio of 56:177.
TEST_F(TranscodeVideo, ThePreviewIsToldTheOutputsSampleAspect)
{
    class Previewer : public TPreviewer {
    public:
        explicit Previewer(std::vector<std::string>& shown) : shown_(shown) {}
        bool PaintFrame(const TFFPicture& bitmap, int, std::int64_t, AVRational sampleAspect) override
        {
            shown_.push_back(std::to_string(bitmap.Width) + "x" + std::to_string(bitmap.Height) + " " +
                             std::to_string(sampleAspect.num) + ":" + std::to_string(sampleAspect.den));
            return true;
        }

    private:
        std::vector<std::string>& shown_;
    };
    const std::string stored = dir.file("stored.mp4"), phone = dir.file("phone.mp4");
    ASSERT_TRUE(picturetest::FFmpeg("-f lavfi -i testsrc=s=64x36:r=25:d=0.2 -c:v libx264 '" + stored + "'"));
    ASSERT_TRUE(picturetest::FFmpeg("-i '" + stored + "' -c copy -metadata:s:v:0 rotate=90 '" + phone + "'"));
    std::vector<std::string> shown;
    SetPreviewerFactory([&] { return std::make_unique<Previewer>(shown); });
    for (const auto& [size, expected] : {std::pair<std::string, std::string>{"", "36x64 1:1"},
                                         std::pair<std::string, std::string>{"1280x720", "1280x720 56:177"}}) {
        SCOPED_TRACE(size);
        shown.clear();
        TranscodeConverter c;
        c.SetPostHooks(phPreview);
        ASSERT_TRUE(c.OpenInputFile(phone)) << c.LastErrMsg();
        c.Output(dir.file("out.avi"), size.empty() ? Options{} : Options{{"s", size}});
        ASSERT_EQ("", c.Run());
        ASSERT_FALSE(shown.empty());
        EXPECT_EQ(expected, shown.front());
    }
    SetPreviewerFactory(nullptr);
}

// Every encoded picture lasts its frame, the last one too: a 900-picture 30 fps input becomes 900
// pictures of 30 s at an average of 30/1, and the run's last report reaches the input's end.
TEST_F(TranscodeVideo, EveryPictureLastsItsFrameAndTheStreamKeepsItsRate)
{
    struct Case {
        const char* file;
        Options options;
    } cases[] = {
        {"out.mp4", {{"vcodec", "libx264"}}},
        {"out.avi", {{"vcodec", "mpeg4"}}},
        {"out.vob", {{"vcodec", "mpeg2video"}}},
    };
    const double frame = 1.0 / 30;
    for (const Case& k : cases) {
        SCOPED_TRACE(k.file);
        const std::string out = dir.file(k.file);
        std::int64_t last = -1;
        {
            TranscodeConverter c;
            c.SetOnProgress([&](TCustomFFmpeg*, int file, int, int, float, float, std::int64_t, std::int64_t current,
                                std::int64_t) {
                if (file == -1)
                    last = current;
            });
            c.Input("frames900.avi");
            c.Output(out, k.options);
            ASSERT_EQ("", c.Run());
        }
        EXPECT_NEAR(30.0, static_cast<double>(last) / 1000000, frame);
        const MediaInfo info = Probe(out);
        const StreamInfo* video = info.Find(AVMEDIA_TYPE_VIDEO);
        ASSERT_NE(nullptr, video);
        EXPECT_EQ(900, video->packets);
        EXPECT_EQ(30, video->avg_frame_rate.num);
        EXPECT_EQ(1, video->avg_frame_rate.den);
        EXPECT_NEAR(30.0, video->duration, frame);
        EXPECT_EQ(900u, DecodePictures(out).size());
    }
}

// A picture format taken over from the input gives way to 8-bit 4:2:0 where the encoder has it,
// so that players and devices decode the output; one asked for by the "pix_fmt" option stays, and
// an encoder without 8-bit 4:2:0 keeps the input's format when it lists it.
TEST_F(TranscodeVideo, OutputsTakeEightBitFourTwoZeroUnlessAskedOtherwise)
{
    const struct {
        const char* input;
        Options options;
        AVPixelFormat expected;
    } cases[] = {
        {"high_yuv422p10le.mkv", {{"vcodec", "libx264"}}, AV_PIX_FMT_YUV420P},
        {"high_yuv422p10le.mkv", {{"vcodec", "libx264"}, {"pix_fmt", "yuv422p10le"}}, AV_PIX_FMT_YUV422P10LE},
        {"high_yuv422p.mkv", {{"vcodec", "mpeg2video"}}, AV_PIX_FMT_YUV420P},
        {"high_yuv422p.mkv", {{"vcodec", "mpeg2video"}, {"pix_fmt", "yuv422p"}}, AV_PIX_FMT_YUV422P},
        {"high_yuv422p.mkv", {{"vcodec", "huffyuv"}}, AV_PIX_FMT_YUV422P},
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(testing::Message() << k.input << " " << k.options.back().first << "=" << k.options.back().second);
        const std::string out = dir.file("out.mkv");
        ASSERT_EQ("", ConvertFixture(k.input, out, k.options));
        const MediaInfo info = Probe(out);
        const StreamInfo* video = info.Find(AVMEDIA_TYPE_VIDEO);
        ASSERT_NE(nullptr, video);
        EXPECT_EQ(k.expected, video->pix_fmt) << ff::av_get_pix_fmt_name(static_cast<AVPixelFormat>(video->pix_fmt));
    }
}

} // namespace
