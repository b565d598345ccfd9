#include "SkinFormSupport.h"

#include "platform/win/Rect.h"
#include "skin/core/skDataSkinControls.h"
#include "skin/form/skSkinChange.h"
#include "skin/form/skSkinMessages.h"
#include "skin/form/skSkinTabs.h"
#include "skin/form/skSkinUpDown.h"

#include <string>
#include <vector>

namespace {

class SkinPageControlTest : public SkinFormTest {
protected:
    TskSkinPageControl* Make(TForm* f, int tabs, RECT r = RECT{10, 10, 310, 210})
    {
        auto* pc = new TskSkinPageControl(f);
        pc->SetBoundsRect(r);
        for (int i = 0; i < tabs; ++i) {
            auto* s = new TskSkinTabSheet(f);
            s->SetCaption(i == 0 ? "常规" : "页" + std::to_string(i));
            s->SetPageControl(pc);
            sheets.push_back(s);
        }
        pc->SetParent(f);
        Pump();
        return pc;
    }
    void ClickAt(TControl* c, POINT p)
    {
        kit.MoveMouse(ScreenOf(c, p.x, p.y));
        kit.Click(ScreenOf(c, p.x, p.y));
        Pump();
    }
    static POINT Centre(const RECT& r) { return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }
    std::vector<TskSkinTabSheet*> sheets;
};

TEST_F(SkinPageControlTest, TopTabsStartAtTheCornerAndTheSkinFrameMeetsThem)
{
    auto data = skinform::ArtworkSkin(0);
    const auto& tab = skinform::Described<TskDataSkinTabControl>(*data, "tab");
    TForm* f = ShownForm(400, 300);
    TskSkinPageControl* pc = Make(f, 2);
    pc->SetSkinData(data.get());
    Pump();
    const int h = RectHeight(tab.TabRect);
    const RECT first = pc->GetTabRect(0);
    EXPECT_EQ(first.left, 1);  // the first tab of a single row one pixel in
    EXPECT_EQ(first.top, 0);
    EXPECT_EQ(first.bottom, h);
    EXPECT_EQ(pc->GetTabRect(1).top, 0);
    // The sheet takes the frame's client part, whose border starts below the tabs.
    EXPECT_EQ(sheets[0]->GetBoundsRect(), (RECT{tab.ClRect.left, h + tab.ClRect.top,
                                                300 - (RectWidth(tab.SkinRect) - tab.ClRect.right),
                                                200 - (RectHeight(tab.SkinRect) - tab.ClRect.bottom)}));
    EXPECT_EQ(pc->GetActiveTabRect(), (RECT{first.left, 0, first.right, h + RectHeight(tab.ActiveTabRect) - h}));
}

TEST_F(SkinPageControlTest, AClickOrAnArrowKeyChoosesATab)
{
    TForm* f = ShownForm(400, 300);
    TskSkinPageControl* pc = Make(f, 3);
    int changes = 0;
    pc->OnChange = [&](TObject*) { ++changes; };
    ClickAt(pc, Centre(pc->GetTabRect(2)));
    EXPECT_EQ(pc->GetActivePage(), sheets[2]);
    EXPECT_TRUE(sheets[2]->GetVisible());
    EXPECT_FALSE(sheets[0]->GetVisible());
    kit.PressKey(VK_LEFT);
    Pump();
    EXPECT_EQ(pc->GetActivePage(), sheets[1]);
    EXPECT_EQ(changes, 2);
}

TEST_F(SkinPageControlTest, TabsAndFrameComeFromTheSkinAndFollowASwitch)
{
    auto data = skinform::ArtworkSkin(0);
    TForm* f = ShownForm(400, 300);
    TskSkinPageControl* pc = Make(f, 2);
    pc->SetSkinData(data.get());
    Pump();
    for (int skin : {0, 2}) {
        if (skin != 0) {
            skinform::LoadArtworkSkin(data.get(), skin);
            NotifySkinChange(data.get(), f);
            Pump();
        }
        const auto& tab = skinform::Described<TskDataSkinTabControl>(*data, "tab");
        const int pic = tab.PictureIndex;
        const int h = RectHeight(tab.TabRect), d = RectHeight(tab.ActiveTabRect) - h;
        ASSERT_GT(d, 0);
        const RECT sel = pc->GetTabRect(0), other = pc->GetTabRect(1);
        auto px = PixelsOf(pc);
        // The selected tab's left end, also the rows that reach into the page.
        for (int y : {2, h + d - 1})
            EXPECT_EQ(px(sel.left + 1, y), skinform::PicturePixel(*data, pic, tab.ActiveTabRect.left + 1,
                                                                  tab.ActiveTabRect.top + y))
                << skin << " y " << y;
        EXPECT_EQ(px(other.left + 1, h - 1),
                  skinform::PicturePixel(*data, pic, tab.TabRect.left + 1, tab.TabRect.top + h - 1))
            << skin;
        kit.MoveMouse(ScreenOf(pc, other.left + 1, 5));
        Pump();
        EXPECT_EQ(pc->HotTabIndex(), 1);
        EXPECT_EQ(PixelOf(pc, other.left + 1, h - 1),
                  skinform::PicturePixel(*data, pic, tab.MouseInTabRect.left + 1, tab.MouseInTabRect.top + h - 1))
            << skin;
        kit.MoveMouse(ScreenOf(pc, 200, 150));
        Pump();
    }
}

TEST_F(SkinPageControlTest, PageControlAndSheetsAnswerBorderPaintingWithoutPainting)
{
    TForm* f = ShownForm(400, 300);
    TskSkinPageControl* pc = Make(f, 1);
    EXPECT_EQ(SendMessage(pc->GetHandle(), SKM_PAINTBORDERTO, 0, 0), SKM_BORDERPAINTED);
    EXPECT_EQ(SendMessage(sheets[0]->GetHandle(), SKM_PAINTBORDERTO, 0, 0), SKM_BORDERPAINTED);
}

} // namespace
