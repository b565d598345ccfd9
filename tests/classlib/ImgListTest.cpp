#include "classlib/Bitmap.h"
#include "classlib/Canvas.h"
#include "classlib/Icon.h"
#include "classlib/ImgList.h"
#include "classlib/Menus.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

// A strip of three 4 x 4 pictures: red, green, blue squares of 2 x 2 on a fuchsia ground.
std::unique_ptr<TBitmap> strip()
{
    auto b = std::make_unique<TBitmap>();
    b->SetSize(12, 4);
    TCanvas* c = b->Canvas();
    c->Brush()->SetColor(clFuchsia);
    c->FillRect(RECT{0, 0, 12, 4});
    const TColor colours[] = {clRed, clLime, clBlue};
    for (int i = 0; i < 3; ++i) {
        c->Brush()->SetColor(colours[i]);
        c->FillRect(RECT{i * 4 + 1, 1, i * 4 + 3, 3});
    }
    return b;
}

std::unique_ptr<TBitmap> background()
{
    auto b = std::make_unique<TBitmap>();
    b->SetSize(6, 6);
    b->Canvas()->Brush()->SetColor(clWhite);
    b->Canvas()->FillRect(RECT{0, 0, 6, 6});
    return b;
}

TEST(ImageList, AddMaskedSplitsAStripAndDrawsWithoutTheMaskColour)
{
    TImageList list(nullptr);
    list.SetSize(4, 4);
    int changes = 0;
    list.OnChange = [&](TObject*) { ++changes; };
    auto s = strip();
    EXPECT_EQ(list.AddMasked(s.get(), clDefault), 0);  // the bottom-left pixel: fuchsia
    EXPECT_EQ(list.Count(), 3);
    EXPECT_EQ(changes, 1);

    auto back = background();
    list.Draw(back->Canvas(), 1, 1, 2);
    EXPECT_EQ(back->GetPixelColor(2, 2), RGB(0, 0, 255));
    EXPECT_EQ(back->GetPixelColor(1, 1), RGB(255, 255, 255));  // masked out
    list.Draw(back->Canvas(), 0, 0, 7);  // outside the list: nothing
    EXPECT_EQ(back->GetPixelColor(0, 0), RGB(255, 255, 255));

    TBitmap one;
    ASSERT_TRUE(list.GetBitmap(1, &one));
    EXPECT_EQ(one.GetWidth(), 4);
    EXPECT_EQ(one.GetPixelFormat(), TPixelFormat::pf32bit);
    EXPECT_EQ(static_cast<std::uint32_t*>(one.ScanLine(1))[1], 0xFF00FF00u);
    EXPECT_EQ(static_cast<std::uint32_t*>(one.ScanLine(0))[0] >> 24, 0u);
    EXPECT_FALSE(list.GetBitmap(3, &one));

    list.SetWidth(8);  // a new size empties the list
    EXPECT_EQ(list.Count(), 0);
}

TEST(ImageList, AddWithAMaskBitmap)
{
    TImageList list(nullptr);
    list.SetSize(4, 4);
    auto s = strip();
    TBitmap mask;
    mask.SetSize(12, 4);
    mask.Canvas()->Brush()->SetColor(clBlack);
    mask.Canvas()->FillRect(RECT{0, 0, 12, 4});
    mask.Canvas()->Brush()->SetColor(clWhite);
    mask.Canvas()->FillRect(RECT{0, 0, 12, 1});  // the top row is transparent
    list.Add(s.get(), &mask);
    auto back = background();
    list.Draw(back->Canvas(), 0, 0, 0);
    EXPECT_EQ(back->GetPixelColor(0, 0), RGB(255, 255, 255));
    EXPECT_EQ(back->GetPixelColor(0, 1), RGB(255, 0, 255));
    list.Delete(0);
    EXPECT_EQ(list.Count(), 2);
    EXPECT_THROW(list.Delete(5), EListError);
}

TEST(ImageList, DisabledEntriesAreEmbossed)
{
    TImageList list(nullptr);
    list.SetSize(4, 4);
    auto s = strip();
    list.AddMasked(s.get(), clFuchsia);
    auto back = background();
    back->Canvas()->Brush()->SetColor(clBlack);
    back->Canvas()->FillRect(RECT{0, 0, 6, 6});
    list.Draw(back->Canvas(), 0, 0, 0, false);
    EXPECT_EQ(back->GetPixelColor(1, 1), ColorToRGB(clBtnShadow));
    EXPECT_EQ(back->GetPixelColor(3, 3), ColorToRGB(clBtnHighlight));
    EXPECT_EQ(back->GetPixelColor(0, 0), RGB(0, 0, 0));
}

TEST(ImageList, MenuForgetsAFreedImageList)
{
    TMainMenu menu(nullptr);
    auto* list = new TImageList(nullptr);
    menu.SetImages(list);
    list->Free();
    EXPECT_EQ(menu.GetImages(), nullptr);
}

} // namespace

TEST(ImageList, GetIconKeepsTheEntryWithItsTransparency)
{
    TImageList list(nullptr);
    list.SetSize(4, 4);
    list.AddMasked(strip().get(), clFuchsia);
    TIcon icon;
    EXPECT_FALSE(list.GetIcon(3, &icon));
    EXPECT_FALSE(list.GetIcon(-1, &icon));
    EXPECT_TRUE(icon.Empty());
    ASSERT_TRUE(list.GetIcon(1, &icon));
    ASSERT_EQ(icon.GetWidth(), 4);
    const TDibData pixels = icon.GetDibData();
    EXPECT_EQ(pixels.PixelARGB(0, 0) >> 24, 0u) << "the mask colour stays transparent";
    EXPECT_EQ(pixels.PixelARGB(1, 1), 0xFF00FF00u);
}
