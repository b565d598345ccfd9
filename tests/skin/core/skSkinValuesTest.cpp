#include "skin/core/skSkinValues.h"

#include "platform/kernel/Exceptions.h"

#include <gtest/gtest.h>

namespace {

TskMemIniFile Section(const std::string& key, const std::string& value)
{
    return TskMemIniFile("[S]\r\n" + key + "=" + value + "\r\n");
}

} // namespace

TEST(skSkinValues, RectanglesAndPoints)
{
    struct Case {
        const char* Text;
        RECT Expected;
    } cases[] = {
        {"415,95,441,121", {415, 95, 441, 121}},
        {"10, 20 ,30,40", {10, 20, 30, 40}},
        {"-5,0,10,10", {-5, 0, 10, 10}},     // minus signs are read
        {"1-2,3,4,5", {12, 3, 4, 5}},         // a "-" after a digit is dropped
        {"1,2,3,4,5,6", {1, 2, 3, 4}},        // extra fields are ignored
        {"a1,b2,c3,d4", {1, 2, 3, 4}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ParseRectValue(c.Text), c.Expected) << c.Text;
    EXPECT_EQ(ParsePointValue("-1,-1"), (POINT{-1, -1}));
    EXPECT_EQ(ParsePointValue(" 7 , 8 "), (POINT{7, 8}));

    for (const char* bad : {"", "5", "1,2,3", "1,,3,4", "1,2,3,-", "99999999999,0,0,0"})
        EXPECT_THROW(ParseRectValue(bad), Exception) << '"' << bad << '"';
    for (const char* bad : {"", "12", ",3"})
        EXPECT_THROW(ParsePointValue(bad), Exception) << '"' << bad << '"';
}

TEST(skSkinValues, AbsentRectangleIsZeroButEmptyValueFails)
{
    TskMemIniFile ini = Section("clientrect", "");
    EXPECT_THROW(ReadRectValue(ini, "S", "clientrect"), Exception);
    EXPECT_EQ(ReadRectValue(ini, "S", "skinrect"), (RECT{0, 0, 0, 0}));
    EXPECT_EQ(ReadPointValue(ini, "S", "lefttoppoint"), (POINT{0, 0}));
    EXPECT_THROW(ReadPointValue(Section("lefttoppoint", "12"), "S", "lefttoppoint"), Exception);
}

TEST(skSkinValues, BooleansAreTrueOnlyForOne)
{
    struct Case {
        const char* Text;
        bool Expected;
    } cases[] = {{"1", true}, {"0x1", true}, {"0", false}, {"2", false}, {"true", false}, {"", false}, {"-1", false}};
    for (const auto& c : cases)
        EXPECT_EQ(ReadBoolValue(Section("leftstretch", c.Text), "S", "leftstretch"), c.Expected) << c.Text;
    EXPECT_FALSE(ReadBoolValue(TskMemIniFile(), "S", "leftstretch"));
}

TEST(skSkinValues, FontStyleWordsAreSubstringsAndCaseSensitive)
{
    struct Case {
        const char* Text;
        TFontStyles Expected;
    } cases[] = {
        {"fsbold,fsitalic", {fsBold, fsItalic}},
        {"xxfsboldyy", {fsBold}},
        {"FSBOLD", {}},
        {"fsunderline,fsstrikeout", {fsUnderline, fsStrikeOut}},
        {"", {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ReadFontStyleValue(Section("fontstyle", c.Text), "S", "fontstyle").Bits(), c.Expected.Bits()) << c.Text;

    TskMemIniFile out;
    WriteFontStyleValue(out, "S", "fontstyle", TFontStyles{fsBold, fsUnderline, fsStrikeOut});
    EXPECT_EQ(out.ReadString("S", "fontstyle", "?"), "fsbold,fsunderline,fsstrikeout");
}

TEST(skSkinValues, EnumerationWordsAndFallBacks)
{
    auto stretch = [](const char* t) { return ReadStretchType(Section("stretchtype", t), "S", "stretchtype"); };
    EXPECT_EQ(stretch("stfull"), skstFull);
    EXPECT_EQ(stretch("STFULL"), skstHorz);
    EXPECT_EQ(stretch("sthorz"), skstHorz);
    EXPECT_EQ(stretch("stvert"), skstVert);
    EXPECT_EQ(ReadStretchType(TskMemIniFile(), "S", "stretchtype"), skstFull);

    auto effect = [](const char* t) { return ReadInActiveEffect(Section("e", t), "S", "e"); };
    EXPECT_EQ(effect("iedarkness"), ieDarkness);
    EXPECT_EQ(effect("ieinvert"), ieInvert);
    EXPECT_EQ(effect("glow"), ieGrayScale);
    EXPECT_EQ(ReadInActiveEffect(TskMemIniFile(), "S", "e"), ieBrightness);

    auto command = [](const char* t) { return ReadStdCommand(Section("command", t), "S", "command"); };
    EXPECT_EQ(command("cmclose"), cmClose);
    EXPECT_EQ(command("cmrollup"), cmRollUp);
    EXPECT_EQ(command("cmclose1"), cmMinimizeToTray);
    EXPECT_EQ(command("cmminimizetotray"), cmMinimizeToTray);
    EXPECT_EQ(ReadStdCommand(TskMemIniFile(), "S", "command"), cmDefault);

    auto morph = [](const char* t) { return ReadMorphKind(Section("m", t), "S", "m"); };
    EXPECT_EQ(morph("mkpush"), mkPush);
    EXPECT_EQ(morph("mkleftslide"), mkLeftSlide);
    EXPECT_EQ(morph("MKPUSH"), mkDefault);

    auto align = [](const char* t) { return ReadAlignmentValue(Section("a", t), "S", "a"); };
    EXPECT_EQ(align("taleftjustify"), TAlignment::taLeftJustify);
    EXPECT_EQ(align("tacenter"), TAlignment::taCenter);
    EXPECT_EQ(align("middle"), TAlignment::taRightJustify);
    EXPECT_EQ(ReadAlignmentValue(TskMemIniFile(), "S", "a"), TAlignment::taCenter);
}

TEST(skSkinValues, EveryEnumerationMemberRoundTrips)
{
    TskMemIniFile ini;
    for (int i = skstFull; i <= skstVert; ++i) {
        WriteStretchType(ini, "S", "k", static_cast<TskStretchType>(i));
        EXPECT_EQ(ReadStretchType(ini, "S", "k"), i);
    }
    for (int i = mkDefault; i <= mkPush; ++i) {
        WriteMorphKind(ini, "S", "k", static_cast<TskMorphKind>(i));
        EXPECT_EQ(ReadMorphKind(ini, "S", "k"), i);
    }
    for (int i = ieBrightness; i <= ieInvert; ++i) {
        WriteInActiveEffect(ini, "S", "k", static_cast<TskInActiveEffect>(i));
        EXPECT_EQ(ReadInActiveEffect(ini, "S", "k"), i);
    }
    for (int i = cmClose; i <= cmMinimizeToTray; ++i) {
        WriteStdCommand(ini, "S", "k", static_cast<TskStdCommand>(i));
        EXPECT_EQ(ReadStdCommand(ini, "S", "k"), i);
    }
    for (TAlignment a : {TAlignment::taLeftJustify, TAlignment::taRightJustify, TAlignment::taCenter}) {
        WriteAlignmentValue(ini, "S", "k", a);
        EXPECT_EQ(ReadAlignmentValue(ini, "S", "k"), a);
    }
    WriteRectValue(ini, "S", "r", RECT{-1, 2, -3, 4});
    EXPECT_EQ(ini.ReadString("S", "r", ""), "-1,2,-3,4");
    EXPECT_EQ(ReadRectValue(ini, "S", "r"), (RECT{-1, 2, -3, 4}));
}

TEST(skSkinValues, StringListsUseACountKeyAndNumberedKeys)
{
    TskMemIniFile ini;
    WriteStringListValue(ini, "PICTURES", "activepictures", {"a.bmp", "b.bmp"});
    EXPECT_EQ(ini.ReadString("PICTURES", "activepicturescount", ""), "2");
    EXPECT_EQ(ini.ReadString("PICTURES", "1", ""), "b.bmp");
    std::vector<std::string> list{"kept"};
    ReadStringListValue(ini, "PICTURES", "activepictures", list);
    EXPECT_EQ(list, (std::vector<std::string>{"kept", "a.bmp", "b.bmp"}));
}

TEST(skSkinValues, IndexLinesSplitAtTheFirstColon)
{
    struct Case {
        const char* Line;
        const char* Name;
        const char* Kind;
    } cases[] = {{"button:button", "button", "button"}, {"a:b:c", "a", "b:c"}, {"nocolon", "", ""},
                 {":panel", "", "panel"},              {"x:", "x", ""}};
    for (const auto& c : cases) {
        std::string name = "?", kind = "?";
        SplitSkinEntry(c.Line, name, kind);
        EXPECT_EQ(name, c.Name) << c.Line;
        EXPECT_EQ(kind, c.Kind) << c.Line;
    }
}

TEST(skSkinValues, RequiredSectionsMustHoldKeys)
{
    const std::string full = "[VERSION]\nver=1\n[PICTURES]\npicture=\n[FORMINFO]\nborderwidth=0\n"
                             "[SKINOBJECTS]\ncount=0\n[SKINCONTROLS]\ncount=0\n";
    EXPECT_TRUE(HasRequiredSkinSections(TskMemIniFile(full)));
    TskMemIniFile noControls(full.substr(0, full.find("[SKINCONTROLS]")) + "[SKINCONTROLS]\n");
    EXPECT_FALSE(HasRequiredSkinSections(noControls));
}
