#include "skin/core/skUtils.h"

#include "classlib/Streams.h"
#include "platform/gdi/Dc.h"
#include "classlib/SysUtils.h"
#include "platform/win/Rect.h"

#include <cstdint>
#include <cstring>
#include <vector>

int WidthOfRect(const RECT& R) { return R.right - R.left; }
int HeightOfRect(const RECT& R) { return R.bottom - R.top; }
bool RectHasNoArea(const RECT& R) { return WidthOfRect(R) <= 0 || HeightOfRect(R) <= 0; }
void ZeroRect(RECT& R) { R = RECT{}; }
bool RectsAreEqual(const RECT& A, const RECT& B) { return A == B; }

bool RectContainsPoint(const RECT& R, POINT P)
{
    return R.left <= P.x && P.x <= R.right && R.top <= P.y && P.y <= R.bottom;
}

bool RectLiesWithin(const RECT& A, const RECT& B)
{
    return PtInRect(&B, POINT{A.left, A.top}) && PtInRect(&B, POINT{A.right, A.bottom});
}

bool RectRowsTouch(const RECT& A, const RECT& B)
{
    return PtInRect(&B, POINT{B.left + 1, A.top}) || PtInRect(&B, POINT{B.right - 1, A.bottom});
}

bool PointHasZeroCoord(POINT P) { return P.x == 0 || P.y == 0; }
int LargerOf(int A, int B) { return A > B ? A : B; }
int SmallerOf(int A, int B) { return A < B ? A : B; }

void GetOSVersionNumbers(int& Major, int& Minor)
{
    Major = 6;
    Minor = 1;
}

bool IsWinVistaOrLater()
{
    int major, minor;
    GetOSVersionNumbers(major, minor);
    return major >= 6;
}

bool IsWinXPOrVistaPlus()
{
    int major, minor;
    GetOSVersionNumbers(major, minor);
    return major > 5 || (major == 5 && minor == 1);
}

bool IsWin2000OrLater()
{
    int major, minor;
    GetOSVersionNumbers(major, minor);
    return major > 5 || (major == 5 && minor >= 0 && minor <= 2);
}

int ScreenColorDepth()
{
    HDC dc = CreateDC("DISPLAY", nullptr, nullptr, nullptr);
    const int depth = GetDeviceCaps(dc, BITSPIXEL) * GetDeviceCaps(dc, PLANES);
    DeleteDC(dc);
    return depth;
}

bool IsTrueColorDisplay() { return ScreenColorDepth() > 23; }

namespace {

std::u16string Utf8ToUtf16(const std::string& s)
{
    std::u16string out;
    for (std::size_t i = 0; i < s.size();) {
        const auto c = static_cast<unsigned char>(s[i]);
        char32_t cp = 0xFFFD;
        std::size_t len = 1;
        if (c < 0x80) {
            cp = c;
        } else if ((c >> 5) == 0x6 || (c >> 4) == 0xE || (c >> 3) == 0x1E) {
            len = (c >> 5) == 0x6 ? 2 : (c >> 4) == 0xE ? 3 : 4;
            char32_t v = c & (0x7F >> len);
            bool ok = i + len <= s.size();
            for (std::size_t k = 1; ok && k < len; ++k) {
                const auto d = static_cast<unsigned char>(s[i + k]);
                ok = (d >> 6) == 0x2;
                v = (v << 6) | (d & 0x3F);
            }
            if (ok)
                cp = v;
            else
                len = 1;
        }
        i += len;
        if (cp >= 0x10000) {
            out.push_back(static_cast<char16_t>(0xD800 + ((cp - 0x10000) >> 10)));
            out.push_back(static_cast<char16_t>(0xDC00 + ((cp - 0x10000) & 0x3FF)));
        } else {
            out.push_back(static_cast<char16_t>(cp));
        }
    }
    return out;
}

void AppendUtf8(std::string& out, char32_t cp)
{
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

// Unpaired surrogates become U+FFFD.
std::string Utf16ToUtf8(const std::vector<char16_t>& units)
{
    std::string out;
    for (std::size_t i = 0; i < units.size(); ++i) {
        const char16_t u = units[i];
        if (u >= 0xD800 && u < 0xDC00 && i + 1 < units.size() && units[i + 1] >= 0xDC00 && units[i + 1] < 0xE000) {
            AppendUtf8(out, 0x10000 + ((static_cast<char32_t>(u) - 0xD800) << 10) + (units[i + 1] - 0xDC00));
            ++i;
        } else if (u >= 0xD800 && u < 0xE000) {
            AppendUtf8(out, 0xFFFD);
        } else {
            AppendUtf8(out, u);
        }
    }
    return out;
}

bool IsRectSeparator(char c) { return std::strchr(" (),:;=", c) != nullptr && c != '\0'; }

std::string TrimSpaces(const std::string& s)
{
    const std::size_t first = s.find_first_not_of(' ');
    if (first == std::string::npos)
        return std::string();
    return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

} // namespace

void WriteStreamString(TStream* Stream, const std::string& S)
{
    const std::u16string units = Utf8ToUtf16(S);
    const std::uint32_t count = static_cast<std::uint32_t>(units.size());
    const std::uint8_t header[4] = {static_cast<std::uint8_t>(count), static_cast<std::uint8_t>(count >> 8),
                                    static_cast<std::uint8_t>(count >> 16), static_cast<std::uint8_t>(count >> 24)};
    Stream->WriteBuffer(header, 4);
    std::vector<std::uint8_t> bytes;
    bytes.reserve(units.size() * 2);
    for (char16_t u : units) {
        bytes.push_back(static_cast<std::uint8_t>(u));
        bytes.push_back(static_cast<std::uint8_t>(u >> 8));
    }
    Stream->WriteBuffer(bytes.data(), static_cast<std::int64_t>(bytes.size()));
}

void ReadStreamString(TStream* Stream, std::string& S)
{
    std::uint8_t header[4];
    Stream->ReadBuffer(header, 4);
    const std::uint32_t count = header[0] | (header[1] << 8) | (header[2] << 16) | (static_cast<std::uint32_t>(header[3]) << 24);
    // A count larger than what is left cannot be a string of this stream.
    if (static_cast<std::int64_t>(count) * 2 > Stream->Size() - Stream->Position())
        throw EReadError("Stream read error");
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(count) * 2);
    Stream->ReadBuffer(bytes.data(), static_cast<std::int64_t>(bytes.size()));
    std::vector<char16_t> units(count);
    for (std::size_t i = 0; i < count; ++i)
        units[i] = static_cast<char16_t>(bytes[2 * i] | (bytes[2 * i + 1] << 8));
    S = Utf16ToUtf8(units);
}

void WriteStreamInt32(TStream* Stream, std::int32_t Value)
{
    const auto u = static_cast<std::uint32_t>(Value);
    const std::uint8_t bytes[4] = {static_cast<std::uint8_t>(u), static_cast<std::uint8_t>(u >> 8),
                                   static_cast<std::uint8_t>(u >> 16), static_cast<std::uint8_t>(u >> 24)};
    Stream->WriteBuffer(bytes, 4);
}

std::int32_t ReadStreamInt32(TStream* Stream)
{
    std::uint8_t b[4];
    Stream->ReadBuffer(b, 4);
    return static_cast<std::int32_t>(b[0] | (b[1] << 8) | (b[2] << 16) | (static_cast<std::uint32_t>(b[3]) << 24));
}

void ExtractRectToken(std::string& Text, std::string& Token)
{
    Token.clear();
    std::size_t used = 0;
    while (used < Text.size()) {
        const char c = Text[used++];
        if (IsRectSeparator(c))
            break;
        Token.push_back(c);
    }
    Text.erase(0, used);
    Token = TrimSpaces(Token);
    Text = TrimSpaces(Text);
}

void ParseRectText(const std::string& Text, RECT& R)
{
    std::string rest = Text, token;
    LONG* fields[4] = {&R.left, &R.top, &R.right, &R.bottom};
    int values[4];
    for (int& v : values) {
        ExtractRectToken(rest, token);
        if (!TryStrToInt(token, v)) {
            R = RECT{};
            return;
        }
    }
    for (int i = 0; i < 4; ++i)
        *fields[i] = values[i];
}
