// bench_stop [--seconds N] [--keep]
// How a running batch obeys Pause and Stop: two tasks on two threads convert copies of the
// generated input (1280x720 at 30 fps, N seconds (20 by default), H.264 and stereo AAC) to each
// catalogue-like target. At each moment (0.1, 0.7 and 1.5 s into the batch) the batch is paused for
// half a second (the outputs must not grow: goal 0 bytes), resumed, and stopped; the time Stop
// takes to return (every task ended with its trailer written) is printed (goal: within 0.3 s).
// The last line gives the worst figures.

#include "ConverterBench.h"

#include "engine/FFmpegConverter.h"
#include "platform/kernel/MainThread.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

namespace fs = std::filesystem;
using bench::Clock;
using bench::kTargets;
using bench::Seconds;
using bench::Target;

struct Figures {
    std::int64_t grewWhilePaused = 0;  // bytes
    double stopSeconds = 0;
};

std::int64_t TotalSize(const std::vector<fs::path>& files)
{
    std::int64_t total = 0;
    for (const fs::path& file : files) {
        std::error_code ec;
        const auto size = fs::file_size(file, ec);
        total += ec ? 0 : static_cast<std::int64_t>(size);
    }
    return total;
}

// Serves the main thread (the progress reports) for that long.
void Serve(int milliseconds)
{
    MainThread::WaitServing([] { return false; }, static_cast<DWORD>(milliseconds));
}

bool Measure(const std::string& input, const Target& target, const fs::path& folder, int atMs, Figures& figures)
{
    TFFmpegConverter converter;
    converter.SetVerbose(0);
    Event ended{true, false};
    converter.SetOnTerminate([&](TCustomFFmpegConverter*, const TTerminateInfo& info) {
        if (info.TaskIndex == -1)
            ended.Set();
        else if (info.Exception)
            std::fprintf(stderr, "task %d: %s\n", info.TaskIndex, info.ExceptionMsg.c_str());
    });
    std::vector<fs::path> outputs;
    for (int i = 0; i < 2; ++i) {
        const int task = converter.AddTask(input);
        TOutputOptions output;
        target.fill(output);
        outputs.push_back(folder / ("stop" + std::to_string(i) + "." + target.extension));
        fs::remove(outputs.back());
        if (task < 0 || !converter.SetOutputFile(task, outputs.back().string(), &output)) {
            std::fprintf(stderr, "%s: %s\n", input.c_str(), converter.LastErrMsg().c_str());
            return false;
        }
    }
    converter.Start(2);
    Serve(atMs);

    converter.Pause();
    const std::int64_t paused = TotalSize(outputs);
    Serve(500);
    figures.grewWhilePaused = TotalSize(outputs) - paused;
    converter.Resume();

    Serve(50);
    const auto start = Clock::now();
    converter.Stop(true);
    figures.stopSeconds = Seconds(start);
    MainThread::WaitServing(ended, INFINITE);
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    bench::Session session;
    if (!bench::StartSession(session, argc, argv, "bench_stop", 20))
        return 1;
    const fs::path& folder = session.folder;
    const std::string& input = session.input;

    Figures worst;
    bool failed = false;
    for (const Target& target : kTargets) {
        for (int atMs : {100, 700, 1500}) {
            Figures f;
            if (!Measure(input, target, folder, atMs, f)) {
                failed = true;
                continue;
            }
            std::printf("%-32s at %4d ms: grew %lld bytes while paused (goal 0); Stop took %6.1f ms (goal <= 300)\n",
                        target.name, atMs, static_cast<long long>(f.grewWhilePaused), f.stopSeconds * 1000);
            std::fflush(stdout);
            worst.grewWhilePaused = std::max(worst.grewWhilePaused, f.grewWhilePaused);
            worst.stopSeconds = std::max(worst.stopSeconds, f.stopSeconds);
        }
    }
    if (!session.keep)
        fs::remove_all(folder);
    std::printf("summary: worst growth while paused %lld bytes (goal 0), worst Stop %.1f ms (goal <= 300)%s\n",
                static_cast<long long>(worst.grewWhilePaused), worst.stopSeconds * 1000,
                failed ? "; some runs failed" : "");
    return failed ? 1 : 0;
}
