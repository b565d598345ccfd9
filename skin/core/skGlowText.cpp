#include "skin/core/skGlowText.h"

#include "classlib/Canvas.h"
#include "platform/gdi/Text.h"
#include "platform/win/Rect.h"
#include "skin/core/TskBitmap.h"
#include "skin/core/skBlur.h"
#include "skin/core/skTextUtils.h"

#include <cmath>

TskColor32 ColorRefToPixel32(COLORREF Color)
{
    return MakeColor32(GetRValue(Color), GetGValue(Color), GetBValue(Color), 255);
}

namespace {

constexpr TColor kPureRed = 0x0000FF;

// A transparent black picture whose canvas writes in Canvas's font, in pure red, without a
// background.
void PrepareGlowBitmap(TskBitmap& Bitmap, TCanvas* Canvas, int W, int H)
{
    Bitmap.SetSize(W, H);
    TCanvas* c = Bitmap.GetCanvas();
    c->SetFont(Canvas->Font());
    c->Font()->SetColor(kPureRed);
    c->Brush()->SetStyle(TBrushStyle::bsClear);
}

void DrawAt(TCanvas* Canvas, const std::string& Text, const RECT& R, int dx, int dy, UINT Flags)
{
    RECT moved = R;
    OffsetRect(&moved, dx, dy);
    DrawWideStringText(Canvas, Text, moved, Flags);
}

// Alpha := red coverage; every pixel takes the glow colour.
void RedToGlow(TskBitmap& Bitmap, COLORREF GlowColor)
{
    const TskColor32 colour = ColorRefToPixel32(GlowColor) & 0x00FFFFFFu;
    TskColor32* bits = Bitmap.GetBits();
    for (int i = 0; i < Bitmap.GetWidth() * Bitmap.GetHeight(); ++i)
        bits[i] = (RedOf(bits[i]) << 24) | colour;
}

int DrawPlainText(TCanvas* Canvas, const RECT& Rect, const std::string& Text, UINT Flags)
{
    Canvas->Brush()->SetStyle(TBrushStyle::bsClear);
    RECT r = Rect;
    return DrawWideStringText(Canvas, Text, r, Flags);
}

int DrawGlowText(TCanvas* Canvas, const RECT& Rect, const std::string& Text, UINT Flags, int Offset,
                 COLORREF GlowColor, int g, bool thicken)
{
    if (Text.empty())
        return 0;
    TskBitmap glow;
    PrepareGlowBitmap(glow, Canvas, RectWidth(Rect) + 2 * g, RectHeight(Rect) + 2 * g);
    if (!glow.Empty()) {
        const RECT T = MakeRect(g, g, glow.GetWidth() - g, glow.GetHeight() - g);
        DrawAt(glow.GetCanvas(), Text, T, 0, 0, Flags);
        if (thicken)
            for (const POINT d : {POINT{-1, 0}, POINT{1, 0}, POINT{0, -1}, POINT{0, 1}})
                DrawAt(glow.GetCanvas(), Text, T, d.x, d.y, Flags);
        BlurBitmap32(glow, g);
        RedToGlow(glow, GlowColor);
        glow.SetAlphaBlend(true);
        glow.Draw(Canvas, Rect.left + Offset - g, Rect.top + Offset - g);
    }
    return DrawPlainText(Canvas, Rect, Text, Flags);
}

} // namespace

void DrawGlowTextStr(TCanvas* Canvas, const RECT& Rect, const std::string& Text, UINT Flags, int Offset,
                     COLORREF GlowColor, int GlowSize)
{
    DrawGlowText(Canvas, Rect, Text, Flags, Offset, GlowColor, GlowSize, true);
}

int DrawGlowTextWide(TCanvas* Canvas, const RECT& Rect, const std::string& Text, UINT Flags, int Offset,
                     COLORREF GlowColor, int GlowSize)
{
    return DrawGlowText(Canvas, Rect, Text, Flags, Offset, GlowColor, GlowSize, false);
}

int DrawVistaGlowTextWide(TCanvas* Canvas, const RECT& Rect, const std::string& Text, UINT Flags, COLORREF GlowColor)
{
    if (Text.empty())
        return 0;
    constexpr int g = 12;
    TskBitmap glow;
    PrepareGlowBitmap(glow, Canvas, RectWidth(Rect) + 2 * g, RectHeight(Rect) + 2 * g);
    if (!glow.Empty()) {
        TCanvas* c = glow.GetCanvas();
        const RECT T = MakeRect(g, g, glow.GetWidth() - g, glow.GetHeight() - g);
        c->Brush()->SetStyle(TBrushStyle::bsSolid);
        c->Brush()->SetColor(kPureRed);
        c->FillRect(MakeRect(T.left - 3, T.top + 2, T.right + 3, T.bottom - 2));
        c->Brush()->SetStyle(TBrushStyle::bsClear);
        for (const POINT d : {POINT{-1, -1}, POINT{-2, -2}, POINT{-1, 0}, POINT{-2, 0}, POINT{1, 0}, POINT{2, 0},
                              POINT{1, 1}, POINT{2, 2}, POINT{0, 0}})
            DrawAt(c, Text, T, d.x, d.y, Flags);
        BlurBitmap32(glow, g / 2);
        BlurBitmap32(glow, g / 2);
        RedToGlow(glow, GlowColor);
        glow.SetAlphaBlend(true);
        glow.Draw(Canvas, Rect.left - g, Rect.top - g);
    }
    return DrawPlainText(Canvas, Rect, Text, Flags);
}

void DrawReflectionTextWide(TCanvas* Canvas, const RECT& Rect, const std::string& Text, UINT Flags,
                            int ReflectionOffset, COLORREF ReflectionColor)
{
    if (Text.empty())
        return;
    TskBitmap mirror;
    const int W = RectWidth(Rect), H = RectHeight(Rect);
    PrepareGlowBitmap(mirror, Canvas, W, H);
    if (!mirror.Empty()) {
        TCanvas* c = mirror.GetCanvas();
        RECT R0 = MakeRect(0, 0, W, H);
        DrawWideStringText(c, Text, R0, Flags);
        DrawWideStringText(c, Text, R0, Flags | DT_CALCRECT);
        RECT R1 = Rect;
        DrawWideStringText(c, Text, R1, Flags | DT_CALCRECT);
        if (RectHeight(R0) > 0) {
            const TskColor32 colour = ColorRefToPixel32(ReflectionColor) & 0x00FFFFFFu;
            for (int y = 0; y < H; ++y) {
                TskColor32* row = mirror.GetBits() + static_cast<std::ptrdiff_t>(y) * W;
                if (y < R0.top || y > R0.bottom) {
                    FillRow(row, W, 0);
                    continue;
                }
                float k = 0.7f - static_cast<float>(R0.bottom + R0.top - y) / static_cast<float>(R0.bottom - R0.top);
                if (k < 0)
                    k = 0;
                for (int x = 0; x < W; ++x)
                    row[x] = (static_cast<TskColor32>(std::trunc(RedOf(row[x]) * k)) << 24) | colour;
            }
        }
        mirror.FlipVert();
        mirror.SetAlphaBlend(true);
        mirror.Draw(Canvas, Rect.left, R1.bottom + R0.bottom + ReflectionOffset - H);
    }
    DrawPlainText(Canvas, Rect, Text, Flags);
}
