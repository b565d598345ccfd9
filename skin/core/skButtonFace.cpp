#include "skin/core/skButtonFace.h"

#include "classlib/Bitmap.h"
#include "classlib/Canvas.h"
#include "classlib/ImgList.h"
#include "platform/gdi/Text.h"
#include "skin/core/skSkinImages.h"
#include "skin/core/skTextUtils.h"

#include <functional>

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

namespace {

// Lays out and draws the caption, then lets drawGlyph put the glyph at its place.
void DrawButtonFace(TCanvas* Canvas, const RECT& R, int Margin, int Spacing, TskButtonLayout Layout,
                    const std::string& Caption, int gw, int gh, bool Down,
                    const std::function<void(int, int)>& drawGlyph)
{
    int tw = 0, th = 0;
    if (!Caption.empty()) {
        RECT measure{0, 0, R.right - R.left, R.bottom - R.top};
        if (Layout == blGlyphLeft || Layout == blGlyphRight)
            measure.right -= gw;
        else
            measure.bottom -= gh;
        DrawWideStringText(Canvas, Caption, measure, DT_EXPANDTABS | DT_WORDBREAK | DT_CALCRECT);
        tw = measure.right - measure.left;
        th = measure.bottom - measure.top;
    }
    Canvas->Brush()->SetStyle(TBrushStyle::bsClear);
    int tx = 0, ty = 0, gx = 0, gy = 0;
    CalcButtonLayout(Layout, R, gw, gh, tw, th, Spacing, Margin, tx, ty, gx, gy);
    if (Down) {
        ++tx, ++ty, ++gx, ++gy;
    }
    if (!Caption.empty()) {
        RECT textRect{tx, ty, tx + tw + 2, ty + th};
        DrawWideStringText(Canvas, Caption, textRect, DT_EXPANDTABS | DT_WORDBREAK | DT_VCENTER | DT_CENTER);
    }
    if (gw > 0 || gh > 0)
        drawGlyph(gx, gy);
}

} // namespace

void DrawImageListButtonFace(TCanvas* Canvas, const RECT& R, int Margin, int Spacing, TskButtonLayout Layout,
                             const std::string& Caption, int ImageIndex, TCustomImageList* ImageList, bool Down,
                             bool Enabled)
{
    const bool glyph = ImageList && ImageIndex >= 0 && ImageIndex < ImageList->Count();
    DrawButtonFace(Canvas, R, Margin, Spacing, Layout, Caption, glyph ? ImageList->GetWidth() : 0,
                   glyph ? ImageList->GetHeight() : 0, Down,
                   [&](int x, int y) { ImageList->Draw(Canvas, x, y, ImageIndex, Enabled); });
}

void DrawGlyphButtonFace(TCanvas* Canvas, const RECT& R, int Margin, int Spacing, TskButtonLayout Layout,
                         const std::string& Caption, TBitmap* Glyph, int GlyphCount, int GlyphNumber, bool Down)
{
    const bool glyph = Glyph && !Glyph->Empty() && GlyphCount >= 1;
    DrawButtonFace(Canvas, R, Margin, Spacing, Layout, Caption, glyph ? Glyph->GetWidth() / GlyphCount : 0,
                   glyph ? Glyph->GetHeight() : 0, Down,
                   [&](int x, int y) { DrawGlyphFromStrip(Canvas, x, y, Glyph, GlyphCount, GlyphNumber); });
}
