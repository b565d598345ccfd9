#include "ShellFixture.h"

#include "app/artwork/ArtworkResources.h"
#include "classlib/Bitmap.h"
#include "classlib/ImgList.h"
#include "classlib/Resources.h"
#include "platform/shell/ShellPlaces.h"
#include "skin/input/skSkinShellCtrls.h"

#include <QLocale>
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>

namespace {

class ShellFolderTest : public ::testing::Test {
protected:
    void SetUp() override { QLocale::setDefault(QLocale::c()); }
    ShellFixture fx;
};

TEST_F(ShellFolderTest, RootNamesAndPathsResolveOrKeepThePreviousRoot)
{
    struct Case { std::string root; std::string path; std::string stored; };
    for (const auto& c : {Case{"rfDesktop", fx.Home(), "rfDesktop"}, Case{"RFMYCOMPUTER", "", "RFMYCOMPUTER"},
                          Case{"rfPersonal", fx.Path("Docs"), "rfPersonal"}, Case{"rfAppData", ConfigHome(), "rfAppData"},
                          Case{fx.Path("sub/"), fx.Path("sub"), fx.Path("sub/")}}) {
        TRoot root = c.root;
        std::unique_ptr<TskShellFolder> folder(ResolveRootFolder(nullptr, "old", root));
        EXPECT_EQ(folder->PathName(), c.path) << c.root;
        EXPECT_EQ(root, c.stored);
        EXPECT_EQ(folder->Level(), 0);
    }
    EXPECT_EQ(RootFolderValue("rfTemplates"), rfTemplates);
    EXPECT_EQ(RootFolderValue("rfNothing"), -1);

    TskShellFolder* current = FolderFromIdList(ShellItemId());
    for (const std::string& bad : {std::string(), std::string("rfPrinters"), fx.Path("missing"), std::string("C:")}) {
        TRoot root = bad;
        try {
            ResolveRootFolder(current, "previous", root);
            ADD_FAILURE() << bad;
        } catch (const Exception& e) {
            EXPECT_EQ(e.Message(), "Error setting path: \"" + bad + "\"");
        }
        EXPECT_EQ(root, "previous");
    }
    EXPECT_TRUE(current->AbsoluteID().IsDesktop());
    delete current;
}

TEST_F(ShellFolderTest, LevelsChainsAndRename)
{
    std::unique_ptr<TskShellFolder> home(FolderFromIdList(ShellItemId().Child(fx.Home())));
    TskShellFolder sub(home.get(), ShellItemId({"sub"}));
    TskShellFolder deeper(&sub, ShellItemId({"deeper"}));
    EXPECT_EQ(home->Parent(), GlobalDesktopFolder());
    EXPECT_EQ(sub.Level(), 1);
    EXPECT_EQ(deeper.Level(), 2);
    EXPECT_EQ(deeper.PathName(), fx.Path("sub/deeper"));
    EXPECT_EQ(deeper.DisplayName(), "deeper");
    EXPECT_TRUE(deeper.IsFolder());
    EXPECT_TRUE(sub.SubFolders());
    EXPECT_FALSE(deeper.SubFolders());

    ASSERT_TRUE(deeper.Capabilities().Contains(fcCanRename));
    EXPECT_TRUE(deeper.Rename("renamed"));
    EXPECT_EQ(deeper.RelativeID(), ShellItemId({"renamed"}));
    EXPECT_EQ(deeper.AbsoluteID(), sub.AbsoluteID().Concat(deeper.RelativeID()));
    EXPECT_TRUE(std::filesystem::is_directory(fx.Path("sub/renamed")));
    EXPECT_THROW(deeper.Rename("a/b"), Exception);

    TskShellFolder computer(nullptr, ShellItemId({ShellComputerSegment}));
    EXPECT_FALSE(computer.Capabilities().Contains(fcCanRename));
    EXPECT_FALSE(computer.Rename("x"));
    EXPECT_FALSE(computer.Properties().Contains(fpFileSystem));
    EXPECT_TRUE(home->Properties().Contains(fpFileSystem));
    EXPECT_EQ(ObjectTypesToFlags({otFolders, otHidden}), SHCONTF_FOLDERS | SHCONTF_INCLUDEHIDDEN);
}

TEST_F(ShellFolderTest, DetailTexts)
{
    std::unique_ptr<TskShellFolder> home(FolderFromIdList(ShellItemId().Child(fx.Home())));
    std::vector<TskShellFolder*> children = ListShellFolder(home.get(), {otFolders, otNonFolders});
    auto child = [&](const std::string& name) {
        for (auto* c : children)
            if (c->RelativeID().Last() == name)
                return c;
        return static_cast<TskShellFolder*>(nullptr);
    };
    TskShellFolder* file = child("a.avi");
    TskShellFolder* folder = child("sub");
    ASSERT_TRUE(file && folder);
    EXPECT_THROW(file->DetailText(1), Exception);
    file->LoadColumnDetails(home.get(), nullptr, 6);
    EXPECT_EQ(file->DetailText(1), "1");
    EXPECT_EQ(file->DetailText(2), FileTypeName("a.avi"));
    EXPECT_FALSE(file->DetailText(3).empty());
    EXPECT_EQ(file->DetailText(4), "32");
    EXPECT_EQ(file->DetailText(5), "");
    EXPECT_EQ(file->DetailText(6), "");
    folder->LoadColumnDetails(home.get(), nullptr, 4);
    EXPECT_EQ(folder->DetailText(1), "");
    EXPECT_EQ(folder->DetailText(4), "16");
    EXPECT_EQ(folder->DetailText(3).find("1899"), std::string::npos);

    // Texts loaded once stay for as many or fewer columns; a file gone since gives empty texts.
    std::filesystem::remove(fx.Path("a.avi"));
    file->LoadColumnDetails(home.get(), nullptr, 3);
    EXPECT_EQ(file->DetailText(1), "1");
    TskShellFolder gone(home.get(), ShellItemId({"a.avi"}));
    gone.LoadColumnDetails(home.get(), nullptr, 2);
    EXPECT_EQ(gone.DetailText(1), "");
    EXPECT_EQ(gone.DetailText(2), "");
    try {
        RaiseDetailsError(&gone, 2);
        ADD_FAILURE();
    } catch (const EInvalidPath& e) {
        EXPECT_EQ(e.Message(), "Unable to retrieve folder details for \"a.avi\". Error code $2");
    }
    for (auto* c : children)
        delete c;
}

// Both image lists hold every kind's picture from the program's artwork at its size, and an item's
// index is its kind in either.
TEST_F(ShellFolderTest, ShellImagesHoldEveryKindAtBothSizes)
{
    RegisterArtworkBitmaps();
    for (bool large : {false, true}) {
        const int size = large ? 32 : 16;
        TImageList* images = ShellImages(large);
        ASSERT_NE(images, nullptr);
        EXPECT_EQ(images->GetWidth(), size);
        EXPECT_EQ(images->GetHeight(), size);
        EXPECT_EQ(images->Count(), ShellIconKindCount);
        const int video = static_cast<int>(ShellIconKind::Video);
        TBitmap shown, artwork;
        images->GetBitmap(video, &shown);
        LoadBitmapResource(&artwork, "SHELL" + std::to_string(size) + "_" + (video < 10 ? "0" : "") + std::to_string(video));
        EXPECT_EQ(shown.GetPixelColor(size / 2, size / 2), artwork.GetPixelColor(size / 2, size / 2)) << size;
    }
    const ShellItemId home = ShellItemId().Child(fx.Home());
    struct Case { ShellItemId id; bool open; ShellIconKind kind; };
    for (const auto& c : {Case{home.Child("a.avi"), false, ShellIconKind::Video}, Case{home.Child("noext"), false, ShellIconKind::File},
                          Case{home.Child("sub"), false, ShellIconKind::Folder}, Case{home.Child("sub"), true, ShellIconKind::OpenFolder},
                          Case{ShellItemId({ShellComputerSegment}), false, ShellIconKind::Computer}})
        for (bool large : {false, true})
            EXPECT_EQ(ShellIconIndex(c.id, large, c.open), static_cast<int>(c.kind)) << ShellItemPath(c.id);
}

} // namespace
