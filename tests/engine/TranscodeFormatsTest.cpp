#include "TranscodeConverter.h"

#include <algorithm>

namespace {

using TranscodeFormats = TranscodeTest;

// The 2 s sample (160x120 MPEG-4 at 25 fps, 44.1 kHz stereo MP3) into each container the
// catalogue offers, with the codecs the container takes by default or the catalogue names.
TEST_F(TranscodeFormats, TheSampleConvertsIntoEveryContainer)
{
    struct Case {
        const char* file;
        Options options;
        std::string format;
        std::string video;  // empty: no video stream
        std::string audio;  // empty: no audio stream
        int width, height;
    } cases[] = {
        {"out.avi", {}, "avi", "mpeg4", "mp3", 160, 120},
        {"out.mp4", {}, "mov,mp4,m4a,3gp,3g2,mj2", "h264", "aac", 160, 120},
        {"out.flv", {}, "flv", "flv1", "mp3", 160, 120},
        {"out.wmv", {{"vcodec", "wmv2"}}, "asf", "wmv2", "wmav2", 160, 120},
        {"out.mkv", {{"vcodec", "mpeg4"}, {"acodec", "libmp3lame"}}, "matroska,webm", "mpeg4", "mp3", 160, 120},
        {"out.mpg", {{"vcodec", "mpeg2video"}}, "mpeg", "mpeg2video", "mp2", 160, 120},
        {"out.vob", {{"target", "pal-dvd"}}, "mpeg", "mpeg2video", "ac3", 720, 576},
        {"out.3gp", {{"acodec", "libopencore_amrnb"}, {"s", "176x144"}, {"ar", "8000"}, {"ac", "1"}}, "mov,mp4,m4a,3gp,3g2,mj2", "h263", "aac", 176, 144},
        {"out.mp3", {{"vn", ""}}, "mp3", "", "mp3", 0, 0},
        {"out.wav", {}, "wav", "", "pcm_s16le", 0, 0},
        {"out.wma", {{"vn", ""}}, "asf", "", "wmav2", 0, 0},
        {"copy.mkv", {{"vcodec", "copy"}, {"acodec", "copy"}}, "matroska,webm", "mpeg4", "mp3", 160, 120},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.file);
        const std::string out = dir.file(k.file);
        {
            TranscodeConverter c;
            c.Input("sample.avi");
            c.Output(out, k.options);
            EXPECT_EQ("", c.Run());
            EXPECT_TRUE(c.Finished());
        }
        const MediaInfo info = Probe(out);
        ASSERT_TRUE(info.opened);
        EXPECT_EQ(k.format, info.format);
        // (The DVD format's navigation packets read back as a data stream.)
        EXPECT_EQ(k.video.empty() ? 1 : 2, std::count_if(info.streams.begin(), info.streams.end(), [](const StreamInfo& s) {
                      return s.type != AVMEDIA_TYPE_DATA;
                  }));
        if (!k.video.empty()) {
            const StreamInfo* v = info.Find(AVMEDIA_TYPE_VIDEO);
            ASSERT_NE(nullptr, v);
            EXPECT_EQ(k.video, v->codec);
            EXPECT_EQ(k.width, v->width);
            EXPECT_EQ(k.height, v->height);
            EXPECT_NEAR(2.0, v->duration, 0.15);
        }
        const StreamInfo* a = info.Find(AVMEDIA_TYPE_AUDIO);
        ASSERT_NE(nullptr, a);
        EXPECT_EQ(k.audio, a->codec);
        // Encoders may put a priming frame in front.
        EXPECT_NEAR(2.0, a->duration, 0.25);
    }
}

} // namespace
