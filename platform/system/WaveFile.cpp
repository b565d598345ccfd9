#include "platform/system/WaveFile.h"

#include <cstring>
#include <fstream>
#include <iterator>

namespace {

std::uint32_t ReadLE32(const std::uint8_t* p)
{
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
           static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

std::uint16_t ReadLE16(const std::uint8_t* p) { return static_cast<std::uint16_t>(p[0] | p[1] << 8); }

constexpr std::uint16_t FormatPcm = 1;
constexpr std::uint16_t FormatFloat = 3;
constexpr std::uint16_t FormatExtensible = 0xFFFE;

bool KindOf(std::uint16_t format, int bits, TWaveData::TSampleKind& kind)
{
    using K = TWaveData::TSampleKind;
    if (format == FormatFloat)
        return bits == 32 && (kind = K::Float32, true);
    switch (bits) {
    case 8: kind = K::Unsigned8; return true;
    case 16: kind = K::Signed16; return true;
    case 24: kind = K::Signed24; return true;
    case 32: kind = K::Signed32; return true;
    default: return false;
    }
}

} // namespace

bool ParseWave(const std::vector<std::uint8_t>& Bytes, TWaveData& Wave, std::string& Error)
{
    const std::size_t size = Bytes.size();
    if (size < 12 || std::memcmp(Bytes.data(), "RIFF", 4) != 0 || std::memcmp(Bytes.data() + 8, "WAVE", 4) != 0) {
        Error = "Not a WAVE file";
        return false;
    }
    bool haveFormat = false;
    std::uint16_t format = 0;
    int bits = 0;
    std::size_t pos = 12;
    while (pos + 8 <= size) {
        const std::uint8_t* chunk = Bytes.data() + pos;
        const std::size_t length = ReadLE32(chunk + 4);
        const std::size_t body = pos + 8;
        const std::size_t available = size - body;
        if (std::memcmp(chunk, "fmt ", 4) == 0) {
            if (length < 16 || length > available) {
                Error = "Damaged format chunk";
                return false;
            }
            const std::uint8_t* f = Bytes.data() + body;
            format = ReadLE16(f);
            Wave.Channels = ReadLE16(f + 2);
            Wave.SampleRate = static_cast<int>(ReadLE32(f + 4));
            bits = ReadLE16(f + 14);
            if (format == FormatExtensible && length >= 40)
                format = ReadLE16(f + 24);
            haveFormat = true;
        } else if (std::memcmp(chunk, "data", 4) == 0) {
            if (!haveFormat) {
                Error = "The sample data comes before the format";
                return false;
            }
            if ((format != FormatPcm && format != FormatFloat) || !KindOf(format, bits, Wave.Kind)) {
                Error = "Unsupported sample format";
                return false;
            }
            if (Wave.Channels < 1 || Wave.Channels > 8 || Wave.SampleRate < 8000 || Wave.SampleRate > 384000) {
                Error = "Unsupported channel count or sample rate";
                return false;
            }
            Wave.FrameBytes = Wave.Channels * bits / 8;
            // A truncated file plays what it holds, in whole frames.
            std::size_t take = std::min(length, available);
            take -= take % static_cast<std::size_t>(Wave.FrameBytes);
            Wave.Samples.assign(Bytes.begin() + static_cast<std::ptrdiff_t>(body),
                                Bytes.begin() + static_cast<std::ptrdiff_t>(body + take));
            return true;
        }
        // Chunks are padded to an even length.
        const std::size_t next = body + length + (length & 1);
        if (next <= pos || next > size)
            break;
        pos = next;
    }
    Error = "No sample data";
    return false;
}

bool ReadWaveFile(const std::string& FileName, TWaveData& Wave, std::string& Error)
{
    std::ifstream in(FileName, std::ios::binary);
    if (!in) {
        Error = "Cannot open " + FileName;
        return false;
    }
    std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    return ParseWave(bytes, Wave, Error);
}
