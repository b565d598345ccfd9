#include "classlib/SysUtils.h"

#include "TestPaths.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace {

TEST(SysUtils, IntegerConversion)
{
    struct Case {
        const char* text;
        bool ok;
        int value;
    };
    const Case cases[] = {
        {"42", true, 42},         {"-7", true, -7},          {"  +3", true, 3},
        {"$1F", true, 31},        {"0x10", true, 16},        {"0XfF", true, 255},
        {"$FFFFFFFF", true, -1},  {"2147483647", true, INT_MAX}, {"-2147483648", true, INT_MIN},
        {"2147483648", false, 0}, {"", false, 0},            {"12a", false, 0},
        {"3 ", false, 0},         {"0x", false, 0},          {"-", false, 0},
    };
    for (const Case& c : cases) {
        int v = 0;
        EXPECT_EQ(TryStrToInt(c.text, v), c.ok) << c.text;
        if (c.ok) {
            EXPECT_EQ(v, c.value) << c.text;
        }
        EXPECT_EQ(StrToIntDef(c.text, -99), c.ok ? c.value : -99) << c.text;
    }
    try {
        StrToInt("abc");
        FAIL();
    } catch (const EConvertError& e) {
        EXPECT_STREQ(e.what(), "'abc' is not a valid integer value");
    }
    EXPECT_EQ(StrToInt64("-9000000000"), -9000000000LL);
}

TEST(SysUtils, FormatSubset)
{
    EXPECT_EQ(Format("%s=%d", {"a", 5}), "a=5");
    EXPECT_EQ(Format("[%5d|%-4s|%.3d]", {42, "ab", 7}), "[   42|ab  |007]");
    EXPECT_EQ(Format("%x %X %u", {255, 255, -1}), "FF FF 4294967295");
    EXPECT_EQ(Format("%.2f %n", {3.14159, 1234567.0}), "3.14 1,234,567.00");
    EXPECT_EQ(Format("%1:s %0:s %%", {"a", "b"}), "b a %");
    EXPECT_THROW(Format("%d", {"x"}), EConvertError);
    EXPECT_THROW(Format("%s %s", {"x"}), EConvertError);
}

TEST(SysUtils, TextHelpers)
{
    EXPECT_EQ(Trim(" \t a b \n"), "a b");
    EXPECT_EQ(TrimLeft("  a "), "a ");
    EXPECT_EQ(TrimRight("  a "), "  a");
    EXPECT_EQ(UpperCase("aZ输"), "AZ输");
    EXPECT_EQ(LowerCase("AZ输"), "az输");
    EXPECT_EQ(CompareText("abc", "ABD"), -1);
    EXPECT_TRUE(SameText("Hello", "hELLO"));
    EXPECT_GT(AnsiCompareText("b", "A"), 0);
}

TEST(SysUtils, FileNamesUseTheSlashOnly)
{
    struct Case {
        const char* name;
        const char* path;
        const char* dir;
        const char* file;
        const char* ext;
    };
    const Case cases[] = {
        {"/home/u/a.b/clip.avi", "/home/u/a.b/", "/home/u/a.b", "clip.avi", ".avi"},
        {"/home/u/a.b/noext", "/home/u/a.b/", "/home/u/a.b", "noext", ""},
        {"c:\\x\\y.mp4", "", "", "c:\\x\\y.mp4", ".mp4"},
        {"/file", "/", "/", "file", ""},
        {"rel/.hidden", "rel/", "rel", ".hidden", ".hidden"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ExtractFilePath(c.name), c.path) << c.name;
        EXPECT_EQ(ExtractFileDir(c.name), c.dir) << c.name;
        EXPECT_EQ(ExtractFileName(c.name), c.file) << c.name;
        EXPECT_EQ(ExtractFileExt(c.name), c.ext) << c.name;
    }
    EXPECT_EQ(ChangeFileExt("/a.b/c.avi", ".mp4"), "/a.b/c.mp4");
    EXPECT_EQ(ChangeFileExt("/a.b/c", ".mp4"), "/a.b/c.mp4");
    EXPECT_EQ(ChangeFileExt("c.tar.gz", ""), "c.tar");
    EXPECT_EQ(IncludeTrailingPathDelimiter("/x"), "/x/");
    EXPECT_EQ(IncludeTrailingPathDelimiter("/x/"), "/x/");
    EXPECT_EQ(ExcludeTrailingPathDelimiter("/x/"), "/x");
    EXPECT_EQ(ExcludeTrailingPathDelimiter("/"), "/");
}

TEST(SysUtils, FileSystemChecks)
{
    zdtest::TempDir dir;
    std::string deep = dir.file("视频/a/b/");
    EXPECT_FALSE(DirectoryExists(deep));
    EXPECT_TRUE(ForceDirectories(deep));
    EXPECT_TRUE(DirectoryExists(deep));
    EXPECT_FALSE(FileExists(deep));
    std::string f = deep + "x.txt";
    { FILE* fp = std::fopen(f.c_str(), "w"); std::fclose(fp); }
    EXPECT_TRUE(FileExists(f));
    EXPECT_FALSE(ForceDirectories(f + "/sub"));  // a file is in the way
    EXPECT_FALSE(ForceDirectories(""));
}

TEST(SysUtils, FormatDateTime)
{
    TDateTime dt = EncodeDate(2024, 3, 5) + EncodeTime(14, 7, 9, 45);
    EXPECT_EQ(FormatDateTime("yyyy-mm-dd hh:nn:ss.zzz", dt), "2024-03-05 14:07:09.045");
    EXPECT_EQ(FormatDateTime("d/m/yy h:mm", dt), "5/3/24 14:07");  // mm after h is minutes
    EXPECT_EQ(FormatDateTime("ddd dddd mmm mmmm", dt), "Tue Tuesday Mar March");
    EXPECT_EQ(FormatDateTime("h:nn am/pm 'at' \"x\"", dt), "2:07 pm at x");
    EXPECT_EQ(FormatDateTime("yyyymmdd", 0.0), "18991230");
    int y, m, d;
    DecodeDate(EncodeDate(2000, 2, 29), y, m, d);
    EXPECT_EQ(y * 10000 + m * 100 + d, 20000229);
    EXPECT_THROW(EncodeDate(2023, 2, 29), EConvertError);
}

} // namespace
