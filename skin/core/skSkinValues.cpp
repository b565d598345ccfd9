#include "skin/core/skSkinValues.h"

#include "classlib/SysUtils.h"

#include <array>
#include <cstdint>
#include <limits>

namespace {

// One number field of a rectangle or point: digits, with a "-" before them read as the sign.
struct Field {
    std::string Digits;
    bool Negative = false;
    std::string Text;  // the field as written, for the error message
};

template <std::size_t N>
std::array<int, N> ParseFields(const std::string& text)
{
    std::array<Field, N> fields;
    std::size_t current = 0;
    for (char c : text) {
        if (c == ',') {
            ++current;
            continue;
        }
        if (current >= N)
            continue;
        Field& f = fields[current];
        f.Text += c;
        if (c >= '0' && c <= '9')
            f.Digits += c;
        else if (c == '-' && f.Digits.empty())
            f.Negative = true;
    }
    std::array<int, N> values{};
    for (std::size_t i = 0; i < N; ++i) {
        const Field& f = fields[i];
        std::int64_t v = 0;
        bool ok = !f.Digits.empty();
        for (char c : f.Digits) {
            v = v * 10 + (c - '0');
            if (v > static_cast<std::int64_t>(std::numeric_limits<std::int32_t>::max()) + 1) {
                ok = false;
                break;
            }
        }
        if (f.Negative)
            v = -v;
        if (!ok || v > std::numeric_limits<std::int32_t>::max())
            throw EConvertError("'" + f.Text + "' is not a valid integer value");
        values[i] = static_cast<int>(v);
    }
    return values;
}

template <class E, std::size_t N>
std::string WordOf(const std::array<const char*, N>& words, E value)
{
    auto i = static_cast<std::size_t>(value);
    return i < N ? words[i] : "";
}

constexpr std::array<const char*, 3> kStretchWords{"stfull", "sthorz", "stvert"};
constexpr std::array<const char*, 7> kMorphWords{"mkdefault", "mkgradient", "mkleftgradient", "mkrightgradient",
                                                 "mkleftslide", "mkrightslide", "mkpush"};
constexpr std::array<const char*, 6> kEffectWords{"iebrightness", "iedarkness", "iegrayscale",
                                                  "ienoise", "iesplitblur", "ieinvert"};
constexpr std::array<const char*, 7> kCommandWords{"cmclose", "cmmaximize", "cmminimize", "cmsysmenu",
                                                   "cmdefault", "cmrollup", "cmminimizetotray"};
constexpr std::array<const char*, 3> kAlignmentWords{"taleftjustify", "tarightjustify", "tacenter"};

// The member whose word equals the text, or the fall-back.
template <class E, std::size_t N>
E MemberOf(const std::array<const char*, N>& words, const std::string& text, E fallback)
{
    for (std::size_t i = 0; i < N; ++i)
        if (text == words[i])
            return static_cast<E>(i);
    return fallback;
}

} // namespace

RECT ParseRectValue(const std::string& text)
{
    auto v = ParseFields<4>(text);
    return RECT{v[0], v[1], v[2], v[3]};
}

POINT ParsePointValue(const std::string& text)
{
    auto v = ParseFields<2>(text);
    return POINT{v[0], v[1]};
}

RECT ReadRectValue(const TskMemIniFile& ini, const std::string& section, const std::string& key)
{
    return ParseRectValue(ini.ReadString(section, key, "0,0,0,0"));
}

POINT ReadPointValue(const TskMemIniFile& ini, const std::string& section, const std::string& key)
{
    return ParsePointValue(ini.ReadString(section, key, "0,0"));
}

bool ReadBoolValue(const TskMemIniFile& ini, const std::string& section, const std::string& key)
{
    return ini.ReadInteger(section, key, 0) == 1;
}

TFontStyles ReadFontStyleValue(const TskMemIniFile& ini, const std::string& section, const std::string& key)
{
    std::string s = ini.ReadString(section, key, "");
    TFontStyles r;
    if (s.find("fsbold") != std::string::npos)
        r.Include(fsBold);
    if (s.find("fsitalic") != std::string::npos)
        r.Include(fsItalic);
    if (s.find("fsunderline") != std::string::npos)
        r.Include(fsUnderline);
    if (s.find("fsstrikeout") != std::string::npos)
        r.Include(fsStrikeOut);
    return r;
}

int NumberedKeyLimit(const TskMemIniFile& ini, const std::string& section, int count)
{
    int limit = 0;
    for (const auto& k : ini.ReadSection(section)) {
        int n;
        if (!k.empty() && k.find_first_not_of("0123456789") == std::string::npos && TryParseIniInteger(k, n) &&
            n < count && n + 1 > limit)
            limit = n + 1;
    }
    return limit;
}

void ReadStringListValue(const TskMemIniFile& ini, const std::string& section, const std::string& key,
                         std::vector<std::string>& list)
{
    // Trailing absent lines are left out, so a damaged count cannot make the list grow without bound.
    const int count = NumberedKeyLimit(ini, section, ini.ReadInteger(section, key + "count", 0));
    for (int i = 0; i < count; ++i)
        list.push_back(ini.ReadString(section, std::to_string(i), ""));
}

TAlignment ReadAlignmentValue(const TskMemIniFile& ini, const std::string& section, const std::string& key)
{
    std::string s = ini.ReadString(section, key, "tacenter");
    if (s == "tacenter")
        return TAlignment::taCenter;
    return s == "taleftjustify" ? TAlignment::taLeftJustify : TAlignment::taRightJustify;
}

TskStretchType ReadStretchType(const TskMemIniFile& ini, const std::string& section, const std::string& key)
{
    std::string s = ini.ReadString(section, key, "stfull");
    if (s == "stfull")
        return skstFull;
    return s == "stvert" ? skstVert : skstHorz;
}

TskMorphKind ReadMorphKind(const TskMemIniFile& ini, const std::string& section, const std::string& key)
{
    return MemberOf(kMorphWords, ini.ReadString(section, key, "mkdefault"), mkDefault);
}

TskInActiveEffect ReadInActiveEffect(const TskMemIniFile& ini, const std::string& section, const std::string& key)
{
    return MemberOf(kEffectWords, ini.ReadString(section, key, "iebrightness"), ieGrayScale);
}

TskStdCommand ReadStdCommand(const TskMemIniFile& ini, const std::string& section, const std::string& key)
{
    // Only the first six words are recognised; every other text is "minimize to tray".
    std::string s = ini.ReadString(section, key, "cmdefault");
    for (std::size_t i = 0; i < static_cast<std::size_t>(cmMinimizeToTray); ++i)
        if (s == kCommandWords[i])
            return static_cast<TskStdCommand>(i);
    return cmMinimizeToTray;
}

void WriteRectValue(TskMemIniFile& ini, const std::string& section, const std::string& key, const RECT& value)
{
    ini.WriteString(section, key,
                    std::to_string(value.left) + "," + std::to_string(value.top) + "," +
                        std::to_string(value.right) + "," + std::to_string(value.bottom));
}

void WritePointValue(TskMemIniFile& ini, const std::string& section, const std::string& key, const POINT& value)
{
    ini.WriteString(section, key, std::to_string(value.x) + "," + std::to_string(value.y));
}

void WriteBoolValue(TskMemIniFile& ini, const std::string& section, const std::string& key, bool value)
{
    ini.WriteInteger(section, key, value ? 1 : 0);
}

void WriteFontStyleValue(TskMemIniFile& ini, const std::string& section, const std::string& key,
                         const TFontStyles& value)
{
    std::string s;
    auto add = [&s](bool present, const char* word) {
        if (!present)
            return;
        if (!s.empty())
            s += ",";
        s += word;
    };
    add(value.Contains(fsBold), "fsbold");
    add(value.Contains(fsItalic), "fsitalic");
    add(value.Contains(fsUnderline), "fsunderline");
    add(value.Contains(fsStrikeOut), "fsstrikeout");
    ini.WriteString(section, key, s);
}

void WriteStringListValue(TskMemIniFile& ini, const std::string& section, const std::string& key,
                          const std::vector<std::string>& list)
{
    ini.WriteInteger(section, key + "count", static_cast<int>(list.size()));
    for (std::size_t i = 0; i < list.size(); ++i)
        ini.WriteString(section, std::to_string(i), list[i]);
}

void WriteAlignmentValue(TskMemIniFile& ini, const std::string& section, const std::string& key, TAlignment value)
{
    ini.WriteString(section, key, WordOf(kAlignmentWords, value));
}

void WriteStretchType(TskMemIniFile& ini, const std::string& section, const std::string& key, TskStretchType value)
{
    ini.WriteString(section, key, WordOf(kStretchWords, value));
}

void WriteMorphKind(TskMemIniFile& ini, const std::string& section, const std::string& key, TskMorphKind value)
{
    ini.WriteString(section, key, WordOf(kMorphWords, value));
}

void WriteInActiveEffect(TskMemIniFile& ini, const std::string& section, const std::string& key,
                         TskInActiveEffect value)
{
    ini.WriteString(section, key, WordOf(kEffectWords, value));
}

void WriteStdCommand(TskMemIniFile& ini, const std::string& section, const std::string& key, TskStdCommand value)
{
    ini.WriteString(section, key, WordOf(kCommandWords, value));
}

bool HasRequiredSkinSections(const TskMemIniFile& ini)
{
    for (const char* s : {"VERSION", "PICTURES", "FORMINFO", "SKINOBJECTS", "SKINCONTROLS"})
        if (!ini.SectionExists(s))
            return false;
    return true;
}

void SplitSkinEntry(const std::string& line, std::string& idName, std::string& kind)
{
    std::size_t colon = line.find(':');
    if (colon == std::string::npos) {
        idName.clear();
        kind.clear();
        return;
    }
    idName = line.substr(0, colon);
    kind = line.substr(colon + 1);
}
