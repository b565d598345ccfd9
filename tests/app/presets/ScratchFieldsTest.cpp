// Filling the scratch fields from the catalogue: output names, uniqueness and the encoder columns.

#include "app/presets/FormatPresets.h"
#include "app/presets/ScratchFields.h"
#include "classlib/SysUtils.h"

#include "TestPaths.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>

namespace {

// Category positions of the codes used below.
constexpr int General = 0, Audio = 1, IPod = 16;

TEST(ScratchFields, OutputNames)
{
    struct Case {
        const char* Input;
        const char* Folder;
        int Category, Format;
        std::set<std::string> Present;
        bool Overwrite;
        const char* Expected;
    };
    const Case cases[] = {
        {"/in/clip.avi", "/out", General, 1, {}, false, "/out/clip.mp4"},
        {"/in/clip.avi", "/out", General, 1, {"/out/clip.mp4"}, false, "/out/clip_1.mp4"},
        {"/in/clip.avi", "/out", General, 1, {"/out/clip.mp4", "/out/clip_1.mp4"}, false, "/out/clip_2.mp4"},
        {"/in/clip.avi", "/out", General, 1, {"/out/clip.mp4"}, true, "/out/clip.mp4"},
        {"/in/movie.part1.mkv", "/out", General, 1, {}, false, "/out/movie.part1.mp4"},
        {"/in/clip", "/out", General, 1, {}, false, "/out/clip.mp4"},
        {"/in/clip.avi", "/out/", General, 1, {}, false, "/out//clip.mp4"},
        {"/in/a:b.avi", "/out", General, 1, {}, false, "/out/a:b.mp4"},
        {"/in/clip.avi", "/out", Audio, 6, {}, false, "/out/clip.ra"},
        {"/in/clip.avi", "/out", 2, 6, {}, false, "/out/clip.wmv"},
        {"/in/clip.avi", "/out", General, 11, {}, false, "/out/clip.mpg"},
        {"/in/clip.avi", "/out", 12, 1, {}, false, "/out/clip.mpeg"},
        {"/in/clip.avi", "/out", 10, 0, {}, false, "/out/clip.avi"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Expected);
        TScratchFields fields;
        fields.Video_AddFileName = c.Input;
        auto exists = [&c](const std::string& path) { return c.Present.count(path) > 0; };
        FillScratchFromCatalogue(fields, c.Category, c.Format, c.Folder, c.Overwrite, exists);
        EXPECT_EQ(fields.Video_OutPutFileName, c.Expected);
        EXPECT_EQ(fields.Video_AddFileName, c.Input);
    }
}

TEST(ScratchFields, OnlyFilesOnDiskCount)
{
    zdtest::TempDir dir;
    std::filesystem::create_directory(dir.file("clip.mp4"));
    TScratchFields fields;
    fields.Video_AddFileName = "/in/clip.avi";
    FillScratchFromCatalogue(fields, General, 1, dir.path(), false);
    EXPECT_EQ(fields.Video_OutPutFileName, dir.file("clip.mp4"));
    std::ofstream(dir.file("clip.avi")) << "x";
    FillScratchFromCatalogue(fields, General, 0, dir.path(), false);
    EXPECT_EQ(fields.Video_OutPutFileName, dir.file("clip_1.avi"));
    EXPECT_FALSE(DiskFileExists(dir.file("clip.mp4")));
    EXPECT_FALSE(DiskFileExists(dir.file("missing")));
}

TEST(ScratchFields, EncoderColumnsOfTheCatalogueRow)
{
    struct Case {
        int Category, Format;
        TEncoderColumns Columns;
    };
    const Case cases[] = {
        {General, 11, {"", "", "", "", "", "", "-1000", "", "-1000", "", "", "False", "dvd", "PAL"}},
        {General, 0, {"mpeg4", "libmp3lame", "2", "XVID", ".avi", "", "816000", "25", "128000", "44100", "", "False",
                      "", ""}},
        {General, 9, {"mpeg4", "libfaac", "1", "", ".3gp", "176*144", "128000", "12", "12000", "8000", "4:3", "False",
                      "", ""}},
        {General, 14, {"rv20", "", "", "", "", "320*240", "-1", "", "-1", "", "", "False", "", ""}},
        {Audio, 0, {"", "libmp3lame", "2", "", ".mp3", "", "-1", "", "128000", "48000", "", "True", "", ""}},
        {Audio, 6, {"", "", "2", "", ".rm", "", "-1", "", "112000", "44100", "", "True", "", ""}},
        {IPod, 9, {"libx264", "libfaac", "2", "", ".mp4", "640*480", "1200000", "25", "128000", "48000", "", "False",
                   "", ""}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.Category << "/" << c.Format);
        TScratchFields fields;
        fields.Video_AddFileName = "/in/clip.avi";
        EXPECT_EQ(FillScratchFromCatalogue(fields, c.Category, c.Format, "/out", true, DiskFileExists),
                  PresetKeyOf(c.Category, c.Format));
        EXPECT_EQ(EncoderColumns(fields), c.Columns);
        EXPECT_EQ(fields.Video_AudioVolume, "256");
    }
}

// A key without a row, a position outside the category box, or no input name: every field stays
// reset.
TEST(ScratchFields, NothingToFillLeavesTheFieldsReset)
{
    const std::tuple<int, int, const char*> cases[] = {
        {General, -1, "/in/clip.avi"}, {General, 15, "/in/clip.avi"}, {32, 0, "/in/clip.avi"},
        {General, 0, ""}, {General, 0, "/in/"}};
    for (auto [category, format, input] : cases) {
        SCOPED_TRACE(testing::Message() << category << "/" << format << " " << input);
        TScratchFields fields;
        fields.Video_AddFileName = input;
        fields.Video_OutPutFileName = "old";
        fields.Video_VideoBitrate = 5;
        EXPECT_NO_THROW(FillScratchFromCatalogue(fields, category, format, "/out", false));
        TScratchFields reset;
        reset.Video_AddFileName = input;
        EXPECT_EQ(EncoderColumns(fields), EncoderColumns(reset));
        EXPECT_EQ(fields.Video_OutPutFileName, "");
    }
    TScratchFields fields;
    EXPECT_FALSE(FillScratchFromCatalogue(fields, 32, 0, "/out", false));
    EXPECT_EQ(FillScratchFromCatalogue(fields, General, -1, "/out", false), 99);
}

TEST(ScratchFields, BoxTextsOverrideSixFields)
{
    TScratchFields fields;
    fields.Video_FrameAspectRatio = "4:3";
    ApplyParameterTexts(fields, {"720*576", "无视频", "12.2 kbps", "奇怪的模式", "29.97", "自动音频采样率"});
    EXPECT_EQ(std::tuple(fields.Video_FrameSize, fields.Video_VideoBitrate, fields.Video_AudioBitrate,
                         fields.Video_FrameAspectRatio, fields.Video_FrameRate, fields.Video_AudioSampleRate),
              std::tuple("720*576", -1000, 12200, "4:3", "29.97", "AUTO"));
    ApplyParameterTexts(fields, {"保持原分辨率", "816 kbps", "自动音频比特率", "宽屏视频16:9模式", "保持原帧速率", "8000"});
    EXPECT_EQ(std::tuple(fields.Video_FrameSize, fields.Video_VideoBitrate, fields.Video_AudioBitrate,
                         fields.Video_FrameAspectRatio, fields.Video_FrameRate, fields.Video_AudioSampleRate),
              std::tuple("", 816000, -1000, "16:9", "", "8000"));
    EXPECT_THROW(ApplyParameterTexts(fields, {"", "fast", "", "", "", ""}), EConvertError);
}

}  // namespace
