#include "classlib/BmpFile.h"
#include "classlib/GifFile.h"
#include "classlib/JpegFile.h"
#include "classlib/PngFile.h"
#include "classlib/Streams.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>

namespace {

// A picture whose every pixel differs from its neighbours, at any depth.
TDibData pattern(int bpp, int w = 13, int h = 7)
{
    TDibData img;
    img.Width = w;
    img.Height = h;
    img.BitsPerPixel = bpp;
    img.Allocate();
    if (bpp <= 8)
        for (int i = 0; i < (1 << bpp); ++i)
            img.Palette.push_back(TPaletteEntry{static_cast<std::uint8_t>(i * 7), static_cast<std::uint8_t>(255 - i), static_cast<std::uint8_t>(i * 3), 0});
    for (int y = 0; y < h; ++y)
        for (std::size_t b = 0; b < static_cast<std::size_t>(img.RowBytes()); ++b)
            img.Row(y)[b] = static_cast<std::uint8_t>(y * 31 + b * 17 + 5);
    // Padding bytes at the end of rows carry nothing; keep them zero so pictures compare.
    int used = (w * bpp + 7) / 8;
    for (int y = 0; y < h; ++y) {
        std::memset(img.Row(y) + used, 0, static_cast<std::size_t>(img.RowBytes() - used));
        if ((w * bpp) % 8)
            img.Row(y)[used - 1] &= static_cast<std::uint8_t>(0xFF << (8 - (w * bpp) % 8));
    }
    return img;
}

std::string bytes(TMemoryStream& m)
{
    return std::string(static_cast<const char*>(m.Memory()), static_cast<std::size_t>(m.Size()));
}

TMemoryStream* streamOf(const std::string& data)
{
    auto* m = new TMemoryStream;
    if (!data.empty())
        m->WriteBuffer(data.data(), static_cast<std::int64_t>(data.size()));
    m->SetPosition(0);
    return m;
}

// The same file with its rows stored top-down (negative height).
std::string topDown(const std::string& file, const TDibData& img)
{
    std::string r = file;
    std::uint32_t off;
    std::memcpy(&off, &r[10], 4);
    std::int32_t h = -img.Height;
    std::memcpy(&r[22], &h, 4);
    std::size_t stride = static_cast<std::size_t>(img.RowBytes());
    for (int y = 0; y < img.Height; ++y)
        r.replace(off + y * stride, stride, file, off + (img.Height - 1 - y) * stride, stride);
    return r;
}

void expectSame(const TDibData& a, const TDibData& b)
{
    ASSERT_EQ(a.Width, b.Width);
    ASSERT_EQ(a.Height, b.Height);
    ASSERT_EQ(a.BitsPerPixel, b.BitsPerPixel);
    EXPECT_EQ(a.Palette, b.Palette);
    EXPECT_EQ(a.Bits, b.Bits);
}

TEST(BmpFile, RoundTripAtEveryDepthInBothRowOrders)
{
    for (int bpp : {1, 4, 8, 24, 32}) {
        SCOPED_TRACE(bpp);
        TDibData img = pattern(bpp);
        TMemoryStream m;
        WriteBmp(&m, img);
        std::string file = bytes(m);
        m.SetPosition(0);
        expectSame(ReadBmp(&m), img);
        EXPECT_EQ(m.Position(), m.Size());

        std::unique_ptr<TMemoryStream> td(streamOf(topDown(file, img)));
        expectSame(ReadBmp(td.get()), img);
    }
}

TEST(BmpFile, ReadsExactlyTheHeadersSizeSoPicturesCanFollowEachOther)
{
    TMemoryStream m;
    WriteBmp(&m, pattern(8, 3, 3));
    std::int64_t firstEnd = m.Position();
    WriteBmp(&m, pattern(24, 5, 2));
    m.WriteBuffer("tail", 4);
    m.SetPosition(0);
    EXPECT_EQ(ReadBmp(&m).Width, 3);
    EXPECT_EQ(m.Position(), firstEnd);
    EXPECT_EQ(ReadBmp(&m).Width, 5);
    char tail[4];
    m.ReadBuffer(tail, 4);
    EXPECT_EQ(std::string(tail, 4), "tail");
}

// Every cut of a valid file, and each inconsistency, is refused with EInvalidGraphic.
void expectEveryTruncationRefused(const std::string& file, const std::function<void(TStream*)>& read)
{
    for (std::size_t n = 0; n < file.size(); ++n) {
        std::unique_ptr<TMemoryStream> s(streamOf(file.substr(0, n)));
        EXPECT_THROW(read(s.get()), EInvalidGraphic) << "cut at " << n;
    }
}

TEST(BmpFile, RefusesTruncatedAndInconsistentFiles)
{
    TMemoryStream m;
    WriteBmp(&m, pattern(4));
    const std::string good = bytes(m);
    expectEveryTruncationRefused(good, [](TStream* s) { ReadBmp(s); });

    auto patched = [&](std::size_t at, std::uint32_t value, int size = 4) {
        std::string f = good;
        std::memcpy(&f[at], &value, static_cast<std::size_t>(size));
        return f;
    };
    const std::string bad[] = {
        patched(2, 20),                        // file size too small for the pixels
        patched(2, 0xFFFFFFF0u),               // file size beyond the stream
        patched(10, 4000),                     // pixel data past the end
        patched(10, 20),                       // pixel data inside the headers
        patched(14, 7),                        // unknown header size
        patched(18, 0),                        // zero width
        patched(18, 0x80000000u),              // negative width
        patched(18, 100000),                   // absurd width
        patched(28, 16, 2),                    // 16 bits per pixel
        patched(30, 1),                        // run-length compression
        patched(46, 17),                       // more colours than 4 bits allow
        "BM",
        "XY" + good.substr(2),
    };
    for (const std::string& f : bad) {
        std::unique_ptr<TMemoryStream> s(streamOf(f));
        EXPECT_THROW(ReadBmp(s.get()), EInvalidGraphic);
    }
}

TEST(BmpFile, ReadsBitFieldsAndCoreHeaders)
{
    // 2 x 1 pixels, 32-bit bit fields with the red mask in the low byte.
    std::string f(14 + 40 + 12 + 8, '\0');
    auto put = [&](std::size_t at, std::uint32_t v) { std::memcpy(&f[at], &v, 4); };
    f[0] = 'B';
    f[1] = 'M';
    put(2, static_cast<std::uint32_t>(f.size()));
    put(10, 14 + 40 + 12);
    put(14, 40);
    put(18, 2);
    put(22, 1);
    f[26] = 1;
    f[28] = 32;
    put(30, 3);
    put(54, 0x000000FF);  // red
    put(58, 0x0000FF00);  // green
    put(62, 0x00FF0000);  // blue
    put(66, 0x00332211);  // r=11 g=22 b=33
    put(70, 0x000000FF);  // pure red
    std::unique_ptr<TMemoryStream> s(streamOf(f));
    TDibData img = ReadBmp(s.get());
    EXPECT_EQ(img.PixelARGB(0, 0), 0xFF112233u);
    EXPECT_EQ(img.PixelARGB(1, 0), 0xFFFF0000u);

    // 1 x 1, core header, 1 bit, two palette triples.
    std::string c(14 + 12 + 6 + 4, '\0');
    c[0] = 'B';
    c[1] = 'M';
    std::uint32_t size = static_cast<std::uint32_t>(c.size()), off = 14 + 12 + 6, hs = 12;
    std::memcpy(&c[2], &size, 4);
    std::memcpy(&c[10], &off, 4);
    std::memcpy(&c[14], &hs, 4);
    c[18] = 1;                     // width
    c[20] = 1;                     // height
    c[22] = 1;                     // planes
    c[24] = 1;                     // bits per pixel
    c[29] = '\x40';                // palette entry 1: blue, green, red
    c[30] = '\x50';
    c[31] = '\x60';
    c[32] = static_cast<char>(0x80);  // the pixel uses entry 1
    std::unique_ptr<TMemoryStream> cs(streamOf(c));
    EXPECT_EQ(ReadBmp(cs.get()).PixelARGB(0, 0), 0xFF605040u);
    c[24] = 8;  // 256 entries declared by 8 bits do not fit before the pixels
    std::unique_ptr<TMemoryStream> cs8(streamOf(c));
    EXPECT_THROW(ReadBmp(cs8.get()), EInvalidGraphic);
}

TEST(PngFile, AlphaSurvivesARoundTrip)
{
    TDibData img = pattern(32, 9, 4);
    img.HasAlpha = true;
    TMemoryStream m;
    WritePng(&m, img);
    m.SetPosition(0);
    TDibData back = ReadPng(&m);
    EXPECT_TRUE(back.HasAlpha);
    expectSame(back, img);

    TDibData rgb = pattern(24, 5, 5);
    TMemoryStream m2;
    WritePng(&m2, rgb);
    m2.SetPosition(0);
    TDibData back2 = ReadPng(&m2);
    EXPECT_FALSE(back2.HasAlpha);
    EXPECT_EQ(back2.PixelARGB(3, 2), rgb.PixelARGB(3, 2));

    TDibData pal = pattern(4, 6, 3);
    pal.TransparentIndex = 2;
    TMemoryStream m3;
    WritePng(&m3, pal);
    m3.SetPosition(0);
    TDibData back3 = ReadPng(&m3);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 6; ++x)
            EXPECT_EQ(back3.PixelARGB(x, y), pal.PixelARGB(x, y));
}

TEST(PngFile, RefusesTruncatedFiles)
{
    TMemoryStream m;
    WritePng(&m, pattern(32, 20, 20));
    const std::string good = bytes(m);
    expectEveryTruncationRefused(good, [](TStream* s) { ReadPng(s); });
    std::string corrupt = good;
    corrupt[40] ^= 0x55;
    std::unique_ptr<TMemoryStream> s(streamOf(corrupt));
    EXPECT_THROW(ReadPng(s.get()), EInvalidGraphic);
}

TEST(JpegFile, WritesBaselineAndReadsBack)
{
    TDibData img;
    img.Width = 40;
    img.Height = 24;
    img.BitsPerPixel = 24;
    img.Allocate();
    for (int y = 0; y < img.Height; ++y)
        for (int x = 0; x < img.Width; ++x) {
            std::uint8_t* p = img.Row(y) + x * 3;
            p[0] = static_cast<std::uint8_t>(x * 6);   // blue ramp
            p[1] = 128;
            p[2] = static_cast<std::uint8_t>(y * 10);  // red ramp
        }
    TMemoryStream low, high;
    WriteJpeg(&low, img, 10, false);
    WriteJpeg(&high, img, 95, false);
    EXPECT_LT(low.Size(), high.Size());
    std::string file = bytes(high);
    EXPECT_NE(file.find("\xFF\xC0"), std::string::npos);  // baseline frame marker
    EXPECT_EQ(file.find("\xFF\xC2"), std::string::npos);  // not progressive
    high.SetPosition(0);
    TDibData back = ReadJpeg(&high);
    ASSERT_EQ(back.Width, 40);
    ASSERT_EQ(back.Height, 24);
    EXPECT_EQ(back.BitsPerPixel, 24);
    std::uint32_t c = back.PixelARGB(30, 20);
    EXPECT_NEAR(static_cast<int>((c >> 16) & 0xFF), 200, 12);
    EXPECT_NEAR(static_cast<int>((c >> 8) & 0xFF), 128, 12);
    EXPECT_NEAR(static_cast<int>(c & 0xFF), 180, 12);

    TMemoryStream grey;
    WriteJpeg(&grey, img, 75, true);
    grey.SetPosition(0);
    std::uint32_t g = ReadJpeg(&grey).PixelARGB(5, 5);
    EXPECT_EQ((g >> 16) & 0xFF, g & 0xFF);

    expectEveryTruncationRefused(file.substr(0, file.size() - 2) + "", [](TStream* s) { ReadJpeg(s); });
}

TEST(GifFile, ReducesToAtMost256ColoursAndReadsBack)
{
    TDibData img;
    img.Width = 64;
    img.Height = 32;
    img.BitsPerPixel = 24;
    img.Allocate();
    for (int y = 0; y < img.Height; ++y)
        for (int x = 0; x < img.Width; ++x) {
            std::uint8_t* p = img.Row(y) + x * 3;
            p[0] = static_cast<std::uint8_t>(x * 4);
            p[1] = static_cast<std::uint8_t>(y * 8);
            p[2] = static_cast<std::uint8_t>((x + y) * 3);
        }
    TMemoryStream m;
    WriteGif(&m, img);  // 2048 distinct colours
    m.SetPosition(0);
    TDibData back = ReadGif(&m);
    EXPECT_EQ(back.Width, 64);
    EXPECT_EQ(back.Height, 32);
    EXPECT_EQ(back.BitsPerPixel, 8);
    EXPECT_LE(back.Palette.size(), 256u);
    std::uint32_t c = back.PixelARGB(40, 20);
    EXPECT_NEAR(static_cast<int>(c & 0xFF), 160, 24);
    EXPECT_NEAR(static_cast<int>((c >> 8) & 0xFF), 160, 24);

    TDibData few = pattern(32, 8, 8);  // few colours, some transparent: kept exactly
    few.HasAlpha = true;
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) {
            std::uint8_t* p = few.Row(y) + x * 4;
            p[0] = static_cast<std::uint8_t>(x * 30);
            p[1] = static_cast<std::uint8_t>(y * 30);
            p[2] = 7;
            p[3] = x == y ? 0 : 255;
        }
    TMemoryStream m2;
    WriteGif(&m2, few);
    m2.SetPosition(0);
    TDibData back2 = ReadGif(&m2);
    ASSERT_GE(back2.TransparentIndex, 0);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            EXPECT_EQ(back2.PixelARGB(x, y), x == y ? back2.PixelARGB(0, 0) : few.PixelARGB(x, y) | 0xFF000000u);
    EXPECT_EQ(back2.PixelARGB(3, 3) >> 24, 0u);

    const std::string good = bytes(m2);
    expectEveryTruncationRefused(good.substr(0, good.size() - 1), [](TStream* s) { ReadGif(s); });
}

} // namespace
