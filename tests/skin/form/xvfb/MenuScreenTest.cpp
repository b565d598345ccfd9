// Skinned menus on a real X server: a form with a menu bar and a menu with its submenu open.

#include "ScreenSupport.h"

#include "classlib/Forms.h"
#include "classlib/Streams.h"
#include "platform/display/DisplayBackend.h"
#include "platform/window/RawInput.h"
#include "platform/window/User.h"
#include "skin/core/skCompressedStoredSkin.h"
#include "skin/core/skSkinData.h"
#include "skin/form/FormSkin.h"
#include "skin/form/skSkinMainMenuBar.h"
#include "skin/form/skSkinMenus.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

using namespace screen;

class MenuScreen : public testing::TestWithParam<int> {
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

TEST_P(MenuScreen, MenuAndSubmenuOpenOverAStillActiveForm)
{
    const int index = GetParam();
    GetDisplayBackend();
    InstallSkinMenus();
    skin = std::make_unique<TskSkinData>(nullptr);
    LoadSkin(skin.get(), index);
    TForm* form;
    Application->CreateForm(form);
    form->SetCaption("皮肤菜单");
    form->SetBounds(100, 100, 420, 320);
    auto* frame = new TskFormSkin(form);
    frame->SetSkinData(skin.get());
    auto* menu = new TskSkinMainMenu(form);
    auto add = [form](TMenuItem* parent, const std::string& caption) {
        auto* item = new TMenuItem(form);
        item->SetCaption(caption);
        parent->Add(item);
        return item;
    };
    TMenuItem* file = add(menu->Items(), "文件(&F)");
    TMenuItem* recent = add(file, "最近的文件");
    add(recent, "第一个.avi");
    add(recent, "第二个.mp4");
    add(file, "打开...")->SetShortCut(TextToShortCut("Ctrl+O"));
    add(file, "-");
    add(file, "退出");
    add(add(menu->Items(), "编辑(&E)"), "剪切");
    add(add(menu->Items(), "帮助(&H)"), "关于");
    auto* bar = new TskSkinMainMenuBar(form);
    bar->SetParent(form);
    bar->SetSkinData(skin.get());
    bar->SetFormSkin(frame);
    bar->SetMainMenu(menu);
    form->Show();
    form->SetFocus();
    Run(300);

    // What lies below the menu's top-left corner before it opens.
    const RECT item0 = bar->Item(0)->ObjectRect;
    const POINT below = bar->ClientToScreen(POINT{item0.left, item0.bottom});
    const QColor under = ScreenPixel(below.x, below.y);

    // The menu opens as from the keyboard, whatever input earlier tests left: a menu opened
    // after keyboard input starts on its first item, which Right opens.
    for (const RawInput::Kind kind : {RawInput::Kind::KeyDown, RawInput::Kind::KeyUp}) {
        RawInput input;
        input.kind = kind;
        input.vk = VK_SHIFT;
        PostRawInput(input);
    }
    Application->ProcessMessages();
    bar->Item(0)->MouseDown();
    auto* manager = dynamic_cast<TskSkinMenu*>(frame->SkinMenu());
    ASSERT_NE(manager, nullptr);
    ASSERT_EQ(manager->OpenCount(), 1);
    manager->KeyDown(VK_RIGHT);
    ASSERT_EQ(manager->OpenCount(), 2);
    Run(300);

    TskSkinPopupWindow* root = manager->PopupWindow(0);
    TskSkinPopupWindow* sub = manager->PopupWindow(1);
    EXPECT_EQ(root->GetLeft(), below.x);
    EXPECT_EQ(root->GetTop(), below.y);
    const TskDataSkinPopupWindow& pw = *skin->PopupWindow;
    TBitmap* popup = skin->FActivePictures[static_cast<std::size_t>(pw.WindowPictureIndex)].get();
    // The frame's left edge halfway down, and the hot item of the submenu.
    EXPECT_TRUE(ScreenShows(sub->GetLeft(), sub->GetTop() + sub->GetHeight() / 2,
                            Colour(popup->GetPixelColor(0, popup->GetHeight() / 2))));
    const TskDataSkinMenuItem& mi = *FindMenuItemData(skin.get());
    TBitmap* items = skin->FActivePictures[static_cast<std::size_t>(mi.ActivePictureIndex)].get();
    const RECT hot = sub->Item(0)->ObjectRect;
    const int k = 4, mid = (hot.bottom - hot.top) / 2;
    EXPECT_TRUE(ScreenShows(sub->GetLeft() + hot.right - 1 - k, sub->GetTop() + hot.top + mid,
                            Colour(items->GetPixelColor(mi.ActiveSkinRect.right - 1 - k, mi.ActiveSkinRect.top + mid))));
    // The form keeps the activation and its active caption.
    EXPECT_TRUE(form->GetActive());
    EXPECT_EQ(GetActiveWindow(), form->GetHandle());
    EXPECT_TRUE(frame->GetFormActive());
    if (pw.MaskPictureIndex != -1) {
        // The rounded corner shows what lies below the menu.
        EXPECT_EQ(ScreenPixel(below.x, below.y), under);
    }
    QGuiApplication::primaryScreen()->grabWindow(0, 0, 0, 720, 560).save(
        QString::fromStdString(std::string(ZD_SCREENSHOT_DIR) + "/menu_skin" + std::to_string(index) + ".png"));
    manager->Hide();
}

INSTANTIATE_TEST_SUITE_P(Skins, MenuScreen, testing::Values(0, 2));

} // namespace
