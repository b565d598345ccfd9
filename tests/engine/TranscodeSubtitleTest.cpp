#include "TranscodeConverter.h"

#include <cstring>

namespace {

using TranscodeSubtitles = TranscodeTest;

TEST_F(TranscodeSubtitles, TextSubtitlesAreEncodedOrCopiedWithTheirTimes)
{
    for (const char* codec : {"srt", "copy"}) {
        SCOPED_TRACE(codec);
        const std::string out = dir.file("out.mkv");
        {
            TranscodeConverter c;
            c.Input("subtitled.mkv");
            c.Output(out, {{"vn", ""}, {"an", ""}, {"scodec", codec}});
            ASSERT_EQ("", c.Run());
        }
        const MediaInfo info = Probe(out);
        ASSERT_EQ(1u, info.streams.size());
        const StreamInfo& s = info.streams[0];
        EXPECT_EQ("subrip", s.codec);
        ASSERT_EQ(1, s.packets);
        EXPECT_NEAR(0.0, s.start, 0.001);
        EXPECT_NEAR(1.0, s.duration, 0.001);
    }
}

// A Matroska file with one DVB subtitle (a small bitmap) shown from 1 s for 5 s.
void WriteDvbSubtitle(const std::string& fileName)
{
    AVFormatContext* oc = nullptr;
    ASSERT_GE(ff::avformat_alloc_output_context2(&oc, nullptr, "matroska", fileName.c_str()), 0);
    const AVCodec* encoder = ff::avcodec_find_encoder(AV_CODEC_ID_DVB_SUBTITLE);
    AVCodecContext* enc = ff::avcodec_alloc_context3(encoder);
    enc->width = 160;
    enc->height = 120;
    enc->time_base = AVRational{1, 1000};
    ASSERT_EQ(0, ff::avcodec_open2(enc, encoder, nullptr));
    AVStream* st = ff::avformat_new_stream(oc, nullptr);
    ff::avcodec_parameters_from_context(st->codecpar, enc);
    st->time_base = AVRational{1, 1000};
    ASSERT_GE(ff::avio_open(&oc->pb, fileName.c_str(), AVIO_FLAG_WRITE), 0);
    ASSERT_EQ(0, ff::avformat_write_header(oc, nullptr));

    std::vector<std::uint8_t> indexes(32 * 8, 1);
    const std::uint32_t palette[4] = {0x00000000, 0xFFFFFFFF, 0xFF000000, 0xFF808080};
    AVSubtitleRect rect{};
    rect.x = 10;
    rect.y = 10;
    rect.w = 32;
    rect.h = 8;
    rect.nb_colors = 4;
    rect.type = SUBTITLE_BITMAP;
    rect.data[0] = indexes.data();
    rect.linesize[0] = 32;
    rect.data[1] = reinterpret_cast<std::uint8_t*>(const_cast<std::uint32_t*>(palette));
    AVSubtitleRect* rects[1] = {&rect};
    AVSubtitle sub{};
    sub.num_rects = 1;
    sub.rects = rects;
    sub.end_display_time = 5000;
    sub.pts = 1000000;
    std::vector<std::uint8_t> data(65536);
    const int size = ff::avcodec_encode_subtitle(enc, data.data(), static_cast<int>(data.size()), &sub);
    ASSERT_GT(size, 0);
    // The encoder gives every page a time-out of its own; this one ends after 5 s.
    for (int i = 0; i + 6 < size; ++i)
        if (data[i] == 0x0f && data[i + 1] == 0x10) {
            data[i + 6] = 5;
            break;
        }

    AVPacket* pkt = ff::av_packet_alloc();
    ASSERT_EQ(0, ff::av_new_packet(pkt, size));
    std::memcpy(pkt->data, data.data(), static_cast<size_t>(size));
    pkt->pts = pkt->dts = 1000;
    pkt->duration = 5000;
    pkt->flags |= AV_PKT_FLAG_KEY;
    ASSERT_EQ(0, ff::av_interleaved_write_frame(oc, pkt));
    ff::av_packet_free(&pkt);
    ASSERT_EQ(0, ff::av_write_trailer(oc));
    ff::avio_closep(&oc->pb);
    ff::avformat_free_context(oc);
    ff::avcodec_free_context(&enc);
}

// A DVB subtitle is written twice, to show it and to clear it 5 s later (90 kHz in MPEG-TS).
TEST_F(TranscodeSubtitles, DvbSubtitlesAreShownAndCleared)
{
    const std::string in = dir.file("dvb.mkv");
    WriteDvbSubtitle(in);
    const std::string out = dir.file("out.ts");
    {
        TranscodeConverter c;
        ASSERT_TRUE(c.OpenInputFile(in)) << c.LastErrMsg();
        c.Output(out, {{"scodec", "dvbsub"}});
        ASSERT_EQ("", c.Run());
    }
    const MediaInfo info = Probe(out);
    const StreamInfo* s = info.Find(AVMEDIA_TYPE_SUBTITLE);
    ASSERT_NE(nullptr, s);
    EXPECT_EQ("dvb_subtitle", s->codec);
    ASSERT_EQ(2, s->packets);
    EXPECT_EQ(90000, s->time_base.den);
    EXPECT_EQ(450000, s->pts[1] - s->pts[0]);
}

} // namespace
