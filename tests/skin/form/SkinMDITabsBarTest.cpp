#include "FrameMDISupport.h"
#include "SkinMenuSupport.h"

#include "skin/core/skUtils.h"
#include "skin/form/skSkinMDITabsBar.h"

#include <vector>

class SkinMDITabsBar : public FrameMDI {
protected:
    TskSkinMDITabsBar* MakeBar(TForm* Main, int Width = 400)
    {
        auto* bar = new TskSkinMDITabsBar(Main);
        bar->SetParent(Main);
        bar->SetBounds(0, 0, Width, 21);
        bar->SetFormSkin(FrameOf(Main));
        return bar;
    }
    std::vector<TForm*> MakeChildren(int Count)
    {
        // Children belong to the application: every round needs fresh names.
        static int round = 0;
        ++round;
        std::vector<TForm*> result;
        for (int i = 0; i < Count; ++i)
            result.push_back(MakeChild(nullptr, "Doc" + std::to_string(round) + "_" + std::to_string(i)));
        return result;
    }
};

TEST_F(SkinMDITabsBar, TabsShareTheWidthOrOverflowIntoTheHiddenList)
{
    struct Case {
        int MinTabWidth, Visible, FirstWidth, LastRight;
    };
    for (const Case c : {Case{0, 10, 38, 400}, Case{60, 6, 60, 15 + 6 * 60}}) {
        TForm* main = MakeMain(nullptr);
        TskSkinMDITabsBar* bar = MakeBar(main);
        bar->SetMinTabWidth(c.MinTabWidth);
        MakeChildren(10);
        ASSERT_EQ(bar->TabCount(), 10);
        bar->CalcTabRects();
        EXPECT_EQ(bar->Tab(0)->ObjectRect.left, 15);
        EXPECT_EQ(bar->Tab(0)->ObjectRect.right - bar->Tab(0)->ObjectRect.left, c.FirstWidth);
        EXPECT_EQ(bar->Tab(c.Visible - 1)->ObjectRect.right, c.LastRight);
        EXPECT_EQ(bar->InVisibleCount(), 10 - c.Visible);
        bar->Repaint();
        Pump();
        EXPECT_EQ(bar->HideListButton() != nullptr, c.Visible < 10);
        ASSERT_NE(bar->ListButton(), nullptr);
        if (bar->HideListButton()) {
            // The hidden-tabs button lists exactly the tabs without room.
            bar->HideListButton()->OnShowTrackMenu(bar->HideListButton());
            ASSERT_EQ(bar->HideListMenu()->Items()->Count(), 10 - c.Visible);
            EXPECT_EQ(bar->HideListMenu()->Items()->Items(0)->GetCaption(), bar->Tab(c.Visible)->Child->GetCaption());
        }
        delete main;
        Pump();
    }
}

TEST_F(SkinMDITabsBar, AOnePixelMoveDragsATabIntoAnotherPlaceUnlessMovingIsOff)
{
    for (bool move : {true, false}) {
        TForm* main = MakeMain(nullptr);
        TskSkinMDITabsBar* bar = MakeBar(main);
        bar->SetMoveTabs(move);
        std::vector<TForm*> docs = MakeChildren(4);  // tabs of 38 pixels would be 96; 100 wide each
        bar->CalcTabRects();
        const RECT first = bar->Tab(0)->ObjectRect;
        const int y = 10, x = first.left + 10;
        SendMessage(bar->GetHandle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
        SendMessage(bar->GetHandle(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(x + 1, y));
        EXPECT_EQ(bar->Dragging(), move);
        const int overThird = bar->Tab(2)->ObjectRect.left + 50;
        const RECT third = bar->Tab(2)->ObjectRect;
        SendMessage(bar->GetHandle(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(overThird, y));
        // While dragging right the drop marker inverts the dragged tab, drawn over the target's
        // right edge.
        auto picture = kit.Render(bar->GetHandle());
        const COLORREF marker = WindowTestKit::ColorAt(*picture, third.right, 2);
        const COLORREF face = WindowTestKit::ColorAt(*picture, first.left + overThird - x + 2, 2);
        EXPECT_EQ(marker == (face ^ 0xFFFFFF), move) << std::hex << face << " " << marker;
        SendMessage(bar->GetHandle(), WM_LBUTTONUP, 0, MAKELPARAM(overThird, y));
        EXPECT_FALSE(bar->Dragging());
        EXPECT_EQ(bar->Tab(0)->Child, move ? docs[1] : docs[0]);
        EXPECT_EQ(bar->Tab(move ? 2 : 0)->Child, docs[0]);
        delete main;
        Pump();
    }
}

TEST_F(SkinMDITabsBar, OnlyAPressAndReleaseOnTheSameCloseButtonCloses)
{
    TForm* main = MakeMain(nullptr);
    TskSkinMDITabsBar* bar = MakeBar(main);
    bar->SetShowCloseButtons(true);
    std::vector<TForm*> docs = MakeChildren(2);
    int closed = 0;
    for (TForm* d : docs)
        d->OnClose = [&closed](TObject*, TCloseAction& Action) {
            ++closed;
            Action = TCloseAction::caNone;
        };
    bar->Repaint();
    Pump();
    const RECT button = bar->Tab(1)->CloseButtonOnBar();
    const int bx = button.left + 3, by = button.top + 3;
    // A press elsewhere, released over the close button: nothing closes.
    SendMessage(bar->GetHandle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(bar->Tab(0)->ObjectRect.left + 5, 10));
    SendMessage(bar->GetHandle(), WM_LBUTTONUP, 0, MAKELPARAM(bx, by));
    EXPECT_EQ(closed, 0);
    SendMessage(bar->GetHandle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(bx, by));
    SendMessage(bar->GetHandle(), WM_LBUTTONUP, 0, MAKELPARAM(bx, by));
    EXPECT_EQ(closed, 1);
}

TEST_F(SkinMDITabsBar, ARightClickOpensTheChildsSystemMenuAtThePointer)
{
    InstallSkinMenus();
    TForm* main = MakeMain(nullptr);
    TskSkinMDITabsBar* bar = MakeBar(main);
    MakeChildren(2);
    bar->Repaint();
    Pump();
    const int x = bar->Tab(1)->ObjectRect.left + 5;
    SendMessage(bar->GetHandle(), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(x, 10));
    Pump();
    ASSERT_TRUE(FrameOf(main)->SkinMenu()->Visible());
    const POINT at = bar->ClientToScreen(POINT{x, 10});
    auto* skinMenu = dynamic_cast<TskSkinMenu*>(FrameOf(main)->SkinMenu());
    ASSERT_NE(skinMenu, nullptr);
    RECT menu{};
    GetWindowRect(skinMenu->PopupWindow(0)->GetHandle(), &menu);
    EXPECT_EQ(menu.left, at.x);
    EXPECT_EQ(menu.top, at.y);
    FrameOf(main)->SkinMenu()->Hide();
    Pump();
    SetFrameMenuFactory(nullptr);
}

TEST_F(SkinMDITabsBar, AnAlignedBarLeavesTheChildrenTheRestOfTheClientArea)
{
    TForm* main = MakeMain(nullptr);
    TskSkinMDITabsBar* bar = MakeBar(main);
    bar->SetAlign(TAlign::alTop);
    Pump();
    RECT client{};
    GetWindowRect(main->ClientHandle(), &client);
    const POINT below = main->ClientToScreen(POINT{0, bar->GetHeight()});
    EXPECT_EQ(client.top, below.y);
    EXPECT_EQ(client.bottom - client.top, main->GetClientHeight() - bar->GetHeight());
    // And keeps doing so when the form is sized.
    main->SetClientHeight(400);
    Pump();
    GetWindowRect(main->ClientHandle(), &client);
    EXPECT_EQ(client.bottom - client.top, 400 - bar->GetHeight());
}

TEST_F(SkinMDITabsBar, TheListMenuAndTheTabsBringTheirChildToTheFront)
{
    TForm* main = MakeMain(nullptr);
    TskSkinMDITabsBar* bar = MakeBar(main);
    std::vector<TForm*> docs{MakeChild(nullptr, ""), MakeChild(nullptr, "")};
    docs[0]->SetCaption("第一");
    docs[1]->SetCaption("第二");
    main->SetActiveMDIChild(docs[0]);
    Pump();
    ASSERT_NE(bar->ListButton(), nullptr);
    bar->ListButton()->OnShowTrackMenu(bar->ListButton());
    ASSERT_EQ(bar->ListMenu()->Items()->Count(), 2);
    TMenuItem* second = bar->ListMenu()->Items()->Items(1);
    EXPECT_EQ(second->GetCaption(), "第二");
    EXPECT_EQ(second->GetName(), "_BSFCHILDITEMBAR");
    second->Click();
    Pump();
    EXPECT_EQ(main->ActiveMDIChild(), docs[1]);
    // A press on a tab brings its child to the front too.
    bar->CalcTabRects();
    SendMessage(bar->GetHandle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(bar->Tab(0)->ObjectRect.left + 5, 10));
    SendMessage(bar->GetHandle(), WM_LBUTTONUP, 0, MAKELPARAM(bar->Tab(0)->ObjectRect.left + 5, 10));
    Pump();
    EXPECT_EQ(main->ActiveMDIChild(), docs[0]);
    EXPECT_TRUE(bar->Tab(0)->Active);
}

TEST_F(SkinMDITabsBar, AChildDestroyedWhileItsTabIsHotOrPressedTakesTheTabAlong)
{
    TForm* main = MakeMain(nullptr);
    TskSkinMDITabsBar* bar = MakeBar(main);
    bar->SetShowCloseButtons(true);
    std::vector<TForm*> docs = MakeChildren(4);
    bar->Repaint();
    Pump();
    auto move = [this, bar](int X) {
        kit.MoveMouse(bar->ClientToScreen(POINT{X, 10}));
        Pump();
    };
    int entered = 0, left = 0;
    bar->OnTabMouseEnter = [&entered](TskMDITab*) { ++entered; };
    bar->OnTabMouseLeave = [&left](TskMDITab*) { ++left; };

    // Hot: a tab before the hot one goes; the hot tab stays hot and is not entered again.
    const int x3 = bar->Tab(3)->ObjectRect.left + 5;
    move(x3);
    ASSERT_TRUE(bar->Tab(3)->MouseIn);
    delete docs[0];
    Pump();
    ASSERT_EQ(bar->TabCount(), 3);
    EXPECT_TRUE(bar->Tab(2)->MouseIn);
    bar->CalcTabRects();
    move(bar->Tab(2)->ObjectRect.left + 5);
    EXPECT_EQ(entered, 1);
    // The hot tab itself goes: it is left once.
    delete docs[3];
    Pump();
    EXPECT_EQ(left, 1);
    ASSERT_EQ(bar->TabCount(), 2);

    // Pressed and dragging: the drag ends with the tab, nothing moves.
    bar->CalcTabRects();
    const int x0 = bar->Tab(0)->ObjectRect.left + 5;
    SendMessage(bar->GetHandle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x0, 10));
    SendMessage(bar->GetHandle(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(x0 + 1, 10));
    ASSERT_TRUE(bar->Dragging());
    delete docs[1];
    Pump();
    EXPECT_FALSE(bar->Dragging());
    SendMessage(bar->GetHandle(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(x0 + 60, 10));
    SendMessage(bar->GetHandle(), WM_LBUTTONUP, 0, MAKELPARAM(x0 + 60, 10));
    ASSERT_EQ(bar->TabCount(), 1);
    EXPECT_EQ(bar->Tab(0)->Child, docs[2]);

    // A pressed close button whose child goes: the release closes nothing, the last tab takes
    // the list button along.
    bar->Repaint();
    Pump();
    const RECT button = bar->Tab(0)->CloseButtonOnBar();
    SendMessage(bar->GetHandle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(button.left + 3, button.top + 3));
    delete docs[2];
    Pump();
    SendMessage(bar->GetHandle(), WM_LBUTTONUP, 0, MAKELPARAM(button.left + 3, button.top + 3));
    EXPECT_EQ(bar->TabCount(), 0);
    EXPECT_EQ(bar->ListButton(), nullptr);
    bar->Repaint();
    Pump();
}

TEST_F(SkinMDITabsBar, TheDefaultLookMarksTheActiveChildsTab)
{
    TForm* main = MakeMain(nullptr);
    TskSkinMDITabsBar* bar = MakeBar(main);
    std::vector<TForm*> docs = MakeChildren(2);
    main->SetActiveMDIChild(docs[1]);
    Pump();
    bar->Repaint();
    Pump();
    auto picture = kit.Render(bar->GetHandle());
    auto at = [&](int Tab) { return WindowTestKit::ColorAt(*picture, bar->Tab(Tab)->ObjectRect.left + 1, 2); };
    EXPECT_EQ(at(1), RGB(133, 147, 181));
    EXPECT_EQ(at(0), ColorToRGB(clBtnFace));
}

TEST_F(SkinMDITabsBar, TheSkinnedLookCutsTheActiveTabFromTheSkin)
{
    TskSkinData* data = Skin(1);
    TForm* main = MakeMain(nullptr);
    TskSkinMDITabsBar* bar = MakeBar(main);
    bar->SetSkinData(data);
    MakeChildren(1);
    bar->Repaint();
    Pump();
    const auto* tab = NamedDescription<TskDataSkinTabControl>(data, "tab");
    ASSERT_NE(tab, nullptr);
    const RECT src = RectHasNoArea(tab->ActiveTabRect) ? tab->TabRect : tab->ActiveTabRect;
    ASSERT_GT(tab->TabLeftOffset, 1);
    EXPECT_EQ(bar->GetHeight(), tab->TabRect.bottom - tab->TabRect.top + tab->ClRect.top);
    auto picture = kit.Render(bar->GetHandle());
    EXPECT_EQ(WindowTestKit::ColorAt(*picture, bar->Tab(0)->ObjectRect.left + 1, 3),
              data->GetActivePicture(tab->PictureIndex)->GetPixelColor(src.left + 1, src.top + 3));
}
