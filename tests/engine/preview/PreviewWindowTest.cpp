#include "engine/preview/Previewer.h"

#include "platform/kernel/MainThread.h"
#include "platform/testkit/WindowTestKit.h"
#include "platform/window/User.h"

#include <gtest/gtest.h>

#include <functional>
#include <thread>

namespace {

// A picture of one colour (bytes blue, green, red, alpha).
TFFPicture Solid(int width, int height, BYTE red, BYTE green, BYTE blue)
{
    TFFPicture picture;
    picture.Width = width;
    picture.Height = height;
    for (int i = 0; i < width * height; ++i)
        picture.Pixels.insert(picture.Pixels.end(), {blue, green, red, 255});
    return picture;
}

class PreviewWindowTest : public testing::Test {
protected:
    // Runs the call on a worker thread, as a converter does, while the main thread serves it.
    void OnWorker(const std::function<void()>& call)
    {
        Event done{true, false};
        std::thread worker([&] {
            call();
            done.Set();
        });
        EXPECT_TRUE(MainThread::WaitServing(done, 10000));
        worker.join();
        kit.Pump();
    }
    bool Paint(TPreviewWindow& previewer, const TFFPicture& picture, std::int64_t pts)
    {
        bool shown = false;
        OnWorker([&] { shown = previewer.PaintFrame(picture, 1, pts); });
        return shown;
    }
    COLORREF ClientColor(HWND hwnd, int x, int y)
    {
        RECT window{};
        GetWindowRect(hwnd, &window);
        POINT point{x, y};
        ClientToScreen(hwnd, &point);
        return WindowTestKit::ColorAt(*kit.Render(hwnd), point.x - window.left, point.y - window.top);
    }

    WindowTestKit kit;
};

TEST_F(PreviewWindowTest, TheFirstPictureOpensACentredTopmostWindowOfItsSize)
{
    TPreviewWindow previewer;
    EXPECT_EQ(nullptr, previewer.FormHandle());
    ASSERT_TRUE(Paint(previewer, Solid(320, 240, 0xC0, 0x40, 0x20), 72480000));
    HWND hwnd = previewer.FormHandle();
    ASSERT_NE(nullptr, hwnd);
    EXPECT_TRUE(IsWindowVisible(hwnd));
    RECT client{};
    GetClientRect(hwnd, &client);
    EXPECT_EQ((RECT{0, 0, 320, 240}), client);
    RECT window{};
    GetWindowRect(hwnd, &window);
    EXPECT_NEAR(GetSystemMetrics(SM_CXSCREEN) / 2, (window.left + window.right) / 2, 1);
    EXPECT_NEAR(GetSystemMetrics(SM_CYSCREEN) / 2, (window.top + window.bottom) / 2, 1);
    const LONG exStyle = GetWindowLong(hwnd, GWL_EXSTYLE);
    EXPECT_TRUE(exStyle & WS_EX_TOPMOST);
    EXPECT_TRUE(exStyle & WS_EX_TOOLWINDOW);
    EXPECT_TRUE(GetWindowLong(hwnd, GWL_STYLE) & WS_SYSMENU);
    EXPECT_EQ("00:01:12.480", GetWindowText(hwnd));
    EXPECT_EQ(RGB(0xC0, 0x40, 0x20), ClientColor(hwnd, 10, 10));
    EXPECT_EQ(RGB(0xC0, 0x40, 0x20), ClientColor(hwnd, 319, 239));

    // A larger picture is drawn into the same client area, clipped.
    ASSERT_TRUE(Paint(previewer, Solid(640, 480, 0x10, 0x90, 0xF0), 72520000));
    GetClientRect(hwnd, &client);
    EXPECT_EQ((RECT{0, 0, 320, 240}), client);
    EXPECT_EQ(RGB(0x10, 0x90, 0xF0), ClientColor(hwnd, 319, 239));
    EXPECT_EQ("00:01:12.520", GetWindowText(hwnd));
}

TEST_F(PreviewWindowTest, PressingOnThePictureDragsTheWindow)
{
    TPreviewWindow previewer;
    ASSERT_TRUE(Paint(previewer, Solid(160, 120, 0, 0, 0), 0));
    HWND hwnd = previewer.FormHandle();
    RECT before{};
    GetWindowRect(hwnd, &before);
    POINT press{80, 60};
    ClientToScreen(hwnd, &press);
    kit.WhenIdle([&] { kit.MoveMouse(POINT{press.x + 30, press.y + 20}); });
    kit.WhenIdle([&] { kit.ReleaseButton(POINT{press.x + 30, press.y + 20}); });
    kit.PressButton(press);
    kit.Pump();
    EXPECT_EQ(0u, kit.PendingIdleSteps());
    RECT after{};
    GetWindowRect(hwnd, &after);
    EXPECT_EQ(before.left + 30, after.left);
    EXPECT_EQ(before.top + 20, after.top);
}

TEST_F(PreviewWindowTest, AClosedWindowEndsThePreviewsOfItsTask)
{
    TPreviewWindow previewer;
    ASSERT_TRUE(Paint(previewer, Solid(160, 120, 0, 0, 0), 0));
    HWND hwnd = previewer.FormHandle();
    SendMessage(hwnd, WM_SYSCOMMAND, SC_CLOSE, 0);
    kit.Pump();
    EXPECT_FALSE(IsWindowVisible(hwnd));
    EXPECT_FALSE(Paint(previewer, Solid(160, 120, 0, 0, 0), 40000));
    EXPECT_FALSE(IsWindowVisible(hwnd));
}

TEST_F(PreviewWindowTest, FreeingOnAWorkerRemovesTheWindowAndNothingIsShownWithoutAPicture)
{
    int topLevel = 0;
    const auto countTopLevel = [&] {
        topLevel = 0;
        EnumChildWindows(
            nullptr,
            [](HWND hwnd, LPARAM count) {
                if (IsWindowVisible(hwnd))
                    ++*reinterpret_cast<int*>(count);
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&topLevel));
        return topLevel;
    };
    const int before = countTopLevel();
    auto unused = std::make_unique<TPreviewWindow>();
    OnWorker([&] { unused.reset(); });
    EXPECT_EQ(before, countTopLevel());

    auto shown = std::make_unique<TPreviewWindow>();
    ASSERT_TRUE(Paint(*shown, Solid(64, 48, 0, 0, 0), 0));
    HWND hwnd = shown->FormHandle();
    EXPECT_EQ(before + 1, countTopLevel());
    OnWorker([&] { shown.reset(); });
    EXPECT_FALSE(IsWindow(hwnd));
    EXPECT_EQ(before, countTopLevel());
}

TEST_F(PreviewWindowTest, InstalledItIsThePreviewerOfConversions)
{
    EXPECT_EQ(nullptr, CreatePreviewer());
    InstallPreviewWindow();
    const std::unique_ptr<TPreviewer> previewer = CreatePreviewer();
    EXPECT_NE(nullptr, dynamic_cast<TPreviewWindow*>(previewer.get()));
    SetPreviewerFactory(nullptr);
}

} // namespace
