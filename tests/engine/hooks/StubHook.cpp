// A frame hook for the tests. Every call is recorded in the module's own event list, which the
// tests read through StubHookEvents; each configured hook gets the next number of its module.
// Built as three libraries: with all three entry points, with "Process" alone, and without
// "Process".

#include "engine/FrameHook.h"

#include <mutex>
#include <string>
#include <vector>

namespace {

std::mutex lock;
std::vector<std::string> events;
[[maybe_unused]] int nextNumber = 1;

struct Context {
    int number;
};

void Record(const std::string& event)
{
    std::lock_guard<std::mutex> guard(lock);
    events.push_back(event);
}

[[maybe_unused]] int Number(void* ctx)
{
    return ctx ? static_cast<Context*>(ctx)->number : 0;
}

} // namespace

extern "C" {

// The events so far, one per line.
const char* StubHookEvents()
{
    static std::string joined;
    std::lock_guard<std::mutex> guard(lock);
    joined.clear();
    for (const std::string& event : events)
        joined += event + "\n";
    return joined.c_str();
}

#ifdef STUB_HOOK_CONFIGURE
int Configure(void** ctxp, int argc, char* argv[])
{
    std::string args;
    for (int i = 1; i < argc; ++i) {
        if (std::string(argv[i]) == "fail")
            return 1;
        args.append(" ").append(argv[i]);
    }
    Context* context;
    {
        std::lock_guard<std::mutex> guard(lock);
        context = new Context{nextNumber++};
    }
    *ctxp = context;
    Record("Configure " + std::to_string(context->number) + args);
    return 0;
}
#endif

#ifdef STUB_HOOK_PROCESS
// Appends the hook's number as a decimal digit to the picture's first byte, so the byte shows
// the order in which the hooks ran.
void Process(void* ctx, TFrameHookPicture* pict, int, int width, int height, std::int64_t pts)
{
    pict->data[0][0] = static_cast<std::uint8_t>(pict->data[0][0] * 10 + Number(ctx));
    Record("Process " + std::to_string(Number(ctx)) + " " + std::to_string(width) + "x"
           + std::to_string(height) + " " + std::to_string(pts));
}
#endif

#ifdef STUB_HOOK_RELEASE
void Release(void* ctx)
{
    Record("Release " + std::to_string(Number(ctx)));
    delete static_cast<Context*>(ctx);
}
#endif
}
