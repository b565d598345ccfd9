#pragma once
// One Unicode code point (what WM_CHAR carries) as UTF-8 text.

#include <string>

std::string CodePointToUtf8(char32_t CodePoint);
