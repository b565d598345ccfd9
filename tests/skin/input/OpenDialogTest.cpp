// The open dialog, its modal loop scripted on the shell fixture: where it starts and what it
// keeps, the list's keys and the mouse, Back and Up, typed names, the files of a multi-select
// dialog, the filter, the new-folder button, and bad settings.

#include "ShellFixture.h"
#include "SkinFormSupport.h"

#include "app/artwork/ArtworkResources.h"
#include "classlib/FileSystem.h"
#include "skin/input/skSkinOpenDialog.h"

#include <QLocale>
#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace {

class OpenDialog : public SkinFormTest {
protected:
    void SetUp() override
    {
        QLocale::setDefault(QLocale::c());
        RegisterArtworkBitmaps();
        ShownForm(200, 100);
        dialog = new TskSkinOpenDialog(Application);
        dialog->OnShow = [this](TObject*) { log.push_back("show"); };
        dialog->OnClose = [this](TObject*) { log.push_back("close"); };
        Application->OnException = [this](TObject*, const std::exception& e) { errors.push_back(e.what()); };
    }
    TskOpenDlgForm* Form() const { return dialog->Form(); }
    TskSkinFileListView* List() const { return dialog->Form()->FileListView; }
    // The rows' names, in order.
    std::vector<std::string> Rows() const
    {
        std::vector<std::string> names;
        for (int row = 0; row < List()->FolderCount(); ++row)
            names.push_back(List()->Folders(row)->DisplayName());
        return names;
    }
    int RowOf(const std::string& Name) const
    {
        const std::vector<std::string> names = Rows();
        const auto found = std::find(names.begin(), names.end(), Name);
        return found == names.end() ? -1 : static_cast<int>(found - names.begin());
    }
    std::string Focused() const
    {
        const int row = List()->GetFocusedIndex();
        return row < 0 ? "" : List()->Folders(row)->DisplayName();
    }
    // Queues one step for the modal loop.
    void Then(std::function<void()> step)
    {
        kit.WhenIdle([this, step] {
            step();
            Pump();
        });
    }
    void Key(UINT vk, const std::string& text = {})
    {
        kit.PressKey(vk, text);
        kit.ReleaseKey(vk);
    }
    // A point inside a row's label, on the screen.
    POINT RowPoint(const std::string& Name) const
    {
        const RECT label = List()->Items()->Item(RowOf(Name))->DisplayRect(2);
        return List()->ClientToScreen(POINT{(label.left + label.right) / 2, (label.top + label.bottom) / 2});
    }
    void DoubleClick(POINT P)
    {
        kit.Click(P);
        kit.Click(P);
    }
    // Types the text into the file-name edit and presses Enter there.
    void Type(const std::string& Text)
    {
        Form()->FileNameEdit->SetFocus();
        Form()->FileNameEdit->SetText(Text);
        Key(VK_RETURN);
    }
    std::vector<std::string> Files() const
    {
        std::vector<std::string> files;
        for (int i = 0; i < dialog->Files()->Count(); ++i)
            files.push_back(dialog->Files()->Get(i));
        return files;
    }

    ShellFixture fx;
    TskSkinOpenDialog* dialog = nullptr;
    std::vector<std::string> log;
    std::vector<std::string> errors;
};

TEST_F(OpenDialog, StartsAtHomeAndKeepsFilterStyleAndSizeAlsoAfterCancel)
{
    dialog->SetFilter("Videos|*.avi;*.mp4|All files|*.*");
    std::string path;
    int width = 0, height = 0;
    Then([&] {
        path = List()->GetPath();
        width = Form()->GetClientWidth();
        height = Form()->GetClientHeight();
        EXPECT_EQ(Form()->GetCaption(), "Open file");
        EXPECT_EQ(Form()->OpenButton->GetCaption(), "&Open");
        EXPECT_EQ(Form()->GetActiveControl(), Form()->FileNameEdit);
        EXPECT_TRUE(Form()->ListMenuItem->GetChecked());
        // The first filter: names of other kinds are not listed; folders are.
        EXPECT_EQ(Rows(), (std::vector<std::string>{"Docs", "linkdir", "mnt", "sub", "a.avi", "B.AVI", "中文.mp4"}));
        Type("a.avi");
    });
    EXPECT_TRUE(dialog->Execute());
    EXPECT_EQ(path, fx.Home());
    EXPECT_EQ(width, 450);
    EXPECT_EQ(height, 290);
    EXPECT_EQ(dialog->GetFileName(), fx.Path("a.avi"));
    EXPECT_EQ(Files(), (std::vector<std::string>{fx.Path("a.avi")}));
    EXPECT_EQ(log, (std::vector<std::string>{"show", "close"}));

    // The next run opens in the chosen file's folder with its name; a cancel keeps the name and
    // the files but stores the filter, the view style and the size.
    std::string edit;
    Then([&] {
        edit = Form()->FileNameEdit->GetText();
        Form()->FilterComboBox->SetItemIndex(1);
        EXPECT_NE(RowOf("noext"), -1);
        Form()->ReportItemClick();
        EXPECT_TRUE(Form()->ReportMenuItem->GetChecked());
        EXPECT_FALSE(Form()->ListMenuItem->GetChecked());
        Form()->SetClientWidth(520);
        Form()->SetClientHeight(330);
        Key(VK_ESCAPE);
    });
    EXPECT_FALSE(dialog->Execute());
    EXPECT_EQ(edit, "a.avi");
    EXPECT_EQ(dialog->GetFileName(), fx.Path("a.avi"));
    EXPECT_EQ(Files(), (std::vector<std::string>{fx.Path("a.avi")}));
    EXPECT_EQ(dialog->GetFilterIndex(), 2);
    EXPECT_EQ(dialog->ListViewStyle, TViewStyle::vsReport);
    EXPECT_EQ(dialog->GetDialogWidth(), 520);
    EXPECT_EQ(dialog->GetDialogHeight(), 330);

    TViewStyle style{};
    Then([&] {
        style = List()->GetViewStyle();
        width = Form()->GetClientWidth();
        EXPECT_TRUE(Form()->ReportMenuItem->GetChecked());
        EXPECT_EQ(Form()->FilterComboBox->GetItemIndex(), 1);
        Form()->IconItemClick();
        EXPECT_EQ(List()->GetViewStyle(), TViewStyle::vsIcon);
        ASSERT_NE(List()->GetLargeImages(), nullptr);
        EXPECT_EQ(List()->GetLargeImages()->GetWidth(), 32);
        EXPECT_TRUE(Form()->IconMenuItem->GetChecked());
        Form()->SmallIconItemClick();
        EXPECT_EQ(List()->GetViewStyle(), TViewStyle::vsSmallIcon);
        Form()->Close();
    });
    EXPECT_FALSE(dialog->Execute());
    EXPECT_EQ(style, TViewStyle::vsReport);
    EXPECT_EQ(width, 520);
    EXPECT_EQ(dialog->ListViewStyle, TViewStyle::vsSmallIcon);
    EXPECT_EQ(dialog->Form(), nullptr);
}

TEST_F(OpenDialog, TheListsKeysAndTheMouse)
{
    std::vector<std::string> seen;
    dialog->SetInitialDir(fx.Home());
    Then([&] {
        seen.push_back(Focused());  // the first row
        List()->SetFocus();
        Key('B', "b");  // type-ahead
    });
    Then([&] {
        seen.push_back(Focused());
        Key(VK_UP);
        Key(VK_UP);
        Key(VK_UP);
    });
    Then([&] {
        seen.push_back(Focused());
        Key(VK_RETURN);  // into the folder
    });
    Then([&] {
        seen.push_back(List()->GetPath());
        Key(VK_BACK);  // up again
    });
    Then([&] {
        seen.push_back(List()->GetPath());
        Key(VK_F5);
    });
    Then([&] {
        // A refresh is no step of the history.
        EXPECT_EQ(Form()->FolderHistory().Entries().size(), 3u);
        DoubleClick(RowPoint("linkdir"));  // a folder link is entered
    });
    Then([&] {
        seen.push_back(List()->GetPath());
        Form()->UpToolButtonClick();
    });
    Then([&] { DoubleClick(RowPoint("B.AVI")); });
    EXPECT_TRUE(dialog->Execute());
    EXPECT_EQ(seen, (std::vector<std::string>{"Docs", "B.AVI", "mnt", fx.Path("mnt"), fx.Home(), fx.Path("linkdir")}));
    EXPECT_EQ(dialog->GetFileName(), fx.Path("B.AVI"));
    EXPECT_EQ(Files(), (std::vector<std::string>{fx.Path("B.AVI")}));

    // Enter on a file in the list accepts it.
    Then([&] {
        List()->SetFocus();
        List()->SetItemIndex(RowOf("a.avi"));
        List()->SetFocusedIndex(RowOf("a.avi"));
        Key(VK_RETURN);
    });
    EXPECT_TRUE(dialog->Execute());
    EXPECT_EQ(dialog->GetFileName(), fx.Path("a.avi"));
}

TEST_F(OpenDialog, BackAndUpFollowTheHistory)
{
    dialog->SetInitialDir(fx.Home());
    std::vector<std::string> seen;
    Then([&] {
        List()->SetPath(fx.Path("sub"));
        List()->SetPath(fx.Path("sub/deeper"));
        Form()->BackToolButtonClick();
        seen.push_back(List()->GetPath());
        Form()->BackToolButtonClick();
        seen.push_back(List()->GetPath());
        EXPECT_EQ(Form()->FolderHistory().Entries().size(), 1u);
        Form()->BackToolButtonClick();  // nothing more to go back to
        seen.push_back(List()->GetPath());
        Form()->UpToolButtonClick();
        seen.push_back(List()->GetPath());
        // The folder left behind is the one Back goes to now.
        Form()->BackToolButtonClick();
        seen.push_back(List()->GetPath());
        Key(VK_ESCAPE);
    });
    EXPECT_FALSE(dialog->Execute());
    const std::string parent = fs::path(fx.Home()).parent_path().string();
    EXPECT_EQ(seen, (std::vector<std::string>{fx.Path("sub"), fx.Home(), fx.Home(), parent, fx.Path("sub/deeper")}));
}

TEST_F(OpenDialog, TypedNamesInAMultiSelectDialog)
{
    dialog->SetMultiSelection(true);
    dialog->SetFilter("Videos|*.AVI;*.mp4|All files|*.*");
    dialog->SetInitialDir(fx.Home());
    std::ofstream(fx.Path("sub/clip.avi")) << "x";
    struct Case {
        std::string typed;
        std::string fileName;  // "" = the dialog stays open
        std::string path;      // where the list is afterwards
        std::string mask;
    };
    const Case cases[] = {
        {"a.avi", fx.Path("a.avi"), fx.Home(), "*.AVI;*.mp4"},
        {"a", fx.Path("a.avi"), fx.Home(), "*.AVI;*.mp4"},  // the filter's extension, in another case
        {"B", fx.Path("B.AVI"), fx.Home(), "*.AVI;*.mp4"},
        {"missing", "", fx.Home(), "*.AVI;*.mp4"},
        {"*.txt", "", fx.Home(), "*.txt"},
        {"sub/deeper", "", fx.Path("sub/deeper"), "*.AVI;*.mp4"},
        {"sub/clip.avi", fx.Path("sub/clip.avi"), fx.Home(), "*.AVI;*.mp4"},
        {fx.Path("sub/clip.avi"), fx.Path("sub/clip.avi"), fx.Home(), "*.AVI;*.mp4"},
        {fx.Path("sub"), "", fx.Path("sub"), "*.AVI;*.mp4"},
    };
    for (const Case& c : cases) {
        dialog->SetFileName("");
        std::string path, mask;
        bool open = false;
        Then([&] {
            Type(c.typed);
            Pump();
            open = Form()->GetModalResult() == mrNone;
            if (!open)
                return;
            path = List()->GetPath();
            mask = List()->GetMask();
            Key(VK_ESCAPE);
        });
        const bool chosen = dialog->Execute();
        EXPECT_EQ(chosen, !c.fileName.empty()) << c.typed;
        if (chosen) {
            EXPECT_EQ(dialog->GetFileName(), c.fileName) << c.typed;
            EXPECT_EQ(Files(), (std::vector<std::string>{c.fileName})) << c.typed;
            continue;
        }
        EXPECT_TRUE(open) << c.typed;
        EXPECT_EQ(path, c.path) << c.typed;
        EXPECT_EQ(mask, c.mask) << c.typed;
    }
}

TEST_F(OpenDialog, FilesComeInListOrderAndTheTypedTextWinsOverTheSelection)
{
    dialog->SetMultiSelection(true);
    dialog->SetInitialDir(fx.Home());
    Then([&] {
        for (const char* name : {"中文.mp4", "sub", "a.avi", "B.AVI"})
            List()->SetRowSelected(RowOf(name), true);
        // The edit shows one of the selected files.
        Form()->FileNameEdit->SetText("a.avi");
        Form()->OpenButtonClick();
    });
    EXPECT_TRUE(dialog->Execute());
    EXPECT_EQ(Files(), (std::vector<std::string>{fx.Path("a.avi"), fx.Path("B.AVI"), fx.Path("中文.mp4")}));

    // The edit no longer shows the selected file: the typed name is taken.
    Then([&] {
        List()->SetRowSelected(RowOf("a.avi"), true);
        Form()->FileNameEdit->SetText("B.AVI");
        kit.Click(Form()->OpenButton->ClientToScreen(POINT{10, 10}));
    });
    EXPECT_TRUE(dialog->Execute());
    EXPECT_EQ(dialog->GetFileName(), fx.Path("B.AVI"));
    EXPECT_EQ(Files(), (std::vector<std::string>{fx.Path("B.AVI")}));
}

TEST_F(OpenDialog, TheLatin1NameComesBackByteExact)
{
    dialog->SetInitialDir(fx.Home());
    std::string shown;
    Then([&] {
        const int row = RowOf(ShellDisplayText(ShellFixture::Latin1Name));
        ASSERT_NE(row, -1);
        List()->SetItemIndex(row);
        shown = Form()->FileNameEdit->GetText();
        Key(VK_RETURN);
    });
    EXPECT_TRUE(dialog->Execute());
    EXPECT_EQ(shown, "caf\xEF\xBF\xBD.txt");
    EXPECT_EQ(dialog->GetFileName(), fx.Path(ShellFixture::Latin1Name));
    EXPECT_EQ(Files(), (std::vector<std::string>{fx.Path(ShellFixture::Latin1Name)}));
}

TEST_F(OpenDialog, HiddenFilesOnlyWhenAsked)
{
    dialog->SetInitialDir(fx.Home());
    bool listed = true;
    Then([&] {
        listed = RowOf(".hidden") != -1;
        Key(VK_ESCAPE);
    });
    dialog->Execute();
    EXPECT_FALSE(listed);
    dialog->SetShowHiddenFiles(true);
    Then([&] {
        listed = RowOf(".hidden") != -1;
        Key(VK_ESCAPE);
    });
    dialog->Execute();
    EXPECT_TRUE(listed);
}

TEST_F(OpenDialog, NewFolders)
{
    dialog->SetInitialDir(fx.Path("sub"));
    Then([&] { kit.Click(Form()->NewFolderToolButton->ClientToScreen(POINT{10, 10})); });
    Then([&] {
        EXPECT_TRUE(fs::is_directory(fx.Path("sub/New Folder")));
        EXPECT_NE(RowOf("New Folder"), -1);
        EXPECT_TRUE(List()->IsEditing());
        Key(VK_ESCAPE);  // leaves the name as it is
    });
    Then([&] {
        EXPECT_FALSE(List()->IsEditing());
        EXPECT_EQ(Form()->GetModalResult(), mrNone);
        Form()->Close();
    });
    EXPECT_FALSE(dialog->Execute());

    // A new run counts from 1 again: "New Folder" exists, so nothing; the next is "(2)".
    Then([&] {
        Form()->NewFolderToolButtonClick();
        EXPECT_FALSE(List()->IsEditing());
        Form()->NewFolderToolButtonClick();
        EXPECT_TRUE(fs::is_directory(fx.Path("sub/New Folder(2)")));
        Key(VK_ESCAPE);
    });
    Then([&] { Form()->Close(); });
    EXPECT_FALSE(dialog->Execute());

    Then([&] {
        // At Computer there is no folder to hold one.
        List()->SetRoot("rfMyComputer");
        Form()->NewFolderToolButtonClick();
        EXPECT_EQ(Form()->NewFolderCount, 0);
        // A folder where nothing can be made: the error, and the dialog stays.
        List()->SetPath("/proc");
        kit.Click(Form()->NewFolderToolButton->ClientToScreen(POINT{10, 10}));
    });
    Then([&] {
        EXPECT_EQ(Form()->GetModalResult(), mrNone);
        Form()->Close();
    });
    EXPECT_FALSE(dialog->Execute());
    ASSERT_EQ(errors.size(), 1u) << testing::PrintToString(errors);
    EXPECT_NE(errors[0].find("/proc/New Folder"), std::string::npos) << errors[0];
    EXPECT_EQ(std::distance(fs::directory_iterator(fx.Path("sub")), fs::directory_iterator()), 3);
}

TEST_F(OpenDialog, BadSettingsOpenTheDialogAnyway)
{
    struct Case {
        const char* what;
        std::string filter;
        int filterIndex;
        std::string fileName, initialDir;
        std::string path;  // where the list starts
        int index;         // the filter entry selected
    };
    const Case cases[] = {
        {"index past the entries", "A|*.avi|B|*.mp4", 7, "", fx.Home(), fx.Home(), 0},
        {"index 0", "A|*.avi|B|*.mp4", 0, "", fx.Home(), fx.Home(), 0},
        {"filter without a bar", "just text", 1, "", fx.Home(), fx.Home(), -1},
        {"file in a vanished folder", "A|*.avi", 1, fx.Path("gone/x.avi"), fx.Path("sub"), fx.Path("sub"), 0},
        {"start folder that is a file", "A|*.avi", 1, "", fx.Path("a.avi"), fx.Home(), 0},
        {"file name whose folder is a file", "A|*.avi", 1, fx.Path("a.avi/x"), "", fx.Home(), 0},
    };
    for (const Case& c : cases) {
        dialog->SetFilter(c.filter);
        dialog->SetFilterIndex(c.filterIndex);
        dialog->SetFileName(c.fileName);
        dialog->SetInitialDir(c.initialDir);
        std::string path;
        int index = -2;
        Then([&] {
            path = List()->GetPath();
            index = Form()->FilterComboBox->GetItemIndex();
            Key(VK_ESCAPE);
        });
        EXPECT_FALSE(dialog->Execute()) << c.what;
        EXPECT_EQ(path, c.path) << c.what;
        EXPECT_EQ(index, c.index) << c.what;
    }
    EXPECT_TRUE(errors.empty());
}

} // namespace
