#include "skin/core/TskBitmap.h"

#include "classlib/Streams.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

namespace {

constexpr int kHeaderSize = 128;
constexpr int kPaletteSize = 768;

// The 16 colours of the system palette (red, green, blue) that version-3 files use.
constexpr std::array<std::array<std::uint8_t, 3>, 16> kSystemPalette = {{
    {0, 0, 0}, {128, 0, 0}, {0, 128, 0}, {128, 128, 0}, {0, 0, 128}, {128, 0, 128}, {0, 128, 128}, {192, 192, 192},
    {128, 128, 128}, {255, 0, 0}, {0, 255, 0}, {255, 255, 0}, {0, 0, 255}, {255, 0, 255}, {0, 255, 255}, {255, 255, 255},
}};

int Word(const std::uint8_t* p) { return p[0] | (p[1] << 8); }

} // namespace

void TskBitmap::LoadFromPcxStream(TStream* Stream)
{
    std::uint8_t header[kHeaderSize];
    if (Stream->Read(header, kHeaderSize) != kHeaderSize || (header[0] != 10 && header[0] != 205))
        return;
    const std::int64_t dataStart = Stream->Position();
    const std::int64_t dataSize = Stream->Size() - dataStart;

    std::vector<TskColor32> palette(256, 0xFF000000u);
    if (header[1] == 3) {
        for (std::size_t i = 0; i < kSystemPalette.size(); ++i)
            palette[i] = MakeColor32(kSystemPalette[i][0], kSystemPalette[i][1], kSystemPalette[i][2], 255);
    } else {
        if (dataSize < kPaletteSize + 1)
            return;
        std::uint8_t table[kPaletteSize];
        Stream->Seek(-kPaletteSize, TSeekOrigin::soEnd);
        Stream->ReadBuffer(table, kPaletteSize);
        Stream->SetPosition(dataStart);
        for (int i = 0; i < 256; ++i)
            palette[static_cast<std::size_t>(i)] = MakeColor32(table[3 * i], table[3 * i + 1], table[3 * i + 2], 255);
    }

    const int width = Word(header + 8) - Word(header + 4) + 1;
    const int height = Word(header + 10) - Word(header + 6) + 1;
    const std::int64_t rowBytes = static_cast<std::int64_t>(header[65]) * Word(header + 66);
    if (width <= 0 || height <= 0 || rowBytes <= 0)
        return;
    std::vector<std::uint8_t> data(static_cast<std::size_t>(dataSize));
    Stream->ReadBuffer(data.data(), dataSize);

    // The file rows, decoded; bytes a short file does not supply stay 0.
    std::vector<std::uint8_t> rows(static_cast<std::size_t>(rowBytes * height), 0);
    if (header[2] == 1) {
        std::size_t in = 0, out = 0;
        while (out < rows.size() && in < data.size()) {
            const std::uint8_t b = data[in++];
            if (b < 192) {
                rows[out++] = b;
                continue;
            }
            if (in >= data.size())
                break;
            const std::size_t count = std::min<std::size_t>(b & 0x3F, rows.size() - out);
            std::fill_n(rows.begin() + static_cast<std::ptrdiff_t>(out), count, data[in++]);
            out += count;
        }
    } else {
        std::copy_n(data.begin(), std::min(data.size(), rows.size()), rows.begin());
    }

    SetSize(width, height);
    const int used = static_cast<int>(std::min<std::int64_t>(width, rowBytes));
    for (int y = 0; y < height; ++y) {
        TskColor32* line = FBits + static_cast<std::ptrdiff_t>(y) * width;
        const std::uint8_t* file = rows.data() + static_cast<std::ptrdiff_t>(y) * rowBytes;
        for (int x = 0; x < width; ++x)
            line[x] = x < used ? palette[file[x]] : palette[0];
    }
}
