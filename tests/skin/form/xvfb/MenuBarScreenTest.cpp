// The menu bar of an MDI main form on a real X server: a maximised child's system-menu, close,
// restore and minimise buttons on the bar, the minimise button held down.

#include "ScreenSupport.h"

#include "skin/core/skUtils.h"
#include "skin/form/FormSkin.h"
#include "skin/form/skSkinMainMenuBar.h"
#include "skin/form/skSkinMenus.h"

#include <QCursor>

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

using namespace screen;

using MenuBarScreen = SkinnedFormScreen;

TEST_P(MenuBarScreen, AMaximisedChildsButtonsOnTheMainFormsBar)
{
    InstallSkinMenus();
    auto* main = MakeForm<TStyledForm<TFormStyle::fsMDIForm>>("转换");
    auto* menu = new TskSkinMainMenu(main);
    for (const char* caption : {"文件(&F)", "窗口(&W)"}) {
        auto* item = new TMenuItem(main);
        item->SetCaption(caption);
        menu->Items()->Add(item);
    }
    auto* bar = new TskSkinMainMenuBar(main);
    bar->SetParent(main);
    bar->SetSkinData(skin.get());
    bar->SetFormSkin(frame);
    bar->SetMainMenu(menu);
    main->Show();
    RunFor(200);

    TStyledForm<TFormStyle::fsMDIChild>* child;
    Application->CreateForm(child);
    child->SetCaption("视频");
    child->SetBounds(0, 0, 200, 120);
    auto* childFrame = new TskFormSkin(child);
    childFrame->SetSkinData(skin.get());
    child->Show();
    RunFor(100);
    childFrame->SetWindowState(TWindowState::wsMaximized);
    RunFor(200);
    ASSERT_EQ(bar->ButtonsCount(), 4);

    // The pointer over the minimise button (the bar follows it), then the button pressed.
    TskSkinMainMenuBarButton* minimise = bar->Button(3);
    const RECT r = minimise->ObjectRect;
    const POINT at = bar->ClientToScreen(POINT{r.left + 2, r.top + 2});
    const POINT centre = bar->ClientToScreen(POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2});
    QCursor::setPos(centre.x, centre.y);
    RunFor(300);
    ASSERT_TRUE(minimise->Active);
    minimise->MouseDown();
    // The skin's pressed picture, else the default pressed face.
    const bool skinned = minimise->D && !RectHasNoArea(minimise->D->DownRect);
    const QColor pressed = skinned ? Colour(minimise->Picture->GetPixelColor(minimise->D->DownRect.left + 2,
                                                                             minimise->D->DownRect.top + 2))
                                   : QColor(133, 147, 181);
    EXPECT_TRUE(ScreenShows(at.x, at.y, pressed));
    Screenshot("menubar_child_buttons_skin");

    // Released away from it: the child stays maximised.
    QCursor::setPos(centre.x, centre.y + 150);
    RunFor(300);
    EXPECT_FALSE(minimise->Active);
    minimise->MouseUp();
    RunFor(100);
    EXPECT_EQ(childFrame->GetWindowState(), TWindowState::wsMaximized);
}

INSTANTIATE_TEST_SUITE_P(Skins, MenuBarScreen, testing::Values(0, 2));

} // namespace
