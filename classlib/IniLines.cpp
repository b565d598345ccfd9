#include "classlib/IniLines.h"

#include "classlib/SysUtils.h"

#include <optional>

namespace {

// The section name of a header line ("[ name ]"), if the line is one.
std::optional<std::string> headerName(const std::string& line)
{
    std::string t = Trim(line);
    if (t.empty() || t[0] != '[')
        return std::nullopt;
    std::size_t close = t.find(']');
    return Trim(t.substr(1, close == std::string::npos ? std::string::npos : close - 1));
}

// Splits a key line into its trimmed name and value; false for comments, headers, blank lines
// and lines without "=".
bool splitKeyLine(const std::string& line, std::string& key, std::string& value)
{
    std::string t = TrimLeft(line);
    if (t.empty() || t[0] == ';' || t[0] == '[')
        return false;
    std::size_t eq = t.find('=');
    if (eq == std::string::npos)
        return false;
    key = Trim(t.substr(0, eq));
    value = Trim(t.substr(eq + 1));
    return !key.empty();
}

// A pair of matching quotes around a value is not part of it.
std::string unquote(const std::string& v)
{
    if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
        return v.substr(1, v.size() - 2);
    return v;
}

} // namespace

void TIniLines::SetText(const std::string& text)
{
    lines_.clear();
    std::size_t i = 0;
    bom_ = text.compare(0, 3, "\xEF\xBB\xBF") == 0;
    if (bom_)
        i = 3;
    crlf_ = text.find("\r\n") != std::string::npos;
    while (i < text.size()) {
        std::size_t e = text.find_first_of("\r\n", i);
        if (e == std::string::npos) {
            lines_.push_back(text.substr(i));
            break;
        }
        lines_.push_back(text.substr(i, e - i));
        i = e + 1;
        if (text[e] == '\r' && i < text.size() && text[i] == '\n')
            ++i;
    }
}

std::string TIniLines::Text() const
{
    std::string r = bom_ ? "\xEF\xBB\xBF" : "";
    const char* br = crlf_ ? "\r\n" : "\n";
    for (const std::string& l : lines_) {
        r += l;
        r += br;
    }
    return r;
}

void TIniLines::Clear()
{
    lines_.clear();
}

std::size_t TIniLines::sectionEnd(std::size_t first) const
{
    std::size_t i = first;
    while (i < lines_.size() && !headerName(lines_[i]))
        ++i;
    return i;
}

bool TIniLines::sectionRange(const std::string& section, std::size_t& first, std::size_t& last) const
{
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        auto name = headerName(lines_[i]);
        if (name && SameText(*name, section)) {
            first = i + 1;
            last = sectionEnd(first);
            return true;
        }
    }
    return false;
}

std::size_t TIniLines::findKey(std::size_t first, std::size_t last, const std::string& key) const
{
    std::string k, v;
    const std::string wanted = Trim(key);
    for (std::size_t i = first; i < last; ++i)
        if (splitKeyLine(lines_[i], k, v) && SameText(k, wanted))
            return i;
    return std::string::npos;
}

const std::string* TIniLines::Find(const std::string& section, const std::string& key, std::string& value) const
{
    std::size_t first, last;
    if (!sectionRange(section, first, last))
        return nullptr;
    std::size_t i = findKey(first, last, key);
    if (i == std::string::npos)
        return nullptr;
    std::string k, v;
    splitKeyLine(lines_[i], k, v);
    value = unquote(v);
    return &lines_[i];
}

void TIniLines::Write(const std::string& section, const std::string& key, const std::string& value)
{
    std::string line = Trim(key) + "=" + value;
    std::size_t first, last;
    if (!sectionRange(section, first, last)) {
        if (!lines_.empty() && !Trim(lines_.back()).empty())
            lines_.emplace_back();
        lines_.push_back("[" + section + "]");
        lines_.push_back(line);
        return;
    }
    std::size_t i = findKey(first, last, key);
    if (i != std::string::npos) {
        lines_[i] = line;
        return;
    }
    // After the section's last non-blank line, so a blank line before the next section stays.
    std::size_t at = last;
    while (at > first && Trim(lines_[at - 1]).empty())
        --at;
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), line);
}

std::vector<std::string> TIniLines::Keys(const std::string& section) const
{
    std::vector<std::string> r;
    std::size_t first, last;
    if (!sectionRange(section, first, last))
        return r;
    std::string k, v;
    for (std::size_t i = first; i < last; ++i)
        if (splitKeyLine(lines_[i], k, v))
            r.push_back(k);
    return r;
}

std::vector<std::string> TIniLines::KeyValues(const std::string& section) const
{
    std::vector<std::string> r;
    std::size_t first, last;
    if (!sectionRange(section, first, last))
        return r;
    std::string k, v;
    for (std::size_t i = first; i < last; ++i)
        if (splitKeyLine(lines_[i], k, v))
            r.push_back(k + "=" + unquote(v));
    return r;
}

std::vector<std::string> TIniLines::Sections() const
{
    std::vector<std::string> r;
    for (const std::string& l : lines_) {
        auto name = headerName(l);
        if (!name)
            continue;
        bool seen = false;
        for (const std::string& s : r)
            seen = seen || SameText(s, *name);
        if (!seen)
            r.push_back(*name);
    }
    return r;
}

void TIniLines::EraseSection(const std::string& section)
{
    std::size_t first, last;
    while (sectionRange(section, first, last))
        lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(first - 1),
                     lines_.begin() + static_cast<std::ptrdiff_t>(last));
}

void TIniLines::DeleteKey(const std::string& section, const std::string& key)
{
    std::size_t first, last;
    if (!sectionRange(section, first, last))
        return;
    std::size_t i = findKey(first, last, key);
    if (i != std::string::npos)
        lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(i));
}
