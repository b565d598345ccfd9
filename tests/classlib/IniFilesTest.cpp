#include "classlib/IniFiles.h"
#include "classlib/Strings.h"
#include "classlib/SysUtils.h"

#include "TestPaths.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

namespace {

std::string readAll(const std::string& name)
{
    std::ifstream in(name, std::ios::binary);
    std::ostringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

void writeAll(const std::string& name, const std::string& text)
{
    std::ofstream(name, std::ios::binary) << text;
}

TEST(IniFile, LooksUpWithoutRegardToCaseAndTrimsBlanks)
{
    zdtest::TempDir dir;
    std::string name = dir.file("a.ini");
    writeAll(name, "; comment\n[Options]\n  Path = /tmp/out  \nQuoted=\"  x  \"\nHex=0x1F\nDollar=$10\nBad=12a\nShort=0x\n");
    TIniFile ini(name);
    EXPECT_EQ(ini.ReadString("OPTIONS", "path", "d"), "/tmp/out");
    EXPECT_EQ(ini.ReadString("options", "Quoted", "d"), "  x  ");
    EXPECT_EQ(ini.ReadString("Options", "missing", "d"), "d");
    EXPECT_EQ(ini.ReadString("Other", "path", "d"), "d");
    EXPECT_EQ(ini.ReadInteger("Options", "Hex", -1), 31);
    EXPECT_EQ(ini.ReadInteger("Options", "Dollar", -1), 16);
    EXPECT_EQ(ini.ReadInteger("Options", "Bad", -1), -1);
    EXPECT_EQ(ini.ReadInteger("Options", "Short", -1), -1);
    EXPECT_TRUE(ini.ValueExists("options", "PATH"));
    EXPECT_FALSE(ini.ValueExists("options", "comment"));
}

TEST(IniFile, FirstWriteCreatesTheFileAndChineseRoundTrips)
{
    zdtest::TempDir dir;
    std::string name = dir.file("option.ini");
    TIniFile ini(name);
    EXPECT_FALSE(FileExists(name));
    ini.WriteString("Options", "OutPath", "/home/u/Velkor视频软件/输出");
    ini.WriteInteger("Options", "Threads", 19);
    ini.WriteBool("Options", "Sound", true);
    EXPECT_TRUE(FileExists(name));
    TIniFile other(name);
    EXPECT_EQ(other.ReadString("options", "outpath", ""), "/home/u/Velkor视频软件/输出");
    EXPECT_EQ(other.ReadInteger("Options", "Threads", 0), 19);
    EXPECT_TRUE(other.ReadBool("Options", "Sound", false));
    EXPECT_EQ(readAll(name), "[Options]\nOutPath=/home/u/Velkor视频软件/输出\nThreads=19\nSound=1\n");
}

TEST(IniFile, RewritingKeepsUnrelatedLines)
{
    zdtest::TempDir dir;
    std::string name = dir.file("k.ini");
    writeAll(name, "\xEF\xBB\xBF; keep me\r\n[A]\r\nx=1\r\nfree text\r\n\r\n[B]\r\ny=2\r\n");
    TIniFile ini(name);
    ini.WriteString("a", "X", "10");  // replaces the line, keeps the name as written now
    ini.WriteString("A", "z", "3");   // after the section's last non-blank line
    ini.WriteString("C", "w", "4");
    EXPECT_EQ(readAll(name),
              "\xEF\xBB\xBF; keep me\r\n[A]\r\nX=10\r\nfree text\r\nz=3\r\n\r\n[B]\r\ny=2\r\n\r\n[C]\r\nw=4\r\n");

    ini.DeleteKey("B", "Y");
    EXPECT_FALSE(ini.SectionExists("B"));  // a section without keys does not count
    ini.EraseSection("a");
    TStringList sections;
    ini.ReadSections(&sections);
    EXPECT_EQ(sections.CommaText(), "B,C");
    EXPECT_EQ(readAll(name), "\xEF\xBB\xBF; keep me\r\n[B]\r\n\r\n[C]\r\nw=4\r\n");
}

TEST(IniFile, SeesChangesMadeByOthers)
{
    zdtest::TempDir dir;
    std::string name = dir.file("s.ini");
    TIniFile ini(name);
    EXPECT_EQ(ini.ReadString("S", "k", "none"), "none");
    writeAll(name, "[S]\nk=v\nother=w\n");
    EXPECT_EQ(ini.ReadString("S", "k", "none"), "v");
    TStringList values;
    ini.ReadSectionValues("s", &values);
    EXPECT_EQ(values.Text(), "k=v\nother=w\n");
}

TEST(IniFile, RefusedWriteRaisesWithTheFileName)
{
    zdtest::TempDir dir;
    // Tests may run as root, so make the write fail by where the file would go.
    const std::string names[] = {dir.path(), dir.file("no/such/folder/x.ini")};
    for (const std::string& name : names) {
        TIniFile ini(name);
        try {
            ini.WriteString("S", "k", "v");
            FAIL() << name;
        } catch (const EIniFileException& e) {
            EXPECT_EQ(std::string(e.what()), "Unable to write to " + name);
        }
    }
}

TEST(MemIniFile, HoldsTextInMemoryUntilUpdateFile)
{
    zdtest::TempDir dir;
    std::string name = dir.file("m.ini");
    TMemIniFile ini(name);
    TStringList text;
    text.SetText("[FORMINFO]\nClientRect=1,32,235,177\n[SKINCONTROLS]\ncount=0");
    ini.SetStrings(&text);
    EXPECT_EQ(ini.ReadString("forminfo", "clientrect", ""), "1,32,235,177");
    EXPECT_TRUE(ini.SectionExists("SkinControls"));
    ini.WriteString("VERSION", "ver", "1");
    EXPECT_FALSE(FileExists(name));
    ini.UpdateFile();
    TIniFile disk(name);
    EXPECT_EQ(disk.ReadInteger("version", "VER", 0), 1);

    TMemIniFile bad(dir.file("missing/m.ini"));
    EXPECT_THROW(bad.UpdateFile(), EIniFileException);
}

} // namespace
