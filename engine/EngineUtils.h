#pragma once
// Small functions the engine's parts and the front end share: where the program lives, tokens,
// file sizes, dates, the message pump, the hand-over to the main thread and seek flags.

#include "engine/FFBaseComponent.h"

#include <cstdint>
#include <functional>
#include <string>

// Days since 30 December 1899, the fraction being the time of day.
using TDateTime = double;

// Full path of the running executable, and its folder ending with "/".
std::string GetAppFilePath();
std::string GetAppFolder();

// Cuts the text before the first Delimiter (exact case) out of S and returns it; with Remove the
// text after the delimiter stays in S. Without a delimiter the whole of S is the token (and S
// becomes empty with Remove).
std::string FetchToken(std::string& S, const std::string& Delimiter, bool Remove);

// Size of a file in bytes; -1 when there is no such file.
std::int64_t GetFileSize64(const std::string& FileName);

// "1.50 GB", "2.00 MB", "1.00 KB" above each unit, else "512 Byte"; the decimal point is always ".".
std::string FormatFileSize(std::int64_t Size);

// The local time zone's offset from UTC in days, at the given moment (seconds since 1970, UTC),
// daylight saving included; without a moment, now.
double GetTimeZoneBias(std::int64_t UnixSeconds);
double GetTimeZoneBias();

// Seconds since 1970-01-01 UTC as the local date and time of that moment.
TDateTime UnixToDateTime(std::int64_t UnixSeconds);

// Formats a date and time: "yyyy" or "yy" year, "m"/"mm" month (minutes right after an hour),
// "d"/"dd" day, "h"/"hh" hour, "n"/"nn" minute, "s"/"ss" second, "z"/"zzz" millisecond; text in
// double or single quotes is copied without its quotes; every other character is copied.
std::string FormatDateTimeText(const std::string& Format, TDateTime DateTime);

// Main thread: serves the calls handed over from other threads, then one window message; a quit
// request is never consumed. Returns whether anything ran.
bool ProcessMessage();
void ProcessPendingMessages();

// Runs the call on the main thread and returns when it has run (directly on the main thread).
void RunInMainThread(const std::function<void()>& Method);

// The library's seek flags: 1 backward, 2 byte position, 4 any frame, 8 frame number.
int SeekFlagsToInt(TSeekFlags Flags);
