#include "SkinFormSupport.h"

#include "skin/core/skUtils.h"
#include "skin/form/skSkinUpDown.h"

#include <string>
#include <vector>

namespace {

class SkinUpDownTest : public SkinFormTest {
protected:
    TskSkinUpDown* Make(TWinControl* parent, RECT r = RECT{10, 10, 60, 35})
    {
        auto* u = new TskSkinUpDown(parent);
        u->SetParent(parent);
        u->SetBoundsRect(r);
        u->OnChange = [this](TObject*) { log.push_back("change"); };
        u->OnUpButtonClick = [this](TObject*) { log.push_back("up"); };
        u->OnDownButtonClick = [this](TObject*) { log.push_back("down"); };
        return u;
    }
    void Move(TControl* c, int x, int y)
    {
        kit.MoveMouse(ScreenOf(c, x, y));
        Pump();
    }
    std::vector<std::string> log;
};

using Log = std::vector<std::string>;

TEST_F(SkinUpDownTest, PositionChangesOnlyInsideTheRange)
{
    TForm* f = ShownForm();
    TskSkinUpDown* u = Make(f);
    EXPECT_EQ(u->ButtonRect(TskSkinUpDown::kDown), (RECT{0, 0, 25, 25}));
    EXPECT_EQ(u->ButtonRect(TskSkinUpDown::kUp), (RECT{25, 0, 50, 25}));
    u->SetPosition(101);
    EXPECT_EQ(u->GetPosition(), 0);
    EXPECT_TRUE(log.empty());
    u->SetPosition(50);
    u->SetPosition(50);
    EXPECT_EQ(log, (Log{"change", "change"}));
    log.clear();
    u->SetMax(10);
    EXPECT_EQ(u->GetPosition(), 10);
    EXPECT_TRUE(log.empty());
    u->SetMin(20);  // Min above Max: nothing is accepted, nothing fails
    u->SetPosition(15);
    EXPECT_EQ(u->GetPosition(), 20);
    Pump();
}

TEST_F(SkinUpDownTest, AClickStepsOnReleaseOverItsButton)
{
    TForm* f = ShownForm();
    TskSkinUpDown* u = Make(f);
    u->SetPosition(100);
    log.clear();
    Move(u, 40, 10);
    kit.Click(ScreenOf(u, 40, 10));
    Pump();
    EXPECT_EQ(log, (Log{"up"}));  // at Max: no change
    log.clear();
    kit.Click(ScreenOf(u, 10, 10));
    Pump();
    EXPECT_EQ(u->GetPosition(), 99);
    EXPECT_EQ(log, (Log{"change", "down"}));
    log.clear();
    kit.PressButton(ScreenOf(u, 10, 10));
    Move(u, 200, 100);
    kit.ReleaseButton(ScreenOf(u, 200, 100));
    Pump();
    EXPECT_EQ(u->GetPosition(), 99);
    EXPECT_TRUE(log.empty());
    u->SetIncrement(0);
    Move(u, 40, 10);
    kit.PressButton(ScreenOf(u, 40, 10));
    kit.Advance(2000);
    kit.ReleaseButton(ScreenOf(u, 40, 10));
    Pump();
    EXPECT_EQ(log, (Log{"up"}));
}

TEST_F(SkinUpDownTest, AHeldButtonRepeatsEveryHundredMillisecondsAfterHalfASecond)
{
    TForm* f = ShownForm();
    TskSkinUpDown* u = Make(f);
    Move(u, 40, 10);
    kit.PressButton(ScreenOf(u, 40, 10));
    Pump();
    EXPECT_EQ(u->GetPosition(), 0);  // the press itself does not step
    kit.Advance(500);
    EXPECT_EQ(u->GetPosition(), 0);
    kit.Advance(100);
    EXPECT_EQ(u->GetPosition(), 1);
    for (int i = 0; i < 3; ++i)
        kit.Advance(100);
    EXPECT_EQ(u->GetPosition(), 4);
    Move(u, 10, 10);  // onto the other button
    for (int i = 0; i < 3; ++i)
        kit.Advance(100);
    EXPECT_EQ(u->GetPosition(), 4);
    Move(u, 40, 10);  // back on the held button: every 50 ms
    kit.Advance(50);
    kit.Advance(50);
    EXPECT_EQ(u->GetPosition(), 6);
    kit.ReleaseButton(ScreenOf(u, 40, 10));
    Pump();
    EXPECT_EQ(u->GetPosition(), 7);  // and the release over it steps once more
}

TEST_F(SkinUpDownTest, SkinnedButtonsShowTheirHotAndPressedImages)
{
    auto data = skinform::ArtworkSkin(0);
    TForm* f = ShownForm();
    TskSkinUpDown* u = Make(f);
    u->SetSkinData(data.get());
    Pump();
    for (int skin : {0, 2}) {
        if (skin == 2) {
            skinform::LoadArtworkSkin(data.get(), 2);
            u->ChangeSkinData();
            Pump();
        }
        auto& d = skinform::Described<TskDataSkinUpDownControl>(*data, "hupdown");
        EXPECT_EQ(u->GetWidth(), d.SkinRect.right - d.SkinRect.left);
        const RECT up = u->ButtonRect(TskSkinUpDown::kUp);
        const int x = up.left + 3, y = up.top + 3;
        EXPECT_EQ(PixelOf(u, x, y), skinform::PicturePixel(*data, d.PictureIndex, d.SkinRect.left + x, d.SkinRect.top + y));
        Move(u, x, y);
        EXPECT_EQ(PixelOf(u, x, y), skinform::PicturePixel(*data, d.PictureIndex, d.ActiveUpButtonRect.left + 3,
                                                           d.ActiveUpButtonRect.top + 3));
        kit.PressButton(ScreenOf(u, x, y));
        Pump();
        const RECT down = RectHasNoArea(d.DownUpButtonRect) ? d.ActiveUpButtonRect : d.DownUpButtonRect;
        EXPECT_EQ(PixelOf(u, x, y), skinform::PicturePixel(*data, d.PictureIndex, down.left + 3, down.top + 3));
        kit.ReleaseButton(ScreenOf(u, x, y));
        Move(u, 300, 200);
    }
    u->SetUseSkinSize(false);
    u->SetBounds(10, 10, 60, 30);
    Pump();
    EXPECT_EQ(u->ButtonRect(TskSkinUpDown::kUp), (RECT{30, 0, 60, 30}));
}

} // namespace
