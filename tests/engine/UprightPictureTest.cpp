// Pictures stored turned or mirrored, with a display matrix beside the stream as phones write it:
// conversions turn them upright as the ffmpeg command does (size, first picture, no matrix left),
// a size asked for is the upright picture's, a stream copy keeps the matrix, and the player shows
// them upright.

#include "engine/FFPlay.h"
#include "engine/FFmpegLoader.h"
#include "engine/UprightPicture.h"
#include "platform/kernel/MainThread.h"

#include "PictureSupport.h"
#include "TranscodeConverter.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

namespace {

using picturetest::Colour;
using picturetest::FFmpeg;
using picturetest::FirstFrameRGB;
using picturetest::PixelOf;
using picturetest::RGBFrame;

using Matrix = std::array<std::int32_t, 9>;
constexpr std::int32_t kOne = 0x10000, kW = 0x40000000;

struct MatrixCase {
    const char* name;
    Matrix matrix;
    bool swaps;
};

const MatrixCase kMatrices[] = {
    {"turned_90", {0, -kOne, 0, kOne, 0, 0, 0, 0, kW}, true},
    {"turned_180", {-kOne, 0, 0, 0, -kOne, 0, 0, 0, kW}, false},
    {"turned_270", {0, kOne, 0, -kOne, 0, 0, 0, 0, kW}, true},
    {"mirrored", {-kOne, 0, 0, 0, kOne, 0, 0, 0, kW}, false},
    {"upside_down_mirrored", {kOne, 0, 0, 0, -kOne, 0, 0, 0, kW}, false},
    {"turned_90_mirrored", {0, kOne, 0, kOne, 0, 0, 0, 0, kW}, true},
    {"turned_270_mirrored", {0, -kOne, 0, -kOne, 0, 0, 0, 0, kW}, true},
};

// Four quadrants of four colours: each turn and mirror puts them in another order.
const char* const kQuadrants =
    "color=red:s=64x36:r=25:d=0.2[a];color=lime:s=64x36:r=25:d=0.2[b];color=blue:s=64x36:r=25:d=0.2[c];"
    "color=white:s=64x36:r=25:d=0.2[d];[a][b]hstack[t];[c][d]hstack[u];[t][u]vstack";

std::string ReadFile(const std::string& name)
{
    std::ifstream in(name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Puts the matrix into the track header of an MP4 file that has the identity matrix there.
bool SetTrackMatrix(const std::string& file, const Matrix& matrix)
{
    auto bigEndian = [](const Matrix& m) {
        std::string bytes;
        for (std::int32_t v : m)
            for (int shift = 24; shift >= 0; shift -= 8)
                bytes += static_cast<char>((static_cast<std::uint32_t>(v) >> shift) & 0xFF);
        return bytes;
    };
    std::string data = ReadFile(file);
    const std::size_t track = data.find("tkhd");
    const std::size_t at = data.find(bigEndian({kOne, 0, 0, 0, kOne, 0, 0, 0, kW}), track);
    if (track == std::string::npos || at == std::string::npos)
        return false;
    data.replace(at, 36, bigEndian(matrix));
    std::ofstream(file, std::ios::binary | std::ios::trunc) << data;
    return true;
}

// The display matrix of the file's video stream as the ffprobe command prints it; empty for none.
std::string DisplayMatrixOf(const std::string& file)
{
    std::string text;
    if (FILE* pipe = popen(("ffprobe -v error -select_streams v:0 -show_entries stream_side_data=displaymatrix "
                            "-of default=nw=1 '" + file + "'")
                               .c_str(),
                           "r")) {
        char buffer[256];
        while (std::fgets(buffer, sizeof buffer, pipe))
            text += buffer;
        pclose(pipe);
    }
    return text;
}

// The colours at the centres of the picture's four quadrants.
template <typename At>
std::string QuadrantsOf(int width, int height, At at)
{
    std::string text;
    for (const auto& [x, y] : {std::pair{1, 1}, std::pair{3, 1}, std::pair{1, 3}, std::pair{3, 3}}) {
        const Colour c = at(x * width / 4, y * height / 4);
        // Near-saturated channels: anything past the middle counts as on.
        text += std::string(c.r > 128 ? "R" : "-") + (c.g > 128 ? "G" : "-") + (c.b > 128 ? "B" : "-") + " ";
    }
    return text;
}
std::string QuadrantsOf(const RGBFrame& frame)
{
    return QuadrantsOf(frame.Width, frame.Height, [&](int x, int y) { return frame.At(x, y); });
}

class UprightPicture : public testing::TestWithParam<MatrixCase> {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(FFLoader().Load(PlayerLibraries)) << FFLoader().GetLastErrMsg();
        source = dir.file("phone.mp4");
        ASSERT_TRUE(FFmpeg("-f lavfi -i \"" + std::string(kQuadrants) + "\" -pix_fmt yuv420p -c:v libx264 '" + source +
                           "'"));
        ASSERT_TRUE(SetTrackMatrix(source, GetParam().matrix));
        ASSERT_NE("", DisplayMatrixOf(source));
        uprightWidth = GetParam().swaps ? 72 : 128;
        uprightHeight = GetParam().swaps ? 128 : 72;
    }

    // The first picture of a file of the given size, read as stored.
    RGBFrame StoredFirstFrame(const std::string& file, int width, int height)
    {
        return FirstFrameRGB(file, dir.file("first.rgb"), width, height, "-noautorotate");
    }

    TFFLogger logger;
    zdtest::TempDir dir;
    std::string source;
    int uprightWidth = 0, uprightHeight = 0;
};

TEST_P(UprightPicture, TheFiltersForTheMatrixTurnThePictureAsTheCommandDoes)
{
    const TUprightFilters upright = UprightFiltersFor(GetParam().matrix.data());
    EXPECT_EQ(GetParam().swaps, upright.SwapsSides);
    EXPECT_NE("", upright.Filters);
    EXPECT_EQ("", UprightFiltersFor(Matrix{kOne, 0, 0, 0, kOne, 0, 0, 0, kW}.data()).Filters);
    EXPECT_EQ("", UprightFiltersFor(nullptr).Filters);
}

// Converted at its own size and at a size asked for, the file is what the ffmpeg command makes of
// it: upright, of the same size and first picture, with no matrix left.
TEST_P(UprightPicture, AConversionIsUprightAsTheCommandsOutput)
{
    const std::string ownSize;
    const std::string doubled = std::to_string(2 * uprightWidth) + "x" + std::to_string(2 * uprightHeight);
    for (const std::string& size : {ownSize, doubled}) {
        SCOPED_TRACE(size);
        const std::string expected = dir.file("expected.mkv"), out = dir.file("out.mkv");
        ASSERT_TRUE(FFmpeg("-i '" + source + "' -c:v ffv1" + (size.empty() ? "" : " -s " + size) + " '" + expected +
                           "'"));
        TranscodeConverter converter;
        ASSERT_TRUE(converter.OpenInputFile(source)) << converter.LastErrMsg();
        Options options{{"vcodec", "ffv1"}};
        if (!size.empty())
            options.emplace_back("s", size);
        converter.Output(out, options);
        ASSERT_EQ("", converter.Run());

        const MediaInfo wanted = Probe(expected), made = Probe(out);
        const StreamInfo* want = wanted.Find(AVMEDIA_TYPE_VIDEO);
        const StreamInfo* got = made.Find(AVMEDIA_TYPE_VIDEO);
        ASSERT_TRUE(want && got);
        const int scale = size.empty() ? 1 : 2;
        EXPECT_EQ(uprightWidth * scale, want->width);
        EXPECT_EQ(want->width, got->width);
        EXPECT_EQ(want->height, got->height);
        EXPECT_EQ("", DisplayMatrixOf(out));
        EXPECT_EQ(QuadrantsOf(StoredFirstFrame(expected, want->width, want->height)),
                  QuadrantsOf(StoredFirstFrame(out, got->width, got->height)));
    }
}

TEST_P(UprightPicture, AStreamCopyKeepsTheMatrix)
{
    const std::string out = dir.file("copy.mp4");
    TranscodeConverter converter;
    ASSERT_TRUE(converter.OpenInputFile(source)) << converter.LastErrMsg();
    converter.Output(out, {{"vcodec", "copy"}});
    ASSERT_EQ("", converter.Run());
    EXPECT_EQ(DisplayMatrixOf(source), DisplayMatrixOf(out));
}

// The player's shown picture (what snapshots save) is the ffmpeg command's upright first picture.
TEST_P(UprightPicture, ThePlayerShowsThePictureUpright)
{
    const RGBFrame expected = FirstFrameRGB(source, dir.file("first.rgb"), uprightWidth, uprightHeight);
    ASSERT_FALSE(expected.Pixels.empty());
    picturetest::OffscreenHost host{128, 128};
    TFFPlayer player;
    int reportedWidth = 0, reportedHeight = 0;
    player.OnFileOpen = [&](TCustomPlayer*, std::int64_t, int width, int height, int&, int&) {
        reportedWidth = width;
        reportedHeight = height;
    };
    ASSERT_TRUE(player.Open(source, &host, true)) << player.GetLastErrMsg();
    ASSERT_TRUE(MainThread::WaitServing([&] { return player.CurrentFrame().Width > 0; }, 20000));
    const TFFPicture& shown = player.CurrentFrame();
    EXPECT_EQ(uprightWidth, shown.Width);
    EXPECT_EQ(uprightHeight, shown.Height);
    EXPECT_EQ(QuadrantsOf(expected),
              QuadrantsOf(shown.Width, shown.Height, [&](int x, int y) { return PixelOf(shown, x, y); }));
    player.Stop(true);
    MainThread::ServePending();
    // The size reported on opening is the coded one (whole macroblocks), turned as the picture.
    EXPECT_EQ(GetParam().swaps, reportedWidth < reportedHeight) << reportedWidth << "x" << reportedHeight;
}

INSTANTIATE_TEST_SUITE_P(Matrices, UprightPicture, testing::ValuesIn(kMatrices),
                         [](const testing::TestParamInfo<MatrixCase>& param) { return param.param.name; });

} // namespace
