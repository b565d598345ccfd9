// The file dialogs' name logic without a dialog: filter extensions, the accept decision over a
// small folder, the history of Back and the names of new folders.

#include "TestPaths.h"

#include "skin/input/skFileDialogNames.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace {

TEST(FileDialogNames, FilterExtensions)
{
    struct Case {
        const char* mask;
        const char* defaultExt;
        const char* extension;
    };
    for (const Case& c : {Case{"*.bmp", "", ".bmp"}, Case{"*.bmp;*.ico", "", ".bmp"}, Case{"*.AVI;*.ASF;*.asx", "", ".AVI"},
                          Case{"*.*", "", ""}, Case{"*.jpg;*.*", "", ""}, Case{"*", "", ""}, Case{"", "", ""},
                          Case{"*.*", "txt", ".txt"}, Case{"*.bmp", "png", ".png"}})
        EXPECT_EQ(FilterExtension(c.mask, c.defaultExt), c.extension) << c.mask << " " << c.defaultExt;

    EXPECT_EQ(AddFilterExtension("/d/clip", ".avi"), "/d/clip.avi");
    EXPECT_EQ(AddFilterExtension("/d/clip.mkv", ".avi"), "/d/clip.mkv");
    EXPECT_EQ(AddFilterExtension("/d.x/clip", ".avi"), "/d.x/clip.avi");
    EXPECT_EQ(ChangeTypedExtension("shot.bmp", ".jpg"), "shot.jpg");
    EXPECT_EQ(ChangeTypedExtension("shot", ".jpg"), "shot.jpg");
    EXPECT_EQ(ChangeTypedExtension("shot.bmp", ""), "shot.bmp");
    EXPECT_EQ(ChangeTypedExtension("", ".jpg"), "");
}

TEST(FileDialogNames, TypedNamesAndTheSelection)
{
    EXPECT_EQ(FullTypedName("/home/u", "a.avi"), "/home/u/a.avi");
    EXPECT_EQ(FullTypedName("/", "etc"), "/etc");
    EXPECT_EQ(FullTypedName("/home/u", "/tmp/x.avi"), "/tmp/x.avi");
    EXPECT_EQ(FullTypedName("", "/tmp/x.avi"), "/tmp/x.avi");
    EXPECT_EQ(FullTypedName("", "x.avi"), std::nullopt);
    EXPECT_EQ(FullTypedName("/home/u", ""), std::nullopt);

    // A name that is not UTF-8 shows with U+FFFD; the edit showing it keeps the selection.
    EXPECT_EQ(ShownFileName("/d/caf\xE9.txt"), "caf\xEF\xBF\xBD.txt");
    EXPECT_TRUE(SelectionInForce("caf\xEF\xBF\xBD.txt", "/d/caf\xE9.txt"));
    EXPECT_FALSE(SelectionInForce("other.txt", "/d/caf\xE9.txt"));
    EXPECT_FALSE(SelectionInForce("", ""));
}

class AcceptDecision : public ::testing::Test {
protected:
    void SetUp() override
    {
        fs::create_directory(dir.file("sub"));
        for (const char* name : {"clip.avi", "CLIP.MKV", "noext", "Two.avi", "two.AVI", "pic.bmp"})
            std::ofstream(dir.file(name)) << "x";
    }
    TAcceptDecision Decide(TAcceptInput in)
    {
        if (in.Folder == "dir")
            in.Folder = dir.path();
        return DecideAccept(in);
    }
    zdtest::TempDir dir;
};

TEST_F(AcceptDecision, OpenModeTable)
{
    using A = TAcceptAction;
    struct Case {
        const char* what;
        std::string text, selected, extension, folder;
        bool checkExists;
        A action;
        std::string fileName;  // relative to the folder unless absolute
        bool fromSelection;
    };
    const std::string selectedClip = dir.file("clip.avi");
    const Case cases[] = {
        {"typed file", "clip.avi", "", "", "dir", true, A::Accept, "clip.avi", false},
        {"missing file", "nothing.avi", "", "", "dir", true, A::Nothing, "", false},
        {"no extension + filter's", "clip", "", ".avi", "dir", true, A::Accept, "clip.avi", false},
        {"no extension, all files", "noext", "", "", "dir", true, A::Accept, "noext", false},
        {"filter's extension in another case", "clip", "", ".AVI", "dir", true, A::Accept, "clip.avi", false},
        {"upper-case file, lower-case filter", "clip", "", ".mkv", "dir", true, A::Accept, "CLIP.MKV", false},
        {"two files differ only in case", "two", "", ".avi", "dir", true, A::Nothing, "", false},
        {"a folder is no file", "sub", "", "", "dir", true, A::Nothing, "", false},
        {"absolute name", selectedClip, "", ".avi", "/nowhere", true, A::Accept, selectedClip, false},
        {"relative name at Computer", "clip.avi", "", "", "", true, A::Nothing, "", false},
        {"absolute name at Computer", selectedClip, "", "", "", true, A::Accept, selectedClip, false},
        {"selection shown", "clip.avi", selectedClip, "", "dir", true, A::Accept, "clip.avi", true},
        {"typed text wins over the selection", "pic.bmp", selectedClip, "", "dir", true, A::Accept, "pic.bmp", false},
        {"empty edit", "", selectedClip, "", "dir", true, A::Nothing, "", false},
        {"unchecked: missing name + extension", "new", "", ".avi", "dir", false, A::Accept, "new.avi", false},
        {"unchecked: selection", "clip.avi", selectedClip, ".avi", "dir", false, A::Accept, "clip.avi", true},
    };
    for (const Case& c : cases) {
        TAcceptInput in;
        in.CheckFileExists = c.checkExists;
        in.Folder = c.folder;
        in.Text = c.text;
        in.SelectedFile = c.selected;
        in.Extension = c.extension;
        const TAcceptDecision d = Decide(in);
        EXPECT_EQ(d.Action, c.action) << c.what;
        if (c.action == A::Nothing)
            continue;
        EXPECT_EQ(d.FileName, c.fileName.front() == '/' ? c.fileName : dir.file(c.fileName)) << c.what;
        EXPECT_EQ(d.FromSelection, c.fromSelection) << c.what;
    }
}

TEST_F(AcceptDecision, SaveModeAsksOnlyForAnExistingFile)
{
    TAcceptInput in;
    in.SaveMode = true;
    in.Folder = "dir";
    in.OverwritePrompt = true;
    in.Extension = ".bmp";
    in.Text = "pic";  // pic.bmp exists
    TAcceptDecision d = Decide(in);
    EXPECT_EQ(d.Action, TAcceptAction::AskOverwrite);
    EXPECT_EQ(d.FileName, dir.file("pic"));  // the extension is the caller's to add
    in.Text = "fresh";
    EXPECT_EQ(Decide(in).Action, TAcceptAction::Accept);
    in.OverwritePrompt = false;
    in.Text = "pic";
    EXPECT_EQ(Decide(in).Action, TAcceptAction::Accept);
    in.Text = "*.bmp";
    EXPECT_EQ(Decide(in).Action, TAcceptAction::Nothing);
    in.Folder = "";
    in.Text = "pic";
    EXPECT_EQ(Decide(in).Action, TAcceptAction::Nothing);
}

TEST(FileDialogNames, BackThroughTheHistory)
{
    const ShellItemId a({"/a"}), b({"/b"}), c({"/c"}), d({"/d"});
    TskFolderHistory history;
    EXPECT_EQ(history.Back(), std::nullopt);
    history.Add(a);
    history.Add(b);
    history.Add(b);  // a refresh of the same folder
    history.Add(c);
    EXPECT_EQ(history.Entries(), (std::vector<ShellItemId>{a, b, c}));
    EXPECT_EQ(history.Back(), b);
    EXPECT_EQ(history.Back(), a);
    EXPECT_EQ(history.Entries(), (std::vector<ShellItemId>{c}));
    EXPECT_EQ(history.Back(), std::nullopt);
    history.Add(d);
    EXPECT_EQ(history.Back(), c);
}

TEST(FileDialogNames, NewFolderNames)
{
    EXPECT_EQ(NewFolderName("New Folder", 1), "New Folder");
    EXPECT_EQ(NewFolderName("New Folder", 2), "New Folder(2)");
    EXPECT_EQ(NewFolderName("新建文件夹", 3), "新建文件夹(3)");
}

} // namespace
