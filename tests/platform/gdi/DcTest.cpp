#include "platform/gdi/Bitmaps.h"
#include "platform/gdi/Dc.h"
#include "platform/gdi/Objects.h"
#include "platform/gdi/Region.h"
#include "platform/gdi/Regions.h"
#include "platform/gdi/Surface.h"
#include "platform/gdi/SurfaceDC.h"

#include <gtest/gtest.h>

namespace {

TEST(Dc, SaveAndRestoreBringBackOriginsColoursObjectsAndClip)
{
    HDC dc = CreateCompatibleDC(nullptr);
    HPEN red = CreatePen(PS_SOLID, 1, RGB(255, 0, 0));
    SetViewportOrgEx(dc, 5, 6, nullptr);
    int first = SaveDC(dc);
    EXPECT_EQ(first, 1);

    HGDIOBJ stockPen = SelectObject(dc, red);
    EXPECT_EQ(stockPen, GetStockObject(BLACK_PEN));
    SetTextColor(dc, RGB(1, 2, 3));
    OffsetViewportOrgEx(dc, 10, 10, nullptr);
    SetWindowOrgEx(dc, -1, -2, nullptr);
    IntersectClipRect(dc, 0, 0, 1, 1);
    EXPECT_EQ(SaveDC(dc), 2);
    SetBkMode(dc, TRANSPARENT);

    EXPECT_FALSE(DeleteObject(red));  // still selected (and saved)
    EXPECT_TRUE(RestoreDC(dc, -1));
    EXPECT_EQ(GetBkMode(dc), OPAQUE);
    POINT vp, wo;
    GetViewportOrgEx(dc, &vp);
    GetWindowOrgEx(dc, &wo);
    EXPECT_EQ(vp, (POINT{15, 16}));
    EXPECT_EQ(wo, (POINT{-1, -2}));

    EXPECT_TRUE(RestoreDC(dc, first));
    GetViewportOrgEx(dc, &vp);
    EXPECT_EQ(vp, (POINT{5, 6}));
    EXPECT_EQ(GetTextColor(dc), RGB(0, 0, 0));
    EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), GetStockObject(BLACK_PEN));
    HRGN probe = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(GetClipRgn(dc, probe), 0);
    EXPECT_FALSE(RestoreDC(dc, 1));  // that level is gone now
    EXPECT_TRUE(DeleteObject(red));  // no longer selected anywhere
    DeleteObject(probe);
    DeleteDC(dc);
}

TEST(Dc, ClipOperationsOnASurfaceContext)
{
    // A window at (10, 20) of its top-level surface whose right part is covered.
    auto surface = std::make_shared<Surface>(100, 100);
    HDC dc = CreateSurfaceDC(surface, POINT{10, 20}, Region(RECT{0, 0, 50, 40}));
    RECT box;
    EXPECT_EQ(GetClipBox(dc, &box), SIMPLEREGION);
    EXPECT_EQ(box, (RECT{0, 0, 50, 40}));

    EXPECT_EQ(ExcludeClipRect(dc, 10, 0, 20, 40), COMPLEXREGION);
    HRGN rgn = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(GetClipRgn(dc, rgn), 1);
    EXPECT_TRUE(PtInRegion(rgn, 9, 5));
    EXPECT_FALSE(PtInRegion(rgn, 10, 5));

    // Clip rectangles are logical, regions device: moving the origin moves only the former.
    SetViewportOrgEx(dc, 5, 0, nullptr);
    EXPECT_EQ(IntersectClipRect(dc, 0, 0, 10, 40), SIMPLEREGION);  // device 5..15 minus 10..20
    GetClipBox(dc, &box);
    EXPECT_EQ(box, (RECT{0, 0, 5, 40}));

    EXPECT_EQ(SelectClipRgn(dc, nullptr), SIMPLEREGION);
    EXPECT_EQ(GetClipRgn(dc, rgn), 0);
    // The device clip given by the window manager always applies.
    EXPECT_TRUE(SetSurfaceDCClip(dc, Region(RECT{0, 0, 5, 5})));
    SetViewportOrgEx(dc, 0, 0, nullptr);
    GetClipBox(dc, &box);
    EXPECT_EQ(box, (RECT{0, 0, 5, 5}));
    HDC memory = CreateCompatibleDC(dc);
    EXPECT_FALSE(SetSurfaceDCClip(memory, Region()));
    DeleteDC(memory);
    DeleteObject(rgn);
    DeleteDC(dc);
}

TEST(Dc, BitmapsSelectOnlyIntoMemoryContexts)
{
    HDC screen = CreateDC("DISPLAY", nullptr, nullptr, nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP colour = CreateCompatibleBitmap(screen, 8, 4);
    HBITMAP mono = CreateCompatibleBitmap(dc, 8, 4);  // the new context holds a 1 x 1 mono bitmap
    BITMAP bm;
    ASSERT_EQ(GetObject(mono, sizeof bm, &bm), static_cast<int>(sizeof bm));
    EXPECT_EQ(bm.bmBitsPixel, 1);
    EXPECT_EQ(bm.bmWidthBytes, 2);
    GetObject(colour, sizeof bm, &bm);
    EXPECT_EQ(bm.bmBitsPixel, 32);
    EXPECT_EQ(bm.bmBits, nullptr);

    HGDIOBJ original = SelectObject(dc, colour);
    ASSERT_NE(original, nullptr);
    EXPECT_EQ(SelectObject(screen, colour), nullptr);
    EXPECT_FALSE(DeleteObject(colour));
    RECT box;
    GetClipBox(dc, &box);
    EXPECT_EQ(box, (RECT{0, 0, 8, 4}));
    EXPECT_EQ(SelectObject(dc, original), colour);
    EXPECT_TRUE(DeleteObject(colour));
    EXPECT_TRUE(DeleteObject(mono));
    EXPECT_EQ(CreateCompatibleBitmap(screen, -1, 5), nullptr);
    EXPECT_EQ(CreateCompatibleBitmap(screen, 1 << 20, 1 << 20), nullptr);

    // Deleting a context releases what it held.
    HBITMAP held = CreateCompatibleBitmap(screen, 2, 2);
    SelectObject(dc, held);
    EXPECT_TRUE(DeleteDC(dc));
    EXPECT_FALSE(DeleteDC(dc));
    EXPECT_FALSE(DeleteObject(screen));  // a context is not deleted by DeleteObject
    EXPECT_TRUE(DeleteObject(held));
    EXPECT_TRUE(DeleteDC(screen));
}

} // namespace
