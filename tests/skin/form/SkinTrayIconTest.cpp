#include "FrameTestSupport.h"
#include "SkinMenuSupport.h"

#include "classlib/Bitmap.h"
#include "platform/testkit/FakeTray.h"
#include "platform/window/Metrics.h"
#include "skin/form/skSkinMenus.h"
#include "skin/form/skSkinMessages.h"
#include "skin/form/skTrayIcon.h"

#include <algorithm>

class SkinTrayIconTest : public FrameTest {
protected:
    SkinTrayIconTest()
    {
        SetTrayBackend(&tray);
        InstallSkinMenus();
    }
    ~SkinTrayIconTest() override
    {
        SetFrameMenuFactory(nullptr);
        SetTrayBackend(nullptr);
    }

    // The form's tray icon with every event logged.
    TskTrayIcon* MakeTray(TForm* Form)
    {
        auto* t = new TskTrayIcon(Form);
        t->OnClick = [this](TObject*) { log.push_back("click"); };
        t->OnDblClick = [this](TObject*) { log.push_back("dblclick"); };
        t->OnMouseDown = [this](TObject*, TMouseButton b, TShiftState, int, int) {
            log.push_back("down " + std::to_string(static_cast<int>(b)));
        };
        t->OnMouseUp = [this](TObject*, TMouseButton b, TShiftState, int, int) {
            log.push_back("up " + std::to_string(static_cast<int>(b)));
        };
        t->OnBalloonHintClick = [this](TObject*) { log.push_back("balloon"); };
        return t;
    }
    int Key() const { return tray.icons.empty() ? 0 : tray.icons.begin()->first; }
    // An image list of Count 16 x 16 pictures of distinct colours.
    TImageList* Icons(TComponent* Owner, int Count)
    {
        auto* list = new TImageList(Owner);
        list->SetSize(16, 16);
        for (int i = 0; i < Count; ++i) {
            TBitmap b;
            b.SetSize(16, 16);
            b.Canvas()->Brush()->SetColor(static_cast<TColor>(RGB(40 * i, 0, 0)));
            b.Canvas()->FillRect(RECT{0, 0, 16, 16});
            list->AddMasked(&b, clNone);
        }
        return list;
    }

    FakeTray tray;
    std::vector<std::string> log;
};

TEST_F(SkinTrayIconTest, AddsModifiesAndRemovesTheIconWithItsTip)
{
    TForm* form = MakeForm(Skin(0));
    TskTrayIcon* t = MakeTray(form);
    t->SetIconList(Icons(form, 1));
    ASSERT_TRUE(t->ShowIcon());
    ASSERT_EQ(tray.icons.size(), 1u);
    EXPECT_NE(tray.icons.begin()->second.icon, nullptr);
    EXPECT_FALSE(t->ShowIcon()) << "the same icon is not added twice";

    // The tip keeps 127 characters, cut between characters (three bytes each here).
    std::string longTip;
    for (int i = 0; i < 130; ++i)
        longTip += "中";
    t->SetHint(longTip);
    EXPECT_EQ(tray.icons.begin()->second.tip, longTip.substr(0, 127 * 3));
    t->SetShowHint(false);
    EXPECT_EQ(tray.icons.begin()->second.tip, "");

    EXPECT_TRUE(t->ShowBalloonHint(std::string(70, 't'), std::string(300, 'x'), TskBalloonHintIcon::skbitWarning));
    ASSERT_FALSE(tray.messages.empty());
    EXPECT_EQ(tray.messages.back().title.size(), 63u);
    EXPECT_EQ(tray.messages.back().text.size(), 255u);
    EXPECT_EQ(tray.messages.back().kind, NIIF_WARNING);

    EXPECT_TRUE(t->HideIconInTray());
    EXPECT_TRUE(tray.icons.empty());
    EXPECT_FALSE(t->ModifyIcon()) << "a removed icon cannot be changed";
}

TEST_F(SkinTrayIconTest, ClicksAreToldApartByTheDoubleClickTime)
{
    TForm* form = MakeForm(Skin(0));
    TskTrayIcon* t = MakeTray(form);
    auto* menu = new TskSkinPopupMenu(form);
    auto* item = new TMenuItem(form);
    item->SetCaption("Open");
    item->SetDefault(true);
    item->OnClick = [this](TObject*) { log.push_back("default item"); };
    menu->Items()->Add(item);
    t->SetPopupMenu(menu);
    t->ShowIcon();
    const UINT dbl = GetDoubleClickTime();

    struct Case {
        const char* name;
        std::vector<TrayActivation> actions;
        std::vector<std::string> beforeTimer;
        std::vector<std::string> afterTimer;
    };
    const std::vector<Case> cases = {
        {"single", {TrayActivation::Click}, {"down 0", "up 0"}, {"down 0", "up 0", "click"}},
        {"double",
         {TrayActivation::Click, TrayActivation::DoubleClick},
         {"down 0", "up 0", "dblclick", "default item", "up 0"},
         {"down 0", "up 0", "dblclick", "default item", "up 0"}},
        {"middle", {TrayActivation::Middle}, {"down 2", "up 2"}, {"down 2", "up 2"}},
        {"balloon", {TrayActivation::BalloonClick}, {"balloon"}, {"balloon"}},
    };
    for (const Case& c : cases) {
        log.clear();
        for (TrayActivation a : c.actions)
            tray.Activate(Key(), a);
        Pump();
        EXPECT_EQ(log, c.beforeTimer) << c.name;
        kit.Advance(dbl);
        EXPECT_EQ(log, c.afterTimer) << c.name;
    }

    log.clear();
    t->SetEnabled(false);
    for (TrayActivation a : {TrayActivation::Click, TrayActivation::DoubleClick, TrayActivation::Context,
                             TrayActivation::Middle, TrayActivation::BalloonClick})
        tray.Activate(Key(), a);
    kit.Advance(dbl);
    EXPECT_TRUE(log.empty()) << "a disabled icon fires nothing";
    EXPECT_FALSE(FrameOf(form)->SkinMenu()->Visible());
}

TEST_F(SkinTrayIconTest, RightClickOpensTheSkinnedMenuAtTheCursor)
{
    TForm* form = MakeForm(Skin(0));
    TskTrayIcon* t = MakeTray(form);
    t->SetPopupMenu(new TskSkinPopupMenu(form));
    auto* item = new TMenuItem(form);
    item->SetCaption("Restore");
    t->GetPopupMenu()->Items()->Add(item);
    t->ShowIcon();
    kit.MoveMouse(POINT{700, 900});
    tray.Activate(Key(), TrayActivation::Context);
    Pump();
    EXPECT_EQ(log, (std::vector<std::string>{"down 1", "up 1"}));
    EXPECT_TRUE(FrameOf(form)->SkinMenu()->Visible());
    EXPECT_EQ(t->GetPopupMenu()->PopupPoint().x, 700);
    EXPECT_EQ(t->GetPopupMenu()->PopupPoint().y, 900);
    EXPECT_EQ(t->GetPopupMenu()->GetPopupComponent(), t);
}

TEST_F(SkinTrayIconTest, CyclesThroughItsIconListAndClampsTheIndex)
{
    TForm* form = MakeForm(Skin(0));
    TskTrayIcon* t = MakeTray(form);
    std::vector<int> cycle;
    t->OnCycle = [&cycle](TObject*, int next) { cycle.push_back(next); };

    t->SetIconIndex(5);
    EXPECT_EQ(t->GetIconIndex(), 0) << "no list";
    t->SetIconList(Icons(form, 0));
    t->SetIconIndex(2);
    EXPECT_EQ(t->GetIconIndex(), 0) << "an empty list";

    t->SetIconList(Icons(form, 3));
    t->SetIconIndex(10);
    EXPECT_EQ(t->GetIconIndex(), 2);

    t->SetAnimateTimerInterval(100);
    t->SetCycleIcons(true);
    std::vector<int> shown;
    for (int i = 0; i < 4; ++i) {
        shown.push_back(t->GetIconIndex());
        kit.Advance(100);
    }
    EXPECT_EQ(shown, (std::vector<int>{0, 1, 2, 0}));
    EXPECT_EQ(cycle, (std::vector<int>{1, 2, 0, 1}));
    t->SetCycleIcons(false);
    kit.Advance(100);
    EXPECT_EQ(cycle.size(), 4u);
}

TEST_F(SkinTrayIconTest, MinimisesToTheTrayAndRestores)
{
    TForm* form = MakeForm(Skin(0));
    TskTrayIcon* t = MakeTray(form);
    TskFormSkin* frame = FrameOf(form);
    frame->SetTrayIcon(t);
    EXPECT_TRUE(tray.icons.empty());

    frame->MinimizeToTray();
    Pump();
    EXPECT_FALSE(form->GetVisible());
    EXPECT_FALSE(IsWindowVisible(form->GetHandle()));
    EXPECT_EQ(tray.icons.size(), 1u);
    EXPECT_EQ(form->GetTag(), kTrayRestoreTag);

    frame->RestoreFromTray();
    EXPECT_TRUE(form->GetVisible());
    EXPECT_EQ(form->GetTag(), kTrayRestoreTag);
    Pump();
    EXPECT_EQ(form->GetTag(), 0) << "SKM_TRAYRESTORE clears the mark";
    EXPECT_TRUE(IsWindowVisible(form->GetHandle()));
    EXPECT_FALSE(IsIconic(form->GetHandle()));
    EXPECT_TRUE(tray.icons.empty());
}

TEST_F(SkinTrayIconTest, TheFrameHandsItsMenuAndRestoreOnlyToAnIconWithoutItsOwn)
{
    TForm* form = MakeForm(Skin(0));
    TskFormSkin* frame = FrameOf(form);
    auto* bare = new TskTrayIcon(form);
    frame->SetTrayIcon(bare);
    EXPECT_EQ(bare->GetPopupMenu(), frame->TrayMenu());
    EXPECT_EQ(frame->TrayMenu()->GetSkinData(), frame->GetSkinData());
    frame->MinimizeToTray();
    Pump();
    ASSERT_FALSE(form->GetVisible());
    tray.Activate(Key(), TrayActivation::DoubleClick);
    Pump();
    EXPECT_TRUE(form->GetVisible()) << "the frame's double click restores";

    TskTrayIcon* own = MakeTray(form);
    auto* menu = new TskSkinPopupMenu(form);
    own->SetPopupMenu(menu);
    frame->SetTrayIcon(own);
    EXPECT_EQ(own->GetPopupMenu(), menu);
    own->ShowIcon();
    tray.Activate(Key(), TrayActivation::DoubleClick);
    Pump();
    EXPECT_NE(std::find(log.begin(), log.end(), "dblclick"), log.end()) << "its own double click stays";
}

TEST_F(SkinTrayIconTest, WithoutATrayMinimisingKeepsTheFormReachable)
{
    tray.available = false;
    TForm* form = MakeForm(Skin(0));
    TskTrayIcon* t = MakeTray(form);
    TskFormSkin* frame = FrameOf(form);
    frame->SetTrayIcon(t);
    EXPECT_FALSE(t->ShowIcon());

    frame->MinimizeToTray();
    Pump();
    EXPECT_TRUE(form->GetVisible());
    EXPECT_TRUE(IsIconic(form->GetHandle()));
    frame->RestoreFromTray();
    Pump();
    EXPECT_FALSE(IsIconic(form->GetHandle()));
    EXPECT_EQ(form->GetLeft(), 100);
    EXPECT_EQ(form->GetTop(), 100);
}

TEST_F(SkinTrayIconTest, ARestartedTrayGetsOnlyTheVisibleIconBack)
{
    TForm* form = MakeForm(Skin(0));
    TskTrayIcon* shown = MakeTray(form);
    TskTrayIcon* hidden = MakeTray(form);
    shown->ShowIcon();
    hidden->ShowIcon();
    hidden->HideIconInTray();
    ASSERT_EQ(tray.icons.size(), 1u);
    tray.Restart();
    EXPECT_TRUE(tray.icons.empty());
    Pump();
    EXPECT_EQ(tray.icons.size(), 1u);
    EXPECT_TRUE(shown->ModifyIcon());
    EXPECT_FALSE(hidden->ModifyIcon());
}

TEST_F(SkinTrayIconTest, AFreedTrayIconLeavesMinimisingAlone)
{
    TForm* form = MakeForm(Skin(0));
    TskTrayIcon* t = MakeTray(form);
    TskFormSkin* frame = FrameOf(form);
    frame->SetTrayIcon(t);
    t->ShowIcon();
    delete t;
    EXPECT_TRUE(tray.icons.empty()) << "freeing removes the icon";
    EXPECT_EQ(frame->GetTrayIcon(), nullptr) << "the frame forgets it";
    frame->MinimizeToTray();
    Application->Minimize();
    Pump();
    EXPECT_TRUE(form->GetVisible());
    EXPECT_TRUE(IsIconic(form->GetHandle()));
}
