#include "TranscodeConverter.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <fstream>

namespace {

using TranscodeWindow = TranscodeTest;

// Frame limits, the recorded window, a size limit and the shortest input end the run early.
TEST_F(TranscodeWindow, LimitsEndTheRunEarly)
{
    struct Case {
        const char* title;
        std::vector<std::string> inputs;
        Options options;
        int videoPackets;  // -1: not checked
        double video, audio;
    } cases[] = {
        {"ten frames", {"sample.avi"}, {{"vframes", "10"}}, 10, -1, -1},
        {"one second", {"sample.avi"}, {{"t", "1"}}, -1, 1.0, 1.0},
        {"from the second second", {"sample.avi"}, {{"ss", "1"}}, -1, 1.0, 1.0},
        {"the shorter input ends it", {"sample.avi", "float.wav"}, {{"map", "0:0"}, {"map", "1:0"}, {"shortest", ""}}, -1, 1.0, 1.0},
        {"without shortest both run out", {"sample.avi", "float.wav"}, {{"map", "0:0"}, {"map", "1:0"}}, -1, 2.0, 1.0},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.title);
        const std::string out = dir.file("out.avi");
        {
            TranscodeConverter c;
            for (const std::string& input : k.inputs)
                c.Input(input);
            c.Output(out, k.options);
            ASSERT_EQ("", c.Run());
        }
        const MediaInfo info = Probe(out);
        const StreamInfo* video = info.Find(AVMEDIA_TYPE_VIDEO);
        const StreamInfo* audio = info.Find(AVMEDIA_TYPE_AUDIO);
        ASSERT_NE(nullptr, video);
        ASSERT_NE(nullptr, audio);
        if (k.videoPackets >= 0) {
            EXPECT_EQ(k.videoPackets, video->packets);
        }
        if (k.video >= 0) {
            EXPECT_NEAR(0.0, video->start, 0.05);
            EXPECT_NEAR(k.video, video->duration, 0.1);
        }
        if (k.audio >= 0) {
            EXPECT_NEAR(k.audio, audio->duration, 0.1);
        }
    }
}

// A start on the input seeks to the key picture before it (0 s here, the next is at 4 s); what
// lies between that picture and the start is decoded but dropped, so both streams begin at the
// start with time 0, as after a start on the output. The lengths are those the ffmpeg command
// gives for the same start, to within one frame.
TEST_F(TranscodeWindow, AnInputStartDropsWhatLiesBeforeItAfterTheSeek)
{
    struct Case {
        const char* title;
        Options input, output;
        double video, audio;  // seconds
        int firstPicture;  // the input's frame number the output starts with
    } cases[] = {
        {"input start", {{"ss", "3"}}, {}, 3.08, 3.056, 75},
        {"input start with a length", {{"ss", "2.5"}}, {{"t", "2"}}, 2.04, 2.038, 62},
        {"output start", {}, {{"ss", "3"}}, 3.08, 3.056, 75},
    };
    const double videoFrame = 1 / 25.0;
    const double audioFrame = 1152 / 44100.0;
    for (const Case& k : cases) {
        SCOPED_TRACE(k.title);
        const std::string out = dir.file("out.avi");
        {
            TranscodeConverter c;
            c.Input("gop4s.avi", k.input);
            c.Output(out, k.output);
            ASSERT_EQ("", c.Run());
        }
        const MediaInfo info = Probe(out);
        const StreamInfo* video = info.Find(AVMEDIA_TYPE_VIDEO);
        const StreamInfo* audio = info.Find(AVMEDIA_TYPE_AUDIO);
        ASSERT_NE(nullptr, video);
        ASSERT_NE(nullptr, audio);
        EXPECT_NEAR(0.0, video->start, 0.001);
        EXPECT_NEAR(0.0, audio->start, 0.001);
        EXPECT_NEAR(k.video, video->duration, videoFrame);
        EXPECT_NEAR(k.audio, audio->duration, audioFrame);
        const Sound sound = DecodeSound(out);
        EXPECT_NEAR(k.audio, static_cast<double>(sound.samples.size()) / sound.channels / sound.sample_rate,
                    audioFrame);
        // The grey level tells the picture: 16 + its frame number.
        const std::vector<Picture> pictures = DecodePictures(out);
        ASSERT_FALSE(pictures.empty());
        EXPECT_NEAR(16 + k.firstPicture, pictures.front().At(32, 24), 2);
    }
}

// "fs": the run stops once the output has grown past the limit.
TEST_F(TranscodeWindow, ASizeLimitStopsTheOutput)
{
    const std::string out = dir.file("out.avi");
    {
        TranscodeConverter c;
        c.Input("sample.avi");
        c.Output(out, {{"fs", "20000"}});
        ASSERT_EQ("", c.Run());
    }
    const MediaInfo info = Probe(out);
    const StreamInfo* video = info.Find(AVMEDIA_TYPE_VIDEO);
    ASSERT_NE(nullptr, video);
    EXPECT_LT(video->duration, 1.5);
}

// A copy that starts between key pictures waits for the next key picture (0.96 s, key pictures
// every 12 of 25 per second), unless told to take the pictures before it; the times move back by
// the start.
TEST_F(TranscodeWindow, ACopyStartsAtAKeyPicture)
{
    struct Case {
        const char* copyinkf;
        double start;
        int packets;
    } cases[] = {{"0", 0.46, 1}, {"1", 0.02, 12}};
    for (const Case& k : cases) {
        SCOPED_TRACE(k.copyinkf);
        const std::string out = dir.file("out.mkv");
        {
            TranscodeConverter c;
            c.Input("bands.avi");
            c.Output(out, {{"vcodec", "copy"}, {"ss", "0.5"}, {"copyinkf", k.copyinkf}});
            ASSERT_EQ("", c.Run());
        }
        const MediaInfo info = Probe(out);
    const StreamInfo* video = info.Find(AVMEDIA_TYPE_VIDEO);
        ASSERT_NE(nullptr, video);
        EXPECT_NEAR(k.start, video->start, 0.001);
        EXPECT_EQ(k.packets, video->packets);
    }
}

struct Chapter {
    std::string title;
    double start, end;
    bool operator==(const Chapter& o) const { return title == o.title && start == o.start && end == o.end; }
};

std::vector<Chapter> Chapters(const std::string& fileName, std::string& title)
{
    std::vector<Chapter> chapters;
    AVFormatContext* ic = nullptr;
    if (ff::avformat_open_input(&ic, fileName.c_str(), nullptr, nullptr) < 0)
        return chapters;
    const AVDictionaryEntry* t = ff::av_dict_get(ic->metadata, "title", nullptr, 0);
    title = t ? t->value : "";
    for (unsigned i = 0; i < ic->nb_chapters; ++i) {
        const AVChapter* ch = ic->chapters[i];
        const AVDictionaryEntry* name = ff::av_dict_get(ch->metadata, "title", nullptr, 0);
        chapters.push_back(Chapter{name ? name->value : "", static_cast<double>(ch->start) * av_q2d(ch->time_base),
                                   static_cast<double>(ch->end) * av_q2d(ch->time_base)});
    }
    ff::avformat_close_input(&ic);
    return chapters;
}

// Chapters follow the recorded window; the file's metadata goes over only through a map.
TEST_F(TranscodeWindow, ChaptersFollowTheWindowAndMetadataFollowsItsMap)
{
    struct Case {
        const char* title;
        Options options;
        std::vector<Chapter> chapters;
        std::string metadata;
        std::string error;
    } cases[] = {
        {"whole", {}, {{"One", 0, 1}, {"Two", 1, 2}}, "", ""},
        {"from 1.5 s", {{"ss", "1.5"}}, {{"Two", 0, 0.5}}, "", ""},
        {"0.5 s long", {{"t", "0.5"}}, {{"One", 0, 0.5}}, "", ""},
        {"metadata mapped", {{"map_meta_data", "0:0"}}, {{"One", 0, 1}, {"Two", 1, 2}}, "Chaptered", ""},
        {"no such output", {{"map_meta_data", "1:0"}}, {}, "", "Invalid output file index 1 map_meta_data(1,0)"},
        {"no such input", {{"map_meta_data", "0:3"}}, {}, "", "Invalid input file index 3 map_meta_data(0,3)"},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.title);
        const std::string out = dir.file("out.mkv");
        {
            TranscodeConverter c;
            c.Input("chapters.mkv");
            c.Output(out, {{"vcodec", "copy"}, {"acodec", "copy"}});
            c.Options(k.options);
            EXPECT_EQ(k.error, c.Run());
        }
        if (!k.error.empty())
            continue;
        std::string title;
        EXPECT_EQ(k.chapters, Chapters(out, title));
        EXPECT_EQ(k.metadata, title);
    }
}

// The report line tells the counted stream's quality, its quantiser histogram and PSNR; the
// statistics file gets a line per encoded frame.
TEST_F(TranscodeWindow, TheEncoderStatisticsAreReported)
{
    const std::string stats = dir.file("vstats.log");
    {
        TranscodeConverter c;
        c.Input("rate30.avi");
        c.Output(dir.file("out.avi"), {{"psnr", ""}, {"qphist", ""}, {"vstats_file", stats}});
        ASSERT_EQ("", c.Run());
    }
    // "frame=   30 fps=  0 q=2.0 L<32 hex digits>PSNR=Y:51.60 U:49.60 V:49.24 *:50.75 size= ..."
    auto finalLine = [](const std::string& line) {
        const std::string head = "6 frame=   30 fps=  0 q=";
        const size_t mark = line.find(" L");
        if (line.rfind(head, 0) != 0 || mark == std::string::npos || line.size() < mark + 34)
            return false;
        for (size_t i = mark + 2; i < mark + 34; ++i)
            if (!std::isxdigit(static_cast<unsigned char>(line[i])))
                return false;
        return line.compare(mark + 34, 7, "PSNR=Y:") == 0 && line.find(" U:") != std::string::npos
               && line.find(" V:") != std::string::npos && line.find(" *:") != std::string::npos
               && line.find(" size=") != std::string::npos;
    };
    EXPECT_TRUE(std::any_of(log.begin(), log.end(), finalLine));

    std::ifstream file(stats);
    int lines = 0;
    for (std::string line; std::getline(file, line); ++lines) {
        int frame, size;
        float q, psnr, kilobytes, time, rate, average;
        char type = 0;
        EXPECT_EQ(9, std::sscanf(line.c_str(),
                                 "frame= %d q= %f PSNR= %f f_size= %d s_size= %fkB time= %f br= %fkbits/s "
                                 "avg_br= %fkbits/s type= %c",
                                 &frame, &q, &psnr, &size, &kilobytes, &time, &rate, &average, &type))
            << line;
        EXPECT_EQ(lines + 1, frame);
        EXPECT_TRUE(type == 'I' || type == 'P') << line;
    }
    EXPECT_EQ(30, lines);
}

} // namespace
