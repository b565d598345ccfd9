#include "MainFormSupport.h"

#include "app/artwork/Artwork.h"
#include "app/main/OpenFilter.h"
#include "app/main/OptionIni.h"
#include "platform/window/Keys.h"
#include "classlib/Memo.h"
#include "skin/core/skSkinData.h"
#include "skin/form/FormSkin.h"
#include "skin/form/skSkinCtrls.h"
#include "skin/input/skDialogs.h"
#include "skin/input/skSkinComboBox.h"
#include "skin/input/skSkinEdits.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <tuple>

using MainSettings = MainFormTest;

TEST_F(MainSettings, TheFirstStartWritesEveryDefaultAndMakesTheOutputFolder)
{
    StartForms();
    const std::string out = Home() + "/Velkor视频软件/输出";
    EXPECT_TRUE(std::filesystem::is_directory(out));
    EXPECT_EQ(Form1->FileOutPutPath, out);
    EXPECT_EQ(Form1->Video_OutPut_Folder_Edit->GetText(), out);
    for (const auto& [section, key, value] : {std::tuple{"OutPath", "OutPath", out.c_str()},
                                             {"Skin", "SetSkin", "0"},
                                             {"Options", "Thread_Count", "0"},
                                             {"Options", "After_Done", "0"},
                                             {"Options", "Thread_Priority", "3"},
                                             {"Options", "Overwrite_File", "1"},
                                             {"Options", "Show_Preview", "0"}})
        EXPECT_EQ(Ini(section, key), value) << key;
    EXPECT_EQ(Form1->skSkinData1->SkinIndex(), 0);
    EXPECT_TRUE(dialogs.messages.empty());
}

// Stored values and what the next start makes of them.
TEST_F(MainSettings, StoredValuesAreReadBackOrReplacedByTheirDefaults)
{
    struct Case {
        const char* stored;     // file text
        int skin;               // skin index after start
        const char* setSkin;    // SetSkin after start
        const char* threads;    // thread box after start
        const char* threadKey;  // Thread_Count after start
        int after;              // ticked after-finish box number
    };
    const Case cases[] = {
        {"[Skin]\nSetSkin=5\n[Options]\nThread_Count=8\nAfter_Done=2\n", 5, "5", "8", "8", 4},
        {"[Skin]\nSetSkin=9\n[Options]\nThread_Count=25\nAfter_Done=7\n", 1, "9", "1", "0", 1},
        {"[Skin]\nSetSkin=abc\n[OutPath]\nOutPath=relative/dir\n", 0, "0", "1", "0", 1},
        {"[Skin]\nSetSkin=Error\n[Options]\nThread_Count=0\n", 0, "0", "1", "0", 1},
    };
    for (const Case& c : cases) {
        WriteIniText(c.stored);
        StartForms();
        EXPECT_EQ(Form1->skSkinData1->SkinIndex(), c.skin) << c.stored;
        EXPECT_EQ(Ini("Skin", "SetSkin"), c.setSkin) << c.stored;
        EXPECT_EQ(Form5->skSkinComboBox2->GetText(), c.threads) << c.stored;
        EXPECT_EQ(Ini("Options", "Thread_Count"), c.threadKey) << c.stored;
        EXPECT_EQ(Form5->skSkinCheckRadioBox4->GetChecked(), c.after == 4) << c.stored;
        EXPECT_EQ(Form5->skSkinCheckRadioBox1->GetChecked(), c.after == 1) << c.stored;
        EXPECT_EQ(Form1->FileOutPutPath.front(), '/') << c.stored;
        StopForms();
    }
}

TEST_F(MainSettings, AnUnwritableSettingsFolderGivesOneMessageAndTheStartCompletes)
{
    std::filesystem::create_directories(Home() + "/.config");
    // The settings file's folder is a file: nothing can be written there.
    WriteIniText("");
    std::filesystem::remove_all(Home() + "/.config/Zudevivivoduv");
    std::ofstream(Home() + "/.config/Zudevivivoduv") << "not a folder";
    StartForms();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_NE(dialogs.messages[0].first.find("Unable to write to"), std::string::npos);
    EXPECT_EQ(Form1->FileOutPutPath, Home() + "/Velkor视频软件/输出");
    EXPECT_EQ(Form1->skSkinSlider1_down_UP, "UP");
    EXPECT_EQ(Form5->skSkinComboBox2->GetText(), "1");
}

TEST_F(MainSettings, ACancelledSkinDialogStillWritesTheIndexAndAConfirmedOneSwitches)
{
    StartForms();
    dialogs.skinAnswers = {std::nullopt, 3};
    Form1->N23Click(nullptr);
    EXPECT_EQ(dialogs.skinStarts, std::vector<int>{0});
    EXPECT_EQ(Form1->skSkinData1->SkinIndex(), 0);
    EXPECT_EQ(Ini("Skin", "SetSkin"), "0");
    Form1->N23Click(nullptr);
    EXPECT_EQ(Form1->skSkinData1->SkinIndex(), 3);
    EXPECT_EQ(Ini("Skin", "SetSkin"), "3");
    EXPECT_EQ(Form1->GetClientWidth(), 839);
}

// The window's own skin chooser: the eight skins in the window's skin, starting at the current
// one; a cancel keeps the skin and still writes the index, a confirmation restyles the window.
TEST_F(MainSettings, TheOwnSkinChooserSwitchesTheWindowsSkin)
{
    TForm1::SetDialogs(nullptr);
    StartForms(true);
    const auto picture = [&] {
        std::shared_ptr<Surface> s = kit.Render(Form1->GetHandle());
        std::vector<std::uint32_t> pixels;
        for (int y = 0; y < s->Height(); ++y)
            pixels.insert(pixels.end(), s->Row(y), s->Row(y) + s->Width());
        return pixels;
    };
    const std::vector<std::uint32_t> before = picture();
    const auto chooser = [] { return dynamic_cast<TskSelectSkinDlgForm*>(Screen->ActiveCustomForm()); };
    WriteOption("Skin", "SetSkin", "5");
    kit.WhenIdle([&] {
        TskSelectSkinDlgForm* form = chooser();
        ASSERT_NE(form, nullptr);
        EXPECT_EQ(form->GetCaption(), "Select skin");
        EXPECT_EQ(form->BSF->GetSkinData(), Form1->skSkinData1);
        EXPECT_EQ(form->OpenButton->GetSkinData(), Form1->skSkinData1);
        ASSERT_EQ(form->SkinsListBox->Items()->Count(), 8);
        EXPECT_EQ(form->SkinsListBox->Items()->Get(3), ArtworkSkins()[3].Name);
        EXPECT_EQ(form->SkinsListBox->GetItemIndex(), 0);
        kit.PressKey(VK_DOWN);
    });
    kit.WhenIdle([&] {
        EXPECT_EQ(chooser()->PreviewSkinData->SkinIndex(), 1);
        kit.PressKey(VK_ESCAPE);
    });
    Form1->N23Click(nullptr);
    EXPECT_EQ(Form1->skSkinData1->SkinIndex(), 0);
    EXPECT_EQ(Ini("Skin", "SetSkin"), "0");
    Pump();
    EXPECT_EQ(picture(), before);

    kit.WhenIdle([&] { kit.PressKey(VK_DOWN); });
    kit.WhenIdle([&] { kit.PressKey(VK_DOWN); });
    kit.WhenIdle([&] { kit.PressKey(VK_RETURN); });
    Form1->N23->Click();
    EXPECT_EQ(Form1->skSkinData1->SkinIndex(), 2);
    EXPECT_EQ(Ini("Skin", "SetSkin"), "2");
    EXPECT_EQ(Form1->GetClientWidth(), 839);
    Pump();
    EXPECT_NE(picture(), before);
    EXPECT_EQ(Screen->ActiveCustomForm(), Form1);
    EXPECT_EQ(kit.PendingIdleSteps(), 0u);
}

TEST_F(MainSettings, LogLinesHelpAndTheOpenDialogsFilter)
{
    StartForms();
    Form1->FFLoggerLog(nullptr, 3000, llInfo, "opened");
    EXPECT_EQ(Form1->mmoLog->Lines()->Strings(Form1->mmoLog->Lines()->Count() - 1), "#3000.5: opened");
    Form1->N15Click(nullptr);
    ASSERT_FALSE(kit.OpenedTargets().empty());
    EXPECT_NE(kit.OpenedTargets().back().find("help.html"), std::string::npos);
    const std::string filter = OpenDialogFilter();
    EXPECT_EQ(std::count(filter.begin(), filter.end(), '|'), 84);
    EXPECT_EQ(filter.rfind("所有文件格式 (*.*)|*.*|", 0), 0u);
    EXPECT_NE(filter.find("AIFF音频编码格式(*.aif; *.aiff)|*.aif; *.aiff|"), std::string::npos);
    EXPECT_EQ(Form1->OpenDialog2.Filter, filter);
    EXPECT_EQ(Form1->OpenDialog1.FilterIndex, 1);
}

// The output folder through the scripted dialog, then through the window's own skinned folder
// dialog: a cancel still takes the folder last confirmed, a confirmation the shown folder.
TEST_F(MainSettings, TheOutputFolderDialogWritesTheConfirmedFolderAlsoAfterACancel)
{
    const std::string clips = Home() + "/片段", other = Home() + "/other";
    std::filesystem::create_directories(clips);
    std::filesystem::create_directories(other);
    StartForms(true);
    dialogs.folderAnswers = {clips, std::nullopt};
    Form1->skSkinButton5->ButtonClick();
    EXPECT_EQ(dialogs.folderRuns.at(0).Title, "选择输出目录");
    EXPECT_EQ(Form1->FileOutPutPath, clips);
    EXPECT_EQ(Ini("OutPath", "OutPath"), clips);
    WriteIniText("[OutPath]\nOutPath=" + other + "\n");
    Form1->skSkinButton5->ButtonClick();
    EXPECT_EQ(dialogs.folderRuns.at(1).Directory, clips);
    EXPECT_EQ(Ini("OutPath", "OutPath"), clips);

    TForm1::SetDialogs(nullptr);
    Form1->skSkinSelectDirectoryDialog2.Directory = other;
    std::string caption;
    kit.WhenIdle([&] {
        caption = Screen->ActiveCustomForm()->GetCaption();
        kit.PressKey(VK_RETURN);
        kit.ReleaseKey(VK_RETURN);
        Pump();
    });
    Form1->skSkinButton5->ButtonClick();
    EXPECT_EQ(caption, "选择输出目录");
    EXPECT_EQ(Form1->FileOutPutPath, other);
    EXPECT_EQ(Form1->Video_OutPut_Folder_Edit->GetText(), other);
    EXPECT_EQ(Ini("OutPath", "OutPath"), other);
}

// Settings files that hold nothing usable: the defaults are in force and the start completes;
// only a file that cannot be written gives a message, once.
TEST_F(MainSettings, UnusableSettingsFilesLeaveTheDefaultsInForce)
{
    struct Case {
        const char* name;
        std::function<void()> make;
        std::size_t messages;
    };
    const std::string path = IniPath();
    const Case cases[] = {
        {"empty", [&] { WriteIniText(""); }, 0},
        {"binary", [&] { WriteIniText(std::string("\0\x01\xff\xfe[\x80]=\n\x7f=\xc3", 13)); }, 0},
        {"a folder", [&] {
             std::filesystem::remove_all(path);
             std::filesystem::create_directories(path);
         }, 1},
    };
    for (const Case& c : cases) {
        std::filesystem::remove_all(path);
        c.make();
        dialogs.messages.clear();
        StartForms();
        EXPECT_EQ(dialogs.messages.size(), c.messages) << c.name;
        EXPECT_EQ(Form1->FileOutPutPath, Home() + "/Velkor视频软件/输出") << c.name;
        EXPECT_EQ(Form1->skSkinData1->SkinIndex(), 0) << c.name;
        EXPECT_EQ(Form5->skSkinComboBox2->GetText(), "1") << c.name;
        EXPECT_TRUE(Form5->skSkinCheckRadioBox12->GetChecked()) << c.name;
        EXPECT_EQ(Form1->skSkinSlider1_down_UP, "UP") << c.name;
        StopForms();
    }
}
