// The file-system controls' demo on a real X server under two generated skins, on a folder with a
// Chinese name: the linked edit and label follow the lists, and the shown folder has its glyph.

#include "TestPaths.h"
#include "app/artwork/ArtworkResources.h"
#include "classlib/Bitmap.h"
#include "classlib/Resources.h"
#include "platform/gdi/Objects.h"

#include <QColor>
#include <QImage>

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>

namespace {

struct Shot {
    QImage image;
    std::map<std::string, QPoint> points;
    std::map<std::string, std::string> texts;
};

Shot RunDemo(const std::string& folder, int skin)
{
    const std::filesystem::path file = std::filesystem::current_path() / ("filectrl_skin" + std::to_string(skin) + ".png");
    std::filesystem::remove(file);
    const std::string command = std::string("QT_QPA_PLATFORM=xcb '") + ZD_FILECTRL_DEMO + "' --folder '" + folder +
                                "' --skin " + std::to_string(skin) + " --screenshot '" + file.string() + "'";
    Shot shot;
    FILE* out = popen(command.c_str(), "r");
    if (!out)
        return shot;
    char line[512];
    while (std::fgets(line, sizeof line, out)) {
        char name[64], text[400];
        int x = 0, y = 0;
        if (std::sscanf(line, "point %63s %d %d", name, &x, &y) == 3)
            shot.points[name] = QPoint(x, y);
        else if (std::sscanf(line, "text %63s %399[^\n]", name, text) == 2)
            shot.texts[name] = text;
    }
    EXPECT_EQ(pclose(out), 0);
    shot.image = QImage(QString::fromStdString(file.string()));
    return shot;
}

class FileCtrlDemoScreenshot : public testing::TestWithParam<int> {};

TEST_P(FileCtrlDemoScreenshot, LinkedListsEditLabelAndGlyphs)
{
    zdtest::TempDir dir;
    const std::string folder = dir.path() + "/视频";
    for (const char* sub : {"剪辑", "Archive", ".cache"})
        std::filesystem::create_directories(folder + "/" + sub);
    for (const char* name : {"a.avi", "B.MP4", "clip.mkv", "notes.txt", "中文.mp4"})
        std::ofstream(folder + "/" + name) << "x";

    const Shot shot = RunDemo(folder, GetParam());
    ASSERT_FALSE(shot.image.isNull());
    ASSERT_TRUE(shot.points.count("current-glyph"));
    // The file list shows the filter's video files; its second one is selected into the edit.
    EXPECT_EQ(shot.texts.at("edit"), "B.MP4");
    EXPECT_EQ(shot.texts.at("label"), folder);

    RegisterArtworkBitmaps();
    TBitmap glyph;
    LoadBitmapResource(&glyph, "BS_CURRENTFOLDER");
    const COLORREF key = glyph.GetPixelColor(0, glyph.GetHeight() - 1);
    int probes = 0;
    for (int x = 0; x < glyph.GetWidth(); ++x) {
        const COLORREF c = glyph.GetPixelColor(x, glyph.GetHeight() / 2);
        if (c == key)
            continue;
        const QPoint at = shot.points.at("current-glyph") + QPoint(x, glyph.GetHeight() / 2);
        EXPECT_EQ(QColor(shot.image.pixel(at)), QColor(GetRValue(c), GetGValue(c), GetBValue(c))) << x;
        ++probes;
    }
    EXPECT_GT(probes, 8);
}

INSTANTIATE_TEST_SUITE_P(TwoSkins, FileCtrlDemoScreenshot, testing::Values(0, 2));

} // namespace
