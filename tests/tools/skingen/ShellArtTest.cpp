#include "app/artwork/ArtworkResources.h"
#include "classlib/Bitmap.h"
#include "classlib/Resources.h"
#include "tools/skingen/ShellArt.h"

#include <gtest/gtest.h>

namespace {

TEST(ShellArtTest, GlyphsAndKindIconsLoadByNameAtTheirSizes)
{
    RegisterArtworkBitmaps();
    struct Case { std::string name; int width, height; };
    std::vector<Case> cases;
    for (std::string_view name : FileControlGlyphNames()) {
        const bool folder = name.find("FOLDER") != std::string_view::npos && name != "BS_NEWFOLDER";
        cases.push_back({std::string(name), 16, name == "BS_RAM" ? 11 : folder ? 15 : 16});
    }
    for (int kind = 0; kind < kShellIconCount; ++kind)
        for (int size : {16, 32})
            cases.push_back({"SHELL" + std::to_string(size) + (kind < 10 ? "_0" : "_") + std::to_string(kind), size, size});
    for (const auto& c : cases) {
        TBitmap bitmap;
        LoadBitmapResource(&bitmap, c.name);
        EXPECT_EQ(bitmap.GetWidth(), c.width) << c.name;
        EXPECT_EQ(bitmap.GetHeight(), c.height) << c.name;
        // Glyphs are drawn without their bottom-left pixel's colour: it must be the key colour.
        if (c.name.rfind("BS_", 0) == 0) {
            EXPECT_EQ(bitmap.GetPixelColor(0, c.height - 1), RGB(0xFF, 0x00, 0xFF)) << c.name;
        }
    }
    EXPECT_TRUE(BitmapResourceExists("bs_hard"));
    TBitmap none;
    EXPECT_THROW(LoadBitmapResource(&none, "BS_NOTHING"), EResNotFound);
}

} // namespace
