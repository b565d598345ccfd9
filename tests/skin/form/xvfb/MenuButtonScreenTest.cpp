// The menu speed button on a real X server: a skinned tool bar whose "添加" button has its menu
// open below it.

#include "ScreenSupport.h"

#include "app/artwork/Artwork.h"
#include "classlib/PngImage.h"
#include "platform/display/DisplayBackend.h"
#include "skin/form/FormSkin.h"
#include "skin/form/skSkinCtrls.h"
#include "skin/form/skSkinMenus.h"
#include "skin/form/skSkinToolBar.h"

#include <QElapsedTimer>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

using namespace screen;

using MenuButtonScreen = SkinnedFormScreen;

TEST_P(MenuButtonScreen, TheAddButtonsMenuOpensBelowIt)
{
    InstallSkinMenus();
    TForm* form = MakeForm("转换");

    auto* images = new TImageList(form);
    images->SetSize(48, 48);
    TMemoryStream stream;
    const std::string_view bytes = ArtworkFile("toolbar/00.png");
    stream.Write(bytes.data(), static_cast<std::int64_t>(bytes.size()));
    stream.SetPosition(0);
    TPngImage png;
    png.LoadFromStream(&stream);
    TBitmap picture;
    picture.Assign(&png);
    images->Add(&picture, nullptr);

    auto* bar = new TskSkinToolBar(form);
    bar->SetAlign(TAlign::alTop);
    bar->SetHeight(70);
    bar->SetSkinData(skin.get());
    bar->SetImages(images);
    bar->SetParent(form);
    auto* menu = new TskSkinPopupMenu(form);
    for (const char* caption : {"添加文件...", "添加文件夹...", "添加 DVD..."}) {
        auto* item = new TMenuItem(form);
        item->SetCaption(caption);
        menu->Items()->Add(item);
    }
    auto* add = new TskSkinMenuSpeedButton(form);
    add->SetSkinDataName("resizetoolbutton");
    add->SetUseSkinSize(false);
    add->SetBounds(4, 4, 90, 62);
    add->SetCaption("添加");
    add->SetLayout(blGlyphTop);
    add->SetImageIndex(0);
    add->SetSkinData(skin.get());
    add->SetSkinPopupMenu(menu);
    add->SetParent(bar);
    form->Show();
    RunFor(300);

    const POINT p = add->ClientToScreen(POINT{10, 10});
    QTest::mouseMove(NativeOf(form), QPoint(p.x - form->GetLeft(), p.y - form->GetTop()));
    RunFor(100);
    add->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
    add->Perform(WM_LBUTTONUP, 0, MAKELPARAM(10, 10));
    RunFor(400);
    EXPECT_TRUE(add->MenuTracked());
    EXPECT_TRUE(add->GetDown());
    auto* manager = dynamic_cast<TskSkinMenu*>(frame->SkinMenu());
    ASSERT_NE(manager, nullptr);
    ASSERT_TRUE(manager->Visible());
    const POINT below = add->ClientToScreen(POINT{0, add->GetHeight()});
    EXPECT_EQ(manager->PopupWindow(0)->GetLeft(), below.x);
    EXPECT_EQ(manager->PopupWindow(0)->GetTop(), below.y);
    Screenshot("menu_button_skin");
    manager->Hide();
    RunFor(50);
    EXPECT_FALSE(add->GetDown());
}

INSTANTIATE_TEST_SUITE_P(Skins, MenuButtonScreen, testing::Values(0, 2));

} // namespace
