#include "FrameMDISupport.h"
#include "SkinMenuSupport.h"

#include "classlib/ExtCtrls.h"
#include "skin/form/skSkinMainMenuBar.h"

class SkinMenuMDI : public FrameMDI {
protected:
    SkinMenuMDI() { InstallSkinMenus(); }
    ~SkinMenuMDI() override { SetFrameMenuFactory(nullptr); }
    TskFrameMenu* Manager(TForm* Form) { return FrameOf(Form)->SkinMenu(); }
    static void AddItem(TMainMenu* Menu, const std::string& Caption, BYTE Group)
    {
        auto* item = new TMenuItem(Menu);
        item->SetCaption(Caption);
        item->SetGroupIndex(Group);
        Menu->Items()->Add(item);
    }
    static std::vector<std::string> Captions(TskSkinMainMenuBar* Bar)
    {
        std::vector<std::string> result;
        for (int i = 0; i < Bar->ItemCount(); ++i)
            result.push_back(Bar->Item(i)->MenuItem->GetCaption());
        return result;
    }
};

TEST_F(SkinMenuMDI, APopupMenuOfAChildOpensThroughTheMainFormsFrame)
{
    TForm* main = MakeMain(Skin(0));
    TForm* child = MakeChild(Skin(1), "Doc");
    // Owned by the child itself, and by a control on the child.
    auto* onChild = new TskSkinPopupMenu(child);
    auto* panel = new TPanel(child);
    auto* onControl = new TskSkinPopupMenu(panel);
    for (TskSkinPopupMenu* m : {onChild, onControl}) {
        auto* item = new TMenuItem(child);
        item->SetCaption("Item");
        m->Items()->Add(item);
        m->Popup(200, 200);
        Pump();
        EXPECT_TRUE(Manager(main)->Visible());
        EXPECT_FALSE(Manager(child)->Visible());
        EXPECT_EQ(m->GetSkinData(), FrameOf(main)->MenusData());
        Manager(main)->Hide();
        Pump();
    }
}

TEST_F(SkinMenuMDI, TheMainFormsBarMergesTheMenuOfTheActiveChild)
{
    TForm* main = MakeMain(Skin(0));
    auto* menu = new TskSkinMainMenu(main);
    AddItem(menu, "File", 0);
    AddItem(menu, "Edit", 1);
    AddItem(menu, "Window", 9);
    auto* bar = new TskSkinMainMenuBar(main);
    bar->SetParent(main);
    bar->SetFormSkin(FrameOf(main));
    bar->SetMainMenu(menu);
    using Names = std::vector<std::string>;
    EXPECT_EQ(Captions(bar), (Names{"File", "Edit", "Window"}));

    // The first child's menu replaces the main menu's group 1 and adds group 2.
    TForm* editor = MakeChild(Skin(0), "Editor");
    auto* childMenu = new TMainMenu(editor);
    AddItem(childMenu, "Text", 1);
    AddItem(childMenu, "Format", 2);
    TForm* plain = MakeChild(Skin(0), "Plain");
    EXPECT_EQ(main->ActiveMDIChild(), plain);
    EXPECT_EQ(Captions(bar), (Names{"File", "Edit", "Window"}));
    EXPECT_FALSE(bar->ChildMenuIn());

    main->SetActiveMDIChild(editor);
    Pump();
    EXPECT_EQ(Captions(bar), (Names{"File", "Text", "Format", "Window"}));
    EXPECT_TRUE(bar->ChildMenuIn());
    EXPECT_FALSE(bar->ScrollMenu);

    main->SetActiveMDIChild(plain);
    Pump();
    EXPECT_EQ(Captions(bar), (Names{"File", "Edit", "Window"}));

    // A child that goes while its menu shows takes its items off the bar.
    main->SetActiveMDIChild(editor);
    Pump();
    delete editor;
    Pump();
    EXPECT_EQ(Captions(bar), (Names{"File", "Edit", "Window"}));
    EXPECT_FALSE(bar->ChildMenuIn());
}
