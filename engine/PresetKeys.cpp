#include "engine/PresetKeys.h"

namespace {

using TOptionList = std::vector<std::pair<std::string, std::string>>;

struct TFlag {
    bool on;
    std::string name;
};

// "+a-b+c" (a leading name without sign counts as set).
std::vector<TFlag> SplitFlags(const std::string& value)
{
    std::vector<TFlag> flags;
    size_t pos = 0;
    while (pos < value.size()) {
        bool on = true;
        if (value[pos] == '+' || value[pos] == '-')
            on = value[pos++] == '+';
        const size_t end = value.find_first_of("+-", pos);
        const std::string name = value.substr(pos, end == std::string::npos ? std::string::npos : end - pos);
        if (!name.empty())
            flags.push_back({on, name});
        pos = end == std::string::npos ? value.size() : end;
    }
    return flags;
}

// The flags of a flag set that the encoder has as switches of its own become those switches; the
// rest stays in the flag set.
TOptionList SplitFlagOption(const std::string& key, const std::string& value)
{
    struct TSwitch {
        const char* flag;
        const char* option;
        const char* on;
        const char* off;
    };
    static const TSwitch kSwitches[] = {
        {"loop", "deblock", "true", "false"},   {"bpyramid", "b-pyramid", "normal", "none"},
        {"mixed_refs", "mixed-refs", "1", "0"}, {"wpred", "weightb", "1", "0"},
        {"dct8x8", "8x8dct", "1", "0"},         {"fastpskip", "fast-pskip", "1", "0"},
        {"mbtree", "mbtree", "1", "0"},
    };
    TOptionList result;
    std::string rest;
    for (const TFlag& flag : SplitFlags(value)) {
        const TSwitch* hit = nullptr;
        for (const TSwitch& s : kSwitches)
            if (flag.name == s.flag)
                hit = &s;
        if (hit)
            result.emplace_back(hit->option, flag.on ? hit->on : hit->off);
        else
            rest.append(flag.on ? "+" : "-").append(flag.name);
    }
    if (!rest.empty())
        result.emplace_back(key, rest);
    return result;
}

// "+parti8x8-parti4x4+partp8x8" -> "i8x8,p8x8"; no partition set -> "none".
TOptionList Partitions(const std::string& value)
{
    std::string list;
    for (const TFlag& flag : SplitFlags(value)) {
        if (!flag.on || flag.name.compare(0, 4, "part") != 0)
            continue;
        if (!list.empty())
            list += ",";
        list += flag.name.substr(4);
    }
    return {{"partitions", list.empty() ? "none" : list}};
}

} // namespace

TOptionList TranslatePresetOption(const std::string& key, const std::string& value)
{
    if (key == "flags" || key == "flags2")
        return SplitFlagOption(key, value);
    if (key == "partitions")
        return Partitions(value);
    static const std::pair<const char*, const char*> kRenamed[] = {
        {"directpred", "direct-pred"}, {"cqp", "qp"}, {"wpredp", "weightp"}, {"me_method", "motion-est"}};
    for (const auto& [from, to] : kRenamed)
        if (key == from)
            return {{to, value}};
    return {{key, value}};
}
