#include "skin/core/skButtonFace.h"

void CalcButtonLayout(TskButtonLayout Layout, const RECT& R, int GlyphWidth, int GlyphHeight, int TextWidth,
                      int TextHeight, int Spacing, int Margin, int& TextX, int& TextY, int& GlyphX, int& GlyphY)
{
    const int gw = GlyphWidth, gh = GlyphHeight, tw = TextWidth, th = TextHeight;
    const int s = gw == 0 ? 0 : Spacing;
    const int cx = R.left + (R.right - R.left) / 2, cy = R.top + (R.bottom - R.top) / 2;
    if (Margin == -1) {
        const int hw = (tw + gw + s) / 2, hh = (th + gh + s) / 2;
        switch (Layout) {
        case blGlyphLeft:
            GlyphX = cx - hw, GlyphY = cy - gh / 2, TextX = cx + hw - tw, TextY = cy - th / 2;
            break;
        case blGlyphRight:
            TextX = cx - hw, TextY = cy - th / 2, GlyphX = cx + hw - gw, GlyphY = cy - gh / 2;
            break;
        case blGlyphTop:
            GlyphX = cx - gw / 2, GlyphY = cy - hh, TextX = cx - tw / 2, TextY = cy + hh - th;
            break;
        case blGlyphBottom:
            TextX = cx - tw / 2, TextY = cy - hh, GlyphX = cx - gw / 2, GlyphY = cy + hh - gh;
            break;
        }
        return;
    }
    switch (Layout) {
    case blGlyphLeft:
        GlyphX = R.left + Margin, GlyphY = cy - gh / 2, TextX = GlyphX + gw + s, TextY = cy - th / 2;
        break;
    case blGlyphRight:
        GlyphX = R.right - gw - Margin, GlyphY = cy - gh / 2, TextX = GlyphX - s - tw, TextY = cy - th / 2;
        break;
    case blGlyphTop:
        GlyphX = cx - gw / 2, GlyphY = R.top + Margin, TextX = cx - tw / 2, TextY = GlyphY + gh + s;
        break;
    case blGlyphBottom:
        GlyphX = cx - gw / 2, GlyphY = R.bottom - gh - Margin, TextX = cx - tw / 2, TextY = GlyphY - s - th;
        break;
    }
}
