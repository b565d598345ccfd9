#pragma once
// Element images of any size built from a rectangle S of a skin picture (nine-slice
// composition and its variants, frame border images, band images), glyphs cut from strips, and
// frame regions from masks. Every builder sizes its target itself unless said otherwise; the
// pieces go where skSkinImageLayout.h puts them.

#include "platform/gdi/GdiTypes.h"
#include "skin/core/skSkinValues.h"

class TBitmap;
class TCanvas;

void ComposeNineSliceImage(POINT LT, POINT RT, POINT LB, POINT RB, const RECT& C, POINT NLT, POINT NRT, POINT NLB,
                           POINT NRB, const RECT& NC, TBitmap* Target, TBitmap* Source, const RECT& S, int W, int H,
                           bool DrawClient, bool LeftStretch, bool TopStretch, bool RightStretch, bool BottomStretch,
                           bool StretchEffect, TskStretchType StretchType);
// The same image; the pop-up menus and hints call this one.
void ComposeNineSliceImage2(POINT LT, POINT RT, POINT LB, POINT RB, const RECT& C, POINT NLT, POINT NRT, POINT NLB,
                            POINT NRB, const RECT& NC, TBitmap* Target, TBitmap* Source, const RECT& S, int W, int H,
                            bool DrawClient, bool LeftStretch, bool TopStretch, bool RightStretch,
                            bool BottomStretch, bool StretchEffect, TskStretchType StretchType);
// Without the right column (the right stretch flag is not used).
void ComposeNineSliceOpenRight(POINT LT, POINT RT, POINT LB, POINT RB, const RECT& C, POINT NLT, POINT NRT,
                               POINT NLB, POINT NRB, const RECT& NC, TBitmap* Target, TBitmap* Source, const RECT& S,
                               int W, int H, bool DrawClient, bool LeftStretch, bool TopStretch, bool RightStretch,
                               bool BottomStretch, bool StretchEffect, TskStretchType StretchType);
// At the target's own size, with the corners of C as corner points and everything stretched.
void ComposeNineSliceFromClientRect(TBitmap* Target, TBitmap* Source, const RECT& S, const RECT& C, bool DrawClient);
// The top, bottom, left and right images of a frame of W x H (NC cut to it); an image that is
// not built keeps its size.
void ComposeFrameBorderImages(POINT LT, POINT RT, POINT LB, POINT RB, const RECT& C, POINT NLT, POINT NRT,
                              POINT NLB, POINT NRB, const RECT& NC, TBitmap* LeftImage, TBitmap* TopImage,
                              TBitmap* RightImage, TBitmap* BottomImage, TBitmap* Source, const RECT& S, int W, int H,
                              bool LeftStretch, bool TopStretch, bool RightStretch, bool BottomStretch);

// W x (height of S): ends copied, middle repeated or stretched. H is not used.
void BuildHorzBandImage(int LeftWidth, int RightWidth, TBitmap* Target, TBitmap* Source, const RECT& S, int W, int H,
                        bool Stretch);
void BuildHorzBandImageLeftEnd(int LeftWidth, int RightWidth, TBitmap* Target, TBitmap* Source, const RECT& S, int W,
                               int H, bool Stretch);
void BuildHorzBandImageNoEnds(int LeftWidth, int RightWidth, TBitmap* Target, TBitmap* Source, const RECT& S, int W,
                              int H, bool Stretch);
// (width of S) x H. W is not used.
void BuildVertBandImage(int TopHeight, int BottomHeight, TBitmap* Target, TBitmap* Source, const RECT& S, int W,
                        int H, bool Stretch);

// Glyph Number (from 1) of a strip of Count equal glyphs side by side, drawn at X, Y with the
// colour of its bottom-left pixel transparent.
void DrawGlyphFromStrip(TCanvas* Canvas, int X, int Y, TBitmap* Strip, int Count, int Number);

// The four strips of a frame mask for the new size, never stretched. W is the target width;
// a positive H with W cuts the client rectangle NC to the target.
void BuildEdgeMasks(POINT LT, POINT RT, POINT LB, POINT RB, const RECT& C, POINT NLT, POINT NRT, POINT NLB,
                    POINT NRB, const RECT& NC, TBitmap* Mask, TBitmap* TopMask, TBitmap* LeftMask, TBitmap* RightMask,
                    TBitmap* BottomMask, int W, int H);
// The region of a frame mask moved to W x H: the client rectangle NC and the black pixels of
// the four strips. Null when the target is smaller than the corner span or NC has no area.
void BuildFrameRegionFromMask(HRGN& Region, POINT LT, POINT RT, POINT LB, POINT RB, const RECT& C, POINT NLT,
                              POINT NRT, POINT NLB, POINT NRB, const RECT& NC, TBitmap* Mask, int W, int H);
