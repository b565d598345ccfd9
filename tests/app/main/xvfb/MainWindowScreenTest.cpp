#include "app/main/Project1.h"
#include "app/main/Unit1.h"
#include "app/main/Unit2.h"
#include "app/main/Unit5.h"
#include "platform/window/User.h"
#include "skin/form/skFrameMenu.h"

#include "TestPaths.h"

#include <gtest/gtest.h>

#include "classlib/ExtCtrls.h"
#include "skin/core/skSkinData.h"
#include "skin/input/skDialogs.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>

#include <string>

namespace {

void Settle()
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 1500) {
        Application->ProcessMessages();
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
}

} // namespace

// The real display, for a private user.
class MainWindowScreen : public ::testing::TestWithParam<int> {
protected:
    MainWindowScreen()
    {
        setenv("HOME", dir.path().c_str(), 1);
        setenv("XDG_CONFIG_HOME", (dir.path() + "/.config").c_str(), 1);
    }
    void TearDown() override
    {
        DoneApplication();
        SetFrameMenuFactory(nullptr);
    }
    zdtest::TempDir dir;
};

// The window under a skin, as the screen shows it: written for review, and its frame and job
// list drawn where they belong.
TEST_P(MainWindowScreen, TheSkinnedWindowReachesTheScreen)
{
    InitialiseProgram();
    CreateProgramForms();
    Form1->ApplySkinIndex(GetParam());
    Form1->Show();
    Settle();
    RECT r{};
    GetWindowRect(Form1->GetHandle(), &r);
    const QImage image = QGuiApplication::primaryScreen()
                             ->grabWindow(0, r.left, r.top, r.right - r.left, r.bottom - r.top)
                             .toImage();
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.width(), r.right - r.left);
    const std::string file = std::string(ZD_SCREENSHOT_DIR) + "/main_window_skin" + std::to_string(GetParam()) + ".png";
    EXPECT_TRUE(image.save(QString::fromStdString(file), "PNG"));
    // The job list's cover sits inside the window, not on the desktop's black.
    const POINT cover = Form1->ClientToScreen(POINT{560, 230});
    EXPECT_NE(image.pixel(cover.x - r.left, cover.y - r.top), qRgb(0, 0, 0));
}

INSTANTIATE_TEST_SUITE_P(Skins, MainWindowScreen, ::testing::Values(0, 2));

// The options dialog and the about box under the same skins, written for review.
TEST_P(MainWindowScreen, TheDialogsReachTheScreen)
{
    InitialiseProgram();
    CreateProgramForms();
    Form1->ApplySkinIndex(GetParam());
    for (auto [form, name] : {std::pair<TForm*, const char*>{Form5, "options_dialog"}, {Form2, "about_box"}}) {
        form->Show();
        Settle();
        RECT r{};
        GetWindowRect(form->GetHandle(), &r);
        const QImage image = QGuiApplication::primaryScreen()
                                 ->grabWindow(0, r.left, r.top, r.right - r.left, r.bottom - r.top)
                                 .toImage();
        ASSERT_FALSE(image.isNull()) << name;
        const std::string file =
            std::string(ZD_SCREENSHOT_DIR) + "/" + name + "_skin" + std::to_string(GetParam()) + ".png";
        EXPECT_TRUE(image.save(QString::fromStdString(file), "PNG")) << name;
        form->Hide();
    }
}

// The skin chooser over the main window, started at the window's skin: written for review; its
// preview wears the same frame as the chooser itself.
TEST_P(MainWindowScreen, TheSkinChooserReachesTheScreen)
{
    InitialiseProgram();
    CreateProgramForms();
    Form1->ApplySkinIndex(GetParam());
    Form1->Show();
    Settle();
    QImage image;
    QRgb dialogTop = 0, previewTop = 0;
    auto* timer = new TTimer(Form1);
    timer->SetInterval(200);
    timer->OnTimer = [&](TObject*) {
        timer->SetEnabled(false);
        auto* chooser = dynamic_cast<TskSelectSkinDlgForm*>(Screen->ActiveCustomForm());
        if (!chooser)
            return;
        Settle();
        image = QGuiApplication::primaryScreen()->grabWindow(0).toImage();
        const auto topMiddle = [&](TWinControl* control) {
            RECT r{};
            GetWindowRect(control->GetHandle(), &r);
            return image.pixel((r.left + r.right) / 2, r.top + 2);
        };
        dialogTop = topMiddle(chooser);
        previewTop = topMiddle(chooser->PreviewForm);
        chooser->SetModalResult(mrCancel);
    };
    timer->SetEnabled(true);
    Form1->N23Click(nullptr);
    ASSERT_FALSE(image.isNull());
    const std::string file = std::string(ZD_SCREENSHOT_DIR) + "/skin_chooser_skin" + std::to_string(GetParam()) + ".png";
    EXPECT_TRUE(image.save(QString::fromStdString(file), "PNG"));
    EXPECT_EQ(dialogTop, previewTop);
    EXPECT_EQ(Form1->skSkinData1->SkinIndex(), GetParam());
}
