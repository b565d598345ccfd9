#include "platform/gdi/BitmapObject.h"


namespace gdi {
namespace {

std::size_t PackedRowBytes(int width)
{
    return (static_cast<std::size_t>(width) * 3 + 3) & ~std::size_t{3};
}

} // namespace

std::shared_ptr<BitmapObject> BitmapObject::CreateDevice(int width, int height, bool mono)
{
    if (width <= 0 || height <= 0 || !Surface::ValidSize(width, height))
        return nullptr;
    std::shared_ptr<BitmapObject> b(new BitmapObject);
    b->width_ = width;
    b->height_ = height;
    b->bitsPixel_ = mono ? 1 : 32;
    b->surface_ = std::make_shared<Surface>(width, height);
    return b;
}

std::shared_ptr<BitmapObject> BitmapObject::CreateDib(const BITMAPINFOHEADER& header)
{
    std::int64_t width = header.biWidth;
    std::int64_t height = header.biHeight < 0 ? -std::int64_t{header.biHeight} : header.biHeight;
    if (header.biSize < sizeof(BITMAPINFOHEADER) || header.biCompression != BI_RGB ||
        (header.biBitCount != 24 && header.biBitCount != 32) || header.biPlanes != 1 || width <= 0 ||
        height <= 0 || !Surface::ValidSize(width, height))
        return nullptr;
    std::shared_ptr<BitmapObject> b(new BitmapObject);
    b->width_ = static_cast<int>(width);
    b->height_ = static_cast<int>(height);
    b->bitsPixel_ = header.biBitCount;
    BITMAPINFOHEADER h = header;
    h.biSize = sizeof(BITMAPINFOHEADER);
    h.biSizeImage = static_cast<DWORD>(b->WidthBytes()) * static_cast<DWORD>(height);
    h.biClrUsed = 0;
    h.biClrImportant = 0;
    b->dib_ = h;
    bool bottomUp = header.biHeight > 0;
    if (header.biBitCount == 32) {
        b->surface_ = std::make_shared<Surface>(b->width_, b->height_, bottomUp);
    } else {
        std::size_t bytes = PackedRowBytes(b->width_) * static_cast<std::size_t>(height);
        b->packed_ = std::make_unique<std::byte[]>(bytes);  // zeroed
    }
    return b;
}

void* BitmapObject::Bits()
{
    if (!dib_)
        return nullptr;
    return packed_ ? static_cast<void*>(packed_.get()) : surface_->Memory();
}

int BitmapObject::WidthBytes() const
{
    if (dib_)
        return bitsPixel_ == 24 ? static_cast<int>(PackedRowBytes(width_)) : width_ * 4;
    return bitsPixel_ == 1 ? ((width_ + 15) / 16) * 2 : width_ * 4;
}

PixelAccess::PixelAccess(std::shared_ptr<BitmapObject> bitmap, bool write) : bitmap_(std::move(bitmap))
{
    if (bitmap_->surface_) {
        surface_ = bitmap_->surface_;
        return;
    }
    // A 24-bit DIB section: unpack into a temporary 32-bit copy.
    const int w = bitmap_->width_, h = bitmap_->height_;
    const bool bottomUp = bitmap_->dib_->biHeight > 0;
    const std::size_t rowBytes = PackedRowBytes(w);
    surface_ = std::make_shared<Surface>(w, h);
    for (int y = 0; y < h; ++y) {
        const std::byte* src = bitmap_->packed_.get() + rowBytes * static_cast<std::size_t>(bottomUp ? h - 1 - y : y);
        std::uint32_t* dst = surface_->Row(y);
        for (int x = 0; x < w; ++x, src += 3)
            dst[x] = std::to_integer<std::uint32_t>(src[0]) | (std::to_integer<std::uint32_t>(src[1]) << 8) |
                     (std::to_integer<std::uint32_t>(src[2]) << 16);
    }
    writeBack_ = write;
}

PixelAccess::~PixelAccess()
{
    if (!writeBack_)
        return;
    const int w = bitmap_->width_, h = bitmap_->height_;
    const bool bottomUp = bitmap_->dib_->biHeight > 0;
    const std::size_t rowBytes = PackedRowBytes(w);
    for (int y = 0; y < h; ++y) {
        std::byte* dst = bitmap_->packed_.get() + rowBytes * static_cast<std::size_t>(bottomUp ? h - 1 - y : y);
        const std::uint32_t* src = surface_->Row(y);
        for (int x = 0; x < w; ++x, dst += 3) {
            dst[0] = static_cast<std::byte>(src[x]);
            dst[1] = static_cast<std::byte>(src[x] >> 8);
            dst[2] = static_cast<std::byte>(src[x] >> 16);
        }
    }
}

} // namespace gdi
