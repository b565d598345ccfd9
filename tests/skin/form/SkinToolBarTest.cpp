#include "SkinFormSupport.h"

#include "classlib/Bitmap.h"
#include "classlib/ExtCtrls.h"
#include "classlib/ImgList.h"
#include "skin/form/skSkinToolBar.h"

namespace {

class SkinToolBarTest : public SkinFormTest {
protected:
    // An aligned bar on a panel of the given width.
    TskSkinToolBar* Bar(TForm* f, int width, int contentEnd)
    {
        auto* host = new TPanel(f);
        host->SetParent(f);
        host->SetBevelOuter(TPanelBevel::bvNone);
        host->SetBounds(0, top, width, 25);
        top += 30;
        auto* bar = new TskSkinToolBar(f);
        bar->SetCanScroll(true);
        bar->SetAlign(TAlign::alTop);
        bar->SetParent(host);
        for (int x = 0; x < contentEnd; x += 50) {
            auto* b = new TskSkinSpeedButton(f);
            b->SetParent(bar);
            b->SetBounds(x, 0, std::min(50, contentEnd - x), 23);
        }
        bar->SetHeight(24);
        bar->SetHeight(25);
        Pump();
        return bar;
    }
    int top = 0;
};

TEST_F(SkinToolBarTest, WideContentShowsTheScrollButtonsAndStepsStopAtTheEnd)
{
    TForm* f = ShownForm(400, 200);
    TskSkinToolBar* bar = Bar(f, 200, 300);
    EXPECT_TRUE(bar->ScrollButtonsShown());
    EXPECT_EQ(bar->ScrollMax(), 299);
    EXPECT_EQ(bar->GetClientWidth(), 200 - 24);
    EXPECT_EQ(bar->ScrollPage(), 176);  // the client width once the buttons take their room
    bar->ScrollStep(true);
    EXPECT_EQ(bar->ScrollPosition(), 124);  // SMax - SPage + 1
    bar->ScrollStep(false);
    EXPECT_EQ(bar->ScrollPosition(), 0);
    bar->SetScrollOffset(30);
    bar->ScrollStep(true);
    EXPECT_EQ(bar->ScrollPosition(), 30);
    EXPECT_EQ(bar->Controls(0)->GetLeft(), -30);
    bar->SetScrollTimerInterval(0);
    EXPECT_EQ(bar->GetScrollTimerInterval(), 50);

    TskSkinToolBar* fits = Bar(f, 200, 150);
    EXPECT_FALSE(fits->ScrollButtonsShown());
    EXPECT_EQ(fits->ScrollMax(), 0);
}

TEST_F(SkinToolBarTest, TheFrameButtonsHitTestHoverScrollAndForgetTheHoverWhenThePointerLeaves)
{
    TForm* f = ShownForm(400, 200);
    TskSkinToolBar* bar = Bar(f, 200, 300);
    const POINT right = bar->ClientToScreen(POINT{200 - 24 + 6, 10});
    const POINT left = bar->ClientToScreen(POINT{-6, 10});
    EXPECT_EQ(bar->Perform(WM_NCHITTEST, 0, MAKELPARAM(right.x, right.y)), TskSkinToolBar::kHitRight);
    EXPECT_EQ(bar->Perform(WM_NCHITTEST, 0, MAKELPARAM(left.x, left.y)), TskSkinToolBar::kHitLeft);
    kit.MoveMouse(right);
    Pump();
    EXPECT_EQ(PixelOf(bar, 200 - 24 + 3, 3), RGB(182, 189, 210));
    kit.PressButton(right);
    Pump();
    EXPECT_EQ(PixelOf(bar, 200 - 24 + 3, 3), RGB(133, 147, 181));
    kit.Advance(50);  // held: a step every 50 ms
    EXPECT_EQ(bar->ScrollPosition(), 124);
    kit.ReleaseButton(right);
    Pump();
    kit.MoveMouse(bar->ClientToScreen(POINT{100, 200}));  // off the bar, straight from its frame
    Pump();
    EXPECT_EQ(PixelOf(bar, 200 - 24 + 3, 3), ColorToRGB(clBtnFace));
}

TEST_F(SkinToolBarTest, CaptionsAndHotImagesPassToTheSpeedButtons)
{
    TForm* f = ShownForm(400, 200);
    auto* bar = new TskSkinToolBar(f);
    bar->SetParent(f);
    bar->SetBounds(0, 0, 300, 30);
    bar->SetAutoShowHideCaptions(true);
    bar->SetWidthWithCaptions(300);
    bar->SetWidthWithoutCaptions(120);
    auto* b = new TskSkinSpeedButton(f);
    b->SetParent(bar);
    b->SetBounds(2, 2, 26, 26);
    b->SetImageIndex(0);
    TImageList normal(f), hot(f);
    for (auto [list, color] : {std::pair{&normal, clRed}, std::pair{&hot, clLime}}) {
        TBitmap picture;
        picture.SetSize(16, 16);
        picture.Canvas()->Brush()->SetColor(color);
        picture.Canvas()->FillRect(RECT{0, 0, 16, 16});
        list->Add(&picture, nullptr);
    }
    bar->SetImages(&normal);
    bar->SetHotImages(&hot);
    Pump();
    EXPECT_EQ(PixelOf(b, 13, 13), ColorToRGB(clRed));
    kit.MoveMouse(ScreenOf(b, 13, 13));
    Pump();
    EXPECT_EQ(PixelOf(b, 13, 13), ColorToRGB(clLime));
    bar->SetShowCaptions(true);
    EXPECT_TRUE(b->GetShowCaption());
    EXPECT_EQ(bar->GetWidth(), 300);
    bar->SetShowCaptions(false);
    EXPECT_EQ(bar->GetWidth(), 120);
    bar->SetWidth(200);
    bar->SetShowCaptions(false);  // unchanged: not even the width
    EXPECT_EQ(bar->GetWidth(), 200);
}

} // namespace
