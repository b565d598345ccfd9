#pragma once
// What the converter benchmarks share: the generated 720p input, the catalogue-like targets as
// ffmpeg options and as output records, and timing helpers.

#include "engine/EngineRecords.h"
#include "engine/FFmpegLoader.h"
#include "engine/FFmpegLogger.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <unistd.h>

namespace bench {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

inline double Seconds(Clock::time_point since)
{
    return std::chrono::duration<double>(Clock::now() - since).count();
}

// Runs a shell command; its wall time in seconds, negative when it failed.
inline double TimeCommand(const std::string& command)
{
    const auto start = Clock::now();
    const int status = std::system(command.c_str());
    const double seconds = Seconds(start);
    return status == 0 ? seconds : -1;
}

inline std::string Quoted(const std::string& text)
{
    return "'" + text + "'";
}

// Makes the input with the ffmpeg command: 1280x720 at 30 fps, H.264 and stereo AAC.
inline bool MakeInput(const std::string& fileName, int seconds)
{
    const std::string duration = std::to_string(seconds);
    return TimeCommand("ffmpeg -nostdin -hide_banner -loglevel error -y"
                       " -f lavfi -i testsrc2=size=1280x720:rate=30:duration=" + duration
                       + " -f lavfi -i sine=frequency=440:sample_rate=48000:duration=" + duration
                       + " -ac 2 -c:v libx264 -preset veryfast -g 60 -c:a aac -b:a 128k " + Quoted(fileName))
           >= 0;
}

struct Target {
    const char* name;
    const char* extension;
    // The ffmpeg command's output options.
    const char* ffmpegOptions;
    // The same settings as an output record of the component.
    std::function<void(TOutputOptions&)> fill;
};

inline const Target kTargets[] = {
    {"MPEG-4 + MP3 AVI, 1200 kbit/s", "avi",
     "-c:v mpeg4 -b:v 1200k -c:a libmp3lame -b:a 128k -ar 44100 -ac 2",
     [](TOutputOptions& o) {
         o.VideoCodec = "mpeg4";
         o.VideoBitrate = 1200000;
         o.AudioCodec = "libmp3lame";
         o.AudioBitrate = 128000;
         o.AudioSampleRate = 44100;
         o.AudioChannels = 2;
     }},
    {"H.264 + AAC MP4", "mp4",
     "-c:v libx264 -b:v 1500k -c:a aac -b:a 128k -ar 44100 -ac 2",
     [](TOutputOptions& o) {
         o.VideoCodec = "libx264";
         o.VideoBitrate = 1500000;
         o.AudioCodec = "aac";
         o.AudioBitrate = 128000;
         o.AudioSampleRate = 44100;
         o.AudioChannels = 2;
     }},
    {"MPEG-2 DVD VOB", "vob", "-target ntsc-dvd",
     [](TOutputOptions& o) {
         o.TargetType = ttDVD;
         o.NormType = ntNTSC;
     }},
};

// What a converter benchmark starts from: its options (--seconds N, --keep), the libraries loaded
// with errors-only logging, a scratch folder named after the benchmark, and the generated input in it.
struct Session {
    TFFLogger logger;
    int seconds = 0;
    bool keep = false;
    fs::path folder;
    std::string input;
};

// False, after saying why, when the libraries or the input cannot be had.
inline bool StartSession(Session& session, int argc, char** argv, const char* name, int defaultSeconds)
{
    session.seconds = defaultSeconds;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--seconds" && i + 1 < argc)
            session.seconds = std::atoi(argv[++i]);
        else if (arg == "--keep")
            session.keep = true;
    }
    session.logger.SetLogLevel(llError);
    if (!FFLoader().Load(ConverterLibraries)) {
        std::fprintf(stderr, "cannot load the converter libraries: %s\n", FFLoader().GetLastErrMsg().c_str());
        return false;
    }
    session.folder = fs::temp_directory_path() / (std::string(name) + "_" + std::to_string(::getpid()));
    fs::create_directories(session.folder);
    session.input = (session.folder / "input.mp4").string();
    std::printf("input: 1280x720, 30 fps, %d s, H.264 + AAC (%s)\n", session.seconds, session.input.c_str());
    std::fflush(stdout);
    if (!MakeInput(session.input, session.seconds)) {
        std::fprintf(stderr, "cannot make the input with the ffmpeg command\n");
        return false;
    }
    return true;
}

} // namespace bench
