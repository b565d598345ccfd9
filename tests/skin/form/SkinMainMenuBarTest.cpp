#include "FrameTestSupport.h"

#include "skin/core/skUtils.h"
#include "skin/form/skSkinHint.h"
#include "skin/form/skSkinMainMenuBar.h"
#include "skin/form/skSkinMenus.h"

#include <algorithm>

class MainMenuBarTest : public FrameTest {
protected:
    MainMenuBarTest() { InstallSkinMenus(); }
    ~MainMenuBarTest() override { SetFrameMenuFactory(nullptr); }

    // A form with a bar over the items File (Open, Save), Edit (Cut), Run (no sub-items), Help
    // (About).
    void Build(TskSkinData* Data, int Width = 400)
    {
        form = MakeForm(Data, Width);
        menu = new TskSkinMainMenu(form);
        auto add = [this](TMenuItem* parent, const std::string& caption) {
            auto* item = new TMenuItem(form);
            item->SetCaption(caption);
            item->OnClick = [this, caption](TObject*) { log.push_back(caption); };
            parent->Add(item);
            return item;
        };
        TMenuItem* file = add(menu->Items(), "&File");
        add(file, "Open");
        add(file, "Save");
        add(add(menu->Items(), "&Edit"), "Cut");
        add(menu->Items(), "&Run");
        add(add(menu->Items(), "&Help"), "About");
        bar = new TskSkinMainMenuBar(form);
        bar->SetParent(form);
        bar->SetSkinData(Data);
        bar->SetFormSkin(FrameOf(form));
        bar->SetMainMenu(menu);
        Pump();
    }
    TskSkinMenu* Manager() { return dynamic_cast<TskSkinMenu*>(FrameOf(form)->SkinMenu()); }
    // The caption of the first item of the open menu's root window.
    std::string OpenMenu()
    {
        if (!Manager()->Visible() || Manager()->OpenCount() == 0)
            return "";
        return Manager()->PopupWindow(0)->Item(0)->MenuItem->GetCaption();
    }
    int Hot()
    {
        for (int i = 0; i < bar->ItemCount(); ++i)
            if (bar->Item(i)->Active || bar->Item(i)->FDown)
                return i;
        return -1;
    }
    POINT ItemCentre(int i)
    {
        const RECT& r = bar->Item(i)->ObjectRect;
        return bar->ClientToScreen(POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2});
    }
    void Key(UINT vk)
    {
        kit.PressKey(vk);
        kit.ReleaseKey(vk);
        Pump();
    }

    TForm* form = nullptr;
    TskSkinMainMenu* menu = nullptr;
    TskSkinMainMenuBar* bar = nullptr;
    std::vector<std::string> log;
};

TEST_F(MainMenuBarTest, KeyboardModeMovesOpensAndLeaves)
{
    Build(Skin(0));
    ASSERT_EQ(bar->ItemCount(), 4);
    Key(VK_MENU);
    EXPECT_TRUE(bar->MenuActive());
    EXPECT_TRUE(FrameOf(form)->InMainMenu);
    struct Step {
        UINT key;
        int hot;
        const char* open;
    };
    const Step steps[] = {
        {VK_LEFT, 3, ""},          // wraps to the last item
        {VK_RIGHT, 0, ""},         // and back to the first
        {VK_RETURN, 0, "Open"},    // Enter opens the hot item
        {VK_RIGHT, 1, "Cut"},      // the open menu moves with the arrows
        {VK_ESCAPE, 1, ""},        // releases the item, keeps it hot
        {VK_DOWN, 1, "Cut"},
        {VK_ESCAPE, 1, ""},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.key);
        Key(s.key);
        EXPECT_EQ(Hot(), s.hot);
        EXPECT_EQ(OpenMenu(), s.open);
    }
    Key(VK_ESCAPE);
    EXPECT_FALSE(FrameOf(form)->InMainMenu);
    EXPECT_EQ(Hot(), -1);
    // Alt with a letter opens that item's menu; an item without sub-items runs at once.
    kit.PressKey(VK_MENU);
    kit.PressKey('H');
    kit.ReleaseKey('H');
    kit.ReleaseKey(VK_MENU);
    Pump();
    EXPECT_EQ(OpenMenu(), "About");
    Key(VK_ESCAPE);
    Key(VK_ESCAPE);
    kit.PressKey(VK_MENU);
    kit.PressKey('R');
    kit.ReleaseKey('R');
    kit.ReleaseKey(VK_MENU);
    Pump();
    EXPECT_EQ(OpenMenu(), "");
    EXPECT_EQ(log, (std::vector<std::string>{"&Run"}));
    EXPECT_FALSE(FrameOf(form)->InMainMenu);
}

TEST_F(MainMenuBarTest, PointerOpensMovesTheMenuAndRunsPlainItems)
{
    Build(nullptr);
    kit.Click(ItemCentre(0));
    Pump();
    EXPECT_EQ(OpenMenu(), "Open");
    EXPECT_TRUE(bar->Item(0)->FDown);
    kit.MoveMouse(ItemCentre(3));
    kit.Advance(50);
    Pump();
    EXPECT_EQ(OpenMenu(), "About");
    EXPECT_FALSE(bar->Item(0)->FDown);
    EXPECT_TRUE(bar->Item(3)->FDown);
    // Two unnamed items hand the menu over as well (by object, not by name).
    EXPECT_EQ(bar->Item(1)->MenuItem->GetName(), bar->Item(3)->MenuItem->GetName());
    kit.MoveMouse(ItemCentre(1));
    kit.Advance(50);
    Pump();
    EXPECT_EQ(OpenMenu(), "Cut");
    Manager()->Hide();
    Pump();
    kit.Click(ItemCentre(2));
    Pump();
    EXPECT_EQ(OpenMenu(), "");
    EXPECT_EQ(log, (std::vector<std::string>{"&Run"}));
    EXPECT_TRUE(form->GetActive());
}

TEST_F(MainMenuBarTest, NarrowBarListsTheRestBehindItsMarker)
{
    Build(nullptr, 140);
    Pump();
    ASSERT_TRUE(bar->Scrolled());
    int shown = 0;
    while (shown < bar->ItemCount() && bar->Item(shown)->Visible)
        ++shown;
    ASSERT_LT(shown, 4);
    EXPECT_FALSE(bar->Item(shown)->Enabled);
    // The marker: a right-pointing arrow 5 pixels wide at the right end.
    const RECT m = bar->MarkerRect();
    EXPECT_EQ(m.right - m.left, 5);
    const POINT mp = bar->ClientToScreen(POINT{m.left + 2, (m.top + m.bottom) / 2});
    kit.Click(mp);
    Pump();
    ASSERT_TRUE(Manager()->Visible());
    EXPECT_EQ(Manager()->PopupWindow(0)->ItemCount(), 4 - shown);
    EXPECT_EQ(Manager()->PopupWindow(0)->Item(0)->MenuItem, bar->Item(shown)->MenuItem);
    Manager()->Hide();
    // Wider again: the items come back with their enabled state.
    form->SetWidth(600);
    Pump();
    EXPECT_FALSE(bar->Scrolled());
    EXPECT_TRUE(bar->Item(3)->Visible);
    EXPECT_TRUE(bar->Item(3)->Enabled);
}

TEST_F(MainMenuBarTest, MergesByGroupKeepingTheOrderOfEqualGroups)
{
    Build(nullptr);
    auto* child = new TMainMenu(form);
    auto group = [this](TMenuItem* parent, const std::string& caption, BYTE g) {
        auto* item = new TMenuItem(form);
        item->SetCaption(caption);
        item->SetGroupIndex(g);
        parent->Add(item);
    };
    menu->Items()->Clear();
    group(menu->Items(), "M0", 0);
    group(menu->Items(), "M2", 2);
    group(menu->Items(), "M5", 5);
    group(menu->Items(), "M5b", 5);
    group(child->Items(), "C2", 2);
    group(child->Items(), "C3", 3);
    bar->Merge(child);
    std::vector<std::string> captions;
    for (int i = 0; i < bar->ItemCount(); ++i)
        captions.push_back(bar->Item(i)->MenuItem->GetCaption());
    EXPECT_EQ(captions, (std::vector<std::string>{"M0", "C2", "C3", "M5", "M5b"}));
    EXPECT_FALSE(bar->ScrollMenu);
}

TEST_F(MainMenuBarTest, AnimatedItemsStepThroughTheirFramesAndBack)
{
    TskSkinData* data = Skin(1);
    auto* d = dynamic_cast<TskDataSkinMainMenuBarItem*>(
        data->ObjectList[static_cast<std::size_t>(data->GetIndex("menubaritem"))].get());
    ASSERT_NE(d, nullptr);
    d->AnimateSkinRect = d->SkinRect;  // three cells side by side
    d->FrameCount = 3;
    d->AnimateInterval = 40;
    Build(data);
    TskSkinMainMenuBarItem* item = bar->Item(0);
    ASSERT_TRUE(item->EnableAnimation());
    const POINT away = bar->ClientToScreen(POINT{bar->GetWidth() / 2, bar->GetHeight() + 40});
    auto frames = [&](int Ticks) {
        std::vector<int> seen;
        for (int i = 0; i < Ticks; ++i) {
            kit.Advance(40);
            seen.push_back(item->CurrentFrame);
        }
        return seen;
    };
    using Frames = std::vector<int>;

    kit.MoveMouse(ItemCentre(0));
    Pump();
    kit.Advance(50);
    ASSERT_TRUE(item->Active);
    EXPECT_EQ(frames(5), (Frames{1, 2, 3, 4, 4}));  // past the last cell: the hot look
    // Leaving shows the normal look at once...
    kit.MoveMouse(away);
    Pump();
    EXPECT_EQ(item->CurrentFrame, 0);

    // ...unless the frames run back as well.
    d->InActiveAnimation = true;
    kit.MoveMouse(ItemCentre(0));
    Pump();
    kit.Advance(50);
    frames(5);
    kit.MoveMouse(away);
    Pump();
    EXPECT_EQ(frames(5), (Frames{3, 2, 1, 0, 0}));

    // A skin without effects does not animate.
    data->SetEnableSkinEffects(false);
    EXPECT_FALSE(item->EnableAnimation());
}

TEST_F(MainMenuBarTest, EachAnimationFrameShowsItsCellOfAStackedStrip)
{
    TskSkinData* data = Skin(1);
    auto* d = dynamic_cast<TskDataSkinMainMenuBarItem*>(
        data->ObjectList[static_cast<std::size_t>(data->GetIndex("menubaritem"))].get());
    ASSERT_NE(d, nullptr);
    // The item's picture grown by three cells stacked below it, each in a colour of its own.
    TBitmap* old = data->FActivePictures.at(static_cast<std::size_t>(d->ActivePictureIndex)).get();
    const int sw = WidthOfRect(d->SkinRect), sh = HeightOfRect(d->SkinRect), top = old->GetHeight();
    auto grown = std::make_unique<TBitmap>();
    grown->SetPixelFormat(TPixelFormat::pf24bit);
    grown->SetSize(std::max(old->GetWidth(), sw), top + 3 * sh);
    grown->Canvas()->Draw(0, 0, old);
    const COLORREF cells[] = {RGB(250, 0, 0), RGB(0, 250, 0), RGB(0, 0, 250)};
    for (int i = 0; i < 3; ++i) {
        grown->Canvas()->Brush()->SetColor(static_cast<TColor>(cells[i]));
        grown->Canvas()->FillRect(RECT{0, top + i * sh, sw, top + (i + 1) * sh});
    }
    data->FActivePictures.push_back(std::move(grown));
    d->ActivePictureIndex = static_cast<int>(data->FActivePictures.size()) - 1;
    d->AnimateSkinRect = RECT{0, top, sw, top + 3 * sh};
    d->FrameCount = 3;
    d->AnimateInterval = 30;
    d->Morphing = false;
    Build(data);
    TskSkinMainMenuBarItem* item = bar->Item(0);
    ASSERT_TRUE(item->EnableAnimation());
    // A pixel near the item's top-left corner, where no caption is written.
    auto corner = [&] {
        const POINT p = bar->ClientToScreen(POINT{item->ObjectRect.left + 1, item->ObjectRect.top + 1});
        return At(form, p.x - form->GetLeft(), p.y - form->GetTop());
    };
    const COLORREF normal = corner();
    kit.MoveMouse(ItemCentre(0));
    Pump();
    kit.Advance(50);
    ASSERT_TRUE(item->Active);
    for (int i = 0; i < 3; ++i) {
        kit.Advance(30);
        EXPECT_EQ(item->CurrentFrame, i + 1);
        EXPECT_EQ(corner(), cells[i]) << i;
    }
    kit.Advance(30);
    // Past the last cell: the hot look.
    const RECT hr = RectHasNoArea(d->ActiveSkinRect) ? d->SkinRect : d->ActiveSkinRect;
    const COLORREF hot = old->GetPixelColor(hr.left + 1, hr.top + 1);
    EXPECT_EQ(corner(), hot);
    kit.MoveMouse(POINT{ItemCentre(0).x, ItemCentre(0).y + 200});
    Pump();
    kit.Advance(50);
    EXPECT_EQ(corner(), normal);
    EXPECT_FALSE(bar->Item(0)->Active);
}

TEST_F(MainMenuBarTest, MenuDescriptionsBeyondTheirPicturesDrawClipped)
{
    TskSkinData* data = Skin(2);
    const RECT far{4000, 4000, 4060, 4024};
    auto* barDesc = dynamic_cast<TskDataSkinMainMenuBar*>(
        data->CtrlList.at(static_cast<std::size_t>(data->GetControlIndex("mainmenubar"))).get());
    ASSERT_NE(barDesc, nullptr);
    barDesc->SkinRect = RECT{0, 0, 5000, 22};
    barDesc->ItemsRect = RECT{4, 2, 6000, 20};
    auto* itemDesc = dynamic_cast<TskDataSkinMainMenuBarItem*>(
        data->ObjectList.at(static_cast<std::size_t>(data->GetIndex(barDesc->MenuBarItem))).get());
    ASSERT_NE(itemDesc, nullptr);
    itemDesc->SkinRect = itemDesc->ActiveSkinRect = itemDesc->DownRect = far;
    itemDesc->TextRct = RECT{2, 2, 58, 20};
    itemDesc->AnimateSkinRect = RECT{0, 0, 10, 10};
    itemDesc->FrameCount = 1000;  // cells of no width
    TskDataSkinMenuItem* menuItem = FindMenuItemData(data);
    ASSERT_NE(menuItem, nullptr);
    menuItem->SkinRect = menuItem->ActiveSkinRect = menuItem->DividerRect = far;
    menuItem->ImageRct = RECT{3000, 3000, 3016, 3016};
    data->PopupWindow->ItemsRect = RECT{3, 3, 9000, 9000};
    data->PopupWindow->RBPoint = POINT{9000, 9000};
    data->HintWindow->ClRect = RECT{3, 3, 9000, 9000};
    data->HintWindow->RTPoint = POINT{9000, 0};
    Build(data);
    auto* hint = new TskSkinHint(form);
    hint->SetSkinData(data);

    kit.MoveMouse(ItemCentre(0));
    Pump();
    kit.Advance(50);
    for (int i = 0; i < 4; ++i)
        kit.Advance(25);
    kit.Click(ItemCentre(0));
    Pump();
    ASSERT_EQ(OpenMenu(), "Open");
    TskSkinPopupWindow* w = Manager()->PopupWindow(0);
    EXPECT_GT(w->GetHeight(), 0);
    const RECT second = w->Item(1)->ObjectRect;
    kit.MoveMouse(w->ClientToScreen(POINT{second.left + 10, (second.top + second.bottom) / 2}));
    for (int i = 0; i < 6; ++i)
        kit.Advance(20);
    kit.Render(w->GetHandle());
    Manager()->Hide();
    hint->ActivateHint(POINT{100, 100}, "Hint@text");
    Pump();
    EXPECT_TRUE(hint->IsVisible());
    EXPECT_GT(hint->Window()->GetWidth(), 4);
    EXPECT_GT(hint->Window()->GetHeight(), 4);
    kit.Render(hint->Window()->GetHandle());
    At(form, 20, 40);
}
