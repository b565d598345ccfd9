#include "classlib/Bitmap.h"
#include "platform/gdi/Objects.h"
#include "platform/gdi/Regions.h"
#include "platform/win/Rect.h"
#include "skin/core/skMaskRegions.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

// A white 24-bit mask with the given black pixels.
struct Mask {
    int w, h;
    std::vector<std::uint8_t> bits;
    std::vector<const std::uint8_t*> rows;
    Mask(int width, int height) : w(width), h(height), bits(static_cast<std::size_t>(width * height * 3), 0xFF)
    {
        for (int y = 0; y < h; ++y)
            rows.push_back(bits.data() + y * w * 3);
    }
    void Black(int x, int y) { std::memset(bits.data() + (y * w + x) * 3, 0, 3); }
};

std::vector<RECT> RectsOf(const std::vector<std::uint8_t>& data)
{
    RGNDATAHEADER header;
    std::memcpy(&header, data.data(), sizeof header);
    std::vector<RECT> rects(header.nCount);
    std::memcpy(rects.data(), data.data() + sizeof header, rects.size() * sizeof(RECT));
    return rects;
}

} // namespace

TEST(MaskRegions, SingleBlackPixelGivesOneRectangle)
{
    Mask m(8, 8);
    m.Black(3, 4);
    const std::vector<std::uint8_t> data = RegionDataFromMaskRows(m.rows.data(), 8, 8, 10, 20);
    ASSERT_EQ(data.size(), 48u);
    RGNDATAHEADER header;
    std::memcpy(&header, data.data(), sizeof header);
    EXPECT_EQ(header.dwSize, 32u);
    EXPECT_EQ(header.iType, 1u);
    EXPECT_EQ(header.nRgnSize, 0u);
    EXPECT_EQ(header.rcBound, MakeRect(10, 20, 18, 28));
    EXPECT_EQ(RectsOf(data), std::vector<RECT>{MakeRect(13, 24, 14, 25)});

    HRGN rgn = RegionFromData(data);
    ASSERT_NE(rgn, nullptr);
    EXPECT_TRUE(PtInRegion(rgn, 13, 24));
    EXPECT_FALSE(PtInRegion(rgn, 14, 24));
    DeleteObject(rgn);
}

TEST(MaskRegions, RunsAreMaximalAndInRowOrder)
{
    Mask m(6, 2);
    for (int x : {0, 1, 2, 5})
        m.Black(x, 0);
    m.Black(4, 1);
    m.bits[(1 * 6 + 2) * 3 + 1] = 1;  // nearly black is outside
    EXPECT_EQ(RectsOf(RegionDataFromMaskRows(m.rows.data(), 6, 2, 0, 0)),
              (std::vector<RECT>{MakeRect(0, 0, 3, 1), MakeRect(5, 0, 6, 1), MakeRect(4, 1, 5, 2)}));
    EXPECT_EQ(RegionFromData(RegionDataFromMaskRows(m.rows.data(), 0, 2, 0, 0)), nullptr);
    Mask white(3, 3);
    EXPECT_EQ(RegionFromData(RegionDataFromMaskRows(white.rows.data(), 3, 3, 0, 0)), nullptr);
}

TEST(MaskRegions, BusyMaskHasNoRunLimit)
{
    Mask m(300, 100);
    for (int y = 0; y < 100; ++y)
        for (int x = (y % 2); x < 300; x += 2)
            m.Black(x, y);
    const std::vector<std::uint8_t> data = RegionDataFromMaskRows(m.rows.data(), 300, 100, 0, 0);
    EXPECT_EQ(RectsOf(data).size(), 15000u);
    HRGN rgn = RegionFromData(data);
    ASSERT_NE(rgn, nullptr);
    EXPECT_TRUE(PtInRegion(rgn, 299, 99));
    EXPECT_FALSE(PtInRegion(rgn, 298, 99));
    DeleteObject(rgn);
}

TEST(MaskRegions, MaskBitmapsGiveRegionData)
{
    TBitmap mask;
    mask.SetPixelFormat(TPixelFormat::pf32bit);
    mask.SetSize(8, 8);
    for (int y = 0; y < 8; ++y) {
        auto* row = static_cast<std::uint32_t*>(mask.ScanLine(y));
        for (int x = 0; x < 8; ++x)
            row[x] = (x == 3 && y == 4) ? 0xFF000000u : 0xFFFFFFFFu;
    }
    std::vector<std::uint8_t> data;
    EXPECT_EQ(BuildRegionDataFromMask(&mask, 10, 20, data), 48);
    EXPECT_EQ(RectsOf(data), std::vector<RECT>{MakeRect(13, 24, 14, 25)});

    HRGN rgn = nullptr;
    CreateRegionFromMask(rgn, &mask);
    ASSERT_NE(rgn, nullptr);
    RECT box;
    GetRgnBox(rgn, &box);
    EXPECT_EQ(box, MakeRect(3, 4, 4, 5));
    DeleteObject(rgn);

    TBitmap empty;
    EXPECT_EQ(BuildRegionDataFromMask(&empty, 0, 0, data), 0);
    EXPECT_TRUE(data.empty());
    CreateRegionFromMask(rgn, &empty);
    EXPECT_EQ(rgn, nullptr);
}
