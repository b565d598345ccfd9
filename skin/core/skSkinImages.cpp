#include "skin/core/skSkinImages.h"

#include "classlib/Bitmap.h"
#include "classlib/Canvas.h"
#include "classlib/ImageLimits.h"
#include "platform/gdi/Objects.h"
#include "platform/gdi/Regions.h"
#include "platform/win/Rect.h"
#include "skin/core/skMaskRegions.h"
#include "skin/core/skSkinImageLayout.h"

#include <algorithm>
#include <climits>
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

// Whether an image of this size may be built: the pictures' own pixel budget bounds what a
// skin's values can make us allocate.
bool Fits(SIZE Size)
{
    return Size.cx > 0 && Size.cy > 0 && Size.cx <= kMaxImageSide && Size.cy <= kMaxImageSide &&
           std::int64_t{Size.cx} * Size.cy <= kMaxImagePixels;
}

// An image too large for the budget is left empty and nothing is drawn into it.
bool SizeTo(TBitmap* Target, int W, int H)
{
    const bool fits = Fits(SIZE{W, H});
    Target->SetSize(fits ? W : 0, fits ? H : 0);
    return fits;
}

// A frame's client rectangle lies within the frame: cut to W x H, no border image, strip or
// region part outgrows the target whatever the skin says.
RECT WithinTarget(const RECT& NC, int W, int H) { return W > 0 && H > 0 ? CutToPicture(NC, SIZE{W, H}) : NC; }

int ClampToInt(std::int64_t v) { return static_cast<int>(std::clamp<std::int64_t>(v, INT_MIN, INT_MAX)); }

} // namespace

void ComposeNineSliceImage(POINT LT, POINT RT, POINT LB, POINT RB, const RECT& C, POINT NLT, POINT NRT, POINT NLB,
                           POINT NRB, const RECT& NC, TBitmap* Target, TBitmap* Source, const RECT& S, int W, int H,
                           bool DrawClient, bool LeftStretch, bool TopStretch, bool RightStretch, bool BottomStretch,
                           bool StretchEffect, TskStretchType StretchType)
{
    if (!SizeTo(Target, W, H))
        return;
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
    if (!SizeTo(Target, W, H))
        return;
    DrawPieces(Target, Source,
               LayoutNineSliceOpenRight(Geometry(LT, RT, LB, RB, C, NLT, NRT, NLB, NRB, NC), SizeOf(Source), S, W, H,
                                        DrawClient, TskEdgeStretch{LeftStretch, TopStretch, false, BottomStretch},
                                        StretchEffect, StretchType));
}

void ComposeNineSliceFromClientRect(TBitmap* Target, TBitmap* Source, const RECT& S, const RECT& C, bool DrawClient)
{
    const int W = Target->GetWidth(), H = Target->GetHeight();
    const RECT cut = CutToPicture(S, SizeOf(Source));
    const RECT NC = MakeRect(C.left, C.top, ClampToInt(std::int64_t{C.right} + W - RectWidth(cut)),
                             ClampToInt(std::int64_t{C.bottom} + H - RectHeight(cut)));
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
        Geometry(LT, RT, LB, RB, C, NLT, NRT, NLB, NRB, WithinTarget(NC, W, H)), SizeOf(Source), S, W, H,
        TskEdgeStretch{LeftStretch, TopStretch, RightStretch, BottomStretch}, TopImage->GetHeight(),
        BottomImage->GetHeight());
    auto build = [Source](TBitmap* image, SIZE size, const TskImagePieces& pieces) {
        if (!Fits(size))
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
    if (!SizeTo(Target, W, RectHeight(CutToPicture(S, SizeOf(Source)))))
        return;
    DrawPieces(Target, Source, LayoutHorzBandImage(LeftWidth, RightWidth, SizeOf(Source), S, W, Stretch));
}

void BuildHorzBandImageLeftEnd(int LeftWidth, int RightWidth, TBitmap* Target, TBitmap* Source, const RECT& S, int W,
                               int, bool Stretch)
{
    if (!SizeTo(Target, W, RectHeight(CutToPicture(S, SizeOf(Source)))))
        return;
    DrawPieces(Target, Source, LayoutHorzBandImageLeftEnd(LeftWidth, RightWidth, SizeOf(Source), S, W, Stretch));
}

void BuildHorzBandImageNoEnds(int LeftWidth, int RightWidth, TBitmap* Target, TBitmap* Source, const RECT& S, int W,
                              int, bool Stretch)
{
    if (!SizeTo(Target, W, RectHeight(CutToPicture(S, SizeOf(Source)))))
        return;
    DrawPieces(Target, Source, LayoutHorzBandImageNoEnds(LeftWidth, RightWidth, SizeOf(Source), S, W, Stretch));
}

void BuildVertBandImage(int TopHeight, int BottomHeight, TBitmap* Target, TBitmap* Source, const RECT& S, int,
                        int H, bool Stretch)
{
    if (!SizeTo(Target, RectWidth(CutToPicture(S, SizeOf(Source))), H))
        return;
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
                    TBitmap* BottomMask, int W, int H)
{
    const TskEdgeMaskLayout layout =
        LayoutEdgeMasks(Geometry(LT, RT, LB, RB, C, NLT, NRT, NLB, NRB, WithinTarget(NC, W, H)), SizeOf(Mask), W);
    // Parts no piece reaches are outside the region: the strips start white.
    auto build = [Mask](TBitmap* strip, SIZE size, const TskImagePieces& pieces) {
        if (!Fits(size))
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
                              POINT NRT, POINT NLB, POINT NRB, const RECT& NCIn, TBitmap* Mask, int W, int H)
{
    Region = nullptr;
    const RECT NC = WithinTarget(NCIn, W, H);
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
