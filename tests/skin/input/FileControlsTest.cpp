// The skinned drive box, folder list and file list on a fixture tree: what each shows, how they
// drive one another through their links, typed paths, and folders that cannot be entered.

#include "ShellFixture.h"
#include "SkinFormSupport.h"

#include "app/artwork/ArtworkResources.h"
#include "classlib/CustomEdit.h"
#include "classlib/FileSystem.h"
#include "platform/shell/ShellPlaces.h"
#include "skin/form/skSkinCtrls.h"
#include "skin/input/skfilectrl.h"

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

using Items = std::vector<std::string>;

class FileControls : public SkinFormTest {
protected:
    void SetUp() override
    {
        RegisterArtworkBitmaps();
        saved = GetCurrentDir();
        for (const char* folder : {"Src/Beta", "Src/alpha", "Src/.git", "Docs"})
            std::filesystem::create_directories(fx.Path(folder));
        for (const char* file : {"Src/notes.txt", "Src/run.log", "Src/Read.TXT", "Src/old.bak", "Src/alpha/in.txt"})
            std::ofstream(fx.Path(file)) << "x";
        ASSERT_TRUE(SetCurrentDir(fx.Path("Src")));
        form = ShownForm(500, 400);
    }
    void TearDown() override
    {
        SetFolderReader(nullptr);
        SkinFormTest::TearDown();
        SetCurrentDir(saved);
    }
    template <class T>
    T* Put(int Left, int Top)
    {
        auto* c = new T(form);
        c->SetParent(form);
        c->SetBounds(Left, Top, 200, 160);
        Pump();
        return c;
    }
    static Items ItemsOf(TskSkinCustomListBox* List)
    {
        Items items;
        for (int i = 0; i < List->Items()->Count(); ++i)
            items.push_back(List->Items()->Get(i));
        return items;
    }
    // The folder list's items from the root down to Folder, then Subfolders.
    Items PathItems(const std::string& Folder, const Items& Subfolders)
    {
        Items items{"/"};
        std::string rest = Folder.substr(1);
        for (auto slash = rest.find('/'); slash != std::string::npos; slash = rest.find('/')) {
            items.push_back(rest.substr(0, slash));
            rest.erase(0, slash + 1);
        }
        items.push_back(rest);
        items.insert(items.end(), Subfolders.begin(), Subfolders.end());
        return items;
    }

    ShellFixture fx;
    std::string saved;
    TForm* form = nullptr;
};

TEST_F(FileControls, FolderListShowsThePathThenTheSubfolders)
{
    auto* dirs = Put<TskSkinDirectoryListBox>(10, 10);
    const std::string src = fx.Path("Src");
    EXPECT_EQ(dirs->GetDirectory(), src);
    EXPECT_EQ(ItemsOf(dirs), PathItems(src, {"alpha", "Beta"}));
    const int current = CountSlashes(src);
    EXPECT_EQ(dirs->GetItemIndex(), current);
    EXPECT_EQ(dirs->GetItemPath(0), "/");
    EXPECT_EQ(dirs->GetItemPath(1), src.substr(0, src.find('/', 1)));
    EXPECT_EQ(dirs->GetItemPath(current - 1), fx.Home());
    EXPECT_EQ(dirs->GetItemPath(current), src);
    EXPECT_EQ(dirs->GetItemPath(current + 2), src + "/Beta");
    EXPECT_EQ(dirs->GetItemPath(99), "");
    // Subfolders are indented one step past the shown folder; the scroll range covers it.
    TCanvas* c = dirs->ListBoxCanvas();
    EXPECT_EQ(dirs->GetItemTextWidth(current + 1, c), c->TextWidth("alpha") + 16 + (current + 1) * 4 + 2 + 4);
    EXPECT_EQ(dirs->GetItemTextWidth(0, c), c->TextWidth("/") + 16 + 2 + 4);

    // The root: one item, then the root's subfolders; right after the window is made, the
    // index is the count of "/" in the folder, which selects the first subfolder.
    ASSERT_TRUE(SetCurrentDir("/"));
    auto* root = Put<TskSkinDirectoryListBox>(220, 10);
    EXPECT_EQ(root->Items()->Get(0), "/");
    EXPECT_EQ(root->GetItemPath(0), "/");
    EXPECT_EQ(root->GetItemIndex(), 1);
    EXPECT_EQ(root->GetItemPath(1), "/" + root->Items()->Get(1));
}

TEST_F(FileControls, OpeningASubfolderMovesTheLinkedFileListAndLabel)
{
    auto* dirs = Put<TskSkinDirectoryListBox>(10, 10);
    auto* files = Put<TskSkinFileListBox>(220, 10);
    auto* label = new TskSkinStdLabel(form);
    label->SetParent(form);
    label->SetAutoSize(false);
    label->SetBounds(10, 200, 60, 20);
    dirs->SetFileList(files);
    dirs->SetDirLabel(label);
    int changes = 0;
    dirs->OnChange = [&](TObject*) { ++changes; };
    EXPECT_EQ(ItemsOf(files), (Items{"notes.txt", "old.bak", "Read.TXT", "run.log"}));

    const int alpha = CountSlashes(dirs->GetDirectory()) + 1;
    dirs->SetItemIndex(alpha);
    dirs->ListBoxDblClick();
    const std::string target = fx.Path("Src/alpha");
    EXPECT_EQ(dirs->GetDirectory(), target);
    EXPECT_EQ(GetCurrentDir(), target);
    EXPECT_EQ(files->GetDirectory(), target);
    EXPECT_EQ(ItemsOf(files), (Items{"in.txt"}));
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(label->GetCaption(), ShortenPathToWidth(target, label->Canvas(), 60));
    EXPECT_LT(label->GetCaption().size(), target.size());

    // Enter on an ancestor opens it.
    dirs->SetItemIndex(CountSlashes(target) - 1);
    char32_t enter = 13;
    dirs->ListBoxKeyPress(enter);
    EXPECT_EQ(dirs->GetDirectory(), fx.Path("Src"));
    EXPECT_EQ(files->GetDirectory(), fx.Path("Src"));
    EXPECT_EQ(changes, 2);

    // Freed links are forgotten.
    files->Free();
    label->Free();
    dirs->SetDirectory(target);
    EXPECT_EQ(dirs->GetFileList(), nullptr);
    EXPECT_EQ(dirs->GetDirLabel(), nullptr);
}

TEST_F(FileControls, FileListByMaskAndType)
{
    auto* files = Put<TskSkinFileListBox>(10, 10);
    struct Case { std::string mask; TskFileType type; Items expected; } cases[] = {
        {"*.*", {skftNormal}, {"notes.txt", "old.bak", "Read.TXT", "run.log"}},
        {"*.txt;*.log", {skftNormal}, {"notes.txt", "Read.TXT", "run.log"}},
        {"*.*", {skftDirectory}, {"[alpha]", "[Beta]"}},
        {"*.*", {skftNormal, skftDirectory}, {"[alpha]", "[Beta]", "notes.txt", "old.bak", "Read.TXT", "run.log"}},
        {"*.none", {skftNormal}, {}},
    };
    for (const Case& c : cases) {
        files->SetMask(c.mask);
        files->SetFileType(c.type);
        EXPECT_EQ(ItemsOf(files), c.expected) << c.mask;
    }
}

TEST_F(FileControls, TypedPathsInTheFileList)
{
    auto* files = Put<TskSkinFileListBox>(10, 10);
    auto* edit = new TEdit(form);
    edit->SetParent(form);
    files->SetFileEdit(edit);
    EXPECT_EQ(edit->GetText(), "*.*");
    std::string changed;
    files->OnChange = [&](TObject*) { changed = files->GetFileName(); };

    files->ApplyFilePath("*.bak");
    EXPECT_EQ(files->GetMask(), "*.bak");
    EXPECT_EQ(ItemsOf(files), (Items{"old.bak"}));
    EXPECT_EQ(edit->GetText(), "*.bak");

    files->SetMask("*.*");
    files->ApplyFilePath("run.log");
    EXPECT_EQ(files->GetFileName(), fx.Path("Src/run.log"));
    EXPECT_EQ(changed, fx.Path("Src/run.log"));
    EXPECT_EQ(edit->GetText(), "run.log");

    files->ApplyFilePath("Read.TXT");
    EXPECT_EQ(files->SelectedFileText(), "Read.TXT");

    // A file the mask hides: the mask becomes its name.
    files->SetMask("*.txt");
    files->ApplyFilePath("old.bak");
    EXPECT_EQ(files->GetMask(), "old.bak");
    EXPECT_EQ(files->SelectedFileText(), "old.bak");

    // A folder name without a trailing "/" is entered as a folder.
    files->SetMask("*.*");
    files->ApplyFilePath("alpha");
    EXPECT_EQ(files->GetDirectory(), fx.Path("Src/alpha"));
    EXPECT_EQ(ItemsOf(files), (Items{"in.txt"}));
    files->ApplyFilePath("[..]");
    EXPECT_EQ(files->GetDirectory(), fx.Path("Src"));

    // A name that is neither file nor folder raises; the list stays.
    EXPECT_THROW(files->ApplyFilePath(fx.Path("Src/new.txt")), EInOutError);
    EXPECT_EQ(files->GetDirectory(), fx.Path("Src"));
    EXPECT_EQ(ItemsOf(files).size(), 4u);

    edit->Free();
    files->ApplyFilePath("notes.txt");
    EXPECT_EQ(files->GetFileEdit(), nullptr);
}

TEST_F(FileControls, FoldersThatCannotBeEnteredOrRead)
{
    auto* dirs = Put<TskSkinDirectoryListBox>(10, 10);
    auto* files = Put<TskSkinFileListBox>(220, 10);
    dirs->SetFileList(files);
    const Items dirItems = ItemsOf(dirs), fileItems = ItemsOf(files);

    EXPECT_THROW(dirs->SetDirectory(fx.Path("missing")), EInOutError);
    SetFolderReader(std::make_shared<RefusingReader>(fx.Path("Src/alpha")));
    try {
        dirs->SetDirectory(fx.Path("Src/alpha"));
        ADD_FAILURE() << "no error";
    } catch (const EInOutError& e) {
        EXPECT_NE(e.Message().find(fx.Path("Src/alpha") + ": Permission denied"), std::string::npos) << e.Message();
    }
    EXPECT_EQ(ItemsOf(dirs), dirItems);
    EXPECT_EQ(ItemsOf(files), fileItems);
    EXPECT_EQ(dirs->GetDirectory(), fx.Path("Src"));
    EXPECT_THROW(files->EnterFolder(fx.Path("Src/alpha")), EInOutError);
    EXPECT_EQ(ItemsOf(files), fileItems);
    EXPECT_EQ(files->GetDirectory(), fx.Path("Src"));
    EXPECT_EQ(GetCurrentDir(), fx.Path("Src"));

    // Made and shown on a working folder that cannot be read: empty lists, no error.
    ASSERT_TRUE(SetCurrentDir(fx.Path("Src/alpha")));
    auto* lateDirs = Put<TskSkinDirectoryListBox>(10, 200);
    auto* lateFiles = Put<TskSkinFileListBox>(220, 200);
    EXPECT_EQ(lateDirs->GetDirectory(), fx.Path("Src/alpha"));
    EXPECT_EQ(lateDirs->Items()->Count(), 0);
    EXPECT_EQ(lateFiles->Items()->Count(), 0);
}

// The shown folder removed by another program: refreshing is refused naming it, the lists stay,
// nothing else on disk changes, and the user can still move up.
TEST_F(FileControls, AShownFolderRemovedFromDisk)
{
    auto* dirs = Put<TskSkinDirectoryListBox>(10, 10);
    auto* files = Put<TskSkinFileListBox>(220, 10);
    dirs->SetFileList(files);
    const std::string alpha = fx.Path("Src/alpha");
    dirs->SetDirectory(alpha);
    const Items dirItems = ItemsOf(dirs), fileItems = ItemsOf(files);
    std::filesystem::remove_all(alpha);

    for (TskSkinCustomListBox* list : {static_cast<TskSkinCustomListBox*>(dirs), static_cast<TskSkinCustomListBox*>(files)}) {
        try {
            if (list == dirs)
                dirs->UpdateList();
            else
                files->UpdateList();
            ADD_FAILURE() << "no error";
        } catch (const EInOutError& e) {
            EXPECT_NE(e.Message().find(alpha), std::string::npos) << e.Message();
        }
    }
    EXPECT_EQ(ItemsOf(dirs), dirItems);
    EXPECT_EQ(ItemsOf(files), fileItems);
    dirs->SetDirectory(fx.Path("Src"));
    EXPECT_EQ(ItemsOf(files), (Items{"notes.txt", "old.bak", "Read.TXT", "run.log"}));
    EXPECT_EQ(GetCurrentDir(), fx.Path("Src"));
}

TEST_F(FileControls, DriveBoxListsTheVolumesAndDrivesTheFolderList)
{
    const std::string data = fx.Path("mnt/data");
    auto* drives = Put<TskSkinDriveComboBox>(10, 10);
    EXPECT_EQ(drives->GetDrive(), "/");
    EXPECT_EQ(ItemsOf(drives->ListBoxWindow()),
              (Items{"/ [file system]", "/media/user/USB Stick", data + " [data]"}));
    EXPECT_EQ(drives->GetItemIndex(), 0);

    drives->SetTextCase(tcUpperCase);
    EXPECT_EQ(drives->Items()->Get(2), data + " [DATA]");
    EXPECT_EQ(drives->GetItemIndex(), 0);

    auto* dirs = Put<TskSkinDirectoryListBox>(10, 40);
    drives->SetDirList(dirs);
    drives->SetItemIndex(2);
    EXPECT_EQ(drives->GetDrive(), data);
    EXPECT_EQ(dirs->GetDirectory(), data);
    EXPECT_EQ(ItemsOf(dirs), PathItems(data, {}));

    // A typed folder on another volume moves the drive box along.
    dirs->SetDirectory(fx.Path("Src/Beta"));
    EXPECT_EQ(drives->GetDrive(), "/");
    EXPECT_EQ(drives->GetItemIndex(), 0);
    EXPECT_EQ(dirs->GetDirectory(), fx.Path("Src/Beta"));

    // A volume that cannot be entered keeps the folder, still reads it again.
    int changes = 0;
    dirs->OnChange = [&](TObject*) { ++changes; };
    drives->SetItemIndex(1);
    EXPECT_EQ(drives->GetDrive(), "/media/user/USB Stick");
    EXPECT_EQ(dirs->GetDirectory(), fx.Path("Src/Beta"));
    EXPECT_EQ(changes, 1);

    dirs->Free();
    drives->SetItemIndex(0);
    EXPECT_EQ(drives->GetDirList(), nullptr);
}

TEST_F(FileControls, DriveKindsFromTheMountsTable)
{
    zdtest::TempDir dir;
    const std::string table = dir.path() + "/mounts";
    std::ofstream(table) << "server:/export /mnt/share nfs4 rw 0 0\n"
                         << "/dev/sr0 /media/user/DVD iso9660 ro 0 0\n"
                         << "/dev/sdb1 /media/user/STICK vfat rw 0 0\n"
                         << "/dev/sdc1 /mnt/disk ext4 rw 0 0\n";
    SetMountsTable(table);
    std::vector<std::pair<std::string, TDriveKind>> kinds;
    for (const TDriveItem& item : BuildDriveList())
        kinds.emplace_back(item.Drive + " " + item.Label, item.Kind);
    const std::vector<std::pair<std::string, TDriveKind>> expected = {
        {"/ [File System]", TDriveKind::Fixed}, {"/mnt/share server:/export", TDriveKind::Network},
        {"/media/user/DVD [DVD]", TDriveKind::CDROM}, {"/media/user/STICK [STICK]", TDriveKind::Removable},
        {"/mnt/disk [disk]", TDriveKind::Fixed}};
    EXPECT_EQ(kinds, expected);
    EXPECT_EQ(VolumeOf("/mnt/disk/a/b"), "/mnt/disk");
    EXPECT_EQ(VolumeOf("/mnt/diskette"), "/");
}

TEST_F(FileControls, LetterCaseFollowsTheVolume)
{
    zdtest::TempDir dir;
    const std::string table = dir.path() + "/mounts";
    std::ofstream(table) << "/dev/sdb1 " << fx.Path("Src") << " vfat rw 0 0\n"
                         << "/dev/sdc1 " << fx.Path("Docs") << " msdos rw 0 0\n";
    SetMountsTable(table);
    struct Case { std::string path; bool preserve, sensitive; std::string shown; } cases[] = {
        {fx.Path("Src/alpha"), true, false, "MiXed"},
        {fx.Path("Docs"), false, false, "mixed"},
        {fx.Home(), true, true, "MiXed"},
    };
    auto* dirs = Put<TskSkinDirectoryListBox>(10, 10);
    for (const Case& c : cases) {
        dirs->SetDirectory(c.path);
        EXPECT_EQ(dirs->PreserveCase(), c.preserve) << c.path;
        EXPECT_EQ(dirs->CaseSensitive(), c.sensitive) << c.path;
        EXPECT_EQ(dirs->DisplayCase("MiXed"), c.shown) << c.path;
    }
    // On a volume that matches without regard to case, the same folder in other letters is the
    // folder shown: nothing is entered.
    dirs->SetDirectory(fx.Path("Src"));
    int changes = 0;
    dirs->OnChange = [&](TObject*) { ++changes; };
    dirs->SetDirectory(fx.Path("Src").substr(0, fx.Path("Src").size() - 3) + "SRC");
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(dirs->GetDirectory(), fx.Path("Src"));
}

TEST_F(FileControls, FilterBoxSetsTheFileListMask)
{
    auto* files = Put<TskSkinFileListBox>(10, 40);
    auto* filter = Put<TskSkinFilterComboBox>(10, 10);
    filter->SetFileList(files);
    filter->SetFilter("Text|*.txt|Logs|*.log;*.bak|All|*.*");
    EXPECT_EQ(files->GetMask(), "*.txt");
    EXPECT_EQ(ItemsOf(files), (Items{"notes.txt", "Read.TXT"}));
    filter->SetItemIndex(1);
    EXPECT_EQ(ItemsOf(files), (Items{"old.bak", "run.log"}));

    // A new window builds the filters again, from the first. In the edit style the Down key
    // only clicks: the file list follows all the same.
    filter->SetStyle(TskSkinCustomComboBoxStyle::skcbEditStyle);
    EXPECT_EQ(files->GetMask(), "*.txt");
    filter->Edit()->SetFocus();
    Pump();
    kit.PressKey(VK_DOWN);
    Pump();
    EXPECT_EQ(filter->GetItemIndex(), 1);
    EXPECT_EQ(files->GetMask(), "*.log;*.bak");

    // Without filters the box has nothing to select: the mask is "*.*", and reading it from the
    // selection handler does not recurse.
    filter->SetFilter("");
    EXPECT_EQ(files->GetMask(), "*.*");
    EXPECT_EQ(filter->GetMask(), "*.*");

    files->Free();
    filter->SetFilter("Text|*.txt");
    EXPECT_EQ(filter->GetFileList(), nullptr);
}

} // namespace
