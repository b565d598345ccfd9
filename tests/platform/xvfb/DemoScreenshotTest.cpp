// The demo program under a real X server: its screenshot shows its windows.

#include <QColor>
#include <QImage>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

TEST(DemoScreenshot, ShowsTheFrameTheChildrenThePopupAndTheLayeredWindow)
{
    const std::filesystem::path shot = std::filesystem::temp_directory_path() / "zd_platform_demo.png";
    std::filesystem::remove(shot);
    const std::string command = std::string("QT_QPA_PLATFORM=xcb '") + ZD_PLATFORM_DEMO + "' --screenshot '" +
                                shot.string() + "'";
    ASSERT_EQ(std::system(command.c_str()), 0);
    QImage image(QString::fromStdString(shot.string()));
    ASSERT_FALSE(image.isNull());
    auto at = [&](int x, int y) { return QColor(image.pixel(x, y)); };
    // The frame's own caption and the client background (frame at 40,40; border 4, caption 24).
    EXPECT_EQ(at(300, 52), QColor(40, 90, 170));
    EXPECT_EQ(at(300, 250), QColor(228, 234, 242));
    // The shaped child (client 20,30 -> screen 64,98): a cross whose corners show the parent.
    EXPECT_EQ(at(64 + 80, 98 + 20), QColor(240, 140, 30));
    EXPECT_EQ(at(64 + 10, 98 + 10), QColor(228, 234, 242));
    // The child with its own border (screen 244,98): green border, white client.
    EXPECT_EQ(at(245, 99), QColor(20, 150, 60));
    EXPECT_EQ(at(250, 104), QColor(255, 255, 255));
    // The pop-up and the layered disc.
    EXPECT_EQ(at(610, 70), QColor(250, 220, 60));
    const QColor disc = at(690, 290);
    EXPECT_GT(disc.blue(), 100);
    EXPECT_GT(disc.red(), 50);
    EXPECT_LT(disc.green(), 40);
    std::filesystem::remove(shot);
}

} // namespace
