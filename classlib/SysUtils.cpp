#include "classlib/SysUtils.h"

#include <sys/stat.h>

#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdio>
#include <vector>

// --- numbers ---------------------------------------------------------------------------------

namespace {

// Parses sign, decimal or hexadecimal ("$", "0x") digits. Hexadecimal values may use the full
// unsigned range of `bits` and wrap into the signed type, as the class library's reader does.
bool parseInteger(const std::string& s, int bits, std::int64_t& out)
{
    std::size_t i = 0;
    while (i < s.size() && (s[i] == ' ' || s[i] == '\t'))
        ++i;
    bool neg = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        neg = s[i] == '-';
        ++i;
    }
    bool hex = false;
    if (i < s.size() && s[i] == '$') {
        hex = true;
        ++i;
    } else if (i + 1 < s.size() && s[i] == '0' && (s[i + 1] == 'x' || s[i + 1] == 'X')) {
        hex = true;
        i += 2;
    }
    if (i >= s.size())
        return false;
    unsigned __int128 v = 0;
    const unsigned __int128 limit = hex ? (static_cast<unsigned __int128>(1) << bits) - 1
                                        : (static_cast<unsigned __int128>(1) << (bits - 1));
    for (; i < s.size(); ++i) {
        char c = s[i];
        int d;
        if (c >= '0' && c <= '9')
            d = c - '0';
        else if (hex && c >= 'a' && c <= 'f')
            d = c - 'a' + 10;
        else if (hex && c >= 'A' && c <= 'F')
            d = c - 'A' + 10;
        else
            return false;
        v = v * (hex ? 16 : 10) + static_cast<unsigned>(d);
        if (v > limit)
            return false;
    }
    if (hex) {
        // Wrap into the signed range of the target width.
        std::uint64_t u = static_cast<std::uint64_t>(v);
        std::int64_t r = bits == 32 ? static_cast<std::int32_t>(static_cast<std::uint32_t>(u))
                                    : static_cast<std::int64_t>(u);
        out = neg ? -r : r;
        return true;
    }
    if (!neg && v == limit)
        return false;  // one past the positive maximum
    out = neg ? -static_cast<std::int64_t>(v - 1) - 1 : static_cast<std::int64_t>(v);
    return true;
}

[[noreturn]] void raiseNotInteger(const std::string& s)
{
    throw EConvertError("'" + s + "' is not a valid integer value");
}

} // namespace

std::string IntToStr(std::int64_t value)
{
    return std::to_string(value);
}

bool TryStrToInt(const std::string& s, int& value)
{
    std::int64_t v;
    if (!parseInteger(s, 32, v))
        return false;
    value = static_cast<int>(v);
    return true;
}

bool TryStrToInt64(const std::string& s, std::int64_t& value)
{
    return parseInteger(s, 64, value);
}

int StrToInt(const std::string& s)
{
    int v;
    if (!TryStrToInt(s, v))
        raiseNotInteger(s);
    return v;
}

std::int64_t StrToInt64(const std::string& s)
{
    std::int64_t v;
    if (!TryStrToInt64(s, v))
        raiseNotInteger(s);
    return v;
}

int StrToIntDef(const std::string& s, int def)
{
    int v;
    return TryStrToInt(s, v) ? v : def;
}

// --- Format ----------------------------------------------------------------------------------

std::string Format(const std::string& fmt, std::initializer_list<TVarRec> args)
{
    const std::vector<TVarRec> argv(args);
    auto fail = [&]() -> std::string {
        throw EConvertError("Format '" + fmt + "' invalid or incompatible with argument");
    };
    std::string out;
    std::size_t next = 0;
    std::size_t i = 0;
    while (i < fmt.size()) {
        char c = fmt[i++];
        if (c != '%') {
            out += c;
            continue;
        }
        if (i < fmt.size() && fmt[i] == '%') {
            out += '%';
            ++i;
            continue;
        }
        // [index:][-][width][.precision]type
        auto readNumber = [&](int& n) {
            bool any = false;
            n = 0;
            while (i < fmt.size() && fmt[i] >= '0' && fmt[i] <= '9') {
                n = n * 10 + (fmt[i++] - '0');
                any = true;
            }
            return any;
        };
        std::size_t save = i;
        int num = 0;
        if (readNumber(num) && i < fmt.size() && fmt[i] == ':') {
            next = static_cast<std::size_t>(num);
            ++i;
        } else {
            i = save;
        }
        bool left = false;
        if (i < fmt.size() && fmt[i] == '-') {
            left = true;
            ++i;
        }
        int width = 0;
        bool hasWidth = readNumber(width);
        int prec = -1;
        if (i < fmt.size() && fmt[i] == '.') {
            ++i;
            if (!readNumber(prec))
                prec = 0;
        }
        if (i >= fmt.size() || next >= argv.size())
            return fail();
        char type = fmt[i++];
        const TVarRec& a = argv[next++];
        std::string piece;
        char buf[512];
        switch (type) {
        case 'd': case 'D': case 'u': case 'U': {
            if (a.kind() != TVarRec::vtInteger)
                return fail();
            std::int64_t v = a.asInt();
            if (type == 'u' || type == 'U')
                v = static_cast<std::int64_t>(static_cast<std::uint32_t>(v));
            piece = std::to_string(v < 0 ? -v : v);
            if (prec > 0 && static_cast<int>(piece.size()) < prec)
                piece = std::string(static_cast<std::size_t>(prec) - piece.size(), '0') + piece;
            if (v < 0)
                piece = "-" + piece;
            break;
        }
        case 'x': case 'X': {
            if (a.kind() != TVarRec::vtInteger)
                return fail();
            std::snprintf(buf, sizeof buf, "%llX", static_cast<unsigned long long>(a.asInt() < 0 && a.asInt() >= INT32_MIN ? static_cast<std::uint32_t>(a.asInt()) : static_cast<std::uint64_t>(a.asInt())));
            piece = buf;
            if (prec > 0 && static_cast<int>(piece.size()) < prec)
                piece = std::string(static_cast<std::size_t>(prec) - piece.size(), '0') + piece;
            break;
        }
        case 's': case 'S':
            if (a.kind() != TVarRec::vtString)
                return fail();
            piece = a.asString();
            if (prec >= 0 && static_cast<int>(piece.size()) > prec)
                piece.resize(static_cast<std::size_t>(prec));
            break;
        case 'f': case 'F': case 'e': case 'E': case 'g': case 'G': case 'n': case 'N': {
            double v;
            if (a.kind() == TVarRec::vtFloat)
                v = a.asFloat();
            else
                return fail();
            char t = static_cast<char>(type | 0x20);
            int p = prec < 0 ? (t == 'g' ? 15 : 2) : prec;
            if (t == 'n' || t == 'f') {
                std::snprintf(buf, sizeof buf, "%.*f", p, v);
                piece = buf;
                if (t == 'n') {
                    // Thousands separators in the integer part.
                    std::size_t start = piece[0] == '-' ? 1 : 0;
                    std::size_t dot = piece.find('.');
                    std::size_t end = dot == std::string::npos ? piece.size() : dot;
                    for (std::size_t pos = end; pos > start + 3; pos -= 3)
                        piece = piece.substr(0, pos - 3) + "," + piece.substr(pos - 3);
                }
            } else if (t == 'e') {
                std::snprintf(buf, sizeof buf, "%.*E", prec < 0 ? 14 : (p > 0 ? p - 1 : 0), v);
                piece = buf;
            } else {
                std::snprintf(buf, sizeof buf, "%.*G", p, v);
                piece = buf;
            }
            break;
        }
        default:
            return fail();
        }
        if (hasWidth && static_cast<int>(piece.size()) < width) {
            std::string pad(static_cast<std::size_t>(width) - piece.size(), ' ');
            piece = left ? piece + pad : pad + piece;
        }
        out += piece;
    }
    return out;
}

// --- text ------------------------------------------------------------------------------------

std::string TrimLeft(const std::string& s)
{
    std::size_t b = 0;
    while (b < s.size() && static_cast<unsigned char>(s[b]) <= ' ')
        ++b;
    return s.substr(b);
}

std::string TrimRight(const std::string& s)
{
    std::size_t e = s.size();
    while (e > 0 && static_cast<unsigned char>(s[e - 1]) <= ' ')
        --e;
    return s.substr(0, e);
}

std::string Trim(const std::string& s)
{
    return TrimRight(TrimLeft(s));
}

std::string UpperCase(const std::string& s)
{
    std::string r = s;
    for (char& c : r)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 32);
    return r;
}

std::string LowerCase(const std::string& s)
{
    std::string r = s;
    for (char& c : r)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c + 32);
    return r;
}

int CompareText(const std::string& a, const std::string& b)
{
    std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        unsigned char x = static_cast<unsigned char>(a[i]);
        unsigned char y = static_cast<unsigned char>(b[i]);
        if (x >= 'A' && x <= 'Z')
            x = static_cast<unsigned char>(x + 32);
        if (y >= 'A' && y <= 'Z')
            y = static_cast<unsigned char>(y + 32);
        if (x != y)
            return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

bool SameText(const std::string& a, const std::string& b)
{
    return a.size() == b.size() && CompareText(a, b) == 0;
}

int AnsiCompareText(const std::string& a, const std::string& b)
{
    return CompareText(a, b);
}

int CompareStr(const std::string& a, const std::string& b)
{
    int r = a.compare(b);
    return r < 0 ? -1 : (r > 0 ? 1 : 0);
}

// --- file names ------------------------------------------------------------------------------

std::string ExtractFilePath(const std::string& fileName)
{
    std::size_t p = fileName.rfind(PathDelim);
    return p == std::string::npos ? std::string() : fileName.substr(0, p + 1);
}

std::string ExtractFileDir(const std::string& fileName)
{
    std::size_t p = fileName.rfind(PathDelim);
    if (p == std::string::npos)
        return std::string();
    return p == 0 ? std::string(1, PathDelim) : fileName.substr(0, p);
}

std::string ExtractFileName(const std::string& fileName)
{
    std::size_t p = fileName.rfind(PathDelim);
    return p == std::string::npos ? fileName : fileName.substr(p + 1);
}

std::string ExtractFileExt(const std::string& fileName)
{
    std::size_t slash = fileName.rfind(PathDelim);
    std::size_t dot = fileName.rfind('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash))
        return std::string();
    return fileName.substr(dot);
}

std::string ChangeFileExt(const std::string& fileName, const std::string& ext)
{
    std::string old = ExtractFileExt(fileName);
    return fileName.substr(0, fileName.size() - old.size()) + ext;
}

std::string IncludeTrailingPathDelimiter(const std::string& s)
{
    return !s.empty() && s.back() == PathDelim ? s : s + PathDelim;
}

std::string ExcludeTrailingPathDelimiter(const std::string& s)
{
    return s.size() > 1 && s.back() == PathDelim ? s.substr(0, s.size() - 1) : s;
}

bool FileExists(const std::string& fileName)
{
    struct stat st;
    return !fileName.empty() && ::stat(fileName.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool DirectoryExists(const std::string& dir)
{
    struct stat st;
    return !dir.empty() && ::stat(dir.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool ForceDirectories(const std::string& dir)
{
    std::string d = ExcludeTrailingPathDelimiter(dir);
    if (d.empty())
        return false;
    if (DirectoryExists(d))
        return true;
    std::string parent = ExtractFileDir(d);
    if (!parent.empty() && parent != d && !ForceDirectories(parent))
        return false;
    return ::mkdir(d.c_str(), 0777) == 0 || (errno == EEXIST && DirectoryExists(d));
}

// --- dates -----------------------------------------------------------------------------------

namespace {

bool isLeap(int y)
{
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

int daysInMonth(int y, int m)
{
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && isLeap(y) ? 29 : days[m - 1];
}

// Days from 0001-01-01 to the given date (proleptic Gregorian).
std::int64_t dayNumber(int y, int m, int d)
{
    std::int64_t yy = y - 1;
    std::int64_t n = yy * 365 + yy / 4 - yy / 100 + yy / 400;
    for (int i = 1; i < m; ++i)
        n += daysInMonth(y, i);
    return n + d - 1;
}

const std::int64_t kEpoch = dayNumber(1899, 12, 30);

// Splits a TDateTime into whole days and milliseconds of the day, rounding to the millisecond.
void splitDateTime(TDateTime dt, std::int64_t& days, std::int64_t& ms)
{
    double frac = std::fabs(dt - std::trunc(dt));
    days = static_cast<std::int64_t>(std::trunc(dt));
    ms = static_cast<std::int64_t>(std::llround(frac * 86400000.0));
    if (ms >= 86400000) {
        ms -= 86400000;
        days += dt < 0 ? -1 : 1;
    }
}

} // namespace

TDateTime EncodeDate(int year, int month, int day)
{
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 || day > daysInMonth(year, month))
        throw EConvertError("Invalid argument to date encode");
    return static_cast<double>(dayNumber(year, month, day) - kEpoch);
}

TDateTime EncodeTime(int hour, int min, int sec, int msec)
{
    if (hour < 0 || hour > 23 || min < 0 || min > 59 || sec < 0 || sec > 59 || msec < 0 || msec > 999)
        throw EConvertError("Invalid argument to time encode");
    return (((hour * 60.0 + min) * 60.0 + sec) * 1000.0 + msec) / 86400000.0;
}

void DecodeDate(TDateTime dt, int& year, int& month, int& day)
{
    std::int64_t days, ms;
    splitDateTime(dt, days, ms);
    std::int64_t n = days + kEpoch;  // days since 0001-01-01
    int y = static_cast<int>(n / 365.2425) + 1;
    while (dayNumber(y, 1, 1) > n)
        --y;
    while (dayNumber(y + 1, 1, 1) <= n)
        ++y;
    int m = 1;
    while (m < 12 && dayNumber(y, m + 1, 1) <= n)
        ++m;
    year = y;
    month = m;
    day = static_cast<int>(n - dayNumber(y, m, 1)) + 1;
}

void DecodeTime(TDateTime dt, int& hour, int& min, int& sec, int& msec)
{
    std::int64_t days, ms;
    splitDateTime(dt, days, ms);
    hour = static_cast<int>(ms / 3600000);
    min = static_cast<int>(ms / 60000 % 60);
    sec = static_cast<int>(ms / 1000 % 60);
    msec = static_cast<int>(ms % 1000);
}

std::string FormatDateTime(const std::string& fmt, TDateTime dt)
{
    static const char* const shortDays[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    static const char* const longDays[] = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
    static const char* const shortMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    static const char* const longMonths[] = {"January", "February", "March", "April", "May", "June", "July", "August", "September", "October", "November", "December"};

    int year, month, day, hour, minute, sec, msec;
    DecodeDate(dt, year, month, day);
    DecodeTime(dt, hour, minute, sec, msec);
    std::int64_t days, ms;
    splitDateTime(dt, days, ms);
    int weekday = static_cast<int>(((days + kEpoch) % 7 + 8) % 7);  // 0001-01-01 was a Monday

    auto lower = [](char c) { return static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c); };
    auto startsWithCI = [&](std::size_t i, const char* word) {
        for (std::size_t k = 0; word[k]; ++k)
            if (i + k >= fmt.size() || lower(fmt[i + k]) != word[k])
                return false;
        return true;
    };
    const std::string lowerFmt = LowerCase(fmt);
    const bool twelve = lowerFmt.find("am/pm") != std::string::npos || lowerFmt.find("a/p") != std::string::npos;
    auto pad = [](int v, int width) {
        std::string s = std::to_string(v);
        return s.size() < static_cast<std::size_t>(width) ? std::string(width - s.size(), '0') + s : s;
    };

    std::string out;
    bool lastWasHour = false;
    std::size_t i = 0;
    while (i < fmt.size()) {
        char c = fmt[i];
        char lc = lower(c);
        std::size_t run = 1;
        while (i + run < fmt.size() && lower(fmt[i + run]) == lc)
            ++run;
        if (c == '"' || c == '\'') {
            std::size_t end = fmt.find(c, i + 1);
            if (end == std::string::npos)
                end = fmt.size();
            out += fmt.substr(i + 1, end - i - 1);
            i = end + 1;
            continue;
        }
        if (startsWithCI(i, "am/pm")) {
            out += hour < 12 ? (c == 'A' ? "AM" : "am") : (c == 'A' ? "PM" : "pm");
            i += 5;
            continue;
        }
        if (startsWithCI(i, "a/p")) {
            out += hour < 12 ? (c == 'A' ? "A" : "a") : (c == 'A' ? "P" : "p");
            i += 3;
            continue;
        }
        int h12 = hour % 12 == 0 ? 12 : hour % 12;
        bool consumedHour = false;
        switch (lc) {
        case 'y':
            out += run <= 2 ? pad(year % 100, 2) : pad(year, 4);
            break;
        case 'm':
            if (lastWasHour && run <= 2) {
                out += run == 1 ? std::to_string(minute) : pad(minute, 2);
            } else if (run == 1) {
                out += std::to_string(month);
            } else if (run == 2) {
                out += pad(month, 2);
            } else if (run == 3) {
                out += shortMonths[month - 1];
            } else {
                out += longMonths[month - 1];
                run = 4;
            }
            break;
        case 'd':
            if (run == 1)
                out += std::to_string(day);
            else if (run == 2)
                out += pad(day, 2);
            else if (run == 3)
                out += shortDays[weekday];
            else {
                out += longDays[weekday];
                run = 4;
            }
            break;
        case 'h':
            run = std::min<std::size_t>(run, 2);
            out += run == 1 ? std::to_string(twelve ? h12 : hour) : pad(twelve ? h12 : hour, 2);
            consumedHour = true;
            break;
        case 'n':
            run = std::min<std::size_t>(run, 2);
            out += run == 1 ? std::to_string(minute) : pad(minute, 2);
            break;
        case 's':
            run = std::min<std::size_t>(run, 2);
            out += run == 1 ? std::to_string(sec) : pad(sec, 2);
            break;
        case 'z':
            run = run >= 3 ? 3 : 1;
            out += run == 1 ? std::to_string(msec) : pad(msec, 3);
            break;
        default:
            out += c;
            run = 1;
            break;
        }
        if (lc != ' ' && lc != ':')
            lastWasHour = consumedHour;
        i += run;
    }
    return out;
}
