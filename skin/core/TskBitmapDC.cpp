#include "skin/core/TskBitmap.h"

#include "classlib/Canvas.h"
#include "platform/gdi/Dc.h"
#include "platform/win/Rect.h"
#include "skin/core/skBitmapDraw.h"
#include "skin/core/skSkinImageLayout.h"
#include "skin/core/skTiles.h"

#include <algorithm>
#include <climits>
#include <cstdint>

namespace {

int Saturated(std::int64_t v) { return static_cast<int>(std::clamp<std::int64_t>(v, INT_MIN, INT_MAX)); }

// DstRect in the coordinates of the bitmap behind a context whose window origin is moved
// (saturated: a skin's rectangle may span the whole int range).
RECT ToBitmapCoordinates(HDC DC, RECT R)
{
    POINT origin{};
    GetWindowOrgEx(DC, &origin);
    return MakeRect(Saturated(std::int64_t{R.left} - origin.x), Saturated(std::int64_t{R.top} - origin.y),
                    Saturated(std::int64_t{R.right} - origin.x), Saturated(std::int64_t{R.bottom} - origin.y));
}

// Dst cut to what the context can show and Src (which must lie in the picture) cut by the same
// share, in 64 bits: no size overflows and no temporary outgrows what is visible. False when
// nothing would be drawn.
bool VisiblePart(HDC DC, SIZE Picture, RECT& Dst, RECT& Src)
{
    RECT box{}, cut;
    GetClipBox(DC, &box);
    if (IsRectEmpty(&Src) || Src.left < 0 || Src.top < 0 || Src.right > Picture.cx || Src.bottom > Picture.cy ||
        !IntersectRect(&cut, &Dst, &box))
        return false;
    using I = std::int64_t;
    const I dw = I{Dst.right} - Dst.left, dh = I{Dst.bottom} - Dst.top;
    const I sw = I{Src.right} - Src.left, sh = I{Src.bottom} - Src.top;
    Src = MakeRect(static_cast<int>(Src.left + (cut.left - I{Dst.left}) * sw / dw),
                   static_cast<int>(Src.top + (cut.top - I{Dst.top}) * sh / dh),
                   static_cast<int>(Src.right - (I{Dst.right} - cut.right) * sw / dw),
                   static_cast<int>(Src.bottom - (I{Dst.bottom} - cut.bottom) * sh / dh));
    Dst = cut;
    return !IsRectEmpty(&Src);
}

} // namespace

void TskBitmap::Draw(HDC DC, int X, int Y) const
{
    Draw(DC, PlacedAt(X, Y, MakeRect(0, 0, FWidth, FHeight), SIZE{FWidth, FHeight}),
         MakeRect(0, 0, FWidth, FHeight));
}

void TskBitmap::Draw(HDC DC, int X, int Y, const RECT& SrcRect) const
{
    Draw(DC, PlacedAt(X, Y, SrcRect, SIZE{FWidth, FHeight}), SrcRect);
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
    RECT dst = DstRect, src = SrcRect;
    if (!VisiblePart(DC, SIZE{FWidth, FHeight}, dst, src))
        return;
    auto routine = FAlphaBlend ? DrawAlphaToDC : FTransparent ? DrawTransparentToDC : DrawCopyToDC;
    routine(DC, dst.left, dst.top, RectWidth(dst), RectHeight(dst), *this, src.left, src.top, RectWidth(src),
            RectHeight(src));
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
