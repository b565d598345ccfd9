#include "SkinFormSupport.h"

#include "skin/form/skSkinCtrls.h"

#include <string>
#include <vector>

namespace {

class SkinCheckRadioBoxTest : public SkinFormTest {
protected:
    TskSkinCheckRadioBox* AddBox(TWinControl* parent, const std::string& name, bool radio, int group, int top)
    {
        auto* b = new TskSkinCheckRadioBox(parent);
        b->SetParent(parent);
        b->SetBounds(10, top, 120, 20);
        b->SetRadio(radio);
        b->SetGroupIndex(group);
        b->SetCaption(name);
        b->OnClick = [this, name](TObject*) { events.push_back(name); };
        return b;
    }
    void ClickOn(TControl* c)
    {
        kit.Click(ScreenOf(c, 8, 10));
        Pump();
    }
    std::vector<std::string> events;
};

using S = TCheckBoxState;

} // namespace

TEST_F(SkinCheckRadioBoxTest, ClicksCycleTheStatesOfACheckBox)
{
    TForm* f = ShownForm();
    struct Case {
        bool allowGrayed;
        std::vector<S> states;  // after each of three clicks
    };
    for (const Case& c : {Case{false, {S::cbChecked, S::cbUnchecked, S::cbChecked}},
                          Case{true, {S::cbGrayed, S::cbChecked, S::cbUnchecked}}}) {
        events.clear();
        auto* box = AddBox(f, "box", false, 0, 10);
        box->SetAllowGrayed(c.allowGrayed);
        for (S expected : c.states) {
            ClickOn(box);
            EXPECT_EQ(box->GetState(), expected);
            EXPECT_EQ(box->GetChecked(), expected == S::cbChecked);
        }
        EXPECT_EQ(events.size(), 3u);
        // Unchecking a grayed box keeps it grayed.
        box->SetState(S::cbGrayed);
        box->SetChecked(false);
        EXPECT_EQ(box->GetState(), S::cbGrayed);
        box->Free();
    }
}

TEST_F(SkinCheckRadioBoxTest, RadioGroupsStayOnOneParent)
{
    TForm* f = ShownForm();
    auto* other = new TskSkinCheckRadioBox(f);  // a panel-like second parent
    other->SetParent(f);
    other->SetBounds(150, 0, 150, 150);
    auto* a = AddBox(f, "a", true, 1, 10);
    auto* b = AddBox(f, "b", true, 1, 40);
    auto* loose = AddBox(f, "loose", true, 0, 70);
    auto* elsewhere = AddBox(other, "elsewhere", true, 1, 10);
    for (auto* x : {a, loose, elsewhere})
        x->SetChecked(true);
    events.clear();

    ClickOn(b);
    EXPECT_TRUE(b->GetChecked());
    EXPECT_FALSE(a->GetChecked());
    EXPECT_TRUE(loose->GetChecked());
    EXPECT_TRUE(elsewhere->GetChecked());
    EXPECT_EQ(events, (std::vector<std::string>{"b"}));  // an unchecked radio sibling fires nothing

    ClickOn(b);  // clicking a checked radio box changes nothing
    EXPECT_TRUE(b->GetChecked());
    EXPECT_EQ(events.size(), 1u);

    a->SetState(S::cbChecked);  // fires OnClick, leaves the group alone
    EXPECT_TRUE(b->GetChecked());
    EXPECT_EQ(events.back(), "a");
}

TEST_F(SkinCheckRadioBoxTest, GroupSiblingFreedByAnOnClickIsSkipped)
{
    TForm* f = ShownForm();
    auto* a = AddBox(f, "a", false, 2, 10);
    auto* b = AddBox(f, "b", false, 2, 40);
    auto* c = AddBox(f, "c", false, 2, 70);
    // Checked without the group logic, so both stay checked.
    b->SetState(S::cbChecked);
    c->SetState(S::cbChecked);
    b->OnClick = [&c](TObject*) {
        if (c != nullptr)
            c->Free();
        c = nullptr;
    };
    a->SetChecked(true);  // unchecks b, whose handler frees c, which must not be touched then
    EXPECT_FALSE(b->GetChecked());
    EXPECT_EQ(f->ControlCount(), 2);
}

TEST_F(SkinCheckRadioBoxTest, FlatBoxKeepsItsSizeAndShowsTheSkinMark)
{
    auto data = skinform::ArtworkSkin(0);
    TForm* f = ShownForm();
    f->SetColor(RGB(200, 210, 220));
    auto* flat = AddBox(f, "flat", false, 0, 10);
    flat->SetSkinData(data.get());
    auto* solid = AddBox(f, "solid", false, 0, 50);
    solid->SetFlat(false);
    solid->SetSkinData(data.get());
    auto& d = skinform::Described<TskDataSkinCheckRadioControl>(*data, "checkbox");
    EXPECT_EQ(flat->GetHeight(), 20);
    EXPECT_EQ(flat->GetWidth(), 120);
    EXPECT_EQ(solid->GetHeight(), d.SkinRect.bottom - d.SkinRect.top);

    NotifyBeforeSkinChange(data.get(), f);
    skinform::LoadArtworkSkin(data.get(), 2);
    NotifySkinChange(data.get(), f);
    EXPECT_EQ(flat->GetWidth(), 120);
    EXPECT_EQ(flat->GetHeight(), 20);
    Pump();
    auto& d2 = skinform::Described<TskDataSkinCheckRadioControl>(*data, "checkbox");
    const RECT& m = d2.UnCheckImageRect;
    const int y = 10 - (m.bottom - m.top) / 2;
    const int mx = (m.right - m.left) / 2, my = (m.bottom - m.top) / 2;
    EXPECT_EQ(PixelOf(flat, 3 + mx, y + my), skinform::PicturePixel(*data, d2.PictureIndex, m.left + mx, m.top + my));
    EXPECT_EQ(PixelOf(flat, 118, 2), RGB(200, 210, 220));  // the parent behind the flat box
}

TEST_F(SkinCheckRadioBoxTest, DefaultLookMarks)
{
    TForm* f = ShownForm();
    auto* box = AddBox(f, "", false, 0, 10);
    box->SetChecked(true);
    auto* radio = AddBox(f, "", true, 0, 40);
    radio->SetChecked(true);
    Pump();
    EXPECT_EQ(PixelOf(box, 3, 3), ColorToRGB(clBtnShadow));  // the box frame
    EXPECT_EQ(PixelOf(radio, 9, 9), ColorToRGB(clBlack));  // the square mark
}
