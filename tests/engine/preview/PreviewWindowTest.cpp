#include "engine/preview/Previewer.h"

#include "platform/kernel/MainThread.h"
#include "platform/gdi/Gdi.h"
#include "platform/testkit/WindowTestKit.h"
#include "platform/window/RawInput.h"
#include "platform/window/User.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <string>
#include <thread>
#include <vector>

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

// The contrast ratio of two colours (1 to 21).
double Contrast(COLORREF a, COLORREF b)
{
    const auto luminance = [](COLORREF c) {
        const auto channel = [](int v) {
            const double s = v / 255.0;
            return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(GetRValue(c)) + 0.7152 * channel(GetGValue(c)) + 0.0722 * channel(GetBValue(c));
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
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
    bool Paint(TPreviewWindow& previewer, const TFFPicture& picture, std::int64_t pts,
               AVRational sampleAspect = AVRational{1, 1})
    {
        bool shown = false;
        OnWorker([&] { shown = previewer.PaintFrame(picture, 1, pts, sampleAspect); });
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

TEST_F(PreviewWindowTest, TheFirstPictureOpensACentredWindowOfItsSize)
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
    RECT work{};
    SystemParametersInfo(SPI_GETWORKAREA, 0, &work, 0);
    EXPECT_NEAR((work.left + work.right) / 2, (window.left + window.right) / 2, 1);
    EXPECT_NEAR((work.top + work.bottom) / 2, (window.top + window.bottom) / 2, 1);
    const LONG exStyle = GetWindowLong(hwnd, GWL_EXSTYLE);
    EXPECT_FALSE(exStyle & WS_EX_TOPMOST);
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

// The caption has a close box: a click on it closes the window and ends the previews of its task.
// The caption's text, the picture's time, reaches 4.5:1 against the caption, inactive as the
// window comes up and active once clicked.
TEST_F(PreviewWindowTest, TheCaptionHasACloseBoxAndReadableText)
{
    TPreviewWindow previewer;
    ASSERT_TRUE(Paint(previewer, Solid(320, 240, 0, 0, 0), 83000000));
    HWND hwnd = previewer.FormHandle();
    RECT window{};
    GetWindowRect(hwnd, &window);
    POINT client{0, 0};
    ClientToScreen(hwnd, &client);
    const int captionY = (window.top + client.y) / 2;
    const auto textContrast = [&] {
        const auto surface = kit.Render(hwnd);
        const COLORREF caption = WindowTestKit::ColorAt(*surface, 200, captionY - window.top);
        double best = 1;
        for (int y = 2; y < client.y - window.top - 1; ++y)
            for (int x = 4; x < 120; ++x)
                best = std::max(best, Contrast(caption, WindowTestKit::ColorAt(*surface, x, y)));
        return best;
    };
    EXPECT_NE(hwnd, GetActiveWindow());
    EXPECT_GE(textContrast(), 4.5) << "inactive";
    kit.Click(POINT{window.left + 200, captionY});
    kit.Pump();
    EXPECT_EQ(hwnd, GetActiveWindow());
    EXPECT_GE(textContrast(), 4.5) << "active";

    int closeX = window.right;
    while (closeX > window.left &&
           SendMessage(hwnd, WM_NCHITTEST, 0, MAKELPARAM(closeX, captionY)) != HTCLOSE)
        --closeX;
    ASSERT_GT(closeX, window.right - 20) << "no close box at the caption's right end";
    const auto surface = kit.Render(hwnd);
    EXPECT_EQ(GetSysColor(COLOR_BTNTEXT), WindowTestKit::ColorAt(*surface, closeX - 5 - window.left, captionY - window.top))
        << "the close box's cross";
    kit.Click(POINT{closeX - 5, captionY});
    kit.Pump();
    EXPECT_FALSE(IsWindowVisible(hwnd));
    EXPECT_FALSE(Paint(previewer, Solid(320, 240, 0, 0, 0), 83040000));
}

// A picture larger than half the work area is shown smaller, keeping its shape; the window lies
// wholly inside the work area, centred in it.
TEST(PlacePreviewTest, TheWindowFitsTheWorkArea)
{
    struct Case {
        int width, height;
        RECT work;
        int clientWidth, clientHeight;
    };
    const int frameWidth = 8, frameHeight = 30;
    for (const Case& c : {Case{320, 240, RECT{0, 0, 1280, 1024}, 320, 240},
                          Case{1280, 720, RECT{0, 0, 1280, 1024}, 640, 360},
                          Case{720, 1280, RECT{0, 0, 1280, 1024}, 288, 512},
                          Case{720, 1280, RECT{0, 40, 1280, 1000}, 270, 480},
                          Case{4000, 100, RECT{100, 0, 1380, 800}, 640, 16}}) {
        const TPreviewPlacement p = PlacePreview(c.width, c.height, c.work, frameWidth, frameHeight);
        const RECT& r = p.Window;
        SCOPED_TRACE(testing::Message() << c.width << "x" << c.height << " in " << c.work.right - c.work.left << "x"
                                        << c.work.bottom - c.work.top);
        EXPECT_EQ(r.right - r.left - frameWidth, c.clientWidth);
        EXPECT_EQ(r.bottom - r.top - frameHeight, c.clientHeight);
        EXPECT_NEAR(p.Scale, static_cast<double>(c.clientWidth) / c.width, 0.01);
        EXPECT_GE(r.left, c.work.left);
        EXPECT_GE(r.top, c.work.top);
        EXPECT_LE(r.right, c.work.right);
        EXPECT_LE(r.bottom, c.work.bottom);
        EXPECT_NEAR((r.left + r.right) / 2, (c.work.left + c.work.right) / 2, 1);
        EXPECT_NEAR((r.top + r.bottom) / 2, (c.work.top + c.work.bottom) / 2, 1);
    }
}

// Made while a dialog of the program is open, the window goes above the program's window but
// below the dialog; a large picture is drawn smaller, filling the client area.
TEST_F(PreviewWindowTest, TheProgramsDialogStaysAboveTheWindow)
{
    WNDCLASS wc{};
    wc.lpfnWndProc = &DefWindowProc;
    wc.lpszClassName = "PreviewTestWindow";
    RegisterClass(&wc);
    HWND main = CreateWindowEx(0, wc.lpszClassName, "main", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 600, 400,
                               nullptr, nullptr, nullptr, nullptr);
    HWND dialog = CreateWindowEx(WS_EX_DLGMODALFRAME, wc.lpszClassName, "dialog", WS_POPUP | WS_CAPTION | WS_VISIBLE,
                                 100, 100, 300, 200, main, nullptr, nullptr, nullptr);
    ASSERT_TRUE(main && dialog);
    SetActiveWindow(dialog);
    kit.Pump();
    TPreviewWindow previewer;
    ASSERT_TRUE(Paint(previewer, Solid(1280, 720, 0x20, 0xA0, 0x60), 0));
    HWND hwnd = previewer.FormHandle();
    EXPECT_EQ(main, GetWindow(hwnd, GW_OWNER));
    EXPECT_FALSE(GetWindowLong(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_EQ(dialog, GetActiveWindow());
    std::vector<HWND> order;
    for (HWND w = GetWindow(dialog, GW_HWNDFIRST); w; w = GetWindow(w, GW_HWNDNEXT))
        order.push_back(w);
    const auto at = [&](HWND w) { return std::find(order.begin(), order.end(), w) - order.begin(); };
    EXPECT_LT(at(dialog), at(hwnd));
    EXPECT_LT(at(hwnd), at(main));

    RECT client{};
    GetClientRect(hwnd, &client);
    RECT work{};
    SystemParametersInfo(SPI_GETWORKAREA, 0, &work, 0);
    EXPECT_LE(client.right * 2, work.right - work.left);
    EXPECT_NEAR(client.right * 720.0 / 1280.0, client.bottom, 1.0);
    EXPECT_EQ(RGB(0x20, 0xA0, 0x60), ClientColor(hwnd, client.right - 1, client.bottom - 1));
    DestroyWindow(dialog);
    DestroyWindow(main);
}

// Made while a modal dialog is open (the windows under it disabled), the window goes above the
// program's window and below the dialog, whether the dialog is owned (or, as the program's
// forms, not) and whether the program is active or not (the user works in another program).
TEST_F(PreviewWindowTest, AModalDialogStaysAboveTheWindow)
{
    WNDCLASS wc{};
    wc.lpfnWndProc = &DefWindowProc;
    wc.lpszClassName = "PreviewTestWindow";
    RegisterClass(&wc);
    for (const bool owned : {false, true}) {
        for (const bool active : {true, false}) {
            SCOPED_TRACE(std::string(owned ? "owned" : "unowned") + (active ? ", active" : ", inactive"));
            HWND main = CreateWindowEx(0, wc.lpszClassName, "main", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 600,
                                       400, nullptr, nullptr, nullptr, nullptr);
            EnableWindow(main, FALSE);
            HWND dialog = CreateWindowEx(WS_EX_DLGMODALFRAME, wc.lpszClassName, "dialog",
                                         WS_POPUP | WS_CAPTION | WS_VISIBLE, 100, 100, 300, 200,
                                         owned ? main : nullptr, nullptr, nullptr, nullptr);
            if (!active) {
                RawInput away;
                away.kind = RawInput::Kind::AppDeactivated;
                PostRawInput(away);
            }
            kit.Pump();
            ASSERT_EQ(active ? dialog : nullptr, GetActiveWindow());
            {
                TPreviewWindow previewer;
                ASSERT_TRUE(Paint(previewer, Solid(160, 120, 0x20, 0xA0, 0x60), 0));
                HWND hwnd = previewer.FormHandle();
                EXPECT_EQ(main, GetWindow(hwnd, GW_OWNER));
                EXPECT_EQ(hwnd, GetWindow(dialog, GW_HWNDNEXT));
                EXPECT_EQ(main, GetWindow(hwnd, GW_HWNDNEXT));
                EXPECT_EQ(active ? dialog : nullptr, GetActiveWindow());
            }
            DestroyWindow(dialog);
            DestroyWindow(main);
        }
    }
}

// Pixels that are not square give the picture another shape (a portrait clip converted to
// 1280x720 keeps its 9:16 in a sample aspect ratio of 56:177): the window takes that shape and
// shows the whole picture in it, its right edge at the window's.
TEST_F(PreviewWindowTest, TheWindowHasThePicturesDisplayShape)
{
    struct Case {
        int width, height;
        AVRational sampleAspect;
        double shape;  // width by height
    };
    for (const Case& c : {Case{1280, 720, {56, 177}, 9.0 / 16.0}, Case{720, 576, {64, 45}, 16.0 / 9.0},
                          Case{640, 360, {1, 1}, 16.0 / 9.0}, Case{640, 360, {0, 1}, 16.0 / 9.0}}) {
        SCOPED_TRACE(testing::Message() << c.width << "x" << c.height << " " << c.sampleAspect.num << ":"
                                        << c.sampleAspect.den);
        // Green with a red band down its right eighth.
        TFFPicture picture = Solid(c.width, c.height, 0x20, 0xA0, 0x60);
        for (int y = 0; y < c.height; ++y)
            for (int x = c.width - c.width / 8; x < c.width; ++x) {
                BYTE* pixel = &picture.Pixels[(static_cast<std::size_t>(y) * c.width + x) * 4];
                pixel[0] = 0x20;
                pixel[1] = 0x20;
                pixel[2] = 0xC0;
            }
        TPreviewWindow previewer;
        ASSERT_TRUE(Paint(previewer, picture, 0, c.sampleAspect));
        HWND hwnd = previewer.FormHandle();
        RECT client{};
        GetClientRect(hwnd, &client);
        EXPECT_NEAR(static_cast<double>(client.right) / client.bottom, c.shape, 0.02);
        EXPECT_EQ(RGB(0x20, 0xA0, 0x60), ClientColor(hwnd, 1, client.bottom - 2));
        EXPECT_EQ(RGB(0xC0, 0x20, 0x20), ClientColor(hwnd, client.right - 2, client.bottom - 2));
        EXPECT_EQ(RGB(0x20, 0xA0, 0x60), ClientColor(hwnd, client.right - client.right / 8 - 3, client.bottom / 2));
    }
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
