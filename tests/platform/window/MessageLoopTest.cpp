// The message queue: posting from other threads, quitting, nested loops, the kernel's pump.

#include "WindowTestSupport.h"

#include "platform/kernel/MainThread.h"
#include "platform/kernel/Sync.h"
#include "platform/kernel/Thread.h"

#include <gtest/gtest.h>

#include <atomic>

namespace {

class MessageLoop : public WindowTest, public testing::Test {};

TEST_F(MessageLoop, PostMessageFromAnotherThreadWakesAWaitingGetMessage)
{
    HWND top = Top(RECT{0, 0, 10, 10});
    kit.Pump();
    Thread worker;
    // Started only once the loop has nothing to do, so the post has to wake a real wait.
    kit.WhenIdle([&] { worker.Start([top] { PostMessage(top, WM_USER, 5, 6); }); });
    MSG msg;
    ASSERT_EQ(GetMessage(&msg, nullptr, 0, 0), TRUE);
    worker.Join();
    EXPECT_EQ(msg.hwnd, top);
    EXPECT_EQ(msg.message, WM_USER);
    EXPECT_EQ(msg.wParam, 5u);
    EXPECT_EQ(msg.lParam, 6);
}

TEST_F(MessageLoop, SendMessageFromAnotherThreadRunsOnTheGuiThreadAndReturnsItsAnswer)
{
    HWND top = Top(RECT{0, 0, 10, 10});
    const ThreadId gui = GetCurrentThreadId();
    std::atomic<ThreadId> ranOn{0};
    onMessage = [&](HWND, UINT msg, WPARAM wParam, LPARAM) -> std::optional<LRESULT> {
        if (msg != WM_USER)
            return std::nullopt;
        ranOn = GetCurrentThreadId();
        PostQuitMessage(0);
        return static_cast<LRESULT>(wParam * 2);
    };
    kit.Pump();
    std::atomic<LRESULT> answer{0};
    std::atomic<BOOL> destroyed{TRUE};
    Thread worker;
    kit.WhenIdle([&] {
        worker.Start([&] {
            destroyed = DestroyWindow(top);  // refused: the window belongs to the GUI thread
            answer = SendMessage(top, WM_USER, 21, 0);
        });
    });
    MSG msg;
    while (GetMessage(&msg, nullptr, 0, 0) > 0)
        DispatchMessage(&msg);
    worker.Join();
    EXPECT_EQ(answer.load(), 42);
    EXPECT_EQ(ranOn.load(), gui);
    EXPECT_FALSE(destroyed.load());
}

TEST_F(MessageLoop, QuitComesAfterWhatWasPostedAndCarriesItsCode)
{
    HWND top = Top(RECT{0, 0, 10, 10});
    kit.Pump();
    PostMessage(top, WM_USER, 0, 0);
    PostQuitMessage(3);
    ASSERT_TRUE(PostThreadMessage(GetCurrentThreadId(), WM_USER + 1, 0, 0));
    EXPECT_FALSE(PostThreadMessage(GetCurrentThreadId() + 1, WM_USER + 1, 0, 0));
    MSG msg;
    ASSERT_EQ(GetMessage(&msg, nullptr, 0, 0), TRUE);
    EXPECT_EQ(msg.message, WM_USER);
    ASSERT_EQ(GetMessage(&msg, nullptr, 0, 0), TRUE);
    EXPECT_EQ(msg.message, WM_USER + 1u);
    EXPECT_EQ(msg.hwnd, nullptr);
    ASSERT_EQ(GetMessage(&msg, nullptr, 0, 0), FALSE);
    EXPECT_EQ(msg.wParam, 3u);
}

TEST_F(MessageLoop, TheKernelPumpDispatchesButNeverTakesTheQuitRequest)
{
    HWND top = Top(RECT{0, 0, 10, 10});
    PostQuitMessage(9);
    PostMessage(top, WM_USER, 0, 0);
    bool served = false;
    MainThread::Post([&] { served = true; });
    MainThread::ProcessPendingMessages();
    EXPECT_TRUE(served);
    EXPECT_EQ(Find(top, WM_USER).size(), 1u);
    MSG msg;
    ASSERT_EQ(GetMessage(&msg, nullptr, 0, 0), FALSE);
    EXPECT_EQ(msg.wParam, 9u);
}

TEST_F(MessageLoop, CallsQueuedForTheMainThreadRunWhileTheLoopWaits)
{
    kit.Pump();
    Thread worker;
    std::atomic<bool> ran{false};
    kit.WhenIdle([&] {
        worker.Start([&] {
            MainThread::InvokeAndWait([&] { ran = true; });
            PostQuitMessage(0);  // from the GUI thread's point of view: posted after the call
        });
    });
    MSG msg;
    while (GetMessage(&msg, nullptr, 0, 0) > 0) {
    }
    worker.Join();
    EXPECT_TRUE(ran.load());
}

TEST_F(MessageLoop, ANestedModalLoopRunsInsideAHandlerAndPassesQuitOutward)
{
    HWND top = Top(RECT{0, 0, 10, 10});
    std::vector<UINT> innerSaw;
    onMessage = [&](HWND, UINT msg, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (msg != WM_USER)
            return std::nullopt;
        // A modal loop: runs until WM_APP or a quit request.
        MSG inner;
        for (;;) {
            if (!GetMessage(&inner, nullptr, 0, 0)) {
                PostQuitMessage(static_cast<int>(inner.wParam));
                break;
            }
            innerSaw.push_back(inner.message);
            if (inner.message == WM_APP)
                break;
            DispatchMessage(&inner);
        }
        return 0;
    };
    kit.Pump();
    // The first loop gets WM_USER + 1, then WM_USER which opens a second loop inside it; WM_APP
    // ends the second; the quit request ends the first and then the outer loop.
    kit.WhenIdle([&] { PostMessage(top, WM_USER + 1, 0, 0); });
    kit.WhenIdle([&] { PostMessage(top, WM_USER, 0, 0); });
    kit.WhenIdle([&] { PostMessage(top, WM_APP, 0, 0); });
    kit.WhenIdle([&] { PostQuitMessage(4); });
    PostMessage(top, WM_USER, 0, 0);
    MSG msg;
    int outer = 0;
    while (GetMessage(&msg, nullptr, 0, 0) > 0) {
        ++outer;
        DispatchMessage(&msg);
    }
    EXPECT_EQ(msg.wParam, 4u);
    EXPECT_EQ(outer, 1);  // everything else went to the nested loops
    EXPECT_EQ(innerSaw, (std::vector<UINT>{WM_USER + 1, WM_USER, WM_APP}));
    EXPECT_EQ(kit.PendingIdleSteps(), 0u);
}

TEST_F(MessageLoop, PeekMessageHonoursWindowAndRangeFilters)
{
    HWND a = Top(RECT{0, 0, 10, 10});
    HWND b = Top(RECT{0, 0, 10, 10});
    kit.Pump();
    PostMessage(a, WM_USER, 0, 0);
    PostMessage(b, WM_USER + 5, 0, 0);
    MSG msg;
    EXPECT_FALSE(PeekMessage(&msg, b, WM_USER, WM_USER + 1, PM_REMOVE));
    ASSERT_TRUE(PeekMessage(&msg, b, 0, 0, PM_NOREMOVE));
    EXPECT_EQ(msg.message, WM_USER + 5u);
    ASSERT_TRUE(PeekMessage(&msg, nullptr, WM_USER, WM_USER + 10, PM_REMOVE));
    EXPECT_EQ(msg.hwnd, a);
    ASSERT_TRUE(PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.hwnd, b);
    EXPECT_FALSE(PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE));
    DestroyWindow(a);
    EXPECT_EQ(GetMessage(&msg, a, 0, 0), -1);
}

TEST_F(MessageLoop, RegisteredMessagesAreSharedByNameWithoutRegardToCase)
{
    const UINT created = RegisterWindowMessage("TaskbarCreated");
    EXPECT_GE(created, 0xC000u);
    EXPECT_EQ(RegisterWindowMessage("taskbarcreated"), created);
    EXPECT_NE(RegisterWindowMessage("Other"), created);
    EXPECT_EQ(RegisterWindowMessage(""), 0u);
}

} // namespace
