// The window's own open dialog: the skinned dialog runs with the front end's 42-entry media
// filter, each dialog record keeps its own component (folder, filter, view style) between runs,
// and the chosen entry goes back into the record. Also the form's save-picture dialog.

#include "MainFormSupport.h"

#include "app/main/OwnDialogs.h"
#include "platform/shell/ShellNamespace.h"
#include "skin/input/skSkinOpenDialog.h"
#include "skin/input/skSkinPictureDialogs.h"

#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace {

class OwnOpenDialog : public MainFormTest {
protected:
    void SetUp() override
    {
        StartForms(true);
        media = Home() + "/media";
        fs::create_directories(media + "/sub");
        for (const std::string& name : {std::string("clip.avi"), std::string("CLIP.MKV"), std::string("notes.txt"),
                                        std::string("noext"), std::string(".hidden"), std::string("caf\xE9.txt")})
            std::ofstream(media + "/" + name) << "x";
        own = std::make_unique<TOwnDialogs>(Form1->skSkinData1);
    }
    void TearDown() override
    {
        own.reset();
        MainFormTest::TearDown();
    }
    TskOpenDlgForm* FormOf(const TOpenDialogSetup& Setup) const { return own->OpenDialogOf(Setup)->Form(); }
    static std::vector<std::string> Rows(TskSkinFileListView* List)
    {
        std::vector<std::string> names;
        for (int row = 0; row < List->FolderCount(); ++row)
            names.push_back(List->Folders(row)->DisplayName());
        return names;
    }
    static int RowOf(TskSkinFileListView* List, const std::string& Name)
    {
        for (int row = 0; row < List->FolderCount(); ++row)
            if (List->Folders(row)->DisplayName() == Name)
                return row;
        return -1;
    }

    std::string media;
    std::unique_ptr<TOwnDialogs> own;
};

TEST_F(OwnOpenDialog, TheMediaFilterListsFilesAndTheChosenEntryIsKept)
{
    TOpenDialogSetup& one = Form1->OpenDialog1;
    std::vector<std::string> every, videos;
    std::string title;
    kit.WhenIdle([&] {
        TskOpenDlgForm* form = FormOf(one);
        title = form->GetCaption();
        form->FileListView->SetPath(media);
        every = Rows(form->FileListView);
        form->FilterComboBox->SetItemIndex(1);
        videos = Rows(form->FileListView);
        form->FileListView->SetItemIndex(RowOf(form->FileListView, "CLIP.MKV"));
        form->OpenButtonClick();
    });
    EXPECT_EQ(own->OpenFiles(one), (std::vector<std::string>{media + "/CLIP.MKV"}));
    EXPECT_EQ(title, "打开文件");
    EXPECT_EQ(every, (std::vector<std::string>{"sub", "caf\xEF\xBF\xBD.txt", "clip.avi", "CLIP.MKV", "noext", "notes.txt"}));
    EXPECT_EQ(videos, (std::vector<std::string>{"sub", "clip.avi", "CLIP.MKV"}));
    EXPECT_EQ(one.FilterIndex, 2);

    // The same component again: it opens in the chosen file's folder with the chosen entry. The
    // Latin-1 name comes back with its own bytes; hidden files show only when asked for.
    TskSkinOpenDialog* component = own->OpenDialogOf(one);
    component->SetShowHiddenFiles(true);
    std::string folder;
    int entry = -1;
    bool hidden = false;
    kit.WhenIdle([&] {
        TskOpenDlgForm* form = FormOf(one);
        folder = form->FileListView->GetPath();
        entry = form->FilterComboBox->GetItemIndex();
        form->FilterComboBox->SetItemIndex(0);
        hidden = RowOf(form->FileListView, ".hidden") != -1;
        form->FileListView->SetItemIndex(RowOf(form->FileListView, "caf\xEF\xBF\xBD.txt"));
        form->OpenButtonClick();
    });
    EXPECT_EQ(own->OpenFiles(one), (std::vector<std::string>{media + "/caf\xE9.txt"}));
    EXPECT_EQ(own->OpenDialogOf(one), component);
    EXPECT_EQ(folder, media);
    EXPECT_EQ(entry, 1);
    EXPECT_TRUE(hidden);
    EXPECT_EQ(one.FilterIndex, 1);

    // The multi-select record has a component of its own; a cancel answers with no files.
    TOpenDialogSetup& several = Form1->OpenDialog2;
    bool multi = false;
    kit.WhenIdle([&] {
        TskOpenDlgForm* form = FormOf(several);
        multi = form->FileListView->GetMultiSelect();
        folder = form->FileListView->GetPath();
        form->FilterComboBox->SetItemIndex(2);
        form->Close();
    });
    EXPECT_TRUE(own->OpenFiles(several).empty());
    EXPECT_NE(own->OpenDialogOf(several), component);
    EXPECT_TRUE(multi);
    EXPECT_EQ(folder, Home());
    EXPECT_EQ(several.FilterIndex, 3);
}

TEST_F(OwnOpenDialog, TheFormHoldsASavePictureDialogInItsSkin)
{
    TskSkinSavePictureDialog* save = Form1->skSkinSavePictureDialog1;
    ASSERT_NE(save, nullptr);
    EXPECT_EQ(save->GetOwner(), Form1);
    EXPECT_EQ(save->GetTitle(), "Save file");
    EXPECT_EQ(save->GetFilter(), "Bitmaps (*.bmp)|*.bmp|JPEG Image File |*.jpg;*.jpeg");
    EXPECT_EQ(save->GetSkinData(), Form1->skSkinData1);
}

} // namespace
