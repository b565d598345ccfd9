#include "platform/gdi/Bitmaps.h"

#include "platform/gdi/BitmapObject.h"
#include "platform/gdi/DeviceContext.h"

#include <cstring>

namespace {

HBITMAP Add(std::shared_ptr<gdi::BitmapObject> bitmap)
{
    return bitmap ? static_cast<HBITMAP>(gdi::Register(std::move(bitmap))) : nullptr;
}

} // namespace

HBITMAP CreateBitmap(int width, int height, UINT planes, UINT bitCount, const void* bits)
{
    if (planes != 1 || (bitCount != 1 && bitCount != 24 && bitCount != 32))
        return nullptr;
    auto bitmap = gdi::BitmapObject::CreateDevice(width, height, bitCount == 1);
    if (!bitmap)
        return nullptr;
    if (bits) {
        Surface& s = *bitmap->DirectSurface();
        const auto* src = static_cast<const BYTE*>(bits);
        std::size_t rowBytes = ((static_cast<std::size_t>(width) * bitCount + 15) / 16) * 2;
        for (int y = 0; y < height; ++y, src += rowBytes) {
            std::uint32_t* row = s.Row(y);
            for (int x = 0; x < width; ++x) {
                if (bitCount == 1)
                    row[x] = (src[x / 8] >> (7 - x % 8)) & 1 ? 0x00FFFFFF : 0;
                else if (bitCount == 24)
                    row[x] = src[3 * x] | (src[3 * x + 1] << 8) | (src[3 * x + 2] << 16);
                else
                    std::memcpy(&row[x], src + 4 * x, 4);
            }
        }
    }
    return Add(std::move(bitmap));
}

HBITMAP CreateCompatibleBitmap(HDC hdc, int width, int height)
{
    auto dc = gdi::FindDC(hdc);
    if (hdc && !dc)
        return nullptr;
    if (width == 0 || height == 0)
        return Add(gdi::BitmapObject::CreateDevice(1, 1, true));
    return Add(gdi::BitmapObject::CreateDevice(width, height, dc && dc->IsMono()));
}

HBITMAP CreateDIBSection(HDC, const BITMAPINFO* info, UINT usage, void** bits, HANDLE section, DWORD)
{
    if (bits)
        *bits = nullptr;
    if (!info || usage != DIB_RGB_COLORS || section)
        return nullptr;
    auto bitmap = gdi::BitmapObject::CreateDib(info->bmiHeader);
    if (!bitmap)
        return nullptr;
    if (bits)
        *bits = bitmap->Bits();
    return Add(std::move(bitmap));
}
