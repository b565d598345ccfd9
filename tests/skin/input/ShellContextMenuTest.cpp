// The shell item's verbs and its skinned context menu: what it offers, how a chosen verb goes
// through the control's verb handler, and that the menu outlives neither the item nor the control.

#include "ShellFixture.h"
#include "SkinFormSupport.h"

#include "app/artwork/ArtworkResources.h"

#include "classlib/ExtCtrls.h"
#include "skin/form/FormSkin.h"
#include "skin/form/skFrameMenu.h"
#include "skin/form/skSkinMenus.h"
#include "skin/input/skShellTreeView.h"
#include "skin/input/skSkinShellCtrls.h"

#include <memory>
#include <string>
#include <vector>

namespace {

// A control that logs the verb calls and handles the verbs it is told to.
class VerbPanel : public TPanel, public IShellVerbHandler {
public:
    using TPanel::TPanel;
    void ExecuteCommand(const std::string& Verb, bool& Handled) override
    {
        Log.push_back("execute " + Verb);
        Handled = Verb == HandledVerb;
    }
    void CommandCompleted(const std::string& Verb, bool Succeeded) override
    {
        Log.push_back("completed " + Verb + (Succeeded ? " ok" : " failed"));
    }
    std::string HandledVerb;
    std::vector<std::string> Log;
};

class ShellContextMenu : public SkinFormTest {
protected:
    ShellContextMenu() { InstallSkinMenus(); }
    ~ShellContextMenu() override { SetFrameMenuFactory(nullptr); }

    // A form at (100, 100) with a skinned frame (when Framed) and a verb panel on it.
    VerbPanel* Put(bool Framed = true)
    {
        Application->CreateForm(form);
        form->SetBounds(100, 100, 400, 300);
        if (Framed) {
            frame = new TskFormSkin(form);
            frame->SetSkinData(skin.get());
        }
        form->Show();
        auto* panel = new VerbPanel(form);
        panel->SetParent(form);
        panel->SetBounds(20, 20, 200, 150);
        Pump();
        return panel;
    }
    std::unique_ptr<TskShellFolder> Item(const std::string& Relative)
    {
        return std::unique_ptr<TskShellFolder>(FolderFromIdList(ShellParsePath(fx.Path(Relative)).value()));
    }
    TskSkinMenu* Manager() { return dynamic_cast<TskSkinMenu*>(frame->SkinMenu()); }
    // The shown menu as "caption+" (enabled) or "caption." (disabled).
    std::vector<std::string> Shown()
    {
        std::vector<std::string> out;
        TskSkinPopupWindow* w = Manager()->PopupWindow(0);
        for (int i = 0; i < w->ItemCount(); ++i) {
            TMenuItem* item = w->Item(i)->MenuItem;
            out.push_back(item->GetCaption() + (item->GetEnabled() ? "+" : "."));
        }
        return out;
    }
    void Choose(int Index)
    {
        TskSkinPopupWindow* w = Manager()->PopupWindow(0);
        const RECT& r = w->Item(Index)->ObjectRect;
        kit.Click(POINT{w->GetLeft() + (r.left + r.right) / 2, w->GetTop() + (r.top + r.bottom) / 2});
    }

    ShellFixture fx;
    std::unique_ptr<TskSkinData> skin = skinform::ArtworkSkin(0);
    TForm* form = nullptr;
    TskFormSkin* frame = nullptr;
};

TEST_F(ShellContextMenu, ChosenVerbsGoThroughTheHandlerThenRun)
{
    struct Case {
        const char* name;
        std::string item;
        std::string handled;
        bool openerTakes;
        int choice;  // -1: Escape
        std::vector<std::string> log;
        std::vector<std::string> opened;
    } cases[] = {
        {"open, run by the desktop", ShellFixture::Latin1Name, "", true, 0,
         {"execute open", "completed open ok"}, {fx.Path(ShellFixture::Latin1Name)}},
        {"open refused by the desktop", "a.avi", "", false, 0, {"execute open", "completed open failed"}, {fx.Path("a.avi")}},
        {"open handled by the control", "sub", "open", true, 0, {"execute open", "completed open ok"}, {}},
        {"rename handled by the control", "中文.mp4", "rename", true, 1, {"execute rename", "completed rename ok"}, {}},
        {"rename left to the shell", "noext", "", true, 1, {"execute rename", "completed rename failed"}, {}},
        {"closed without a choice", "a.avi", "", true, -1, {}, {}},
    };
    for (const Case& c : cases) {
        VerbPanel* panel = Put();
        panel->HandledVerb = c.handled;
        kit.SetOpenerAnswer(c.openerTakes);
        const auto before = kit.OpenedTargets().size();
        auto item = Item(c.item);
        std::vector<std::string> shown;
        POINT origin{};
        kit.WhenIdle([&] {
            shown = Shown();
            origin = POINT{Manager()->PopupWindow(0)->GetLeft(), Manager()->PopupWindow(0)->GetTop()};
            if (c.choice >= 0)
                Choose(c.choice);
            else
                kit.PressKey(VK_ESCAPE);
        });
        ShowShellContextMenu(panel, item.get(), 30, 40);
        EXPECT_EQ(shown, (std::vector<std::string>{"Open+", "Rename+"})) << c.name;
        EXPECT_EQ(origin.x, panel->ClientToScreen(POINT{30, 40}).x) << c.name;
        EXPECT_EQ(panel->Log, c.log) << c.name;
        EXPECT_EQ(std::vector<std::string>(kit.OpenedTargets().begin() + static_cast<long>(before), kit.OpenedTargets().end()),
                  c.opened)
            << c.name;
        EXPECT_FALSE(Manager()->Visible()) << c.name;
        DoneApplication();
        form = nullptr;
    }
}

TEST_F(ShellContextMenu, OffersWhatTheItemAllows)
{
    VerbPanel* panel = Put();
    auto computer = std::unique_ptr<TskShellFolder>(FolderFromIdList(ShellItemId({ShellComputerSegment})));
    std::vector<std::string> shown;
    kit.WhenIdle([&] {
        shown = Shown();
        Choose(0);  // disabled: the menu stays open
    });
    kit.WhenIdle([&] { kit.PressKey(VK_ESCAPE); });
    ShowShellContextMenu(panel, computer.get(), 5, 5);
    EXPECT_EQ(shown, (std::vector<std::string>{"Open.", "Rename."}));
    EXPECT_TRUE(panel->Log.empty());
    EXPECT_TRUE(kit.OpenedTargets().empty());
}

TEST_F(ShellContextMenu, NeitherTheItemNorTheControlNeedOutliveTheMenu)
{
    // The view refills itself while the menu is open: the item goes, "open" still opens it.
    VerbPanel* panel = Put();
    auto item = Item("a.avi");
    kit.WhenIdle([&] {
        item.reset();
        Choose(0);
    });
    ShowShellContextMenu(panel, item.get(), 5, 5);
    EXPECT_EQ(kit.OpenedTargets(), (std::vector<std::string>{fx.Path("a.avi")}));

    // The control goes while the menu is open: the call returns, nothing runs.
    item = Item("a.avi");
    kit.WhenIdle([&] { panel->Free(); });
    ShowShellContextMenu(panel, item.get(), 5, 5);
    Pump();
    EXPECT_FALSE(Manager()->Visible());
    EXPECT_EQ(kit.OpenedTargets().size(), 1u);
}

TEST_F(ShellContextMenu, NothingWithoutAFrameOrAnItem)
{
    VerbPanel* panel = Put(false);
    auto item = Item("a.avi");
    ShowShellContextMenu(panel, item.get(), 5, 5);
    ShowShellContextMenu(panel, nullptr, 5, 5);
    ShowShellContextMenu(nullptr, item.get(), 5, 5);
    EXPECT_TRUE(panel->Log.empty());
    EXPECT_EQ(panel->ComponentCount(), 0);
}

TEST_F(ShellContextMenu, ExecuteDefaultAndNamedVerbs)
{
    struct Case { std::string item; int result; std::vector<std::string> opened; };
    for (const Case& c : {Case{"a.avi", 1, {fx.Path("a.avi")}}, Case{"sub", 1, {fx.Path("sub")}},
                          Case{ShellFixture::Latin1Name, 1, {fx.Path(ShellFixture::Latin1Name)}}}) {
        const auto before = kit.OpenedTargets().size();
        EXPECT_EQ(Item(c.item)->ExecuteDefault(), c.result) << c.item;
        EXPECT_EQ(std::vector<std::string>(kit.OpenedTargets().begin() + static_cast<long>(before), kit.OpenedTargets().end()),
                  c.opened);
    }
    EXPECT_EQ(std::unique_ptr<TskShellFolder>(FolderFromIdList(ShellItemId({ShellComputerSegment})))->ExecuteDefault(), 0);
    kit.SetOpenerAnswer(false);
    EXPECT_EQ(Item("a.avi")->ExecuteDefault(), 0);
    kit.SetOpenerAnswer(true);

    const auto before = kit.OpenedTargets().size();
    Item("noext")->RunVerb("properties");
    Item("noext")->RunVerb("rename");
    EXPECT_EQ(kit.OpenedTargets().size(), before);
    Item("noext")->RunVerb("OPEN");
    EXPECT_EQ(kit.OpenedTargets().back(), fx.Path("noext"));
}

TEST_F(ShellContextMenu, ARightClickOnTheFolderTreeOffersTheSelectedFoldersVerbs)
{
    RegisterArtworkBitmaps();
    Put();
    auto* tree = new TskSkinDirTreeView(form);
    tree->SetParent(form);
    tree->SetBounds(0, 0, 300, 250);
    tree->SetPath(fx.Path("sub"));
    Pump();
    const POINT at = tree->ClientToScreen(POINT{40, 200});
    std::vector<std::string> shown;
    kit.WhenIdle([&] {
        shown = Manager()->Visible() ? Shown() : std::vector<std::string>{};
        Choose(1);
    });
    kit.Click(at, VK_RBUTTON);
    Pump();
    EXPECT_EQ(shown, (std::vector<std::string>{"Open+", "Rename+"}));
    EXPECT_TRUE(tree->IsEditing());  // the tree renames in place
    tree->GetSelected()->EndEdit(true);

    // Without automatic context menus a right click shows nothing.
    tree->SetAutoContextMenus(false);
    kit.Click(at, VK_RBUTTON);
    Pump();
    EXPECT_FALSE(Manager()->Visible());
}

} // namespace

