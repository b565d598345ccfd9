#include "classlib/DibDraw.h"

#include "classlib/Canvas.h"
#include "platform/gdi/Bitmaps.h"
#include "platform/gdi/Blt.h"
#include "platform/gdi/Dc.h"
#include "platform/gdi/Objects.h"
#include "platform/gdi/SurfaceDC.h"
#include "platform/gdi/Surface.h"

#include <cstring>

void DrawDibData(TCanvas* ACanvas, const RECT& Rect, const TDibData& Image)
{
    if (Image.Width <= 0 || Image.Height <= 0)
        return;
    TDibData pixels = Image.To32Bit();
    struct {
        BITMAPINFOHEADER header;
        RGBQUAD colors[1];
    } info{};
    info.header.biWidth = pixels.Width;
    info.header.biHeight = -pixels.Height;
    info.header.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP dib = CreateDIBSection(nullptr, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!dib)
        throw EInvalidGraphic("Out of system resources: the picture could not be drawn");
    auto surface = GetBitmapSurface(dib);
    for (int y = 0; y < pixels.Height; ++y)
        std::memcpy(surface->Row(y), pixels.Row(y), static_cast<std::size_t>(pixels.Width) * 4);
    HDC src = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(src, dib);
    HDC dst = ACanvas->GetHandle();
    const int w = Rect.right - Rect.left, h = Rect.bottom - Rect.top;
    if (pixels.HasAlpha) {
        BLENDFUNCTION blend;
        blend.AlphaFormat = AC_SRC_ALPHA;
        AlphaBlend(dst, Rect.left, Rect.top, w, h, src, 0, 0, pixels.Width, pixels.Height, blend);
    } else {
        StretchBlt(dst, Rect.left, Rect.top, w, h, src, 0, 0, pixels.Width, pixels.Height, ACanvas->GetCopyMode());
    }
    SelectObject(src, old);
    DeleteDC(src);
    DeleteObject(dib);
}
