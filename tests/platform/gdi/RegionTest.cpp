#include "platform/gdi/Objects.h"
#include "platform/gdi/Region.h"
#include "platform/gdi/Regions.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

using Rects = std::vector<RECT>;

Region Of(Rects rects)
{
    return Region::FromRects(rects);
}

struct AlgebraCase {
    const char* name;
    Rects a, b;
    Region::Op op;
    Rects expected;
};

TEST(Region, AlgebraGivesCanonicalBands)
{
    const Rects square{{0, 0, 10, 10}};
    const Rects shifted{{5, 5, 15, 15}};
    const AlgebraCase cases[] = {
        {"and", square, shifted, Region::Op::And, {{5, 5, 10, 10}}},
        {"or", square, shifted, Region::Op::Or, {{0, 0, 10, 5}, {0, 5, 15, 10}, {5, 10, 15, 15}}},
        {"diff", square, shifted, Region::Op::Diff, {{0, 0, 10, 5}, {0, 5, 5, 10}}},
        {"xor", square, shifted, Region::Op::Xor,
         {{0, 0, 10, 5}, {0, 5, 5, 10}, {10, 5, 15, 10}, {5, 10, 15, 15}}},
        {"disjoint and", {{0, 0, 5, 5}}, {{5, 0, 10, 5}}, Region::Op::And, {}},
        {"side by side merge", {{0, 0, 5, 5}}, {{5, 0, 10, 5}}, Region::Op::Or, {{0, 0, 10, 5}}},
        {"stacked merge", {{0, 0, 5, 5}}, {{0, 5, 5, 10}}, Region::Op::Or, {{0, 0, 5, 10}}},
        {"hole", square, {{3, 3, 6, 6}}, Region::Op::Diff,
         {{0, 0, 10, 3}, {0, 3, 3, 6}, {6, 3, 10, 6}, {0, 6, 10, 10}}},
        {"filling the hole", {{0, 0, 10, 3}, {0, 3, 3, 6}, {6, 3, 10, 6}, {0, 6, 10, 10}}, {{3, 3, 6, 6}},
         Region::Op::Or, {{0, 0, 10, 10}}},
        {"xor with itself", square, square, Region::Op::Xor, {}},
    };
    for (const AlgebraCase& c : cases) {
        Region r = Of(c.a).Combine(Of(c.b), c.op);
        EXPECT_EQ(r.Rects(), c.expected) << c.name;
    }
}

TEST(Region, SameAreaBuiltDifferentlyIsEqual)
{
    Region a = Of({{0, 0, 4, 4}, {2, 2, 8, 8}, {0, 0, 1, 1}});
    Region b = Region(RECT{2, 2, 8, 8}).Union(Region(RECT{0, 0, 4, 4}));
    EXPECT_EQ(a, b);
    EXPECT_EQ(a.Bounds(), (RECT{0, 0, 8, 8}));
    EXPECT_EQ(Region(RECT{5, 5, 5, 9}), Region());  // empty rectangle
    EXPECT_EQ(Region().Bounds(), RECT{});
}

TEST(Region, ContainsExcludesRightAndBottomEdges)
{
    Region r = Of({{0, 0, 4, 4}, {10, 0, 12, 2}});
    EXPECT_TRUE(r.Contains(0, 0));
    EXPECT_TRUE(r.Contains(3, 3));
    EXPECT_FALSE(r.Contains(4, 3));
    EXPECT_FALSE(r.Contains(3, 4));
    EXPECT_FALSE(r.Contains(7, 1));
    EXPECT_TRUE(r.Contains(11, 1));
    EXPECT_FALSE(r.Contains(11, 2));
    EXPECT_TRUE(r.Intersects(RECT{3, 3, 20, 20}));
    EXPECT_FALSE(r.Intersects(RECT{4, 0, 10, 10}));

    ASSERT_TRUE(r.Offset(-10, 5));
    EXPECT_TRUE(r.Contains(-10, 5));
    EXPECT_EQ(r.Bounds(), (RECT{-10, 5, 2, 9}));
    EXPECT_FALSE(r.Offset(0x7FFFFFFF, 0));  // would overflow: refused, unchanged
    EXPECT_EQ(r.Bounds(), (RECT{-10, 5, 2, 9}));
}

TEST(RegionHandles, CombineReportsComplexityAndAllowsAliasing)
{
    HRGN a = CreateRectRgn(10, 10, 0, 0);  // corners in any order
    HRGN b = CreateRectRgn(5, 5, 15, 15);
    HRGN d = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(CombineRgn(d, a, b, RGN_AND), SIMPLEREGION);
    EXPECT_EQ(CombineRgn(d, a, b, RGN_OR), COMPLEXREGION);
    EXPECT_EQ(CombineRgn(a, a, a, RGN_DIFF), NULLREGION);  // destination is a source
    EXPECT_EQ(CombineRgn(d, b, nullptr, RGN_COPY), SIMPLEREGION);
    EXPECT_TRUE(EqualRgn(d, b));
    EXPECT_EQ(CombineRgn(d, a, b, 99), ERROR);
    EXPECT_EQ(CombineRgn(d, a, nullptr, RGN_OR), ERROR);

    RECT box;
    EXPECT_EQ(OffsetRgn(b, 1, 2), SIMPLEREGION);
    EXPECT_EQ(GetRgnBox(b, &box), SIMPLEREGION);
    EXPECT_EQ(box, (RECT{6, 7, 16, 17}));
    EXPECT_TRUE(PtInRegion(b, 6, 7));
    EXPECT_FALSE(PtInRegion(b, 16, 7));
    RECT probe{0, 0, 7, 8};
    EXPECT_TRUE(RectInRegion(b, &probe));

    EXPECT_TRUE(DeleteObject(b));
    EXPECT_FALSE(PtInRegion(b, 6, 7));  // a deleted handle is unknown
    EXPECT_EQ(GetRgnBox(b, &box), ERROR);
    EXPECT_FALSE(DeleteObject(b));
    DeleteObject(a);
    DeleteObject(d);
}

std::vector<char> RegionData(const Rects& rects, DWORD claimedCount)
{
    std::vector<char> data(sizeof(RGNDATAHEADER) + rects.size() * sizeof(RECT));
    RGNDATAHEADER h;
    h.nCount = claimedCount;
    std::memcpy(data.data(), &h, sizeof h);
    std::memcpy(data.data() + sizeof h, rects.data(), rects.size() * sizeof(RECT));
    return data;
}

TEST(RegionHandles, RectangleDataRoundTrip)
{
    // One black pixel of a mask at (3, 4) scanned at offset (10, 20).
    std::vector<char> one = RegionData({{13, 24, 14, 25}}, 1);
    HRGN r = ExtCreateRegion(nullptr, static_cast<DWORD>(one.size()), reinterpret_cast<RGNDATA*>(one.data()));
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(GetRegionData(r, 0, nullptr), 48u);
    std::vector<char> back(48);
    EXPECT_EQ(GetRegionData(r, 48, reinterpret_cast<RGNDATA*>(back.data())), 48u);
    RGNDATAHEADER h;
    std::memcpy(&h, back.data(), sizeof h);
    EXPECT_EQ(h.nCount, 1u);
    EXPECT_EQ(h.rcBound, (RECT{13, 24, 14, 25}));
    EXPECT_TRUE(std::equal(back.begin() + 32, back.end(), one.begin() + 32));
    EXPECT_EQ(GetRegionData(r, 47, reinterpret_cast<RGNDATA*>(back.data())), 0u);
    DeleteObject(r);

    // Overlapping runs in any order become one banded region.
    std::vector<char> runs = RegionData({{0, 1, 4, 2}, {0, 0, 2, 1}, {1, 0, 4, 1}}, 3);
    r = ExtCreateRegion(nullptr, static_cast<DWORD>(runs.size()), reinterpret_cast<RGNDATA*>(runs.data()));
    Region value;
    ASSERT_TRUE(GetRgnRegion(r, &value));
    EXPECT_EQ(value.Rects(), (Rects{{0, 0, 4, 2}}));
    DeleteObject(r);

    // A header claiming more rectangles than the buffer holds is refused.
    std::vector<char> lying = RegionData({{0, 0, 1, 1}}, 1000);
    EXPECT_EQ(ExtCreateRegion(nullptr, static_cast<DWORD>(lying.size()), reinterpret_cast<RGNDATA*>(lying.data())),
              nullptr);
}

} // namespace
