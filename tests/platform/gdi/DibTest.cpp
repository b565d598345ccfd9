#include "Canvas.h"

#include "platform/gdi/Bitmaps.h"
#include "platform/gdi/Dc.h"
#include "platform/gdi/Drawing.h"
#include "platform/gdi/Objects.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

namespace {

struct Dib {
    Dib(int w, int h, int bpp)
    {
        BITMAPINFO info{};
        info.bmiHeader.biWidth = w;
        info.bmiHeader.biHeight = h;
        info.bmiHeader.biBitCount = static_cast<WORD>(bpp);
        void* p = nullptr;
        bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &p, nullptr, 0);
        bits = static_cast<BYTE*>(p);
        dc = CreateCompatibleDC(nullptr);
        old = SelectObject(dc, bitmap);
    }
    ~Dib()
    {
        SelectObject(dc, old);
        DeleteDC(dc);
        DeleteObject(bitmap);
    }
    HBITMAP bitmap;
    BYTE* bits;
    HDC dc;
    HGDIOBJ old;
};

TEST(DibSection, ByteOrderAndRowOrderAsOnWindows)
{
    // 32 bits, bottom-up: the top-left pixel is the first word of the last row in memory.
    Dib up(2, 2, 32);
    SetPixel(up.dc, 0, 0, RGB(0x11, 0x22, 0x33));
    EXPECT_EQ((std::array<BYTE, 4>{up.bits[8], up.bits[9], up.bits[10], up.bits[11]}),
              (std::array<BYTE, 4>{0x33, 0x22, 0x11, 0x00}));
    // 32 bits, top-down: the first word.
    Dib down(2, -2, 32);
    SetPixel(down.dc, 0, 0, RGB(0x11, 0x22, 0x33));
    EXPECT_EQ(reinterpret_cast<std::uint32_t*>(down.bits)[0], 0x00112233u);

    // 24 bits, bottom-up, 3 pixels: rows of 9 bytes padded to 12; drawing leaves the padding.
    Dib packed(3, 2, 24);
    RECT all{0, 0, 3, 2};
    FillRect(packed.dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    SetPixel(packed.dc, 2, 0, RGB(0x11, 0x22, 0x33));
    const BYTE* top = packed.bits + 12;  // picture row 0 is the second row in memory
    EXPECT_EQ((std::array<BYTE, 6>{top[6], top[7], top[8], top[9], top[10], top[11]}),
              (std::array<BYTE, 6>{0x33, 0x22, 0x11, 0, 0, 0}));
    EXPECT_EQ(packed.bits[0], 0xFF);
    EXPECT_EQ(GetPixel(packed.dc, 2, 0), RGB(0x11, 0x22, 0x33));

    DIBSECTION ds;
    ASSERT_EQ(GetObject(packed.bitmap, sizeof ds, &ds), static_cast<int>(sizeof ds));
    EXPECT_EQ(ds.dsBm.bmWidthBytes, 12);
    EXPECT_EQ(ds.dsBm.bmBits, packed.bits);
    EXPECT_EQ(ds.dsBmih.biHeight, 2);
    EXPECT_EQ(ds.dsBmih.biSizeImage, 24u);

    BITMAPINFO bad{};
    bad.bmiHeader.biWidth = 4;
    bad.bmiHeader.biHeight = 4;
    bad.bmiHeader.biBitCount = 16;
    void* p = &bad;
    EXPECT_EQ(CreateDIBSection(nullptr, &bad, DIB_RGB_COLORS, &p, nullptr, 0), nullptr);
    EXPECT_EQ(p, nullptr);
}

TEST(DibBits, GetDIBitsConvertsToTheRequestedLayout)
{
    Canvas c(2, 2);
    c.at(0, 0) = 0x80112233;
    c.at(1, 1) = 0x00445566;
    HDC screen = CreateDC("DISPLAY", nullptr, nullptr, nullptr);

    BITMAPINFO info{};
    ASSERT_TRUE(GetDIBits(screen, c.bitmap(), 0, 0, nullptr, &info, DIB_RGB_COLORS));
    EXPECT_EQ(info.bmiHeader.biWidth, 2);
    EXPECT_EQ(info.bmiHeader.biBitCount, 32);

    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biHeight = -2;  // top-down
    std::vector<BYTE> rows(16, 0xEE);
    EXPECT_EQ(GetDIBits(screen, c.bitmap(), 0, 2, rows.data(), &info, DIB_RGB_COLORS), 2);
    // Rows of 6 bytes padded to 8; alpha is dropped.
    EXPECT_EQ(rows, (std::vector<BYTE>{0x33, 0x22, 0x11, 0, 0, 0, 0, 0, 0, 0, 0, 0x66, 0x55, 0x44, 0, 0}));

    info.bmiHeader.biHeight = 2;  // bottom-up: scan line 0 is the bottom row
    rows.assign(16, 0xEE);
    EXPECT_EQ(GetDIBits(screen, c.bitmap(), 0, 1, rows.data(), &info, DIB_RGB_COLORS), 1);
    EXPECT_EQ(rows[3], 0x66);
    EXPECT_EQ(rows[8], 0xEE);  // only one line asked for

    // One bit per pixel from a monochrome bitmap, with its two-colour table.
    const BYTE maskBits[] = {0xA0, 0x00, 0x40, 0x00};  // rows 101 and 010
    HBITMAP mask = CreateBitmap(3, 2, 1, 1, maskBits);
    struct {
        BITMAPINFOHEADER header;
        RGBQUAD colours[2];
    } mono{};
    mono.header.biWidth = 3;
    mono.header.biHeight = 2;
    mono.header.biBitCount = 1;
    std::vector<BYTE> monoRows(8);
    EXPECT_EQ(GetDIBits(screen, mask, 0, 2, monoRows.data(), reinterpret_cast<BITMAPINFO*>(&mono), DIB_RGB_COLORS), 2);
    EXPECT_EQ(monoRows, (std::vector<BYTE>{0x40, 0, 0, 0, 0xA0, 0, 0, 0}));  // bottom row first
    EXPECT_EQ(mono.colours[1].rgbRed, 255);
    DeleteObject(mask);
    DeleteDC(screen);
}

TEST(DibBits, DrawingFromDibMemoryKeepsPicturesUpright)
{
    // A 2 x 2 picture, 24 bits, given both ways round: top row red red, bottom row blue blue.
    const BYTE redRow[] = {0, 0, 255, 0, 0, 255, 0, 0};
    const BYTE blueRow[] = {255, 0, 0, 255, 0, 0, 0, 0};
    std::vector<BYTE> down(redRow, redRow + 8), up(blueRow, blueRow + 8);
    down.insert(down.end(), blueRow, blueRow + 8);
    up.insert(up.end(), redRow, redRow + 8);

    BITMAPINFO info{};
    info.bmiHeader.biWidth = 2;
    info.bmiHeader.biBitCount = 24;
    const std::map<std::uint32_t, char> legend{{0x00FF0000, 'r'}, {0x000000FF, 'b'}, {0, '.'}};
    for (int height : {-2, 2}) {
        info.bmiHeader.biHeight = height;
        const BYTE* bits = height < 0 ? down.data() : up.data();
        Canvas a(3, 2);
        EXPECT_EQ(SetDIBitsToDevice(a.dc(), 1, 0, 2, 2, 0, 0, 0, 2, bits, &info, DIB_RGB_COLORS), 2);
        EXPECT_EQ(a.Picture(legend), ".rr\n.bb\n") << height;
        Canvas b(2, 4);
        EXPECT_EQ(StretchDIBits(b.dc(), 0, 0, 2, 4, 0, 0, 2, 2, bits, &info, DIB_RGB_COLORS, SRCCOPY), 2);
        EXPECT_EQ(b.Picture(legend), "rr\nrr\nbb\nbb\n") << height;
        // The source's y counts from the bottom row for bottom-up pictures.
        Canvas c(2, 1);
        SetDIBitsToDevice(c.dc(), 0, 0, 2, 1, 0, 0, 0, 2, bits, &info, DIB_RGB_COLORS);
        EXPECT_EQ(c.Picture(legend), height < 0 ? "rr\n" : "bb\n");
    }
}

} // namespace
