// The catalogue walked key by key, and a table of single formats checked item by item.

#include "app/presets/FormatPresets.h"
#include "app/presets/OptionLists.h"
#include "app/presets/ParameterValues.h"

#include <gtest/gtest.h>

#include <map>
#include <regex>
#include <set>
#include <string>

namespace {

const TOptionList& ListOf(const TPresetChoice& choice)
{
    const TOptionList* list = FindOptionList(choice.List);
    EXPECT_NE(list, nullptr) << choice.List;
    static const TOptionList empty{};
    return list ? *list : empty;
}

TEST(Catalogue, CategoriesGiveTheirCodesAndCounts)
{
    const auto& categories = Categories();
    ASSERT_EQ(categories.size(), 32u);
    std::set<int> codes;
    int formats = 0;
    for (std::size_t i = 0; i < categories.size(); ++i) {
        const TCategory& c = categories[i];
        EXPECT_EQ(c.Position, static_cast<int>(i));
        EXPECT_EQ(CategoryCodeAt(c.Position), c.Code);
        codes.insert(c.Code);
        formats += c.Formats;
        auto rows = FormatsOfCategory(c.Position);
        ASSERT_EQ(static_cast<int>(rows.size()), c.Formats) << c.Caption;
        for (int p = 0; p < c.Formats; ++p)
            EXPECT_EQ(rows[static_cast<std::size_t>(p)]->Key, (c.Code + 1) * 100 + p);
        EXPECT_EQ(FindFormatPreset((c.Code + 1) * 100 + c.Formats), nullptr);
    }
    EXPECT_EQ(formats, 285);
    std::set<int> expected;
    for (int code = 0; code <= 34; ++code)
        if (code != 6 && code != 9 && code != 32)
            expected.insert(code);
    EXPECT_EQ(codes, expected);
    EXPECT_EQ(CategoryCodeAt(28), 29);
    EXPECT_EQ(CategoryCodeAt(29), 28);
    EXPECT_EQ(CategoryCodeAt(31), 34);
    EXPECT_FALSE(CategoryCodeAt(-1));
    EXPECT_FALSE(CategoryCodeAt(32));
    EXPECT_TRUE(FormatsOfCategory(32).empty());
    EXPECT_EQ(PresetKeyOf(0, -1), 99);
    EXPECT_EQ(FindFormatPreset(99), nullptr);
}

TEST(Catalogue, OptionListsByKind)
{
    std::map<char, int> perKind;
    std::set<std::string_view> ids;
    const std::regex videoRate("^[0-9]+ kbps$"), audioRate("^[0-9]+(\\.[0-9]+)? kbps$");
    for (const TOptionList& list : OptionLists()) {
        EXPECT_TRUE(ids.insert(list.Id).second) << list.Id;
        ++perKind[list.Id[0]];
        EXPECT_GE(list.Items.size(), 1u);
        EXPECT_LE(list.Items.size(), 28u);
        for (std::string_view item : list.Items) {
            std::string text(item);
            if (list.Id[0] == 'V' && text != NoVideoItem) {
                EXPECT_TRUE(std::regex_match(text, videoRate)) << list.Id << " " << text;
            }
            if (list.Id[0] == 'A') {
                EXPECT_TRUE(std::regex_match(text, audioRate)) << list.Id << " " << text;
            }
        }
    }
    EXPECT_EQ(ids.size(), 83u);
    EXPECT_EQ(perKind, (std::map<char, int>{{'R', 28}, {'V', 34}, {'F', 7}, {'A', 5}, {'S', 6}, {'Z', 3}}));
    EXPECT_EQ(FindOptionList("R29"), nullptr);
}

TEST(Catalogue, EveryKeyHasOneRowOfConsistentParts)
{
    const auto& presets = FormatPresets();
    ASSERT_EQ(presets.size(), 285u);
    const std::regex titleEnd(".*\\(\\*\\.[a-z0-9]+\\)$");
    std::set<int> setsUsed;
    int audioOnly = 0, previousKey = 0;
    for (const TFormatPreset& p : presets) {
        SCOPED_TRACE(p.Key);
        EXPECT_GT(p.Key, previousKey);
        previousKey = p.Key;
        EXPECT_EQ(FindFormatPreset(p.Key), &p);
        EXPECT_TRUE(std::regex_match(std::string(p.Title), titleEnd)) << p.Title;
        EXPECT_FALSE(p.Caption.empty());
        ASSERT_GE(p.EncoderSet, 1);
        ASSERT_LE(p.EncoderSet, 57);
        setsUsed.insert(p.EncoderSet);
        for (std::size_t i = 0; i < p.Choices.size(); ++i) {
            const TOptionList& list = ListOf(p.Choices[i]);
            EXPECT_EQ(p.Choices[i].List[0], "RVFASZ"[i]);
            EXPECT_GE(p.Choices[i].Position, 0);
            EXPECT_LT(p.Choices[i].Position, static_cast<int>(list.Items.size()));
        }
        bool r3 = p.Choices[0].List == "R3";
        EXPECT_EQ(p.AudioOnly, r3);
        EXPECT_EQ(p.AudioOnly, EncoderSetOf(p).DisableVideo);
        if (p.AudioOnly) {
            ++audioOnly;
            EXPECT_EQ(p.Choices[1].List, "V6");
            EXPECT_EQ(p.Choices[2].List, "F3");
            EXPECT_EQ(p.Choices[5].List, "Z3");
        }
    }
    EXPECT_EQ(audioOnly, 30);
    EXPECT_EQ(setsUsed.size(), 57u);
    for (std::size_t i = 0; i < EncoderSets().size(); ++i)
        EXPECT_EQ(EncoderSets()[i].Number, static_cast<int>(i) + 1);
}

// The six values of the rows the catalogue does not list one by one come from the format's
// defaults, read by the box rules; target formats leave them to the target, audio-only formats
// give no video values.
TEST(Catalogue, SixValuesFollowTheDefaults)
{
    const std::set<int> listed = {100, 109, 111, 114, 200, 212, 1202, 300, 3401, 409};
    for (const TFormatPreset& p : FormatPresets()) {
        if (listed.count(p.Key))
            continue;
        SCOPED_TRACE(p.Key);
        const TEncoderSet& set = EncoderSetOf(p);
        std::string texts[6];
        for (std::size_t i = 0; i < 6; ++i)
            texts[i] = std::string(ListOf(p.Choices[i]).Items[static_cast<std::size_t>(p.Choices[i].Position)]);
        std::string rate = FrameRateValue(texts[2]);
        if (rate.find('.') != std::string::npos) {
            rate.erase(rate.find_last_not_of('0') + 1);
            if (rate.back() == '.')
                rate.pop_back();
        }
        const TPresetValues& v = p.Values;
        if (!set.TargetType.empty()) {
            EXPECT_EQ(std::make_tuple(v.FrameSize, v.FrameRate, v.VideoBitrate, v.AudioBitrate, v.AudioSampleRate,
                                      v.FrameAspectRatio),
                      std::make_tuple("", "", -1000, -1000, "", ""));
        } else if (p.AudioOnly) {
            EXPECT_EQ(std::make_tuple(v.FrameSize, v.FrameRate, v.VideoBitrate, v.FrameAspectRatio),
                      std::make_tuple("", "", -1, ""));
            EXPECT_EQ(v.AudioBitrate, AudioBitrateValue(texts[3]));
            EXPECT_EQ(v.AudioSampleRate, texts[4]);
        } else {
            EXPECT_EQ(v.FrameSize, FrameSizeValue(texts[0]));
            EXPECT_EQ(v.VideoBitrate, VideoBitrateValue(texts[1]));
            EXPECT_EQ(v.FrameRate, rate);
            EXPECT_EQ(v.AudioBitrate, AudioBitrateValue(texts[3]));
            EXPECT_EQ(v.AudioSampleRate, texts[4]);
            EXPECT_EQ(v.FrameAspectRatio, FrameAspectRatioValue(texts[5], "?"));
        }
    }
}

struct SpotCheck {
    int Key;
    const char* Title;
    int Set;
    const char* VideoCodec;
    const char* Extension;       // of the name an add gives
    const char* TitleExtension;  // of the name a format change gives
    std::array<const char*, 6> Shown;  // fill order
    std::array<int, 6> Sizes;
    bool AudioOnly;
    TPresetValues Values;
};

const SpotCheck SpotChecks[] = {
    {100, "AVI - 音频视频交错格式(*.avi)", 1, "mpeg4", ".avi", ".avi",
     {"保持原分辨率", "816 kbps", "25.00", "128 kbps", "44100", "保持原视频模式"},
     {28, 8, 12, 17, 6, 5}, false,
     {"", "25", 816000, 128000, "44100", ""}},
    {109, "3GP - 视频格式(*.3gp)", 10, "mpeg4", ".3gp", ".3gp",
     {"176*144", "128 kbps", "12", "12 kbps", "8000", "保持原视频模式"},
     {11, 15, 7, 6, 1, 2}, false,
     {"176*144", "12", 128000, 12000, "8000", "4:3"}},
    {111, "DVD - 视频格式(*.mpg)", 12, "", ".mpg", ".mpg",
     {"704*480", "1200 kbps", "29.97", "128 kbps", "44100", "保持原视频模式"},
     {28, 8, 12, 17, 6, 5}, false,
     {"", "", -1000, -1000, "", ""}},
    {112, "SVCD - 视频格式(*.mpg)", 13, "", ".mpg", ".mpg",
     {"480*480", "528 kbps", "25.00", "128 kbps", "44100", "保持原视频模式"},
     {28, 8, 12, 17, 6, 5}, false,
     {"", "", -1000, -1000, "", ""}},
    {114, "RM - REAL视频格式(*.rm)", 15, "rv20", ".rm", ".rm",
     {"320*240", "528 kbps", "25.00", "128 kbps", "44100", "保持原视频模式"},
     {28, 8, 12, 17, 6, 5}, false,
     {"320*240", "", -1, -1, "", ""}},
    {200, "MP3 - MPEG Layer-3音频格式(*.mp3)", 16, "", ".mp3", ".mp3",
     {"该格式无视频", "无视频", "无视频", "128 kbps", "44100", "无视频"},
     {1, 1, 1, 17, 6, 1}, true,
     {"", "", -1, 128000, "48000", ""}},
    {206, "RA - RealAudio音频格式(*.ra)", 22, "", ".ra", ".ra",
     {"该格式无视频", "无视频", "无视频", "112 kbps", "44100", "无视频"},
     {1, 1, 1, 17, 6, 1}, true,
     {"", "", -1, 112000, "44100", ""}},
    {212, "AMR-手机音频格式(*.amr)", 27, "", ".amr", ".amr",
     {"该格式无视频", "无视频", "无视频", "7.4 kbps", "8000", "无视频"},
     {1, 1, 1, 8, 1, 1}, true,
     {"", "", -1, 7400, "8000", ""}},
    {300, "高清AVI视频格式(*.avi)", 28, "mpeg4", ".avi", ".avi",
     {"1280*720", "1600 kbps", "29.97", "128 kbps", "48000", "保持原视频模式"},
     {11, 8, 4, 17, 6, 5}, false,
     {"1280*720", "25", 1600000, 128000, "48000", ""}},
    {306, "高清WMV视频格式(*.wmv)", 30, "wmv2", ".wmv", ".wmv",
     {"1280*1024", "1600 kbps", "29.97", "128 kbps", "48000", "保持原视频模式"},
     {11, 8, 4, 17, 6, 5}, false,
     {"1280*1024", "29.97", 1600000, 128000, "48000", ""}},
    {309, "高清MKV视频格式(*.mkv)", 33, "mpeg4", ".mkv", ".mkv",
     {"1280*1024", "1600 kbps", "30.00", "128 kbps", "48000", "保持原视频模式"},
     {11, 8, 4, 17, 6, 5}, false,
     {"1280*1024", "30", 1600000, 128000, "48000", ""}},
    {400, "iPod (320X240) 高清晰视频(*.mp4)", 48, "libx264", ".mp4", ".mp4",
     {"320*240", "1000 kbps", "25.00", "128 kbps", "48000", "保持原视频模式"},
     {7, 9, 10, 5, 4, 5}, false,
     {"320*240", "25", 1000000, 128000, "48000", ""}},
    {409, "iPod touch MPEG-4 480P高清晰视频(*.mp4)", 48, "libx264", ".mp4", ".mp4",
     {"640*480", "1200 kbps", "25.00", "128 kbps", "48000", "保持原视频模式"},
     {12, 9, 10, 5, 4, 5}, false,
     {"640*480", "25", 1200000, 128000, "48000", ""}},
    {411, "iPod touch MPEG-4 480P宽屏视频(*.mp4)", 47, "libxvid", ".mp4", ".mp4",
     {"640*272", "768 kbps", "25.00", "128 kbps", "48000", "宽屏视频16:9模式"},
     {12, 9, 10, 5, 4, 5}, false,
     {"640*272", "25", 768000, 128000, "48000", "16:9"}},
    {413, "iPod touch MPEG-4 (480X320)视频(*.mp4)", 47, "libxvid", ".mp4", ".mp4",
     {"480*320", "768 kbps", "25.00", "128 kbps", "48000", "保持原视频模式"},
     {12, 9, 10, 5, 4, 5}, false,
     {"480*320", "25", 768000, 128000, "48000", ""}},
    {500, "标准iPhone MPEG-4视频(*.mp4)", 50, "mpeg4", ".mp4", ".mp4",
     {"480*320", "768 kbps", "25.00", "128 kbps", "48000", "保持原视频模式"},
     {25, 9, 10, 5, 4, 5}, false,
     {"480*320", "25", 768000, 128000, "48000", ""}},
    {514, "iPhone 高清WMV视频(*.wmv)", 11, "wmv2", ".wmv", ".wmv",
     {"1280*720", "1600 kbps", "29.97", "128 kbps", "48000", "保持原视频模式"},
     {27, 8, 4, 17, 6, 5}, false,
     {"1280*720", "29.97", 1600000, 128000, "48000", ""}},
    {600, "PSP MPEG-4视频(*.mp4)", 50, "mpeg4", ".mp4", ".mp4",
     {"320*240", "768 kbps", "29.97", "128 kbps", "48000", "保持原视频模式"},
     {5, 7, 3, 5, 4, 5}, false,
     {"320*240", "29.97", 768000, 128000, "48000", ""}},
    {604, "PSP Video MPEG-4视频480P(*.mp4)", 48, "libx264", ".mp4", ".mp4",
     {"720*480", "1000 kbps", "29.97", "128 kbps", "48000", "保持原视频模式"},
     {5, 7, 3, 5, 4, 5}, false,
     {"720*480", "29.97", 1000000, 128000, "48000", ""}},
    {800, "Apple TV H264视频(320X240)(*.mp4)", 48, "libx264", ".mp4", ".mp4",
     {"320*240", "768 kbps", "25.00", "128 kbps", "48000", "保持原视频模式"},
     {7, 9, 10, 5, 4, 5}, false,
     {"320*240", "25", 768000, 128000, "48000", ""}},
    {802, "Apple TV H264视频720P(1280X720)(*.mp4)", 48, "libx264", ".mp4", ".mp4",
     {"1280*720", "1500 kbps", "29.97", "128 kbps", "48000", "保持原视频模式"},
     {8, 9, 10, 5, 4, 5}, false,
     {"1280*720", "29.97", 1500000, 128000, "48000", ""}},
    {804, "Apple TV MPEG-4高压缩视频480P(640X480)(*.mp4)", 47, "libxvid", ".mp4", ".mp4",
     {"640*480", "600 kbps", "25.00", "128 kbps", "48000", "保持原视频模式"},
     {7, 9, 10, 5, 4, 5}, false,
     {"640*480", "25", 600000, 128000, "48000", ""}},
    {900, "Xbox360 HD H.264视频(*.mp4)", 48, "libx264", ".mp4", ".mp4",
     {"640*480", "1200 kbps", "29.97", "128 kbps", "48000", "保持原视频模式"},
     {9, 9, 10, 5, 4, 5}, false,
     {"640*480", "29.97", 1200000, 128000, "48000", ""}},
    {901, "Xbox360 MCE HD MPEG-2视频(*.mpg)", 51, "mpeg2video", ".mpeg", ".mpg",
     {"1280*720", "1200 kbps", "30.00", "128 kbps", "48000", "保持原视频模式"},
     {3, 9, 10, 5, 4, 5}, false,
     {"1280*720", "30", 1200000, 128000, "48000", ""}},
    {906, "Xbox360 WMV HDTV视频(*.wmv)", 53, "wmv2", ".avi", ".wmv",
     {"1440*1080", "1800 kbps", "30.00", "128 kbps", "48000", "保持原视频模式"},
     {4, 9, 10, 5, 4, 5}, false,
     {"1440*1080", "30", 1800000, 128000, "48000", ""}},
    {909, "Xbox360 MCE 高清晰AVI视频(*.avi)", 56, "msmpeg4v1", ".mp4", ".avi",
     {"1280*720", "1800 kbps", "30.00", "128 kbps", "48000", "保持原视频模式"},
     {11, 9, 10, 5, 4, 5}, false,
     {"1280*720", "30", 1800000, 128000, "48000", ""}},
    {1100, "MP4机播放的MP4视频格式(*.mp4)", 2, "mpeg4", ".mp4", ".mp4",
     {"320*240", "816 kbps", "25.00", "128 kbps", "44100", "保持原视频模式"},
     {19, 8, 12, 17, 6, 5}, false,
     {"320*240", "25", 816000, 128000, "44100", ""}},
    {1104, "MP4 H264编码视频(*.mp4)", 29, "libx264", ".mp4", ".mp4",
     {"保持原分辨率", "1200 kbps", "29.97", "128 kbps", "44100", "保持原视频模式"},
     {28, 8, 12, 17, 6, 5}, false,
     {"", "29.97", 1200000, 128000, "44100", ""}},
    {1200, "FLV在线网络视频(*.flv)", 39, "", ".flv", ".flv",
     {"保持原分辨率", "816 kbps", "25.00", "128 kbps", "22050", "保持原视频模式"},
     {28, 8, 12, 17, 3, 5}, false,
     {"", "25", 816000, 128000, "22050", ""}},
    {1202, "FLV在线网络音频格式(*.flv)", 41, "", ".flv", ".flv",
     {"该格式无视频", "无视频", "无视频", "128 kbps", "22050", "无视频"},
     {1, 1, 1, 17, 3, 1}, true,
     {"", "", -1, 128000, "22050", ""}},
    {1203, "SWF动画视频FLASH动画音频格式(*.swf)", 42, "", ".swf", ".swf",
     {"该格式无视频", "无视频", "无视频", "128 kbps", "22050", "无视频"},
     {1, 1, 1, 17, 3, 1}, true,
     {"", "", -1, 128000, "22050", ""}},
    {1300, "iPad标准视频格式(*.mp4)", 50, "mpeg4", ".mp4", ".mp4",
     {"保持原分辨率", "1200 kbps", "30.00", "128 kbps", "32000", "保持原视频模式"},
     {14, 12, 6, 5, 5, 5}, false,
     {"", "30", 1200000, 128000, "32000", ""}},
    {1306, "iPad 1080P FHD全高清晰视频MPEG-4(*.mp4)", 48, "libx264", ".mp4", ".mp4",
     {"1920*1080", "1500 kbps", "30.00", "160 kbps", "48000", "保持原视频模式"},
     {14, 12, 6, 5, 5, 5}, false,
     {"1920*1080", "30", 1500000, 160000, "48000", ""}},
    {1310, "iPad 高清AVI视频(*.avi)", 57, "mpeg4", ".avi", ".avi",
     {"1280*720", "1200 kbps", "29.97", "128 kbps", "44100", "保持原视频模式"},
     {17, 12, 12, 17, 6, 5}, false,
     {"1280*720", "29.97", 1200000, 128000, "44100", ""}},
    {1400, "MPG标准视频(*.mpg)", 7, "mpeg1video", ".mpg", ".mpg",
     {"保持原分辨率", "1000 kbps", "25.00", "128 kbps", "44100", "保持原视频模式"},
     {28, 9, 12, 17, 6, 5}, false,
     {"", "25", 1000000, 128000, "44100", ""}},
    {1407, "MPEG-2高压缩视频(*.mpg)", 8, "mpeg2video", ".mpg", ".mpg",
     {"320*240", "528 kbps", "25.00", "96 kbps", "32000", "保持原视频模式"},
     {28, 8, 12, 17, 6, 5}, false,
     {"320*240", "25", 528000, 96000, "32000", ""}},
    {1410, "VCD格式清晰视频(*.mpg)", 14, "", ".mpg", ".mpg",
     {"320*240", "528 kbps", "25.00", "128 kbps", "44100", "保持原视频模式"},
     {28, 8, 12, 17, 6, 5}, false,
     {"", "", -1000, -1000, "", ""}},
    {1500, "标准的SWF视频格式(*.swf)", 40, "", ".swf", ".swf",
     {"保持原分辨率", "816 kbps", "25.00", "128 kbps", "22050", "保持原视频模式"},
     {28, 8, 12, 17, 3, 5}, false,
     {"", "25", 816000, 128000, "22050", ""}},
    {1503, "高压缩的SWF视频格式(*.swf)", 40, "", ".swf", ".swf",
     {"320*240", "528 kbps", "20.00", "96 kbps", "22050", "保持原视频模式"},
     {28, 8, 12, 17, 3, 5}, false,
     {"320*240", "20", 528000, 96000, "22050", ""}},
    {1506, "FLV在线网络音频格式(*.flv)", 41, "", ".flv", ".flv",
     {"该格式无视频", "无视频", "无视频", "128 kbps", "22050", "无视频"},
     {1, 1, 1, 17, 3, 1}, true,
     {"", "", -1, 128000, "22050", ""}},
    {1600, "AVI标准视频(*.avi)", 3, "mpeg4", ".avi", ".avi",
     {"保持原分辨率", "816 kbps", "25.00", "128 kbps", "44100", "保持原视频模式"},
     {28, 8, 12, 17, 6, 5}, false,
     {"", "25", 816000, 128000, "44100", ""}},
    {1606, "高清的HD AVI视频(*.avi)", 5, "libxvid", ".avi", ".avi",
     {"1280*720", "1600 kbps", "29.97", "128 kbps", "48000", "保持原视频模式"},
     {28, 8, 4, 17, 6, 5}, false,
     {"1280*720", "29.97", 1600000, 128000, "48000", ""}},
    {1700, "MKV标准视频(*.mkv)", 6, "mpeg4", ".mkv", ".mkv",
     {"保持原分辨率", "816 kbps", "25.00", "128 kbps", "44100", "保持原视频模式"},
     {28, 8, 12, 17, 6, 5}, false,
     {"", "25", 816000, 128000, "44100", ""}},
    {1706, "高清的HD MKV视频(*.mkv)", 37, "libxvid", ".mkv", ".mkv",
     {"1280*720", "1600 kbps", "29.97", "128 kbps", "48000", "保持原视频模式"},
     {28, 8, 4, 17, 6, 5}, false,
     {"1280*720", "29.97", 1600000, 128000, "48000", ""}},
    {1800, "WMV标准视频(*.wmv)", 11, "wmv2", ".wmv", ".wmv",
     {"保持原分辨率", "816 kbps", "25.00", "128 kbps", "44100", "保持原视频模式"},
     {28, 8, 12, 17, 6, 5}, false,
     {"", "25", 816000, 128000, "44100", ""}},
    {1806, "高清的HD WMV视频(*.wmv)", 11, "wmv2", ".wmv", ".wmv",
     {"1280*720", "1600 kbps", "29.97", "128 kbps", "48000", "保持原视频模式"},
     {28, 8, 4, 17, 6, 5}, false,
     {"1280*720", "29.97", 1600000, 128000, "48000", ""}},
    {1900, "ASF标准视频(*.asf)", 9, "msmpeg4", ".asf", ".asf",
     {"保持原分辨率", "816 kbps", "25.00", "128 kbps", "44100", "保持原视频模式"},
     {28, 8, 12, 17, 6, 5}, false,
     {"", "25", 816000, 128000, "44100", ""}},
    {1906, "高清的HD ASF视频(*.asf)", 9, "msmpeg4", ".asf", ".asf",
     {"1280*720", "1600 kbps", "29.97", "128 kbps", "48000", "保持原视频模式"},
     {28, 8, 4, 17, 6, 5}, false,
     {"1280*720", "29.97", 1600000, 128000, "48000", ""}},
    {2000, "Android手机AVI视频(*.avi)", 28, "mpeg4", ".avi", ".avi",
     {"保持原分辨率", "816 kbps", "保持原帧速率", "128 kbps", "48000", "保持原视频模式"},
     {27, 8, 4, 17, 6, 5}, false,
     {"", "", 816000, 128000, "48000", ""}},
    {2011, "Android平台的FLV视频(*.flv)", 39, "", ".flv", ".flv",
     {"保持原分辨率", "816 kbps", "25.00", "128 kbps", "22050", "保持原视频模式"},
     {28, 8, 12, 17, 3, 5}, false,
     {"", "25", 816000, 128000, "22050", ""}},
    {2100, "VOB标准视频(*.vob)", 31, "", ".vob", ".vob",
     {"720*480", "1000 kbps", "29.97", "128 kbps", "44100", "保持原视频模式"},
     {28, 9, 4, 17, 6, 5}, false,
     {"720*480", "29.97", 1000000, 128000, "44100", ""}},
    {2105, "高压缩的VOB视频(*.vob)", 31, "", ".vob", ".vob",
     {"320*240", "528 kbps", "保持原帧速率", "128 kbps", "32000", "保持原视频模式"},
     {28, 10, 4, 17, 6, 5}, false,
     {"320*240", "", 528000, 128000, "32000", ""}},
    {2200, "MTS转换为标准AVI视频(*.avi)", 1, "mpeg4", ".avi", ".avi",
     {"704*480", "816 kbps", "25.00", "128 kbps", "44100", "保持原视频模式"},
     {28, 9, 12, 17, 6, 5}, false,
     {"704*480", "25", 816000, 128000, "44100", ""}},
    {2207, "MTS转换为3GP视频(*.3gp)", 10, "mpeg4", ".3gp", ".3gp",
     {"176*144", "128 kbps", "12", "12 kbps", "8000", "保持原视频模式"},
     {11, 15, 7, 6, 1, 2}, false,
     {"176*144", "12", 128000, 12000, "8000", ""}},
    {2212, "MTS视频转换为VCD视频(*.mpg)", 14, "", ".mpg", ".mpg",
     {"320*240", "528 kbps", "25.00", "128 kbps", "44100", "保持原视频模式"},
     {28, 8, 12, 17, 6, 5}, false,
     {"", "", -1000, -1000, "", ""}},
    {2300, "MOD视频转换为标准AVI视频(*.avi)", 1, "mpeg4", ".avi", ".avi",
     {"704*480", "816 kbps", "25.00", "128 kbps", "44100", "保持原视频模式"},
     {28, 9, 12, 17, 6, 5}, false,
     {"704*480", "25", 816000, 128000, "44100", ""}},
    {2312, "MOD视频转换为VCD视频(*.mpg)", 14, "", ".mpg", ".mpg",
     {"320*240", "528 kbps", "25.00", "128 kbps", "44100", "保持原视频模式"},
     {28, 8, 12, 17, 6, 5}, false,
     {"", "", -1000, -1000, "", ""}},
    {2400, "RMVB视频转换为标准AVI视频(*.avi)", 1, "mpeg4", ".avi", ".avi",
     {"704*480", "816 kbps", "25.00", "128 kbps", "44100", "保持原视频模式"},
     {28, 9, 12, 17, 6, 5}, false,
     {"704*480", "25", 816000, 128000, "44100", ""}},
    {2411, "RMVB视频转换为VOB视频(*.vob)", 31, "", ".vob", ".vob",
     {"1280*720", "1200 kbps", "29.97", "128 kbps", "48000", "保持原视频模式"},
     {11, 8, 4, 17, 6, 5}, false,
     {"1280*720", "29.97", 1200000, 128000, "48000", ""}},
    {2414, "RMVB视频转换为VCD视频(*.mpg)", 14, "", ".mpg", ".mpg",
     {"320*240", "528 kbps", "25.00", "128 kbps", "44100", "保持原视频模式"},
     {28, 8, 12, 17, 6, 5}, false,
     {"", "", -1000, -1000, "", ""}},
    {2500, "VCD - PAL视频格式(*.mpg)", 14, "", ".mpg", ".mpg",
     {"320*240", "528 kbps", "25.00", "128 kbps", "44100", "保持原视频模式"},
     {28, 8, 12, 17, 6, 5}, false,
     {"", "", -1000, -1000, "", ""}},
    {2506, "VOB  - DVD视频格式(*.vob)", 46, "", ".vob", ".vob",
     {"704*480", "1200 kbps", "29.97", "128 kbps", "44100", "保持原视频模式"},
     {28, 8, 12, 17, 6, 5}, false,
     {"", "", -1000, -1000, "", ""}},
    {2600, "标准MOV视频格式(*.mov)", 4, "", ".mov", ".mov",
     {"保持原分辨率", "1000 kbps", "25.00", "128 kbps", "48000", "保持原视频模式"},
     {28, 12, 12, 17, 6, 5}, false,
     {"", "25", 1000000, 128000, "48000", ""}},
    {2603, "高压缩MOV视频格式(*.mov)", 4, "", ".mov", ".mov",
     {"保持原分辨率", "528 kbps", "20.00", "96 kbps", "32000", "保持原视频模式"},
     {28, 9, 12, 17, 6, 5}, false,
     {"", "20", 528000, 96000, "32000", ""}},
    {2700, "H.264高清AVI视频格式(*.avi)", 34, "libx264", ".avi", ".avi",
     {"1280*720", "1800 kbps", "29.97", "128 kbps", "44100", "保持原视频模式"},
     {28, 16, 12, 17, 6, 5}, false,
     {"1280*720", "29.97", 1800000, 128000, "44100", ""}},
    {2703, "H.264高清MP4视频格式(*.mp4)", 29, "libx264", ".mp4", ".mp4",
     {"1280*720", "1800 kbps", "29.97", "128 kbps", "44100", "保持原视频模式"},
     {28, 16, 12, 17, 6, 5}, false,
     {"1280*720", "29.97", 1800000, 128000, "44100", ""}},
    {2800, "高清AVCHD视频格式(*.avi)", 34, "libx264", ".avi", ".avi",
     {"1280*720", "1600 kbps", "29.97", "128 kbps", "44100", "保持原视频模式"},
     {28, 15, 12, 17, 6, 5}, false,
     {"1280*720", "29.97", 1600000, 128000, "44100", ""}},
    {2804, "高清MPEG-4视频格式(*.mp4)", 2, "mpeg4", ".mp4", ".mp4",
     {"保持原分辨率", "816 kbps", "25.00", "128 kbps", "44100", "保持原视频模式"},
     {28, 8, 12, 17, 6, 5}, false,
     {"", "25", 816000, 128000, "44100", ""}},
    {2900, "高清晰WMA音频格式(*.wma)", 17, "", ".wma", ".wma",
     {"该格式无视频", "无视频", "无视频", "224 kbps", "48000", "无视频"},
     {1, 1, 1, 17, 6, 1}, true,
     {"", "", -1, 224000, "48000", ""}},
    {2903, "标准WMA音频格式(*.wma)", 17, "", ".wma", ".wma",
     {"该格式无视频", "无视频", "无视频", "128 kbps", "44100", "无视频"},
     {1, 1, 1, 17, 6, 1}, true,
     {"", "", -1, 128000, "44100", ""}},
    {3000, "高清晰MP3音频格式(*.mp3)", 16, "", ".mp3", ".mp3",
     {"该格式无视频", "无视频", "无视频", "192 kbps", "48000", "无视频"},
     {1, 1, 1, 17, 6, 1}, true,
     {"", "", -1, 192000, "48000", ""}},
    {3003, "标准MP3音频格式(*.mp3)", 16, "", ".mp3", ".mp3",
     {"该格式无视频", "无视频", "无视频", "128 kbps", "44100", "无视频"},
     {1, 1, 1, 17, 6, 1}, true,
     {"", "", -1, 128000, "44100", ""}},
    {3100, "高清晰WAV音频格式(*.wav)", 18, "", ".wav", ".wav",
     {"该格式无视频", "无视频", "无视频", "192 kbps", "48000", "无视频"},
     {1, 1, 1, 17, 6, 1}, true,
     {"", "", -1, 192000, "48000", ""}},
    {3103, "标准WAV音频格式(*.wav)", 18, "", ".wav", ".wav",
     {"该格式无视频", "无视频", "无视频", "128 kbps", "44100", "无视频"},
     {1, 1, 1, 17, 6, 1}, true,
     {"", "", -1, 128000, "44100", ""}},
    {3200, "智能手机标准MP4视频(*.mp4)", 34, "libx264", ".avi", ".mp4",
     {"保持原分辨率", "1000 kbps", "25.00", "128 kbps", "48000", "保持原视频模式"},
     {27, 11, 10, 5, 4, 5}, false,
     {"", "25", 1000000, 128000, "48000", ""}},
    {3209, "手机3GP视频(*.3gp)", 49, "h263", ".3gp", ".3gp",
     {"176*144", "128 kbps", "12", "48 kbps", "32000", "保持原视频模式"},
     {11, 15, 7, 8, 7, 5}, false,
     {"176*144", "12", 128000, 48000, "32000", ""}},
    {3215, "手机MP3格式音频(*.mp3)", 16, "", ".mp3", ".mp3",
     {"该格式无视频", "无视频", "无视频", "128 kbps", "44100", "无视频"},
     {1, 1, 1, 17, 6, 1}, true,
     {"", "", -1, 128000, "44100", ""}},
    {3400, "智能电视高清MP4视频(*.mp4)", 34, "libx264", ".avi", ".mp4",
     {"保持原分辨率", "1500 kbps", "29.97", "128 kbps", "48000", "保持原视频模式"},
     {18, 11, 10, 5, 4, 5}, false,
     {"", "29.97", 1500000, 128000, "48000", ""}},
    {3401, "4K高清电视DivX视频(*.mp4)", 50, "mpeg4", ".mp4", ".mp4",
     {"3840*2160", "1200 kbps", "30.00", "128 kbps", "48000", "保持原视频模式"},
     {18, 11, 10, 5, 4, 5}, false,
     {"3840*2160", "30", 1200000, 128000, "48000", ""}},
    {3411, "MPEG-4超高清视频(*.mp4)", 48, "libx264", ".mp4", ".mp4",
     {"1920*1080", "2000 kbps", "29.97", "128 kbps", "48000", "保持原视频模式"},
     {25, 11, 10, 5, 4, 5}, false,
     {"1920*1080", "29.97", 2000000, 128000, "48000", ""}},
    {3500, "高清MPEG-4视频(*.mp4)", 50, "mpeg4", ".mp4", ".mp4",
     {"1280*720", "1200 kbps", "29.97", "128 kbps", "48000", "宽屏视频16:9模式"},
     {27, 12, 10, 5, 4, 5}, false,
     {"1280*720", "29.97", 1200000, 128000, "48000", "16:9"}},
    {3512, "高清晰MPG格式视频(*.mpg)", 8, "mpeg2video", ".mpg", ".mpg",
     {"1280*720", "1800 kbps", "29.97", "128 kbps", "44100", "保持原视频模式"},
     {17, 11, 12, 17, 6, 5}, false,
     {"1280*720", "29.97", 1800000, 128000, "44100", ""}},
};

TEST(Catalogue, SpotChecks)
{
    for (const SpotCheck& s : SpotChecks) {
        SCOPED_TRACE(s.Key);
        const TFormatPreset* p = FindFormatPreset(s.Key);
        ASSERT_NE(p, nullptr);
        EXPECT_EQ(p->Title, s.Title);
        EXPECT_EQ(p->EncoderSet, s.Set);
        EXPECT_EQ(EncoderSetOf(*p).VideoCodec, s.VideoCodec);
        EXPECT_EQ(EncoderSetOf(*p).Extension, s.Extension);
        EXPECT_EQ(ExtensionFromTitle(std::string(p->Title)), s.TitleExtension);
        for (std::size_t i = 0; i < 6; ++i) {
            const TOptionList& list = ListOf(p->Choices[i]);
            EXPECT_EQ(list.Items.size(), static_cast<std::size_t>(s.Sizes[i])) << i;
            EXPECT_EQ(list.Items[static_cast<std::size_t>(p->Choices[i].Position)], s.Shown[i]) << i;
        }
        EXPECT_EQ(p->AudioOnly, s.AudioOnly);
        const TPresetValues& v = p->Values;
        EXPECT_EQ(std::make_tuple(v.FrameSize, v.FrameRate, v.VideoBitrate, v.AudioBitrate, v.AudioSampleRate,
                                  v.FrameAspectRatio),
                  std::make_tuple(s.Values.FrameSize, s.Values.FrameRate, s.Values.VideoBitrate,
                                  s.Values.AudioBitrate, s.Values.AudioSampleRate, s.Values.FrameAspectRatio));
    }
}

}  // namespace
