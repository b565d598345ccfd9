// Outputs set through the converter component as the main window sets them: encoders the
// libraries lack, the files named as outputs and the messages of outputs that cannot be written.

#include "engine/FFmpegConverter.h"
#include "platform/kernel/MainThread.h"
#include "platform/kernel/Sync.h"

#include "ConverterLibraries.h"
#include "TestPaths.h"
#include "TranscodeConverter.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <vector>

namespace {

class ComponentOutputsTest : public ConverterLibrariesTest {
protected:
    void SetUp() override
    {
        ConverterLibrariesTest::SetUp();
        converter.SetOnTerminate([this](TCustomFFmpegConverter*, const TTerminateInfo& info) {
            ends.push_back(info);
        });
    }
    // Runs every task inside Start; the end reports of the tasks, the final one left out.
    std::vector<TTerminateInfo> RunInline()
    {
        ends.clear();
        converter.Start(0);
        std::vector<TTerminateInfo> tasks;
        for (const TTerminateInfo& info : ends)
            if (info.TaskIndex != -1)
                tasks.push_back(info);
        return tasks;
    }

    zdtest::TempDir dir;
    TFFmpegConverter converter;
    std::vector<TTerminateInfo> ends;
};

// A catalogue row naming an AAC encoder the libraries lack, in an MPEG program stream (which
// refuses AAC), converts with MP2; an AMR-NB row has no stand-in its container accepts and is
// refused when it is set, leaving no file.
TEST_F(ComponentOutputsTest, MissingEncodersGiveWayToOnesTheContainerAccepts)
{
    for (const char* name : {"out.vob", "out.mpg"}) {
        SCOPED_TRACE(name);
        converter.ClearTasks();
        ASSERT_EQ(0, converter.AddTask(zdtest::fixture("sample.avi")));
        TOutputOptions output;
        output.VideoCodec = "mpeg2video";
        output.FrameSize = "160x120";
        output.FrameRate = "25";
        output.AudioCodec = "libfaac";
        output.AudioChannels = 2;
        output.AudioSampleRate = 48000;
        output.AudioBitrate = 128000;
        ASSERT_TRUE(converter.SetOutputFile(0, dir.file(name), &output)) << converter.LastErrMsg();
        const std::vector<TTerminateInfo> ended = RunInline();
        ASSERT_EQ(1u, ended.size());
        EXPECT_TRUE(ended[0].Finished);
        EXPECT_FALSE(ended[0].Exception) << ended[0].ExceptionMsg;
        const MediaInfo info = Probe(dir.file(name));
        ASSERT_TRUE(info.opened);
        const StreamInfo* audio = info.Find(AVMEDIA_TYPE_AUDIO);
        ASSERT_NE(nullptr, audio);
        EXPECT_EQ("mp2", audio->codec);
        EXPECT_NEAR(2.0, audio->duration, 0.1);
    }

    converter.ClearTasks();
    ASSERT_EQ(0, converter.AddTask(zdtest::fixture("sample.wav")));
    TOutputOptions amr;
    amr.AudioCodec = "libopencore_amrnb";
    amr.AudioChannels = 1;
    amr.AudioSampleRate = 8000;
    amr.AudioBitrate = 7400;
    EXPECT_FALSE(converter.SetOutputFile(0, dir.file("out.amr"), &amr));
    EXPECT_NE(std::string::npos, converter.LastErrMsg().find("'libopencore_amrnb' is not available"))
        << converter.LastErrMsg();
    EXPECT_FALSE(std::filesystem::exists(dir.file("out.amr")));
}

// A file named as output is first touched when its task runs: setting it and then removing the
// task, clearing the list or stopping the batch before the task started leaves it byte for byte;
// a task stopped while it runs still leaves a finalised output.
TEST_F(ComponentOutputsTest, AnOutputFileIsTouchedOnlyByItsRun)
{
    const std::string precious = dir.file("precious.avi");
    const std::string content = "the user's own file, never converted";
    std::ofstream(precious, std::ios::binary) << content;
    auto addTask = [&](const std::string& output, bool hook) {
        const int task = converter.AddTask(zdtest::fixture("sample.avi"));
        ASSERT_GE(task, 0) << converter.LastErrMsg();
        TOutputOptions options;
        options.CustomHook = hook;
        ASSERT_TRUE(converter.SetOutputFile(task, output, &options)) << converter.LastErrMsg();
    };

    addTask(precious, false);
    converter.RemoveTask(0);
    EXPECT_EQ(content, zdtest::contents(precious));

    addTask(precious, false);
    converter.ClearTasks();
    EXPECT_EQ(content, zdtest::contents(precious));

    // One task at a time: the first one is stopped inside its run, so the second never starts.
    const std::string first = dir.file("first.avi");
    addTask(first, true);
    addTask(precious, false);
    Event inRun{true, false}, stopped{true, false}, ended{true, false};
    converter.SetOnCustomHook([&](TCustomFFmpegConverter*, PHookInfo hook) {
        if (hook->FrameNumber < 10)
            return;
        inRun.Set();
        stopped.WaitFor(INFINITE);
    });
    converter.SetOnTerminate([&](TCustomFFmpegConverter*, const TTerminateInfo& info) {
        ends.push_back(info);
        if (info.TaskIndex == -1)
            ended.Set();
    });
    converter.Start(1);
    ASSERT_TRUE(MainThread::WaitServing(inRun, 60000));
    converter.Stop(false);
    stopped.Set();
    ASSERT_TRUE(MainThread::WaitServing(ended, 60000));
    EXPECT_EQ(content, zdtest::contents(precious));
    const MediaInfo info = Probe(first);
    ASSERT_TRUE(info.opened);
    ASSERT_NE(nullptr, info.Find(AVMEDIA_TYPE_VIDEO));
    EXPECT_GT(info.Find(AVMEDIA_TYPE_VIDEO)->packets, 0);
    converter.ClearTasks();
    EXPECT_EQ(content, zdtest::contents(precious));
}

// Outputs that cannot be written say why: refused when set where the file system refuses the
// name, failed (never finished) where the device runs full.
TEST_F(ComponentOutputsTest, UnwritableOutputsSayWhy)
{
    std::ofstream(dir.file("plain.txt")) << "x";
    const struct {
        std::string file;
        std::string reason;
    } refused[] = {
        {"/sys/zd-no-such-output.avi", "Permission denied"},  // sysfs refuses new files, also to root
        {dir.file("plain.txt/out.avi"), "Not a directory"},
        {dir.file("no folder/out.avi"), "No such file or directory"},
    };
    ASSERT_EQ(0, converter.AddTask(zdtest::fixture("sample.avi")));
    for (const auto& k : refused) {
        SCOPED_TRACE(k.file);
        EXPECT_FALSE(converter.SetOutputFile(0, k.file, ""));
        EXPECT_EQ(k.file + ": ", converter.LastErrMsg().substr(0, k.file.size() + 2));
        EXPECT_NE(std::string::npos, converter.LastErrMsg().find(k.reason)) << converter.LastErrMsg();
        EXPECT_FALSE(std::filesystem::exists(k.file));
    }

    TOutputOptions full;
    full.FileFormat = "avi";
    ASSERT_TRUE(converter.SetOutputFile(0, "/dev/full", &full)) << converter.LastErrMsg();
    const std::vector<TTerminateInfo> ended = RunInline();
    ASSERT_EQ(1u, ended.size());
    EXPECT_FALSE(ended[0].Finished);
    EXPECT_TRUE(ended[0].Exception);
    EXPECT_NE(std::string::npos, ended[0].ExceptionMsg.find("No space left on device")) << ended[0].ExceptionMsg;
}

} // namespace
