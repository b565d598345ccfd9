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
        EXPECT_NE(bar->ListButton(), nullptr);
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
        SendMessage(bar->GetHandle(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(overThird, y));
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
    EXPECT_TRUE(FrameOf(main)->SkinMenu()->Visible());
    FrameOf(main)->SkinMenu()->Hide();
    Pump();
    SetFrameMenuFactory(nullptr);
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
