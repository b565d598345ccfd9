// The output record of an add (scratch fields) and of Start (a row's encoder columns).

#include "app/presets/OutputRecords.h"
#include "classlib/SysUtils.h"

#include <gtest/gtest.h>

namespace {

TOutputOptions Defaults()
{
    TOutputOptions options;
    InitOutputOptions(options);
    return options;
}

TEST(OutputRecords, ScratchFieldsIntoTheAddsRecord)
{
    TScratchFields fields;
    fields.Video_VideoCodec = "libx264";
    fields.Video_AudioCodec = "AUTO";
    fields.Video_AudioChannels = "2";
    fields.Video_AudioSampleRate = "AUTO";
    fields.Video_FrameSize = "1280*720";
    fields.Video_FrameRate = "29.97";
    fields.Video_TargetType = "svcd";
    fields.Video_VideoBitrate = -1000;
    fields.Video_AudioBitrate = -2000;
    fields.Video_VideoTag = "XVID";
    fields.Video_FileFormat = "mp4";
    fields.Video_VideoFilters = "hflip";
    fields.Video_AudioVolume = "128";
    fields.Video_DisableVideo = true;
    TOutputOptions o = Defaults();
    o.AudioCodec = "keep";
    ApplyScratchToOutputOptions(fields, o);
    EXPECT_EQ(std::tuple(o.VideoCodec, o.VideoPreset, o.AudioCodec, o.AudioChannels, o.AudioSampleRate),
              std::tuple("libx264", "libx264-default", "keep", 2, Defaults().AudioSampleRate));
    EXPECT_EQ(std::tuple(o.FrameSize, o.FrameRate, o.TargetType, o.NormType, o.VideoBitrate, o.AudioBitrate),
              std::tuple("1280*720", "29.97", ttSVCD, ntAuto, Defaults().VideoBitrate, Defaults().AudioBitrate));
    EXPECT_EQ(std::tuple(o.VideoTag, o.FileFormat, o.VideoFilters, o.AudioVolume, o.DisableVideo),
              std::tuple("XVID", "mp4", "hflip", 128, true));

    TScratchFields plain;
    plain.Video_VideoCodec = "mpeg4";
    plain.Video_NormType = "NTSC";
    plain.Video_TargetType = "cd";
    plain.Video_AudioSampleRate = "44100";
    plain.Video_AudioBitrate = 128000;
    TOutputOptions p = Defaults();
    p.VideoPreset = "old";
    ApplyScratchToOutputOptions(plain, p);
    EXPECT_EQ(std::tuple(p.VideoCodec, p.VideoPreset, p.NormType, p.TargetType, p.AudioSampleRate, p.AudioBitrate,
                         p.VideoBitrate, p.AudioVolume),
              std::tuple("mpeg4", "", ntNTSC, ttIgnore, 44100, 128000, -1, 256));
}

TEST(OutputRecords, EncoderColumnsIntoAFreshRecord)
{
    TOutputOptions o = Defaults();
    o.TargetType = ttDVD;
    o.VideoTag = "OLD1";
    o.AudioCodec = "old";
    DecodeEncoderColumns({"libx264", "AUTO", "2", "XVID", ".mp4", "640*480", "-1000", "25", "-2000", "AUTO", "16:9",
                          "True", "", ""},
                         o);
    EXPECT_EQ(std::tuple(o.VideoCodec, o.VideoPreset, o.AudioCodec, o.AudioChannels, o.VideoTag, o.FileExt),
              std::tuple("libx264", "libx264-default", "", 2, "", ".mp4"));
    EXPECT_EQ(std::tuple(o.FrameSize, o.VideoBitrate, o.FrameRate, o.AudioBitrate, o.AudioSampleRate),
              std::tuple("640*480", -1000, "25", -1, -1));
    EXPECT_EQ(std::tuple(o.FrameAspectRatio, o.DisableVideo, o.TargetType, o.NormType),
              std::tuple("16:9", true, ttIgnore, ntAuto));

    DecodeEncoderColumns({"mpeg4", "libmp3lame", "", "DX50", "", "", "", "", "128000", "48000", "", "False", "vcd",
                          "NTSC"},
                         o);
    EXPECT_EQ(std::tuple(o.VideoCodec, o.VideoPreset, o.AudioCodec, o.AudioChannels, o.VideoTag, o.FileExt),
              std::tuple("mpeg4", "", "libmp3lame", -1, "DX50", ""));
    EXPECT_EQ(std::tuple(o.FrameSize, o.VideoBitrate, o.AudioBitrate, o.AudioSampleRate, o.DisableVideo,
                         o.TargetType, o.NormType),
              std::tuple("", -1, 128000, 48000, false, ttVCD, ntNTSC));
    DecodeEncoderColumns({"", "", "", "", "", "", "", "", "-1", "", "", "", "dvdx", "SECAM"}, o);
    EXPECT_EQ(std::tuple(o.TargetType, o.NormType), std::tuple(ttIgnore, ntAuto));
}

TEST(OutputRecords, ColumnThatIsNotANumberRaisesTheConversionError)
{
    TEncoderColumns good{"", "", "", "", "", "", "-1", "", "-1", "", "", "False", "", ""};
    for (int column : {12, 16, 18, 19}) {
        TEncoderColumns bad = good;
        bad[static_cast<std::size_t>(column - FirstEncoderColumn)] = "abc";
        TOutputOptions o;
        EXPECT_THROW(DecodeEncoderColumns(bad, o), EConvertError) << column;
    }
    TScratchFields fields;
    fields.Video_AudioChannels = "two";
    TOutputOptions o = Defaults();
    EXPECT_THROW(ApplyScratchToOutputOptions(fields, o), EConvertError);
}

}  // namespace
