#include "engine/FFmpeg.h"

#include "engine/FFmpegEntries.h"

#include "ConverterLibraries.h"
#include "RunConverter.h"

#include <gtest/gtest.h>

namespace {

// A decoder and an encoder context that only carry sizes and pixel formats.
struct CodecPair {
    CodecPair(int width, int height, AVPixelFormat encoderFormat, int encoderWidth, int encoderHeight)
    {
        dec->width = width;
        dec->height = height;
        dec->pix_fmt = AV_PIX_FMT_YUV420P;
        enc->width = encoderWidth;
        enc->height = encoderHeight;
        enc->pix_fmt = encoderFormat;
    }
    ~CodecPair()
    {
        ff::avcodec_free_context(&dec);
        ff::avcodec_free_context(&enc);
    }
    AVCodecContext* dec = ff::avcodec_alloc_context3(nullptr);
    AVCodecContext* enc = ff::avcodec_alloc_context3(nullptr);
};

// A grey picture whose left half is bright and whose top and bottom 20 rows are black.
AVFrame* TestPicture(int width, int height)
{
    AVFrame* frame = ff::av_frame_alloc();
    frame->format = AV_PIX_FMT_YUV420P;
    frame->width = width;
    frame->height = height;
    frame->pts = 0;
    EXPECT_EQ(0, ff::av_frame_get_buffer(frame, 0));
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            frame->data[0][y * frame->linesize[0] + x] = (y < 20 || y >= height - 20) ? 16 : x < width / 2 ? 200 : 60;
    for (int plane = 1; plane < 3; ++plane)
        for (int y = 0; y < height / 2; ++y)
            std::fill_n(frame->data[plane] + y * frame->linesize[plane], width / 2, 128);
    return frame;
}

// Sends one picture through the graph and takes the result.
AVFrame* Filter(const TVideoFilterEnds& ends, AVFrame* picture)
{
    EXPECT_EQ(0, ff::av_buffersrc_add_frame_flags(ends.input_video_filter, picture, 0));
    EXPECT_EQ(0, ff::av_buffersrc_add_frame_flags(ends.input_video_filter, nullptr, 0));
    AVFrame* out = ff::av_frame_alloc();
    EXPECT_EQ(0, ff::av_buffersink_get_frame(ends.out_video_filter, out));
    return out;
}

} // namespace

using ConverterFilters = ConverterLibrariesTest;

TEST_F(ConverterFilters, CropsTheInputPictureThenScalesItToTheEncoderSize)
{
    RunConverter converter;
    CodecPair codecs(160, 120, AV_PIX_FMT_YUV420P, 80, 40);
    TVideoFilterEnds ends;
    ASSERT_EQ(0, converter.ConfigureFilters(codecs.dec, {1, 25}, codecs.enc, {20, 20, 0, 0}, ends));
    EXPECT_EQ(80, codecs.enc->width);

    AVFrame* picture = TestPicture(160, 120);
    AVFrame* out = Filter(ends, picture);
    ASSERT_EQ(80, out->width);
    ASSERT_EQ(40, out->height);
    // The whole cropped width was scaled: bright left, darker right, no black rows.
    for (int y : {0, 20, 39}) {
        EXPECT_NEAR(200, out->data[0][y * out->linesize[0] + 5], 4) << y;
        EXPECT_NEAR(60, out->data[0][y * out->linesize[0] + 75], 4) << y;
    }
    ff::av_frame_free(&out);
    ff::av_frame_free(&picture);
}

TEST_F(ConverterFilters, TheFilterTextDecidesTheEncoderSizeAndTheSinkItsFormat)
{
    RunConverter converter;
    converter.DispatchOption("vf", "hflip,scale=64:48");
    CodecPair codecs(160, 120, AV_PIX_FMT_RGB24, 160, 120);
    TVideoFilterEnds ends;
    ASSERT_EQ(0, converter.ConfigureFilters(codecs.dec, {1, 25}, codecs.enc, {}, ends));
    EXPECT_EQ(64, codecs.enc->width);
    EXPECT_EQ(48, codecs.enc->height);

    AVFrame* picture = TestPicture(160, 120);
    AVFrame* out = Filter(ends, picture);
    EXPECT_EQ(AV_PIX_FMT_RGB24, out->format);
    const int middle = 24 * out->linesize[0];
    EXPECT_LT(out->data[0][middle + 3 * 3], out->data[0][middle + 3 * 60]);  // flipped: bright right
    ff::av_frame_free(&out);
    ff::av_frame_free(&picture);
}

TEST_F(ConverterFilters, AFilterTextTheLibraryRefusesFails)
{
    RunConverter converter;
    converter.DispatchOption("vfilters", "nosuchfilter=1");
    CodecPair codecs(160, 120, AV_PIX_FMT_YUV420P, 160, 120);
    TVideoFilterEnds ends;
    EXPECT_EQ(-1, converter.ConfigureFilters(codecs.dec, {1, 25}, codecs.enc, {}, ends));
    EXPECT_FALSE(converter.LastErrMsg().empty());
    EXPECT_EQ(nullptr, ends.out_video_filter);
}
