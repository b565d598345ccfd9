#include "app/presets/FormatPresets.h"

#include <algorithm>

std::optional<int> CategoryCodeAt(int categoryPosition)
{
    const auto& categories = Categories();
    if (categoryPosition < 0 || categoryPosition >= static_cast<int>(categories.size()))
        return std::nullopt;
    return categories[static_cast<std::size_t>(categoryPosition)].Code;
}

std::optional<int> PresetKeyOf(int categoryPosition, int formatPosition)
{
    auto code = CategoryCodeAt(categoryPosition);
    if (!code)
        return std::nullopt;
    return (*code + 1) * 100 + formatPosition;
}

const TFormatPreset* FindFormatPreset(int key)
{
    const auto& presets = FormatPresets();
    auto it = std::lower_bound(presets.begin(), presets.end(), key,
                               [](const TFormatPreset& p, int k) { return p.Key < k; });
    return it != presets.end() && it->Key == key ? &*it : nullptr;
}

const TEncoderSet& EncoderSetOf(const TFormatPreset& preset)
{
    return EncoderSets()[static_cast<std::size_t>(preset.EncoderSet - 1)];
}

std::vector<const TFormatPreset*> FormatsOfCategory(int categoryPosition)
{
    std::vector<const TFormatPreset*> formats;
    auto code = CategoryCodeAt(categoryPosition);
    if (!code)
        return formats;
    for (int position = 0;; ++position) {
        const TFormatPreset* preset = FindFormatPreset((*code + 1) * 100 + position);
        if (!preset)
            return formats;
        formats.push_back(preset);
    }
}
