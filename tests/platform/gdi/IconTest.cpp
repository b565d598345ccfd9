#include "Canvas.h"

#include "platform/gdi/Bitmaps.h"
#include "platform/gdi/Icons.h"
#include "platform/gdi/Objects.h"

#include <gtest/gtest.h>

namespace {

// A 2 x 1 icon: its colour words and mask bits (1 = transparent) given per pixel.
HICON MakeIcon(std::uint32_t left, std::uint32_t right, bool leftClear, bool rightClear)
{
    const std::uint32_t colour[] = {left, right};
    const BYTE maskRow[2] = {static_cast<BYTE>((leftClear ? 0x80 : 0) | (rightClear ? 0x40 : 0)), 0};
    ICONINFO info;
    info.hbmColor = CreateBitmap(2, 1, 1, 32, colour);
    info.hbmMask = CreateBitmap(2, 1, 1, 1, maskRow);
    HICON icon = CreateIconIndirect(&info);
    DeleteObject(info.hbmColor);  // the icon keeps its own copies
    DeleteObject(info.hbmMask);
    return icon;
}

TEST(Icons, MaskedIconsAndAndXor)
{
    HICON icon = MakeIcon(0x00FF0000, 0x00000000, false, true);
    ASSERT_NE(icon, nullptr);
    Canvas c(4, 1, 0x000000FF);
    EXPECT_TRUE(DrawIconEx(c.dc(), 0, 0, icon, 0, 0, 0, nullptr, DI_NORMAL));
    EXPECT_EQ(c.at(0, 0), 0x00FF0000u);
    EXPECT_EQ(c.at(1, 0), 0x000000FFu);  // transparent: the destination shows
    EXPECT_TRUE(DrawIconEx(c.dc(), 0, 0, icon, 4, 1, 0, nullptr, DI_NORMAL));  // stretched
    EXPECT_EQ(c.at(1, 0), 0x00FF0000u);
    EXPECT_EQ(c.at(2, 0), 0x000000FFu);

    ICONINFO info;
    ASSERT_TRUE(GetIconInfo(icon, &info));
    EXPECT_TRUE(info.fIcon);
    EXPECT_EQ(info.xHotspot, 1u);
    BITMAP bm;
    GetObject(info.hbmMask, sizeof bm, &bm);
    EXPECT_EQ(bm.bmBitsPixel, 1);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);

    EXPECT_FALSE(DeleteObject(icon));  // icons have their own call
    EXPECT_TRUE(DestroyIcon(icon));
    EXPECT_FALSE(DrawIcon(c.dc(), 0, 0, icon));
}

TEST(Icons, AlphaIconsBlendAndIgnoreTheMask)
{
    HICON icon = MakeIcon(0x80FF0000, 0xFF00FF00, true, true);
    Canvas c(2, 1, 0x000000FF);
    EXPECT_TRUE(DrawIconEx(c.dc(), 0, 0, icon, 0, 0, 0, nullptr, DI_NORMAL));
    EXPECT_EQ(c.at(0, 0), 0x8080007Fu);
    EXPECT_EQ(c.at(1, 0), 0xFF00FF00u);
    DestroyIcon(icon);
}

} // namespace
