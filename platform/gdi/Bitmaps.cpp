#include "platform/gdi/Bitmaps.h"

#include "platform/gdi/BitmapObject.h"
#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/Raster.h"
#include "platform/gdi/Transfer.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <optional>

namespace {

struct DibFormat {
    int width;
    int height;
    bool topDown;
    int bpp;
    std::size_t rowBytes;

    // The picture row of a scan line.
    int Row(std::int64_t scan) const { return static_cast<int>(topDown ? scan : height - 1 - scan); }
};

std::optional<DibFormat> FormatOf(const BITMAPINFO* info, bool allowMono)
{
    if (!info)
        return std::nullopt;
    const BITMAPINFOHEADER& h = info->bmiHeader;
    int bpp = h.biBitCount;
    std::int64_t height = h.biHeight < 0 ? -std::int64_t{h.biHeight} : h.biHeight;
    if (h.biSize < sizeof(BITMAPINFOHEADER) || h.biCompression != BI_RGB || h.biWidth <= 0 || height <= 0 ||
        !Surface::ValidSize(h.biWidth, height) || !(bpp == 24 || bpp == 32 || (allowMono && bpp == 1)))
        return std::nullopt;
    std::size_t rowBytes = ((static_cast<std::size_t>(h.biWidth) * static_cast<std::size_t>(bpp) + 31) / 32) * 4;
    return DibFormat{h.biWidth, static_cast<int>(height), h.biHeight < 0, bpp, rowBytes};
}

// The picture rows held by scan lines [start, start + lines) of DIB memory, as a 32-bit surface
// whose first row is picture row *firstRow.
std::unique_ptr<Surface> Unpack(const DibFormat& f, const BYTE* bits, std::int64_t start, std::int64_t lines,
                                int* firstRow)
{
    std::int64_t end = std::min<std::int64_t>(start + lines, f.height);
    if (start >= end)
        return nullptr;
    int rows = static_cast<int>(end - start);
    *firstRow = f.topDown ? static_cast<int>(start) : static_cast<int>(f.height - end);
    auto out = std::make_unique<Surface>(f.width, rows);
    for (std::int64_t scan = start; scan < end; ++scan) {
        const BYTE* src = bits + static_cast<std::size_t>(scan - start) * f.rowBytes;
        std::uint32_t* dst = out->Row(f.Row(scan) - *firstRow);
        if (f.bpp == 32)
            std::memcpy(dst, src, static_cast<std::size_t>(f.width) * 4);
        else
            for (int x = 0; x < f.width; ++x, src += 3)
                dst[x] = src[0] | (src[1] << 8) | (src[2] << 16);
    }
    return out;
}

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

int GetDIBits(HDC, HBITMAP hbitmap, UINT start, UINT lines, void* bits, BITMAPINFO* info, UINT usage)
{
    auto bitmap = gdi::LookupAs<gdi::BitmapObject>(hbitmap);
    if (!bitmap || !info || usage != DIB_RGB_COLORS)
        return 0;
    BITMAPINFOHEADER& h = info->bmiHeader;
    if (!bits && h.biBitCount == 0) {
        h = BITMAPINFOHEADER{};
        h.biWidth = bitmap->Width();
        h.biHeight = bitmap->Height();
        h.biBitCount = static_cast<WORD>(bitmap->BitsPixel());
        std::size_t rowBytes = ((static_cast<std::size_t>(bitmap->Width()) * h.biBitCount + 31) / 32) * 4;
        h.biSizeImage = static_cast<DWORD>(rowBytes * static_cast<std::size_t>(bitmap->Height()));
        return TRUE;
    }
    std::optional<DibFormat> f = FormatOf(info, true);
    if (!f)
        return 0;
    if (!bits) {
        h.biSizeImage = static_cast<DWORD>(f->rowBytes * static_cast<std::size_t>(f->height));
        return TRUE;
    }
    if (f->bpp == 1) {
        // The colour table: 0 black, 1 white (the caller provides room for two entries).
        const RGBQUAD table[2] = {{0, 0, 0, 0}, {255, 255, 255, 0}};
        std::memcpy(reinterpret_cast<BYTE*>(info) + h.biSize, table, sizeof table);
    }
    gdi::PixelAccess access(bitmap, false);
    const Surface& pixels = access.surface();
    std::int64_t end = std::min<std::int64_t>(std::int64_t{start} + lines, f->height);
    auto* out = static_cast<BYTE*>(bits);
    for (std::int64_t scan = start; scan < end; ++scan, out += f->rowBytes) {
        std::memset(out, 0, f->rowBytes);
        int y = f->Row(scan);
        if (y >= pixels.Height())
            continue;
        const std::uint32_t* row = pixels.Row(y);
        int w = std::min(f->width, pixels.Width());
        for (int x = 0; x < w; ++x) {
            switch (f->bpp) {
            case 1:
                if (gdi::MonoWhite(row[x]))
                    out[x / 8] |= static_cast<BYTE>(0x80 >> (x % 8));
                break;
            case 24:
                out[3 * x] = static_cast<BYTE>(row[x]);
                out[3 * x + 1] = static_cast<BYTE>(row[x] >> 8);
                out[3 * x + 2] = static_cast<BYTE>(row[x] >> 16);
                break;
            default: std::memcpy(out + 4 * x, &row[x], 4);
            }
        }
    }
    return end > start ? static_cast<int>(end - start) : 0;
}

int SetDIBitsToDevice(HDC hdc, int x, int y, DWORD width, DWORD height, int srcX, int srcY, UINT start,
                      UINT lines, const void* bits, const BITMAPINFO* info, UINT usage)
{
    auto dc = gdi::FindDC(hdc);
    std::optional<DibFormat> f = FormatOf(info, false);
    if (!dc || !f || !bits || usage != DIB_RGB_COLORS || width > 0x7FFFFFFF || height > 0x7FFFFFFF)
        return 0;
    int first = 0;
    std::unique_ptr<Surface> band = Unpack(*f, static_cast<const BYTE*>(bits), start, lines, &first);
    if (!band)
        return 0;
    int w = static_cast<int>(width), h = static_cast<int>(height);
    std::int64_t top = f->topDown ? srcY : std::int64_t{f->height} - srcY - h;
    gdi::RopTransfer(*dc, x, y, w, h, *band, false, 0, srcX, gdi::ClampCoord(top - first), w, h, SRCCOPY);
    return static_cast<int>(std::min<std::int64_t>(lines, f->height - std::int64_t{start}));
}

int StretchDIBits(HDC hdc, int x, int y, int width, int height, int srcX, int srcY, int srcWidth, int srcHeight,
                  const void* bits, const BITMAPINFO* info, UINT usage, DWORD rop)
{
    auto dc = gdi::FindDC(hdc);
    std::optional<DibFormat> f = FormatOf(info, false);
    if (!dc || !f || !bits || usage != DIB_RGB_COLORS)
        return 0;
    int first = 0;
    std::unique_ptr<Surface> picture = Unpack(*f, static_cast<const BYTE*>(bits), 0, f->height, &first);
    std::int64_t top = f->topDown ? srcY : std::int64_t{f->height} - srcY - srcHeight;
    gdi::RopTransfer(*dc, x, y, width, height, *picture, false, 0, srcX, gdi::ClampCoord(top), srcWidth, srcHeight,
                     rop);
    return f->height;
}
