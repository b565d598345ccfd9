#include "ShellFixture.h"

#include "classlib/Bitmap.h"
#include "classlib/Canvas.h"
#include "classlib/FileSystem.h"
#include "classlib/Masks.h"
#include "skin/input/skfilectrl.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace {

using Items = std::vector<std::string>;

class FileCtrlTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        saved = GetCurrentDir();
        for (const char* folder : {"Src/Beta", "Src/alpha", "Src/.git", "Docs"})
            std::filesystem::create_directories(fx.Path(folder));
        for (const char* file : {"Src/notes.txt", "Src/run.log", "Src/Read.TXT", "Src/old.bak"})
            std::ofstream(fx.Path(file)) << "x";
        ASSERT_TRUE(SetCurrentDir(fx.Home()));
    }
    void TearDown() override { SetCurrentDir(saved); }

    ShellFixture fx;
    std::string saved;
};

TEST_F(FileCtrlTest, PathRoutines)
{
    struct Join { std::string dir, name, expected; };
    for (const auto& c : {Join{"/a", "b", "/a/b"}, Join{"/a/", "b", "/a/b"}, Join{"/", "b", "/b"}, Join{"", "b", "b"}})
        EXPECT_EQ(JoinFolderPath(c.dir, c.name), c.expected);

    struct Drop { std::string in, out; };
    for (const auto& c : {Drop{"/home/user/data/", "/.../user/data/"}, Drop{"/.../user/data/", "/.../data/"},
                          Drop{"/.../data/", "/.../"}, Drop{"/", ""}, Drop{".../", ""},
                          Drop{".hidden/x/", ".../x/"}, Drop{"/.hidden/x/", "/.../x/"}})
        EXPECT_EQ(DropFirstFolder(c.in), c.out) << c.in;

    EXPECT_EQ(CountSlashes("/a/b/c"), 3);
    EXPECT_TRUE(IsExistingDirectory("Src"));
    EXPECT_FALSE(IsExistingDirectory("Src/notes.txt"));
    EXPECT_FALSE(IsExistingDirectory(""));
    EXPECT_EQ(VolumeLabel("/"), "[File System]");
    EXPECT_EQ(VolumeLabel("/media/user/USB Stick"), "[USB Stick]");
}

TEST_F(FileCtrlTest, ShortenPathDropsFoldersFromTheFront)
{
    TBitmap bitmap;
    bitmap.SetSize(10, 10);
    TCanvas* canvas = bitmap.Canvas();
    const std::string path = "/home/user/data/file.txt";
    EXPECT_EQ(ShortenPathToWidth(path, canvas, 10000), path);
    EXPECT_EQ(ShortenPathToWidth(path, canvas, canvas->TextWidth("/.../data/file.txt")), "/.../data/file.txt");
    EXPECT_EQ(ShortenPathToWidth(path, canvas, canvas->TextWidth(".../file.txt")), ".../file.txt");
    EXPECT_EQ(ShortenPathToWidth(path, canvas, 1), "file.txt");
}

TEST_F(FileCtrlTest, ResolvePathParts)
{
    struct Case { std::string text, folder, file; };
    const std::string src = fx.Path("Src");
    for (const auto& c : {Case{"[Docs]", fx.Path("Docs"), ""}, Case{src + "/*.txt", src, "*.txt"},
                          Case{src + "/Beta", src + "/Beta", ""}, Case{src + "/notes.txt", src, "notes.txt"},
                          Case{"/tmp", "/tmp", ""}, Case{"Src/alpha", "Src/alpha", ""}}) {
        const TPathParts parts = ResolvePathParts(c.text);
        EXPECT_EQ(parts.Folder, c.folder) << c.text;
        EXPECT_EQ(parts.File, c.file) << c.text;
        EXPECT_EQ(GetCurrentDir(), fx.Home());
    }
    for (const std::string& bad : {src + "/new.txt", fx.Path("missing/x.txt")}) {
        EXPECT_THROW(ResolvePathParts(bad), EInOutError) << bad;
        EXPECT_EQ(GetCurrentDir(), fx.Home());
    }
}

TEST_F(FileCtrlTest, FilterTexts)
{
    struct Case { std::string filter; std::vector<std::pair<std::string, std::string>> items; };
    for (const auto& c : {Case{"Text|*.txt|All|*.*", {{"Text", "*.txt"}, {"All", "*.*"}}},
                          Case{"Text|*.txt|All", {{"Text", "*.txt"}}},
                          Case{"Pictures|*.bmp;*.jpg", {{"Pictures", "*.bmp;*.jpg"}}},
                          Case{"", {}}, Case{"no bar", {}}}) {
        std::vector<std::pair<std::string, std::string>> got;
        for (const auto& item : ParseFilter(c.filter))
            got.emplace_back(item.Description, item.Mask);
        EXPECT_EQ(got, c.items) << c.filter;
    }
}

TEST_F(FileCtrlTest, MasksMatchWithoutRegardToAsciiCase)
{
    struct Case { std::string name, mask; bool match; };
    for (const auto& c : {Case{"noext", "*.*", true}, Case{"a.AVI", "*.avi", true}, Case{"a.avi", "?.avi", true},
                          Case{"ab.avi", "?.avi", false}, Case{"a.avi.bak", "*.avi", false}, Case{"x", "*", true},
                          Case{"中文.MP4", "*.mp4", true}, Case{"aXbXc", "a*b*c", true}, Case{"abc", "a*b*d", false}})
        EXPECT_EQ(MatchesMask(c.name, c.mask), c.match) << c.name << " " << c.mask;
    EXPECT_EQ(SplitMaskList(" *.txt ; ;*.log"), (std::vector<std::string>{"*.txt", "*.log"}));
}

TEST_F(FileCtrlTest, FileListsByMaskAndType)
{
    const std::string src = fx.Path("Src");
    struct Case { std::string mask; TskFileType type; Items expected; };
    for (const auto& c : {Case{"*.*", {skftNormal}, {"notes.txt", "old.bak", "Read.TXT", "run.log"}},
                          Case{"*.txt;*.log", {skftNormal}, {"notes.txt", "Read.TXT", "run.log"}},
                          Case{"*.txt;*.TXT", {skftNormal}, {"notes.txt", "Read.TXT"}},
                          Case{"*.*", {skftDirectory}, {"[alpha]", "[Beta]"}},
                          Case{"*.*", {skftDirectory, skftHidden}, {"[.git]", "[alpha]", "[Beta]"}},
                          Case{"*.*", {skftNormal, skftDirectory}, {"[alpha]", "[Beta]", "notes.txt", "old.bak", "Read.TXT", "run.log"}}})
        EXPECT_EQ(ListFiles(src, c.mask, c.type), c.expected) << c.mask;
    EXPECT_EQ(ListFiles(fx.Home(), "*.*", {skftNormal}).size(), 6u);

    const Items items = {"a.txt", "B.txt", "b.txt"};
    EXPECT_EQ(SelectFileByName(items, "b.txt"), 2);
    EXPECT_EQ(SelectFileByName(items, "A.TXT"), 0);
    EXPECT_EQ(SelectFileByName(items, "c.txt"), -1);
}

TEST_F(FileCtrlTest, FolderListAndItemPaths)
{
    const std::string src = fx.Path("Src");
    const auto items = BuildFolderList(src);
    ASSERT_GE(items.size(), 4u);
    const int current = static_cast<int>(items.size()) - 3;
    EXPECT_EQ(items[0].Text, "/");
    EXPECT_EQ(items[current].Text, "Src");
    EXPECT_EQ(items[current].Kind, TFolderItemKind::Current);
    EXPECT_EQ(items[current + 1].Text, "alpha");
    EXPECT_EQ(items[current + 2].Text, "Beta");
    EXPECT_EQ(current, CountSlashes(src));
    EXPECT_EQ(GetItemPath(items, src, 0), "/");
    EXPECT_EQ(GetItemPath(items, src, 1), src.substr(0, src.find('/', 1)));
    EXPECT_EQ(GetItemPath(items, src, current - 1), fx.Home());
    EXPECT_EQ(GetItemPath(items, src, current), src);
    EXPECT_EQ(GetItemPath(items, src, current + 2), src + "/Beta");
    EXPECT_EQ(GetItemPath(items, src, 99), "");

    const auto root = BuildFolderList("/");
    EXPECT_EQ(root[0].Kind, TFolderItemKind::Current);
    EXPECT_EQ(GetItemPath(root, "/", 1), "/" + root[1].Text);

    const auto drives = BuildDriveList();
    ASSERT_EQ(drives.size(), 3u);
    EXPECT_EQ(drives[1].Drive, "/media/user/USB Stick");
    EXPECT_EQ(drives[1].Label, "[USB Stick]");
    EXPECT_EQ(drives[1].Kind, TDriveKind::Removable);
}

} // namespace
