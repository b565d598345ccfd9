#include "skin/core/TskFBitmap.h"

#include "platform/gdi/Bitmaps.h"
#include "platform/gdi/Dc.h"
#include "platform/gdi/Objects.h"

TskFBitmap::TskFBitmap(HBITMAP Source)
{
    BITMAP bm{};
    if (!Source || GetObject(Source, sizeof bm, &bm) == 0 || bm.bmWidth <= 0 || bm.bmHeight <= 0)
        return;
    bmHeader.biWidth = bm.bmWidth;
    bmHeader.biHeight = -bm.bmHeight;
    bmHeader.biPlanes = 1;
    bmHeader.biBitCount = 24;
    bmHeader.biCompression = BI_RGB;
    bmInfo.bmiHeader = bmHeader;
    void* bits = nullptr;
    Handle = CreateDIBSection(nullptr, &bmInfo, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!Handle)
        return;
    Width = bm.bmWidth;
    Height = bm.bmHeight;
    Gap = Width % 4;
    RowInc = Width * 3 + Gap;
    Size = RowInc * Height;
    Bits = static_cast<std::uint8_t*>(bits);
    HDC screen = CreateDC("DISPLAY", nullptr, nullptr, nullptr);
    GetDIBits(screen, Source, 0, static_cast<UINT>(Height), Bits, &bmInfo, DIB_RGB_COLORS);
    DeleteDC(screen);
    FRows.resize(static_cast<std::size_t>(Height));
    for (int i = 0; i < Height; ++i)
        FRows[static_cast<std::size_t>(i)] = Bits + static_cast<std::ptrdiff_t>(i) * RowInc;
    Pixels = FRows.data();
    hDC = CreateCompatibleDC(nullptr);
    SelectObject(hDC, Handle);
}

TskFBitmap::~TskFBitmap()
{
    if (hDC)
        DeleteDC(hDC);
    if (Handle)
        DeleteObject(Handle);
}
