// The shell file list's demo on a real X server under a light and a dark generated skin, on a
// folder with a Chinese name: the look-in box follows the list, the rows are listed, and the
// list's empty area has the skin's list colour.

#include "TestPaths.h"
#include "app/artwork/Artwork.h"
#include "classlib/Colors.h"
#include "platform/gdi/Objects.h"
#include "skin/core/skDataSkinControls.h"
#include "skin/core/skSkinData.h"

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
    const std::string file = std::string(ZD_SHOT_DIR) + "/file_list_skin" + std::to_string(skin) + ".png";
    std::filesystem::remove(file);
    const std::string command = std::string("QT_QPA_PLATFORM=xcb '") + ZD_FILE_LIST_DEMO + "' --folder '" + folder +
                                "' --skin " + std::to_string(skin) + " --screenshot '" + file + "'";
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
    shot.image = QImage(QString::fromStdString(file));
    return shot;
}

TEST(FileListDemoScreenshot, RowsInTheSkinsColoursUnderTwoSkins)
{
    zdtest::TempDir dir;
    const std::string folder = dir.path() + "/视频";
    std::filesystem::create_directories(folder + "/剪辑");
    for (const char* name : {"a.avi", "B.MP4", "clip.mkv", "notes.txt", "中文.mp4", "R&B.mp3"})
        std::ofstream(folder + "/" + name) << "x";
    QRgb emptyArea[2] = {};
    int n = 0;
    for (int skin : {0, 2}) {
        const Shot shot = RunDemo(folder, skin);
        ASSERT_FALSE(shot.image.isNull()) << skin;
        EXPECT_EQ(shot.texts.at("box"), "视频");
        EXPECT_EQ(shot.texts.at("rows"), "7");
        TskSkinData data(nullptr);
        data.LoadFromCompressedBytes(ArtworkSkins()[static_cast<std::size_t>(skin)].Data);
        const int index = data.GetControlIndex("listview");
        ASSERT_GE(index, 0);
        const auto& d = dynamic_cast<const TskDataSkinListView&>(*data.CtrlList[static_cast<std::size_t>(index)]);
        const COLORREF paper = ColorToRGB(d.BGColor);
        const QRgb seen = shot.image.pixel(shot.points.at("list-empty"));
        EXPECT_EQ(qRgb(qRed(seen), qGreen(seen), qBlue(seen)), qRgb(GetRValue(paper), GetGValue(paper), GetBValue(paper)))
            << skin;
        // The first row (a folder) shows its icon, not the paper.
        bool ink = false;
        const QPoint row = shot.points.at("first-row");
        for (int x = 0; x < 16 && !ink; ++x)
            for (int y = 0; y < 16 && !ink; ++y)
                ink = (shot.image.pixel(row + QPoint(x, y)) & 0xFFFFFF) != (seen & 0xFFFFFF);
        EXPECT_TRUE(ink) << skin;
        emptyArea[n++] = seen;
    }
    EXPECT_NE(emptyArea[0], emptyArea[1]);
}

} // namespace
