// The MDI tabs bar on a real X server: an MDI main form with three children and the bar across its
// top, the second child active.

#include "ScreenSupport.h"

#include "skin/form/FormSkin.h"
#include "skin/form/skSkinMDITabsBar.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

using namespace screen;

using MDITabsScreen = SkinnedFormScreen;

TEST_P(MDITabsScreen, AnMDIMainFormWithItsTabsBar)
{
    auto* main = MakeForm<TStyledForm<TFormStyle::fsMDIForm>>("转换");
    auto* bar = new TskSkinMDITabsBar(main);
    bar->SetSkinData(skin.get());
    bar->SetParent(main);
    bar->SetAlign(TAlign::alTop);
    bar->SetHeight(21);
    bar->SetFormSkin(frame);
    main->Show();
    RunFor(200);

    TForm* second = nullptr;
    for (const char* caption : {"视频一", "视频二", "音频"}) {
        TStyledForm<TFormStyle::fsMDIChild>* child;
        Application->CreateForm(child);
        child->SetCaption(caption);
        child->SetBounds(0, 0, 200, 120);
        (new TskFormSkin(child))->SetSkinData(skin.get());
        child->Show();
        RunFor(100);
        if (std::string(caption) == "视频二")
            second = child;
    }
    main->SetActiveMDIChild(second);
    RunFor(300);
    EXPECT_EQ(bar->TabCount(), 3);
    Screenshot("mdi_tabs_skin");
}

INSTANTIATE_TEST_SUITE_P(Skins, MDITabsScreen, testing::Values(0, 2));

} // namespace
