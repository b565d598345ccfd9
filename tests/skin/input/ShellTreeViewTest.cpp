// The shell folder tree over the fixture tree: the root node and lazy levels, roots and paths
// (with their refusals), expanding files and unreadable folders, the add filter, refreshing,
// renaming in place, the links to the look-in box and a file list, and watching a folder.

#include "ShellFixture.h"
#include "SkinFormSupport.h"

#include "app/artwork/ArtworkResources.h"
#include "classlib/FileSystem.h"
#include "platform/kernel/MainThread.h"
#include "skin/input/skShellComboBox.h"
#include "skin/input/skShellTreeView.h"

#include <QLocale>
#include <filesystem>

namespace fs = std::filesystem;

namespace {

class ShellTreeView : public SkinFormTest {
protected:
    void SetUp() override
    {
        QLocale::setDefault(QLocale::c());
        RegisterArtworkBitmaps();
        form = ShownForm(300, 400);
        tree = new TskSkinDirTreeView(form);
        tree->SetParent(form);
        tree->SetBounds(0, 0, 300, 400);
        Pump();
    }
    void TearDown() override
    {
        SetFolderReader(nullptr);
        SkinFormTest::TearDown();
    }
    static std::vector<std::string> Children(TTreeNode* node)
    {
        std::vector<std::string> texts;
        for (int i = 0; node && i < node->Count(); ++i)
            texts.push_back(node->Item(i)->GetText());
        return texts;
    }
    TTreeNode* Root() const { return tree->Items()->GetFirstNode(); }
    TTreeNode* Child(TTreeNode* node, const std::string& text) const
    {
        for (int i = 0; node && i < node->Count(); ++i)
            if (node->Item(i)->GetText() == text)
                return node->Item(i);
        return nullptr;
    }
    TTreeNode* HomeNode()
    {
        tree->SetPath(fx.Home());
        return tree->GetSelected();
    }

    ShellFixture fx;
    TForm* form = nullptr;
    TskSkinDirTreeView* tree = nullptr;
};

const std::vector<std::string> desktopChildren{"Computer", "Home", "Docs", "Docs", "linkdir", "mnt", "sub"};

TEST_F(ShellTreeView, AFreshTreeShowsTheDesktopOneLevelDeep)
{
    ASSERT_EQ(tree->Items()->Roots().size(), 1u);
    TTreeNode* root = Root();
    EXPECT_EQ(root->GetText(), "Desktop");
    EXPECT_TRUE(root->GetExpanded());
    EXPECT_EQ(tree->GetSelected(), root);
    EXPECT_FALSE(tree->GetShowRoot());
    EXPECT_EQ(Children(root), desktopChildren);
    TTreeNode* computer = Child(root, "Computer");
    EXPECT_TRUE(computer->GetHasChildren());
    EXPECT_EQ(computer->Count(), 0);  // not read before it expands
    EXPECT_EQ(computer->GetImageIndex(), static_cast<int>(ShellIconKind::Computer));
    EXPECT_EQ(Child(root, "sub")->GetSelectedIndex(), static_cast<int>(ShellIconKind::OpenFolder));
    EXPECT_EQ(tree->GetPath(), fx.Home());  // the desktop folder is home here

    tree->ExpandMyComputer();
    EXPECT_EQ(tree->GetSelected(), computer);
    EXPECT_EQ(Children(computer), (std::vector<std::string>{"File System", "USB Stick", "data"}));
    EXPECT_EQ(tree->GetPath(), "");
}

TEST_F(ShellTreeView, RootsAndPathsSelectOrRefuse)
{
    tree->SetPath(fx.Path("sub/deeper"));
    ASSERT_NE(tree->GetSelected(), nullptr);
    EXPECT_EQ(tree->GetSelected()->GetText(), "deeper");
    EXPECT_EQ(tree->GetPath(), fx.Path("sub/deeper"));
    // The way went through Computer and the file system, each expanded.
    for (TTreeNode* n = tree->GetSelected()->GetParent(); n; n = n->GetParent())
        EXPECT_TRUE(n->GetExpanded()) << n->GetText();
    EXPECT_FALSE(tree->GetSelected()->GetHasChildren());  // deeper has no subfolders

    TTreeNode* before = tree->GetSelected();
    EXPECT_THROW(tree->SetPath("relative/name"), EInvalidPath);
    EXPECT_EQ(tree->GetSelected(), before);

    tree->SetRoot("rfdesktop");
    EXPECT_EQ(tree->GetRoot(), "rfDesktop");
    EXPECT_EQ(tree->GetSelected(), before);
    try {
        tree->SetRoot("bogus");
        FAIL() << "no error";
    } catch (const Exception& e) {
        EXPECT_STREQ(e.what(), "Error setting path: \"bogus\"");
    }
    EXPECT_EQ(tree->GetRoot(), "rfDesktop");
    EXPECT_EQ(Children(Root()), desktopChildren);

    tree->SetRoot(fx.Path("sub"));
    EXPECT_EQ(Root()->GetText(), "sub");
    EXPECT_EQ(Children(Root()), (std::vector<std::string>{"deeper"}));
    tree->SetPath(fx.Path("Docs"));
    EXPECT_EQ(tree->GetSelected(), nullptr);
}

TEST_F(ShellTreeView, ExpandingFilesUnreadableFoldersAndTheAddFilter)
{
    // A folder that cannot be read expands to nothing and loses its button.
    SetFolderReader(std::make_shared<RefusingReader>(fx.Path("sub")));
    TTreeNode* sub = Child(Root(), "sub");
    ASSERT_TRUE(sub->GetHasChildren());
    sub->Expand(false);
    EXPECT_EQ(sub->Count(), 0);
    EXPECT_FALSE(sub->GetHasChildren());
    SetFolderReader(nullptr);

    // With files listed, expanding one opens it and adds nothing.
    tree->SetObjectTypes(TShellObjectTypes{otFolders, otNonFolders});
    TTreeNode* file = Child(Root(), "a.avi");
    ASSERT_NE(file, nullptr);
    file->Expand(false);
    EXPECT_EQ(file->Count(), 0);
    EXPECT_EQ(kit.OpenedTargets(), (std::vector<std::string>{fx.Path("a.avi")}));

    // A refused folder stays out on every expansion and refresh.
    tree->OnAddFolder = [](TObject*, TskShellFolder* folder, bool& canAdd) { canAdd = folder->DisplayName() != "sub"; };
    tree->SetObjectTypes(TShellObjectTypes{otFolders});
    EXPECT_EQ(Children(Root()), (std::vector<std::string>{"Computer", "Home", "Docs", "Docs", "linkdir", "mnt"}));
    tree->Refresh(Root());
    EXPECT_EQ(Children(Root()), (std::vector<std::string>{"Computer", "Home", "Docs", "Docs", "linkdir", "mnt"}));
}

TEST_F(ShellTreeView, RefreshKeepsExpandedFoldersAndTheSelection)
{
    TTreeNode* home = Child(Root(), "Home");
    home->Expand(false);
    Child(home, "sub")->Expand(false);
    tree->SetSelected(Child(Child(home, "sub"), "deeper"));
    fs::create_directory(fx.Path("sub/added"));
    fs::remove(fx.Path("Docs"));

    tree->Refresh(Root());
    home = Child(Root(), "Home");
    ASSERT_NE(home, nullptr);
    EXPECT_TRUE(home->GetExpanded());
    EXPECT_EQ(Children(home), (std::vector<std::string>{"linkdir", "mnt", "sub"}));
    TTreeNode* sub = Child(home, "sub");
    EXPECT_TRUE(sub->GetExpanded());
    EXPECT_EQ(Children(sub), (std::vector<std::string>{"added", "deeper"}));
    EXPECT_EQ(tree->GetSelected(), Child(sub, "deeper"));
    EXPECT_EQ(Children(Root()), (std::vector<std::string>{"Computer", "Home", "linkdir", "mnt", "sub"}));
}

TEST_F(ShellTreeView, LabelsRenameFoldersOnDisk)
{
    std::vector<std::string> errors;
    Application->OnException = [&](TObject*, const std::exception& e) { errors.push_back(e.what()); };
    auto rename = [&](TTreeNode* node, const std::string& name) {
        ASSERT_TRUE(node->EditText());
        HWND edit = reinterpret_cast<HWND>(SendMessage(tree->GetHandle(), TVM_GETEDITCONTROL, 0, 0));
        SetWindowText(edit, name.c_str());
        kit.PressKey(VK_RETURN);
        Pump();
    };
    rename(Child(Root(), "sub"), "renamed");
    EXPECT_TRUE(fs::is_directory(fx.Path("renamed/deeper")));
    // The parent is read again: the link to the old name dangles now and is no folder.
    EXPECT_EQ(Children(Root()), (std::vector<std::string>{"Computer", "Home", "Docs", "Docs", "mnt", "renamed"}));
    EXPECT_TRUE(errors.empty());

    // Onto an existing name: refused, nothing lost, the label stays.
    rename(Child(Root(), "renamed"), "mnt");
    EXPECT_EQ(errors, (std::vector<std::string>{"Rename to mnt failed"}));
    EXPECT_TRUE(fs::is_directory(fx.Path("renamed/deeper")));
    EXPECT_TRUE(fs::is_directory(fx.Path("mnt/data")));
    EXPECT_NE(Child(Root(), "renamed"), nullptr);

    // The root and Computer cannot be renamed; nothing is refreshed above the root.
    errors.clear();
    rename(Root(), "Elsewhere");
    rename(Child(Root(), "Computer"), "Mine");
    EXPECT_EQ(Root()->GetText(), "Desktop");
    EXPECT_NE(Child(Root(), "Computer"), nullptr);
    EXPECT_TRUE(errors.empty());
}

TEST_F(ShellTreeView, TheContextMenusVerbs)
{
    TTreeNode* sub = Child(Root(), "sub");
    tree->SetSelected(sub);
    bool handled = false;
    tree->ExecuteCommand("Rename", handled);
    EXPECT_TRUE(handled);
    EXPECT_TRUE(tree->IsEditing());
    sub->EndEdit(true);

    const std::string working = GetCurrentDir();
    handled = false;
    tree->ExecuteCommand("OPEN", handled);
    EXPECT_FALSE(handled);  // the shell runs it, in the folder that holds the item
    EXPECT_EQ(GetCurrentDir(), fx.Home());
    tree->CommandCompleted("open", true);
    EXPECT_EQ(GetCurrentDir(), working);

    // A delete that failed or left the folder keeps the node; one that removed it drops it.
    tree->CommandCompleted("delete", false);
    tree->CommandCompleted("delete", true);
    EXPECT_EQ(Child(Root(), "sub"), sub);
    fs::remove_all(fx.Path("sub"));
    tree->CommandCompleted("delete", true);
    EXPECT_EQ(Child(Root(), "sub"), nullptr);
}

TEST_F(ShellTreeView, LinkedViewsFollowEachOther)
{
    auto* box = new TskSkinShellComboBox(form);
    box->SetParent(form);
    box->SetBounds(0, 0, 200, 22);
    auto* list = new FakeListLink(form);
    tree->SetRoot(fx.Path("sub"));
    tree->SetShellComboBox(box);
    tree->SetShellListView(list);
    EXPECT_EQ(box->GetRoot(), fx.Path("sub"));
    EXPECT_EQ(box->GetShellTreeView(), tree);
    EXPECT_EQ(list->tree, tree);
    EXPECT_EQ(list->calls, (std::vector<std::string>{"root " + fx.Path("sub")}));
    list->calls.clear();

    // The tree moves: the box rebuilds around the folder and the list follows.
    tree->SetSelected(Child(Root(), "deeper"));
    EXPECT_EQ(box->GetText(), "deeper");
    EXPECT_EQ(list->calls, (std::vector<std::string>{"follow deeper"}));
    list->calls.clear();

    // A choice in the box moves the tree and the list.
    box->SetItemIndex(0);
    EXPECT_EQ(tree->GetSelected(), Root());
    EXPECT_EQ(list->calls, (std::vector<std::string>{"follow sub"}));

    // A new root in the box reaches the tree; freed partners are forgotten.
    box->SetRoot("rfDesktop");
    EXPECT_EQ(tree->GetRoot(), "rfDesktop");
    EXPECT_EQ(Root()->GetText(), "Desktop");
    box->Free();
    list->Free();
    EXPECT_EQ(tree->GetShellComboBox(), nullptr);
    EXPECT_EQ(tree->GetShellListView(), nullptr);
    tree->SetSelected(Child(Root(), "sub"));
}

TEST_F(ShellTreeView, AWatchingTreeRefreshesTheSelectedFolder)
{
    // The watch moves to each newly selected folder.
    tree->SetAutoRefresh(true);
    TTreeNode* sub = Child(Root(), "sub");
    tree->SetSelected(sub);
    sub->Expand(false);
    fs::create_directory(fx.Path("sub/appeared"));
    ASSERT_TRUE(MainThread::WaitServing(
        [&] {
            TTreeNode* now = Child(Root(), "sub");
            return now && Child(now, "appeared");
        },
        10000));
    EXPECT_EQ(tree->GetSelected()->GetText(), "sub");
    tree->SetAutoRefresh(false);
}

} // namespace
