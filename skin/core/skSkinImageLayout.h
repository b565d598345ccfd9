#pragma once
// Where each piece of a skin rectangle goes when an element image of another size is built
// from it: corners keep their size, edges and the centre are repeated or stretched. The result
// is a list of copies in drawing order; a copy between rectangles of different sizes stretches.
// The skin rectangle is cut to its picture and every other skin value to a bounded reach before
// any arithmetic, scaling is done in 64 bits, every source rectangle is cut to the source
// picture, and repeated pieces are laid only where the image shows them: a skin's geometry can
// never make a copy read outside its picture, overflow, or cost more than the image's size.

#include "platform/win/Types.h"
#include "skin/core/skSkinValues.h"

#include <vector>

// R cut to a picture of PictureSize; empty when they do not meet.
RECT CutToPicture(const RECT& R, SIZE PictureSize);

// Where a picture's rectangle Src lands when drawn unscaled at X, Y: a rectangle of Src's size
// (Src cut to the picture first, so its size is bounded) whose far edges saturate at the int
// range.
RECT PlacedAt(int X, int Y, const RECT& Src, SIZE PictureSize);

struct TskImagePiece {
    RECT Dst;
    RECT Src;
    friend bool operator==(const TskImagePiece&, const TskImagePiece&) = default;
};
using TskImagePieces = std::vector<TskImagePiece>;

// The geometry of a skin rectangle (LT .. C, relative to its top-left corner) and the same
// geometry moved to the target size (NLT .. NC).
struct TskSliceGeometry {
    POINT LT, RT, LB, RB;
    RECT C;
    POINT NLT, NRT, NLB, NRB;
    RECT NC;
};

struct TskEdgeStretch {
    bool Left = false, Top = false, Right = false, Bottom = false;
};

// Nine-slice image of W x H from rectangle S of a picture of PictureSize. Empty when the
// corner points coincide (RB.X = LT.X or RB.Y = LT.Y) or the picture is empty.
TskImagePieces LayoutNineSliceImage(const TskSliceGeometry& G, SIZE PictureSize, const RECT& S, int W, int H,
                                    bool DrawClient, const TskEdgeStretch& Stretch, bool StretchEffect,
                                    TskStretchType StretchType);
// The same without the right column: top, bottom and centre run to the right edge.
TskImagePieces LayoutNineSliceOpenRight(const TskSliceGeometry& G, SIZE PictureSize, const RECT& S, int W, int H,
                                        bool DrawClient, const TskEdgeStretch& Stretch, bool StretchEffect,
                                        TskStretchType StretchType);

// The four border images of a frame; each with its size, or a zero size when it is not built.
struct TskFrameBorderLayout {
    SIZE TopSize, BottomSize, LeftSize, RightSize;
    TskImagePieces Top, Bottom, Left, Right;
};
// TopHeight and BottomHeight are the heights the top and bottom images keep when they are not
// built (their size before the call).
TskFrameBorderLayout LayoutFrameBorderImages(const TskSliceGeometry& G, SIZE PictureSize, const RECT& S, int W,
                                             int H, const TskEdgeStretch& Stretch, int TopHeight, int BottomHeight);

// Band images of W x (height of S) (horizontal) or (width of S) x H (vertical): the ends are
// copied, the middle repeated or stretched.
TskImagePieces LayoutHorzBandImage(int LeftWidth, int RightWidth, SIZE PictureSize, const RECT& S, int W,
                                   bool Stretch);
TskImagePieces LayoutHorzBandImageLeftEnd(int LeftWidth, int RightWidth, SIZE PictureSize, const RECT& S, int W,
                                          bool Stretch);
TskImagePieces LayoutHorzBandImageNoEnds(int LeftWidth, int RightWidth, SIZE PictureSize, const RECT& S, int W,
                                         bool Stretch);
TskImagePieces LayoutVertBandImage(int TopHeight, int BottomHeight, SIZE PictureSize, const RECT& S, int H,
                                   bool Stretch);

// The four strips of a frame mask (never stretched), each with its size (zero when not built).
struct TskEdgeMaskLayout {
    SIZE TopSize, LeftSize, RightSize, BottomSize;
    TskImagePieces Top, Left, Right, Bottom;
};
TskEdgeMaskLayout LayoutEdgeMasks(const TskSliceGeometry& G, SIZE MaskSize, int W);
