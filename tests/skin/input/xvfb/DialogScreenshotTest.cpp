// The select-folder dialog and the open dialog (details view, the front end's media filter, a
// Chinese name selected) on a real X server under a light and a dark generated skin: the probes
// show the skin's frame, the view's rows in the skin's colour with their icons, and the two skins
// differ. The pictures stay in the build folder for review.

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

// Runs a demo with --skin and --screenshot <ZD_SHOT_DIR>/<picture>_skin<N>.png; probe name ->
// "rrggbb".
std::map<std::string, std::string> RunDemo(const char* demo, const std::string& picture, int skin)
{
    const std::string file = std::string(ZD_SHOT_DIR) + "/" + picture + "_skin" + std::to_string(skin) + ".png";
    return RunProbingDemo(std::string("QT_QPA_PLATFORM=xcb '") + demo + "' --skin " + std::to_string(skin) +
                              " --screenshot '" + file + "'",
                          file);
}

// The background colour of a view's description in a generated skin, as "rrggbb".
template <class TDescription>
std::string Background(int skin, const char* description)
{
    auto data = std::make_unique<TskSkinData>(nullptr);
    data->LoadFromCompressedBytes(ArtworkSkins()[static_cast<std::size_t>(skin)].Data);
    const auto& view =
        dynamic_cast<const TDescription&>(*data->CtrlList.at(static_cast<std::size_t>(data->GetControlIndex(description))));
    const COLORREF rgb = ColorToRGB(view.BGColor);
    char text[8];
    std::snprintf(text, sizeof text, "%02x%02x%02x", GetRValue(rgb), GetGValue(rgb), GetBValue(rgb));
    return text;
}

// Both skins: every probe there, the view's colour the skin's, the icon on it, the skins differ.
template <class TDescription>
void CheckLightAndDark(const char* demo, const std::string& picture, const char* view, const char* description)
{
    const int light = 0, dark = 2;
    const auto first = RunDemo(demo, picture, light);
    const auto second = RunDemo(demo, picture, dark);
    for (const auto* probes : {&first, &second})
        for (const char* name : {"frame", view, "icon", "button"})
            ASSERT_EQ(probes->count(name), 1u) << name;
    EXPECT_EQ(first.at(view), Background<TDescription>(light, description));
    EXPECT_EQ(second.at(view), Background<TDescription>(dark, description));
    EXPECT_NE(first.at("icon"), first.at(view));
    EXPECT_NE(second.at("icon"), second.at(view));
    for (const char* name : {"frame", view, "button"})
        EXPECT_NE(first.at(name), second.at(name)) << name;
}

TEST(FolderDialogScreenshot, LightAndDarkSkinsShowTheirFramesAndRows)
{
    CheckLightAndDark<TskDataSkinTreeView>(ZD_FOLDER_DIALOG_DEMO, "folder_dialog", "tree", "treeview");
}

TEST(OpenDialogScreenshot, LightAndDarkSkinsShowTheirFramesAndRows)
{
    CheckLightAndDark<TskDataSkinListView>(ZD_OPEN_DIALOG_DEMO, "open_dialog", "list", "listview");
}

} // namespace
