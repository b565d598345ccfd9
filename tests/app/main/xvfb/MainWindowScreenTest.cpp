#include "app/main/Project1.h"
#include "app/main/Unit1.h"
#include "app/main/Unit2.h"
#include "app/main/Unit5.h"
#include "platform/window/User.h"
#include "skin/form/skFrameMenu.h"

#include "TestPaths.h"

#include <gtest/gtest.h>

#include "skin/core/skSkinData.h"

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
