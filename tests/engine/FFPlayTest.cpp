#include "engine/FFPlay.h"
#include "engine/FFmpegLoader.h"
#include "engine/FFmpegLogger.h"
#include "platform/kernel/Environment.h"
#include "platform/kernel/MainThread.h"

#include "HeldPlayer.h"
#include "PictureSupport.h"
#include "TestPaths.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <atomic>
#include <cmath>
#include <condition_variable>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <future>
#include <mutex>
#include <thread>
#include <stdexcept>
#include <dirent.h>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

namespace {

// ThreadSanitizer runs the player's threads several times slower.
#ifdef __SANITIZE_THREAD__
constexpr DWORD kGuardMs = 120000;
#else
constexpr DWORD kGuardMs = 20000;
#endif
constexpr std::int64_t kFrameUs = 40000;     // frames.avi: 25 pictures per second
constexpr std::int64_t kDurationUs = 4000000;

// A host window without a native window: SDL's dummy driver draws off screen.
class FakeHost : public TPlayerHost {
public:
    std::uint64_t NativeWindowId() const override { return 0; }
    void GetClientSize(int& width, int& height) const override
    {
        width = 64;
        height = 48;
    }
    void SetListener(TPlayerHostListener* listener) override { Listener = listener; }
    TPlayerHostListener* Listener = nullptr;
};

int ThreadCount()
{
    int count = 0;
    if (DIR* dir = opendir("/proc/self/task")) {
        while (dirent* entry = readdir(dir))
            if (entry->d_name[0] != '.')
                ++count;
        closedir(dir);
    }
    return count;
}

// The frame number a picture of frames.avi shows (its grey is 16 + 2 N in YUV).
int FrameNumber(const TFFPicture& picture)
{
    const std::size_t middle = (static_cast<std::size_t>(picture.Height / 2) * picture.Width + picture.Width / 2) * 4;
    return static_cast<int>(std::lround(picture.Pixels.at(middle) / (2.0 * 255.0 / 219.0)));
}

// Ends the test program with a message when the calls made in its lifetime have not returned
// after the guard time: a player that hangs would otherwise hang the whole run.
class HangGuard {
public:
    explicit HangGuard(std::string what)
        : watchdog_([this, what = std::move(what)] {
              std::unique_lock<std::mutex> lock(mutex_);
              if (!done_.wait_for(lock, std::chrono::milliseconds(kGuardMs), [this] { return finished_; })) {
                  std::fprintf(stderr, "%s: no return after %u ms\n", what.c_str(), static_cast<unsigned>(kGuardMs));
                  std::abort();
              }
          })
    {
    }
    ~HangGuard()
    {
        {
            std::lock_guard<std::mutex> lock(mutex_);
            finished_ = true;
        }
        done_.notify_all();
        watchdog_.join();
    }

private:
    std::mutex mutex_;
    std::condition_variable done_;
    bool finished_ = false;
    std::thread watchdog_;
};

class PlayerTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(FFLoader().Load(PlayerLibraries)) << FFLoader().GetLastErrMsg();
        player_.OnState = [this](TCustomPlayer*, TPlayState state) { states_.push_back(state); };
        player_.OnPosition = [this](TCustomPlayer*, std::int64_t pts) { positions_.push_back(pts); };
        player_.OnFileOpen = [this](TCustomPlayer*, std::int64_t duration, int, int, int&, int&) {
            durations_.push_back(duration);
        };
    }

    void TearDown() override
    {
        player_.Stop(true);
        player_.OnReached = nullptr;
        // The player's posted log lines reach this test's logger, not one left for later tests.
        MainThread::ServePending();
    }

    // Serves the main-thread dispatcher until done() holds; false after the guard time.
    static bool WaitUntil(const std::function<bool()>& done, DWORD timeoutMs = kGuardMs)
    {
        return MainThread::WaitServing(done, timeoutMs);
    }

    bool WaitForState(TPlayState state, std::size_t count = 1)
    {
        return WaitUntil([&] { return Count(state) >= count; });
    }
    std::size_t Count(TPlayState state) const
    {
        std::size_t n = 0;
        for (TPlayState s : states_)
            n += s == state;
        return n;
    }
    std::int64_t LastPosition() const { return positions_.empty() ? -1 : positions_.back(); }
    // A picture is on screen and its position reported.
    bool FirstPictureShown() { return !positions_.empty() && player_.CurrentFrame().Width > 0; }

    bool OpenFrames(bool paused) { return player_.Open(zdtest::fixture("frames.avi"), &host_, paused); }

    TFFLogger logger_;
    FakeHost host_;
    HeldPlayer player_;
    std::vector<TPlayState> states_;
    std::vector<std::int64_t> positions_;
    std::vector<std::int64_t> durations_;
    // Holding the caller of a state change while a switch stops the file: playbacks started and
    // ended so far.
    std::mutex holdMutex_;
    std::condition_variable holdChanged_;
    bool switching_ = false;
    bool endQueued_ = false;
    int played_ = 0;
    int ended_ = 0;
};

TEST_F(PlayerTest, OpenedPausedShowsTheFirstPictureThenPauses)
{
    ASSERT_TRUE(OpenFrames(true)) << player_.GetLastErrMsg();
    ASSERT_EQ(durations_, std::vector<std::int64_t>{kDurationUs});
    ASSERT_TRUE(WaitForState(psPause));
    EXPECT_EQ(states_, (std::vector<TPlayState>{psPlay, psPause}));
    EXPECT_TRUE(player_.GetPaused());

    // The first picture is shown and stays, although the second one is queued behind it.
    ASSERT_TRUE(WaitUntil([&] { return FirstPictureShown(); })) << testing::PrintToString(positions_);
    EXPECT_FALSE(WaitUntil([&] { return LastPosition() > 0; }, 300));
    std::int64_t pts = -1;
    const TFFPicture& frame = player_.CurrentFrame(pts);
    EXPECT_EQ(pts, 0);
    ASSERT_EQ(frame.Width, 64);
    ASSERT_EQ(frame.Height, 48);
    EXPECT_EQ(FrameNumber(frame), 0);

    // Playing goes on from the picture queued behind it.
    player_.Resume();
    ASSERT_TRUE(WaitUntil([&] { return LastPosition() >= kFrameUs; }));
}

// Pictures larger than the screen are shown at the screen's size, but a snapshot holds the
// picture at its own size, upright, as the ffmpeg command's first frame: only a picture of more
// than 8192 pixels on a side is scaled down, keeping its shape. Pixels that are not square stay
// as stored, as in the command's frame.
TEST_F(PlayerTest, ASnapshotHoldsThePictureAtItsOwnSize)
{
    zdtest::TempDir dir;
    // Four quadrants of four colours in a picture of the size; the arguments of the ffmpeg command
    // before its output file.
    const auto quadrants = [](int width, int height, const std::string& codec) {
        const std::string quarter = std::to_string((width + 1) / 2) + "x" + std::to_string((height + 1) / 2);
        std::string graph;
        for (const char* colour : {"red", "lime", "blue", "white"})
            graph += std::string("color=") + colour + ":s=" + quarter + ":r=25:d=0.08[" + colour + "];";
        graph += "[red][lime]hstack[top];[blue][white]hstack[bottom];[top][bottom]vstack,format=yuv444p,crop=" +
                 std::to_string(width) + ":" + std::to_string(height) + ":0:0";
        return "-f lavfi -i \"" + graph + "\" " + codec;
    };
    struct Case {
        const char* file;
        std::string arguments;
        int width, height;
        // Stored turned: a display matrix of 90 degrees is put beside the stream.
        bool turned = false;
    };
    const Case cases[] = {
        {"larger.mkv", quadrants(320, 180, "-c:v ffv1"), 320, 180},
        {"turned.mp4", quadrants(320, 180, "-c:v libx264 -pix_fmt yuv420p"), 180, 320, true},
        {"odd.mkv", quadrants(63, 47, "-c:v ffv1"), 63, 47},
        {"wide_pixels.mkv", quadrants(320, 180, "-c:v ffv1 -vf setsar=4/3"), 320, 180},
        {"beyond.mkv", quadrants(8200, 820, "-c:v png -pix_fmt rgb24"), 8192, 819},
    };
    // The screen.
    player_.SetScreenWidth(160);
    player_.SetScreenHeight(120);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        const std::string file = dir.file(c.file), made = c.turned ? dir.file(std::string("stored_") + c.file) : file;
        ASSERT_TRUE(picturetest::FFmpeg(c.arguments + " '" + made + "'"));
        if (c.turned) {
            ASSERT_TRUE(picturetest::FFmpeg("-i '" + made + "' -c copy -metadata:s:v:0 rotate=90 '" + file + "'"));
        }
        ASSERT_TRUE(player_.Open(file, &host_, true)) << player_.GetLastErrMsg();
        ASSERT_TRUE(WaitUntil([&] { return player_.CurrentFrame().Width > 0; }));
        const TFFPicture& frame = player_.CurrentFrame();
        EXPECT_EQ(frame.Width, c.width);
        EXPECT_EQ(frame.Height, c.height);
        const bool beyond = c.width == 8192;
        const picturetest::RGBFrame expected = picturetest::FirstFrameRGB(
            file, dir.file("first.rgb"), beyond ? 8200 : c.width, beyond ? 820 : c.height);
        ASSERT_FALSE(expected.Pixels.empty());
        for (const auto& [x, y] : {std::pair{1, 1}, std::pair{3, 1}, std::pair{1, 3}, std::pair{3, 3}}) {
            const picturetest::Colour want = expected.At(x * expected.Width / 4, y * expected.Height / 4);
            const picturetest::Colour got = picturetest::PixelOf(frame, x * frame.Width / 4, y * frame.Height / 4);
            EXPECT_TRUE(got.Near(want, 8)) << x << "," << y << ": " << got.Text() << " expected " << want.Text();
        }
        player_.Stop(true);
    }
}

// Pictures many times the screen's size get a decoder each: they still show one after the other.
TEST_F(PlayerTest, PicturesFarBeyondTheScreenShowInTurn)
{
    player_.SetScreenWidth(16);
    player_.SetScreenHeight(16);
    ASSERT_TRUE(player_.Open(zdtest::fixture("pictures.mkv"), &host_, true)) << player_.GetLastErrMsg();
    ASSERT_TRUE(WaitForState(psPause));
    ASSERT_TRUE(WaitUntil([&] { return FirstPictureShown(); }));
    // Width, height, and whether the middle is red or green.
    const auto shown = [&] {
        const TFFPicture& frame = player_.CurrentFrame();
        const std::size_t middle = (static_cast<std::size_t>(frame.Height / 2) * frame.Width + frame.Width / 2) * 4;
        const int red = frame.Pixels.at(middle + 2), green = frame.Pixels.at(middle + 1);
        return std::vector<int>{frame.Width, frame.Height, red > 240 && green < 16, green > 240 && red < 16};
    };
    EXPECT_EQ(shown(), (std::vector<int>{160, 120, true, false}));
    player_.StepToNextFrame();
    ASSERT_TRUE(WaitUntil([&] { return LastPosition() >= 1000000; }));
    EXPECT_EQ(shown(), (std::vector<int>{160, 120, false, true}));
}

TEST_F(PlayerTest, PlaysToTheEndAndReportsItOnce)
{
    ASSERT_TRUE(OpenFrames(true)) << player_.GetLastErrMsg();
    ASSERT_TRUE(WaitForState(psPause));
    player_.Seek(std::int64_t{3500000}, TSeekFlags{}, true);
    player_.Resume();
    ASSERT_TRUE(WaitForState(psEnd));
    // The clock runs on to the end of the last picture, which is reported as the duration.
    ASSERT_TRUE(WaitUntil([&] { return LastPosition() == kDurationUs; }));
    EXPECT_FALSE(WaitUntil([&] { return Count(psEnd) > 1 || LastPosition() != kDurationUs; }, 500));
    EXPECT_EQ(Count(psStop), 0u);  // the file stays open at its end

    // A seek re-arms the end.
    player_.Seek(std::int64_t{3800000}, TSeekFlags{}, false);
    ASSERT_TRUE(WaitForState(psEnd, 2));
}

TEST_F(PlayerTest, SeekBeyondTheEndGoesToTheDuration)
{
    ASSERT_TRUE(OpenFrames(true)) << player_.GetLastErrMsg();
    ASSERT_TRUE(WaitForState(psPause));
    player_.Seek(10 * kDurationUs, TSeekFlags{}, true);
    EXPECT_FALSE(player_.GetSeeking());
    // The last pictures are queued; the next refresh shows them (the key frame interval of the
    // clip is 1, but the seek may land on any picture of the last 12).
    std::int64_t pts = 0;
    ASSERT_TRUE(WaitUntil([&] {
        player_.CurrentFrame(pts);
        return pts >= kDurationUs - 12 * kFrameUs;
    }));
    const TFFPicture& frame = player_.CurrentFrame(pts);
    EXPECT_LT(pts, kDurationUs);
    EXPECT_EQ(FrameNumber(frame), pts / kFrameUs);
    player_.Resume();
    ASSERT_TRUE(WaitForState(psEnd));
    EXPECT_TRUE(WaitUntil([&] { return LastPosition() == kDurationUs; }));
}

TEST_F(PlayerTest, PauseAndResumeActOnlyOnAChange)
{
    // Without a file nothing happens and nothing is reported.
    player_.Pause();
    player_.Resume();
    player_.Seek(std::int64_t{0}, TSeekFlags{}, true);
    EXPECT_TRUE(player_.GetPaused());
    EXPECT_TRUE(states_.empty());

    ASSERT_TRUE(OpenFrames(false)) << player_.GetLastErrMsg();
    ASSERT_TRUE(WaitForState(psPlay));
    player_.Resume();
    player_.Pause();
    ASSERT_TRUE(WaitForState(psPause));
    player_.Pause();
    player_.Resume();
    ASSERT_TRUE(WaitForState(psResume));
    player_.Resume();
    EXPECT_FALSE(WaitUntil([&] { return states_.size() > 3; }, 300));
    EXPECT_EQ(states_, (std::vector<TPlayState>{psPlay, psPause, psResume}));
}

TEST_F(PlayerTest, StepShowsOneMorePictureThenStaysPaused)
{
    ASSERT_TRUE(OpenFrames(true)) << player_.GetLastErrMsg();
    ASSERT_TRUE(WaitForState(psPause));
    ASSERT_TRUE(WaitUntil([&] { return FirstPictureShown(); }));
    player_.StepToNextFrame();
    ASSERT_TRUE(WaitForState(psStep));
    ASSERT_TRUE(WaitUntil([&] { return LastPosition() >= kFrameUs; }));
    EXPECT_FALSE(WaitUntil([&] { return LastPosition() > 2 * kFrameUs; }, 300));
    EXPECT_TRUE(player_.GetPaused());
}

TEST_F(PlayerTest, HookPaintsThePictureOnScreen)
{
    int hooked = 0;
    player_.OnHook = [&](TCustomPlayer*, TFFPicture& picture, std::int64_t) {
        ++hooked;
        std::fill(picture.Pixels.begin(), picture.Pixels.end(), std::uint8_t{0xFF});
    };
    player_.SetHook(true);
    ASSERT_TRUE(OpenFrames(true)) << player_.GetLastErrMsg();
    ASSERT_TRUE(WaitForState(psPause));
    ASSERT_TRUE(WaitUntil([&] { return FirstPictureShown(); }));
    const TFFPicture& frame = player_.CurrentFrame();
    ASSERT_EQ(frame.Width, 64);
    EXPECT_GE(frame.Pixels[0], 250);  // white, not the black of frame 0
    EXPECT_GE(hooked, 2);

    // A handler that throws leaves the picture as decoded.
    player_.OnHook = [](TCustomPlayer*, TFFPicture& picture, std::int64_t) {
        std::fill(picture.Pixels.begin(), picture.Pixels.end(), std::uint8_t{0xFF});
        throw std::runtime_error("hook failed");
    };
    player_.Seek(std::int64_t{2000000}, TSeekFlags{}, true);
    std::int64_t pts = 0;
    ASSERT_TRUE(WaitUntil([&] {
        player_.CurrentFrame(pts);
        return pts >= 2000000;
    }));
    EXPECT_EQ(FrameNumber(player_.CurrentFrame()), pts / kFrameUs);
}

// Before the first picture is on screen there is nothing to take a picture of; afterwards the
// picture itself. While the file is open the player's probe describes it, afterwards nothing.
TEST_F(PlayerTest, CurrentFrameIsEmptyUntilAPictureIsShownAndTheProbeDescribesTheOpenFile)
{
    std::optional<TFFPicture> beforeFirst;
    std::string info;
    int videoStreams = -1;
    player_.OnFileOpen = [&](TCustomPlayer* sender, std::int64_t, int, int, int&, int&) {
        beforeFirst = sender->CurrentFrame();
        info = sender->AVProbe()->FileInfoText();
        videoStreams = sender->AVProbe()->VideoStreamCount();
    };
    ASSERT_TRUE(OpenFrames(true)) << player_.GetLastErrMsg();
    ASSERT_TRUE(beforeFirst.has_value());
    EXPECT_EQ(beforeFirst->Width, 0);
    EXPECT_EQ(beforeFirst->Height, 0);
    EXPECT_TRUE(beforeFirst->Pixels.empty());
    EXPECT_EQ(videoStreams, 1);
    EXPECT_NE(info.find("frames.avi"), std::string::npos) << info;

    ASSERT_TRUE(WaitUntil([&] { return FirstPictureShown(); }));
    const TFFPicture& frame = player_.CurrentFrame();
    EXPECT_EQ(frame.Width, 64);
    EXPECT_EQ(frame.Height, 48);
    EXPECT_EQ(frame.Pixels.size(), 64u * 48u * 4u);

    player_.Stop(true);
    EXPECT_EQ(player_.AVProbe()->GetFileHandle(), nullptr);
    EXPECT_EQ(player_.AVProbe()->StreamCount(), -1);
}

// The window detaches the handlers while the file plays: a handler running on a player thread
// finishes before the detaching assignment returns (which keeps serving the main thread
// meanwhile), and no detached handler is called again.
TEST_F(PlayerTest, HandlersDetachWhileAFilePlays)
{
    Event hookEntered{true, false}, release{true, false};
    std::atomic<int> hooks{0};
    std::atomic<bool> hookRunning{false};
    player_.OnHook = [&](TCustomPlayer*, TFFPicture&, std::int64_t) {
        hookRunning = true;
        ++hooks;
        hookEntered.Set();
        release.WaitFor(INFINITE);
        hookRunning = false;
    };
    player_.SetHook(true);
    ASSERT_TRUE(OpenFrames(false)) << player_.GetLastErrMsg();
    ASSERT_TRUE(MainThread::WaitServing(hookEntered, kGuardMs));

    // The hook is let go by a call the main thread serves while it waits in the assignment.
    MainThread::Post([&] { release.Set(); });
    player_.OnHook = nullptr;
    EXPECT_FALSE(hookRunning);
    player_.OnPosition = nullptr;
    player_.OnState = nullptr;
    const int hooked = hooks;
    const std::size_t positions = positions_.size(), states = states_.size();

    ASSERT_TRUE(WaitUntil([&] { return player_.GetCurrentPTS() >= 10 * kFrameUs; }));
    player_.Stop(true);
    EXPECT_EQ(hooks, hooked);
    EXPECT_EQ(positions_.size(), positions);
    EXPECT_EQ(states_.size(), states);
}

TEST_F(PlayerTest, StreamSwitchesAreChecked)
{
    ASSERT_TRUE(OpenFrames(true)) << player_.GetLastErrMsg();
    ASSERT_EQ(player_.GetVideoStreamIndex(), 0);
    ASSERT_EQ(player_.GetAudioStreamIndex(), 1);
    struct Case {
        void (TCustomPlayer::*Set)(int);
        int Index;
        const char* Message;
    };
    const Case cases[] = {
        {&TCustomPlayer::SetVideoStreamIndex, 1, "the stream type is not matched."},
        {&TCustomPlayer::SetAudioStreamIndex, 5, "the stream index is not valid."},
        {&TCustomPlayer::SetAudioStreamIndex, -1, "the stream index is not valid."},
        {&TCustomPlayer::SetSubtitleStreamIndex, 0, "the stream type is not matched."},
    };
    for (const Case& c : cases) {
        (player_.*c.Set)(c.Index);
        EXPECT_EQ(player_.GetLastErrMsg(), c.Message) << c.Index;
    }
    EXPECT_EQ(player_.GetVideoStreamIndex(), 0);
    EXPECT_EQ(player_.GetAudioStreamIndex(), 1);
    // Switching to the stream in use changes nothing.
    player_.SetAudioStreamIndex(1);
    EXPECT_EQ(player_.GetAudioStreamIndex(), 1);
}

TEST_F(PlayerTest, ResumedAtOnceAfterAPausedOpenItPlays)
{
    ASSERT_TRUE(OpenFrames(true)) << player_.GetLastErrMsg();
    player_.Resume();
    // Pictures flow although none had been shown when it resumed, and no late pause follows.
    ASSERT_TRUE(WaitUntil([&] { return LastPosition() > 200000; }));
    ASSERT_TRUE(WaitForState(psResume));
    EXPECT_EQ(states_.back(), psResume);
    EXPECT_FALSE(player_.GetPaused());
}

TEST_F(PlayerTest, TheDrawingAreaFollowsTheHost)
{
    // Without a handler of OnFileOpen to answer it, the area is the host's client size.
    player_.OnFileOpen = nullptr;
    ASSERT_TRUE(OpenFrames(true)) << player_.GetLastErrMsg();
    EXPECT_EQ(player_.GetScreenWidth(), 64);
    EXPECT_EQ(player_.GetScreenHeight(), 48);
    ASSERT_NE(host_.Listener, nullptr);
    ASSERT_TRUE(WaitForState(psPause));
    host_.Listener->HostResized(120, 90);
    EXPECT_TRUE(WaitUntil([&] { return player_.GetScreenWidth() == 120 && player_.GetScreenHeight() == 90; }));
    host_.Listener->HostExposed();
    EXPECT_EQ(player_.CurrentFrame().Width, 64);  // the picture keeps its own size
}

TEST_F(PlayerTest, ReopeningReportsTheOldStopBeforeTheNewPlay)
{
    ASSERT_TRUE(OpenFrames(false)) << player_.GetLastErrMsg();
    ASSERT_TRUE(WaitForState(psPlay));
    ASSERT_TRUE(OpenFrames(true)) << player_.GetLastErrMsg();
    ASSERT_TRUE(WaitForState(psPause));
    EXPECT_EQ(states_, (std::vector<TPlayState>{psPlay, psStop, psPlay, psPause}));
    player_.Stop(true);
    EXPECT_EQ(states_.back(), psStop);
    EXPECT_EQ(player_.GetVideoStreamIndex(), -1);
}

TEST_F(PlayerTest, CurrentFrameWhilePausedIsThePictureOfTheLastPosition)
{
    ASSERT_TRUE(OpenFrames(false)) << player_.GetLastErrMsg();
    ASSERT_TRUE(WaitUntil([&] { return LastPosition() >= 1000000; }));
    player_.Pause();
    ASSERT_TRUE(WaitForState(psPause));
    // Pictures queued before the pause may still go on screen; then the position rests.
    std::int64_t pts = -1;
    ASSERT_TRUE(WaitUntil([&] {
        player_.CurrentFrame(pts);
        return std::llabs(pts - LastPosition()) <= 10000;
    }));
    const TFFPicture& frame = player_.CurrentFrame(pts);
    EXPECT_EQ(FrameNumber(frame), (LastPosition() + kFrameUs / 2) / kFrameUs);
    EXPECT_EQ(FrameNumber(frame), pts / kFrameUs);
}

TEST_F(PlayerTest, ABadVideoFilterPlaysTheSoundAlone)
{
    player_.SetVideoFilters("no_such_filter=1");
    ASSERT_TRUE(OpenFrames(false)) << player_.GetLastErrMsg();
    ASSERT_TRUE(WaitUntil([&] { return LastPosition() >= 300000; }));
    std::int64_t pts = 0;
    player_.CurrentFrame(pts);
    EXPECT_EQ(pts, -1);  // no picture was ever shown
    // The pictures are refused with a reason.
    EXPECT_NE(player_.GetLastErrMsg().find("The pictures of 64x48 cannot be shown"), std::string::npos)
        << player_.GetLastErrMsg();
}

TEST_F(PlayerTest, AudioOnlyFileHasNoPictureAndReachesItsEnd)
{
    ASSERT_TRUE(player_.Open(zdtest::fixture("sample.wav"), &host_, false)) << player_.GetLastErrMsg();
    EXPECT_EQ(player_.GetVideoStreamIndex(), -1);
    EXPECT_EQ(player_.GetAudioStreamIndex(), 0);
    std::int64_t pts = 0;
    const TFFPicture& frame = player_.CurrentFrame(pts);
    EXPECT_EQ(pts, -1);
    EXPECT_EQ(frame.Width, 0);
    // The sound is drawn as a wave, then as a spectrum, while it plays on.
    ASSERT_TRUE(WaitUntil([&] { return LastPosition() >= 100000; }));
    player_.ToggleAudioDisplay();
    ASSERT_TRUE(WaitUntil([&] { return LastPosition() >= 300000; }));
    player_.Seek(std::int64_t{1800000}, TSeekFlags{}, true);
    ASSERT_TRUE(WaitForState(psEnd));
    EXPECT_NEAR(static_cast<double>(LastPosition()), 2000000.0, 10000.0);
    EXPECT_FALSE(WaitUntil([&] { return Count(psEnd) > 1; }, 300));
}

TEST_F(PlayerTest, OpenFailuresSayWhy)
{
    const std::string missing = zdtest::fixture("no-such-file.avi");
    EXPECT_FALSE(player_.Open(missing, &host_, true));
    EXPECT_EQ(player_.GetLastErrMsg().rfind(missing + ": ", 0), 0u) << player_.GetLastErrMsg();
    const std::string text = zdtest::fixture("notmedia.avi");
    EXPECT_FALSE(player_.Open(text, &host_, true));
    EXPECT_EQ(player_.GetLastErrMsg().rfind(text + ": ", 0), 0u) << player_.GetLastErrMsg();
    EXPECT_TRUE(states_.empty());
    EXPECT_EQ(host_.Listener, nullptr);
    // The player stays usable.
    ASSERT_TRUE(OpenFrames(true)) << player_.GetLastErrMsg();
    EXPECT_EQ(host_.Listener != nullptr, true);
    player_.Stop(true);
    EXPECT_EQ(host_.Listener, nullptr);
}

TEST_F(PlayerTest, FiftyOpensAndStopsLeaveNoThread)
{
    // Warm up once so the libraries' own lazily started threads, if any, exist before counting.
    ASSERT_TRUE(OpenFrames(true)) << player_.GetLastErrMsg();
    player_.Stop(true);
    const int before = ThreadCount();
    for (int i = 0; i < 50; ++i) {
        ASSERT_TRUE(OpenFrames(i % 2 == 0)) << i << ": " << player_.GetLastErrMsg();
        if (i % 3 == 0) {
            ASSERT_TRUE(WaitForState(psPlay, static_cast<std::size_t>(i / 3 + 2)));
        }
        player_.Stop(true);
    }
    EXPECT_EQ(ThreadCount(), before);
    EXPECT_EQ(Count(psPlay), Count(psStop));
}

// Each playback's states run from psPlay to psStop, with nothing after its psStop.
::testing::AssertionResult PlaybacksWellFormed(const std::vector<TPlayState>& states)
{
    bool open = false;
    for (std::size_t i = 0; i < states.size(); ++i) {
        if ((states[i] == psPlay) == open)
            return ::testing::AssertionFailure() << "state " << i << " of " << testing::PrintToString(states);
        open = states[i] != psStop;
    }
    if (open)
        return ::testing::AssertionFailure() << "no psStop at the end of " << testing::PrintToString(states);
    return ::testing::AssertionSuccess();
}

// A pause whose file stops while it is under way: the stop stays the playback's last state, so a
// waiting Stop returns, and the next file's events begin with its psPlay.
TEST_F(PlayerTest, APauseRacingTheStopLeavesTheStopLast)
{
    std::promise<void> ended;
    std::future<void> stopped = ended.get_future();
    player_.OnReached = [&](HeldPlayer::Point point, TPlayState state) {
        if (point == HeldPlayer::Point::Ended) {
            ended.set_value();
        } else if (point == HeldPlayer::Point::Reporting && state == psPause) {
            // The pause reports only once the playback has ended.
            player_.Stop(false);
            stopped.wait();
        }
    };
    ASSERT_TRUE(OpenFrames(false)) << player_.GetLastErrMsg();
    ASSERT_TRUE(WaitForState(psPlay));
    player_.Pause();
    {
        HangGuard guard("Stop after a pause that raced the stop");
        player_.Stop(true);
    }
    player_.OnReached = nullptr;
    EXPECT_EQ(states_, (std::vector<TPlayState>{psPlay, psStop}));
    EXPECT_EQ(player_.GetPlayState(), psStop);
    ASSERT_TRUE(OpenFrames(true)) << player_.GetLastErrMsg();
    ASSERT_TRUE(WaitForState(psPause));
    player_.Stop(true);
    EXPECT_EQ(states_, (std::vector<TPlayState>{psPlay, psStop, psPlay, psPause, psStop}));
}

// The preview's way with a file: back to its start and paused at its end. Damaged, cut and raw
// files are switched with an ordinary one many times in a row, each switch coming while the
// events of the file it leaves are still undelivered; the stop serves them, and the pause the end
// handler makes reports only after the file has ended. Every switch and the last stop return, and
// each playback's states run from psPlay to psStop.
TEST_F(PlayerTest, DamagedFilesSwitchedWithAnOrdinaryOne)
{
    player_.OnState = [this](TCustomPlayer*, TPlayState state) {
        states_.push_back(state);
        if (state == psEnd) {
            player_.Seek(std::int64_t{0}, TSeekFlags{sfAny}, false);
            player_.Pause();
        }
    };
    player_.OnReached = [this](HeldPlayer::Point point, TPlayState state) {
        if (point == HeldPlayer::Point::Refreshed)
            return;
        std::unique_lock<std::mutex> lock(holdMutex_);
        if (point == HeldPlayer::Point::Ended) {
            ++ended_;
        } else if (state == psEnd) {
            endQueued_ = true;
        } else if (switching_ && MainThread::IsMainThread()) {
            holdChanged_.wait(lock, [this] { return ended_ == played_; });
        }
        holdChanged_.notify_all();
    };
    // The file, and whether it is played (it then gets to its end at once) or opened paused.
    struct Row {
        const char* file;
        bool play;
    };
    const Row rows[] = {{"h264_noise.mkv", true}, {"h264_noise.264", true}, {"raw_noise.avi", true},
                        {"h264_cut.mkv", false},  {"damaged.avi", false},   {"truncated.avi", false}};
    const auto open = [this](const std::string& file, bool paused) {
        {
            std::lock_guard<std::mutex> lock(holdMutex_);
            switching_ = true;
            endQueued_ = false;
        }
        const bool opened = player_.Open(zdtest::fixture(file), &host_, paused);
        std::lock_guard<std::mutex> lock(holdMutex_);
        switching_ = false;
        played_ += opened;
        return opened;
    };
    const int before = ThreadCount();
    {
        HangGuard guard("Switching between damaged files and an ordinary one");
        for (int round = 0; round < 8; ++round) {
            for (const Row& row : rows) {
                ASSERT_TRUE(open(row.file, !row.play)) << row.file << ": " << player_.GetLastErrMsg();
                if (row.play) {
                    // The end is queued, not yet delivered, when the next file is opened.
                    std::unique_lock<std::mutex> lock(holdMutex_);
                    holdChanged_.wait(lock, [this] { return endQueued_; });
                }
                ASSERT_TRUE(open("h264.mkv", true)) << player_.GetLastErrMsg();
            }
        }
        player_.Stop(true);
    }
    player_.OnReached = nullptr;
    EXPECT_EQ(played_, ended_);
    EXPECT_GE(Count(psEnd), 8u * 3u);
    EXPECT_TRUE(PlaybacksWellFormed(states_));
    EXPECT_EQ(ThreadCount(), before);
}

// SIGINT and SIGTERM keep the process's own handling while a file is open (SDL would turn them
// into its quit event, which only ends the playback, so the program would not end).
TEST_F(PlayerTest, TheQuitSignalsKeepTheProcesssHandling)
{
    const auto handler = [](int signal) {
        struct sigaction action {};
        sigaction(signal, nullptr, &action);
        return action.sa_handler;
    };
    ASSERT_EQ(handler(SIGINT), SIG_DFL);
    ASSERT_EQ(handler(SIGTERM), SIG_DFL);
    ASSERT_TRUE(OpenFrames(true)) << player_.GetLastErrMsg();
    EXPECT_EQ(handler(SIGINT), SIG_DFL);
    EXPECT_EQ(handler(SIGTERM), SIG_DFL);
    player_.Stop(true);
    EXPECT_EQ(handler(SIGINT), SIG_DFL);
    EXPECT_EQ(handler(SIGTERM), SIG_DFL);
}

// Sound through SDL's disk driver, which writes what the callback hands it to a file.
class PlayerSoundTest : public PlayerTest, public testing::WithParamInterface<std::pair<bool, int>> {
protected:
    void SetUp() override
    {
        saved_ = GetEnv("SDL_AUDIODRIVER");
        SetEnv("SDL_AUDIODRIVER", "disk");
        SetEnv("SDL_DISKAUDIOFILE", dir_.file("sound.raw"));
        SetEnv("SDL_DISKAUDIODELAY", "5");
        PlayerTest::SetUp();
    }
    void TearDown() override
    {
        PlayerTest::TearDown();
        if (saved_)
            SetEnv("SDL_AUDIODRIVER", *saved_);
        else
            UnsetEnv("SDL_AUDIODRIVER");
        UnsetEnv("SDL_DISKAUDIOFILE");
        UnsetEnv("SDL_DISKAUDIODELAY");
    }
    std::vector<char> Written()
    {
        std::ifstream in(dir_.file("sound.raw"), std::ios::binary);
        return std::vector<char>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

    zdtest::TempDir dir_;
    std::optional<std::string> saved_;
};

TEST_P(PlayerSoundTest, MuteAndVolumeZeroAreSilent)
{
    const auto [mute, volume] = GetParam();
    player_.SetMute(mute);
    player_.SetAudioVolume(volume);
    ASSERT_TRUE(player_.Open(zdtest::fixture("sample.wav"), &host_, false)) << player_.GetLastErrMsg();
    ASSERT_TRUE(WaitUntil([&] { return LastPosition() >= 500000; }));
    player_.Stop(true);
    const std::vector<char> written = Written();
    ASSERT_GT(written.size(), 44100u);
    bool sound = false;
    for (char byte : written)
        sound = sound || byte != 0;
    EXPECT_EQ(sound, !mute && volume > 0);
}

// No audio device at all: SDL is given a driver it does not have.
class PlayerWithoutSoundTest : public PlayerSoundTest {
protected:
    void SetUp() override
    {
        PlayerSoundTest::SetUp();
        SetEnv("SDL_AUDIODRIVER", "none_such");
        logger_.SetOnLog([this](const void*, std::uint32_t, TLogLevel, const std::string& line) { lines_.push_back(line); });
    }
    std::size_t LinesWith(const std::string& text) const
    {
        return static_cast<std::size_t>(std::count_if(lines_.begin(), lines_.end(), [&](const std::string& line) {
            return line.find(text) != std::string::npos;
        }));
    }
    std::vector<std::string> lines_;
};

// Without a device the sound is not heard, but it keeps the time: a file of sound alone moves on
// to its end, and pictures play at their pace. The missing device is said once per file.
TEST_F(PlayerWithoutSoundTest, SoundAloneAndPicturesPlayOnTheClock)
{
    ASSERT_TRUE(player_.Open(zdtest::fixture("sample.wav"), &host_, false)) << player_.GetLastErrMsg();
    ASSERT_TRUE(WaitUntil([&] { return LastPosition() >= 500000; })) << testing::PrintToString(positions_);
    ASSERT_TRUE(WaitForState(psEnd));
    EXPECT_EQ(LinesWith("No audio device"), 1u) << testing::PrintToString(lines_);

    positions_.clear();
    ASSERT_TRUE(OpenFrames(false)) << player_.GetLastErrMsg();
    const auto start = std::chrono::steady_clock::now();
    ASSERT_TRUE(WaitUntil([&] { return LastPosition() >= 1000000; }));
    // The pictures keep their time: a second of them takes about a second.
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(800));
    EXPECT_EQ(LinesWith("No audio device"), 2u);
}

INSTANTIATE_TEST_SUITE_P(Cases, PlayerSoundTest,
                         testing::Values(std::make_pair(false, 128), std::make_pair(true, 128),
                                         std::make_pair(false, 0)));

} // namespace
