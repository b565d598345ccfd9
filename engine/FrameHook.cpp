#include "engine/FrameHook.h"

#include "engine/FFmpegEntries.h"
#include "platform/kernel/DynLib.h"

#include <mutex>
#include <new>
#include <utility>

namespace {

// The hook libraries loaded so far, by the name the option gave; they stay loaded for the life
// of the process, so entries of every chain may point into them.
struct HookLibraries {
    std::mutex lock;
    std::vector<std::pair<std::string, LibHandle>> items;
};

HookLibraries& Libraries()
{
    static HookLibraries* libraries = new HookLibraries;
    return *libraries;
}

// The library's module, loaded on first use; nullptr with the system's text on failure.
LibHandle HookModule(const std::string& name, std::string& error)
{
    HookLibraries& libs = Libraries();
    std::lock_guard<std::mutex> guard(libs.lock);
    for (const auto& item : libs.items)
        if (item.first == name)
            return item.second;
    LibHandle module = LoadLibraryFile(name, &error);
    if (module)
        libs.items.emplace_back(name, module);
    return module;
}

template <typename Fn>
Fn Symbol(LibHandle module, const char* name)
{
    std::string ignored;
    return reinterpret_cast<Fn>(GetLibrarySymbol(module, name, &ignored));
}

} // namespace

int AddFrameHook(TFrameHookChain& chain, const std::vector<std::string>& argv)
{
    if (argv.empty())
        return -2;
    try {
        const std::string& name = argv[0];
        std::string error;
        LibHandle module = HookModule(name, error);
        if (!module) {
            ff::av_log(nullptr, AV_LOG_ERROR, "%s\n", error.c_str());
            return -1;
        }
        TFrameHookEntry entry;
        entry.Configure = Symbol<TFrameHookConfigureFn>(module, "Configure");
        entry.Process = Symbol<TFrameHookProcessFn>(module, "Process");
        entry.Release = Symbol<TFrameHookReleaseFn>(module, "Release");
        if (!entry.Process) {
            ff::av_log(nullptr, AV_LOG_ERROR, "Failed to find Process entrypoint in %s\n",
                          name.c_str());
            return -2;
        }
        if (!entry.Configure && argv.size() > 1) {
            ff::av_log(nullptr, AV_LOG_ERROR, "Failed to find Configure entrypoint in %s\n",
                          name.c_str());
            return -2;
        }
        // Room first, so that a configured hook always reaches the chain and its "Release".
        chain.reserve(chain.size() + 1);
        if (entry.Configure) {
            entry.args = std::make_unique<TFrameHookEntry::Args>();
            entry.args->texts = argv;
            for (std::string& text : entry.args->texts)
                entry.args->argv.push_back(text.data());
            entry.args->argv.push_back(nullptr);
            if (entry.Configure(&entry.ctx, static_cast<int>(argv.size()),
                                entry.args->argv.data()) != 0) {
                ff::av_log(nullptr, AV_LOG_ERROR, "Failed to Configure %s\n", name.c_str());
                return -22;
            }
        }
        chain.push_back(std::move(entry));
        return 0;
    } catch (const std::bad_alloc&) {
        return -12;
    }
}

void ProcessFrameHooks(const TFrameHookChain& chain, TFrameHookPicture* picture, int pix_fmt,
                       int width, int height, std::int64_t pts)
{
    for (const TFrameHookEntry& entry : chain)
        entry.Process(entry.ctx, picture, pix_fmt, width, height, pts);
}

void ReleaseFrameHooks(TFrameHookChain& chain)
{
    for (const TFrameHookEntry& entry : chain)
        if (entry.Release)
            entry.Release(entry.ctx);
    chain.clear();
}
