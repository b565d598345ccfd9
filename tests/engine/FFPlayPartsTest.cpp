#include "engine/FFPlayDisplay.h"
#include "engine/FFPlayEventRing.h"
#include "engine/FFPlayPacketQueue.h"
#include "engine/FFPlaySubtitle.h"
#include "engine/FFmpegEntries.h"
#include "engine/FFmpegLoader.h"
#include "platform/kernel/Thread.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(PlayEventRing, KeepsTheNewestOfOneKindAndDropsTheOldestWhenFull)
{
    TPlayEventRing ring;
    EXPECT_EQ(ring.Pop().Kind, pekNone);
    EXPECT_FALSE(ring.Signal().WaitFor(0));

    // Two states in a row: only the later survives; the position after it survives too.
    ring.Push({pekState, 1});
    ring.Push({pekState, 2});
    ring.Push({pekPosition, 500});
    EXPECT_TRUE(ring.Signal().WaitFor(0));
    TPlayEventItem item = ring.Pop();
    EXPECT_EQ(item.Kind, pekState);
    EXPECT_EQ(item.Value, 2);
    item = ring.Pop();
    EXPECT_EQ(item.Kind, pekPosition);
    EXPECT_EQ(item.Value, 500);
    EXPECT_EQ(ring.Pop().Kind, pekNone);
    EXPECT_FALSE(ring.Signal().WaitFor(0));

    // Alternating kinds never merge; beyond nine waiting events the oldest goes.
    for (int i = 0; i < 12; ++i)
        ring.Push({i % 2 ? pekState : pekPosition, i});
    std::vector<std::int64_t> values;
    for (TPlayEventItem e = ring.Pop(); e.Kind != pekNone; e = ring.Pop())
        values.push_back(e.Value);
    EXPECT_EQ(values, (std::vector<std::int64_t>{3, 4, 5, 6, 7, 8, 9, 10, 11}));
}

class PacketQueueTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(FFLoader().Load(avCodec)) << FFLoader().GetLastErrMsg(); }
};

TEST_F(PacketQueueTest, CarriesPacketsAndTheFlushMarkerInOrder)
{
    TPacketQueue queue;
    queue.Init();
    AVPacket* pkt = ff::av_packet_alloc();
    ASSERT_EQ(ff::av_new_packet(pkt, 100), 0);
    pkt->pts = 7;
    ASSERT_EQ(queue.Put(pkt), 0);
    EXPECT_EQ(pkt->data, nullptr);  // the queue took the reference
    ASSERT_EQ(queue.PutFlush(), 0);
    EXPECT_EQ(queue.NbPackets(), 2);
    const int withData = queue.Size();
    EXPECT_GT(withData, 100);

    bool flush = true;
    ASSERT_EQ(queue.Get(pkt, &flush, false), 1);
    EXPECT_FALSE(flush);
    EXPECT_EQ(pkt->size, 100);
    EXPECT_EQ(pkt->pts, 7);
    ff::av_packet_unref(pkt);
    ASSERT_EQ(queue.Get(pkt, &flush, false), 1);
    EXPECT_TRUE(flush);
    EXPECT_EQ(queue.Get(pkt, &flush, false), 0);
    EXPECT_EQ(queue.Size(), 0);
    ff::av_packet_free(&pkt);
}

TEST_F(PacketQueueTest, AbortWakesABlockedConsumerAndFlushKeepsTheAbort)
{
    TPacketQueue queue;
    queue.Init();
    int result = 0;
    Thread consumer;
    consumer.Start([&] {
        AVPacket* pkt = ff::av_packet_alloc();
        bool flush = false;
        result = queue.Get(pkt, &flush, true);
        ff::av_packet_free(&pkt);
    });
    queue.Abort();
    consumer.Join();
    EXPECT_EQ(result, -1);
    queue.Flush();
    EXPECT_TRUE(queue.Aborted());
    queue.Init();
    EXPECT_FALSE(queue.Aborted());
}

TEST(PlayerDisplay, AspectBoxIsCentredWithEvenSides)
{
    // A 720 x 576 picture of pixel aspect 16/15 is 4:3.
    const double aspect = DisplayAspectRatio(0, 640, 400, AVRational{16, 15}, 720, 576);
    EXPECT_NEAR(aspect, 4.0 / 3.0, 1e-9);
    TDisplayRect rect = CalculateDisplayRect(640, 400, aspect);
    EXPECT_EQ(rect.W, 532);
    EXPECT_EQ(rect.H, 400);
    EXPECT_EQ(rect.X, 54);
    EXPECT_EQ(rect.Y, 0);

    // A wide area limits the width instead.
    rect = CalculateDisplayRect(320, 400, aspect);
    EXPECT_EQ(rect.W, 320);
    EXPECT_EQ(rect.H, 240);
    EXPECT_EQ(rect.Y, 80);

    // Negative: the whole area; positive: forced; no sample aspect: square pixels.
    EXPECT_NEAR(DisplayAspectRatio(-1, 300, 100, AVRational{16, 15}, 720, 576), 3.0, 1e-9);
    EXPECT_NEAR(DisplayAspectRatio(2.0, 300, 100, AVRational{16, 15}, 720, 576), 2.0, 1e-9);
    EXPECT_NEAR(DisplayAspectRatio(0, 300, 100, AVRational{0, 1}, 320, 240), 4.0 / 3.0, 1e-9);
    rect = CalculateDisplayRect(300, 100, 3.0);
    EXPECT_EQ(rect.W, 300);
    EXPECT_EQ(rect.H, 100);
}

TEST(PlayerSubtitle, PaletteBecomesStudioRangeYUVA)
{
    EXPECT_EQ(RGBAToYUVA(0xFFFF0000u), 0xFF515AF0u);  // red: Y 81, U 90, V 240
    EXPECT_EQ(RGBAToYUVA(0x80FFFFFFu), 0x80EB8080u);  // white: Y 235, U V 128
    EXPECT_EQ(RGBAToYUVA(0x00000000u), 0x00108080u);  // black: Y 16
}

TEST(PlayerSubtitle, BlendsAndClipsIntoThePicture)
{
    // A 4 x 4 picture, Y 100, U V 128; a 3 x 3 rectangle of opaque red at (2, 2) runs over.
    std::vector<std::uint8_t> y(16, 100), u(4, 128), v(4, 128);
    std::uint8_t* planes[3] = {y.data(), u.data(), v.data()};
    const int linesize[3] = {4, 2, 2};
    std::uint8_t indices[9] = {0, 0, 0, 0, 0, 0, 0, 0, 0};
    std::uint32_t palette[1] = {RGBAToYUVA(0xFFFF0000u)};
    AVSubtitleRect rect{};
    rect.x = 2;
    rect.y = 2;
    rect.w = 3;
    rect.h = 3;
    rect.nb_colors = 1;
    rect.data[0] = indices;
    rect.data[1] = reinterpret_cast<std::uint8_t*>(palette);
    rect.linesize[0] = 3;
    BlendSubtitleRect(planes, linesize, rect, 4, 4);

    // Clipped to the picture: 3 x 3 moved to (1, 1).
    for (int row = 0; row < 4; ++row)
        for (int col = 0; col < 4; ++col)
            EXPECT_EQ(y[row * 4 + col], row >= 1 && col >= 1 ? 81 : 100) << row << "," << col;
    // The fully covered chroma block takes the colour; the corner block with one of four pixels
    // covered a quarter of it, the edge blocks with two pixels half of it.
    EXPECT_EQ(u[3], 90);
    EXPECT_EQ(v[3], 240);
    EXPECT_EQ(u[0], (128 * 255 - 128 * 63 + 90 * 63) / 255);
    EXPECT_EQ(u[1], (128 * 2 * (255 - 127) + 180 * 127) / (255 * 2));
}

} // namespace
