#include "TranscodeConverter.h"

#include <fstream>
#include <regex>

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
    const StreamInfo* video = Probe(out).Find(AVMEDIA_TYPE_VIDEO);
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
        const StreamInfo* video = Probe(out).Find(AVMEDIA_TYPE_VIDEO);
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
    const std::regex final("frame=   30 fps=  0 q=[0-9.]+ L[0-9A-F]{32}PSNR=Y:[0-9.]+ U:[0-9.]+ V:[0-9.]+ \\*:[0-9.]+ size=.*");
    bool found = false;
    for (const std::string& line : log)
        found = found || std::regex_match(line.substr(2), final);
    EXPECT_TRUE(found);

    std::ifstream file(stats);
    int lines = 0;
    const std::regex entry("frame= +[0-9]+ q= [0-9.]+ PSNR= +[0-9.]+ f_size= +[0-9]+ s_size= +[0-9]+kB time= [0-9.]+ br= +[0-9.]+kbits/s avg_br= +[0-9.]+kbits/s type= [IP]");
    for (std::string line; std::getline(file, line); ++lines)
        EXPECT_TRUE(std::regex_match(line, entry)) << line;
    EXPECT_EQ(30, lines);
}

} // namespace
