#include "engine/FrameHook.h"

#include "platform/kernel/DynLib.h"

#include "ConverterLibraries.h"

#include <gtest/gtest.h>

namespace {

// The events the stub hook library recorded since the test began.
class StubEvents {
public:
    StubEvents() : skip_(All().size()) {}
    std::string Since() const { return All().substr(skip_); }

private:
    static std::string All()
    {
        std::string error;
        LibHandle module = LoadLibraryFile(ZD_STUB_HOOK_FULL, &error);
        auto events = reinterpret_cast<const char* (*)()>(GetLibrarySymbol(module, "StubHookEvents", &error));
        std::string text = events();
        FreeLibraryFile(module);
        return text;
    }
    size_t skip_;
};

TFrameHookPicture Picture(std::uint8_t* byte)
{
    return TFrameHookPicture{{byte, nullptr, nullptr, nullptr}, {1, 0, 0, 0}};
}

} // namespace

using FrameHookChain = ConverterLibrariesTest;

TEST_F(FrameHookChain, HooksRunInTheOrderAddedAndShareOneModule)
{
    StubEvents events;
    TFrameHookChain first, second;
    ASSERT_EQ(0, AddFrameHook(first, {ZD_STUB_HOOK_FULL, "x", "y"}));
    ASSERT_EQ(0, AddFrameHook(first, {ZD_STUB_HOOK_FULL}));
    ASSERT_EQ(0, AddFrameHook(second, {ZD_STUB_HOOK_FULL, "z"}));
    ASSERT_EQ(2u, first.size());
    EXPECT_NE(first[0].ctx, first[1].ctx);
    EXPECT_EQ(first[0].Process, second[0].Process);  // one module for every chain

    std::uint8_t byte = 0;
    TFrameHookPicture picture = Picture(&byte);
    ProcessFrameHooks(first, &picture, 0, 16, 8, 40000);
    ReleaseFrameHooks(first);
    ReleaseFrameHooks(second);
    EXPECT_TRUE(first.empty());

    // The module numbers its hooks; the numbers run on across chains because it is shared.
    const std::string log = events.Since();
    const int n = std::stoi(log.substr(log.find(' ') + 1));
    auto number = [n](int i) { return std::to_string(n + i); };
    EXPECT_EQ("Configure " + number(0) + " x y\nConfigure " + number(1) + "\nConfigure " + number(2)
                  + " z\nProcess " + number(0) + " 16x8 40000\nProcess " + number(1)
                  + " 16x8 40000\nRelease " + number(0) + "\nRelease " + number(1) + "\nRelease "
                  + number(2) + "\n",
              log);
    EXPECT_EQ(static_cast<std::uint8_t>(n * 10 + n + 1), byte);  // the first hook ran first
}

TEST_F(FrameHookChain, AHookWithoutConfigureOrReleaseTakesNoArgumentsAndIsNotReleased)
{
    TFrameHookChain chain;
    ASSERT_EQ(0, AddFrameHook(chain, {ZD_STUB_HOOK_BARE}));
    EXPECT_EQ(nullptr, chain[0].ctx);
    EXPECT_EQ(nullptr, chain[0].Release);
    std::uint8_t byte = 5;
    TFrameHookPicture picture = Picture(&byte);
    ProcessFrameHooks(chain, &picture, 0, 1, 1, 0);
    EXPECT_EQ(50, byte);
    ReleaseFrameHooks(chain);
    EXPECT_TRUE(chain.empty());

    EXPECT_EQ(-2, AddFrameHook(chain, {ZD_STUB_HOOK_BARE, "argument"}));
    EXPECT_TRUE(chain.empty());
}

TEST_F(FrameHookChain, RefusedHooksLeaveTheChainAsItWas)
{
    TFrameHookChain chain;
    ASSERT_EQ(0, AddFrameHook(chain, {ZD_STUB_HOOK_BARE}));
    EXPECT_EQ(-2, AddFrameHook(chain, {}));
    EXPECT_EQ(-1, AddFrameHook(chain, {"/nonexistent/hook.so"}));
    EXPECT_EQ(-2, AddFrameHook(chain, {ZD_STUB_HOOK_NOPROCESS}));
    EXPECT_EQ(-22, AddFrameHook(chain, {ZD_STUB_HOOK_FULL, "fail"}));
    EXPECT_EQ(1u, chain.size());
    ReleaseFrameHooks(chain);
}
