#include "classlib/Bitmap.h"
#include "classlib/Canvas.h"
#include "classlib/IcoFile.h"
#include "classlib/Icon.h"
#include "classlib/Picture.h"
#include "classlib/Streams.h"
#include "platform/gdi/Gdi.h"

#include "TestPaths.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

// 4 x 2: opaque red, half-transparent green, clear, opaque blue on the top row.
TDibData sample()
{
    TDibData d;
    d.Width = 4;
    d.Height = 2;
    d.BitsPerPixel = 32;
    d.HasAlpha = true;
    d.Allocate();
    const std::uint32_t row[4] = {0xFFFF0000, 0x8000FF00, 0x00000000, 0xFF0000FF};
    std::memcpy(d.Row(0), row, sizeof row);
    return d;
}

TEST(IconFile, PngEntriesRoundTripWithAlpha)
{
    TMemoryStream m;
    WriteIco(&m, sample());
    m.SetPosition(0);
    TDibData back = ReadIco(&m);
    EXPECT_EQ(back.Bits, sample().Bits);
    EXPECT_EQ(m.Position(), m.Size());
    const std::string file(static_cast<const char*>(m.Memory()), static_cast<std::size_t>(m.Size()));
    for (std::size_t n = 0; n < file.size(); ++n) {
        TMemoryStream cut;
        cut.WriteBuffer(file.data(), static_cast<std::int64_t>(n));
        cut.SetPosition(0);
        EXPECT_THROW(ReadIco(&cut), EInvalidGraphic) << n;
    }
}

TEST(IconFile, BitmapEntriesTakeTheirMask)
{
    // One 2 x 2 entry of 24 bits: colour rows, then mask rows, both bottom-up.
    std::vector<std::uint8_t> entry(40 + 2 * 8 + 2 * 4, 0);
    auto put = [&](std::size_t at, std::uint32_t v) { std::memcpy(&entry[at], &v, 4); };
    put(0, 40);
    put(4, 2);
    put(8, 4);  // doubled height
    entry[12] = 1;
    entry[14] = 24;
    entry[40 + 8 + 2] = 0xFF;  // top row (stored second), pixel 0: red
    entry[40 + 8 + 3] = 0xFF;  // top row, pixel 1: blue
    entry[40 + 16 + 4] = 0x40; // top row mask (stored second): pixel 1 transparent
    std::vector<std::uint8_t> file(6 + 16);
    file[2] = 1;
    file[4] = 1;
    file[6] = 2;
    file[7] = 2;
    file[12] = 24;
    std::uint32_t size = static_cast<std::uint32_t>(entry.size()), offset = 22;
    std::memcpy(&file[14], &size, 4);
    std::memcpy(&file[18], &offset, 4);
    file.insert(file.end(), entry.begin(), entry.end());
    TMemoryStream m;
    m.WriteBuffer(file.data(), static_cast<std::int64_t>(file.size()));
    m.SetPosition(0);
    TDibData img = ReadIco(&m);
    EXPECT_EQ(img.PixelARGB(0, 0), 0xFFFF0000u);
    EXPECT_EQ(img.PixelARGB(1, 0) >> 24, 0u);
    EXPECT_EQ(img.PixelARGB(0, 1), 0xFF000000u);
}

TEST(Icon, HandleRoundTripAndDrawing)
{
    TIcon icon;
    TBitmap b;
    b.SetPixelFormat(TPixelFormat::pf32bit);
    b.SetSize(4, 2);
    std::memcpy(b.ScanLine(0), sample().Row(0), 16);
    icon.Assign(&b);
    HICON h = icon.GetHandle();
    ASSERT_NE(h, nullptr);
    TIcon copy;
    copy.SetHandle(icon.ReleaseHandle());
    EXPECT_EQ(copy.GetDibData().PixelARGB(0, 0), 0xFFFF0000u);
    EXPECT_EQ(copy.GetDibData().PixelARGB(2, 0) >> 24, 0u);
    EXPECT_EQ(copy.GetHandle(), h);

    TBitmap back;
    back.SetSize(4, 2);
    back.Canvas()->Brush()->SetColor(clWhite);
    back.Canvas()->FillRect(RECT{0, 0, 4, 2});
    DrawIconEx(back.Canvas()->GetHandle(), 0, 0, copy.GetHandle(), 0, 0, 0, nullptr, DI_NORMAL);
    EXPECT_EQ(back.GetPixelColor(0, 0), RGB(255, 0, 0));
    EXPECT_EQ(back.GetPixelColor(2, 0), RGB(255, 255, 255));
    EXPECT_THROW(copy.SetHandle(reinterpret_cast<HICON>(0x1234)), EInvalidGraphic);

    zdtest::TempDir dir;
    copy.SaveToFile(dir.file("a.ico"));
    TPicture p;
    p.LoadFromFile(dir.file("a.ico"));
    EXPECT_NE(dynamic_cast<TIcon*>(p.GetGraphic()), nullptr);
    EXPECT_EQ(p.GetWidth(), 4);
}

} // namespace
