#include "classlib/GifFile.h"

#include "classlib/ImageLimits.h"
#include "classlib/Streams.h"

#include <gif_lib.h>

#include <algorithm>
#include <map>
#include <memory>

namespace {

int readData(GifFileType* gif, GifByteType* data, int length)
{
    auto* stream = static_cast<TStream*>(gif->UserData);
    try {
        return static_cast<int>(stream->Read(data, length));
    } catch (...) {
        return 0;  // no exception may cross giflib
    }
}

int writeData(GifFileType* gif, const GifByteType* data, int length)
{
    auto* stream = static_cast<TStream*>(gif->UserData);
    try {
        return static_cast<int>(stream->Write(data, length));
    } catch (...) {
        return 0;
    }
}

struct DecoderCloser {
    void operator()(GifFileType* gif) const
    {
        int err;
        DGifCloseFile(gif, &err);
    }
};

struct ColorMapFree {
    void operator()(ColorMapObject* map) const { GifFreeMapObject(map); }
};

std::string errorText(int code)
{
    const char* text = GifErrorString(code);
    return text ? text : "the image is truncated or damaged";
}

[[noreturn]] void invalid(const std::string& why)
{
    throw EInvalidGraphic("GIF image is not valid: " + why);
}

} // namespace

namespace {

// An LZW code takes at least two bits and stands for at most 4096 pixels.
std::int64_t plausiblePixels(std::int64_t bytesLeft)
{
    return bytesLeft < 0 ? -1 : bytesLeft * 4 * 4096;
}

void checkSize(std::int64_t width, std::int64_t height, std::int64_t bytesLeft)
{
    try {
        CheckImageSize(width, height, plausiblePixels(bytesLeft));
    } catch (const EInvalidGraphic& e) {
        invalid(e.Message());
    }
}

// Reads the extensions before the first picture; its graphic control block gives the
// transparent index.
void readExtension(GifFileType* gif, GraphicsControlBlock& gcb)
{
    int code = 0;
    GifByteType* ext = nullptr;
    if (DGifGetExtension(gif, &code, &ext) != GIF_OK)
        invalid(errorText(gif->Error));
    if (code == GRAPHICS_EXT_FUNC_CODE && ext && ext[0] >= 4)
        DGifExtensionToGCB(ext[0], ext + 1, &gcb);
    while (ext) {
        if (DGifGetExtensionNext(gif, &ext) != GIF_OK)
            invalid(errorText(gif->Error));
    }
}

// Decodes the first picture's rows (in the file's interlaced order when it is interlaced)
// straight onto the canvas, clipped to it.
void readFrame(GifFileType* gif, TDibData& img, std::int64_t bytesLeft)
{
    const GifImageDesc& d = gif->Image;
    checkSize(d.Width, d.Height, bytesLeft);
    std::vector<GifByteType> line(static_cast<std::size_t>(d.Width));
    auto readRow = [&](int y) {
        if (DGifGetLine(gif, line.data(), d.Width) != GIF_OK)
            invalid(errorText(gif->Error));
        const int ty = d.Top + y;
        if (ty < 0 || ty >= img.Height)
            return;
        for (int x = 0; x < d.Width; ++x) {
            const int tx = d.Left + x;
            if (tx >= 0 && tx < img.Width)
                img.Row(ty)[tx] = line[static_cast<std::size_t>(x)];
        }
    };
    if (d.Interlace) {
        static constexpr int kStart[] = {0, 4, 2, 1}, kStep[] = {8, 8, 4, 2};
        for (int pass = 0; pass < 4; ++pass)
            for (int y = kStart[pass]; y < d.Height; y += kStep[pass])
                readRow(y);
    } else {
        for (int y = 0; y < d.Height; ++y)
            readRow(y);
    }
}

} // namespace

TDibData ReadGif(TStream* Stream)
{
    int err = 0;
    const std::int64_t bytesLeft = StreamBytesLeft(Stream);
    std::unique_ptr<GifFileType, DecoderCloser> gif(DGifOpen(Stream, readData, &err));
    if (!gif)
        invalid(errorText(err));
    GraphicsControlBlock gcb{};
    gcb.TransparentColor = NO_TRANSPARENT_COLOR;
    for (;;) {
        GifRecordType type = UNDEFINED_RECORD_TYPE;
        if (DGifGetRecordType(gif.get(), &type) != GIF_OK)
            invalid(errorText(gif->Error));
        if (type == TERMINATE_RECORD_TYPE)
            invalid("no picture");
        if (type == EXTENSION_RECORD_TYPE)
            readExtension(gif.get(), gcb);
        else if (type == IMAGE_DESC_RECORD_TYPE)
            break;
        else
            invalid("unknown record");
    }
    if (DGifGetImageDesc(gif.get()) != GIF_OK)
        invalid(errorText(gif->Error));
    const GifImageDesc& d = gif->Image;
    const ColorMapObject* map = d.ColorMap ? d.ColorMap : gif->SColorMap;
    if (!map || map->ColorCount < 1 || map->ColorCount > 256)
        invalid("no colour table");

    TDibData img;
    img.Width = gif->SWidth > 0 ? gif->SWidth : d.Width;
    img.Height = gif->SHeight > 0 ? gif->SHeight : d.Height;
    img.BitsPerPixel = 8;
    checkSize(img.Width, img.Height, bytesLeft);
    img.Allocate();
    img.Palette.resize(static_cast<std::size_t>(map->ColorCount));
    for (int i = 0; i < map->ColorCount; ++i)
        img.Palette[static_cast<std::size_t>(i)] = TPaletteEntry{map->Colors[i].Blue, map->Colors[i].Green, map->Colors[i].Red, 0};
    if (gcb.TransparentColor >= 0 && gcb.TransparentColor < map->ColorCount)
        img.TransparentIndex = gcb.TransparentColor;

    // The canvas outside the first frame shows the transparent or the background colour.
    const int fill = img.TransparentIndex >= 0 ? img.TransparentIndex
                                               : std::clamp(gif->SBackGroundColor, 0, map->ColorCount - 1);
    std::fill(img.Bits.begin(), img.Bits.end(), static_cast<std::uint8_t>(fill));
    readFrame(gif.get(), img, bytesLeft);
    return img;
}

namespace {

// The picture as palette indexes (one byte per pixel) and its colour table.
struct Indexed {
    std::vector<GifByteType> pixels;
    std::vector<GifColorType> colors;
    int transparent = -1;
};

Indexed toIndexed(const TDibData& img)
{
    Indexed r;
    const std::size_t count = static_cast<std::size_t>(img.Width) * static_cast<std::size_t>(img.Height);
    r.pixels.resize(count);
    if (img.BitsPerPixel <= 8) {
        for (const TPaletteEntry& e : img.Palette)
            r.colors.push_back(GifColorType{e.Red, e.Green, e.Blue});
        if (r.colors.empty())
            r.colors.push_back(GifColorType{0, 0, 0});
        for (int y = 0; y < img.Height; ++y)
            for (int x = 0; x < img.Width; ++x) {
                const std::uint8_t* row = img.Row(y);
                int v = img.BitsPerPixel == 8 ? row[x]
                        : img.BitsPerPixel == 4 ? (row[x >> 1] >> ((x & 1) ? 0 : 4)) & 0xF
                                                : (row[x >> 3] >> (7 - (x & 7))) & 1;
                if (v >= static_cast<int>(r.colors.size()))
                    v = 0;
                r.pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(img.Width) + static_cast<std::size_t>(x)] = static_cast<GifByteType>(v);
            }
        if (img.TransparentIndex >= 0 && img.TransparentIndex < static_cast<int>(r.colors.size()))
            r.transparent = img.TransparentIndex;
        return r;
    }

    // Direct colours: an exact table when they fit, else a median-cut reduction.
    const bool alpha = img.BitsPerPixel == 32 && img.HasAlpha;
    std::vector<std::uint32_t> argb(count);
    bool anyTransparent = false;
    for (int y = 0; y < img.Height; ++y)
        for (int x = 0; x < img.Width; ++x) {
            std::uint32_t c = img.PixelARGB(x, y);
            bool clear = alpha && (c >> 24) < 128;
            anyTransparent = anyTransparent || clear;
            argb[static_cast<std::size_t>(y) * static_cast<std::size_t>(img.Width) + static_cast<std::size_t>(x)] = clear ? 0xFFFFFFFFu : (c & 0xFFFFFFu);
        }
    const std::size_t room = anyTransparent ? 255 : 256;
    std::map<std::uint32_t, int> exact;
    for (std::uint32_t c : argb) {
        if (c == 0xFFFFFFFFu)
            continue;
        if (exact.emplace(c, 0).second && exact.size() > room)
            break;
    }
    if (exact.size() <= room) {
        int next = 0;
        for (auto& [c, index] : exact) {
            index = next++;
            r.colors.push_back(GifColorType{static_cast<GifByteType>(c >> 16), static_cast<GifByteType>(c >> 8), static_cast<GifByteType>(c)});
        }
        for (std::size_t i = 0; i < count; ++i)
            r.pixels[i] = argb[i] == 0xFFFFFFFFu ? 0 : static_cast<GifByteType>(exact[argb[i]]);
    } else {
        std::vector<GifByteType> red(count), green(count), blue(count);
        for (std::size_t i = 0; i < count; ++i) {
            red[i] = static_cast<GifByteType>(argb[i] >> 16);
            green[i] = static_cast<GifByteType>(argb[i] >> 8);
            blue[i] = static_cast<GifByteType>(argb[i]);
        }
        int size = static_cast<int>(room);
        std::vector<GifColorType> map(256);
        if (GifQuantizeBuffer(static_cast<unsigned>(img.Width), static_cast<unsigned>(img.Height), &size, red.data(),
                              green.data(), blue.data(), r.pixels.data(), map.data()) != GIF_OK)
            throw EInvalidGraphic("GIF colour reduction failed");
        r.colors.assign(map.begin(), map.begin() + std::max(size, 1));
    }
    if (anyTransparent) {
        r.transparent = static_cast<int>(r.colors.size());
        r.colors.push_back(GifColorType{0, 0, 0});
        for (std::size_t i = 0; i < count; ++i)
            if (argb[i] == 0xFFFFFFFFu)
                r.pixels[i] = static_cast<GifByteType>(r.transparent);
    }
    return r;
}

} // namespace

void WriteGif(TStream* Stream, const TDibData& Image)
{
    if (Image.Width <= 0 || Image.Height <= 0 || Image.Width > 65535 || Image.Height > 65535)
        throw EInvalidGraphic("GIF image cannot have this size");
    Indexed idx = toIndexed(Image);
    // giflib wants a table whose size is a power of two.
    int tableSize = 2;
    while (tableSize < static_cast<int>(idx.colors.size()))
        tableSize *= 2;
    idx.colors.resize(static_cast<std::size_t>(tableSize), GifColorType{0, 0, 0});
    std::unique_ptr<ColorMapObject, ColorMapFree> map(GifMakeMapObject(tableSize, idx.colors.data()));
    if (!map)
        throw EInvalidGraphic("GIF colour table could not be made");

    int err = 0;
    GifFileType* gif = EGifOpen(Stream, writeData, &err);
    if (!gif)
        throw EInvalidGraphic("GIF image could not be written: " + errorText(err));
    bool ok = true;
    EGifSetGifVersion(gif, idx.transparent >= 0);
    ok = ok && EGifPutScreenDesc(gif, Image.Width, Image.Height, tableSize, 0, map.get()) == GIF_OK;
    if (ok && idx.transparent >= 0) {
        GraphicsControlBlock gcb{};
        gcb.DisposalMode = DISPOSAL_UNSPECIFIED;
        gcb.TransparentColor = idx.transparent;
        GifByteType ext[4];
        std::size_t len = EGifGCBToExtension(&gcb, ext);
        ok = EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, static_cast<int>(len), ext) == GIF_OK;
    }
    ok = ok && EGifPutImageDesc(gif, 0, 0, Image.Width, Image.Height, false, nullptr) == GIF_OK;
    for (int y = 0; ok && y < Image.Height; ++y)
        ok = EGifPutLine(gif, idx.pixels.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(Image.Width), Image.Width) == GIF_OK;
    int lastError = gif->Error;
    int closeErr = 0;
    ok = EGifCloseFile(gif, &closeErr) == GIF_OK && ok;
    if (!ok)
        throw EInvalidGraphic("GIF image could not be written: " + errorText(lastError ? lastError : closeErr));
}
