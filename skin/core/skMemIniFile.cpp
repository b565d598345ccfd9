#include "skin/core/skMemIniFile.h"

#include <cstdint>
#include <limits>

namespace {

std::string Fold(std::string_view s)
{
    std::string r(s);
    for (char& c : r)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return r;
}

bool SameName(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'A' && x <= 'Z')
            x = static_cast<char>(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z')
            y = static_cast<char>(y - 'A' + 'a');
        if (x != y)
            return false;
    }
    return true;
}

std::string_view Trim(std::string_view s)
{
    std::size_t b = 0, e = s.size();
    while (b < e && (s[b] == ' ' || s[b] == '\t'))
        ++b;
    while (e > b && (s[e - 1] == ' ' || s[e - 1] == '\t'))
        --e;
    return s.substr(b, e - b);
}

int HexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

void AppendUtf8(std::string& out, std::uint32_t cp)
{
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

std::string Utf16ToUtf8(std::string_view bytes, bool bigEndian)
{
    std::string out;
    out.reserve(bytes.size());
    auto unit = [&](std::size_t i) -> std::uint32_t {
        auto b0 = static_cast<unsigned char>(bytes[i]);
        auto b1 = static_cast<unsigned char>(bytes[i + 1]);
        return bigEndian ? (b0 << 8 | b1) : (b1 << 8 | b0);
    };
    const std::size_t n = bytes.size() / 2 * 2;
    for (std::size_t i = 0; i < n; i += 2) {
        std::uint32_t u = unit(i);
        if (u >= 0xD800 && u < 0xDC00 && i + 2 < n) {
            std::uint32_t lo = unit(i + 2);
            if (lo >= 0xDC00 && lo < 0xE000) {
                AppendUtf8(out, 0x10000 + ((u - 0xD800) << 10) + (lo - 0xDC00));
                i += 2;
                continue;
            }
        }
        if (u >= 0xD800 && u < 0xE000)
            u = 0xFFFD;  // a lone surrogate
        AppendUtf8(out, u);
    }
    return out;
}

} // namespace

bool TryParseIniInteger(std::string_view text, int& value)
{
    std::string_view s = Trim(text);
    bool negative = false;
    if (!s.empty() && (s[0] == '-' || s[0] == '+')) {
        negative = s[0] == '-';
        s.remove_prefix(1);
    }
    int base = 10;
    if (!s.empty() && s[0] == '$') {
        base = 16;
        s.remove_prefix(1);
    } else if (s.size() >= 3 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X')) {
        base = 16;
        s.remove_prefix(2);
    }
    if (s.empty())
        return false;
    std::uint64_t v = 0;
    for (char c : s) {
        int d = HexDigit(c);
        if (d < 0 || d >= base)
            return false;
        v = v * base + static_cast<unsigned>(d);
        if (v > 0xFFFFFFFFull)
            return false;
    }
    std::int64_t result;
    if (base == 16) {
        // Hexadecimal texts name 32-bit patterns: $FFFFFFFF is -1, as colours are written.
        result = static_cast<std::int32_t>(static_cast<std::uint32_t>(v));
        if (negative)
            result = -result;
    } else {
        result = negative ? -static_cast<std::int64_t>(v) : static_cast<std::int64_t>(v);
    }
    if (result < std::numeric_limits<std::int32_t>::min() || result > std::numeric_limits<std::int32_t>::max())
        return false;
    value = static_cast<int>(result);
    return true;
}

std::string DecodeSkinText(std::string_view bytes)
{
    if (bytes.size() >= 3 && static_cast<unsigned char>(bytes[0]) == 0xEF &&
        static_cast<unsigned char>(bytes[1]) == 0xBB && static_cast<unsigned char>(bytes[2]) == 0xBF)
        return std::string(bytes.substr(3));
    if (bytes.size() >= 2) {
        auto b0 = static_cast<unsigned char>(bytes[0]);
        auto b1 = static_cast<unsigned char>(bytes[1]);
        if (b0 == 0xFF && b1 == 0xFE)
            return Utf16ToUtf8(bytes.substr(2), false);
        if (b0 == 0xFE && b1 == 0xFF)
            return Utf16ToUtf8(bytes.substr(2), true);
    }
    return std::string(bytes);
}

void TskMemIniFile::Clear()
{
    Preamble_.clear();
    Sections_.clear();
    Index_.clear();
}

void TskMemIniFile::SetText(std::string_view text)
{
    Clear();
    Section* current = nullptr;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = text.find_first_of("\r\n", pos);
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view line = Trim(text.substr(pos, end - pos));
        pos = end;
        if (pos < text.size())
            pos += (text[pos] == '\r' && pos + 1 < text.size() && text[pos + 1] == '\n') ? 2 : 1;

        if (line.empty())
            continue;
        if (line.front() == '[' && line.back() == ']' && line.size() >= 2) {
            current = &SectionForWrite(std::string(Trim(line.substr(1, line.size() - 2))));
            continue;
        }
        Line l;
        std::size_t eq = line.find('=');
        if (line.front() != ';' && eq != std::string_view::npos) {
            l.IsKey = true;
            l.Key = std::string(Trim(line.substr(0, eq)));
            l.Value = std::string(Trim(line.substr(eq + 1)));
        } else {
            l.Raw = std::string(line);
        }
        if (current)
            current->Lines.push_back(std::move(l));
        else
            Preamble_.push_back(std::string(line));
    }
}

std::string TskMemIniFile::GetText() const
{
    std::string out;
    for (const auto& p : Preamble_)
        out += p + "\r\n";
    for (const auto& s : Sections_) {
        out += "[" + s.Name + "]\r\n";
        for (const auto& l : s.Lines)
            out += (l.IsKey ? l.Key + "=" + l.Value : l.Raw) + "\r\n";
        out += "\r\n";
    }
    return out;
}

const TskMemIniFile::Section* TskMemIniFile::FindSection(const std::string& name) const
{
    auto it = Index_.find(Fold(name));
    return it == Index_.end() ? nullptr : &Sections_[it->second];
}

TskMemIniFile::Section& TskMemIniFile::SectionForWrite(const std::string& name)
{
    std::string folded = Fold(name);
    auto it = Index_.find(folded);
    if (it != Index_.end())
        return Sections_[it->second];
    Index_.emplace(std::move(folded), Sections_.size());
    Sections_.push_back(Section{name, {}});
    return Sections_.back();
}

const TskMemIniFile::Line* TskMemIniFile::FindKey(const Section& s, const std::string& key)
{
    for (const auto& l : s.Lines)
        if (l.IsKey && SameName(l.Key, key))
            return &l;
    return nullptr;
}

bool TskMemIniFile::SectionExists(const std::string& section) const
{
    const Section* s = FindSection(section);
    if (!s)
        return false;
    for (const auto& l : s->Lines)
        if (l.IsKey)
            return true;
    return false;
}

bool TskMemIniFile::ValueExists(const std::string& section, const std::string& key) const
{
    const Section* s = FindSection(section);
    return s && FindKey(*s, key);
}

std::vector<std::string> TskMemIniFile::Sections() const
{
    std::vector<std::string> names;
    for (const auto& s : Sections_)
        names.push_back(s.Name);
    return names;
}

std::vector<std::string> TskMemIniFile::ReadSection(const std::string& section) const
{
    std::vector<std::string> keys;
    if (const Section* s = FindSection(section))
        for (const auto& l : s->Lines)
            if (l.IsKey)
                keys.push_back(l.Key);
    return keys;
}

std::string TskMemIniFile::ReadString(const std::string& section, const std::string& key,
                                      const std::string& defaultValue) const
{
    const Section* s = FindSection(section);
    const Line* l = s ? FindKey(*s, key) : nullptr;
    return l ? l->Value : defaultValue;
}

int TskMemIniFile::ReadInteger(const std::string& section, const std::string& key, int defaultValue) const
{
    const Section* s = FindSection(section);
    const Line* l = s ? FindKey(*s, key) : nullptr;
    int v;
    return l && TryParseIniInteger(l->Value, v) ? v : defaultValue;
}

void TskMemIniFile::WriteString(const std::string& section, const std::string& key, const std::string& value)
{
    Section& s = SectionForWrite(section);
    for (auto& l : s.Lines)
        if (l.IsKey && SameName(l.Key, key)) {
            l.Value = value;
            return;
        }
    Line l;
    l.IsKey = true;
    l.Key = key;
    l.Value = value;
    s.Lines.push_back(std::move(l));
}

void TskMemIniFile::WriteInteger(const std::string& section, const std::string& key, int value)
{
    WriteString(section, key, std::to_string(value));
}

void TskMemIniFile::EraseSection(const std::string& section)
{
    auto it = Index_.find(Fold(section));
    if (it == Index_.end())
        return;
    Sections_.erase(Sections_.begin() + static_cast<std::ptrdiff_t>(it->second));
    Index_.clear();
    for (std::size_t i = 0; i < Sections_.size(); ++i)
        Index_.emplace(Fold(Sections_[i].Name), i);
}
