// How a task turns input and output records into converter settings.

#include "engine/FFmpegEntries.h"
#include "engine/FFmpegTask.h"

#include "ConverterLibraries.h"
#include "TestPaths.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ctime>
#include <functional>

namespace {

class TranslationTask : public TFFmpeg {
public:
    TranslationTask() : TFFmpeg(4) { Reset(); }

    using TFFmpeg::ApplyOutputOptions;
    using TFFmpeg::Faudio_codec_name;
    using TFFmpeg::Faudio_volume;
    using TFFmpeg::Fframe_height;
    using TFFmpeg::Fframe_topBand;
    using TFFmpeg::Fframe_width;
    using TFFmpeg::Fmetadata;
    using TFFmpeg::Foutput_codecs;
    using TFFmpeg::Frecording_time;
    using TFFmpeg::Frecording_timestamp;
    using TFFmpeg::Fstart_time;
    using TFFmpeg::Fvfilters;
    using TFFmpeg::Fvideo_codec_name;
    using TFFmpeg::Fvideo_disable;
    using TFFmpeg::Fvideo_language;

    bool HasMetadata(const std::string& key) const
    {
        return std::any_of(Fmetadata.begin(), Fmetadata.end(), [&](const auto& m) { return m.first == key; });
    }
};

class FFmpegTaskTest : public ConverterLibrariesTest {
protected:
    zdtest::TempDir dir;
};

TEST_F(FFmpegTaskTest, OutputRecordsBecomeConverterSettings)
{
    struct Case {
        const char* what;
        std::function<void(TOutputOptions&)> fill;
        std::function<void(const TranslationTask&, const TFFmpeg::TDefaultList&)> check;
    };
    using List = TFFmpeg::TDefaultList;
    const Case cases[] = {
        {"a codec field beats an ExtOptions line, which stays for an extra stream",
         [](TOutputOptions& o) {
             o.AudioCodec = "mp2";
             o.ExtOptions = "acodec=libmp3lame";
         },
         [](const TranslationTask& t, const List& l) {
             EXPECT_EQ("mp2", t.Faudio_codec_name);
             EXPECT_EQ((List{{"def_acodec", "mp2"}, {"acodec", "libmp3lame"}}), l);
         }},
        {"without a field the first of several lines is the default",
         [](TOutputOptions& o) { o.ExtOptions = "vcodec=mpeg4\nnewvideo=\nvcodec=msmpeg4v2"; },
         [](const TranslationTask& t, const List& l) {
             EXPECT_EQ("mpeg4", t.Fvideo_codec_name);
             EXPECT_EQ((List{{"def_vcodec", "mpeg4"}, {"vcodec", "mpeg4"}, {"vcodec", "msmpeg4v2"}}), l);
         }},
        {"vfilters on the output side is vf",
         [](TOutputOptions& o) { o.ExtOptions = "vfilters=hflip"; },
         [](const TranslationTask& t, const List& l) {
             EXPECT_EQ("hflip", t.Fvfilters);
             EXPECT_EQ((List{{"def_vf", "hflip"}, {"vf", "hflip"}}), l);
         }},
        {"a filter field beats both spellings",
         [](TOutputOptions& o) {
             o.VideoFilters = "vflip";
             o.ExtOptions = "vf=hflip<CRLF>vfilters=negate";
         },
         [](const TranslationTask& t, const List&) { EXPECT_EQ("vflip", t.Fvfilters); }},
        {"a frame size field beats an ExtOptions line",
         [](TOutputOptions& o) {
             o.FrameSize = "640x480";
             o.ExtOptions = "s=320x240";
         },
         [](const TranslationTask& t, const List&) {
             EXPECT_EQ(640, t.Fframe_width);
             EXPECT_EQ(480, t.Fframe_height);
         }},
        {"an ExtOptions frame size alone is the default",
         [](TOutputOptions& o) { o.ExtOptions = "s=320x240"; },
         [](const TranslationTask& t, const List&) { EXPECT_EQ(240, t.Fframe_height); }},
        {"DisableVideo False leaves an ExtOptions vn in force",
         [](TOutputOptions& o) { o.ExtOptions = "vn"; },
         [](const TranslationTask& t, const List&) { EXPECT_TRUE(t.Fvideo_disable); }},
        {"crops come before the frame size, against the input's size",
         [](TOutputOptions& o) {
             o.CropTop = 10;
             o.FrameSize = "320x240";
         },
         [](const TranslationTask& t, const List&) {
             EXPECT_EQ(10, t.Fframe_topBand);
             EXPECT_EQ(240, t.Fframe_height);
         }},
        {"a year of 0 writes none",
         [](TOutputOptions& o) { o.Info.Year = 0; },
         [](const TranslationTask& t, const List&) { EXPECT_FALSE(t.HasMetadata("year")); }},
        {"a year above 0 and the texts become metadata in order",
         [](TOutputOptions& o) {
             o.Info.Year = 2010;
             o.Info.Title = "T";
             o.Info.Genre = "G";
         },
         [](const TranslationTask& t, const List&) {
             EXPECT_EQ((std::vector<std::pair<std::string, std::string>>{{"year", "2010"}, {"title", "T"}, {"genre", "G"}}),
                       t.Fmetadata);
         }},
        {"a time length is the recording time and the total output duration",
         [](TOutputOptions& o) { o.TimeLength = 10000000; },
         [](const TranslationTask& t, const List&) {
             EXPECT_EQ(10000000, t.Frecording_time);
             EXPECT_EQ(10000000, t.TotalOutputDuration());
         }},
        {"without a time length the output has no limit and the input's length",
         [](TOutputOptions&) {},
         [](const TranslationTask& t, const List& l) {
             EXPECT_EQ(INT64_MAX, t.Frecording_time);
             EXPECT_EQ(2040000, t.TotalOutputDuration());
             EXPECT_EQ(0, t.Fstart_time);
             EXPECT_EQ(0, t.Frecording_timestamp);
             EXPECT_EQ(256, t.Faudio_volume);
             EXPECT_TRUE(l.empty());
         }},
        {"a start time of 0 is set like any other",
         [](TOutputOptions& o) {
             o.TimeStart = 0;
             o.ExtOptions = "ss=5";
         },
         [](const TranslationTask& t, const List&) { EXPECT_EQ(0, t.Fstart_time); }},
        {"a volume of 0 is applied",
         [](TOutputOptions& o) { o.AudioVolume = 0; },
         [](const TranslationTask& t, const List&) { EXPECT_EQ(0, t.Faudio_volume); }},
        {"a time stamp of 0 is the moment of the set-up",
         [](TOutputOptions& o) { o.Info.TimeStamp = 0; },
         [](const TranslationTask& t, const List&) {
             EXPECT_NEAR(static_cast<double>(std::time(nullptr)), static_cast<double>(t.Frecording_timestamp), 5);
         }},
        {"a time stamp is a local date",
         [](TOutputOptions& o) { o.Info.TimeStamp = UnixToDateTime(1262347200); },
         [](const TranslationTask& t, const List&) { EXPECT_EQ(1262347200, t.Frecording_timestamp); }},
        {"the language fields are copied, an empty one clears an ExtOptions line",
         [](TOutputOptions& o) { o.ExtOptions = "vlang=deu"; },
         [](const TranslationTask& t, const List&) { EXPECT_EQ("", t.Fvideo_language); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TranslationTask task;
        ASSERT_TRUE(task.AddInput(zdtest::fixture("sample.avi"), nullptr)) << task.LastErrMsg();
        TOutputOptions options;
        c.fill(options);
        const TFFmpeg::TDefaultList list = task.ApplyOutputOptions(dir.file("out.avi"), options);
        c.check(task, list);
    }
}

TEST_F(FFmpegTaskTest, RefusedValuesStopTheTranslationWithTheirMessage)
{
    struct Case {
        std::function<void(TOutputOptions&)> fill;
        std::string message;
    };
    const Case cases[] = {
        // The crop is checked against the input's 120 rows, before the frame size would allow it.
        {[](TOutputOptions& o) {
             o.CropTop = 130;
             o.FrameSize = "640x480";
         },
         "Vertical crop dimensions are outside the range of the original image.\nRemember to crop first and scale second."},
        {[](TOutputOptions& o) { o.FrameSize = "big"; }, "Incorrect frame size"},
        {[](TOutputOptions& o) { o.FrameAspectRatio = "wide"; }, "Incorrect aspect ratio specification."},
    };
    for (const Case& c : cases) {
        TranslationTask task;
        ASSERT_TRUE(task.AddInput(zdtest::fixture("sample.avi"), nullptr));
        TOutputOptions options;
        c.fill(options);
        try {
            task.AddOutput(dir.file("out.avi"), &options);
            ADD_FAILURE() << "no exception for " << c.message;
        } catch (const Exception& e) {
            EXPECT_EQ(c.message, e.what());
        }
    }
}

TEST_F(FFmpegTaskTest, ExtraStreamsTakeTheirLinesInOrderAndTheDefaultsOtherwise)
{
    TranslationTask task;
    ASSERT_TRUE(task.AddInput(zdtest::fixture("sample.avi"), nullptr));
    TOutputOptions options;
    options.AudioCodec = "mp2";
    options.ExtOptions = "vcodec=mpeg4\nnewvideo=\nvcodec=msmpeg4v2\nnewvideo\nacodec=pcm_s16le\nnewaudio\nnewaudio";
    ASSERT_TRUE(task.AddOutput(dir.file("out.avi"), &options)) << task.LastErrMsg();
    std::vector<std::string> encoders;
    for (const TOutputCodec& stream : task.Foutput_codecs)
        encoders.push_back(stream.encoder ? stream.encoder->name : "?");
    // The main streams take the defaults; the extra streams the lines, then the defaults.
    EXPECT_EQ((std::vector<std::string>{"mpeg4", "mp2", "mpeg4", "msmpeg4v2", "pcm_s16le", "mp2"}), encoders);

    // The caller's record gets the file name; the task keeps a copy of it.
    EXPECT_EQ(dir.file("out.avi"), options.FileName);
    ASSERT_NE(nullptr, task.OutputOptions(0));
    EXPECT_EQ("mp2", task.OutputOptions(0)->AudioCodec);
}

TEST_F(FFmpegTaskTest, InputRecordsAndFailedOpens)
{
    TranslationTask task;
    TInputOptions options;
    // The record's format wins over the ExtOptions line (which would not read this file).
    options.FileFormat = "avi";
    options.ExtOptions = "f=wav";
    ASSERT_TRUE(task.AddInput(zdtest::fixture("sample.avi"), &options)) << task.LastErrMsg();
    EXPECT_EQ(zdtest::fixture("sample.avi"), options.FileName);
    ASSERT_NE(nullptr, task.AVProbe(0));
    EXPECT_EQ(2, task.AVProbe(0)->StreamCount());
    EXPECT_EQ(task.AVProbe(0)->GetFileHandle(), task.AVProbe(0)->GetFileHandle());

    TInputOptions broken;
    broken.Tag = 7;
    EXPECT_FALSE(task.AddInput(zdtest::fixture("notmedia.avi"), &broken));
    EXPECT_NE(std::string::npos, task.LastErrMsg().find("notmedia.avi"));
    // The stored copy of a failed input is back at its initial values; no probe for it.
    ASSERT_NE(nullptr, task.InputOptions(1));
    EXPECT_EQ(0, task.InputOptions(1)->Tag);
    EXPECT_EQ(nullptr, task.AVProbe(1));
    EXPECT_EQ(1, task.InputCount());
}

} // namespace
