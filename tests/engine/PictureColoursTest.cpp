// Every picture the engine turns into RGB has the colours of the ffmpeg command's RGB frame of the
// same file, within 4 per channel: the player's shown picture (snapshots), the probe's bitmap and a
// conversion's preview bitmap, for BT.601 and BT.709 of either range, tagged or not.

#include "engine/AVProbe.h"
#include "engine/FFPlay.h"
#include "engine/FFmpegLoader.h"
#include "engine/FFmpegLogger.h"
#include "platform/kernel/MainThread.h"

#include "PictureSupport.h"
#include "TranscodeConverter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using picturetest::Colour;
using picturetest::FFmpeg;
using picturetest::FirstFrameRGB;
using picturetest::PixelOf;
using picturetest::RGBFrame;

constexpr int kWidth = 320, kHeight = 180;

// The centres of the seven upper bars of the colour bars.
std::vector<std::pair<int, int>> BarCentres()
{
    std::vector<std::pair<int, int>> points;
    for (int bar = 0; bar < 7; ++bar)
        points.emplace_back((2 * bar + 1) * kWidth / 14, 40);
    return points;
}

struct ColourCase {
    const char* name;
    const char* matrix;  // the matrix the values are made with
    const char* range;   // "tv" or "pc"
    bool tagged;
};

const ColourCase kCases[] = {
    {"bt601_limited_tagged", "bt470bg", "tv", true}, {"bt601_full_tagged", "bt470bg", "pc", true},
    {"bt709_limited_tagged", "bt709", "tv", true},   {"bt709_full_tagged", "bt709", "pc", true},
    {"bt709_limited_untagged", "bt709", "tv", false}, {"bt601_full_untagged", "bt470bg", "pc", false},
};

class PictureColours : public testing::TestWithParam<ColourCase> {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(FFLoader().Load(PlayerLibraries)) << FFLoader().GetLastErrMsg();
        const ColourCase& c = GetParam();
        file = dir.file(std::string(c.name) + ".mp4");
        std::string tags = c.tagged ? std::string(" -colorspace ") + c.matrix + " -color_range " + c.range : "";
        ASSERT_TRUE(FFmpeg("-f lavfi -i smptebars=s=320x180:r=25:d=0.2 -vf scale=out_color_matrix=" +
                           std::string(c.matrix) + ":out_range=" + c.range + ",format=yuv420p" + tags +
                           " -c:v libx264 -qp 0 '" + file + "'"));
        reference = FirstFrameRGB(file, dir.file("reference.rgb"), kWidth, kHeight);
        ASSERT_FALSE(reference.Pixels.empty());
    }

    // Each bar's centre within 4 of the reference; the differences otherwise.
    std::string Mismatches(const TFFPicture& picture) const
    {
        if (picture.Width != kWidth || picture.Height != kHeight)
            return "size " + std::to_string(picture.Width) + "x" + std::to_string(picture.Height);
        std::string text;
        for (const auto& [x, y] : BarCentres()) {
            const Colour shown = PixelOf(picture, x, y);
            const Colour expected = reference.At(x, y);
            if (!shown.Near(expected, 4))
                text += "at " + std::to_string(x) + ": " + shown.Text() + " expected " + expected.Text() + "; ";
        }
        return text;
    }

    TFFLogger logger;
    zdtest::TempDir dir;
    std::string file;
    RGBFrame reference;
};

TEST_P(PictureColours, ThePlayersShownPictureHasTheColoursOfTheRGBFrame)
{
    picturetest::OffscreenHost host{kWidth, kHeight};
    TFFPlayer player;
    ASSERT_TRUE(player.Open(file, &host, true)) << player.GetLastErrMsg();
    ASSERT_TRUE(MainThread::WaitServing([&] { return player.CurrentFrame().Width > 0; }, 20000));
    EXPECT_EQ("", Mismatches(player.CurrentFrame()));
    player.Stop(true);
    MainThread::ServePending();
}

TEST_P(PictureColours, TheProbesBitmapHasTheColoursOfTheRGBFrame)
{
    TAVProbe probe;
    ASSERT_TRUE(probe.LoadFile(file)) << probe.LastErrMsg();
    ASSERT_TRUE(probe.Decode()) << probe.LastErrMsg();
    TFFPicture bitmap;
    ASSERT_TRUE(probe.CopyToBitmap(bitmap));
    EXPECT_EQ("", Mismatches(bitmap));
}

// The preview bitmap and the output of conversions that hand the decoded picture to the encoder as
// it is, scale it first, and turn it into RGB for the encoder.
TEST_P(PictureColours, AConversionsPreviewAndOutputHaveTheColoursOfTheRGBFrame)
{
    const Options table[] = {{{"vcodec", "ffv1"}}, {{"vcodec", "ffv1"}, {"s", "640x360"}}, {{"vcodec", "png"}}};
    for (const Options& options : table) {
        SCOPED_TRACE(options.back().second);
        TranscodeConverter converter;
        ASSERT_TRUE(converter.OpenInputFile(file)) << converter.LastErrMsg();
        converter.Output(dir.file("out.mkv"), options);
        TFFPicture first;
        converter.SetOnPreviewBitmap([&](TCustomFFmpeg*, TFFPicture* bitmap, int, std::int64_t) {
            if (first.Pixels.empty() && bitmap)
                first = *bitmap;
        });
        converter.SetPostHooks(phBitmap);
        ASSERT_EQ("", converter.Run());
        EXPECT_EQ("", Mismatches(picturetest::Resized(first, kWidth, kHeight)));
        // The output file says what its pictures hold: the ffmpeg command reads the same colours.
        const int scale = options.size() == 2 ? 2 : 1;
        const RGBFrame written = FirstFrameRGB(dir.file("out.mkv"), dir.file("written.rgb"), scale * kWidth,
                                               scale * kHeight);
        ASSERT_FALSE(written.Pixels.empty());
        TFFPicture bitmap;
        bitmap.Width = written.Width;
        bitmap.Height = written.Height;
        for (std::size_t i = 0; i < written.Pixels.size(); i += 3)
            bitmap.Pixels.insert(bitmap.Pixels.end(),
                                 {written.Pixels[i + 2], written.Pixels[i + 1], written.Pixels[i], 255});
        EXPECT_EQ("", Mismatches(picturetest::Resized(bitmap, kWidth, kHeight)));
    }
}

INSTANTIATE_TEST_SUITE_P(Table, PictureColours, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<ColourCase>& param) { return param.param.name; });

} // namespace
