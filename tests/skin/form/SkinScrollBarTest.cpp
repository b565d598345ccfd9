#include "SkinFormSupport.h"

#include "skin/core/skUtils.h"
#include "skin/form/skSkinScrollBar.h"

#include <vector>

namespace {

class SkinScrollBarTest : public SkinFormTest {
protected:
    TskSkinScrollBar* Bar(TWinControl* parent, RECT r, TScrollBarKind kind = TScrollBarKind::sbHorizontal)
    {
        auto* b = new TskSkinScrollBar(parent);
        b->SetKind(kind);
        if (kind == TScrollBarKind::sbVertical)
            b->SetSkinDataName("vscrollbar");
        b->SetParent(parent);
        b->SetBoundsRect(r);
        b->OnChange = [this](TObject*) { ++changes; };
        b->OnLastChange = [this](TObject*) { ++lastChanges; };
        return b;
    }
    int changes = 0;
    int lastChanges = 0;
};

TEST_F(SkinScrollBarTest, PositionsAreClampedIntoTheRangeAndNeverBelowMin)
{
    struct Case {
        int min, max, page, position, want;
    };
    const Case cases[] = {
        {0, 100, 10, 95, 91},  // the last page ends at Max
        {0, 100, 0, 150, 100},
        {5, 100, 0, 4, 5},     // Min - 1
        {0, 10, 50, 7, 0},     // a page beyond the range: Min, never below it
        {-20, -10, 0, -30, -20},
    };
    TForm* f = ShownForm();
    TskSkinScrollBar* b = Bar(f, RECT{0, 0, 200, 19});
    for (const Case& c : cases) {
        b->SetRange(c.min, c.max, c.min, c.page);
        changes = 0;
        b->SetPosition(c.position);
        EXPECT_EQ(b->GetPosition(), c.want) << c.position;
        b->SetRange(c.min, c.max, c.position, c.page);
        EXPECT_EQ(b->GetPosition(), c.want) << c.position;
    }
    // Max re-clamps with the same rule, also when Min is not 0.
    b->SetRange(10, 100, 91, 10);
    changes = 0;
    b->SetMax(50);
    EXPECT_EQ(b->GetPosition(), 41);
    b->SimplySetPosition(20);
    EXPECT_EQ(b->GetPosition(), 20);
    EXPECT_EQ(changes, 0);
    b->SetPosition(20);
    EXPECT_EQ(changes, 0);
    b->SetPosition(21);
    EXPECT_EQ(changes, 1);
    b->SetPageSize(200);  // refused: the page would not fit
    EXPECT_EQ(b->GetPageSize(), 10);
}

TEST_F(SkinScrollBarTest, TheDefaultThumbIsSixteenPixelsOrAnEvenPageLengthInsideItsTrack)
{
    struct Case {
        int width;
        int min, max, page, position;
        RECT thumb;
    };
    const Case cases[] = {
        {200, 0, 100, 0, 0, RECT{17, 1, 33, 18}},      // no pages: 16 pixels at the start
        {200, 5, 5, 0, 5, RECT{17, 1, 33, 18}},        // Max = Min: at the track's start
        {200, 0, 100, 0, 100, RECT{167, 1, 183, 18}},  // at the end
        {200, 0, 99, 50, 0, RECT{17, 1, 99, 18}},      // 166 * 50 / 100 = 83 -> 82, even
        {200, 0, 999, 10, 0, RECT{17, 1, 33, 18}},     // never below 16
        {200, 0, 10, 20, 0, RECT{17, 1, 183, 18}},     // the page covers the range: the whole track
        {30, 0, 100, 0, 50, RECT{17, 1, 17, 18}},      // shorter than its buttons: no room
        {40, 0, 100, 10, 0, RECT{17, 1, 23, 18}},      // never longer than its track (6)
    };
    TForm* f = ShownForm();
    for (const Case& c : cases) {
        TskSkinScrollBar* b = Bar(f, RECT{0, 0, c.width, 19});
        b->SetRange(c.min, c.max, c.position, c.page);
        EXPECT_EQ(b->PartRect(TskSkinScrollBar::kThumb), c.thumb) << c.width << " " << c.page << " " << c.position;
        Pump();  // paints without failing
        b->Free();
    }
    TskSkinScrollBar* v = Bar(f, RECT{0, 0, 19, 200}, TScrollBarKind::sbVertical);
    v->SetRange(0, 10, 0, 20);
    EXPECT_EQ(v->PartRect(TskSkinScrollBar::kThumb), (RECT{1, 17, 18, 183}));
}

TEST_F(SkinScrollBarTest, ADragFiresOnChangeForEachMoveAndOnLastChangeOnce)
{
    TForm* f = ShownForm();
    TskSkinScrollBar* b = Bar(f, RECT{0, 0, 200, 19});
    b->SetRange(0, 100, 0, 0);
    Pump();
    // The thumb's centre runs from 25 to 175: 150 pixels for 100 steps.
    kit.PressButton(ScreenOf(b, 25, 9));
    kit.MoveMouse(ScreenOf(b, 100, 9));
    Pump();
    EXPECT_EQ(b->GetPosition(), 50);
    kit.MoveMouse(ScreenOf(b, 400, 9));
    kit.ReleaseButton(ScreenOf(b, 400, 9));
    Pump();
    EXPECT_EQ(b->GetPosition(), 100);
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(lastChanges, 1);
    changes = 0;
    kit.Click(ScreenOf(b, 100, 9));  // the track before the thumb: a page back
    Pump();
    EXPECT_EQ(b->GetPosition(), 99);
    EXPECT_EQ(lastChanges, 1);
}

TEST_F(SkinScrollBarTest, AHeldArrowRepeatsAboutTenTimesInTheSecondAfterHalfASecond)
{
    TForm* f = ShownForm();
    TskSkinScrollBar* b = Bar(f, RECT{0, 0, 200, 19});
    b->SetRange(0, 1000, 0, 0);
    Pump();
    kit.MoveMouse(ScreenOf(b, 190, 9));  // the up button
    Pump();
    kit.PressButton(ScreenOf(b, 190, 9));
    Pump();
    EXPECT_EQ(b->GetPosition(), 1);
    kit.Advance(499);
    EXPECT_EQ(b->GetPosition(), 1);
    kit.Advance(1);
    for (int i = 0; i < 20; ++i)
        kit.Advance(25);
    EXPECT_EQ(b->GetPosition(), 1 + 10);  // at 550, 600 .. 1000 ms
    // Off the button the repeat stops; back on it, it goes on.
    kit.MoveMouse(ScreenOf(b, 100, 9));
    Pump();
    kit.Advance(200);
    EXPECT_EQ(b->GetPosition(), 11);
    kit.MoveMouse(ScreenOf(b, 190, 9));
    Pump();
    kit.Advance(50);
    EXPECT_EQ(b->GetPosition(), 12);
    kit.ReleaseButton(ScreenOf(b, 190, 9));
    kit.Advance(500);
    EXPECT_EQ(b->GetPosition(), 12);
    EXPECT_EQ(lastChanges, 0);
}

TEST_F(SkinScrollBarTest, HoldingTheTrackPagesUntilTheThumbReachesThePointer)
{
    TForm* f = ShownForm();
    TskSkinScrollBar* b = Bar(f, RECT{0, 0, 200, 19});
    b->SetRange(0, 100, 0, 10);
    b->SetLargeChange(10);
    Pump();
    kit.PressButton(ScreenOf(b, 120, 9));
    Pump();
    for (int i = 0; i < 40; ++i)
        kit.Advance(50);
    const RECT thumb = b->PartRect(TskSkinScrollBar::kThumb);
    EXPECT_LE(thumb.left, 120);
    EXPECT_GT(b->GetPosition(), 30);
    EXPECT_LT(b->GetPosition(), 70);
    const int held = b->GetPosition();
    kit.Advance(500);
    EXPECT_EQ(b->GetPosition(), held);
    kit.ReleaseButton(ScreenOf(b, 120, 9));
    Pump();
}

TEST_F(SkinScrollBarTest, KeysAndTheWheelNeedCanFocused)
{
    TForm* f = ShownForm();
    TskSkinScrollBar* b = Bar(f, RECT{0, 0, 200, 19});
    b->SetRange(0, 100, 50, 0);
    Pump();
    b->Perform(WM_KEYDOWN, VK_RIGHT, 0);
    EXPECT_EQ(b->GetPosition(), 50);
    b->SetCanFocused(true);
    EXPECT_TRUE(b->GetTabStop());
    b->SetFocus();
    Pump();
    b->Perform(WM_KEYDOWN, VK_RIGHT, 0);
    EXPECT_EQ(b->GetPosition(), 51);
    b->Perform(WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0);
    b->Perform(WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0);
    EXPECT_EQ(b->GetPosition(), 49);
    EXPECT_EQ(b->Perform(CM_WANTSPECIALKEY, VK_UP, 0), 1);
}

TEST_F(SkinScrollBarTest, TheDefaultLookShowsPartStatesAndADisabledBarHasNoThumb)
{
    TForm* f = ShownForm();
    TskSkinScrollBar* b = Bar(f, RECT{0, 0, 200, 19});
    b->SetRange(0, 100, 0, 0);
    Pump();
    EXPECT_EQ(PixelOf(b, 25, 2), ColorToRGB(clBtnFace));
    EXPECT_EQ(PixelOf(b, 17, 9), ColorToRGB(clBtnShadow));  // the thumb's frame
    kit.MoveMouse(ScreenOf(b, 190, 9));
    Pump();
    EXPECT_EQ(PixelOf(b, 185, 3), RGB(182, 189, 210));
    kit.PressButton(ScreenOf(b, 190, 9));
    Pump();
    EXPECT_EQ(PixelOf(b, 185, 3), RGB(133, 147, 181));
    EXPECT_EQ(PixelOf(b, 183, 9), ColorToRGB(clNavy));
    kit.ReleaseButton(ScreenOf(b, 190, 9));
    Pump();
    b->SetEnabled(false);
    Pump();
    EXPECT_EQ(PixelOf(b, 17, 9), ColorToRGB(clBtnFace));
}

TEST_F(SkinScrollBarTest, SkinnedPartsComeFromTheSkinPictureBeforeAndAfterASwitch)
{
    auto data = skinform::ArtworkSkin(0);
    TForm* f = ShownForm();
    TskSkinScrollBar* b = Bar(f, RECT{0, 0, 200, 17});
    b->SetSkinData(data.get());
    b->SetRange(0, 100, 0, 0);
    Pump();
    for (int skin : {0, 2}) {
        if (skin == 2) {
            skinform::LoadArtworkSkin(data.get(), 2);
            b->ChangeSkinData();
            Pump();
        }
        auto& d = skinform::Described<TskDataSkinScrollBarControl>(*data, "hscrollbar");
        const RECT thumb = b->PartRect(TskSkinScrollBar::kThumb);
        EXPECT_EQ(thumb.right - thumb.left, d.ThumbRect.right - d.ThumbRect.left) << skin;
        EXPECT_EQ(PixelOf(b, thumb.left + 3, thumb.top + 8),
                  skinform::PicturePixel(*data, d.PictureIndex, d.ThumbRect.left + 3, d.ThumbRect.top + 8))
            << skin;
        const RECT up = b->PartRect(TskSkinScrollBar::kUpButton);
        kit.MoveMouse(ScreenOf(b, up.left + 8, 8));
        Pump();
        EXPECT_EQ(PixelOf(b, up.left + 8, 8),
                  skinform::PicturePixel(*data, d.PictureIndex, d.ActiveUpButtonRect.left + 8, d.ActiveUpButtonRect.top + 8))
            << skin;
        kit.PressButton(ScreenOf(b, up.left + 8, 8));
        Pump();
        EXPECT_EQ(PixelOf(b, up.left + 8, 8),
                  skinform::PicturePixel(*data, d.PictureIndex, d.DownUpButtonRect.left + 8, d.DownUpButtonRect.top + 8))
            << skin;
        kit.ReleaseButton(ScreenOf(b, up.left + 8, 8));
        kit.MoveMouse(ScreenOf(b, 100, 100));
        Pump();
        b->SetPosition(0);
    }
}

} // namespace
