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
#include "skin/input/skShellComboBox.h"
#include "skin/input/skShellListView.h"
#include "skin/input/skShellTreeView.h"

#include <QLocale>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <set>

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

} // namespace
