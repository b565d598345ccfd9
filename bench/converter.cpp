// bench_converter [--seconds N] [--keep]
// The converter component side by side with the ffmpeg command on the same generated input
// (1280x720 at 30 fps, N seconds (30 by default), H.264 and stereo AAC), with the same settings and one
// thread per codec on both sides, for three catalogue-like targets: MPEG-4 + MP3 AVI at
// 1200 kbit/s, H.264 + AAC MP4, MPEG-2 DVD VOB. Each line gives both wall times and their ratio
// (goal: at most 1.03). Then a batch of 8 inputs converted to the AVI target on 1, 2, 4 and 8
// tasks at once, with the speed-up over 1 task (goal: at least 0.8 x cores, the encoders being
// single-threaded). The last line sums it up.

#include "ConverterBench.h"

#include "engine/FFmpegConverter.h"
#include "platform/kernel/MainThread.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

namespace fs = std::filesystem;
using bench::Clock;
using bench::kTargets;
using bench::Quoted;
using bench::Seconds;
using bench::Target;
using bench::TimeCommand;

// Converts every input to the target's output in the folder with that many tasks at once; the
// wall time in seconds, negative when a task failed.
double RunComponent(const std::vector<std::string>& inputs, const Target& target, const fs::path& folder, int threads)
{
    TFFmpegConverter converter;
    converter.SetVerbose(0);
    bool failed = false;
    Event ended{true, false};
    converter.SetOnTerminate([&](TCustomFFmpegConverter*, const TTerminateInfo& info) {
        if (info.TaskIndex == -1)
            ended.Set();
        else if (info.Exception) {
            std::fprintf(stderr, "task %d: %s\n", info.TaskIndex, info.ExceptionMsg.c_str());
            failed = true;
        }
    });
    const auto start = Clock::now();
    for (size_t i = 0; i < inputs.size(); ++i) {
        const int task = converter.AddTask(inputs[i]);
        TOutputOptions output;
        target.fill(output);
        const fs::path name = folder / ("component" + std::to_string(i) + "." + target.extension);
        if (task < 0 || !converter.SetOutputFile(task, name.string(), &output)) {
            std::fprintf(stderr, "%s: %s\n", inputs[i].c_str(), converter.LastErrMsg().c_str());
            return -1;
        }
    }
    converter.Start(threads);
    MainThread::WaitServing(ended, INFINITE);
    const double seconds = Seconds(start);
    return failed ? -1 : seconds;
}

double RunFFmpeg(const std::string& input, const Target& target, const fs::path& output)
{
    return TimeCommand("ffmpeg -nostdin -hide_banner -loglevel error -nostats -y -threads 1 -i " + Quoted(input)
                       + " -threads 1 -filter_threads 1 " + target.ffmpegOptions + " " + Quoted(output.string()));
}

} // namespace

int main(int argc, char** argv)
{
    bench::Session session;
    if (!bench::StartSession(session, argc, argv, "bench_converter", 30))
        return 1;
    const fs::path& folder = session.folder;
    const std::string& input = session.input;

    std::string summary;
    double worst = 0;
    for (const Target& target : kTargets) {
        const double ours = RunComponent({input}, target, folder, 1);
        const double theirs = RunFFmpeg(input, target, folder / (std::string("ffmpeg.") + target.extension));
        if (ours < 0 || theirs <= 0) {
            std::printf("%-32s failed (component %.2f s, ffmpeg %.2f s)\n", target.name, ours, theirs);
            summary += std::string(" ") + target.extension + " failed;";
            worst = 1e9;
            continue;
        }
        const double ratio = ours / theirs;
        worst = std::max(worst, ratio);
        std::printf("%-32s component %7.2f s   ffmpeg %7.2f s   ratio %.3f (goal <= 1.03)\n", target.name, ours,
                    theirs, ratio);
        std::fflush(stdout);
        char part[64];
        std::snprintf(part, sizeof part, " %s %.3f;", target.extension, ratio);
        summary += part;
    }

    std::vector<std::string> batch;
    for (int i = 0; i < 8; ++i) {
        const fs::path copy = folder / ("batch" + std::to_string(i) + ".mp4");
        fs::copy_file(input, copy, fs::copy_options::overwrite_existing);
        batch.push_back(copy.string());
    }
    const unsigned cores = std::max(1u, std::thread::hardware_concurrency());
    std::printf("batch of 8 inputs to %s on %u cores:\n", kTargets[0].name, cores);
    double single = 0;
    double speedUp8 = 0;
    for (int threads : {1, 2, 4, 8}) {
        const double wall = RunComponent(batch, kTargets[0], folder, threads);
        if (wall < 0) {
            std::printf("  %d task(s): failed\n", threads);
            continue;
        }
        if (threads == 1)
            single = wall;
        const double speedUp = single > 0 ? single / wall : 0;
        if (threads == 8)
            speedUp8 = speedUp;
        std::printf("  %d task(s) at once: %7.2f s   speed-up %.2f (goal >= %.2f)\n", threads, wall, speedUp,
                    0.8 * std::min(threads, static_cast<int>(cores)));
        std::fflush(stdout);
    }

    if (!session.keep)
        fs::remove_all(folder);
    std::printf("summary: component/ffmpeg wall-time ratios%s worst %.3f (goal <= 1.03); batch speed-up on 8 tasks "
                "%.2f with %u cores (goal >= %.2f)\n",
                summary.c_str(), worst, speedUp8, cores, 0.8 * std::min(8u, cores));
    return 0;
}
