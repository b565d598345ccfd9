#include "app/presets/ParameterValues.h"

#include "classlib/SysUtils.h"

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// The text before the first "kbps" without its blanks.
std::string NumberBeforeKbps(const std::string& text)
{
    std::string number;
    for (char c : text.substr(0, text.find("kbps")))
        if (c != ' ')
            number += c;
    return number;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Digits with at most one point, read exactly in thousandths.
int ThousandthsOfDecimal(const std::string& text)
{
    std::size_t point = text.find('.');
    std::string whole = text.substr(0, point);
    std::string fraction = point == std::string::npos ? std::string() : text.substr(point + 1);
    bool valid = !whole.empty() || !fraction.empty();
    for (char c : whole + fraction)
        valid = valid && IsDigit(c);
    if (!valid || whole.size() > 9)
        throw EConvertError("'" + text + "' is not a valid floating point value");
    long long value = 0;
    for (char c : whole)
        value = value * 10 + (c - '0');
    for (std::size_t i = 0; i < 3; ++i)
        value = value * 10 + (i < fraction.size() ? fraction[i] - '0' : 0);
    if (value > 2147483647LL)
        throw EConvertError("'" + text + "' is not a valid integer value");
    return static_cast<int>(value);
}

std::string TwoDigits(int value)
{
    char pair[16];
    std::snprintf(pair, sizeof pair, "%02d", value);
    return pair;
}

// Code points of a UTF-8 text, each as its bytes.
std::vector<std::string> Characters(const std::string& text)
{
    std::vector<std::string> chars;
    for (char c : text) {
        if ((static_cast<unsigned char>(c) & 0xC0) == 0x80 && !chars.empty())
            chars.back() += c;
        else
            chars.emplace_back(1, c);
    }
    return chars;
}

}  // namespace

std::string FrameSizeValue(const std::string& text)
{
    return text == KeepSizeItem || text == NoVideoSizeItem ? std::string() : text;
}

std::string FrameRateValue(const std::string& text)
{
    return text == KeepRateItem || text == NoVideoItem ? std::string() : text;
}

int VideoBitrateValue(const std::string& text)
{
    if (text == NoVideoItem)
        return -1000;
    long long value = static_cast<long long>(StrToInt(NumberBeforeKbps(text))) * 1000;
    if (value > 2147483647LL || value < -2147483648LL)
        throw EConvertError("'" + text + "' is not a valid integer value");
    return static_cast<int>(value);
}

int AudioBitrateValue(const std::string& text)
{
    if (text == AutoAudioBitrateItem)
        return -1000;
    return ThousandthsOfDecimal(NumberBeforeKbps(text));
}

std::string SampleRateValue(const std::string& text, bool confirming)
{
    if (text == AutoSampleRateItem)
        return confirming ? "AUTO" : "";
    return text;
}

std::string FrameAspectRatioValue(const std::string& text, const std::string& previous)
{
    if (text == KeepAspectItem || text == NoVideoItem)
        return "";
    if (text == "普通视频4:3模式")
        return "4:3";
    if (text == "宽屏视频16:9模式")
        return "16:9";
    if (text == "宽屏视频37:20模式")
        return "37:20";
    if (text == "宽屏视频47:20模式")
        return "47:20";
    return previous;
}

std::string ExtensionFromTitle(const std::string& title)
{
    std::vector<std::string> chars = Characters(title);
    if (chars.size() < 5)
        return "";
    std::string four;
    for (std::size_t i = chars.size() - 5; i < chars.size() - 1; ++i)
        four += chars[i];
    if (four == "lac)")
        return ".alac";
    if (four == "flac" || four == "aiff" || four == "mpeg")
        return "." + four;
    if (four == "*.rm" || four == "*.ra")
        return four.substr(1);
    return four;
}

int SelectionCode(int categoryPosition, int formatPosition)
{
    return (categoryPosition + 1) * 100 + formatPosition;
}

TSelection DecodeSelectionCode(int code)
{
    int category = code / 100 - 1;
    return {category, code - (category + 1) * 100};
}

std::string ParameterCode(const TParameterPositions& positions)
{
    std::string code;
    for (int position : positions)
        code += TwoDigits(position);
    return code;
}

TParameterPositions DecodeParameterCode(const std::string& code)
{
    TParameterPositions positions{};
    for (std::size_t i = 0; i < positions.size(); ++i) {
        std::string pair = i * 2 < code.size() ? code.substr(i * 2, 2) : std::string();
        if (pair.size() != 2 || !IsDigit(pair[0]) || !IsDigit(pair[1]))
            throw EConvertError("'" + pair + "' is not a valid integer value");
        positions[i] = StrToInt(pair);
    }
    return positions;
}

std::string ReplaceParameterPair(const std::string& code, TParameterKind kind, int position)
{
    std::size_t at = static_cast<std::size_t>(kind) * 2;
    std::string before = code.substr(0, std::min(at, code.size()));
    std::string after = at + 2 < code.size() ? code.substr(at + 2) : std::string();
    return before + TwoDigits(position) + after;
}

int ParameterColumn(TParameterKind kind)
{
    switch (kind) {
    case pkResolution: return 15;
    case pkVideoBitrate: return 16;
    case pkFrameRate: return 17;
    case pkAudioBitrate: return 18;
    case pkSampleRate: return 19;
    case pkScaling: return 20;
    }
    return 0;
}
