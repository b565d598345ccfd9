// The stock message icons: drawn by our code at 32 x 32, shared, and told apart by their colours.

#include "../gdi/Canvas.h"

#include "platform/gdi/Icons.h"
#include "platform/window/SystemIcons.h"

#include <gtest/gtest.h>

namespace {

// The icon drawn over white; pixel (X, Y) as 0xRRGGBB.
std::uint32_t PixelOver(HICON Icon, int X, int Y)
{
    Canvas c(32, 32, 0x00FFFFFF);
    EXPECT_TRUE(DrawIconEx(c.dc(), 0, 0, Icon, 0, 0, 0, nullptr, DI_NORMAL));
    return c.at(X, Y) & 0x00FFFFFF;
}

TEST(SystemIcons, FourSharedIconsOfTheirOwnColours)
{
    struct Case {
        LPCSTR id;
        int bodyX, bodyY;  // a point of the disc or triangle
        std::uint32_t body;
        int signX, signY;  // a point of the sign
        std::uint32_t sign;
    };
    const Case cases[] = {
        {IDI_HAND, 16, 6, 0xD62828, 16, 16, 0xFFFFFF},         // red disc, white cross
        {IDI_QUESTION, 6, 16, 0x246ED2, 16, 24, 0xFFFFFF},     // blue disc, white dot of "?"
        {IDI_EXCLAMATION, 16, 26, 0xF7BA18, 16, 14, 0x181818}, // amber triangle, dark "!"
        {IDI_ASTERISK, 6, 16, 0x246ED2, 16, 18, 0xFFFFFF},     // blue disc, white "i"
    };
    for (const Case& c : cases) {
        HICON icon = LoadIcon(nullptr, c.id);
        ASSERT_NE(icon, nullptr);
        EXPECT_EQ(LoadIcon(nullptr, c.id), icon);  // shared
        EXPECT_EQ(PixelOver(icon, c.bodyX, c.bodyY), c.body);
        EXPECT_EQ(PixelOver(icon, c.signX, c.signY), c.sign);
        EXPECT_EQ(PixelOver(icon, 0, 0), 0xFFFFFFu);  // the corners are transparent
        ICONINFO info;
        ASSERT_TRUE(GetIconInfo(icon, &info));
        BITMAP bm{};
        GetObject(info.hbmColor, sizeof bm, &bm);
        EXPECT_EQ(bm.bmWidth, 32);
        EXPECT_EQ(bm.bmHeight, 32);
        DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
        EXPECT_TRUE(DestroyIcon(icon));  // a shared icon stays
        EXPECT_EQ(PixelOver(icon, c.bodyX, c.bodyY), c.body);
    }
    EXPECT_EQ(IDI_ERROR, IDI_HAND);
    EXPECT_EQ(IDI_WARNING, IDI_EXCLAMATION);
    EXPECT_EQ(IDI_INFORMATION, IDI_ASTERISK);
}

TEST(SystemIcons, UnknownIconsAndInstancesGiveNothing)
{
    EXPECT_EQ(LoadIcon(nullptr, MAKEINTRESOURCE(32512)), nullptr);
    EXPECT_EQ(LoadIcon(nullptr, MAKEINTRESOURCE(32517)), nullptr);
    EXPECT_EQ(LoadIcon(nullptr, "ICON1"), nullptr);
    EXPECT_EQ(LoadIcon(reinterpret_cast<HINSTANCE>(1), IDI_HAND), nullptr);
}

} // namespace
