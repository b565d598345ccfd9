#include "skin/core/TskBitmap.h"

#include "classlib/Canvas.h"
#include "platform/gdi/Dc.h"
#include "platform/win/Rect.h"
#include "skin/core/skBitmapDraw.h"
#include "skin/core/skSkinImageLayout.h"
#include "skin/core/skTiles.h"

namespace {

// DstRect in the coordinates of the bitmap behind a context whose window origin is moved.
RECT ToBitmapCoordinates(HDC DC, RECT R)
{
    POINT origin{};
    GetWindowOrgEx(DC, &origin);
    OffsetRect(&R, -origin.x, -origin.y);
    return R;
}

} // namespace

void TskBitmap::Draw(HDC DC, int X, int Y) const
{
    Draw(DC, MakeRect(X, Y, X + FWidth, Y + FHeight), MakeRect(0, 0, FWidth, FHeight));
}

void TskBitmap::Draw(HDC DC, int X, int Y, const RECT& SrcRect) const
{
    Draw(DC, MakeRect(X, Y, X + RectWidth(SrcRect), Y + RectHeight(SrcRect)), SrcRect);
}

void TskBitmap::Draw(HDC DC, const RECT& DstRect) const
{
    Draw(DC, DstRect, MakeRect(0, 0, FWidth, FHeight));
}

void TskBitmap::Draw(HDC DC, const RECT& DstRect, const RECT& SrcRect) const
{
    if (TskBitmap* target = FindBitmapByDC(DC)) {
        Draw(*target, ToBitmapCoordinates(DC, DstRect), SrcRect);
        return;
    }
    auto routine = FAlphaBlend ? DrawAlphaToDC : FTransparent ? DrawTransparentToDC : DrawCopyToDC;
    routine(DC, DstRect.left, DstRect.top, RectWidth(DstRect), RectHeight(DstRect), *this, SrcRect.left, SrcRect.top,
            RectWidth(SrcRect), RectHeight(SrcRect));
}

void TskBitmap::Tile(HDC DC, const RECT& DstRect, const RECT& SrcRect) const
{
    const RECT cutSource = CutToPicture(SrcRect, SIZE{FWidth, FHeight});
    RECT reach{};
    GetClipBox(DC, &reach);
    if (TskBitmap* target = FindBitmapByDC(DC)) {
        ForEachTile(DstRect, cutSource, reach, [&](const RECT& cell, const RECT& source) {
            Draw(*target, ToBitmapCoordinates(DC, cell), source);
        });
        return;
    }
    int w = 0, h = 0, bpp = 0;
    auto* bits = static_cast<TskColor32*>(GetDCBits(DC, w, h, bpp));
    if (bits && bpp == 32 && h > 0) {
        auto routine = FAlphaBlend ? AlphaToDIB : FTransparent ? TransparentToDIB : CopyToDIB;
        ForEachTile(DstRect, cutSource, reach, [&](const RECT& cell, const RECT& source) {
            const RECT moved = ToBitmapCoordinates(DC, cell);
            routine(bits, moved, moved, source, *this, h, w);
        });
        return;
    }
    ForEachTile(DstRect, cutSource, reach, [&](const RECT& cell, const RECT& source) { Draw(DC, cell, source); });
}

void TskBitmap::TileClip(HDC DC, const RECT& DstRect, const RECT& DstClip, const RECT& SrcRect) const
{
    RECT reach{};
    GetClipBox(DC, &reach);
    ForEachTileMeeting(DstRect, DstClip, CutToPicture(SrcRect, SIZE{FWidth, FHeight}), reach,
                       [&](const RECT& cell, const RECT& source) { Draw(DC, cell, source); });
}

void TskBitmap::Draw(TCanvas* Canvas, int X, int Y) const { Draw(Canvas->GetHandle(), X, Y); }

void TskBitmap::Draw(TCanvas* Canvas, int X, int Y, const RECT& SrcRect) const
{
    Draw(Canvas->GetHandle(), X, Y, SrcRect);
}

void TskBitmap::Draw(TCanvas* Canvas, const RECT& DstRect) const { Draw(Canvas->GetHandle(), DstRect); }

void TskBitmap::Draw(TCanvas* Canvas, const RECT& DstRect, const RECT& SrcRect) const
{
    Draw(Canvas->GetHandle(), DstRect, SrcRect);
}

void TskBitmap::Tile(TCanvas* Canvas, const RECT& DstRect, const RECT& SrcRect) const
{
    Tile(Canvas->GetHandle(), DstRect, SrcRect);
}

void TskBitmap::TileClip(TCanvas* Canvas, const RECT& DstRect, const RECT& DstClip, const RECT& SrcRect) const
{
    TileClip(Canvas->GetHandle(), DstRect, DstClip, SrcRect);
}
