// The converter component: building tasks, running batches and their end events.

#include "ScriptedConverter.h"

#include "platform/kernel/Exceptions.h"

#include <algorithm>

namespace {

using Indexes = std::vector<int>;

TEST_F(ConverterComponentTest, TwoThreadsAndFiveTasksEndInTheOrderTasksEndThenTheFinalEvent)
{
    for (int i = 0; i < 5; ++i)
        AddTask();
    std::atomic<int> running{0}, most{0};
    for (ScriptedTask* task : converter->tasks)
        task->script = [&](ScriptedTask& t) {
            most = std::max(most.load(), ++running);
            t.WaitForRelease();
            --running;
        };
    // The final handler may clear the tasks.
    onEnd = [this](const TTerminateInfo& info) {
        if (info.TaskIndex == -1) {
            EXPECT_TRUE(converter->Terminated());
            converter->ClearTasks();
        }
    };
    converter->Start(2);
    ASSERT_TRUE(WaitStarted(Task(0)));
    ASSERT_TRUE(WaitStarted(Task(1)));
    EXPECT_FALSE(Task(2).started.WaitFor(0));

    // Ends in the order 1, 0, 3, 2, 4: each end starts the next pending task.
    for (int index : {1, 0, 3, 2, 4}) {
        ASSERT_TRUE(WaitStarted(Task(index)));
        Task(index).Release();
        // The last end brings the final event, whose handler frees the tasks.
        if (index != 4) {
            ASSERT_TRUE(MainThread::WaitServing([&] { return Task(index).ThreadsEnded(); }, 10000));
        }
    }
    ASSERT_TRUE(WaitForFinal());
    EXPECT_EQ((Indexes{1, 0, 3, 2, 4, -1}), EventIndexes());
    for (const EndEvent& e : Events()) {
        EXPECT_TRUE(e.finished);
        EXPECT_FALSE(e.exception);
        EXPECT_TRUE(e.onMainThread);
    }
    EXPECT_EQ(2, most.load());
    EXPECT_EQ(0, converter->TasksCount());
    EXPECT_FALSE(converter->Working());
}

TEST_F(ConverterComponentTest, StopBreaksOffRunningTasksAndEndsPendingOnesThenTheFinalEventFollows)
{
    for (int i = 0; i < 5; ++i)
        AddTask();
    converter->Start(2);
    ASSERT_TRUE(WaitStarted(Task(0)));
    ASSERT_TRUE(WaitStarted(Task(1)));
    // A paused task is resumed to end.
    converter->Pause();

    bool inStop = true;
    bool finalInsideStop = false;
    onEnd = [&](const TTerminateInfo& info) {
        if (info.TaskIndex == -1)
            finalInsideStop = inStop;
    };
    converter->Stop(true);
    inStop = false;
    for (int i = 0; i < 5; ++i)
        EXPECT_FALSE(Task(i).Converting()) << i;
    EXPECT_TRUE(converter->Terminated());
    ASSERT_TRUE(WaitForFinal());
    EXPECT_FALSE(finalInsideStop);

    const std::vector<EndEvent> events = Events();
    ASSERT_EQ(6u, events.size());
    // Every task hears of the stop at once, so they end in any order; the final event is last.
    Indexes ended = EventIndexes();
    std::sort(ended.begin(), ended.end() - 1);
    EXPECT_EQ((Indexes{0, 1, 2, 3, 4, -1}), ended);
    for (int i = 0; i < 5; ++i) {
        EXPECT_FALSE(events[i].finished) << i;
        EXPECT_FALSE(events[i].exception) << i;
    }
    EXPECT_FALSE(Task(2).started.WaitFor(0));
    EXPECT_EQ((EndEvent{-1, true, false, "", true}), events[5]);
}

TEST_F(ConverterComponentTest, AFailingTaskReportsItsErrorAndTheBatchGoesOn)
{
    AddTask();
    // A task without an output fails as soon as it is started.
    ASSERT_EQ(1, converter->AddTask(zdtest::fixture("sample.avi")));
    AddTask();
    Task(0).script = [](ScriptedTask&) { throw FFmpegException("broken input"); };
    Task(2).script = [](ScriptedTask&) {};
    converter->Start(1);
    ASSERT_TRUE(WaitForFinal());
    const std::vector<EndEvent> events = Events();
    ASSERT_EQ(4u, events.size());
    EXPECT_EQ((EndEvent{0, false, true, "broken input", true}), events[0]);
    EXPECT_EQ((EndEvent{1, false, true, "At least one output file must be specified", true}), events[1]);
    EXPECT_EQ((EndEvent{2, true, false, "", true}), events[2]);
    EXPECT_EQ(-1, events[3].taskIndex);
}

TEST_F(ConverterComponentTest, AnInlineBatchReturnsAfterItsFinalEvent)
{
    for (int i = 0; i < 3; ++i)
        AddTask();
    std::vector<int> order;
    for (int i = 0; i < 3; ++i)
        Task(i).script = [&order, i](ScriptedTask&) { order.push_back(i); };
    converter->Start(0);
    EXPECT_EQ((Indexes{0, 1, 2}), order);
    EXPECT_EQ((Indexes{0, 1, 2, -1}), EventIndexes());
    EXPECT_TRUE(Events().back().onMainThread);
}

TEST_F(ConverterComponentTest, AnEmptyBatchEndsAtOnceWithTheFinalEvent)
{
    converter->Start(0);
    EXPECT_EQ((Indexes{-1}), EventIndexes());
    EXPECT_TRUE(converter->Terminated());
    converter->ClearTasks();

    converter->Start(4);
    ASSERT_TRUE(WaitForFinal());
    EXPECT_EQ((Indexes{-1, -1}), EventIndexes());
}

TEST_F(ConverterComponentTest, BuildingCallsAreRefusedWhileWorking)
{
    AddTask();
    AddTask();
    converter->Start(1);
    ASSERT_TRUE(WaitStarted(Task(0)));

    struct Case {
        std::function<void()> call;
        std::string message;
    };
    const std::string file = zdtest::fixture("sample.avi");
    const Case refused[] = {
        {[&] { converter->AddTask(file); }, "Cannot AddTask while working."},
        {[&] { converter->AddInputFile(0, file); }, "Cannot AddInputFile while working."},
        {[&] { converter->SetOutputFile(0, dir.file("x.avi")); }, "Cannot SetOutputFile while working."},
        {[&] { converter->Exchange(0, 1); }, "Cannot Exchange while working."},
        {[&] { converter->RemoveTask(1); }, "Cannot RemoveTask while working."},
        {[&] { converter->Start(1); }, "Cannot StartTask while working."},
        {[&] { converter->ClearTasks(); }, "Cannot ClearTasks while working."},
    };
    const auto expectRefused = [&](const Case& c) {
        try {
            c.call();
            ADD_FAILURE() << "not refused: " << c.message;
        } catch (const Exception& e) {
            EXPECT_EQ(c.message, e.what());
        }
    };
    for (const Case& c : refused)
        expectRefused(c);
    EXPECT_EQ(2, converter->TasksCount());

    Task(0).Release();
    Task(1).Release();
    ASSERT_TRUE(WaitForFinal());
    // An ended batch still refuses new tasks until it is cleared.
    expectRefused(refused[0]);
    converter->ClearTasks();
    EXPECT_EQ(0, converter->TasksCount());
    EXPECT_FALSE(converter->Working());
    EXPECT_FALSE(converter->Terminated());
    EXPECT_EQ(0, converter->AddTask(file));
}

TEST_F(ConverterComponentTest, TaskBuildingFailuresAreReturnedWithTheirReason)
{
    const std::string bad = zdtest::fixture("notmedia.avi");
    EXPECT_EQ(-1, converter->AddTask(bad));
    EXPECT_EQ(bad + ": Invalid data found when processing input", converter->LastErrMsg());
    EXPECT_EQ(0, converter->TasksCount());

    TInputOptions input;
    EXPECT_EQ(0, converter->AddTask(zdtest::fixture("sample.avi"), &input));
    EXPECT_EQ(zdtest::fixture("sample.avi"), input.FileName);
    ASSERT_NE(nullptr, converter->GetTaskAVProbe(0, 0));
    EXPECT_EQ(2, converter->GetTaskAVProbe(0, 0)->StreamCount());
    EXPECT_EQ(nullptr, converter->GetTaskAVProbe(0, 1));

    converter->SetCustomMaxFiles(2);
    ASSERT_EQ(1, converter->AddTask(zdtest::fixture("sample.avi")));
    EXPECT_TRUE(converter->SetOutputFile(1, dir.file("a.avi")));
    EXPECT_TRUE(converter->SetOutputFile(1, dir.file("b.avi")));
    EXPECT_FALSE(converter->SetOutputFile(1, dir.file("c.avi")));
    EXPECT_EQ("max output files 2 reached", converter->LastErrMsg());
    EXPECT_TRUE(converter->AddInputFile(1, zdtest::fixture("sample.wav")));
    EXPECT_FALSE(converter->AddInputFile(1, zdtest::fixture("sample.wav")));
    EXPECT_EQ("max input files 2 reached", converter->LastErrMsg());

    TOutputOptions output;
    output.FrameSize = "huge";
    EXPECT_FALSE(converter->SetOutputFile(0, dir.file("d.avi"), &output));
    EXPECT_EQ("Incorrect frame size", converter->LastErrMsg());

    // Removing and exchanging move the later tasks.
    ASSERT_EQ(2, converter->AddTask(zdtest::fixture("tagged.mp3")));
    converter->Exchange(0, 2);
    EXPECT_EQ(1, converter->GetTaskAVProbe(0, 0)->StreamCount());
    converter->RemoveTask(0);
    EXPECT_EQ(2, converter->TasksCount());
    EXPECT_EQ(2, converter->GetTaskAVProbe(1, 0)->StreamCount());
}

TEST_F(ConverterComponentTest, TextOptionsFillTheRecords)
{
    ASSERT_EQ(0, converter->AddTask(zdtest::fixture("sample.avi"), std::string("timestart=500000<CRLF>f=avi")));
    ASSERT_NE(nullptr, Task(0).InputOptions(0));
    EXPECT_EQ(500000, Task(0).InputOptions(0)->TimeStart);
    EXPECT_EQ("f=avi\n", Task(0).InputOptions(0)->ExtOptions);

    ASSERT_TRUE(converter->SetOutputFile(0, dir.file("o.avi"),
                                         std::string("Hook=0\nJOIN\nTimeLength=2000000\nTimeStart=x\nab=64000")));
    const TOutputOptions* output = Task(0).OutputOptions(0);
    ASSERT_NE(nullptr, output);
    EXPECT_TRUE(output->CustomHook);
    EXPECT_TRUE(output->Join);
    EXPECT_EQ(2000000, output->TimeLength);
    EXPECT_EQ(NoValueTime, output->TimeStart);
    EXPECT_EQ("ab=64000\n", output->ExtOptions);
    EXPECT_EQ(2000000, Task(0).TotalOutputDuration());
}

TEST_F(ConverterComponentTest, PropertiesKeepTheirRules)
{
    converter->SetProgressInterval(50);
    EXPECT_EQ(100, converter->GetProgressInterval());
    converter->SetProgressInterval(101);
    EXPECT_EQ(101, converter->GetProgressInterval());
    EXPECT_EQ("3.3", converter->Version());
    EXPECT_EQ(20, converter->GetCustomMaxFiles());
    EXPECT_TRUE(converter->GetTriggerEventInMainThread());
    // Stop outside a batch ends nothing: the tasks stay startable.
    AddTask();
    converter->Stop(true);
    EXPECT_TRUE(Events().empty());
    Task(0).script = [](ScriptedTask&) {};
    converter->Start(0);
    EXPECT_EQ((Indexes{0, -1}), EventIndexes());
    EXPECT_TRUE(Events().front().finished);
}

TEST_F(ConverterComponentTest, DestroyingWhileRunningWaitsForEveryThreadAndRaisesNothingAfterwards)
{
    for (int i = 0; i < 3; ++i)
        AddTask();
    std::atomic<int> startedRuns{0}, endedRuns{0};
    for (ScriptedTask* task : converter->tasks)
        task->script = [&](ScriptedTask& t) {
            ++startedRuns;
            t.WaitForRelease();
            ++endedRuns;
        };
    converter->Start(2);
    ASSERT_TRUE(WaitStarted(Task(0)));
    ASSERT_TRUE(WaitStarted(Task(1)));
    // Task 1 ends (its end event waits for the main thread), task 2 starts in its place.
    Task(1).Release();
    ASSERT_TRUE(Task(1).ended.WaitFor(10000));

    converter.reset();
    EXPECT_GE(startedRuns.load(), 2);
    EXPECT_EQ(startedRuns.load(), endedRuns.load());
    MainThread::ProcessPendingMessages();
    EXPECT_TRUE(Events().empty());
}

TEST_F(ConverterComponentTest, TasksWithoutTheMainThreadReportOnThreadsOfTheirOwn)
{
    for (int i = 0; i < 2; ++i)
        AddTask();
    Event finalSeen{true, false};
    onEnd = [&](const TTerminateInfo& info) {
        if (info.TaskIndex == -1) {
            // Every worker of the batch has ended before the final event.
            EXPECT_TRUE(Task(0).ThreadsEnded());
            EXPECT_TRUE(Task(1).ThreadsEnded());
            finalSeen.Set();
        }
    };
    converter->SetTriggerEventInMainThread(false);
    converter->Start(2);
    Task(0).Release();
    Task(1).Release();
    ASSERT_TRUE(finalSeen.WaitFor(10000));
    const std::vector<EndEvent> events = Events();
    ASSERT_EQ(3u, events.size());
    for (const EndEvent& e : events)
        EXPECT_FALSE(e.onMainThread);
    converter->ClearTasks();
}

} // namespace
