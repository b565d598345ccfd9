// The skinned warning box and the skin chooser on a real X server under two generated skins as
// the switchable one: the probes show that the chooser's preview starts in the dialog's own skin
// and then follows the selection while the dialog stays as it was, that the warning box wears the
// same frame, shows its warning icon and redraws its check box, and that the two skins differ.
// The pictures stay in the build folder for review.

#include "DemoProbes.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <string>

namespace {

struct Colour {
    int r = 0, g = 0, b = 0;
};

std::map<std::string, std::string> RunDemo(const std::string& box, int skin)
{
    const std::string file = std::string(ZD_SHOT_DIR) + "/" + box + "_skin" + std::to_string(skin) + ".png";
    return RunProbingDemo(std::string("QT_QPA_PLATFORM=xcb '") + ZD_DIALOGS_DEMO + "' --box " + box + " --skin " +
                              std::to_string(skin) + " --screenshot '" + file + "'",
                          file);
}

Colour Parse(const std::string& hex)
{
    Colour c;
    std::sscanf(hex.c_str(), "%2x%2x%2x", &c.r, &c.g, &c.b);
    return c;
}

TEST(DialogsScreenshot, ChooserAndWarningBoxUnderTwoSkins)
{
    std::map<int, std::map<std::string, std::string>> chooser, warning;
    for (const int skin : {0, 2}) {
        SCOPED_TRACE(skin);
        chooser[skin] = RunDemo("chooser", skin);
        warning[skin] = RunDemo("warning", skin);
        const auto& c = chooser[skin];
        const auto& w = warning[skin];
        for (const char* name : {"dialog_frame", "preview_frame", "ok_button", "cancel_button", "preview_button",
                                 "dialog_frame_after",
                                 "preview_frame_after", "ok_button_after", "preview_button_after"})
            ASSERT_EQ(c.count(name), 1u) << name;
        for (const char* name : {"dialog_frame", "ok_button", "cancel_button", "icon", "check_glyph",
                                 "check_glyph_after"})
            ASSERT_EQ(w.count(name), 1u) << name;

        // The preview starts in the dialog's skin (its button is no default button, as Cancel),
        // then shows the next skin; the dialog stays.
        EXPECT_EQ(c.at("preview_frame"), c.at("dialog_frame"));
        EXPECT_EQ(c.at("preview_button"), c.at("cancel_button"));
        EXPECT_EQ(c.at("dialog_frame_after"), c.at("dialog_frame"));
        EXPECT_EQ(c.at("ok_button_after"), c.at("ok_button"));
        EXPECT_TRUE(c.at("preview_frame_after") != c.at("preview_frame") ||
                    c.at("preview_button_after") != c.at("preview_button"));

        // The warning box: the same frame and Cancel button as the chooser, the amber warning
        // sign, and a check box that shows its state.
        EXPECT_EQ(w.at("dialog_frame"), c.at("dialog_frame"));
        EXPECT_EQ(w.at("cancel_button"), c.at("cancel_button"));
        const Colour icon = Parse(w.at("icon"));
        EXPECT_GT(icon.r, 180) << w.at("icon");
        EXPECT_GT(icon.g, 120) << w.at("icon");
        EXPECT_LT(icon.b, 100) << w.at("icon");
        EXPECT_NE(w.at("check_glyph"), w.at("check_glyph_after"));
    }
    EXPECT_NE(chooser[0].at("dialog_frame"), chooser[2].at("dialog_frame"));
    EXPECT_NE(chooser[0].at("cancel_button"), chooser[2].at("cancel_button"));
}

} // namespace
