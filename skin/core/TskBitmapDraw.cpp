#include "skin/core/TskBitmap.h"

#include "platform/win/Rect.h"
#include "skin/core/skBitmapDraw.h"
#include "skin/core/skSkinImageLayout.h"
#include "skin/core/skTiles.h"

#include <algorithm>
#include <vector>

void TskBitmap::Draw(TskBitmap& Bitmap, int X, int Y) const
{
    Draw(Bitmap, PlacedAt(X, Y, MakeRect(0, 0, FWidth, FHeight), SIZE{FWidth, FHeight}),
         MakeRect(0, 0, FWidth, FHeight));
}

void TskBitmap::Draw(TskBitmap& Bitmap, int X, int Y, const RECT& SrcRect) const
{
    Draw(Bitmap, PlacedAt(X, Y, SrcRect, SIZE{FWidth, FHeight}), SrcRect);
}

void TskBitmap::Draw(TskBitmap& Bitmap, const RECT& DstRect) const
{
    Draw(Bitmap, DstRect, MakeRect(0, 0, FWidth, FHeight));
}

void TskBitmap::Draw(TskBitmap& Bitmap, const RECT& DstRect, const RECT& SrcRect) const
{
    if (FAlphaBlend)
        DrawAlphaToBitmap(Bitmap, DstRect, DstRect, SrcRect, *this);
    else if (FTransparent)
        DrawTransparentToBitmap(Bitmap, DstRect, DstRect, SrcRect, *this);
    else
        DrawCopyToBitmap(Bitmap, DstRect, DstRect, SrcRect, *this);
}

void TskBitmap::Tile(TskBitmap& Bitmap, const RECT& DstRect, const RECT& SrcRect) const
{
    ForEachTile(DstRect, CutToPicture(SrcRect, SIZE{FWidth, FHeight}), MakeRect(0, 0, Bitmap.GetWidth(), Bitmap.GetHeight()), [&](const RECT& cell, const RECT& source) { Draw(Bitmap, cell, source); });
}

void TskBitmap::TileClip(TskBitmap& Bitmap, const RECT& DstRect, const RECT& DstClip, const RECT& SrcRect) const
{
    ForEachTileMeeting(DstRect, DstClip, CutToPicture(SrcRect, SIZE{FWidth, FHeight}), MakeRect(0, 0, Bitmap.GetWidth(), Bitmap.GetHeight()),
                       [&](const RECT& cell, const RECT& source) { Draw(Bitmap, cell, source); });
}

void TskBitmap::FillRect(const RECT& R, TskColor32 Color)
{
    const RECT bounds = MakeRect(0, 0, FWidth, FHeight);
    RECT area;
    if (!IntersectRect(&area, &R, &bounds))
        return;
    const int count = RectWidth(area);
    if (FAlphaBlend) {
        const std::vector<TskColor32> row(static_cast<std::size_t>(count), Color);
        for (int y = area.top; y < area.bottom; ++y)
            BlendRow(row.data(), FBits + static_cast<std::ptrdiff_t>(y) * FWidth + area.left, count);
        EndMMXState();
    } else {
        FillRect32(FBits, FWidth, Color, area.left, area.top, area.right - 1, area.bottom - 1);
    }
}

void TskBitmap::MergeDraw(const TskBitmap& Bitmap, int X, int Y, const RECT& SrcRect)
{
    const int left = std::max<int>(SrcRect.left, 0), top = std::max<int>(SrcRect.top, 0);
    const int right = std::min(SrcRect.right, Bitmap.FWidth), bottom = std::min(SrcRect.bottom, Bitmap.FHeight);
    for (int sy = top; sy < bottom; ++sy) {
        const int dy = Y + sy - SrcRect.top;
        if (dy < 0 || dy >= FHeight)
            continue;
        for (int sx = left; sx < right; ++sx) {
            const int dx = X + sx - SrcRect.left;
            if (dx < 0 || dx >= FWidth)
                continue;
            TskColor32& d = FBits[static_cast<std::ptrdiff_t>(dy) * FWidth + dx];
            const TskColor32 s = Bitmap.FBits[static_cast<std::ptrdiff_t>(sy) * Bitmap.FWidth + sx];
            const std::uint32_t a = AlphaOf(d);
            if (a == 0)
                d = s;
            else if (a < 255)
                d = BlendPixel(d, s);
        }
    }
    EndMMXState();
}
