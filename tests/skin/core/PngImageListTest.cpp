#include "PixelFixtures.h"

#include "classlib/PngFile.h"
#include "classlib/Streams.h"
#include "skin/core/skPngImageList.h"

#include <gtest/gtest.h>

#include <memory>

using namespace skfix;

namespace {

// A w x h PNG of one colour (0xAARRGGBB), written and read back as a file would be.
void LoadPng(TskPngImage& image, int w, int h, std::uint32_t argb, int bitsPerPixel = 32)
{
    TDibData d;
    d.Width = w;
    d.Height = h;
    d.BitsPerPixel = bitsPerPixel;
    d.HasAlpha = bitsPerPixel == 32;
    if (bitsPerPixel == 8)
        for (int i = 0; i < 256; ++i)
            d.Palette.push_back(TPaletteEntry{static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(i),
                                              static_cast<std::uint8_t>(i), 0});
    d.Allocate();
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            std::uint8_t* row = d.Row(y);
            if (bitsPerPixel == 8)
                row[x] = static_cast<std::uint8_t>(argb);
            else
                for (int b = 0; b < 4; ++b)
                    row[4 * x + b] = static_cast<std::uint8_t>(argb >> (8 * b));
        }
    TMemoryStream stream;
    WritePng(&stream, d);
    stream.SetPosition(0);
    image.LoadFromStream(&stream);
}

TskPngImageItem* AddItem(TskPngImageList& list) { return static_cast<TskPngImageItem*>(list.GetPngImages()->Add()); }

} // namespace

TEST(TskPngImageList, ItemsHavePlaceholdersAndNames)
{
    TskPngImageList list(nullptr);
    for (int i = 0; i < 3; ++i)
        AddItem(list);
    EXPECT_EQ(list.Count(), 3);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(list.GetPngImages()->Items(i)->GetDisplayName(), "PngImage" + std::to_string(i));
    list.GetPngImages()->Delete(1);
    EXPECT_EQ(list.Count(), 2);
    EXPECT_EQ(list.GetPngImages()->Items(1)->GetName(), "PngImage2");
}

TEST(TskPngImageList, ANewSizeRemovesThePicturesExceptWhileLoading)
{
    TskPngImageList list(nullptr);
    list.SetPngWidth(18);
    AddItem(list);
    AddItem(list);
    list.SetPngWidth(18);
    EXPECT_EQ(list.GetPngImages()->Count(), 2);
    list.SetPngWidth(20);
    EXPECT_EQ(list.GetPngImages()->Count(), 0);
    EXPECT_EQ(list.Count(), 0);

    AddItem(list);
    list.BeginLoading();
    list.SetPngHeight(30);
    list.EndLoading();
    EXPECT_EQ(list.GetPngImages()->Count(), 1);
    EXPECT_EQ(list.Count(), 1);
    EXPECT_EQ(list.GetPngHeight(), 30);
}

TEST(TskPngImageList, DrawsScaledAndDisabledHalfTransparent)
{
    TskPngImageList list(nullptr);
    list.SetPngWidth(10);
    list.SetPngHeight(10);
    LoadPng(*AddItem(list)->GetPngImage(), 18, 18, 0xFF00FF00);
    LoadPng(*AddItem(list)->GetPngImage(), 18, 18, 0x80, 8);
    AddItem(list);

    auto target = FilledBitmap(12, 12, 0);
    list.Draw(target->GetCanvas(), 1, 1, 0, true);
    EXPECT_EQ(At(*target, 10, 10), 0xFF00FF00u) << "18 x 18 scaled into the 10 x 10 entry";
    EXPECT_EQ(At(*target, 11, 11), 0u);

    for (int index : {0, 1}) {
        for (int pass = 0; pass < 2; ++pass) {
            auto disabled = FilledBitmap(10, 10, 0);
            list.Draw(disabled->GetCanvas(), 0, 0, index, false);
            EXPECT_EQ(AlphaOf(At(*disabled, 5, 5)), 128u) << "entry " << index << " pass " << pass;
        }
    }
    auto nothing = FilledBitmap(10, 10, 0);
    list.Draw(nothing->GetCanvas(), 0, 0, 2, true);
    EXPECT_EQ(At(*nothing, 5, 5), 0u) << "an item without a picture draws nothing";
}
