#pragma once
// Text, number, file-name and date helpers with the class library's names. Text is UTF-8;
// case folding is ASCII only (the platform's names and keys are ASCII); "/" is the only path
// delimiter.

#include "platform/kernel/CommonErrors.h"

#include <cstdint>
#include <initializer_list>
#include <string>

// An object is not of the class a typecast needs ("Invalid class typecast").
class EInvalidCast : public Exception {
public:
    EInvalidCast() : Exception("Invalid class typecast") {}
};

// --- numbers ---------------------------------------------------------------------------------

std::string IntToStr(std::int64_t value);
// Decimal, or hexadecimal after "$" or "0x"/"0X"; an optional sign; leading blanks allowed.
// Raises EConvertError "'<text>' is not a valid integer value".
int StrToInt(const std::string& s);
std::int64_t StrToInt64(const std::string& s);
int StrToIntDef(const std::string& s, int def);
bool TryStrToInt(const std::string& s, int& value);
bool TryStrToInt64(const std::string& s, std::int64_t& value);

// --- Format ----------------------------------------------------------------------------------

// One argument of Format: an integer, a floating-point number or a text.
class TVarRec {
public:
    enum Kind { vtInteger, vtFloat, vtString };
    TVarRec(int v) : kind_(vtInteger), i_(v) {}
    TVarRec(long v) : kind_(vtInteger), i_(v) {}
    TVarRec(long long v) : kind_(vtInteger), i_(v) {}
    TVarRec(unsigned v) : kind_(vtInteger), i_(v) {}
    TVarRec(unsigned long v) : kind_(vtInteger), i_(static_cast<std::int64_t>(v)) {}
    TVarRec(unsigned long long v) : kind_(vtInteger), i_(static_cast<std::int64_t>(v)) {}
    TVarRec(double v) : kind_(vtFloat), d_(v) {}
    TVarRec(const char* v) : kind_(vtString), s_(v ? v : "") {}
    TVarRec(std::string v) : kind_(vtString), s_(std::move(v)) {}

    Kind kind() const { return kind_; }
    std::int64_t asInt() const { return i_; }
    double asFloat() const { return d_; }
    const std::string& asString() const { return s_; }

private:
    Kind kind_;
    std::int64_t i_ = 0;
    double d_ = 0;
    std::string s_;
};

// The class library's Format: "%[index:][-][width][.precision]type" with the types d, u, x, X,
// s, f, e, g, n and "%%". Raises EConvertError "Format '<fmt>' invalid or incompatible with
// argument" for a wrong type or a missing argument.
std::string Format(const std::string& fmt, std::initializer_list<TVarRec> args);

// --- text ------------------------------------------------------------------------------------

// Remove leading and/or trailing characters up to and including the blank (control characters).
std::string Trim(const std::string& s);
std::string TrimLeft(const std::string& s);
std::string TrimRight(const std::string& s);
std::string UpperCase(const std::string& s);
std::string LowerCase(const std::string& s);
// <0, 0, >0 comparing without regard to (ASCII) case.
int CompareText(const std::string& a, const std::string& b);
bool SameText(const std::string& a, const std::string& b);
// As CompareText; string lists and the shell file list sort with it under this name.
int AnsiCompareText(const std::string& a, const std::string& b);
int CompareStr(const std::string& a, const std::string& b);

// --- file names ------------------------------------------------------------------------------

inline constexpr char PathDelim = '/';

// "dir/name.ext" -> "dir/"; a name without a delimiter gives "".
std::string ExtractFilePath(const std::string& fileName);
// "dir/name.ext" -> "dir" (the root "/" stays "/").
std::string ExtractFileDir(const std::string& fileName);
// "dir/name.ext" -> "name.ext".
std::string ExtractFileName(const std::string& fileName);
// ".ext" of the name part, "" without a dot there.
std::string ExtractFileExt(const std::string& fileName);
// Replaces (or adds) the extension of the name part; ext includes its dot, "" removes it.
std::string ChangeFileExt(const std::string& fileName, const std::string& ext);
std::string IncludeTrailingPathDelimiter(const std::string& s);
std::string ExcludeTrailingPathDelimiter(const std::string& s);

// A regular file (symbolic links followed).
bool FileExists(const std::string& fileName);
bool DirectoryExists(const std::string& dir);
// Creates the folder and every missing parent; false when that fails.
bool ForceDirectories(const std::string& dir);

// --- dates -----------------------------------------------------------------------------------

// Days since 1899-12-30, the time of day as the fraction.
using TDateTime = double;

// Raises EConvertError for an invalid date or time.
TDateTime EncodeDate(int year, int month, int day);
TDateTime EncodeTime(int hour, int min, int sec, int msec);
void DecodeDate(TDateTime dt, int& year, int& month, int& day);
void DecodeTime(TDateTime dt, int& hour, int& min, int& sec, int& msec);

// The class library's date-time format: d dd ddd dddd, m mm mmm mmmm (minutes right after an
// hour specifier), yy yyyy, h hh, n nn, s ss, z zzz, am/pm and a/p (12-hour clock), "/" and ":"
// as themselves, text in single or double quotes copied, other characters copied.
std::string FormatDateTime(const std::string& fmt, TDateTime dt);
