#include "SkinFormSupport.h"

#include "platform/gdi/Gdi.h"
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

TEST_F(SkinPageControlTest, BottomTabsAreFlippedAndSideTabsTurned)
{
    auto data = skinform::ArtworkSkin(0);
    TForm* f = ShownForm(400, 300);
    TskSkinPageControl* pc = Make(f, 2);
    pc->SetSkinData(data.get());
    for (int skin : {0, 2}) {
        if (skin != 0) {
            skinform::LoadArtworkSkin(data.get(), skin);
            NotifySkinChange(data.get(), f);
        }
        const auto& tab = skinform::Described<TskDataSkinTabControl>(*data, "tab");
        const COLORREF corner =
            skinform::PicturePixel(*data, tab.PictureIndex, tab.ActiveTabRect.left + 1, tab.ActiveTabRect.top);
        const int h = RectHeight(tab.TabRect);
        // Where the selected tab shows its image's pixel (1, 0): the outer edge, one in from its start.
        struct Case {
            TTabPosition position;
            POINT (*probe)(const RECT& r);
            RECT sheet;  // the sheet's bounds in a 300 x 200 control under skin 0
        };
        const Case cases[] = {
            {TTabPosition::tpTop, [](const RECT& r) { return POINT{r.left + 1, r.top}; }, RECT{2, h + 2, 298, 198}},
            {TTabPosition::tpBottom, [](const RECT& r) { return POINT{r.left + 1, r.bottom - 1}; }, RECT{2, 2, 298, 198 - h}},
            {TTabPosition::tpLeft, [](const RECT& r) { return POINT{r.left, r.bottom - 2}; }, RECT{h + 2, 2, 298, 198}},
            {TTabPosition::tpRight, [](const RECT& r) { return POINT{r.right - 1, r.top + 1}; }, RECT{2, 2, 298 - h, 198}},
        };
        for (const Case& c : cases) {
            pc->SetTabPosition(c.position);
            Pump();
            const POINT p = c.probe(pc->GetTabRect(0));
            EXPECT_EQ(PixelOf(pc, p.x, p.y), corner) << skin << " " << static_cast<int>(c.position);
            if (skin == 0) {
                EXPECT_EQ(sheets[0]->GetBoundsRect(), c.sheet) << static_cast<int>(c.position);
            }
        }
    }
}

TEST_F(SkinPageControlTest, CentredTabsNeedAFixedWidthAndClicksFollowTheShiftedRow)
{
    TForm* f = ShownForm(600, 300);
    TskSkinPageControl* pc = Make(f, 4, RECT{0, 0, 500, 200});
    pc->SetTabsInCenter(true);
    EXPECT_FALSE(pc->GetTabsInCenter());  // TabWidth 0
    pc->SetTabWidth(80);
    pc->SetTabsInCenter(true);
    EXPECT_TRUE(pc->GetTabsBGTransparent());
    Pump();
    EXPECT_EQ(pc->GetTabRect(0).left, 90 + 1);  // 250 - 4 * 80 / 2
    EXPECT_EQ(pc->GetTabRect(3), (RECT{330, 0, 410, 20}));
    ClickAt(pc, POINT{370, 10});
    EXPECT_EQ(pc->GetActivePage(), sheets[3]);
    ClickAt(pc, POINT{60, 10});  // left of the row
    EXPECT_EQ(pc->GetActivePage(), sheets[3]);
}

TEST_F(SkinPageControlTest, ASkinnedUpDownStandsInForTheArrowsUntilEveryTabFits)
{
    auto data = skinform::ArtworkSkin(0);
    TForm* f = ShownForm(800, 300);
    TskSkinPageControl* pc = Make(f, 6, RECT{0, 0, 300, 200});
    pc->SetTabWidth(80);
    pc->SetSkinData(data.get());
    Pump();
    auto plainArrows = [pc] {
        for (HWND c = GetWindow(pc->GetHandle(), GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
            if (GetClassName(c) == UPDOWN_CLASS)
                return true;
        return false;
    };
    TskSkinUpDown* u = pc->SkinUpDown();
    ASSERT_NE(u, nullptr);
    EXPECT_FALSE(plainArrows());
    EXPECT_EQ(u->GetMax(), 3);  // the tabs from 240 on do not fit in 297
    EXPECT_EQ(u->GetPosition(), 0);
    EXPECT_EQ(u->GetBoundsRect(), (RECT{300 - u->GetWidth(), 0, 300, u->GetHeight()}));
    u->SetPosition(2);
    EXPECT_EQ(pc->GetTabRect(2).left, 0);  // the row starts at tab 2
    pc->SetTabPosition(TTabPosition::tpBottom);
    Pump();
    ASSERT_NE(pc->SkinUpDown(), nullptr);
    EXPECT_EQ(pc->SkinUpDown()->GetTop(), 200 - pc->SkinUpDown()->GetHeight());
    EXPECT_FALSE(plainArrows());
    pc->SetWidth(600);
    Pump();
    EXPECT_EQ(pc->SkinUpDown(), nullptr);
    EXPECT_FALSE(plainArrows());
    pc->SetWidth(300);  // a row that no longer fits gets it back
    Pump();
    EXPECT_NE(pc->SkinUpDown(), nullptr);
}

TEST_F(SkinPageControlTest, ACloseButtonClosesItsOwnPageUnlessRefused)
{
    struct Case {
        const char* name;
        bool freeOnClose;
        bool refuse;
        bool pressOnOtherTab;  // the button goes down on the first tab, up over the third's close button
        bool skinned;          // the skin's small button face ("resizetoolbutton")
    };
    const Case cases[] = {
        {"hide", false, false, false, false},
        {"free", true, false, false, false},
        {"refused", false, true, false, false},
        {"released over it", false, false, true, false},
        {"skinned", false, false, false, true},
    };
    for (const Case& c : cases) {
        sheets.clear();
        auto data = skinform::ArtworkSkin(0);
        TForm* f = ShownForm(600, 300);
        TskSkinPageControl* pc = Make(f, 3, RECT{0, 0, 500, 200});
        if (c.skinned)
            pc->SetSkinData(data.get());
        pc->SetShowCloseButtons(true);
        pc->SetFreeOnClose(c.freeOnClose);
        std::vector<std::string> log;
        pc->OnClose = [&](TObject* Sender, bool& CanClose) {
            log.push_back(dynamic_cast<TTabSheet*>(Sender)->GetCaption());
            CanClose = !c.refuse;
        };
        pc->OnAfterClose = [&](TObject* Sender) { log.push_back(Sender == pc ? "after" : "?"); };
        Pump();
        const RECT tab = pc->GetTabRect(2);
        RECT button = sheets[2]->ButtonRect;
        OffsetRect(&button, tab.left, tab.top);
        ASSERT_FALSE(IsRectEmpty(&button)) << c.name;
        EXPECT_GE(button.left, tab.left + 14) << c.name;  // the tab has room for it
        EXPECT_LE(button.right, tab.right) << c.name;
        EXPECT_EQ(RectWidth(button), 14) << c.name;
        const POINT at = Centre(button);
        if (c.pressOnOtherTab) {
            kit.MoveMouse(ScreenOf(pc, 10, 10));
            kit.PressButton(ScreenOf(pc, 10, 10));
            Pump();
            kit.MoveMouse(ScreenOf(pc, at.x, at.y));
            kit.ReleaseButton(ScreenOf(pc, at.x, at.y));
            Pump();
            EXPECT_EQ(pc->GetActivePage(), sheets[0]) << c.name;
        } else {
            ClickAt(pc, at);
        }
        const std::vector<std::string> expected =
            c.refuse ? std::vector<std::string>{"页2"} : std::vector<std::string>{"页2", "after"};
        EXPECT_EQ(log, expected) << c.name;
        EXPECT_EQ(pc->PageCount(), c.freeOnClose ? 2 : 3) << c.name;
        if (!c.freeOnClose) {
            EXPECT_EQ(sheets[2]->GetTabVisible(), c.refuse) << c.name;
        }
        EXPECT_TRUE(sheets[0]->GetTabVisible()) << c.name;
        DoneApplication();
    }
}

TEST_F(SkinPageControlTest, TheWheelStepsOverHiddenTabsAndStopsAtTheEnds)
{
    TForm* f = ShownForm(400, 300);
    TskSkinPageControl* pc = Make(f, 4);
    sheets[2]->SetTabVisible(false);
    pc->SetActivePage(sheets[1]);
    pc->SetFocus();
    auto wheel = [&](int delta) {
        kit.Wheel(ScreenOf(pc, 100, 100), delta);
        Pump();
        return pc->GetActivePageIndex();
    };
    EXPECT_EQ(wheel(-120), 1);  // without MouseWheelSupport
    pc->SetMouseWheelSupport(true);
    EXPECT_EQ(wheel(-120), 3);
    EXPECT_EQ(wheel(-120), 3);
    EXPECT_EQ(wheel(120), 1);
    EXPECT_EQ(wheel(120), 0);
    EXPECT_EQ(wheel(120), 0);
}

TEST_F(SkinPageControlTest, HidingTheRowKeepsItsSettingsForShowing)
{
    TForm* f = ShownForm(400, 300);
    TskSkinPageControl* pc = Make(f, 2);
    pc->ShowTabs();  // not hidden: nothing
    EXPECT_FALSE(pc->TabsHidden());
    for (TskSkinTabSheet* s : sheets)
        s->SetTabVisible(false);
    pc->HideTabs();  // no tab to hide
    EXPECT_FALSE(pc->TabsHidden());
    for (TskSkinTabSheet* s : sheets)
        s->SetTabVisible(true);
    pc->SetActivePage(sheets[0]);
    pc->SetTabPosition(TTabPosition::tpLeft);
    pc->SetTabHeight(30);
    Pump();
    const RECT shown = sheets[0]->GetBoundsRect();
    pc->HideTabs();
    Pump();
    EXPECT_TRUE(pc->TabsHidden());
    EXPECT_EQ(pc->GetTabPosition(), TTabPosition::tpTop);
    EXPECT_EQ(sheets[0]->GetBoundsRect(), (RECT{1, 1, 299, 199}));
    pc->ShowTabs();
    Pump();
    EXPECT_EQ(pc->GetTabPosition(), TTabPosition::tpLeft);
    EXPECT_EQ(pc->GetTabHeight(), 30);
    EXPECT_EQ(sheets[0]->GetBoundsRect(), shown);
    pc->SetTabPosition(TTabPosition::tpTop);
    Pump();
    const RECT top = sheets[0]->GetBoundsRect();
    pc->HideBorderAndTabs();
    Pump();
    EXPECT_EQ(sheets[0]->GetBoundsRect(), (RECT{0, 0, 300, 200}));
    pc->ShowBorderAndTabs();
    Pump();
    EXPECT_EQ(sheets[0]->GetBoundsRect(), top);
}

TEST_F(SkinPageControlTest, OnlyAChangeOfTheHotTabRedrawsTheRow)
{
    TForm* f = ShownForm(400, 300);
    TskSkinPageControl* pc = Make(f, 3);
    int drawn = 0;
    pc->OnDrawSkinTab = [&](int, const RECT&, bool, bool, TCanvas*) { ++drawn; };
    Pump();
    auto move = [&](POINT p) {
        drawn = 0;
        kit.MoveMouse(ScreenOf(pc, p.x, p.y));
        Pump();
        return drawn;
    };
    EXPECT_EQ(move(Centre(pc->GetTabRect(0))), 0);  // the selected tab
    EXPECT_EQ(pc->HotTabIndex(), 0);
    EXPECT_GT(move(Centre(pc->GetTabRect(1))), 0);
    EXPECT_EQ(move(POINT{Centre(pc->GetTabRect(1)).x + 1, 5}), 0);
    EXPECT_GT(move(POINT{150, 150}), 0);  // off the hot tab
    EXPECT_EQ(pc->HotTabIndex(), -1);
}

TEST_F(SkinPageControlTest, ASkinWithOnlyTheNormalTabImageDrawsEveryStateFromIt)
{
    auto data = skinform::MadeSkin();
    const int pic = skinform::AddPicture(*data, 100, 100, RGB(200, 0, 0));
    data->FActivePictures[0]->Canvas()->Brush()->SetColor(static_cast<TColor>(RGB(0, 0, 200)));
    data->FActivePictures[0]->Canvas()->FillRect(RECT{0, 0, 40, 20});
    auto& tab = skinform::AddDescription<TskDataSkinTabControl>(*data, "tab");
    tab.PictureIndex = pic;
    tab.TabRect = RECT{0, 0, 40, 20};
    tab.SkinRect = RECT{50, 50, 100, 100};
    tab.ClRect = RECT{2, 2, 48, 48};
    tab.LTPoint = POINT{2, 2};
    tab.RTPoint = POINT{48, 2};
    tab.LBPoint = POINT{2, 48};
    tab.RBPoint = POINT{48, 48};
    TForm* f = ShownForm(400, 300);
    TskSkinPageControl* pc = Make(f, 2);
    pc->SetSkinData(data.get());
    pc->SetFocus();
    Pump();
    ASSERT_TRUE(pc->Focused());
    const RECT sel = pc->GetTabRect(0), other = pc->GetTabRect(1);
    EXPECT_EQ(pc->GetActiveTabRect(), sel);  // no taller image: nothing reaches into the page
    EXPECT_EQ(PixelOf(pc, sel.left + 1, 1), RGB(0, 0, 200));
    kit.MoveMouse(ScreenOf(pc, other.left + 1, 1));
    Pump();
    EXPECT_EQ(PixelOf(pc, other.left + 1, 1), RGB(0, 0, 200));
    EXPECT_EQ(PixelOf(pc, 0, 100), RGB(200, 0, 0));  // the frame
}

TEST_F(SkinPageControlTest, AControlWithoutPagesOrWithAForeignDescriptionStillPaints)
{
    auto data = skinform::ArtworkSkin(0);
    const auto& tab = skinform::Described<TskDataSkinTabControl>(*data, "tab");
    TForm* f = ShownForm(400, 300);
    TskSkinPageControl* pc = Make(f, 0);
    pc->SetSkinData(data.get());
    Pump();
    EXPECT_EQ(PixelOf(pc, 0, 100),
              skinform::PicturePixel(*data, tab.PictureIndex, tab.SkinRect.left, tab.SkinRect.top + RectHeight(tab.SkinRect) / 2));
    auto made = skinform::MadeSkin();
    skinform::AddDescription<TskDataSkinButtonControl>(*made, "tab");
    pc->SetSkinData(made.get());
    auto* sheet = new TskSkinTabSheet(f);
    sheet->SetPageControl(pc);
    Pump();
    EXPECT_EQ(pc->GetIndex(), -1);  // the default look
    EXPECT_EQ(PixelOf(pc, 150, 2), GetSysColor(COLOR_BTNFACE));
}

TEST_F(SkinPageControlTest, PageControlAndSheetsAnswerBorderPaintingWithoutPainting)
{
    auto data = skinform::ArtworkSkin(0);
    TForm* f = ShownForm(400, 300);
    TskSkinPageControl* pc = Make(f, 1);
    pc->SetSkinData(data.get());
    Pump();
    for (TControl* c : {static_cast<TControl*>(pc), static_cast<TControl*>(sheets[0])}) {
        bool untouched = false;
        EXPECT_EQ(skinform::PaintBorderToMarkedBitmap(c, untouched), SKM_BORDERPAINTED);
        EXPECT_TRUE(untouched);
    }
}

} // namespace
