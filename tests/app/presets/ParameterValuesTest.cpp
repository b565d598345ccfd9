// Box texts as output settings, the title's extension and the two job-row codes.

#include "app/presets/ParameterValues.h"
#include "classlib/SysUtils.h"

#include <gtest/gtest.h>

namespace {

TEST(ParameterValues, TextsReadByTheBoxRules)
{
    EXPECT_EQ(FrameSizeValue("保持原分辨率"), "");
    EXPECT_EQ(FrameSizeValue("该格式无视频"), "");
    EXPECT_EQ(FrameSizeValue("320*240"), "320*240");
    EXPECT_EQ(FrameRateValue("保持原帧速率"), "");
    EXPECT_EQ(FrameRateValue("无视频"), "");
    EXPECT_EQ(FrameRateValue("25.00"), "25.00");
    EXPECT_EQ(SampleRateValue("自动音频采样率", false), "");
    EXPECT_EQ(SampleRateValue("自动音频采样率", true), "AUTO");
    EXPECT_EQ(SampleRateValue("44100", true), "44100");

    const std::pair<const char*, int> video[] = {
        {"无视频", -1000}, {"816 kbps", 816000}, {"8 kbps", 8000}, {"4000 kbps", 4000000}, {" 12 kbps x", 12000}};
    for (auto [text, value] : video)
        EXPECT_EQ(VideoBitrateValue(text), value) << text;
    const std::pair<const char*, int> audio[] = {
        {"自动音频比特率", -1000}, {"128 kbps", 128000}, {"12.2 kbps", 12200}, {"4.75 kbps", 4750},
        {"5.15 kbps", 5150}, {"5.9 kbps", 5900}, {"7.95 kbps", 7950}, {"1.2345 kbps", 1234}};
    for (auto [text, value] : audio)
        EXPECT_EQ(AudioBitrateValue(text), value) << text;
    for (const char* bad : {"kbps", "x kbps", "1.2.3 kbps", "无视频"}) {
        EXPECT_THROW(AudioBitrateValue(bad), EConvertError) << bad;
        EXPECT_THROW(VideoBitrateValue(bad == std::string("无视频") ? "自动音频比特率" : bad), EConvertError) << bad;
    }

    const std::pair<const char*, const char*> aspect[] = {
        {"保持原视频模式", ""}, {"无视频", ""}, {"普通视频4:3模式", "4:3"}, {"宽屏视频16:9模式", "16:9"},
        {"宽屏视频37:20模式", "37:20"}, {"宽屏视频47:20模式", "47:20"}, {"其他", "16:9"}};
    for (auto [text, value] : aspect)
        EXPECT_EQ(FrameAspectRatioValue(text, "16:9"), value) << text;
}

TEST(ParameterValues, ExtensionFromTitle)
{
    const std::pair<const char*, const char*> cases[] = {
        {"MP4 - MPEG-4视频格式(*.mp4)", ".mp4"},       {"FLAC-音频格式(*.flac)", ".flac"},
        {"AIFF - 音频交换文件格式(*.aiff)", ".aiff"},  {"RM - REAL视频格式(*.rm)", ".rm"},
        {"RA - RealAudio音频格式(*.ra)", ".ra"},       {"Xbox360 MCE HD MPEG-2视频(*.mpg)", ".mpg"},
        {"某格式(*.mpeg)", ".mpeg"}, {"某格式(*.flac))", ".alac"},
        {"标清(*.3gp)", ".3gp"},                       {"视频(*)", "视频(*"},
        {"(*.a)", "(*.a"},                             {"abc", ""},
    };
    for (auto [title, extension] : cases)
        EXPECT_EQ(ExtensionFromTitle(title), extension) << title;
}

TEST(ParameterValues, SelectionAndParameterCodesBothWays)
{
    EXPECT_EQ(SelectionCode(0, 0), 100);
    EXPECT_EQ(SelectionCode(11, 5), 1205);
    EXPECT_EQ(SelectionCode(31, 12), 3212);
    for (auto [code, category, format] : {std::tuple{1205, 11, 5}, {100, 0, 0}, {3212, 31, 12}, {99, -1, 99}}) {
        TSelection s = DecodeSelectionCode(code);
        EXPECT_EQ(std::pair(s.CategoryPosition, s.FormatPosition), std::pair(category, format)) << code;
    }

    EXPECT_EQ(ParameterCode({0, 3, 0, 0, 10, 5}), "000300001005");
    EXPECT_EQ(DecodeParameterCode("000300001005"), (TParameterPositions{0, 3, 0, 0, 10, 5}));
    EXPECT_EQ(DecodeParameterCode(ParameterCode({27, 15, 16, 4, 11, 6})), (TParameterPositions{27, 15, 16, 4, 11, 6}));
    for (const char* bad : {"", "00030000100", "0003000010x5", "00 300001005"})
        EXPECT_THROW(DecodeParameterCode(bad), EConvertError) << bad;

    EXPECT_EQ(ReplaceParameterPair("000300001005", pkAudioBitrate, 16), "000316001005");
    EXPECT_EQ(ReplaceParameterPair("000300001005", pkResolution, 7), "070300001005");
    EXPECT_EQ(ReplaceParameterPair("000300001005", pkSampleRate, 12), "000300001012");
    EXPECT_EQ((std::vector<int>{ParameterColumn(pkResolution), ParameterColumn(pkVideoBitrate),
                                ParameterColumn(pkFrameRate), ParameterColumn(pkAudioBitrate),
                                ParameterColumn(pkSampleRate), ParameterColumn(pkScaling)}),
              (std::vector<int>{15, 16, 17, 18, 19, 20}));
}

}  // namespace
