#include "skin/core/TskEffectBmp.h"

#include "platform/gdi/Bitmaps.h"
#include "platform/gdi/Dc.h"
#include "platform/gdi/Objects.h"

TskEffectBmp::TskEffectBmp(HBITMAP hBmp)
{
    BITMAP bm{};
    if (!hBmp || GetObject(hBmp, sizeof bm, &bm) == 0)
        return;
    Allocate(bm.bmWidth, bm.bmHeight);
    if (!Bits)
        return;
    HDC display = CreateDC("DISPLAY", nullptr, nullptr, nullptr);
    GetDIBits(display, hBmp, 0, static_cast<UINT>(Height), Bits, &BmpInfo, DIB_RGB_COLORS);
    DeleteDC(display);
}

void TskEffectBmp::Draw(HDC hDC, int x, int y) const
{
    if (Bits)
        SetDIBitsToDevice(hDC, x, y, static_cast<DWORD>(Width), static_cast<DWORD>(Height), 0, 0, 0,
                          static_cast<UINT>(Height), Bits, &BmpInfo, DIB_RGB_COLORS);
}

void TskEffectBmp::Stretch(HDC hDC, int x, int y, int cx, int cy) const
{
    if (Bits)
        StretchDIBits(hDC, x, y, cx, cy, 0, 0, Width, Height, Bits, &BmpInfo, DIB_RGB_COLORS, SRCCOPY);
}

void TskEffectBmp::DrawRect(HDC hDC, int x, int y, int hx, int hy, int cx, int cy) const
{
    if (Bits)
        StretchDIBits(hDC, x, y + cy - 1, cx, 1 - cy, hx, Height - hy, cx, 1 - cy, Bits, &BmpInfo, DIB_RGB_COLORS,
                      SRCCOPY);
}
