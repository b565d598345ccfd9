#pragma once
// A converter whose inputs, outputs and option state the tests open and read, with the
// converter's libraries loaded and the log lines collected.

#include "engine/FFmpeg.h"
#include "engine/FFmpegEntries.h"

#include "ConverterLibraries.h"
#include "TestPaths.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

class OpenConverter : public TCustomFFmpeg {
public:
    explicit OpenConverter(int maxFiles = 8) : TCustomFFmpeg(maxFiles) { Reset(); }

    // Applies options by name in order.
    void Options(const std::vector<std::pair<std::string, std::string>>& options)
    {
        for (const auto& [name, value] : options)
            DispatchOption(name, value);
    }
    bool Open(const std::string& fixtureName) { return OpenInputFile(zdtest::fixture(fixtureName)); }

    std::int64_t CodecOption(int kind, const char* name) const
    {
        std::int64_t value = 0;
        ff::av_opt_get_int(FOptions.avcodec_opts[kind], name, 0, &value);
        return value;
    }

    using TCustomFFmpeg::CheckAudioVideoSubInputs;
    using TCustomFFmpeg::FEnableFilter;
    using TCustomFFmpeg::FJoinMode;
    using TCustomFFmpeg::FOptions;
    using TCustomFFmpeg::Faudio_channels;
    using TCustomFFmpeg::Faudio_codec_name;
    using TCustomFFmpeg::Faudio_sample_fmt;
    using TCustomFFmpeg::Faudio_sample_rate;
    using TCustomFFmpeg::Fchannel_layout;
    using TCustomFFmpeg::Fcodec_private_opts;
    using TCustomFFmpeg::Fdo_pass;
    using TCustomFFmpeg::Fformat_private_opts;
    using TCustomFFmpeg::Fframe_aspect_ratio;
    using TCustomFFmpeg::Fframe_height;
    using TCustomFFmpeg::Fframe_pix_fmt;
    using TCustomFFmpeg::Fframe_rate;
    using TCustomFFmpeg::Fframe_width;
    using TCustomFFmpeg::Finput_codecs;
    using TCustomFFmpeg::Finput_files;
    using TCustomFFmpeg::Finput_files_ts_offset;
    using TCustomFFmpeg::Finter_matrix;
    using TCustomFFmpeg::Fintra_matrix;
    using TCustomFFmpeg::Flast_asked_format;
    using TCustomFFmpeg::Fmetadata;
    using TCustomFFmpeg::Fmux_preload;
    using TCustomFFmpeg::Fnb_input_files;
    using TCustomFFmpeg::Fnb_output_files;
    using TCustomFFmpeg::Fopt_programid;
    using TCustomFFmpeg::Foutput_codecs;
    using TCustomFFmpeg::Foutput_files;
    using TCustomFFmpeg::Fpass_logfilename_prefix;
    using TCustomFFmpeg::Fstart_time;
    using TCustomFFmpeg::Fsubtitle_codec_name;
    using TCustomFFmpeg::Fvideo_codec_name;
    using TCustomFFmpeg::Fverbose;
    using TCustomFFmpeg::Fvstats_filename;
};

// The converter's libraries with the log lines of info level and above collected as
// "<level> <text>".
class OpenConverterTest : public ConverterLibrariesTest {
protected:
    void SetUp() override
    {
        ConverterLibrariesTest::SetUp();
        GetLogger().SetLogLevel(llVerbose);
        GetLogger().SetOnLog([this](const void*, std::uint32_t, TLogLevel level, const std::string& text) {
            log.push_back(std::to_string(level) + " " + text);
        });
    }
    void TearDown() override
    {
        GetLogger().SetOnLog(nullptr);
        GetLogger().SetLogLevel(llInfo);
    }

    bool Logged(TLogLevel level, const std::string& text) const
    {
        for (const std::string& line : log)
            if (line == std::to_string(level) + " " + text)
                return true;
        return false;
    }

    std::vector<std::string> log;
    zdtest::TempDir dir;
};
