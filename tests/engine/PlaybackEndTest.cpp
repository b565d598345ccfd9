// The end of playback as the preview panel sees it: the positions reach the duration with the
// media, and once the panel goes back to the start (a seek to 0, paused, on the end report) the
// position reported is 0, where playing goes on from.

#include "engine/FFPlay.h"
#include "engine/FFmpegLoader.h"
#include "engine/FFmpegLogger.h"
#include "platform/kernel/MainThread.h"

#include "PictureSupport.h"
#include "TestPaths.h"

#include <gtest/gtest.h>

#include <mutex>
#include <string>
#include <vector>

namespace {

constexpr DWORD kGuardMs = 20000;

struct EndCase {
    const char* name;
    const char* sources;  // the ffmpeg command's inputs and codecs
    const char* file;
};

const EndCase kEnds[] = {
    {"pictures", "-f lavfi -i testsrc=s=64x48:r=25:d=0.8 -c:v mpeg4", "pictures.avi"},
    {"pictures_and_sound",
     "-f lavfi -i testsrc=s=64x48:r=25:d=0.8 -f lavfi -i sine=f=440:r=44100:d=0.8 -c:v mpeg4 -c:a pcm_s16le",
     "both.avi"},
    {"sound_flac", "-f lavfi -i sine=f=440:r=44100:d=0.8 -c:a flac", "sound.flac"},
};

class PlaybackEnd : public testing::TestWithParam<EndCase> {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(FFLoader().Load(PlayerLibraries)) << FFLoader().GetLastErrMsg();
        file = dir.file(GetParam().file);
        ASSERT_TRUE(picturetest::FFmpeg(std::string(GetParam().sources) + " '" + file + "'"));
        player.OnFileOpen = [this](TCustomPlayer*, std::int64_t duration, int, int, int&, int&) {
            durationUs = duration;
        };
        player.OnPosition = [this](TCustomPlayer*, std::int64_t pts) { positions.push_back(pts); };
        // As the preview panel does: at the end, back to the start and paused.
        player.OnState = [this](TCustomPlayer* sender, TPlayState state) {
            states.push_back(state);
            if (state == psEnd) {
                positionsAtEnd = positions;
                sender->Seek(std::int64_t{0}, TSeekFlags{sfAny}, false);
                sender->Pause();
            }
        };
    }
    void TearDown() override
    {
        player.Stop(true);
        MainThread::ServePending();
    }

    TFFLogger logger;
    zdtest::TempDir dir;
    picturetest::OffscreenHost host{64, 48};
    TFFPlayer player;
    std::string file;
    std::int64_t durationUs = -1;
    std::vector<std::int64_t> positions, positionsAtEnd;
    std::vector<TPlayState> states;
};

TEST_P(PlaybackEnd, PositionsReachTheEndThenShowWherePlayingGoesOn)
{
    ASSERT_TRUE(player.Open(file, &host, false)) << player.GetLastErrMsg();
    ASSERT_GT(durationUs, 0);
    ASSERT_TRUE(MainThread::WaitServing([&] { return !positionsAtEnd.empty(); }, kGuardMs))
        << testing::PrintToString(positions);
    // The end is reported when the media has played to its end.
    EXPECT_EQ(durationUs, positionsAtEnd.back()) << testing::PrintToString(positionsAtEnd);
    // Back at the start: the last position reported is 0, and playing goes on from there.
    ASSERT_TRUE(MainThread::WaitServing([&] { return positions.back() == 0 && player.GetPaused(); }, kGuardMs))
        << testing::PrintToString(positions);
    EXPECT_FALSE(MainThread::WaitServing([&] { return positions.back() != 0; }, 300))
        << testing::PrintToString(positions);
    player.Resume();
    ASSERT_TRUE(MainThread::WaitServing([&] { return positions.back() > 0; }, kGuardMs));
    EXPECT_LT(positions.back(), durationUs / 2) << testing::PrintToString(positions);
}

INSTANTIATE_TEST_SUITE_P(Media, PlaybackEnd, testing::ValuesIn(kEnds),
                         [](const testing::TestParamInfo<EndCase>& param) { return param.param.name; });

} // namespace
