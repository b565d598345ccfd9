// Pause and stop of a batch of real conversions, whatever state each task is in: the tasks are
// held at each point of their runs while the batch is paused or stopped.

#include "ScriptedConverter.h"
#include "TranscodeConverter.h"

#include <filesystem>
#include <fstream>

namespace {

using Point = ScriptedTask::TRunPoint;

struct HoldCase {
    const char* title;
    Point point;
};

const HoldCase kPoints[] = {
    {"opening", Point::Starting},
    {"set up, before its outputs", Point::OpeningOutputs},
    {"after its first packet", Point::PacketWritten},
    {"draining", Point::Draining},
    {"just ended", Point::Ending},
};

class ConverterBatchControl : public ConverterComponentTest {
protected:
    // A new component, no events, no outputs.
    void Fresh()
    {
        converter.reset();
        events.clear();
        for (int i = 0; i < 3; ++i)
            std::filesystem::remove(Output(i));
        ConverterComponentTest::SetUp();
    }
    // Three conversions of the sample into outN.avi (with options), run for real; task 0 holds
    // at the point, task 1 after its first packet; both have reached them when this returns.
    void StartHeld(Point point, const std::string& options)
    {
        for (int i = 0; i < 3; ++i) {
            const int index = converter->AddTask(zdtest::fixture("sample.avi"));
            ASSERT_EQ(i, index) << converter->LastErrMsg();
            ASSERT_TRUE(converter->SetOutputFile(index, Output(index), options)) << converter->LastErrMsg();
            Task(i).script = [](ScriptedTask& task) { task.Convert(); };
        }
        Task(0).holdAt = point;
        Task(1).holdAt = Point::PacketWritten;
        converter->Start(2);
        ASSERT_TRUE(MainThread::WaitServing(Task(0).reachedHold, 10000));
        ASSERT_TRUE(MainThread::WaitServing(Task(1).reachedHold, 10000));
    }
    std::string Output(int index) const { return dir.file("out" + std::to_string(index) + ".avi"); }
    // The outputs' sizes, -1 for one that does not exist.
    std::vector<std::int64_t> Sizes() const
    {
        std::vector<std::int64_t> sizes;
        for (int i = 0; i < 3; ++i) {
            std::error_code ec;
            const auto size = std::filesystem::file_size(Output(i), ec);
            sizes.push_back(ec ? -1 : static_cast<std::int64_t>(size));
        }
        return sizes;
    }
    bool Ended(int index)
    {
        const std::vector<int> ended = EventIndexes();
        return std::find(ended.begin(), ended.end(), index) != ended.end();
    }
};

// After Pause returns nothing is written to any output and no pending task starts, wherever the
// running tasks stand; after Resume every task converts to its end. A file at the first output's
// name is replaced only then (unless the task had ended before the pause).
TEST_F(ConverterBatchControl, PauseHoldsEveryTaskWhereverItStands)
{
    for (const HoldCase& k : kPoints) {
        SCOPED_TRACE(k.title);
        Fresh();
        std::ofstream(Output(0)) << "there before";
        StartHeld(k.point, "");
        converter->Pause();
        const std::vector<std::int64_t> paused = Sizes();
        EXPECT_EQ(k.point != Point::Ending, paused[0] == 12);
        const int packets[2] = {Task(0).packets, Task(1).packets};
        Task(0).Release();
        Task(1).Release();
        // Each running task goes on until it must wait before its next write; one that has
        // nothing left to write ends, and the next task is not started for it.
        ASSERT_TRUE(MainThread::WaitServing(Task(1).held, 10000));
        if (k.point == Point::Ending)
            ASSERT_TRUE(MainThread::WaitServing([&] { return Ended(0); }, 10000));
        else
            ASSERT_TRUE(MainThread::WaitServing(Task(0).held, 10000));
        EXPECT_EQ(paused, Sizes());
        EXPECT_EQ(packets[0], Task(0).packets);
        EXPECT_EQ(packets[1], Task(1).packets);
        EXPECT_FALSE(Task(2).started.WaitFor(0));

        converter->Resume();
        ASSERT_TRUE(WaitForFinal());
        for (const EndEvent& e : Events())
            EXPECT_TRUE(e.finished && !e.exception) << e.taskIndex << " " << e.message;
        for (int i = 0; i < 3; ++i) {
            const MediaInfo info = Probe(Output(i));
            const StreamInfo* video = info.Find(AVMEDIA_TYPE_VIDEO);
            ASSERT_NE(nullptr, video) << i;
            EXPECT_NEAR(2.0, video->duration, 0.05) << i;
        }
    }
}

// After Stop a running task reads and decodes nothing more and takes at most one packet from
// each encoder (none from this video-only MPEG-4, which holds nothing back): its output holds
// the packets written before the stop, with its trailer. One stopped before its outputs were
// opened leaves no file, and the pending task never starts.
TEST_F(ConverterBatchControl, StopEndsEveryTaskWithWhatItHadInFlight)
{
    for (const HoldCase& k : kPoints) {
        SCOPED_TRACE(k.title);
        Fresh();
        StartHeld(k.point, "an=1");
        // The held tasks write nothing meanwhile: these are the packets before the stop.
        const int packets[2] = {Task(0).packets, Task(1).packets};
        converter->Stop(false);
        Task(0).Release();
        Task(1).Release();
        ASSERT_TRUE(WaitForFinal());

        EXPECT_FALSE(Task(2).started.WaitFor(0));
        EXPECT_FALSE(std::filesystem::exists(Output(2)));
        // Only a task that had ended already finished.
        for (const EndEvent& e : Events()) {
            if (e.taskIndex >= 0) {
                EXPECT_EQ(e.taskIndex == 0 && k.point == Point::Ending, e.finished) << e.taskIndex;
                EXPECT_FALSE(e.exception) << e.taskIndex << " " << e.message;
            }
        }
        const bool opened = k.point != Point::Starting && k.point != Point::OpeningOutputs;
        ASSERT_EQ(opened, std::filesystem::exists(Output(0)));
        for (int i = opened ? 0 : 1; i < 2; ++i) {
            const MediaInfo info = Probe(Output(i));
            const StreamInfo* video = info.Find(AVMEDIA_TYPE_VIDEO);
            ASSERT_NE(nullptr, video) << i;
            EXPECT_EQ(packets[i], video->packets) << i;
        }
    }
}

} // namespace
