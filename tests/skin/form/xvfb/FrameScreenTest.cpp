// Skinned forms on a real X server: what the screen shows of their frames, a caption drag and
// maximising.

#include "ScreenSupport.h"

#include "classlib/Forms.h"
#include "platform/display/DisplayBackend.h"
#include "platform/window/User.h"
#include "skin/core/skSkinData.h"
#include "skin/form/FormSkin.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

using namespace screen;

class FrameScreen : public testing::Test {
protected:
    void TearDown() override
    {
        DoneApplication();
        skin.reset();
    }

    TForm* ShowForm(int Skin)
    {
        GetDisplayBackend();
        skin = std::make_unique<TskSkinData>(nullptr);
        LoadSkin(skin.get(), Skin);
        TForm* form;
        Application->CreateForm(form);
        form->SetCaption("皮肤窗口");
        form->SetBounds(100, 100, 400, 300);
        (new TskFormSkin(form))->SetSkinData(skin.get());
        form->Show();
        return form;
    }

    void Screenshot(const std::string& Name)
    {
        QGuiApplication::primaryScreen()->grabWindow(0, 0, 0, 640, 480).save(
            QString::fromStdString(std::string(ZD_SCREENSHOT_DIR) + "/" + Name));
    }

    std::unique_ptr<TskSkinData> skin;
};

TEST_F(FrameScreen, TheFirstSkinsCaptionBorderAndClientReachTheScreen)
{
    TForm* form = ShowForm(1);
    TBitmap* picture = skin->FPicture.get();
    EXPECT_TRUE(ScreenShows(100 + 5, 100 + 3, Colour(picture->GetPixelColor(5, 3))));
    EXPECT_TRUE(ScreenShows(100 + 1, 100 + 150, Colour(picture->GetPixelColor(1, 60))));
    EXPECT_TRUE(ScreenShows(100 + 200, 100 + 150, Colour(picture->GetPixelColor(100, 60))));
    Screenshot("frame_skin1.png");

    // A caption drag through Qt's input moves the X window.
    QWindow* native = NativeOf(form);
    ASSERT_NE(native, nullptr);

    // Screen points, given to the window where it is at that moment.
    auto local = [native](int x, int y) { return native->mapFromGlobal(QPoint(x, y)); };
    QTimer::singleShot(100, [=] { QTest::mouseMove(native, local(290, 132)); });
    QTimer::singleShot(200, [=] { QTest::mouseMove(native, local(330, 152)); });
    QTimer::singleShot(300, [=] { QTest::mouseRelease(native, Qt::LeftButton, {}, local(330, 152)); });
    QTest::mousePress(native, Qt::LeftButton, {}, local(250, 112));
    QElapsedTimer clock;
    clock.start();
    while (form->GetLeft() == 100 && clock.elapsed() < 5000) {
        Application->ProcessMessages();
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    EXPECT_EQ(form->GetLeft(), 180);
    EXPECT_EQ(form->GetTop(), 140);
    EXPECT_TRUE(ScreenShows(180 + 5, 140 + 3, Colour(picture->GetPixelColor(5, 3))));
    EXPECT_EQ(native->geometry().topLeft(), QPoint(180, 140));
}

TEST_F(FrameScreen, TheSecondSkinsRoundedCornerShowsTheRootWindow)
{
    GetDisplayBackend();
    const QColor root = ScreenPixel(100, 100);
    const QColor rootBeside = ScreenPixel(102, 100);
    TForm* form = ShowForm(2);
    TBitmap* picture = skin->FPicture.get();
    EXPECT_TRUE(ScreenShows(100 + 10, 100 + 5, Colour(picture->GetPixelColor(10, 5))));
    EXPECT_TRUE(ScreenShows(100 + 200, 100 + 150, Colour(picture->GetPixelColor(100, 60))));
    // Outside the mask's rounded corner the screen keeps what was there.
    EXPECT_EQ(ScreenPixel(100, 100), root);
    EXPECT_EQ(ScreenPixel(102, 100), rootBeside);
    Screenshot("frame_skin2.png");

    // Maximised on a screen without task bar: the whole screen less one pixel on every side.
    GetFormSkinComponent(form)->SetWindowState(TWindowState::wsMaximized);
    EXPECT_EQ(form->GetBoundsRect(), (RECT{1, 1, 1279, 1023}));
    EXPECT_TRUE(ScreenShows(1 + 640, 1 + 150, Colour(picture->GetPixelColor(100, 60))));
    Screenshot("frame_skin2_maximized.png");
}

} // namespace
