// The form's encoder rows: which keys have one, and that a row writes exactly its cells.

#include "app/secondary/SecondaryCatalogue.h"
#include "app/secondary/SecondaryEncoderRows.h"
#include "tests/app/secondary/FakeSecondaryForm.h"

#include <gtest/gtest.h>

#include <set>

namespace {

TEST(SecondaryEncoderRows, KeysOfTheRows)
{
    std::set<int> keys;
    for (const TEncoderRow& row : SecondaryEncoderRows()) {
        EXPECT_TRUE(keys.empty() || row.Key > *keys.rbegin()) << row.Key;
        keys.insert(row.Key);
    }
    EXPECT_EQ(keys.size(), 110u);
    std::set<int> catalogue;
    for (const TSecondaryFormat& f : SecondaryFormats())
        catalogue.insert(f.Key);
    std::set<int> withoutRow, withoutFormat;
    for (int key : catalogue)
        if (!keys.count(key))
            withoutRow.insert(key);
    for (int key : keys)
        if (!catalogue.count(key))
            withoutFormat.insert(key);
    EXPECT_EQ(withoutRow, std::set<int>{409});
    EXPECT_EQ(withoutFormat, (std::set<int>{414, 506}));
    EXPECT_EQ(FindEncoderRow(409), nullptr);
}

TEST(SecondaryEncoderRows, RowWritesOnlyItsCells)
{
    const TFieldTexts emptyTail = {{"NormType", ""}, {"CopyTimestamp", ""}, {"FileFormat", ""}, {"TargetType", ""}};
    const struct {
        int Key;
        TFieldTexts Written;   // and the empty tail, when WithEmptyTail
        bool WithEmptyTail;
    } cases[] = {
        {100, {{"FileExt", ".avi"}, {"VideoCodec", "mpeg4"}, {"VideoTag", "XVID"}, {"FrameRate", "25"},
               {"FrameSize", ""}, {"FrameAspectRatio", ""}, {"VideoBitrate", "816000"}, {"VideoFilters", ""},
               {"AudioCodec", "libmp3lame"}, {"AudioChannels", "2"}, {"AudioSampleRate", "44100"},
               {"AudioVolume", "256"}, {"AudioBitrate", "128000"}}, true},
        {111, {{"TargetType", "dvd"}, {"NormType", "PAL"}, {"AudioVolume", "256"}, {"AudioChannels", ""},
               {"AudioSampleRate", ""}, {"FrameSize", ""}, {"FrameRate", ""}, {"FrameAspectRatio", ""},
               {"FileFormat", ""}, {"VideoTag", ""}, {"VideoCodec", ""}, {"AudioCodec", ""},
               {"VideoBitrate", "-1000"}, {"AudioBitrate", "-1000"}}, false},
        {113, {{"TargetType", "vcd"}, {"NormType", "PAL"}, {"AudioVolume", "256"}, {"AudioChannels", ""},
               {"AudioSampleRate", ""}, {"FrameSize", ""}, {"FrameRate", ""}, {"FrameAspectRatio", ""},
               {"FileFormat", ""}, {"VideoTag", ""}, {"VideoCodec", ""}, {"AudioCodec", ""},
               {"VideoBitrate", "-1000"}, {"AudioBitrate", "-1000"}}, false},
        {114, {{"VideoCodec", "rv20"}, {"FrameSize", "320*240"}}, true},
        {211, {{"FileExt", ".alac"}, {"DisableVideo", "True"}, {"AudioCodec", "alac"}, {"AudioChannels", "2"},
               {"AudioSampleRate", "48000"}, {"AudioVolume", "256"}, {"AudioBitrate", "128000"}}, true},
        {305, {{"FileExt", ".asf"}, {"VideoCodec", "msmpeg4"}, {"FrameRate", "25"}, {"FrameSize", "1280*720"},
               {"FrameAspectRatio", ""}, {"VideoBitrate", "1600000"}, {"VideoFilters", ""}, {"AudioCodec", "wmav2"},
               {"AudioChannels", "2"}, {"AudioSampleRate", "48000"}, {"AudioVolume", "256"},
               {"AudioBitrate", "128000"}}, true},
        {404, {{"FileExt", ".mp4"}, {"VideoCodec", "mpeg4"}, {"VideoTag", ""}, {"FrameRate", "25"},
               {"FrameSize", "640*480"}, {"FrameAspectRatio", ""}, {"VideoBitrate", "600000"}, {"VideoFilters", ""},
               {"AudioCodec", "libfaac"}, {"AudioChannels", "2"}, {"AudioSampleRate", "48000"},
               {"AudioVolume", "256"}, {"AudioBitrate", "128000"}, {"NormType", ""}, {"CopyTimestamp", ""},
               {"FileFormat", ""}}, false},
        {700, {{"FileExt", ".3gp"}, {"VideoCodec", "h263"}, {"VideoTag", ""}, {"FrameRate", "12"},
               {"FrameSize", "176*144"}, {"FrameAspectRatio", ""}, {"VideoBitrate", "128000"}, {"VideoFilters", ""},
               {"AudioCodec", "libamr_nb"}, {"AudioChannels", "1"}, {"AudioSampleRate", "8000"},
               {"AudioVolume", "256"}, {"AudioBitrate", "12000"}}, true},
        {1203, {{"DisableVideo", "True"}, {"AudioCodec", "libmp3lame"}, {"AudioChannels", "2"},
                {"AudioSampleRate", "22050"}, {"AudioVolume", "256"}, {"AudioBitrate", "128000"}}, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Key);
        TFieldTexts expected = With(Describe(Untouched()), c.Written);
        if (c.WithEmptyTail)
            expected = With(expected, emptyTail);
        MainWindowFields written = Untouched();
        ApplyEncoderRow(*FindEncoderRow(c.Key), written.Scratch, written.Video_CopyTimestamp);
        EXPECT_EQ(Describe(written), expected);
    }
}

TEST(SecondaryEncoderRows, ExtensionsOfTheName)
{
    const struct {
        int Key;
        const char* Extension;
        const char* FileExt;   // nullptr: not assigned
    } cases[] = {{100, ".avi", ".avi"}, {206, ".ra", ".rm"}, {211, ".m4a", ".alac"}, {306, ".wmv", ".asf"},
                 {111, ".mpg", nullptr}, {114, ".rm", nullptr}, {901, ".mpeg", ".mpeg"}, {909, ".mp4", ".mp4"},
                 {1202, ".flv", nullptr}, {1203, ".swf", nullptr}};
    for (const auto& c : cases) {
        const TEncoderRow& row = *FindEncoderRow(c.Key);
        EXPECT_EQ(row.Extension, c.Extension) << c.Key;
        EXPECT_EQ(row.FileExt, c.FileExt ? TTextCell(c.FileExt) : std::nullopt) << c.Key;
    }
}

}  // namespace
