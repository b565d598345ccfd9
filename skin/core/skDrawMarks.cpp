#include "skin/core/skDrawMarks.h"

#include "classlib/Canvas.h"

namespace {

void Line(TCanvas* Canvas, int x1, int y1, int x2, int y2)
{
    Canvas->MoveTo(x1, y1);
    Canvas->LineTo(x2, y2);
}

// An unfilled rectangle in the pen's colour.
void Frame(TCanvas* Canvas, int left, int top, int right, int bottom)
{
    const TBrushStyle old = Canvas->Brush()->GetStyle();
    Canvas->Brush()->SetStyle(TBrushStyle::bsClear);
    Canvas->Rectangle(left, top, right, bottom);
    Canvas->Brush()->SetStyle(old);
}

void Filled(TCanvas* Canvas, TColor Color, int left, int top, int right, int bottom)
{
    Canvas->Pen()->SetColor(Color);
    Canvas->Brush()->SetColor(Color);
    Canvas->Brush()->SetStyle(TBrushStyle::bsSolid);
    Canvas->Rectangle(left, top, right, bottom);
}

} // namespace

void DrawTriangleArrow(TCanvas* Canvas, const RECT& R, TColor Color, int Direction)
{
    Canvas->Pen()->SetColor(Color);
    const int cx = R.left + (R.right - R.left) / 2, cy = R.top + (R.bottom - R.top) / 2;
    switch (Direction) {
    case 1:
        for (int i = 0; i <= 3; ++i)
            Line(Canvas, cx - 2 + i, cy - i, cx - 2 + i, cy + i + 1);
        break;
    case 2:
        for (int i = 3; i >= 0; --i)
            Line(Canvas, cx + 2 - i, cy + i, cx + 2 - i, cy - i - 1);
        break;
    case 3:
        for (int i = 0; i <= 3; ++i)
            Line(Canvas, cx - i, cy - 2 + i, cx + i + 1, cy - 2 + i);
        break;
    case 4:
        for (int i = 3; i >= 0; --i)
            Line(Canvas, cx - i, cy + 2 - i, cx + i + 1, cy + 2 - i);
        break;
    default: break;
    }
}

void DrawSmallDownTriangle(TCanvas* Canvas, const RECT& R, TColor Color)
{
    Canvas->Pen()->SetColor(Color);
    const int cx = R.left + (R.right - R.left) / 2, cy = R.top + (R.bottom - R.top) / 2 + 2;
    for (int n = 2; n >= 0; --n)
        Line(Canvas, cx - n, cy - n, cx + n + 1, cy - n);
}

void DrawSmallSquareMark(TCanvas* Canvas, int X, int Y, TColor Color) { Filled(Canvas, Color, X, Y, X + 6, Y + 6); }

void DrawTickMark(TCanvas* Canvas, int X, int Y, TColor Color)
{
    Canvas->Pen()->SetColor(Color);
    for (int i = 0; i <= 2; ++i)
        Canvas->Polyline({{X, Y + 5 - i}, {X + 2, Y + 7 - i}, {X + 7, Y + 2 - i}});
}

void DrawDottedFocusFrame(TCanvas* Canvas, const RECT& R)
{
    const int left = R.left, top = R.top, right = R.right - 1, bottom = R.bottom - 1;
    const TColor colour = Canvas->Font()->GetColor();
    Canvas->Pen()->SetColor(colour);
    bool dot = (right - left) % 2 == 0 && (bottom - top) % 2 == 0;
    auto visit = [&](int x, int y) {
        dot = !dot;
        if (dot)
            Canvas->SetPixel(x, y, colour);
    };
    for (int x = left; x <= right; ++x)
        visit(x, top);
    dot = !dot;
    for (int y = top; y <= bottom; ++y)
        visit(right, y);
    dot = !dot;
    for (int x = right; x >= left; --x)
        visit(x, bottom);
    dot = !dot;
    for (int y = bottom; y >= top; --y)
        visit(left, y);
}

void DrawCloseGlyph(TCanvas* Canvas, int X, int Y, TColor Color)
{
    Canvas->Pen()->SetColor(Color);
    Line(Canvas, X + 1, Y + 1, X + 9, Y + 9);
    Line(Canvas, X + 9, Y + 1, X + 1, Y + 9);
    Line(Canvas, X + 2, Y + 1, X + 10, Y + 9);
    Line(Canvas, X + 8, Y + 1, X, Y + 9);
}

void DrawSysMenuGlyph(TCanvas* Canvas, int X, int Y, TColor Color)
{
    Canvas->Pen()->SetColor(Color);
    Frame(Canvas, X + 1, Y + 3, X + 9, Y + 6);
}

void DrawMinimizeGlyph(TCanvas* Canvas, int X, int Y, TColor Color)
{
    Canvas->Pen()->SetColor(Color);
    Line(Canvas, X + 1, Y + 8, X + 9, Y + 8);
    Line(Canvas, X + 1, Y + 9, X + 9, Y + 9);
}

void DrawMaximizeGlyph(TCanvas* Canvas, int X, int Y, TColor Color)
{
    Canvas->Pen()->SetColor(Color);
    Frame(Canvas, X, Y, X + 11, Y + 10);
    Frame(Canvas, X, Y, X + 11, Y + 2);
}

void DrawRestoreGlyph(TCanvas* Canvas, int X, int Y, TColor Color)
{
    Canvas->Pen()->SetColor(Color);
    Frame(Canvas, X + 2, Y, X + 10, Y + 6);
    Frame(Canvas, X + 2, Y, X + 10, Y + 2);
    Frame(Canvas, X, Y + 4, X + 7, Y + 10);
    Frame(Canvas, X, Y + 4, X + 7, Y + 6);
}

void DrawRollUpGlyph(TCanvas* Canvas, int X, int Y, TColor Color)
{
    Canvas->Pen()->SetColor(Color);
    for (int i = 0; i < 4; ++i)
        Line(Canvas, X + 1 + i, Y + 6 - i, X + 10 - i, Y + 6 - i);
    Canvas->SetPixel(X + 5, Y + 2, Color);
}

void DrawRollDownGlyph(TCanvas* Canvas, int X, int Y, TColor Color)
{
    Canvas->Pen()->SetColor(Color);
    for (int i = 0; i < 4; ++i)
        Line(Canvas, X + 1 + i, Y + 2 + i, X + 10 - i, Y + 2 + i);
    Canvas->SetPixel(X + 5, Y + 6, Color);
}

void DrawMinToTrayGlyph(TCanvas* Canvas, int X, int Y, TColor Color) { Filled(Canvas, Color, X + 2, Y + 2, X + 7, Y + 7); }
