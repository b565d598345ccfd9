#include "skin/core/skSkinImageLayout.h"

#include "platform/win/Rect.h"

#include <algorithm>
#include <climits>
#include <cstdint>

namespace {

// Skin values are cut to this reach before any arithmetic: it lies far beyond any picture or
// image the budget allows, and sums of a few such values still fit an int.
constexpr int kReach = 1 << 24;

int Tame(int v) { return std::clamp(v, -kReach, kReach); }
POINT Tame(POINT p) { return POINT{Tame(p.x), Tame(p.y)}; }
RECT Tame(const RECT& r) { return MakeRect(Tame(r.left), Tame(r.top), Tame(r.right), Tame(r.bottom)); }

TskSliceGeometry Tame(const TskSliceGeometry& G)
{
    return TskSliceGeometry{Tame(G.LT),  Tame(G.RT),  Tame(G.LB),  Tame(G.RB),  Tame(G.C),
                            Tame(G.NLT), Tame(G.NRT), Tame(G.NLB), Tame(G.NRB), Tame(G.NC)};
}

// Collects the copies of one image of Target size. Source rectangles are given relative to the
// skin rectangle S (already cut to the picture) and stored in picture coordinates, cut to the
// picture; repeated pieces are only laid where the image can show them.
class PieceWriter {
public:
    PieceWriter(SIZE picture, const RECT& S, SIZE target, TskImagePieces& out)
        : picture_(picture), origin_(S), target_(target), out_(out)
    {
    }

    void Put(const RECT& dst, const RECT& srcRel)
    {
        if (IsRectEmpty(&dst) || IsRectEmpty(&srcRel))
            return;
        using I = std::int64_t;
        const I sl = I{srcRel.left} + origin_.left, st = I{srcRel.top} + origin_.top;
        const I sr = I{srcRel.right} + origin_.left, sb = I{srcRel.bottom} + origin_.top;
        const I cl = std::max<I>(sl, 0), ct = std::max<I>(st, 0);
        const I cr = std::min<I>(sr, picture_.cx), cb = std::min<I>(sb, picture_.cy);
        if (cl >= cr || ct >= cb)
            return;
        // The destination loses the same share of its size as the source.
        const I sw = sr - sl, sh = sb - st, dw = I{dst.right} - dst.left, dh = I{dst.bottom} - dst.top;
        const RECT part = MakeRect(static_cast<int>(dst.left + (cl - sl) * dw / sw),
                                   static_cast<int>(dst.top + (ct - st) * dh / sh),
                                   static_cast<int>(dst.right - (sr - cr) * dw / sw),
                                   static_cast<int>(dst.bottom - (sb - cb) * dh / sh));
        const RECT image = MakeRect(0, 0, target_.cx, target_.cy);
        RECT shown;
        if (IntersectRect(&shown, &part, &image))
            out_.push_back({part, MakeRect(static_cast<int>(cl), static_cast<int>(ct), static_cast<int>(cr),
                                           static_cast<int>(cb))});
    }

    // Repeats columns srcRel across from..to, rows from top on, each tile at its own size.
    void TileAcross(const RECT& srcRel, int from, int to, int top)
    {
        ForEachTile(from, to, RectWidth(srcRel), 0, target_.cx, [&](int pos, int len) {
            Put(MakeRect(pos, top, pos + len, top + RectHeight(srcRel)),
                MakeRect(srcRel.left, srcRel.top, srcRel.left + len, srcRel.bottom));
        });
    }

    void TileDown(const RECT& srcRel, int from, int to, int left)
    {
        ForEachTile(from, to, RectHeight(srcRel), 0, target_.cy, [&](int pos, int len) {
            Put(MakeRect(left, pos, left + RectWidth(srcRel), pos + len),
                MakeRect(srcRel.left, srcRel.top, srcRel.right, srcRel.top + len));
        });
    }

    // A piece repeated across `from`..`to` or stretched over it.
    void Across(const RECT& srcRel, int from, int to, int top, int bottom, bool stretch)
    {
        if (stretch)
            Put(MakeRect(from, top, to, bottom), srcRel);
        else
            TileAcross(srcRel, from, to, top);
    }

    void Down(const RECT& srcRel, int from, int to, int left, int right, bool stretch)
    {
        if (stretch)
            Put(MakeRect(left, from, right, to), srcRel);
        else
            TileDown(srcRel, from, to, left);
    }

    // Pieces of length L from p0: at p0 + k*L for k = 0 .. (end - p0) div L, cut at end; only
    // those that reach into lo..hi.
    template <class Tile>
    static void ForEachTile(int p0, int end, int L, int lo, int hi, Tile tile)
    {
        if (L <= 0)
            return;
        const int first = lo > p0 ? p0 + (lo - p0) / L * L : p0;
        const int last = std::min(end, hi);
        for (int pos = first; pos < last; pos += L)
            tile(pos, std::min(L, end - pos));
    }

    SIZE Target() const { return target_; }

private:
    SIZE picture_;
    RECT origin_;
    SIZE target_;
    TskImagePieces& out_;
};

// The centre piece C laid over the area, tiled or stretched as the skin says.
void PutCentre(PieceWriter& w, const RECT& C, const RECT& area, bool StretchEffect, TskStretchType StretchType)
{
    const int cw = RectWidth(C), ch = RectHeight(C);
    if (cw <= 0 || ch <= 0)
        return;
    const SIZE target = w.Target();
    if (!StretchEffect) {
        PieceWriter::ForEachTile(area.left, area.right, cw, 0, target.cx, [&](int x, int width) {
            PieceWriter::ForEachTile(area.top, area.bottom, ch, 0, target.cy, [&](int y, int height) {
                w.Put(MakeRect(x, y, x + width, y + height), MakeRect(C.left, C.top, C.left + width, C.top + height));
            });
        });
        return;
    }
    if (IsRectEmpty(&area))
        return;
    switch (StretchType) {
    case skstFull: w.Put(area, C); break;
    case skstHorz:
        PieceWriter::ForEachTile(area.left, area.right, cw, 0, target.cx, [&](int x, int width) {
            w.Put(MakeRect(x, area.top, x + width, area.bottom), MakeRect(C.left, C.top, C.left + width, C.bottom));
        });
        break;
    case skstVert:
        PieceWriter::ForEachTile(area.top, area.bottom, ch, 0, target.cy, [&](int y, int height) {
            w.Put(MakeRect(area.left, y, area.right, y + height), MakeRect(C.left, C.top, C.right, C.top + height));
        });
        break;
    }
}

bool NothingToCompose(const TskSliceGeometry& G, SIZE PictureSize)
{
    return G.RB.x == G.LT.x || G.RB.y == G.LT.y || PictureSize.cx <= 0 || PictureSize.cy <= 0;
}

} // namespace

TskImagePieces LayoutNineSliceImage(const TskSliceGeometry& GIn, SIZE PictureSize, const RECT& SIn, int WIn, int HIn,
                                    bool DrawClient, const TskEdgeStretch& Stretch, bool StretchEffect,
                                    TskStretchType StretchType)
{
    const TskSliceGeometry G = Tame(GIn);
    const RECT S = CutToPicture(SIn, PictureSize);
    const int W = Tame(WIn), H = Tame(HIn);
    TskImagePieces pieces;
    if (NothingToCompose(G, PictureSize) || IsRectEmpty(&S))
        return pieces;
    PieceWriter w(PictureSize, S, SIZE{W, H}, pieces);
    const int SW = RectWidth(S), SH = RectHeight(S);
    const RECT& C = G.C;
    const RECT& NC = G.NC;
    w.Across(MakeRect(G.LT.x, 0, G.RT.x, C.top), G.NLT.x, G.NRT.x, 0, NC.top, Stretch.Top);
    w.Across(MakeRect(G.LB.x, C.bottom, G.RB.x, SH), G.NLB.x, G.NRB.x, NC.bottom, H, Stretch.Bottom);
    w.Down(MakeRect(0, G.LT.y, C.left, G.LB.y), G.NLT.y, G.NLB.y, 0, NC.left, Stretch.Left);
    w.Down(MakeRect(C.right, G.RT.y, SW, G.RB.y), G.NRT.y, G.NRB.y, NC.right, W, Stretch.Right);

    w.Put(MakeRect(0, 0, G.NLT.x, NC.top), MakeRect(0, 0, G.LT.x, C.top));
    w.Put(MakeRect(0, NC.top, NC.left, G.NLT.y), MakeRect(0, C.top, C.left, G.LT.y));
    w.Put(MakeRect(G.NRT.x, 0, W, NC.top), MakeRect(G.RT.x, 0, SW, C.top));
    w.Put(MakeRect(NC.right, NC.top, W, G.NRT.y), MakeRect(C.right, C.top, SW, G.RT.y));
    w.Put(MakeRect(0, G.NLB.y, NC.left, H), MakeRect(0, G.LB.y, C.left, SH));
    w.Put(MakeRect(NC.left, NC.bottom, G.NLB.x, H), MakeRect(C.left, C.bottom, G.LB.x, SH));
    w.Put(MakeRect(G.NRB.x, NC.bottom, W, H), MakeRect(G.RB.x, C.bottom, SW, SH));
    w.Put(MakeRect(NC.right, G.NRB.y, W, NC.bottom), MakeRect(C.right, G.RB.y, SW, C.bottom));

    if (DrawClient)
        PutCentre(w, C, NC, StretchEffect, StretchType);
    return pieces;
}

TskImagePieces LayoutNineSliceOpenRight(const TskSliceGeometry& GIn, SIZE PictureSize, const RECT& SIn, int WIn, int HIn,
                                        bool DrawClient, const TskEdgeStretch& Stretch, bool StretchEffect,
                                        TskStretchType StretchType)
{
    const TskSliceGeometry G = Tame(GIn);
    const RECT S = CutToPicture(SIn, PictureSize);
    const int W = Tame(WIn), H = Tame(HIn);
    TskImagePieces pieces;
    if (NothingToCompose(G, PictureSize) || IsRectEmpty(&S))
        return pieces;
    PieceWriter w(PictureSize, S, SIZE{W, H}, pieces);
    const int SH = RectHeight(S);
    const RECT& C = G.C;
    const RECT& NC = G.NC;
    w.Across(MakeRect(G.LT.x, 0, G.RT.x, C.top), G.NLT.x, W, 0, NC.top, Stretch.Top);
    w.Across(MakeRect(G.LB.x, C.bottom, G.RB.x, SH), G.NLB.x, W, NC.bottom, H, Stretch.Bottom);
    w.Down(MakeRect(0, G.LT.y, C.left, G.LB.y), G.NLT.y, G.NLB.y, 0, NC.left, Stretch.Left);

    w.Put(MakeRect(0, 0, G.NLT.x, NC.top), MakeRect(0, 0, G.LT.x, C.top));
    w.Put(MakeRect(0, NC.top, NC.left, G.NLT.y), MakeRect(0, C.top, C.left, G.LT.y));
    w.Put(MakeRect(0, G.NLB.y, NC.left, H), MakeRect(0, G.LB.y, C.left, SH));
    w.Put(MakeRect(NC.left, NC.bottom, G.NLB.x, H), MakeRect(C.left, C.bottom, G.LB.x, SH));

    if (DrawClient)
        PutCentre(w, C, MakeRect(NC.left, NC.top, W, NC.bottom), StretchEffect, StretchType);
    return pieces;
}

TskFrameBorderLayout LayoutFrameBorderImages(const TskSliceGeometry& GIn, SIZE PictureSize, const RECT& SIn, int WIn,
                                             int HIn, const TskEdgeStretch& Stretch, int TopHeightIn, int BottomHeightIn)
{
    const TskSliceGeometry G = Tame(GIn);
    const RECT S = CutToPicture(SIn, PictureSize);
    const int W = Tame(WIn), H = Tame(HIn);
    int TopHeight = Tame(TopHeightIn), BottomHeight = Tame(BottomHeightIn);
    TskFrameBorderLayout out;
    if (IsRectEmpty(&S))
        return out;
    const int SW = RectWidth(S), SH = RectHeight(S);
    const RECT& C = G.C;
    const RECT& NC = G.NC;
    if (W > 0 && NC.top > 0 && G.RT.x > G.LT.x) {
        out.TopSize = SIZE{W, NC.top};
        TopHeight = NC.top;
        PieceWriter w(PictureSize, S, out.TopSize, out.Top);
        if (Stretch.Top)
            w.Put(MakeRect(G.NLT.x, 0, G.NRT.x, NC.top), MakeRect(G.LT.x, 0, G.RT.x, NC.top));
        else
            w.TileAcross(MakeRect(G.LT.x, 0, G.RT.x, NC.top), 0, W, 0);
        w.Put(MakeRect(0, 0, G.NLT.x, NC.top), MakeRect(0, 0, G.LT.x, NC.top));
        w.Put(MakeRect(G.NRT.x, 0, W, NC.top), MakeRect(G.RT.x, 0, SW, NC.top));
    }
    const int bh = H - NC.bottom;
    if (W > 0 && bh > 0 && G.RB.x > G.LB.x) {
        out.BottomSize = SIZE{W, bh};
        BottomHeight = bh;
        PieceWriter w(PictureSize, S, out.BottomSize, out.Bottom);
        if (Stretch.Bottom)
            w.Put(MakeRect(G.NLB.x, 0, G.NRB.x, bh), MakeRect(G.LB.x, SH - bh, G.RB.x, SH));
        else
            w.TileAcross(MakeRect(G.LB.x, SH - bh, G.RB.x, SH), 0, W, 0);
        w.Put(MakeRect(0, 0, G.NLB.x, bh), MakeRect(0, SH - bh, G.LB.x, SH));
        w.Put(MakeRect(G.NRB.x, 0, W, bh), MakeRect(G.RB.x, SH - bh, SW, SH));
    }
    const int HL = H - TopHeight - BottomHeight;
    // The side images: the edge rows repeated or stretched between the pieces above and below.
    auto side = [&](TskImagePieces& pieces, int left, int right, int top, int bottom, bool stretch) {
        const int width = right - left;
        PieceWriter w(PictureSize, S, SIZE{width, HL}, pieces);
        if (stretch)
            w.Put(MakeRect(0, top - C.top, width, HL - (C.bottom - bottom)), MakeRect(left, top, right, bottom));
        else
            w.TileDown(MakeRect(left, top, right, bottom), 0, HL, 0);
        if (top > C.top)
            w.Put(MakeRect(0, 0, width, top - C.top), MakeRect(left, C.top, right, top));
        if (C.bottom > bottom)
            w.Put(MakeRect(0, HL - (C.bottom - bottom), width, HL), MakeRect(left, bottom, right, C.bottom));
    };
    if (NC.left > 0 && HL > 0 && G.LB.y > G.LT.y) {
        out.LeftSize = SIZE{NC.left, HL};
        side(out.Left, 0, NC.left, G.LT.y, G.LB.y, Stretch.Left);
    }
    if (W - NC.right > 0 && HL > 0 && G.RB.y > G.RT.y) {
        out.RightSize = SIZE{W - NC.right, HL};
        side(out.Right, C.right, SW, G.RT.y, G.RB.y, Stretch.Right);
    }
    return out;
}

TskImagePieces LayoutHorzBandImage(int LeftWidthIn, int RightWidthIn, SIZE PictureSize, const RECT& SIn, int WIn, bool Stretch)
{
    const int LeftWidth = Tame(LeftWidthIn), RightWidth = Tame(RightWidthIn), W = Tame(WIn);
    const RECT S = CutToPicture(SIn, PictureSize);
    TskImagePieces pieces;
    PieceWriter w(PictureSize, S, SIZE{W, RectHeight(S)}, pieces);
    const int SW = RectWidth(S), SH = RectHeight(S);
    if (LeftWidth != 0)
        w.Put(MakeRect(0, 0, LeftWidth, SH), MakeRect(0, 0, LeftWidth, SH));
    if (RightWidth != 0)
        w.Put(MakeRect(W - RightWidth, 0, W, SH), MakeRect(SW - RightWidth, 0, SW, SH));
    w.Across(MakeRect(LeftWidth, 0, SW - RightWidth, SH), LeftWidth, W - RightWidth, 0, SH, Stretch);
    return pieces;
}

TskImagePieces LayoutHorzBandImageLeftEnd(int LeftWidthIn, int RightWidthIn, SIZE PictureSize, const RECT& SIn, int WIn,
                                          bool Stretch)
{
    const int LeftWidth = Tame(LeftWidthIn), RightWidth = Tame(RightWidthIn), W = Tame(WIn);
    const RECT S = CutToPicture(SIn, PictureSize);
    TskImagePieces pieces;
    PieceWriter w(PictureSize, S, SIZE{W, RectHeight(S)}, pieces);
    const int SW = RectWidth(S), SH = RectHeight(S);
    if (LeftWidth != 0)
        w.Put(MakeRect(0, 0, LeftWidth, SH), MakeRect(0, 0, LeftWidth, SH));
    w.Across(MakeRect(LeftWidth, 0, SW - RightWidth, SH), LeftWidth, W, 0, SH, Stretch);
    return pieces;
}

TskImagePieces LayoutHorzBandImageNoEnds(int LeftWidthIn, int RightWidthIn, SIZE PictureSize, const RECT& SIn, int WIn,
                                         bool Stretch)
{
    const int LeftWidth = Tame(LeftWidthIn), RightWidth = Tame(RightWidthIn), W = Tame(WIn);
    const RECT S = CutToPicture(SIn, PictureSize);
    TskImagePieces pieces;
    PieceWriter w(PictureSize, S, SIZE{W, RectHeight(S)}, pieces);
    const int SW = RectWidth(S), SH = RectHeight(S);
    w.Across(MakeRect(LeftWidth, 0, SW - RightWidth, SH), 0, W, 0, SH, Stretch);
    return pieces;
}

TskImagePieces LayoutVertBandImage(int TopHeightIn, int BottomHeightIn, SIZE PictureSize, const RECT& SIn, int HIn,
                                   bool Stretch)
{
    const int TopHeight = Tame(TopHeightIn), BottomHeight = Tame(BottomHeightIn), H = Tame(HIn);
    const RECT S = CutToPicture(SIn, PictureSize);
    TskImagePieces pieces;
    PieceWriter w(PictureSize, S, SIZE{RectWidth(S), H}, pieces);
    const int SW = RectWidth(S), SH = RectHeight(S);
    if (TopHeight != 0)
        w.Put(MakeRect(0, 0, SW, TopHeight), MakeRect(0, 0, SW, TopHeight));
    if (BottomHeight != 0)
        w.Put(MakeRect(0, H - BottomHeight, SW, H), MakeRect(0, SH - BottomHeight, SW, SH));
    w.Down(MakeRect(0, TopHeight, SW, SH - BottomHeight), TopHeight, H - BottomHeight, 0, SW, Stretch);
    return pieces;
}

TskEdgeMaskLayout LayoutEdgeMasks(const TskSliceGeometry& GIn, SIZE MaskSize, int WIn)
{
    const TskSliceGeometry G = Tame(GIn);
    const int W = Tame(WIn);
    TskEdgeMaskLayout out;
    const RECT whole = MakeRect(0, 0, MaskSize.cx, MaskSize.cy);
    const RECT& C = G.C;
    const int nch = RectHeight(G.NC);
    // A side strip: the edge rows repeated from the top, then the pieces above and below them.
    auto side = [&](TskImagePieces& pieces, int left, int right, int top, int bottom) {
        const int width = right - left;
        PieceWriter w(MaskSize, whole, SIZE{width, nch}, pieces);
        if (bottom != top)
            w.TileDown(MakeRect(left, top, right, bottom), 0, nch, 0);
        if (top > C.top)
            w.Put(MakeRect(0, 0, width, top - C.top), MakeRect(left, C.top, right, top));
        if (C.bottom > bottom)
            w.Put(MakeRect(0, nch - (C.bottom - bottom), width, nch), MakeRect(left, bottom, right, C.bottom));
    };
    auto band = [&](TskImagePieces& pieces, int top, int bottom, int l, int r, int nl, int nr) {
        PieceWriter w(MaskSize, whole, SIZE{W, bottom - top}, pieces);
        if (r != l)
            w.TileAcross(MakeRect(l, top, r, bottom), nl, nr, 0);
        w.Put(MakeRect(0, 0, l, bottom - top), MakeRect(0, top, l, bottom));
        w.Put(MakeRect(nr, 0, W, bottom - top), MakeRect(r, top, MaskSize.cx, bottom));
    };
    if (C.left > 0 && nch > 0) {
        out.LeftSize = SIZE{C.left, nch};
        side(out.Left, 0, C.left, G.LT.y, G.LB.y);
    }
    if (MaskSize.cx - C.right > 0 && nch > 0) {
        out.RightSize = SIZE{MaskSize.cx - C.right, nch};
        side(out.Right, C.right, MaskSize.cx, G.RT.y, G.RB.y);
    }
    if (W > 0 && C.top > 0) {
        out.TopSize = SIZE{W, C.top};
        band(out.Top, 0, C.top, G.LT.x, G.RT.x, G.NLT.x, G.NRT.x);
    }
    if (W > 0 && MaskSize.cy - C.bottom > 0) {
        out.BottomSize = SIZE{W, MaskSize.cy - C.bottom};
        band(out.Bottom, C.bottom, MaskSize.cy, G.LB.x, G.RB.x, G.NLB.x, G.NRB.x);
    }
    return out;
}

RECT CutToPicture(const RECT& R, SIZE PictureSize)
{
    const RECT bounds = MakeRect(0, 0, PictureSize.cx, PictureSize.cy);
    RECT cut;
    return IntersectRect(&cut, &R, &bounds) ? cut : RECT{};
}

RECT PlacedAt(int X, int Y, const RECT& Src, SIZE PictureSize)
{
    const RECT cut = CutToPicture(Src, PictureSize);
    auto far = [](int from, int length) {
        return static_cast<int>(std::min<std::int64_t>(std::int64_t{from} + length, INT_MAX));
    };
    return MakeRect(X, Y, far(X, RectWidth(cut)), far(Y, RectHeight(cut)));
}
