#include "FrameTestSupport.h"
#include "SkinMenuSupport.h"

class SkinPopupMenuTest : public FrameTest {
protected:
    SkinPopupMenuTest() { InstallSkinMenus(); }
    ~SkinPopupMenuTest() override { SetFrameMenuFactory(nullptr); }
    TskSkinPopupMenu* MenuOf(TComponent* Owner, std::vector<std::string> Captions)
    {
        auto* m = new TskSkinPopupMenu(Owner);
        for (const std::string& c : Captions) {
            auto* item = new TMenuItem(Owner);
            item->SetCaption(c);
            item->OnClick = [this, c](TObject*) { log.push_back("click " + c); };
            m->Items()->Add(item);
        }
        return m;
    }
    TskSkinMenu* Manager(TForm* Form) { return dynamic_cast<TskSkinMenu*>(FrameOf(Form)->SkinMenu()); }

    std::vector<std::string> log;
};

TEST_F(SkinPopupMenuTest, OpensThroughTheServingFrameAndHandsOverItsCloseEvent)
{
    TForm* form = MakeForm(Skin(0));
    TskSkinMenu* manager = Manager(form);
    ASSERT_NE(manager, nullptr);
    auto* opener = new TLoggingOpener(form, "opener", &log);
    opener->SetParent(form);
    TskSkinPopupMenu* m = MenuOf(form, {"One", "Two"});
    m->OnPopup = [this](TObject*) { log.push_back("popup"); };
    m->OnMenuClose = [this](TObject*) { log.push_back("menu close"); };
    m->Popup2(opener, 300, 200);
    Pump();
    ASSERT_TRUE(manager->Visible());
    EXPECT_EQ(m->PopupPoint().x, 300);
    EXPECT_EQ(manager->PopupWindow(0)->GetTop(), 200);
    EXPECT_TRUE(manager->PopupWindow(0)->Skinned());
    EXPECT_TRUE(FrameOf(form)->InMenu);
    // Escape reaches the menu through the frame's message filter and ends it.
    kit.PressKey(VK_ESCAPE);
    kit.ReleaseKey(VK_ESCAPE);
    Pump();
    EXPECT_FALSE(manager->Visible());
    EXPECT_EQ(log, (std::vector<std::string>{"popup", "opener closed", "menu close"}));
    // Opened again without an opener: the close event was used up.
    log.clear();
    m->OnMenuClose = nullptr;
    m->Popup(300, 200);
    Pump();
    kit.Click(POINT{manager->PopupWindow(0)->GetLeft() + 30,
                    manager->PopupWindow(0)->GetTop() + manager->PopupWindow(0)->Item(1)->ObjectRect.top + 5});
    Pump();
    EXPECT_EQ(log, (std::vector<std::string>{"popup", "click Two"}));
    EXPECT_TRUE(form->GetActive());
    EXPECT_EQ(GetActiveWindow(), form->GetHandle());
}

TEST_F(SkinPopupMenuTest, ShowsNothingWithoutAFrameAndClosesWhenAnotherWindowIsActivated)
{
    TForm* plain;
    Application->CreateForm(plain);
    plain->Show();
    TskSkinPopupMenu* lone = MenuOf(plain, {"One"});
    lone->Popup(10, 10);
    Pump();
    EXPECT_EQ(lone->PopupPoint().x, -1);

    TForm* form = MakeForm(Skin(0));
    TskSkinPopupMenu* m = MenuOf(form, {"One", "Two"});
    m->Popup(300, 200);
    Pump();
    ASSERT_TRUE(Manager(form)->Visible());
    plain->SetFocus();
    Pump();
    EXPECT_FALSE(Manager(form)->Visible());
    EXPECT_FALSE(FrameOf(form)->InMenu);
}
