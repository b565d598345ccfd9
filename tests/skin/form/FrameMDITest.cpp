#include "FrameMDISupport.h"

#include "classlib/Menus.h"
#include "skin/form/skSkinMessages.h"

#include <string>
#include <vector>

namespace {

const char* const kNames[] = {"C0", "C1", "C2", "C3", "C4"};

TEST_F(FrameMDI, AMaximizedChildFillsTheClientAreaAndNamesItselfInTheMainCaption)
{
    TForm* main = MakeMain(nullptr);
    TForm* child = MakeChild(Skin(1), "Report");
    TskFormSkin* frame = FrameOf(child);
    ASSERT_EQ(windowMenu->Count(), 1);
    EXPECT_EQ(windowMenu->Items(0)->GetName(), "Report_BSFCHILDITEM");
    EXPECT_TRUE(windowMenu->Items(0)->GetChecked());

    frame->SetWindowState(TWindowState::wsMaximized);
    EXPECT_EQ(child->GetBoundsRect(), (RECT{0, 0, 1000, 600}));
    EXPECT_TRUE(FrameOf(main)->FMDIChildMaximized);
    EXPECT_EQ(FrameOf(main)->CaptionText(), "Main - [Report]");
    EXPECT_EQ(child->GetClientWidth(), 1000);  // no frame of its own while maximised
    EXPECT_EQ(GetMaximizedChildSkinForm(), frame);

    frame->SetWindowState(TWindowState::wsNormal);
    EXPECT_FALSE(FrameOf(main)->FMDIChildMaximized);
    EXPECT_EQ(FrameOf(main)->CaptionText(), "Main");
    EXPECT_EQ(child->GetBoundsRect(), (RECT{0, 0, 300, 200}));

    // The system menu's close item of a child carries Ctrl+F4.
    TMenuItem* items = frame->GetSystemMenuItems();
    EXPECT_EQ(ShortCutToText(items->Items(items->Count() - 1)->GetShortCut()), "Ctrl+F4");

    child->Hide();
    Pump();
    EXPECT_EQ(windowMenu->Count(), 0);
}

TEST_F(FrameMDI, TileFillsColumnsFromTheBottomRight)
{
    TForm* main = MakeMain(nullptr);
    std::vector<TForm*> children;
    for (int i = 0; i < 5; ++i)
        children.push_back(MakeChild(nullptr, kNames[i]));
    FrameOf(main)->Tile();
    // Two columns of 500: the right one holds the last three children, the left one the first two.
    const std::vector<RECT> expected{{0, 0, 500, 300},     {0, 300, 500, 600},   {500, 0, 1000, 200},
                                     {500, 200, 1000, 400}, {500, 400, 1000, 600}};
    for (std::size_t i = 0; i < children.size(); ++i)
        EXPECT_EQ(children[i]->GetBoundsRect(), expected[i]) << i;
}

TEST_F(FrameMDI, CascadeStepsByTheCaptionAndNeverByNothing)
{
    TForm* main = MakeMain(nullptr);
    std::vector<TForm*> children;
    for (int i = 0; i < 3; ++i)
        children.push_back(MakeChild(nullptr, kNames[i]));
    FrameOf(main)->Cascade();
    // The default frame steps by its caption (22); three children: two steps.
    EXPECT_EQ(children[2]->GetBoundsRect(), (RECT{0, 0, 956, 556}));
    EXPECT_EQ(children[1]->GetBoundsRect(), (RECT{22, 22, 978, 578}));
    EXPECT_EQ(children[0]->GetBoundsRect(), (RECT{44, 44, 1000, 600}));

    // A skin whose client starts at the top gives a step of 0: one pixel is used.
    TskSkinData* skin = Skin(1);
    skin->ClRect.top = 0;
    FrameOf(main)->SetSkinData(skin);
    FrameOf(main)->Cascade();
    EXPECT_EQ(children[1]->GetLeft(), 1);
    EXPECT_EQ(children[0]->GetLeft(), 2);
}

TEST_F(FrameMDI, MinimizedChildrenLineUpAtTheBottomOfTheClientArea)
{
    TForm* main = MakeMain(nullptr, 500, 400);
    (void)main;
    std::vector<TForm*> children;
    for (int i = 0; i < 4; ++i)
        children.push_back(MakeChild(nullptr, kNames[i]));
    for (TForm* c : children)
        FrameOf(c)->SetWindowState(TWindowState::wsMinimized);
    // 120 x 25 default-frame slots; four in a row of 500.
    for (std::size_t i = 0; i < children.size(); ++i) {
        EXPECT_EQ(children[i]->GetLeft(), static_cast<int>(i) * 120) << i;
        EXPECT_EQ(children[i]->GetTop(), 400 - 25) << i;
    }
}

TEST_F(FrameMDI, TheActiveChildShowsAnActiveCaptionAndFormStylesStayPlain)
{
    TForm* main = MakeMain(nullptr);
    TForm* a = MakeChild(Skin(1), "A", RECT{0, 0, 300, 200});
    TForm* b = MakeChild(Skin(1), "B", RECT{400, 0, 700, 200});
    EXPECT_TRUE(FrameOf(b)->GetFormActive());
    EXPECT_FALSE(FrameOf(a)->GetFormActive());
    main->SetActiveMDIChild(a);
    EXPECT_TRUE(FrameOf(a)->GetFormActive());
    EXPECT_FALSE(FrameOf(b)->GetFormActive());
    // The main form's client window paints the workspace colour where no child is.
    EXPECT_EQ(At(main, 3 + 500, 22 + 500), ColorToRGB(clAppWorkSpace));

    FrameOf(a)->SetFormStyle(TFormStyle::fsMDIForm);
    FrameOf(b)->SetFormStyle(TFormStyle::fsMDIChild);
    EXPECT_EQ(a->GetFormStyle(), TFormStyle::fsMDIChild);
    EXPECT_EQ(main->MDIChildCount(), 2);
}

} // namespace
