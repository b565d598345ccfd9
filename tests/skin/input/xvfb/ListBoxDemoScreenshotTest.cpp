// The list and combo boxes' demo on a real X server under two generated skins: item bands from
// the skin's pictures, both bars of the scrolled lists, the open list right below its combo, the
// caption strip and the tool-button look.

#include "app/artwork/Artwork.h"
#include "classlib/Bitmap.h"
#include "classlib/Streams.h"
#include "platform/gdi/Objects.h"
#include "skin/core/skCompressedStoredSkin.h"
#include "skin/core/skDataSkinControls.h"
#include "skin/core/skSkinData.h"

#include <QColor>
#include <QImage>

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <memory>
#include <string>

namespace {

struct Shot {
    QImage image;
    std::map<std::string, QPoint> points;
};

Shot RunDemo(int skin)
{
    const std::filesystem::path file =
        std::filesystem::temp_directory_path() / ("zd_listbox_demo_" + std::to_string(skin) + ".png");
    std::filesystem::remove(file);
    const std::string command = std::string("QT_QPA_PLATFORM=xcb '") + ZD_LISTBOX_DEMO + "' --skin " +
                                std::to_string(skin) + " --screenshot '" + file.string() + "'";
    Shot shot;
    FILE* out = popen(command.c_str(), "r");
    if (!out)
        return shot;
    char name[64];
    int x = 0, y = 0;
    while (std::fscanf(out, "point %63s %d %d\n", name, &x, &y) == 3)
        shot.points[name] = QPoint(x, y);
    EXPECT_EQ(pclose(out), 0);
    shot.image = QImage(QString::fromStdString(file.string()));
    return shot;
}

std::unique_ptr<TskSkinData> Skin(int index)
{
    auto data = std::make_unique<TskSkinData>(nullptr);
    data->LoadFromCompressedBytes(ArtworkSkins()[static_cast<std::size_t>(index)].Data);
    return data;
}

QColor Qc(COLORREF c)
{
    return QColor(GetRValue(c), GetGValue(c), GetBValue(c));
}

class ListBoxDemoScreenshot : public testing::TestWithParam<int> {};

TEST_P(ListBoxDemoScreenshot, ItemBandsBarsAndTheOpenList)
{
    const int skin = GetParam();
    const Shot shot = RunDemo(skin);
    ASSERT_FALSE(shot.image.isNull());
    for (const char* name : {"list-selected", "list-normal", "list-vbar", "list-hbar", "drop-selected", "drop-normal",
                             "combo-bottom", "drop-top"})
        ASSERT_TRUE(shot.points.count(name)) << name;
    auto data = Skin(skin);
    const auto& d = dynamic_cast<const TskDataSkinListBox&>(
        *data->CtrlList.at(static_cast<std::size_t>(data->GetControlIndex("listbox"))));
    TBitmap* picture = data->FActivePictures.at(static_cast<std::size_t>(d.PictureIndex)).get();
    auto band = [&](const RECT& s) { return Qc(picture->GetPixelColor(s.left + 1, s.top + (s.bottom - s.top) / 2)); };
    auto at = [&](const char* name) { return QColor(shot.image.pixel(shot.points.at(name))); };

    // The selected item's band (focused in the list, which has the form's focus; not focused in
    // the open drop-down) and a normal one.
    EXPECT_EQ(at("list-selected"), band(d.FocusItemRect));
    EXPECT_EQ(at("list-normal"), band(d.SItemRect));
    EXPECT_EQ(at("drop-selected"), band(d.ActiveItemRect));
    EXPECT_EQ(at("drop-normal"), band(d.SItemRect));
    // Both bars are there: their middles are not the list's background.
    EXPECT_NE(at("list-vbar"), band(d.SItemRect));
    EXPECT_NE(at("list-hbar"), band(d.SItemRect));
    // The open list starts right below the combo box.
    EXPECT_EQ(shot.points.at("drop-top"), shot.points.at("combo-bottom"));
    // The plain list box's caption strip shows its up button face, and it is scrolled with both
    // bars.
    for (const char* name : {"caption-up", "caption-vbar", "caption-hbar", "tool-face"})
        ASSERT_TRUE(shot.points.count(name)) << name;
    EXPECT_EQ(at("caption-up"), Qc(GetSysColor(COLOR_BTNFACE)));
    EXPECT_NE(at("caption-vbar"), Qc(GetSysColor(COLOR_WINDOW)));
    EXPECT_NE(at("caption-hbar"), Qc(GetSysColor(COLOR_WINDOW)));
    // The tool-button look's face comes from the skin's tool button picture.
    const auto& t = dynamic_cast<const TskDataSkinButtonControl&>(
        *data->CtrlList.at(static_cast<std::size_t>(data->GetControlIndex("resizetoolbutton"))));
    TBitmap* tool = data->FActivePictures.at(static_cast<std::size_t>(t.PictureIndex)).get();
    EXPECT_EQ(at("tool-face"), Qc(tool->GetPixelColor(t.SkinRect.left + 1, t.SkinRect.top + 1)));
}

INSTANTIATE_TEST_SUITE_P(TwoSkins, ListBoxDemoScreenshot, testing::Values(0, 2));

} // namespace
