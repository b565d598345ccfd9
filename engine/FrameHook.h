#pragma once
// The frame-hook chain: user libraries that work on every decoded picture of a conversion.
//
// A hook library exports "Process" and, optionally, "Configure" and "Release" (C calling
// convention, the signatures below). The library named by a "vhook" option is loaded once per
// process; each hook added gets an entry of its own (its own context) in its converter's chain.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// The picture a hook works on, in place: four plane pointers and their line sizes in bytes.
struct TFrameHookPicture {
    std::uint8_t* data[4];
    int linesize[4];
};

extern "C" {
// Stores the hook's context through ctxp; argv[0] is the library's name, the rest its arguments.
// Returns 0 on success.
typedef int (*TFrameHookConfigureFn)(void** ctxp, int argc, char* argv[]);
// Works on one picture; pix_fmt is the library's pixel format number, pts in microseconds.
typedef void (*TFrameHookProcessFn)(void* ctx, TFrameHookPicture* pict, int pix_fmt, int width,
                                    int height, std::int64_t pts);
typedef void (*TFrameHookReleaseFn)(void* ctx);
}

struct TFrameHookEntry {
    TFrameHookConfigureFn Configure = nullptr;
    TFrameHookProcessFn Process = nullptr;
    TFrameHookReleaseFn Release = nullptr;
    void* ctx = nullptr;
    // The arguments "Configure" saw; a hook may keep pointers into them until "Release".
    struct Args {
        std::vector<std::string> texts;
        std::vector<char*> argv;
    };
    std::unique_ptr<Args> args;
};

// The hooks of one converter, in the order they were added.
using TFrameHookChain = std::vector<TFrameHookEntry>;

// Loads (once per process) the library argv[0] and appends a hook configured with argv. Returns
// 0 on success; -2 without a name, without "Process", or with arguments but no "Configure"; -1
// when the library cannot be loaded; -12 without memory; -22 when "Configure" refuses. Failures
// are written to the format library's log. A refused hook leaves the chain as it was.
int AddFrameHook(TFrameHookChain& chain, const std::vector<std::string>& argv);

// Runs every hook of the chain on the picture, in chain order.
void ProcessFrameHooks(const TFrameHookChain& chain, TFrameHookPicture* picture, int pix_fmt,
                       int width, int height, std::int64_t pts);

// Releases every hook and empties the chain; the libraries stay loaded.
void ReleaseFrameHooks(TFrameHookChain& chain);
