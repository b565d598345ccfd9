#include "PixelFixtures.h"

#include "platform/gdi/Bitmaps.h"
#include "platform/gdi/Dc.h"
#include "platform/gdi/Objects.h"
#include "platform/win/Rect.h"

#include <gtest/gtest.h>

using namespace skfix;

namespace {

constexpr TskColor32 kBack = 0xFF000001;

// A device context that is not a TskBitmap's: a 32-bit DIB section, bottom-up or top-down.
class ForeignDC {
public:
    ForeignDC(int w, int h, bool bottomUp) : w_(w), h_(h), bottomUp_(bottomUp)
    {
        BITMAPINFO info{};
        info.bmiHeader.biWidth = w;
        info.bmiHeader.biHeight = bottomUp ? h : -h;
        info.bmiHeader.biBitCount = 32;
        void* bits = nullptr;
        bitmap_ = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        bits_ = static_cast<TskColor32*>(bits);
        dc_ = CreateCompatibleDC(nullptr);
        old_ = SelectObject(dc_, bitmap_);
        for (int i = 0; i < w * h; ++i)
            bits_[i] = kBack;
    }
    ~ForeignDC()
    {
        SelectObject(dc_, old_);
        DeleteDC(dc_);
        DeleteObject(bitmap_);
    }
    HDC dc() const { return dc_; }
    TskColor32 At(int x, int y) const { return bits_[(bottomUp_ ? h_ - 1 - y : y) * w_ + x]; }

private:
    int w_, h_;
    bool bottomUp_;
    HBITMAP bitmap_;
    HGDIOBJ old_;
    HDC dc_;
    TskColor32* bits_;
};

} // namespace

TEST(TskBitmapDC, ContextOfAnotherTskBitmapIsDrawnDirectlyWithItsOrigin)
{
    auto src = CoordBitmap(3, 3);
    auto viaDC = FilledBitmap(6, 6, kBack);
    auto direct = FilledBitmap(6, 6, kBack);
    SetWindowOrgEx(viaDC->GetMemDC(), 2, 1, nullptr);
    src->Draw(viaDC->GetMemDC(), 4, 3);
    src->Draw(*direct, 2, 2);
    for (int i = 0; i < 36; ++i)
        ASSERT_EQ(viaDC->GetBits()[i], direct->GetBits()[i]) << i;
}

TEST(TskBitmapDC, ForeignContextsGetCopiesBlendsAndKeys)
{
    auto src = CoordBitmap(2, 2, 0x80);
    src->GetBits()[3] = TransparentColor32;
    ForeignDC copy(4, 4, false), blended(4, 4, false), keyed(4, 4, true);
    src->Draw(copy.dc(), 1, 1);
    EXPECT_EQ(copy.At(1, 1), Coord(0, 0, 0x80));
    EXPECT_EQ(copy.At(2, 2), TransparentColor32);
    EXPECT_EQ(copy.At(3, 3), kBack);

    src->SetAlphaBlend(true);
    src->Draw(blended.dc(), MakeRect(0, 0, 4, 4));
    EXPECT_EQ(blended.At(0, 0), BlendPixel(Coord(0, 0, 0x80), kBack));
    EXPECT_EQ(blended.At(3, 3), kBack) << "the key has alpha 0";

    src->SetAlphaBlend(false);
    src->SetTransparent(true);
    src->Draw(keyed.dc(), 0, 0, MakeRect(1, 0, 2, 2));
    EXPECT_EQ(keyed.At(0, 0), Coord(1, 0));
    EXPECT_EQ(keyed.At(0, 1), kBack);
}

TEST(TskBitmapDC, TilingABottomUpDIBWritesItsMemory)
{
    auto src = CoordBitmap(3, 2);
    ForeignDC dib(8, 5, true);
    SetWindowOrgEx(dib.dc(), 1, 0, nullptr);
    src->Tile(dib.dc(), MakeRect(1, 0, 9, 5), MakeRect(0, 0, 3, 2));
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 8; ++x)
            ASSERT_EQ(dib.At(x, y), Coord(x % 3, y % 2)) << x << "," << y;

    ForeignDC clipped(8, 2, false);
    src->TileClip(clipped.dc(), MakeRect(0, 0, 8, 2), MakeRect(4, 0, 5, 1), MakeRect(0, 0, 3, 2));
    EXPECT_EQ(clipped.At(2, 0), kBack);
    EXPECT_EQ(clipped.At(3, 1), Coord(0, 1));
    EXPECT_EQ(clipped.At(5, 1), Coord(2, 1));
    EXPECT_EQ(clipped.At(6, 0), kBack);
}
