#include "classlib/Icon.h"

#include "classlib/IcoFile.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/SurfaceDC.h"
#include "platform/gdi/Surface.h"

#include <cstring>
#include <vector>

TIcon::~TIcon()
{
    dropHandle();
}

void TIcon::dropHandle()
{
    if (FHandle) {
        DestroyIcon(FHandle);
        FHandle = nullptr;
    }
}

void TIcon::Changed(TObject* Sender)
{
    if (!FSettingHandle)
        dropHandle();  // the picture changed: a new handle is made on the next request
    TImageGraphic::Changed(Sender);
}

void TIcon::LoadFromStream(TStream* Stream)
{
    SetImage(ReadIco(Stream));
}

void TIcon::SaveToStream(TStream* Stream)
{
    WriteIco(Stream, Image());
}

HICON TIcon::GetHandle()
{
    if (FHandle || Empty())
        return FHandle;
    TDibData pixels = Image().To32Bit();
    const int w = pixels.Width, h = pixels.Height;
    struct {
        BITMAPINFOHEADER header;
        RGBQUAD colors[1];
    } info{};
    info.header.biWidth = w;
    info.header.biHeight = -h;
    info.header.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP color = CreateDIBSection(nullptr, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!color)
        throw EInvalidGraphic("Out of system resources: the icon could not be made");
    auto surface = GetBitmapSurface(color);
    for (int y = 0; y < h; ++y)
        std::memcpy(surface->Row(y), pixels.Row(y), static_cast<std::size_t>(w) * 4);
    // The mask: white (set) where the picture is transparent.
    const int maskStride = ((w + 15) / 16) * 2;
    std::vector<BYTE> mask(static_cast<std::size_t>(maskStride) * static_cast<std::size_t>(h), 0);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (pixels.Row(y)[x * 4 + 3] < 128)
                mask[static_cast<std::size_t>(y * maskStride + x / 8)] |= static_cast<BYTE>(0x80 >> (x % 8));
    HBITMAP maskBitmap = CreateBitmap(w, h, 1, 1, mask.data());
    ICONINFO ii;
    ii.fIcon = TRUE;
    ii.hbmMask = maskBitmap;
    ii.hbmColor = color;
    FHandle = CreateIconIndirect(&ii);
    DeleteObject(maskBitmap);
    DeleteObject(color);
    if (!FHandle)
        throw EInvalidGraphic("Out of system resources: the icon could not be made");
    return FHandle;
}

void TIcon::SetHandle(HICON Value)
{
    if (Value == FHandle)
        return;
    TDibData pixels;
    ICONINFO ii;
    if (Value && !GetIconInfo(Value, &ii))
        throw EInvalidGraphic("Invalid icon handle");
    if (Value) {
        auto color = GetBitmapSurface(ii.hbmColor);
        auto mask = GetBitmapSurface(ii.hbmMask);
        if (color) {
            pixels.Width = color->Width();
            pixels.Height = color->Height();
            pixels.BitsPerPixel = 32;
            pixels.HasAlpha = true;
            pixels.Allocate();
            bool ownAlpha = false;
            for (int y = 0; y < pixels.Height; ++y)
                for (int x = 0; x < pixels.Width; ++x)
                    ownAlpha = ownAlpha || (color->Row(y)[x] >> 24) != 0;
            for (int y = 0; y < pixels.Height; ++y)
                for (int x = 0; x < pixels.Width; ++x) {
                    std::uint32_t p = color->Row(y)[x];
                    if (!ownAlpha) {
                        const bool transparent = mask && x < mask->Width() && y < mask->Height() &&
                                                 (mask->Row(y)[x] & 0xFFFFFF) != 0;
                        p = (p & 0xFFFFFF) | (transparent ? 0u : 0xFF000000u);
                    }
                    std::memcpy(pixels.Row(y) + x * 4, &p, 4);
                }
        }
        DeleteObject(ii.hbmColor);
        DeleteObject(ii.hbmMask);
    }
    dropHandle();
    FSettingHandle = true;
    SetImage(std::move(pixels));
    FSettingHandle = false;
    FHandle = Value;
}

HICON TIcon::ReleaseHandle()
{
    HICON h = GetHandle();
    FHandle = nullptr;
    return h;
}
