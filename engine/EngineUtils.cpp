#include "engine/EngineUtils.h"

#include "platform/kernel/AppPath.h"
#include "platform/kernel/MainThread.h"

#include <charconv>
#include <cmath>
#include <ctime>
#include <string_view>
#include <sys/stat.h>

std::string GetAppFilePath()
{
    return GetExecutablePath();
}

std::string GetAppFolder()
{
    return GetExecutableFolder();
}

std::string FetchToken(std::string& S, const std::string& Delimiter, bool Remove)
{
    std::size_t pos = Delimiter.empty() ? std::string::npos : S.find(Delimiter);
    std::string token;
    if (pos == std::string::npos) {
        token = S;
        if (Remove)
            S.clear();
    } else {
        token = S.substr(0, pos);
        if (Remove)
            S.erase(0, pos + Delimiter.size());
    }
    return token;
}

std::int64_t GetFileSize64(const std::string& FileName)
{
    struct stat info {};
    if (FileName.empty() || stat(FileName.c_str(), &info) != 0 || !S_ISREG(info.st_mode))
        return -1;
    return static_cast<std::int64_t>(info.st_size);
}

namespace {

// Fixed two decimals with "." whatever the process locale says.
std::string TwoDecimals(double value)
{
    char buffer[64];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 2);
    return std::string(buffer, result.ptr);
}

} // namespace

std::string FormatFileSize(std::int64_t Size)
{
    const double size = static_cast<double>(Size);
    if (Size > 1073741824)
        return TwoDecimals(size / 1073741824.0) + " GB";
    if (Size > 1048576)
        return TwoDecimals(size / 1048576.0) + " MB";
    if (Size > 1024)
        return TwoDecimals(size / 1024.0) + " KB";
    return std::to_string(Size) + " Byte";
}

double GetTimeZoneBias(std::int64_t UnixSeconds)
{
    std::time_t moment = static_cast<std::time_t>(UnixSeconds);
    std::tm local{};
    if (!localtime_r(&moment, &local))
        return 0.0;
    return static_cast<double>(local.tm_gmtoff) / 86400.0;
}

double GetTimeZoneBias()
{
    return GetTimeZoneBias(static_cast<std::int64_t>(std::time(nullptr)));
}

TDateTime UnixToDateTime(std::int64_t UnixSeconds)
{
    return static_cast<double>(UnixSeconds) / 86400.0 + 25569.0 + GetTimeZoneBias(UnixSeconds);
}

namespace {

struct DateTimeParts {
    std::int64_t year;
    int month, day, hour, minute, second, millisecond;
};

DateTimeParts Decode(TDateTime value)
{
    std::int64_t totalMs = std::llround(value * 86400000.0);
    std::int64_t days = totalMs / 86400000;
    std::int64_t msOfDay = totalMs % 86400000;
    if (msOfDay < 0) {
        msOfDay += 86400000;
        --days;
    }
    // Civil date from a day count (days since 1970-01-01), proleptic Gregorian calendar.
    std::int64_t z = days - 25569 + 719468;
    std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    std::int64_t doe = z - era * 146097;
    std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    std::int64_t mp = (5 * doy + 2) / 153;
    int day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    int month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    std::int64_t year = yoe + era * 400 + (month <= 2 ? 1 : 0);

    DateTimeParts parts{year, month, day, 0, 0, 0, 0};
    parts.hour = static_cast<int>(msOfDay / 3600000);
    parts.minute = static_cast<int>(msOfDay / 60000 % 60);
    parts.second = static_cast<int>(msOfDay / 1000 % 60);
    parts.millisecond = static_cast<int>(msOfDay % 1000);
    return parts;
}

char AsciiLower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string Padded(std::int64_t value, int width)
{
    std::string digits = std::to_string(value);
    if (static_cast<int>(digits.size()) < width)
        digits.insert(0, static_cast<std::size_t>(width) - digits.size(), '0');
    return digits;
}

} // namespace

std::string FormatDateTimeText(const std::string& Format, TDateTime DateTime)
{
    const DateTimeParts parts = Decode(DateTime);
    std::string out;
    bool afterHour = false;  // "m" right after an hour field means minutes
    std::size_t i = 0;
    while (i < Format.size()) {
        const char c = Format[i];
        if (c == '"' || c == '\'') {
            std::size_t close = Format.find(c, i + 1);
            if (close == std::string::npos)
                close = Format.size();
            out.append(Format, i + 1, close - i - 1);
            i = close + 1;
            continue;
        }
        const char lower = AsciiLower(c);
        if (std::string_view("ymdhnsz").find(lower) == std::string_view::npos) {
            out += c;
            ++i;
            continue;
        }
        std::size_t run = 1;
        while (i + run < Format.size() && AsciiLower(Format[i + run]) == lower)
            ++run;
        const int width = run >= 2 ? 2 : 1;
        switch (lower) {
        case 'y':
            out += run <= 2 ? Padded(parts.year % 100, 2) : Padded(parts.year, 4);
            afterHour = false;
            break;
        case 'm':
            out += Padded(afterHour ? parts.minute : parts.month, width);
            afterHour = false;
            break;
        case 'd':
            out += Padded(parts.day, width);
            afterHour = false;
            break;
        case 'h':
            out += Padded(parts.hour, width);
            afterHour = true;
            break;
        case 'n':
            out += Padded(parts.minute, width);
            afterHour = false;
            break;
        case 's':
            out += Padded(parts.second, width);
            afterHour = false;
            break;
        case 'z':
            out += Padded(parts.millisecond, run >= 3 ? 3 : 1);
            afterHour = false;
            break;
        }
        i += run;
    }
    return out;
}

bool ProcessMessage()
{
    return MainThread::ProcessMessage();
}

void ProcessPendingMessages()
{
    MainThread::ProcessPendingMessages();
}

void RunInMainThread(const std::function<void()>& Method)
{
    MainThread::InvokeAndWait(Method);
}

int SeekFlagsToInt(TSeekFlags Flags)
{
    return static_cast<int>(Flags.Bits() & 0x0F);
}
