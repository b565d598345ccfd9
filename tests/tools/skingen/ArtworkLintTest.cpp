#include "PackedSkin.h"
#include "app/artwork/Artwork.h"
#include "classlib/Bitmap.h"
#include "classlib/Canvas.h"
#include "skin/core/skDataSkinControls.h"
#include "skin/core/skDataSkinObjects.h"
#include "tools/skingen/SkinComposer.h"
#include "tools/skingen/SkinLint.h"
#include "tools/skingen/SkinPackage.h"
#include "tools/skingen/Theme.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

std::string Joined(const std::vector<std::string>& problems)
{
    std::string s;
    for (const std::string& p : problems)
        s += p + "\n";
    return s;
}

template <class T>
T& Control(TskSkinData& data, const char* name)
{
    return dynamic_cast<T&>(*data.CtrlList[static_cast<std::size_t>(data.GetControlIndex(name))]);
}

// Fills a rectangle of a numbered picture with one colour (0x00BBGGRR).
void Paint(TskSkinData& data, int picture, const RECT& r, TColor color)
{
    TCanvas* canvas = data.FActivePictures[static_cast<std::size_t>(picture)]->Canvas();
    canvas->Brush()->SetColor(color);
    canvas->FillRect(r);
}

} // namespace

TEST(ArtworkLint, EveryEmbeddedSkinPasses)
{
    const auto themes = SwitchableThemes();
    ASSERT_EQ(ArtworkSkins().size(), 8u);
    for (std::size_t i = 0; i < themes.size(); ++i) {
        SCOPED_TRACE(themes[i].Id);
        EXPECT_EQ(ArtworkSkins()[i].Name, themes[i].Name);
        EXPECT_EQ(Joined(LintSkin(ArtworkSkins()[i].Data, SwitchableLookups(), true)), "");
    }
    EXPECT_EQ(Joined(LintSkin(ArtworkFixedSkin().Data, FixedLookups(), false)), "");
}

TEST(ArtworkLint, FindsTheFaultsItChecksFor)
{
    struct TCase {
        const char* Fault;
        std::function<void(TskSkinData&)> Break;
        const char* Expected;
    };
    const TCase cases[] = {
        {"state image outside its picture",
         [](TskSkinData& d) { Control<TskDataSkinButtonControl>(d, "button").DownSkinRect = Rect(0, 0, 5000, 20); },
         "downskinrect 0,0,5000,20 is not inside picture 0"},
        {"picture number out of range",
         [](TskSkinData& d) { Control<TskDataSkinPanelControl>(d, "panel").BGPictureIndex = 99; },
         "bgpictureindex 99 names no picture"},
        {"client rectangle outside the image",
         [](TskSkinData& d) { Control<TskDataSkinEditControl>(d, "edit").ClRect = Rect(3, 3, 200, 19); },
         "clientrect 3,3,200,19 is not inside skinrect"},
        {"corner points out of order",
         [](TskSkinData& d) {
             auto& b = Control<TskDataSkinButtonControl>(d, "button");
             std::swap(b.LTPoint, b.RTPoint);
         },
         "left-top point lies right of the right-top point"},
        {"description of the wrong class",
         [](TskSkinData& d) { d.CtrlList[static_cast<std::size_t>(d.GetControlIndex("panel"))]->IDName = "checkbox"; },
         "is a \"panel\" description, expected \"checkradio\""},
        {"description missing",
         [](TskSkinData& d) { d.CtrlList[static_cast<std::size_t>(d.GetControlIndex("slider"))]->IDName = "slider2"; },
         "slider: missing"},
        {"name given to a missing description",
         [](TskSkinData& d) { Control<TskDataSkinComboBox>(d, "combobox").ListBoxName = "nolist"; },
         "names \"nolist\""},
        {"caption button missing",
         [](TskSkinData& d) {
             std::erase_if(d.ObjectList, [](const auto& o) { return o->IDName == "closebutton"; });
         },
         "no caption button for command 0"},
        {"caption text running under the caption buttons",
         [](TskSkinData& d) {
             auto& c = dynamic_cast<TskDataSkinCaption&>(*d.ObjectList[static_cast<std::size_t>(d.GetIndex("caption"))]);
             c.TextRct.right = c.SkinRect.right - c.SkinRect.left + 8;
         },
         "the text rectangle runs under the caption buttons"},
        {"caption described from border to border, its text kept clear of the buttons by insets",
         [](TskSkinData& d) {
             auto& c = dynamic_cast<TskDataSkinCaption&>(*d.ObjectList[static_cast<std::size_t>(d.GetIndex("caption"))]);
             const int right = c.SkinRect.left + c.TextRct.right;
             c.SkinRect.right = d.FPicture->GetWidth() - d.BorderW;
             c.TextRct.right = right - c.SkinRect.left;
         },
         "the caption runs under the caption buttons"},
        {"disabled check mark that vanishes in its box",
         [](TskSkinData& d) {
             auto& c = Control<TskDataSkinCheckRadioControl>(d, "checkbox");
             Paint(d, c.PictureIndex, c.UnEnabledCheckImageRect, 0xC0C0C0);
         },
         "disabled check image: the mark contrasts less than 3:1 with its box"},
        {"tool-bar glyph lost on the hot tool face",
         [](TskSkinData& d) {
             auto& b = Control<TskDataSkinButtonControl>(d, "resizetoolbutton");
             Paint(d, b.PictureIndex, b.ActiveSkinRect, 0x7E6D5D);
         },
         "tool-bar glyph 1 contrasts less than 3:1 with the hot face"},
        {"preview glyphs lost on a face shaded from black to white",
         [](TskSkinData& d) {
             auto& b = Control<TskDataSkinButtonControl>(d, "button");
             const RECT r = b.ActiveSkinRect;
             const int middle = (r.top + r.bottom) / 2;
             Paint(d, b.PictureIndex, Rect(r.left, r.top, r.right, middle), 0x000000);
             Paint(d, b.PictureIndex, Rect(r.left, middle, r.right, r.bottom), 0xFFFFFF);
         },
         "preview glyph PREVIEW_PLAY contrasts less than 3:1 with the hot face"},
        {"mask of another size",
         [](TskSkinData& d) { d.FMask->SetSize(3, 3); },
         "mask differs in size"},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Fault);
        TSkinComposer composer(SwitchableThemes()[2]);  // a skin with a frame mask
        std::unique_ptr<TskSkinData> data = composer.Compose();
        c.Break(*data);
        EXPECT_NE(Joined(LintSkin(Pack(*data), SwitchableLookups(), true)).find(c.Expected), std::string::npos);
    }
    EXPECT_NE(Joined(LintSkin("not a skin", SwitchableLookups(), true)).find("does not load"), std::string::npos);
}

TEST(ArtworkLint, GenerationIsDeterministicAndMatchesTheEmbeddedSkins)
{
    const auto themes = SwitchableThemes();
    for (std::size_t i = 0; i < themes.size(); ++i) {
        SCOPED_TRACE(themes[i].Id);
        const std::string first = StoredSkinPayload(StoredSkinBytes(themes[i]));
        EXPECT_EQ(first, StoredSkinPayload(StoredSkinBytes(themes[i])));
        EXPECT_EQ(first, StoredSkinPayload(ArtworkSkins()[i].Data));
    }
    EXPECT_EQ(StoredSkinPayload(StoredSkinBytes(FixedTheme())), StoredSkinPayload(ArtworkFixedSkin().Data));
}
