#include "PixelFixtures.h"

#include "classlib/Streams.h"
#include "skin/core/skBitmapDraw.h"

#include "platform/gdi/Dc.h"

#include <gtest/gtest.h>

using namespace skfix;

namespace {

// A 3 x 2 picture of 8-bit palette indices, rows of 4 bytes.
std::vector<std::uint8_t> Pcx(std::uint8_t version, std::uint8_t encoding, const std::vector<std::uint8_t>& data)
{
    std::vector<std::uint8_t> file(128 + data.size() + 1 + 768, 0);
    file[0] = 10;
    file[1] = version;
    file[2] = encoding;
    file[3] = 8;
    file[8] = 2;   // Xmax: width 3
    file[10] = 1;  // Ymax: height 2
    file[65] = 1;
    file[66] = 4;
    std::size_t at = 128;
    for (std::uint8_t b : data)
        file[at++] = b;
    file[at++] = 12;
    for (int i = 0; i < 256; ++i) {
        file[at++] = static_cast<std::uint8_t>(i);
        file[at++] = static_cast<std::uint8_t>(255 - i);
        file[at++] = 7;
    }
    return file;
}

void Load(const std::vector<std::uint8_t>& file, TskBitmap& b)
{
    TMemoryStream stream;
    stream.WriteBuffer(file.data(), static_cast<std::int64_t>(file.size()));
    stream.SetPosition(0);
    b.LoadFromPcxStream(&stream);

}

} // namespace

TEST(TskBitmapPcx, RunLengthAndRawPicturesWithTheirPalette)
{
    // Row 0: index 5 three times (a run) and a pad byte; row 1: 200 (a run of one), 1, 2, pad.
    TskBitmap rle;
    Load(Pcx(5, 1, {0xC3, 5, 0, 0xC1, 200, 1, 2, 0}), rle);
    ASSERT_EQ(rle.GetWidth(), 3);
    ASSERT_EQ(rle.GetHeight(), 2);
    EXPECT_EQ(At(rle, 2, 0), MakeColor32(5, 250, 7, 255));
    EXPECT_EQ(At(rle, 0, 1), MakeColor32(200, 55, 7, 255));
    EXPECT_EQ(At(rle, 2, 1), MakeColor32(2, 253, 7, 255));

    TskBitmap raw;
    Load(Pcx(5, 0, {9, 8, 7, 0, 6, 5, 4, 0}), raw);
    EXPECT_EQ(At(raw, 0, 0), MakeColor32(9, 246, 7, 255));
    EXPECT_EQ(At(raw, 2, 1), MakeColor32(4, 251, 7, 255));

    TskBitmap system;
    Load(Pcx(3, 0, {15, 9, 0, 0, 0, 0, 0, 0}), system);
    EXPECT_EQ(At(system, 0, 0), 0xFFFFFFFFu);
    EXPECT_EQ(At(system, 1, 0), MakeColor32(255, 0, 0, 255));
}

TEST(TskBitmapPcx, RunsPastThePictureAndForeignFilesAreSafe)
{
    TskBitmap b;
    Load(Pcx(5, 1, {0xFF, 3}), b);
    EXPECT_EQ(At(b, 2, 1), MakeColor32(3, 252, 7, 255)) << "a run of 63 is cut to the 8 bytes needed";

    std::vector<std::uint8_t> foreign = Pcx(5, 1, {1, 2, 3});
    foreign[0] = 11;
    TskBitmap untouched;
    Load(foreign, untouched);
    EXPECT_TRUE(untouched.Empty());
}

TEST(GetDCBits, FindsTheDIBSelectedIntoAContext)
{
    auto b = FilledBitmap(3, 2, 0);
    int w, h, bpp;
    EXPECT_EQ(GetDCBits(b->GetMemDC(), w, h, bpp), b->GetBits());
    EXPECT_EQ(w, 3);
    EXPECT_EQ(h, -2);
    EXPECT_EQ(bpp, 32);

    HDC dc = CreateCompatibleDC(nullptr);
    EXPECT_EQ(GetDCBits(dc, w, h, bpp), nullptr);
    EXPECT_EQ(w + h + bpp, 0);
    DeleteDC(dc);
}
