// bench_player_memory [--size N] [--keep]
// Peak memory of the preview player opening a file paused, against the ffmpeg command decoding
// the same file. The file is made here: two N x N PNG pictures (16000 by default) in Matroska.
// First it prints how long the engine's part of adding the file to the job list takes (the probe
// and a conversion task on it), which the window waits for before showing the row.
// Each side runs in a process of its own, measured by the system's peak resident size of that
// process. The player runs with SDL's dummy drivers on a 1280 x 1024 drawing area, as the
// program's panel would on a screen of that size. Goal: ratio at most 1.00.

#include "engine/AVProbe.h"
#include "engine/FFPlay.h"
#include "engine/FFmpegConverter.h"
#include "engine/FFmpegLoader.h"
#include "engine/FFmpegLogger.h"
#include "platform/kernel/MainThread.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

namespace fs = std::filesystem;

// A host without a native window: SDL's dummy driver draws off screen.
class OffscreenHost : public TPlayerHost {
public:
    std::uint64_t NativeWindowId() const override { return 0; }
    void GetClientSize(int& width, int& height) const override
    {
        width = 1280;
        height = 1024;
    }
    void SetListener(TPlayerHostListener*) override {}
};

// The player side: opens the file paused and waits for its first picture on screen.
int RunPlayer(const std::string& file)
{
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    TFFLogger logger;
    logger.SetLogLevel(llError);
    if (!FFLoader().Load(PlayerLibraries)) {
        std::fprintf(stderr, "cannot load the player libraries: %s\n", FFLoader().GetLastErrMsg().c_str());
        return 1;
    }
    OffscreenHost host;
    TFFPlayer player;
    player.SetScreenWidth(1280);
    player.SetScreenHeight(1024);
    // A file opened paused has shown its first picture and queued the next once the first
    // position and the pause are reported: all the work opening does.
    bool positioned = false, paused = false;
    player.OnPosition = [&](TCustomPlayer*, std::int64_t) { positioned = true; };
    player.OnState = [&](TCustomPlayer*, TPlayState state) { paused = paused || state == psPause; };
    const auto shown = [&] { return positioned && paused; };
    const auto start = std::chrono::steady_clock::now();
    if (!player.Open(file, &host, true)) {
        std::fprintf(stderr, "the player cannot open the file: %s\n", player.GetLastErrMsg().c_str());
        return 1;
    }
    MainThread::WaitServing(shown, 120000);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    player.Stop(true);
    if (!shown()) {
        std::fprintf(stderr, "no picture within 120 s\n");
        return 1;
    }
    std::printf("player: first picture shown and the next queued after %.2f s\n", seconds);
    return 0;
}

// The engine's part of adding a file to the job list: the probe opens it, a task takes it as input.
void TimeAdding(const std::string& file)
{
    TFFLogger logger;
    logger.SetLogLevel(llError);
    if (!FFLoader().Load(ConverterLibraries)) {
        std::fprintf(stderr, "cannot load the converter libraries: %s\n", FFLoader().GetLastErrMsg().c_str());
        return;
    }
    TFFmpegConverter converter;
    const auto start = std::chrono::steady_clock::now();
    TAVProbe& probe = *converter.AVProbe();
    if (!probe.LoadFile(file)) {
        std::fprintf(stderr, "the probe cannot open the file: %s\n", probe.LastErrMsg().c_str());
        return;
    }
    if (converter.AddTask(file) < 0) {
        std::fprintf(stderr, "no conversion task takes the file: %s\n", converter.LastErrMsg().c_str());
        return;
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("adding: probe and conversion task ready after %.2f s\n", seconds);
}

// Runs the command in a child process; its peak resident size in megabytes, negative on failure.
double PeakOf(const std::vector<std::string>& command)
{
    std::fflush(stdout);
    const pid_t pid = fork();
    if (pid == 0) {
        std::vector<char*> args;
        for (const std::string& arg : command)
            args.push_back(const_cast<char*>(arg.c_str()));
        args.push_back(nullptr);
        execvp(args[0], args.data());
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    if (pid < 0 || wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return -1;
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

} // namespace

int main(int argc, char** argv)
{
    int size = 16000;
    bool keep = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--player" && i + 1 < argc)
            return RunPlayer(argv[i + 1]);
        if (arg == "--size" && i + 1 < argc)
            size = std::atoi(argv[++i]);
        else if (arg == "--keep")
            keep = true;
    }

    const fs::path folder = fs::temp_directory_path() / ("bench_player_memory_" + std::to_string(::getpid()));
    fs::create_directories(folder);
    const std::string file = (folder / "pictures.mkv").string();
    const std::string side = std::to_string(size);
    std::printf("input: two %dx%d PNG pictures in Matroska (%s)\n", size, size, file.c_str());
    if (PeakOf({"ffmpeg", "-nostdin", "-hide_banner", "-loglevel", "error", "-y", "-f", "lavfi", "-i",
                "color=c=0x3070b0:s=" + side + "x" + side + ":r=1", "-frames:v", "2", "-c:v", "png",
                "-pix_fmt", "rgb24", file}) < 0) {
        std::fprintf(stderr, "cannot make the input with the ffmpeg command\n");
        return 1;
    }
    std::printf("input size: %.2f MB\n", static_cast<double>(fs::file_size(file)) / (1024.0 * 1024.0));
    TimeAdding(file);

    const double theirs =
        PeakOf({"ffmpeg", "-nostdin", "-hide_banner", "-loglevel", "error", "-i", file, "-f", "null", "-"});
    const double ours = PeakOf({"/proc/self/exe", "--player", file});
    if (!keep)
        fs::remove_all(folder);
    if (ours < 0 || theirs <= 0) {
        std::printf("failed (player %.0f MB, ffmpeg %.0f MB)\n", ours, theirs);
        return 1;
    }
    std::printf("peak memory: player %.0f MB, ffmpeg command %.0f MB, ratio %.3f (goal <= 1.00)\n", ours, theirs,
                ours / theirs);
    return 0;
}
