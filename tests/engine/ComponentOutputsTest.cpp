// Outputs set through the converter component as the main window sets them: encoders the
// libraries lack, the files named as outputs and the messages of outputs that cannot be written.

#include "engine/FFmpegConverter.h"

#include "ConverterLibraries.h"
#include "TestPaths.h"
#include "TranscodeConverter.h"

#include <gtest/gtest.h>

#include <filesystem>
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

} // namespace
