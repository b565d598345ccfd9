#include "PixelFixtures.h"

#include "classlib/Bitmap.h"
#include "platform/testkit/WindowTestKit.h"
#include "platform/window/User.h"
#include "skin/core/TskLayerManager.h"

#include <gtest/gtest.h>

using namespace skfix;

namespace {

void Solid(TBitmap& b, int w, int h, std::uint32_t pixel)
{
    b.SetPixelFormat(TPixelFormat::pf24bit);
    b.SetSize(w, h);
    for (int y = 0; y < h; ++y) {
        auto* row = static_cast<std::uint8_t*>(b.ScanLine(y));
        for (int x = 0; x < w; ++x) {
            row[3 * x] = static_cast<std::uint8_t>(pixel);
            row[3 * x + 1] = static_cast<std::uint8_t>(pixel >> 8);
            row[3 * x + 2] = static_cast<std::uint8_t>(pixel >> 16);
        }
    }
}

class LayerManagerTest : public ::testing::Test {
protected:
    LayerManagerTest()
    {
        Solid(image, 4, 3, 0xC01020);
        Solid(mask, 4, 3, 0x808080);
    }
    WindowTestKit kit;
    TBitmap image, mask;
};

} // namespace

TEST_F(LayerManagerTest, FadesReachTheirTargetInTheStatedSteps)
{
    struct Case {
        int target, ticks;
    };
    for (const Case& c : {Case{200, 10}, Case{255, 11}, Case{5, 5}, Case{0, 1}}) {
        TskLayerManager manager(nullptr);
        manager.Show(10, 20, &image, &mask, c.target);
        HWND window = manager.LayerWindow->GetHandle();
        EXPECT_EQ(manager.BeginAlphaBlendValue, 0);
        for (int tick = 1; tick < c.ticks; ++tick) {
            kit.Advance(25);
            EXPECT_LT(manager.BeginAlphaBlendValue, c.target) << c.target << " tick " << tick;
            EXPECT_TRUE(manager.Timer->GetEnabled());
        }
        kit.Advance(25);
        EXPECT_EQ(manager.BeginAlphaBlendValue, c.target) << c.target;
        EXPECT_FALSE(manager.Timer->GetEnabled()) << c.target;
        kit.Pump();
        ASSERT_NE(kit.Display().State(window), nullptr);
        EXPECT_EQ(kit.Display().State(window)->opacity, c.target);
    }
}

TEST_F(LayerManagerTest, LayerPixelsTakeTheMaskAsAlphaUnmultiplied)
{
    TskLayerManager manager(nullptr);
    manager.Show(10, 20, &image, &mask, 255);
    EXPECT_EQ(At(*manager.Bmp, 3, 2), 0x80C01020u);
    auto picture = kit.Render(manager.LayerWindow->GetHandle());
    EXPECT_EQ(picture->Pixel(0, 0), 0x80C01020u);
    RECT r{};
    GetWindowRect(manager.LayerWindow->GetHandle(), &r);
    EXPECT_EQ(r, (RECT{10, 20, 14, 23}));
}

TEST_F(LayerManagerTest, ShowingAgainReplacesTheLayer)
{
    TskLayerManager manager(nullptr);
    manager.Show(0, 0, &image, &mask, 100);
    HWND first = manager.LayerWindow->GetHandle();
    TBitmap other;
    Solid(other, 2, 2, 0x00FF00);
    manager.Show(5, 5, &other, &mask, 100);
    EXPECT_FALSE(IsWindow(first));
    HWND second = manager.LayerWindow->GetHandle();
    EXPECT_TRUE(IsWindowVisible(second));
    EXPECT_EQ(At(*manager.Bmp, 1, 1) & 0xFFFFFF, 0x00FF00u);

    manager.Hide();
    EXPECT_FALSE(IsWindow(second));
    EXPECT_EQ(manager.LayerWindow, nullptr);
    EXPECT_EQ(manager.Bmp, nullptr);
    EXPECT_FALSE(manager.IsVisible);
    manager.Hide();
}

TEST_F(LayerManagerTest, LayerWindowNeverActivatesNorTakesInput)
{
    TskLayerManager manager(nullptr);
    manager.TopMostMode = false;
    manager.Show(0, 0, &image, &mask, 100);
    HWND window = manager.LayerWindow->GetHandle();
    const DWORD exStyle = static_cast<DWORD>(GetWindowLong(window, GWL_EXSTYLE));
    EXPECT_EQ(exStyle & WS_EX_TOPMOST, 0u);
    EXPECT_NE(exStyle & WS_EX_TRANSPARENT, 0u);
    EXPECT_NE(exStyle & WS_EX_TOOLWINDOW, 0u);
    EXPECT_NE(exStyle & WS_EX_LAYERED, 0u);
    EXPECT_EQ(static_cast<DWORD>(GetWindowLong(window, GWL_STYLE)) & ~WS_VISIBLE, WS_POPUP);
    EXPECT_EQ(SendMessage(window, WM_MOUSEACTIVATE, 0, 0), MA_NOACTIVATE);

    TskLayerManager topmost(nullptr);
    topmost.Show(0, 0, &image, &mask, 100);
    EXPECT_NE(static_cast<DWORD>(GetWindowLong(topmost.LayerWindow->GetHandle(), GWL_EXSTYLE)) & WS_EX_TOPMOST, 0u);
}

TEST_F(LayerManagerTest, FreeingAManagerOrItsOwnerWhileShownLeavesNothingBehind)
{
    // Free() tears the owned timer and layer window down before the destructor runs.
    auto* alone = new TskLayerManager(nullptr);
    alone->Show(0, 0, &image, &mask, 100);
    HWND layer = alone->LayerWindow->GetHandle();
    alone->Free();
    EXPECT_FALSE(IsWindow(layer));

    auto* owner = new TComponent(nullptr);
    auto* owned = new TskLayerManager(owner);
    owned->Show(0, 0, &image, &mask, 100);
    layer = owned->LayerWindow->GetHandle();
    owner->Free();
    EXPECT_FALSE(IsWindow(layer));
}
