#include "OpenConverter.h"

#include <filesystem>

namespace {

using Options = std::vector<std::pair<std::string, std::string>>;

class ConverterOutputs : public OpenConverterTest {
protected:
    static const AVCodecContext* Codec(const OpenConverter& c, size_t slot)
    {
        return c.Foutput_codecs.at(slot).codec;
    }
    static std::string Encoder(const OpenConverter& c, size_t slot)
    {
        const AVCodec* encoder = c.Foutput_codecs.at(slot).encoder;
        return encoder ? encoder->name : "";
    }
};

TEST_F(ConverterOutputs, StreamsFollowTheInputAndTheContainer)
{
    OpenConverter c;
    ASSERT_TRUE(c.Open("sample.avi"));
    const std::string out = dir.file("out.avi");
    ASSERT_EQ(1, c.OpenOutputFile(out, false)) << c.LastErrMsg();

    const AVFormatContext* oc = c.Foutput_files[0];
    EXPECT_STREQ("avi", oc->oformat->name);
    // The file waits for the run.
    EXPECT_FALSE(std::filesystem::exists(out));
    ASSERT_EQ(2u, oc->nb_streams);
    ASSERT_EQ(2u, c.Foutput_codecs.size());
    EXPECT_EQ(oc->streams[0], c.Foutput_codecs[0].st);

    const AVCodecContext* video = Codec(c, 0);
    EXPECT_EQ(AVMEDIA_TYPE_VIDEO, video->codec_type);
    EXPECT_EQ(AV_CODEC_ID_MPEG4, video->codec_id);
    EXPECT_EQ("mpeg4", Encoder(c, 0));
    EXPECT_EQ(160, video->width);
    EXPECT_EQ(120, video->height);
    EXPECT_EQ(1, video->time_base.num);
    EXPECT_EQ(25, video->time_base.den);
    EXPECT_EQ(AV_PIX_FMT_YUV420P, video->pix_fmt);
    EXPECT_EQ(1, video->sample_aspect_ratio.num);
    EXPECT_EQ(1, video->sample_aspect_ratio.den);

    const AVCodecContext* audio = Codec(c, 1);
    EXPECT_EQ(AVMEDIA_TYPE_AUDIO, audio->codec_type);
    EXPECT_EQ(44100, audio->sample_rate);
    EXPECT_EQ(2, audio->ch_layout.nb_channels);
    EXPECT_EQ(1, audio->time_base.num);
    EXPECT_EQ(44100, audio->time_base.den);

    // The video stream's pending settings are used up.
    EXPECT_EQ(-1, c.Fframe_pix_fmt);
}

TEST_F(ConverterOutputs, ContainerByNameOrByExtension)
{
    struct Case {
        const char* title;
        Options options;
        std::string file;
        std::string format;  // empty: the call fails with error
        std::string error;
    } cases[] = {
        {"by name", {{"f", "matroska"}}, "out.bin", "matroska", ""},
        {"by extension", {}, "out.mpg", "mpeg", ""},
        {"unknown name", {{"f", "nosuch"}}, "out.avi", "",
         "Requested output format 'nosuch' is not a suitable output format"},
        {"unknown extension", {}, "out.nosuch", "", "Unable to find a suitable output format for '"
                                                        + dir.file("out.nosuch") + "'"},
        {"folder missing", {}, "missing/out.avi", "", dir.file("missing/out.avi") + ": No such file or directory"},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.title);
        OpenConverter c;
        c.Options(k.options);
        const int result = c.OpenOutputFile(dir.file(k.file), false);
        if (k.format.empty()) {
            EXPECT_EQ(-1, result);
            EXPECT_EQ(k.error, c.LastErrMsg());
            EXPECT_EQ(0, c.Fnb_output_files);
            EXPECT_TRUE(c.Foutput_codecs.empty());
        } else {
            ASSERT_EQ(1, result) << c.LastErrMsg();
            EXPECT_EQ(k.format, c.Foutput_files[0]->oformat->name);
            EXPECT_TRUE(c.Flast_asked_format.empty());
        }
    }
}

TEST_F(ConverterOutputs, SampleAspectRatioFromTheDisplayAspect)
{
    struct Case {
        const char* size;
        const char* aspect;
        int num, den;
    } cases[] = {{"720x576", "16:9", 64, 45}, {"720x576", "4:3", 16, 15}, {"352x240", "4:3", 10, 11}};
    for (const Case& k : cases) {
        SCOPED_TRACE(std::string(k.size) + " " + k.aspect);
        OpenConverter c;
        c.Options({{"s", k.size}, {"aspect", k.aspect}, {"an", ""}});
        ASSERT_EQ(1, c.OpenOutputFile(dir.file("out.mpg"), false)) << c.LastErrMsg();
        ASSERT_EQ(1u, c.Foutput_codecs.size());
        EXPECT_EQ(k.num, Codec(c, 0)->sample_aspect_ratio.num);
        EXPECT_EQ(k.den, Codec(c, 0)->sample_aspect_ratio.den);
        EXPECT_EQ(k.num, c.Foutput_codecs[0].st->sample_aspect_ratio.num);
    }
    // No size: the aspect of a 4:3 picture gives square pixels.
    OpenConverter copy;
    copy.Options({{"aspect", "4:3"}, {"vcodec", "copy"}, {"an", ""}});
    ASSERT_EQ(1, copy.OpenOutputFile(dir.file("copy.avi"), false)) << copy.LastErrMsg();
    EXPECT_TRUE(copy.Foutput_codecs[0].stream_copy);
    EXPECT_EQ(1, copy.Foutput_codecs[0].st->sample_aspect_ratio.num);
    EXPECT_EQ(1, copy.Foutput_codecs[0].st->sample_aspect_ratio.den);
}

TEST_F(ConverterOutputs, MetadataKeepsTheFirstValue)
{
    OpenConverter c;
    c.Options({{"metadata", "title=First"}, {"metadata", "artist=Someone"}, {"metadata", "title=Second"},
               {"timestamp", "2010-01-02 03:04:05Z"}});
    ASSERT_EQ(1, c.OpenOutputFile(dir.file("out.mkv"), false)) << c.LastErrMsg();
    const AVDictionary* metadata = c.Foutput_files[0]->metadata;
    EXPECT_STREQ("First", ff::av_dict_get(metadata, "title", nullptr, 0)->value);
    EXPECT_STREQ("Someone", ff::av_dict_get(metadata, "artist", nullptr, 0)->value);
    EXPECT_STREQ("2010-01-02T03:04:05.000000Z", ff::av_dict_get(metadata, "creation_time", nullptr, 0)->value);
    EXPECT_TRUE(c.Fmetadata.empty());
}

TEST_F(ConverterOutputs, WhichKindsGetAStream)
{
    struct Case {
        const char* title;
        std::vector<const char*> inputs;
        Options options;
        const char* file;
        std::vector<AVMediaType> kinds;
    } cases[] = {
        {"audio-only input", {"sample.wav"}, {}, "out.avi", {AVMEDIA_TYPE_AUDIO}},
        {"video disabled", {"sample.avi"}, {{"vn", ""}}, "out.avi", {AVMEDIA_TYPE_AUDIO}},
        {"no subtitle codec for the container", {"subtitled.mkv"}, {}, "out.avi",
         {AVMEDIA_TYPE_VIDEO, AVMEDIA_TYPE_AUDIO}},
        {"subtitle copy asked for", {"subtitled.mkv"}, {{"scodec", "copy"}}, "out.avi",
         {AVMEDIA_TYPE_VIDEO, AVMEDIA_TYPE_AUDIO, AVMEDIA_TYPE_SUBTITLE}},
        {"container with subtitles", {"subtitled.mkv"}, {}, "out.mkv",
         {AVMEDIA_TYPE_VIDEO, AVMEDIA_TYPE_AUDIO, AVMEDIA_TYPE_SUBTITLE}},
        {"no input: the container decides", {}, {}, "out.mkv",
         {AVMEDIA_TYPE_VIDEO, AVMEDIA_TYPE_AUDIO, AVMEDIA_TYPE_SUBTITLE}},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.title);
        OpenConverter c;
        for (const char* input : k.inputs)
            ASSERT_TRUE(c.Open(input)) << c.LastErrMsg();
        c.Options(k.options);
        ASSERT_EQ(1, c.OpenOutputFile(dir.file(k.file), false)) << c.LastErrMsg();
        std::vector<AVMediaType> kinds;
        for (const TOutputCodec& slot : c.Foutput_codecs)
            kinds.push_back(slot.codec->codec_type);
        EXPECT_EQ(k.kinds, kinds);
    }

    // A subtitle stream without a codec name takes the container's.
    OpenConverter c;
    ASSERT_TRUE(c.Open("subtitled.mkv"));
    ASSERT_EQ(1, c.OpenOutputFile(dir.file("out.mkv"), false)) << c.LastErrMsg();
    EXPECT_NE("", Encoder(c, 2));
    EXPECT_EQ(AV_CODEC_ID_ASS, Codec(c, 2)->codec_id);
}

TEST_F(ConverterOutputs, StreamSettings)
{
    OpenConverter c;
    ASSERT_TRUE(c.Open("sample.avi"));
    c.Options({{"vcodec", "mpeg2video"}, {"qscale", "3"}, {"vlang", "eng"}, {"vtag", "mpg2"},
               {"rc_override", "0,10,2/20,30,-50"}, {"streamid", "0:300"}, {"acodec", "libfaac"},
               {"ar", "16000"}, {"ac", "1"}});
    ASSERT_EQ(1, c.OpenOutputFile(dir.file("out.mkv"), false)) << c.LastErrMsg();

    const TOutputCodec& video = c.Foutput_codecs[0];
    EXPECT_EQ("mpeg2video", Encoder(c, 0));
    EXPECT_TRUE(video.codec->flags & AV_CODEC_FLAG_QSCALE);
    EXPECT_FLOAT_EQ(354.0f, video.quality);
    EXPECT_EQ(354, video.codec->global_quality);
    EXPECT_EQ(MKTAG('m', 'p', 'g', '2'), video.codec->codec_tag);
    EXPECT_STREQ("eng", ff::av_dict_get(video.st->metadata, "language", nullptr, 0)->value);
    EXPECT_EQ(300, video.st->id);
    // Matroska wants global headers.
    EXPECT_TRUE(video.codec->flags & AV_CODEC_FLAG_GLOBAL_HEADER);
    ASSERT_EQ(2, video.codec->rc_override_count);
    EXPECT_EQ(20, video.codec->rc_override[1].start_frame);
    EXPECT_EQ(0, video.codec->rc_override[1].qscale);
    EXPECT_FLOAT_EQ(0.5f, video.codec->rc_override[1].quality_factor);

    // The missing encoder gives way to its substitute; the rate is the nearest it supports.
    const AVCodecContext* audio = Codec(c, 1);
    EXPECT_EQ("aac", Encoder(c, 1));
    EXPECT_EQ(16000, audio->sample_rate);
    EXPECT_EQ(1, audio->ch_layout.nb_channels);
    EXPECT_EQ(AV_SAMPLE_FMT_FLTP, audio->sample_fmt);

    OpenConverter rate;
    rate.Options({{"acodec", "mp2"}, {"ar", "16500"}, {"vn", ""}});
    ASSERT_EQ(1, rate.OpenOutputFile(dir.file("rate.mp2"), false)) << rate.LastErrMsg();
    EXPECT_EQ(16000, Codec(rate, 0)->sample_rate);
    EXPECT_TRUE(Logged(llWarning, "Requested sampling rate unsupported using closest supported (16000)"));
}

TEST_F(ConverterOutputs, RefusedStreamsLeaveNoOutput)
{
    struct Case {
        Options options;
        std::string error;
    } cases[] = {
        {{{"vcodec", "nosuch"}}, "new_video_stream fail: Unknown encoder 'nosuch'"},
        {{{"vcodec", "mpeg4"}, {"rc_override", "0,10"}}, "new_video_stream fail: error parsing rc_override"},
        {{{"acodec", "mpeg4"}}, "new_audio_stream fail: Invalid encoder type 'mpeg4'"},
        {{{"scodec", "nosuch"}}, "new_subtitle_stream fail: Unknown encoder 'nosuch'"},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.error);
        OpenConverter c;
        c.Options(k.options);
        const std::string out = dir.file("refused.mkv");
        EXPECT_EQ(-1, c.OpenOutputFile(out, false));
        EXPECT_EQ(k.error, c.LastErrMsg());
        EXPECT_EQ(0, c.Fnb_output_files);
        EXPECT_TRUE(c.Foutput_codecs.empty());
        EXPECT_FALSE(std::filesystem::exists(out));
        EXPECT_TRUE(c.Fvideo_codec_name.empty() && c.Faudio_codec_name.empty()
                    && c.Fsubtitle_codec_name.empty());
    }
}

TEST_F(ConverterOutputs, MoreStreamsInTheLastOutput)
{
    OpenConverter c;
    try {
        c.DispatchOption("newaudio", "");
        ADD_FAILURE() << "no exception";
    } catch (const FFmpegException& e) {
        EXPECT_STREQ("At least one output file must be specified", e.what());
    }

    c.Options({{"vn", ""}});
    ASSERT_EQ(1, c.OpenOutputFile(dir.file("first.mkv"), false)) << c.LastErrMsg();
    c.Options({{"vn", ""}, {"sn", ""}});
    ASSERT_EQ(2, c.OpenOutputFile(dir.file("second.mkv"), false)) << c.LastErrMsg();
    ASSERT_EQ(3u, c.Foutput_codecs.size());
    c.Options({{"acodec", "mp2"}, {"alang", "ger"}, {"newaudio", ""}});
    ASSERT_EQ(4u, c.Foutput_codecs.size());
    EXPECT_EQ(c.Foutput_files[1]->streams[1], c.Foutput_codecs[3].st);
    EXPECT_EQ("mp2", Encoder(c, 3));

    // Twenty streams per output at most.
    for (unsigned i = c.Foutput_files[1]->nb_streams; i < MAX_STREAMS; ++i)
        c.DispatchOption("newsubtitle", "");
    try {
        c.DispatchOption("newvideo", "");
        ADD_FAILURE() << "no exception";
    } catch (const FFmpegException& e) {
        EXPECT_STREQ("Too many streams in one output (at most 20)", e.what());
    }
    EXPECT_EQ(static_cast<unsigned>(MAX_STREAMS), c.Foutput_files[1]->nb_streams);
}

TEST_F(ConverterOutputs, JoinRecordsTheOutputOncePerInput)
{
    OpenConverter c;
    for (const char* input : {"sample.avi", "pal169.mpg", "ntsc.avi"})
        ASSERT_TRUE(c.Open(input)) << c.LastErrMsg();
    std::int64_t total = 0;
    for (int i = 0; i < 3; ++i)
        total += c.Finput_files[i]->duration;

    ASSERT_EQ(3, c.OpenOutputFile(dir.file("joined.avi"), true)) << c.LastErrMsg();
    EXPECT_TRUE(c.FJoinMode);
    EXPECT_EQ(c.Foutput_files[0], c.Foutput_files[1]);
    EXPECT_EQ(c.Foutput_files[0], c.Foutput_files[2]);
    EXPECT_EQ(total, c.TotalOutputDuration());
    EXPECT_NEAR(4000000, total, 200000);
    // The first input decides the kinds and the streams are made once.
    EXPECT_EQ(2u, c.Foutput_codecs.size());

    EXPECT_EQ(-1, c.OpenOutputFile(dir.file("second.avi"), false));
    EXPECT_EQ("Cannot join more than one output file.", c.LastErrMsg());
    EXPECT_EQ(3, c.Fnb_output_files);
}

} // namespace
