#include "SkinFormSupport.h"

#include "skin/core/skUtils.h"
#include "skin/form/skSkinCtrls.h"

namespace {

class SkinSpeedButtonTest : public SkinFormTest {
protected:
    TskSkinSpeedButton* AddButton(TWinControl* parent, RECT r, TskSkinData* data = nullptr)
    {
        auto* b = new TskSkinSpeedButton(parent);
        b->SetParent(parent);
        b->SetSkinData(data);
        b->SetBoundsRect(r);
        b->OnClick = [this](TObject*) { ++clicks; };
        return b;
    }
    void MoveTo(TControl* c, int x, int y)
    {
        kit.MoveMouse(ScreenOf(c, x, y));
        Pump();
    }
    int clicks = 0;
};

} // namespace

TEST_F(SkinSpeedButtonTest, FlatIdleButtonShowsTheParentAroundItsFace)
{
    auto data = skinform::ArtworkSkin(0);
    TForm* f = ShownForm();
    f->SetColor(RGB(10, 200, 30));
    auto* b = AddButton(f, RECT{20, 20, 45, 45}, data.get());
    b->SetFlat(true);
    EXPECT_TRUE(b->GetTransparent());
    Pump();
    EXPECT_EQ(PixelOf(b, 2, 2), RGB(10, 200, 30));
    EXPECT_EQ(PixelOf(b, 12, 12), RGB(10, 200, 30));
    MoveTo(b, 12, 12);
    auto& d = skinform::Described<TskDataSkinButtonControl>(*data, "toolbutton");
    const RECT a = RectHasNoArea(d.ActiveSkinRect) ? d.SkinRect : d.ActiveSkinRect;
    EXPECT_EQ(PixelOf(b, 2, 2), skinform::PicturePixel(*data, d.PictureIndex, a.left + 2, a.top + 2));
    EXPECT_EQ(b->MorphKf(), 0.0);  // a transparent button never morphs
    MoveTo(b, 200, 200);
    EXPECT_EQ(PixelOf(b, 2, 2), RGB(10, 200, 30));
}

TEST_F(SkinSpeedButtonTest, ShowCaptionChoosesTheWidthWhenBothAreSet)
{
    TForm* f = ShownForm();
    struct Case {
        int with, without;
        int widthAfterHiding, widthAfterShowing;
    };
    for (const Case& c : {Case{80, 30, 30, 80}, Case{80, 0, 50, 50}, Case{0, 30, 50, 50}}) {
        auto* b = AddButton(f, RECT{0, 0, 50, 25});
        b->SetCaption("Go");
        b->SetWidthWithCaption(c.with);
        b->SetWidthWithoutCaption(c.without);
        b->SetShowCaption(false);
        EXPECT_EQ(b->GetWidth(), c.widthAfterHiding);
        b->SetShowCaption(true);
        EXPECT_EQ(b->GetWidth(), c.widthAfterShowing);
        b->Free();
    }
}

TEST_F(SkinSpeedButtonTest, ClicksOnlyThroughButtonClickAndRepeatsWhileHeld)
{
    TForm* f = ShownForm();
    auto* b = AddButton(f, RECT{20, 20, 45, 45});
    MoveTo(b, 5, 5);
    kit.PressButton(ScreenOf(b, 5, 5));
    Pump();
    kit.ReleaseButton(ScreenOf(b, 5, 5));
    Pump();
    EXPECT_EQ(clicks, 1);
    // Released outside: no click.
    kit.PressButton(ScreenOf(b, 5, 5));
    Pump();
    MoveTo(b, 100, 100);
    kit.ReleaseButton(ScreenOf(b, 100, 100));
    Pump();
    EXPECT_EQ(clicks, 1);
    EXPECT_FALSE(b->GetDown());

    b->SetRepeatMode(true);
    MoveTo(b, 5, 5);
    kit.PressButton(ScreenOf(b, 5, 5));
    Pump();
    kit.Advance(500);
    kit.Advance(100);
    EXPECT_EQ(clicks, 2);
    MoveTo(b, 100, 100);  // leaving stops the repeat
    EXPECT_FALSE(b->RepeatRunning());
    kit.Advance(300);
    EXPECT_EQ(clicks, 2);
    MoveTo(b, 5, 5);  // back while held: the delay starts again
    kit.Advance(500);
    EXPECT_EQ(clicks, 2);
    kit.Advance(100);
    EXPECT_EQ(clicks, 3);
    kit.ReleaseButton(ScreenOf(b, 5, 5));
    Pump();
    EXPECT_EQ(clicks, 4);
}

TEST_F(SkinSpeedButtonTest, GroupWithAllowAllUp)
{
    TForm* f = ShownForm();
    auto* a = AddButton(f, RECT{0, 0, 25, 25});
    auto* b = AddButton(f, RECT{30, 0, 55, 25});
    for (auto* x : {a, b}) {
        x->SetGroupIndex(3);
        x->SetAllowAllUp(true);
    }
    a->SetDown(true);
    b->SetDown(true);
    EXPECT_TRUE(a->GetDown());  // all up allowed: the others stay
    a->SetAllowAllUp(false);
    a->SetDown(true);
    EXPECT_FALSE(b->GetDown());
    MoveTo(a, 5, 5);
    kit.PressButton(ScreenOf(a, 5, 5));
    Pump();
    kit.ReleaseButton(ScreenOf(a, 5, 5));
    Pump();
    EXPECT_TRUE(a->GetDown());  // all up not allowed: stays down, no click
    EXPECT_EQ(clicks, 0);
}
