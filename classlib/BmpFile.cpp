#include "classlib/BmpFile.h"

#include "classlib/Streams.h"

#include <cstring>

namespace {

constexpr std::uint32_t kFileHeaderSize = 14;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint32_t BI_RGB = 0;
constexpr std::uint32_t BI_BITFIELDS = 3;

[[noreturn]] void invalid(const char* why)
{
    throw EInvalidGraphic(std::string("Bitmap image is not valid: ") + why);
}

std::uint32_t u32(const std::uint8_t* p) { return p[0] | (p[1] << 8) | (p[2] << 16) | (std::uint32_t{p[3]} << 24); }
std::uint16_t u16(const std::uint8_t* p) { return static_cast<std::uint16_t>(p[0] | (p[1] << 8)); }

void put32(std::uint8_t* p, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        p[i] = static_cast<std::uint8_t>(v >> (8 * i));
}
void put16(std::uint8_t* p, std::uint16_t v)
{
    p[0] = static_cast<std::uint8_t>(v);
    p[1] = static_cast<std::uint8_t>(v >> 8);
}

// Reads the whole image in slices, so a header claiming more than the stream holds fails on
// the short read instead of allocating its claimed size up front.
std::vector<std::uint8_t> readBody(TStream* stream, std::uint32_t size)
{
    std::vector<std::uint8_t> body;
    constexpr std::uint32_t slice = 1u << 20;
    while (body.size() < size) {
        std::size_t at = body.size();
        std::size_t n = std::min<std::size_t>(slice, size - at);
        body.resize(at + n);
        if (stream->Read(body.data() + at, static_cast<std::int64_t>(n)) != static_cast<std::int64_t>(n))
            invalid("the image is truncated");
    }
    return body;
}

// Extracts one channel described by a bit mask and scales it to 8 bits.
std::uint8_t channel(std::uint32_t pixel, std::uint32_t mask)
{
    if (mask == 0)
        return 0;
    int shift = 0;
    while (!((mask >> shift) & 1))
        ++shift;
    std::uint32_t m = mask >> shift;
    std::uint32_t v = (pixel & mask) >> shift;
    return static_cast<std::uint8_t>(v * 255 / m);
}

} // namespace

TDibData ReadBmp(TStream* Stream)
{
    std::uint8_t fh[kFileHeaderSize];
    if (Stream->Read(fh, kFileHeaderSize) != kFileHeaderSize)
        invalid("the image is truncated");
    if (fh[0] != 'B' || fh[1] != 'M')
        invalid("no BMP signature");
    const std::uint32_t fileSize = u32(fh + 2);
    const std::uint32_t offBits = u32(fh + 10);
    if (fileSize < kFileHeaderSize + 12 || fileSize - kFileHeaderSize > kMaxImageBytes + (1u << 20))
        invalid("the file size in the header is wrong");

    // Offsets below are relative to the start of the file image.
    std::vector<std::uint8_t> body = readBody(Stream, fileSize - kFileHeaderSize);
    auto at = [&](std::uint32_t offset) { return body.data() + (offset - kFileHeaderSize); };
    auto within = [&](std::uint64_t offset, std::uint64_t length) {
        return offset >= kFileHeaderSize && offset + length <= fileSize;
    };

    const std::uint32_t infoAt = kFileHeaderSize;
    if (!within(infoAt, 4))
        invalid("the image is truncated");
    const std::uint32_t infoSize = u32(at(infoAt));
    if ((infoSize != 12 && infoSize < kInfoHeaderSize) || infoSize > 1024 || !within(infoAt, infoSize))
        invalid("unknown header");

    TDibData img;
    std::int64_t height;
    std::uint32_t compression = BI_RGB;
    std::uint32_t colorsUsed = 0;
    int paletteEntrySize = 4;
    std::uint32_t masksAt = 0;
    if (infoSize == 12) {
        img.Width = u16(at(infoAt + 4));
        height = u16(at(infoAt + 6));
        img.BitsPerPixel = u16(at(infoAt + 10));
        paletteEntrySize = 3;
    } else {
        img.Width = static_cast<std::int32_t>(u32(at(infoAt + 4)));
        height = static_cast<std::int32_t>(u32(at(infoAt + 8)));
        img.BitsPerPixel = u16(at(infoAt + 14));
        compression = u32(at(infoAt + 16));
        colorsUsed = u32(at(infoAt + 32));
        // Bit masks follow a plain info header, or sit inside the larger ones.
        masksAt = infoSize == kInfoHeaderSize ? infoAt + infoSize : infoAt + kInfoHeaderSize;
    }
    const bool topDown = height < 0;
    if (topDown)
        height = -height;
    if (img.Width <= 0 || height == 0 || img.Width > kMaxImageSide || height > kMaxImageSide)
        invalid("bad dimensions");
    img.Height = static_cast<int>(height);

    const int bpp = img.BitsPerPixel;
    if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 24 && bpp != 32)
        invalid("unsupported bit depth");
    const bool bitFields = compression == BI_BITFIELDS;
    if (!(compression == BI_RGB || (bitFields && bpp == 32)))
        invalid("unsupported compression");

    std::uint32_t rMask = 0x00FF0000, gMask = 0x0000FF00, bMask = 0x000000FF, aMask = 0;
    std::uint32_t paletteAt = infoAt + infoSize;
    if (bitFields) {
        if (!within(masksAt, 12))
            invalid("the image is truncated");
        rMask = u32(at(masksAt));
        gMask = u32(at(masksAt + 4));
        bMask = u32(at(masksAt + 8));
        if (infoSize >= 56)
            aMask = u32(at(masksAt + 12));
        if (infoSize == kInfoHeaderSize)
            paletteAt += 12;
    }

    if (bpp <= 8) {
        std::uint32_t maxColors = 1u << bpp;
        std::uint32_t count = colorsUsed == 0 ? maxColors : colorsUsed;
        if (count > maxColors)
            invalid("the palette is larger than the bit depth allows");
        if (!within(paletteAt, static_cast<std::uint64_t>(count) * paletteEntrySize))
            invalid("the palette is truncated");
        img.Palette.resize(count);
        for (std::uint32_t i = 0; i < count; ++i) {
            const std::uint8_t* p = at(paletteAt + i * paletteEntrySize);
            img.Palette[i] = TPaletteEntry{p[0], p[1], p[2], 0};
        }
    }

    const std::uint64_t stride = static_cast<std::uint64_t>(TDibData::RowBytesFor(img.Width, bpp));
    if (offBits < paletteAt || !within(offBits, stride * static_cast<std::uint64_t>(img.Height)))
        invalid("the pixel data lies outside the image");
    img.Allocate();
    const bool standardMasks = rMask == 0x00FF0000 && gMask == 0x0000FF00 && bMask == 0x000000FF &&
                               (aMask == 0 || aMask == 0xFF000000);
    for (int y = 0; y < img.Height; ++y) {
        int fileRow = topDown ? y : img.Height - 1 - y;
        const std::uint8_t* src = at(offBits + static_cast<std::uint32_t>(stride * static_cast<std::uint64_t>(fileRow)));
        std::uint8_t* dst = img.Row(y);
        if (!bitFields || standardMasks) {
            std::memcpy(dst, src, stride);
            continue;
        }
        for (int x = 0; x < img.Width; ++x) {
            std::uint32_t px = u32(src + x * 4);
            dst[x * 4 + 0] = channel(px, bMask);
            dst[x * 4 + 1] = channel(px, gMask);
            dst[x * 4 + 2] = channel(px, rMask);
            dst[x * 4 + 3] = aMask ? channel(px, aMask) : 0xFF;
        }
    }
    img.HasAlpha = aMask != 0;
    return img;
}

void WriteBmp(TStream* Stream, const TDibData& Image)
{
    const int bpp = Image.BitsPerPixel;
    const std::uint32_t paletteCount = bpp <= 8 ? static_cast<std::uint32_t>(Image.Palette.size()) : 0;
    const std::uint32_t stride = static_cast<std::uint32_t>(Image.RowBytes());
    const std::uint32_t offBits = kFileHeaderSize + kInfoHeaderSize + paletteCount * 4;
    const std::uint32_t imageSize = stride * static_cast<std::uint32_t>(Image.Height);

    std::vector<std::uint8_t> head(offBits, 0);
    head[0] = 'B';
    head[1] = 'M';
    put32(&head[2], offBits + imageSize);
    put32(&head[10], offBits);
    std::uint8_t* info = &head[kFileHeaderSize];
    put32(info, kInfoHeaderSize);
    put32(info + 4, static_cast<std::uint32_t>(Image.Width));
    put32(info + 8, static_cast<std::uint32_t>(Image.Height));  // positive: bottom-up rows
    put16(info + 12, 1);
    put16(info + 14, static_cast<std::uint16_t>(bpp));
    put32(info + 16, BI_RGB);
    put32(info + 20, imageSize);
    put32(info + 24, 3780);  // 96 dots per inch
    put32(info + 28, 3780);
    put32(info + 32, paletteCount);
    for (std::uint32_t i = 0; i < paletteCount; ++i) {
        const TPaletteEntry& e = Image.Palette[i];
        std::uint8_t* p = &head[kFileHeaderSize + kInfoHeaderSize + i * 4];
        p[0] = e.Blue;
        p[1] = e.Green;
        p[2] = e.Red;
        p[3] = 0;
    }
    Stream->WriteBuffer(head.data(), static_cast<std::int64_t>(head.size()));
    for (int y = Image.Height - 1; y >= 0; --y)
        Stream->WriteBuffer(Image.Row(y), stride);
}
