#pragma once
// UTF-8 text as code points and back. Bytes that do not form a valid sequence (stray
// continuation bytes, overlong forms, surrogates, values past U+10FFFF, cut sequences) become
// U+FFFD, so text from outside can be taken in without ever producing invalid UTF-8.

#include <string>
#include <string_view>

constexpr char32_t kReplacementChar = 0xFFFD;

// A Unicode scalar value: at most U+10FFFF and no surrogate.
constexpr bool IsValidCodePoint(char32_t c)
{
    return c <= 0x10FFFF && (c < 0xD800 || c > 0xDFFF);
}

std::u32string DecodeUtf8(std::string_view text);
// Invalid code points are written as U+FFFD.
std::string EncodeUtf8(std::u32string_view text);
std::string EncodeUtf8(char32_t c);
// The text with every invalid sequence replaced.
std::string SanitizeUtf8(std::string_view text);
