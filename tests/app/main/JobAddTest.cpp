// Adding files to the job list, and the list's own operations: removing, clearing, moving and
// renaming rows.

#include "JobTestSupport.h"

#include "app/main/AddReport.h"
#include "app/main/JobRow.h"
#include "app/main/OptionSlots.h"
#include "app/main/Unit1Jobs.h"
#include "classlib/ComCtrls.h"
#include "classlib/CustomEdit.h"
#include "classlib/Memo.h"
#include "classlib/StdCtrls.h"
#include "engine/FFmpegConverter.h"
#include "platform/window/User.h"
#include "skin/form/skSkinCtrls.h"
#include "skin/form/skSkinViews.h"
#include "skin/input/skSkinComboBox.h"
#include "skin/input/skSkinEdits.h"
#include "skin/input/skSkinOfficeCtrls.h"

#include <sys/stat.h>

#include <algorithm>
#include <filesystem>

using JobAdd = JobListTest;

namespace {

const std::string Ready = "Add+ Row+ Clear+ Start+ Stop- Pause- Resume- Settings+ (hidden)";
const std::string Empty = "Add+ Row- Clear- Start- Stop- Pause- Resume- Settings+ (hidden)";

void Select(int Row)
{
    Form1->lvFiles->SetSelected(Form1->lvFiles->Items()->Item(Row));
}

}  // namespace

TEST_F(JobAdd, OneFileBecomesARowWithItsTaskAndSlot)
{
    ASSERT_EQ(Groups(), Empty);
    EXPECT_TRUE(Form1->skSkinPanel5->GetVisible());
    AddOne(Media("clip.avi"));

    ASSERT_EQ(Form1->JobCount(), 1);
    EXPECT_EQ(Form1->SelectedJob(), 0);
    EXPECT_EQ(Groups(), Ready);
    EXPECT_FALSE(Form1->skSkinPanel5->GetVisible());
    EXPECT_EQ(converter->TasksCount(), 1);
    EXPECT_EQ(Form1->JobText(0, jcDuration), "00:00:02");
    EXPECT_EQ(Form1->JobText(0, jcOutputName), "clip.avi");
    EXPECT_EQ(Form1->JobText(0, jcTaskNumber), "1");
    EXPECT_EQ(Form1->JobText(0, jcSelectionCode), "100");
    EXPECT_EQ(Form1->JobText(0, jcParameterCode).size(), 12u);
    // The selection's catalogue step wrote the format's own texts.
    EXPECT_EQ(Form1->JobText(0, jcFileExt), ".avi");
    EXPECT_EQ(Form1->JobText(0, jcVideoTag), "XVID");
    EXPECT_EQ(Form1->JobText(0, jcDisableVideo), "False");
    EXPECT_EQ(Form1->JobSlots().State(0), TSlotState::Full);
    EXPECT_EQ(Form1->JobSlots().State(1), TSlotState::Free);
    EXPECT_EQ(Form1->IO1[0].FileName, dir.file("in/clip.avi"));
    EXPECT_EQ(Form1->OO1[0].FileName, dir.file("out/clip.avi"));
    EXPECT_EQ(Form1->OO1[0].VideoCodec, "mpeg4");
    TStrings* log = Form1->mmoLog->Lines();
    EXPECT_NE(log->IndexOf("***Can do convert."), -1);
    // The probe's text arrives line by line.
    const std::string info = converter->AVProbe()->FileInfoText();
    const std::string first = info.substr(0, info.find("\r\n"));
    ASSERT_FALSE(first.empty());
    EXPECT_NE(log->IndexOf(first), -1) << first;
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(JobAdd, AFolderIsAddedInReverseListingOrderWithTheFirstListedSelected)
{
    for (const char* name : {"a.avi", "b.avi", "c.avi"})
        Media(name);
    std::filesystem::create_directories(dir.file("in/sub"));
    ASSERT_EQ(mkfifo(dir.file("in/pipe.avi").c_str(), 0600), 0);
    std::vector<std::string> listed;
    for (const std::string& path : Form1->GetFilenames(dir.file("in"), "*.*"))
        listed.push_back(std::filesystem::path(path).filename());
    ASSERT_EQ(listed.size(), 3u) << "only regular files are listed";

    AddFolder(dir.file("in"));
    std::vector<std::string> reversed(listed.rbegin(), listed.rend());
    EXPECT_EQ(Inputs(), reversed);
    EXPECT_EQ(Form1->SelectedJob(), 2);
    EXPECT_EQ(Column(jcTaskNumber), (std::vector<std::string>{"1", "2", "3"}));
    EXPECT_TRUE(dialogs.messages.empty());

    // A folder yielding no media file says so, empty or holding only other files.
    std::filesystem::create_directories(dir.file("empty"));
    std::filesystem::create_directories(dir.file("junk"));
    for (const char* name : {"notes.txt", "random.mp4"})
        std::filesystem::copy_file(zdtest::fixture("notmedia.avi"), dir.file("junk") + "/" + name);
    AddFolder(dir.file("empty"));
    AddFolder(dir.file("junk"));
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(dialogs.messages[0], std::make_pair(std::string(EmptyFolderText), std::string("提示")));
    EXPECT_EQ(dialogs.messages[1], std::make_pair(std::string(EmptyFolderText), std::string("提示")));
    // A cancelled dialog and a folder that is gone do nothing.
    Form1->Button12->Click();
    AddFolder(dir.file("gone"));
    EXPECT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(Form1->JobCount(), 3);
}

TEST_F(JobAdd, LostFilesAreNamedInOneMessage)
{
    const std::string a = Media("a.avi"), bad = Media("bad.avi", "notmedia.avi"), b = Media("b.avi");
    AddSeveral({a, bad, b});
    EXPECT_EQ(Inputs(), (std::vector<std::string>{"b.avi", "a.avi"}));
    EXPECT_EQ(Form1->SelectedJob(), 1);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].second, "提示");
    const std::string& lost = dialogs.messages[0].first;
    EXPECT_EQ(lost.rfind("以下文件没有添加：\n" + bad + ": ", 0), 0u) << lost;
    EXPECT_EQ(lost.find(bad, lost.find(bad) + 1), std::string::npos) << "the path once: " << lost;
    EXPECT_EQ(std::count(lost.begin(), lost.end(), '\n'), 1);
    EXPECT_NE(Form1->mmoLog->Lines()->Text().find("***File load error: "), std::string::npos);

    // A file gone before its turn stops the add: it and the files after it are named.
    const std::string c = Media("c.avi"), d = Media("d.avi");
    Select(0);
    AddSeveral({c, dir.file("in/gone.avi"), d});
    EXPECT_EQ(Inputs(), (std::vector<std::string>{"b.avi", "a.avi", "d.avi"}));
    EXPECT_EQ(Form1->SelectedJob(), 0) << "a stopped add selects nothing";
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(dialogs.messages[1].first, "以下文件没有添加：\n" + dir.file("in/gone.avi") + ": 文件不存在\n" + c +
                                             ": 添加已中止，没有处理");
}

TEST_F(JobAdd, The502ndRowIsRefusedWithAMessage)
{
    TJobRow row;
    row.SubItems[jcSelectionCode] = "100";
    for (int i = 0; i < JobSlotCount; ++i)
        jobs::AppendJobRow(*Form1, row);
    AddOne(Media("clip.avi"));
    EXPECT_EQ(Form1->JobCount(), JobSlotCount);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0], std::make_pair(std::string(ListFullText), std::string("提示")));
    EXPECT_EQ(converter->TasksCount(), 0);
}

TEST_F(JobAdd, AnAddChangesNoOtherRow)
{
    AddOne(Media("a.avi"));
    // The user's own video bit rate for row 0.
    Form1->skSkinComboBox2->SetItemIndex(Form1->skSkinComboBox2->GetItemIndex() + 1);
    const std::string own = Form1->JobText(0, jcVideoBitrate);
    const std::string code = Form1->JobText(0, jcParameterCode);
    AddOne(Media("b.avi"));
    EXPECT_EQ(Form1->JobText(0, jcVideoBitrate), own);
    EXPECT_EQ(Form1->JobText(0, jcParameterCode), code);
}

TEST_F(JobAdd, RemovalRenumbersTheTasksAndMovesTheSlots)
{
    std::vector<std::string> files;
    for (const char* name : {"e.avi", "d.avi", "c.avi", "b.avi", "a.avi"})
        files.push_back(Media(name));
    AddSeveral(files);
    ASSERT_EQ(Inputs(), (std::vector<std::string>{"a.avi", "b.avi", "c.avi", "d.avi", "e.avi"}));

    Select(1);
    Form1->btnRemove->Click();
    EXPECT_EQ(Inputs(), (std::vector<std::string>{"a.avi", "c.avi", "d.avi", "e.avi"}));
    EXPECT_EQ(Column(jcTaskNumber), (std::vector<std::string>{"1", "2", "3", "4"}));
    EXPECT_EQ(converter->TasksCount(), 4);
    EXPECT_EQ(Form1->IO1[1].FileName, dir.file("in/c.avi"));
    EXPECT_EQ(Form1->JobSlots().State(3), TSlotState::Full);
    EXPECT_EQ(Form1->JobSlots().State(4), TSlotState::Free);
    EXPECT_EQ(Form1->SelectedJob(), 0);
    EXPECT_EQ(Groups(), Ready);

    Form1->lvFiles->SetSelected(nullptr);
    Form1->btnRemove->Click();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].first, "请先选择您需要删除的项目！");

    for (int left = 4; left > 0; --left) {
        Select(0);
        Form1->btnRemove->Click();
    }
    EXPECT_EQ(Groups(), Empty);
    EXPECT_TRUE(Form1->skSkinPanel5->GetVisible());
    EXPECT_EQ(converter->TasksCount(), 0);
}

TEST_F(JobAdd, MovingARowMovesItsSlot)
{
    AddSeveral({Media("c.avi"), Media("b.avi"), Media("a.avi")});
    Select(1);
    Form1->skSkinButton3->ButtonClick();
    EXPECT_EQ(Inputs(), (std::vector<std::string>{"b.avi", "a.avi", "c.avi"}));
    EXPECT_EQ(Form1->SelectedJob(), 0);
    EXPECT_EQ(Form1->IO1[0].FileName, dir.file("in/b.avi"));
    Form1->skSkinButton3->ButtonClick();
    EXPECT_EQ(Inputs(), (std::vector<std::string>{"b.avi", "a.avi", "c.avi"})) << "the first row stays";
    Select(2);
    Form1->skSkinButton4->ButtonClick();
    EXPECT_EQ(Inputs(), (std::vector<std::string>{"b.avi", "a.avi", "c.avi"})) << "the last row stays";
    Select(0);
    Form1->skSkinButton4->ButtonClick();
    EXPECT_EQ(Inputs(), (std::vector<std::string>{"a.avi", "b.avi", "c.avi"}));
    EXPECT_EQ(Form1->OO1[1].FileName, dir.file("out/b.avi"));
    EXPECT_EQ(Form1->SelectedJob(), 1);
}

TEST_F(JobAdd, RenamingRefusesAnEmptyNameAndASlash)
{
    Form1->skSkinButton21->ButtonClick();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].first, "请先选中您需要重命名的项目！");
    Form1->lvFilesDblClick(nullptr);
    EXPECT_EQ(dialogs.messages.size(), 1u) << "a double click without a row says nothing";

    AddOne(Media("clip.avi"));
    const struct {
        const char* text;
        const char* name;
        bool editorStays;
        const char* message;
    } cases[] = {
        {"", "clip.avi", true, nullptr},
        {"sub/clip", "clip.avi", true, SlashInNameText},
        {"/", "clip.avi", true, SlashInNameText},
        {"新名字", "新名字.avi", false, nullptr},
        {"a.b", "a.b.avi", false, nullptr},
    };
    for (const auto& c : cases) {
        dialogs.messages.clear();
        Form1->skSkinButton21->ButtonClick();
        EXPECT_TRUE(Form1->edt->GetVisible());
        Form1->edt->SetText(c.text);
        Form1->edtExit(nullptr);
        EXPECT_EQ(Form1->JobText(0, jcOutputName), c.name) << c.text;
        EXPECT_EQ(Form1->edt->GetVisible(), c.editorStays) << c.text;
        ASSERT_EQ(dialogs.messages.size(), c.message ? 1u : 0u) << c.text;
        if (c.message) {
            EXPECT_EQ(dialogs.messages[0].first, c.message);
        }
    }
    EXPECT_EQ(Form1->OO1[0].FileName, dir.file("out/a.b.avi"));
}

// The user's own gestures on the shown window: the editor's text goes to the row it was opened
// on; choosing another row, Start or a removal closes it untouched.
TEST_F(JobAdd, TheRenameEditorBelongsToTheRowItWasOpenedOn)
{
    AddSeveral({Media("b.avi"), Media("a.avi")});
    auto clickRow = [this](int Row) {
        const RECT r = Form1->lvFiles->Items()->Item(Row)->DisplayRect(LVIR_BOUNDS);
        kit.Click(Form1->lvFiles->ClientToScreen(POINT{r.left + 10, (r.top + r.bottom) / 2}));
        Pump();
    };
    auto typeInEditor = [this](const std::string& Text) {
        const POINT inside = Form1->edt->ClientToScreen(POINT{5, 5});
        kit.Click(inside);
        Pump();
        Form1->edt->SetText(Text);
    };
    auto pressTab = [this] {
        kit.PressKey(VK_TAB);
        kit.ReleaseKey(VK_TAB);
        Pump();
    };

    // Emptied and left (it stays), row B chosen: the editor closes and no row changes.
    clickRow(0);
    Form1->skSkinButton21->ButtonClick();
    Pump();
    ASSERT_TRUE(Form1->edt->Focused());
    Form1->edt->SetText("");
    pressTab();
    ASSERT_TRUE(Form1->edt->GetVisible()) << "an empty name keeps the editor";
    clickRow(1);
    EXPECT_FALSE(Form1->edt->GetVisible());
    EXPECT_EQ(Column(jcOutputName), (std::vector<std::string>{"a.avi", "b.avi"}));

    // Typed into and left by a click on row B: row A takes the name.
    clickRow(0);
    Form1->skSkinButton21->ButtonClick();
    Pump();
    typeInEditor("first");
    clickRow(1);
    EXPECT_EQ(Form1->SelectedJob(), 1);
    EXPECT_FALSE(Form1->edt->GetVisible());
    EXPECT_EQ(Column(jcOutputName), (std::vector<std::string>{"first.avi", "b.avi"}));
    EXPECT_EQ(Form1->OO1[0].FileName, dir.file("out/first.avi"));
    EXPECT_EQ(Form1->OO1[1].FileName, dir.file("out/b.avi"));

    // Start and a removal close an open editor without applying it.
    Form1->skSkinButton21->ButtonClick();
    Form1->edt->SetText("second");
    tasksBeforeStart = converter->tasks.size();
    Form1->btnStart->Click();
    EXPECT_FALSE(Form1->edt->GetVisible());
    for (ScriptedTask* task : BatchTasks())
        task->Release();
    ASSERT_TRUE(WaitForBatchEnd());
    Form1->lvFilesDblClick(nullptr);
    ASSERT_TRUE(Form1->edt->GetVisible());
    Form1->edt->SetText("third");
    Form1->btnRemove->Click();
    EXPECT_FALSE(Form1->edt->GetVisible());
    Form1->edtExit(nullptr);
    EXPECT_EQ(Column(jcOutputName), (std::vector<std::string>{"first.avi"}));
    EXPECT_TRUE(dialogs.messages.empty());
}

// The rename editor from the keyboard: Enter (the keypad's arrives as the same key) applies the
// name, Escape closes the editor with the row's name kept; either gives the list the focus back.
// The editor lies over the output name's column, as wide as it.
TEST_F(JobAdd, TheRenameEditorTakesEnterAndEscapeAndSpansItsColumn)
{
    AddOne(Media("clip.avi"));
    const struct {
        WORD key;
        const char* text;
        const char* typed;
        const char* name;
    } cases[] = {
        {VK_RETURN, "\r", "entered", "entered.avi"},
        {VK_ESCAPE, "\x1b", "dropped", "entered.avi"},
        {VK_RETURN, "\r", "", "entered.avi"},  // an empty name keeps the editor open
    };
    for (const auto& c : cases) {
        Form1->skSkinButton21->ButtonClick();
        Pump();
        ASSERT_TRUE(Form1->edt->Focused()) << c.typed;
        RECT section{};
        SendMessage(Form1->lvFiles->HeaderHandle(), HDM_GETITEMRECT, 3, reinterpret_cast<LPARAM>(&section));
        MapWindowPoints(Form1->lvFiles->HeaderHandle(), nullptr, reinterpret_cast<POINT*>(&section), 2);
        RECT editor{};
        GetWindowRect(Form1->edt->GetHandle(), &editor);
        EXPECT_EQ(editor.left, section.left);
        EXPECT_EQ(editor.right, section.right);
        Form1->edt->SetText(c.typed);
        kit.PressKey(c.key, c.text);
        kit.ReleaseKey(c.key);
        Pump();
        EXPECT_EQ(Form1->JobText(0, jcOutputName), c.name) << c.typed;
        const bool stays = *c.typed == 0;
        EXPECT_EQ(Form1->edt->GetVisible(), stays) << c.typed;
        EXPECT_EQ(Form1->lvFiles->Focused(), !stays) << c.typed;
    }
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(JobAdd, ClearEmptiesTheListTheTasksAndTheSlots)
{
    AddSeveral({Media("b.avi"), Media("a.avi")});
    Form1->btnClear->Click();
    EXPECT_EQ(Form1->JobCount(), 0);
    EXPECT_EQ(converter->TasksCount(), 0);
    EXPECT_EQ(Form1->JobSlots().State(0), TSlotState::Free);
    EXPECT_EQ(Groups(), Empty);
    EXPECT_TRUE(Form1->skSkinPanel5->GetVisible());
}

TEST_F(JobAdd, AnOutputFolderThatIsGoneFailsTheAddWithItsMessage)
{
    Form1->Video_OutPut_Folder_Edit->SetText(dir.file("gone"));
    const std::string clip = Media("clip.avi");
    AddOne(clip);
    EXPECT_EQ(Form1->JobCount(), 0);
    EXPECT_EQ(converter->TasksCount(), 0) << "the refused task is removed";
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].first.rfind("以下文件没有添加：\n" + clip + ": ", 0), 0u) << dialogs.messages[0].first;
    EXPECT_NE(Form1->mmoLog->Lines()->Text().find("***Cannot do convert, error: "), std::string::npos);
}
