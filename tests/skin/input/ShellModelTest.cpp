#include "ShellFixture.h"

#include "classlib/FileSystem.h"
#include "platform/shell/ShellPlaces.h"
#include "skin/input/skSkinShellCtrls.h"

#include <QLocale>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace {

std::vector<std::string> names(const std::vector<ShellItemId>& ids)
{
    std::vector<std::string> out;
    for (const auto& id : ids)
        out.push_back(ShellItemName(id));
    return out;
}

class ShellModelTest : public ::testing::Test {
protected:
    void SetUp() override { QLocale::setDefault(QLocale::c()); }
    ShellFixture fx;
    ShellItemId home = ShellItemId().Child(fx.Home());
};

TEST_F(ShellModelTest, ListingsKeepOrderHideDotNamesAndSeparateFolders)
{
    struct Case {
        ShellItemId folder;
        ShellListOptions options;
        std::vector<std::string> expected;
    };
    const std::string latin1Shown = "caf\xEF\xBF\xBD.txt";
    const Case cases[] = {
        {ShellItemId(), {true, false, false}, {"Computer", "Home", "Docs", "Docs", "linkdir", "mnt", "sub"}},
        {ShellItemId({ShellComputerSegment}), {}, {"File System", "USB Stick", "data"}},
        {home, {false, true, false}, {"a.avi", "B.AVI", latin1Shown, "dangling", "noext", "中文.mp4"}},
        {home, {false, true, true}, {".hidden", "a.avi", "B.AVI", latin1Shown, "dangling", "noext", "中文.mp4"}},
        {home.Child("linkdir"), {}, {"deeper"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(names(ShellListFolder(c.folder, c.options)), c.expected) << ShellItemPath(c.folder);
}

TEST_F(ShellModelTest, KindsTypeNamesAndPaths)
{
    struct Case {
        ShellItemId id;
        ShellIconKind kind;
        bool folder;
        std::string path;
    };
    const Case cases[] = {
        {ShellItemId(), ShellIconKind::Desktop, true, fx.Home()},
        {ShellItemId({ShellComputerSegment}), ShellIconKind::Computer, true, ""},
        {ShellItemId({ShellComputerSegment, "/"}), ShellIconKind::Drive, true, "/"},
        {ShellItemId({ShellComputerSegment, "/media/user/USB Stick"}), ShellIconKind::Removable, true, "/media/user/USB Stick"},
        {home, ShellIconKind::Home, true, fx.Home()},
        {home.Child("a.avi"), ShellIconKind::Video, false, fx.Path("a.avi")},
        {home.Child("B.AVI"), ShellIconKind::Video, false, fx.Path("B.AVI")},
        {home.Child("noext"), ShellIconKind::File, false, fx.Path("noext")},
        {home.Child("linkdir"), ShellIconKind::Folder, true, fx.Path("linkdir")},
        {home.Child("dangling"), ShellIconKind::File, false, fx.Path("dangling")},
        {ShellItemId().Child(fx.Path("Docs")), ShellIconKind::Folder, true, fx.Path("Docs")},
        {ShellItemId().Child("sub"), ShellIconKind::Folder, true, fx.Path("sub")},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ShellItemIconKind(c.id, false), c.kind) << c.path;
        EXPECT_EQ(ShellItemIsFolder(c.id), c.folder) << c.path;
        EXPECT_EQ(ShellItemPath(c.id), c.path);
    }
    EXPECT_EQ(ShellItemIconKind(home.Child("sub"), true), ShellIconKind::OpenFolder);
    EXPECT_EQ(FileTypeName("a.avi"), FileTypeName("B.AVI"));
    EXPECT_NE(FileTypeName("a.avi"), ".avi");
    EXPECT_EQ(FileTypeName("x.qqqzz"), ".qqqzz");
    EXPECT_EQ(FileTypeName("noext"), "");
}

TEST_F(ShellModelTest, ParseFindsTheVolumeAndKeepsRawBytes)
{
    const std::string latin1 = fx.Path(ShellFixture::Latin1Name);
    const auto id = ShellParsePath(latin1);
    ASSERT_TRUE(id);
    EXPECT_EQ(id->Segments()[0], ShellComputerSegment);
    EXPECT_EQ(id->Segments()[1], "/");
    EXPECT_EQ(ShellItemPath(*id), latin1);

    const auto inside = ShellParsePath(fx.Path("mnt/./data//inside.txt"));
    ASSERT_TRUE(inside);
    EXPECT_EQ(*inside, ShellItemId({ShellComputerSegment, fx.Path("mnt/data"), "inside.txt"}));
    const auto ancestors = inside->Ancestors();
    ASSERT_EQ(ancestors.size(), 3u);
    EXPECT_TRUE(ancestors[0].IsDesktop());
    EXPECT_EQ(ancestors[2], inside->DropLast());

    EXPECT_EQ(ShellParsePath("/"), ShellItemId({ShellComputerSegment, "/"}));
    const auto dangling = ShellParsePath(fx.Path("dangling"));
    ASSERT_TRUE(dangling);
    EXPECT_EQ(dangling->Last(), "dangling");
    for (const std::string& bad : {std::string(), std::string("relative/path"), fx.Path("nothing-here"), std::string("rfDesktop")})
        EXPECT_FALSE(ShellParsePath(bad)) << bad;
}

TEST_F(ShellModelTest, RenameNeverReplacesAndRefusesBadNames)
{
    const ShellItemId a = home.Child("a.avi");
    for (const std::string bad : {"B.AVI", "", ".", "..", "x/y"}) {
        try {
            ShellRename(a, bad);
            ADD_FAILURE() << bad;
        } catch (const Exception& e) {
            EXPECT_EQ(e.Message(), "Rename to " + bad + " failed");
        }
    }
    EXPECT_TRUE(std::filesystem::exists(fx.Path("a.avi")));
    EXPECT_TRUE(std::filesystem::exists(fx.Path("B.AVI")));
    EXPECT_EQ(ShellRename(a, "c.avi"), home.Child("c.avi"));
    EXPECT_TRUE(std::filesystem::exists(fx.Path("c.avi")));
    EXPECT_FALSE(ShellCanRename(ShellItemId({ShellComputerSegment})));
}

TEST_F(ShellModelTest, PlacesSkipOddLines)
{
    EXPECT_EQ(UserFolder("DOCUMENTS"), fx.Path("Docs"));
    EXPECT_EQ(UserFolder("PICTURES"), "");
    EXPECT_EQ(UserFolder("DESKTOP"), "");
    EXPECT_EQ(DesktopFolder(), fx.Home());
    EXPECT_EQ(NormalizePath("/a/./b/../../c//"), "/c");
    EXPECT_EQ(NormalizePath("/.."), "/");
}

// A reader that refuses one folder, as an unreadable folder would for an ordinary user.
TEST_F(ShellModelTest, UnreadableFolderRaisesInOutErrorNamingIt)
{
    SetFolderReader(std::make_shared<RefusingReader>(fx.Path("sub")));
    TskShellFolder* folder = FolderFromIdList(home.Child("sub"));
    try {
        ListShellFolder(folder, {otFolders, otNonFolders});
        ADD_FAILURE() << "no error";
    } catch (const EInOutError& e) {
        EXPECT_EQ(e.Path(), fx.Path("sub"));
        EXPECT_NE(e.Message().find(fx.Path("sub") + ": Permission denied"), std::string::npos);
    }
    EXPECT_FALSE(FolderHasItems(folder, SHCONTF_FOLDERS));
    try {
        FindFiles(fx.Path("sub"), "*.*", faAnyFile);
        ADD_FAILURE() << "no error";
    } catch (const EInOutError& e) {
        EXPECT_EQ(e.ErrorCode(), EACCES);
    }
    SetFolderReader(nullptr);
    EXPECT_TRUE(FolderHasItems(folder, SHCONTF_FOLDERS));
    // Removed by another program after it was shown: refused the same way, naming it.
    std::filesystem::remove_all(fx.Path("sub"));
    try {
        ListShellFolder(folder, {otFolders, otNonFolders});
        ADD_FAILURE() << "no error";
    } catch (const EInOutError& e) {
        EXPECT_NE(e.Message().find(fx.Path("sub") + ": No such file or directory"), std::string::npos) << e.Message();
    }
    delete folder;
}

} // namespace
