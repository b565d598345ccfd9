// Playback against the wall clock, with the clock driven by the test: without a sound device the
// player takes the sound at a device's pace by the clock in force, so the test moves the clock a
// step at a time and, once the player has done what was due, compares what it shows and reports
// with the time that has passed.

#include "engine/FFPlay.h"
#include "engine/FFmpegLoader.h"
#include "engine/FFmpegLogger.h"
#include "platform/kernel/Clock.h"
#include "platform/kernel/Environment.h"
#include "platform/kernel/MainThread.h"

#include "HeldPlayer.h"
#include "PictureSupport.h"
#include "TestPaths.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr DWORD kGuardMs = 10000;
// How far the position may stand behind the clock: the sound starts a block or two late, and the
// pictures wait for it.
constexpr std::int64_t kLagMs = 200;

// A clock that only the test moves. A thread waiting on it waits until the test has moved it far
// enough, so the test can tell when every waiting thread has done what was due.
class DrivenClock : public Clock {
public:
    std::uint64_t TickCount() const override
    {
        std::lock_guard<std::mutex> lock(mutex_);
        return now_;
    }
    void WaitUntil(std::uint64_t tick) const override
    {
        std::unique_lock<std::mutex> lock(mutex_);
        waits_.push_back(tick);
        changed_.notify_all();
        changed_.wait(lock, [&] { return now_ >= tick || released_; });
        waits_.erase(std::find(waits_.begin(), waits_.end(), tick));
        changed_.notify_all();
    }
    // Moves the clock to ms and returns once a thread waits on it again, every waiter for a
    // later time; false when none does within the guard time.
    bool MoveTo(std::uint64_t ms)
    {
        std::unique_lock<std::mutex> lock(mutex_);
        now_ = ms;
        changed_.notify_all();
        return changed_.wait_for(lock, std::chrono::milliseconds(kGuardMs), [&] {
            return !waits_.empty() && std::all_of(waits_.begin(), waits_.end(), [&](std::uint64_t t) { return t > now_; });
        });
    }
    // Lets every waiter go, now and later.
    void Release()
    {
        std::lock_guard<std::mutex> lock(mutex_);
        released_ = true;
        changed_.notify_all();
    }

private:
    mutable std::mutex mutex_;
    mutable std::condition_variable changed_;
    mutable std::vector<std::uint64_t> waits_;
    std::uint64_t now_ = 1000000;
    bool released_ = false;
};

class PlaybackClock : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(FFLoader().Load(PlayerLibraries)) << FFLoader().GetLastErrMsg();
        savedDriver_ = GetEnv("SDL_AUDIODRIVER");
        SetEnv("SDL_AUDIODRIVER", "none_such");
        SetClock(&clock_);
        player_.SetShowAudio(saNone);
        player_.OnFileOpen = [this](TCustomPlayer*, std::int64_t duration, int, int, int&, int&) {
            durationUs_ = duration;
        };
        player_.OnPosition = [this](TCustomPlayer*, std::int64_t pts) { reportedUs_ = pts; };
        player_.OnState = [this](TCustomPlayer*, TPlayState state) {
            if (state == psEnd)
                reportedAtEndUs_ = reportedUs_;
        };
        player_.OnReached = [this](HeldPlayer::Point point, TPlayState) {
            if (point == HeldPlayer::Point::Refreshed) {
                ++refreshes_;
                MainThread::NotifyWaiters();
            }
        };
    }
    void TearDown() override
    {
        SetClock(nullptr);
        clock_.Release();
        player_.Stop(true);
        player_.OnReached = nullptr;
        MainThread::ServePending();
        if (savedDriver_)
            SetEnv("SDL_AUDIODRIVER", *savedDriver_);
        else
            UnsetEnv("SDL_AUDIODRIVER");
    }

    // Plays the file a step of the clock at a time, each step once the sound due and a whole
    // refresh of the screen have followed it, until the end is reported. The position keeps the
    // clock's time: never ahead of it, nor behind by more than a few pictures.
    void PlayOnTheClock(const std::string& file, std::int64_t stepMs)
    {
        const std::uint64_t start = clock_.TickCount();
        ASSERT_TRUE(player_.Open(zdtest::fixture(file), &host_, true)) << player_.GetLastErrMsg();
        ASSERT_GT(durationUs_, 0);
        // Playing starts from the first picture on screen; a picture decoded late would be shown
        // late, and those after it would hurry after the sound.
        ASSERT_TRUE(MainThread::WaitServing(
            [&] {
                return player_.GetCurrentPTS() >= 0 &&
                       (player_.GetVideoStreamIndex() < 0 || player_.GetPlayState() == psPause);
            },
            kGuardMs));
        player_.Resume();
        for (std::int64_t now = stepMs; player_.GetPlayState() != psEnd; now += stepMs) {
            ASSERT_LT(now, durationUs_ / 1000 + 1000) << "no end reported";
            const int refreshed = refreshes_;
            ASSERT_TRUE(clock_.MoveTo(start + static_cast<std::uint64_t>(now))) << "the sound stopped at " << now;
            ASSERT_TRUE(MainThread::WaitServing([&] { return refreshes_ >= refreshed + 2; }, kGuardMs));
            endMs_ = now;
            if (player_.GetPlayState() == psEnd)
                break;
            const std::int64_t position = player_.GetCurrentPTS();
            ASSERT_LE(position, now * 1000) << "the position ran ahead of the clock";
            ASSERT_GE(position, (now - kLagMs) * 1000) << "after " << now << " ms the position stood at " << position;
            lastPositionUs_ = position;
        }
        // The slider stands at the end when the end is told.
        ASSERT_TRUE(MainThread::WaitServing([&] { return reportedAtEndUs_ >= 0; }, kGuardMs));
        EXPECT_EQ(reportedAtEndUs_, durationUs_);
    }

    TFFLogger logger_;
    DrivenClock clock_;
    picturetest::OffscreenHost host_{64, 48};
    HeldPlayer player_;
    std::optional<std::string> savedDriver_;
    std::atomic<int> refreshes_{0};
    std::int64_t durationUs_ = -1;
    // The last position reported, and the one reported before the end.
    std::int64_t reportedUs_ = -1;
    std::int64_t reportedAtEndUs_ = -1;
    // The clock's time when the end was reported, and the position before.
    std::int64_t endMs_ = 0;
    std::int64_t lastPositionUs_ = 0;
};

// The sound ends half-way through the pictures: the pictures keep real time to the end, where the
// last one is shown at 5.96 s.
TEST_F(PlaybackClock, PicturesKeepTheClockAfterTheSoundEnds)
{
    // Steps of half a picture: each picture is shown no later than that after it is due, which
    // keeps the pictures' lateness below what would make them catch up with the sound.
    ASSERT_NO_FATAL_FAILURE(PlayOnTheClock("short_sound.avi", 20));
    EXPECT_GE(endMs_, 5960);
    EXPECT_LE(endMs_, 5960 + kLagMs);
}

class SoundAlone : public PlaybackClock, public testing::WithParamInterface<const char*> {};

// Each file holds 5 s of sound: the position moves with the clock up to the end of the sound
// before the end is reported.
TEST_P(SoundAlone, PlaysItsWholeSoundBeforeItsEnd)
{
    ASSERT_NO_FATAL_FAILURE(PlayOnTheClock(std::string("sound5.") + GetParam(), 40));
    EXPECT_GE(lastPositionUs_, 4900000);
    EXPECT_GE(endMs_, 5000);
    EXPECT_LE(endMs_, 5000 + kLagMs);
}

INSTANTIATE_TEST_SUITE_P(Kinds, SoundAlone, testing::Values("flac", "ogg", "mp3", "wav", "m4a", "opus"),
                         [](const testing::TestParamInfo<const char*>& param) { return std::string(param.param); });

} // namespace
