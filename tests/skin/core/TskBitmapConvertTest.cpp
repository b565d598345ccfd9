#include "PixelFixtures.h"

#include "classlib/Bitmap.h"
#include "classlib/Canvas.h"
#include "classlib/Picture.h"
#include "classlib/PngImage.h"
#include "classlib/Strings.h"
#include "classlib/SysUtils.h"
#include "platform/gdi/Dc.h"
#include "platform/win/Rect.h"

#include <gtest/gtest.h>

using namespace skfix;

namespace {

void FillClassBitmap(TBitmap& b, TPixelFormat format, int w, int h, std::uint32_t alpha)
{
    b.SetPixelFormat(TPixelFormat::pf32bit);
    b.SetSize(w, h);
    for (int y = 0; y < h; ++y) {
        auto* row = static_cast<std::uint32_t*>(b.ScanLine(y));
        for (int x = 0; x < w; ++x)
            row[x] = Coord(x, y, alpha);
    }
    b.SetPixelFormat(format);
}

} // namespace

TEST(TskBitmapConvert, CanvasOfAnotherBitmapGivesTheSamePixelsAsDrawingOnIt)
{
    auto src = CoordBitmap(3, 3, 0x80);
    src->SetAlphaBlend(true);
    auto viaCanvas = FilledBitmap(5, 5, 0xFF102030);
    auto direct = FilledBitmap(5, 5, 0xFF102030);
    SetWindowOrgEx(viaCanvas->GetCanvas()->GetHandle(), -1, -2, nullptr);
    src->Draw(viaCanvas->GetCanvas(), 0, 0);
    src->Draw(*direct, 1, 2);
    for (int i = 0; i < 25; ++i)
        ASSERT_EQ(viaCanvas->GetBits()[i], direct->GetBits()[i]) << i;
}

TEST(TskBitmapConvert, CanvasFollowsResizing)
{
    TskBitmap b;
    b.SetSize(2, 2);
    TCanvas* canvas = b.GetCanvas();
    b.SetSize(4, 4);
    canvas->Brush()->SetColor(RGB(0, 0, 255));
    canvas->FillRect(MakeRect(0, 0, 4, 4));
    EXPECT_EQ(At(b, 3, 3) & 0xFFFFFF, 0x0000FFu);
}

TEST(TskBitmapConvert, FromClassLibraryBitmapsAndGraphics)
{
    TBitmap with32;
    FillClassBitmap(with32, TPixelFormat::pf32bit, 3, 2, 0x80);
    TskBitmap a;
    a.Assign(&with32);
    EXPECT_EQ(At(a, 2, 1), Coord(2, 1, 0x80));
    EXPECT_TRUE(a.GetAlphaBlend());

    TBitmap with24;
    FillClassBitmap(with24, TPixelFormat::pf24bit, 3, 2, 0x80);
    TskBitmap b;
    b.Assign(&with24);
    EXPECT_EQ(At(b, 2, 1), Coord(2, 1, 255));

    TPicture picture;
    picture.SetGraphic(&with32);
    TskBitmap c;
    c.Assign(&picture);
    EXPECT_EQ(At(c, 1, 1), Coord(1, 1, 255)) << "a picture's bitmap gives its look, opaque";

    TPngImage png;
    png.Assign(&with24);
    TskBitmap d;
    d.Assign(&png);
    ASSERT_EQ(d.GetWidth(), 3);
    EXPECT_EQ(At(d, 2, 0), Coord(2, 0, 255));

    TStringList notAPicture;
    EXPECT_THROW(d.Assign(&notAPicture), EConvertError);
}

TEST(TskBitmapConvert, IntoClassLibraryBitmapsAndPictures)
{
    auto src = CoordBitmap(3, 2, 0x40);
    TBitmap target;
    target.Assign(src.get());
    EXPECT_EQ(target.GetPixelFormat(), TPixelFormat::pf32bit);
    ASSERT_EQ(target.GetWidth(), 3);
    EXPECT_EQ(static_cast<std::uint32_t*>(target.ScanLine(1))[2], Coord(2, 1, 0x40));

    TPicture picture;
    picture.Assign(src.get());
    EXPECT_EQ(picture.GetWidth(), 3);
}
