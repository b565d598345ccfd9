#include "classlib/BmpFile.h"
#include "classlib/GifFile.h"
#include "classlib/IcoFile.h"
#include "classlib/ImageLimits.h"
#include "classlib/JpegFile.h"
#include "classlib/PngFile.h"
#include "classlib/Streams.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <cstdio>  // jpeglib.h needs FILE

#include <jpeglib.h>

#include <cstdlib>
#include <fstream>
#include <functional>
#include <string>

namespace {

// A small picture of any depth whose bytes run through many values.
TDibData picture(int bpp, int w, int h)
{
    TDibData img;
    img.Width = w;
    img.Height = h;
    img.BitsPerPixel = bpp;
    img.Allocate();
    for (int i = 0; bpp <= 8 && i < (1 << bpp); ++i)
        img.Palette.push_back(TPaletteEntry{static_cast<std::uint8_t>(i * 9), static_cast<std::uint8_t>(i * 5), static_cast<std::uint8_t>(255 - i), 0});
    std::size_t n = 0;
    for (std::uint8_t& b : img.Bits)
        b = static_cast<std::uint8_t>((n++ * 37) % (bpp == 8 ? 16 : 256));
    return img;
}

std::string encoded(const std::function<void(TStream*)>& write)
{
    TMemoryStream m;
    write(&m);
    return std::string(static_cast<const char*>(m.Memory()), static_cast<std::size_t>(m.Size()));
}

void put16le(std::string& s, std::size_t at, unsigned v)
{
    s[at] = static_cast<char>(v & 0xFF);
    s[at + 1] = static_cast<char>(v >> 8);
}
void put16be(std::string& s, std::size_t at, unsigned v)
{
    s[at] = static_cast<char>(v >> 8);
    s[at + 1] = static_cast<char>(v & 0xFF);
}
void put32be(std::string& s, std::size_t at, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        s[at + static_cast<std::size_t>(i)] = static_cast<char>(v >> (24 - 8 * i));
}
void put32le(std::string& s, std::size_t at, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        s[at + static_cast<std::size_t>(i)] = static_cast<char>(v >> (8 * i));
}

// A PNG whose header declares another size, with a valid header checksum.
std::string pngSized(std::uint32_t w, std::uint32_t h)
{
    std::string s = encoded([](TStream* m) { WritePng(m, picture(32, 4, 4)); });
    put32be(s, 16, w);
    put32be(s, 20, h);
    put32be(s, 29, static_cast<std::uint32_t>(crc32(0, reinterpret_cast<const Bytef*>(s.data() + 12), 17)));
    return s;
}

std::string jpegSmall() { return encoded([](TStream* m) { WriteJpeg(m, picture(24, 64, 64), 90, false); }); }

std::string jpegSized(unsigned w, unsigned h)
{
    std::string s = jpegSmall();
    const std::size_t sof = s.find("\xFF\xC0");
    put16be(s, sof + 5, h);
    put16be(s, sof + 7, w);
    return s;
}

// The scan cut in half; with the end marker, libjpeg would make up the rest grey.
std::string jpegCutScan(bool keepEndMarker)
{
    std::string s = jpegSmall();
    const std::size_t sos = s.find("\xFF\xDA");
    std::string cut = s.substr(0, sos + (s.size() - sos) / 2);
    return keepEndMarker ? cut + "\xFF\xD9" : cut;
}

std::string bmpSized(std::int32_t w, std::int32_t h)
{
    std::string s = encoded([](TStream* m) { WriteBmp(m, picture(32, 4, 4)); });
    put32le(s, 18, static_cast<std::uint32_t>(w));
    put32le(s, 22, static_cast<std::uint32_t>(h));
    return s;
}

std::string gifSmall() { return encoded([](TStream* m) { WriteGif(m, picture(8, 8, 8)); }); }

// Where the first image descriptor starts.
std::size_t gifImageAt(const std::string& s)
{
    std::size_t p = 13;
    if (s[10] & 0x80)
        p += 3u << ((s[10] & 7) + 1);
    while (s[p] == 0x21) {
        p += 2;
        while (s[p] != 0)
            p += static_cast<std::size_t>(static_cast<unsigned char>(s[p])) + 1;
        ++p;
    }
    return p;
}

std::string gifSized(unsigned screenW, unsigned screenH, unsigned frameW, unsigned frameH)
{
    std::string s = gifSmall();
    put16le(s, 6, screenW);
    put16le(s, 8, screenH);
    const std::size_t image = gifImageAt(s);
    put16le(s, image + 5, frameW);
    put16le(s, image + 7, frameH);
    return s;
}

// An icon directory of one entry holding the given PNG.
std::string icoWith(const std::string& png)
{
    std::string s(22, '\0');
    put16le(s, 2, 1);
    put16le(s, 4, 1);
    put32le(s, 6 + 8, static_cast<std::uint32_t>(png.size()));
    put32le(s, 6 + 12, 22);
    return s + png;
}

// A valid progressive grey JPEG that sends every coefficient in its own scans, each refined one
// bit at a time from bit `topBit`: 1 + 63 * (topBit + 1) scans of a 16 x 16 picture.
std::string manyScanJpeg(int topBit)
{
    jpeg_compress_struct c{};
    jpeg_error_mgr err{};
    c.err = jpeg_std_error(&err);
    jpeg_create_compress(&c);
    unsigned char* out = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&c, &out, &size);
    c.image_width = 16;
    c.image_height = 16;
    c.input_components = 1;
    c.in_color_space = JCS_GRAYSCALE;
    jpeg_set_defaults(&c);
    std::vector<jpeg_scan_info> scans{{1, {0}, 0, 0, 0, 0}};
    for (int k = 1; k < 64; ++k)
        for (int bit = topBit; bit >= 0; --bit)
            scans.push_back({1, {0}, k, k, bit == topBit ? 0 : bit + 1, bit});
    c.scan_info = scans.data();
    c.num_scans = static_cast<int>(scans.size());
    jpeg_start_compress(&c, TRUE);
    std::vector<JSAMPLE> row(16);
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x)
            row[static_cast<std::size_t>(x)] = static_cast<JSAMPLE>((x * 13 + y * 29) & 0xFF);
        JSAMPROW r = row.data();
        jpeg_write_scanlines(&c, &r, 1);
    }
    jpeg_finish_compress(&c);
    std::string file(reinterpret_cast<const char*>(out), size);
    jpeg_destroy_compress(&c);
    std::free(out);
    return file;
}

std::int64_t peakResidentKiB()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0)
            return std::stoll(line.substr(6));
    return -1;
}

struct Hostile {
    const char* name;
    std::string file;
    TDibData (*read)(TStream*);
};

TDibData readPng(TStream* s) { return ReadPng(s); }

TEST(HostileImages, EveryHostileHeaderIsRefusedWithinASmallMemoryPeak)
{
    const Hostile table[] = {
        {"png huge", pngSized(16384, 16384), readPng},
        {"png zero", pngSized(0, 0), readPng},
        {"png more than the file fills", pngSized(4000, 4000), readPng},
        {"png truncated rows", pngSized(4, 4).substr(0, 50), readPng},
        {"jpeg huge", jpegSized(18000, 18000), ReadJpeg},
        {"jpeg zero", jpegSized(64, 0), ReadJpeg},
        {"jpeg more than the file fills", jpegSized(7000, 7000), ReadJpeg},
        {"jpeg scan cut, end marker kept", jpegCutScan(true), ReadJpeg},
        {"jpeg scan cut", jpegCutScan(false), ReadJpeg},
        {"bmp huge", bmpSized(30000, 30000), ReadBmp},
        {"bmp zero", bmpSized(0, 4), ReadBmp},
        {"bmp more than the file fills", bmpSized(4000, -4000), ReadBmp},
        {"gif huge screen", gifSized(65535, 65535, 8, 8), ReadGif},
        {"gif huge frame", gifSized(8, 8, 65535, 65535), ReadGif},
        {"gif zero", gifSized(0, 0, 0, 0), ReadGif},
        {"gif more than the file fills", gifSized(7000, 7000, 7000, 7000), ReadGif},
        {"gif truncated", gifSmall().substr(0, gifSmall().size() - 6), ReadGif},
        {"ico holding a huge png", icoWith(pngSized(16384, 16384)), ReadIco},
        {"ico holding an overfull png", icoWith(pngSized(4000, 4000)), ReadIco},
    };
    // Writing 5 resets the process's peak resident size to its current size.
    { std::ofstream("/proc/self/clear_refs") << "5"; }
    const std::int64_t before = peakResidentKiB();
    for (const Hostile& h : table) {
        SCOPED_TRACE(h.name);
        TMemoryStream m;
        m.WriteBuffer(h.file.data(), static_cast<std::int64_t>(h.file.size()));
        m.SetPosition(0);
        try {
            h.read(&m);
            ADD_FAILURE() << "read";
        } catch (const EInvalidGraphic& e) {
            EXPECT_GT(std::string(e.what()).size(), 20u) << e.what();
        }
    }
    const std::int64_t peak = peakResidentKiB();
    ASSERT_GT(before, 0);
    EXPECT_LT(peak - before, 64 * 1024) << "peak grew by " << (peak - before) << " KiB";
}

TEST(HostileImages, PicturesWithinTheBudgetStillRead)
{
    // A large but honest picture: a plain colour packs far below the budget's byte bounds.
    const std::string png = encoded([](TStream* m) { WritePng(m, picture(32, 2000, 1500)); });
    TMemoryStream m;
    m.WriteBuffer(png.data(), static_cast<std::int64_t>(png.size()));
    m.SetPosition(0);
    EXPECT_EQ(ReadPng(&m).Width, 2000);
    EXPECT_THROW(CheckImageSize(8193, 8192), EInvalidGraphic);
    EXPECT_NO_THROW(CheckImageSize(8192, 8192));
    EXPECT_THROW(CheckImageSize(100, 100, 9999), EInvalidGraphic);
}

TEST(HostileImages, AJpegOfThousandsOfScansIsRefusedAndOneOfAFewReads)
{
    for (int topBit : {1, 9}) {
        const std::string file = manyScanJpeg(topBit);
        TMemoryStream m;
        m.WriteBuffer(file.data(), static_cast<std::int64_t>(file.size()));
        m.SetPosition(0);
        if (topBit == 1) {
            EXPECT_EQ(ReadJpeg(&m).Width, 16);  // 127 scans
            continue;
        }
        try {
            ReadJpeg(&m);  // 631 scans
            ADD_FAILURE() << "read";
        } catch (const EInvalidGraphic& e) {
            EXPECT_NE(std::string(e.what()).find("more than 500 scans"), std::string::npos) << e.what();
        }
    }
}

TEST(HostileImages, InterlacedGifRowsLandInTheirPlaces)
{
    const TDibData img = picture(8, 8, 8);
    std::string s = encoded([&](TStream* m) { WriteGif(m, img); });
    s[gifImageAt(s) + 9] |= 0x40;  // same data, read as the interlaced row order
    TMemoryStream m;
    m.WriteBuffer(s.data(), static_cast<std::int64_t>(s.size()));
    m.SetPosition(0);
    const TDibData back = ReadGif(&m);
    const int order[] = {0, 4, 2, 6, 1, 3, 5, 7};
    for (int fileRow = 0; fileRow < 8; ++fileRow)
        EXPECT_EQ(back.PixelARGB(3, order[fileRow]), img.PixelARGB(3, fileRow)) << fileRow;
}

} // namespace
