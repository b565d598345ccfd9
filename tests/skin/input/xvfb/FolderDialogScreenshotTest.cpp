// The select-folder dialog on a real X server under a light and a dark generated skin: the
// probes show the skin's frame, the tree's rows in the skin's colour with their icons, and the
// two skins differ. The pictures stay in the build folder for review.

#include "DemoProbes.h"

#include "app/artwork/Artwork.h"
#include "skin/core/skDataSkinControls.h"
#include "skin/core/skSkinData.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <memory>
#include <string>

namespace {

std::map<std::string, std::string> RunDemo(int skin)
{
    const std::string file = std::string(ZD_SHOT_DIR) + "/folder_dialog_skin" + std::to_string(skin) + ".png";
    return RunProbingDemo(std::string("QT_QPA_PLATFORM=xcb '") + ZD_FOLDER_DIALOG_DEMO + "' --skin " +
                              std::to_string(skin) + " --screenshot '" + file + "'",
                          file);
}

std::string Hex(TColor c)
{
    const COLORREF rgb = ColorToRGB(c);
    char text[8];
    std::snprintf(text, sizeof text, "%02x%02x%02x", GetRValue(rgb), GetGValue(rgb), GetBValue(rgb));
    return text;
}

std::string TreeBackground(int skin)
{
    auto data = std::make_unique<TskSkinData>(nullptr);
    data->LoadFromCompressedBytes(ArtworkSkins()[static_cast<std::size_t>(skin)].Data);
    const auto& tree = dynamic_cast<const TskDataSkinTreeView&>(
        *data->CtrlList.at(static_cast<std::size_t>(data->GetControlIndex("treeview"))));
    return Hex(tree.BGColor);
}

TEST(FolderDialogScreenshot, LightAndDarkSkinsShowTheirFramesAndRows)
{
    const int light = 0, dark = 2;
    const auto first = RunDemo(light);
    const auto second = RunDemo(dark);
    for (const auto* probes : {&first, &second})
        for (const char* name : {"frame", "tree", "icon", "button"})
            ASSERT_EQ(probes->count(name), 1u) << name;
    EXPECT_EQ(first.at("tree"), TreeBackground(light));
    EXPECT_EQ(second.at("tree"), TreeBackground(dark));
    EXPECT_NE(first.at("icon"), first.at("tree"));
    EXPECT_NE(second.at("icon"), second.at("tree"));
    for (const char* name : {"frame", "tree", "button"})
        EXPECT_NE(first.at(name), second.at(name)) << name;
}

} // namespace
