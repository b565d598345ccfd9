#include "engine/OptionValues.h"

#include <cerrno>
#include <charconv>
#include <climits>
#include <cstdlib>

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The whole number of the text, or false when the text is not exactly one.
bool ParseWhole(const std::string& text, std::int64_t& value)
{
    size_t i = 0;
    while (i < text.size() && IsBlank(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    if (i == text.size())
        return false;
    std::uint64_t magnitude = 0;
    const auto [end, ec] = std::from_chars(text.data() + i, text.data() + text.size(), magnitude);
    if (ec != std::errc() || end != text.data() + text.size())
        return false;
    if (magnitude > static_cast<std::uint64_t>(INT64_MAX) + (negative ? 1 : 0))
        return false;
    value = negative ? static_cast<std::int64_t>(0 - magnitude) : static_cast<std::int64_t>(magnitude);
    return true;
}

bool ParseFloat(const std::string& text, double& value)
{
    size_t begin = 0, end = text.size();
    while (begin < end && IsBlank(text[begin]))
        ++begin;
    while (end > begin && IsBlank(text[end - 1]))
        --end;
    size_t i = begin;
    if (i < end && (text[i] == '+' || text[i] == '-'))
        ++i;
    const size_t digitsFrom = i;
    size_t digits = 0;
    while (i < end && IsDigit(text[i]))
        ++i, ++digits;
    if (i < end && text[i] == '.') {
        ++i;
        while (i < end && IsDigit(text[i]))
            ++i, ++digits;
    }
    if (digits == 0)
        return false;
    if (i < end && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < end && (text[i] == '+' || text[i] == '-'))
            ++i;
        if (i == end || !IsDigit(text[i]))
            return false;
        while (i < end && IsDigit(text[i]))
            ++i;
    }
    if (i != end)
        return false;
    const auto [stop, ec] = std::from_chars(text.data() + digitsFrom, text.data() + end, value);
    if (ec != std::errc() || stop != text.data() + end)
        return false;
    if (text[begin] == '-')
        value = -value;
    return true;
}

} // namespace

namespace OptionValues {

int StrToInt(const std::string& text)
{
    std::int64_t value = 0;
    if (!ParseWhole(text, value) || value < INT_MIN || value > INT_MAX)
        throw EConvertError("'" + text + "' is not a valid integer value");
    return static_cast<int>(value);
}

std::int64_t StrToInt64(const std::string& text)
{
    std::int64_t value = 0;
    if (!ParseWhole(text, value))
        throw EConvertError("'" + text + "' is not a valid integer value");
    return value;
}

int StrToIntDef(const std::string& text, int def)
{
    std::int64_t value = 0;
    if (!ParseWhole(text, value) || value < INT_MIN || value > INT_MAX)
        return def;
    return static_cast<int>(value);
}

double StrToFloat(const std::string& text)
{
    double value = 0;
    if (!ParseFloat(text, value))
        throw EConvertError("'" + text + "' is not a valid floating point value");
    return value;
}

double StrToFloatDef(const std::string& text, double def)
{
    double value = 0;
    return ParseFloat(text, value) ? value : def;
}

std::string Trim(const std::string& text)
{
    const size_t begin = text.find_first_not_of(" \t\r\n");
    if (begin == std::string::npos)
        return {};
    return text.substr(begin, text.find_last_not_of(" \t\r\n") - begin + 1);
}

bool FlagValue(const std::string& text)
{
    return text != "0";
}

int ReadCNumber(const std::string& text, size_t& pos)
{
    if (pos >= text.size())
        return 0;
    const char* begin = text.c_str() + pos;
    char* end = nullptr;
    errno = 0;
    const long value = std::strtol(begin, &end, 0);
    pos += static_cast<size_t>(end - begin);
    if (value > INT_MAX)
        return INT_MAX;
    if (value < INT_MIN)
        return INT_MIN;
    return static_cast<int>(value);
}

double ReadCFloat(const std::string& text, size_t& pos)
{
    size_t i = pos;
    while (i < text.size() && IsBlank(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    double value = 0;
    const auto [end, ec] = std::from_chars(text.data() + i, text.data() + text.size(), value);
    if (ec == std::errc::invalid_argument)
        return 0;
    pos = static_cast<size_t>(end - text.data());
    return negative ? -value : value;
}

} // namespace OptionValues
