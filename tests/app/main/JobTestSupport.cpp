#include "JobTestSupport.h"

#include "app/main/WarningBox.h"
#include "classlib/ComCtrls.h"
#include "engine/FFmpeg.h"
#include "classlib/Menus.h"
#include "classlib/StdCtrls.h"
#include "skin/form/skSkinCtrls.h"
#include "skin/form/skSkinViews.h"
#include "skin/input/skSkinComboBox.h"
#include "skin/input/skSkinEdits.h"

#include <filesystem>

void JobConverter::ReleaseFailing(ScriptedTask* Task)
{
    {
        std::lock_guard<std::mutex> guard(FLock);
        FFailing.insert(Task);
    }
    Task->Release();
}

std::unique_ptr<TFFmpeg> JobConverter::CreateTask(int MaxFiles)
{
    std::unique_ptr<TFFmpeg> made = ScriptedConverter::CreateTask(MaxFiles);
    if (ConvertForReal) {
        static_cast<ScriptedTask&>(*made).script = [](ScriptedTask& Task) { Task.Convert(); };
        static_cast<ScriptedTask&>(*made).holdAt = HoldAt;
        return made;
    }
    static_cast<ScriptedTask&>(*made).script = [this](ScriptedTask& Task) {
        Task.WaitForRelease();
        std::lock_guard<std::mutex> guard(FLock);
        if (FFailing.count(&Task))
            throw FFmpegException("boom");
    };
    return made;
}

void JobListTest::SetUp()
{
    SetConverterMaker([this] {
        auto made = std::make_unique<JobConverter>();
        converter = made.get();
        return std::unique_ptr<TFFmpegConverter>(std::move(made));
    });
    SetWarningBox([this](const std::string& Text, const std::string& Caption) {
        warnings.push_back(Caption + ": " + Text);
    });
    // Shown: the list tells its selection changes only with its window.
    StartForms(true);
    // The batch's outputs go to a folder of the test's own.
    std::filesystem::create_directories(dir.file("out"));
    Form1->FileOutPutPath = dir.file("out");
    Form1->Video_OutPut_Folder_Edit->SetText(dir.file("out"));
    // Count final end events without replacing the window's handler.
    converter->SetOnTerminate([this](TCustomFFmpegConverter* Sender, const TTerminateInfo& Info) {
        if (Info.TaskIndex == -1)
            ++finalEvents;
        Form1->FFConverterTerminate(Sender, Info);
    });
}

void JobListTest::TearDown()
{
    MainFormTest::TearDown();
    SetWarningBox({});
}

std::string JobListTest::Media(const std::string& Name, const std::string& Fixture)
{
    const std::string folder = dir.file("in");
    std::filesystem::create_directories(folder);
    const std::string path = folder + "/" + Name;
    std::filesystem::copy_file(zdtest::fixture(Fixture), path, std::filesystem::copy_options::overwrite_existing);
    return path;
}

void JobListTest::AddOne(const std::string& File)
{
    dialogs.openAnswers.push_back({File});
    Form1->btnAdd->Click();
}

void JobListTest::AddSeveral(const std::vector<std::string>& Files)
{
    dialogs.openAnswers.push_back(Files);
    Form1->Button8->Click();
}

void JobListTest::AddFolder(const std::string& Folder)
{
    dialogs.folderAnswers.push_back(Folder);
    Form1->Button12->Click();
}

std::vector<std::string> JobListTest::Inputs() const
{
    std::vector<std::string> names;
    for (int row = 0; row < Form1->JobCount(); ++row)
        names.push_back(std::filesystem::path(Form1->lvFiles->Items()->Item(row)->GetCaption()).filename());
    return names;
}

std::vector<std::string> JobListTest::Column(int Column) const
{
    std::vector<std::string> texts;
    for (int row = 0; row < Form1->JobCount(); ++row)
        texts.push_back(Form1->JobText(row, Column));
    return texts;
}

std::string JobListTest::Groups() const
{
    const std::pair<const char*, bool> groups[] = {
        {"Add", Form1->Item111->GetEnabled()},
        {"Row", Form1->N13->GetEnabled()},
        {"Clear", Form1->N14->GetEnabled()},
        {"Start", Form1->N7->GetEnabled()},
        {"Stop", Form1->N8->GetEnabled()},
        {"Pause", Form1->N10->GetEnabled()},
        {"Resume", Form1->N11->GetEnabled()},
        {"Settings", Form1->skSkinComboBox1->GetEnabled()},
    };
    std::string text;
    for (const auto& [name, on] : groups)
        text += std::string(text.empty() ? "" : " ") + name + (on ? "+" : "-");
    if (!Form1->skSkinButton12->GetVisible())
        text += " (hidden)";
    return text;
}

bool JobListTest::WaitForBatchEnd()
{
    const int before = finalEvents;
    return MainThread::WaitServing(
        [&] {
            MainThread::ProcessPendingMessages();
            return finalEvents > before;
        },
        10000);
}

std::vector<ScriptedTask*> JobListTest::BatchTasks() const
{
    return {converter->tasks.begin() + static_cast<std::ptrdiff_t>(tasksBeforeStart), converter->tasks.end()};
}
