#include "classlib/IcoFile.h"

#include "classlib/BmpFile.h"
#include "classlib/PngFile.h"
#include "classlib/Streams.h"

#include <cstring>

namespace {

[[noreturn]] void invalid(const char* why)
{
    throw EInvalidGraphic(std::string("Icon image is not valid: ") + why);
}

std::uint32_t u32(const std::uint8_t* p) { return p[0] | (p[1] << 8) | (p[2] << 16) | (std::uint32_t{p[3]} << 24); }
std::uint16_t u16(const std::uint8_t* p) { return static_cast<std::uint16_t>(p[0] | (p[1] << 8)); }
void put32(std::uint8_t* p, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        p[i] = static_cast<std::uint8_t>(v >> (8 * i));
}

// An entry stored as a bitmap: info header (height doubled), palette, colour rows, mask rows.
TDibData readDibEntry(const std::vector<std::uint8_t>& data)
{
    if (data.size() < 40 || u32(data.data()) != 40)
        invalid("unknown entry header");
    const int width = static_cast<std::int32_t>(u32(&data[4]));
    const int doubled = static_cast<std::int32_t>(u32(&data[8]));
    const int bpp = u16(&data[14]);
    std::uint32_t colors = u32(&data[32]);
    if (width <= 0 || doubled <= 0 || doubled % 2 || width > 256 || doubled > 512)
        invalid("bad entry size");
    const int height = doubled / 2;
    if (bpp <= 8 && colors == 0)
        colors = 1u << bpp;
    const std::uint64_t paletteBytes = bpp <= 8 ? std::uint64_t{colors} * 4 : 0;
    const std::uint64_t colorBytes = static_cast<std::uint64_t>(TDibData::RowBytesFor(width, bpp)) * static_cast<std::uint64_t>(height);
    const std::uint64_t maskStride = static_cast<std::uint64_t>(TDibData::RowBytesFor(width, 1));
    const std::uint64_t pixelsAt = 40 + paletteBytes;
    if (pixelsAt + colorBytes > data.size())
        invalid("the entry is truncated");

    // The colour part as a bitmap file of the icon's own height.
    std::vector<std::uint8_t> file(14 + pixelsAt + colorBytes);
    file[0] = 'B';
    file[1] = 'M';
    put32(&file[2], static_cast<std::uint32_t>(file.size()));
    put32(&file[10], static_cast<std::uint32_t>(14 + pixelsAt));
    std::memcpy(&file[14], data.data(), static_cast<std::size_t>(pixelsAt + colorBytes));
    put32(&file[14 + 8], static_cast<std::uint32_t>(height));
    TMemoryStream m;
    m.WriteBuffer(file.data(), static_cast<std::int64_t>(file.size()));
    m.SetPosition(0);
    TDibData color = ReadBmp(&m);
    TDibData img = color.To32Bit();
    img.HasAlpha = true;

    bool ownAlpha = false;
    if (bpp == 32)
        for (int y = 0; y < height && !ownAlpha; ++y)
            for (int x = 0; x < width && !ownAlpha; ++x)
                ownAlpha = color.Row(y)[x * 4 + 3] != 0;
    const bool hasMask = pixelsAt + colorBytes + maskStride * static_cast<std::uint64_t>(height) <= data.size();
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            std::uint8_t alpha = 0xFF;
            if (ownAlpha) {
                alpha = color.Row(y)[x * 4 + 3];
            } else if (hasMask) {
                // Mask rows are stored bottom-up; a set bit is transparent.
                const std::uint8_t* row = &data[static_cast<std::size_t>(pixelsAt + colorBytes + maskStride * static_cast<std::uint64_t>(height - 1 - y))];
                alpha = (row[x >> 3] >> (7 - (x & 7))) & 1 ? 0 : 0xFF;
            }
            img.Row(y)[x * 4 + 3] = alpha;
        }
    return img;
}

} // namespace

TDibData ReadIco(TStream* Stream)
{
    const std::int64_t start = Stream->Position();
    std::uint8_t head[6];
    if (Stream->Read(head, 6) != 6)
        invalid("the file is truncated");
    const int count = u16(head + 4);
    if (u16(head) != 0 || u16(head + 2) != 1 || count == 0)
        invalid("no icon header");
    std::vector<std::uint8_t> entries(static_cast<std::size_t>(count) * 16);
    if (Stream->Read(entries.data(), static_cast<std::int64_t>(entries.size())) != static_cast<std::int64_t>(entries.size()))
        invalid("the file is truncated");
    // The largest picture, the deepest among equals.
    int best = 0;
    long bestArea = -1;
    int bestBpp = -1;
    for (int i = 0; i < count; ++i) {
        const std::uint8_t* e = &entries[static_cast<std::size_t>(i) * 16];
        const long w = e[0] ? e[0] : 256, h = e[1] ? e[1] : 256;
        const int bpp = u16(e + 6);
        if (w * h > bestArea || (w * h == bestArea && bpp > bestBpp)) {
            best = i;
            bestArea = w * h;
            bestBpp = bpp;
        }
    }
    const std::uint8_t* e = &entries[static_cast<std::size_t>(best) * 16];
    const std::uint32_t size = u32(e + 8), offset = u32(e + 12);
    const std::int64_t total = Stream->Size() - start;
    if (size == 0 || size > (1u << 24) || offset < 6 + entries.size() || offset + static_cast<std::int64_t>(size) > total)
        invalid("the entry lies outside the file");
    std::vector<std::uint8_t> data(size);
    Stream->SetPosition(start + offset);
    if (Stream->Read(data.data(), size) != size)
        invalid("the file is truncated");
    Stream->SetPosition(start + total);
    if (size >= 8 && std::memcmp(data.data(), "\x89PNG\r\n\x1A\n", 8) == 0) {
        TMemoryStream m;
        m.WriteBuffer(data.data(), size);
        m.SetPosition(0);
        TDibData png = ReadPng(&m);
        png.HasAlpha = true;
        return png;
    }
    return readDibEntry(data);
}

void WriteIco(TStream* Stream, const TDibData& Image)
{
    if (Image.Width <= 0 || Image.Height <= 0 || Image.Width > 256 || Image.Height > 256)
        throw EInvalidGraphic("An icon holds 1 to 256 pixels per side");
    TDibData rgba = Image.To32Bit();
    rgba.HasAlpha = true;
    TMemoryStream png;
    WritePng(&png, rgba);
    std::uint8_t head[22] = {0, 0, 1, 0, 1, 0};
    head[6] = static_cast<std::uint8_t>(Image.Width & 0xFF);  // 256 is written as 0
    head[7] = static_cast<std::uint8_t>(Image.Height & 0xFF);
    head[10] = 1;   // planes
    head[12] = 32;  // bits per pixel
    put32(&head[14], static_cast<std::uint32_t>(png.Size()));
    put32(&head[18], sizeof head);
    Stream->WriteBuffer(head, sizeof head);
    Stream->WriteBuffer(png.Memory(), png.Size());
}
