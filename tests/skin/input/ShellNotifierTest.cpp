#include "TestPaths.h"

#include "platform/kernel/MainThread.h"
#include "platform/kernel/Thread.h"
#include "skin/input/skSkinShellCtrls.h"

#include <chrono>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <thread>

namespace {

int taskCount()
{
    int n = 0;
    for ([[maybe_unused]] auto& task : std::filesystem::directory_iterator("/proc/self/task"))
        ++n;
    return n;
}

class ShellNotifierTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::filesystem::create_directories(dir.file("sub"));
        std::filesystem::create_directories(dir.file("other"));
    }
    void TearDown() override { delete notifier; }

    void Watch(const std::string& root, bool subTree)
    {
        notifier = new TskShellChangeNotifier(nullptr);
        notifier->SetRoot(root);
        notifier->SetWatchSubTree(subTree);
        notifier->SetOnChange([this] {
            ++calls;
            onMainThread = onMainThread && MainThread::IsMainThread();
        });
        ASSERT_TRUE(notifier->Watching());
    }
    bool WaitCalls(int n) { return MainThread::WaitServing([&] { return calls >= n; }, 10000); }
    void Touch(const std::string& name) { std::ofstream(dir.file(name)) << "x"; }

    zdtest::TempDir dir;
    TskShellChangeNotifier* notifier = nullptr;
    int calls = 0;
    bool onMainThread = true;
};

TEST_F(ShellNotifierTest, WithoutHandlerNoWorkerStarts)
{
    const int before = taskCount();
    TskShellChangeNotifier idle(nullptr);
    idle.SetRoot(dir.path());
    idle.SetWatchSubTree(false);
    EXPECT_FALSE(idle.Watching());
    EXPECT_EQ(taskCount(), before);
    EXPECT_EQ(idle.Root(), dir.path());
}

TEST_F(ShellNotifierTest, NewFileRunsTheHandlerOnceOnTheGuiThread)
{
    Watch(dir.path(), false);
    Touch("new.txt");
    ASSERT_TRUE(WaitCalls(1));
    MainThread::ServePending();
    EXPECT_EQ(calls, 1);
    EXPECT_TRUE(onMainThread);
}

TEST_F(ShellNotifierTest, SubfolderChangesOnlyWithWatchSubTree)
{
    DirectoryWatcher flat;
    ASSERT_TRUE(flat.Watch(dir.path(), false, FILE_NOTIFY_CHANGE_FILE_NAME));
    Touch("sub/a.txt");
    flat.Wake();
    EXPECT_EQ(flat.Wait(), DirectoryWatcher::Result::Woken);

    DirectoryWatcher tree;
    ASSERT_TRUE(tree.Watch(dir.path(), true, FILE_NOTIFY_CHANGE_FILE_NAME));
    Touch("sub/b.txt");
    EXPECT_EQ(tree.Wait(), DirectoryWatcher::Result::Changed);
    // A folder made after the watch began is followed as well.
    std::filesystem::create_directory(dir.file("sub/later"));
    Touch("sub/later/c.txt");
    EXPECT_EQ(tree.Wait(), DirectoryWatcher::Result::Changed);

    Watch(dir.path(), true);
    Touch("sub/d.txt");
    EXPECT_TRUE(WaitCalls(1));
}

TEST_F(ShellNotifierTest, RootChangeAppliesAtOnceAndAFolderDifferingInCaseIsAnother)
{
    Watch(dir.file("sub"), false);
    notifier->SetRoot(dir.file("other"));
    Touch("other/x.txt");
    ASSERT_TRUE(WaitCalls(1));
    std::filesystem::create_directory(dir.file("OTHER"));
    notifier->SetRoot(dir.file("OTHER"));
    EXPECT_EQ(notifier->Root(), dir.file("OTHER"));
    EXPECT_TRUE(notifier->Watching());

    // A folder that cannot be watched stops the worker; a good one starts a new one.
    notifier->SetRoot(dir.file("missing"));
    EXPECT_FALSE(notifier->Watching());
    notifier->SetRoot(dir.file("sub"));
    EXPECT_TRUE(notifier->Watching());
    Touch("sub/y.txt");
    EXPECT_TRUE(WaitCalls(2));
}

TEST_F(ShellNotifierTest, FreedWithADeliveryQueuedCallsNothingAndLeavesNoThread)
{
    const int before = taskCount();
    Watch(dir.path(), false);
    Touch("queued.txt");
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!notifier->ChangePending() && std::chrono::steady_clock::now() < deadline)
        std::this_thread::yield();
    ASSERT_TRUE(notifier->ChangePending());
    delete notifier;
    notifier = nullptr;
    MainThread::ProcessPendingMessages();
    EXPECT_EQ(calls, 0);
    EXPECT_EQ(taskCount(), before);
}

} // namespace
