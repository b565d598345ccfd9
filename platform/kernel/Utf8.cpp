#include "platform/kernel/Utf8.h"

namespace {

// Decodes one sequence at text[i]; moves i past what was used.
char32_t DecodeOne(std::string_view text, std::size_t& i)
{
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char lead = byte(i);
    if (lead < 0x80) {
        ++i;
        return lead;
    }
    int extra = 0;
    char32_t c = 0;
    char32_t min = 0;
    if ((lead & 0xE0) == 0xC0) {
        extra = 1, c = lead & 0x1F, min = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        extra = 2, c = lead & 0x0F, min = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        extra = 3, c = lead & 0x07, min = 0x10000;
    } else {
        ++i;
        return kReplacementChar;
    }
    std::size_t k = i + 1;
    for (int n = 0; n < extra; ++n, ++k) {
        if (k >= text.size() || (byte(k) & 0xC0) != 0x80) {
            i = k;
            return kReplacementChar;
        }
        c = (c << 6) | (byte(k) & 0x3F);
    }
    i = k;
    return c < min || !IsValidCodePoint(c) ? kReplacementChar : c;
}

void Append(std::string& out, char32_t c)
{
    if (!IsValidCodePoint(c))
        c = kReplacementChar;
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

} // namespace

std::u32string DecodeUtf8(std::string_view text)
{
    std::u32string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();)
        out += DecodeOne(text, i);
    return out;
}

std::string EncodeUtf8(std::u32string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (char32_t c : text)
        Append(out, c);
    return out;
}

std::string EncodeUtf8(char32_t c)
{
    std::string out;
    Append(out, c);
    return out;
}

std::string SanitizeUtf8(std::string_view text)
{
    return EncodeUtf8(DecodeUtf8(text));
}
