#include "skin/core/skSkinImages.h"

#include "classlib/Bitmap.h"
#include "classlib/Canvas.h"
#include "platform/gdi/Objects.h"
#include "platform/gdi/Regions.h"
#include "platform/win/Rect.h"
#include "skin/core/skMaskRegions.h"
#include "skin/core/skSkinImageLayout.h"

#include <algorithm>
#include <memory>
#include <vector>

namespace {

TskSliceGeometry Geometry(POINT LT, POINT RT, POINT LB, POINT RB, const RECT& C, POINT NLT, POINT NRT, POINT NLB,
                          POINT NRB, const RECT& NC)
{
    return TskSliceGeometry{LT, RT, LB, RB, C, NLT, NRT, NLB, NRB, NC};
}

SIZE SizeOf(TBitmap* Picture)
{
    return Picture ? SIZE{Picture->GetWidth(), Picture->GetHeight()} : SIZE{0, 0};
}

void DrawPieces(TBitmap* Target, TBitmap* Source, const TskImagePieces& Pieces)
{
    if (!Source || Pieces.empty())
        return;
    for (const TskImagePiece& p : Pieces)
        Target->Canvas()->CopyRect(p.Dst, Source->Canvas(), p.Src);
}

void SizeTo(TBitmap* Target, int W, int H) { Target->SetSize(std::max(W, 0), std::max(H, 0)); }

} // namespace

void ComposeNineSliceImage(POINT LT, POINT RT, POINT LB, POINT RB, const RECT& C, POINT NLT, POINT NRT, POINT NLB,
                           POINT NRB, const RECT& NC, TBitmap* Target, TBitmap* Source, const RECT& S, int W, int H,
                           bool DrawClient, bool LeftStretch, bool TopStretch, bool RightStretch, bool BottomStretch,
                           bool StretchEffect, TskStretchType StretchType)
{
    SizeTo(Target, W, H);
    DrawPieces(Target, Source,
               LayoutNineSliceImage(Geometry(LT, RT, LB, RB, C, NLT, NRT, NLB, NRB, NC), SizeOf(Source), S, W, H,
                                    DrawClient, TskEdgeStretch{LeftStretch, TopStretch, RightStretch, BottomStretch},
                                    StretchEffect, StretchType));
}

void ComposeNineSliceImage2(POINT LT, POINT RT, POINT LB, POINT RB, const RECT& C, POINT NLT, POINT NRT, POINT NLB,
                            POINT NRB, const RECT& NC, TBitmap* Target, TBitmap* Source, const RECT& S, int W, int H,
                            bool DrawClient, bool LeftStretch, bool TopStretch, bool RightStretch,
                            bool BottomStretch, bool StretchEffect, TskStretchType StretchType)
{
    ComposeNineSliceImage(LT, RT, LB, RB, C, NLT, NRT, NLB, NRB, NC, Target, Source, S, W, H, DrawClient, LeftStretch,
                          TopStretch, RightStretch, BottomStretch, StretchEffect, StretchType);
}

void ComposeNineSliceOpenRight(POINT LT, POINT RT, POINT LB, POINT RB, const RECT& C, POINT NLT, POINT NRT,
                               POINT NLB, POINT NRB, const RECT& NC, TBitmap* Target, TBitmap* Source, const RECT& S,
                               int W, int H, bool DrawClient, bool LeftStretch, bool TopStretch, bool,
                               bool BottomStretch, bool StretchEffect, TskStretchType StretchType)
{
    SizeTo(Target, W, H);
    DrawPieces(Target, Source,
               LayoutNineSliceOpenRight(Geometry(LT, RT, LB, RB, C, NLT, NRT, NLB, NRB, NC), SizeOf(Source), S, W, H,
                                        DrawClient, TskEdgeStretch{LeftStretch, TopStretch, false, BottomStretch},
                                        StretchEffect, StretchType));
}

void ComposeNineSliceFromClientRect(TBitmap* Target, TBitmap* Source, const RECT& S, const RECT& C, bool DrawClient)
{
    const int W = Target->GetWidth(), H = Target->GetHeight();
    const RECT NC = MakeRect(C.left, C.top, C.right + W - RectWidth(S), C.bottom + H - RectHeight(S));
    ComposeNineSliceImage(POINT{C.left, C.top}, POINT{C.right, C.top}, POINT{C.left, C.bottom},
                          POINT{C.right, C.bottom}, C, POINT{NC.left, NC.top}, POINT{NC.right, NC.top},
                          POINT{NC.left, NC.bottom}, POINT{NC.right, NC.bottom}, NC, Target, Source, S, W, H,
                          DrawClient, true, true, true, true, true, skstFull);
}

void ComposeFrameBorderImages(POINT LT, POINT RT, POINT LB, POINT RB, const RECT& C, POINT NLT, POINT NRT,
                              POINT NLB, POINT NRB, const RECT& NC, TBitmap* LeftImage, TBitmap* TopImage,
                              TBitmap* RightImage, TBitmap* BottomImage, TBitmap* Source, const RECT& S, int W, int H,
                              bool LeftStretch, bool TopStretch, bool RightStretch, bool BottomStretch)
{
    const TskFrameBorderLayout layout = LayoutFrameBorderImages(
        Geometry(LT, RT, LB, RB, C, NLT, NRT, NLB, NRB, NC), SizeOf(Source), S, W, H,
        TskEdgeStretch{LeftStretch, TopStretch, RightStretch, BottomStretch}, TopImage->GetHeight(),
        BottomImage->GetHeight());
    auto build = [Source](TBitmap* image, SIZE size, const TskImagePieces& pieces) {
        if (size.cx <= 0 || size.cy <= 0)
            return;
        image->SetSize(size.cx, size.cy);
        DrawPieces(image, Source, pieces);
    };
    build(TopImage, layout.TopSize, layout.Top);
    build(BottomImage, layout.BottomSize, layout.Bottom);
    build(LeftImage, layout.LeftSize, layout.Left);
    build(RightImage, layout.RightSize, layout.Right);
}

void BuildHorzBandImage(int LeftWidth, int RightWidth, TBitmap* Target, TBitmap* Source, const RECT& S, int W, int,
                        bool Stretch)
{
    SizeTo(Target, W, RectHeight(S));
    DrawPieces(Target, Source, LayoutHorzBandImage(LeftWidth, RightWidth, SizeOf(Source), S, W, Stretch));
}

void BuildHorzBandImageLeftEnd(int LeftWidth, int RightWidth, TBitmap* Target, TBitmap* Source, const RECT& S, int W,
                               int, bool Stretch)
{
    SizeTo(Target, W, RectHeight(S));
    DrawPieces(Target, Source, LayoutHorzBandImageLeftEnd(LeftWidth, RightWidth, SizeOf(Source), S, W, Stretch));
}

void BuildHorzBandImageNoEnds(int LeftWidth, int RightWidth, TBitmap* Target, TBitmap* Source, const RECT& S, int W,
                              int, bool Stretch)
{
    SizeTo(Target, W, RectHeight(S));
    DrawPieces(Target, Source, LayoutHorzBandImageNoEnds(LeftWidth, RightWidth, SizeOf(Source), S, W, Stretch));
}

void BuildVertBandImage(int TopHeight, int BottomHeight, TBitmap* Target, TBitmap* Source, const RECT& S, int,
                        int H, bool Stretch)
{
    SizeTo(Target, RectWidth(S), H);
    DrawPieces(Target, Source, LayoutVertBandImage(TopHeight, BottomHeight, SizeOf(Source), S, H, Stretch));
}

void DrawGlyphFromStrip(TCanvas* Canvas, int X, int Y, TBitmap* Strip, int Count, int Number)
{
    if (!Strip || Strip->Empty() || Count < 1 || Number < 1 || Number > Count)
        return;
    const int g = Strip->GetWidth() / Count, h = Strip->GetHeight();
    if (g <= 0)
        return;
    TBitmap glyph;
    glyph.SetSize(g, h);
    glyph.Canvas()->CopyRect(MakeRect(0, 0, g, h), Strip->Canvas(), MakeRect((Number - 1) * g, 0, Number * g, h));
    glyph.SetTransparent(true);
    Canvas->Draw(X, Y, &glyph);
}

void BuildEdgeMasks(POINT LT, POINT RT, POINT LB, POINT RB, const RECT& C, POINT NLT, POINT NRT, POINT NLB,
                    POINT NRB, const RECT& NC, TBitmap* Mask, TBitmap* TopMask, TBitmap* LeftMask, TBitmap* RightMask,
                    TBitmap* BottomMask, int W, int)
{
    const TskEdgeMaskLayout layout =
        LayoutEdgeMasks(Geometry(LT, RT, LB, RB, C, NLT, NRT, NLB, NRB, NC), SizeOf(Mask), W);
    // Parts no piece reaches are outside the region: the strips start white.
    auto build = [Mask](TBitmap* strip, SIZE size, const TskImagePieces& pieces) {
        if (size.cx <= 0 || size.cy <= 0)
            return;
        strip->SetSize(size.cx, size.cy);
        strip->Canvas()->Brush()->SetColor(clWhite);
        strip->Canvas()->FillRect(MakeRect(0, 0, size.cx, size.cy));
        DrawPieces(strip, Mask, pieces);
    };
    build(LeftMask, layout.LeftSize, layout.Left);
    build(RightMask, layout.RightSize, layout.Right);
    build(TopMask, layout.TopSize, layout.Top);
    build(BottomMask, layout.BottomSize, layout.Bottom);
}

void BuildFrameRegionFromMask(HRGN& Region, POINT LT, POINT RT, POINT LB, POINT RB, const RECT& C, POINT NLT,
                              POINT NRT, POINT NLB, POINT NRB, const RECT& NC, TBitmap* Mask, int W, int H)
{
    Region = nullptr;
    if (NLT.x > NRT.x || NLT.y > NLB.y || IsRectEmpty(&NC))
        return;
    TBitmap top, left, right, bottom;
    BuildEdgeMasks(LT, RT, LB, RB, C, NLT, NRT, NLB, NRB, NC, Mask, &top, &left, &right, &bottom, W, H);
    Region = CreateRectRgnIndirect(&NC);
    const struct {
        TBitmap* strip;
        POINT at;
    } strips[] = {{&top, {0, 0}}, {&bottom, {0, NC.bottom}}, {&left, {0, NC.top}}, {&right, {NC.right, NC.top}}};
    for (const auto& s : strips) {
        std::vector<std::uint8_t> data;
        BuildRegionDataFromMask(s.strip, s.at.x, s.at.y, data);
        if (HRGN part = RegionFromData(data)) {
            CombineRgn(Region, Region, part, RGN_OR);
            DeleteObject(part);
        }
    }
}
