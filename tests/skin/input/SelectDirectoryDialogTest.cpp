// The select-folder dialog, its modal loop scripted: where it starts, the keys and the mouse,
// OK and Cancel with the remembered size, the new-folder button and the path edit, and the
// skin of the tree (rows with kind icons, restyled by a skin change).

#include "ShellFixture.h"
#include "SkinFormSupport.h"

#include "app/artwork/ArtworkResources.h"
#include "classlib/FileSystem.h"
#include "skin/core/skDataSkinControls.h"
#include "skin/input/skSkinSelectDirectoryDialog.h"

#include <QLocale>
#include <filesystem>

namespace fs = std::filesystem;

namespace {

class SelectDirectoryDialog : public SkinFormTest {
protected:
    void SetUp() override
    {
        QLocale::setDefault(QLocale::c());
        RegisterArtworkBitmaps();
        ShownForm(200, 100);
        dialog = new TskSkinSelectDirectoryDialog(Application);
        dialog->OnShow = [this](TObject*) { log.push_back("show"); };
        dialog->OnClose = [this](TObject*) { log.push_back("close"); };
    }
    TskSelDirDlgForm* Form() const { return dialog->Form(); }
    TskSkinDirTreeView* Tree() const { return dialog->Form()->DirTreeView; }
    std::string Selected() const { return Tree()->GetSelected() ? Tree()->GetSelected()->GetText() : ""; }
    // Queues one step for the modal loop.
    void Then(std::function<void()> step)
    {
        kit.WhenIdle([this, step] {
            step();
            Pump();
        });
    }
    void Key(UINT vk)
    {
        kit.PressKey(vk);
        kit.ReleaseKey(vk);
    }
    // The middle of a node's expand button, on the screen.
    POINT ButtonOf(TTreeNode* node) const
    {
        const RECT row = node->DisplayRect(false);
        const int indent = Tree()->GetIndent();
        return Tree()->ClientToScreen(POINT{node->Level() * indent - indent / 2, (row.top + row.bottom) / 2});
    }

    ShellFixture fx;
    TskSkinSelectDirectoryDialog* dialog = nullptr;
    std::vector<std::string> log;
};

TEST_F(SelectDirectoryDialog, StartsAtComputerKeepsItsSizeAndCancelChangesNothing)
{
    std::string start;
    int width = 0, height = 0;
    Then([&] {
        start = Selected();
        width = Form()->GetClientWidth();
        height = Form()->GetClientHeight();
        EXPECT_EQ(Form()->GetCaption(), "Select folder");
        EXPECT_TRUE(Tree()->GetSelected()->GetExpanded());
        EXPECT_EQ(Form()->GetActiveControl(), Tree());
        Form()->SetClientWidth(400);
        Form()->SetClientHeight(330);
    });
    Then([&] { Key(VK_ESCAPE); });
    EXPECT_FALSE(dialog->Execute());
    EXPECT_EQ(start, "Computer");
    EXPECT_EQ(width, 280);
    EXPECT_EQ(height, 280);
    EXPECT_EQ(dialog->GetDirectory(), "");
    EXPECT_EQ(dialog->GetDialogWidth(), 400);
    EXPECT_EQ(dialog->GetDialogHeight(), 330);
    EXPECT_EQ(dialog->Form(), nullptr);
    EXPECT_EQ(log, (std::vector<std::string>{"show", "close"}));

    // The next call opens at the kept size; a start folder that is a file opens at Computer too.
    dialog->SetDirectory(fx.Path("a.avi"));
    Then([&] {
        start = Selected();
        width = Form()->GetClientWidth();
    });
    Then([&] { Form()->Close(); });
    EXPECT_FALSE(dialog->Execute());
    EXPECT_EQ(start, "Computer");
    EXPECT_EQ(width, 400);
    EXPECT_EQ(dialog->GetDirectory(), fx.Path("a.avi"));
}

TEST_F(SelectDirectoryDialog, AnOnCloseThatRaisesStillFreesTheForm)
{
    dialog->OnClose = [](TObject*) { throw Exception("closing failed"); };
    Then([&] { Key(VK_ESCAPE); });
    EXPECT_THROW(dialog->Execute(), Exception);
    EXPECT_EQ(dialog->Form(), nullptr);
    EXPECT_EQ(dialog->GetDialogWidth(), 280);
}

TEST_F(SelectDirectoryDialog, KeysAndTheMouseChooseAFolder)
{
    dialog->SetDirectory(fx.Home());
    std::vector<std::string> seen;
    Then([&] {
        seen.push_back(Selected());
        Key(VK_DOWN);  // the first subfolder of home
    });
    Then([&] {
        seen.push_back(Selected());
        Key(VK_DOWN);
        Key(VK_DOWN);
        Key(VK_DOWN);  // sub
    });
    Then([&] {
        seen.push_back(Selected());
        EXPECT_FALSE(Tree()->GetSelected()->GetExpanded());
        Key(VK_RIGHT);
    });
    Then([&] {
        EXPECT_TRUE(Tree()->GetSelected()->GetExpanded());
        Key(VK_RIGHT);  // into its first child
    });
    Then([&] {
        seen.push_back(Selected());
        Key(VK_RETURN);
    });
    EXPECT_TRUE(dialog->Execute());
    EXPECT_EQ(seen, (std::vector<std::string>{fs::path(fx.Home()).filename().string(), "Docs", "sub", "deeper"}));
    EXPECT_EQ(dialog->GetDirectory(), fx.Path("sub/deeper"));

    // A click on a button expands; OK takes the selection.
    Then([&] {
        TTreeNode* docs = Tree()->GetSelected()->GetParent()->GetParent()->Item(0);
        ASSERT_EQ(docs->GetText(), "Docs");
        EXPECT_FALSE(docs->GetHasChildren());
        TTreeNode* mnt = docs->GetParent()->Item(2);
        ASSERT_EQ(mnt->GetText(), "mnt");
        kit.Click(ButtonOf(mnt));
    });
    Then([&] {
        TTreeNode* mnt = Tree()->GetSelected()->GetParent()->GetParent()->Item(2);
        EXPECT_TRUE(mnt->GetExpanded());
        Tree()->SetSelected(mnt->Item(0));
        kit.Click(Form()->OkButton->ClientToScreen(POINT{10, 10}));
    });
    EXPECT_TRUE(dialog->Execute());
    EXPECT_EQ(dialog->GetDirectory(), fx.Path("mnt/data"));
}

TEST_F(SelectDirectoryDialog, NewFolderAndThePathEdit)
{
    dialog->SetShowToolBar(true);
    dialog->SetDirectory(fx.Path("sub"));
    fs::create_directory(fx.Path("sub/.cache"));
    fs::create_directory(fx.Path("sub/deeper/.only"));
    std::vector<std::string> errors;
    Application->OnException = [&](TObject*, const std::exception& e) { errors.push_back(e.what()); };
    Then([&] {
        EXPECT_EQ(Form()->DirEdit->GetText(), fx.Path("sub"));
        // Dot-folders are listed.
        TTreeNode* sub = Tree()->GetSelected();
        ASSERT_EQ(sub->Count(), 2);
        EXPECT_EQ(sub->Item(0)->GetText(), ".cache");
        // A folder holding only a dot-folder keeps its button.
        EXPECT_TRUE(sub->Item(1)->GetHasChildren());
        kit.Click(Form()->NewFolderToolButton->ClientToScreen(POINT{10, 10}));
    });
    Then([&] {
        EXPECT_TRUE(fs::is_directory(fx.Path("sub/New Folder")));
        EXPECT_NE(Tree()->FindNodeByIdList(*ShellParsePath(fx.Path("sub/New Folder")), Tree()->Items()->GetFirstNode()),
                  nullptr);
        // Again: it exists, nothing happens.
        Form()->NewFolder();
        // A typed path that exists moves the tree; another one does not.
        Form()->DirEdit->SetText(fx.Path("Docs"));
        Form()->DirEdit->SetFocus();
        Key(VK_RETURN);
    });
    Then([&] {
        EXPECT_EQ(Tree()->GetPath(), fx.Path("Docs"));
        Form()->DirEdit->SetText(fx.Path("nothing/here"));
        Key(VK_RETURN);
    });
    Then([&] {
        EXPECT_EQ(Tree()->GetPath(), fx.Path("Docs"));
        // Computer has no folder to hold a new one.
        Tree()->ExpandMyComputer();
        Form()->NewFolder();
        // A folder where nothing can be made: the error, and the dialog stays.
        Tree()->SetPath("/proc");
        kit.Click(Form()->NewFolderToolButton->ClientToScreen(POINT{10, 10}));
    });
    Then([&] {
        EXPECT_EQ(Form()->GetModalResult(), mrNone);
        Key(VK_ESCAPE);
    });
    EXPECT_FALSE(dialog->Execute());
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_NE(errors[0].find("/proc/New Folder"), std::string::npos) << errors[0];
    EXPECT_EQ(dialog->GetDirectory(), fx.Path("sub"));
    EXPECT_EQ(std::distance(fs::directory_iterator(fx.Path("sub")), fs::directory_iterator()), 3);
}

TEST_F(SelectDirectoryDialog, TheTreeTakesTheSkinAndFollowsItsChanges)
{
    auto frameSkin = skinform::ArtworkSkin(1);
    auto controls = skinform::ArtworkSkin(0);
    dialog->SetSkinData(frameSkin.get());
    dialog->SetCtrlSkinData(controls.get());
    dialog->SetDirectory(fx.Home());
    TColor before = 0, after = 0;
    COLORREF background = 0, icon = 0;
    Then([&] {
        EXPECT_GE(Form()->GetClientWidth(), 280);
        before = Tree()->GetColor();
        // A row: the skin's background beside the label, the folder icon's pixels where it goes.
        TTreeNode* sub = Tree()->GetSelected()->Item(3);
        ASSERT_EQ(sub->GetText(), "sub");
        const RECT label = sub->DisplayRect(true);
        background = PixelOf(Tree(), Tree()->GetClientWidth() - 30, (label.top + label.bottom) / 2);
        icon = PixelOf(Tree(), label.left - 9, (label.top + label.bottom) / 2);
        skinform::LoadArtworkSkin(controls.get(), 3);
    });
    Then([&] {
        after = Tree()->GetColor();
        Key(VK_ESCAPE);
    });
    EXPECT_FALSE(dialog->Execute());
    const auto& first = skinform::Described<TskDataSkinTreeView>(*skinform::ArtworkSkin(0), "treeview");
    const auto& second = skinform::Described<TskDataSkinTreeView>(*controls, "treeview");
    EXPECT_EQ(before, first.BGColor);
    EXPECT_EQ(background, ColorToRGB(first.BGColor));
    EXPECT_NE(icon, ColorToRGB(first.BGColor));
    EXPECT_EQ(after, second.BGColor);
    EXPECT_NE(first.BGColor, second.BGColor);
}

} // namespace
