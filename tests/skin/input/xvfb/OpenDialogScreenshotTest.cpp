// The open dialog on a real X server (details view, the front end's media filter, a Chinese name
// selected) under a light and a dark generated skin: the probes show the skin's frame, the list's
// background in the skin's colour with the rows' icons, and the two skins differ. The pictures
// stay in the build folder for review.

#include "app/artwork/Artwork.h"
#include "skin/core/skDataSkinControls.h"
#include "skin/core/skSkinData.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <memory>
#include <string>

namespace {

// Probe name -> "rrggbb".
std::map<std::string, std::string> RunDemo(int skin)
{
    const std::string file = std::string(ZD_SHOT_DIR) + "/open_dialog_skin" + std::to_string(skin) + ".png";
    std::remove(file.c_str());
    const std::string command = std::string("QT_QPA_PLATFORM=xcb '") + ZD_OPEN_DIALOG_DEMO + "' --skin " +
                                std::to_string(skin) + " --screenshot '" + file + "'";
    std::map<std::string, std::string> probes;
    FILE* out = popen(command.c_str(), "r");
    if (!out)
        return probes;
    char line[256];
    bool wrote = false;
    while (std::fgets(line, sizeof line, out)) {
        char name[64], colour[16];
        int x = 0, y = 0;
        if (std::sscanf(line, "probe %63s %d %d %15s", name, &x, &y, colour) == 4)
            probes[name] = colour;
        wrote = wrote || std::string(line).rfind("wrote ", 0) == 0;
    }
    EXPECT_EQ(pclose(out), 0);
    EXPECT_TRUE(wrote) << file;
    return probes;
}

std::string ListBackground(int skin)
{
    auto data = std::make_unique<TskSkinData>(nullptr);
    data->LoadFromCompressedBytes(ArtworkSkins()[static_cast<std::size_t>(skin)].Data);
    const auto& list = dynamic_cast<const TskDataSkinListView&>(
        *data->CtrlList.at(static_cast<std::size_t>(data->GetControlIndex("listview"))));
    const COLORREF rgb = ColorToRGB(list.BGColor);
    char text[8];
    std::snprintf(text, sizeof text, "%02x%02x%02x", GetRValue(rgb), GetGValue(rgb), GetBValue(rgb));
    return text;
}

TEST(OpenDialogScreenshot, LightAndDarkSkinsShowTheirFramesAndRows)
{
    const int light = 0, dark = 2;
    const auto first = RunDemo(light);
    const auto second = RunDemo(dark);
    for (const auto* probes : {&first, &second})
        for (const char* name : {"frame", "list", "icon", "button"})
            ASSERT_EQ(probes->count(name), 1u) << name;
    EXPECT_EQ(first.at("list"), ListBackground(light));
    EXPECT_EQ(second.at("list"), ListBackground(dark));
    EXPECT_NE(first.at("icon"), first.at("list"));
    EXPECT_NE(second.at("icon"), second.at("list"));
    for (const char* name : {"frame", "list", "button"})
        EXPECT_NE(first.at(name), second.at(name)) << name;
}

} // namespace
