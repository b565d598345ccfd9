// The skinned scroll box: range checks, bar moves, growing and shrinking while scrolled, the
// bars' visibility, focusing clicks, frames and backgrounds.

#include "SkinFormSupport.h"

#include "classlib/ExtCtrls.h"
#include "skin/core/skDataSkinControls.h"
#include "skin/input/skSkinScrollBox.h"

using skinform::AddDescription;
using skinform::AddPicture;

namespace {

class ScrollBox : public SkinFormTest {
protected:
    void SetUp() override
    {
        form = ShownForm(320, 240);
        box = new TskSkinScrollBox(form);
        box->SetParent(form);
        box->SetBounds(10, 10, 100, 100);  // a 1-pixel frame: client 98 x 98
        vbar = new TskSkinScrollBar(form);
        vbar->SetParent(form);
        vbar->SetKind(TScrollBarKind::sbVertical);
        vbar->SetBounds(120, 10, 19, 100);
        hbar = new TskSkinScrollBar(form);
        hbar->SetParent(form);
        hbar->SetBounds(10, 120, 100, 19);
        child = new TPanel(box);
        child->SetParent(box);
        child->SetBounds(0, 0, 50, 50);
        box->SetVScrollBar(vbar);
        box->SetHScrollBar(hbar);
        Pump();
    }

    TForm* form = nullptr;
    TskSkinScrollBox* box = nullptr;
    TskSkinScrollBar* vbar = nullptr;
    TskSkinScrollBar* hbar = nullptr;
    TPanel* child = nullptr;
};

TEST_F(ScrollBox, RangeChecks)
{
    struct Case {
        const char* name;
        int childTop, childHeight;
        bool visible;
        int max, page;
    };
    const Case cases[] = {
        {"fits", 0, 50, false, 0, 0},
        {"100 pixels below", 0, 198, true, 197, 98},
        {"exactly fits", 10, 88, false, 0, 0},
        {"one pixel over", 10, 89, true, 98, 98},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        child->SetBounds(0, c.childTop, 50, c.childHeight);
        box->UpDateScrollRange();
        EXPECT_EQ(vbar->GetVisible(), c.visible);
        EXPECT_EQ(vbar->GetMax(), c.max);
        EXPECT_EQ(vbar->GetPageSize(), c.page);
        EXPECT_EQ(vbar->GetPosition(), 0);
        EXPECT_FALSE(hbar->GetVisible());
        EXPECT_EQ(hbar->GetBoth(), c.visible) << "Both follows the vertical bar";
    }
}

TEST_F(ScrollBox, BarMovesTheChildrenAndScrollingBackTheContent)
{
    child->SetBounds(0, 0, 50, 198);
    box->UpDateScrollRange();
    vbar->SetPosition(10);
    EXPECT_EQ(child->GetTop(), -10);
    box->VScroll(100);  // limited to Max - PageSize = 99, moved once
    EXPECT_EQ(vbar->GetPosition(), 99);
    EXPECT_EQ(child->GetTop(), -99);

    // Scrolled to the end, the box grows by 40: the content comes down by 40.
    vbar->SetPosition(vbar->GetMax());
    EXPECT_EQ(child->GetTop(), -100);
    box->SetBounds(10, 10, 100, 140);
    box->GetVRange();
    EXPECT_EQ(child->GetTop(), -60);
    EXPECT_EQ(vbar->GetPosition(), 60);
    EXPECT_EQ(child->GetTop() + child->GetHeight(), box->GetClientHeight()) << "no empty band below";

    // Scrolled, the content shrinks: it comes down by the empty height, at most the position.
    child->SetHeight(150);
    box->GetVRange();
    EXPECT_EQ(child->GetTop() + child->GetHeight(), box->GetClientHeight());
    EXPECT_EQ(vbar->GetPosition(), -child->GetTop());

    // Everything fits again: children back at their places, bar hidden.
    child->SetHeight(60);
    box->GetVRange();
    EXPECT_EQ(child->GetTop(), 0);
    EXPECT_FALSE(vbar->GetVisible());
    EXPECT_EQ(vbar->GetMax(), 0);
}

TEST_F(ScrollBox, HidingTheBoxHidesItsBars)
{
    child->SetBounds(0, 0, 198, 198);
    box->UpDateScrollRange();
    EXPECT_TRUE(vbar->GetVisible());
    EXPECT_TRUE(hbar->GetVisible());
    box->Hide();
    EXPECT_FALSE(vbar->GetVisible());
    EXPECT_FALSE(hbar->GetVisible());
    box->Show();
    EXPECT_TRUE(vbar->GetVisible());
    EXPECT_TRUE(hbar->GetVisible());
}

TEST_F(ScrollBox, FocusingClicks)
{
    int clicks = 0;
    box->OnClick = [&](TObject*) { ++clicks; };
    kit.Click(ScreenOf(box, 80, 80));
    Pump();
    EXPECT_FALSE(box->Focused());
    box->SetCanFocused(true);
    kit.Advance(1000);
    kit.Click(ScreenOf(box, 80, 80));
    Pump();
    EXPECT_TRUE(box->Focused());
    EXPECT_EQ(clicks, 2);
}

TEST_F(ScrollBox, FramesAndBackgrounds)
{
    EXPECT_EQ(box->GetClientWidth(), 98);
    EXPECT_EQ(PixelOf(box, 80, 80), ColorToRGB(box->GetColor()));
    box->SetBorderStyle(bvNone);
    EXPECT_EQ(box->GetClientWidth(), 100);

    auto data = skinform::MadeSkin();
    const int frame = AddPicture(*data, 40, 40, RGB(200, 0, 0));
    auto& d = AddDescription<TskDataSkinScrollBoxControl>(*data, "scrollbox");
    d.PictureIndex = frame;
    d.SkinRect = RECT{0, 0, 40, 40};
    d.ClRect = RECT{3, 3, 37, 37};
    d.LTPoint = POINT{3, 3};
    d.RTPoint = POINT{37, 3};
    d.LBPoint = POINT{3, 37};
    d.RBPoint = POINT{37, 37};
    box->SetBorderStyle(bvFrame);
    box->SetColor(clLime);
    box->SetSkinData(data.get());
    box->ChangeSkinData();
    Pump();
    EXPECT_EQ(box->GetClientWidth(), box->GetWidth() - 6) << "skin frame widths";
    EXPECT_EQ(PixelOf(box, 80, 80), RGB(200, 0, 0)) << "tiled from the skin's client part";

    d.BGPictureIndex = 7;  // past the pictures: the box's colour, and no frame
    box->ChangeSkinData();
    Pump();
    EXPECT_EQ(box->GetClientWidth(), box->GetWidth());
    EXPECT_EQ(PixelOf(box, 80, 80), RGB(0, 255, 0));

    d.BGPictureIndex = AddPicture(*data, 0, 0, RGB(0, 0, 200));  // empty: nothing drawn, no crash
    box->ChangeSkinData();
    Pump();
    d.BGPictureIndex = AddPicture(*data, 8, 8, RGB(0, 0, 200));
    box->ChangeSkinData();
    Pump();
    EXPECT_EQ(PixelOf(box, 90, 90), RGB(0, 0, 200));
}

} // namespace
