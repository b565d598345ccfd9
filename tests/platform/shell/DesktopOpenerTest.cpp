#include "platform/kernel/MainThread.h"
#include "platform/shell/ShellExecute.h"
#include "platform/window/Styles.h"

#include "FakeOpener.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

namespace {

constexpr DWORD kGuardMs = 20000;

std::uintptr_t Open(const std::string& target)
{
    return reinterpret_cast<std::uintptr_t>(
        ShellExecute(nullptr, "open", target.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
}

class DesktopOpener : public testing::Test {
protected:
    void SetUp() override
    {
        SetShellOpenFailedReporter([this](const std::string& target) { failed_.push_back(target); });
    }
    void TearDown() override { SetShellOpenFailedReporter(nullptr); }

    std::vector<std::string> failed_;
};

// An opener that cannot open what it took ends with a non-zero status: each target is reported
// once, as it was given, and the opener's output went nowhere near the program's own.
TEST_F(DesktopOpener, AnOpenerThatFailsIsReportedAndKeepsItsOutputToItself)
{
    zdtest::FakeOpener opener(3);
    const struct {
        std::string target;
        std::string argument;  // what the opener got
    } cases[] = {
        {"/tmp/no such folder/\xE8\xBE\x93\xE5\x87\xBA", "/tmp/no such folder/\xE8\xBE\x93\xE5\x87\xBA"},
        {"/tmp/latin1 \xE9t\xE9", "/tmp/latin1 \xE9t\xE9"},
        {"https://example.invalid/help.html", "https://example.invalid/help.html"},
        {"www.example.invalid", "http://www.example.invalid"},
        {"mailto:a@example.invalid", "mailto:a@example.invalid"},
    };
    std::vector<std::string> targets, calls;
    for (const auto& c : cases) {
        EXPECT_GT(Open(c.target), 32u) << c.target;
        targets.push_back(c.target);
        calls.push_back(c.argument + ", output to /dev/null, errors to /dev/null");
    }
    ASSERT_TRUE(MainThread::WaitServing([&] { return failed_.size() >= targets.size(); }, kGuardMs));
    // The openers may end in any order.
    std::vector<std::string> failed = failed_, made = opener.Records();
    for (auto* list : {&targets, &calls, &failed, &made})
        std::sort(list->begin(), list->end());
    EXPECT_EQ(failed, targets);
    EXPECT_EQ(made, calls);
}

// Without an opener program the refusal is immediate, with nothing reported later.
TEST_F(DesktopOpener, NoOpenerIsARefusalAtOnce)
{
    zdtest::FakeOpener none(std::nullopt);
    EXPECT_EQ(Open("/tmp"), 31u);
    EXPECT_EQ(Open("https://example.invalid/"), 31u);
    MainThread::ServePending();
    EXPECT_TRUE(failed_.empty());
}

} // namespace
