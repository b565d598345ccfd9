#include "SkinFormSupport.h"

#include "skin/form/skSkinSlider.h"

#include <vector>

namespace {

class SkinSliderTest : public SkinFormTest {
protected:
    TskSkinSlider* Make(TWinControl* parent, RECT r = RECT{10, 10, 160, 50})
    {
        auto* s = new TskSkinSlider(parent);
        s->SetParent(parent);
        s->SetBoundsRect(r);
        s->OnChange = [this](TObject*) { ++changes; };
        s->OnChanged = [this](TObject*) { ++changed; };
        return s;
    }
    int changes = 0;
    int changed = 0;
};

TEST_F(SkinSliderTest, JumpsGoToTheNeighbouringMultiple)
{
    struct Case {
        int value;
        TskJumpMode mode;
        int want;
    };
    const Case cases[] = {
        {14, TskJumpMode::jmNext, 20}, {15, TskJumpMode::jmNext, 20}, {16, TskJumpMode::jmNext, 20},
        {14, TskJumpMode::jmPrior, 10}, {15, TskJumpMode::jmPrior, 10}, {16, TskJumpMode::jmPrior, 10},
        {20, TskJumpMode::jmNext, 30}, {20, TskJumpMode::jmPrior, 10}, {95, TskJumpMode::jmNext, 100},
        {3, TskJumpMode::jmPrior, 0}, {55, TskJumpMode::jmHome, 0}, {55, TskJumpMode::jmEnd, 100},
    };
    TForm* f = ShownForm();
    TskSkinSlider* s = Make(f);
    for (const Case& c : cases) {
        s->SetValue(c.value);
        s->JumpValue(c.mode);
        EXPECT_EQ(s->GetValue(), c.want) << c.value << " " << static_cast<int>(c.mode);
    }
}

TEST_F(SkinSliderTest, TheRangeClampsTheValueAndBoundsTheIncrement)
{
    TForm* f = ShownForm();
    TskSkinSlider* s = Make(f);
    s->SetValue(150);
    EXPECT_EQ(s->GetValue(), 100);
    EXPECT_EQ(changes, 1);
    s->SetValue(100);
    EXPECT_EQ(changes, 1);
    s->SetIncrement(50);
    s->SetMaxValue(30);
    EXPECT_EQ(s->GetIncrement(), 30);
    EXPECT_EQ(s->GetValue(), 30);
    s->SetMinValue(40);  // min >= max is refused
    EXPECT_EQ(s->GetMinValue(), 0);
    s->SetIncrement(0);
    EXPECT_EQ(s->GetIncrement(), 30);
}

TEST_F(SkinSliderTest, HoldingTheRulerRepeatsEvery400MsUntilTheThumbReachesThePointer)
{
    TForm* f = ShownForm();
    TskSkinSlider* s = Make(f, RECT{0, 0, 232, 40});  // ruler 220, thumb 9: 211 pixels for 100
    s->SetValue(14);
    Pump();
    const int x = s->ValueToPosition(40) + 4;  // inside the thumb once it shows 40
    kit.PressButton(ScreenOf(s, x, 10));
    Pump();
    EXPECT_EQ(s->GetValue(), 20);
    kit.Advance(399);
    EXPECT_EQ(s->GetValue(), 20);
    kit.Advance(1);
    EXPECT_EQ(s->GetValue(), 30);
    kit.Advance(400);
    EXPECT_EQ(s->GetValue(), 40);
    kit.Advance(400);  // the thumb is under the pointer now
    EXPECT_EQ(s->GetValue(), 40);
    kit.Advance(400);
    EXPECT_EQ(s->GetValue(), 40);
    EXPECT_EQ(changed, 0);
    kit.ReleaseButton(ScreenOf(s, x, 10));
    Pump();
    EXPECT_EQ(changed, 1);
}

TEST_F(SkinSliderTest, WithoutSmoothADragStopsAtMultiplesOfTheIncrement)
{
    TForm* f = ShownForm();
    TskSkinSlider* s = Make(f, RECT{0, 0, 232, 40});
    s->SetOptions(TskSliderOptions{soShowPoints});
    Pump();
    const RECT t = s->ThumbRect();
    kit.PressButton(ScreenOf(s, t.left + 2, 10));
    Pump();
    std::vector<int> seen;
    s->OnChange = [&](TObject*) { seen.push_back(s->GetValue()); };
    for (int x = t.left + 3; x < t.left + 120; x += 3) {
        kit.MoveMouse(ScreenOf(s, x, 10));
        Pump();
    }
    kit.ReleaseButton(ScreenOf(s, t.left + 120, 10));
    Pump();
    ASSERT_FALSE(seen.empty());
    for (int v : seen)
        EXPECT_EQ(v % 10, 0) << v;
    EXPECT_EQ(changed, 1);
}

TEST_F(SkinSliderTest, OrientationTicksAndTinySliders)
{
    TForm* f = ShownForm();
    TskSkinSlider* s = Make(f);
    s->SetOrientation(TskSliderOrientation::soVertical);
    EXPECT_EQ(s->GetWidth(), 40);
    EXPECT_EQ(s->GetHeight(), 150);
    EXPECT_GT(s->ValueToPosition(0), s->ValueToPosition(100));  // the minimum at the bottom
    s->SetOrientation(TskSliderOrientation::soHorizontal);
    s->SetMaxValue(1000);
    s->SetBounds(0, 0, 121, 40);  // ruler 109, thumb 9: a 100-pixel track
    const auto ticks = s->TickValues(10);
    ASSERT_GE(ticks.size(), 2u);
    EXPECT_EQ(ticks.front(), 0);
    EXPECT_EQ(ticks.back(), 1000);
    for (std::size_t i = 1; i < ticks.size(); ++i)
        EXPECT_GE(s->ValueToPosition(ticks[i]) - s->ValueToPosition(ticks[i - 1]), 4);
    s->SetBounds(0, 0, 14, 40);  // narrower than its thumb
    EXPECT_TRUE(s->TickValues(10).empty());
    Pump();
    s->SetValue(500);
    EXPECT_EQ(s->ValueToPosition(500), 6);
    Pump();
}

TEST_F(SkinSliderTest, TheSkinnedThumbComesFromTheSkinPicture)
{
    auto data = skinform::ArtworkSkin(0);
    TForm* f = ShownForm();
    TskSkinSlider* s = Make(f);
    s->SetSkinData(data.get());
    s->SetValue(50);
    Pump();
    for (int skin : {0, 2}) {
        if (skin == 2) {
            skinform::LoadArtworkSkin(data.get(), 2);
            s->ChangeSkinData();
            Pump();
        }
        auto& d = skinform::Described<TskDataSkinSlider>(*data, "slider");
        const RECT t = s->ThumbRect();
        EXPECT_EQ(t.right - t.left, (d.HThumbRect.right - d.HThumbRect.left) / 2);
        const int cx = (t.right - t.left) / 2, cy = (t.bottom - t.top) / 2;
        EXPECT_EQ(PixelOf(s, t.left + cx, t.top + cy),
                  skinform::PicturePixel(*data, d.PictureIndex, d.HThumbRect.left + cx, d.HThumbRect.top + cy))
            << skin;
        EXPECT_EQ(PixelOf(s, 2, 2), ColorToRGB(d.BGColor)) << skin;
    }
}

} // namespace
