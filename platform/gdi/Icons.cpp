#include "platform/gdi/Icons.h"

#include "platform/gdi/Bitmaps.h"
#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/Drawing.h"
#include "platform/gdi/Raster.h"
#include "platform/gdi/Transfer.h"

#include <algorithm>

namespace {

constexpr int DefaultIconSize = 32;

class IconObject : public gdi::Object {
public:
    UINT Type() const override { return 0; }  // not a GDI object: DeleteObject refuses it

    ICONINFO info;  // hot spot and kind; the bitmap handles are not kept
    std::unique_ptr<Surface> colour;
    std::unique_ptr<Surface> mask;  // black and white words
    bool alpha = false;
};

std::unique_ptr<Surface> Copy(const Surface& from, int width, int height)
{
    auto out = std::make_unique<Surface>(width, height);
    for (int y = 0; y < std::min(height, from.Height()); ++y)
        std::copy_n(from.Row(y), std::min(width, from.Width()), out->Row(y));
    return out;
}

HBITMAP ToBitmap(const Surface& pixels, bool mono)
{
    HBITMAP bitmap = CreateBitmap(pixels.Width(), pixels.Height(), 1, mono ? 1 : 32, nullptr);
    auto object = gdi::LookupAs<gdi::BitmapObject>(bitmap);
    for (int y = 0; y < pixels.Height(); ++y)
        std::copy_n(pixels.Row(y), pixels.Width(), object->DirectSurface()->Row(y));
    return bitmap;
}

HICON MakeIcon(const ICONINFO* info, bool stock)
{
    if (!info)
        return nullptr;
    auto colour = gdi::LookupAs<gdi::BitmapObject>(info->hbmColor);
    auto mask = gdi::LookupAs<gdi::BitmapObject>(info->hbmMask);
    if (!colour || !mask)
        return nullptr;
    auto icon = std::make_shared<IconObject>();
    int w = colour->Width(), h = colour->Height();
    {
        gdi::PixelAccess c(colour, false);
        icon->colour = Copy(c.surface(), w, h);
        gdi::PixelAccess m(mask, false);
        icon->mask = Copy(m.surface(), w, h);
    }
    for (int y = 0; y < h && !icon->alpha; ++y)
        icon->alpha = std::any_of(icon->colour->Row(y), icon->colour->Row(y) + w,
                                  [](std::uint32_t p) { return PixelAlpha(p) != 0; });
    icon->info.fIcon = info->fIcon;
    icon->info.xHotspot = info->fIcon ? static_cast<DWORD>(w / 2) : info->xHotspot;
    icon->info.yHotspot = info->fIcon ? static_cast<DWORD>(h / 2) : info->yHotspot;
    return static_cast<HICON>(gdi::Register(icon, stock));
}

} // namespace

HICON CreateIconIndirect(const ICONINFO* info)
{
    return MakeIcon(info, false);
}

HICON CreateSharedIconIndirect(const ICONINFO* info)
{
    return MakeIcon(info, true);
}

BOOL DestroyIcon(HICON icon)
{
    if (!gdi::LookupAs<IconObject>(icon))
        return FALSE;
    return gdi::Unregister(icon) ? TRUE : FALSE;
}

BOOL GetIconInfo(HICON hicon, ICONINFO* info)
{
    auto icon = gdi::LookupAs<IconObject>(hicon);
    if (!icon || !info)
        return FALSE;
    *info = icon->info;
    info->hbmColor = ToBitmap(*icon->colour, false);
    info->hbmMask = ToBitmap(*icon->mask, true);
    return TRUE;
}

BOOL DrawIconEx(HDC hdc, int x, int y, HICON hicon, int width, int height, UINT, HBRUSH flickerFreeBrush,
                UINT flags)
{
    auto dc = gdi::FindDC(hdc);
    auto icon = gdi::LookupAs<IconObject>(hicon);
    if (!dc || !icon)
        return FALSE;
    const int w = icon->colour->Width(), h = icon->colour->Height();
    if (width == 0)
        width = flags & DI_DEFAULTSIZE ? DefaultIconSize : w;
    if (height == 0)
        height = flags & DI_DEFAULTSIZE ? DefaultIconSize : h;
    if (flickerFreeBrush) {
        RECT r{x, y, x + width, y + height};
        FillRect(hdc, &r, flickerFreeBrush);
    }
    gdi::Target t(*dc, true);
    const int dx = t.X(x), dy = t.Y(y);
    const bool drawMask = flags & DI_MASK, drawImage = flags & DI_IMAGE;
    if (drawMask && drawImage && icon->alpha) {
        gdi::Transfer(t, dx, dy, width, height, *icon->colour, 0, 0, w, h,
                      [](std::uint32_t* d, const std::uint32_t* s, int n) {
                          for (int i = 0; i < n; ++i)
                              d[i] = gdi::BlendOver(s[i], d[i], PixelAlpha(s[i]));
                      });
        return TRUE;
    }
    if (drawMask) {
        gdi::Transfer(t, dx, dy, width, height, *icon->mask, 0, 0, w, h,
                      [](std::uint32_t* d, const std::uint32_t* s, int n) {
                          for (int i = 0; i < n; ++i)
                              d[i] &= gdi::MonoWhite(s[i]) ? 0xFFFFFFFFu : 0u;
                      });
    }
    if (drawImage) {
        gdi::Transfer(t, dx, dy, width, height, *icon->colour, 0, 0, w, h,
                      [drawMask](std::uint32_t* d, const std::uint32_t* s, int n) {
                          for (int i = 0; i < n; ++i)
                              d[i] = drawMask ? d[i] ^ s[i] : s[i];
                      });
    }
    return TRUE;
}

BOOL DrawIcon(HDC dc, int x, int y, HICON icon)
{
    return DrawIconEx(dc, x, y, icon, 0, 0, 0, nullptr, DI_NORMAL | DI_DEFAULTSIZE);
}
