// Every encoder set of the catalogue converting the generated 2-second clip through the converter
// component, with the record Start builds for a freshly added row and the file name a format
// change gives; the result read back by ffprobe.

#include "app/presets/FormatPresets.h"
#include "app/presets/OutputRecords.h"
#include "app/presets/ParameterValues.h"
#include "engine/FFmpegConverter.h"
#include "engine/FFmpegLoader.h"
#include "engine/FFmpegLogger.h"

#include "TestPaths.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <set>

namespace {

struct Stream {
    std::string Type, Codec, Tag;
};
struct Probed {
    bool Opened = false;
    std::vector<Stream> Streams;
    double Duration = 0;
};

// The lines ffprobe prints for a file.
std::vector<std::string> RunProbe(const std::string& arguments, const std::string& path, bool& succeeded)
{
    std::vector<std::string> lines;
    std::string command = "ffprobe -v error " + arguments + " '" + path + "' 2>/dev/null";
    FILE* pipe = popen(command.c_str(), "r");
    succeeded = false;
    if (!pipe)
        return lines;
    char line[512];
    while (fgets(line, sizeof line, pipe)) {
        lines.emplace_back(line);
        lines.back().erase(lines.back().find_last_not_of("\r\n") + 1);
    }
    succeeded = pclose(pipe) == 0;
    return lines;
}

// ffprobe's view of a file; a container without a duration (SWF) is timed by its last packet.
Probed Probe(const std::string& path)
{
    Probed result;
    for (const std::string& text : RunProbe("-show_entries stream=codec_type,codec_name,codec_tag_string"
                                            ":format=duration -of default=nw=1", path, result.Opened)) {
        std::size_t eq = text.find('=');
        if (eq == std::string::npos)
            continue;
        std::string name = text.substr(0, eq), value = text.substr(eq + 1);
        if (name == "codec_name")
            result.Streams.push_back({"", value, ""});
        else if (name == "codec_tag_string" && !result.Streams.empty())
            result.Streams.back().Tag = value;
        else if (name == "codec_type" && !result.Streams.empty())
            result.Streams.back().Type = value;
        else if (name == "duration")
            result.Duration = std::atof(value.c_str());
    }
    bool packets = false;
    if (result.Opened && result.Duration <= 0)
        for (const std::string& time : RunProbe("-show_entries packet=pts_time -of csv=p=0", path, packets))
            result.Duration = std::max(result.Duration, std::atof(time.c_str()));
    return result;
}

const Stream* Find(const Probed& probed, const std::string& type)
{
    for (const Stream& s : probed.Streams)
        if (s.Type == type)
            return &s;
    return nullptr;
}

int CategoryPositionOf(int key)
{
    for (const TCategory& c : Categories())
        if (c.Code == key / 100 - 1)
            return c.Position;
    return -1;
}

class EncoderSetsMedia : public testing::Test {
protected:
    void SetUp() override
    {
        FFLoader().SetInstallLogger(true);
        ASSERT_TRUE(FFLoader().Load(ConverterLibraries)) << FFLoader().GetLastErrMsg();
        converter.SetOnTerminate([this](TCustomFFmpegConverter*, const TTerminateInfo& info) {
            if (info.TaskIndex != -1)
                ends.push_back(info);
        });
    }

    // The record and output name Start builds for a row freshly added with the format of key:
    // the add names the file, the selection that follows rewrites the encoder columns from the
    // catalogue and the extension from the format's title.
    TOutputOptions StartRecord(int key, std::string& outputName)
    {
        TScratchFields fields;
        fields.Video_AddFileName = zdtest::fixture("sample.avi");
        const TFormatPreset* preset = FindFormatPreset(key);
        FillScratchFromCatalogue(fields, CategoryPositionOf(key), preset->Key % 100, dir.path(), true);
        std::string name = std::filesystem::path(fields.Video_OutPutFileName).stem().string();
        outputName = dir.file(name + "_" + std::to_string(key) + ExtensionFromTitle(std::string(preset->Title)));
        TOutputOptions options;
        DecodeEncoderColumns(EncoderColumns(fields), options);
        return options;
    }

    // Converts the input inline; the task's end report.
    TTerminateInfo Convert(const TOutputOptions& options, const std::string& outputName,
                           const std::string& input = zdtest::fixture("sample.avi"))
    {
        converter.ClearTasks();
        ends.clear();
        EXPECT_EQ(0, converter.AddTask(input));
        TOutputOptions record = options;
        if (!converter.SetOutputFile(0, outputName, &record))
            return {0, false, true, converter.LastErrMsg(), ""};
        converter.Start(0);
        return ends.size() == 1 ? ends[0] : TTerminateInfo{0, false, true, "no end report", ""};
    }

    TFFLogger logger;
    zdtest::TempDir dir;
    TFFmpegConverter converter;
    std::vector<TTerminateInfo> ends;
};

TEST_F(EncoderSetsMedia, EachSetConvertsTheClip)
{
    struct Expected {
        int Set;
        const char* Video;  // empty: no video stream
        const char* Tag;    // checked when given
        const char* Audio;
    };
    const Expected table[] = {
        {1, "mpeg4", "XVID", "mp3"},      {2, "mpeg4", "", "mp3"},         {3, "mpeg4", "DX50", "mp3"},
        {4, "h264", "", "aac"},           {5, "mpeg4", "", "mp3"},         {6, "mpeg4", "", "mp3"},
        {7, "mpeg1video", "", "mp2"},     {8, "mpeg2video", "", "mp2"},    {9, "msmpeg4v3", "", "wmav2"},
        {10, "mpeg4", "", "aac"},         {11, "wmv2", "", "wmav2"},       {12, "mpeg2video", "", "ac3"},
        {13, "mpeg2video", "", "mp2"},    {14, "mpeg1video", "", "mp2"},   {15, "rv20", "", "ac3"},
        {16, "", "", "mp3"},              {17, "", "", "wmav2"},           {18, "", "", "pcm_s16le"},
        {19, "", "", "aac"},              {20, "", "", "aac"},             {21, "", "", "vorbis"},
        {22, "", "", "ac3"},              {23, "", "", "ac3"},             {24, "", "", "pcm_s16be"},
        {25, "", "", "mp2"},              {26, "", "", "flac"},            {28, "mpeg4", "", "mp3"},
        {29, "h264", "", "mp3"},          {30, "wmv2", "", "wmav2"},       {31, "mpeg2video", "", "mp2"},
        {32, "mpeg2video", "", "mp2"},    {33, "mpeg4", "", "aac"},        {34, "h264", "", "mp3"},
        {35, "h264", "", "mp3"},          {36, "mpeg4", "", "mp3"},        {37, "mpeg4", "", "mp3"},
        {38, "mpeg4", "", "mp3"},         {39, "flv1", "", "mp3"},         {40, "flv1", "", "mp3"},
        {41, "", "", "mp3"},              {42, "", "", "mp3"},             {43, "mpeg1video", "", "mp2"},
        {44, "mpeg2video", "", "mp2"},    {45, "mpeg2video", "", "ac3"},   {46, "mpeg2video", "", "ac3"},
        {47, "mpeg4", "", "aac"},         {48, "h264", "", "aac"},         {49, "h263", "", "aac"},
        {50, "mpeg4", "", "aac"},         {51, "mpeg2video", "", "ac3"},   {52, "mpeg2video", "", "ac3"},
        {53, "wmv2", "", "mp3"},          {54, "msmpeg4v2", "", "mp3"},    {55, "msmpeg4v3", "", "mp3"},
        {56, "msmpeg4v2", "", "mp3"},     {57, "mpeg4", "DX50", "aac"},
    };
    for (const Expected& e : table) {
        const TFormatPreset* preset = nullptr;
        for (const TFormatPreset& p : FormatPresets())
            if (!preset && p.EncoderSet == e.Set)
                preset = &p;
        ASSERT_NE(preset, nullptr);
        SCOPED_TRACE(testing::Message() << "set " << e.Set << ", key " << preset->Key);
        std::string name;
        TOutputOptions options = StartRecord(preset->Key, name);
        TTerminateInfo end = Convert(options, name);
        EXPECT_TRUE(end.Finished);
        EXPECT_FALSE(end.Exception) << end.ExceptionMsg;
        Probed probed = Probe(name);
        ASSERT_TRUE(probed.Opened) << name;
        EXPECT_NEAR(probed.Duration, 2.0, 0.5);
        const Stream* video = Find(probed, "video");
        if (*e.Video) {
            ASSERT_NE(video, nullptr);
            EXPECT_EQ(video->Codec, e.Video);
            if (*e.Tag) {
                EXPECT_EQ(video->Tag, e.Tag);
            }
        } else {
            EXPECT_EQ(video, nullptr);
        }
        const Stream* audio = Find(probed, "audio");
        ASSERT_NE(audio, nullptr);
        EXPECT_EQ(audio->Codec, e.Audio);
    }
}

TEST_F(EncoderSetsMedia, AmrNbIsRefusedByName)
{
    std::string name;
    TOutputOptions options = StartRecord(212, name);
    EXPECT_EQ(name.substr(name.size() - 4), ".amr");
    TTerminateInfo end = Convert(options, name);
    EXPECT_TRUE(end.Exception);
    EXPECT_NE(end.ExceptionMsg.find("libopencore_amrnb"), std::string::npos) << end.ExceptionMsg;
    EXPECT_FALSE(std::filesystem::exists(name));
}

// Devices and most players decode 8-bit 4:2:0 only: every video target gives it from a 4:2:2
// H.264 input in 10 and in 8 bits, also where its encoder could keep the input's format (H.264,
// MPEG-2); one target of each encoder set.
TEST_F(EncoderSetsMedia, VideoTargetsGiveEightBitFourTwoZero)
{
    for (const char* input : {"high_yuv422p10le.mkv", "high_yuv422p.mkv"}) {
        std::set<int> sets;
        for (const TFormatPreset& preset : FormatPresets()) {
            const TEncoderSet& set = EncoderSetOf(preset);
            if (preset.AudioOnly || set.DisableVideo || !sets.insert(set.Number).second)
                continue;
            SCOPED_TRACE(testing::Message() << input << ", set " << set.Number << ", key " << preset.Key);
            std::string name;
            const TTerminateInfo end = Convert(StartRecord(preset.Key, name), name, zdtest::fixture(input));
            EXPECT_TRUE(end.Finished) << end.ExceptionMsg;
            bool probed = false;
            const std::vector<std::string> format =
                RunProbe("-select_streams v:0 -show_entries stream=pix_fmt -of default=nw=1:nk=1", name, probed);
            ASSERT_TRUE(probed);
            EXPECT_EQ(std::vector<std::string>{"yuv420p"}, format);
        }
        EXPECT_EQ(43u, sets.size());
    }
}

// Items an encoder refuses fail that task with the engine's message.
TEST_F(EncoderSetsMedia, RefusedChoicesFailTheTask)
{
    struct Case {
        int Key;
        const char* FrameSize;
        int VideoBitrate;
    };
    const Case cases[] = {{302, "640*353", 0}, {1302, "640*353", 0}, {3209, "320*240", 0}, {113, nullptr, 528000}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Key);
        std::string name;
        TOutputOptions options = StartRecord(c.Key, name);
        if (c.FrameSize)
            options.FrameSize = c.FrameSize;
        if (c.VideoBitrate)
            options.VideoBitrate = c.VideoBitrate;
        TTerminateInfo end = Convert(options, name);
        EXPECT_FALSE(end.Finished);
        EXPECT_TRUE(end.Exception);
        EXPECT_FALSE(end.ExceptionMsg.empty());
    }
}

}  // namespace
