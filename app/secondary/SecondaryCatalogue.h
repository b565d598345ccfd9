#pragma once
// The secondary settings form's own format catalogue: twelve categories, whose CategoryCode is
// their category-box position, and the formats of each, keyed by
// PresetKey = (position + 1) * 100 + format position.

#include "app/presets/FormatPresets.h"

#include <string_view>
#include <vector>

struct TSecondaryFormat {
    int Key;
    std::string_view Title;       // the item's first line, with its file pattern
    std::string_view Caption;     // one sentence
    int ImageIndex;               // the format box has no image list, so it selects no picture
};

// In category-box order; Code is the position.
const std::vector<TCategory>& SecondaryCategories();
// Every format in key order.
const std::vector<TSecondaryFormat>& SecondaryFormats();

// The format of a key, or nullptr.
const TSecondaryFormat* FindSecondaryFormat(int key);
// The formats the format box offers for a category position, in position order; none outside
// the category box.
std::vector<const TSecondaryFormat*> SecondaryFormatsOfCategory(int categoryPosition);
