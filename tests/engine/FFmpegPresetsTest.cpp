#include "OpenConverter.h"

#include "engine/EngineUtils.h"

#include <fstream>
#include <iterator>
#include <set>
#include <sstream>

namespace {

using Options = std::vector<std::pair<std::string, std::string>>;

class ConverterPresets : public OpenConverterTest {
protected:
    // The pending private options of a kind as "name=value" texts.
    static std::vector<std::string> Private(const OpenConverter& c, TStreamKind kind)
    {
        std::vector<std::string> texts;
        for (const auto& [name, value] : c.Fcodec_private_opts[kind])
            texts.push_back(name + "=" + value);
        return texts;
    }

    template <typename F>
    static std::string Raised(F&& f)
    {
        try {
            f();
        } catch (const std::exception& e) {
            return e.what();
        }
        return "";
    }

    std::string WriteFile(const std::string& name, const std::string& text)
    {
        const std::string path = dir.file(name);
        std::ofstream(path, std::ios::binary) << text;
        return path;
    }
};

// Opens the stream's codec context with its encoder, encodes a few pictures and returns the
// settings text libx264 writes into its stream ("cabac=1 ref=3 ...").
std::string EncodeWithSettings(const TOutputCodec& slot)
{
    AVCodecContext* codec = slot.codec;
    EXPECT_EQ(0, ff::avcodec_open2(codec, slot.encoder, nullptr));
    std::string bytes(reinterpret_cast<const char*>(codec->extradata), codec->extradata_size);
    AVFrame* frame = ff::av_frame_alloc();
    frame->width = codec->width;
    frame->height = codec->height;
    frame->format = codec->pix_fmt;
    EXPECT_EQ(0, ff::av_frame_get_buffer(frame, 0));
    AVPacket* packet = ff::av_packet_alloc();
    int packets = 0;
    for (int i = 0; i <= 8; ++i) {
        AVFrame* input = nullptr;
        if (i < 8) {
            ff::av_frame_make_writable(frame);
            for (int plane = 0; plane < 3; ++plane)
                for (int y = 0; y < (plane ? codec->height / 2 : codec->height); ++y)
                    std::memset(frame->data[plane] + y * frame->linesize[plane], (i * 16 + y + plane * 50) & 0xFF,
                                frame->linesize[plane]);
            frame->pts = i;
            input = frame;
        }
        EXPECT_EQ(0, ff::avcodec_send_frame(codec, input));
        while (ff::avcodec_receive_packet(codec, packet) == 0) {
            ++packets;
            bytes.append(reinterpret_cast<const char*>(packet->data), packet->size);
            ff::av_packet_unref(packet);
        }
    }
    EXPECT_EQ(8, packets);
    ff::av_packet_free(&packet);
    ff::av_frame_free(&frame);
    const size_t at = bytes.find("x264 - core");
    return at == std::string::npos ? std::string() : std::string(bytes.c_str() + at);
}

TEST_F(ConverterPresets, BuiltInPresetInTodaysLibx264Options)
{
    for (const char* name : {"libx264-default", "LIBX264-Default"}) {
        SCOPED_TRACE(name);
        OpenConverter c;
        c.Options({{"vpre", name}});
        // Thirteen lines the option contexts take as they are...
        EXPECT_EQ(13u, c.FOptions.opt_names.size());
        EXPECT_EQ(250, c.CodecOption(skVideo, "g"));
        EXPECT_EQ(7, c.CodecOption(skVideo, "subq"));
        EXPECT_EQ(3, c.CodecOption(skVideo, "refs"));
        EXPECT_EQ(4, c.CodecOption(skVideo, "qdiff"));
        EXPECT_EQ(FF_CMP_CHROMA, c.CodecOption(skVideo, "cmp") & FF_CMP_CHROMA);
        // ... and twelve of libx264's own options, the flag sets taken apart.
        EXPECT_EQ((std::vector<std::string>{"coder=1", "deblock=true", "partitions=i8x8,i4x4,p8x8,b8x8",
                                            "motion-est=hex", "sc_threshold=40", "b_strategy=1",
                                            "direct-pred=1", "mixed-refs=1", "weightb=1", "8x8dct=1",
                                            "fast-pskip=1", "weightp=2"}),
                  Private(c, skVideo));
    }
}

TEST_F(ConverterPresets, Libx264EncodesWithThePreset)
{
    struct Case {
        const char* preset;
        std::vector<const char*> settings;
    } cases[] = {
        {"libx264-default", {"cabac=1", "ref=3", "deblock=1:0:0", "analyse=0x3:0x113", "me=hex", "subme=7",
                             "mixed_ref=1", "8x8dct=1", "fast_pskip=1", "trellis=1", "bframes=3",
                             "b_adapt=1", "direct=1", "weightb=1", "weightp=2", "keyint=250", "keyint_min=25",
                             "scenecut=40", "qpmin=10", "qpmax=51", "qpstep=4"}},
        {"libx264-ultrafast", {"cabac=0", "ref=1", "deblock=0:0:0", "analyse=0x1:0", "me=dia", "subme=0",
                               "mixed_ref=0", "8x8dct=0", "bframes=0", "weightp=0", "scenecut=0", "mbtree=0"}},
        {"libx264-max", {"me=tesa", "subme=10", "me_range=24", "ref=16", "fast_pskip=0", "trellis=2",
                         "b_adapt=2", "direct=3"}},
        {"libx264-baseline", {"cabac=0", "8x8dct=0", "bframes=0", "weightp=0"}},
        {"libx264-lossless_ultrafast", {"cabac=0", "rc=cqp", "qp=0"}},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.preset);
        OpenConverter c;
        ASSERT_TRUE(c.Open("sample.avi"));
        c.Options({{"vpre", k.preset}, {"vcodec", "libx264"}, {"an", ""}});
        ASSERT_EQ(1, c.OpenOutputFile(dir.file("out.mp4"), false)) << c.LastErrMsg();
        ASSERT_STREQ("libx264", c.Foutput_codecs[0].encoder->name);
        EXPECT_TRUE(c.Fcodec_private_opts[skVideo].empty());
        const std::string settings = EncodeWithSettings(c.Foutput_codecs[0]);
        ASSERT_FALSE(settings.empty());
        std::istringstream words(settings);
        const std::set<std::string> set{std::istream_iterator<std::string>(words), {}};
        for (const char* setting : k.settings)
            EXPECT_TRUE(set.count(setting)) << setting << " in " << settings;
    }
}

TEST_F(ConverterPresets, PresetNamesAndFiles)
{
    // The pending encoder's name completes a short name.
    OpenConverter composed;
    composed.Options({{"vcodec", "libx264"}, {"vpre", "slow"}});
    EXPECT_EQ(8, composed.CodecOption(skVideo, "subq"));
    EXPECT_EQ(5, composed.CodecOption(skVideo, "refs"));

    const std::string good = WriteFile("good.txt", "\r\n  g=48 \r\n\r\n   \nacodec=mp2\nbf=2\r\n");
    const std::string noEquals = WriteFile("bad.txt", "g=12\nnonsense\n");
    const std::string badValue = WriteFile("badvalue.txt", "g=twelve\n");
    const std::string unknown = WriteFile("unknown.txt", "nosuchoption=1\n");
    struct Case {
        const char* title;
        Options options;
        std::string error;
    } cases[] = {
        {"file", {{"fpre", good}}, ""},
        {"a file name as a preset name", {{"vpre", good}}, ""},
        {"no such file", {{"fpre", "libx264-slow"}}, "Preset \"libx264-slow\" not found"},
        {"no preset and no file", {{"apre", "nosuch"}}, "Preset \"nosuch\" not found"},
        {"line without =", {{"fpre", noEquals}}, noEquals + ": Invalid syntax: \"nonsense\""},
        {"refused value", {{"fpre", badValue}},
         badValue + ": Invalid option or argument: \"g=twelve\", parsed as \"g\" = \"twelve\""},
        {"unknown key", {{"spre", unknown}},
         unknown + ": Invalid option or argument: \"nosuchoption=1\", parsed as \"nosuchoption\" = \"1\""},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.title);
        OpenConverter c;
        EXPECT_EQ(k.error, Raised([&] { c.Options(k.options); }));
        if (k.error.empty()) {
            EXPECT_EQ(48, c.CodecOption(skVideo, "g"));
            EXPECT_EQ(2, c.CodecOption(skVideo, "bf"));
            EXPECT_EQ("mp2", c.Faudio_codec_name);
        } else if (std::string(k.title) == "line without =") {
            // Lines before the failing one stay applied.
            EXPECT_EQ(12, c.CodecOption(skVideo, "g"));
        }
    }
}

struct TargetCase {
    const char* target;
    const char* video;
    const char* audio;
    const char* format;
    int width, height;
    AVRational rate;
    int gop;
    std::int64_t bitrate, audioBitrate;
    int sampleRate;
    std::int64_t muxrate;
    int packetSize;
    AVRational sar;
};

TEST_F(ConverterPresets, TargetsConfigureTheOutput)
{
    const TargetCase cases[] = {
        {"pal-dvd", "mpeg2video", "ac3", "dvd", 720, 576, {25, 1}, 15, 6000000, 448000, 48000, 10080000, 2048, {64, 45}},
        {"ntsc-vcd", "mpeg1video", "mp2", "vcd", 352, 240, {30000, 1001}, 18, 1150000, 224000, 44100, 1411200, 2324, {10, 11}},
        {"film-dvd", "mpeg2video", "ac3", "dvd", 720, 480, {24000, 1001}, 18, 6000000, 448000, 48000, 10080000, 2048, {32, 27}},
        {"pal-svcd", "mpeg2video", "mp2", "svcd", 480, 576, {25, 1}, 15, 2040000, 224000, 44100, 0, 2324, {8, 5}},
    };
    for (const TargetCase& k : cases) {
        SCOPED_TRACE(k.target);
        OpenConverter c;
        c.Options({{"target", k.target}});
        EXPECT_EQ(k.video, c.Fvideo_codec_name);
        EXPECT_EQ(k.audio, c.Faudio_codec_name);
        EXPECT_EQ(k.format, c.Flast_asked_format);
        ASSERT_EQ(1, c.OpenOutputFile(dir.file("out.mpg"), false)) << c.LastErrMsg();

        const AVFormatContext* oc = c.Foutput_files[0];
        EXPECT_STREQ(k.format, oc->oformat->name);
        EXPECT_EQ(k.packetSize, static_cast<int>(oc->packet_size));
        std::int64_t value = 0;
        if (k.muxrate) {
            ff::av_opt_get_int(oc->priv_data, "muxrate", 0, &value);
            EXPECT_EQ(k.muxrate, value);
        }
        ff::av_opt_get_int(oc->priv_data, "preload", 0, &value);
        EXPECT_EQ(std::string(k.format) == "vcd" ? 440000 : 500000, value);

        ASSERT_EQ(2u, c.Foutput_codecs.size());
        const AVCodecContext* video = c.Foutput_codecs[0].codec;
        EXPECT_STREQ(k.video, c.Foutput_codecs[0].encoder->name);
        EXPECT_EQ(k.width, video->width);
        EXPECT_EQ(k.height, video->height);
        EXPECT_EQ(k.rate.den, video->time_base.num);
        EXPECT_EQ(k.rate.num, video->time_base.den);
        EXPECT_EQ(k.gop, video->gop_size);
        EXPECT_EQ(k.bitrate, video->bit_rate);
        EXPECT_EQ(k.sar.num, video->sample_aspect_ratio.num);
        EXPECT_EQ(k.sar.den, video->sample_aspect_ratio.den);
        ff::av_opt_get_int(video->priv_data, "scan_offset", 0, &value);
        EXPECT_EQ(std::string(k.format) == "svcd", value != 0);

        const AVCodecContext* audio = c.Foutput_codecs[1].codec;
        EXPECT_STREQ(k.audio, c.Foutput_codecs[1].encoder->name);
        EXPECT_EQ(k.audioBitrate, audio->bit_rate);
        EXPECT_EQ(k.sampleRate, audio->sample_rate);
        EXPECT_EQ(2, audio->ch_layout.nb_channels);
    }

    OpenConverter dv;
    dv.Options({{"target", "ntsc-dv50"}});
    EXPECT_EQ("dv", dv.Flast_asked_format);
    EXPECT_EQ(AV_PIX_FMT_YUV422P, dv.Fframe_pix_fmt);
    EXPECT_EQ(48000, dv.Faudio_sample_rate);
    OpenConverter dvPal;
    dvPal.Options({{"target", "pal-dv"}});
    EXPECT_EQ(AV_PIX_FMT_YUV420P, dvPal.Fframe_pix_fmt);
}

TEST_F(ConverterPresets, NormGuessedFromTheFrameRate)
{
    struct Case {
        const char* title;
        const char* input;     // nullptr: none
        Options options;       // before SetTarget
        const char* defaultNorm;
        int height;            // 0: fails with error
        std::string error;
    } cases[] = {
        {"25 fps input", "pal169.mpg", {}, "ntsc", 288, ""},
        {"29.97 fps input", "ntsc.avi", {}, "pal", 240, ""},
        {"15 fps, default PAL", nullptr, {{"r", "15"}}, "pal", 288, ""},
        {"15 fps, default NTSC", nullptr, {{"r", "15"}}, "ntsc", 240, ""},
        {"15 fps over a 25 fps input", "pal169.mpg", {{"r", "15"}}, "ntsc", 288, ""},
        {"audio-only input", "sample.wav", {}, "ntsc", 0, "frame_rate is invalid."},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.title);
        OpenConverter c;
        if (k.input) {
            ASSERT_TRUE(c.Open(k.input));
        }
        c.Options(k.options);
        c.Options({{"v", "2"}});
        log.clear();
        const std::string error = Raised([&] { c.SetTarget("vcd", "auto", k.defaultNorm); });
        EXPECT_EQ(k.error, error);
        if (k.height) {
            EXPECT_EQ(k.height, c.Fframe_height);
            EXPECT_TRUE(Logged(llVerbose, k.height == 288 ? "Assuming PAL for target." : "Assuming NTSC for target."));
        }
    }
    OpenConverter c;
    EXPECT_EQ("Unknown target type", Raised([&] { c.DispatchOption("target", "pal-bluray"); }));
    // The aspect ratio of an opened input stays.
    ASSERT_TRUE(c.Open("sample.avi"));
    c.Options({{"target", "pal-dvd"}});
    EXPECT_FLOAT_EQ(4.0f / 3, c.Fframe_aspect_ratio);
}

TEST_F(ConverterPresets, QuantiserMatrices)
{
    std::string values;
    for (int i = 1; i <= 64; ++i)
        values += (i > 1 ? ", " : "") + std::to_string(i + 8);
    OpenConverter c;
    c.Options({{"intra_matrix", values + ",99,,"}, {"inter_matrix", values}});
    ASSERT_EQ(64u, c.Fintra_matrix.size());
    EXPECT_EQ(9, c.Fintra_matrix[0]);
    EXPECT_EQ(72, c.Fintra_matrix[63]);
    EXPECT_EQ(c.Fintra_matrix, c.Finter_matrix);

    const std::string short63 = values.substr(0, values.rfind(','));
    EXPECT_EQ("Syntax error in matrix \"" + short63 + "\" at coeff 62",
              Raised([&] { c.DispatchOption("inter_matrix", short63); }));
    EXPECT_EQ("Invalid coefficient in matrix \"8,,16\" at coeff 1: it must be 1 to 255",
              Raised([&] { c.DispatchOption("intra_matrix", "8,,16"); }));
    EXPECT_EQ("Invalid coefficient in matrix \"300\" at coeff 0: it must be 1 to 255",
              Raised([&] { c.DispatchOption("intra_matrix", "300"); }));
    // Refused matrices leave the earlier one.
    EXPECT_EQ(72, c.Fintra_matrix[63]);

    // Every video stream made afterwards gets copies.
    c.Options({{"vcodec", "mpeg2video"}, {"an", ""}});
    ASSERT_EQ(1, c.OpenOutputFile(dir.file("out.mpg"), false)) << c.LastErrMsg();
    const AVCodecContext* video = c.Foutput_codecs[0].codec;
    ASSERT_NE(nullptr, video->intra_matrix);
    EXPECT_EQ(72, video->intra_matrix[63]);
    EXPECT_EQ(9, video->inter_matrix[0]);
}

TEST_F(ConverterPresets, PassesAndStatistics)
{
    OpenConverter c;
    EXPECT_EQ("pass number can be only 1 or 2", Raised([&] { c.DispatchOption("pass", "3"); }));
    EXPECT_EQ(0, c.Fdo_pass);
    c.Options({{"pass", "1"}, {"passlogfile", "/tmp/log prefix"}, {"an", ""}});
    EXPECT_EQ("/tmp/log prefix", c.Fpass_logfilename_prefix);
    ASSERT_EQ(1, c.OpenOutputFile(dir.file("first.avi"), false)) << c.LastErrMsg();
    EXPECT_TRUE(c.Foutput_codecs[0].codec->flags & AV_CODEC_FLAG_PASS1);
    c.Options({{"pass", "2"}, {"newvideo", ""}});
    EXPECT_TRUE(c.Foutput_codecs[1].codec->flags & AV_CODEC_FLAG_PASS2);

    c.Options({{"vstats", ""}});
    const std::string folder = GetAppFolder();
    ASSERT_EQ(folder, c.Fvstats_filename.substr(0, folder.size()));
    // "vstats_" with the time of day as hhnnss.
    const std::string name = c.Fvstats_filename.substr(folder.size());
    ASSERT_EQ(17u, name.size()) << name;
    EXPECT_EQ("vstats_", name.substr(0, 7));
    EXPECT_EQ(".log", name.substr(13));
    const int hhnnss = std::stoi(name.substr(7, 6));
    EXPECT_TRUE(hhnnss / 10000 < 24 && hhnnss / 100 % 100 < 60 && hhnnss % 100 < 61) << name;
    c.Options({{"vstats_file", "/tmp/stats.log"}});
    EXPECT_EQ("/tmp/stats.log", c.Fvstats_filename);
}

} // namespace
