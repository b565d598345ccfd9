#pragma once
// The main window with a converter whose conversions the test scripts (each task's run waits
// until released or stopped), copies of the sample media in the test's folder, the warning box
// recorded, and the job list's rows and control groups as texts.

#include "MainFormSupport.h"

#include "tests/engine/ScriptedConverter.h"

#include <mutex>
#include <set>
#include <string>
#include <vector>

// Scripted tasks that wait for their release and then end, or fail with "boom" when the test
// marked them; or, made after ConvertForReal was set, real conversions holding at HoldAt.
class JobConverter : public ScriptedConverter {
public:
    void ReleaseFailing(ScriptedTask* Task);

    bool ConvertForReal = false;
    std::optional<ScriptedTask::TRunPoint> HoldAt;

protected:
    std::unique_ptr<TFFmpeg> CreateTask(int MaxFiles) override;

private:
    std::mutex FLock;
    std::set<ScriptedTask*> FFailing;
};

class JobListTest : public MainFormTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // A copy of a media fixture under the given name in the test's folder "in"; its path.
    std::string Media(const std::string& Name, const std::string& Fixture = "sample.avi");
    // Adds files through the add commands, their dialogs answering with the given choice.
    void AddOne(const std::string& File);
    void AddSeveral(const std::vector<std::string>& Files);
    void AddFolder(const std::string& Folder);
    // The rows' captions' file names, and one column of every row.
    std::vector<std::string> Inputs() const;
    std::vector<std::string> Column(int Column) const;
    // "Add+ Row- Clear- Start- Stop- Pause- Resume- Settings+": each group by its menu entry
    // (the settings by the first parameter box); "Resume" shows "(hidden)" when its tool button
    // is hidden.
    std::string Groups() const;
    // Serves the main thread until every task of the batch ended and the final end event came.
    bool WaitForBatchEnd();
    // The batch's tasks (made by Start), in task order.
    std::vector<ScriptedTask*> BatchTasks() const;

    JobConverter* converter = nullptr;
    std::vector<std::string> warnings;
    int finalEvents = 0;
    std::size_t tasksBeforeStart = 0;
};
