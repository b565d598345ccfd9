#include "SkinFormSupport.h"

#include "skin/core/skUtils.h"
#include "skin/form/skSkinStatusBar.h"

namespace {

class SkinStatusBarTest : public SkinFormTest {};

TEST_F(SkinStatusBarTest, TheGripTakesASquareOfTheClientAreaAndAnswersHitTests)
{
    TForm* f = ShownForm(320, 240);
    auto* bar = new TskSkinStatusBar(f);
    bar->SetParent(f);
    Pump();
    EXPECT_EQ(bar->GetTop(), 240 - 21);
    const POINT inGrip = bar->ClientToScreen(POINT{315, 15});
    EXPECT_EQ(bar->Perform(WM_NCHITTEST, 0, MAKELPARAM(inGrip.x, inGrip.y)),
              DefWindowProc(bar->GetHandle(), WM_NCHITTEST, 0, MAKELPARAM(inGrip.x, inGrip.y)));
    bar->SetSizeGrip(true);
    Pump();
    EXPECT_EQ(bar->GetSkinClientRect().right, 320 - 21);
    EXPECT_EQ(bar->GripRect(), (RECT{301, 0, 320, 19}));
    EXPECT_EQ(bar->Perform(WM_NCHITTEST, 0, MAKELPARAM(inGrip.x, inGrip.y)), HTBOTTOMRIGHT);
    const POINT left = bar->ClientToScreen(POINT{100, 10});
    EXPECT_EQ(bar->Perform(WM_NCHITTEST, 0, MAKELPARAM(left.x, left.y)), HTCLIENT);
    EXPECT_EQ(PixelOf(bar, 304, 19), ColorToRGB(clBtnShadow));  // the first diagonal's foot
    EXPECT_EQ(PixelOf(bar, 305, 19), ColorToRGB(clBtnHighlight));
    bar->SetShowGrip(false);
    EXPECT_EQ(bar->GetSkinClientRect().right, 320);
}

TEST_F(SkinStatusBarTest, APressOnTheGripSizesTheForm)
{
    TForm* f = ShownForm(320, 240);
    auto* bar = new TskSkinStatusBar(f);
    bar->SetParent(f);
    bar->SetSizeGrip(true);
    Pump();
    const int width = f->GetWidth(), height = f->GetHeight();
    const POINT grip = bar->ClientToScreen(POINT{312, 12});
    kit.WhenIdle([&] { kit.MoveMouse(POINT{grip.x + 40, grip.y + 30}); });
    kit.WhenIdle([&] { kit.ReleaseButton(POINT{grip.x + 40, grip.y + 30}); });
    kit.PressButton(grip);
    Pump();
    EXPECT_EQ(f->GetWidth(), width + 40);
    EXPECT_EQ(f->GetHeight(), height + 30);
    EXPECT_EQ(bar->GetWidth(), f->GetClientWidth());
}

TEST_F(SkinStatusBarTest, TheSkinnedGripComesFromTheSkinPicture)
{
    auto data = skinform::ArtworkSkin(0);
    TForm* f = ShownForm(320, 240);
    auto* bar = new TskSkinStatusBar(f);
    bar->SetParent(f);
    bar->SetSkinData(data.get());
    bar->SetSizeGrip(true);
    Pump();
    for (int skin : {0, 2}) {
        if (skin == 2) {
            skinform::LoadArtworkSkin(data.get(), 2);
            bar->ChangeSkinData();
            Pump();
        }
        auto& d = skinform::Described<TskDataSkinPanelControl>(*data, "statusbar");
        if (RectHasNoArea(d.GripperRect))
            continue;
        const RECT g = bar->GripRect();
        EXPECT_EQ(g.right - g.left, d.GripperRect.right - d.GripperRect.left);
        const int x = (g.right - g.left) / 2, y = (g.bottom - g.top) / 2;
        const COLORREF want = skinform::PicturePixel(*data, d.PictureIndex, d.GripperRect.left + x, d.GripperRect.top + y);
        if (!d.GripperTransparent || want != ColorToRGB(d.GripperTransparentColor)) {
            EXPECT_EQ(PixelOf(bar, g.left + x, g.top + y), want) << skin;
        }
    }
}

} // namespace
