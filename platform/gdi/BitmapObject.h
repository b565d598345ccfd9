#pragma once
// Internal: a bitmap behind an HBITMAP.
//
// Device-dependent bitmaps are 32-bit colour or monochrome; a monochrome bitmap keeps its pixels
// as black (0) and white (0x00FFFFFF) words. A DIB section owns the memory it hands out: with 32
// bits per pixel that memory is the surface itself (bottom-up rows with a negative stride); with
// 24 bits it is a packed buffer that drawing reaches through a converted 32-bit copy.

#include "platform/gdi/GdiObjects.h"
#include "platform/gdi/Surface.h"

#include <memory>
#include <optional>

namespace gdi {

class BitmapObject : public Object {
public:
    // Null for a bad size.
    static std::shared_ptr<BitmapObject> CreateDevice(int width, int height, bool mono);
    // Null for a header that is not 24 or 32 bits per pixel, uncompressed, with a usable size.
    static std::shared_ptr<BitmapObject> CreateDib(const BITMAPINFOHEADER& header);

    UINT Type() const override { return OBJ_BITMAP; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    int BitsPixel() const { return bitsPixel_; }
    bool IsMono() const { return bitsPixel_ == 1; }
    bool IsDib() const { return dib_.has_value(); }
    const BITMAPINFOHEADER& DibHeader() const { return *dib_; }
    // The memory of a DIB section; null for a device bitmap.
    void* Bits();
    // Bytes per row as GetObject reports them (rounded to 2 bytes for device bitmaps, 4 for DIBs).
    int WidthBytes() const;
    // The 32-bit pixels, or null for a 24-bit DIB section.
    const std::shared_ptr<Surface>& DirectSurface() const { return surface_; }

private:
    friend class PixelAccess;
    BitmapObject() = default;

    int width_ = 0;
    int height_ = 0;
    int bitsPixel_ = 32;
    std::optional<BITMAPINFOHEADER> dib_;
    std::shared_ptr<Surface> surface_;
    std::unique_ptr<std::byte[]> packed_;  // 24-bit DIB memory
};

// The pixels of a bitmap as a 32-bit surface for the length of one drawing call: the bitmap's own
// surface, or for a 24-bit DIB section a converted copy that is written back at the end when the
// access is for writing (alpha reads as 0 and is dropped on the way back).
class PixelAccess {
public:
    PixelAccess(std::shared_ptr<BitmapObject> bitmap, bool write);
    ~PixelAccess();
    PixelAccess(const PixelAccess&) = delete;
    PixelAccess& operator=(const PixelAccess&) = delete;

    Surface& surface() { return *surface_; }

private:
    std::shared_ptr<BitmapObject> bitmap_;
    std::shared_ptr<Surface> surface_;
    bool writeBack_ = false;
};

} // namespace gdi
