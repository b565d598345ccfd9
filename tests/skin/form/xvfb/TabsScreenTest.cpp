// The skinned page control on a real X server: a skinned form with a page control of two tabs,
// the second hot under the pointer.

#include "ScreenSupport.h"

#include "classlib/StdCtrls.h"
#include "platform/display/DisplayBackend.h"
#include "skin/core/skDataSkinControls.h"
#include "skin/form/FormSkin.h"
#include "skin/form/skSkinCtrls.h"
#include "skin/form/skSkinTabs.h"

#include <QElapsedTimer>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

using namespace screen;

using TabsScreen = SkinnedFormScreen;

TEST_P(TabsScreen, APageControlWithTwoTabsOnASkinnedForm)
{
    TForm* form = MakeForm("页面");
    auto* pc = new TskSkinPageControl(form);
    pc->SetBounds(10, 10, 380, 240);
    pc->SetSkinData(skin.get());
    for (const char* caption : {"常规", "转换列表"}) {
        auto* sheet = new TskSkinTabSheet(form);
        sheet->SetCaption(caption);
        sheet->SetPageControl(pc);
        auto* button = new TskSkinButton(form);
        button->SetCaption(std::string("在") + caption);
        button->SetBounds(20, 20, 100, 28);
        button->SetSkinData(skin.get());
        button->SetParent(sheet);
    }
    pc->SetParent(form);
    form->Show();
    RunFor(300);

    const RECT hot = pc->GetTabRect(1);
    const POINT at = pc->ClientToScreen(POINT{hot.left + 3, hot.top + 5});
    QTest::mouseMove(NativeOf(form), QPoint(at.x - form->GetLeft(), at.y - form->GetTop()));
    RunFor(200);
    EXPECT_EQ(pc->HotTabIndex(), 1);

    const auto& tab = *dynamic_cast<const TskDataSkinTabControl*>(
        skin->CtrlList[static_cast<std::size_t>(skin->GetControlIndex("tab"))].get());
    TBitmap* picture = skin->GetActivePicture(tab.PictureIndex);
    const RECT sel = pc->GetTabRect(0);
    const POINT corner = pc->ClientToScreen(POINT{sel.left + 1, sel.top + 3});
    EXPECT_TRUE(ScreenShows(corner.x, corner.y,
                            Colour(picture->GetPixelColor(tab.ActiveTabRect.left + 1, tab.ActiveTabRect.top + 3))));
    Screenshot("tabs_skin");
}

INSTANTIATE_TEST_SUITE_P(Skins, TabsScreen, testing::Values(0, 2));

} // namespace
