#include "OpenConverter.h"

#include <cmath>

namespace {

using Options = std::vector<std::pair<std::string, std::string>>;

class ConverterInputs : public OpenConverterTest {};

TEST_F(ConverterInputs, VideoAndAudioPropertiesBecomeTheOptionState)
{
    OpenConverter c;
    c.Options({{"vcodec", "mpeg4"}});
    ASSERT_TRUE(c.Open("sample.avi")) << c.LastErrMsg();

    EXPECT_EQ(1, c.Fnb_input_files);
    EXPECT_EQ(160, c.Fframe_width);
    EXPECT_EQ(120, c.Fframe_height);
    EXPECT_FLOAT_EQ(4.0f / 3, c.Fframe_aspect_ratio);
    EXPECT_EQ(AV_PIX_FMT_YUV420P, c.Fframe_pix_fmt);
    EXPECT_EQ(25, c.Fframe_rate.num);
    EXPECT_EQ(1, c.Fframe_rate.den);
    EXPECT_EQ(44100, c.Faudio_sample_rate);
    EXPECT_EQ(2, c.Faudio_channels);
    EXPECT_EQ(AV_CH_LAYOUT_STEREO, c.Fchannel_layout);
    EXPECT_NEAR(2000000, c.TotalOutputDuration(), 100000);
    EXPECT_EQ(0, c.Finput_files_ts_offset[0]);

    // One slot per stream with a decoding context; the forced decoder sits with the video stream
    // and the pending names are used up.
    ASSERT_EQ(2u, c.Finput_codecs.size());
    EXPECT_EQ(AV_CODEC_ID_MPEG4, c.Finput_codecs[0].codec->codec_id);
    ASSERT_NE(nullptr, c.Finput_codecs[0].decoder);
    EXPECT_STREQ("mpeg4", c.Finput_codecs[0].decoder->name);
    EXPECT_EQ(nullptr, c.Finput_codecs[1].decoder);
    EXPECT_EQ(AVMEDIA_TYPE_AUDIO, c.Finput_codecs[1].codec->codec_type);
    EXPECT_TRUE(c.Fvideo_codec_name.empty());

    // The second input's slots follow the first's.
    ASSERT_TRUE(c.Open("sample.wav")) << c.LastErrMsg();
    ASSERT_EQ(3u, c.Finput_codecs.size());
    EXPECT_EQ(c.Finput_files[1]->streams[0], c.Finput_codecs[2].st);
}

TEST_F(ConverterInputs, StartOffsetAddsTheFilesOwnStartTime)
{
    OpenConverter c;
    c.Options({{"ss", "0.2"}});
    ASSERT_TRUE(c.Open("pal169.mpg")) << c.LastErrMsg();
    const std::int64_t fileStart = c.Finput_files[0]->start_time;
    EXPECT_NEAR(1400000, fileStart, 100000);
    EXPECT_EQ(-(200000 + fileStart), c.Finput_files_ts_offset[0]);
    EXPECT_EQ(0, c.Fstart_time);
    EXPECT_EQ(720, c.Fframe_width);
    EXPECT_EQ(576, c.Fframe_height);
    EXPECT_FLOAT_EQ(16.0f / 9, c.Fframe_aspect_ratio);

    // Copied time stamps keep only the input offset.
    OpenConverter copy;
    copy.Options({{"ss", "0.2"}, {"itsoffset", "3"}, {"copyts", ""}});
    ASSERT_TRUE(copy.Open("pal169.mpg")) << copy.LastErrMsg();
    EXPECT_EQ(3000000, copy.Finput_files_ts_offset[0]);
}

TEST_F(ConverterInputs, ProgramSelection)
{
    struct Case {
        int program;
        int width, sampleRate, channels;
    };
    // Program 1's streams come first: the option state still describes program 1.
    for (const Case& k : {Case{1, 160, 44100, 2}, Case{2, 176, 22050, 1}}) {
        SCOPED_TRACE(k.program);
        OpenConverter c;
        c.Options({{"programid", std::to_string(k.program)}});
        ASSERT_TRUE(c.Open("programs.ts")) << c.LastErrMsg();
        EXPECT_EQ(0, c.Fopt_programid);
        const AVFormatContext* ic = c.Finput_files[0];
        for (unsigned i = 0; i < ic->nb_streams; ++i)
            EXPECT_EQ(static_cast<int>(i) / 2 + 1 == k.program ? AVDISCARD_DEFAULT : AVDISCARD_ALL,
                      ic->streams[i]->discard) << i;
        EXPECT_EQ(k.width, c.Fframe_width);
        EXPECT_EQ(k.sampleRate, c.Faudio_sample_rate);
        EXPECT_EQ(k.channels, c.Faudio_channels);
    }
}

TEST_F(ConverterInputs, DisabledKindsAreDiscarded)
{
    OpenConverter c;
    c.Options({{"vn", ""}, {"an", "1"}});
    ASSERT_TRUE(c.Open("sample.avi")) << c.LastErrMsg();
    for (unsigned i = 0; i < c.Finput_files[0]->nb_streams; ++i)
        EXPECT_EQ(AVDISCARD_ALL, c.Finput_files[0]->streams[i]->discard);
}

TEST_F(ConverterInputs, AudioOnlyLeavesTheVideoStateAlone)
{
    OpenConverter c;
    ASSERT_TRUE(c.Open("sample.wav")) << c.LastErrMsg();
    EXPECT_EQ(0, c.Fframe_width);
    EXPECT_EQ(0, c.Fframe_height);
    EXPECT_EQ(0, c.Fframe_rate.num);
    EXPECT_EQ(0, c.Fframe_rate.den);
    EXPECT_NEAR(2000000, c.TotalOutputDuration(), 100000);
}

TEST_F(ConverterInputs, FailuresLeaveNoInput)
{
    const std::string missing = zdtest::fixture("nosuch.avi");
    const std::string notMedia = zdtest::fixture("notmedia.avi");
    struct Case {
        const char* title;
        Options options;
        std::string file;
        std::string error;
    } cases[] = {
        {"missing file", {}, missing, missing + ": No such file or directory"},
        {"not media", {}, notMedia, notMedia + ": Invalid data found when processing input"},
        {"program not in the file", {{"programid", "5"}}, zdtest::fixture("programs.ts"),
         "Specified program id not found"},
        {"encoder as decoder", {{"acodec", "mp2"}, {"vcodec", "libx264"}}, zdtest::fixture("sample.avi"),
         "Unknown decoder 'libx264'"},
        {"decoder of another kind", {{"acodec", "mpeg4"}}, zdtest::fixture("sample.avi"),
         "Invalid decoder type 'mpeg4'"},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.title);
        OpenConverter c;
        c.Options(k.options);
        EXPECT_FALSE(c.OpenInputFile(k.file));
        EXPECT_EQ(k.error, c.LastErrMsg());
        EXPECT_EQ(0, c.Fnb_input_files);
        EXPECT_TRUE(c.Finput_codecs.empty());
        EXPECT_TRUE(c.Fvideo_codec_name.empty() && c.Faudio_codec_name.empty());
    }
}

TEST_F(ConverterInputs, RaisedFailures)
{
    OpenConverter unknownFormat;
    unknownFormat.Options({{"f", "nosuch"}});
    try {
        unknownFormat.Open("sample.avi");
        ADD_FAILURE() << "no exception";
    } catch (const FFmpegException& e) {
        EXPECT_STREQ("Unknown input format: \"nosuch\"", e.what());
    }

    OpenConverter full(1);
    ASSERT_TRUE(full.Open("sample.wav"));
    try {
        full.Open("sample.wav");
        ADD_FAILURE() << "no exception";
    } catch (const FFmpegException& e) {
        EXPECT_STREQ("max input files 1 reached", e.what());
    }
}

TEST_F(ConverterInputs, CheckCodec)
{
    OpenConverter c;
    AVCodecID id = AV_CODEC_ID_MPEG4;
    EXPECT_TRUE(c.CheckCodec("", AVMEDIA_TYPE_VIDEO, id, 0, true));
    EXPECT_EQ(AV_CODEC_ID_NONE, id);

    EXPECT_FALSE(c.CheckCodec("opus", AVMEDIA_TYPE_AUDIO, id, 0, true));
    EXPECT_EQ("encoder 'opus' is experimental and might produce bad results.\r\n"
              "Add '-strict experimental' if you want to use it.\r\n"
              "Or use the non experimental encoder 'libopus'.",
              c.LastErrMsg());
    EXPECT_TRUE(c.CheckCodec("opus", AVMEDIA_TYPE_AUDIO, id, FF_COMPLIANCE_EXPERIMENTAL, true));
    EXPECT_EQ(AV_CODEC_ID_OPUS, id);

    // Encoders the library lacks are replaced by the nearest one the container accepts, each
    // replacement announced once; with none the encoder is refused by name.
    const struct {
        const char* name;
        AVMediaType kind;
        const char* file;  // the output whose container must accept it; nullptr: any
        const char* replacement;  // nullptr: refused
    } substitutes[] = {
        {"libfaac", AVMEDIA_TYPE_AUDIO, nullptr, "aac"},
        {"libfaac", AVMEDIA_TYPE_AUDIO, "x.mp4", "aac"},
        {"libfaac", AVMEDIA_TYPE_AUDIO, "x.mov", "aac"},
        {"libfaac", AVMEDIA_TYPE_AUDIO, "x.3gp", "aac"},
        {"libfaac", AVMEDIA_TYPE_AUDIO, "x.mkv", "aac"},
        {"libfaac", AVMEDIA_TYPE_AUDIO, "x.avi", "aac"},
        {"libfaac", AVMEDIA_TYPE_AUDIO, "x.aac", "aac"},
        {"libfaac", AVMEDIA_TYPE_AUDIO, "x.vob", "mp2"},
        {"libfaac", AVMEDIA_TYPE_AUDIO, "x.mpg", "mp2"},
        {"msmpeg4v1", AVMEDIA_TYPE_VIDEO, "x.avi", "msmpeg4v2"},
        {"msmpeg4v1", AVMEDIA_TYPE_VIDEO, "x.mp4", "mpeg4"},
        {"libopencore_amrnb", AVMEDIA_TYPE_AUDIO, "x.3gp", "aac"},
        {"libopencore_amrnb", AVMEDIA_TYPE_AUDIO, "x.amr", nullptr},
    };
    for (const auto& s : substitutes) {
        SCOPED_TRACE(std::string(s.name) + " " + (s.file ? s.file : ""));
        const AVOutputFormat* container = s.file ? ff::av_guess_format(nullptr, s.file, nullptr) : nullptr;
        const AVCodec* found = nullptr;
        for (int i = 0; i < 2; ++i) {
            if (!s.replacement) {
                EXPECT_FALSE(c.CheckCodec(s.name, s.kind, id, 0, true, &found, container));
                EXPECT_EQ(std::string("Encoder '") + s.name + "' is not available, and no encoder the '"
                              + container->name + "' format accepts stands in for it",
                          c.LastErrMsg());
                continue;
            }
            ASSERT_TRUE(c.CheckCodec(s.name, s.kind, id, 0, true, &found, container)) << c.LastErrMsg();
            EXPECT_STREQ(s.replacement, found->name);
        }
        if (s.replacement) {
            const std::string line = std::string("Encoder '") + s.name + "' is not available, '"
                                     + s.replacement + "' is used instead";
            EXPECT_EQ(1, std::count(log.begin(), log.end(), std::to_string(llWarning) + " " + line));
        }
    }
    EXPECT_FALSE(c.CheckCodec("libfaac", AVMEDIA_TYPE_AUDIO, id, 0, false));
    EXPECT_EQ("Unknown decoder 'libfaac'", c.LastErrMsg());
}

} // namespace
