// The shell file list over the fixture tree: listing through masks, the rows asked for only when
// painted, sorting by the columns (and a file gone since listing), navigating by keys and clicks,
// unreadable folders, renaming in place, the links to the tree and the look-in box, watching the
// folder, the view styles and the skin's look.

#include "ShellFixture.h"
#include "SkinFormSupport.h"

#include "app/artwork/ArtworkResources.h"
#include "classlib/FileSystem.h"
#include "platform/kernel/MainThread.h"
#include "skin/form/FormSkin.h"
#include "skin/form/skFrameMenu.h"
#include "skin/form/skSkinMenus.h"
#include "skin/core/skDataSkinControls.h"
#include "skin/input/skShellComboBox.h"
#include "skin/input/skShellListView.h"
#include "skin/input/skShellTreeView.h"

#include <QLocale>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <set>
#include <thread>

namespace fs = std::filesystem;

namespace {

// The list with its protected hooks in reach, recording the rows it was asked for.
class ProbedListView : public TskSkinFileListView {
public:
    using TskSkinFileListView::TskSkinFileListView;
    void ClickColumn(int Index) { ColClick(Columns()->Items(Index)); }
    std::set<int> Fetched;

protected:
    bool OwnerDataFetch(TListItem* Item, TItemRequest Request) override
    {
        Fetched.insert(Item->GetIndex());
        return TskSkinFileListView::OwnerDataFetch(Item, Request);
    }
};

class ShellListView : public SkinFormTest {
protected:
    void SetUp() override
    {
        QLocale::setDefault(QLocale::c());
        RegisterArtworkBitmaps();
        form = ShownForm(400, 300);
        list = new ProbedListView(form);
        list->SetParent(form);
        list->SetBounds(0, 0, 400, 300);
        list->SetRoot(fx.Home());
        Pump();
        Application->OnException = [this](TObject*, const std::exception& e) { errors.push_back(e.what()); };
    }
    void TearDown() override
    {
        SetFolderReader(nullptr);
        SkinFormTest::TearDown();
    }
    std::vector<std::string> Names() const
    {
        std::vector<std::string> names;
        for (int i = 0; i < list->FolderCount(); ++i)
            names.push_back(list->Folders(i)->DisplayName());
        return names;
    }
    int Row(const std::string& Name) const
    {
        for (int i = 0; i < list->FolderCount(); ++i)
            if (list->Folders(i)->DisplayName() == Name)
                return i;
        return -1;
    }
    std::string SelectedName() const
    {
        const TskShellFolder* folder = list->SelectedFolder();
        return folder ? folder->DisplayName() : "(none)";
    }
    void Key(UINT Vk)
    {
        list->SetFocus();
        kit.PressKey(Vk);
        kit.ReleaseKey(Vk);
        Pump();
    }
    POINT RowPoint(int Index)
    {
        RECT r{LVIR_LABEL, 0, 0, 0};
        SendMessage(list->GetHandle(), LVM_GETITEMRECT, static_cast<WPARAM>(Index), reinterpret_cast<LPARAM>(&r));
        return ScreenOf(list, r.left + 5, (r.top + r.bottom) / 2);
    }

    ShellFixture fx;
    TForm* form = nullptr;
    ProbedListView* list = nullptr;
    std::vector<std::string> errors;
    const std::string bad = "\xEF\xBF\xBD";  // U+FFFD
};

const std::vector<std::string> homeFolders{"Docs", "linkdir", "mnt", "sub"};

TEST_F(ShellListView, ListsFoldersFirstThenFilesThroughTheMask)
{
    EXPECT_EQ(list->GetPath(), fx.Home());
    EXPECT_TRUE(list->GetOwnerData());
    struct Case {
        std::string mask;
        std::vector<std::string> files;
    } cases[] = {
        // "*.*" takes dot-less names too, as the shell model's masks do.
        {"*.*|*.*", {"a.avi", "B.AVI", "caf" + bad + ".txt", "dangling", "noext", "中文.mp4"}},
        {"*.avi", {"a.avi", "B.AVI"}},
        {"*.AVI; *.mp4", {"a.avi", "B.AVI", "中文.mp4"}},
        {"*.avi;", {"a.avi", "B.AVI"}},
        {"noext|*.mp4", {"noext", "中文.mp4"}},
        {"", {}},
    };
    for (const Case& c : cases) {
        list->SetMask(c.mask);
        std::vector<std::string> expected = homeFolders;
        expected.insert(expected.end(), c.files.begin(), c.files.end());
        EXPECT_EQ(Names(), expected) << c.mask;
        EXPECT_EQ(list->Items()->Count(), list->FolderCount()) << c.mask;
    }
    list->SetMask("*.*");
    list->SetObjectTypes(TShellObjectTypes{otNonFolders, otHidden});
    EXPECT_EQ(Names(), (std::vector<std::string>{".hidden", "a.avi", "B.AVI", "caf" + bad + ".txt", "dangling", "noext", "中文.mp4"}));

    std::vector<std::string> offered;
    list->OnAddFolder = [&](TObject*, TskShellFolder* Folder, bool& CanAdd) {
        offered.push_back(Folder->DisplayName());
        CanAdd = CanAdd && Folder->DisplayName() != "noext";
    };
    list->SetMask("*.avi");
    EXPECT_EQ(offered.size(), 7u);  // every child is offered, with the mask's verdict
    EXPECT_EQ(Names(), (std::vector<std::string>{"a.avi", "B.AVI"}));
}

TEST_F(ShellListView, AsksOnlyForThePaintedRows)
{
    const std::string many = fx.Path("many");
    fs::create_directory(many);
    for (int i = 0; i < 300; ++i)
        std::ofstream(many + "/f" + std::to_string(1000 + i) + ".avi") << std::string(static_cast<std::size_t>(i), 'x');
    list->SetViewStyle(TViewStyle::vsReport);
    list->SetPath(many);
    list->Fetched.clear();
    list->Repaint();
    Pump();
    ASSERT_EQ(list->FolderCount(), 300);
    const int perPage = list->VisibleRowCount();
    ASSERT_GT(perPage, 5);
    ASSERT_FALSE(list->Fetched.empty());
    EXPECT_LE(*list->Fetched.rbegin(), perPage);  // the rows shown, not the 300
    // The details shown are the painted rows' own.
    EXPECT_EQ(list->Items()->Item(7)->SubItems()->Get(0), "7");
    EXPECT_EQ(list->Columns()->Count(), 4);
    EXPECT_EQ(list->Columns()->Items(3)->GetCaption(), "Modified");

    list->Fetched.clear();
    list->Scroll(0, perPage * 1000);  // far past the end: the last page
    Pump();
    ASSERT_FALSE(list->Fetched.empty());
    EXPECT_GE(*list->Fetched.begin(), 300 - perPage - 1);
}

TEST_F(ShellListView, KeysAndDoubleClicksNavigate)
{
    int pathChanges = 0;
    list->OnPathChanged = [&](TObject*) { ++pathChanges; };
    int doubleClicks = 0;
    list->OnDblClick = [&](TObject*) { ++doubleClicks; };

    // Type-ahead picks the row, arrows move, Enter enters a folder.
    list->SetViewStyle(TViewStyle::vsList);
    list->SetFocus();
    kit.PressKey('M');
    Pump();
    EXPECT_EQ(SelectedName(), "mnt");
    Key(VK_DOWN);
    EXPECT_EQ(SelectedName(), "sub");
    Key(VK_UP);
    Key(VK_UP);
    EXPECT_EQ(SelectedName(), "linkdir");
    Key(VK_RETURN);  // a folder link is entered
    EXPECT_EQ(list->GetPath(), fx.Path("linkdir"));
    EXPECT_EQ(Names(), (std::vector<std::string>{"deeper"}));
    EXPECT_EQ(pathChanges, 1);
    Key(VK_BACK);
    EXPECT_EQ(list->GetPath(), fx.Home());
    EXPECT_EQ(pathChanges, 2);

    // Typed characters within a second make one prefix; after a pause a new one starts.
    list->SetFocus();
    kit.PressKey('S');
    kit.PressKey('U');
    Pump();
    EXPECT_EQ(SelectedName(), "sub");
    kit.Advance(1500);
    kit.PressKey('A');
    Pump();
    EXPECT_EQ(SelectedName(), "a.avi");

    // A double click on a file only raises the event; on a folder it enters it too.
    kit.Click(RowPoint(Row("a.avi")));
    kit.Click(RowPoint(Row("a.avi")));
    Pump();
    EXPECT_EQ(doubleClicks, 1);
    EXPECT_EQ(list->GetPath(), fx.Home());
    kit.Advance(1000);
    kit.Click(RowPoint(Row("sub")));
    kit.Click(RowPoint(Row("sub")));
    Pump();
    EXPECT_EQ(doubleClicks, 2);
    EXPECT_EQ(list->GetPath(), fx.Path("sub"));
    EXPECT_EQ(pathChanges, 3);

    // Enter on a file does nothing; F5 reads the folder again and keeps the row selected.
    list->SetPath(fx.Home());
    list->SetItemIndex(Row("noext"));
    Key(VK_RETURN);
    EXPECT_EQ(list->GetPath(), fx.Home());
    std::ofstream(fx.Path("aaa.avi")) << "x";
    const int selected = list->GetItemIndex();
    Key(VK_F5);
    EXPECT_EQ(Row("aaa.avi"), Row("a.avi") + 1);
    EXPECT_EQ(list->GetItemIndex(), selected);
    // Also the last row.
    list->SetItemIndex(list->FolderCount() - 1);
    list->Refresh();
    EXPECT_EQ(list->GetItemIndex(), list->FolderCount() - 1);

    // Alt+Enter without a selection does nothing; without AutoNavigate the keys only report.
    list->ClearSelection();
    list->SetFocus();
    kit.PressKey(VK_MENU);
    kit.PressKey(VK_RETURN);
    kit.ReleaseKey(VK_RETURN);
    kit.ReleaseKey(VK_MENU);
    Pump();
    EXPECT_EQ(list->GetPath(), fx.Home());
    list->SetAutoNavigate(false);
    list->SetItemIndex(Row("sub"));
    Key(VK_RETURN);
    Key(VK_BACK);
    EXPECT_EQ(list->GetPath(), fx.Home());
    EXPECT_TRUE(errors.empty());
}

TEST_F(ShellListView, UpwardsAndByPath)
{
    list->SetPath(fx.Path("sub/deeper"));
    list->Back();
    EXPECT_EQ(list->GetPath(), fx.Path("sub"));
    list->SetRoot("rfDesktop");
    EXPECT_EQ(list->RootFolder()->AbsoluteID(), ShellItemId());
    const std::vector<std::string> desktop = Names();
    list->Back();  // the desktop has no parent
    EXPECT_EQ(Names(), desktop);
    EXPECT_EQ(desktop.front(), "Computer");

    for (const std::string& text : {std::string("/no/such/folder"), std::string("relative")}) {
        try {
            list->SetPath(text);
            ADD_FAILURE() << text;
        } catch (const EInvalidPath& e) {
            EXPECT_EQ(e.what(), "Error setting path: \"" + text + "\"");
        }
    }
    try {
        list->SetRoot("rfNoSuchRoot");
        ADD_FAILURE();
    } catch (const EInvalidPath& e) {
        EXPECT_STREQ(e.what(), "Error setting path: \"rfNoSuchRoot\"");
    }
    EXPECT_EQ(list->GetRoot(), "rfDesktop");
    EXPECT_EQ(Names(), desktop);
}

TEST_F(ShellListView, AnUnreadableFolderKeepsTheViewWhereItWas)
{
    SetFolderReader(std::make_shared<RefusingReader>(fx.Path("sub")));
    list->SetItemIndex(Row("sub"));
    const std::vector<std::string> before = Names();
    Key(VK_RETURN);
    EXPECT_EQ(errors, (std::vector<std::string>{"Cannot open folder \"" + fx.Path("sub") + "\": Permission denied"}));
    EXPECT_EQ(list->GetPath(), fx.Home());
    EXPECT_EQ(Names(), before);
    EXPECT_EQ(SelectedName(), "sub");
    try {
        list->SetPath(fx.Path("a.avi"));
        ADD_FAILURE();
    } catch (const EInvalidPath& e) {
        EXPECT_EQ(std::string(e.what()), "Cannot open folder \"" + fx.Path("a.avi") + "\": Not a directory");
    }
    // An archive is a file: listed through the mask and never entered.
    std::ofstream(fx.Path("pack.ZIP")) << "PK";
    list->SetMask("*.zip");
    list->SetItemIndex(Row("pack.ZIP"));
    Key(VK_RETURN);
    EXPECT_EQ(list->GetPath(), fx.Home());
    EXPECT_EQ(list->GetSelectedFile(), fx.Path("pack.ZIP"));
}

TEST_F(ShellListView, MultiSelectGivesTheSelectedFilesInRowOrder)
{
    list->SetMultiSelect(true);
    Pump();
    kit.Click(RowPoint(Row("B.AVI")));
    Pump();
    SendMessage(list->GetHandle(), WM_LBUTTONDOWN, MK_SHIFT, MAKELPARAM(RowPoint(0).x - list->ClientToScreen(POINT{0, 0}).x,
                                                                           RowPoint(0).y - list->ClientToScreen(POINT{0, 0}).y));
    Pump();
    // Shift takes the range from the anchor: rows 0 .. B.AVI, folders among them.
    EXPECT_EQ(list->GetSelCount(), Row("B.AVI") + 1);
    auto files = std::make_unique<TStringList>();
    list->GetSelectedFiles(files.get());
    EXPECT_EQ(files->Count(), 2);
    EXPECT_EQ(files->Get(0), fx.Path("a.avi"));
    EXPECT_EQ(files->Get(1), fx.Path("B.AVI"));
    // Ctrl adds and removes single rows.
    const POINT origin = list->ClientToScreen(POINT{0, 0});
    const POINT noext = RowPoint(Row("noext"));
    SendMessage(list->GetHandle(), WM_LBUTTONDOWN, MK_CONTROL, MAKELPARAM(noext.x - origin.x, noext.y - origin.y));
    const POINT a = RowPoint(Row("a.avi"));
    SendMessage(list->GetHandle(), WM_LBUTTONDOWN, MK_CONTROL, MAKELPARAM(a.x - origin.x, a.y - origin.y));
    list->GetSelectedFiles(files.get());
    EXPECT_EQ(files->Count(), 2);
    EXPECT_EQ(files->Get(0), fx.Path("B.AVI"));
    EXPECT_EQ(files->Get(1), fx.Path("noext"));
}

TEST_F(ShellListView, RenameFromTheContextMenuRenamesOnDisk)
{
    InstallSkinMenus();
    auto skin = skinform::ArtworkSkin(0);
    auto* frame = new TskFormSkin(form);
    frame->SetSkinData(skin.get());
    Pump();
    auto renameBy = [&](const std::string& Row_, const std::string& NewName) {
        list->SetItemIndex(Row(Row_));
        kit.WhenIdle([&] {
            auto* manager = dynamic_cast<TskSkinMenu*>(frame->SkinMenu());
            TskSkinPopupWindow* w = manager->PopupWindow(0);
            const RECT& r = w->Item(1)->ObjectRect;  // "Rename"
            kit.Click(POINT{w->GetLeft() + (r.left + r.right) / 2, w->GetTop() + (r.top + r.bottom) / 2});
        });
        const POINT at = RowPoint(Row(Row_));
        SendMessage(list->GetHandle(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(list->GetHandle()), MAKELPARAM(at.x, at.y));
        ASSERT_TRUE(list->IsEditing());
        HWND edit = reinterpret_cast<HWND>(SendMessage(list->GetHandle(), LVM_GETEDITCONTROL, 0, 0));
        EXPECT_EQ(GetWindowText(edit), Row_);
        SetWindowText(edit, NewName.c_str());
        kit.PressKey(VK_RETURN);
        Pump();
        EXPECT_FALSE(list->IsEditing());
    };
    renameBy("a.avi", "renamed.avi");
    EXPECT_TRUE(fs::exists(fx.Path("renamed.avi")));
    EXPECT_FALSE(fs::exists(fx.Path("a.avi")));
    EXPECT_NE(Row("renamed.avi"), -1);
    EXPECT_TRUE(errors.empty());

    // Onto an existing name: refused, both files stay.
    renameBy("renamed.avi", "B.AVI");
    EXPECT_EQ(errors, (std::vector<std::string>{"Rename to B.AVI failed"}));
    EXPECT_TRUE(fs::exists(fx.Path("renamed.avi")));
    std::ifstream kept(fx.Path("B.AVI"));
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(kept), {}), "x");
    EXPECT_NE(Row("renamed.avi"), -1);

    // Confirming the name unchanged is no rename and no error.
    errors.clear();
    renameBy("renamed.avi", "renamed.avi");
    EXPECT_TRUE(errors.empty());
    EXPECT_TRUE(fs::exists(fx.Path("renamed.avi")));
    SetFrameMenuFactory(nullptr);
}

TEST_F(ShellListView, LinkedViewsMoveTogether)
{
    auto* box = new TskSkinShellComboBox(form);
    box->SetParent(form);
    box->SetBounds(0, 0, 200, 22);
    auto* tree = new TskSkinDirTreeView(form);
    tree->SetParent(form);
    tree->SetBounds(0, 30, 150, 200);
    list->SetBounds(160, 30, 240, 200);
    list->SetShellComboBox(box);
    list->SetShellTreeView(tree);
    Pump();
    EXPECT_EQ(box->GetShellListView(), list);
    EXPECT_EQ(tree->GetShellListView(), list);
    EXPECT_EQ(list->GetRoot(), fx.Home());
    EXPECT_EQ(tree->GetRoot(), fx.Home());

    // A choice in the look-in box moves the tree and the list.
    const int docs = box->IndexOfIdList(*ShellParsePath(fx.Path("Docs")));
    ASSERT_GE(docs, 0);
    box->SetItemIndex(docs);
    Pump();
    EXPECT_EQ(list->GetPath(), fx.Path("Docs"));
    EXPECT_EQ(tree->GetPath(), fx.Path("Docs"));

    // Moving in the list rebuilds the box around the new folder and selects it in the tree.
    list->SetPath(fx.Path("sub/deeper"));
    EXPECT_EQ(box->GetText(), "deeper");
    EXPECT_EQ(box->GetPath(), fx.Path("sub/deeper"));
    EXPECT_EQ(tree->GetPath(), fx.Path("sub/deeper"));
    Key(VK_BACK);
    EXPECT_EQ(box->GetText(), "sub");
    EXPECT_EQ(tree->GetPath(), fx.Path("sub"));

    // A choice in the tree moves the list and the box.
    tree->SetPath(fx.Path("mnt"));
    EXPECT_EQ(list->GetPath(), fx.Path("mnt"));
    EXPECT_EQ(box->GetText(), "mnt");

    // Partners freed while linked are forgotten; unlinking clears the back link.
    box->Free();
    EXPECT_EQ(list->GetShellComboBox(), nullptr);
    list->SetShellTreeView(nullptr);
    EXPECT_EQ(tree->GetShellListView(), nullptr);
    list->SetPath(fx.Home());
    EXPECT_EQ(tree->GetPath(), fx.Path("mnt"));
}

TEST_F(ShellListView, AutoRefreshListsNewFilesAndDiesQuietly)
{
    list->SetAutoRefresh(true);
    std::ofstream(fx.Path("appeared.avi")) << "x";
    ASSERT_TRUE(MainThread::WaitServing([&] { return Row("appeared.avi") >= 0; }, 10000));
    // The watch follows the folder shown.
    list->SetPath(fx.Path("sub"));
    std::ofstream(fx.Path("sub/late.avi")) << "x";
    ASSERT_TRUE(MainThread::WaitServing([&] { return Row("late.avi") >= 0; }, 10000));

    // A view freed with a delivery on its way is never called.
    int calls = 0;
    list->OnPathChanged = [&](TObject*) { ++calls; };
    const TskCustomShellChangeNotifier* notifier = nullptr;
    for (int i = 0; i < list->ComponentCount(); ++i)
        if (auto* n = dynamic_cast<TskCustomShellChangeNotifier*>(list->Components(i)))
            notifier = n;
    ASSERT_NE(notifier, nullptr);
    std::ofstream(fx.Path("sub/later.avi")) << "x";
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!notifier->ChangePending() && std::chrono::steady_clock::now() < deadline)
        std::this_thread::yield();
    ASSERT_TRUE(notifier->ChangePending());
    list->Free();
    list = nullptr;
    MainThread::ProcessPendingMessages();
    Pump();
    EXPECT_EQ(calls, 0);
}

TEST_F(ShellListView, FourViewStylesWithTheirIcons)
{
    struct Case {
        TViewStyle style;
        int iconWidth;
        int columns;
    } cases[] = {{TViewStyle::vsIcon, 32, 0}, {TViewStyle::vsSmallIcon, 16, 0}, {TViewStyle::vsList, 16, 0},
                 {TViewStyle::vsReport, 16, 4}};
    for (const Case& c : cases) {
        list->SetViewStyle(c.style);
        Pump();
        RECT icon{LVIR_ICON, 0, 0, 0};
        ASSERT_TRUE(SendMessage(list->GetHandle(), LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&icon)));
        EXPECT_EQ(icon.right - icon.left, c.iconWidth) << static_cast<int>(c.style);
        EXPECT_EQ(list->Items()->Item(Row("a.avi"))->GetImageIndex(),
                  static_cast<int>(ShellItemIconKind(*ShellParsePath(fx.Path("a.avi")), false)));
        if (c.columns) {
            EXPECT_EQ(list->Columns()->Count(), c.columns);
        }
        EXPECT_EQ(list->Items()->Count(), 10);
    }
}

TEST_F(ShellListView, RowsShowKindIconsInTheSkinsColours)
{
    std::ofstream(fx.Path("R&B.mp3")) << "x";
    list->SetViewStyle(TViewStyle::vsReport);
    list->Refresh();
    auto skin = skinform::ArtworkSkin(0);
    auto* frame = new TskFormSkin(form);
    frame->SetSkinData(skin.get());
    Pump();
    const RECT client = form->GetClientRect();
    list->SetBounds(0, 0, client.right - 10, client.bottom - 10);
    list->SetSkinData(skin.get());
    Pump();
    // Each row: the kind's icon, the name in the skin's font colour on its background.
    auto probe = [&](const TskDataSkinListView& d) {
        auto pixels = PixelsOf(list);
        EXPECT_EQ(pixels(list->GetWidth() - 3, list->GetHeight() - 3), ColorToRGB(d.BGColor));
        auto inkOf = [&](int row, int fromX, int toX) {
            RECT r{LVIR_BOUNDS, 0, 0, 0};
            SendMessage(list->GetHandle(), LVM_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&r));
            std::set<COLORREF> ink;
            for (int y = r.top; y < r.bottom; ++y)
                for (int x = fromX; x < toX; ++x)
                    ink.insert(pixels(x, y));
            ink.erase(ColorToRGB(d.BGColor));
            return ink;
        };
        const std::set<COLORREF> folderIcon = inkOf(Row("sub"), 2, 18), fileIcon = inkOf(Row("a.avi"), 2, 18);
        EXPECT_FALSE(folderIcon.empty());
        EXPECT_FALSE(fileIcon.empty());
        EXPECT_NE(folderIcon, fileIcon);
        EXPECT_TRUE(inkOf(Row("noext"), 22, 120).contains(ColorToRGB(d.FontColor)));
    };
    probe(skinform::Described<TskDataSkinListView>(*skin, "listview"));

    // A name with "&" is drawn as it is: wider than the same name without it.
    const auto textWidth = [&](const std::string& Name) {
        auto pixels = PixelsOf(list);
        RECT r{LVIR_BOUNDS, 0, 0, 0};
        SendMessage(list->GetHandle(), LVM_GETITEMRECT, static_cast<WPARAM>(Row(Name)), reinterpret_cast<LPARAM>(&r));
        int right = 0;
        const COLORREF paper = ColorToRGB(skinform::Described<TskDataSkinListView>(*skin, "listview").BGColor);
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = 22; x < list->Columns()->Items(0)->GetWidth(); ++x)
                if (pixels(x, y) != paper)
                    right = std::max(right, x);
        return right;
    };
    std::ofstream(fx.Path("RB.mp3")) << "x";
    list->Refresh();
    Pump();
    EXPECT_GT(textWidth("R&B.mp3"), textWidth("RB.mp3") + 3);

    // A skin change restyles the list.
    skinform::LoadArtworkSkin(skin.get(), 2);
    Pump();
    const auto& dark = skinform::Described<TskDataSkinListView>(*skin, "listview");
    EXPECT_EQ(ColorToRGB(list->GetColor()), ColorToRGB(dark.BGColor));
    probe(dark);
}

class ShellListSorting : public ShellListView {
protected:
    void SetUp() override
    {
        ShellListView::SetUp();
        folder = fx.Path("sorts");
        fs::create_directories(folder + "/zdir");
        fs::create_directories(folder + "/adir");
        const auto now = fs::file_time_type::clock::now();
        struct File {
            const char* name;
            int size;
            int hoursOld;
        } files[] = {{"b.txt", 3, 1}, {"a.mp4", 10, 5}, {"c.avi", 1, 3}};
        for (const File& f : files) {
            std::ofstream(folder + "/" + f.name) << std::string(static_cast<std::size_t>(f.size), 'x');
            fs::last_write_time(folder + "/" + f.name, now - std::chrono::hours(f.hoursOld));
        }
        fs::last_write_time(folder + "/zdir", now - std::chrono::hours(9));
        fs::last_write_time(folder + "/adir", now - std::chrono::hours(2));
        list->SetViewStyle(TViewStyle::vsReport);
        list->SetPath(folder);
    }
    std::string folder;
};

TEST_F(ShellListSorting, HeaderClicksSortByNameSizeTypeAndDate)
{
    EXPECT_EQ(Names(), (std::vector<std::string>{"adir", "zdir", "a.mp4", "b.txt", "c.avi"}));
    struct Case {
        int column;
        bool descending;
        std::vector<std::string> rows;
    } cases[] = {
        {1, false, {"adir", "zdir", "c.avi", "b.txt", "a.mp4"}},
        // The second click reverses the whole order: folders come last.
        {1, true, {"a.mp4", "b.txt", "c.avi", "zdir", "adir"}},
        {2, false, {"adir", "zdir", "c.avi", "a.mp4", "b.txt"}},  // AVI video, MP4 video, plain text
        {3, false, {"zdir", "adir", "a.mp4", "c.avi", "b.txt"}},
        {3, true, {"b.txt", "c.avi", "a.mp4", "adir", "zdir"}},
        {0, false, {"adir", "zdir", "a.mp4", "b.txt", "c.avi"}},
        {0, true, {"c.avi", "b.txt", "a.mp4", "zdir", "adir"}},
    };
    for (const Case& c : cases) {
        list->ClickColumn(c.column);
        EXPECT_EQ(list->SortColumn(), c.column);
        EXPECT_EQ(list->SortDescending(), c.descending) << c.column;
        EXPECT_EQ(Names(), c.rows) << c.column << (c.descending ? " descending" : "");
    }
    // A refill sorts by the base order again; the next click on the column toggles on.
    list->Refresh();
    EXPECT_EQ(Names(), (std::vector<std::string>{"adir", "zdir", "a.mp4", "b.txt", "c.avi"}));
    list->ClickColumn(0);
    EXPECT_FALSE(list->SortDescending());

    // With fewer than four columns only the first sorts.
    list->Columns()->Delete(3);
    list->ClickColumn(2);
    EXPECT_EQ(list->SortColumn(), 0);
}

TEST_F(ShellListSorting, TheHeaderSortsWhenClicked)
{
    HWND header = reinterpret_cast<HWND>(SendMessage(list->GetHandle(), LVM_GETHEADER, 0, 0));
    ASSERT_NE(header, nullptr);
    RECT r{};
    SendMessage(header, HDM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&r));
    std::vector<std::string> clicked;
    list->OnColumnClick = [&](TObject*, TListColumn* Column) { clicked.push_back(Column->GetCaption()); };
    POINT p{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    ClientToScreen(header, &p);
    kit.Click(p);
    Pump();
    EXPECT_EQ(clicked, (std::vector<std::string>{"Size"}));
    EXPECT_EQ(Names(), (std::vector<std::string>{"adir", "zdir", "c.avi", "b.txt", "a.mp4"}));
}

TEST_F(ShellListSorting, AFileGoneSinceListingHasNoDetailsAndStopsASizeSort)
{
    fs::remove(folder + "/b.txt");
    const int row = Row("b.txt");
    TListItem* item = list->Items()->Item(row);
    EXPECT_EQ(item->GetCaption(), "b.txt");
    EXPECT_EQ(item->SubItems()->Count(), 3);
    for (int i = 0; i < item->SubItems()->Count(); ++i)
        EXPECT_EQ(item->SubItems()->Get(i), "") << i;
    list->Repaint();
    Pump();

    for (int column : {1, 3}) {
        const std::vector<std::string> before = Names();
        try {
            list->ClickColumn(column);
            ADD_FAILURE() << "sorted by " << column;
        } catch (const EInvalidPath& e) {
            EXPECT_STREQ(e.what(), "Unable to retrieve folder details for \"b.txt\". Error code $2");
        }
        EXPECT_EQ(Names(), before);
    }
    // The view goes on: other columns sort, a refresh drops the row.
    list->ClickColumn(0);
    list->ClickColumn(0);
    EXPECT_EQ(Names(), (std::vector<std::string>{"c.avi", "b.txt", "a.mp4", "zdir", "adir"}));
    list->Refresh();
    EXPECT_EQ(Row("b.txt"), -1);
}

} // namespace
