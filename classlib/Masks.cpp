#include "classlib/Masks.h"

#include "classlib/SysUtils.h"

namespace {

char fold(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Iterative wildcard match with one remembered star (linear back-tracking).
bool match(const std::string& name, const std::string& mask)
{
    std::size_t n = 0, m = 0, starMask = std::string::npos, starName = 0;
    while (n < name.size()) {
        if (m < mask.size() && (mask[m] == '?' || (mask[m] != '*' && fold(mask[m]) == fold(name[n])))) {
            ++n;
            ++m;
        } else if (m < mask.size() && mask[m] == '*') {
            starMask = m++;
            starName = n;
        } else if (starMask != std::string::npos) {
            m = starMask + 1;
            n = ++starName;
        } else {
            return false;
        }
    }
    while (m < mask.size() && mask[m] == '*')
        ++m;
    return m == mask.size();
}

} // namespace

bool MatchesMask(const std::string& fileName, const std::string& mask)
{
    return mask == "*.*" || match(fileName, mask);
}

std::vector<std::string> SplitMaskList(const std::string& masks)
{
    std::vector<std::string> patterns;
    std::size_t start = 0;
    for (;;) {
        const std::size_t semicolon = masks.find(';', start);
        const std::string pattern = Trim(masks.substr(start, semicolon == std::string::npos ? std::string::npos : semicolon - start));
        if (!pattern.empty())
            patterns.push_back(pattern);
        if (semicolon == std::string::npos)
            return patterns;
        start = semicolon + 1;
    }
}

bool MatchesMaskList(const std::string& fileName, const std::string& masks)
{
    for (const auto& pattern : SplitMaskList(masks))
        if (MatchesMask(fileName, pattern))
            return true;
    return false;
}
