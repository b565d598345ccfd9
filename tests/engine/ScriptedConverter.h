#pragma once
// A converter component whose tasks run a scripted conversion: each run waits until the test
// releases it (or the task is stopped), so the tests decide when tasks end and in which order.
// The tasks open real inputs and outputs; only the conversion itself is replaced.

#include "engine/FFmpegConverter.h"
#include "platform/kernel/MainThread.h"

#include "ConverterLibraries.h"
#include "TestPaths.h"

#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

class ScriptedTask : public TFFmpeg {
public:
    using TCustomFFmpeg::TRunPoint;

    explicit ScriptedTask(int maxFiles) : TFFmpeg(maxFiles) {}
    ~ScriptedTask() override
    {
        release.Set();
        Stop(true);
    }

    // Set by the test: what the run does after it started (may throw); by default it waits for
    // Release or a stop. Convert runs the real conversion.
    std::function<void(ScriptedTask&)> script;
    void Convert() { TFFmpeg::TranscodeLoop(); }

    // The run holds the first time it reaches this point (reachedHold is set) until Release or
    // a stop.
    std::optional<TRunPoint> holdAt;
    Event reachedHold{true, false};
    // Set whenever the run, paused, waits for Resume.
    Event held{true, false};
    // Packets the run has written.
    std::atomic<int> packets{0};

    Event started{true, false};
    Event ended{true, false};
    void Release() { release.Set(); }
    // Waits for the release or a stop request.
    void WaitForRelease()
    {
        while (!FBroken && !release.WaitFor(5)) {
        }
    }
    bool Broken() const { return FBroken; }

protected:
    void Reached(TRunPoint point) override
    {
        if (point == TRunPoint::Held)
            held.Set();
        if (point == TRunPoint::PacketWritten)
            ++packets;
        if (holdAt == point && !reachedHold.WaitFor(0)) {
            reachedHold.Set();
            WaitForRelease();
        }
    }

    void TranscodeLoop() override
    {
        started.Set();
        if (script)
            script(*this);
        else
            WaitForRelease();
        FFinished = !FBroken;
        ended.Set();
    }

private:
    Event release{true, false};
};

class ScriptedConverter : public TFFmpegConverter {
public:
    // Every task made, in order (also those AddTask gave up on, which are freed).
    std::vector<ScriptedTask*> tasks;

protected:
    std::unique_ptr<TFFmpeg> CreateTask(int maxFiles) override
    {
        auto task = std::make_unique<ScriptedTask>(maxFiles);
        tasks.push_back(task.get());
        return task;
    }
};

// The end events a component delivered, with where they came from.
struct EndEvent {
    int taskIndex;
    bool finished;
    bool exception;
    std::string message;
    bool onMainThread;
    friend bool operator==(const EndEvent&, const EndEvent&) = default;
};

class ConverterComponentTest : public ConverterLibrariesTest {
protected:
    void SetUp() override
    {
        ConverterLibrariesTest::SetUp();
        converter = std::make_unique<ScriptedConverter>();
        converter->SetOnTerminate([this](TCustomFFmpegConverter*, const TTerminateInfo& info) {
            std::lock_guard<std::mutex> guard(lock);
            events.push_back(EndEvent{info.TaskIndex, info.Finished, info.Exception, info.ExceptionMsg,
                                      MainThread::IsMainThread()});
            if (onEnd)
                onEnd(info);
        });
    }
    void TearDown() override { converter.reset(); }

    // A task reading the sample with one output in the test's folder; its index.
    int AddTask(const std::string& output = "")
    {
        const int index = converter->AddTask(zdtest::fixture("sample.avi"));
        EXPECT_GE(index, 0) << converter->LastErrMsg();
        const std::string name = output.empty() ? dir.file("out" + std::to_string(index) + ".avi") : output;
        EXPECT_TRUE(converter->SetOutputFile(index, name)) << converter->LastErrMsg();
        return index;
    }
    ScriptedTask& Task(int index) { return *converter->tasks.at(index); }

    std::vector<EndEvent> Events()
    {
        std::lock_guard<std::mutex> guard(lock);
        return events;
    }
    std::vector<int> EventIndexes()
    {
        std::vector<int> indexes;
        for (const EndEvent& e : Events())
            indexes.push_back(e.taskIndex);
        return indexes;
    }
    // Serves the main thread until the final event came (or ten seconds passed).
    bool WaitForFinal()
    {
        return MainThread::WaitServing(
            [this] {
                MainThread::ProcessPendingMessages();
                std::lock_guard<std::mutex> guard(lock);
                return !events.empty() && events.back().taskIndex == -1;
            },
            10000);
    }
    // Serves the main thread until the task's run started.
    static bool WaitStarted(ScriptedTask& task) { return MainThread::WaitServing(task.started, 10000); }

    zdtest::TempDir dir;
    std::mutex lock;
    std::vector<EndEvent> events;
    std::function<void(const TTerminateInfo&)> onEnd;
    std::unique_ptr<ScriptedConverter> converter;
};
