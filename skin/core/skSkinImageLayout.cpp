#include "skin/core/skSkinImageLayout.h"

#include "platform/win/Rect.h"

#include <algorithm>

namespace {

// Collects the copies of one image. Source rectangles are given relative to the skin
// rectangle S and stored in picture coordinates, cut to the picture.
class PieceWriter {
public:
    PieceWriter(SIZE picture, const RECT& S, TskImagePieces& out) : picture_(picture), origin_(S), out_(out) {}

    void Put(const RECT& dst, const RECT& srcRel)
    {
        if (IsRectEmpty(&dst) || IsRectEmpty(&srcRel))
            return;
        RECT src = srcRel;
        OffsetRect(&src, origin_.left, origin_.top);
        const RECT bounds = MakeRect(0, 0, picture_.cx, picture_.cy);
        RECT cut;
        if (!IntersectRect(&cut, &src, &bounds))
            return;
        // The destination loses the same share of its size as the source.
        const int sw = RectWidth(src), sh = RectHeight(src), dw = RectWidth(dst), dh = RectHeight(dst);
        const RECT part = MakeRect(dst.left + (cut.left - src.left) * dw / sw, dst.top + (cut.top - src.top) * dh / sh,
                                   dst.right - (src.right - cut.right) * dw / sw,
                                   dst.bottom - (src.bottom - cut.bottom) * dh / sh);
        if (!IsRectEmpty(&part))
            out_.push_back({part, cut});
    }

    // Repeats columns srcRel across from..to, rows from top on, each tile at its own size.
    void TileAcross(const RECT& srcRel, int from, int to, int top)
    {
        ForEachTile(from, to, RectWidth(srcRel), [&](int pos, int len) {
            Put(MakeRect(pos, top, pos + len, top + RectHeight(srcRel)),
                MakeRect(srcRel.left, srcRel.top, srcRel.left + len, srcRel.bottom));
        });
    }

    void TileDown(const RECT& srcRel, int from, int to, int left)
    {
        ForEachTile(from, to, RectHeight(srcRel), [&](int pos, int len) {
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

    // Pieces of length L from p0: at p0 + k*L for k = 0 .. (end - p0) div L, cut at end.
    template <class Tile>
    static void ForEachTile(int p0, int end, int L, Tile tile)
    {
        if (L <= 0)
            return;
        const int count = (end - p0) / L;
        for (int k = 0; k <= count; ++k) {
            const int pos = p0 + k * L;
            const int len = std::min(L, end - pos);
            if (len > 0)
                tile(pos, len);
        }
    }

private:
    SIZE picture_;
    RECT origin_;
    TskImagePieces& out_;
};

// The centre piece C laid over the area, tiled or stretched as the skin says.
void PutCentre(PieceWriter& w, const RECT& C, const RECT& area, bool StretchEffect, TskStretchType StretchType)
{
    const int cw = RectWidth(C), ch = RectHeight(C);
    if (cw <= 0 || ch <= 0)
        return;
    if (!StretchEffect) {
        PieceWriter::ForEachTile(area.left, area.right, cw, [&](int x, int width) {
            PieceWriter::ForEachTile(area.top, area.bottom, ch, [&](int y, int height) {
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
        PieceWriter::ForEachTile(area.left, area.right, cw, [&](int x, int width) {
            w.Put(MakeRect(x, area.top, x + width, area.bottom), MakeRect(C.left, C.top, C.left + width, C.bottom));
        });
        break;
    case skstVert:
        PieceWriter::ForEachTile(area.top, area.bottom, ch, [&](int y, int height) {
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

TskImagePieces LayoutNineSliceImage(const TskSliceGeometry& G, SIZE PictureSize, const RECT& S, int W, int H,
                                    bool DrawClient, const TskEdgeStretch& Stretch, bool StretchEffect,
                                    TskStretchType StretchType)
{
    TskImagePieces pieces;
    if (NothingToCompose(G, PictureSize))
        return pieces;
    PieceWriter w(PictureSize, S, pieces);
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

TskImagePieces LayoutNineSliceOpenRight(const TskSliceGeometry& G, SIZE PictureSize, const RECT& S, int W, int H,
                                        bool DrawClient, const TskEdgeStretch& Stretch, bool StretchEffect,
                                        TskStretchType StretchType)
{
    TskImagePieces pieces;
    if (NothingToCompose(G, PictureSize))
        return pieces;
    PieceWriter w(PictureSize, S, pieces);
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

TskFrameBorderLayout LayoutFrameBorderImages(const TskSliceGeometry& G, SIZE PictureSize, const RECT& S, int W,
                                             int H, const TskEdgeStretch& Stretch, int TopHeight, int BottomHeight)
{
    TskFrameBorderLayout out;
    const int SW = RectWidth(S), SH = RectHeight(S);
    const RECT& C = G.C;
    const RECT& NC = G.NC;
    if (W > 0 && NC.top > 0 && G.RT.x > G.LT.x) {
        out.TopSize = SIZE{W, NC.top};
        TopHeight = NC.top;
        PieceWriter w(PictureSize, S, out.Top);
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
        PieceWriter w(PictureSize, S, out.Bottom);
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
        PieceWriter w(PictureSize, S, pieces);
        const int width = right - left;
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

TskImagePieces LayoutHorzBandImage(int LeftWidth, int RightWidth, SIZE PictureSize, const RECT& S, int W, bool Stretch)
{
    TskImagePieces pieces;
    PieceWriter w(PictureSize, S, pieces);
    const int SW = RectWidth(S), SH = RectHeight(S);
    if (LeftWidth != 0)
        w.Put(MakeRect(0, 0, LeftWidth, SH), MakeRect(0, 0, LeftWidth, SH));
    if (RightWidth != 0)
        w.Put(MakeRect(W - RightWidth, 0, W, SH), MakeRect(SW - RightWidth, 0, SW, SH));
    w.Across(MakeRect(LeftWidth, 0, SW - RightWidth, SH), LeftWidth, W - RightWidth, 0, SH, Stretch);
    return pieces;
}

TskImagePieces LayoutHorzBandImageLeftEnd(int LeftWidth, int RightWidth, SIZE PictureSize, const RECT& S, int W,
                                          bool Stretch)
{
    TskImagePieces pieces;
    PieceWriter w(PictureSize, S, pieces);
    const int SW = RectWidth(S), SH = RectHeight(S);
    if (LeftWidth != 0)
        w.Put(MakeRect(0, 0, LeftWidth, SH), MakeRect(0, 0, LeftWidth, SH));
    w.Across(MakeRect(LeftWidth, 0, SW - RightWidth, SH), LeftWidth, W, 0, SH, Stretch);
    return pieces;
}

TskImagePieces LayoutHorzBandImageNoEnds(int LeftWidth, int RightWidth, SIZE PictureSize, const RECT& S, int W,
                                         bool Stretch)
{
    TskImagePieces pieces;
    PieceWriter w(PictureSize, S, pieces);
    const int SW = RectWidth(S), SH = RectHeight(S);
    w.Across(MakeRect(LeftWidth, 0, SW - RightWidth, SH), 0, W, 0, SH, Stretch);
    return pieces;
}

TskImagePieces LayoutVertBandImage(int TopHeight, int BottomHeight, SIZE PictureSize, const RECT& S, int H,
                                   bool Stretch)
{
    TskImagePieces pieces;
    PieceWriter w(PictureSize, S, pieces);
    const int SW = RectWidth(S), SH = RectHeight(S);
    if (TopHeight != 0)
        w.Put(MakeRect(0, 0, SW, TopHeight), MakeRect(0, 0, SW, TopHeight));
    if (BottomHeight != 0)
        w.Put(MakeRect(0, H - BottomHeight, SW, H), MakeRect(0, SH - BottomHeight, SW, SH));
    w.Down(MakeRect(0, TopHeight, SW, SH - BottomHeight), TopHeight, H - BottomHeight, 0, SW, Stretch);
    return pieces;
}

TskEdgeMaskLayout LayoutEdgeMasks(const TskSliceGeometry& G, SIZE MaskSize, int W)
{
    TskEdgeMaskLayout out;
    const RECT whole = MakeRect(0, 0, MaskSize.cx, MaskSize.cy);
    const RECT& C = G.C;
    const int nch = RectHeight(G.NC);
    // A side strip: the edge rows repeated from the top, then the pieces above and below them.
    auto side = [&](TskImagePieces& pieces, int left, int right, int top, int bottom) {
        PieceWriter w(MaskSize, whole, pieces);
        const int width = right - left;
        if (bottom != top)
            w.TileDown(MakeRect(left, top, right, bottom), 0, nch, 0);
        if (top > C.top)
            w.Put(MakeRect(0, 0, width, top - C.top), MakeRect(left, C.top, right, top));
        if (C.bottom > bottom)
            w.Put(MakeRect(0, nch - (C.bottom - bottom), width, nch), MakeRect(left, bottom, right, C.bottom));
    };
    auto band = [&](TskImagePieces& pieces, int top, int bottom, int l, int r, int nl, int nr) {
        PieceWriter w(MaskSize, whole, pieces);
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
