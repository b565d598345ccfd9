// A child window as the player's host: what the player hears of it and what the window keeps.

#include "WindowTestSupport.h"

#include "platform/kernel/Exceptions.h"
#include "platform/kernel/MainThread.h"
#include "platform/kernel/Thread.h"
#include "platform/player/WindowPlayerHost.h"

#include <gtest/gtest.h>

#include <atomic>
#include <utility>

namespace {

class RecordingListener : public TPlayerHostListener {
public:
    void HostResized(int width, int height) override { sizes.emplace_back(width, height); }
    void HostExposed() override { ++exposures; }
    std::vector<std::pair<int, int>> sizes;
    int exposures = 0;
};

using Sizes = std::vector<std::pair<int, int>>;

class PlayerHost : public WindowTest, public testing::Test {
protected:
    HWND top = Top(RECT{0, 0, 300, 200});
    HWND child = Child(top, RECT{10, 10, 110, 60});
    RecordingListener listener;

    void Resize(int width, int height)
    {
        SetWindowPos(child, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
};

TEST_F(PlayerHost, TheListenerHearsOfSizesAndRepaintsAfterTheWindowsOwnHandling)
{
    WindowPlayerHost host(child);
    kit.Pump();
    host.SetListener(&listener);
    Clear();
    Resize(200, 150);
    EXPECT_EQ(listener.sizes, (Sizes{{200, 150}}));
    EXPECT_EQ(Find(child, WM_SIZE).size(), 1u);
    kit.Pump();  // the resized window paints again
    EXPECT_EQ(listener.exposures, 1);
    EXPECT_EQ(Find(child, WM_PAINT).size(), 1u);

    InvalidateRect(child, nullptr, FALSE);
    kit.Pump();
    EXPECT_EQ(listener.exposures, 2);
    // An empty area is nothing to draw into.
    Resize(0, 150);
    EXPECT_EQ(listener.sizes.size(), 1u);

    host.SetListener(nullptr);
    Resize(120, 90);
    InvalidateRect(child, nullptr, FALSE);
    kit.Pump();
    EXPECT_EQ(listener.sizes.size(), 1u);
    EXPECT_EQ(listener.exposures, 2);
    EXPECT_EQ(Find(child, WM_SIZE).size(), 3u);
}

TEST_F(PlayerHost, OtherThreadsGetTheClientSizeFromTheGuiThread)
{
    WindowPlayerHost host(child);
    EXPECT_EQ(host.NativeWindowId(), 0u);  // the headless display has no native windows
    std::atomic<int> width{-1}, height{-1};
    Event done{true, false};
    Thread worker;
    worker.Start([&] {
        int w = 0, h = 0;
        host.GetClientSize(w, h);
        width = w;
        height = h;
        done.Set();
    });
    ASSERT_TRUE(MainThread::WaitServing(done, 10000));
    worker.Join();
    EXPECT_EQ(width.load(), 100);
    EXPECT_EQ(height.load(), 50);
}

TEST_F(PlayerHost, EndingTheHostGivesTheWindowItsProcedureBack)
{
    const LONG_PTR own = GetWindowLongPtr(child, GWLP_WNDPROC);
    {
        WindowPlayerHost host(child);
        EXPECT_NE(GetWindowLongPtr(child, GWLP_WNDPROC), own);
    }
    EXPECT_EQ(GetWindowLongPtr(child, GWLP_WNDPROC), own);

    // A procedure installed over the host's keeps its chain when the host ends first.
    static WNDPROC below = nullptr;
    static int seen = 0;
    seen = 0;
    auto host = std::make_unique<WindowPlayerHost>(child);
    host->SetListener(&listener);
    below = reinterpret_cast<WNDPROC>(SetWindowLongPtr(
        child, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(+[](HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
            seen += msg == WM_SIZE;
            return CallWindowProc(below, hwnd, msg, wParam, lParam);
        })));
    host.reset();
    Clear();
    Resize(80, 40);
    EXPECT_EQ(seen, 1);
    EXPECT_EQ(Find(child, WM_SIZE).size(), 1u);
    EXPECT_TRUE(listener.sizes.empty());
    // A new host takes over the procedure left in the chain; a second one is refused.
    WindowPlayerHost again(child);
    again.SetListener(&listener);
    Resize(90, 40);
    EXPECT_EQ(listener.sizes, (Sizes{{90, 40}}));
    EXPECT_EQ(seen, 2);
    EXPECT_THROW(WindowPlayerHost{child}, EAssertionFailed);
}

TEST_F(PlayerHost, AWindowDestroyedFirstLeavesAnEmptyHost)
{
    WindowPlayerHost host(child);
    host.SetListener(&listener);
    ASSERT_TRUE(DestroyWindow(child));
    int width = -1, height = -1;
    host.GetClientSize(width, height);
    EXPECT_EQ(width, 0);
    EXPECT_EQ(height, 0);
    EXPECT_EQ(host.NativeWindowId(), 0u);
    EXPECT_TRUE(listener.sizes.empty());
}

} // namespace
