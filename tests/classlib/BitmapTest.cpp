#include "classlib/Bitmap.h"
#include "classlib/GifImage.h"
#include "classlib/JpegImage.h"
#include "classlib/Picture.h"
#include "classlib/PngImage.h"
#include "classlib/Streams.h"
#include "platform/gdi/SurfaceDC.h"
#include "platform/gdi/Surface.h"

#include "TestPaths.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

// A 32-bit bitmap whose pixel (x, y) is red x*20, green y*20, blue 7, alpha 200.
void paint32(TBitmap& b, int w, int h)
{
    b.SetPixelFormat(TPixelFormat::pf32bit);
    b.SetSize(w, h);
    for (int y = 0; y < h; ++y) {
        auto* row = static_cast<std::uint32_t*>(b.ScanLine(y));
        for (int x = 0; x < w; ++x)
            row[x] = 0xC8000007u | (static_cast<std::uint32_t>(x * 20) << 16) | (static_cast<std::uint32_t>(y * 20) << 8);
    }
}

TEST(Bitmap, ScanLinesAndSizeChangesKeepPixels)
{
    TBitmap b;
    int changes = 0;
    b.OnChange = [&](TObject*) { ++changes; };
    paint32(b, 4, 3);
    EXPECT_GT(changes, 0);
    EXPECT_EQ(b.GetPixelColor(2, 1), RGB(40, 20, 7));
    b.SetSize(6, 2);
    EXPECT_EQ(b.GetPixelColor(3, 1), RGB(60, 20, 7));
    EXPECT_EQ(b.GetPixelColor(5, 1), 0u);
    EXPECT_THROW(b.ScanLine(2), EInvalidGraphic);
    EXPECT_THROW(b.ScanLine(-1), EInvalidGraphic);
    EXPECT_NE(b.GetHandle(), nullptr);
    EXPECT_THROW(b.SetPixelFormat(TPixelFormat::pf16bit), EInvalidGraphic);
}

TEST(Bitmap, IndexedFormatsFollowTheirSectionBothWays)
{
    TBitmap b;
    b.SetPixelFormat(TPixelFormat::pf4bit);
    b.SetSize(3, 2);
    auto* row = static_cast<std::uint8_t*>(b.ScanLine(1));
    row[0] = 0x9C;  // pixels 0 and 1: palette entries 9 (red) and 12 (blue)
    std::shared_ptr<Surface> s = GetBitmapSurface(b.GetHandle());
    ASSERT_TRUE(s);
    EXPECT_EQ(s->Row(1)[0] & 0xFFFFFF, 0xFF0000u);
    EXPECT_EQ(s->Row(1)[1] & 0xFFFFFF, 0x0000FFu);

    // Drawing on the section (as the canvas does between BeforeDrawing and AfterDrawing) folds
    // back into the rows as the nearest palette colour.
    b.BeforeDrawing(true);
    s->Row(0)[2] = 0x00F0F0F0;  // near white
    b.AfterDrawing();
    EXPECT_EQ(static_cast<std::uint8_t*>(b.ScanLine(0))[1] >> 4, 15);  // pixel 2: high half of byte 1
}

TEST(Bitmap, PixelFormatConversions)
{
    TBitmap b;
    paint32(b, 5, 5);
    b.SetPixelFormat(TPixelFormat::pf24bit);
    auto* row = static_cast<std::uint8_t*>(b.ScanLine(2));
    EXPECT_EQ(row[3 * 4 + 2], 80);  // red of pixel (4, 2)
    b.SetPixelFormat(TPixelFormat::pf1bit);
    EXPECT_EQ(b.GetPalette().size(), 2u);
    EXPECT_EQ(b.GetPixelColor(0, 0), RGB(0, 0, 0));
    b.SetPixelFormat(TPixelFormat::pf8bit);
    EXPECT_EQ(b.GetPalette().size(), 256u);
    b.SetPixelFormat(TPixelFormat::pfDevice);
    EXPECT_EQ(b.GetDibData().HasAlpha, false);
}

TEST(Bitmap, TransparentColourByBottomLeftPixelOrFixed)
{
    TBitmap b;
    paint32(b, 4, 3);
    EXPECT_EQ(b.GetTransparentMode(), TTransparentMode::tmAuto);
    EXPECT_EQ(b.GetTransparentColor(), static_cast<TColor>(RGB(0, 40, 7)));
    b.SetTransparentColor(clFuchsia);
    EXPECT_EQ(b.GetTransparentMode(), TTransparentMode::tmFixed);
    EXPECT_EQ(b.GetTransparentColor(), clFuchsia);
    b.SetTransparentMode(TTransparentMode::tmAuto);
    EXPECT_EQ(b.GetTransparentColor(), static_cast<TColor>(RGB(0, 40, 7)));
}

TEST(Bitmap, BmpFilesKeepFormatAndPixels)
{
    for (TPixelFormat f : {TPixelFormat::pf1bit, TPixelFormat::pf4bit, TPixelFormat::pf8bit, TPixelFormat::pf24bit,
                           TPixelFormat::pf32bit}) {
        TBitmap b;
        paint32(b, 7, 3);
        b.SetPixelFormat(f);
        TMemoryStream m;
        b.SaveToStream(&m);
        m.SetPosition(0);
        TBitmap back;
        back.LoadFromStream(&m);
        EXPECT_EQ(back.GetPixelFormat(), f);
        EXPECT_EQ(back.GetWidth(), 7);
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 7; ++x)
                EXPECT_EQ(back.GetPixelColor(x, y), b.GetPixelColor(x, y));
    }
}

TEST(Picture, ChoosesTheKindByExtension)
{
    zdtest::TempDir dir;
    TBitmap b;
    paint32(b, 6, 4);
    TPngImage png;
    png.Assign(&b);  // a 32-bit bitmap carries its alpha into the PNG
    EXPECT_TRUE(png.GetTransparent());
    png.SaveToFile(dir.file("a.PNG"));
    TJPEGImage jpg;
    jpg.Assign(&b);
    jpg.SetCompressionQuality(80);
    jpg.SaveToFile(dir.file("a.jpg"));
    TGIFImage gif;
    gif.Assign(&b);
    gif.SaveToFile(dir.file("a.gif"));
    b.SaveToFile(dir.file("a.bmp"));

    TPicture p;
    int changes = 0;
    p.OnChange = [&](TObject*) { ++changes; };
    p.LoadFromFile(dir.file("a.PNG"));
    ASSERT_NE(dynamic_cast<TPngImage*>(p.GetGraphic()), nullptr);
    EXPECT_EQ(p.GetGraphic()->GetDibData().PixelARGB(1, 1) >> 24, 200u);
    p.LoadFromFile(dir.file("a.jpg"));
    EXPECT_NE(dynamic_cast<TJPEGImage*>(p.GetGraphic()), nullptr);
    p.LoadFromFile(dir.file("a.gif"));
    EXPECT_NE(dynamic_cast<TGIFImage*>(p.GetGraphic()), nullptr);
    p.LoadFromFile(dir.file("a.bmp"));
    EXPECT_EQ(p.Bitmap()->GetPixelFormat(), TPixelFormat::pf32bit);
    EXPECT_EQ(changes, 4);
    EXPECT_THROW(p.LoadFromFile(dir.file("a.tiff")), EInvalidGraphic);

    TPicture copy;
    copy.Assign(&p);
    EXPECT_NE(copy.GetGraphic(), p.GetGraphic());
    EXPECT_EQ(copy.GetWidth(), 6);
    TBitmap fromPicture;
    fromPicture.Assign(&p);
    EXPECT_EQ(fromPicture.GetHeight(), 4);
    p.Bitmap();  // already a bitmap: kept
    EXPECT_EQ(p.GetWidth(), 6);
}

} // namespace
