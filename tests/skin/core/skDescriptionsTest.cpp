#include "skin/core/skDataSkinControls.h"
#include "skin/core/skDataSkinExtraControls.h"
#include "skin/core/skDataSkinForm.h"
#include "skin/core/skDataSkinObjects.h"

#include <gtest/gtest.h>

#include <map>
#include <typeinfo>

namespace {

const char* const kControlKinds[] = {"button", "menubutton", "panel", "checkradio", "scrollbar", "updown",
                                     "splitter", "scrollbox", "listbox", "combobox", "edit", "mainmenubar",
                                     "slider", "bevel", "treeview", "listview", "tab", "stdlabel", "label",
                                     "checklistbox", "memo", "spinedit", "gauge", "trackbar", "expanel",
                                     "controlbar", "grid", "richedit"};
const char* const kObjectKinds[] = {"menuitem", "mainmenubaritem", "stdbutton", "mainmenubarbutton",
                                    "button",   "caption",         "animate",   "userobject"};

// The keys of one section in their written order, with their values.
std::vector<std::pair<std::string, std::string>> KeysOf(const TskMemIniFile& ini, const std::string& section)
{
    std::vector<std::pair<std::string, std::string>> keys;
    TskMemIniFile copy(ini.GetText());
    std::string text = copy.GetText();
    std::size_t at = text.find("[" + section + "]\r\n");
    if (at == std::string::npos)
        return keys;
    std::size_t pos = text.find("\r\n", at) + 2;
    while (pos < text.size()) {
        std::size_t end = text.find("\r\n", pos);
        std::string line = text.substr(pos, end - pos);
        if (line.empty())
            break;
        std::size_t eq = line.find('=');
        keys.emplace_back(line.substr(0, eq), line.substr(eq + 1));
        pos = end + 2;
    }
    return keys;
}

// Distinctive values for every key a description writes, chosen by the shape of its default:
// a first pass tells booleans from integers (a boolean reads 2 as 0) and font styles from
// strings (a font style drops other words).
template <class Create>
TskMemIniFile DistinctiveSection(Create create, const std::string& section)
{
    TskMemIniFile defaults;
    create()->SaveToFile(defaults);
    const auto keys = KeysOf(defaults, section);

    TskMemIniFile probe;
    for (const auto& [k, v] : keys) {
        int n;
        if (TryParseIniInteger(v, n))
            probe.WriteString(section, k, "2");
        else if (v.empty())
            probe.WriteString(section, k, "fsbold,x");
    }
    auto probed = create();
    probed->LoadFromFile(probe);
    TskMemIniFile seen;
    probed->SaveToFile(seen);

    const std::map<std::string, std::string> words{{"stfull", "stvert"}, {"mkdefault", "mkpush"},
                                                   {"tacenter", "taleftjustify"}, {"cmdefault", "cmrollup"},
                                                   {"iebrightness", "ienoise"}};
    TskMemIniFile out;
    int i = 10;
    for (const auto& [k, v] : keys) {
        ++i;
        const std::string s = std::to_string(i);
        const std::string back = seen.ReadString(section, k, "");
        int n;
        if (std::count(v.begin(), v.end(), ',') == 3)
            out.WriteString(section, k, s + ",-" + s + "," + s + "1," + s + "2");
        else if (std::count(v.begin(), v.end(), ',') == 1)
            out.WriteString(section, k, "-" + s + "," + s);
        else if (TryParseIniInteger(v, n))
            out.WriteString(section, k, back == "0" ? "1" : s);
        else if (words.count(v))
            out.WriteString(section, k, words.at(v));
        else if (v.empty() && back == "fsbold")
            out.WriteString(section, k, i % 2 ? "fsitalic,fsstrikeout" : "fsbold,fsunderline");
        else
            out.WriteString(section, k, "text " + s);
    }
    return out;
}

template <class Base, class Factory>
void ExpectEveryKeyRoundTrips(Factory factory, const char* kind)
{
    auto create = [&] { return factory(kind, "desc"); };
    ASSERT_NE(create(), nullptr) << kind;
    EXPECT_EQ(create()->Kind(), kind);

    // A fresh description holds the reader's defaults.
    TskMemIniFile fresh, fromEmpty;
    create()->SaveToFile(fresh);
    auto empty = create();
    empty->LoadFromFile(TskMemIniFile());
    empty->SaveToFile(fromEmpty);
    EXPECT_EQ(fresh.GetText(), fromEmpty.GetText()) << kind;

    // Every key reads its own value back, and the kind word recreates the same class.
    const TskMemIniFile input = DistinctiveSection(create, "desc");
    auto read = create();
    read->LoadFromFile(input);
    TskMemIniFile written;
    read->SaveToFile(written);
    auto again = factory(read->Kind(), read->IDName);
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(typeid(*again), typeid(*read));
    EXPECT_EQ(KeysOf(written, "desc"), KeysOf(input, "desc")) << kind;
}

} // namespace

TEST(skDescriptions, EveryControlKindWritesAndReadsBackEqual)
{
    for (const char* kind : kControlKinds) {
        if (std::string(kind) == "updown")
            continue;  // keeps no geometry; see below
        ExpectEveryKeyRoundTrips<TskDataSkinControl>(CreateSkinControl, kind);
    }
}

TEST(skDescriptions, EveryObjectKindWritesAndReadsBackEqual)
{
    for (const char* kind : kObjectKinds)
        ExpectEveryKeyRoundTrips<TskDataSkinObject>(CreateSkinObject, kind);
}

TEST(skDescriptions, UnknownKindsCreateNothing)
{
    for (const char* kind : {"", "Button", "menu item", "mainmenuitem", "label "}) {
        EXPECT_EQ(CreateSkinControl(kind, "x"), nullptr) << kind;
        EXPECT_EQ(CreateSkinObject(kind, "x"), nullptr) << kind;
    }
}

TEST(skDescriptions, ButtonImageAndClientArea)
{
    TskMemIniFile ini("[button]\nskinrect=415,95,441,121\nclientrect=3,3,23,24\npictureindex=2\n");
    auto d = CreateSkinControl("button", "button");
    d->LoadFromFile(ini);
    auto& b = dynamic_cast<TskDataSkinButtonControl&>(*d);
    EXPECT_EQ(b.SkinRect, (RECT{415, 95, 441, 121}));
    EXPECT_EQ(b.ClRect, (RECT{3, 3, 23, 24}));
    EXPECT_EQ(b.PictureIndex, 2);
    EXPECT_EQ(b.MaskPictureIndex, -1);
    EXPECT_EQ(b.FontName, "Arial");
    EXPECT_EQ(b.FontHeight, 14);
    EXPECT_EQ(b.AnimateInterval, 25);
    EXPECT_EQ(b.GlowLayerAlphaBlendValue, 255);
}

TEST(skDescriptions, UpDownKeepsNoGeometry)
{
    TskMemIniFile ini("[ud]\nlefttoppoint=3,4\nrightbottompoint=5,6\nclientrect=1,2,3,4\nupbuttonrect=1,1,9,9\n");
    TskDataSkinUpDownControl d("ud");
    d.LoadFromFile(ini);
    EXPECT_EQ(d.LTPoint, (POINT{}));
    EXPECT_EQ(d.RBPoint, (POINT{}));
    EXPECT_EQ(d.ClRect, (RECT{}));
    EXPECT_EQ(d.UpButtonRect, (RECT{1, 1, 9, 9}));

    d.RTPoint = POINT{7, 7};
    TskMemIniFile out;
    d.SaveToFile(out);
    EXPECT_EQ(out.ReadString("ud", "righttoppoint", ""), "0,0");
    EXPECT_EQ(out.ReadString("ud", "upbuttonrect", ""), "1,1,9,9");
}

TEST(skDescriptions, ListDefaultsNameTheirScrollBars)
{
    TskDataSkinListBox list("listbox");
    list.LoadFromFile(TskMemIniFile("[listbox]\nhscrollbarname=myh\n"));
    EXPECT_EQ(list.HScrollBarName, "myh");
    EXPECT_EQ(list.VScrollBarName, "vscrollbar");
    EXPECT_EQ(list.BothScrollBarName, "bothhscrollbar");
    TskDataSkinComboBox combo("combobox");
    combo.LoadFromFile(TskMemIniFile());
    EXPECT_EQ(combo.ListBoxName, "");
    TskDataSkinStdLabelControl label("stdlabel");
    label.LoadFromFile(TskMemIniFile());
    EXPECT_EQ(label.ActiveFontColor, 16711680);
}

TEST(skDescriptions, DerivedKindsWriteTheirParentsKeysFirstInOneSection)
{
    TskDataSkinMemoControl memo("memo");
    memo.BGColor = 5;
    TskMemIniFile out;
    out.WriteString("memo", "stale", "1");
    memo.SaveToFile(out);
    auto keys = KeysOf(out, "memo");
    ASSERT_FALSE(keys.empty());
    EXPECT_EQ(keys.front().first, "pictureindex");
    EXPECT_EQ(keys[keys.size() - 3].first, "unenabledbuttonrect");
    EXPECT_EQ(keys[keys.size() - 2], (std::pair<std::string, std::string>{"bgcolor", "5"}));
    EXPECT_EQ(keys.back().first, "activebgcolor");
    EXPECT_FALSE(out.ValueExists("memo", "stale"));  // the section is erased before writing
}

TEST(skDescriptions, CaptionButtonRestoreHint)
{
    struct Case {
        const char* Section;
        const char* Expected;
    } cases[] = {
        {"hint=Maximize\ncommand=cmmaximize\n", "Restore"},
        {"hint=Minimize\ncommand=cmminimize\n", "Restore"},
        {"hint=Roll Up\ncommand=cmrollup\n", "Restore"},
        {"hint=RollUp\ncommand=cmrollup\n", "Restore"},
        {"hint=Close\ncommand=cmclose\n", ""},
        {"hint=Maximize\ncommand=cmminimize\n", ""},
        {"hint=maximize\ncommand=cmmaximize\n", ""},
        {"hint=Maximize\ncommand=cmmaximize\nrestorehint=Back\n", "Back"},
    };
    for (const auto& c : cases) {
        TskMemIniFile ini(std::string("[b]\n") + c.Section);
        TskDataSkinStdButton button("b");
        button.LoadFromFile(ini);
        EXPECT_EQ(button.RestoreHint, c.Expected) << c.Section;
        TskDataSkinAnimate animate("b");
        animate.LoadFromFile(ini);
        EXPECT_EQ(animate.RestoreHint, c.Expected) << c.Section;
    }
}

TEST(skDescriptions, MenuItemActiveImagesFallBackToNormalOnes)
{
    TskDataSkinMenuItem item("menuitem");
    item.LoadFromFile(TskMemIniFile("[menuitem]\ncheckimagerect=1,1,9,9\nradioimagerect=2,2,8,8\n"
                                    "activeradioimagerect=3,3,7,7\narrowimagerect=4,4,4,9\n"));
    EXPECT_EQ(item.ActiveCheckImageRect, (RECT{1, 1, 9, 9}));
    EXPECT_EQ(item.ActiveRadioImageRect, (RECT{3, 3, 7, 7}));
    EXPECT_EQ(item.ActiveArrowImageRect, (RECT{4, 4, 4, 9}));
}

TEST(skDescriptions, UserObjectReadsOnlyItsSkinRect)
{
    TskDataUserObject user("u");
    user.LoadFromFile(TskMemIniFile("[u]\nskinrect=1,2,3,4\nactiveskinrect=5,6,7,8\nhint=hello\n"));
    EXPECT_EQ(user.SkinRect, (RECT{1, 2, 3, 4}));
    EXPECT_EQ(user.ActiveSkinRect, (RECT{}));
    EXPECT_EQ(user.Hint, "");
    EXPECT_EQ(user.ActivePictureIndex, -1);
}

TEST(skDescriptions, FormLevelSectionsRoundTripAndDefault)
{
    TskDataSkinLayerFrame layer;
    layer.LoadFromFile(TskMemIniFile());
    EXPECT_EQ(layer.PictureIndex, -1);
    EXPECT_EQ(layer.AlphaBlendValue, 255);

    TskSkinColors colors;
    EXPECT_EQ(colors.cBtnFace(), 0);
    colors.LoadFromFile(TskMemIniFile("[SKINCOLORS]\ncwindow=255\n"));
    EXPECT_EQ(colors.cWindow(), 255);
    EXPECT_EQ(static_cast<unsigned>(colors.cBtnFace()), 0xFF00000Fu);
    EXPECT_EQ(static_cast<unsigned>(colors.cBtnShadow()), 0xFF000010u);
    TskSkinColors defaults;
    defaults.SetColorsToDefault();
    defaults.SetcWindow(255);
    EXPECT_EQ(colors, defaults);

    TskDataSkinHintWindow hint;
    hint.WindowPictureIndex = 3;
    hint.ClRect = RECT{-2, 1, 5, 6};
    hint.FontStyle.Include(fsItalic);
    hint.StretchType = skstVert;
    TskMemIniFile ini;
    hint.SaveToFile(ini);
    TskDataSkinHintWindow back;
    back.LoadFromFile(ini);
    EXPECT_EQ(back.WindowPictureIndex, 3);
    EXPECT_EQ(back.ClRect, hint.ClRect);
    EXPECT_EQ(back.FontStyle.Bits(), hint.FontStyle.Bits());
    EXPECT_EQ(back.StretchType, skstVert);
    EXPECT_EQ(back.FontName, "Arial");
}
