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

TEST_F(SkinMenuMDI, AMaximisedChildShowsItsButtonsOnTheMainFormsBar)
{
    TForm* main = MakeMain(Skin(0));
    auto* menu = new TskSkinMainMenu(main);
    AddItem(menu, "File", 0);
    auto* bar = new TskSkinMainMenuBar(main);
    bar->SetParent(main);
    bar->SetFormSkin(FrameOf(main));
    bar->SetMainMenu(menu);
    TForm* child = MakeChild(Skin(0), "Doc");
    TskFormSkin* frame = FrameOf(child);
    frame->SetBorderIcons(TskBorderIcons{TskBorderIcon::biSystemMenu, TskBorderIcon::biMaximize});
    auto centre = [bar](int i) {
        const RECT r = bar->Button(i)->ObjectRect;
        return bar->ClientToScreen(POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2});
    };

    frame->SetWindowState(TWindowState::wsMaximized);
    Pump();
    ASSERT_EQ(bar->ButtonsCount(), 4);
    const TskStdCommand roles[] = {cmSysMenu, cmClose, cmMaximize, cmMinimize};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(bar->Button(i)->Command, roles[i]);
    EXPECT_FALSE(bar->Button(3)->Enabled);  // no minimise icon
    EXPECT_TRUE(bar->Button(0)->Enabled);
    // The system-menu button holds the left end, the others line up from the right end.
    const int h = bar->GetHeight() - 4;
    EXPECT_EQ(bar->Button(0)->ObjectRect, (RECT{2, 2, 2 + h, 2 + h}));
    EXPECT_EQ(bar->Button(1)->ObjectRect.right, bar->GetWidth() - 2);
    EXPECT_EQ(bar->Button(2)->ObjectRect.right, bar->Button(1)->ObjectRect.left - 2);
    EXPECT_EQ(bar->Item(0)->ObjectRect.left, 4 + h);

    // The system-menu button opens the child's system menu from the main form's frame. Asking for
    // the system menu rebuilds its items (freeing the shown ones), so keep the root from before.
    TMenuItem* systemMenu = frame->GetSystemMenuItems();
    kit.Click(centre(0));
    Pump();
    TskSkinMenu* manager = dynamic_cast<TskSkinMenu*>(Manager(main));
    ASSERT_TRUE(manager->Visible());
    EXPECT_EQ(manager->PopupWindow(0)->Item(0)->MenuItem->Parent(), systemMenu);
    manager->Hide();
    Pump();
    EXPECT_FALSE(bar->Button(0)->FDown);

    // Restore takes the buttons away; a disabled minimise button does nothing.
    kit.Click(centre(3));
    Pump();
    EXPECT_EQ(frame->GetWindowState(), TWindowState::wsMaximized);
    kit.Click(centre(2));
    Pump();
    EXPECT_EQ(frame->GetWindowState(), TWindowState::wsNormal);
    EXPECT_EQ(bar->ButtonsCount(), 0);
    EXPECT_EQ(bar->Item(0)->ObjectRect.left, 2);

    // Close closes the maximised child; a child that goes takes the buttons with it.
    bool closed = false;
    const TCloseEvent freeOnClose = [&closed](TObject*, TCloseAction& Action) {
        closed = true;
        Action = TCloseAction::caFree;
    };
    child->OnClose = freeOnClose;
    frame->SetWindowState(TWindowState::wsMaximized);
    Pump();
    ASSERT_EQ(bar->ButtonsCount(), 4);
    kit.Click(centre(1));
    Pump();
    EXPECT_TRUE(closed);
    EXPECT_EQ(main->MDIChildCount(), 0);
    EXPECT_EQ(bar->ButtonsCount(), 0);

    // A double click on the system-menu button closes the child too, with the menu it opened.
    closed = false;
    TForm* second = MakeChild(Skin(0), "Second");
    second->OnClose = freeOnClose;
    FrameOf(second)->SetWindowState(TWindowState::wsMaximized);
    Pump();
    ASSERT_EQ(bar->ButtonsCount(), 4);
    kit.Click(centre(0));
    Pump();
    bar->Button(0)->DblClick();
    Pump();
    EXPECT_TRUE(closed);
    EXPECT_FALSE(manager->Visible());
    EXPECT_EQ(main->MDIChildCount(), 0);
    EXPECT_EQ(bar->ButtonsCount(), 0);
}

TEST_F(SkinMenuMDI, AClickOnTheMainFormClosesAMenuTheActiveChildOpened)
{
    TForm* main = MakeMain(Skin(0));
    TForm* child = MakeChild(Skin(1), "Doc");
    auto* root = new TMenuItem(child);
    auto* item = new TMenuItem(child);
    item->SetCaption("Item");
    root->Add(item);
    FrameOf(child)->SkinMenuOpen();
    Manager(child)->PopupAt(nullptr, Skin(1), 0, 300, 300, root, false);
    Pump();
    ASSERT_TRUE(Manager(child)->Visible());
    ASSERT_FALSE(Manager(main)->Visible());
    SendMessage(main->GetHandle(), WM_LBUTTONDOWN, 0, 0);
    Pump();
    EXPECT_FALSE(Manager(child)->Visible());
    EXPECT_FALSE(FrameOf(child)->InMenu);
}

TEST_F(SkinMenuMDI, TheChildsButtonsOnTheBarMorphInAndOutAndShowTheirPressedLook)
{
    TskSkinData* data = Skin(0);
    TForm* main = MakeMain(data);
    auto* menu = new TskSkinMainMenu(main);
    AddItem(menu, "File", 0);
    auto* bar = new TskSkinMainMenuBar(main);
    bar->SetParent(main);
    bar->SetSkinData(data);
    bar->SetFormSkin(FrameOf(main));
    bar->SetMainMenu(menu);
    ASSERT_NE(bar->BarDescription(), nullptr);
    // Normal red, hot blue, pressed green.
    const COLORREF red = RGB(250, 0, 0), blue = RGB(0, 0, 250), green = RGB(0, 250, 0);
    const int picture = skinform::AddPicture(*data, 48, 16, red);
    TCanvas* c = data->FActivePictures.back()->Canvas();
    c->Brush()->SetColor(static_cast<TColor>(blue));
    c->FillRect(RECT{16, 0, 32, 16});
    c->Brush()->SetColor(static_cast<TColor>(green));
    c->FillRect(RECT{32, 0, 48, 16});
    auto min = std::make_unique<TskDataSkinMainMenuBarButton>("minbutton_bar");
    min->ActivePictureIndex = picture;
    min->SkinRect = RECT{0, 0, 16, 16};
    min->ActiveSkinRect = RECT{16, 0, 32, 16};
    min->DownRect = RECT{32, 0, 48, 16};
    min->Morphing = true;
    min->Command = cmMinimize;
    data->ObjectList.push_back(std::move(min));
    bar->BarDescription()->MinButton = "minbutton_bar";
    TForm* child = MakeChild(data, "Doc");
    FrameOf(child)->SetWindowState(TWindowState::wsMaximized);
    Pump();
    ASSERT_EQ(bar->ButtonsCount(), 4);
    TskSkinMainMenuBarButton* button = bar->Button(3);
    ASSERT_TRUE(button->EnableMorphing());
    const RECT r = button->ObjectRect;
    const POINT inside = bar->ClientToScreen(POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2});
    const POINT outside = bar->ClientToScreen(POINT{bar->GetWidth() / 2, bar->GetHeight() + 40});
    auto face = [&] {
        const POINT p = bar->ClientToScreen(POINT{r.left + 2, r.top + 2});
        return At(main, p.x - main->GetLeft(), p.y - main->GetTop());
    };
    EXPECT_EQ(face(), red);

    std::vector<double> kf;
    std::vector<COLORREF> faces;
    kit.MoveMouse(inside);
    Pump();
    kit.Advance(50);
    ASSERT_TRUE(button->Active);
    for (int i = 0; i < 6; ++i) {
        kit.Advance(25);
        kf.push_back(button->MorphKf);
        faces.push_back(face());
    }
    kit.MoveMouse(outside);
    Pump();
    for (int i = 0; i < 6; ++i) {
        kit.Advance(25);
        kf.push_back(button->MorphKf);
    }
    const std::vector<double> expected{0.2, 0.4, 0.6, 0.8, 1.0, 1.0, 0.8, 0.6, 0.4, 0.2, 0.0, 0.0};
    ASSERT_EQ(kf.size(), expected.size());
    for (std::size_t i = 0; i < kf.size(); ++i)
        EXPECT_NEAR(kf[i], expected[i], 1e-9) << i;
    // Between the pictures while morphing, the hot picture at the end.
    EXPECT_NE(faces[1], red);
    EXPECT_NE(faces[1], blue);
    EXPECT_EQ(faces[5], blue);
    EXPECT_EQ(face(), red);

    // Held: pressed while the pointer is over it, normal while it is away, pressed again when it
    // comes back; released outside it runs nothing.
    kit.MoveMouse(inside);
    Pump();
    kit.Advance(50);
    kit.PressButton(inside);
    Pump();
    EXPECT_EQ(face(), green);
    kit.MoveMouse(outside);
    Pump();
    kit.Advance(50);
    EXPECT_FALSE(button->Active);
    EXPECT_EQ(face(), red);
    kit.MoveMouse(inside);
    Pump();
    kit.Advance(50);
    EXPECT_TRUE(button->Active);
    EXPECT_EQ(face(), green);
    kit.MoveMouse(outside);
    Pump();
    kit.Advance(50);
    kit.ReleaseButton(outside);
    Pump();
    EXPECT_FALSE(button->FDown);
    EXPECT_EQ(FrameOf(child)->GetWindowState(), TWindowState::wsMaximized);
}
