#include "engine/FFOptions.h"
#include "engine/FFUtils.h"
#include "engine/FFmpegEntries.h"
#include "engine/FFmpegLogger.h"
#include "engine/RGBConvert.h"

#include "ConverterLibraries.h"
#include "TestPaths.h"

#include <gtest/gtest.h>

#include <fstream>
#include <vector>

TEST(FFUtils, DurationsAndFrameDurations)
{
    EXPECT_EQ("00:00:00.000", DurationToStr(0));
    EXPECT_EQ("01:02:03.004", DurationToStr(3723004000LL));
    EXPECT_EQ("25:00:00.000", DurationToStr(90000000000LL));
    EXPECT_EQ("N/A", DurationToStr(AV_NOPTS_VALUE));

    EXPECT_EQ(40000, FrameDuration({25, 1}));
    EXPECT_EQ(33366, FrameDuration({30000, 1001}));
    EXPECT_EQ(40000, FrameDuration({0, 0}));
    EXPECT_EQ(40000, FrameDuration({25, 0}));
}

TEST(FFUtils, ErrorTextsBySymbol)
{
    EXPECT_EQ("a.avi: No such file or directory", ErrorCodeToStr("a.avi", AVERROR(ENOENT)));
    EXPECT_EQ("a.avi: Invalid data found when processing input",
              ErrorCodeToStr("a.avi", AVERROR_INVALIDDATA));
    EXPECT_EQ("a.avi: End of file", ErrorCodeToStr("a.avi", AVERROR_EOF));
    EXPECT_EQ("a.avi: Number syntax expected in filename", ErrorCodeToStr("a.avi", AVERROR(EDOM)));
    EXPECT_EQ("a.avi: Unsupported network protocol",
              ErrorCodeToStr("a.avi", AVERROR_PROTOCOL_NOT_FOUND));
    EXPECT_EQ("a.avi: Not yet implemented in FFmpeg", ErrorCodeToStr("a.avi", AVERROR_PATCHWELCOME));

    EXPECT_EQ("Video", MediaTypeName(0));
    EXPECT_EQ("Attachment", MediaTypeName(4));
    EXPECT_EQ("Unknown", MediaTypeName(7));
    EXPECT_EQ("Unknown", MediaTypeName(-1));
}

class FFUtilsWithLibraries : public ConverterLibrariesTest {
protected:
    void SetUp() override
    {
        ConverterLibrariesTest::SetUp();
        GetLogger().SetOnLog([this](const void*, std::uint32_t, TLogLevel level, const std::string& line) {
            lines.push_back(std::to_string(level) + " " + line);
        });
    }

    std::vector<std::string> lines;
    zdtest::TempDir dir;
};

TEST_F(FFUtilsWithLibraries, ErrorTextsWithoutOwnWordsAddTheLibrarysDescription)
{
    EXPECT_EQ("a.avi: Error number -13 occurred: Permission denied", ErrorCodeToStr("a.avi", AVERROR(EACCES)));
    EXPECT_EQ("a.avi: Error number -28 occurred: No space left on device", ErrorCodeToStr("a.avi", AVERROR(ENOSPC)));
    EXPECT_EQ("a.avi: Error number -7 occurred: Argument list too long", ErrorCodeToStr("a.avi", -7));
    // Its own words stay as they are.
    EXPECT_EQ("a.avi: No such file or directory", ErrorCodeToStr("a.avi", AVERROR(ENOENT)));
}

TEST_F(FFUtilsWithLibraries, ReadsAFileIntoAZeroEndedBuffer)
{
    const std::string name = dir.file("pass.log");
    std::ofstream(name, std::ios::binary) << "abc";
    std::uint8_t* buffer = nullptr;
    int size = 0;
    ASSERT_EQ(0, ReadFileToBuffer(name, buffer, size));
    EXPECT_EQ(4, size);
    EXPECT_STREQ("abc", reinterpret_cast<const char*>(buffer));
    ff::av_free(buffer);

    buffer = nullptr;
    EXPECT_EQ(-1, ReadFileToBuffer(dir.file("none.log"), buffer, size));
    EXPECT_EQ(nullptr, buffer);
}

TEST_F(FFUtilsWithLibraries, MetadataAndCodecDescriptions)
{
    AVDictionary* dict = nullptr;
    ff::av_dict_set(&dict, "Title", "视频", 0);
    EXPECT_EQ("视频", GetMetadataValue(dict, "title", "-"));
    EXPECT_EQ("-", GetMetadataValue(dict, "artist", "-"));
    EXPECT_EQ("-", GetMetadataValue(nullptr, "title", "-"));
    ff::av_dict_free(&dict);

    AVCodecContext* codec = ff::avcodec_alloc_context3(nullptr);
    codec->codec_id = AV_CODEC_ID_MPEG4;
    EXPECT_EQ("mpeg4(MPEG-4 part 2)", CodecDescription(codec, false));
    codec->codec_id = AV_CODEC_ID_MPEG2TS;
    EXPECT_EQ("mpeg2ts", CodecDescription(codec, true));
    codec->codec_id = AV_CODEC_ID_NONE;
    codec->codec_tag = MKTAG('X', 'V', 'I', 'D');
    EXPECT_EQ("XVID / 0x44495658", CodecDescription(codec, true));
    codec->codec_tag = 0x01020304;
    EXPECT_EQ("0x1020304", CodecDescription(codec, true));
    ff::avcodec_free_context(&codec);
}

TEST_F(FFUtilsWithLibraries, OptionContextsTakeOptionsByNameAndCopyThemOn)
{
    TFFOptions options;
    AllocFFOptions(options, SWS_BICUBIC);
    AVCodecContext* video = options.avcodec_opts[AVMEDIA_TYPE_VIDEO];
    AVCodecContext* audio = options.avcodec_opts[AVMEDIA_TYPE_AUDIO];

    EXPECT_FALSE(SetFFOption(options, "g", "  "));
    EXPECT_FALSE(SetFFOption(options, "nosuchoption", "1"));
    EXPECT_TRUE(lines.empty());

    // "ab" is an audio option: it reaches the audio context, not the video one.
    EXPECT_TRUE(SetFFOption(options, "ab", "96000"));
    EXPECT_EQ(96000, audio->bit_rate);
    EXPECT_NE(96000, video->bit_rate);
    // "vqcomp" is no option: without its "v" it is the video context's "qcomp".
    EXPECT_TRUE(SetFFOption(options, "vqcomp", "0.25"));
    EXPECT_FLOAT_EQ(0.25f, video->qcompress);
    EXPECT_NE(0.25f, audio->qcompress);
    EXPECT_TRUE(SetFFOption(options, "g", "12"));
    EXPECT_EQ(12, video->gop_size);
    EXPECT_TRUE(SetFFOption(options, "packetsize", "2048"));
    EXPECT_EQ(2048u, options.avformat_opts->packet_size);
    std::int64_t flags = 0;
    EXPECT_TRUE(SetFFOption(options, "sws_flags", "bilinear"));
    ff::av_opt_get_int(options.sws_opts, "sws_flags", 0, &flags);
    EXPECT_EQ(SWS_BILINEAR, flags);
    EXPECT_EQ((std::vector<std::string>{"ab", "qcomp", "g", "packetsize", "sws_flags"}),
              options.opt_names);

    EXPECT_FALSE(SetFFOption(options, "g", "many"));
    EXPECT_EQ(std::to_string(llError) + " Invalid value \"many\" for option \"g\"", lines.back());

    // Copied on with the flags the target's kind needs: the audio bit rate does not reach video.
    AVCodecContext* encoder = ff::avcodec_alloc_context3(nullptr);
    ApplyFFOptions(options, encoder, video, AV_OPT_FLAG_VIDEO_PARAM | AV_OPT_FLAG_ENCODING_PARAM);
    EXPECT_EQ(12, encoder->gop_size);
    EXPECT_EQ(video->bit_rate, encoder->bit_rate);
    ApplyFFOptions(options, encoder, audio, AV_OPT_FLAG_AUDIO_PARAM | AV_OPT_FLAG_ENCODING_PARAM);
    EXPECT_EQ(96000, encoder->bit_rate);
    ff::avcodec_free_context(&encoder);

    FreeFFOptions(options);
    EXPECT_EQ(nullptr, options.avcodec_opts[0]);
    EXPECT_EQ(nullptr, options.sws_opts);
    EXPECT_TRUE(options.opt_names.empty());
}

TEST_F(FFUtilsWithLibraries, OptionTextsAreTheLibrarysOwnCopies)
{
    TFFOptions options;
    AllocFFOptions(options, SWS_BICUBIC);
    {
        std::string text = "lang";
        ASSERT_TRUE(SetFFOption(options, "dump_separator", text));
        text.assign(64, 'y');
    }
    std::uint8_t* text = nullptr;
    ASSERT_GE(ff::av_opt_get(options.avcodec_opts[0], "dump_separator", 0, &text), 0);
    EXPECT_STREQ("lang", reinterpret_cast<const char*>(text));
    ff::av_free(text);
    FreeFFOptions(options);
}

TEST_F(FFUtilsWithLibraries, PicturesBecomeBitmapsDirectlyOrThroughTheScaler)
{
    TRGBConvertContext context;
    // Already in the bitmap's layout (with padded lines): copied line by line, no scaler.
    std::vector<std::uint8_t> bgra(3 * 8, 0);
    for (int y = 0; y < 3; ++y)
        for (int i = 0; i < 8; ++i)
            bgra[y * 8 + i] = static_cast<std::uint8_t>(y * 10 + i);
    const std::uint8_t* planes[4] = {bgra.data(), nullptr, nullptr, nullptr};
    const int lines4[4] = {8, 0, 0, 0};
    ASSERT_TRUE(PictureToBitmap(context, planes, lines4, AV_PIX_FMT_BGRA, 1, 3));
    EXPECT_EQ(nullptr, context.toRGB_convert_ctx.Context);
    ASSERT_EQ(1, context.Bitmap->Width);
    EXPECT_EQ((std::vector<std::uint8_t>{0, 1, 2, 3, 10, 11, 12, 13, 20, 21, 22, 23}),
              context.Bitmap->Pixels);

    // An odd-sized grey picture in planar YUV: scaled into blue, green, red and opaque alpha.
    AVFrame* frame = ff::av_frame_alloc();
    frame->format = AV_PIX_FMT_YUV420P;
    frame->width = 5;
    frame->height = 3;
    ASSERT_EQ(0, ff::av_frame_get_buffer(frame, 0));
    for (int plane = 0; plane < 3; ++plane)
        for (int y = 0; y < (plane ? 2 : 3); ++y)
            std::fill_n(frame->data[plane] + y * frame->linesize[plane], plane ? 3 : 5,
                        plane ? 128 : 126);
    ASSERT_TRUE(PictureToBitmap(context, frame->data, frame->linesize, AV_PIX_FMT_YUV420P, 5, 3));
    EXPECT_NE(nullptr, context.toRGB_convert_ctx.Context);
    ASSERT_EQ(5u * 3 * 4, context.Bitmap->Pixels.size());
    for (size_t i = 0; i < context.Bitmap->Pixels.size(); i += 4) {
        EXPECT_NEAR(128, context.Bitmap->Pixels[i], 3);
        EXPECT_EQ(context.Bitmap->Pixels[i], context.Bitmap->Pixels[i + 2]);
        EXPECT_EQ(255, context.Bitmap->Pixels[i + 3]);
    }
    ff::av_frame_free(&frame);

    FreeRGBContext(context);
    EXPECT_EQ(nullptr, context.Bitmap);
    EXPECT_EQ(nullptr, context.toRGB_convert_ctx.Context);
}
