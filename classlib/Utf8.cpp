#include "classlib/Utf8.h"

std::string CodePointToUtf8(char32_t c)
{
    if (c < 0x80)
        return std::string(1, static_cast<char>(c));
    const int n = c < 0x800 ? 2 : c < 0x10000 ? 3 : 4;
    static const unsigned char lead[] = {0, 0, 0xC0, 0xE0, 0xF0};
    std::string out(static_cast<std::size_t>(n), '\0');
    for (int i = n - 1; i > 0; --i, c >>= 6)
        out[static_cast<std::size_t>(i)] = static_cast<char>(0x80 | (c & 0x3F));
    out[0] = static_cast<char>(lead[n] | c);
    return out;
}
