// The preview panel on a real X server: a file opened paused shows its picture in Panel6 of the
// shown main window. The screen's picture of the window is kept for review.

#include "app/main/Project1.h"
#include "app/main/Unit1.h"
#include "classlib/ExtCtrls.h"
#include "engine/FFPlay.h"
#include "platform/kernel/MainThread.h"
#include "platform/window/User.h"
#include "skin/form/skFrameMenu.h"

#include "ScreenSupport.h"
#include "TestPaths.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>

#include <cstdlib>
#include <string>

namespace {

using screentest::ScreenOf;
using screentest::Until;
using screentest::x11Chosen;

class PreviewScreen : public ::testing::Test {
protected:
    PreviewScreen()
    {
        setenv("HOME", dir.path().c_str(), 1);
        setenv("XDG_CONFIG_HOME", (dir.path() + "/.config").c_str(), 1);
    }
    void TearDown() override
    {
        if (Form1)
            Form1->FFPlayer->Stop(true);
        DoneApplication();
        SetFrameMenuFactory(nullptr);
    }
    zdtest::TempDir dir;
};

// The clip's picture is not the panel's black: the middle of Panel6 shows colour once the file
// stands paused.
TEST_F(PreviewScreen, APausedFileShowsInTheRenderPanel)
{
    ASSERT_TRUE(x11Chosen);
    InitialiseProgram();
    CreateProgramForms();
    Form1->Show();
    Until([] { return false; }, 1000);  // the window settles on the screen
    Form1->T_Movie_PLayer_FileName = zdtest::fixture("sample.avi");
    Form1->Button31->Click();
    const POINT middle = Form1->Panel6->ClientToScreen(POINT{120, 72});
    const auto lit = [&] {
        const QImage dot = ScreenOf(RECT{middle.x, middle.y, middle.x + 1, middle.y + 1});
        return !dot.isNull() && dot.pixel(0, 0) != qRgb(0, 0, 0);
    };
    EXPECT_TRUE(Until(lit)) << "the panel stays black";
    EXPECT_TRUE(Form1->FFPlayer->GetPaused());
    RECT r{};
    GetWindowRect(Form1->GetHandle(), &r);
    const QImage image = ScreenOf(r);
    ASSERT_FALSE(image.isNull());
    EXPECT_TRUE(image.save(QString::fromStdString(std::string(ZD_SCREENSHOT_DIR) + "/preview_paused.png"), "PNG"));
}

}  // namespace
