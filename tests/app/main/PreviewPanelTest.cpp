#include "app/main/PreviewPanel.h"

#include <gtest/gtest.h>

TEST(PreviewPanel, SliderFollowsPositionOnlyWhenItCan)
{
    struct Case {
        const char* drag;
        std::int64_t pts, duration;
        int maximum;
        std::optional<int> value;
    } cases[] = {
        {"UP", 30'000'000, 60'000'000, 241, 120},
        {"UP", 0, 60'000'000, 241, 0},
        {"UP", 60'000'000, 60'000'000, 241, 241},
        // Hours of film: the product needs 64 bits.
        {"UP", 20'000'000'000, 36'000'000'000, 241, 133},
        {"Down", 30'000'000, 60'000'000, 241, std::nullopt},
        {"UP", -1, 60'000'000, 241, std::nullopt},
        {"UP", 30'000'000, 0, 241, std::nullopt},
        {"UP", 30'000'000, -1, 241, std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SliderValueAt(c.drag, c.pts, c.duration, c.maximum), c.value)
            << c.drag << " " << c.pts << " of " << c.duration;
}

TEST(PreviewPanel, ReleasedSliderSeeksByItsShareOfTheDuration)
{
    EXPECT_EQ(SliderSeekTarget(60'000'000, 120, 241), 29'875'518);
    EXPECT_EQ(SliderSeekTarget(60'000'000, 241, 241), 60'000'000);
    EXPECT_EQ(SliderSeekTarget(36'000'000'000, 240, 241), 35'850'622'406);
    EXPECT_EQ(SliderSeekTarget(0, 120, 241), 0);
    // An unknown duration or an empty slider range seeks nowhere.
    EXPECT_EQ(SliderSeekTarget(-1, 120, 241), std::nullopt);
    EXPECT_EQ(SliderSeekTarget(60'000'000, 0, 0), std::nullopt);
}

TEST(PreviewPanel, DriverListsAndStateNames)
{
    EXPECT_EQ(VideoDriverAt(0), vdDefault);
    EXPECT_EQ(VideoDriverAt(1), vdDirectDraw);
    EXPECT_EQ(VideoDriverAt(2), vdGDI);
    EXPECT_EQ(VideoDriverAt(-1), vdDefault);
    EXPECT_EQ(VideoDriverAt(3), vdDefault);
    EXPECT_EQ(AudioDriverAt(0), adDefault);
    EXPECT_EQ(AudioDriverAt(1), adDirectSound);
    EXPECT_EQ(AudioDriverAt(2), adWaveOut);
    EXPECT_EQ(AudioDriverAt(7), adDefault);

    const char* names[] = {"Play", "Pause", "Resume", "Step", "Stop", "End"};
    for (int s = psPlay; s <= psEnd; ++s)
        EXPECT_EQ(PlayStateName(static_cast<TPlayState>(s)), names[s]);
}

TEST(PreviewPanel, FileOpenLine)
{
    EXPECT_EQ(FileOpenLogLine(12'345'678, 320, 240), "duration: 12.35, frame size: 320x240");
    EXPECT_EQ(FileOpenLogLine(90'000'000'000, 0, 0), "duration: 90000.00, frame size: 0x0");
}
