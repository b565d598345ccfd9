#pragma once
// The value forms of the converter's options: whole numbers, decimal numbers, flags and the
// C-notation numbers of the index options. They read only what the options accept (decimal, no
// hexadecimal), so they keep a namespace of their own beside the class library's helpers of the
// same names.

#include "platform/kernel/CommonErrors.h"

#include <cstdint>
#include <string>

namespace OptionValues {

// A decimal whole number with an optional sign, after optional leading blanks; anything else
// (also a number out of range) raises EConvertError "'<text>' is not a valid integer value".
int StrToInt(const std::string& text);
std::int64_t StrToInt64(const std::string& text);
// The same, giving def where StrToInt would raise.
int StrToIntDef(const std::string& text, int def);

// A decimal number (sign, digits with an optional point, optional exponent) between optional
// blanks; anything else raises EConvertError "'<text>' is not a valid floating point value".
double StrToFloat(const std::string& text);
double StrToFloatDef(const std::string& text, double def);

// The text without leading and trailing blanks and line breaks.
std::string Trim(const std::string& text);

// "0" is false, every other text (the empty one too) true.
bool FlagValue(const std::string& text);

// Reads a whole number in C notation (decimal, octal after a leading 0, hexadecimal after 0x) at
// pos and moves pos past it; text that is no number reads as 0 and pos stays. Values beyond the
// range of int are clamped.
int ReadCNumber(const std::string& text, size_t& pos);
// Reads a decimal number at pos (after optional blanks) the same way, independent of the locale.
double ReadCFloat(const std::string& text, size_t& pos);

} // namespace OptionValues
