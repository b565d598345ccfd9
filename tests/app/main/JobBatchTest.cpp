// A batch on scripted conversions: the control groups of each phase, progress texts, task ends,
// failures, stopping, the after-finish actions and closing the window during a batch.

#include "JobTestSupport.h"

#include "app/main/JobRow.h"
#include "classlib/ComCtrls.h"
#include "classlib/Menus.h"
#include "classlib/StdCtrls.h"
#include "engine/FFmpegConverter.h"
#include "platform/kernel/AppPath.h"
#include "platform/kernel/Clock.h"
#include "skin/form/FormSkin.h"
#include "skin/form/skFrameMenu.h"
#include "skin/form/skSkinCtrls.h"
#include "skin/form/skSkinViews.h"
#include "skin/input/skSkinComboBox.h"
#include "skin/input/skSkinOfficeCtrls.h"

#include <filesystem>
#include <fstream>

using JobBatch = JobListTest;

namespace {

const std::string Ready = "Add+ Row+ Clear+ Start+ Stop- Pause- Resume- Settings+ (hidden)";
const std::string Running = "Add- Row- Clear- Start- Stop+ Pause+ Resume- Settings- (hidden)";
const std::string Paused = "Add- Row- Clear- Start- Stop+ Pause- Resume+ Settings-";
const std::string Ended = "Add+ Row- Clear+ Start+ Stop- Pause- Resume- Settings+ (hidden)";

bool Started(ScriptedTask* Task)
{
    return MainThread::WaitServing(Task->started, 10000);
}

TProgressInfo Progress(int Task, std::int64_t Current, std::int64_t Total, int Fps, std::int64_t Size)
{
    TProgressInfo info;
    info.TaskIndex = Task;
    info.CurrentDuration = Current;
    info.TotalDuration = Total;
    info.FPS = Fps;
    info.CurrentSize = Size;
    return info;
}

}  // namespace

TEST_F(JobBatch, ThePhasesOfABatchSwitchTheControlGroups)
{
    AddSeveral({Media("b.avi"), Media("a.avi")});
    ASSERT_EQ(Groups(), Ready);
    tasksBeforeStart = converter->tasks.size();
    Form1->btnStart->Click();
    EXPECT_EQ(Groups(), Running);
    const std::vector<ScriptedTask*> tasks = BatchTasks();
    ASSERT_EQ(tasks.size(), 2u);
    ASSERT_TRUE(Started(tasks[0]));

    TProgressInfo info = Progress(0, 30'000'000, 120'000'000, 25, 1234567);
    Form1->FFConverterProgress(converter, &info);
    info = Progress(1, 5'000'000, 0, 0, 0);
    Form1->FFConverterProgress(converter, &info);
    EXPECT_EQ(Column(jcProgress), (std::vector<std::string>{"25%", "N/A"}));
    EXPECT_EQ(Column(jcFramesPerSecond), (std::vector<std::string>{"25", ""}));
    EXPECT_EQ(Column(jcCurrentTime), (std::vector<std::string>{"00:00:30", "00:00:05"}));
    EXPECT_EQ(Column(jcOutputSize), (std::vector<std::string>{"1.18MB", "0MB"}));

    // Rows stay in place while the batch runs.
    Form1->lvFiles->SetSelected(Form1->lvFiles->Items()->Item(1));
    Form1->skSkinButton3Click(nullptr);
    EXPECT_EQ(Inputs(), (std::vector<std::string>{"a.avi", "b.avi"}));

    Form1->skSkinButton11Click(nullptr);
    EXPECT_EQ(Groups(), Paused);
    EXPECT_FALSE(Form1->skSkinButton11->GetVisible());
    Form1->skSkinButton12Click(nullptr);
    EXPECT_EQ(Groups(), Running);
    EXPECT_TRUE(Form1->skSkinButton11->GetVisible());

    tasks[0]->Release();
    ASSERT_TRUE(Started(tasks[1]));
    // The first task's end reaches the window through the main thread's queue.
    EXPECT_TRUE(MainThread::WaitServing(
        [] {
            MainThread::ProcessPendingMessages();
            return Form1->JobText(0, jcProgress) == "100%";
        },
        10000));
    converter->ReleaseFailing(tasks[1]);
    ASSERT_TRUE(WaitForBatchEnd());
    EXPECT_EQ(Groups(), Ended);
    EXPECT_EQ(Column(jcProgress), (std::vector<std::string>{"100%", FailedProgressText}));
    ASSERT_EQ(warnings.size(), 1u);
    EXPECT_NE(warnings[0].find("Zudevivivoduv: "), std::string::npos);
    EXPECT_NE(warnings[0].find("boom"), std::string::npos);
    EXPECT_EQ(converter->TasksCount(), 0);
    EXPECT_EQ(Column(jcTaskNumber), (std::vector<std::string>{"", ""}));
    EXPECT_EQ(kit.OpenedTargets(), (std::vector<std::string>{dir.file("out")}));

    // An add after the batch makes the rows ready again; its task is the converter's first.
    AddOne(Media("c.avi"));
    EXPECT_EQ(Groups(), Ready);
    EXPECT_EQ(Form1->JobText(2, jcTaskNumber), "1");
    // A row of the ended batch names no task: removing it leaves the new row's task alone.
    Form1->lvFiles->SetSelected(Form1->lvFiles->Items()->Item(0));
    Form1->btnRemove->Click();
    EXPECT_EQ(converter->TasksCount(), 1);
    EXPECT_EQ(Column(jcTaskNumber), (std::vector<std::string>{"", "1"}));
}

TEST_F(JobBatch, AStoppedBatchRunsItsAfterFinishActionButNeverPowersOff)
{
    std::filesystem::create_directories(dir.file("bin/sounds"));
    std::ofstream(dir.file("bin/sounds/ring001.wav")) << "RIFF";
    SetExecutablePathForTests(dir.file("bin/zudevivivoduv"));
    AddSeveral({Media("b.avi"), Media("a.avi")});
    const struct {
        TskSkinCheckRadioBox* choice;
        std::size_t opened, sounds;
    } cases[] = {
        {Form5->skSkinCheckRadioBox2, 0, 0},
        {Form5->skSkinCheckRadioBox1, 1, 0},
        {Form5->skSkinCheckRadioBox4, 1, 1},
        {Form5->skSkinCheckRadioBox5, 1, 1},
    };
    for (const auto& c : cases) {
        c.choice->SetChecked(true);
        tasksBeforeStart = converter->tasks.size();
        Form1->btnStart->Click();
        ASSERT_TRUE(Started(BatchTasks()[0]));
        Form1->skSkinButton11Click(nullptr);
        const std::uint64_t before = GetTickCount64();
        const int finals = finalEvents;
        Form1->btnStopClick(nullptr);
        EXPECT_GE(GetTickCount64() - before, 1000u);
        if (finalEvents == finals) {
            ASSERT_TRUE(WaitForBatchEnd());
        }
        EXPECT_EQ(Groups(), Ended) << c.choice->GetName();
        EXPECT_TRUE(Form1->skSkinButton11->GetVisible());
        EXPECT_EQ(power.requests, 0);
        EXPECT_EQ(kit.OpenedTargets().size(), c.opened) << c.choice->GetName();
        EXPECT_EQ(sound.played.size(), c.sounds) << c.choice->GetName();
    }
    EXPECT_EQ(sound.played[0], dir.file("bin/sounds/ring001.wav"));

    // A batch that ends by itself powers off when that is chosen.
    Form5->skSkinCheckRadioBox2->SetChecked(true);
    tasksBeforeStart = converter->tasks.size();
    Form1->btnStart->Click();
    for (ScriptedTask* task : BatchTasks())
        task->Release();
    ASSERT_TRUE(WaitForBatchEnd());
    EXPECT_EQ(power.requests, 1);
    SetExecutablePathForTests("");
}

TEST_F(JobBatch, EveryBatchStartsPausableAndNothingShownEnabledIsDead)
{
    AddSeveral({Media("b.avi"), Media("a.avi")});
    TskFrameMenu* menu = Form1->skFormSkin1->SkinMenu();
    ASSERT_NE(menu, nullptr);
    const auto openActions = [&] {
        menu->Popup(nullptr, Form1->skSkinData1, 0, RECT{100, 100, 160, 120}, Form1->N6, false);
        return menu->Visible();
    };
    const auto moves = [] {
        return std::vector<bool>{Form1->skSkinButton3->GetEnabled(), Form1->skSkinButton4->GetEnabled(),
                                 Form1->N111->GetEnabled(), Form1->N2221->GetEnabled()};
    };
    const std::vector<bool> on(4, true), off(4, false);
    EXPECT_EQ(moves(), on);
    // Both tasks run at once, so that the batch can end while paused.
    Form5->skSkinComboBox2->SetItemIndex(1);
    for (int batch = 0; batch < 2; ++batch) {
        tasksBeforeStart = converter->tasks.size();
        Form1->btnStart->Click();
        // Running, with "暂停" shown and enabled, also after a batch that ended paused.
        EXPECT_EQ(Groups(), Running) << batch;
        EXPECT_TRUE(Form1->skSkinButton11->GetVisible() && Form1->skSkinButton11->GetEnabled()) << batch;
        EXPECT_EQ(moves(), off) << batch;
        ASSERT_GE(Form1->SelectedJob(), 0);
        Form1->lvFilesDblClick(nullptr);
        EXPECT_FALSE(Form1->edt->GetVisible()) << "a double click renamed a row of the running batch";
        // No row shows the progress of the batch before.
        EXPECT_EQ(Column(jcProgress), (std::vector<std::string>{"", ""})) << batch;
        EXPECT_EQ(Column(jcOutputSize), (std::vector<std::string>{"", ""})) << batch;
        for (ScriptedTask* task : BatchTasks())
            ASSERT_TRUE(Started(task));
        ASSERT_TRUE(openActions());
        Form1->skSkinButton11Click(nullptr);
        EXPECT_FALSE(menu->Visible()) << "the open menu offered pausing";
        EXPECT_EQ(Groups(), Paused);
        // The batch ends while paused; the menu opened before does not outlive the phase.
        ASSERT_TRUE(openActions());
        for (ScriptedTask* task : BatchTasks())
            task->Release();
        ASSERT_TRUE(WaitForBatchEnd());
        EXPECT_FALSE(menu->Visible()) << "the open menu offered stopping";
        EXPECT_EQ(Groups(), Ended);
        EXPECT_EQ(moves(), on);
        EXPECT_EQ(Column(jcProgress), (std::vector<std::string>{"100%", "100%"}));
    }
}

TEST_F(JobBatch, StartChecksTheOutputFolderOnceAndMakesTheNamesUnique)
{
    AddOne(Media("clip.avi"));
    AddOne(Media("clip.avi"));
    EXPECT_EQ(Column(jcOutputName), (std::vector<std::string>{"clip.avi", "clip.avi"}));

    Form1->FileOutPutPath = dir.file("gone");
    Form1->btnStart->Click();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].first, "输出文件夹不存在：" + dir.file("gone"));
    EXPECT_EQ(Groups(), Ready);
    EXPECT_FALSE(converter->Working());

    Form1->FileOutPutPath = dir.file("out");
    std::ofstream(dir.file("out/clip.avi")) << "an earlier output";
    tasksBeforeStart = converter->tasks.size();
    Form1->btnStart->Click();
    EXPECT_EQ(Column(jcOutputName), (std::vector<std::string>{"clip_1.avi", "clip_2.avi"}));
    for (ScriptedTask* task : BatchTasks())
        task->Release();
    ASSERT_TRUE(WaitForBatchEnd());
    std::ifstream earlier(dir.file("out/clip.avi"));
    std::string kept;
    std::getline(earlier, kept);
    EXPECT_EQ(kept, "an earlier output");
}

TEST_F(JobBatch, ARowWhoseFileIsGoneEndsAsAFailedTask)
{
    const std::string b = Media("b.avi"), a = Media("a.avi");
    AddSeveral({b, a});
    std::filesystem::remove(a);
    tasksBeforeStart = converter->tasks.size();
    Form1->btnStart->Click();
    ASSERT_EQ(warnings.size(), 1u);
    EXPECT_NE(warnings[0].find(a), std::string::npos) << warnings[0];
    ASSERT_EQ(converter->TasksCount(), 1);
    // Task 0 is the second row's.
    TProgressInfo info = Progress(0, 1'000'000, 2'000'000, 25, 100);
    Form1->FFConverterProgress(converter, &info);
    EXPECT_EQ(Column(jcProgress), (std::vector<std::string>{FailedProgressText, "50%"}));
    BatchTasks().back()->Release();
    ASSERT_TRUE(WaitForBatchEnd());
    EXPECT_EQ(Column(jcProgress), (std::vector<std::string>{FailedProgressText, "100%"}));
    EXPECT_EQ(Groups(), Ended);
}

TEST_F(JobBatch, ClosingDuringABatchEndsItWithoutEventsOrActions)
{
    Form5->skSkinCheckRadioBox2->SetChecked(true);
    AddSeveral({Media("b.avi"), Media("a.avi")});
    tasksBeforeStart = converter->tasks.size();
    Form1->btnStart->Click();
    ASSERT_TRUE(Started(BatchTasks()[0]));
    bool canClose = false;
    Form1->FormCloseQuery(Form1, canClose);
    EXPECT_TRUE(canClose);
    EXPECT_TRUE(BatchTasks()[0]->Broken());
    MainThread::ProcessPendingMessages();
    Pump();
    EXPECT_EQ(finalEvents, 0);
    EXPECT_TRUE(warnings.empty());
    EXPECT_TRUE(kit.OpenedTargets().empty());
    EXPECT_EQ(power.requests, 0);
}

TEST_F(JobBatch, StartTakesThePriorityAndTheThreadCountOfTheOptionsDialog)
{
    std::vector<std::string> files;
    for (const char* name : {"e.avi", "d.avi", "c.avi", "b.avi", "a.avi"})
        files.push_back(Media(name));
    AddSeveral(files);
    const struct {
        bool multiThread;
        int countIndex;
        TskSkinCheckRadioBox* priorityBox;
        ThreadPriority priority;
        std::size_t running;
    } cases[] = {
        {true, 3, Form5->skSkinCheckRadioBox9, ThreadPriority::Idle, 4},
        {false, 3, Form5->skSkinCheckRadioBox11, ThreadPriority::Lower, 1},
        {true, 0, Form5->skSkinCheckRadioBox12, ThreadPriority::Normal, 1},
    };
    for (const auto& c : cases) {
        Form5->skSkinCheckRadioBox7->SetChecked(c.multiThread);
        Form5->skSkinComboBox2->SetItemIndex(c.countIndex);
        c.priorityBox->SetChecked(true);
        tasksBeforeStart = converter->tasks.size();
        Form1->btnStart->Click();
        EXPECT_EQ(converter->GetThreadPriority(), c.priority);
        const std::vector<ScriptedTask*> tasks = BatchTasks();
        ASSERT_EQ(tasks.size(), 5u);
        for (std::size_t i = 0; i < c.running; ++i)
            ASSERT_TRUE(Started(tasks[i]));
        // No task has ended, so no further one starts.
        for (std::size_t i = c.running; i < tasks.size(); ++i)
            EXPECT_FALSE(tasks[i]->started.WaitFor(0)) << i;
        Form1->btnStopClick(nullptr);
        ASSERT_TRUE(finalEvents > 0 || WaitForBatchEnd());
        finalEvents = 0;
    }
}

TEST_F(JobBatch, StartBuildsEachOutputRecordFromItsRowAlone)
{
    Form1->skSkinOfficeComboBox1->SetItemIndex(11);  // DVD: target "dvd", norm PAL
    AddOne(Media("clip.avi"));
    EXPECT_EQ(Form1->OO1[0].TargetType, ttDVD);
    Form1->skSkinOfficeComboBox1->SetItemIndex(1);  // MP4: no target
    Form1->btnStart->Click();
    EXPECT_EQ(Form1->OO1[0].TargetType, ttIgnore);
    EXPECT_EQ(Form1->OO1[0].NormType, ntAuto);
    EXPECT_EQ(Form1->OO1[0].VideoCodec, "mpeg4");
    EXPECT_EQ(Form1->OO1[0].FileName, dir.file("out/clip.mp4"));
    EXPECT_EQ(Form1->IO1[0].FileName, dir.file("in/clip.avi"));
    Form1->btnStopClick(nullptr);
}
