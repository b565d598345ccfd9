#include "engine/FFmpeg.h"

#include "engine/FFmpegEntries.h"
#include "engine/FFmpegLogger.h"

#include "ConverterLibraries.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

namespace {

using OptionList = std::vector<std::pair<std::string, std::string>>;

class OptConverter;

struct OptionCase {
    const char* title;
    OptionList options;       // applied in order; only the last one may fail
    std::string error;     // the last option's error message; empty: it succeeds
    std::function<void(OptConverter& c, const std::vector<std::string>& log)> check;
    int maxFiles = 20;
    int openInputs = 0;  // inputs the converter pretends to have opened already
};

// Words of the log line of a level.
std::string Line(TLogLevel level, const std::string& text)
{
    return std::to_string(level) + " " + text;
}

bool Logged(const std::vector<std::string>& log, const std::string& line)
{
    return std::find(log.begin(), log.end(), line) != log.end();
}

std::string HookWords(int count)
{
    std::string value = ZD_STUB_HOOK_BARE;
    for (int i = 1; i < count; ++i)
        value += " w";
    return value;
}

class OptConverter : public TCustomFFmpeg {
public:
    OptConverter(int maxFiles, int openInputs) : TCustomFFmpeg(maxFiles)
    {
        Reset();
        Fnb_input_files = openInputs;
    }

    std::int64_t CodecOption(int kind, const char* name)
    {
        std::int64_t value = 0;
        ff::av_opt_get_int(FOptions.avcodec_opts[kind], name, 0, &value);
        return value;
    }

    static std::vector<OptionCase> Cases();
};

std::vector<OptionCase> OptConverter::Cases()
{
    using C = OptConverter;
    using L = const std::vector<std::string>&;
    const int kPixFmts = [] {
        int n = 0;
        for (const AVPixFmtDescriptor* d = ff::av_pix_fmt_desc_next(nullptr); d; d = ff::av_pix_fmt_desc_next(d))
            ++n;
        return n;
    }();
    return {
        // Codecs: "copy" sets the copy flag, a later name does not clear it.
        {"codec copy then name", {{"vcodec", "copy"}, {"vcodec", "mpeg4"}}, "",
         [](C& c, L) { EXPECT_EQ(1, c.Fvideo_stream_copy); EXPECT_EQ("mpeg4", c.Fvideo_codec_name); }},
        {"empty codec", {{"acodec", "mp2"}, {"acodec", ""}}, "",
         [](C& c, L) { EXPECT_EQ("mp2", c.Faudio_codec_name); EXPECT_EQ(0, c.Faudio_stream_copy); }},
        {"subtitle copy", {{"scodec", "copy"}}, "",
         [](C& c, L) { EXPECT_EQ(1, c.Fsubtitle_stream_copy); EXPECT_EQ("", c.Fsubtitle_codec_name); }},

        // Flags: "0" is false, everything else (the empty text too) true.
        {"flag empty", {{"sameq", ""}}, "", [](C& c, L) { EXPECT_TRUE(c.Fsame_quality); }},
        {"flag zero", {{"sameq", ""}, {"sameq", "0"}}, "", [](C& c, L) { EXPECT_FALSE(c.Fsame_quality); }},
        {"copyts ignores its value", {{"copyts", "0"}}, "", [](C& c, L) { EXPECT_TRUE(c.Fcopy_ts); }},
        {"disable flags", {{"vn", "1"}, {"an", ""}, {"sn", "x"}}, "",
         [](C& c, L) { EXPECT_TRUE(c.Fvideo_disable && c.Faudio_disable && c.Fsubtitle_disable); }},

        // Refused and log-only options.
        {"threads", {{"threads", "4"}}, "TODO: option - threads",
         [](C& c, L) { EXPECT_EQ(1, c.Fthread_count); }},
        {"pad", {{"padtop", "10"}}, "Please use vfilters=pad", nullptr},
        {"padcolor", {{"padcolor", "000000"}}, "Please use vfilters=pad", nullptr},
        {"loglevel", {{"loglevel", "warning"}}, "",
         [](C&, L) { EXPECT_EQ(llWarning, GetLogger().GetLogLevel()); }},
        {"timelimit", {{"timelimit", "10"}}, "",
         [](C&, L log) { EXPECT_TRUE(Logged(log, Line(llWarning, "Warning: -timelimit not implemented on Windows"))); }},
        {"do nothing", {{"y", ""}, {"benchmark", "1"}}, "",
         [](C&, L log) {
             EXPECT_TRUE(Logged(log, Line(llInfo, "Do nothing: option - y")));
             EXPECT_TRUE(Logged(log, Line(llInfo, "Do nothing: option - benchmark")));
         }},

        // Aspect ratio.
        {"aspect 16:9", {{"aspect", "16:9"}}, "",
         [](C& c, L) { EXPECT_FLOAT_EQ(1.7777778f, c.Fframe_aspect_ratio); }},
        {"aspect 1.5", {{"aspect", "1.5"}}, "", [](C& c, L) { EXPECT_FLOAT_EQ(1.5f, c.Fframe_aspect_ratio); }},
        {"aspect zero below", {{"aspect", "4:3"}, {"aspect", "16:0"}}, "Incorrect aspect ratio specification.",
         [](C& c, L) { EXPECT_FLOAT_EQ(4.0f / 3, c.Fframe_aspect_ratio); }},
        {"aspect letters", {{"aspect", "wide"}}, "Incorrect aspect ratio specification.", nullptr},
        {"aspect letters after colon", {{"aspect", "16:x"}}, "Incorrect aspect ratio specification.", nullptr},

        // Crop against the frame size current when the option is applied.
        {"croptop", {{"s", "720x576"}, {"croptop", "16"}}, "",
         [](C& c, L log) {
             EXPECT_EQ(16, c.Fframe_topBand);
             EXPECT_EQ(560, c.Fframe_height);
             EXPECT_TRUE(Logged(log, Line(llWarning, "CropTop is deprecated in favor of the crop avfilter")));
         }},
        {"croptop whole height", {{"s", "720x576"}, {"croptop", "576"}},
         "Vertical crop dimensions are outside the range of the original image.\n"
         "Remember to crop first and scale second.",
         [](C& c, L) { EXPECT_EQ(0, c.Fframe_topBand); EXPECT_EQ(576, c.Fframe_height); }},
        {"cropright whole width", {{"s", "720x576"}, {"cropleft", "20"}, {"cropright", "700"}},
         "Horizontal crop dimensions are outside the range of the original image.\n"
         "Remember to crop first and scale second.",
         [](C& c, L) { EXPECT_EQ(700, c.Fframe_width); EXPECT_EQ(20, c.Fframe_leftBand); }},
        {"crop zero", {{"s", "720x576"}, {"cropbottom", "0"}}, "",
         [](C& c, L) { EXPECT_EQ(576, c.Fframe_height); }},
        {"crop letters", {{"cropbottom", "ten"}}, "'ten' is not a valid integer value", nullptr},

        // Rates and channels: only values above 0.
        {"ar 0 ac -1", {{"ar", "0"}, {"ac", "-1"}}, "",
         [](C& c, L) { EXPECT_EQ(44100, c.Faudio_sample_rate); EXPECT_EQ(2, c.Faudio_channels); }},
        {"ar ac", {{"ar", "22050"}, {"ac", " 1"}}, "",
         [](C& c, L) { EXPECT_EQ(22050, c.Faudio_sample_rate); EXPECT_EQ(1, c.Faudio_channels); }},

        // Bit rates: set through the option contexts, too low ones warned about.
        {"ab too low", {{"ab", "128"}}, "",
         [](C& c, L log) {
             EXPECT_EQ(128, c.CodecOption(skAudio, "b"));
             EXPECT_TRUE(Logged(log, Line(llWarning, "WARNING: The bitrate parameter is set too low. "
                                                     "It takes bits/s as argument, not kbits/s")));
         }},
        {"ab", {{"ab", "128000"}}, "",
         [](C& c, L log) { EXPECT_EQ(128000, c.CodecOption(skAudio, "b")); EXPECT_TRUE(log.empty()); }},
        {"b is the video bit rate", {{"ab", "64000"}, {"b", "1000000"}}, "",
         [](C& c, L) {
             EXPECT_EQ(1000000, c.CodecOption(skVideo, "b"));
             EXPECT_EQ(64000, c.CodecOption(skAudio, "b"));
         }},
        {"vb", {{"vb", "1200000"}}, "", [](C& c, L) { EXPECT_EQ(1200000, c.CodecOption(skVideo, "b")); }},
        {"context option by name", {{"g", "12"}, {"nosuchoption", "1"}}, "",
         [](C& c, L log) { EXPECT_EQ(12, c.CodecOption(skVideo, "g")); EXPECT_TRUE(log.empty()); }},

        // Pixel and sample formats.
        {"pix_fmt list", {{"pix_fmt", "list"}}, "",
         [kPixFmts](C& c, L log) {
             EXPECT_EQ(-1, c.Fframe_pix_fmt);
             EXPECT_EQ(static_cast<size_t>(kPixFmts) + 1, log.size());
             EXPECT_EQ(Line(llInfo, "yuv420p"), log[1].substr(0, Line(llInfo, "yuv420p").size()));
         }},
        {"pix_fmt unknown", {{"pix_fmt", "yuv420p"}, {"pix_fmt", "nosuch"}},
         "Unknown pixel format requested: nosuch", [](C& c, L) { EXPECT_EQ(-1, c.Fframe_pix_fmt); }},
        {"pix_fmt", {{"pix_fmt", "rgb24"}}, "", [](C& c, L) { EXPECT_EQ(AV_PIX_FMT_RGB24, c.Fframe_pix_fmt); }},
        {"sample_fmt list", {{"sample_fmt", "list"}}, "",
         [](C& c, L log) {
             EXPECT_EQ(-1, c.Faudio_sample_fmt);
             EXPECT_EQ(static_cast<size_t>(AV_SAMPLE_FMT_NB) + 1, log.size());
         }},
        {"sample_fmt", {{"sample_fmt", "s16"}, {"sample_fmt", "fltp"}}, "",
         [](C& c, L) { EXPECT_EQ(AV_SAMPLE_FMT_FLTP, c.Faudio_sample_fmt); }},

        // Maps append; C notation; a missing sync pair repeats the stream.
        {"maps", {{"map", "0:1"}, {"map", "0.1:1.0"}, {"map", "0x10:010"}}, "",
         [](C& c, L) {
             ASSERT_EQ(3u, c.Fstream_maps.size());
             const int expected[3][4] = {{0, 1, 0, 1}, {0, 1, 1, 0}, {16, 8, 16, 8}};
             for (int i = 0; i < 3; ++i) {
                 const TAVStreamMap& m = c.Fstream_maps[i];
                 EXPECT_EQ(expected[i][0], m.file_index);
                 EXPECT_EQ(expected[i][1], m.stream_index);
                 EXPECT_EQ(expected[i][2], m.sync_file_index);
                 EXPECT_EQ(expected[i][3], m.sync_stream_index);
             }
         }},
        {"metadata maps", {{"map_meta_data", "1:0"}, {"map_meta_data", "0,1"}}, "",
         [](C& c, L) {
             ASSERT_EQ(2u, c.Fmeta_data_maps.size());
             EXPECT_EQ(1, c.Fmeta_data_maps[0].out_file);
             EXPECT_EQ(0, c.Fmeta_data_maps[0].in_file);
             EXPECT_EQ(1, c.Fmeta_data_maps[1].in_file);
         }},

        // Stream scales belong to the next input.
        {"itsscale", {{"itsscale", "1:0.5"}}, "",
         [](C& c, L) { EXPECT_EQ(0.5, c.Finput_files_ts_scale[0][1]); }},
        {"itsscale after an input", {{"itsscale", "0:2"}}, "",
         [](C& c, L) { EXPECT_EQ(0, c.Finput_files_ts_scale[0][0]); EXPECT_EQ(2, c.Finput_files_ts_scale[1][0]); },
         20, 1},
        {"itsscale with every input open", {{"itsscale", "0:2"}}, "max input files 1 reached", nullptr, 1, 1},
        {"itsscale index 20", {{"itsscale", "20:0.5"}}, "stream index over MAX_STREAMS(20)", nullptr},
        {"itsscale negative index", {{"itsscale", "-1:2"}}, "Invalid stream index -1 for option \"itsscale\"",
         nullptr},

        // Metadata.
        {"metadata", {{"metadata", "title=A=B"}, {"metadata", "title=C"}}, "",
         [](C& c, L) {
             ASSERT_EQ(2u, c.Fmetadata.size());
             EXPECT_EQ("title", c.Fmetadata[0].first);
             EXPECT_EQ("A=B", c.Fmetadata[0].second);
             EXPECT_EQ("C", c.Fmetadata[1].second);
         }},
        {"metadata without =", {{"metadata", "title"}}, "Missing =",
         [](C& c, L) { EXPECT_TRUE(c.Fmetadata.empty()); }},

        // Tags: four characters, the first in the lowest byte.
        {"vtag", {{"vtag", "XVID"}}, "", [](C& c, L) { EXPECT_EQ(0x44495658u, c.Fvideo_codec_tag); }},
        {"vtag of three", {{"vtag", "XVI"}}, "video tag parameter must be 4 chars",
         [](C& c, L) { EXPECT_EQ(0u, c.Fvideo_codec_tag); }},
        {"atag of five", {{"atag", "mp4aa"}}, "audio tag parameter must be 4 chars", nullptr},
        {"stag", {{"stag", "mp4s"}}, "", [](C& c, L) { EXPECT_EQ(0x7334706Du, c.Fsubtitle_codec_tag); }},

        // Stream ids.
        {"streamid", {{"streamid", "2:300"}}, "", [](C& c, L) { EXPECT_EQ(300, c.Fstreamid_map[2]); }},
        {"streamid ends in colon", {{"streamid", "1:"}},
         "Invalid value \"1:\" for option \"streamid\", required syntax is \"index:value\"", nullptr},
        {"streamid index 20", {{"streamid", "20:1"}},
         "Invalid stream index 20 for option \"streamid\", it must be 0 to 19", nullptr},

        // Times.
        {"t", {{"t", "10"}}, "",
         [](C& c, L) { EXPECT_EQ(10000000, c.Frecording_time); EXPECT_EQ(10000000, c.FTotalOutputDuration); }},
        {"t letters", {{"t", "abc"}}, "Invalid duration specification for t: abc",
         [](C& c, L) { EXPECT_EQ(-1, c.FTotalOutputDuration); }},
        {"ss itsoffset", {{"ss", "00:00:01.5"}, {"itsoffset", "-2"}}, "",
         [](C& c, L) { EXPECT_EQ(1500000, c.Fstart_time); EXPECT_EQ(-2000000, c.Finput_ts_offset); }},
        {"timestamp", {{"timestamp", "2010-01-01 00:00:00.5Z"}}, "",
         [](C& c, L) { EXPECT_EQ(1262304000, c.Frecording_timestamp); }},  // half a second: to even
        {"timestamp letters", {{"timestamp", "soon"}}, "Invalid date specification for timestamp: soon", nullptr},

        // Frame rate and size through the library's parsers.
        {"r decimal", {{"r", "29.97"}}, "",
         [](C& c, L) { EXPECT_DOUBLE_EQ(29.97, av_q2d(c.Fframe_rate)); }},
        {"r fraction", {{"r", "30000/1001"}}, "",
         [](C& c, L) { EXPECT_EQ(30000, c.Fframe_rate.num); EXPECT_EQ(1001, c.Fframe_rate.den); }},
        {"r negative", {{"r", "-25"}}, "Incorrect frame rate", nullptr},
        {"s with asterisk", {{"s", "1280*720"}}, "",
         [](C& c, L) { EXPECT_EQ(1280, c.Fframe_width); EXPECT_EQ(720, c.Fframe_height); }},
        {"s abbreviation", {{"s", "vga"}}, "", [](C& c, L) { EXPECT_EQ(640, c.Fframe_width); }},
        {"s bad", {{"s", "640x"}}, "Incorrect frame size", [](C& c, L) { EXPECT_EQ(0, c.Fframe_width); }},
        {"qscale", {{"qscale", "2"}}, "", [](C& c, L) { EXPECT_FLOAT_EQ(2.0f, c.Fvideo_qscale); }},
        {"qscale zero", {{"qscale", "0"}}, "qscale must be > 0.0 and <= 255", nullptr},
        {"qscale too high", {{"qscale", "255.5"}}, "qscale must be > 0.0 and <= 255", nullptr},

        // Numbers that do not parse.
        {"v letters", {{"v", "abc"}}, "'abc' is not a valid integer value",
         [](C& c, L) { EXPECT_EQ(1, c.Fverbose); }},
        {"adrift", {{"adrift_threshold", "0.25"}, {"dts_delta_threshold", "x"}},
         "'x' is not a valid floating point value",
         [](C& c, L) { EXPECT_FLOAT_EQ(0.25f, c.Faudio_drift_threshold); }},
        {"general numbers", {{"v", "-1"}, {"fs", "5000000000"}, {"vframes", "100"}, {"muxdelay", "0.3"},
                              {"async", "1"}, {"vol", "512"}},
         "",
         [](C& c, L) {
             EXPECT_EQ(-1, c.Fverbose);
             EXPECT_EQ(5000000000LL, c.Flimit_filesize);
             EXPECT_EQ(100, c.Fmax_frames[skVideo]);
             EXPECT_FLOAT_EQ(0.3f, c.Fmux_max_delay);
             EXPECT_EQ(1, c.Faudio_sync_method);
             EXPECT_EQ(512, c.Faudio_volume);
         }},

        // Texts.
        {"format pgmyuv", {{"f", "pgmyuv"}}, "",
         [](C& c, L log) {
             EXPECT_EQ("image2", c.Flast_asked_format);
             EXPECT_EQ(1, c.Fpgmyuv_compatibility_hack);
             EXPECT_TRUE(Logged(log, Line(llInfo, "pgmyuv format is deprecated, use image2")));
         }},
        {"format empty", {{"f", "avi"}, {"f", ""}}, "", [](C& c, L) { EXPECT_EQ("avi", c.Flast_asked_format); }},
        {"languages", {{"alang", "eng"}, {"vlang", "chi"}, {"vlang", ""}}, "",
         [](C& c, L) { EXPECT_EQ("eng", c.Faudio_language); EXPECT_EQ("", c.Fvideo_language); }},
        {"filters", {{"vfilters", "scale=320:240"}, {"vf", ""}}, "",
         [](C& c, L) { EXPECT_EQ("scale=320:240", c.Fvfilters); }},

        // Bitstream filters append to the chain of their kind.
        {"vbsf", {{"vbsf", "h264_mp4toannexb=x"}, {"vbsf", "=dump_extra"}, {"absf", "aac_adtstoasc"}}, "",
         [](C& c, L) {
             EXPECT_EQ(1u, c.Faudio_bitstream_filters.size());
             EXPECT_TRUE(c.Fsubtitle_bitstream_filters.empty());
             // The next video stream takes the chain over.
             std::vector<AVBSFContext*> chain = c.TakeBitstreamFilters(skVideo);
             ASSERT_EQ(1u, chain.size());
             EXPECT_STREQ("h264_mp4toannexb", chain[0]->filter->name);
             EXPECT_TRUE(c.Fvideo_bitstream_filters.empty());
             ff::av_bsf_free(&chain[0]);
         }},
        {"bsf unknown", {{"sbsf", " nosuch "}}, "Unknown bitstream filter nosuch", nullptr},

        // Frame hooks.
        {"vhook", {{"vhook", ZD_STUB_HOOK_BARE}}, "",
         [](C& c, L) { EXPECT_TRUE(c.Fusing_vhook); EXPECT_EQ(1u, c.FFirstHook.size()); }},
        {"vhook refused", {{"vhook", std::string(ZD_STUB_HOOK_BARE) + "|arg"}},
         std::string("Failed to add video hook function: ") + ZD_STUB_HOOK_BARE + "|arg",
         [](C& c, L) { EXPECT_FALSE(c.Fusing_vhook); EXPECT_TRUE(c.FFirstHook.empty()); }},

        // Bounds of the fixed tables.
        {"maps beyond the table", OptionList(21, {"map", "0:0"}), "Too many stream maps (at most 20)",
         [](C& c, L) { EXPECT_EQ(20u, c.Fstream_maps.size()); }, 1},
        {"metadata maps beyond the table", {{"map_meta_data", "0:0"}, {"map_meta_data", "0:1"}},
         "Too many metadata maps (at most 1)", nullptr, 1},
        {"vhook of 65 words", {{"vhook", HookWords(65)}},
         "Too many words in video hook (at most 64): " + HookWords(65),
         [](C& c, L) { EXPECT_TRUE(c.FFirstHook.empty()); }},
    };
}

} // namespace

class ConverterOptions : public ConverterLibrariesTest {
protected:
    void SetUp() override
    {
        ConverterLibrariesTest::SetUp();
        GetLogger().SetLogLevel(llInfo);
        GetLogger().SetOnLog([this](const void*, std::uint32_t, TLogLevel level, const std::string& text) {
            log.push_back(Line(level, text));
        });
    }
    void TearDown() override
    {
        GetLogger().SetOnLog(nullptr);
        GetLogger().SetLogLevel(llInfo);
    }

    std::vector<std::string> log;
};

TEST_F(ConverterOptions, EveryOptionByNameAndValue)
{
    for (const OptionCase& c : OptConverter::Cases()) {
        SCOPED_TRACE(c.title);
        OptConverter converter(c.maxFiles, c.openInputs);
        GetLogger().SetLogLevel(llInfo);
        log.clear();
        std::string error;
        for (size_t i = 0; i < c.options.size(); ++i) {
            try {
                converter.DispatchOption(c.options[i].first, c.options[i].second);
            } catch (const EAssertionFailed& e) {
                // An assertion's message goes on with the source file and line.
                error = std::string(e.what()).substr(0, c.error.size());
            } catch (const std::exception& e) {
                error = e.what();
            }
            if (!error.empty()) {
                EXPECT_EQ(c.options.size() - 1, i) << "an earlier option failed: " << error;
                break;
            }
        }
        EXPECT_EQ(c.error, error);
        if (c.check)
            c.check(converter, log);
    }
}
