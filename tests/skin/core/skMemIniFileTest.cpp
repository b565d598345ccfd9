#include "skin/core/skMemIniFile.h"

#include <gtest/gtest.h>

TEST(skMemIniFile, NamesIgnoreCaseAndBlanksValuesKeepTheirCase)
{
    TskMemIniFile ini(" [Forminfo] \r\n  ClientRect =  1, 2 ,3,4  \r\n;comment=1\r\nmode=StFull\n");
    EXPECT_TRUE(ini.SectionExists("FORMINFO"));
    EXPECT_EQ(ini.ReadString("forminfo", "CLIENTRECT", "x"), "1, 2 ,3,4");
    EXPECT_EQ(ini.ReadString("FORMINFO", "mode", ""), "StFull");
    EXPECT_FALSE(ini.ValueExists("FORMINFO", ";comment"));
    EXPECT_EQ(ini.ReadString("FORMINFO", "absent", "dflt"), "dflt");
}

TEST(skMemIniFile, SectionWithoutKeysIsAbsent)
{
    TskMemIniFile ini("[EMPTY]\r\n; only a comment\r\njunk line\r\n[FULL]\r\na=\r\n");
    EXPECT_FALSE(ini.SectionExists("EMPTY"));
    EXPECT_TRUE(ini.SectionExists("full"));
    EXPECT_FALSE(ini.SectionExists("MISSING"));
}

TEST(skMemIniFile, FirstOfTwoKeysWinsAndRepeatedSectionContinuesTheFirst)
{
    TskMemIniFile ini("[A]\nk=1\nK=2\n[B]\nx=0\n[a]\nj=3\n");
    EXPECT_EQ(ini.ReadString("A", "k", ""), "1");
    EXPECT_EQ(ini.ReadString("A", "j", ""), "3");
    ini.WriteString("a", "K", "9");
    EXPECT_EQ(ini.ReadString("A", "k", ""), "9");
    EXPECT_EQ(ini.Sections(), (std::vector<std::string>{"A", "B"}));
}

TEST(skMemIniFile, IntegersAsTheIniFileReadsThem)
{
    struct Case {
        const char* Text;
        int Expected;
    } cases[] = {
        {"42", 42},          {"-7", -7},          {"+5", 5},           {"0x1F", 31},
        {"0X1f", 31},        {"$1F", 31},         {"$FFFFFFFF", -1},   {"-$10", -16},
        {"-2147483648", -2147483647 - 1},         {"2147483648", 99},  {"0x", 99},
        {"", 99},            {"abc", 99},         {"12a", 99},         {"1 2", 99},
        {"$", 99},           {"0x100000000", 99},
    };
    for (const auto& c : cases) {
        TskMemIniFile ini(std::string("[S]\nk=") + c.Text + "\n");
        EXPECT_EQ(ini.ReadInteger("S", "k", 99), c.Expected) << '"' << c.Text << '"';
    }
}

TEST(skMemIniFile, WritingKeepsOtherSectionsAndLines)
{
    TskMemIniFile ini("[KEEP]\r\n; note\r\nold=1\r\n[GONE]\r\nx=1\r\n");
    ini.EraseSection("gone");
    ini.WriteInteger("NEW", "n", -3);
    ini.WriteString("KEEP", "old", "2");
    EXPECT_EQ(ini.GetText(), "[KEEP]\r\n; note\r\nold=2\r\n\r\n[NEW]\r\nn=-3\r\n\r\n");
    TskMemIniFile again(ini.GetText());
    EXPECT_EQ(again.GetText(), ini.GetText());
}

TEST(skMemIniFile, ByteOrderMarksAreDecoded)
{
    const std::string utf8Bom = "\xEF\xBB\xBF[S]\r\nk=\xE4\xB8\xAD\r\n";
    EXPECT_EQ(DecodeSkinText(utf8Bom), "[S]\r\nk=\xE4\xB8\xAD\r\n");

    // "[S]\nk=中" in UTF-16, both byte orders; 中 is U+4E2D.
    const std::string le("\xFF\xFE[\0S\0]\0\n\0k\0=\0\x2D\x4E", 16);
    const std::string be("\xFE\xFF\0[\0S\0]\0\n\0k\0=\x4E\x2D", 16);
    for (const auto& bytes : {le, be}) {
        TskMemIniFile ini(DecodeSkinText(bytes));
        EXPECT_EQ(ini.ReadString("S", "k", ""), "\xE4\xB8\xAD");
    }
    EXPECT_EQ(DecodeSkinText("plain"), "plain");
}
