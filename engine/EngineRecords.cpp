#include "engine/EngineRecords.h"

#include <algorithm>

void InitInputOptions(TInputOptions& options)
{
    options = TInputOptions{};
}

void InitOutputOptions(TOutputOptions& options)
{
    options = TOutputOptions{};
}

namespace {

bool IsBlankOrControl(char c)
{
    return static_cast<unsigned char>(c) <= ' ';
}

void ReplaceAll(std::string& text, const std::string& from, const std::string& to)
{
    for (std::size_t pos = text.find(from); pos != std::string::npos; pos = text.find(from, pos + to.size()))
        text.replace(pos, from.size(), to);
}

std::string AsciiLower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
    return text;
}

} // namespace

std::vector<TExtOption> ParseExtOptions(const std::string& text)
{
    auto first = std::find_if_not(text.begin(), text.end(), IsBlankOrControl);
    auto last = std::find_if_not(text.rbegin(), std::string::const_reverse_iterator(first), IsBlankOrControl).base();
    std::string rest(first, last);

    ReplaceAll(rest, "\r\n", "\n");
    ReplaceAll(rest, "\r", "\n");
    ReplaceAll(rest, "<CRLF>", "\n");

    std::vector<TExtOption> options;
    while (!rest.empty()) {
        std::size_t end = rest.find('\n');
        std::string line = rest.substr(0, end);
        rest.erase(0, end == std::string::npos ? rest.size() : end + 1);

        TExtOption option;
        std::size_t equals = line.find('=');
        option.Name = line.substr(0, equals);
        if (equals != std::string::npos)
            option.Value = line.substr(equals + 1);
        option.Key = AsciiLower(option.Name);
        options.push_back(std::move(option));
    }
    return options;
}
