#include "classlib/Bitmap.h"
#include "classlib/Canvas.h"
#include "classlib/PngImage.h"

#include <gtest/gtest.h>

namespace {

TBitmap* makeBitmap(int w, int h, TColor fill)
{
    auto* b = new TBitmap;
    b->SetSize(w, h);
    b->Canvas()->Brush()->SetColor(fill);
    b->Canvas()->FillRect(RECT{0, 0, w, h});
    return b;
}

TEST(Canvas, ShapesUsePenAndBrush)
{
    std::unique_ptr<TBitmap> b(makeBitmap(10, 10, clWhite));
    TCanvas* c = b->Canvas();
    c->Pen()->SetColor(clRed);
    c->Brush()->SetColor(clBlue);
    c->Rectangle(2, 2, 8, 8);
    EXPECT_EQ(c->GetPixel(2, 2), RGB(255, 0, 0));   // outline
    EXPECT_EQ(c->GetPixel(7, 7), RGB(255, 0, 0));
    EXPECT_EQ(c->GetPixel(5, 5), RGB(0, 0, 255));   // fill
    EXPECT_EQ(c->GetPixel(8, 8), RGB(255, 255, 255));  // right and bottom edges excluded

    c->Brush()->SetStyle(TBrushStyle::bsClear);
    c->Pen()->SetColor(clLime);
    c->Rectangle(0, 0, 10, 10);
    EXPECT_EQ(c->GetPixel(5, 5), RGB(0, 0, 255));  // a clear brush leaves the inside
    EXPECT_EQ(c->GetPixel(0, 5), RGB(0, 255, 0));

    c->MoveTo(0, 9);
    c->LineTo(5, 9);
    EXPECT_EQ(c->GetPenPos(), (POINT{5, 9}));
    c->SetPixel(9, 0, clYellow);
    EXPECT_EQ(b->GetPixelColor(9, 0), RGB(255, 255, 0));
    c->Brush()->SetColor(clBlack);
    c->FrameRect(RECT{3, 3, 7, 7});
    EXPECT_EQ(c->GetPixel(3, 4), RGB(0, 0, 0));
    EXPECT_EQ(c->GetPixel(4, 4), RGB(0, 0, 255));
    EXPECT_EQ(c->ClipRect(), (RECT{0, 0, 10, 10}));
}

TEST(Canvas, EveryDrawingCallIsBracketedByChangeEvents)
{
    std::unique_ptr<TBitmap> b(makeBitmap(4, 4, clWhite));
    int changing = 0, changed = 0, bitmapChanged = 0;
    b->Canvas()->OnChanging = [&](TObject*) { ++changing; };
    b->Canvas()->OnChange = [&](TObject*) { ++changed; };
    b->OnChange = [&](TObject*) { ++bitmapChanged; };
    b->Canvas()->Ellipse(0, 0, 4, 4);
    b->Canvas()->Polygon({{0, 0}, {3, 0}, {0, 3}});
    EXPECT_EQ(changing, 2);
    EXPECT_EQ(changed, 2);
    EXPECT_EQ(bitmapChanged, 2);
}

TEST(Canvas, CopyRectHonoursCopyMode)
{
    std::unique_ptr<TBitmap> src(makeBitmap(4, 4, clRed));
    std::unique_ptr<TBitmap> dst(makeBitmap(8, 8, clWhite));
    dst->Canvas()->CopyRect(RECT{0, 0, 8, 8}, src->Canvas(), RECT{0, 0, 4, 4});
    EXPECT_EQ(dst->GetPixelColor(7, 7), RGB(255, 0, 0));
    dst->Canvas()->SetCopyMode(NOTSRCCOPY);
    dst->Canvas()->CopyRect(RECT{0, 0, 2, 2}, src->Canvas(), RECT{0, 0, 2, 2});
    EXPECT_EQ(dst->GetPixelColor(1, 1), RGB(0, 255, 255));
}

TEST(Canvas, TransparentBitmapsLeaveTheirKeyColourOut)
{
    // The bottom-left pixel names the transparent colour unless one is fixed.
    std::unique_ptr<TBitmap> sprite(makeBitmap(3, 3, clFuchsia));
    sprite->Canvas()->SetPixel(1, 1, clNavy);
    sprite->SetTransparent(true);
    std::unique_ptr<TBitmap> back(makeBitmap(6, 6, clWhite));
    back->Canvas()->Draw(1, 1, sprite.get());
    EXPECT_EQ(back->GetPixelColor(2, 2), RGB(0, 0, 128));
    EXPECT_EQ(back->GetPixelColor(1, 1), RGB(255, 255, 255));

    sprite->SetTransparentColor(clNavy);
    back->Canvas()->StretchDraw(RECT{0, 0, 6, 6}, sprite.get());
    EXPECT_EQ(back->GetPixelColor(0, 0), RGB(255, 0, 255));
    EXPECT_EQ(back->GetPixelColor(3, 3), RGB(255, 255, 255));  // under the key the old pixel stays

    sprite->SetTransparent(false);
    back->Canvas()->Draw(0, 0, sprite.get());
    EXPECT_EQ(back->GetPixelColor(1, 1), RGB(0, 0, 128));
}

TEST(Canvas, IndexedBitmapsTakeDrawingIntoTheirRows)
{
    TBitmap b;
    b.SetPixelFormat(TPixelFormat::pf8bit);
    b.SetSize(4, 2);
    b.Canvas()->Brush()->SetColor(clRed);
    b.Canvas()->FillRect(RECT{0, 0, 2, 2});
    auto* row = static_cast<std::uint8_t*>(b.ScanLine(1));
    EXPECT_EQ(b.GetPalette()[row[0]], (TPaletteEntry{0, 0, 255, 0}));
    row[3] = row[0];  // a change through the scan line shows on the canvas
    EXPECT_EQ(b.Canvas()->GetPixel(3, 1), RGB(255, 0, 0));
}

TEST(Canvas, PngAlphaBlendsOverTheBackground)
{
    TBitmap src;
    src.SetPixelFormat(TPixelFormat::pf32bit);
    src.SetSize(2, 1);
    auto* row = static_cast<std::uint32_t*>(src.ScanLine(0));
    row[0] = 0x80FF0000;  // half red
    row[1] = 0x00000000;  // clear
    TPngImage png;
    png.Assign(&src);
    std::unique_ptr<TBitmap> back(makeBitmap(2, 1, clBlue));
    back->Canvas()->Draw(0, 0, &png);
    COLORREF c = back->GetPixelColor(0, 0);
    EXPECT_NEAR(GetRValue(c), 128, 2);
    EXPECT_NEAR(GetBValue(c), 127, 2);
    EXPECT_EQ(back->GetPixelColor(1, 0), RGB(0, 0, 255));
}

TEST(Canvas, ResizingTheBitmapKeepsItsCanvasWorking)
{
    std::unique_ptr<TBitmap> b(makeBitmap(2, 2, clRed));
    b->SetSize(5, 5);
    b->Canvas()->Brush()->SetColor(clLime);
    b->Canvas()->FillRect(RECT{4, 4, 5, 5});
    EXPECT_EQ(b->GetPixelColor(4, 4), RGB(0, 255, 0));
    EXPECT_EQ(b->GetPixelColor(1, 1), RGB(255, 0, 0));
    TCanvas plain;
    EXPECT_THROW(plain.FillRect(RECT{0, 0, 1, 1}), EInvalidOperation);
    plain.Lock();
    EXPECT_EQ(plain.LockCount(), 1);
    plain.Unlock();
}

} // namespace

namespace {

int countPixels(TBitmap& b, COLORREF c, const RECT& r)
{
    int n = 0;
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x)
            n += b.GetPixelColor(x, y) == c;
    return n;
}

TEST(Canvas, TextIsMeasuredAndDrawnInTheFontColour)
{
    std::unique_ptr<TBitmap> b(makeBitmap(120, 40, clWhite));
    TCanvas* c = b->Canvas();
    c->Font()->SetName("Arial");
    c->Font()->SetHeight(-14);
    SIZE small = c->TextExtent("Hello");
    EXPECT_GT(small.cx, 20);
    EXPECT_GE(small.cy, 14);
    c->Font()->SetSize(20);
    EXPECT_GT(c->TextWidth("Hello"), small.cx);
    EXPECT_GT(c->TextWidth("视频"), 0);

    c->Font()->SetHeight(-14);
    c->Font()->SetColor(clRed);
    c->Brush()->SetStyle(TBrushStyle::bsClear);
    c->TextOut(2, 2, "Hello");
    EXPECT_GT(countPixels(*b, RGB(255, 0, 0), RECT{2, 2, 2 + small.cx, 2 + small.cy}), 10);
    EXPECT_EQ(c->GetPenPos().x, 2 + small.cx);

    // TextRect keeps the text inside its rectangle and fills it with a solid brush.
    c->Brush()->SetColor(clYellow);
    c->TextRect(RECT{60, 0, 70, 40}, 60, 10, "WWWWWWWW");
    EXPECT_EQ(b->GetPixelColor(75, 15), RGB(255, 255, 255));
    EXPECT_GT(countPixels(*b, RGB(255, 255, 0), RECT{60, 0, 70, 40}), 100);
}

} // namespace
