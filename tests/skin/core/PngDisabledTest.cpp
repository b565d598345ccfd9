#include "classlib/PngFile.h"
#include "classlib/Streams.h"
#include "skin/core/skpngimage.h"

#include <gtest/gtest.h>

namespace {

// A PNG file of the given picture, read back into a TskPngImage.
void LoadPng(TskPngImage& image, const TDibData& picture)
{
    TMemoryStream stream;
    WritePng(&stream, picture);
    stream.SetPosition(0);
    image.LoadFromStream(&stream);
}

TDibData Picture(int bitsPerPixel, bool hasAlpha)
{
    TDibData d;
    d.Width = 4;
    d.Height = 1;
    d.BitsPerPixel = bitsPerPixel;
    d.HasAlpha = hasAlpha;
    if (bitsPerPixel == 8)
        for (int i = 0; i < 256; ++i)
            d.Palette.push_back(TPaletteEntry{static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(i),
                                              static_cast<std::uint8_t>(i), 0});
    d.Allocate();
    return d;
}

std::uint32_t AlphaAt(const TskPngImage& image, int x) { return image.Image().To32Bit().PixelARGB(x, 0) >> 24; }

} // namespace

TEST(MakeImageDisabled, EveryPixelKeepsItsOwnTransparencyHalved)
{
    TDibData rgba = Picture(32, true);
    const std::uint8_t alphas[4] = {255, 3, 1, 0};
    for (int x = 0; x < 4; ++x) {
        rgba.Row(0)[4 * x + 2] = 200;
        rgba.Row(0)[4 * x + 3] = alphas[x];
    }
    TskPngImage image;
    LoadPng(image, rgba);
    MakeImageDisabled(&image, 127);
    const std::uint32_t halved[4] = {128, 2, 0, 0};
    for (int x = 0; x < 4; ++x)
        EXPECT_EQ(AlphaAt(image, x), halved[x]) << x;
    EXPECT_EQ((image.Image().To32Bit().PixelARGB(0, 0) >> 16) & 0xFF, 200u) << "colours stay";
}

TEST(MakeImageDisabled, PicturesWithoutAlphaCountAsOpaque)
{
    for (int bpp : {8, 24}) {
        TskPngImage image;
        LoadPng(image, Picture(bpp, false));
        MakeImageDisabled(&image, 127);
        for (int x = 0; x < 4; ++x)
            EXPECT_EQ(AlphaAt(image, x), 128u) << bpp;
    }
}

TEST(MakeImageDisabled, DisablingACopyLeavesTheOriginal)
{
    TskPngImage original;
    LoadPng(original, Picture(24, false));
    TskPngImage copy;
    copy.Assign(&original);
    MakeImageDisabled(&copy, 127);
    MakeImageDisabled(nullptr, 127);
    EXPECT_EQ(AlphaAt(original, 0), 255u);
    EXPECT_EQ(AlphaAt(copy, 0), 128u);
}
