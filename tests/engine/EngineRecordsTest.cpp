#include "engine/EngineRecords.h"

#include <gtest/gtest.h>

TEST(EngineRecords, InputOptionsStartUnset)
{
    TInputOptions options;
    options.FileName = "/media/视频.avi";
    options.TimeStart = 0;
    options.ProgramID = 3;
    options.Tag = 7;
    InitInputOptions(options);
    auto& [FileName, FileFormat, TimeStart, ProgramID, ExtOptions, Tag, Data] = options;
    EXPECT_EQ("", FileName);
    EXPECT_EQ("", FileFormat);
    EXPECT_EQ(NoValueTime, TimeStart);
    EXPECT_NE(0, TimeStart);  // 0 starts at the beginning explicitly
    EXPECT_EQ(-1, ProgramID);
    EXPECT_EQ("", ExtOptions);
    EXPECT_EQ(0, Tag);
    EXPECT_EQ(nullptr, Data);
}

// The binding below lists the 55 fields in their order; it only compiles with exactly 55.
TEST(EngineRecords, OutputOptionsStartUnset)
{
    TOutputOptions options;
    options.FileName = "out.mp4";
    options.VideoBitrate = 512000;
    options.Info.Title = "title";
    options.TargetType = ttDVD;
    options.DisableAudio = true;
    InitOutputOptions(options);

    auto& [FileName, FileExt, FileFormat, PacketSize, MuxRate, MuxDelay, MuxPreload, AudioCodec, AudioPreset,
           DisableAudio, AudioVolume, AudioChannels, AudioSampleRate, AudioBitrate, AudioBitRateTolerance,
           AudioLanguage, AudioSyncMethod, AudioTag, VideoCodec, VideoPreset, DisableVideo, FrameRate, FrameSize,
           FrameAspectRatio, CropTop, CropBottom, CropLeft, CropRight, GroupPictureSize, VideoBitrate, VideoMaxRate,
           VideoMinRate, VideoBitRateTolerance, VideoBufSize, VideoSyncMethod, VideoTag, VideoFilters,
           VideoLanguage, SubtitleCodec, SubtitlePreset, DisableSubtitle, SubtitleLanguage, InputSync,
           CopyTimestamp, TimeStart, TimeLength, Info, TargetType, NormType, NormDefault, CustomHook, Join,
           ExtOptions, Tag, Data] = options;

    for (const std::string* text : {&FileName, &FileExt, &FileFormat, &AudioCodec, &AudioPreset, &AudioLanguage,
                                    &AudioTag, &VideoCodec, &VideoPreset, &FrameRate, &FrameSize, &FrameAspectRatio,
                                    &VideoTag, &VideoFilters, &VideoLanguage, &SubtitleCodec, &SubtitlePreset,
                                    &SubtitleLanguage, &ExtOptions})
        EXPECT_EQ("", *text);
    for (std::int32_t value : {PacketSize, MuxRate, AudioVolume, AudioChannels, AudioSampleRate, AudioBitrate,
                               AudioBitRateTolerance, CropTop, CropBottom, CropLeft, CropRight, GroupPictureSize,
                               VideoBitrate, VideoMaxRate, VideoMinRate, VideoBitRateTolerance, VideoBufSize,
                               VideoSyncMethod})
        EXPECT_EQ(-1, value);
    for (bool flag : {DisableAudio, DisableVideo, DisableSubtitle, InputSync, CopyTimestamp, CustomHook, Join})
        EXPECT_FALSE(flag);
    EXPECT_FLOAT_EQ(-1.0f, MuxDelay);
    EXPECT_FLOAT_EQ(-1.0f, MuxPreload);
    EXPECT_EQ(0, AudioSyncMethod);
    EXPECT_EQ(NoValueTime, TimeStart);
    EXPECT_EQ(NoValueTime, TimeLength);
    EXPECT_EQ(ttIgnore, TargetType);
    EXPECT_EQ(ntAuto, NormType);
    EXPECT_EQ(ntPAL, NormDefault);
    EXPECT_EQ(0, Tag);
    EXPECT_EQ(nullptr, Data);

    auto& [TimeStamp, Year, Track, Title, Author, Copyright, Comment, Album, Genre] = Info;
    EXPECT_DOUBLE_EQ(-1.0, TimeStamp);
    EXPECT_EQ(-1, Year);
    EXPECT_EQ(-1, Track);
    for (const std::string* text : {&Title, &Author, &Copyright, &Comment, &Album, &Genre})
        EXPECT_EQ("", *text);

    EXPECT_EQ(std::numeric_limits<std::int64_t>::min(), NoValueTime);
    EXPECT_EQ(4u, sizeof(TOptionTargetType));
    EXPECT_EQ(4u, sizeof(TOptionNormType));
}

TEST(EngineRecords, HookInfoAsksForTheUpdateByDefault)
{
    THookInfo hook;
    EXPECT_TRUE(hook.Update);
    EXPECT_FALSE(hook.StopHook);
    EXPECT_EQ(nullptr, hook.Bitmap);
}

TEST(EngineRecords, ExtOptionsText)
{
    using Lines = std::vector<TExtOption>;
    struct Case {
        const char* text;
        Lines lines;
    } cases[] = {
        {"", {}},
        {" \t\r\n ", {}},
        {"vcodec=mpeg4", {{"vcodec", "vcodec", "mpeg4"}}},
        {"  \r\n vcodec=mpeg4 \r\n", {{"vcodec", "vcodec", "mpeg4"}}},  // only the whole text is trimmed
        {"ab=128k\r\nar=44100", {{"ab", "ab", "128k"}, {"ar", "ar", "44100"}}},
        {"ab=128k\rar=44100", {{"ab", "ab", "128k"}, {"ar", "ar", "44100"}}},
        {"ab=128k\nar=44100", {{"ab", "ab", "128k"}, {"ar", "ar", "44100"}}},
        {"ab=128k<CRLF>ar=44100", {{"ab", "ab", "128k"}, {"ar", "ar", "44100"}}},
        {"ab=128k<crlf>ar=44100", {{"ab", "ab", "128k<crlf>ar=44100"}}},  // the literal is exact case
        {"a=1<CRLF>", {{"a", "a", "1"}}},
        {"vf=crop=10:20:30:40", {{"vf", "vf", "crop=10:20:30:40"}}},
        {"a=1\n  b=2", {{"a", "a", "1"}, {"  b", "  b", "2"}}},  // matches no option
        {"x= 1 \ny=2", {{"x", "x", " 1 "}, {"y", "y", "2"}}},
        {"vn", {{"vn", "vn", ""}}},
        {"=v", {{"", "", "v"}}},
        {"VCodec=X", {{"VCodec", "vcodec", "X"}}},
        {"a=1\n\nb=2", {{"a", "a", "1"}, {"", "", ""}, {"b", "b", "2"}}},
        {"title=视频 Café", {{"title", "title", "视频 Café"}}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.lines, ParseExtOptions(c.text)) << c.text;
    }
}
