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

class MenuButtonScreen : public testing::TestWithParam<int> {
protected:
    void TearDown() override
    {
        DoneApplication();
        SetFrameMenuFactory(nullptr);
        skin.reset();
    }

    void Run(int Ms)
    {
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < Ms) {
            Application->ProcessMessages();
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        }
    }

    std::unique_ptr<TskSkinData> skin;
};

TEST_P(MenuButtonScreen, TheAddButtonsMenuOpensBelowIt)
{
    const int index = GetParam();
    GetDisplayBackend();
    InstallSkinMenus();
    skin = std::make_unique<TskSkinData>(nullptr);
    LoadSkin(skin.get(), index);
    TForm* form;
    Application->CreateForm(form);
    form->SetCaption("转换");
    form->SetBounds(100, 100, 420, 320);
    auto* frame = new TskFormSkin(form);
    frame->SetSkinData(skin.get());

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
    Run(300);

    const POINT p = add->ClientToScreen(POINT{10, 10});
    QTest::mouseMove(NativeOf(form), QPoint(p.x - form->GetLeft(), p.y - form->GetTop()));
    Run(100);
    add->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
    add->Perform(WM_LBUTTONUP, 0, MAKELPARAM(10, 10));
    Run(400);
    EXPECT_TRUE(add->MenuTracked());
    EXPECT_TRUE(add->GetDown());
    auto* manager = dynamic_cast<TskSkinMenu*>(frame->SkinMenu());
    ASSERT_NE(manager, nullptr);
    ASSERT_TRUE(manager->Visible());
    const POINT below = add->ClientToScreen(POINT{0, add->GetHeight()});
    EXPECT_EQ(manager->PopupWindow(0)->GetLeft(), below.x);
    EXPECT_EQ(manager->PopupWindow(0)->GetTop(), below.y);
    QGuiApplication::primaryScreen()->grabWindow(0, 80, 80, 460, 360).save(
        QString::fromStdString(std::string(ZD_SCREENSHOT_DIR) + "/menu_button_skin" + std::to_string(index) + ".png"));
    manager->Hide();
    Run(50);
    EXPECT_FALSE(add->GetDown());
}

INSTANTIATE_TEST_SUITE_P(Skins, MenuButtonScreen, testing::Values(0, 2));

} // namespace
