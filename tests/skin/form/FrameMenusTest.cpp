#include "FrameTestSupport.h"

#include "classlib/Menus.h"
#include "skin/form/skSkinMenus.h"

#include <sstream>
#include <string>
#include <vector>

namespace {

// A menu manager that records what the frame asks of it.
class TRecordingMenu : public TskFrameMenu {
public:
    explicit TRecordingMenu(std::vector<std::string>* Log) : FLog(Log) {}
    void Popup(TControl*, TskSkinData*, int, const RECT& R, TMenuItem* AItem, bool) override
    {
        std::ostringstream line;
        line << "popup below " << R.left << "," << R.bottom << " " << AItem->Count() << " items";
        FLog->push_back(line.str());
        FOpen = 1;
    }
    void PopupAt(TControl*, TskSkinData*, int, int X, int Y, TMenuItem* AItem, bool) override
    {
        std::ostringstream line;
        line << "popup at " << X << "," << Y << " " << AItem->Count() << " items";
        FLog->push_back(line.str());
        FOpen = 1;
    }
    void Hide() override
    {
        FLog->push_back("hide");
        FOpen = 0;
    }
    bool Visible() const override { return FOpen > 0; }
    int OpenCount() const override { return FOpen; }
    void KeyDown(WORD Key) override
    {
        std::ostringstream line;
        line << "key " << Key;
        FLog->push_back(line.str());
        if (Key == VK_ESCAPE)
            FOpen = 0;
    }
    void SetMaxMenuItemsInWindow(int) override {}
    void SetAlphaBlend(bool) override {}
    void SetAlphaBlendValue(int) override {}
    void SetAlphaBlendAnimation(bool) override {}
    bool GetUseSkinFont() const override { return false; }
    void SetUseSkinFont(bool) override {}
    int GetDefaultItemHeight() const override { return 0; }
    void SetDefaultItemHeight(int) override {}
    TFont* DefaultItemFont() override { return nullptr; }

private:
    std::vector<std::string>* FLog;
    int FOpen = 0;
};

// "name caption shortcut" of every item.
std::vector<std::string> Contents(TMenuItem* Items)
{
    std::vector<std::string> out;
    for (int i = 0; i < Items->Count(); ++i) {
        TMenuItem* item = Items->Items(i);
        std::ostringstream line;
        line << item->GetName() << " " << item->GetCaption();
        if (item->GetShortCut() != 0)
            line << " " << ShortCutToText(item->GetShortCut());
        out.push_back(line.str());
    }
    return out;
}

class FrameMenus : public FrameTest {
protected:
    FrameMenus()
    {
        SetFrameMenuFactory([this](TskFormSkin*, TCustomForm*) { return std::make_unique<TRecordingMenu>(&log); });
    }
    ~FrameMenus() override { SetFrameMenuFactory(nullptr); }
    std::vector<std::string> log;
};

const std::string kMin = "BSF_MINITEM Mi&nimize", kMax = "BSF_MAXITEM Ma&ximize", kRestore = "BSF_RESTORE &Restore",
                  kRollUp = "BSF_ROLLUP Ro&llUp", kTray = "BSF_MINTOTRAY Minimize to &Tray", kLine = " -",
                  kClose = "BSF_CLOSE &Close Alt+F4";

TEST_F(FrameMenus, SystemMenuItemsFollowTheIconsTheWindowStateAndTheRollUp)
{
    using I = TskBorderIcon;
    enum class Do { Nothing, Maximize, Minimize, RollUp, MaximizeRolledUp };
    const struct {
        TskBorderIcons Icons;
        Do Action;
        std::vector<std::string> Items;
    } cases[] = {
        {{I::biSystemMenu, I::biMinimize, I::biMaximize, I::biRollUp}, Do::Nothing,
         {kMin, kMax, kRollUp, kLine, kClose}},
        {{I::biSystemMenu, I::biMinimize, I::biMaximize, I::biRollUp, I::biMinimizeToTray}, Do::Nothing,
         {kMin, kMax, kRollUp, kTray, kLine, kClose}},
        {{I::biSystemMenu, I::biMinimize, I::biMaximize, I::biRollUp}, Do::Maximize,
         {kMin, kRestore, kRollUp, kLine, kClose}},
        {{I::biSystemMenu, I::biMinimize, I::biMaximize, I::biRollUp}, Do::Minimize, {kMax, kRestore, kLine, kClose}},
        {{I::biSystemMenu, I::biMinimize, I::biMaximize, I::biRollUp}, Do::RollUp, {kMin, kMax, kRestore, kLine, kClose}},
        {{I::biSystemMenu, I::biMinimize, I::biMaximize, I::biRollUp}, Do::MaximizeRolledUp,
         {kMin, kRestore, kLine, kClose}},
        {{I::biRollUp}, Do::Nothing, {kRollUp, kLine, kClose}},
        {{}, Do::Nothing, {kClose}},
    };
    TskSkinData* skin = Skin(1);
    MakeForm(skin);  // main form
    for (const auto& c : cases) {
        TForm* form = MakeForm(skin);
        TskFormSkin* frame = FrameOf(form);
        frame->SetBorderIcons(c.Icons);
        switch (c.Action) {
        case Do::Nothing: break;
        case Do::Maximize: frame->SetWindowState(TWindowState::wsMaximized); break;
        case Do::Minimize: frame->SetWindowState(TWindowState::wsMinimized); break;
        case Do::RollUp: frame->SetRollUpState(true); break;
        case Do::MaximizeRolledUp:
            frame->SetWindowState(TWindowState::wsMaximized);
            frame->SetRollUpState(true);
            break;
        }
        EXPECT_EQ(Contents(frame->GetSystemMenuItems()), c.Items) << static_cast<int>(c.Action);
        form->Free();
    }
}

TEST_F(FrameMenus, TheApplicationsSystemMenuKeepsItsItemsBetweenTheFramesOnes)
{
    TForm* form = MakeForm(Skin(1));
    TskFormSkin* frame = FrameOf(form);
    TPopupMenu own(nullptr);
    auto* about = new TMenuItem(nullptr);
    about->SetName("AboutItem");
    about->SetCaption("关于");
    own.Items()->Add(about);
    frame->SystemMenu = &own;
    frame->GetSystemMenuItems();
    frame->SetWindowState(TWindowState::wsMaximized);
    EXPECT_EQ(Contents(frame->GetSystemMenuItems()),
              (std::vector<std::string>{kMin, kRestore, kRollUp, "AboutItem 关于", kClose}));
    frame->SystemMenu = nullptr;
}

TEST_F(FrameMenus, TheTrayMenuRestoresOrCloses)
{
    TForm* form = MakeForm(Skin(1));
    EXPECT_EQ(Contents(FrameOf(form)->TrayMenu()->Items()),
              (std::vector<std::string>{"TRAY_BSF_RESTORE &Restore", kLine, "TRAY_BSF_CLOSE &Close Alt+F4"}));
}

TEST_F(FrameMenus, CaptionRightClickAltSpaceAndTheButtonOpenTheSystemMenuUnlessDisabled)
{
    TForm* form = MakeForm(Skin(1));
    TskFormSkin* frame = FrameOf(form);
    const POINT caption = ScreenAt(form, 150, 12);
    kit.Click(caption, VK_RBUTTON);
    Pump();
    ASSERT_EQ(log.size(), 1u);
    EXPECT_EQ(log[0], "popup at 250,112 5 items");
    EXPECT_TRUE(frame->InMenu);

    // Keys go to the open menu; Escape closing its last window ends the menu.
    kit.PressKey(VK_DOWN);
    kit.PressKey(VK_ESCAPE);
    Pump();
    EXPECT_EQ(log[1], "key 40");
    EXPECT_EQ(log[2], "key 27");
    EXPECT_FALSE(frame->InMenu);

    // Alt+Space opens it below the system-menu button.
    log.clear();
    kit.PressKey(VK_MENU);
    kit.PressKey(VK_SPACE);
    kit.ReleaseKey(VK_SPACE);
    kit.ReleaseKey(VK_MENU);
    Pump();
    const RECT button = frame->Objects(frame->GetIndex("sysmenubutton"))->ObjectRect;
    ASSERT_FALSE(log.empty());
    std::ostringstream expected;
    expected << "popup below " << 100 + button.left << "," << 100 + button.bottom << " 5 items";
    EXPECT_EQ(log[0], expected.str());
    frame->SkinMenuClose();

    log.clear();
    frame->DisableSystemMenu = true;
    frame->UpdateButtonObjects();
    kit.Click(caption, VK_RBUTTON);
    kit.PressKey(VK_MENU);
    kit.PressKey(VK_SPACE);
    Pump();
    EXPECT_TRUE(log.empty());
    EXPECT_FALSE(frame->Objects(frame->GetIndex("sysmenubutton"))->Enabled);
}

TEST_F(FrameMenus, WithoutAMenuManagerNothingOpensAndNoButtonStaysDown)
{
    SetFrameMenuFactory(nullptr);
    TForm* form = MakeForm(Skin(1));
    TskFormSkin* frame = FrameOf(form);
    auto* button = dynamic_cast<TskSkinButtonObject*>(frame->Objects(frame->GetIndex("sysmenubutton")));
    const RECT r = button->ObjectRect;
    const POINT p = ScreenAt(form, (r.left + r.right) / 2, (r.top + r.bottom) / 2);
    kit.MoveMouse(p);
    kit.Advance(50);
    kit.Click(p);
    Pump();
    EXPECT_FALSE(button->Down());
    EXPECT_FALSE(frame->InMenu);
}

} // namespace
