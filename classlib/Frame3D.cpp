#include "classlib/Frame3D.h"
#include "platform/gdi/Gdi.h"
#include "platform/win/Rect.h"

#include "classlib/Canvas.h"

void Frame3D(TCanvas* Canvas, RECT& Rect, TColor TopColor, TColor BottomColor, int Width)
{
    Canvas->Pen()->SetWidth(1);
    --Rect.right;
    --Rect.bottom;
    for (int i = 0; i < Width; ++i) {
        Canvas->Pen()->SetColor(TopColor);
        Canvas->Polyline({{Rect.left, Rect.bottom}, {Rect.left, Rect.top}, {Rect.right, Rect.top}});
        Canvas->Pen()->SetColor(BottomColor);
        Canvas->Polyline({{Rect.right, Rect.top}, {Rect.right, Rect.bottom}, {Rect.left - 1, Rect.bottom}});
        ++Rect.left;
        ++Rect.top;
        --Rect.right;
        --Rect.bottom;
    }
    ++Rect.right;
    ++Rect.bottom;
}

bool IsAccel(char32_t Ch, const std::string& Text)
{
    auto lower = [](char32_t c) { return c >= 'A' && c <= 'Z' ? c + 32 : c; };
    for (std::size_t i = 0; i + 1 < Text.size(); ++i) {
        if (Text[i] != '&')
            continue;
        if (Text[i + 1] == '&') {
            ++i;
            continue;
        }
        return lower(static_cast<unsigned char>(Text[i + 1])) == lower(Ch);
    }
    return false;
}
