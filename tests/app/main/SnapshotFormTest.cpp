// Snapshots on the main window: a paused file saved in the four types with their numbers, read
// back at the frame's size; nothing saved without a file; the snapshot menu's folder and type
// commands and its ticks.

#include "MainFormSupport.h"

#include "app/main/OptionIni.h"
#include "classlib/Menus.h"
#include "classlib/Picture.h"
#include "classlib/SysUtils.h"
#include "engine/FFPlay.h"
#include "platform/kernel/MainThread.h"
#include "skin/form/skSkinCtrls.h"
#include "skin/form/skSkinMenus.h"

#include <filesystem>

namespace {

class SnapshotForm : public MainFormTest {
protected:
    std::string DefaultFolder() const { return Home() + "/Velkor视频软件/快照"; }
    std::vector<std::string> FilesIn(const std::string& folder) const
    {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(folder))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
    std::vector<TMenuItem*> TypeItems() const { return {Form1->BMP1, Form1->JPG1, Form1->GIF1, Form1->PNG1}; }
    TMenuItem* Ticked() const
    {
        TMenuItem* ticked = nullptr;
        for (TMenuItem* item : TypeItems())
            if (item->GetChecked()) {
                EXPECT_EQ(ticked, nullptr) << "two ticked";
                ticked = item;
            }
        return ticked;
    }
};

TEST_F(SnapshotForm, WithoutAFileNothingIsSavedButTheSettingsAreWritten)
{
    StartForms();
    Form1->skSkinButton22->ButtonClick();
    EXPECT_EQ(Ini("SnapShot", "Dir"), DefaultFolder());
    EXPECT_EQ(Ini("SnapShot", "Picture"), "BMP");
    ASSERT_TRUE(DirectoryExists(DefaultFolder()));
    EXPECT_TRUE(FilesIn(DefaultFolder()).empty());
}

TEST_F(SnapshotForm, APausedFileInEveryTypeNumberedPerExtension)
{
    StartForms();
    Form1->T_Movie_PLayer_FileName = zdtest::fixture("sample.avi");
    Form1->Button31->Click();
    ASSERT_TRUE(MainThread::WaitServing([] { return Form1->FFPlayer->CurrentFrame().Width > 0; }, 10000));
    ASSERT_TRUE(Form1->FFPlayer->GetPaused());

    for (TMenuItem* type : TypeItems()) {
        type->Click();
        EXPECT_EQ(Ticked(), type);
        Form1->skSkinButton22->ButtonClick();
        Form1->skSkinButton22->ButtonClick();
    }
    EXPECT_EQ(Ini("SnapShot", "Picture"), "PNG");
    const std::vector<std::string> expected{"sample_1.bmp", "sample_1.gif", "sample_1.jpg", "sample_1.png",
                                            "sample_2.bmp", "sample_2.gif", "sample_2.jpg", "sample_2.png"};
    ASSERT_EQ(FilesIn(DefaultFolder()), expected);
    for (const std::string& name : expected) {
        TPicture picture;
        picture.LoadFromFile(DefaultFolder() + "/" + name);
        EXPECT_EQ(picture.GetWidth(), 160) << name;
        EXPECT_EQ(picture.GetHeight(), 120) << name;
    }
}

TEST_F(SnapshotForm, TheMenuChoosesAndOpensTheFolderAndTicksTheStoredType)
{
    StartForms();
    const std::string chosen = Home() + "/pictures";
    std::filesystem::create_directories(chosen);

    dialogs.folderAnswers = {chosen};
    Form1->MenuItem2->Click();
    EXPECT_EQ(Ini("SnapShot", "Dir"), chosen);
    ASSERT_EQ(dialogs.folderRuns.size(), 1u);
    EXPECT_EQ(dialogs.folderRuns[0].Title, "选择输出目录");

    // A cancel writes the folder last confirmed in the dialog again; a folder gone is ignored.
    WriteOption("SnapShot", "Dir", Home());
    dialogs.folderAnswers = {std::nullopt};
    Form1->MenuItem2->Click();
    EXPECT_EQ(Ini("SnapShot", "Dir"), chosen);
    dialogs.folderAnswers = {Home() + "/gone"};
    Form1->MenuItem2->Click();
    EXPECT_EQ(Ini("SnapShot", "Dir"), chosen);

    Form1->MenuItem1->Click();
    ASSERT_FALSE(kit.OpenedTargets().empty());
    EXPECT_EQ(kit.OpenedTargets().back(), chosen);

    struct Case {
        const char* stored;
        TMenuItem* ticked;
        const char* after;
    } cases[] = {{"GIF", Form1->GIF1, "GIF"}, {"jpg", Form1->BMP1, "BMP"}, {"PNG", Form1->PNG1, "PNG"}};
    for (const Case& c : cases) {
        WriteOption("SnapShot", "Picture", c.stored);
        Form1->skSkinButton23->ButtonClick();
        EXPECT_EQ(Ticked(), c.ticked) << c.stored;
        EXPECT_EQ(Ini("SnapShot", "Picture"), c.after);
    }
}

TEST_F(SnapshotForm, PressingSettingsOpensTheMenuAtThePointer)
{
    StartForms(true);
    const POINT at = Form1->skSkinButton23->ClientToScreen(POINT{6, 5});
    kit.PressButton(at);
    Pump();
    const POINT shown = Form1->skSkinPopupMenu2->PopupPoint();
    EXPECT_EQ(shown.x, at.x);
    EXPECT_EQ(shown.y, at.y);
}

}  // namespace
