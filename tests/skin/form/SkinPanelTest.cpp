#include "SkinFormSupport.h"

#include "skin/form/skSkinCtrls.h"

namespace {

class SkinPanelTest : public SkinFormTest {
protected:
    TskSkinPanel* AddPanel(TWinControl* parent, TskSkinData* data)
    {
        auto* p = new TskSkinPanel(parent);
        p->SetParent(parent);
        p->SetBounds(10, 10, 200, 150);
        p->SetSkinData(data);
        return p;
    }
    TControl* AddChild(TskSkinPanel* p, int top)
    {
        auto* c = new TskSkinButton(p);
        c->SetParent(p);
        c->SetBounds(20, top, 60, 20);
        return c;
    }
};

} // namespace

TEST_F(SkinPanelTest, CaptionCheckTogglesCheckedAndTheChildren)
{
    TForm* f = ShownForm(320, 240);
    auto* p = AddPanel(f, nullptr);
    p->SetCaptionMode(true);
    p->SetCheckedMode(true);
    TControl* a = AddChild(p, 40);
    TControl* b = AddChild(p, 70);
    int fired = 0;
    p->OnChecked = [&](TObject*) { ++fired; };
    for (bool expected : {true, false}) {
        kit.Click(ScreenOf(p, 8, 10));
        Pump();
        EXPECT_EQ(p->GetChecked(), expected);
        EXPECT_EQ(a->GetEnabled(), expected);
        EXPECT_EQ(b->GetEnabled(), expected);
    }
    kit.Click(ScreenOf(p, 8, 100));  // outside the caption band
    Pump();
    EXPECT_FALSE(p->GetChecked());
    p->SetChecked(false);  // the same value still fires
    EXPECT_EQ(fired, 3);
}

TEST_F(SkinPanelTest, RollUpKeepsTheFirstHeightAndRestoresOnlyVisibleChildren)
{
    auto data = skinform::ArtworkSkin(0);
    TForm* f = ShownForm(320, 240);
    for (TskSkinData* skin : {static_cast<TskSkinData*>(nullptr), data.get()}) {
        SCOPED_TRACE(skin != nullptr);
        auto* p = AddPanel(f, skin);
        p->SetCaptionMode(true);
        TControl* shown = AddChild(p, 40);
        TControl* hidden = AddChild(p, 70);
        hidden->SetVisible(false);
        p->SetRollUpState(true);  // without RollUpMode: stays down
        EXPECT_FALSE(p->GetRollUpState());
        EXPECT_EQ(p->GetRealHeight(), -1);

        p->SetRollUpMode(true);
        const RECT client = p->RealClientRect();
        p->SetRollUpState(true);
        const int rolled = skin ? 150 - (client.bottom - client.top) : 22 + 1;
        EXPECT_EQ(p->GetHeight(), rolled);
        EXPECT_EQ(p->GetRealHeight(), 150);
        EXPECT_FALSE(shown->GetVisible());
        p->DoRollUp(true);  // again: the first height is kept
        EXPECT_EQ(p->GetRealHeight(), 150);

        p->SetRollUpState(false);
        EXPECT_EQ(p->GetHeight(), 150);
        EXPECT_EQ(p->GetRealHeight(), -1);
        EXPECT_TRUE(shown->GetVisible());
        EXPECT_FALSE(hidden->GetVisible());
        p->DoRollUp(false);  // not rolled up: nothing
        EXPECT_EQ(p->GetHeight(), 150);
        p->Free();
    }
}

TEST_F(SkinPanelTest, ClientRectangleCases)
{
    auto data = skinform::ArtworkSkin(0);
    auto& d = skinform::Described<TskDataSkinPanelControl>(*data, "panel");
    TForm* f = ShownForm(320, 240);
    struct Case {
        const char* name;
        bool skinned;
        TskSkinBorderStyle border;
        bool caption, ribbon;
        RECT expected;
    };
    const int dW = 200 - (d.SkinRect.right - d.SkinRect.left), dH = 150 - (d.SkinRect.bottom - d.SkinRect.top);
    const RECT skinClient{d.ClRect.left, d.ClRect.top, d.ClRect.right + dW, d.ClRect.bottom + dH};
    const Case cases[] = {
        {"plain", false, bvFrame, false, false, {1, 1, 199, 149}},
        {"no border", false, bvNone, false, false, {0, 0, 200, 150}},
        {"caption", false, bvRaised, true, false, {1, 23, 199, 149}},
        {"ribbon", false, bvRaised, true, true, {1, 1, 199, 127}},
        {"skin", true, bvFrame, false, false, skinClient},
        {"skin without border", true, bvNone, false, false, {0, 0, 200, 150}},
        {"skin with caption", true, bvNone, true, false, skinClient},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto* p = AddPanel(f, c.skinned ? data.get() : nullptr);
        p->SetBorderStyle(c.border);
        p->SetCaptionMode(c.caption);
        p->SetRibbonStyle(c.ribbon);
        EXPECT_EQ(p->GetSkinClientRect(), c.expected);
        p->Free();
    }
}

TEST_F(SkinPanelTest, BackgroundPictureCoversThePanelWithoutFrame)
{
    auto data = skinform::MadeSkin();
    skinform::AddPicture(*data, 60, 60, RGB(90, 0, 0));
    const int bg = skinform::AddPicture(*data, 16, 16, RGB(0, 160, 80));
    auto& d = skinform::AddDescription<TskDataSkinPanelControl>(*data, "panel");
    d.PictureIndex = 0;
    d.SkinRect = RECT{0, 0, 60, 60};
    d.LTPoint = {4, 4};
    d.RTPoint = {56, 4};
    d.LBPoint = {4, 56};
    d.RBPoint = {56, 56};
    d.ClRect = RECT{4, 4, 56, 56};
    d.BGPictureIndex = bg;
    TForm* f = ShownForm(320, 240);
    auto* p = AddPanel(f, data.get());
    p->SetCaption("no caption drawn");
    Pump();
    EXPECT_EQ(p->GetSkinClientRect(), (RECT{0, 0, 200, 150}));
    for (POINT at : {POINT{0, 0}, POINT{199, 149}, POINT{100, 8}})
        EXPECT_EQ(PixelOf(p, at.x, at.y), RGB(0, 160, 80)) << at.x << "," << at.y;
    d.BGPictureIndex = -1;  // the frame comes back
    p->Invalidate();
    Pump();
    EXPECT_EQ(PixelOf(p, 0, 0), RGB(90, 0, 0));
}
